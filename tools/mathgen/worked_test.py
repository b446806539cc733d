"""Worked answers: the step-by-step working, and that every blank of the area and perimeter
papers explains the answer its key holds."""

from __future__ import annotations

import importlib
import os
import re
import sys
import unittest
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.worked import a_, number, steps, value, with_unit  # noqa: E402

# Topics whose generators write a worked answer for every blank.
# The mock papers are held to their own working by explain_test.py, the solids papers by
# solids_test.py.
EXPLAINED = ["area_perimeter"]


class StepsTest(unittest.TestCase):
    def test_working_is_written_out_with_the_signs_pupils_know(self):
        cases = {
            "2 * (15 + 10)": "2 × (15 + 10) = 2 × 25 = 50",
            "2 * (40 + 25) - 3": "2 × (40 + 25) - 3 = 2 × 65 - 3 = 130 - 3 = 127",
            "10 - (3 - 1)": "10 - (3 - 1) = 10 - 2 = 8",
            "20 / (2 * 5)": "20 ÷ (2 × 5) = 20 ÷ 10 = 2",
            "(48 / 4) * (48 / 4)": "(48 ÷ 4) × (48 ÷ 4) = 12 × 12 = 144",
            "6 * 5 / 2": "6 × 5 ÷ 2 = 30 ÷ 2 = 15",
            "1000 * 3": "1,000 × 3 = 3,000",
            "3 / 2": "3 ÷ 2 = 1.5",
            "7": "7",
        }
        for expr, text in cases.items():
            with self.subTest(expr=expr):
                self.assertEqual(steps(expr), text)
                self.assertEqual(value(expr), eval(expr))

    def test_a_division_that_leaves_a_remainder_in_whole_numbers_is_refused(self):
        with self.assertRaises(AssertionError):
            steps("7 // 2")

    def test_numbers_and_units(self):
        cases = [(number(1500), "1,500"), (number(2.5), "2.5"),
                 (number(Fraction(6501, 10000)), "0.6501"),
                 (a_(8), "an 8"), (a_(11), "an 11"), (a_(18), "an 18"), (a_(80), "an 80"),
                 (a_(12), "a 12"), (a_(1), "a 1"), (a_(110), "a 110"),
                 (with_unit("Ans: ______ cm", 26), "26 cm"),
                 (with_unit("Ans: £______", 315), "£315"),
                 (with_unit("Ans: ______ tiles", 24), "24 tiles")]
        for got, want in cases:
            with self.subTest(want=want):
                self.assertEqual(got, want)


def blanks_of(topic):
    module = importlib.import_module(f"mathgen.{topic}")
    files = module.build()
    for rel, text in sorted(files.items()):
        if not rel.endswith(".paper"):
            continue
        page, options = None, []
        lines = text.splitlines()
        for i, line in enumerate(lines):
            if line.startswith("@page "):
                page = line.split()[1]
            elif line.startswith("@blank "):
                kind, _, key = line.split(" ", 3)[1:]
                explain = lines[i + 1][len("@explain "):] if lines[i + 1].startswith(
                    "@explain ") else ""
                ahead = next((ln for ln in lines[i + 1:]
                              if ln.startswith(("@options ", "@page "))), "")
                options = (ahead[len("@options "):].split(" | ")
                           if ahead.startswith("@options ") else None)
                yield f"{os.path.basename(rel)} page {page}", kind, key, explain, options


# A calculation written in an explanation: numbers (1,500, 2.5, 3/4, 2 3/4), brackets and
# the four signs, with " = " between its steps.
_NUM = r"\d{1,3}(?:,\d{3})+(?:\.\d+)?|\d+(?:\.\d+)?"
_ATOM = rf"\d+ \d+/\d+|(?:{_NUM})(?:/\d+)?"
_EXPR = rf"\(*(?:{_ATOM})\)*(?: [×÷+\-] \(*(?:{_ATOM})\)*)*"
_CHAIN = re.compile(rf"(?<![\w/.,£])(?<![×÷+\-] ){_EXPR}(?: = {_EXPR})+(?! remainder)(?![\w/])")


def _worth(side: str) -> Fraction:
    side = re.sub(r"(\d+) (\d+)/(\d+)", r"(\1 + \2/\3)", side)
    side = re.sub(_NUM, lambda m: f"F('{m.group().replace(',', '')}')", side)
    return eval(side.replace("×", "*").replace("÷", "/"), {"F": Fraction})


def false_steps(text: str) -> list[str]:
    """Every written calculation whose steps do not all have the same value."""
    return [m.group() for m in _CHAIN.finditer(text)
            if len({_worth(side) for side in m.group().split(" = ")}) != 1]


class ExplainedTopicsTest(unittest.TestCase):
    def test_the_working_check_finds_a_wrong_step(self):
        cases = {"Perimeter = 2 × (8 + 5) = 2 × 13 = 26 cm.": [],
                 "3/4 = 9/12 and 5/6 = 10/12, so 5/6 is larger.": [],
                 "111/20 = 5 11/20 and 1,500 ÷ 250 = 6.": [],
                 "37 ÷ 8 = 4 remainder 5.": [],
                 "base × height ÷ 2 = 10 × 6 ÷ 2 = 30, and £19.21 = 79p less.": [],
                 "Area = 7 × 6 = 43 cm².": ["7 × 6 = 43"],
                 "Then 2 × (3 + 4) = 2 × 7 = 15.": ["2 × (3 + 4) = 2 × 7 = 15"],
                 "4/5 = 96/120, 2/3 = 80/121.": ["2/3 = 80/121"]}
        for text, wrong in cases.items():
            with self.subTest(text=text):
                self.assertEqual(false_steps(text), wrong)

    def test_every_step_of_the_working_is_true(self):
        for topic in EXPLAINED:
            for where, _, _, explain, _ in blanks_of(topic):
                with self.subTest(where=where):
                    self.assertEqual(false_steps(explain), [])

    def test_every_blank_explains_its_own_key(self):
        """A number's explanation shows that number, a fraction's that fraction; a choice's
        names its option's number and text; a letter's names the letter."""
        for topic in EXPLAINED:
            for where, kind, key, explain, options in blanks_of(topic):
                with self.subTest(where=where):
                    self.assertTrue(explain, "no worked answer")
                    if kind == "N":
                        shown = number(key) if "." in key else f"{int(key):,}"
                        self.assertRegex(explain, rf"(?<![\d,.]){re.escape(shown)}(?![\d,]|\.\d)")
                    elif kind == "Q":
                        self.assertIn(f"({key}) {options[int(key) - 1]}", explain)
                    elif kind in "FX":
                        self.assertRegex(explain, rf"(?<![\d/]){re.escape(key)}(?![\d/])")
                    elif kind == "T":
                        self.assertRegex(explain, rf"\b{re.escape(key)}\b")


if __name__ == "__main__":
    unittest.main()
