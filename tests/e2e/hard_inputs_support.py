"""What the hard-input tests share: the program's texts, adding one file
of any name through the file dialog, and checking that the program is
still sound."""

from harness import wait_for, windows_path

HOST = "sonvella.example.org"
IDLE_CAPTION = f"Sonvella - {HOST}"
CANNOT_OPEN = "Cannot open mplayer.exe."


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


def row(full_name, size_text):
    name, directory = split(full_name)
    return [name, size_text, directory]


def use_utf8_locale(env):
    """Wine maps non-ASCII file names to Linux ones only in a UTF-8 locale;
    programs started afterwards get it."""
    env.prefix.env["LC_ALL"] = "C.UTF-8"


def open_file(app, full_name, delete_before_return=None):
    """Adds one file through the real file dialog.

    `delete_before_return`, if given, runs after the name is typed and
    before Return: the file is chosen, then vanishes.
    """
    rows_before = len(app.rows())
    app.open_files([full_name], before_return=delete_before_return)
    wait_for(lambda: len(app.rows()) == rows_before + 1, timeout=15,
             what=f"the row of {full_name}")


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
