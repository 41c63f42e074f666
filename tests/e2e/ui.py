"""Driving the real program from outside: the accessibility tree (AT-SPI) finds controls and reads
them, xdotool moves the pointer, clicks and types through the X server as a person would.

Every wait polls with a deadline; a step that fails raises StepFailure naming the step and what it
waited for, and the caller saves a screenshot of the whole screen. With VELMORA_E2E_SCREENSHOTS set,
a screenshot follows every step.
"""

import contextlib
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

DEFAULT_TIMEOUT = 15.0
POLL_SECONDS = 0.1


class StepFailure(Exception):
    pass


class Session:
    """The program under test and the artifacts folder for screenshots."""

    def __init__(self, artifacts):
        self.artifacts = artifacts
        self.process = None
        self.log_path = None
        self.app = None
        self.controls = {}
        self.steps_done = 0
        self.current_step = "start"

    # -----------------------------------------------------------------------------------------
    # Steps and waits

    @contextlib.contextmanager
    def step(self, description):
        self.current_step = description
        started = time.monotonic()
        print("step: %s" % description, flush=True)
        try:
            yield
        except StepFailure:
            raise
        except Exception as error:  # anything unexpected still names the step
            raise StepFailure("%s: %s: %s" % (description, type(error).__name__, error)) from error
        print("  done in %.1f s" % (time.monotonic() - started), flush=True)
        if os.environ.get("VELMORA_E2E_SCREENSHOTS"):
            self.steps_done += 1
            self.screenshot("step-%02d.png" % self.steps_done)

    def fail(self, message):
        raise StepFailure("%s: %s" % (self.current_step, message))

    def wait_for(self, what, probe, timeout=DEFAULT_TIMEOUT):
        """Polls probe() until it returns something true; returns that or fails naming what."""
        started = time.monotonic()
        deadline = started + timeout
        last_error = None
        while True:
            try:
                result = probe()
                if result:
                    waited = time.monotonic() - started
                    if waited > 2:
                        print("  (waited %.1f s for %s)" % (waited, what), flush=True)
                    return result
            except (GLib.GError, RuntimeError, LookupError) as error:
                last_error = error
            if self.process is not None and self.process.poll() is not None:
                self.fail("the program ended (exit code %s) while waiting for %s" %
                          (self.process.returncode, what))
            if time.monotonic() > deadline:
                detail = " (last error: %s)" % last_error if last_error else ""
                self.fail("no %s within %.0f s%s" % (what, timeout, detail))
            time.sleep(POLL_SECONDS)

    def expect_equal(self, what, expected, probe, timeout=DEFAULT_TIMEOUT):
        """Waits until probe() equals expected; the failure shows the last value seen."""
        seen = []

        def matches():
            seen[:] = [probe()]
            return seen[0] == expected

        try:
            self.wait_for(what, matches, timeout)
        except StepFailure:
            self.fail("%s: expected %r, saw %r" % (what, expected, seen[0] if seen else None))

    def report_failure(self, failure, screenshot_name):
        """Prints the failed step, saves a screenshot and shows the program's last output."""
        shot = self.screenshot(screenshot_name)
        print("FAILED at step: %s\nscreenshot: %s" % (failure, shot), file=sys.stderr)
        if self.log_path and os.path.exists(self.log_path):
            with open(self.log_path, errors="replace") as log_file:
                tail = log_file.readlines()[-30:]
            if tail:
                print("program output (%s):\n%s" % (self.log_path, "".join(tail)),
                      file=sys.stderr)

    def screenshot(self, name):
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-window", "root", path], check=False, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    # -----------------------------------------------------------------------------------------
    # The program

    def start(self, argv, cwd, env, log_name):
        """Starts the program; its output goes to log_name in the artifacts folder."""
        self.log_path = os.path.join(self.artifacts, log_name)
        with open(self.log_path, "wb") as log_file:
            self.process = subprocess.Popen(argv, cwd=cwd, env=env, stdout=log_file,
                                            stderr=subprocess.STDOUT)
        self.app = self.wait_for("accessible application of process %d" % self.process.pid,
                                 self._find_app)
        # Names, texts and children change under the walk: read them live, never from a cache.
        self.app.set_cache_mask(Atspi.Cache.NONE)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def wait_for_exit(self, timeout=DEFAULT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            self.fail("the program did not end by itself within %.0f s" % timeout)

    def stop(self):
        """Ends the program if it is still running (after a failure)."""
        if self.process is not None and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(5)

    # -----------------------------------------------------------------------------------------
    # Finding and reading

    def windows(self):
        return [self.app.getChildAtIndex(i) for i in range(self.app.childCount)]

    def window(self, name, timeout=DEFAULT_TIMEOUT):
        """The top-level window with this accessible name, once it is on screen."""
        return self.wait_for("window %r on screen" % name,
                             lambda: next((w for w in self.windows()
                                           if w is not None and w.name == name and showing(w)),
                                          None), timeout)

    def window_hidden(self, name, timeout=DEFAULT_TIMEOUT):
        self.wait_for("window %r hidden" % name,
                      lambda: all(not (w.name == name and showing(w))
                                  for w in self.windows() if w is not None), timeout)

    def dialog(self, timeout=DEFAULT_TIMEOUT):
        """The message box on screen: a top-level dialog or alert."""
        roles = (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)
        return self.wait_for("message box on screen",
                             lambda: next((w for w in self.windows()
                                           if w is not None and w.getRole() in roles and
                                           showing(w)), None), timeout)

    def control(self, window, name, role=None, timeout=DEFAULT_TIMEOUT):
        """The descendant of window with this accessible name (and role). Controls live as long
        as their window, so each is looked up once."""
        key = (window.name, name, role)
        known = self.controls.get(key)
        if known is not None and known.name == name:
            return known
        found = self.wait_for("control %r in window %r" % (name, window.name),
                              lambda: find(window, name, role), timeout)
        self.controls[key] = found
        return found

    def box(self, window, name):
        return self.control(window, name, TEXT_ROLES)

    def button(self, window, name):
        return self.control(window, name, pyatspi.ROLE_PUSH_BUTTON)

    def list(self, window, name):
        return self.control(window, name, pyatspi.ROLE_LIST)

    # -----------------------------------------------------------------------------------------
    # Input through the X server

    def xdotool(self, *args):
        result = subprocess.run(["xdotool"] + [str(a) for a in args], capture_output=True,
                                text=True, timeout=30)
        if result.returncode != 0:
            self.fail("xdotool %s failed: %s" % (" ".join(map(str, args)), result.stderr.strip()))
        return result.stdout

    def place_window(self, window, title_pattern, x, y):
        """Moves a top-level window to (x, y) on screen, as a person drags a window aside so
        that it does not cover another; waits until the program sees the new place."""
        result = subprocess.run(["xdotool", "search", "--all", "--pid", str(self.process.pid),
                                 "--name", title_pattern], capture_output=True, text=True,
                                timeout=30)
        ids = result.stdout.split()
        if not ids:
            self.fail("no X window of the program titled like %r" % title_pattern)
        for window_id in ids:
            self.xdotool("windowmove", "--sync", window_id, x, y)
        self.wait_for("window %r at %d, %d" % (window.name, x, y),
                      lambda: extents(window)[:2] == (x, y))

    def move_to(self, x, y):
        # "mousemove --sync" waits for a movement, which never comes when the pointer is there.
        if self.xdotool("getmouselocation").split()[:2] != ["x:%d" % x, "y:%d" % y]:
            self.xdotool("mousemove", "--sync", x, y)

    def click(self, accessible, repeat=1):
        """Clicks the middle of the part of a control that is on screen: a list row wider than
        its list is clicked inside the list."""
        x, y, width, height = extents(accessible)
        parent = accessible.parent
        if parent is not None and parent.getRole() == pyatspi.ROLE_LIST:
            px, py, pwidth, pheight = extents(parent)
            right, bottom = min(x + width, px + pwidth), min(y + height, py + pheight)
            x, y = max(x, px), max(y, py)
            width, height = right - x, bottom - y
        if width <= 0 or height <= 0:
            self.fail("%r has no visible area on screen" % accessible.name)
        self.move_to(x + width // 2, y + height // 2)
        self.xdotool("click", "--repeat", repeat, "--delay", 120, 1)

    def type_into(self, box, text, click=True):
        """Clicks into a text box (or, with click False, uses the focus it has), selects what is
        there and types text over it."""
        if click:
            self.click(box)
        self.wait_for("keyboard focus in %r" % box.name, lambda: focused(box))
        self.xdotool("key", "--clearmodifiers", "ctrl+a")
        if text:
            self.xdotool("type", "--delay", 30, text)
        else:
            self.xdotool("key", "BackSpace")
        self.expect_equal("text typed into %r" % box.name, text, lambda: text_of(box))

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)


# ---------------------------------------------------------------------------------------------
# Reading accessibles


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def focused(accessible):
    return accessible.getState().contains(pyatspi.STATE_FOCUSED)


def enabled(accessible):
    return accessible.getState().contains(pyatspi.STATE_ENABLED)


def selected(accessible):
    return accessible.getState().contains(pyatspi.STATE_SELECTED)


def extents(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def children(accessible):
    return [accessible.getChildAtIndex(i) for i in range(accessible.childCount)]


TEXT_ROLES = (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)


def find(root, name, role=None):
    """Breadth-first search for a control by accessible name and role (one or a tuple). The rows
    of lists are not searched: list_item finds those."""
    roles = role if isinstance(role, tuple) else (role,)
    queue = [root]
    while queue:
        node = queue.pop(0)
        if node is None:
            continue
        node_role = node.getRole()
        if node is not root and node.name == name and (role is None or node_role in roles):
            return node
        if node_role not in (pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX):
            queue.extend(children(node))
    return None


CONTROL_ROLES = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
                 pyatspi.ROLE_LIST, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_CHECK_BOX,
                 pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_IMAGE)


def unnamed_controls(window):
    """Controls on screen that a screen reader could not name: a role and a position each.
    Scroll bars, list rows and the pop-up list inside a combo box are the toolkit's own parts,
    named by their contents or their owner, and are not counted."""
    unnamed = []
    queue = [window]
    skipped = (pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_COMBO_BOX)
    while queue:
        node = queue.pop(0)
        if node is None or not showing(node):
            continue
        if node.getRole() in skipped:
            if node.getRole() == pyatspi.ROLE_COMBO_BOX and not node.name.strip():
                unnamed.append("%s at %s" % (node.getRoleName(), extents(node)[:2]))
            continue
        if node.getRole() in CONTROL_ROLES and not node.name.strip():
            unnamed.append("%s at %s" % (node.getRoleName(), extents(node)[:2]))
        queue.extend(children(node))
    return unnamed


def list_items(list_accessible):
    """The names of a list's rows, top to bottom."""
    return [item.name for item in children(list_accessible)
            if item is not None and item.getRole() == pyatspi.ROLE_LIST_ITEM]


def list_item(list_accessible, name):
    for item in children(list_accessible):
        if item is not None and item.getRole() == pyatspi.ROLE_LIST_ITEM and item.name == name:
            return item
    return None


def selected_rows(list_accessible):
    return [index for index, item in enumerate(children(list_accessible))
            if item is not None and selected(item)]

