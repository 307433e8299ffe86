"""The base class of the end-to-end tests."""

import os
import unittest

from .environment import Environment
from .sonvella_app import Sonvella

_shared = None


def win64_dir():
    """The win64 build folder: $SONVELLA_WIN64_DIR, else build/win64."""
    harness = os.path.dirname(os.path.abspath(__file__))
    source = os.path.dirname(os.path.dirname(os.path.dirname(harness)))
    return os.environ.get("SONVELLA_WIN64_DIR") or os.path.join(source, "build", "win64")


def output_dir():
    """Where a failed test leaves a screenshot and the program's logs:
    $SONVELLA_E2E_OUTPUT, else e2e-output in the win64 build folder."""
    return os.environ.get("SONVELLA_E2E_OUTPUT") or os.path.join(win64_dir(), "e2e-output")


def _close_shared():
    global _shared
    if _shared is not None:
        environment, _shared = _shared, None
        environment.close()


def shared_environment(ppi):
    """The test module's one Environment, created on first use, set to
    `ppi`, and closed when the module's tests are done."""
    global _shared
    if _shared is None:
        _shared = Environment(win64_dir(), ppi)
        unittest.addModuleCleanup(_close_shared)
    _shared.set_ppi(ppi)
    return _shared


class SonvellaTestCase(unittest.TestCase):
    """Gives each test class the module's environment at `ppi` pixels per
    inch, and each test a fresh program folder through start()."""

    ppi = 96

    @classmethod
    def setUpClass(cls):
        cls.env = shared_environment(cls.ppi)

    def start(self, folder_name="Sonvella", player=True):
        """Starts Sonvella from a new program folder; it is ended after the
        test, whatever happens."""
        app = Sonvella(self.env, self.env.program_folder(folder_name, player))
        self.addCleanup(app.stop)
        # Runs first, while the program still shows what went wrong.
        self.addCleanup(self._keep_evidence, app)
        return app

    def _failed(self):
        # The running test's result is kept only in unittest's own state.
        result = self._outcome.result
        return any(test is self or getattr(test, "test_case", None) is self
                   for test, _ in result.errors + result.failures)

    def _keep_evidence(self, app):
        if not self._failed():
            return
        folder = os.path.join(output_dir(), self.id())
        os.makedirs(folder, exist_ok=True)
        app.save_logs(folder)
        self.env.probe.screenshot(os.path.join(folder, f"screen-{app.pid}.png"))
