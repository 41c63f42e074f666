"""The end-to-end walk: the real program on a real X server, used as a person would.

Title window, start, an element and a compound, OK, the table list, typed energies (accepted and
refused), a table row clicked again, the pointer over both graphs, the comparison with electrons
chosen from the graphs' menu, the equal-interval table calculated and saved into a chosen folder
(and the same table from velmora-query, byte for byte, when it is given), back to the title
window, and the exit button ending the process; on the way the two information windows open and
close, and every control met must have an accessible name. Then the program starts once more with
--language en: the equal-interval table is calculated and saved again, its confirmation is English
and the file is the same.

Run under dbus-run-session with DISPLAY set (run_walk.sh does both):
    /usr/bin/python3 walk.py PROGRAM ARTIFACTS_DIR [VELMORA_QUERY]
"""

import os
import shutil
import subprocess
import sys
import tempfile

import pyatspi

import expected as x
import ui

TITLE = "Velmora title"
MAIN = "Mass stopping powers and csda range data"
TABLE = "Data Table (Unrestricted)"
REFERENCES = "Data reference"
TERMS = "Meaning of the term"

ELEMENT = x.smooth_material("Testium", 2.6989, 166.0)
OTHER_ELEMENT = x.smooth_material("Otherium", 7.874, 286.0, scale=0.8)
COMPOUND = x.smooth_material("Test water", 1.06, 75.3, scale=1.3)
# The compound's electron table, in e_STC beside p_STC: ranges 3.25 times the positrons'.
COMPOUND_ELECTRONS = x.smooth_material("Test water", 1.06, 75.3, scale=0.4)
ELEMENT_FILES = {"001 Testium.qrv": ELEMENT, "002 Otherium.qrv": OTHER_ELEMENT}
COMPOUND_FILES = {"Test water.stc": COMPOUND}

# Typed energies: what is typed, and the energy it reads as.
ACCEPTED_ENERGIES = [("0.37", 0.37), (" 2.5 MeV", 2.5)]
REFUSED_ENERGY = "1500"
# The equal-interval table: start, end, interval as typed; 33.86 intervals, so 34 rows.
INTERVAL_INPUTS = ("0.15", "12", "0.35")
# Pointer positions, as table rows to aim at: on the stopping-power graph, then the range graph.
GRAPH_AIMS = [("Mass stopping power graph", 14.3, -15.8, 30),
              ("Mass stopping power graph", 14.3, -15.8, 52),
              ("Csda range graph", 13.9, -14.0, 66)]
CURSOR_CYAN = (0, 255, 255)
RANGE_YELLOW = (255, 255, 0)


def write_data_folder(root):
    """The program's working folder: two material folders and a folder to save into."""
    for folder, files in (("p_QRV", ELEMENT_FILES), ("p_STC", COMPOUND_FILES)):
        os.makedirs(os.path.join(root, folder))
        for name, material in files.items():
            with open(os.path.join(root, folder, name), "w", encoding="utf-8", newline="") as f:
                f.write(x.file_text(material))
    os.makedirs(os.path.join(root, "e_STC"))
    with open(os.path.join(root, "e_STC", "Test water.stc"), "w", encoding="utf-8",
              newline="") as f:
        f.write(x.file_text(COMPOUND_ELECTRONS))
    exports = os.path.join(root, "exports")
    os.makedirs(exports)
    with open(os.path.join(exports, "previous.csv"), "wb") as f:
        f.write(b"an earlier table\r\n")
    return exports


def program_environment(root):
    home = os.path.join(root, "home")
    runtime = os.path.join(root, "runtime")
    os.makedirs(home)
    os.makedirs(runtime, mode=0o700)
    env = dict(os.environ)
    env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", HOME=home,
               XDG_DATA_HOME=os.path.join(home, ".local", "share"),
               XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_RUNTIME_DIR=runtime)
    return env


class Walk:
    def __init__(self, session, exports, query=None):
        self.s = session
        self.exports = exports
        self.query = query  # velmora-query, whose window-csv must equal a save of the window

    # -----------------------------------------------------------------------------------------
    # Reading the main window

    def main_boxes(self, *names):
        main = self.s.window(MAIN)
        return tuple(ui.text_of(self.s.box(main, name)) for name in names)

    def head_boxes(self):
        return self.main_boxes("Material name", "Density (g/cm3)", "Mean excitation energy")

    def query_boxes(self):
        return self.main_boxes("Energy (MeV)", "Collision stopping power",
                               "Radiative stopping power", "Total stopping power",
                               "csda range (g/cm2)")

    def row_boxes(self, material, row):
        energy, *values = material.row(row)
        return x.query_boxes(energy, values)

    def all_named(self, window):
        """Every control of the window has a name a screen reader can speak."""
        unnamed = ui.unnamed_controls(window)
        if unnamed:
            self.s.fail("controls without an accessible name in %r: %s" %
                        (window.name, "; ".join(unnamed)))

    # -----------------------------------------------------------------------------------------
    # The steps

    def title_window(self):
        with self.s.step("title window on screen"):
            title = self.s.window(TITLE)
            self.s.button(title, "Start: mass stopping powers and ranges")
            self.s.button(title, "End the program")
            self.s.control(title, "Stopping-Power for Positrons", pyatspi.ROLE_LABEL)
            self.all_named(title)

    def information_window(self, opener_window, opener, name):
        """Opens an information window with a button, checks its controls are named and closes
        it with its own button."""
        with self.s.step("open and close the window %r" % name):
            self.s.click(self.s.button(self.s.window(opener_window), opener))
            window = self.s.window(name)
            self.all_named(window)
            self.s.click(self.s.button(window, "Close"))
            self.s.window_hidden(name)

    def start(self):
        with self.s.step("start: the main window replaces the title window"):
            title = self.s.window(TITLE)
            self.s.click(self.s.button(title, "Start: mass stopping powers and ranges"))
            main = self.s.window(MAIN)
            self.s.window_hidden(TITLE)
            self.s.place_window(main, "^Mass Stopping Powers and", 10, 10)
            self.s.expect_equal("element files", sorted(ELEMENT_FILES),
                                lambda: ui.list_items(self.s.list(main, "Elements")))
            self.s.expect_equal("compound files", sorted(COMPOUND_FILES),
                                lambda: ui.list_items(self.s.list(main, "Compounds and Mixtures")))
            self.s.expect_equal("empty head boxes", ("", "", ""), self.head_boxes)
            if ui.enabled(self.s.box(main, "Energy (MeV)")):
                self.s.fail("the energy box is enabled before a table is loaded")
            if ui.enabled(self.s.button(main, "Make an equal-energy-interval data table")):
                self.s.fail("the table button is enabled before a table is loaded")

    def pick(self, list_name, file_name, material):
        with self.s.step("pick %r in %r" % (file_name, list_name)):
            main = self.s.window(MAIN)
            files = self.s.list(main, list_name)
            self.s.click(self.s.wait_for("entry %r" % file_name,
                                         lambda: ui.list_item(files, file_name)))
            self.s.expect_equal("head boxes", x.head_texts(material), self.head_boxes)

    def load(self, material):
        with self.s.step("OK: table list and graphs of %r" % material.name):
            main = self.s.window(MAIN)
            if ui.selected_rows(self.s.list(main, "Elements")):
                self.s.fail("the element list still shows a chosen file after the compound")
            self.s.click(self.s.button(main, "OK"))
            graph = self.s.window(x.graph_caption(material))
            self.s.place_window(graph, "Density = ", 760, 10)
            table = self.s.list(main, "Table of the material")
            self.s.expect_equal("table list length", x.ROWS, lambda: len(ui.list_items(table)))
            rows = ui.list_items(table)
            for number, index in ((1, 0), (x.ROWS, -1)):
                if rows[index] != x.table_list_entry(material, number):
                    self.s.fail("table row %d: expected %r, saw %r" %
                                (number, x.table_list_entry(material, number), rows[index]))
            self.s.wait_for("enabled energy box",
                            lambda: ui.enabled(self.s.box(main, "Energy (MeV)")))
            self.all_named(main)
            self.all_named(graph)

    def reclick_row(self, material, row):
        """A table row, a click into the energy box that empties the results, and the same row
        clicked again shows it again."""
        with self.s.step("click row %d, the energy box, and row %d again" % (row, row)):
            main = self.s.window(MAIN)
            table = self.s.list(main, "Table of the material")
            entry = ui.list_item(table, x.table_list_entry(material, row))
            self.s.click(entry)
            self.s.expect_equal("boxes of row %d" % row, self.row_boxes(material, row),
                                self.query_boxes)
            self.s.click(self.s.box(main, "Energy (MeV)"))
            self.s.expect_equal("emptied boxes", ("",) * 5, self.query_boxes)
            self.s.click(entry)
            self.s.expect_equal("boxes of row %d again" % row, self.row_boxes(material, row),
                                self.query_boxes)

    def type_energy(self, typed, energy, material):
        with self.s.step("type the energy %r" % typed):
            main = self.s.window(MAIN)
            self.s.type_into(self.s.box(main, "Energy (MeV)"), typed)
            self.s.key("Return")
            want = x.query_boxes(energy, x.query_values(material, energy))
            self.s.expect_equal("values at %r" % typed, want, self.query_boxes)
            return want

    def refuse_energy(self, typed, shown_before):
        with self.s.step("type the out-of-range energy %r" % typed):
            main = self.s.window(MAIN)
            # The focus is still in the energy box: typing over the last energy keeps the
            # results on screen until Enter (a click into the box would empty them).
            self.s.type_into(self.s.box(main, "Energy (MeV)"), typed, click=False)
            self.s.expect_equal("results kept while typing", shown_before[1:],
                                lambda: self.query_boxes()[1:])
            self.s.key("Return")
            box = self.s.dialog()
            self.s.control(box, "This energy is out of range.", pyatspi.ROLE_LABEL)
            self.s.click(self.s.button(box, "OK"))
            self.s.wait_for("message box closed",
                            lambda: all(not ui.showing(w) for w in self.s.windows()
                                        if w is not None and w.getRole() in
                                        (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)))
            self.s.expect_equal("boxes after the refusal", ("",) + shown_before[1:],
                                self.query_boxes)

    def graph_picture(self, name):
        graph = self.s.window(x.graph_caption(COMPOUND))
        return self.s.control(graph, name)

    def point_at_row(self, picture_name, scale_top, scale_height, aim):
        """Moves the pointer over a graph to the column of table row aim; returns the row the
        read-out must snap to there and the screen point."""
        left, top, width, height = ui.extents(self.graph_picture(picture_name))
        column = x.pixel_for_user_x(x.cursor_x(COMPOUND.energy[aim - 1]), width)
        line = x.pixel_for_user_y(6.9, scale_top, scale_height, height)
        row = x.nearest_row(COMPOUND, x.user_x_at_pixel(column, width))
        self.s.move_to(left + column, top + line)
        return row, (left + column, top + line)

    def graph_pointer(self):
        main = self.s.window(MAIN)
        table = self.s.list(main, "Table of the material")
        for picture_name, scale_top, scale_height, aim in GRAPH_AIMS:
            with self.s.step("pointer over %r at row %d" % (picture_name, aim)):
                row, point = self.point_at_row(picture_name, scale_top, scale_height, aim)
                self.s.expect_equal("boxes of row %d" % row, self.row_boxes(COMPOUND, row),
                                    self.query_boxes)
                self.s.expect_equal("selected table row", [row - 1],
                                    lambda: ui.selected_rows(table))
                self.s.wait_for("cyan energy line under the pointer",
                                lambda: cyan_near(point))
        with self.s.step("pointer in the margin of the stopping-power graph"):
            shown = self.query_boxes()
            left, top, width, height = ui.extents(self.graph_picture(GRAPH_AIMS[0][0]))
            self.s.move_to(left + 6, top + height // 2)
            self.s.wait_for("cursor lines hidden", lambda: not cyan_near(point))
            self.s.expect_equal("boxes kept", shown, self.query_boxes)

    def compare_with_electrons(self):
        """Right-click on the range graph, choose the comparison, and the dashed electron range
        curve shows on screen where the electron table puts it."""
        with self.s.step("right-click the range graph and compare with electrons"):
            left, top, width, height = ui.extents(self.graph_picture("Csda range graph"))
            row = 30
            curve = (left + x.pixel_for_user_x(x.curve_x(COMPOUND_ELECTRONS.energy[row - 1]),
                                               width),
                     top + x.pixel_for_user_y(x.range_y(COMPOUND_ELECTRONS.range[row - 1]), 13.9,
                                              -14.0, height))
            if colour_near(curve, RANGE_YELLOW, reach_x=8, reach_y=2):
                self.s.fail("yellow at the electron range before the comparison")
            # Low energies, far from that point, so that the cursor lines stay clear of it.
            self.s.move_to(left + width // 6, top + height // 3)
            self.s.xdotool("click", 3)
            # The comparison is the menu's first entry; a menu is chosen from with the keys.
            self.s.key("Down", "Return")
            self.s.wait_for("dashed electron range curve on screen",
                            lambda: colour_near(curve, RANGE_YELLOW, reach_x=8, reach_y=2))

    def table_window(self):
        with self.s.step("open the table window"):
            main = self.s.window(MAIN)
            self.s.click(self.s.button(main, "Make an equal-energy-interval data table"))
            table = self.s.window(TABLE)
            self.s.place_window(table, "^Data Table", 760, 10)
            presets = ("0.1", "10", "0.1", "")
            self.s.expect_equal("preset boxes", presets, self.table_boxes)
            self.s.wait_for("focus in the file-name box", lambda: ui.focused(
                self.s.box(table, "File name without extension")))
            self.all_named(table)

    def table_boxes(self):
        table = self.s.window(TABLE)
        return tuple(ui.text_of(self.s.box(table, name)) for name in (
            "Start energy (MeV)", "End energy (MeV)", "Energy interval (MeV)",
            "File name without extension"))

    def calculate(self):
        with self.s.step("calculate the equal-interval table"):
            table = self.s.window(TABLE)
            for name, text in zip(("Start energy (MeV)", "End energy (MeV)",
                                   "Energy interval (MeV)"), INTERVAL_INPUTS):
                self.s.type_into(self.s.box(table, name), text)
            self.s.click(self.s.button(table, "Calculation: compute and list the table"))
            want = [x.interval_list_line(row)
                    for row in x.interval_rows(COMPOUND, *INTERVAL_INPUTS)]
            self.s.expect_equal("listed rows", want, lambda: ui.list_items(
                self.s.list(table, "Table: kinetic energy (MeV), collision and radiative "
                            "stopping power (MeV cm2/g)")))

    def choose_folder_and_save(self, name, confirmation):
        with self.s.step("choose the folder 'exports'"):
            table = self.s.window(TABLE)
            folders = self.s.list(table, "Folder")
            entry = self.s.wait_for("folder entry 'exports'", lambda: next(
                (item for item in ui.children(folders)
                 if item is not None and item.name.strip() == "exports"), None))
            self.s.click(entry, repeat=2)
            files = self.s.list(table, "Csv files in the folder")
            listed = sorted(f for f in os.listdir(self.exports) if f.endswith(".csv"))
            self.s.expect_equal("csv files of the folder", listed, lambda: ui.list_items(files))
            self.s.click(ui.list_item(files, "previous.csv"))
            name_box = self.s.box(table, "File name without extension")
            self.s.expect_equal("name taken from the chosen file", "previous",
                                lambda: ui.text_of(name_box))
            self.s.type_into(name_box, name)
        with self.s.step("save the table as %s.csv" % name):
            table = self.s.window(TABLE)
            self.s.click(self.s.button(table, "Save"))
            box = self.s.dialog()
            self.s.control(box, confirmation, pyatspi.ROLE_LABEL)
            self.s.click(self.s.button(box, "OK"))
            self.s.window_hidden(TABLE)
            want = x.interval_csv_bytes(x.interval_rows(COMPOUND, *INTERVAL_INPUTS))
            with open(os.path.join(self.exports, name + ".csv"), "rb") as f:
                written = f.read()
            if written != want:
                self.s.fail("%s.csv differs from the expected table:\n%s" %
                            (name, first_difference(want, written)))
            with open(os.path.join(self.exports, "previous.csv"), "rb") as f:
                if f.read() != b"an earlier table\r\n":
                    self.s.fail("previous.csv was changed")
            if self.query:
                start, end, step = INTERVAL_INPUTS
                result = subprocess.run(
                    [self.query, "interval", COMPOUND.name, "--from", start, "--to", end,
                     "--step", step, "--format", "window-csv"],
                    cwd=os.path.dirname(self.exports), capture_output=True, timeout=30)
                if result.returncode != 0 or result.stdout != written:
                    self.s.fail("velmora-query interval --format window-csv differs from %s.csv "
                                "(exit %d, %s):\n%s" % (name, result.returncode,
                                                         result.stderr.decode().strip(),
                                                         first_difference(written, result.stdout)))

    def back_and_exit(self):
        with self.s.step("back to the title window"):
            main = self.s.window(MAIN)
            self.s.click(self.s.button(main, "Back to the title window"))
            title = self.s.window(TITLE)
            self.s.window_hidden(MAIN)
            self.s.window_hidden(x.graph_caption(COMPOUND))
        with self.s.step("exit: the process ends by itself"):
            self.s.click(self.s.button(title, "End the program"))
            code = self.s.wait_for_exit()
            if code != 0:
                self.s.fail("the program ended with exit code %d" % code)

    def run(self):
        self.title_window()
        self.information_window(TITLE, "Data sources and references", REFERENCES)
        self.start()
        self.information_window(MAIN, "Explanation of terms", TERMS)
        self.pick("Elements", "001 Testium.qrv", ELEMENT)
        self.pick("Compounds and Mixtures", "Test water.stc", COMPOUND)
        self.load(COMPOUND)
        self.reclick_row(COMPOUND, 3)
        shown = None
        for typed, energy in ACCEPTED_ENERGIES:
            shown = self.type_energy(typed, energy, COMPOUND)
        self.refuse_energy(REFUSED_ENERGY, shown)
        self.graph_pointer()
        self.compare_with_electrons()
        self.table_window()
        self.calculate()
        self.choose_folder_and_save("walk", "ファイルを保存しました")
        self.back_and_exit()

    def run_table_in_english(self):
        """The shortest way to the equal-interval table, calculated and saved in English."""
        self.start()
        self.pick("Compounds and Mixtures", "Test water.stc", COMPOUND)
        self.load(COMPOUND)
        self.table_window()
        self.calculate()
        self.choose_folder_and_save("walk-en", "The file has been saved.")
        self.back_and_exit()


def cyan_near(point, reach=2):
    """Whether the screen shows the cursor lines' cyan within reach pixels left or right."""
    px, py = point
    result = subprocess.run(["import", "-window", "root", "-crop",
                             "%dx1+%d+%d" % (2 * reach + 1, px - reach, py), "-depth", "8",
                             "txt:-"], capture_output=True, text=True, timeout=30)
    return any("(%d,%d,%d)" % CURSOR_CYAN in line.replace(" ", "")
               for line in result.stdout.splitlines()[1:])


def colour_near(point, colour, reach_x, reach_y):
    """Whether the screen shows the colour within reach pixels around the point."""
    px, py = point
    result = subprocess.run(["import", "-window", "root", "-crop",
                             "%dx%d+%d+%d" % (2 * reach_x + 1, 2 * reach_y + 1, px - reach_x,
                                              py - reach_y), "-depth", "8", "txt:-"],
                            capture_output=True, text=True, timeout=30)
    return any("(%d,%d,%d)" % colour in line.replace(" ", "")
               for line in result.stdout.splitlines()[1:])


def first_difference(want, got):
    want_lines = want.split(b"\n")
    got_lines = got.split(b"\n")
    for number, (a, b) in enumerate(zip(want_lines, got_lines), 1):
        if a != b:
            return "line %d: expected %r, got %r" % (number, a, b)
    return "expected %d lines, got %d" % (len(want_lines), len(got_lines))


def main(argv):
    if len(argv) not in (3, 4):
        print(__doc__, file=sys.stderr)
        return 2
    program, artifacts = os.path.abspath(argv[1]), os.path.abspath(argv[2])
    query = os.path.abspath(argv[3]) if len(argv) == 4 else None
    os.makedirs(artifacts, exist_ok=True)
    root = tempfile.mkdtemp(prefix="velmora-walk-", dir="/tmp")
    try:
        exports = write_data_folder(root)
        env = program_environment(root)
        for arguments, log_name, walk in (
                ([], "e2e_walk_program.log", Walk.run),
                (["--language", "en"], "e2e_walk_english.log", Walk.run_table_in_english)):
            session = ui.Session(artifacts)
            try:
                with session.step("start the program %s" % " ".join(arguments)):
                    session.start([program] + arguments, root, env, log_name)
                walk(Walk(session, exports, query))
            except ui.StepFailure as failure:
                session.report_failure(failure, "e2e_walk_failure.png")
                return 1
            finally:
                session.stop()
    finally:
        shutil.rmtree(root, ignore_errors=True)
    print("e2e walk passed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
