"""What the hard-input tests share: the program's texts, typing any Unicode
name into the file dialog, and checking that the program is still sound."""

import subprocess
import time

from harness import wait_for, windows_path

HOST = "sonvella.example.org"
IDLE_CAPTION = f"Sonvella - {HOST}"
CANNOT_OPEN = "Cannot open mplayer.exe."
FILE_NAME_BOX_ID = 1152  # the file dialog's name box (edt1)


def playing_caption(full_name):
    return f"Playing {full_name} - {HOST}"


def player_command_line(app, full_name):
    """The command line the player must be started with from app's folder."""
    player = windows_path(app.folder) + "\\mplayer.exe"
    return (f'"{player}" -wid {app.hwnd} -slave -quiet -identify '
            f'-priority abovenormal "{full_name}"')


def split(full_name):
    """(file name, directory with its trailing separator)."""
    cut = full_name.rindex("\\") + 1
    return full_name[cut:], full_name[:cut]


def linux_path(full_name):
    """The Linux path of a name on Wine's Z: drive."""
    assert full_name.startswith("Z:\\"), full_name
    return full_name[2:].replace("\\", "/")


def row(full_name, size_text):
    name, directory = split(full_name)
    return [name, size_text, directory]


def use_utf8_locale(env):
    """Wine maps non-ASCII file names to Linux ones only in a UTF-8 locale;
    programs started afterwards get it."""
    env.prefix.env["LC_ALL"] = "C.UTF-8"


def _runs(text):
    """Splits text into runs of ASCII and single non-ASCII characters."""
    runs = []
    for char in text:
        if char.isascii() and runs and runs[-1].isascii():
            runs[-1] += char
        else:
            runs.append(char)
    return runs


def type_unicode(env, xid, text):
    """Types any text into the X window `xid`.

    `xdotool type` loses non-ASCII letters typed in quick succession (each
    needs a new key mapping that Wine must take in first) and turns capital
    ones it has to map into small ones, so those are pressed one by one as
    Unicode keysyms, with Shift for a capital.
    """
    x_env = {"DISPLAY": env.display.name, "LC_ALL": "C.UTF-8"}
    env.input.focus(xid)
    for run in _runs(text):
        if run.isascii():
            command = ["type", "--delay", "40", run]
        else:
            keysym = f"U{ord(run):04X}"
            command = ["key", f"shift+{keysym}" if run != run.lower() else keysym]
        subprocess.run(["xdotool", *command], env=x_env, check=True, timeout=60)
        if not run.isascii():
            time.sleep(0.1)


def open_file(app, full_name, delete_before_return=None, attempts=4):
    """Adds one file through the real file dialog, typing its full name and
    reading the name box back until it holds exactly that name.

    `delete_before_return`, if given, runs after the name is typed and
    before Return: the file is chosen, then vanishes.
    """
    rows_before = len(app.rows())
    app.click("Open...")
    dialog = app.wait_dialog("Open")
    [window] = [box["hwnd"] for box in app.boxes() if box["text"] == "Open"]
    [name_box] = [child["hwnd"] for child in app.probe.window(window)["children"]
                  if child["id"] == FILE_NAME_BOX_ID]
    for _ in range(attempts):
        app.input.key(dialog, "ctrl+a", "BackSpace")
        type_unicode(app.env, dialog, full_name)
        typed = app.probe.window(name_box)["text"]
        if typed == full_name:
            break
    else:
        raise AssertionError(f"typed {full_name!r}, the name box holds {typed!r}")
    if delete_before_return:
        delete_before_return()
    app.input.key(dialog, "Return")
    wait_for(lambda: len(app.rows()) == rows_before + 1, timeout=15,
             what=f"the row of {full_name}")
    wait_for(lambda: not app.boxes(), what="the file dialog to close")


def assert_sound(test, app):
    """The program runs, its window thread answers, and it shows no box: a
    program that crashed under Wine has ended or no longer answers."""
    test.assertTrue(app.running(), "Sonvella ended")
    app.rows()  # the list answers through the window thread
    test.assertEqual(app.boxes(), [])


def close_with_close_button(test, app):
    """Closes the program with its Close button: it must end with exit code
    0 and leave no player behind."""
    assert_sound(test, app)
    app.click("Close")
    test.assertEqual(app.wait_exit(), 0)
    app.wait_players(0)
