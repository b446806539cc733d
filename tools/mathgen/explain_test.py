"""Worked answers: the shared working helpers, and that every worked answer a topic
writes agrees with its own key."""

from __future__ import annotations

import importlib
import os
import random
import re
import sys
import unittest
from fractions import Fraction

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.paperlib import RIGHT, Paper, PositionDealer, group, say, steps  # noqa: E402

# The topics whose every blank carries a worked answer: all of them, so that every
# multiple-choice worked answer, in every topic, opens with its option's number and text.
EXPLAINED = ["whole_numbers", "fraction_papers", "angles", "decimals", "mock",
             "area_perimeter", "solids"]


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
        # A side that opens with a sign began in words ("base × height ÷ 2 = ...").
        if sides and sides[0][0] in ("×", "÷", "+"):
            sides = sides[1:]
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
            "Area = base × height ÷ 2 = 10 × 6 ÷ 2 = 30 cm².": [[["10", "×", "6", "÷", "2"],
                                                              ["30"]]],
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


def assert_sound(case: unittest.TestCase, why: str, answer: str) -> None:
    """Every calculation in the worked answer agrees, and the answer is in it."""
    for sides in equations(why):
        case.assertEqual(len({value(side) for side in sides}), 1, (sides, why))
    case.assertTrue(mentions(why, answer), (answer, why))


class WorkingHelpersTest(unittest.TestCase):
    """The helpers that write the working, on many more numbers than the papers use now, so
    that a paper whose numbers change still gets sound working."""

    def test_whole_numbers(self):
        from mathgen import whole_numbers as w
        r = random.Random(7)
        for _ in range(300):
            a, b = r.randint(10, 9999), r.choice([r.randint(2, 9), r.randint(11, 99)])
            with self.subTest(a=a, b=b):
                assert_sound(self, w.mult_working(a, b), f"{a * b:,}")
                assert_sound(self, w.div_working(a * b, b), f"{a:,}")
                assert_sound(self, w.calc_why(f"{a} + {b}", a + b), f"{a + b:,}")
                assert_sound(self, w.calc_why(f"{a * b} - {a}", a * b - a), f"{a * b - a:,}")
        for a, b in [(700, 50), (3000, 20), (120, 400)]:
            assert_sound(self, w.mult_working(a, b), f"{a * b:,}")
        for n, unit in [(4367, 10), (4350, 100), (84999, 1000), (5, 10), (95, 10)]:
            with self.subTest(n=n, unit=unit):
                assert_sound(self, w.round_why(n, unit), f"{w.round_to(n, unit):,}")

    def test_fractions(self):
        from mathgen import fraction_papers as f
        r = random.Random(11)
        for _ in range(300):
            d1, d2 = r.randint(2, 12), r.randint(2, 12)
            a, b = f"{r.randint(1, d1 - 1)}/{d1}", f"{r.randint(1, d2 - 1)}/{d2}"
            wa, wb = r.randint(1, 5), r.randint(0, 3)
            exprs = [f"{a} + {b}", f"{wa} {a} + {wb + 1} {b}", f"{a} * {r.randint(2, 9)}",
                     f"{r.randint(2, 9)} * {a}", f"{a} * {b}"]
            if f.parse(a) > f.parse(b):
                exprs.append(f"{a} - {b}")
            if f.parse(f"{wa} {a}") > f.parse(f"{wb} {b}") and wb:
                exprs.append(f"{wa} {a} - {wb} {b}")
            for e in exprs:
                x = f.calc(e)
                kind = "N" if x.denominator == 1 else "F" if x < 1 else "X"
                answer = f"{x.numerator}" if kind == "N" else f.fx(x)
                with self.subTest(expr=e):
                    assert_sound(self, f.working(e, kind), answer)

    def test_decimals(self):
        from mathgen import decimals as d
        r = random.Random(13)
        for _ in range(300):
            a = f"{r.randint(0, 99)}.{r.randint(1, 99):02d}".rstrip("0")
            b = f"{r.randint(0, 9)}.{r.randint(1, 9)}"
            n = r.randint(2, 9)
            exprs = [f"{a} + {b}", f"{a} * {n}", f"{a} * {r.choice(['10', '100', '1000'])}",
                     f"{d.plain_str(d.calc(f'{a} * {n}'))} / {n}"]
            if d.Decimal(a) > d.Decimal(b):
                exprs.append(f"{a} - {b}")
            for e in exprs:
                with self.subTest(expr=e):
                    assert_sound(self, d.dec_working(e), d.plain_str(d.calc(e)))
            n = f"{r.randint(0, 99)}.{r.randint(0, 999):03d}"
            for dp in (0, 1, 2):
                with self.subTest(n=n, dp=dp):
                    assert_sound(self, d.round_why(n, dp), d.said(d.round_dp(n, dp)))
        for den in (2, 4, 5, 8, 10, 20, 25, 40, 50, 100, 125, 200, 250, 500, 1000):
            for num in (1, den - 1, den + 3):
                frac = f"{num}/{den}"
                with self.subTest(frac=frac):
                    assert_sound(self, d.frac_why(frac), d.said(d.frac_dec(frac)))

    def test_one_more_in_a_place_names_its_carry(self):
        """'Add 1 to the tens digit' only where that digit is not 9; a 9 carries and a 0
        taken from is exchanged, and the digits named are the number's own."""
        from mathgen import whole_numbers as w
        r = random.Random(29)
        cases = [(45762, 1000), (6045, -100), (395420, 10000), (1052300, -100000)]
        cases += [(r.randint(1000, 999999), r.choice([10, 100, 1000, 10000]) * r.choice([1, -1]))
                  for _ in range(300)]
        for n, delta in cases:
            step = abs(delta)
            digit, left = n // step % 10, n // step // 10 % 10
            if (delta > 0 and digit == 9 and left == 9) or (delta < 0 and digit == 0 and
                                                             left == 0) or n + delta < step:
                continue        # more than one carry or exchange: the papers set none
            with self.subTest(n=n, delta=delta):
                why = w.more_less_why(n, delta)
                assert_sound(self, why, f"{n + delta:,}")
                said = re.search(r"digit: (\d) becomes (\d)\.", why)
                if delta > 0 and digit == 9:
                    self.assertIn("9 + 1 = 10", why)
                elif delta < 0 and digit == 0:
                    self.assertIn("is 0, so exchange", why)
                else:
                    self.assertIsNotNone(said, why)
                    self.assertEqual((int(said[1]), int(said[2])),
                                     (digit, (n + delta) // step % 10), why)

    def test_grid_lines_turned_through_a_right_angle(self):
        """A perpendicular line's steps are called the base's own turned through a right angle
        only when they are; otherwise the turned steps named point the way the line goes."""
        from mathgen import angles as a

        def steps_of(text: str):
            dx = dy = 0
            for k, way in re.findall(r"(\d+) (right|left|up|down)", text):
                k = int(k)
                dx += {"right": k, "left": -k}.get(way, 0)
                dy += {"up": k, "down": -k}.get(way, 0)
            return dx, dy

        r = random.Random(31)
        for _ in range(300):
            u = (r.randint(-5, 5), r.randint(-5, 5))
            if u == (0, 0):
                continue
            k = r.choice([1, 1, 2, -1, Fraction(1, 2)])
            turned = (-u[1] * k, u[0] * k)
            if any(Fraction(c).denominator != 1 for c in turned) or not any(turned):
                continue
            v = tuple(int(c) for c in turned)
            with self.subTest(u=u, v=v):
                why = a.segment_why("AB", ((0, 0), u), "CD", ((0, 0), v), "perpendicular")
                told = why.split("From C to D it goes ", 1)[1]
                self.assertEqual(steps_of(told.split(".")[0].split(":")[0]), v, why)
                if "the same steps turned through a right angle" in why:
                    self.assertIn(v, [(-u[1], u[0]), (u[1], -u[0])], why)
                else:
                    named = steps_of(why.split("you get ", 1)[1])
                    self.assertIn(named, [(-u[1], u[0]), (u[1], -u[0])], why)
                    self.assertGreater(named[0] * v[0] + named[1] * v[1], 0, why)
                par = a.segment_why("AB", ((0, 0), u), "CD", ((0, 0), (u[0] * 2, u[1] * 2)),
                                    "parallel")
                self.assertNotIn("also goes", par)

    def test_parts_have_names(self):
        """Fractions' parts are named as pupils say them, not 'parts of 11'."""
        from mathgen import fraction_papers as f
        for d, want in [(2, "halves"), (4, "quarters"), (11, "elevenths"), (13, "thirteenths"),
                        (21, "twenty-firsts"), (25, "twenty-fifths"), (40, "fortieths"),
                        (99, "ninety-ninths")]:
            with self.subTest(d=d):
                self.assertEqual(f.parts_name(d), want)
        for d in range(2, 100):
            with self.subTest(d=d):
                self.assertNotIn("parts of", f.parts_name(d))
                self.assertNotIn("parts of", f.parts_name(d, 1))

    def test_numbers_in_words(self):
        from mathgen import whole_numbers as w
        r = random.Random(19)
        for n in [r.randint(1, 9_999_999) for _ in range(200)] + [7, 1000, 1_000_001, 30_005]:
            with self.subTest(n=n):
                why = w.numerals_why(n)
                self.assertTrue(mentions(why, str(n)), why)
                # The groups named add up to the number.
                groups = re.findall(r"(\d[\d,]*)(?: (million|thousand))?", why.split(":")[0])
                total = sum(int(g.replace(",", "")) * {"million": 10 ** 6, "thousand": 1000}
                            .get(unit, 1) for g, unit in groups)
                self.assertEqual(total, n, why)

    def test_order_of_operations(self):
        r = random.Random(17)
        shapes = ["{} + {} * {}", "({} + {}) * {}", "{} * {} - {}", "{} - {} + {}",
                  "({} - {}) * ({} + {})", "{} * {} + {} * {}"]
        for _ in range(200):
            shape = r.choice(shapes)
            nums = sorted((r.randint(1, 30) for _ in range(shape.count("{}"))), reverse=True)
            expr = shape.format(*nums)
            with self.subTest(expr=expr):
                from mathgen.paperlib import evaluate
                assert_sound(self, steps(expr), f"{int(evaluate(expr)):,}"
                             if evaluate(expr) >= 0 else str(evaluate(expr)))

    def test_mock_helpers(self):
        from mathgen import mock as m
        r = random.Random(23)
        for _ in range(300):
            ds = r.sample([3, 4, 5, 6, 7, 8, 9, 10, 12], 4)
            fr = [Fraction(r.randint(1, d - 1), d) for d in ds]
            if len(set(fr)) < 4 or any(f.denominator != d for f, d in zip(fr, ds)):
                continue
            terms = [f"{f.numerator}/{f.denominator}" for f in fr]
            for word, pick in (("largest", max(fr)), ("smallest", min(fr))):
                want = f"{pick.numerator}/{pick.denominator}"
                with self.subTest(terms=terms, word=word):
                    why = m.compare_fractions_why(terms, want, word)
                    assert_sound(self, why, want)
                    # The one named as largest (or smallest) is the right one.
                    self.assertRegex(why, rf"(?<![\d/]){re.escape(want)}(, with \d+ parts,)? "
                                          rf"is the {word}\.$")
        for pence in (5, 79, 100, 150, 305, 840, 1089, 2000):
            with self.subTest(pence=pence):
                self.assertTrue(mentions(m.pounds(pence), m.num(Fraction(pence, 100)).key))
        for solid in ("cube", "cuboid", "triangular prism", "pentagonal prism",
                      "hexagonal prism", "square-based pyramid", "triangular-based pyramid",
                      "hexagonal-based pyramid"):
            for what, count in zip(("faces", "edges", "vertices"), m.solid_facts(solid)):
                with self.subTest(solid=solid, what=what):
                    why = m.solid_why(solid, what).replace(RIGHT, f"(1) {count}")
                    assert_sound(self, why, str(count))
                    self.assertTrue(why.startswith(f"(1) {count} {what}"), why)


class TopicsTest(unittest.TestCase):
    def test_every_worked_answer_gives_its_key(self):
        for name in EXPLAINED:
            files = importlib.import_module(f"mathgen.{name}").build()
            for rel, text in sorted(files.items()):
                if not rel.endswith(".paper"):
                    continue
                for page, t, key, why, options in blanks_of(text):
                    with self.subTest(paper=os.path.basename(rel), page=page):
                        self.assertTrue(why, "no worked answer")
                        # What a slip in building the text leaves behind: a field not filled
                        # in, a list or number object printed as Python shows it, a sentence
                        # run on or left open.
                        self.assertIsNone(re.search(
                            r"[{}\[\]\u00a0\u2212]|Fraction\(|Decimal\(|\bNone\b|(?<!\.)\.\.(?!\.)"
                            r"|  |\s[,;:]|\s\.(?!\.\.)", why), why)
                        self.assertTrue(why[0].isupper() or why[0] in "(0123456789£", why)
                        self.assertTrue(why.endswith("."), why)
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
