#!/usr/bin/python3
"""What a screen reader finds: the program's accessibility tree over AT-SPI.

usage: accessibility_tree_test.py PROGRAM   (run under an X display and a D-Bus session)

Starts the program on an empty data folder, reads the home window's tree, presses "Load paper 1"
as a screen reader would, and reads the practice window's tree. Every push button, text box and
list the pupil can reach must carry a name. Exits 77 (skipped) where AT-SPI cannot be reached.
"""
import sys
import tempfile

from atspi_support import (SKIP, no_desktop_session, nodes, showing, start_program, stop,
                           wait_for, window)

import pyatspi  # atspi_support has made sure it is there

CONTROLS = ("push button", "text", "entry", "combo box", "password text")


def unnamed_controls(tree):
    return [role for role, name, state, _ in tree
            if showing(state) and role in CONTROLS and not name.strip()]


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    if (missing := no_desktop_session()) is not None:
        print(missing)
        return SKIP
    program, app, said = start_program(sys.argv[1], tempfile.mkdtemp())
    if program is None:
        print("the program never reached the accessibility bus; it said:")
        print(said)
        return SKIP
    failures = []
    try:
        home = wait_for(lambda: window(app, "Quillory Practice Papers"))
        if home is None:
            failures.append("no home window in the tree")
            return 1
        tree = wait_for(lambda: [n for n in nodes(home) if n[0] == "push button"] and nodes(home))
        buttons = [name for role, name, state, _ in tree
                   if role == "push button" and showing(state)]
        print(f"home window: {len(tree)} nodes, {len(buttons)} push buttons shown")
        for expected in ("English", "Mathematics", "Science", "Help", "Load paper 1", "Close",
                         "Minimise", "Grammar"):
            if expected not in buttons:
                failures.append(f"home window: no push button \"{expected}\"")
        failures += [f"home window: a {role} without a name" for role in unnamed_controls(tree)]

        # The screen reader presses the take button of paper 1.
        load = next(node for role, name, _, node in tree
                    if role == "push button" and name == "Load paper 1")
        actions = load.queryAction()
        actions.doAction(next(i for i in range(actions.nActions)
                              if actions.getName(i) in ("press", "Press")))
        paper = wait_for(lambda: window(app, "Grammar - Paper 1"))
        if paper is None:
            failures.append("pressing \"Load paper 1\" opened no practice window")
            return 1
        tree = wait_for(lambda: [n for n in nodes(paper) if n[1] == "Answer (a)"] and nodes(paper))
        if tree is None:
            failures.append("practice window: no answer box \"Answer (a)\"")
            return 1
        names = {name for role, name, state, _ in tree if showing(state)}
        print(f"practice window: {len(tree)} nodes")
        for expected in ("Next question", "Save paper", "Mark paper", "Print question",
                         "Close paper", "Answer (a)", "Your score", "Clock",
                         "Number of questions answered"):
            if expected not in names:
                failures.append(f"practice window: nothing named \"{expected}\"")
        failures += [f"practice window: a {role} without a name"
                     for role in unnamed_controls(tree)]
        # A list is named by the label beside it.
        lists = [node for role, name, state, node in tree
                 if role == "combo box" and showing(state)]
        for node in lists:
            labels = [target.name for relation in node.getRelationSet()
                      if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                      for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
            if not any(label.strip() for label in labels):
                failures.append("practice window: a list no label names")
    finally:
        stop(program)
        for failure in failures:
            print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
