"""Starting one of the bench's window programs inside the prefix and finding
its window from outside."""

from harness import wait_for


def _one(items):
    items = list(items)
    return items[0] if len(items) == 1 else None


def child_of(env, hwnd, window_class):
    """The first child window of `hwnd` with that class, read by the probe."""
    return next(child for child in env.probe.window(hwnd)["children"]
                if child["class"] == window_class)


class WindowProgram:
    """A bench window program started with `wine`: its process, its id and
    its visible top-level window."""

    def __init__(self, env, path, args, log_path, timeout=300):
        self.env = env
        self.name = path.replace("\\", "/").rsplit("/", 1)[-1]
        self.process = env.prefix.start([path, *args], log_path)
        try:
            self.pid = wait_for(
                lambda: _one(env.probe.pids_of(self.name)), timeout=30,
                what=self.name)
            self.window = wait_for(
                lambda: _one(w["hwnd"] for w in env.probe.windows(self.pid)
                             if w["visible"] and w["owner"] == 0),
                timeout=timeout, what=f"{self.name}'s window")
        except BaseException:
            self.process.kill()
            self.process.wait()
            raise

    def child(self, window_class):
        return child_of(self.env, self.window, window_class)

    def stop(self):
        try:
            self.env.probe.call("terminate", self.pid)
            self.process.wait(timeout=30)
        finally:
            if self.process.poll() is None:
                self.process.kill()
                self.process.wait()
