"""What the two places programs run from share: a temporary root folder
and starting a Windows program with its output in a log."""

import os
import subprocess


class ProgramsHome:
    """Subclasses set `root` and `env` and say how a Windows program is
    started (command())."""

    root = env = None

    def command(self, args):
        raise NotImplementedError

    def start(self, args, log_path, cwd=None):
        """Starts a Windows program; its output goes to log_path."""
        with open(log_path, "ab") as log:
            return subprocess.Popen(self.command(args), env=self.env, cwd=cwd,
                                    stdin=subprocess.DEVNULL, stdout=log,
                                    stderr=subprocess.STDOUT)

    def write_empty_file(self, path, size):
        """A file of `size` zero bytes that takes no disk space."""
        with open(path, "wb") as file:
            self.make_sparse(file)
            file.truncate(size)

    def make_sparse(self, file):
        """Linux file systems keep a file grown by truncate() sparse."""

    def temp_dir(self, name):
        """A new folder inside the temporary root folder."""
        path = os.path.join(self.root, name)
        os.makedirs(path)
        return path
