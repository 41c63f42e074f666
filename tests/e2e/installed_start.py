"""Starts an installed program as a menu does and checks that it works on its bundled tables.

The environment (HOME, XDG_DATA_HOME) and the working folder are the caller's. The title window
comes up, its start button shows the main window whose element list holds the expected files,
the back button returns to the title window and its exit button ends the process.

Run under dbus-run-session with DISPLAY set (package_install.sh does both):
    /usr/bin/python3 installed_start.py PROGRAM ARTIFACTS_DIR ELEMENT_FILE...
"""

import os
import sys

import ui
from walk import MAIN, TITLE


def check(session, element_files):
    with session.step("title window of the installed program"):
        title = session.window(TITLE)
        session.click(session.button(title, "Start: mass stopping powers and ranges"))
    with session.step("main window lists the bundled element files"):
        main = session.window(MAIN)
        session.expect_equal("element files", sorted(element_files),
                             lambda: sorted(ui.list_items(session.list(main, "Elements"))))
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
    os.makedirs(artifacts, exist_ok=True)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    session = ui.Session(artifacts)
    try:
        with session.step("start %s" % program):
            session.start([program], os.getcwd(), env, "package_install_program.log")
        check(session, element_files)
    except ui.StepFailure as failure:
        session.report_failure(failure, "package_install_failure.png")
        return 1
    finally:
        session.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
