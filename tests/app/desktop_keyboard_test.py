#!/usr/bin/python3
"""A whole paper taken with key presses alone, on a desktop with a window manager.

usage: desktop_keyboard_test.py PROGRAM PAPER_SOURCE   (under an X display and a D-Bus session)

Starts a window manager (openbox) and the program on an empty data folder, then presses keys
with xdotool as a pupil would: Mathematics, the Decimals topic, paper 1, every blank of its first
page, Next and Back, Save and its "Paper saved", Mark and its question, the ticks, Close and its
question, the retry, and the Help tab's Trash and its No. Where the keyboard is, and what a pupil
would read, comes from the accessibility tree; what was kept comes from the data folder's files.
PAPER_SOURCE is the paper's source file, whose first page's keys are typed. Exits 77 (skipped)
where the tools or the accessibility bus cannot be had.
"""
import os
import shutil
import subprocess
import sys
import tempfile

from atspi_support import (SKIP, application, focused, no_desktop_session, nodes, showing,
                           start_program, stop, wait_for, window)

PAPER = "116"  # Mathematics paper 16: the Decimals topic's first paper
PAPER_INDEX = 16

# The keysym of each character a key may hold.
KEYSYMS = {".": "period", ",": "comma", "/": "slash", " ": "space", "-": "minus"}


class Failure(Exception):
    pass


def first_page_keys(source):
    keys, pages = [], 0
    with open(source, encoding="utf-8") as paper:
        for line in paper:
            if line.startswith("@page "):
                pages += 1
                if pages > 1:
                    break
            elif line.startswith("@blank ") and pages == 1:
                keys.append(line.rstrip("\n").split(" ", 3)[3])
    return keys


class Desktop:
    """The program's windows as a pupil at the keyboard meets them."""

    def front_title(self):
        found = subprocess.run(["xdotool", "getwindowfocus", "getwindowname"],
                               capture_output=True, text=True)
        return found.stdout.strip() if found.returncode == 0 else ""

    def focused(self):
        """The name of the control that has the keyboard, in the window the desktop gave it to."""
        front = window(application(), self.front_title())
        if front is None:
            return None
        for role, name, state, _ in nodes(front):
            if focused(state) and role != "document web":
                return name
        return None

    def press(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "20", *keys], check=True)

    def type_keys(self, text):
        self.press(*(KEYSYMS.get(c, c) for c in text))

    def expect_front(self, title):
        if wait_for(lambda: self.front_title() == title, 30) is None:
            raise Failure(f"the keyboard is in \"{self.front_title()}\", not in \"{title}\"")

    def expect_focus(self, name):
        if wait_for(lambda: self.focused() == name, 15) is None:
            raise Failure(f"the keyboard is on \"{self.focused()}\", not on \"{name}\"")

    def tab_to(self, name, key="Tab"):
        seen = []
        current = self.focused()
        for _ in range(80):
            if current == name:
                return
            seen.append(current)
            if seen.count(current) > 2:
                break  # round every control twice
            self.press(key)
            # The next control once the keyboard has moved on, however slowly the tree follows.
            before = current
            moved = wait_for(lambda: [f] if (f := self.focused()) != before else None, 10)
            current = moved[0] if moved else self.focused()
        raise Failure(f"Tab never reached \"{name}\", only {sorted(set(map(str, seen)))}")

    def shown_names(self, title):
        shown = window(application(), title)
        return [name for role, name, state, _ in nodes(shown)
                if showing(state)] if shown is not None else []


def record(folder, file, key):
    try:
        with open(os.path.join(folder, "quillory", file), "rb") as f:
            data = f.read()
    except OSError:
        return None
    for line in data.split(b"\r\n"):
        if line.startswith(b"#" + key.encode() + b"#>"):
            return line[len(key) + 3:].split(b">")
    return None


def walk(desk, data, keys):
    home = "Quillory Practice Papers"
    desk.expect_front(home)
    # Mathematics, then down its topics to Decimals, the fourth.
    desk.press("ctrl+Tab")
    desk.expect_focus("Whole Numbers")
    desk.press("Down", "Down", "Down")
    desk.expect_focus("Decimals")
    desk.tab_to("Load paper 1")
    desk.press("Return")
    paper = "Decimals - Paper 1"
    desk.expect_front(paper)
    desk.expect_focus("Answer (a)")

    # Every blank of the first page, Enter after each: the last Enter turns the page.
    for key in keys:
        desk.type_keys(key)
        desk.press("Return")
    if wait_for(lambda: "Question 2" in desk.shown_names(paper), 15) is None:
        raise Failure("the last Enter of the first page did not turn to question 2")
    desk.press("Prior")
    if wait_for(lambda: "Question 1" in desk.shown_names(paper), 15) is None:
        raise Failure("Page Up did not go back to question 1")
    desk.press("alt+Right")
    if wait_for(lambda: "Question 2" in desk.shown_names(paper), 15) is None:
        raise Failure("Alt+Right did not go on to question 2")

    desk.press("ctrl+s")
    desk.expect_front("Quillory")
    if "Paper saved" not in " ".join(desk.shown_names("Quillory")):
        raise Failure("Ctrl+S did not say \"Paper saved\"")
    desk.press("Return")
    desk.expect_front(paper)
    stored = record(data, "first2QP.txt", PAPER)
    if stored is None or [v.decode("cp1252") for v in stored[:len(keys)]] != keys:
        raise Failure(f"the typed answers were not saved: {stored}")

    desk.press("ctrl+m")
    desk.expect_front("Marking")
    desk.press("Return")
    desk.expect_front(paper)
    if wait_for(lambda: (record(data, "marks2QP.txt", "FST") or [b""] * PAPER_INDEX)
                [PAPER_INDEX - 1] == b"1", 30) is None:
        raise Failure("marking was not recorded as the first attempt")
    desk.press("Prior")
    if wait_for(lambda: desk.shown_names(paper).count("right") == len(keys), 15) is None:
        raise Failure(f"question 1 does not read {len(keys)} ticks: {desk.shown_names(paper)}")
    results = record(data, "fresults2QP.txt", PAPER)
    if results is None or results[:len(keys)] != [b"\xfc"] * len(keys):
        raise Failure(f"the ticks were not kept: {results}")

    desk.press("Escape")
    desk.expect_front("Close Practice")
    desk.press("Return")
    desk.expect_front(home)

    desk.tab_to("Try paper 1 again")
    desk.press("space")
    desk.expect_front(paper)
    if "Second Attempt" not in desk.shown_names(paper):
        raise Failure("the retry did not open as the second attempt")
    desk.press("Escape")
    desk.expect_front("Close Practice")
    desk.press("Return")
    desk.expect_front(home)

    # Help, its Trash, and No: nothing is erased.
    desk.press("ctrl+Tab", "ctrl+Tab")
    desk.tab_to("Trash past results")
    desk.press("Return")
    desk.tab_to("Trash")
    desk.press("Return")
    if wait_for(lambda: "Are you sure?" in desk.shown_names(home), 15) is None:
        raise Failure("Trash did not ask \"Are you sure?\"")
    desk.tab_to("No")
    desk.press("Return")
    if wait_for(lambda: "Are you sure?" not in desk.shown_names(home), 15) is None:
        raise Failure("No left the question on show")
    if (record(data, "marks2QP.txt", "FST") or [b""] * PAPER_INDEX)[PAPER_INDEX - 1] != b"1":
        raise Failure("No erased the results")


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    if (missing := no_desktop_session()) is not None:
        print(missing)
        return SKIP
    for tool in ("xdotool", "openbox"):
        if shutil.which(tool) is None:
            print(f"{tool} is not installed")
            return SKIP
    keys = first_page_keys(sys.argv[2])
    data = tempfile.mkdtemp()
    manager = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    program = None
    try:
        if wait_for(lambda: subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                           capture_output=True, text=True)
                    .stdout.count("window id") > 0, 30) is None:
            print("the window manager did not start")
            return SKIP
        program, _, errors = start_program(sys.argv[1], data)
        if program is None:
            print("the program never reached the accessibility bus; it said:")
            print(errors)
            return SKIP
        walk(Desktop(), data, keys)
        print(f"paper {PAPER} taken with the keyboard alone: {len(keys)} blanks answered")
        return 0
    except Failure as failure:
        print("FAIL:", failure)
        errors.seek(0)
        print(errors.read().decode(errors="replace")[-3000:])
        return 1
    finally:
        stop(program)
        stop(manager)
        shutil.rmtree(data, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
