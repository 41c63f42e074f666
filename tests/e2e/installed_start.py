"""Starts an installed program as a menu does and checks that it works on its bundled tables.

The environment (HOME, XDG_DATA_HOME) and the working folder are the caller's. The title window
comes up, its start button shows the main window whose element list holds the expected files,
OK with no file chosen asks for one in the interface's language (the translation is built into
the program), the back button returns to the title window and its exit button ends the process.

Run under dbus-run-session with DISPLAY set (package_install.sh does both):
    /usr/bin/python3 installed_start.py PROGRAM ARTIFACTS_DIR [--language NAME] ELEMENT_FILE...
"""

import os
import sys

import pyatspi

import ui
from walk import MAIN, TITLE

# What OK asks for when no file is chosen, in the designed texts and in English.
CHOOSE_A_FILE = {None: "元素または物質を選択して下さい",
                 "en": "Please choose an element, a compound or a mixture."}


def check(session, element_files, language):
    with session.step("title window of the installed program"):
        title = session.window(TITLE)
        session.click(session.button(title, "Start: mass stopping powers and ranges"))
    with session.step("main window lists the bundled element files"):
        main = session.window(MAIN)
        session.expect_equal("element files", sorted(element_files),
                             lambda: sorted(ui.list_items(session.list(main, "Elements"))))
    with session.step("OK with no file chosen asks for one"):
        session.click(session.button(main, "OK"))
        box = session.dialog()
        session.control(box, CHOOSE_A_FILE[language], pyatspi.ROLE_LABEL)
        session.click(session.button(box, "OK"))
        session.click(session.button(main, "Back to the title window"))
    with session.step("exit: the installed program ends by itself"):
        title = session.window(TITLE)
        session.click(session.button(title, "End the program"))
        code = session.wait_for_exit()
        if code != 0:
            session.fail("the program ended with exit code %d" % code)


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    program, artifacts, element_files = argv[1], os.path.abspath(argv[2]), argv[3:]
    language = None
    if element_files[:1] == ["--language"]:
        language, element_files = element_files[1], element_files[2:]
    os.makedirs(artifacts, exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    session = ui.Session(artifacts)
    try:
        with session.step("start %s" % program):
            arguments = ["--language", language] if language else []
            session.start([program] + arguments, os.getcwd(), env, "package_install_program.log")
        check(session, element_files, language)
    except ui.StepFailure as failure:
        session.report_failure(failure, "package_install_failure.png")
        return 1
    finally:
        session.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
