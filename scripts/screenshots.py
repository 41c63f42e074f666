"""Takes the README's screenshots of every window from the real program on a private X server.

The program runs the way a user runs it: from an ordinary folder in a home folder that holds a copy
of the bundled tables, so that the folder list of the table window shows a user's path and not the
source tree. Each window is captured at its client size; the main and graph windows also together.
Unless the program arguments choose a language, a second run in English captures the table window
once more, as table-window-en.png.

Run by scripts/screenshots (which provides the X server and the session bus):
    /usr/bin/python3 screenshots.py PROGRAM DATA_FOLDER OUTPUT_FOLDER [PROGRAM ARGUMENTS...]
"""

import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))

import ui  # noqa: E402

USER = "mika"
TITLE = "Velmora title"
MAIN = "Mass stopping powers and csda range data"
TABLE = "Data Table (Unrestricted)"
REFERENCES = "Data reference"
TERMS = "Meaning of the term"
MATERIAL_FILE = "Water liquid.stc"
ROW_SHOWN = "4.000E+0"  # the table row selected in the main window's picture
GRAPH_CAPTION = "  Water, liquid     Density = 1.000[g/cm3]     (S/ρ)"
EMITTERS = "Positron emitters"
EMITTERS_CAPTION = "(陽電子放出核種の飛程|Ranges of positron emitters)$"
EMITTER_CHOSEN = 7  # Ga-68, marked on the graphs


def user_folder(root, home, data):
    """A home folder with the bundled tables copied into ~/stopping-powers."""
    folder = os.path.join(home, "stopping-powers")
    for name in ("p_QRV", "p_STC", "e_QRV", "e_STC"):
        shutil.copytree(os.path.join(data, name), os.path.join(folder, name))
    runtime = os.path.join(root, "runtime")
    os.makedirs(runtime, mode=0o700)
    env = dict(os.environ)
    env.pop("VELMORA_LANGUAGE", None)  # the language is the program arguments' choice alone
    env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=home,
               XDG_DATA_HOME=os.path.join(home, ".local", "share"),
               XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_RUNTIME_DIR=runtime)
    return folder, env


class Shots:
    def __init__(self, session, output, only=None, suffix=""):
        self.s = session
        self.output = output
        self.only = only  # the one picture to keep, or None for all
        self.suffix = suffix  # added to the picture's name before ".png"

    def window_id(self, title_pattern):
        found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid",
                                str(self.s.process.pid), "--name", title_pattern],
                               capture_output=True, text=True, timeout=30).stdout.split()
        if not found:
            self.s.fail("no window titled like %r" % title_pattern)
        return found[0]

    def path(self, file_name):
        if self.only not in (None, file_name):
            return None
        stem, extension = os.path.splitext(file_name)
        return os.path.join(self.output, stem + self.suffix + extension)

    def capture(self, title_pattern, file_name):
        path = self.path(file_name)
        if path is None:
            return
        subprocess.run(["import", "-window", self.window_id(title_pattern), path], check=True,
                       timeout=30)
        print("wrote %s" % path, flush=True)

    def capture_area(self, left, top, width, height, file_name):
        path = self.path(file_name)
        if path is None:
            return
        subprocess.run(["import", "-window", "root", "-crop",
                        "%dx%d+%d+%d" % (width, height, left, top), "+repage", path],
                       check=True, timeout=30)
        print("wrote %s" % path, flush=True)

    def run(self):
        s = self.s
        with s.step("title window"):
            title = s.window(TITLE)
            s.place_window(title, "^  Velmora$", 10, 10)
            s.move_to(1, 1190)  # no tool tip, no hover
            self.capture("^  Velmora$", "title-window.png")
        with s.step("data references"):
            s.click(s.button(title, "Data sources and references"))
            references = s.window(REFERENCES)
            s.place_window(references, "Data reference$", 10, 10)
            s.move_to(1, 1190)
            self.capture("Data reference$", "reference-window.png")
            s.click(s.button(references, "Close"))
            s.window_hidden(REFERENCES)
        with s.step("main and graph windows with water loaded"):
            s.click(s.button(title, "Start: mass stopping powers and ranges"))
            main = s.window(MAIN)
            s.place_window(main, "^Mass Stopping Powers and", 10, 10)
            files = s.list(main, "Compounds and Mixtures")
            # Water, liquid is near the end of the list: End, then up to it, as a user scrolls.
            s.click(ui.children(files)[0])
            s.key("End")
            names = ui.list_items(files)
            s.key(*["Up"] * (len(names) - 1 - names.index(MATERIAL_FILE)))
            s.expect_equal("water chosen", [names.index(MATERIAL_FILE)],
                           lambda: ui.selected_rows(files))
            s.click(s.button(main, "OK"))
            graph = s.window(GRAPH_CAPTION)
            main_left, main_top, main_width, main_height = ui.extents(main)
            s.place_window(graph, "Density = ", main_left + main_width + 9, 10)
            table = s.list(main, "Table of the material")
            rows = s.wait_for("table rows", lambda: ui.list_items(table))
            target = next(i for i, name in enumerate(rows) if name.startswith(ROW_SHOWN))
            s.click(ui.children(table)[0])
            s.key(*["Down"] * target)
            s.expect_equal("row %s chosen" % ROW_SHOWN, [target], lambda: ui.selected_rows(table))
            s.move_to(1, 1190)
            self.capture("^Mass Stopping Powers and", "main-window.png")
            self.capture("Density = ", "graph-window.png")
            graph_left, _, graph_width, graph_height = ui.extents(graph)
            self.capture_area(main_left, main_top, graph_left + graph_width - main_left,
                              max(main_height, graph_height), "main-and-graph-windows.png")
        with s.step("positron emitters with Ga-68 marked on the graphs"):
            s.key("ctrl+e")  # in the main window, which has the focus
            emitters = s.window(EMITTERS)
            s.place_window(emitters, EMITTERS_CAPTION, 10, 10)
            table = s.control(emitters, "Positron emitters and their csda ranges")
            s.wait_for("keyboard focus in the nuclide table", lambda: ui.focused(table))
            s.key(*["Down"] * EMITTER_CHOSEN)  # from the first row
            s.move_to(1, 1190)
            self.capture(EMITTERS_CAPTION, "emitters-window.png")
            # Out of the graph window's way while it is taken, then back to be closed.
            s.place_window(emitters, EMITTERS_CAPTION, 10, main_top + main_height + 20)
            self.capture("Density = ", "graph-emitter-marks.png")
            s.place_window(emitters, EMITTERS_CAPTION, 10, 10)
            s.click(s.button(emitters, "Close"))
            s.window_hidden(EMITTERS)
        with s.step("term window"):
            s.click(s.button(main, "Explanation of terms"))
            terms = s.window(TERMS)
            s.place_window(terms, "Meaning of the term$", 10, 10)
            s.move_to(1, 1190)
            self.capture("Meaning of the term$", "term-window.png")
            s.click(s.button(terms, "Close"))
            s.window_hidden(TERMS)
        with s.step("equal-interval table"):
            s.click(s.button(main, "Make an equal-energy-interval data table"))
            window = s.window(TABLE)
            s.place_window(window, "^Data Table", 10, 10)
            s.click(s.button(window, "Calculation: compute and list the table"))
            s.move_to(1, 1190)
            self.capture("^Data Table", "table-window.png")
            s.click(s.button(window, "Cancel"))
            s.window_hidden(TABLE)
        with s.step("graphs compared with electrons"):
            graph = s.window(GRAPH_CAPTION)
            range_graph = s.control(graph, "Csda range graph")
            left, top, width, height = ui.extents(range_graph)
            s.move_to(left + width // 3, top + height // 3)
            s.xdotool("click", 3)
            # The first entry of the menu: the comparison (a menu is chosen from with the keys).
            s.key("Down", "Return")
            s.move_to(1, 1190)
            self.capture("Density = ", "graph-comparison.png")


def main(argv):
    if len(argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    program, data, output = (os.path.abspath(a) for a in argv[1:4])
    os.makedirs(output, exist_ok=True)
    root = tempfile.mkdtemp(prefix="velmora-shots-", dir="/tmp")
    # An ordinary home folder when one can be made for the run, else one inside the scratch folder.
    home = os.path.join("/home", USER)
    made_home = False
    try:
        os.makedirs(home)
        made_home = True
    except OSError:
        home = os.path.join(root, "home", USER)
    arguments = argv[4:]
    runs = [(arguments, None, "")]
    if not any(a == "--language" or a.startswith("--language=") for a in arguments):
        runs.append((["--language", "en"], "table-window.png", "-en"))
    try:
        folder, env = user_folder(root, home, data)
        for program_arguments, only, suffix in runs:
            session = ui.Session(output)
            try:
                with session.step("start the program in %s %s" % (folder, program_arguments)):
                    session.start([program] + program_arguments, folder, env,
                                  "screenshots_program.log")
                Shots(session, output, only, suffix).run()
            except ui.StepFailure as failure:
                session.report_failure(failure, "screenshots_failure.png")
                return 1
            finally:
                session.stop()
            os.remove(os.path.join(output, "screenshots_program.log"))
    finally:
        shutil.rmtree(root, ignore_errors=True)
        if made_home:
            shutil.rmtree(home, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
