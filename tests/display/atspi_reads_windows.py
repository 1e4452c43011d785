#!/usr/bin/python3
"""The desktop program as a screen reader sees it, through AT-SPI under Xvfb.

Starts its own session bus (dbus-run-session), accessibility bus (at-spi-bus-launcher) and X
server, then the program with its accessibility on. Reads the main menu's chapters with their
captions, presses the soil chapter and the introduction's Continue as a reader does, and reads
the soil window's fields with their labels and values.

    atspi_reads_windows.py PROGRAM

Exit status 0 when everything is read as expected, 1 with the reason otherwise, 77 (printing
"SKIP: ...") when a tool it needs is not installed (scripts/setup.sh installs them).
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# Every wait is bounded: the whole check takes a few seconds when all is well.
WAIT_SECONDS = 30
OUTER_TIMEOUT_SECONDS = 150

MENU_CAPTION = "Laboratory Exercises for Sylvandra"
SOIL_CHAPTER = "Chapter 5 - Residence Time and Turnover Rate"
INTRO_CAPTION = "Introduction"
SOIL_CAPTION = "SOM Balance Model"
# The soil window's fields as it opens: label and value.
SOIL_FIELDS = {"Soil Organic Matter": "100", "Inputs": "50", "Turnover Rate": "0"}
CHAPTER_COUNT_AT_LEAST = 10


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def missing_tool():
    for tool in ("Xvfb", "dbus-run-session"):
        if not shutil.which(tool):
            return tool + " is not installed"
    if not os.access(BUS_LAUNCHER, os.X_OK):
        return "at-spi-bus-launcher (at-spi2-core) is not installed"
    probe = subprocess.run([sys.executable, "-c", "import pyatspi"], capture_output=True)
    if probe.returncode != 0:
        return "pyatspi (python3-pyatspi) is not installed"
    return None


def outer(program):
    problem = missing_tool()
    if problem:
        print("SKIP: " + problem, flush=True)
        return SKIP
    # The inner run gets a session bus of its own, gone when it ends.
    command = ["dbus-run-session", "--", sys.executable, os.path.abspath(__file__), "--inner",
               program]
    inner = subprocess.Popen(command, start_new_session=True)
    try:
        return inner.wait(timeout=OUTER_TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        os.killpg(inner.pid, signal.SIGKILL)
        inner.wait()
        print("FAIL: the check did not end within %d s" % OUTER_TIMEOUT_SECONDS, flush=True)
        return 1


def wait_for(what, probe):
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    fail("%s within %d s" % (what, WAIT_SECONDS))


def start_xvfb(processes):
    # Away from the low numbers the other display tests take; a number in use makes the server
    # end: try the next.
    first = 200 + os.getpid() % 500
    for number in range(first, first + 5):
        display = try_xvfb(processes, number)
        time.sleep(0.5)
        if display and processes[-1].poll() is None and os.path.exists(
                "/tmp/.X11-unix/X" + display[1:]):
            return display
    fail("Xvfb did not stay up on a display of its own")


# -noreset: the bus launcher's brief connection must not make the server reset just as the
# program connects.
def try_xvfb(processes, number):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", ":%d" % number, "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    processes.append(server)
    os.close(write_end)
    announced = b""
    while not announced.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        announced += chunk
    os.close(read_end)
    if not announced.strip():
        return None
    return ":" + announced.decode().strip()


def inner(program):
    processes = []
    settings = tempfile.mkdtemp(prefix="sylvandra-atspi-")
    try:
        display = start_xvfb(processes)
        environment = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=settings)
        # The accessibility bus of this session, its address published on the session bus.
        processes.append(subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                          env=environment, stderr=subprocess.DEVNULL))
        os.environ["DISPLAY"] = display
        import pyatspi  # after DISPLAY and the session bus are set: it finds the bus through them

        environment.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           QT_ACCESSIBILITY="1")
        processes.append(subprocess.Popen([program], env=environment))
        check(pyatspi, processes[-1])
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(settings, ignore_errors=True)
    print("PASS: AT-SPI reads the menu's chapters and the soil window's fields", flush=True)
    return 0


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:  # an object gone while it was read: read again at the next try
        return []


def walk(node):
    for child in children(node):
        if child is None:
            continue
        yield child
        yield from walk(child)


def showing(pyatspi, node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def application(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app is not None and app.name == MENU_CAPTION:
            return app
    return None


def shown_window(pyatspi, app, caption):
    for window in children(app):
        if window is not None and window.name == caption and showing(pyatspi, window):
            return window
    return None


def check(pyatspi, program):
    def running_application():
        if program.poll() is not None:
            fail("the program ended (status %s) before it was read" % program.returncode)
        return application(pyatspi)

    app = wait_for("no application named \"%s\" on the accessibility bus" % MENU_CAPTION,
                   running_application)
    menu = wait_for("no shown window \"%s\"" % MENU_CAPTION,
                    lambda: shown_window(pyatspi, app, MENU_CAPTION))
    def menu_chapters():
        found = [n for n in walk(menu)
                 if n.getRole() == pyatspi.ROLE_LIST_ITEM and showing(pyatspi, n)]
        return found if len(found) >= CHAPTER_COUNT_AT_LEAST else None

    chapters = wait_for("fewer than %d chapter entries in the menu" % CHAPTER_COUNT_AT_LEAST,
                        menu_chapters)
    names = [chapter.name for chapter in chapters]
    print("menu chapters: %s" % names, flush=True)
    if any(not name for name in names):
        fail("a chapter entry has no name: %s" % names)
    soil = [chapter for chapter in chapters if chapter.name == SOIL_CHAPTER]
    if len(soil) != 1:
        fail("no chapter entry \"%s\" among %s" % (SOIL_CHAPTER, names))

    press(pyatspi, soil[0], SOIL_CHAPTER)
    intro = wait_for("no introduction shown after pressing the chapter",
                     lambda: shown_window(pyatspi, app, INTRO_CAPTION))
    buttons = wait_for("no Continue button on the introduction", lambda: [
        n for n in walk(intro) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Continue"
        and showing(pyatspi, n)])
    press(pyatspi, buttons[0], "Continue")
    window = wait_for("no soil window \"%s\" shown after Continue" % SOIL_CAPTION,
                      lambda: shown_window(pyatspi, app, SOIL_CAPTION))

    def fields():
        read = {}
        for node in walk(window):
            if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and showing(pyatspi, node):
                text = node.queryText()
                read[node.name] = text.getText(0, text.characterCount)
        return read if all(label in read for label in SOIL_FIELDS) else None

    read = wait_for("the soil window's fields are not all read by their labels", fields)
    print("soil window fields: %s" % read, flush=True)
    for label, value in SOIL_FIELDS.items():
        if read[label] != value:
            fail("the field \"%s\" reads \"%s\", not \"%s\"" % (label, read[label], value))


def press(pyatspi, node, what):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == "press":
            actions.doAction(i)
            return
    fail("\"%s\" has no press action" % what)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--inner":
        sys.exit(inner(sys.argv[2]))
    if len(sys.argv) != 2:
        print(__doc__)
        sys.exit(2)
    sys.exit(outer(sys.argv[1]))
