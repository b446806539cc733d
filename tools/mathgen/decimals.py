#!/usr/bin/env python3
"""Mathematics topic 4, "Decimals": writes papers 116 to 120 and their figures.

    python3 tools/mathgen/decimals.py           # write the papers and decimal-*.svg
    python3 tools/mathgen/decimals.py --check   # compare with the files

Every key is worked out twice: with the standard Decimal type, and again with
Fraction. The two must agree, and a key is never worked out with floats. A key
read from a figure (a hundred square, a number line) is also read back from the
SVG drawn for the page.
"""

from __future__ import annotations

import decimal
import os
import re
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# paperlib loads the standard fractions module, which fractions.py hides.
from mathgen.registry import by_name  # noqa: E402
from mathgen.paperlib import (  # noqa: E402
    TopicPaper,
    run_generator,
    build_topic,
    number_line_svg,
    Blank, Fraction, Page, PositionDealer, RIGHT,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("decimals")

NBSP = "\u00a0"
MINUS = "\u2212"
TIMES = "\u00d7"
DIVIDE = "\u00f7"

decimal.getcontext().prec = 50

INSTRUCTION = ("In the answer sheet, write every answer as a number only, with no "
               "units and no £ sign. Write an answer that is not a whole number as "
               "a decimal, for example 0.35 or 12.7. For a multiple-choice "
               "question, write the number of the correct option (1, 2, 3 or 4).")

DEC = "Give your answer as a decimal."
DECS = "Give each answer as a decimal."


# ---------------------------------------------------------------------------
# Decimals as written on the page and as typed in the answer sheet

def plain_str(x: Decimal) -> str:
    """0.35, 12.7, 4300: no exponent, no trailing zeros."""
    s = format(x, "f")
    if "." in s:
        s = s.rstrip("0").rstrip(".")
    return "0" if s in ("", "-0") else s


def shown(s: str) -> str:
    """A number as printed: thousands separators in the whole part only."""
    whole, dot, frac = s.partition(".")
    return f"{int(whole):,}" + dot + frac


def key(x: Decimal, marks: int = 1, why: str = "") -> Blank:
    assert x >= 0, x
    s = plain_str(x)
    assert Fraction(s) == Fraction(x), (s, x)
    return Blank("N", marks, s, why)


def calc(expr: str) -> Decimal:
    """'a + b - c' left to right, or a single 'a * b' or 'a / b'. Worked out with
    Decimal and again with Fraction; the result must be an exact decimal."""
    bits = re.split(r" ([+\-*/]) ", expr)
    assert ("*" not in bits and "/" not in bits) or len(bits) == 3, expr
    x, f = Decimal(bits[0]), Fraction(bits[0])
    for op, term in zip(bits[1::2], bits[2::2]):
        y, g = Decimal(term), Fraction(term)
        if op == "+":
            x, f = x + y, f + g
        elif op == "-":
            x, f = x - y, f - g
        elif op == "*":
            x, f = x * y, f * g
        else:
            x, f = x / y, f / g
    assert Fraction(x) == f, (expr, x, f)
    d = f.denominator
    while d % 2 == 0:
        d //= 2
    while d % 5 == 0:
        d //= 5
    assert d == 1 and f >= 0, expr
    return x


def show(expr: str) -> str:
    bits = re.split(r" ([+\-*/]) ", expr)
    out = shown(bits[0])
    for op, term in zip(bits[1::2], bits[2::2]):
        out += " " + {"+": "+", "-": MINUS, "*": TIMES, "/": DIVIDE}[op] + " " + shown(term)
    return out


def round_dp(s: str, places: int) -> Decimal:
    """Rounds half up, as taught in primary school; checked against Fraction."""
    q = Decimal(1).scaleb(-places)
    x = Decimal(s).quantize(q, rounding=decimal.ROUND_HALF_UP)
    scale = 10 ** places
    f = Fraction(s) * scale + Fraction(1, 2)
    assert Fraction(x) == Fraction(f.numerator // f.denominator, scale), (s, places)
    return x


def digit_value(number: str, digit: str) -> Decimal:
    """The value of the only `digit` in `number`, found from its position."""
    assert number.count(digit) == 1, (number, digit)
    whole, _, frac = number.partition(".")
    if digit in whole:
        value = Decimal(digit) * 10 ** (len(whole) - 1 - whole.index(digit))
    else:
        value = Decimal(digit).scaleb(-(frac.index(digit) + 1))
    # Second route: the number minus the same number with that digit as 0.
    assert Fraction(number) - Fraction(number.replace(digit, "0")) == Fraction(value)
    return value


def frac_dec(frac: str) -> Decimal:
    """A fraction as a decimal, by long division of the numerator."""
    n, d = map(int, frac.split("/"))
    x = Decimal(n) / Decimal(d)
    assert Fraction(x) == Fraction(n, d), frac
    return x


def by_value(terms: list[str]) -> list[str]:
    out = sorted(terms, key=Decimal)
    assert out == sorted(terms, key=Fraction)
    assert len({Decimal(t) for t in terms}) == len(terms), terms
    return out


def check_wrong(right: str, wrong: list[str], value=Decimal) -> None:
    assert all(value(w) != value(right) for w in wrong), (right, wrong)


# ---------------------------------------------------------------------------
# Worked answers: the column methods and place-value moves, written for the pupil

AFTER_POINT = ["tenths", "hundredths", "thousandths"]
BEFORE_POINT = ["ones", "tens", "hundreds", "thousands"]
PLACES_MOVED = ["", "one place", "two places", "three places"]


def places(s: str) -> int:
    """Digits after the point as written: '2.70' has 2."""
    return len(s.partition(".")[2])


def padded(s: str, n: int) -> str:
    """s written with n digits after the point: padded('7', 1) == '7.0'."""
    whole, _, frac = s.partition(".")
    return whole + ("." + frac.ljust(n, "0") if n else "")


def said(x: Decimal) -> str:
    return shown(plain_str(x))


def place_name(number: str, digit: str) -> str:
    whole, _, frac = number.partition(".")
    if digit in whole:
        return BEFORE_POINT[len(whole) - 1 - whole.index(digit)]
    return AFTER_POINT[frac.index(digit)]


def power(n: str) -> int:
    """3 for '1000', 0 when n is not 10, 100 or 1000."""
    return {"10": 1, "100": 2, "1000": 3}.get(n, 0)


def dec_working(expr: str) -> str:
    """The working of a calculation `calc` accepts, the way it is done on paper."""
    bits = re.split(r" ([+\-*/]) ", expr)
    terms, ops = bits[0::2], bits[1::2]
    x = calc(expr)
    sign = {"+": "+", "-": "-", "*": TIMES, "/": DIVIDE}
    if ops in (["*"], ["/"]):
        a, b = terms
        op = ops[0]
        if power(b):
            k = power(b)
            way = "left" if op == "*" else "right"
            verb = "Multiplying" if op == "*" else "Dividing"
            return (f"{verb} by {shown(b)} moves every digit {PLACES_MOVED[k]} to the {way}: "
                    f"{shown(a)} {sign[op]} {shown(b)} = {said(x)}.")
        if op == "*" and "." not in b and "." in a or op == "*" and "." not in a and "." in b:
            dec, whole = (a, b) if "." in a else (b, a)
            n = places(dec)
            units = int(dec.replace(".", ""))
            name = AFTER_POINT[n - 1]
            assert Fraction(units * int(whole), 10 ** n) == Fraction(x)
            return (f"{dec} is {units:,} {name}. {units:,} {TIMES} {whole} = "
                    f"{units * int(whole):,} {name}, which is {said(x)}.")
        if op == "/" and "." not in b:
            n = max(places(a), 1)
            units = int(padded(a, n).replace(".", ""))
            name = AFTER_POINT[n - 1]
            q = units // int(b)
            if units % int(b) == 0:
                assert Fraction(q, 10 ** n) == Fraction(x)
                return (f"{shown(a)} is {units:,} {name}. {units:,} {DIVIDE} {b} = {q:,} "
                        f"{name}, which is {said(x)}.")
        return f"{show(expr).replace(MINUS, '-')} = {said(x)}."
    n = max(places(t) for t in terms)
    lined = [padded(t, n) for t in terms]
    if len(terms) == 2:
        done = (f"{shown(lined[0])} {sign[ops[0]]} {shown(lined[1])} = "
                f"{shown(padded(plain_str(x), n))}")
    else:
        run, pieces = Decimal(terms[0]), []
        for i, (op, t) in enumerate(zip(ops, terms[1:])):
            before = shown(padded(plain_str(run), n)) if i else shown(lined[0])
            run = run + Decimal(t) if op == "+" else run - Decimal(t)
            pieces.append(f"{before} {sign[op]} {shown(padded(t, n))} = "
                          f"{shown(padded(plain_str(run), n))}")
        done = ", then ".join(pieces)
        assert run == x
    tail = "" if padded(plain_str(x), n) == plain_str(x) else f", which is {said(x)}"
    lead = ("Line up the decimal points, filling the empty places with zeros: "
            if lined != terms else "Line up the decimal points and work column by column: ")
    check = ""
    if ops == ["-"]:
        # Adding back what was taken away gives the first number again.
        assert Decimal(lined[1]) + x == Decimal(lined[0])
        check = (f" Check: {shown(padded(plain_str(x), n))} + {shown(lined[1])} = "
                 f"{shown(lined[0])}.")
    return lead + done + tail + "." + check


def reading(number: str) -> str:
    """'43.618' -> '4 tens, 3 ones, 6 tenths, 1 hundredth and 8 thousandths'."""
    whole, _, frac = number.partition(".")
    bits = [f"{d} {BEFORE_POINT[len(whole) - 1 - i]}" for i, d in enumerate(whole)]
    bits += [f"{d} {AFTER_POINT[i].removesuffix('s') if d == '1' else AFTER_POINT[i]}"
             for i, d in enumerate(frac)]
    return ", ".join(bits[:-1]) + " and " + bits[-1]


def part_why(x: Decimal) -> str:
    """The one non-zero digit of a missing part, and its place."""
    s = plain_str(x)
    frac = s.partition(".")[2]
    i = len(frac) - 1
    assert set(frac[:i]) <= {"0"} and s.startswith("0.")
    zeros = " (there are 0 tenths)" if i >= 1 and frac[0] == "0" else ""
    return f"The missing part is the {frac[i]} in the {AFTER_POINT[i]} place: {s}{zeros}."


def next_why(terms: list[str], nxt: Decimal) -> str:
    step = Decimal(terms[-1]) - Decimal(terms[-2])
    n = max(places(t) for t in terms)
    way, sign = ("up", "+") if step > 0 else ("down", "-")
    out = shown(padded(plain_str(nxt), n))
    tail = f", which is {said(nxt)}" if out != said(nxt) else ""
    return (f"It goes {way} by {said(abs(step))} each time: {shown(terms[-1])} {sign} "
            f"{shown(padded(plain_str(abs(step)), n))} = {out}{tail}.")


def times_why(small: str, big: str) -> str:
    """How many times small goes into big, by moving the digits one place at a time."""
    x, k, steps = Decimal(small), 0, []
    while x != Decimal(big):
        x *= 10
        k += 1
        steps.append(said(x))
        assert k <= 3, (small, big)
    if k == 1:
        return f"Multiply {small} by 10: {steps[0]}. So the number is 10."
    times = ["", "", "twice", "three times"][k]
    return (f"Multiply {small} by 10 {times}: {', '.join(steps[:-1])}, then {steps[-1]}. "
            f"Multiplying by 10 {times} is multiplying by {f' {TIMES} '.join(['10'] * k)} = "
            f"{10 ** k:,}, so the number is {10 ** k:,}.")


def frac_why(frac: str) -> str:
    """A fraction as a decimal: tenths, hundredths or thousandths read straight off, or
    an equivalent fraction with one of those denominators first."""
    n, d = map(int, frac.split("/"))
    x = frac_dec(frac)
    for k, name in ((10, "tenths"), (100, "hundredths"), (1000, "thousandths")):
        if k == d:
            return f"{frac} is {n:,} {name}, so {said(x)}."
        if k % d == 0:
            m = k // d
            return (f"Multiply the numerator and denominator by {m}: {frac} = {n * m}/{k}, "
                    f"which is {said(x)}.")
    return f"{n} {DIVIDE} {d} = {said(x)}."


def round_why(n: str, dp: int) -> str:
    """Rounding to dp places (0 for a whole number): the next digit decides."""
    x = round_dp(n, dp)
    whole, _, frac = n.partition(".")
    nxt = int((frac + "0" * (dp + 1))[dp])
    to = "the nearest whole number" if dp == 0 else (
        "one decimal place" if dp == 1 else f"{['', 'one', 'two', 'three'][dp]} decimal places")
    place = AFTER_POINT[dp]
    way = "which is 5 or more, so round up" if nxt >= 5 else "which is less than 5, so round down"
    out = f"{padded(plain_str(x), dp)}"
    out = shown(out) + (f", which is {said(x)}" if out != plain_str(x) else "")
    return (f"To round to {to}, look at the {place} digit: it is {nxt}, {way}. "
            f"{shown(n)} rounds to {out}.")


def whole_round_why(n: str, unit: int) -> str:
    whole = int(n.partition(".")[0])
    lo = whole // unit * unit
    d = whole // (unit // 10) % 10
    x = Decimal(n).quantize(Decimal(f"1E{len(str(unit)) - 1}"), rounding=decimal.ROUND_HALF_UP)
    way = "which is 5 or more, so round up" if d >= 5 else "which is less than 5, so round down"
    return (f"{n} is between {lo:,} and {lo + unit:,}. The {BEFORE_POINT[len(str(unit)) - 2]} "
            f"digit is {d}, {way} to {said(x)}.")


def compare_why(terms: list[str]) -> str:
    """Numbers compared place by place, each written with the same number of places."""
    n = max(places(t) for t in terms)
    return ("Write them with the same number of decimal places: "
            + ", ".join(padded(t, n) for t in terms) + ". Then compare the digits from the left")


# ---------------------------------------------------------------------------
# Figures: SVG 1.1 with presentation attributes only

SHADE = "#6fa8dc"


def _svg_open(width: int, height: int) -> list[str]:
    return ['<?xml version="1.0" encoding="UTF-8"?>',
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{width}" '
            f'height="{height}" viewBox="0 0 {width} {height}">',
            f'<rect x="0" y="0" width="{width}" height="{height}" fill="#ffffff"/>']


def hundred_square_svg(shaded: int) -> str:
    """A square of 10 by 10 small squares, the first `shaded` of them shaded
    column by column from the left."""
    cell, x0, y0 = 24, 20, 20
    out = _svg_open(2 * x0 + 10 * cell, 2 * y0 + 10 * cell)
    for col in range(10):
        for row in range(10):
            fill = SHADE if col * 10 + row < shaded else "#ffffff"
            out.append(f'<rect x="{x0 + col * cell}" y="{y0 + row * cell}" width="{cell}" '
                       f'height="{cell}" fill="{fill}" stroke="#000000" stroke-width="1"/>')
    out.append(f'<rect x="{x0}" y="{y0}" width="{10 * cell}" height="{10 * cell}" '
               f'fill="none" stroke="#000000" stroke-width="2"/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def decimal_line_svg(start: str, step: str, count: int, target: int,
                     labelled: list[int]) -> str:
    """A number line of `count` equal steps from `start`, with the decimal
    values printed under the ticks in `labelled` and a red arrow over the tick
    `target`."""
    return number_line_svg(0, 1, count, target, labelled, label=lambda k: shown(
        plain_str(Decimal(start) + k * Decimal(step))))


def line_reading(svg: str) -> Decimal:
    """Reads a number line back from its SVG: the labels and the x of their
    ticks give the value of one unit of length, and the arrow's x is measured
    against them. A second route to the key, independent of the arithmetic the
    figure was drawn from."""
    labels = [(Fraction(x), Fraction(t.replace(",", ""))) for x, t in
              re.findall(r'<text x="([\d.]+)"[^>]*>([\d.,]+)</text>', svg)]
    assert len(labels) >= 2, svg
    (xa, va), (xb, vb) = labels[0], labels[-1]
    xt = Fraction(re.search(r'<line x1="([\d.]+)"[^>]*stroke="#c00000"', svg).group(1))
    value = va + (xt - xa) * (vb - va) / (xb - xa)
    # Ticks sit at x rounded to 0.1, so the reading is exact to well within a step.
    return value


# ---------------------------------------------------------------------------
# Papers

class Builder(TopicPaper):
    def __init__(self, key_: int, first_id: int, dealer: PositionDealer):
        super().__init__(TOPIC, key_, first_id, dealer, seed_factor=6011,
                         instruction=INSTRUCTION)

    def draw(self, page: Page, svg: str, w: int, h: int, alt: str) -> None:
        self.attach_figure(page, svg, w, h, alt)

    def one(self, stem: str, x: Decimal, answer: str = "Ans: ______",
            marks: int = 1, why: str = "") -> Page:
        b = key(x, marks)
        return self.single(stem, b.key, answer=answer, marks=marks, why=why)

    def work_outs(self, stem: str, exprs: list[str]) -> None:
        self.parts(stem, [(f"{show(e)} = ______", key(calc(e), why=dec_working(e)))
                          for e in exprs])

    def choose(self, stem: str, right: str, wrong: list[str], why: str = "") -> None:
        self.choice(stem, right, wrong, self.qrng(), why=why)


# Paper 116: place value of decimals; fractions as decimals.

def paper116(dealer: PositionDealer, first_id: int) -> Builder:
    P = Builder(116, first_id, dealer)

    P.parts(f"Write the value of the digit 4 in each number. {DECS}",
            [(f"{n} ______", key(digit_value(n, "4"), why=(
                f"In {n} the 4 is in the {place_name(n, '4')} place, so it is worth 4 "
                f"{place_name(n, '4')}: {said(digit_value(n, '4'))}.")))
             for n in ["2.4", "7.14", "0.634"]])

    # 2. The place to the left and to the right, and a ten.
    assert digit_value("5.386", "8") == Decimal("0.08")
    P.choose("What is the value of the digit 8 in 5.386?", "8 hundredths",
             ["8 tenths", "8 thousandths", "8 tens"],
             why=f"{RIGHT}. After the point come tenths (3), then hundredths (8), then "
                 f"thousandths (6). The 8 is worth {said(digit_value('5.386', '8'))}.")

    # Each digit read from its place, and checked by its value in the number.
    n, places = "43.618", [("tens", 10), ("tenths", "0.1"), ("hundredths", "0.01"),
                           ("thousandths", "0.001")]
    digits = {}
    for name, place in places:
        d = int(Decimal(n) / Decimal(place)) % 10
        assert digit_value(n, str(d)) == d * Decimal(place), (name, d)
        digits[name] = d
    P.parts(f"Write the digit that is in each place of the number {n}.",
            [(f"the {name} place ______", key(Decimal(digits[name]), why=(
                f"{n} is {reading(n)}. The {name} digit is {digits[name]}.")))
             for name, _ in places])

    P.parts("Write each number as a decimal.",
            [(f"{text} = ______", key(calc(e), why=f"{said(calc(e))} is {reading(plain_str(calc(e)))}."))
             for text, e in [("3 tenths", "3 / 10"), ("7 hundredths", "7 / 100"),
                             ("4 ones and 9 tenths", "4 + 0.9")]])

    # A hundred square: the key is counted back from the drawing.
    svg = hundred_square_svg(37)
    assert svg.count(f'fill="{SHADE}"') == 37
    x = frac_dec("37/100")
    assert Fraction(x) == Fraction(svg.count(f'fill="{SHADE}"'), svg.count("<rect ") - 2)
    P.draw(P.one("The large square is divided into 100 equal small squares. What part "
                 f"of the large square is shaded? {DEC}", x,
                 why="Count the shaded squares: 3 full columns of 10 and 7 more make 37. "
                     f"37 out of 100 is 37/100, which is {said(x)}."),
           svg, 280, 280, "A square of 100 small squares, some of them shaded")

    P.work_outs("Write each of these as a single number.",
                ["5 + 0.6 + 0.08", "20 + 3 + 0.04", "0.7 + 0.005"])

    right = "1.234"
    wrong = ["1.243", "1.423", "4.123"]
    assert digit_value(right, "4") == Decimal("0.004")
    assert all(digit_value(w, "4") != Decimal("0.004") for w in wrong)
    P.choose("In which number is the digit 4 in the thousandths place?", right, wrong,
             why=f"{RIGHT}: the thousandths place is the third after the point, and in "
                 f"{right} that digit is 4. In {wrong[0]} the 4 is in the hundredths place.")

    # Counting in tenths and hundredths, worked out with Decimal and with Fraction.
    rows = [("4.6", "tenths", 10), ("1.25", "hundredths", 100), ("0.3", "hundredths", 100)]
    keys = []
    for n, name, per in rows:
        x = Decimal(n) * per
        assert Fraction(x) == Fraction(n) / Fraction(1, per) and x == int(x)
        keys.append(key(x))
    P.parts("Write the missing numbers.",
            [(f"{n} = ______ {name}",
              Blank(k.type, k.marks, k.key,
                    f"There are {per} {name} in 1, so {n} {TIMES} {per} = {k.key} {name}."))
             for (n, name, per), k in zip(rows, keys)])

    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f), why=frac_why(f)))
             for f in ["3/10", "27/100", "9/100"]])
    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f), why=frac_why(f))) for f in ["1/2", "1/4", "3/4"]])

    # A zero after the last digit changes nothing; a zero put in front does.
    wrong = ["0.04", "4.0", "0.004"]
    check_wrong("0.40", wrong)
    assert Decimal("0.40") == Decimal("0.4")
    P.choose("Which of these is equal to 0.4?", "0.40", wrong,
             why=f"{RIGHT}: a zero after the last digit changes nothing, so 0.40 is still 4 "
                 "tenths. 0.04 is 4 hundredths, 0.004 is 4 thousandths and 4.0 is 4.")

    # 8. 7/100 misread as 0.7, 7.100 or 0.007.
    wrong = ["0.7", "7.100", "0.007"]
    check_wrong("0.07", wrong)
    assert frac_dec("7/100") == Decimal("0.07")
    P.choose("Which decimal is equal to 7/100?", "0.07", wrong,
             why=f"{RIGHT}: 7/100 is 7 hundredths, and hundredths are the second place after "
                 "the point, so 0 tenths and 7 hundredths. 0.7 would be 7 tenths.")

    n = frac_dec("45/100") * 100
    assert n == calc("0.45 / 0.01")
    P.one("How many hundredths are there in 0.45? Write the number only.", n,
          why=f"0.45 = 45/100: 4 tenths make 40 hundredths, and 5 more make {said(n)}.")

    P.parts(f"Write the missing numbers. {DECS}",
            [(text, key(calc(e), why=part_why(calc(e))))
             for text, e in [("4.37 = 4 + 0.3 + ______", "4.37 - 4 - 0.3"),
                             ("8.052 = 8 + ______ + 0.002", "8.052 - 8 - 0.002"),
                             ("6.19 = 6 + ______ + 0.09", "6.19 - 6 - 0.09")]])

    # Tenths and hundredths swapped, tens for ones, hundredths for thousandths.
    worth = {"ones": 1, "tens": 10, "tenths": Decimal("0.1"),
             "hundredths": Decimal("0.01"), "thousandths": Decimal("0.001")}

    def said_value(text: str) -> Decimal:
        a, b = re.fullmatch(r"3 (\w+) and 6 (\w+)", text).groups()
        return 3 * worth[a] + 6 * worth[b]

    right = "3 ones and 6 hundredths"
    wrong = ["3 ones and 6 tenths", "3 tens and 6 hundredths", "3 ones and 6 thousandths"]
    assert said_value(right) == Decimal("3.06")
    assert Fraction(said_value(right)) == Fraction(306, 100)
    assert all(said_value(w) != said_value(right) for w in wrong)
    P.choose("Which of these is the same as 3.06?", right, wrong,
             why=f"{RIGHT}: 3.06 has 3 ones, 0 tenths and 6 hundredths. 3 ones and 6 tenths "
                 f"would be {said(said_value('3 ones and 6 tenths'))}.")

    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f), why=frac_why(f)))
             for f in ["1/5", "2/5", "3/1000"]])

    P.one("What number is 0.1 more than 2.95?", calc("2.95 + 0.1"),
          why="Add 1 to the tenths digit: 9 tenths and 1 more make 10 tenths, which is one "
              f"more whole. 2.95 + 0.1 = {said(calc('2.95 + 0.1'))}.")

    # The arrow's number, read back from the drawing as a second route.
    svg = decimal_line_svg("3", "0.1", 10, 6, [0, 10])
    x = calc("3 + 0.6")
    assert x == calc("4 - 0.4") and abs(line_reading(svg) - Fraction(x)) < Fraction(1, 40)
    P.draw(P.one(f"What number is the arrow pointing to on this number line? {DEC}", x,
                 why="From 3 to 4 there are 10 equal steps, so each step is 0.1. The arrow "
                     f"is 6 steps after 3: 3 + 0.6 = {said(x)}."),
           svg, 560, 120, "A number line from 3 to 4 marked in ten equal steps, "
                          "with an arrow over one mark")

    P.parts("Write each mixed number as a decimal.",
            [(f"{w}{NBSP}{f} = ______", key(w + frac_dec(f), why=(
                f"The whole number goes before the point and {f} = {said(frac_dec(f))} "
                f"after it: {w} + {said(frac_dec(f))} = {said(w + frac_dec(f))}.")))
             for w, f in [(4, "3/10"), (12, "7/100"), (2, "15/100")]])

    # 14. 0.25 read as 2/5, 1/25 or 25/10.
    wrong = ["2/5", "1/25", "25/10"]
    check_wrong("1/4", wrong, Fraction)
    assert frac_dec("1/4") == Decimal("0.25")
    P.choose("Which fraction is equal to 0.25?", "1/4", wrong,
             why=f"{RIGHT}: 0.25 = 25/100, and dividing both numbers by 25 gives 1/4. "
                 "2/5 is 0.4.")

    # 4/5 read as "4 and 5" (0.45, 4.5) or the digits reversed. (3/5 is asked later on.)
    wrong = ["0.45", "4.5", "0.54"]
    check_wrong("0.8", wrong)
    assert frac_dec("4/5") == Decimal("0.8") == frac_dec("8/10")
    P.choose("Which decimal is equal to 4/5?", "0.8", wrong,
             why=f"{RIGHT}: 4/5 = 8/10 (multiply both numbers by 2), which is 8 tenths.")

    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f), why=frac_why(f)))
             for f in ["347/1000", "5/1000", "62/1000"]])

    fracs = ["13/10", "245/100", "1003/1000"]
    for f in fracs:
        n, d = map(int, f.split("/"))
        assert Fraction(frac_dec(f)) == n // d + Fraction(n % d, d)
    P.parts("Each of these fractions is greater than 1. Write each one as a decimal.",
            [(f"{f} = ______", key(frac_dec(f), why=frac_why(f))) for f in fracs])

    P.one("What number is 0.01 less than 5.3?", calc("5.3 - 0.01"),
          why="Write 5.3 as 5.30 and take 1 hundredth away: 5.30 - 0.01 = "
              f"{said(calc('5.3 - 0.01'))}.")

    # Crossing a whole one or a tenth, where 6.102 or 3.010 tempt.
    steps = [("0.1 more than 6.92", "6.92 + 0.1"), ("0.01 more than 3.09", "3.09 + 0.01"),
             ("0.001 less than 2", "2 - 0.001")]
    for _, e in steps:
        a, op, b = e.split()
        assert Fraction(calc(e)) == Fraction(a) + (1 if op == "+" else -1) * Fraction(b)
    P.parts("Write the number that is:",
            [(f"{t} ______", key(calc(e), why=dec_working(e))) for t, e in steps])

    # 17. Counting on past a whole one, where 0.10 and 2.50 tempt.
    P.parts("Write the next number in each sequence.",
            [(f"{', '.join(t)}, ______", key(calc(e), why=next_why(t, calc(e))))
             for t, e in [(["0.7", "0.8", "0.9"], "0.9 + 0.1"),
                          (["2.35", "2.40", "2.45"], "2.45 + 0.05"),
                          (["3.06", "3.04", "3.02"], "3.02 - 0.02")]])

    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f), why=frac_why(f))) for f in ["3/5", "7/20", "9/25"]])

    P.parts("Write each number in figures.",
            [(f"{text} ______", key(calc(e), why=(
                f"{said(calc(e))} is {reading(plain_str(calc(e)))}.")))
             for text, e in [("seven and four hundredths", "7 + 0.04"),
                             ("six and forty-three hundredths", "6 + 0.43"),
                             ("nine thousandths", "9 / 1000")]])

    # 2 m 5 cm is 2.05 m, not 2.5 m: checked by counting centimetres.
    lengths = [(1, 34), (2, 5), (0, 85)]
    items = []
    for m, cm in lengths:
        x = m + calc(f"{cm} / 100")
        assert Fraction(x) == Fraction(100 * m + cm, 100)
        told = f"{m} m {cm} cm" if m else f"{cm} cm"
        items.append((f"{told} = ______ m", key(x, why=(
            f"There are 100 cm in 1 m, so {cm} cm = {cm}/100 m = {said(calc(f'{cm} / 100'))} m. "
            + (f"{m} m {cm} cm = {said(x)} m." if m else "")).strip())))
    P.parts(f"Write each length in metres. {DECS}", items)

    # "Hundreds" for "hundredths" is the slip pupils make; 80 hundredths would equal 8 tenths.
    wrong = ["8 tenths", "8 thousandths", "8 hundreds"]
    P.choose("Which of these is the same as 0.08?", "8 hundredths", wrong,
             why=f"{RIGHT}: in 0.08 the 8 is the second digit after the point, the "
                 "hundredths. Hundreds are 100s, much bigger than 1.")
    return P


# Paper 117: comparing, ordering and rounding decimals.

def paper117(dealer: PositionDealer, first_id: int) -> Builder:
    P = Builder(117, first_id, dealer)

    # 1. The longest numbers look the largest.
    terms = ["0.7", "0.65", "0.09", "0.659"]
    big = by_value(terms)[-1]
    P.choose("Which of these numbers is the largest?", big,
             [t for t in terms if t != big],
             why=f"{RIGHT}. {compare_why(terms)}: {big} has the most tenths. A longer number "
                 "is not always larger.")

    terms = ["3.4", "3.04", "3.44", "3.404"]
    small = by_value(terms)[0]
    P.choose("Which of these numbers is the smallest?", small,
             [t for t in terms if t != small],
             why=f"{RIGHT}. {compare_why(terms)}: {small} has 0 tenths, fewer than the "
                 "others.")

    P.parts("Write the larger number of each pair.",
            [(f"{a} and {b} ______", key(max(Decimal(a), Decimal(b)), why=(
                f"{compare_why([a, b])}: {said(max(Decimal(a), Decimal(b)))} is larger.")))
             for a, b in [("0.8", "0.75"), ("1.09", "1.1"), ("4.35", "4.305")]])

    # The statements pupils get wrong: the longer number thought larger, and a
    # zero after the point ignored.
    def holds(text: str) -> bool:
        a, rel, b = re.fullmatch(r"([\d.]+) is (greater|less) than ([\d.]+)", text).groups()
        return Decimal(a) > Decimal(b) if rel == "greater" else Decimal(a) < Decimal(b)

    def holds_too(text: str) -> bool:
        a, rel, b = re.fullmatch(r"([\d.]+) is (greater|less) than ([\d.]+)", text).groups()
        return (Fraction(a) - Fraction(b) > 0) == (rel == "greater")

    def statement_why(text: str) -> str:
        a, rel, b = re.fullmatch(r"([\d.]+) is (greater|less) than ([\d.]+)", text).groups()
        n = max(places(a), places(b))
        bigger = a if Decimal(a) > Decimal(b) else b
        smaller = b if bigger == a else a
        return (f"{padded(bigger, n)} is more than {padded(smaller, n)}"
                + (", so this is true." if holds(text) else ", so this is false."))

    right = "0.5 is greater than 0.45"
    wrong = ["0.3 is greater than 0.32", "1.08 is greater than 1.8", "2.6 is less than 2.06"]
    assert holds(right) and holds_too(right)
    assert not any(holds(w) or holds_too(w) for w in wrong)
    P.choose("Which of these statements is true?", right, wrong,
             why=f"{RIGHT}. " + " ".join(statement_why(t) for t in [right] + wrong))

    pairs = [("3/4", "0.7"), ("0.35", "2/5"), ("0.09", "1/10")]
    items = []
    for a, b in pairs:
        va, vb = (frac_dec(t) if "/" in t else Decimal(t) for t in (a, b))
        big = max(va, vb)
        assert Fraction(big) == max(Fraction(a), Fraction(b))
        said_a = a if "/" not in a else f"{a} = {said(va)}"
        said_b = b if "/" not in b else f"{b} = {said(vb)}"
        items.append((f"{a} and {b} ______", key(big, why=(
            f"As decimals: {said_a} and {said_b}. {compare_why([said(va), said(vb)])}: "
            f"{said(big)} is larger."))))
    P.parts(f"Write the larger number of each pair. {DECS}", items)

    # 4. Wrong orders: by the number of digits, the right order reversed, and
    # 2.505 put after 2.55 because it is longer.
    terms = ["2.5", "2.05", "2.55", "2.505"]
    right = by_value(terms)
    by_len = sorted(terms, key=lambda t: (len(t), t))
    longer_last = [right[0], right[1], right[3], right[2]]
    wrong = [by_len, right[::-1], longer_last]
    assert right not in wrong and len({tuple(w) for w in wrong}) == 3
    P.choose("Which list shows these numbers in order from the smallest to the "
             f"largest?<br>{'&nbsp;&nbsp;&nbsp; '.join(terms)}", ", ".join(right),
             [", ".join(w) for w in wrong],
             why=f"{RIGHT}. {compare_why(terms)}, and put the smallest first.")

    mid = calc("2.4 + 2.5") / 2
    assert Fraction(mid) == (Fraction("2.4") + Fraction("2.5")) / 2
    P.one("What number is exactly halfway between 2.4 and 2.5?", mid,
          why="Write them as hundredths: 2.40 and 2.50. Halfway between 40 and 50 is 45, so "
              f"the number is {said(mid)}.")

    # Hundredths between two tenths, read back from the drawing as a second route.
    svg = decimal_line_svg("4.6", "0.01", 10, 3, [0, 10])
    x = calc("4.6 + 0.03")
    assert x == calc("4.7 - 0.07") and abs(line_reading(svg) - Fraction(x)) < Fraction(1, 400)
    P.draw(P.one(f"What number is the arrow pointing to? {DEC}", x,
                 why="From 4.6 to 4.7 there are 10 equal steps, so each step is 0.01. The "
                     f"arrow is 3 steps after 4.6: 4.60 + 0.03 = {said(x)}."),
           svg, 560, 120, "A number line from 4.6 to 4.7 marked in ten equal steps, "
                          "with an arrow over one mark")

    right, wrong = "0.35", ["0.29", "0.41", "3.5"]
    assert Decimal("0.3") < Decimal(right) < Decimal("0.4")
    assert all(not Decimal("0.3") < Decimal(w) < Decimal("0.4") for w in wrong)
    P.choose("Which of these numbers is between 0.3 and 0.4?", right, wrong,
             why=f"{RIGHT}: 0.3 = 0.30 and 0.4 = 0.40, and {right} lies between them. "
                 + " ".join(f"{w} is {'less than 0.3' if Decimal(w) < Decimal('0.3') else 'more than 0.4'}."
                            for w in wrong))

    P.parts("Round each number to the nearest whole number.",
            [(f"{n} ______", key(round_dp(n, 0), why=round_why(n, 0)))
             for n in ["3.7", "12.38", "8.51", "19.6"]])
    P.parts("Round each number to one decimal place.",
            [(f"{n} ______", key(round_dp(n, 1), why=round_why(n, 1)))
             for n in ["4.36", "7.82", "0.97"]])

    # Rounded down when it should go up, up past the half, and 2.45 to 2.5.
    right, wrong = "2.36", ["2.46", "2.34", "2.45"]
    assert round_dp(right, 1) == Decimal("2.4")
    assert all(round_dp(w, 1) != Decimal("2.4") for w in wrong)
    assert Fraction("2.35") <= Fraction(right) < Fraction("2.45")
    P.choose("Which of these numbers rounds to 2.4 to one decimal place?", right, wrong,
             why=f"{RIGHT}. " + round_why(right, 1) + " " + ", ".join(
                 f"{w} rounds to {said(round_dp(w, 1))}" for w in wrong) + ".")

    # 9. Rounding twice (6.849, 6.85, 6.9), to a whole number, to 2 places.
    right = plain_str(round_dp("6.849", 1))
    wrong = ["6.9", "7", "6.85"]
    check_wrong(right, wrong)
    P.choose("What is 6.849 rounded to one decimal place?", right, wrong,
             why=f"{RIGHT}. " + round_why("6.849", 1) + " Round once only: rounding "
                 "6.849 to 6.85 first and then to 6.9 is a mistake.")

    P.one("A parcel weighs 2.68 kg. What is its mass to the nearest kilogram?",
          round_dp("2.68", 0), answer="Ans: ______ kg",
          why=round_why("2.68", 0)[:-1] + " kg.")

    # An estimate: each mass rounded, then the rounded masses added.
    masses = ["1.6", "2.3", "0.8", "3.5"]
    est = sum(round_dp(m, 0) for m in masses)
    assert est == sum((int(Fraction(m) * 10) + 5) // 10 for m in masses)
    P.one(f"Four parcels weigh {' kg, '.join(masses[:3])} kg and {masses[3]} kg. Round each mass "
          "to the nearest kilogram, then add the rounded masses to estimate the total "
          "mass.", est, answer="Ans: ______ kg",
          why="Rounded: " + ", ".join(f"{m} kg to {said(round_dp(m, 0))} kg" for m in masses)
              + f". {' + '.join(said(round_dp(m, 0)) for m in masses)} = {said(est)} kg.")

    terms = ["0.6", "0.56", "0.065", "0.605"]
    right = by_value(terms)[::-1]
    wrong = [by_value(terms), sorted(terms, key=len), [right[1], right[0], right[2], right[3]]]
    assert right not in wrong and len({tuple(w) for w in wrong}) == 3
    P.choose("Which list shows these numbers in order from the largest to the "
             f"smallest?<br>{'&nbsp;&nbsp;&nbsp; '.join(terms)}", ", ".join(right),
             [", ".join(w) for w in wrong],
             why=f"{RIGHT}. {compare_why(terms)}, and put the largest first.")

    # Fractions and decimals in one list; wrong orders: fractions left as they
    # look (1/2 and 3/10 read as 0.12 and 0.310), longest last, reversed.
    terms = ["0.45", "1/2", "3/10", "0.6"]
    right = sorted(terms, key=Fraction)
    assert [frac_dec(t) if "/" in t else Decimal(t) for t in right] == sorted(
        frac_dec(t) if "/" in t else Decimal(t) for t in terms)
    wrong = [["1/2", "3/10", "0.45", "0.6"], ["0.45", "0.6", "1/2", "3/10"], right[::-1]]
    assert right not in wrong and len({tuple(w) for w in wrong}) == 3
    as_dec = [f"{t} = {said(frac_dec(t))}" for t in terms if "/" in t]
    P.choose("Which list shows these numbers in order from the smallest to the "
             f"largest?<br>{'&nbsp;&nbsp;&nbsp; '.join(terms)}", ", ".join(right),
             [", ".join(w) for w in wrong],
             why=f"{RIGHT}. Change the fractions to decimals: {', '.join(as_dec)}. Then "
                 f"the order is {', '.join(said(frac_dec(t)) if '/' in t else t for t in right)}.")

    P.parts("Round 15.47:",
            [("to the nearest whole number ______",
              key(round_dp("15.47", 0), why=round_why("15.47", 0))),
             ("to one decimal place ______",
              key(round_dp("15.47", 1), why=round_why("15.47", 1)))])

    # One number rounded four ways; 368.45 to one place tests the half.
    n = "368.45"
    tens, hundreds = (Decimal(n).quantize(Decimal(u), rounding=decimal.ROUND_HALF_UP)
                      for u in ("1E1", "1E2"))
    for unit, r in ((10, tens), (100, hundreds)):
        assert Fraction(r) % unit == 0 and (2 * abs(Fraction(n) - Fraction(r)) < unit
                                            or 2 * (Fraction(r) - Fraction(n)) == unit)
    P.parts(f"Round {n}:",
            [("to the nearest hundred ______", key(hundreds, why=whole_round_why(n, 100))),
             ("to the nearest ten ______", key(tens, why=whole_round_why(n, 10))),
             ("to the nearest whole number ______", key(round_dp(n, 0), why=round_why(n, 0))),
             ("to one decimal place ______", key(round_dp(n, 1), why=round_why(n, 1)))])

    right, wrong = "4.62", ["5.51", "4.49", "5.7"]
    assert round_dp(right, 0) == 5 and all(round_dp(w, 0) != 5 for w in wrong)
    P.choose("Which of these numbers rounds to 5 to the nearest whole number?",
             right, wrong,
             why=f"{RIGHT}. " + round_why(right, 0) + " " + ", ".join(
                 f"{w} rounds to {said(round_dp(w, 0))}" for w in wrong) + ".")

    lists = [["0.42", "0.4", "0.402"], ["1.7", "1.07", "1.77"], ["5.009", "5.09", "5.9"]]
    P.parts("Write the smallest number in each list.",
            [(f"{', '.join(t)} ______", key(Decimal(by_value(t)[0]), why=(
                f"{compare_why(t)}: {by_value(t)[0]} is the smallest.")))
             for t in lists])

    terms = ["1.3", "1.03", "1.33", "1.303"]
    third = by_value(terms)[2]
    P.one(f"Put these numbers in order from the smallest to the largest: "
          f"{', '.join(terms)}. Which number is third?", Decimal(third),
          why=f"{compare_why(terms)}. In order: {', '.join(by_value(terms))}. The third is "
              f"{third}.")

    P.parts("Round each number to two decimal places.",
            [(f"{n} ______", key(round_dp(n, 2), why=round_why(n, 2)))
             for n in ["2.734", "0.268", "5.997"]])

    # 17. The fastest time is the smallest number.
    runners = ["Amira", "Leo", "Priya", "Jack"]
    times = ["14.8", "14.08", "14.18", "14.81"]
    best = runners[times.index(by_value(times)[0])]
    told = ", ".join(f"{w} {t} seconds" for w, t in zip(runners[:3], times[:3]))
    P.choose(f"Four children ran 100 metres. Their times were: {told} and "
             f"{runners[3]} {times[3]} seconds. Who was the fastest?", best,
             [w for w in runners if w != best],
             why=f"{RIGHT}. The fastest runner takes the least time. {compare_why(times)}: "
                 f"{by_value(times)[0]} seconds is the smallest.")

    names = ["Maya", "Tom", "Sara", "Ben"]
    jumps = ["2.7", "2.75", "2.07", "2.57"]
    order = by_value(jumps)
    assert order[-1] == max(jumps, key=Fraction) and order[0] == min(jumps, key=Fraction)
    told = [f"{w} jumped {j} m" for w, j in zip(names, jumps)]
    P.parts(f"In a long jump competition, {', '.join(told[:3])} and {told[3]}.",
            [("How far did the winner jump? ______ m", key(Decimal(order[-1]), why=(
                f"The winner jumped furthest. {compare_why(jumps)}: {order[-1]} m is the "
                "longest."))),
             ("How far did the child who came last jump? ______ m", key(Decimal(order[0]), why=(
                 f"Last place is the shortest jump. {compare_why(jumps)}: {order[0]} m is the "
                 "shortest.")))])

    low = Decimal("3.55")
    assert round_dp("3.55", 1) == Decimal("3.6") and round_dp("3.54", 1) != Decimal("3.6")
    P.one("A number with two decimal places rounds to 3.6 to one decimal place. "
          "What is the smallest number it could be?", low,
          why=f"{said(low)} is halfway between 3.5 and 3.6, and a half rounds up, so it rounds "
              f"to 3.6. 3.54 would round down to 3.5.")

    high = Decimal("7.49")
    assert round_dp("7.49", 0) == 7 and round_dp("7.5", 0) != 7
    P.one("What is the largest number with two decimal places that rounds to 7 "
          "to the nearest whole number?", high,
          why=f"7.5 would round up to 8, so the number must be below it. The largest with two "
              f"decimal places is {said(high)}.")

    # Counted one hundredth at a time, and again as the gap in hundredths less one.
    inside = [Decimal("4.3") + Decimal(k) / 100 for k in range(1, 100)]
    count = sum(1 for x in inside if Decimal("4.3") < x < Decimal("4.4"))
    assert count == (Fraction("4.4") - Fraction("4.3")) * 100 - 1
    P.one("How many numbers with exactly two decimal places are greater than 4.3 and "
          "less than 4.4? (Write the number only.)", Decimal(count),
          why=f"4.3 = 4.30 and 4.4 = 4.40. The numbers between are 4.31, 4.32, ... up to "
              f"4.39: that is {count}.")

    # 6.1 itself, and numbers just outside the gap.
    right, wrong = "6.095", ["6.1", "6.05", "6.19"]
    assert Decimal("6.09") < Decimal(right) < Decimal("6.1")
    assert all(not Fraction("6.09") < Fraction(w) < Fraction("6.1") for w in wrong)
    P.choose("Which of these numbers is greater than 6.09 and less than 6.1?", right, wrong,
             why=f"{RIGHT}. With three places: 6.09 = 6.090 and 6.1 = 6.100, and {right} is "
                 "between them. " + " ".join(
                     (f"{w} is equal to 6.1, not less than it." if Decimal(w) == Decimal("6.1")
                      else f"{w} is {'more than 6.1' if Decimal(w) > Decimal('6.1') else 'less than 6.09'}.")
                     for w in wrong))

    P.parts("Round each amount to the nearest pound.",
            [(f"£{n} rounds to £______", key(round_dp(n, 0), why=(
                f"Look at the pence: {n.partition('.')[2]}p is "
                f"{'50p or more, so round up' if int(n.partition('.')[2]) >= 50 else 'less than 50p, so round down'}"
                f". £{n} rounds to £{said(round_dp(n, 0))}.")))
             for n in ["4.67", "12.35", "0.82"]])
    return P


# Paper 118: adding and subtracting decimals.

def paper118(dealer: PositionDealer, first_id: int) -> Builder:
    P = Builder(118, first_id, dealer)

    P.work_outs("Work out each calculation.", ["0.3 + 0.5", "0.7 + 0.6", "1.4 + 2.3"])
    P.work_outs("Work out each calculation.", ["0.2 + 0.08", "0.5 + 0.05", "0.6 + 0.4"])
    P.work_outs("Work out each calculation.", ["0.9 - 0.4", "1.2 - 0.5", "3.6 - 1.8"])
    P.work_outs("Work out each calculation.", ["7 - 0.3", "5 - 0.02", "1 - 0.001"])
    P.work_outs("Work out each calculation.", ["2.45 + 1.32", "3.78 + 4.56", "12.6 + 3.75"])
    P.work_outs("Work out each calculation.", ["5.84 - 2.31", "7.2 - 3.45", "10 - 4.37"])

    # 5. The last digits lined up (0.45 + 0.35, 4.5 + 3.5, 4.5 + 3.35).
    right = plain_str(calc("4.5 + 0.35"))
    wrong = ["0.8", "8", "7.85"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('4.5 + 0.35')}?", right, wrong,
             why=f"{RIGHT}. " + dec_working("4.5 + 0.35") + " Lining up the last digits "
                 f"instead of the points gives {wrong[0]}.")

    P.one("What must be added to 0.37 to make 1?", calc("1 - 0.37"), why=dec_working("1 - 0.37"))

    P.parts("Write the missing numbers.",
            [(text, key(calc(e), why=f"Take {e.split(' - ')[1]} away from {e.split(' - ')[0]}. "
                                     + dec_working(e)))
             for text, e in [("0.6 + ______ = 1", "1 - 0.6"), ("0.25 + ______ = 1", "1 - 0.25"),
                             ("3.7 + ______ = 10", "10 - 3.7")]])

    bonds = [("6.4", "{} + ______ = 10"), ("2.75", "{} + ______ = 10"),
             ("0.09", "______ + {} = 10")]
    items = []
    for n, form in bonds:
        x = calc(f"10 - {n}")
        assert Fraction(x) + Fraction(n) == 10
        items.append((form.format(n), key(x, why=f"Take {n} away from 10. "
                                                + dec_working(f"10 - {n}"))))
    P.parts("Write the missing numbers.", items)

    P.one(f"Work out {show('6 - 2.45')}.", calc("6 - 2.45"), why=dec_working("6 - 2.45"))

    # Each number rounded to the nearest whole number first; 7 and 9 from
    # rounding one number the wrong way, 80 from losing the point.
    est = round_dp("4.87", 0) + round_dp("3.12", 0)
    assert est == 8 and abs(Fraction(calc("4.87 + 3.12")) - Fraction(est)) < Fraction(1, 2)
    wrong = ["7", "9", "80"]
    exact = Fraction(calc("4.87 + 3.12"))
    assert all(abs(exact - Fraction(w)) > abs(exact - Fraction(est)) for w in wrong)
    P.choose(f"Which is the best estimate of {show('4.87 + 3.12')}?", plain_str(est), wrong,
             why=f"{RIGHT}: 4.87 rounds to {said(round_dp('4.87', 0))} and 3.12 rounds to "
                 f"{said(round_dp('3.12', 0))}, and {said(round_dp('4.87', 0))} + "
                 f"{said(round_dp('3.12', 0))} = {said(est)}.")

    # 9. The smaller digit taken from the larger in each column, and one
    # exchange forgotten.
    right = plain_str(calc("8.3 - 2.75"))
    wrong = ["6.45", "5.65", "6.55"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('8.3 - 2.75')}?", right, wrong,
             why=f"{RIGHT}. " + dec_working("8.3 - 2.75") + " Exchange where the top digit is "
                 "smaller.")

    # The inverse: only adding back the number taken away gives 6.4 again.
    opts = ["3.65 + 2.75", "3.65 - 2.75", "6.4 + 2.75", "3.65 + 6.4"]
    assert calc("6.4 - 2.75") == Decimal("3.65")
    assert calc(opts[0]) == Decimal("6.4") and all(calc(o) != Decimal("6.4") for o in opts[1:])
    P.choose(f"Amira worked out {show('6.4 - 2.75')} = 3.65. Which calculation could she "
             "use to check her answer?", show(opts[0]), [show(o) for o in opts[1:]],
             why=f"{RIGHT}: adding back the number taken away undoes the subtraction, and "
                 f"3.65 + 2.75 = {said(calc(opts[0]))}, the number she started with.")

    P.work_outs("Work out each calculation.", ["1.2 + 3.45 + 0.8", "4.06 + 2.9 + 1.14"])

    x = calc("3.4 + 1.65")
    assert calc(f"{plain_str(x)} - 1.65") == Decimal("3.4")
    P.one("Write the missing number.", x, answer=f"______ {MINUS} 1.65 = 3.4",
          why="Adding undoes subtracting. " + dec_working("3.4 + 1.65"))

    x = calc("7.3 - 2.85")
    assert calc(f"7.3 - {plain_str(x)}") == Decimal("2.85")
    P.one("Write the missing number.", x, answer=f"7.3 {MINUS} ______ = 2.85",
          why="The missing number is the difference between 7.3 and 2.85. "
              + dec_working("7.3 - 2.85"))

    P.work_outs("Work out each calculation.", ["15.3 + 6.78", "20.05 - 8.6"])

    x = calc("1.6 + 0.75")
    assert Fraction(x) * 100 == 160 + 75
    P.one("Tom ran 1.6 km and then walked 0.75 km. How far did he go altogether?", x,
          why=dec_working("1.6 + 0.75")[:-1] + " km.",
          answer="Ans: ______ km")

    pairs = [("0.35", "0.65"), ("0.35", "0.75"), ("0.45", "0.65"), ("0.3", "0.07")]
    sums = [calc(f"{a} + {b}") for a, b in pairs]
    assert sums[0] == 1 and all(s != 1 for s in sums[1:])
    texts = [f"{a} and {b}" for a, b in pairs]
    P.choose("Which pair of numbers adds up to 1?", texts[0], texts[1:],
             why=f"{RIGHT}: {pairs[0][0]} + {pairs[0][1]} = 1.00. The others make "
                 + ", ".join(said(x) for x in sums[1:-1]) + f" and {said(sums[-1])}.")

    P.one("What is the difference between 4.2 and 0.75?", calc("4.2 - 0.75"), why=dec_working("4.2 - 0.75"))
    P.one("The sum of two numbers is 9.1. One of the numbers is 3.46. What is the "
          "other number?", calc("9.1 - 3.46"), why=dec_working("9.1 - 3.46"))
    x = calc("4.5 - 1.75")
    assert Fraction(x) + Fraction("1.75") == Fraction("4.5")
    P.one("A bucket holds 4.5 litres of water. 1.75 litres leak out through a hole. How "
          "much water is left in the bucket?", x, answer="Ans: ______ litres",
          why="Take away what leaked out. " + dec_working("4.5 - 1.75"))

    P.work_outs("Work out each calculation.", ["0.125 + 0.375", "2.048 + 1.6", "5 - 0.125"])
    # Each sequence has a constant step; the next term is checked by adding the
    # step worked out from the first two terms to the last, with Fraction.
    seqs = [["1.25", "1.5", "1.75"], ["4.6", "4.35", "4.1"], ["0.96", "0.98", "1"]]
    items = []
    for t in seqs:
        step = calc(f"{t[1]} - {t[0]}") if Decimal(t[1]) > Decimal(t[0]) else -calc(f"{t[0]} - {t[1]}")
        assert Decimal(t[2]) - Decimal(t[1]) == step
        nxt = Decimal(t[2]) + step
        assert Fraction(nxt) == 2 * Fraction(t[2]) - Fraction(t[1])
        items.append((f"{', '.join(t)}, ______", key(nxt, why=next_why(t, nxt))))
    P.parts("Write the next number in each sequence. Each sequence goes up or down by "
            "the same amount each time.", items)

    P.one("Find the total of 0.8, 0.08 and 8.", calc("0.8 + 0.08 + 8"), why=dec_working("0.8 + 0.08 + 8"))

    x = calc("12.4 - 3.75 + 1.6")
    assert Fraction(x) == Fraction("12.4") + Fraction("1.6") - Fraction("3.75")
    P.one(f"Work out {show('12.4 - 3.75 + 1.6')}.", x, why=dec_working("12.4 - 3.75 + 1.6"))

    opts = ["1.75 + 0.75", "1.75 + 0.57", "3 - 0.05", "0.25 + 0.25"]
    vals = [calc(o) for o in opts]
    assert vals[0] == Decimal("2.5") and all(v != Decimal("2.5") for v in vals[1:])
    P.choose("Which calculation has the answer 2.5?", show(opts[0]),
             [show(o) for o in opts[1:]],
             why=f"{RIGHT}: 1.75 + 0.75 = 2.50. The others make "
                 + ", ".join(said(v) for v in vals[1:-1]) + f" and {said(vals[-1])}.")

    P.one(f"Work out {show('10 - 0.1 - 0.01')}.", calc("10 - 0.1 - 0.01"), why=dec_working("10 - 0.1 - 0.01"))

    total = calc("1.25 + 0.8 + 2.06")
    x = calc(f"{plain_str(total)} - 4")
    assert Fraction(x) * 100 == 125 + 80 + 206 - 400
    P.one("Three parcels weigh 1.25 kg, 0.8 kg and 2.06 kg. How much more than 4 kg do "
          "the three parcels weigh altogether?", x, answer="Ans: ______ kg", marks=2,
          why=f"Total: 1.25 + 0.80 + 2.06 = {padded(plain_str(total), 2)} kg. "
              f"{padded(plain_str(total), 2)} - 4 = {said(x)} kg more.")
    return P


# Paper 119: multiplying and dividing by 10, 100 and 1000; multiplying and
# dividing a decimal by a whole number.

def paper119(dealer: PositionDealer, first_id: int) -> Builder:
    P = Builder(119, first_id, dealer)

    P.work_outs("Work out each calculation.", ["3.4 * 10", "0.56 * 10", "2.75 * 100"])
    P.work_outs("Work out each calculation.", ["0.5 * 10", "0.07 * 10", "0.9 * 100"])
    P.parts(f"Work out each calculation. {DECS}",
            [(f"{show(e)} = ______", key(calc(e), why=dec_working(e))) for e in ["45 / 10", "7 / 100", "38.2 / 10"]])

    # 3. The point moved one place only, the wrong way, or too far.
    right = plain_str(calc("0.6 * 100"))
    wrong = ["6", "600", "0.006"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('0.6 * 100')}?", right, wrong,
             why=f"{RIGHT}. " + dec_working("0.6 * 100"))

    x = calc("3.2 / 0.032")
    assert Fraction("0.032") * Fraction(x) == Fraction("3.2") and x == 100
    P.one("How many times larger is 3.2 than 0.032? (Write the number only.)", x,
          why=times_why("0.032", "3.2"))

    P.work_outs("Work out each calculation.", ["4.3 * 1000", "0.025 * 1000", "1.08 * 100"])
    P.parts(f"Work out each calculation. {DECS}",
            [(f"{show(e)} = ______", key(calc(e), why=dec_working(e))) for e in ["560 / 1000", "3 / 1000", "82.5 / 100"]])

    x = calc("470 / 0.47")
    assert calc(f"0.47 * {plain_str(x)}") == 470
    P.one("Write the missing number.", x, answer=f"0.47 {TIMES} ______ = 470",
          why=times_why("0.47", "470"))

    x = calc("0.38 * 100")
    assert calc(f"{plain_str(x)} / 100") == Decimal("0.38")
    P.one("Write the missing number.", x, answer=f"______ {DIVIDE} 100 = 0.38",
          why="Multiplying undoes dividing. " + dec_working("0.38 * 100"))

    right = plain_str(calc("9.2 / 100"))
    wrong = ["0.92", "920", "0.0092"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('9.2 / 100')}?", right, wrong,
             why=f"{RIGHT}. " + dec_working("9.2 / 100"))

    conv = [("2.5 litres = ______ ml", "2.5 * 1000", (Fraction(5, 2), 1000)),
            ("0.6 km = ______ m", "0.6 * 1000", (Fraction(3, 5), 1000)),
            ("350 ml = ______ litres", "350 / 1000", (350, Fraction(1, 1000)))]
    items = []
    for text, e, (q, per) in conv:
        assert Fraction(calc(e)) == q * per
        fact = {"litres": "There are 1,000 ml in 1 litre. ", "km": "There are 1,000 m in "
                "1 km. ", "ml": "There are 1,000 ml in 1 litre. "}[text.split()[1]]
        items.append((text, key(calc(e), why=fact + dec_working(e))))
    P.parts("Write the missing numbers.", items)

    P.work_outs("Work out each calculation.", ["0.3 * 4", "0.7 * 6", "0.08 * 5"])
    P.work_outs("Work out each calculation.", ["1.6 * 3", "2.45 * 4", "3.07 * 6"])

    # A known fact scaled: the keys come from calc, the check from 27 x 8 = 216.
    fact = 27 * 8
    exprs = ["2.7 * 8", "0.27 * 8", "21.6 / 8"]
    checks = [Fraction(fact, 10), Fraction(fact, 100), Fraction(27, 10)]
    assert all(Fraction(calc(e)) == c for e, c in zip(exprs, checks))
    def scaled(e: str) -> str:
        a, op, b = e.split()
        if op == "*":
            k = plain_str(Decimal(27) / Decimal(a))
            return (f"{a} is 27 {DIVIDE} {k}, so the answer is {fact} {DIVIDE} {k} = "
                    f"{said(calc(e))}.")
        k = plain_str(Decimal(fact) / Decimal(a))
        return (f"{a} is {fact} {DIVIDE} {k}, so the answer is 27 {DIVIDE} {k} = "
                f"{said(calc(e))}.")

    P.parts(f"You know that 27 {TIMES} 8 = {fact}. Use this fact to work out each "
            f"calculation. {DECS}",
            [(f"{show(e)} = ______", key(calc(e), why=scaled(e))) for e in exprs])

    # 11. The point in the wrong place, or the numbers added.
    right = plain_str(calc("0.4 * 3"))
    wrong = ["0.12", "12", "3.4"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('0.4 * 3')}?", right, wrong,
             why=f"{RIGHT}. " + dec_working("0.4 * 3") + f" {wrong[0]} has the point in the "
                 "wrong place.")

    # 4.9 rounded to 5; 24 from rounding down, 300 and 3 from a slipped point.
    est = round_dp("4.9", 0) * 6
    exact = Fraction(calc("4.9 * 6"))
    wrong = ["24", "300", "3"]
    assert est == 30 and all(abs(exact - Fraction(w)) > abs(exact - Fraction(est)) for w in wrong)
    P.choose(f"Which is the best estimate of {show('4.9 * 6')}?", plain_str(est), wrong,
             why=f"{RIGHT}: 4.9 is close to {said(round_dp('4.9', 0))}, and "
                 f"{said(round_dp('4.9', 0))} {TIMES} 6 = {said(est)}.")

    P.one(f"Work out {show('12.5 * 8')}.", calc("12.5 * 8"), why=dec_working("12.5 * 8"))

    P.parts("Write the missing numbers.",
            [(text, key(calc(e), why=fact + dec_working(e)))
             for text, e, fact in [
                 ("3.2 kg = ______ g", "3.2 * 1000", "There are 1,000 g in 1 kg. "),
                 ("450 g = ______ kg", "450 / 1000", "There are 1,000 g in 1 kg. "),
                 ("1.75 m = ______ cm", "1.75 * 100", "There are 100 cm in 1 m. ")]])

    x = calc("45 / 100")
    assert Fraction(x) * 100 == 45
    P.one("100 identical paper clips weigh 45 g altogether. What is the mass of one "
          f"paper clip? {DEC}", x, answer="Ans: ______ g",
          why="Share 45 g between 100 clips. " + dec_working("45 / 100")[:-1] + " g.")

    P.one(f"Work out {show('6 * 0.25')}. {DEC}", calc("6 * 0.25"), why=dec_working("6 * 0.25"))
    P.one(f"Work out {show('4.08 * 7')}.", calc("4.08 * 7"), why=dec_working("4.08 * 7"))

    x = calc("0.3 * 6")
    assert Fraction(x) == sum([Fraction(3, 10)] * 6)
    P.one("One lap of a running track is 0.3 km. Sara runs 6 laps. How far does she run?",
          x, answer="Ans: ______ km", why=dec_working("0.3 * 6")[:-1] + " km.")

    opts = ["0.36 * 10", "0.36 * 100", "360 / 1000", "3.6 / 10"]
    vals = [calc(o) for o in opts]
    assert vals[0] == Decimal("3.6") and all(v != Decimal("3.6") for v in vals[1:])
    P.choose("Which calculation has the answer 3.6?", show(opts[0]),
             [show(o) for o in opts[1:]],
             why=f"{RIGHT}: moving the digits of 0.36 one place to the left gives 3.6. The "
                 "others make " + ", ".join(said(v) for v in vals[1:-1])
                 + f" and {said(vals[-1])}.")

    # Three ways of making 2.5 and one with the point a place out.
    opts = ["0.025 * 10", "0.25 * 10", "250 / 100", "25 / 10"]
    vals = [Fraction(calc(o)) for o in opts]
    assert vals[0] != Fraction(5, 2) and all(v == Fraction(5, 2) for v in vals[1:])
    P.choose("Which of these calculations does NOT have the answer 2.5?", show(opts[0]),
             [show(o) for o in opts[1:]],
             why=f"{RIGHT}: 0.025 {TIMES} 10 = {said(calc(opts[0]))}, not 2.5. The other "
                 "three all make 2.5.")

    a, b, c = calc("53 / 5.3"), calc("0.7 / 0.007"), calc("60 / 1000")
    assert calc(f"5.3 * {plain_str(a)}") == 53 and calc(f"0.7 / {plain_str(b)}") == Decimal("0.007")
    assert calc(f"{plain_str(c)} * 1000") == 60
    P.parts("Write the missing numbers.",
            [(f"5.3 {TIMES} ______ = 53", key(a, why=times_why("5.3", "53"))),
             (f"0.7 {DIVIDE} ______ = 0.007", key(b, why=(
                 f"0.007 is 0.7 with every digit moved two places to the right, which is "
                 f"dividing by {said(b)}."))),
             (f"______ {TIMES} 1,000 = 60", key(c, why="Dividing undoes multiplying. "
                                                      + dec_working("60 / 1000")))])

    exprs = ["8.4 / 4", "7.5 / 5", "0.96 / 3"]
    for e in exprs:
        a, _, b = e.split()
        assert Fraction(calc(e)) * int(b) == Fraction(a)
    P.parts(f"Work out each calculation. {DECS}",
            [(f"{show(e)} = ______", key(calc(e), why=dec_working(e))) for e in exprs])

    P.work_outs("Work out each calculation.", ["0.9 * 8", "0.15 * 9"])

    x = calc("0.75 * 12")
    assert Fraction(x) == Fraction(3, 4) * 12 == Fraction(calc("0.75 * 10") + calc("0.75 * 2"))
    P.one(f"Work out {show('0.75 * 12')}.", x,
          why=f"Split 12 into 10 and 2: 0.75 {TIMES} 10 = {said(calc('0.75 * 10'))} and 0.75 "
              f"{TIMES} 2 = {said(calc('0.75 * 2'))}. {said(calc('0.75 * 10'))} + "
              f"{said(calc('0.75 * 2'))} = {said(x)}.")

    x = calc(f"{plain_str(calc('3.6 * 100'))} / 1000")
    assert Fraction("3.6") * 100 / 1000 == Fraction(x)
    P.one(f"Work out 3.6 {TIMES} 100 {DIVIDE} 1,000. {DEC}", x,
          why=f"Work from left to right: 3.6 {TIMES} 100 = {said(calc('3.6 * 100'))}, then "
              f"{said(calc('3.6 * 100'))} {DIVIDE} 1,000 = {said(x)}.")

    x = calc(f"{plain_str(calc('40 - 2.5'))} / 100")
    assert Fraction(x) * 100 + Fraction("2.5") == 40
    P.one("A number is multiplied by 100, and then 2.5 is added. The answer is 40. "
          f"What was the number? {DEC}", x, marks=2,
          why=f"Work backwards, undoing each step: 40 - 2.5 = {said(calc('40 - 2.5'))}, then "
              f"{said(calc('40 - 2.5'))} {DIVIDE} 100 = {said(x)}.")
    return P


# Paper 120: money and measures word problems.

def paper120(dealer: PositionDealer, first_id: int) -> Builder:
    P = Builder(120, first_id, dealer)

    P.one("A pen costs £1.35 and a ruler costs £0.80. How much do they cost "
          "altogether?", calc("1.35 + 0.80"), why=dec_working("1.35 + 0.80"), answer="Ans: £______")
    P.one("Amira has £5. She spends £3.45. How much money does she have left?",
          calc("5 - 3.45"), why=dec_working("5 - 3.45"), answer="Ans: £______")
    P.one("A bag of apples weighs 1.25 kg and a bag of pears weighs 0.85 kg. What "
          "is the total mass of the two bags, in kilograms?", calc("1.25 + 0.85"), why=dec_working("1.25 + 0.85"),
          answer="Ans: ______ kg")
    P.one("A book costs £4.99. How much do 3 of these books cost?",
          calc("4.99 * 3"), why=dec_working("4.99 * 3"), answer="Ans: £______")

    pence = 35 * 9
    x = calc(f"{pence} / 100")
    assert Fraction(x) == Fraction(calc("0.35 * 9"))
    P.one("Pencils cost 35p each. How much do 9 pencils cost, in pounds?", x,
          why=f"35 {TIMES} 9 = {pence}p. There are 100p in £1, so {pence}p = £{said(x)}.",
          answer="Ans: £______")

    # 5. 305p with the point one place out, the digits swapped, a 0 lost.
    right, wrong = "£3.05", ["£30.50", "£3.50", "£0.35"]
    assert calc("305 / 100") == Decimal("3.05")
    check_wrong(right[1:], [w[1:] for w in wrong])
    P.choose("Which amount is the same as 305p?", right, wrong,
             why=f"{RIGHT}: 305p is 300p + 5p, which is £3 and 5p. 5p is 5 hundredths of a "
                 "pound, so £3.05. £3.50 would be 350p.")

    P.parts("Write each amount in pounds.",
            [(f"{shown(p)}p = £______", key(calc(f"{p} / 100"), why=(
                "There are 100p in £1, so divide by 100. " + dec_working(f"{p} / 100"))))
             for p in ["250", "7", "1040"]])

    P.one("A bottle holds 1.5 litres of juice. How much juice is there in 6 "
          "bottles?", calc("1.5 * 6"), why=dec_working("1.5 * 6"), answer="Ans: ______ litres")
    P.one("A ribbon is 3 m long. Leo cuts off 1.35 m. How long is the ribbon that "
          "is left, in metres?", calc("3 - 1.35"), why=dec_working("3 - 1.35"), answer="Ans: ______ m")
    P.one("10 identical books weigh 4.6 kg altogether. What is the mass of one "
          f"book, in kilograms? {DEC}", calc("4.6 / 10"), why=dec_working("4.6 / 10"), answer="Ans: ______ kg")

    x = calc("2.70 / 6")
    assert Fraction(x) * 6 == Fraction("2.7")
    P.one(f"A pack of 6 yoghurts costs £2.70. How much does one yoghurt cost? {DEC}", x,
          why="Share £2.70 equally between 6. " + dec_working("2.70 / 6"),
          answer="Ans: £______")

    # 10. The change worked out with 5 - 2.75 - 0.95 slipped in different ways.
    change = calc("5 - 2.75 - 0.95")
    right, wrong = f"£{change:.2f}", ["£2.30", "£1.20", "£3.70"]
    check_wrong(right[1:], [w[1:] for w in wrong])
    P.choose("Priya buys a sandwich for £2.75 and a drink for £0.95. She pays with "
             "a £5 note. How much change does she get?", right, wrong,
             why=f"{RIGHT}. She spends £2.75 + £0.95 = £{calc('2.75 + 0.95'):.2f}, and "
                 f"£5.00 - £{calc('2.75 + 0.95'):.2f} = £{change:.2f}.")

    # Change from £10: the cost of one book taken away, the cost itself, and
    # 10 - 5.55 with an exchange forgotten.
    cost = calc("1.85 * 3")
    change = calc(f"10 - {plain_str(cost)}")
    assert Fraction(change) == 10 - 3 * Fraction("1.85")
    right, wrong = f"£{change:.2f}", ["£8.15", "£5.55", "£4.55"]
    assert calc("10 - 1.85") == Decimal("8.15")
    check_wrong(right[1:], [w[1:] for w in wrong])
    P.choose("Ravi buys 3 notebooks that cost £1.85 each. He pays with a £10 note. How "
             "much change does he get?", right, wrong,
             why=f"{RIGHT}. 3 notebooks cost £1.85 {TIMES} 3 = £{cost:.2f}. Change: £10.00 - "
                 f"£{cost:.2f} = £{change:.2f}. £8.15 is the change for one notebook only.")

    x = calc(f"2.4 + {plain_str(calc('850 / 1000'))}")
    assert Fraction("2.4") * 1000 + 850 == Fraction(x) * 1000
    P.one("One parcel weighs 2.4 kg. Another parcel weighs 850 g. What is their "
          "total mass in kilograms?", x, answer="Ans: ______ kg",
          why=f"850 g = 850 {DIVIDE} 1,000 = {said(calc('850 / 1000'))} kg. Then "
              + dec_working(f"2.4 + {plain_str(calc('850 / 1000'))}")[0].lower()
              + dec_working(f"2.4 + {plain_str(calc('850 / 1000'))}")[1:-1] + " kg.")

    adults, children = calc("8.50 * 2"), calc("5.25 * 3")
    total = calc(f"{plain_str(adults)} + {plain_str(children)}")
    assert Fraction("8.5") * 2 + Fraction("5.25") * 3 == Fraction(total)
    P.one("A cinema ticket costs £8.50 for an adult and £5.25 for a child. How "
          "much do tickets for 2 adults and 3 children cost?", total,
          answer="Ans: £______", marks=2,
          why=f"Adults: £8.50 {TIMES} 2 = £{adults:.2f}. Children: £5.25 {TIMES} 3 = "
              f"£{children:.2f}. Total: £{adults:.2f} + £{children:.2f} = £{said(total)}.")

    P.one("A plank of wood 2.4 m long is cut into 4 equal pieces. How long is each "
          f"piece, in metres? {DEC}", calc("2.4 / 4"), why=dec_working("2.4 / 4"), answer="Ans: ______ m")

    x = calc("3.5 + 8.7")
    assert Fraction(x) - Fraction("8.7") == Fraction("3.5")
    P.one("At 6 am the temperature in a garden was 3.5 °C. By midday it had risen by "
          "8.7 degrees. What was the temperature at midday? (Write the number only.)", x,
          why="It rose, so add. " + dec_working("3.5 + 8.7")[:-1] + " °C.",
          answer="Ans: ______ °C")

    four = calc("0.45 * 4")
    P.parts("Apples cost £0.45 each. Jack buys 4 apples.",
            [("How much do the 4 apples cost? £______", key(four, why=dec_working("0.45 * 4"))),
             ("How much change does he get from £2? £______",
              key(calc(f"2 - {plain_str(four)}"), why=(
                  f"The apples cost £{four:.2f}. " + dec_working(f"2 - {four:.2f}"))))])

    # 15. Masses in grams and kilograms: 1,150 g has the most digits.
    opts = ["1.2 kg", "1,150 g", "1.09 kg", "0.99 kg"]
    kg = [Decimal(o.split()[0].replace(",", "")) / (1000 if o.endswith(" g") else 1)
          for o in opts]
    assert max(kg) == kg[0] and len(set(kg)) == 4
    P.choose("Which of these masses is the heaviest?", opts[0], opts[1:],
             why=f"{RIGHT}. Change the grams to kilograms: 1,150 g = {said(kg[1])} kg. "
                 f"{compare_why([plain_str(k) for k in kg])}: {said(kg[0])} kg is the most.")

    # The cheapest pen: the price of one pen worked out by dividing, and again
    # by comparing the prices of 20 pens with whole numbers of pence.
    offers = [(4, "1.20"), (5, "1.75"), (2, "0.64"), (10, "3.50")]
    each = [calc(f"{p} / {n}") for n, p in offers]
    assert min(each) == each[0] and each.count(each[0]) == 1
    for20 = [Fraction(p) * 100 * (20 // n) for n, p in offers]
    assert min(for20) == for20[0] and for20.count(for20[0]) == 1
    texts = [f"{n} pens for £{p}" for n, p in offers]
    P.choose("A shop sells the same pens in different packs. Which pack gives the "
             "lowest price for one pen?", texts[0], texts[1:],
             why=f"{RIGHT}. One pen costs: " + ", ".join(
                 f"£{p} {DIVIDE} {n} = £{e:.2f}" for (n, p), e in zip(offers, each))
                 + f". £{each[0]:.2f} is the lowest.")

    P.one("Zara ran 2.75 km on Monday and 3.4 km on Tuesday. How much further did "
          "she run on Tuesday than on Monday?", calc("3.4 - 2.75"),
          answer="Ans: ______ km", why="Find the difference. " + dec_working("3.4 - 2.75"))

    times = ["32.45", "31.8", "33.07", "30.9"]
    total = calc(" + ".join(times))
    assert Fraction(total) == sum(Fraction(t) for t in times)
    P.one(f"Four swimmers swam a relay race. Their times were {', '.join(times[:3])} "
          f"and {times[3]} seconds. What was the total time for the team?", total,
          answer="Ans: ______ seconds", why=dec_working(" + ".join(times)))

    poured = calc("0.35 * 4")
    P.one("A jug holds 2 litres of water. 0.35 litres is poured into each of 4 "
          "cups. How much water is left in the jug?",
          calc(f"2 - {plain_str(poured)}"), answer="Ans: ______ litres", marks=2,
          why=f"Poured out: 0.35 {TIMES} 4 = {said(poured)} litres. Left: "
              + dec_working(f"2 - {plain_str(poured)}").split(": ", 1)[1])

    P.parts("A shop sells pencils for £0.28 each.",
            [("How much do 10 pencils cost? £______",
              key(calc("0.28 * 10"), why=dec_working("0.28 * 10"))),
             ("How much do 100 pencils cost? £______",
              key(calc("0.28 * 100"), why=dec_working("0.28 * 100")))])

    # A recipe for 4 made for 12: three times each amount.
    potato, milk = calc("0.6 * 3"), calc("0.25 * 3")
    assert Fraction(potato) == Fraction("0.6") / 4 * 12 and Fraction(milk) == Fraction("0.25") / 4 * 12
    P.parts("A recipe for 4 people uses 0.6 kg of potatoes and 0.25 litres of milk. Omar "
            "makes the recipe for 12 people.",
            [("How many kilograms of potatoes does he need? ______ kg",
              key(potato, why="12 people is 3 times 4 people, so use 3 times as much. "
                              + dec_working("0.6 * 3"))),
             ("How many litres of milk does he need? ______ litres",
              key(milk, why="12 people is 3 times 4 people, so use 3 times as much. "
                            + dec_working("0.25 * 3")))])

    P.one("A baby weighed 3.45 kg when she was born and 5.2 kg two months later. "
          "How much mass did she gain?", calc("5.2 - 3.45"), answer="Ans: ______ kg",
          why="Find the difference. " + dec_working("5.2 - 3.45"))

    saved = calc("2.45 * 8")
    x = calc(f"{plain_str(saved)} - 12.99")
    assert Fraction(x) * 100 == 245 * 8 - 1299
    P.one("Nina saves £2.45 every week for 8 weeks. Then she spends £12.99 on a game. "
          "How much of her savings does she have left?", x, answer="Ans: £______", marks=2,
          why=f"Saved: £2.45 {TIMES} 8 = £{saved:.2f}. Left: £{saved:.2f} - £12.99 = "
              f"£{said(x)}.")

    used = calc("0.35 * 3")
    P.one("A bag holds 1.5 kg of flour. Ellie makes 3 cakes, and each cake uses "
          "0.35 kg of flour. How much flour is left in the bag?",
          calc(f"1.5 - {plain_str(used)}"), answer="Ans: ______ kg", marks=2,
          why=f"Used: 0.35 {TIMES} 3 = {said(used)} kg. Left: "
              + dec_working(f"1.5 - {plain_str(used)}").split(": ", 1)[1])

    tins = calc("5.15 - 0.35")
    x = calc(f"{plain_str(tins)} / 12")
    assert Fraction(x) * 12 + Fraction("0.35") == Fraction("5.15")
    P.one("An empty box weighs 0.35 kg. When 12 identical tins of soup are packed in it, "
          f"the box weighs 5.15 kg. What is the mass of one tin? {DEC}", x,
          answer="Ans: ______ kg", marks=2,
          why=f"The 12 tins weigh 5.15 - 0.35 = {said(tins)} kg. One tin: {said(tins)} "
              f"{DIVIDE} 12 = {said(x)} kg.")

    sister, dad = calc("1.42 - 0.37"), calc("1.42 + 0.46")
    x = calc(f"{plain_str(dad)} - {plain_str(sister)}")
    assert Fraction(x) == Fraction("0.37") + Fraction("0.46")
    P.one("Kofi is 1.42 m tall. His sister is 0.37 m shorter than Kofi, and his dad is "
          "0.46 m taller than Kofi. How much taller is his dad than his sister?", x,
          answer="Ans: ______ m", marks=2,
          why=f"Sister: 1.42 - 0.37 = {said(sister)} m. Dad: 1.42 + 0.46 = {said(dad)} m. "
              f"Difference: {said(dad)} - {said(sister)} = {said(x)} m (which is 0.37 + "
              "0.46).")
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper116, paper117, paper118, paper119, paper120]


def build() -> dict[str, str]:
    return build_topic(TOPIC, PAPERS, SUBJECT, ROOT)[1]


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
