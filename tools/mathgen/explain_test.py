"""Worked answers: the shared working helpers, and that every worked answer a topic
writes agrees with its own key."""

from __future__ import annotations

import importlib
import os
import re
import sys
import unittest
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from paperlib import RIGHT, Paper, PositionDealer, group, say, steps  # noqa: E402

# The topics whose every blank carries a worked answer.
EXPLAINED = ["whole_numbers", "fraction_papers", "angles", "decimals"]


class StepsTest(unittest.TestCase):
    def test_order_of_operations(self):
        cases = {
            "20 - 3 * 4": "20 - 3 × 4 = 20 - 12 = 8",
            "(12 + 7) * 3": "(12 + 7) × 3 = 19 × 3 = 57",
            "28 / 4 + 5 * 3": "28 ÷ 4 + 5 × 3 = 7 + 15 = 22",
            "50 - 18 - 7": "50 - 18 - 7 = 32 - 7 = 25",
            "45 - 24 / 6 * 2": "45 - 24 ÷ 6 × 2 = 45 - 4 × 2 = 45 - 8 = 37",
            "3 + 4 + 5 * 2": "3 + 4 + 5 × 2 = 3 + 4 + 10 = 7 + 10 = 17",
            "150 - (8 * 9 + 6) / 3":
                "150 - (8 × 9 + 6) ÷ 3 = 150 - (72 + 6) ÷ 3 = 150 - 78 ÷ 3 = 150 - 26 = 124",
            "50 - (2 * 12 + 3 * 7)": "50 - (2 × 12 + 3 × 7) = 50 - (24 + 21) = 50 - 45 = 5",
            "100000 - 45678": "100,000 - 45,678 = 54,322",
            "12 - (5 - 2)": "12 - (5 - 2) = 12 - 3 = 9",
            "24 / (8 / 2)": "24 ÷ (8 ÷ 2) = 24 ÷ 4 = 6",
        }
        for expr, want in cases.items():
            with self.subTest(expr=expr):
                self.assertEqual(steps(expr), want)

    def test_plain_minus(self):
        self.assertEqual(say("1200 - 45 * 3 / 5"), "1,200 - 45 × 3 ÷ 5")
        steps("9 - 4").encode("cp1252")


class ChoiceTest(unittest.TestCase):
    def test_names_the_dealt_option(self):
        paper = Paper(199, 1, 1, PositionDealer(5), "x")
        import random
        for _ in range(4):
            page = paper.choice("Which?", "6 − 2", ["1", "2", "3"], random.Random(1),
                                why=f"{RIGHT} is four.")
            b = page.blanks[0]
            self.assertEqual(b.explain, f"({b.key}) 6 - 2 is four.")
            self.assertEqual(page.options[int(b.key) - 1], "6 − 2")

    def test_group_names_every_answer_on_every_blank(self):
        blanks = group([3, 5, 7], "3, 5 and 7, in any order.")
        self.assertEqual([b.key for b in blanks], [";3;5;7", " ", " "])
        self.assertEqual({b.explain for b in blanks}, {"3, 5 and 7, in any order."})


def blanks_of(text: str):
    """(page id, type, key, worked answer, options) for every blank of a paper file."""
    page, options, out = None, [], []
    lines = text.splitlines()
    for i, line in enumerate(lines):
        if line.startswith("@page "):
            page = line.split()[1]
        elif line.startswith("@blank "):
            _, t, _, key = line.split(" ", 3)
            nxt = lines[i + 1]
            why = nxt[len("@explain "):] if nxt.startswith("@explain ") else ""
            out.append([page, t, key, why, None])
        elif line.startswith("@options "):
            for b in out:
                if b[0] == page:
                    b[4] = line[len("@options "):].split(" | ")
    return out


def mentions(why: str, answer: str) -> bool:
    """The answer appears in the worked answer as a number or word of its own."""
    forms = {answer}
    if re.fullmatch(r"\d+", answer):
        forms.add(f"{int(answer):,}")
    return any(re.search(rf"(?<![\d/.,]){re.escape(f)}(?![\d/]|[.,]\d)", why, re.I)
               for f in forms)


# A number as worked answers write it: 2,345  0.75  3/4  £1.30  35p  90°.
_NUMBER = r"£?(?:\d{1,3}(?:,\d{3})+|\d+)(?:\.\d+)?(?:/\d+)?(?:°|p(?![a-z]))?"
_TOKEN = re.compile(rf"{_NUMBER}|[-+×÷=()/]")


def equations(text: str):
    """Every chain 'a = b = c' of calculations in a worked answer, as lists of sides.
    A calculation left unfinished ('7 r 5'), or begun in words ('3/4 of 28 = 21'),
    gives up the side it cannot state."""
    tokens = list(_TOKEN.finditer(text))
    runs, run = [], []
    for t in tokens:
        if run and text[run[-1].end():t.start()] not in ("", " "):
            runs.append(run)
            run = []
        run.append(t)
    runs.append(run)
    for run in runs:
        if not any(t.group() == "=" for t in run):
            continue
        sides, side = [], []
        for t in run:
            if t.group() == "=":
                sides.append(side)
                side = []
            else:
                side.append(t.group())
        sides.append(side)
        if text[:run[0].start()].endswith("of "):
            sides = sides[1:]
        if re.match(r" r \d", text[run[-1].end():]):
            sides = sides[:-1]
        sides = [tidy(s) for s in sides]
        sides = [s for s in sides if s]
        if len(sides) >= 2:
            yield sides


def tidy(side: list[str]) -> list[str]:
    """A side without the option label before it ("(4) 42") or a bracket of the
    sentence around it ("(28 × 12 = 336)", "3/5 (divide by 3)")."""
    if side[:1] == ["("] and len(side) > 3 and side[2] == ")" and side[1].isdigit():
        side = side[3:]
    while side and side[-1] == "(":
        side = side[:-1]
    if side and side[0] == "(" and side.count("(") > side.count(")"):
        side = side[1:]
    if side and side[-1] == ")" and side.count(")") > side.count("("):
        side = side[:-1]
    return side


def value(side: list[str]) -> Fraction:
    """A side of an equation, with Python's order of operations; a whole number next to
    a fraction is a mixed number."""
    out, last_number = [], False
    for tok in side:
        if tok in "×÷+-()/":
            out.append({"×": "*", "÷": "/"}.get(tok, tok))
            last_number = False
            continue
        n = tok.replace(",", "").strip("£°").removesuffix("p")
        term = f"Fraction('{n}')"
        if last_number:
            out[-1] = f"({out[-1]} + {term})"
        else:
            out.append(term)
        last_number = True
    return eval(" ".join(out), {"Fraction": Fraction})


class ArithmeticTest(unittest.TestCase):
    def test_reader(self):
        cases = {
            "So 20 - 3 × 4 = 20 - 12 = 8.": [[["20", "-", "3", "×", "4"], ["20", "-", "12"], ["8"]]],
            "Check: 6,821 - 2,772 = 4,049.": [[["6,821", "-", "2,772"], ["4,049"]]],
            "16 ÷ 6 = 2 r 4, 42 ÷ 6 = 7.": [[["42", "÷", "6"], ["7"]]],
            "3/7 of 28 = 28 ÷ 7 × 3 = 12.": [[["28", "÷", "7", "×", "3"], ["12"]]],
            "x = 180° - 50° = 130°.": [[["180°", "-", "50°"], ["130°"]]],
            "In twelfths: 3/4 = 9/12, 2/3 = 8/12.": [[["3/4"], ["9/12"]], [["2/3"], ["8/12"]]],
            "(1) 3,465; 3,546. Factors: 1, 2, 3.": [],
        }
        for text, want in cases.items():
            with self.subTest(text=text):
                self.assertEqual(list(equations(text)), want)

    def test_values(self):
        cases = {("2", "3/4"): Fraction(11, 4), ("(", "3", "×", "5", ")", "/", "4"): Fraction(15, 4),
                 ("£1.30",): Fraction(13, 10), ("35p", "×", "9"): 315, ("5", "1/4", "-", "2", "5/6"):
                 Fraction(29, 12), ("2,345", "×", "20"): 46900}
        for side, want in cases.items():
            with self.subTest(side=side):
                self.assertEqual(value(list(side)), want)


class TopicsTest(unittest.TestCase):
    def test_every_worked_answer_gives_its_key(self):
        for name in EXPLAINED:
            files = importlib.import_module(name).build()
            for rel, text in sorted(files.items()):
                if not rel.endswith(".paper"):
                    continue
                for page, t, key, why, options in blanks_of(text):
                    with self.subTest(paper=os.path.basename(rel), page=page):
                        self.assertTrue(why, "no worked answer")
                        for sides in equations(why):
                            signs = {t[0] for side in sides for t in side if t[0] == "£"}
                            if signs and any(t.endswith("p") for side in sides for t in side):
                                continue        # pence = pounds: a change of unit
                            try:
                                values = {value(side) for side in sides}
                            except SyntaxError:
                                self.fail((sides, why))
                            self.assertEqual(len(values), 1, (sides, why))
                        if t == "Q":
                            right = (options[int(key) - 1].replace("\u2212", "-")
                                     .replace("\u00a0", " "))
                            self.assertTrue(why.startswith(f"({key}) {right}"), why)
                        elif t in "GM":
                            if key != "{space}":
                                for a in key.split(";")[1:]:
                                    self.assertTrue(mentions(why, a), (a, why))
                        else:
                            self.assertTrue(mentions(why, key), (key, why))


if __name__ == "__main__":
    unittest.main()
