"""What the accessibility-tree tests share: waiting on a condition, and the program's windows
and controls as AT-SPI shows them. Importing it exits 77 (skipped) where pyatspi is missing."""
import os
import subprocess
import sys
import tempfile
import time

SKIP = 77

try:
    import pyatspi
except ImportError:
    print("pyatspi is not installed")
    sys.exit(SKIP)


def wait_for(condition, seconds=60):
    """The condition's first true value within `seconds`, else None."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return None


def application(name="quillory"):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == name:
            return app
    return None


def window(app, title):
    if app is None:
        return None
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == title:
            return child
    return None


def nodes(node):
    """Every node under `node` as (role, name, state set, node), depth first."""
    found = []
    stack = [node]
    while stack:
        current = stack.pop()
        try:
            role, name, state = current.getRoleName(), current.name, current.getState()
            children = [current.getChildAtIndex(i) for i in range(current.childCount)]
        except Exception:
            continue
        found.append((role, name, state, current))
        stack.extend(c for c in children if c is not None)
    return found


def showing(state):
    return state.contains(pyatspi.STATE_SHOWING)


def focused(state):
    return state.contains(pyatspi.STATE_FOCUSED)


def no_desktop_session():
    """Why the program cannot be started where a screen reader would see it, or None."""
    if not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        return "no X display or D-Bus session"
    return None


def program_environment(data_folder):
    """The program's environment: accessible, on the X display, with an empty data folder."""
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_DATA_HOME=data_folder,
               QTWEBENGINE_DISABLE_SANDBOX="1")
    env.pop("QT_QPA_PLATFORM", None)
    return env


def start_program(path, data_folder, tries=3):
    """Starts the program on `data_folder` and waits until it is on the accessibility bus.
    A start that ends before it gets there (an X server busy with other tests may turn a
    connection away) is made again. Returns (process, application, its stderr file), or
    (None, None, what the last start said)."""
    said = ""
    for _ in range(tries):
        errors = tempfile.TemporaryFile()
        process = subprocess.Popen([path], env=program_environment(data_folder),
                                   stdout=subprocess.DEVNULL, stderr=errors)
        app = wait_for(lambda: application() or process.poll() is not None)
        errors.seek(0)
        said = errors.read().decode(errors="replace")[-3000:]
        if app not in (None, True):
            return process, app, errors
        stop(process)
        if app is None:
            break  # still running, yet never on the bus: another start would fare no better
    return None, None, said


def stop(process):
    if process is None:
        return
    process.terminate()
    try:
        process.wait(timeout=20)
    except subprocess.TimeoutExpired:
        process.kill()
