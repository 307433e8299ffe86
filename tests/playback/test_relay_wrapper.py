"""mplayer-relay.sh, the Linux half of the relay mplayer.exe, run directly.

A `sleep` started by the test stands in for the relay (a Windows process under
Wine, to Linux just a process) and a stand-in `mplayer` first on PATH records
its arguments and process id, then ends, talks or plays as the test asks. The
wrapper runs from a copy in the test's folder, where it writes its log.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time
import unittest
import urllib.parse
from pathlib import Path

WRAPPER = Path(__file__).resolve().parents[2] / "tools" / "relay" / "mplayer-relay.sh"
LOG_LIMIT_BYTES = 1024 * 1024

STAND_IN = """#!/usr/bin/env bash
printf '%s\\0' "$@" >"$STAND_IN_DIR/arguments.part"
mv "$STAND_IN_DIR/arguments.part" "$STAND_IN_DIR/arguments"
echo $$ >"$STAND_IN_DIR/pid"
case $STAND_IN_BEHAVIOUR in
  exit*) exit "${STAND_IN_BEHAVIOUR#exit }" ;;
  talk) echo "said on stderr" >&2; head -c 2000000 /dev/zero; exit 0 ;;
  play) exec sleep 60 ;;
  deaf) trap '' TERM; exec sleep 60 ;;
esac
"""

TIMEOUT = 10


def encoded(argument: bytes) -> str:
    return urllib.parse.quote(argument, safe="/")


def start_time(pid: int) -> str:
    stat = Path(f"/proc/{pid}/stat").read_text()
    return stat[stat.rindex(")") + 2 :].split()[19]


def running(pid: int) -> bool:
    """Exists and is neither a zombie nor dead."""
    try:
        stat = Path(f"/proc/{pid}/stat").read_text()
    except FileNotFoundError:
        return False
    return stat[stat.rindex(")") + 2] not in "ZX"


def wait_for(condition, what: str) -> None:
    deadline = time.monotonic() + TIMEOUT
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.05)


class WrapperTest(unittest.TestCase):
    def setUp(self):
        self.dir = Path(tempfile.mkdtemp(prefix="relay-wrapper-"))
        bin_dir = self.dir / "bin"
        bin_dir.mkdir()
        mplayer = bin_dir / "mplayer"
        mplayer.write_text(STAND_IN)
        mplayer.chmod(0o755)
        relay_dir = self.dir / "relay"
        relay_dir.mkdir()
        self.wrapper_copy = shutil.copy(WRAPPER, relay_dir)
        self.log = relay_dir / "mplayer.log"
        self.status_file = self.dir / "relay status"
        self.env = dict(os.environ, STAND_IN_DIR=str(self.dir))
        # Unset, the player's own audio output stands.
        self.env.pop("SONVELLA_AUDIO", None)
        self.env["PATH"] = f"{bin_dir}:{self.env['PATH']}"
        self.relay = subprocess.Popen(["sleep", "60"])
        self.relay_start_time = start_time(self.relay.pid)
        self.wrapper = None

    def tearDown(self):
        for process in (self.wrapper, self.relay):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        pid_file = self.dir / "pid"
        if pid_file.exists() and running(int(pid_file.read_text())):
            os.kill(int(pid_file.read_text()), signal.SIGKILL)
        subprocess.run(["rm", "-rf", str(self.dir)], check=True)

    def start_wrapper(self, behaviour, arguments=(b"-slave", b"/x.ac3"), start=None):
        self.env["STAND_IN_BEHAVIOUR"] = behaviour
        command = [
            str(self.wrapper_copy),
            str(self.relay.pid),
            start or self.relay_start_time,
            encoded(bytes(self.status_file)),
            *map(encoded, arguments),
        ]
        self.wrapper = subprocess.Popen(command, env=self.env)

    def player_pid(self) -> int:
        pid_file = self.dir / "pid"
        wait_for(lambda: pid_file.exists() and pid_file.read_text().strip(),
                 "the player")
        return int(pid_file.read_text())

    def assert_wrapper_ends_with_player_gone(self, player: int) -> None:
        self.wrapper.wait(TIMEOUT)
        self.assertFalse(running(player), "player still running")


class ArgumentsTest(WrapperTest):
    def test_names_reach_the_player_byte_for_byte(self):
        arguments = [
            b"-slave",
            "/tmp/Tone 440 Hz.ac3".encode(),
            "/tmp/Мелодия/音.ac3".encode(),
            b"/tmp/100% \"quoted\" 'single' $HOME `x` \\n back\\slash.ac3",
            b"/tmp/line\nbreak and trailing newline\n",
            b"/tmp/not UTF-8 \xff\xfe.ac3",
            b"",
        ]
        self.start_wrapper("exit 0", arguments)
        self.wrapper.wait(TIMEOUT)
        recorded = (self.dir / "arguments").read_bytes().split(b"\0")[:-1]
        self.assertEqual(arguments, recorded)


class PlayerEndsByItselfTest(WrapperTest):
    def test_exit_status_is_written_to_the_status_file(self):
        self.start_wrapper("exit 3")
        self.assertEqual(0, self.wrapper.wait(TIMEOUT))
        self.assertEqual("3\n", self.status_file.read_text())
        left = sorted(path.name for path in self.dir.iterdir())
        self.assertEqual(["arguments", "bin", "pid", "relay", "relay status"], left)

    def test_the_players_output_is_logged_bounded_and_replaced_at_each_start(self):
        self.start_wrapper("talk")
        self.wrapper.wait(TIMEOUT)
        # Output past the limit is dropped, not fed back to the player as a
        # broken pipe: it ended as it wished.
        self.assertEqual("0\n", self.status_file.read_text())
        # The copy into the log may end just after the wrapper.
        wait_for(lambda: self.log.stat().st_size >= LOG_LIMIT_BYTES, "the log")
        log = self.log.read_bytes()
        self.assertEqual(LOG_LIMIT_BYTES, len(log))
        self.assertTrue(log.startswith(b"said on stderr\n"))
        self.start_wrapper("exit 0")
        self.wrapper.wait(TIMEOUT)
        wait_for(self.log.exists, "the new log")
        self.assertEqual(b"", self.log.read_bytes())

    def test_terminated_wrapper_stops_the_player_and_reports_it(self):
        self.start_wrapper("play")
        player = self.player_pid()
        self.wrapper.terminate()
        self.assert_wrapper_ends_with_player_gone(player)
        self.assertEqual(f"{128 + signal.SIGTERM}\n", self.status_file.read_text())


class RelayGoneTest(WrapperTest):
    def assert_player_stopped_silently(self, player: int) -> None:
        self.assert_wrapper_ends_with_player_gone(player)
        self.assertFalse(self.status_file.exists(), "status written for a relay that is gone")

    def test_terminated_relay_left_as_zombie_stops_the_player(self):
        # Wine leaves a terminated process a zombie for a while.
        self.start_wrapper("play")
        player = self.player_pid()
        self.assertTrue(running(player))
        self.relay.kill()
        self.assert_player_stopped_silently(player)

    def test_relay_gone_entirely_stops_the_player(self):
        self.start_wrapper("play")
        player = self.player_pid()
        self.relay.kill()
        self.relay.wait()
        self.assert_player_stopped_silently(player)

    def test_process_with_the_relay_id_but_another_start_time_is_not_the_relay(self):
        self.start_wrapper("play", start=str(int(self.relay_start_time) - 1))
        self.wrapper.wait(TIMEOUT)
        self.assertFalse(self.status_file.exists())
        self.assertIsNone(self.relay.poll())

    def test_player_ignoring_terminate_is_killed(self):
        self.start_wrapper("deaf")
        player = self.player_pid()
        self.relay.kill()
        self.assert_player_stopped_silently(player)


class WrapperKilledTest(WrapperTest):
    def test_player_dies_with_the_wrapper(self):
        self.start_wrapper("play")
        player = self.player_pid()
        self.wrapper.kill()
        self.wrapper.wait()
        wait_for(lambda: not running(player), "the player to die with the wrapper")


if __name__ == "__main__":
    unittest.main()
