#!/usr/bin/env python3
"""Mathematics topic 7, "Mock Examination": writes papers 131 to 135.

    python3 tools/mathgen/mock.py           # write the papers and figures
    python3 tools/mathgen/mock.py --check   # compare with the files

Each paper is a whole end-of-year paper of 57 questions and 100 marks: a
section of short questions on every topic (pages 1 to 30, one mark a blank),
then word problems (pages 31 to 57, mostly two marks a blank). All five follow
the same plan; the numbers come from a generator seeded by paper and question
and grow with the paper's level, so 135 is a little harder than 131.

Every key is worked out from the numbers the page shows and checked a second
way before anything is written: fractions by Fraction and by integer
arithmetic over a common denominator, money in pence, volumes by counting the
unit cubes that are drawn, lines of symmetry by reflecting the drawn corners,
cube nets by rolling a cube over the drawn squares, charts by reading the
drawing back.
"""

from __future__ import annotations

import math
import os
import random
import re
import sys
from decimal import Decimal
from functools import partial

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.registry import by_name  # noqa: E402
from mathgen.paperlib import (  # noqa: E402
    TopicPaper,
    PUPILS,
    build_topic, run_generator, evaluate, fmt, words, parse_words,
    factors, is_prime, is_square, round_to, check_rounded, form_note, show,
    Blank, Fraction, Page, PositionDealer, CHOICE_NOTE, MINUS, TIMES, DIVIDE, RIGHT,
)
from mathgen.cube_nets import HEXOMINOES, folds_to_cube  # noqa: E402
from mathgen import angles as AN  # noqa: E402
from mathgen import area_perimeter as AP  # noqa: E402
from mathgen import decimals as DE  # noqa: E402
from mathgen import fraction_papers as FP  # noqa: E402
from mathgen import whole_numbers as WN  # noqa: E402
from mathgen.worked import a_  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")

# Page ids of each paper, fixed. Paper 133 deliberately jumps from 22999
# to 28001 in the middle; its later pages and papers 134 and 135 run on from
# there.
IDS = {
    131: list(range(22842, 22899)),
    132: list(range(22899, 22956)),
    133: list(range(22956, 23000)) + list(range(28001, 28014)),
    134: list(range(28014, 28071)),
    135: list(range(28071, 28128)),
}
TOPIC = by_name("mock")

NBSP = "\u00a0"
SQ, CU = "\u00b2", "\u00b3"

INSTRUCTION = ("Section A (questions 1 to 30) has short questions worth 1 mark each; "
               "Section B (questions 31 to 57) has problems, most worth 2 marks. "
               "In the answer sheet, write every answer as a number only, with no "
               "units and no £ or ° signs (for £4.50, write 4.5; for 45°, write 45). "
               "Write a fraction with a slash, for example 3/8, and a mixed number "
               f"with one space after the whole number, for example 1{NBSP}2/5. "
               "For a multiple-choice question, write the number of the correct "
               "option (1, 2, 3 or 4).")

NO_DEG = "Write the number only, without °."
DEC = "Give your answer as a decimal."
FRAC, MIXED, IMPROPER = form_note("F"), form_note("X"), form_note("I")

NAMES = PUPILS

FONT = 'font-family="DejaVu Sans"'
BLACK, BLUE, RED, GREY = "#000000", "#1d4f91", "#c00000", "#b8c4d0"


def poss(he: str) -> str:
    return "her" if he == "she" else "his"


def cap(s: str) -> str:
    return s[0].upper() + s[1:]


# ---------------------------------------------------------------------------
# Keys

def num(x, marks: int = 1, why: str = "") -> Blank:
    """A whole number or an exact decimal, written plainly (4.5, 0.35, 120)."""
    f = Fraction(x)
    assert f >= 0, x
    places = 0
    while (f * 10 ** places).denominator != 1:
        places += 1
        assert places < 8, x
    s = (str(f.numerator) if places == 0 else
         format(Decimal(f.numerator) / Decimal(f.denominator), f".{places}f"))
    assert Fraction(s) == f, (s, x)
    return Blank("N", marks, s, why)


def dec_str(x) -> str:
    """A decimal as printed in a question: 4.5, 12.75, 1,250.5."""
    s = num(x).key
    whole, dot, frac = s.partition(".")
    return f"{int(whole):,}" + dot + frac


def money(pence: int) -> str:
    """Prices on a page: £4.50, £12, 85p."""
    if pence < 100:
        return f"{pence}p"
    if pence % 100 == 0:
        return f"£{pence // 100:,}"
    return f"£{pence // 100:,}.{pence % 100:02d}"


def fs(x: Fraction) -> str:
    return f"{x.numerator}/{x.denominator}"


def ms(x: Fraction) -> str:
    w, r = divmod(x.numerator, x.denominator)
    return f"{w}{NBSP}{r}/{x.denominator}" if w and r else (str(w) if w else fs(x))


def frac_key(x: Fraction, kind: str, marks: int = 1, why: str = "") -> Blank:
    """kind F: a proper fraction or (kind I) an improper one; X: a mixed number.
    The mixed number is also worked out by repeated subtraction."""
    assert x > 0 and x.denominator > 1, x
    if kind in "FI":
        assert (x < 1) == (kind == "F"), (x, kind)
        return Blank("F", marks, fs(x), why)
    assert kind == "X" and x > 1, x
    n, d, w = x.numerator, x.denominator, 0
    while n >= d:
        n, w = n - d, w + 1
    return Blank("X", marks, f"{w} {n}/{d}", why)


def lowest_slow(n: int, d: int) -> tuple[int, int]:
    k = 2
    while k <= min(n, d):
        if n % k == 0 and d % k == 0:
            n, d = n // k, d // k
        else:
            k += 1
    return n, d


# ---------------------------------------------------------------------------
# Drawing: what the other topics' generators already draw is reused from them.

Svg = AP.Svg
r1 = AP.r1


def iso_cubes(cubes: set[tuple[int, int, int]], s=26) -> str:
    """Unit cubes seen from above, front and right (isometric), drawn back to
    front. A cube at (x, y, z) has x along to the right and down, y along to
    the left and down, z up."""
    c30, s30 = math.cos(math.radians(30)) * s, math.sin(math.radians(30)) * s

    def pt(x, y, z):
        return ((x - y) * c30, (x + y) * s30 - z * s)

    corners = [pt(x + dx, y + dy, z + dz) for x, y, z in cubes
               for dx in (0, 1) for dy in (0, 1) for dz in (0, 1)]
    minx, maxx = min(p[0] for p in corners), max(p[0] for p in corners)
    miny, maxy = min(p[1] for p in corners), max(p[1] for p in corners)
    w, h = int(maxx - minx + 40), int(maxy - miny + 40)
    ox, oy = 20 - minx, 20 - miny
    out = Svg(w, h)

    def poly(pts, fill):
        out.polygon([(ox + a, oy + b) for a, b in pts], fill=fill, colour=BLACK, width=1.5)

    for x, y, z in sorted(cubes, key=lambda c: (c[0] + c[1] + c[2], c[2], c[0])):
        top = [pt(x, y, z + 1), pt(x + 1, y, z + 1), pt(x + 1, y + 1, z + 1),
               pt(x, y + 1, z + 1)]
        right = [pt(x + 1, y, z), pt(x + 1, y + 1, z), pt(x + 1, y + 1, z + 1),
                 pt(x + 1, y, z + 1)]
        left = [pt(x, y + 1, z), pt(x + 1, y + 1, z), pt(x + 1, y + 1, z + 1),
                pt(x, y + 1, z + 1)]
        poly(top, "#dce8f6")
        poly(right, "#7aa6d8")
        poly(left, "#aac8ea")
    return out.render()


def cuboid_cubes(l: int, w: int, h: int, at=(0, 0, 0)) -> set:
    return {(at[0] + x, at[1] + y, at[2] + z)
            for x in range(l) for y in range(w) for z in range(h)}


def svg_size(svg: str) -> tuple[int, int]:
    m = re.search(r'<svg[^>]* width="(\d+(?:\.\d+)?)" height="(\d+(?:\.\d+)?)"', svg)
    return int(float(m[1])), int(float(m[2]))


def polygons_svg(polys: list[list[tuple[float, float]]], pad=20, fill="#eef3fa",
                 labels=()) -> str:
    xs = [p[0] for poly in polys for p in poly]
    ys = [p[1] for poly in polys for p in poly]
    w, h = int(max(xs) - min(xs) + 2 * pad), int(max(ys) - min(ys) + 2 * pad)
    s = Svg(w, h)
    ox, oy = pad - min(xs), pad - min(ys)
    for poly in polys:
        s.polygon([(ox + x, oy + y) for x, y in poly], fill=fill, colour=BLACK, width=2)
    for (x, y), text in labels:
        s.text((ox + x, oy + y), text, 18, colour=BLUE)
    return s.render()


def reflect(p, c, theta):
    """p reflected in the line through c at angle theta (radians)."""
    dx, dy = p[0] - c[0], p[1] - c[1]
    cs, sn = math.cos(2 * theta), math.sin(2 * theta)
    return (c[0] + dx * cs + dy * sn, c[1] + dx * sn - dy * cs)


def lines_of_symmetry(pts) -> int:
    """Counts the mirror lines of a polygon: every such line passes through the
    centre of its corners and through a corner or the middle of a side, so
    those directions are tried and the corners reflected in each."""
    n = len(pts)
    c = (sum(p[0] for p in pts) / n, sum(p[1] for p in pts) / n)
    scale = max(math.dist(p, c) for p in pts)
    cands = list(pts) + [((pts[i][0] + pts[(i + 1) % n][0]) / 2,
                          (pts[i][1] + pts[(i + 1) % n][1]) / 2) for i in range(n)]
    found: list[float] = []
    for q in cands:
        if math.dist(q, c) < 1e-9 * scale:
            continue
        th = math.atan2(q[1] - c[1], q[0] - c[0]) % math.pi
        if any(abs(th - f) < 1e-6 or abs(abs(th - f) - math.pi) < 1e-6 for f in found):
            continue
        image = [reflect(p, c, th) for p in pts]
        if all(any(math.dist(a, b) < 1e-6 * scale for b in pts) for a in image):
            found.append(th)
    return len(found)


def squares_net_svg(nets: list[list[tuple[int, int]]], labels: list[str], cell=28) -> str:
    """Nets of squares side by side, each with its letter below."""
    gap = cell
    widths = [max(x for x, _ in n) + 1 for n in nets]
    height = max(max(y for _, y in n) + 1 for n in nets)
    w = sum(widths) * cell + gap * (len(nets) + 1)
    s = Svg(int(w), int(height * cell + 70))
    x0 = gap
    for net, wd, lab in zip(nets, widths, labels):
        for x, y in net:
            s.rect(x0 + x * cell, 20 + y * cell, cell, cell, "#dce8f6", BLACK, 1.5)
        s.text((x0 + wd * cell / 2, 20 + height * cell + 26), lab, 18, colour=BLUE)
        x0 += wd * cell + gap
    return s.render()


def mirror_grid_svg(cells: set, nx: int, ny: int, axis: str, at: int, cell=28) -> str:
    """A grid with shaded squares and a dashed mirror line after column (or
    row) `at`."""
    s = Svg(nx * cell + 20, ny * cell + 20)
    for x, y in sorted(cells):
        s.rect(10 + x * cell, 10 + y * cell, cell, cell, "#7aa6d8", BLUE, 1)
    for k in range(nx + 1):
        s.line((10 + k * cell, 10), (10 + k * cell, 10 + ny * cell), 1, GREY)
    for k in range(ny + 1):
        s.line((10, 10 + k * cell), (10 + nx * cell, 10 + k * cell), 1, GREY)
    if axis == "v":
        s.line((10 + at * cell, 2), (10 + at * cell, 18 + ny * cell), 3, RED, dash=True)
    else:
        s.line((2, 10 + at * cell), (18 + nx * cell, 10 + at * cell), 3, RED, dash=True)
    return s.render()


# ---------------------------------------------------------------------------
# The paper

class Builder(TopicPaper):
    def __init__(self, key: int, dealer: PositionDealer):
        super().__init__(TOPIC, key, IDS[key][0], dealer, seed_factor=7727,
                         instruction=INSTRUCTION, names=NAMES, ids=IDS[key])
        self.level = key - 131

    def draw(self, page: Page, svg: str, alt: str) -> Page:
        return self.attach_figure(page, svg, *svg_size(svg), alt)

    def one(self, stem: str, key: Blank, answer: str = "Ans: ______") -> Page:
        return self.single(stem, key.key, answer, key.type, key.marks, why=key.explain)

    def choose(self, stem: str, right: str, wrong: list[str], marks: int = 1,
               why: str = "") -> Page:
        return self.choice(stem, right, wrong, self.qrng(), marks, why=why)


# ---------------------------------------------------------------------------
# Worked answers that the other topics' helpers do not already write

def compare_fractions_why(terms: list[str], pick: str, word: str) -> str:
    """Fractions compared over a common denominator when it is a small one, and as
    decimals to three places otherwise (a denominator in the hundreds helps nobody)."""
    if FP.lcd(terms) <= 60:
        return FP.compare_why(terms, pick, word)
    approx = {t: round(Fraction(t) * 1000) for t in terms}
    assert len(set(approx.values())) == len(terms)
    best = (max if word == "largest" else min)(terms, key=lambda t: approx[t])
    assert best == pick
    def as_decimal(t: str) -> str:
        # Exact where three places are enough (4/5 = 0.8), rounded where they are not.
        x = Fraction(t)
        if (x * 1000).denominator == 1:
            return f"{t} = {num(x).key}"
        return f"{t} is about {approx[t] / 1000:.3f}"
    said = ", ".join(as_decimal(t) for t in terms)
    return f"As decimals, {said}. So {pick} is the {word}."


def pounds(pence: int) -> str:
    """Money in a worked answer: £3.15, and for £3.10 also the 3.1 the answer sheet takes."""
    text = f"£{pence // 100:,}.{pence % 100:02d}"
    if pence % 10 == 0:
        text += f", written {num(Fraction(pence, 100)).key}"
    return text


def solid_why(name: str, what: str) -> str:
    """Faces, edges and vertices counted from the shape of the base."""
    f, e, v = solid_facts(name)
    if "prism" in name or name in ("cube", "cuboid"):
        n = f - 2
        how = (f"it has two ends with {n} sides each: faces {n} + 2 = {f}, edges "
               f"3 {TIMES} {n} = {e}, vertices 2 {TIMES} {n} = {v}")
    else:
        n = f - 1
        how = (f"its base has {n} sides: faces {n} + 1 = {f}, edges 2 {TIMES} {n} = {e}, "
               f"vertices {n} + 1 = {v}")
    return f"{RIGHT} {what}: a {name} has {f} faces, {e} edges and {v} vertices, because {how}."


def symmetry_why(shape: str, lines: int) -> str:
    if shape.startswith("regular"):
        sides = len(SHAPES[shape][0])
        assert lines == sides
        through = (f"{sides // 2} through opposite corners and {sides // 2} through the middles "
                   "of opposite sides" if sides % 2 == 0 else
                   "each from a corner to the middle of the opposite side")
        return (f"A {shape} has as many lines of symmetry as sides, {lines}: {through}.")
    return {
        "rectangle": f"A rectangle has {lines} lines of symmetry: across the middle and down the middle. Its "
                     "diagonals are not mirror lines, as folding along one does not make the "
                     "halves fit.",
        "kite": f"A kite has {lines} line of symmetry, from its top corner to its bottom "
                "corner; folding it across does not make the halves fit.",
        "parallelogram": f"A parallelogram has {lines} lines of symmetry: folding along a "
                         "diagonal or across the middle never makes the two halves fit.",
    }[shape]


NET_WHY = {
    "cube": "all squares of the same size",
    "cuboid": "rectangles in pairs of the same size, not all squares, so it is "
              "not a cube",
    "square-based pyramid": "a square base and 4 triangles round it that meet at a point",
    "triangular prism": "3 rectangles side by side and 2 triangles for the ends",
    "triangular-based pyramid": "all triangles: a triangular base and 3 sides that "
                                "meet at a point",
}


def uniq(wrong: list[str], right: str, extra: list[str]) -> list[str]:
    out = []
    for w in wrong + extra:
        if w != right and w not in out:
            out.append(w)
    assert len(out) >= 3, (right, wrong, extra)
    return out[:3]


# ===========================================================================
# Section A: short questions

# -- whole numbers ------------------------------------------------------------

def wn_place(P: Builder) -> None:
    r = P.qrng()
    ndig = 6 if P.level < 2 else 7
    while True:
        ds = [r.randint(1, 9)] + [r.randint(0, 9) for _ in range(ndig - 1)]
        pos = r.randint(3, ndig - 1)             # a power of ten, thousands up
        d = ds[ndig - 1 - pos]
        if d and ds.count(d) == 1:
            break
    n = int("".join(map(str, ds)))
    key = d * 10 ** pos
    zeroed = int("".join("0" if c == str(d) else c for c in str(n)))
    assert n - zeroed == key
    P.one(f"What is the value of the digit {d} in the number {fmt(n)}? Write it in "
          "figures.", num(key, why=f"The {d} is in the {WN.PLACES[pos]} place, so it is "
                                   f"worth {d} {TIMES} {fmt(10 ** pos)} = {fmt(key)}."))


def wn_words(P: Builder) -> None:
    r = P.qrng()
    lo, hi = [(20_000, 99_999), (100_000, 999_999), (100_000, 999_999),
              (1_000_000, 9_999_999), (1_000_000, 9_999_999)][P.level]
    while True:
        n = r.randint(lo, hi)
        s = str(n)
        # A zero or two inside the number, where pupils slip.
        if 1 <= s.count("0") <= 3 and s[1] != "0":
            break
    text = words(n)
    assert parse_words(text) == n
    P.one(f"A newspaper reports that <i>{text}</i> people visited a festival. Write "
          "this number in figures.", num(n, why=WN.numerals_why(n)))


def wn_round(P: Builder) -> None:
    r = P.qrng()
    unit, uname = [(1000, "thousand"), (1000, "thousand"), (10_000, "ten thousand"),
                   (100_000, "hundred thousand"), (10_000, "ten thousand")][P.level]
    ndig = 6 if P.level < 3 else 7
    while True:
        n = r.randint(10 ** (ndig - 1), 10 ** ndig - 1)
        # The digit that decides is a 4, 5 or 9 (a carry) now and then.
        if str(n)[ndig - len(str(unit)) + 1] in "459":
            break
    key = round_to(n, unit)
    check_rounded(n, unit, key)
    P.one(f"The population of a city is {fmt(n)}. Round this number to the nearest "
          f"{uname}.", num(key, why=WN.round_why(n, unit)))


def wn_add(P: Builder) -> None:
    r = P.qrng()
    a = r.randint(10 ** (4 + (P.level > 1)), 10 ** (5 + (P.level > 1)) - 1)
    b = r.randint(10 ** (3 + (P.level > 2)), 10 ** (4 + (P.level > 2)) - 1)
    expr = f"{a} + {b}"
    assert evaluate(expr) == a + b
    P.one(f"Work out {show(expr)}.", num(a + b, why=WN.calc_why(expr, a + b)))


def wn_sub(P: Builder) -> None:
    r = P.qrng()
    # Subtracting across zeros: the first number has zeros in the middle.
    big = [40_003, 60_020, 300_406, 500_070, 7_000_204][P.level] + r.randint(1, 5) * 10 ** (4 + (P.level > 1))
    b = r.randint(big // 5, big // 2)
    expr = f"{big} - {b}"
    key = big - b
    assert evaluate(expr) == key and key + b == big
    P.one(f"Work out {show(expr)}.", num(key, why=WN.calc_why(expr, key)))


def wn_mult(P: Builder) -> None:
    r = P.qrng()
    if P.level < 2:
        a, b = r.randint(1234, 8765), r.randint(6, 9)
    else:
        a, b = r.randint(123 + 100 * P.level, 987), r.randint(23 + 5 * P.level, 89)
    expr = f"{a} * {b}"
    # Long multiplication, digit by digit of b, as a second route.
    rows = sum(a * int(c) * 10 ** i for i, c in enumerate(reversed(str(b))))
    assert rows == evaluate(expr)
    P.one(f"Work out {show(expr)}.", num(rows, why=WN.mult_working(a, b)))


def wn_div(P: Builder) -> None:
    r = P.qrng()
    if P.level < 3:
        d = r.randint(3 + P.level, 9)
        q = r.randint(1000 // d + 100, 9999 // d)
    else:
        d = r.randint(12, 25)
        q = r.randint(101, 9999 // d)
    n = q * d
    # Short division, digit by digit.
    carry, out = 0, ""
    for c in str(n):
        carry = carry * 10 + int(c)
        out += str(carry // d)
        carry %= d
    assert carry == 0 and int(out) == q and evaluate(f"{n} / {d}") == q
    P.one(f"Work out {show(f'{n} / {d}')}.", num(q, why=WN.div_working(n, d)))


def wn_order(P: Builder) -> None:
    r = P.qrng()
    a, b, c = r.randint(12, 60), r.randint(4, 12), r.randint(3, 9)
    forms = [f"{a} + {b} * {c}", f"{a * c} - {b * c} / {c}", f"({a} - {b}) * {c}",
             f"{a} * {c} - {b} * {c}", f"{a} * ({b} + {c}) - {b} * {c}"]
    expr = forms[P.level]
    key = evaluate(expr)
    assert key.denominator == 1 and key > 0
    # The step-by-step value, multiplication and division before + and -.
    steps = {0: a + b * c, 1: a * c - b, 2: (a - b) * c, 3: a * c - b * c,
             4: a * b + a * c - b * c}[P.level]
    assert steps == key
    P.one(f"Work out {show(expr)}. Remember the order of operations.",
          num(key, why=WN.calc_why(expr, int(key))))


def wn_factor_q(P: Builder) -> None:
    r = P.qrng()
    while True:
        common = r.choice([6, 7, 8, 9, 12, 15][P.level:P.level + 3])
        x, y = common * r.randint(3, 8), common * r.randint(3, 8)
        cf = [d for d in factors(x) if y % d == 0]
        only_x = [d for d in factors(x) if y % d and 2 < d < x]
        only_y = [d for d in factors(y) if x % d and 2 < d < y]
        if x != y and max(cf) == common and only_x and only_y:
            break
    # A common factor that is not the highest, and factors of one number only.
    smaller = [d for d in cf if 1 < d < common]
    wrong = [str(d) for d in smaller[-1:]] + [str(only_x[-1]), str(only_y[-1])]
    wrong = uniq(wrong, str(common), [str(only_x[0]), str(only_y[0]), str(common * 2)])
    # Checked again by division: no wrong option divides both numbers
    # unless it is smaller than the answer, and nothing above it does.
    assert x % common == 0 and y % common == 0
    assert all(int(w) < common or x % int(w) or y % int(w) for w in wrong)
    assert not any(x % k == 0 and y % k == 0 for k in range(common + 1, min(x, y) + 1))
    below = [w for w in wrong if x % int(w) == 0 and y % int(w) == 0]
    also = (f" {below[0]} divides both too, but it is not the highest." if below else "")
    P.choose(f"Which number is the highest common factor of {x} and {y}?",
             str(common), wrong,
             why=f"{RIGHT}: {x} = {common} {TIMES} {x // common} and {y} = {common} {TIMES} "
                 f"{y // common}, and no bigger number divides both.{also}")


def wn_prime_q(P: Builder) -> None:
    r = P.qrng()
    lo = [20, 30, 50, 100, 90][P.level]
    if P.level % 2 == 0:
        primes = [n for n in range(lo, lo + 40) if is_prime(n)]
        tricky = [n for n in range(lo, lo + 40) if n % 2 and not is_prime(n) and n % 5]
        right = r.choice(primes)
        wrong = r.sample(tricky, 3)
        assert is_prime(right) and not any(is_prime(w) for w in wrong)
        P.choose("Which of these numbers is a prime number?", str(right),
                 [str(w) for w in wrong],
                 why=f"{RIGHT} has only two factors, 1 and itself. The others are not "
                     f"prime: {', '.join(WN.not_prime(w) for w in wrong)}.")
    else:
        sq = [n for n in range(lo, lo + 60) if is_square(n)]
        right = r.choice(sq)
        k = int(round(right ** 0.5))
        wrong = [right + 1, 2 * k * 2 if not is_square(4 * k) else right + k, right - 2]
        wrong = [w for w in wrong if not is_square(w)]
        wrong = uniq([str(w) for w in wrong], str(right), [str(right + 10), str(right - 10)])
        assert is_square(right) and not any(is_square(int(w)) for w in wrong)
        P.choose("Which of these numbers is a square number?", str(right), wrong,
                 why=f"{RIGHT}: {k} {TIMES} {k} = {right}. Not one of the others is a whole "
                     "number multiplied by itself.")


# -- angles and graphs ----------------------------------------------------------

def an_straight(P: Builder) -> None:
    r = P.qrng()
    if P.level < 2:
        t = r.randint(25, 75) + (0 if P.level == 0 else 60)
        rays, marks = [0, t, 180], [(0, f"{t}°"), (1, "x")]
        key, known = 180 - t, [t]
    else:
        a, c = r.randint(35, 60), r.randint(35, 60)
        key = 180 - a - c
        rays, marks = [0, a, a + key, 180], [(0, f"{a}°"), (1, "x"), (2, f"{c}°")]
        known = [a, c]
    assert key + sum(known) == 180 and key >= 30
    svg = AN.ray_angles_figure(rays, marks, None, None, w=400, h=240, c=(200, 170),
                               length=150)
    given = ", ".join(f"{k}°" for k in known)
    page = P.one(f"The diagram shows angles on a straight line: the angle{'s' * (len(known) > 1)} "
                 f"marked {given} and angle <i>x</i>. Work out the size of angle <i>x</i>. "
                 f"{NO_DEG}", num(key, why="Angles on a straight line add up to 180°: "
                                 f"x = 180° - {'° - '.join(map(str, known))}° = {key}°."),
                 "<i>x</i> = ______°")
    P.draw(page, svg, "Angles on a straight line, one marked x")


def an_type_q(P: Builder) -> None:
    r = P.qrng()
    who, he = P.name()
    deg = [r.randint(95, 170), r.randint(190, 340), r.randint(91, 99),
           r.randint(181, 190), r.randint(171, 179)][P.level]
    right = AN.kind(deg)
    reason = {"Acute angle": "less than 90°", "Right angle": "exactly 90°",
              "Obtuse angle": "more than 90° but less than 180°",
              "Reflex angle": "more than 180° but less than 360°"}[right]
    P.choose(f"{who} measures an angle of {deg}° with a protractor. Which kind of "
             "angle has " + he + " measured?", right,
             [t for t in AN.TYPES if t != right],
             why=f"{RIGHT}: {deg}° is {reason}.")


def an_triangle(P: Builder) -> None:
    r = P.qrng()
    a = r.randint(30, 80)
    b = r.randint(25, 150 - a - 5 * P.level)
    key = 180 - a - b
    assert key > 0 and a + b + key == 180
    things = ["flag", "road sign", "sail", "slice of pizza", "tent door"]
    P.one(f"A triangular {things[P.level]} has two angles of {a}° and {b}°. What is the "
          f"size of its third angle? {NO_DEG}",
          num(key, why=f"The angles of a triangle add up to 180°: 180° - {a}° - {b}° = "
                       f"{key}°."), "Ans: ______°")


def an_coords_q(P: Builder) -> None:
    r = P.qrng()
    pts, used = {}, set()
    for letter in r.sample("ABCDEFGHJKLMNPQRST", 3):
        while True:
            p = (r.randint(1, 7), r.randint(1, 7))
            if (p[0] != p[1] and (p[1], p[0]) not in used
                    and all(math.dist(p, q) >= 2.5 for q in used)):
                break
        pts[letter] = p
        used.add(p)
    which = sorted(pts)[P.level % 3]
    x, y = pts[which]
    right = f"({x}, {y})"
    wrong = uniq([f"({y}, {x})", f"({x + 1}, {y})", f"({x}, {y - 1})"], right,
                 [f"({x - 1}, {y})"])
    page = P.choose(f"The grid shows the positions of some treasure. What are the "
                    f"coordinates of point {which}?", right, wrong,
                    why=f"{RIGHT}: from 0, point {which} is {x} along and {y} up. Always "
                        f"go along first, then up, so ({y}, {x}) is the wrong way round.")
    P.draw(page, AN.coords_figure(pts), f"A coordinate grid with points "
           f"{', '.join(sorted(pts))}")


# -- fractions --------------------------------------------------------------------

def fr_simplify(P: Builder) -> None:
    r = P.qrng()
    while True:
        d = r.randint(3, 9 + P.level)
        n = r.randint(1, d - 1)
        if Fraction(n, d).denominator == d:
            break
    k = r.randint(3, 6 + P.level)
    x = Fraction(n * k, d * k)
    assert lowest_slow(n * k, d * k) == (x.numerator, x.denominator)
    P.one(f"Write {n * k}/{d * k} in its simplest form. {FRAC}",
          frac_key(x, "F", why=FP.simplest_why(n * k, d * k)))


def fr_addsub(P: Builder) -> None:
    r = P.qrng()
    while True:
        b, d = r.sample([3, 4, 5, 6, 8, 10, 12][:4 + P.level // 2 + 1], 2)
        a, c = r.randint(1, b - 1), r.randint(1, d - 1)
        x, y = Fraction(a, b), Fraction(c, d)
        op = "+" if P.level in (0, 2, 4) else "-"
        v = x + y if op == "+" else x - y
        if 0 < v < 1 and x.denominator == b and y.denominator == d:
            break
    # Over the common denominator b*d with whole numbers.
    top = a * d + c * b if op == "+" else a * d - c * b
    assert Fraction(top, b * d) == v and lowest_slow(top, b * d) == (v.numerator, v.denominator)
    sign = "+" if op == "+" else MINUS
    P.one(f"Work out {a}/{b} {sign} {c}/{d}. {FRAC}",
          frac_key(v, "F", why=FP.working(f"{a}/{b} {op} {c}/{d}", "F")))


def fr_convert(P: Builder) -> None:
    r = P.qrng()
    d = r.randint(3, 9 + P.level)
    w = r.randint(2, 4 + P.level)
    while True:
        n = r.randint(1, d - 1)
        if Fraction(n, d).denominator == d:
            break
    x = w + Fraction(n, d)
    assert x.numerator == w * d + n
    if P.level % 2 == 0:
        P.one(f"Write {x.numerator}/{d} as a mixed number. {MIXED}",
              frac_key(x, "X", why=FP.mixed_why(x.numerator, d)))
    else:
        P.one(f"Write {w}{NBSP}{n}/{d} as an improper fraction. {IMPROPER}",
              frac_key(x, "I", why=FP.improper_why(f"{w} {n}/{d}")))


def fr_of(P: Builder) -> None:
    r = P.qrng()
    d = r.randint(3, 9 + P.level)
    while True:
        n = r.randint(1 if P.level == 0 else 2, d - 1)
        if Fraction(n, d).denominator == d:
            break
    amount = d * r.randint(6, 12 + 3 * P.level)
    key = amount // d * n
    assert Fraction(n, d) * amount == key
    units = [("kg", "of potatoes"), ("m", "of rope"), ("ml", "of juice"),
             ("g", "of flour"), ("cm", "of ribbon")][P.level]
    u = units[0]
    if n == 1:
        why = f"To find 1/{d}, divide by {d}: {amount} {DIVIDE} {d} = {key} {u}."
    else:
        why = (f"First find 1/{d}: {amount} {DIVIDE} {d} = {amount // d} {u}. Then {n}/{d} "
               f"is {n} {TIMES} {amount // d} = {key} {u}.")
    P.one(f"What is {n}/{d} of {amount} {u}?", num(key, why=why), f"Ans: ______ {u}")


def fr_compare_q(P: Builder) -> None:
    r = P.qrng()
    while True:
        ds = r.sample([3, 4, 5, 6, 7, 8, 9, 10, 12], 4)
        fr = [Fraction(r.randint(1, d - 1), d) for d in ds]
        if len(set(fr)) == 4 and all(f.denominator == d for f, d in zip(fr, ds)):
            break
    largest = P.level % 2 == 0
    right = max(fr) if largest else min(fr)
    # Check by cross-multiplying whole numbers.
    for f in fr:
        if f != right:
            lhs, rhs = right.numerator * f.denominator, f.numerator * right.denominator
            assert (lhs > rhs) == largest
    word = "largest" if largest else "smallest"
    P.choose(f"Which of these fractions is the {word}?",
             fs(right), [fs(f) for f in fr if f != right],
             why=f"{RIGHT}. " + compare_fractions_why([fs(f) for f in fr], fs(right), word))


# -- decimals ---------------------------------------------------------------------

def de_digit(P: Builder) -> None:
    r = P.qrng()
    places = 2 if P.level < 2 else 3
    while True:
        s = f"{r.randint(1, 99)}." + "".join(str(r.randint(0, 9)) for _ in range(places))
        frac = s.split(".")[1]
        pos = r.randint(0, places - 1) if P.level else 1
        d = frac[pos]
        if d != "0" and s.count(d) == 1 and s[-1] != "0":
            break
    key = Fraction(int(d), 10 ** (pos + 1))
    assert Fraction(s) - Fraction(s.replace(d, "0")) == key
    P.one(f"What is the value of the digit {d} in {s}? {DEC}",
          num(key, why=f"The {d} is in the {DE.AFTER_POINT[pos]} place, so it is worth "
                       f"{d}/{10 ** (pos + 1)} = {num(key).key}."))


def de_addsub(P: Builder) -> None:
    r = P.qrng()
    a = Fraction(r.randint(1000, 9999), 100)
    while True:
        b = Fraction(r.randint(100, 999), 10 if P.level < 2 else 100 * (1 + (P.level > 3) * 9))
        if b.denominator > 1:
            break
    if P.level % 2:
        a, b = max(a, b), min(a, b)
        v, sign = a - b, MINUS
    else:
        v, sign = a + b, "+"
    # The same sum in hundredths (or thousandths) as whole numbers.
    scale = 1000
    ai, bi = int(a * scale), int(b * scale)
    assert Fraction(ai + bi if sign == "+" else ai - bi, scale) == v
    why = DE.dec_working(f"{num(a).key} {'+' if sign == '+' else '-'} {num(b).key}")
    P.one(f"Work out {dec_str(a)} {sign} {dec_str(b)}. {DEC}" if v.denominator > 1
          else f"Work out {dec_str(a)} {sign} {dec_str(b)}.", num(v, why=why))


def de_scale(P: Builder) -> None:
    r = P.qrng()
    x = Fraction(r.randint(101, 9999), 10 ** r.randint(1, 2))
    k = [10, 100, 1000, 100, 1000][P.level]
    mult = P.level in (0, 2)
    v = x * k if mult else x / k
    # Moving the digits: the same digits, with the point moved.
    strip = lambda t: t.replace(".", "").strip("0")
    shift = len(str(k)) - 1
    assert strip(num(v).key) == strip(num(x).key)
    assert Decimal(num(x).key).scaleb(shift if mult else -shift) == Decimal(num(v).key)
    op = TIMES if mult else DIVIDE
    why = DE.dec_working(f"{num(x).key} {'*' if mult else '/'} {k}")
    P.one(f"Work out {dec_str(x)} {op} {fmt(k)}." + (f" {DEC}" if v.denominator > 1 else ""),
          num(v, why=why))


def de_round(P: Builder) -> None:
    r = P.qrng()
    places_in = 2 if P.level < 2 else 3
    while True:
        x = Fraction(r.randint(10 ** places_in, 99 * 10 ** places_in), 10 ** places_in)
        to = 1 if P.level != 1 else 0
        scale = 10 ** to
        f = x * scale + Fraction(1, 2)
        key = Fraction(f.numerator // f.denominator, scale)
        # A tenths answer that is not a whole number, so "86.0" never arises.
        if (num(x).key.count(".") and len(num(x).key.split(".")[1]) == places_in
                and (to == 0 or key.denominator > 1)):
            break
    assert abs(key - x) <= Fraction(1, 2 * scale)
    what = "one decimal place" if to else "the nearest whole number"
    tail = f" {DEC}" if to else ""
    P.one(f"A runner's time was {dec_str(x)} seconds. Round this time to {what}.{tail}",
          num(key, why=DE.round_why(num(x).key, to)), "Ans: ______ seconds")


def de_frac(P: Builder) -> None:
    r = P.qrng()
    d = [4, 5, 20, 25, 8][P.level]
    while True:
        n = r.randint(1, d - 1)
        if Fraction(n, d).denominator == d:
            break
    v = Fraction(n, d)
    # Long division to three places.
    rem, digits = n, ""
    for _ in range(3):
        rem *= 10
        digits += str(rem // d)
        rem %= d
    assert rem == 0 and Fraction(int(digits), 1000) == v
    P.one(f"Write {n}/{d} as a decimal.", num(v, why=DE.frac_why(f"{n}/{d}")))


# -- area and perimeter --------------------------------------------------------------

def ar_rect(P: Builder) -> None:
    r = P.qrng()
    w = r.randint(6, 12 + 2 * P.level)
    h = r.randint(3, w - 1)
    pts = AP.rect_pts(w, h)
    per = AP.walk(pts)
    assert per == 2 * (w + h)
    who, _ = P.name()
    svg = AP.outline_figure(pts, {0: w, 1: h}, "m", right=(0, 1, 2, 3))
    page = P.one(f"{who}'s rectangular vegetable plot is shown. What is its perimeter?",
                 num(per, why=f"Two lengths and two widths: 2 {TIMES} ({w} + {h}) = 2 {TIMES} {w + h} "
                              f"= {per} m."), "Ans: ______ m")
    P.draw(page, svg, f"A rectangle {w} m by {h} m")


def random_rows(r: random.Random, nx: int, ny: int) -> list[str]:
    """A shape of whole squares with no holes: each row one run of squares,
    overlapping the run above."""
    while True:
        rows, prev = [], None
        for _ in range(ny):
            while True:
                a = r.randint(0, nx - 2)
                b = r.randint(a + 1, nx)
                if prev is None or (a < prev[1] and b > prev[0]):
                    break
            rows.append("." * a + "#" * (b - a) + "." * (nx - b))
            prev = (a, b)
        if any(row[0] == "#" for row in rows) and any(row[-1] == "#" for row in rows):
            return rows


def ar_grid(P: Builder) -> None:
    r = P.qrng()
    rows = random_rows(r, 5 + P.level // 2, 4 + P.level // 3)
    area = AP.grid_area(rows)
    # Counted again run by run.
    assert area == sum(len(row.strip(".")) for row in rows)
    who, he = P.name()
    page = P.one(f"{who}'s patio is made of square paving slabs. Each slab is 1 m" + SQ +
                 f". The shaded shape on the grid shows the patio. What is the area of "
                 f"{poss(he)} patio?",
                 num(area, why="Count the shaded squares row by row: "
                               f"{' + '.join(str(len(row.strip('.'))) for row in rows)} = "
                               f"{area}, and each square is 1 m{SQ}, so the area is "
                               f"{area} m{SQ}."),
                 "Ans: ______ m" + SQ)
    P.draw(page, AP.grid_figure(rows), "A shaded shape on a grid of squares")


# -- solids, symmetry and volume -------------------------------------------------------

def solid_facts(name: str) -> tuple[int, int, int]:
    """Faces, edges and vertices from the shape of the base."""
    prisms = {"cube": 4, "cuboid": 4, "triangular prism": 3, "pentagonal prism": 5,
              "hexagonal prism": 6}
    pyramids = {"square-based pyramid": 4, "triangular-based pyramid": 3,
                "pentagonal-based pyramid": 5, "hexagonal-based pyramid": 6}
    if name in prisms:
        n = prisms[name]
        f, e, v = n + 2, 3 * n, 2 * n
    else:
        n = pyramids[name]
        f, e, v = n + 1, 2 * n, n + 1
    assert f + v - e == 2     # Euler's rule, a second check
    return f, e, v


def so_faces_q(P: Builder) -> None:
    r = P.qrng()
    things = [("tent", "triangular prism", "edges"),
              ("paperweight", "square-based pyramid", "vertices"),
              ("pencil box", "hexagonal prism", "faces"),
              ("gift box", "pentagonal prism", "edges"),
              ("candle", "hexagonal-based pyramid", "edges")]
    thing, solid, what = things[P.level]
    f, e, v = solid_facts(solid)
    key = {"faces": f, "edges": e, "vertices": v}[what]
    wrong = uniq([str(x) for x in (f, e, v) if x != key], str(key),
                 [str(key + 1), str(key - 1), str(key + 2)])
    who, he = P.name()
    P.choose(f"{who}'s {thing} is shaped like a {solid}. How many {what} does the "
             f"{thing} have?", str(key), wrong, why=solid_why(solid, what))


def regular(n: int, rad=90, rot=-90):
    return [(rad * math.cos(math.radians(rot + 360 * k / n)),
             rad * math.sin(math.radians(rot + 360 * k / n))) for k in range(n)]


SHAPES = {
    "rectangle": ([(0, 0), (200, 0), (200, 110), (0, 110)], 2),
    "regular hexagon": (regular(6, rot=0), 6),
    "kite": ([(0, -90), (60, -30), (0, 110), (-60, -30)], 1),
    "regular pentagon": (regular(5), 5),
    "isosceles trapezium": ([(-60, 0), (60, 0), (110, 100), (-110, 100)], 1),
    "parallelogram": ([(0, 0), (180, 0), (240, 100), (60, 100)], 0),
    "regular octagon": (regular(8, rot=22.5), 8),
    "rhombus": ([(0, -100), (70, 0), (0, 100), (-70, 0)], 2),
    "equilateral triangle": (regular(3, rad=100), 3),
}


def sym_badge(P: Builder) -> None:
    shape = ["rectangle", "kite", "regular hexagon", "parallelogram", "regular octagon"][P.level]
    pts, expected = SHAPES[shape]
    key = lines_of_symmetry(pts)
    assert key == expected, (shape, key)
    item = ["window", "kite", "floor tile", "road sign", "coaster"][P.level]
    what = "" if item == "kite" else f" The {item} is in the shape of a {shape}."
    page = P.one(f"The picture shows a {item}.{what} How many lines of symmetry "
                 "does it have? Write the number only.",
                 num(key, why=symmetry_why(shape, key)))
    P.draw(page, polygons_svg([pts]), f"A {shape}")


def net_polys(solid: str, rng: random.Random):
    """The faces of a net, as polygons in pixels."""
    S = 50
    sq = lambda x, y, w=S, h=S: [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]
    th = S * math.sqrt(3) / 2
    if solid == "cube":
        return [sq(S, 0), sq(0, S), sq(S, S), sq(2 * S, S), sq(3 * S, S), sq(S, 2 * S)]
    if solid == "cuboid":
        a, b, c = 80, 50, 30                      # length, width, height
        return [sq(c, 0, a, c), sq(0, c, c, b), sq(c, c, a, b), sq(c + a, c, c, b),
                sq(2 * c + a, c, a, b), sq(c, c + b, a, c)]
    if solid == "square-based pyramid":
        x, y = th, th
        return [sq(x, y), [(x, y), (x + S, y), (x + S / 2, 0)],
                [(x + S, y), (x + S, y + S), (x + S + th, y + S / 2)],
                [(x, y + S), (x + S, y + S), (x + S / 2, y + S + th)],
                [(x, y), (x, y + S), (x - th, y + S / 2)]]
    if solid == "triangular prism":
        L = 90
        return [sq(0, th, L, S), sq(0, th + S, L, S), sq(0, th + 2 * S, L, S),
                [(L, th + S), (L, th + 2 * S), (L + th, th + 1.5 * S)],
                [(0, th + S), (0, th + 2 * S), (-th, th + 1.5 * S)]]
    if solid == "triangular-based pyramid":
        S, th = 75, 75 * math.sqrt(3) / 2
        A, B, C = (0, 2 * th), (2 * S, 2 * th), (S, 0)
        mab, mbc, mca = (S, 2 * th), (1.5 * S, th), (S / 2, th)
        return [[A, mab, mca], [mab, B, mbc], [mca, mbc, C], [mca, mab, mbc]]
    raise ValueError(solid)


def so_net_q(P: Builder) -> None:
    r = P.qrng()
    solid = ["cube", "square-based pyramid", "triangular prism", "cuboid",
             "triangular-based pyramid"][P.level]
    polys = net_polys(solid, r)
    f, _, _ = solid_facts(solid)
    assert len(polys) == f
    # The kinds of face drawn match the solid: prisms have two end faces.
    tri = sum(1 for p in polys if len(p) == 3)
    assert tri == {"cube": 0, "cuboid": 0, "square-based pyramid": 4,
                   "triangular prism": 2, "triangular-based pyramid": 4}[solid]
    others = {"cube": ["Cylinder", "Square-based pyramid", "Triangular prism"],
              "square-based pyramid": ["Triangular prism", "Cube",
                                       "Triangular-based pyramid"],
              "triangular prism": ["Triangular-based pyramid", "Square-based pyramid",
                                   "Cuboid"],
              "cuboid": ["Cube", "Triangular prism", "Square-based pyramid"],
              "triangular-based pyramid": ["Square-based pyramid", "Triangular prism",
                                           "Cube"]}[solid]
    who, he = P.name()
    page = P.choose(f"{who} cuts this net out of card to make a model for a school "
                    f"display. Which solid will {he} make when {he} folds it up?",
                    cap(solid), others,
                    why=f"{RIGHT}: the net has {f} faces, {NET_WHY[solid]}.")
    P.draw(page, polygons_svg(polys), "The net of a solid")


def vol_count(P: Builder) -> None:
    r = P.qrng()
    l, w, h = [(3, 2, 2), (4, 2, 3), (4, 3, 2), (5, 3, 3), (5, 4, 3)][P.level]
    cubes = cuboid_cubes(l, w, h)
    assert len(cubes) == l * w * h
    who, he = P.name()
    page = P.one(f"{who} glues 1 cm cubes together to make this solid block. There are "
                 f"no gaps inside it. What is the volume of {poss(he)} block?",
                 num(len(cubes), why=f"Each layer has {l} {TIMES} {w} = {l * w} cubes, "
                                     f"and there are {h} layers: {l * w} {TIMES} {h} = "
                                     f"{len(cubes)} cubes, so {len(cubes)} cm{CU}."),
                 "Ans: ______ cm" + CU)
    P.draw(page, iso_cubes(cubes), f"A cuboid made of {l} by {w} by {h} cubes")


# ===========================================================================
# Section B: problems

def wn_money(P: Builder) -> None:
    r = P.qrng()
    who, he = P.name()
    n = r.randint(12, 28) + 5 * P.level
    price = r.randint(6, 15) + P.level
    adult = n // 6 + 1
    aprice = price + r.randint(3, 8)
    kids = n * price
    total = kids + adult * aprice
    assert evaluate(f"{n} * {price} + {adult} * {aprice}") == total
    P.parts(f"A school takes {n} children and {adult} adults to a wildlife park. A "
            f"child's ticket costs £{price} and an adult's ticket costs £{aprice}.",
            [("How much do the children's tickets cost altogether? £______",
              num(kids, why=f"{n} tickets at £{price} each: {n} {TIMES} £{price} = £{kids}.")),
             ("How much do all the tickets cost altogether? £______",
              num(total, 2, why=f"The adults' tickets cost {adult} {TIMES} £{aprice} = "
                                f"£{adult * aprice}. Altogether £{kids} + £{adult * aprice} = "
                                f"£{total}."))])


def wn_buses(P: Builder) -> None:
    r = P.qrng()
    seats = r.choice([29, 33, 41, 45, 49, 52, 53])
    while True:
        people = r.randint(150 + 60 * P.level, 300 + 120 * P.level)
        if people % seats:
            break
    key = -(-people // seats)
    assert (key - 1) * seats < people <= key * seats
    P.one(f"{fmt(people)} pupils are going on a trip. Each coach can carry {seats} "
          "pupils. What is the smallest number of coaches needed?",
          num(key, 2, why=f"{fmt(people)} {DIVIDE} {seats} = {people // seats} r "
                          f"{people % seats}. {people // seats} coaches carry only "
                          f"{fmt(people // seats * seats)} pupils, so the other "
                          f"{people % seats} need one more coach: {key} coaches."),
          "Ans: ______ coaches")


def wn_long_mult(P: Builder) -> None:
    r = P.qrng()
    boxes = r.randint(24, 48 + 10 * P.level)
    per = r.randint(125, 350 + 50 * P.level)
    used = r.randint(100, per * 3)
    key = boxes * per - used
    rows = sum(per * int(c) * 10 ** i for i, c in enumerate(reversed(str(boxes))))
    assert rows - used == key == evaluate(f"{boxes} * {per} - {used}")
    P.one(f"A warehouse has {boxes} boxes of pencils. There are {per} pencils in each "
          f"box. {fmt(used)} pencils are sent to a school. How many pencils are left "
          "in the warehouse?",
          num(key, 2, why=f"{WN.mult_working(per, boxes)[:-1]} pencils. Take away those "
                          f"sent: {fmt(boxes * per)} - {fmt(used)} = {fmt(key)}."),
          "Ans: ______ pencils")


def wn_lcm(P: Builder) -> None:
    r = P.qrng()
    while True:
        a, b = r.sample([6, 8, 9, 10, 12, 15, 20][:4 + P.level // 2 + 1], 2)
        lcm = a * b // math.gcd(a, b)
        if lcm not in (a, b) and lcm <= 60:
            break
    # The first time in both lists of multiples.
    key = min(set(range(a, a * b + 1, a)) & set(range(b, a * b + 1, b)))
    assert key == lcm
    start = [8, 9, 10, 7, 11][P.level]
    P.one(f"At a bus station, one bus leaves every {a} minutes and another leaves every "
          f"{b} minutes. Both buses leave together at {start} o'clock. How many minutes "
          "later do they next leave together?",
          num(key, 2, why=f"Multiples of {a}: {', '.join(map(str, range(a, key + 1, a)))}. "
                          f"Multiples of {b}: {', '.join(map(str, range(b, key + 1, b)))}. "
                          f"The first number in both lists is {key}."),
          "Ans: ______ minutes")


BAR_CONTEXTS = [
    ("Books borrowed from the library", "Number of books", "books",
     ["Mon", "Tue", "Wed", "Thu", "Fri"], "the number of books borrowed from a school "
     "library each day", "borrowed"),
    ("Cakes baked for the summer fair", "Number of cakes", "cakes",
     ["Year 2", "Year 3", "Year 4", "Year 5", "Year 6"], "the number of cakes each "
     "year group baked for the summer fair", "baked"),
    ("Tickets sold for the school play", "Number of tickets", "tickets",
     ["Mon", "Tue", "Wed", "Thu", "Fri"], "the number of tickets sold for the school "
     "play each day", "sold"),
    ("Bags of litter collected", "Number of bags", "bags",
     ["Class 1", "Class 2", "Class 3", "Class 4", "Class 5"], "the number of bags of "
     "litter each class collected on a beach clean", "collected"),
    ("Visitors to the farm", "Number of visitors", "visitors",
     ["Mon", "Tue", "Wed", "Thu", "Fri"], "the number of visitors to a farm each day",
     "counted"),
]


def an_bar(P: Builder) -> None:
    r = P.qrng()
    title, axis, unit, labels, what, verb = BAR_CONTEXTS[P.level]
    days = {"Mon": "Monday", "Tue": "Tuesday", "Wed": "Wednesday", "Thu": "Thursday",
            "Fri": "Friday"}

    def where(label: str) -> str:
        if label in days:
            return "on " + days[label]
        assert label.startswith(("Class", "Year")), label
        return "by " + label
    step, top = [(2, 20), (5, 40), (5, 50), (10, 80), (20, 160)][P.level]
    half = step // 2 if step % 2 == 0 else step
    while True:
        values = [half * r.randint(2, top // half) for _ in labels]
        if (len(set(values)) == 5 and values.count(max(values)) == 1
                and (P.level < 3 or sum(values) % 5 == 0)):
            break
    svg = AN.bar_figure(labels, values, step, top, title, axis)
    assert AN.reread_bars(svg, top) == values
    i = values.index(max(values))
    j = values.index(min(values))
    k = r.choice([x for x in range(5) if x not in (i, j)])
    total = " + ".join(map(str, values)) + f" = {sum(values)}"
    parts = [(f"How many {unit} were {verb} {where(labels[k])}? ______",
              num(values[k], why=f"The top of the {labels[k]} bar is level with {values[k]} "
                                 "on the scale.")),
             (f"How many more {unit} were {verb} {where(labels[i])} than "
              f"{where(labels[j])}? ______",
              num(values[i] - values[j], 2,
                  why=f"The {labels[i]} bar shows {values[i]} and the {labels[j]} bar shows "
                      f"{values[j]}: {values[i]} - {values[j]} = {values[i] - values[j]}."))]
    if P.level < 3:
        parts.append((f"How many {unit} were {verb} altogether? ______",
                      num(sum(values), 2, why=f"Add the five bars: {total}.")))
    else:
        mean = Fraction(sum(values), 5)
        assert mean.denominator == 1
        parts.append((f"What is the mean number of {unit}? ______",
                      num(mean, 2, why=f"Add the five bars: {total}. The mean is the total "
                                       f"shared equally between the 5 bars: {sum(values)} "
                                       f"{DIVIDE} 5 = {mean}.")))
    page = P.parts(f"The bar chart shows {what}. (Write each answer as a number only.)",
                   parts)
    P.draw(page, svg, f"Bar chart: {title}")


def an_point(P: Builder) -> None:
    r = P.qrng()
    while True:
        known = [r.randint(6, 16) * 5 + r.randint(0, 4) * P.level
                 for _ in range(1 + (P.level >= 2))]
        rest = 360 - sum(known)
        if rest % 2 or not 40 <= rest // 2 <= 150:
            continue
        key = rest // 2
        sizes = [known[0], key] + known[1:] + [key]
        assert sum(sizes) == 360
        rays, a = [], 15
        for d in sizes:
            rays.append(a)
            a += d
        # Two paths that look like one straight line would invite "angles on a straight line
        # make 180°", which these angles do not obey.
        if all(abs((b - a) % 360 - 180) >= 25 for i, a in enumerate(rays) for b in rays[i + 1:]):
            break
    marks = [(i, "y" if i in (1, len(sizes) - 1) else f"{d}°") for i, d in enumerate(sizes)]
    svg = AN.ray_angles_figure(rays, marks, None, None, w=360, h=320, c=(180, 160),
                               length=120)
    count = ["", "", "", "Three", "Four"][len(sizes)]
    given = ", ".join(f"{k}°" for k in known)
    place = ["fountain", "statue", "bandstand", "maypole", "sundial"][P.level]
    page = P.one(f"{count} straight paths lead away from a {place}, making {count.lower()} angles "
                 f"at a point: {given} and two angles marked <i>y</i>, which are equal. "
                 "Work out the size "
                 f"of angle <i>y</i>. {NO_DEG}",
                 num(key, 2, why="Angles at a point add up to 360°. The two y angles make "
                                 f"360° - {'° - '.join(map(str, known))}° = {rest}°, so "
                                 f"y = {rest}° {DIVIDE} 2 = {key}°."),
                 "<i>y</i> = ______°")
    P.draw(page, svg, "Angles around a point, two of them marked y")


LINE_CONTEXTS = [
    ("Temperature in the garden", "Temperature (°C)", "degrees",
     ["9 am", "10 am", "11 am", "12 noon", "1 pm", "2 pm"], "the temperature in a "
     "garden one day, in °C", 2, 20),
    ("Height of a bean plant", "Height (cm)", "centimetres",
     [f"Week {k}" for k in range(1, 7)], "the height of a bean plant, in centimetres, at "
     "the end of each week", 4, 40),
    ("Cars in the car park", "Number of cars", "cars",
     ["8 am", "9 am", "10 am", "11 am", "12 noon", "1 pm"], "the number of cars in a "
     "car park each hour", 10, 80),
    ("Water in a rain barrel", "Water (litres)", "litres",
     ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat"], "the amount of water, in litres, in a "
     "rain barrel each evening", 20, 160),
    ("Swimmers at the pool", "Number of swimmers", "swimmers",
     ["10 am", "11 am", "12 noon", "1 pm", "2 pm", "3 pm"], "the number of people "
     "swimming at a pool each hour", 20, 200),
]


def an_line(P: Builder) -> None:
    r = P.qrng()
    title, axis, unit, labels, what, step, top = LINE_CONTEXTS[P.level]
    half = step // 2
    while True:
        # Readings that change a little at a time; a plant only grows.
        values = [half * r.randint(1, top // half // 2)]
        for _ in labels[1:]:
            move = r.randint(1, 3) if unit == "centimetres" else r.choice([-3, -2, -1, 1, 2, 3])
            values.append(values[-1] + half * move)
        if not all(0 < v <= top for v in values):
            continue
        if (len(set(values)) >= 5 and values.count(max(values)) == 1
                and values.count(min(values)) == 1 and values[2] > values[0]
                and values[2] - values[0] != max(values) - min(values)):
            break
    svg = AN.line_figure(labels, values, step, top, title, axis)
    assert AN.reread_line(svg, top) == values
    days = {"Mon": "Monday", "Wed": "Wednesday"}

    def when(label: str) -> str:
        return f"on {days[label]} evening" if label in days else f"at {label}"

    weekdays = {"Mon": "Monday", "Tue": "Tuesday", "Wed": "Wednesday", "Thu": "Thursday",
                "Fri": "Friday", "Sat": "Saturday"}

    def at(label: str) -> str:
        if unit == "centimetres":
            return f"at the end of {label}"
        return f"on {weekdays[label]} evening" if label in weekdays else f"at {label}"

    hi, lo = values.index(max(values)), values.index(min(values))
    rise = num(values[2] - values[0], 2,
               why=f"The graph reads {values[0]} {at(labels[0])} and {values[2]} "
                   f"{at(labels[2])}: {values[2]} - {values[0]} = {values[2] - values[0]}.")
    parts = [(f"How many more {unit} were there {when(labels[2])} than "
              f"{when(labels[0])}? ______" if unit != "degrees" else
              f"How many degrees warmer was it at {labels[2]} than at {labels[0]}? ______",
              rise),
             (f"What is the difference between the greatest and the smallest reading "
              f"on the graph? ______",
              num(max(values) - min(values), 2,
                  why=f"The greatest reading is {max(values)}, {at(labels[hi])}, and the "
                      f"smallest is {min(values)}, {at(labels[lo])}: {max(values)} - "
                      f"{min(values)} = {max(values) - min(values)}."))]
    if unit == "centimetres":
        parts[0] = (f"How many centimetres did the plant grow from the end of "
                    f"{labels[0]} to the end of {labels[2]}? ______", rise)
    page = P.parts(f"The line graph shows {what}. (Write each answer as a number only.)",
                   parts)
    P.draw(page, svg, f"Line graph: {title}")


def an_clock(P: Builder) -> None:
    r = P.qrng()
    if P.level % 2 == 0:
        h = [r.choice([2, 4, 5]), 0, r.choice([7, 8, 10]), 0, r.choice([1, 11, 5])][P.level]
        big = 30 * h
        key = min(big, 360 - big)
        # Counting the hour marks between the hands the short way round.
        marks = min(h, 12 - h)
        assert key == marks * 360 // 12
        P.one(f"What is the size of the smaller angle between the hour hand and the "
              f"minute hand of a clock at {h} o'clock? {NO_DEG}",
              num(key, 2, why=f"The 12 numbers are 360° {DIVIDE} 12 = 30° apart. At {h} "
                              f"o'clock the hands are {marks} numbers apart the short way "
                              f"round: {marks} {TIMES} 30° = {key}°."),
              "Ans: ______°")
    else:
        m = r.choice([20, 25, 35, 40, 50]) + (5 if P.level == 3 else 0)
        m = min(m, 55)
        key = 6 * m
        assert Fraction(m, 60) * 360 == key
        who, he = P.name()
        P.one(f"{who} starts {poss(he)} homework at 4 o'clock and finishes it {m} "
              "minutes later. Through how many degrees has the minute hand of the clock "
              f"turned? {NO_DEG}",
              num(key, 2, why=f"In 60 minutes the minute hand turns 360°, so in one minute "
                              f"it turns 360° {DIVIDE} 60 = 6°. In {m} minutes: {m} {TIMES} "
                              f"6° = {key}°."), "Ans: ______°")


def fr_left(P: Builder) -> None:
    r = P.qrng()
    who, he = P.name()
    while True:
        b, d = r.sample([3, 4, 5, 6, 8, 10], 2)
        a = 1 if P.level < 2 else r.randint(1, b - 1)
        c = r.randint(1, d - 1)
        x, y = Fraction(a, b), Fraction(c, d)
        left = 1 - x - y
        if left > 0 and x.denominator == b and y.denominator == d and left.denominator > 1:
            break
    top = b * d - a * d - c * b
    assert Fraction(top, b * d) == left
    things = ["a book", "a football", "a board game", "a concert ticket", "a bike helmet"]
    P.one(f"{who} spent {a}/{b} of {poss(he)} birthday money on {things[P.level]} and "
          f"{c}/{d} of it on sweets. What fraction of {poss(he)} birthday money was "
          f"left? {FRAC}",
          frac_key(left, "F", 2, why="All the money is 1 whole. " +
                   FP.working(f"1 - {a}/{b} - {c}/{d}", "F")))


def fr_two_step(P: Builder) -> None:
    r = P.qrng()
    while True:
        b = r.choice([3, 4, 5, 6, 8])
        a = r.randint(1, b - 1)
        d = r.choice([3, 4, 5, 6])
        c = r.randint(1, d - 1)
        total = b * d * r.randint(1, 4 + P.level)
        if (Fraction(a, b).denominator == b and Fraction(c, d).denominator == d
                and 24 <= total <= 300):
            break
    first = total // b * a
    rest = total - first
    assert rest % d == 0
    second = rest // d * c
    assert Fraction(a, b) * total == first and (1 - Fraction(a, b)) * Fraction(c, d) * total == second
    P.parts(f"{total} people go to a sports day. {a}/{b} of them take part in races. "
            f"Of the people who do not race, {c}/{d} are parents.",
            [("How many people take part in races? ______",
              num(first, why=FP.of_why(f"{a}/{b}", total))),
             ("How many parents are there who do not race? ______",
              num(second, 2, why=f"{total} - {first} = {rest} people do not race. "
                                 + FP.of_why(f"{c}/{d}", rest)))])


def fr_mixed(P: Builder) -> None:
    r = P.qrng()
    who, he = P.name()
    while True:
        b, d = r.sample([2, 3, 4, 5, 6, 8], 2)
        x = r.randint(1, 3 + P.level) + Fraction(r.randint(1, b - 1), b)
        y = r.randint(1, 3) + Fraction(r.randint(1, d - 1), d)
        sub = P.level >= 2
        v = x - y if sub else x + y
        if (x.denominator == b and y.denominator == d and v > 1 and v.denominator > 1
                and (not sub or (x - int(x)) < (y - int(y)))):
            break
    # Again in whole numbers of parts of b*d.
    xi, yi = x.numerator * (b * d // b), y.numerator * (b * d // d)
    assert Fraction(xi - yi if sub else xi + yi, b * d) == v
    if sub:
        text = (f"A jug holds {ms(x)} litres of lemonade. {who} pours out {ms(y)} litres. "
                f"How many litres are left in the jug? {MIXED}")
    else:
        text = (f"{who} has two pieces of ribbon, {ms(x)} m and {ms(y)} m long. What is "
                f"their total length in metres? {MIXED}")
    terms = [f"{int(t)} {fs(t - int(t))}" for t in (x, y)]
    P.one(text, frac_key(v, "X", 2,
                         why=FP.working(f"{terms[0]} {'-' if sub else '+'} {terms[1]}", "X")))


def fr_times(P: Builder) -> None:
    r = P.qrng()
    while True:
        d = r.choice([3, 4, 5, 6, 8])
        n = r.randint(1, d - 1)
        k = r.randint(5, 9 + P.level)
        v = k * Fraction(n, d)
        # From the third mock on, the fraction is not a unit fraction: a step harder.
        if (Fraction(n, d).denominator == d and v.denominator > 1 and v > 1
                and (P.level < 2 or n > 1)):
            break
    assert v.numerator * d == k * n * v.denominator
    things = [("glass", "glasses", "litre of milk", "litres"),
              ("scoop", "scoops", "kg of bird seed", "kg"),
              ("jar", "jars", "kg of jam", "kg"),
              ("bottle", "bottles", "litre of water", "litres"),
              ("bag", "bags", "kg of sand", "kg")][P.level]
    P.one(f"Each {things[0]} holds {n}/{d} {things[2]}. How many {things[3]} do {k} "
          f"{things[1]} hold altogether? {MIXED}",
          frac_key(v, "X", 2, why=FP.working(f"{k} * {n}/{d}", "X")))


def de_change(P: Builder) -> None:
    r = P.qrng()
    who, he = P.name()
    k = r.randint(2, 4 + P.level // 2)
    a = r.randint(45, 320 + 80 * P.level)
    b = r.randint(99, 450 + 100 * P.level)
    note = [1000, 1000, 2000, 2000, 5000][P.level]
    while k * a + b >= note:
        a, b = a - 17, b - 23
    spent = k * a + b
    key = Fraction(note - spent, 100)
    assert Decimal(note) / 100 - (k * Decimal(a) / 100 + Decimal(b) / 100) == Decimal(key.numerator) / key.denominator
    items = [("pens", "a notebook"), ("pencils", "a ruler"), ("comics", "a drink"),
             ("cards", "a game"), ("paintbrushes", "a sketchbook")][P.level]
    P.one(f"{who} buys {k} {items[0]} costing {money(a)} each and {items[1]} costing "
          f"{money(b)}. {cap(he)} pays with a £{note // 100} note. How much change "
          f"should {he} get, in pounds?",
          num(key, 2, why=f"Work in pence: {k} {TIMES} {a}p = {fmt(k * a)}p, and {fmt(k * a)}p + {b}p "
                          f"= {fmt(spent)}p spent. The note is {fmt(note)}p: {fmt(note)}p - "
                          f"{fmt(spent)}p = {fmt(note - spent)}p, which is "
                          f"{pounds(note - spent)}."),
          "Ans: £______")


def de_bottles(P: Builder) -> None:
    r = P.qrng()
    size = Fraction(r.randint(105, 195 + 20 * P.level), 100)
    k = r.randint(3, 6 + P.level)
    total = size * k
    tank = (int(total) // 5 + 2) * 5
    more = tank - total
    ml = int(size * 1000) * k
    assert Fraction(ml, 1000) == total and more > 0
    who, he = P.name()
    P.parts(f"A bottle holds {dec_str(size)} litres of water. {who} fills {k} bottles "
            f"and then empties them all into a tank that holds {tank} litres. "
            "Give each answer as a decimal.",
            [("How many litres of water are in the {k} bottles? ______".replace("{k}", str(k)),
              num(total, why=DE.dec_working(f"{num(size).key} * {k}"))),
             ("How many more litres are needed to fill the tank? ______",
              num(more, 2, why=DE.dec_working(f"{tank} - {num(total).key}")))])


def de_share(P: Builder) -> None:
    r = P.qrng()
    n = r.randint(3, 8)
    each = r.randint(150, 900 + 300 * P.level)      # pence
    total = each * n
    key = Fraction(each, 100)
    assert Fraction(total, 100) / n == key
    who, he = P.name()
    P.one(f"{who} and {poss(he)} friends win {money(total)} in a quiz. They share it "
          f"equally between {n} people. How much does each person get, in pounds?",
          num(key, 2, why=f"Work in pence: {fmt(total)}p {DIVIDE} {n} = {fmt(each)}p each, "
                          f"which is {pounds(each)}."), "Ans: £______")


def de_flour(P: Builder) -> None:
    r = P.qrng()
    start = Fraction(r.randint(18, 40 + 5 * P.level), 10)      # kg
    a = r.randint(3, 9) * 50                                   # g
    b = Fraction(r.randint(5, 12), 20)                         # kg
    left_g = int(start * 1000) - a - int(b * 1000)
    assert left_g > 0
    assert (start - Fraction(a, 1000) - b) * 1000 == left_g
    P.one(f"A baker has a bag holding {dec_str(start)} kg of flour. She uses {a} g for "
          f"bread and {dec_str(b)} kg for cakes. How many grams of flour are left?",
          num(left_g, 2, why=f"Work in grams: {dec_str(start)} kg is {fmt(int(start * 1000))} g "
                             f"and {dec_str(b)} kg is {fmt(int(b * 1000))} g. "
                             f"{fmt(int(start * 1000))} - {a} - {fmt(int(b * 1000))} = "
                             f"{fmt(left_g)} g."), "Ans: ______ g")


def ar_lshape(P: Builder) -> None:
    r = P.qrng()
    W = r.randint(8, 11 + P.level)
    H = r.randint(6, 9 + P.level)
    cw, ch = r.randint(2, W - 3), r.randint(2, H - 3)
    pts = AP.l_pts(W, H, cw, ch)
    area = AP.shoelace(pts)
    per = AP.walk(pts)
    assert area == W * H - cw * ch == (W - cw) * H + cw * (H - ch)
    assert per == 2 * (W + H)
    if P.level < 2:
        labels = {0: W - cw, 1: ch, 2: cw, 3: H - ch, 4: W, 5: H}
    else:
        labels = {0: W - cw, 3: H - ch, 4: W, 5: H}
    svg = AP.outline_figure(pts, labels, "m", right=(0, 1, 3, 4, 5), inside=(2,))
    if P.level < 2:
        corner = f"The missing corner is {cw} {TIMES} {ch} = {cw * ch} m{SQ}. "
    else:
        corner = (f"The missing corner is ({W} - {W - cw}) {TIMES} ({H} - {H - ch}) = "
                  f"{cw} {TIMES} {ch} = {cw * ch} m{SQ}. ")
    who, he = P.name()
    page = P.parts(f"The plan shows {who}'s L-shaped classroom. All its corners are "
                   "right angles.",
                   [("What is the area of the floor? ______ m" + SQ,
                     num(area, 2, why=corner + f"Take it from the whole rectangle: {W} {TIMES} "
                                      f"{H} - {cw * ch} = {W * H} - {cw * ch} = {area} m{SQ}.")),
                    ("What is the perimeter of the room? ______ m",
                     num(per, 2, why="Slide the two sides of the missing corner out to the "
                                     "edges: they make the whole rectangle, so the perimeter "
                                     f"is the same: 2 {TIMES} ({W} + {H}) = 2 {TIMES} {W + H} = "
                                     f"{per} m."))])
    P.draw(page, svg, "An L-shaped room with its side lengths marked")


def ar_missing(P: Builder) -> None:
    r = P.qrng()
    l = r.randint(8, 15 + 3 * P.level)
    w = r.randint(3, l - 2)
    per = 2 * (l + w)
    key = l * w
    assert (Fraction(per, 2) - l) * l == key
    P.one(f"A rectangular garden needs {per} m of fence to go all the way round it. The "
          f"garden is {l} m long. What is its area?",
          num(key, 2, why=f"Half the fence is one length and one width: {per} {DIVIDE} 2 = "
                          f"{per // 2} m, so the width is {per // 2} - {l} = {w} m. Area: "
                          f"{l} {TIMES} {w} = {key} m{SQ}."), "Ans: ______ m" + SQ)


def ar_tiles(P: Builder) -> None:
    r = P.qrng()
    if P.level % 2 == 0:
        a, b = r.randint(3, 6 + P.level), r.randint(2, 5)
        per_tile = [Fraction(1, 2), Fraction(1, 2), Fraction(1, 4), 0, Fraction(1, 5)][P.level]
        side_cm = int(per_tile * 100)
        key = int(a / per_tile) * int(b / per_tile)
        assert key * per_tile * per_tile == a * b
        P.one(f"A bathroom wall is a rectangle {a} m wide and {b} m high. It is covered "
              f"with square tiles whose sides are {side_cm} cm long. How many tiles are "
              "needed?",
              num(key, 2, why=f"{100 // side_cm} tiles of {side_cm} cm fit in each metre: "
                              f"{a} {TIMES} {100 // side_cm} = {a * 100 // side_cm} tiles "
                              f"across and {b} {TIMES} {100 // side_cm} = "
                              f"{b * 100 // side_cm} up. {a * 100 // side_cm} {TIMES} "
                              f"{b * 100 // side_cm} = {key} tiles."), "Ans: ______ tiles")
    else:
        a, b = r.randint(6, 12 + P.level), r.randint(4, 9)
        s = r.randint(2, 3)
        cost = r.randint(4, 9)
        grass = a * b - s * s
        key = grass * cost
        assert key == evaluate(f"({a} * {b} - {s} * {s}) * {cost}")
        P.one(f"A lawn is a rectangle {a} m long and {b} m wide. In the middle is a "
              f"square flower bed with sides of {s} m. Turf for the rest of the lawn "
              f"costs £{cost} for each square metre. How much does the turf cost?",
              num(key, 2, why=f"The lawn is {a} {TIMES} {b} = {a * b} m{SQ} and the bed is "
                              f"{s} {TIMES} {s} = {s * s} m{SQ}, which leaves {a * b} - "
                              f"{s * s} = {grass} m{SQ} of turf: {grass} {TIMES} £{cost} = "
                              f"£{key}."), "Ans: £______")


def ar_triangle(P: Builder) -> None:
    r = P.qrng()
    while True:
        b, h = r.randint(5, 12 + P.level), r.randint(4, 10 + P.level)
        if (b * h) % 2 == 0 and b != h:
            break
    pts = [(0, 0), (0, h), (b, h)]
    area = AP.shoelace(pts)
    assert area == Fraction(b * h, 2)
    svg = AP.outline_figure(pts, {0: h, 1: b}, "m", right=(1,))
    item = ["sail", "flower bed", "banner", "garden", "roof panel"][P.level]
    page = P.one(f"A {item} is a right-angled triangle with the measurements shown. "
                 f"What is the area of the {item}?",
                 num(area, 2, why=f"The triangle is half of {a_(b)} m by {h} m rectangle: "
                                  f"{b} {TIMES} {h} {DIVIDE} 2 = {b * h} {DIVIDE} 2 = {area} "
                                  f"m{SQ}."), "Ans: ______ m" + SQ)
    P.draw(page, svg, f"A right-angled triangle with sides {b} m and {h} m next to "
           "the right angle")


def vol_box(P: Builder) -> None:
    r = P.qrng()
    l, w, h = r.randint(6, 12 + P.level), r.randint(4, 8), r.randint(3, 6 + P.level)
    cubes = cuboid_cubes(l, w, h)
    layer = sum(1 for c in cubes if c[2] == 0)
    assert layer == l * w and len(cubes) == l * w * h
    who, he = P.name()
    P.parts(f"{who} is packing a box for a craft fair. The box is a cuboid {l} cm long, "
            f"{w} cm wide and {h} cm high, and {he} fills it with 1 cm cubes of soap.",
            [("How many cubes fit in one layer on the bottom of the box? ______",
              num(layer, why=f"One layer is {w} rows of {l} cubes: {l} {TIMES} {w} = "
                             f"{layer}.")),
             ("What is the volume of the box? ______ cm" + CU,
              num(len(cubes), 2, why=f"There are {h} layers of {layer}: {layer} {TIMES} {h} = "
                                     f"{len(cubes)} cubes, so {len(cubes)} cm{CU}."))])


def vol_missing(P: Builder) -> None:
    r = P.qrng()
    l, w = r.randint(20, 40 + 10 * P.level), r.randint(10, 25)
    h = r.randint(10, 20 + 5 * P.level)
    v = l * w * h
    assert Fraction(v, l * w) == h
    P.one(f"A fish tank is a cuboid {l} cm long and {w} cm wide. When it is full it "
          f"holds {fmt(v)} cm{CU} of water. How tall is the tank?",
          num(h, 2, why=f"Volume = length {TIMES} width {TIMES} height, so the height is "
                        f"{fmt(v)} {DIVIDE} ({l} {TIMES} {w}) = {fmt(v)} {DIVIDE} {fmt(l * w)} = "
                        f"{h} cm."),
          "Ans: ______ cm")


def vol_fit(P: Builder) -> None:
    r = P.qrng()
    s = r.choice([2, 3, 4, 5])
    a, b, c = (s * r.randint(3, 6 + P.level), s * r.randint(2, 5), s * r.randint(2, 4))
    along = len(range(0, a - s + 1, s))
    count = sum(1 for x in range(0, a, s) for y in range(0, b, s) for z in range(0, c, s))
    assert along == a // s and count == (a // s) * (b // s) * (c // s)
    P.parts(f"A shop packs cube-shaped boxes of tea into a carton. Each box is a cube "
            f"with edges of {s} cm. The carton is a cuboid {a} cm long, {b} cm wide and "
            f"{c} cm high, and the boxes fill it exactly.",
            [("How many boxes fit in a row along the length of the carton? ______",
              num(along, why=f"{a} {DIVIDE} {s} = {along} boxes along the length.")),
             ("How many boxes fit in the carton altogether? ______",
              num(count, 2, why=f"Along, across and up: {a} {DIVIDE} {s} = {a // s}, "
                                f"{b} {DIVIDE} {s} = {b // s}, {c} {DIVIDE} {s} = {c // s}. "
                                f"{a // s} {TIMES} {b // s} {TIMES} {c // s} = {count}."))])


def sym_grid(P: Builder) -> None:
    r = P.qrng()
    nx, ny = 10, 6
    axis = "v" if P.level % 2 == 0 else "h"
    if axis == "h":
        nx, ny = 8, 8
    at = nx // 2 if axis == "v" else ny // 2
    mirror = (lambda c: (2 * at - 1 - c[0], c[1])) if axis == "v" else \
        (lambda c: (c[0], 2 * at - 1 - c[1]))
    side = [(x, y) for x in range(nx) for y in range(ny)
            if (x < at if axis == "v" else y < at)]
    while True:
        shaded = set(r.sample(side, 5 + P.level))
        copied = set(r.sample(sorted(shaded), 1 + P.level // 2))
        cells = shaded | {mirror(c) for c in copied}
        need = {mirror(c) for c in cells} - cells
        if 3 <= len(need):
            break
    key = len(need)
    # The same count square by square: a shaded square whose mirror image is
    # not shaded needs one more.
    assert key == sum(1 for c in cells if mirror(c) not in cells)
    final = cells | need
    assert all(mirror(c) in final for c in final)
    who, he = P.name()
    line = "dashed line" if axis == "v" else "dashed line across the middle"
    page = P.one(f"{who} is designing a tile pattern on a grid. The finished pattern must "
                 f"be symmetrical about the {line}. How many more squares must {he} "
                 "shade?",
                 num(key, 2, why="Every shaded square needs a partner the same distance "
                                 "from the mirror line on the other side. The finished "
                                 f"pattern has {len(final)} shaded squares and {len(cells)} "
                                 f"are shaded now: {len(final)} - {len(cells)} = {key}."),
                 "Ans: ______ squares")
    P.draw(page, mirror_grid_svg(cells, nx, ny, axis, at),
           "A grid with shaded squares and a dashed mirror line")


GOOD_NETS = [
    [(1, 0), (0, 1), (1, 1), (2, 1), (3, 1), (1, 2)],
    [(0, 0), (0, 1), (1, 1), (2, 1), (3, 1), (3, 2)],
    [(0, 0), (1, 0), (1, 1), (2, 1), (2, 2), (3, 2)],
    [(2, 0), (0, 1), (1, 1), (2, 1), (3, 1), (0, 2)],
    [(0, 0), (1, 0), (2, 0), (2, 1), (3, 1), (4, 1)],
]
BAD_NETS = [
    [(0, 0), (1, 0), (2, 0), (0, 1), (1, 1), (2, 1)],
    [(0, 0), (1, 0), (2, 0), (3, 0), (4, 0), (2, 1)],
    [(0, 0), (1, 0), (0, 1), (1, 1), (2, 1), (3, 1)],
    [(1, 0), (2, 0), (0, 1), (1, 1), (2, 1), (3, 1)],
    [(0, 0), (1, 0), (2, 0), (3, 0), (0, 1), (3, 1)],
    [(0, 0), (0, 1), (1, 1), (2, 1), (2, 0), (3, 1)],
]


def check_nets() -> None:
    """The cube test itself, checked against what every pupil's book says:
    of the 35 shapes of six squares, exactly 11 fold to a cube."""
    assert len(HEXOMINOES) == 35
    assert sum(folds_to_cube(sh) for sh in HEXOMINOES) == 11
    assert all(folds_to_cube(n) for n in GOOD_NETS) and not any(folds_to_cube(n) for n in BAD_NETS)


def so_cube_net(P: Builder) -> None:
    r = P.qrng()
    good = GOOD_NETS[P.level]
    bad = r.sample(BAD_NETS, 3)
    assert folds_to_cube(good) and not any(folds_to_cube(b) for b in bad)
    who, he = P.name()
    # The right net is drawn at the position the dealer gives, so that the
    # option numbers 1 to 4 stay in step with the letters A to D.
    pos = P.dealer.deal()
    nets = list(bad)
    nets.insert(pos - 1, good)
    assert folds_to_cube(nets[pos - 1]) and sum(folds_to_cube(n) for n in nets) == 1
    page = P.add(Page(f"{who} wants to make a closed cube-shaped box for a present from "
                      "one piece of card. Which of the shapes A, B, C and D will fold to "
                      "make a cube?", [],
                      [Blank("Q", 2, str(pos),
                             f"({pos}) Shape {'ABCD'[pos - 1]}: folded up, its six squares "
                             "cover the six faces of a cube once each. In each of the other "
                             "shapes two squares fold onto the same face and one face is "
                             "left open.")],
                      ["Shape A", "Shape B", "Shape C", "Shape D"],
                      after=[f"<p>{CHOICE_NOTE}</p>"]))
    P.draw(page, squares_net_svg(nets, ["A", "B", "C", "D"], cell=24),
           "Four shapes of six squares labelled A, B, C and D")


def vol_stack(P: Builder) -> None:
    r = P.qrng()
    l, w = r.randint(3, 4 + P.level // 2), r.randint(2, 3)
    h1 = r.randint(1, 2)
    l2 = r.randint(1, l - 1)
    h2 = r.randint(1, 2 + P.level // 3)
    cubes = cuboid_cubes(l, w, h1) | cuboid_cubes(l2, w, h2, at=(0, 0, h1))
    count = len(cubes)
    assert count == l * w * h1 + l2 * w * h2
    full = l * w * (h1 + h2)
    more = full - count
    assert more == (l - l2) * w * h2
    who, he = P.name()
    page = P.parts(f"{who} builds this model of steps from 1 cm cubes. There are no "
                   "gaps inside the model.",
                   [("How many cubes has " + he + " used? ______",
                     num(count, 2, why=f"The bottom block is {l} {TIMES} {w} {TIMES} {h1} = "
                                       f"{l * w * h1} cubes and the top block is {l2} {TIMES} "
                                       f"{w} {TIMES} {h2} = {l2 * w * h2}: {l * w * h1} + "
                                       f"{l2 * w * h2} = {count}.")),
                    (f"How many more cubes would {he} need to turn the model into a "
                     f"cuboid {l} cubes long, {w} cubes wide and {h1 + h2} cubes high? "
                     "______",
                     num(more, 2, why=f"The cuboid needs {l} {TIMES} {w} {TIMES} {h1 + h2} = "
                                      f"{full} cubes, and the model has {count}: {full} - "
                                      f"{count} = {more}."))])
    P.draw(page, iso_cubes(cubes), "A model of steps made of cubes")


def pond(P: Builder) -> None:
    r = P.qrng()
    l, w, d = r.randint(4, 8 + P.level), r.randint(2, 5), r.randint(1, 2)
    per = 2 * (l + w)
    vol = l * w * d
    assert AP.walk(AP.rect_pts(l, w)) == per and len(cuboid_cubes(l, w, d)) == vol
    stone = r.randint(3, 9)
    P.parts(f"A garden pond is a cuboid {l} m long, {w} m wide and {d} m deep. A path "
            f"of paving stones goes round its edge, and each metre of path costs £{stone}.",
            [("How much does the path round the edge cost? £______",
              num(per * stone, 2, why=f"The edge is 2 {TIMES} ({l} + {w}) = 2 {TIMES} "
                                      f"{l + w} = {per} m long: {per} {TIMES} £{stone} = "
                                      f"£{per * stone}.")),
             ("What is the volume of the pond? ______ m" + CU,
              num(vol, 2, why=f"Length {TIMES} width {TIMES} depth: {l} {TIMES} {w} {TIMES} "
                              f"{d} = {vol} m{CU}."))])


# ---------------------------------------------------------------------------

SECTION_A = [wn_place, wn_words, wn_round, wn_add, wn_sub, wn_mult, wn_div, wn_order,
             wn_factor_q, wn_prime_q, an_straight, an_type_q, an_triangle, an_coords_q,
             fr_simplify, fr_addsub, fr_convert, fr_of, fr_compare_q, de_digit,
             de_addsub, de_scale, de_round, de_frac, ar_rect, ar_grid, so_faces_q,
             sym_badge, so_net_q, vol_count]
SECTION_B = [wn_money, wn_buses, wn_long_mult, wn_lcm, an_bar, an_point, an_line,
             an_clock, fr_left, fr_two_step, fr_mixed, fr_times, de_change, de_bottles,
             de_share, de_flour, ar_lshape, ar_missing, ar_tiles, ar_triangle, vol_box,
             vol_missing, vol_fit, sym_grid, so_cube_net, vol_stack, pond]


def make_paper(key: int, dealer: PositionDealer, first: int) -> Builder:
    # The ids are fixed (paper 133 jumps); each paper still starts where the one before ended.
    assert first == IDS[key][0], (key, first)
    P = Builder(key, dealer)
    for t in SECTION_A:
        t(P)
    assert P.number == 31
    for t in SECTION_B:
        t(P)
    assert len(P.pages) == 57
    blanks = [b for p in P.pages for b in p.blanks]
    assert all(b.marks == 1 for p in P.pages[:30] for b in p.blanks)
    assert sum(b.marks for b in blanks) == 100, sum(b.marks for b in blanks)
    assert 57 <= len(blanks) <= 70, len(blanks)
    return P


PAPERS = [131, 132, 133, 134, 135]


def build() -> dict[str, str]:
    check_nets()
    for shape, (pts, expected) in SHAPES.items():
        assert lines_of_symmetry(pts) == expected, shape
    papers, files, _ = build_topic(TOPIC, [partial(make_paper, k) for k in PAPERS], SUBJECT,
                                   ROOT)
    assert [p.ids for p in papers] == [IDS[k] for k in PAPERS]
    return files


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
