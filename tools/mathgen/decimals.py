#!/usr/bin/env python3
"""Mathematics topic 4, "Decimals": writes papers 116 to 120.

    python3 tools/mathgen/decimals.py           # write the papers
    python3 tools/mathgen/decimals.py --check   # compare with the files

Every key is worked out twice: with the standard Decimal type, and again with
Fraction. The two must agree, and a key is never worked out with floats.
"""

from __future__ import annotations

import decimal
import os
import random
import re
import sys
from decimal import Decimal

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

# paperlib loads the standard fractions module, which fractions.py hides.
from paperlib import (  # noqa: E402
    assemble_topic,
    run_generator,
    Blank, Fraction, Paper, PositionDealer, write_files,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
FIRST_ID, LAST_ID = 22361, 22460

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


def key(x: Decimal, marks: int = 1) -> Blank:
    assert x >= 0, x
    s = plain_str(x)
    assert Fraction(s) == Fraction(x), (s, x)
    return Blank("N", marks, s)


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
# Papers

class Builder(Paper):
    def __init__(self, key_: int, first_id: int, dealer: PositionDealer):
        super().__init__(key_, first_id, seed=key_ * 6011, dealer=dealer,
                         instruction=INSTRUCTION)

    def qrng(self) -> random.Random:
        return random.Random(self.key * 1000 + self.number)

    def one(self, stem: str, x: Decimal, answer: str = "Ans: ______",
            marks: int = 1) -> None:
        b = key(x, marks)
        self.single(stem, b.key, answer=answer, marks=marks)

    def work_outs(self, stem: str, exprs: list[str]) -> None:
        self.parts(stem, [(f"{show(e)} = ______", key(calc(e))) for e in exprs])

    def choose(self, stem: str, right: str, wrong: list[str]) -> None:
        self.choice(stem, right, wrong, self.qrng())


# Paper 116: place value of decimals; fractions as decimals.

def paper116(dealer: PositionDealer) -> Builder:
    P = Builder(116, FIRST_ID, dealer)

    P.parts(f"Write the value of the digit 4 in each number. {DECS}",
            [(f"{n} ______", key(digit_value(n, "4"))) for n in ["2.4", "7.14", "0.634"]])

    # 2. The place to the left and to the right, and a ten.
    assert digit_value("5.386", "8") == Decimal("0.08")
    P.choose("What is the value of the digit 8 in 5.386?", "8 hundredths",
             ["8 tenths", "8 thousandths", "8 tens"])

    P.parts("Write each number as a decimal.",
            [("3 tenths = ______", key(calc("3 / 10"))),
             ("7 hundredths = ______", key(calc("7 / 100"))),
             ("4 ones and 9 tenths = ______", key(calc("4 + 0.9")))])

    P.work_outs("Write each of these as a single number.",
                ["5 + 0.6 + 0.08", "20 + 3 + 0.04", "0.7 + 0.005"])

    right = "1.234"
    wrong = ["1.243", "1.423", "4.123"]
    assert digit_value(right, "4") == Decimal("0.004")
    assert all(digit_value(w, "4") != Decimal("0.004") for w in wrong)
    P.choose("In which number is the digit 4 in the thousandths place?", right, wrong)

    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f))) for f in ["3/10", "27/100", "9/100"]])
    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f))) for f in ["1/2", "1/4", "3/4"]])

    # 8. 7/100 misread as 0.7, 7.100 or 0.007.
    wrong = ["0.7", "7.100", "0.007"]
    check_wrong("0.07", wrong)
    assert frac_dec("7/100") == Decimal("0.07")
    P.choose("Which decimal is equal to 7/100?", "0.07", wrong)

    n = frac_dec("45/100") * 100
    assert n == calc("0.45 / 0.01")
    P.one("How many hundredths are there in 0.45? Write the number only.", n)

    P.parts(f"Write the missing numbers. {DECS}",
            [("4.37 = 4 + 0.3 + ______", key(calc("4.37 - 4 - 0.3"))),
             ("8.052 = 8 + ______ + 0.002", key(calc("8.052 - 8 - 0.002"))),
             ("6.19 = 6 + ______ + 0.09", key(calc("6.19 - 6 - 0.09")))])

    P.parts("Write each fraction as a decimal.",
            [(f"1/5 = ______", key(frac_dec("1/5"))),
             (f"2/5 = ______", key(frac_dec("2/5"))),
             (f"3/1000 = ______", key(frac_dec("3/1000")))])

    P.one("What number is 0.1 more than 2.95?", calc("2.95 + 0.1"))

    P.parts("Write each mixed number as a decimal.",
            [(f"4{NBSP}3/10 = ______", key(4 + frac_dec("3/10"))),
             (f"12{NBSP}7/100 = ______", key(12 + frac_dec("7/100"))),
             (f"2{NBSP}15/100 = ______", key(2 + frac_dec("15/100")))])

    # 14. 0.25 read as 2/5, 1/25 or 25/10.
    wrong = ["2/5", "1/25", "25/10"]
    check_wrong("1/4", wrong, Fraction)
    assert frac_dec("1/4") == Decimal("0.25")
    P.choose("Which fraction is equal to 0.25?", "1/4", wrong)

    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f))) for f in ["347/1000", "5/1000", "62/1000"]])

    P.one("What number is 0.01 less than 5.3?", calc("5.3 - 0.01"))

    # 17. Counting on past a whole one, where 0.10 and 2.50 tempt.
    P.parts("Write the next number in each sequence.",
            [("0.7, 0.8, 0.9, ______", key(calc("0.9 + 0.1"))),
             ("2.35, 2.40, 2.45, ______", key(calc("2.45 + 0.05"))),
             ("3.06, 3.04, 3.02, ______", key(calc("3.02 - 0.02")))])

    P.parts("Write each fraction as a decimal.",
            [(f"{f} = ______", key(frac_dec(f))) for f in ["3/5", "7/20", "9/25"]])

    P.parts("Write each number in figures.",
            [("seven and four hundredths ______", key(calc("7 + 0.04"))),
             ("six and forty-three hundredths ______", key(calc("6 + 0.43"))),
             ("nine thousandths ______", key(calc("9 / 1000")))])

    # "Hundreds" for "hundredths" is the slip pupils make; 80 hundredths would equal 8 tenths.
    wrong = ["8 tenths", "8 thousandths", "8 hundreds"]
    P.choose("Which of these is the same as 0.08?", "8 hundredths", wrong)
    return P


# Paper 117: comparing, ordering and rounding decimals.

def paper117(dealer: PositionDealer) -> Builder:
    P = Builder(117, FIRST_ID + 20, dealer)

    # 1. The longest numbers look the largest.
    terms = ["0.7", "0.65", "0.09", "0.659"]
    big = by_value(terms)[-1]
    P.choose("Which of these numbers is the largest?", big,
             [t for t in terms if t != big])

    terms = ["3.4", "3.04", "3.44", "3.404"]
    small = by_value(terms)[0]
    P.choose("Which of these numbers is the smallest?", small,
             [t for t in terms if t != small])

    P.parts("Write the larger number of each pair.",
            [(f"{a} and {b} ______", key(max(Decimal(a), Decimal(b))))
             for a, b in [("0.8", "0.75"), ("1.09", "1.1"), ("4.35", "4.305")]])

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
             [", ".join(w) for w in wrong])

    mid = calc("2.4 + 2.5") / 2
    assert Fraction(mid) == (Fraction("2.4") + Fraction("2.5")) / 2
    P.one("What number is exactly halfway between 2.4 and 2.5?", mid)

    right, wrong = "0.35", ["0.29", "0.41", "3.5"]
    assert Decimal("0.3") < Decimal(right) < Decimal("0.4")
    assert all(not Decimal("0.3") < Decimal(w) < Decimal("0.4") for w in wrong)
    P.choose("Which of these numbers is between 0.3 and 0.4?", right, wrong)

    P.parts("Round each number to the nearest whole number.",
            [(f"{n} ______", key(round_dp(n, 0))) for n in ["3.7", "12.38", "8.51", "19.6"]])
    P.parts("Round each number to one decimal place.",
            [(f"{n} ______", key(round_dp(n, 1))) for n in ["4.36", "7.82", "0.97"]])

    # 9. Rounding twice (6.849, 6.85, 6.9), to a whole number, to 2 places.
    right = plain_str(round_dp("6.849", 1))
    wrong = ["6.9", "7", "6.85"]
    check_wrong(right, wrong)
    P.choose("What is 6.849 rounded to one decimal place?", right, wrong)

    P.one("A parcel weighs 2.68 kg. What is its mass to the nearest kilogram?",
          round_dp("2.68", 0), answer="Ans: ______ kg")

    terms = ["0.6", "0.56", "0.065", "0.605"]
    right = by_value(terms)[::-1]
    wrong = [by_value(terms), sorted(terms, key=len), [right[1], right[0], right[2], right[3]]]
    assert right not in wrong and len({tuple(w) for w in wrong}) == 3
    P.choose("Which list shows these numbers in order from the largest to the "
             f"smallest?<br>{'&nbsp;&nbsp;&nbsp; '.join(terms)}", ", ".join(right),
             [", ".join(w) for w in wrong])

    P.parts("Round 15.47:",
            [("to the nearest whole number ______", key(round_dp("15.47", 0))),
             ("to one decimal place ______", key(round_dp("15.47", 1)))])

    right, wrong = "4.62", ["5.51", "4.49", "5.7"]
    assert round_dp(right, 0) == 5 and all(round_dp(w, 0) != 5 for w in wrong)
    P.choose("Which of these numbers rounds to 5 to the nearest whole number?",
             right, wrong)

    lists = [["0.42", "0.4", "0.402"], ["1.7", "1.07", "1.77"], ["5.009", "5.09", "5.9"]]
    P.parts("Write the smallest number in each list.",
            [(f"{', '.join(t)} ______", key(Decimal(by_value(t)[0]))) for t in lists])

    terms = ["1.3", "1.03", "1.33", "1.303"]
    third = by_value(terms)[2]
    P.one(f"Put these numbers in order from the smallest to the largest: "
          f"{', '.join(terms)}. Which number is third?", Decimal(third))

    P.parts("Round each number to two decimal places.",
            [(f"{n} ______", key(round_dp(n, 2))) for n in ["2.734", "0.268", "5.997"]])

    # 17. The fastest time is the smallest number.
    runners = ["Amira", "Leo", "Priya", "Jack"]
    times = ["14.8", "14.08", "14.18", "14.81"]
    best = runners[times.index(by_value(times)[0])]
    told = ", ".join(f"{w} {t} seconds" for w, t in zip(runners[:3], times[:3]))
    P.choose(f"Four children ran 100 metres. Their times were: {told} and "
             f"{runners[3]} {times[3]} seconds. Who was the fastest?", best,
             [w for w in runners if w != best])

    low = Decimal("3.55")
    assert round_dp("3.55", 1) == Decimal("3.6") and round_dp("3.54", 1) != Decimal("3.6")
    P.one("A number with two decimal places rounds to 3.6 to one decimal place. "
          "What is the smallest number it could be?", low)

    high = Decimal("7.49")
    assert round_dp("7.49", 0) == 7 and round_dp("7.5", 0) != 7
    P.one("What is the largest number with two decimal places that rounds to 7 "
          "to the nearest whole number?", high)

    P.parts("Round each amount to the nearest pound.",
            [(f"£{n} rounds to £______", key(round_dp(n, 0))) for n in ["4.67", "12.35", "0.82"]])
    return P


# Paper 118: adding and subtracting decimals.

def paper118(dealer: PositionDealer) -> Builder:
    P = Builder(118, FIRST_ID + 40, dealer)

    P.work_outs("Work out each calculation.", ["0.3 + 0.5", "0.7 + 0.6", "1.4 + 2.3"])
    P.work_outs("Work out each calculation.", ["0.9 - 0.4", "1.2 - 0.5", "3.6 - 1.8"])
    P.work_outs("Work out each calculation.", ["2.45 + 1.32", "3.78 + 4.56", "12.6 + 3.75"])
    P.work_outs("Work out each calculation.", ["5.84 - 2.31", "7.2 - 3.45", "10 - 4.37"])

    # 5. The last digits lined up (0.45 + 0.35, 4.5 + 3.5, 4.5 + 3.35).
    right = plain_str(calc("4.5 + 0.35"))
    wrong = ["0.8", "8", "7.85"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('4.5 + 0.35')}?", right, wrong)

    P.one("What must be added to 0.37 to make 1?", calc("1 - 0.37"))

    P.parts("Write the missing numbers.",
            [("0.6 + ______ = 1", key(calc("1 - 0.6"))),
             ("0.25 + ______ = 1", key(calc("1 - 0.25"))),
             ("3.7 + ______ = 10", key(calc("10 - 3.7")))])

    P.one(f"Work out {show('6 - 2.45')}.", calc("6 - 2.45"))

    # 9. The smaller digit taken from the larger in each column, and one
    # exchange forgotten.
    right = plain_str(calc("8.3 - 2.75"))
    wrong = ["6.45", "5.65", "6.55"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('8.3 - 2.75')}?", right, wrong)

    P.work_outs("Work out each calculation.", ["1.2 + 3.45 + 0.8", "4.06 + 2.9 + 1.14"])

    x = calc("3.4 + 1.65")
    assert calc(f"{plain_str(x)} - 1.65") == Decimal("3.4")
    P.one("Write the missing number.", x, answer=f"______ {MINUS} 1.65 = 3.4")

    x = calc("7.3 - 2.85")
    assert calc(f"7.3 - {plain_str(x)}") == Decimal("2.85")
    P.one("Write the missing number.", x, answer=f"7.3 {MINUS} ______ = 2.85")

    P.work_outs("Work out each calculation.", ["15.3 + 6.78", "20.05 - 8.6"])

    pairs = [("0.35", "0.65"), ("0.35", "0.75"), ("0.45", "0.65"), ("0.3", "0.07")]
    sums = [calc(f"{a} + {b}") for a, b in pairs]
    assert sums[0] == 1 and all(s != 1 for s in sums[1:])
    texts = [f"{a} and {b}" for a, b in pairs]
    P.choose("Which pair of numbers adds up to 1?", texts[0], texts[1:])

    P.one("What is the difference between 4.2 and 0.75?", calc("4.2 - 0.75"))
    P.one("The sum of two numbers is 9.1. One of the numbers is 3.46. What is the "
          "other number?", calc("9.1 - 3.46"))
    P.work_outs("Work out each calculation.", ["0.125 + 0.375", "2.048 + 1.6", "5 - 0.125"])
    P.one("Find the total of 0.8, 0.08 and 8.", calc("0.8 + 0.08 + 8"))

    opts = ["1.75 + 0.75", "1.75 + 0.57", "3 - 0.05", "0.25 + 0.25"]
    vals = [calc(o) for o in opts]
    assert vals[0] == Decimal("2.5") and all(v != Decimal("2.5") for v in vals[1:])
    P.choose("Which calculation has the answer 2.5?", show(opts[0]),
             [show(o) for o in opts[1:]])

    P.one(f"Work out {show('10 - 0.1 - 0.01')}.", calc("10 - 0.1 - 0.01"))
    return P


# Paper 119: multiplying and dividing by 10, 100 and 1000; multiplying a
# decimal by a whole number.

def paper119(dealer: PositionDealer) -> Builder:
    P = Builder(119, FIRST_ID + 60, dealer)

    P.work_outs("Work out each calculation.", ["3.4 * 10", "0.56 * 10", "2.75 * 100"])
    P.parts(f"Work out each calculation. {DECS}",
            [(f"{show(e)} = ______", key(calc(e))) for e in ["45 / 10", "7 / 100", "38.2 / 10"]])

    # 3. The point moved one place only, the wrong way, or too far.
    right = plain_str(calc("0.6 * 100"))
    wrong = ["6", "600", "0.006"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('0.6 * 100')}?", right, wrong)

    P.work_outs("Work out each calculation.", ["4.3 * 1000", "0.025 * 1000", "1.08 * 100"])
    P.parts(f"Work out each calculation. {DECS}",
            [(f"{show(e)} = ______", key(calc(e))) for e in ["560 / 1000", "3 / 1000", "82.5 / 100"]])

    x = calc("470 / 0.47")
    assert calc(f"0.47 * {plain_str(x)}") == 470
    P.one("Write the missing number.", x, answer=f"0.47 {TIMES} ______ = 470")

    x = calc("0.38 * 100")
    assert calc(f"{plain_str(x)} / 100") == Decimal("0.38")
    P.one("Write the missing number.", x, answer=f"______ {DIVIDE} 100 = 0.38")

    right = plain_str(calc("9.2 / 100"))
    wrong = ["0.92", "920", "0.0092"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('9.2 / 100')}?", right, wrong)

    P.work_outs("Work out each calculation.", ["0.3 * 4", "0.7 * 6", "0.08 * 5"])
    P.work_outs("Work out each calculation.", ["1.6 * 3", "2.45 * 4", "3.07 * 6"])

    # 11. The point in the wrong place, or the numbers added.
    right = plain_str(calc("0.4 * 3"))
    wrong = ["0.12", "12", "3.4"]
    check_wrong(right, wrong)
    P.choose(f"What is {show('0.4 * 3')}?", right, wrong)

    P.one(f"Work out {show('12.5 * 8')}.", calc("12.5 * 8"))

    P.parts("Write the missing numbers.",
            [("3.2 kg = ______ g", key(calc("3.2 * 1000"))),
             ("450 g = ______ kg", key(calc("450 / 1000"))),
             ("1.75 m = ______ cm", key(calc("1.75 * 100")))])

    P.one(f"Work out {show('6 * 0.25')}. {DEC}", calc("6 * 0.25"))
    P.one(f"Work out {show('4.08 * 7')}.", calc("4.08 * 7"))

    opts = ["0.36 * 10", "0.36 * 100", "360 / 1000", "3.6 / 10"]
    vals = [calc(o) for o in opts]
    assert vals[0] == Decimal("3.6") and all(v != Decimal("3.6") for v in vals[1:])
    P.choose("Which calculation has the answer 3.6?", show(opts[0]),
             [show(o) for o in opts[1:]])

    a, b, c = calc("53 / 5.3"), calc("0.7 / 0.007"), calc("60 / 1000")
    assert calc(f"5.3 * {plain_str(a)}") == 53 and calc(f"0.7 / {plain_str(b)}") == Decimal("0.007")
    assert calc(f"{plain_str(c)} * 1000") == 60
    P.parts("Write the missing numbers.",
            [(f"5.3 {TIMES} ______ = 53", key(a)),
             (f"0.7 {DIVIDE} ______ = 0.007", key(b)),
             (f"______ {TIMES} 1,000 = 60", key(c))])

    P.work_outs("Work out each calculation.", ["0.9 * 8", "0.15 * 9"])

    x = calc(f"{plain_str(calc('3.6 * 100'))} / 1000")
    assert Fraction("3.6") * 100 / 1000 == Fraction(x)
    P.one(f"Work out 3.6 {TIMES} 100 {DIVIDE} 1,000. {DEC}", x)

    x = calc(f"{plain_str(calc('40 - 2.5'))} / 100")
    assert Fraction(x) * 100 + Fraction("2.5") == 40
    P.one("A number is multiplied by 100, and then 2.5 is added. The answer is 40. "
          f"What was the number? {DEC}", x, marks=2)
    return P


# Paper 120: money and measures word problems.

def paper120(dealer: PositionDealer) -> Builder:
    P = Builder(120, FIRST_ID + 80, dealer)

    P.one("A pen costs £1.35 and a ruler costs £0.80. How much do they cost "
          "altogether?", calc("1.35 + 0.80"), answer="Ans: £______")
    P.one("Amira has £5. She spends £3.45. How much money does she have left?",
          calc("5 - 3.45"), answer="Ans: £______")
    P.one("A bag of apples weighs 1.25 kg and a bag of pears weighs 0.85 kg. What "
          "is the total mass of the two bags, in kilograms?", calc("1.25 + 0.85"),
          answer="Ans: ______ kg")
    P.one("A book costs £4.99. How much do 3 of these books cost?",
          calc("4.99 * 3"), answer="Ans: £______")

    # 5. 305p with the point one place out, the digits swapped, a 0 lost.
    right, wrong = "£3.05", ["£30.50", "£3.50", "£0.35"]
    assert calc("305 / 100") == Decimal("3.05")
    check_wrong(right[1:], [w[1:] for w in wrong])
    P.choose("Which amount is the same as 305p?", right, wrong)

    P.parts("Write each amount in pounds.",
            [(f"{shown(p)}p = £______", key(calc(f"{p} / 100"))) for p in ["250", "7", "1040"]])

    P.one("A bottle holds 1.5 litres of juice. How much juice is there in 6 "
          "bottles?", calc("1.5 * 6"), answer="Ans: ______ litres")
    P.one("A ribbon is 3 m long. Leo cuts off 1.35 m. How long is the ribbon that "
          "is left, in metres?", calc("3 - 1.35"), answer="Ans: ______ m")
    P.one("10 identical books weigh 4.6 kg altogether. What is the mass of one "
          f"book, in kilograms? {DEC}", calc("4.6 / 10"), answer="Ans: ______ kg")

    # 10. The change worked out with 5 - 2.75 - 0.95 slipped in different ways.
    change = calc("5 - 2.75 - 0.95")
    right, wrong = f"£{change:.2f}", ["£2.30", "£1.20", "£3.70"]
    check_wrong(right[1:], [w[1:] for w in wrong])
    P.choose("Priya buys a sandwich for £2.75 and a drink for £0.95. She pays with "
             "a £5 note. How much change does she get?", right, wrong)

    x = calc(f"2.4 + {plain_str(calc('850 / 1000'))}")
    assert Fraction("2.4") * 1000 + 850 == Fraction(x) * 1000
    P.one("One parcel weighs 2.4 kg. Another parcel weighs 850 g. What is their "
          "total mass in kilograms?", x, answer="Ans: ______ kg")

    adults, children = calc("8.50 * 2"), calc("5.25 * 3")
    total = calc(f"{plain_str(adults)} + {plain_str(children)}")
    assert Fraction("8.5") * 2 + Fraction("5.25") * 3 == Fraction(total)
    P.one("A cinema ticket costs £8.50 for an adult and £5.25 for a child. How "
          "much do tickets for 2 adults and 3 children cost?", total,
          answer="Ans: £______", marks=2)

    P.one("A plank of wood 2.4 m long is cut into 4 equal pieces. How long is each "
          f"piece, in metres? {DEC}", calc("2.4 / 4"), answer="Ans: ______ m")

    four = calc("0.45 * 4")
    P.parts("Apples cost £0.45 each. Jack buys 4 apples.",
            [("How much do the 4 apples cost? £______", key(four)),
             ("How much change does he get from £2? £______",
              key(calc(f"2 - {plain_str(four)}")))])

    # 15. Masses in grams and kilograms: 1,150 g has the most digits.
    opts = ["1.2 kg", "1,150 g", "1.09 kg", "0.99 kg"]
    kg = [Decimal(o.split()[0].replace(",", "")) / (1000 if o.endswith(" g") else 1)
          for o in opts]
    assert max(kg) == kg[0] and len(set(kg)) == 4
    P.choose("Which of these masses is the heaviest?", opts[0], opts[1:])

    P.one("Zara ran 2.75 km on Monday and 3.4 km on Tuesday. How much further did "
          "she run on Tuesday than on Monday?", calc("3.4 - 2.75"),
          answer="Ans: ______ km")

    poured = calc("0.35 * 4")
    P.one("A jug holds 2 litres of water. 0.35 litres is poured into each of 4 "
          "cups. How much water is left in the jug?",
          calc(f"2 - {plain_str(poured)}"), answer="Ans: ______ litres", marks=2)

    P.parts("A shop sells pencils for £0.28 each.",
            [("How much do 10 pencils cost? £______", key(calc("0.28 * 10"))),
             ("How much do 100 pencils cost? £______", key(calc("0.28 * 100")))])

    P.one("A baby weighed 3.45 kg when she was born and 5.2 kg two months later. "
          "How much mass did she gain?", calc("5.2 - 3.45"), answer="Ans: ______ kg")

    used = calc("0.35 * 3")
    P.one("A bag holds 1.5 kg of flour. Ellie makes 3 cakes, and each cake uses "
          "0.35 kg of flour. How much flour is left in the bag?",
          calc(f"1.5 - {plain_str(used)}"), answer="Ans: ______ kg", marks=2)
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper116, paper117, paper118, paper119, paper120]


def build() -> dict[str, str]:
    dealer = PositionDealer(seed=2004)
    papers = [make(dealer) for make in PAPERS]
    files, _ = assemble_topic(papers, SUBJECT, os.path.join(ROOT, SUBJECT), FIRST_ID, LAST_ID)
    return files


def main() -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT)


if __name__ == "__main__":
    sys.exit(main())
