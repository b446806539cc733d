#!/usr/bin/env python3
"""Mathematics topic 3, "Fractions": writes papers 111 to 115.

    python3 tools/mathgen/fractions.py           # write the papers
    python3 tools/mathgen/fractions.py --check   # compare with the files

Every key is worked out twice: with the standard Fraction type, and again the
way a pupil does it (a common denominator found by counting up multiples,
then cancelling common factors one at a time). The two must agree.
"""

from __future__ import annotations

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.registry import by_name  # noqa: E402
from mathgen.paperlib import (  # noqa: E402
    TopicPaper,
    PUPILS,
    build_topic,
    run_generator,
    Blank, DIVIDE, Fraction, PositionDealer, RIGHT, form_note,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("fractions")

NBSP = "\u00a0"
MINUS = "\u2212"
TIMES = "\u00d7"

NAMES = PUPILS[:20]

# Above the first question of every paper: how to type each kind of answer
# so that a pupil who knows it is marked right.
INSTRUCTION = (f"In the answer sheet, write a fraction with a slash, for example "
               f"3/8, and a mixed number with one space after the whole number, "
               f"for example 1{NBSP}2/5. Write any other answer as a number only, "
               "with no units and no £ sign. For a multiple-choice question, write "
               "the number of the correct option (1, 2, 3 or 4).")

FRAC, FRACS = form_note("F"), form_note("F", each=True)
IMPROPER, IMPROPERS = form_note("I"), form_note("I", each=True)
MIXED, MIXEDS = form_note("X"), form_note("X", each=True)


# ---------------------------------------------------------------------------
# Fractions as written on the page and as typed in the answer sheet

def poss(pronoun: str) -> str:
    return "her" if pronoun == "she" else "his"


def parse(term: str) -> Fraction:
    """'3/4', '2 1/3' or '5'."""
    m = re.fullmatch(r"(?:(\d+) )?(\d+)/(\d+)|(\d+)", term)
    assert m, term
    if m[4]:
        return Fraction(int(m[4]))
    return int(m[1] or 0) + Fraction(int(m[2]), int(m[3]))


def shown(term: str) -> str:
    """A mixed number keeps its parts together on one line."""
    return term.replace(" ", NBSP)


def fs(x: Fraction) -> str:
    return f"{x.numerator}/{x.denominator}"


def ms(x: Fraction) -> str:
    w, r = divmod(x.numerator, x.denominator)
    return f"{w}{NBSP}{r}/{x.denominator}" if w else fs(x)


def answer(x: Fraction, kind: str, marks: int = 1, why: str = "") -> Blank:
    """kind F: a proper fraction; I: an improper fraction; X: a mixed number;
    N: a whole number."""
    if kind == "N":
        assert x.denominator == 1 and x >= 0, x
        return Blank("N", marks, str(x.numerator), why)
    assert x.denominator > 1 and x > 0, x
    if kind == "F":
        assert x < 1, x
        return Blank("F", marks, fs(x), why)
    assert x > 1, x
    if kind == "I":
        return Blank("F", marks, fs(x), why)
    n, d = slow_mixed(x.numerator, x.denominator)
    assert kind == "X"
    return Blank("X", marks, f"{n[0]} {n[1]}/{d}", why)


# ---------------------------------------------------------------------------
# Worked answers: the pencil-and-paper route, written out for the pupil

_PARTS = {2: "halves", 3: "thirds", 4: "quarters", 5: "fifths", 6: "sixths",
          7: "sevenths", 8: "eighths", 9: "ninths", 10: "tenths", 12: "twelfths",
          15: "fifteenths", 18: "eighteenths", 20: "twentieths", 24: "twenty-fourths",
          30: "thirtieths", 36: "thirty-sixths", 40: "fortieths", 60: "sixtieths"}


_ORDINAL = ["", "first", "second", "third", "fourth", "fifth", "sixth", "seventh", "eighth",
            "ninth", "tenth", "eleventh", "twelfth", "thirteenth", "fourteenth", "fifteenth",
            "sixteenth", "seventeenth", "eighteenth", "nineteenth"]
_TENTHS = {2: "twent", 3: "thirt", 4: "fort", 5: "fift", 6: "sixt", 7: "sevent", 8: "eight",
           9: "ninet"}
_TENS_WORD = {2: "twenty", 3: "thirty", 4: "forty", 5: "fifty", 6: "sixty", 7: "seventy",
              8: "eighty", 9: "ninety"}


def ordinal_parts(d: int) -> str | None:
    """The name of the parts a whole is cut into, below 100: 'elevenths', 'twenty-fifths'."""
    if d < 20:
        return _ORDINAL[d] + "s" if d > 2 else None
    if d < 100:
        t, u = divmod(d, 10)
        return (f"{_TENTHS[t]}ieths" if not u else f"{_TENS_WORD[t]}-{_ORDINAL[u]}s")
    return None


def parts_name(d: int, count: int = 2) -> str:
    """'quarters', or 'quarter' for one of them; a denominator without a name is said as
    a number."""
    name = _PARTS.get(d) or ordinal_parts(d) or f"parts of {d}"
    if count == 1:
        name = "half" if d == 2 else name.removesuffix("s").replace("parts", "part")
    return name


def in_name(d: int) -> str:
    return f"In {_PARTS[d]}" if d in _PARTS else f"With a common denominator of {d}"


def fx(x: Fraction) -> str:
    """A value as a pupil writes it in a worked answer: 3, 5/8 or 2 3/4."""
    w, r = divmod(x.numerator, x.denominator)
    if not r:
        return str(w)
    return f"{w} {r}/{x.denominator}" if w else f"{r}/{x.denominator}"


def hcf(a: int, b: int) -> int:
    return max(k for k in range(1, min(a, b) + 1) if a % k == 0 and b % k == 0)


def tidy(n: int, d: int, kind: str) -> list[str]:
    """The steps after n/d: cancelling, then a mixed number where one is asked for."""
    out = []
    g = hcf(n, d) if n else 1
    if g > 1:
        n, d = n // g, d // g
        out.append(f"{n}/{d}" if d > 1 else str(n))
    if kind in "XN" and n > d > 1:
        out.append(fx(Fraction(n, d)))
    return out


def cancel_note(n: int, d: int) -> str:
    """Why the fraction after n/d in a chain is what it is."""
    g = hcf(n, d) if n else 1
    if g == d:
        return f", because {n} {DIVIDE} {d} = {n // d}"
    return f", dividing the numerator and denominator by {g}" if g > 1 else ""


def working(expr: str, kind: str) -> str:
    """The working of a calculation the papers set, in the form the answer takes."""
    bits = re.split(r" ([+\-*]) ", expr)
    terms, ops = bits[0::2], bits[1::2]
    sign = {"+": "+", "-": "-", "*": TIMES}
    said = " ".join([terms[0]] + [f"{sign[o]} {t}" for o, t in zip(ops, terms[1:])])
    x = calc(expr)
    if ops == ["*"]:
        (n1, d1), (n2, d2) = slow_term(terms[0]), slow_term(terms[1])
        chain = [said]
        if " " in terms[0] or " " in terms[1]:
            chain.append(f"{n1}/{d1} {TIMES} {n2 if d2 == 1 else f'{n2}/{d2}'}"
                         if d1 > 1 else f"{n1} {TIMES} {n2}/{d2}")
        top, bottom = n1 * n2, d1 * d2
        if d1 > 1 and d2 > 1:
            chain.append(f"({n1} {TIMES} {n2})/({d1} {TIMES} {d2})")
        else:
            chain.append(f"({n1} {TIMES} {n2})/{bottom}")
        chain.append(f"{top}/{bottom}")
        chain += tidy(top, bottom, kind)
        out = " = ".join(chain)
        lead = ("Multiply the numerators and the denominators: " if d1 > 1 and d2 > 1 else
                "Multiply the numerator by the whole number; the denominator stays the same: ")
        assert calc(expr) == x
        return lead + out + cancel_note(top, bottom) + "."
    if any(" " in t for t in terms) and ops == ["+"] and all(" " in t for t in terms):
        # Mixed numbers added: wholes, then parts.
        ws = [int(t.split(" ")[0]) for t in terms]
        fr = [t.split(" ")[1] for t in terms]
        part = calc(" + ".join(fr))
        d = common_denominator(slow_term(fr[0])[1], slow_term(fr[1])[1])
        conv = [f"{slow_term(f)[0] * d // slow_term(f)[1]}/{d}" for f in fr]
        top = sum(slow_term(f)[0] * d // slow_term(f)[1] for f in fr)
        chain = [" + ".join(fr)] + ([" + ".join(conv)] if conv != fr else []) + [f"{top}/{d}"]
        chain += [c for c in tidy(top, d, "X") if c != chain[-1]]
        assert sum(ws) + part == x
        tail = f"{sum(ws)} + {fx(part)} = {fx(x)}" if part >= 1 or part.denominator > 1 else ""
        return (f"Add the wholes: {' + '.join(map(str, ws))} = {sum(ws)}. Add the fractions: "
                f"{' = '.join(chain)}. Then {tail}.")
    # Adding and subtracting: one denominator for every term, improper for mixed numbers.
    d = 1
    for t in terms:
        d = common_denominator(d, slow_term(t)[1]) if d > 1 else slow_term(t)[1]
    chain = [said]
    if any(" " in t for t in terms):
        chain.append(" ".join([fs_term(terms[0])] +
                              [f"{sign[o]} {fs_term(t)}" for o, t in zip(ops, terms[1:])]))
    over = []
    for t in terms:
        n, dd = slow_term(t)
        over.append(f"{n * d // dd}/{d}")
    conv = " ".join([over[0]] + [f"{sign[o]} {t}" for o, t in zip(ops, over[1:])])
    if conv != chain[-1]:
        chain.append(conv)
    top = slow_term(terms[0])[0] * d // slow_term(terms[0])[1]
    for o, t in zip(ops, terms[1:]):
        n, dd = slow_term(t)
        top = top + n * d // dd if o == "+" else top - n * d // dd
    chain.append(f"{top}/{d}")
    chain += tidy(top, d, kind)
    assert Fraction(top, d) == x
    if any(" " in t for t in terms):
        # Mixed numbers (or a whole number taken from one) become improper fractions first.
        lead = f"Write them as improper fractions in {parts_name(d)}: "
    elif any(slow_term(t)[1] != d for t in terms):
        lead = f"Change to {parts_name(d)}: "
    else:
        lead = f"The {parts_name(d)} are the same size, so work with the numerators: "
    return lead + " = ".join(chain) + cancel_note(top, d) + "."


def lcd(terms: list[str]) -> int:
    d = slow_term(terms[0])[1]
    for t in terms[1:]:
        d = common_denominator(d, slow_term(t)[1])
    return d


def in_parts(terms: list[str]) -> str:
    """'In twelfths: 3/4 = 9/12, 2/3 = 8/12': every term over one denominator."""
    d = lcd(terms)
    said = []
    for t in terms:
        n, dd = slow_term(t)
        said.append(t if dd == d else f"{t} = {n * d // dd}/{d}")
    return f"{in_name(d)}: {', '.join(said)}"


def compare_why(terms: list[str], pick: str, word: str) -> str:
    """Why `pick` is the largest or smallest of terms."""
    nums = {slow_term(t)[0] for t in terms}
    if nums == {1}:
        d = slow_term(pick)[1]
        return (f"All have a numerator of 1, and the more parts a whole is cut into, the "
                f"smaller each part. {pick}, with {d} parts, is the {word}.")
    gaps = [slow_term(t)[1] - slow_term(t)[0] for t in terms]
    if set(gaps) == {1}:
        return short_of_one_why(terms, pick, word)
    return f"{in_parts(terms)}. So {pick} is the {word}."


def short_of_one_why(terms: list[str], pick: str, word: str) -> str:
    """Fractions each one part short of a whole: the smallest part missing is nearest 1."""
    missing_parts = ", ".join(f"{t} is 1/{slow_term(t)[1]} short" for t in terms)
    return (f"Each is one part short of a whole: {missing_parts}. The smallest part "
            f"missing is 1/{slow_term(pick)[1]}, so {pick} is the {word}.")


def simplest_why(n: int, d: int) -> str:
    g = hcf(n, d)
    return (f"The highest common factor of {n} and {d} is {g}: {n} {DIVIDE} {g} = {n // g} "
            f"and {d} {DIVIDE} {g} = {d // g}, so {n}/{d} = {n // g}/{d // g}.")


def of_why(frac: str, amount: int, unit: str = "") -> str:
    """Divide by the denominator, then multiply by the numerator."""
    n, d = slow_term(frac)
    one = amount // d
    if n == 1:
        return f"To find {frac}, divide by {d}: {unit}{amount} {DIVIDE} {d} = {unit}{one}."
    return (f"First find 1/{d}: {unit}{amount} {DIVIDE} {d} = {unit}{one}. Then {frac} is "
            f"{n} {TIMES} {unit}{one} = {unit}{n * one}.")


def mixed_why(n: int, d: int) -> str:
    x = Fraction(n, d)
    w, r = divmod(n, d)
    out = (f"{n} {DIVIDE} {d} = {w} r {r}: {w} wholes and {r} {parts_name(d, r)} left over, "
           f"so {w} {r}/{d}")
    if Fraction(r, d).denominator != d:
        out += f" = {fx(x)} in its simplest form"
    return out + "."


def improper_why(term: str) -> str:
    w, f = term.split(" ")
    n, d = slow_term(f)
    return (f"Each whole is {d} {parts_name(d)}: {w} {TIMES} {d} + {n} = {int(w) * d + n} "
            f"{parts_name(d)}, so {fs_term(term)}.")


def fs_term(term: str) -> str:
    """A term as an improper fraction: '2 1/3' -> '7/3'."""
    n, d = slow_term(term)
    return f"{n}/{d}" if d > 1 else str(n)


# ---------------------------------------------------------------------------
# The second route: pencil-and-paper arithmetic on (numerator, denominator)

def slow_simplest(n: int, d: int) -> tuple[int, int]:
    k = 2
    while k <= min(n, d):
        if n % k == 0 and d % k == 0:
            n, d = n // k, d // k
        else:
            k += 1
    return n, d


def common_denominator(a: int, b: int) -> int:
    m = a
    while m % b:
        m += a
    return m


def slow_mixed(n: int, d: int) -> tuple[tuple[int, int], int]:
    """((whole, numerator), denominator) by taking wholes away one at a time."""
    whole = 0
    while n >= d:
        n -= d
        whole += 1
    n2, d2 = slow_simplest(n, d)
    return (whole, n2), d2


def slow_term(term: str) -> tuple[int, int]:
    parts = term.split(" ")
    if len(parts) == 2:
        w = int(parts[0])
        n, d = map(int, parts[1].split("/"))
        return w * d + n, d
    if "/" in term:
        n, d = map(int, term.split("/"))
        return n, d
    return int(term), 1


def slow_calc(expr: str) -> tuple[int, int]:
    """Left to right; a multiplication only ever appears on its own."""
    bits = re.split(r" ([+\-*]) ", expr)
    n, d = slow_term(bits[0])
    for op, term in zip(bits[1::2], bits[2::2]):
        n2, d2 = slow_term(term)
        if op == "*":
            n, d = n * n2, d * d2
            continue
        c = common_denominator(d, d2)
        a, b = n * (c // d), n2 * (c // d2)
        n, d = (a + b if op == "+" else a - b), c
        assert n >= 0, expr
    if n == 0:
        return 0, 1
    return slow_simplest(n, d)


def calc(expr: str) -> Fraction:
    bits = re.split(r" ([+\-*]) ", expr)
    assert "*" not in bits or len(bits) == 3, expr
    x = parse(bits[0])
    for op, term in zip(bits[1::2], bits[2::2]):
        y = parse(term)
        x = x + y if op == "+" else x - y if op == "-" else x * y
    n, d = slow_calc(expr)
    assert (x.numerator, x.denominator) == (n, d), (expr, x, n, d)
    return x


def show(expr: str) -> str:
    bits = re.split(r" ([+\-*]) ", expr)
    out = shown(bits[0])
    for op, term in zip(bits[1::2], bits[2::2]):
        out += " " + {"+": "+", "-": MINUS, "*": TIMES}[op] + " " + shown(term)
    return out


def of(frac: str, amount: int) -> int:
    """A fraction of an amount: divide by the denominator, times the numerator."""
    n, d = slow_term(frac)
    assert amount % d == 0, (frac, amount)
    key = amount // d * n
    assert parse(frac) * amount == key
    return key


def bigger(a: str, b: str) -> bool:
    """Compares by cross-multiplying, and checks that against Fraction."""
    (n1, d1), (n2, d2) = slow_term(a), slow_term(b)
    result = n1 * d2 > n2 * d1
    assert result == (parse(a) > parse(b))
    return result


def largest(terms: list[str]) -> str:
    best = terms[0]
    for t in terms[1:]:
        if bigger(t, best):
            best = t
    assert len({parse(t) for t in terms}) == len(terms), terms
    return best


def in_order(terms: list[str], ascending: bool = True) -> list[str]:
    """Selection sort with `largest`, as a second route to `sorted`."""
    left, out = list(terms), []
    while left:
        t = largest(left) if len(left) > 1 else left[0]
        left.remove(t)
        out.append(t)
    assert out == sorted(terms, key=parse, reverse=True)
    return out[::-1] if ascending else out


# ---------------------------------------------------------------------------
# Papers

class Builder(TopicPaper):
    def __init__(self, key: int, first_id: int, dealer: PositionDealer):
        super().__init__(TOPIC, key, first_id, dealer, seed_factor=6007,
                         instruction=INSTRUCTION, names=NAMES)

    # -- templates ------------------------------------------------------------

    def work_out(self, expr: str, kind: str, marks: int = 1) -> None:
        note = {"F": FRAC, "I": IMPROPER, "X": MIXED, "N": ""}[kind]
        x = calc(expr)
        stem = f"Work out {show(expr)}. {note}".strip()
        self.add_single(stem, answer(x, kind, marks, working(expr, kind)))

    def work_out_parts(self, exprs: list[str], kind: str) -> None:
        note = {"F": FRACS, "I": IMPROPERS, "X": MIXEDS}[kind]
        self.parts(f"Work out each calculation. {note}",
                   [(f"{show(e)} = ______", answer(calc(e), kind, why=working(e, kind)))
                    for e in exprs])

    def add_single(self, stem: str, blank: Blank, answer_line: str = "Ans: ______"):
        page = self.single(stem, blank.key, answer=answer_line, type_=blank.type,
                           marks=blank.marks, why=blank.explain)
        return page

    def choose(self, stem: str, right: str, wrong: list[str], why: str = "") -> None:
        self.choice(stem, shown(right), [shown(w) for w in wrong], self.qrng(), why=why)


def missing(frac: str, n: int | None = None,
            d: int | None = None) -> tuple[str, Blank]:
    """One side of an equivalent pair with the numerator or denominator blank."""
    a, b = slow_term(frac)
    if n is None:
        assert d % b == 0
        n_ = d // b * a
        assert Fraction(n_, d) == parse(frac)
        return f"{frac} = ______/{d}", Blank("N", 1, str(n_), (
            f"The denominator {b} was multiplied by {d // b} to make {d}, so multiply the "
            f"numerator by {d // b} too: {a} {TIMES} {d // b} = {n_}."))
    assert n % a == 0
    d_ = n // a * b
    assert Fraction(n, d_) == parse(frac)
    return f"{frac} = {n}/______", Blank("N", 1, str(d_), (
        f"The numerator {a} was multiplied by {n // a} to make {n}, so multiply the "
        f"denominator by {n // a} too: {b} {TIMES} {n // a} = {d_}."))


def simplify(frac: str) -> Fraction:
    """The simplest form, which must differ from the fraction given."""
    n, d = slow_term(frac)
    x = Fraction(n, d)
    assert slow_simplest(n, d) == (x.numerator, x.denominator) and x.denominator != d
    return x


# Paper 111: equivalent fractions, simplest form, comparing and ordering.

def paper111(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(111, first, dealer)

    P.parts("Write the missing numbers to make each pair of fractions equivalent.",
            [missing("1/2", d=10), missing("3/4", d=8),
             missing("2/3", d=12)])
    P.parts("Write the missing numbers to make each pair of fractions equivalent.",
            [missing("2/5", n=6), missing("5/6", n=20)])

    # 3. Wrong options: the numerator doubled alone; 1 or 4 added to both parts.
    wrong = ["6/12", "4/5", "7/8"]
    assert all(parse(w) != parse("3/4") for w in wrong)
    k = 12 // 4
    P.choose("Which of these fractions is equivalent to 3/4?", "9/12", wrong,
             why=f"{RIGHT}: multiply the numerator and the denominator of 3/4 by {k}: "
                 f"3 {TIMES} {k} = {3 * k} and 4 {TIMES} {k} = {4 * k}. {wrong[0]} = "
                 f"{fs(parse(wrong[0]))}, and adding the same number to both parts, as in "
                 f"{wrong[1]} and {wrong[2]}, changes the fraction.")

    # 4. A fixed point other parts of the product rely on: 29/36.
    x = simplify("58/72")
    P.add_single(f"Write 58/72 in its simplest form. {FRAC}",
                 answer(x, "F", why=simplest_why(58, 72)))

    P.parts(f"Write each fraction in its simplest form. {FRACS}",
            [(f"{f} = ______", answer(simplify(f), "F", why=simplest_why(*slow_term(f))))
             for f in ["6/8", "10/15", "12/20", "14/35"]])

    # 6. The wrong options are all odd over odd, which can look simplest.
    right, wrong = "8/15", ["9/15", "21/35", "15/27"]
    assert parse(right) == Fraction(8, 15)
    assert all(slow_term(w) != slow_simplest(*slow_term(w)) for w in wrong)
    P.choose("Which of these fractions is already in its simplest form?",
             right, wrong,
             why=f"{RIGHT}: {slow_term(right)[0]} and {slow_term(right)[1]} have no common "
                 "factor except 1. The others simplify: " + ", ".join(
                     f"{w} = {fs(parse(w))} (divide by {hcf(*slow_term(w))})" for w in wrong)
                 + ".")

    # 7. Dividing by 5 or 3 alone stops at 9/12 or 15/20.
    x = simplify("45/60")
    P.add_single(f"Simplify 45/60. {FRAC}",
                 answer(x, "F", why=simplest_why(45, 60) + " Dividing by 5 alone stops at "
                                    "9/12, which still simplifies."))

    # 8. A larger denominator means a smaller part.
    terms = ["1/3", "1/5", "1/8", "1/10"]
    small = in_order(terms)[0]
    P.choose("Which of these fractions is the smallest?", small,
             [t for t in terms if t != small],
             why=f"{RIGHT}. " + compare_why(terms, small, "smallest"))

    terms = ["5/8", "2/3", "3/5", "7/12"]
    big = largest(terms)
    P.choose("Which of these fractions is the largest?", big,
             [t for t in terms if t != big],
             why=f"{RIGHT}. " + compare_why(terms, big, "largest"))

    # 10. Wrong orders: by denominator, by numerator, the right list reversed.
    terms = ["1/2", "3/8", "5/6", "2/3"]
    right = in_order(terms)
    by_den = sorted(terms, key=lambda t: slow_term(t)[1])
    by_num = sorted(terms, key=lambda t: (slow_term(t)[0], slow_term(t)[1]))
    wrong = [by_den, by_num, right[::-1]]
    assert right not in wrong and len({tuple(w) for w in wrong}) == 3
    mixed_up = "&nbsp;&nbsp;&nbsp; ".join(terms)
    P.choose("Which list shows these fractions in order from the smallest to the "
             f"largest?<br>{mixed_up}", ", ".join(right),
             [", ".join(w) for w in wrong],
             why=f"{RIGHT}. {in_parts(terms)}. A larger denominator alone does not make a "
                 "fraction smaller.")

    P.parts("Write the missing numbers to make each pair of fractions equivalent.",
            [missing("5/8", n=15), missing("5/8", d=40),
             missing("7/9", n=28)])

    # 12. 4/7 is 2/5 with 2 added to the numerator and the denominator.
    right, wrong = "4/7", ["8/20", "6/15", "10/25"]
    assert parse(right) != parse("2/5") and all(parse(w) == parse("2/5") for w in wrong)
    P.choose("Which of these fractions is NOT equivalent to 2/5?", right, wrong,
             why=f"{RIGHT}. The others simplify to 2/5: " + ", ".join(
                 f"{w} (divide by {hcf(*slow_term(w))})" for w in wrong)
             + f". {right} has 2 added to the numerator and the denominator, which changes "
               "the fraction.")

    P.parts(f"Write each fraction in its simplest form. {FRACS}",
            [(f"{f} = ______", answer(simplify(f), "F", why=simplest_why(*slow_term(f))))
             for f in ["40/64", "28/49", "27/63"]])

    terms = ["7/10", "3/4", "4/5", "13/20"]
    right = in_order(terms, ascending=False)
    wrong = [in_order(terms), sorted(terms, key=lambda t: -slow_term(t)[1]),
             [right[1], right[0], right[2], right[3]]]
    assert right not in wrong and len({tuple(w) for w in wrong}) == 3
    mixed_up = "&nbsp;&nbsp;&nbsp; ".join(terms)
    P.choose("Which list shows these fractions in order from the largest to the "
             f"smallest?<br>{mixed_up}", ", ".join(right),
             [", ".join(w) for w in wrong],
             why=f"{RIGHT}. {in_parts(terms)}. Largest first.")

    right, wrong = "5/8", ["3/8", "7/8", "4/5"]
    assert bigger(right, "1/2") and bigger("3/4", right)
    assert all(not (bigger(w, "1/2") and bigger("3/4", w)) for w in wrong)
    ends = ["1/2", "3/4"]
    P.choose("Which of these fractions is between 1/2 and 3/4?", right, wrong,
             why=f"{RIGHT}. {in_name(lcd(ends + [right]))}: "
                 + " and ".join(f"{t} = {slow_term(t)[0] * lcd(ends + [right]) // slow_term(t)[1]}"
                                f"/{lcd(ends + [right])}" for t in ends)
                 + f", and {right} is between them. " + " ".join(
                 f"{w} is {'less than 1/2' if bigger('1/2', w) else 'more than 3/4'}."
                 for w in wrong))

    # 16. Who ran furthest on the same track?
    runners = [P.name()[0] for _ in range(4)]
    dist = ["7/9", "5/6", "3/4", "2/3"]
    best = runners[dist.index(largest(dist))]
    told = ", ".join(f"{w} ran {d} of a lap" for w, d in zip(runners[:3], dist[:3]))
    P.choose(f"Four children ran around the same track. {told} and {runners[3]} "
             f"ran {dist[3]} of a lap. Who ran the furthest?", best,
             [w for w in runners if w != best],
             why=f"{RIGHT}. " + compare_why(dist, largest(dist), "largest")[:-1]
                 + f", and {best} ran {largest(dist)} of a lap.")

    # 17-18. A fraction of a group, then simplified.
    walk, pupils = 12, 32
    P.add_single(f"There are {pupils} pupils in a class. {walk} of them walk to "
                 f"school. What fraction of the class walk to school? {FRAC}",
                 answer(simplify(f"{walk}/{pupils}"), "F",
                        why=f"{walk} out of {pupils} is {walk}/{pupils}. "
                            + simplest_why(walk, pupils)))
    red, blue = 18, 12
    # The blue part of all the marbles, not blue over red (12/18).
    P.add_single(f"A bag holds {red} red marbles and {blue} blue marbles. What "
                 f"fraction of the marbles are blue? {FRAC}",
                 answer(simplify(f"{blue}/{red + blue}"), "F",
                        why=f"There are {red} + {blue} = {red + blue} marbles and {blue} are "
                            f"blue, so {blue}/{red + blue}. " + simplest_why(blue, red + blue)))

    key = of("2/3", 12)
    P.single("How many twelfths are equal to 2/3? Write the number only.", key,
             why=f"3 {TIMES} 4 = 12, so multiply both parts by 4: 2/3 = (2 {TIMES} 4)/"
                 f"(3 {TIMES} 4) = {key}/12, which is {key} twelfths.")

    terms = ["5/12", "3/8", "1/2", "1/3"]
    order = in_order(terms)
    P.parts(f"Look at these fractions: {', '.join(terms)}. {FRACS}",
            [("Which is the smallest? ______",
              answer(parse(order[0]), "F", why=compare_why(terms, order[0], "smallest"))),
             ("Which is the largest? ______",
              answer(parse(order[-1]), "F", why=compare_why(terms, order[-1], "largest")))])
    return P


# Paper 112: fractions of amounts; adding and subtracting with the same and
# related denominators.

def paper112(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(112, first, dealer)

    def of_part(frac: str, amount: int) -> tuple[str, Blank]:
        return f"{frac} of {amount} = ______", Blank("N", 1, str(of(frac, amount)),
                                                     of_why(frac, amount))

    P.parts("Work out:", [of_part("1/4", 28), of_part("1/6", 42), of_part("1/9", 72)])
    P.parts("Work out:", [of_part("3/4", 36), of_part("2/5", 45), of_part("5/8", 64)])

    r = P.qrng()
    kg = 7 * r.randint(6, 9)
    P.single(f"What is 3/7 of {kg} kg?", of("3/7", kg), answer="Ans: ______ kg",
             why=of_why("3/7", kg)[:-1] + " kg.")
    r = P.qrng()
    pounds = 3 * r.randint(12, 18)
    P.single(f"What is 2/3 of £{pounds}?", of("2/3", pounds), answer="Ans: £______",
             why=of_why("2/3", pounds, unit="£"))

    r = P.qrng()
    pupils = r.choice([25, 30, 35])
    P.single(f"There are {pupils} pupils in a class. 3/5 of them have a pet. How "
             "many pupils have a pet?", of("3/5", pupils), answer="Ans: ______ pupils",
             why=of_why("3/5", pupils))

    r = P.qrng()
    seats = 8 * r.randint(30, 45)
    full = of("5/8", seats)
    P.parts(f"A theatre has {seats} seats. On Saturday, 5/8 of the seats were "
            "full.", [("How many seats were full? ______ seats",
                       Blank("N", 1, str(full), of_why("5/8", seats))),
                      ("How many seats were empty? ______ seats",
                       Blank("N", 1, str(seats - full),
                             f"{full} seats were full, so {seats} - {full} = {seats - full} "
                             f"were empty (that is the other 3/8)."))])

    # 7. The amounts differ, so the largest fraction does not win by itself.
    opts = [("3/4", 20), ("2/3", 27), ("1/2", 32), ("5/6", 24)]
    values = [of(f, a) for f, a in opts]
    assert len(set(values)) == 4
    texts = [f"{f} of {a}" for f, a in opts]
    right = texts[values.index(max(values))]
    P.choose("Which of these gives the largest amount?", right,
             [t for t in texts if t != right],
             why=f"{RIGHT}. Work each one out: " + ", ".join(
                 f"{t} = {v}" for t, v in zip(texts, values)) + f". The largest is "
                 f"{max(values)}.")

    # 8-9. Finding the whole from a part.
    whole = 45
    part = of("1/5", whole)
    assert part * 5 == whole
    P.single(f"1/5 of a number is {part}. What is the number?", whole,
             why=f"The whole is 5 fifths, so it is 5 {TIMES} {part} = {whole}. "
                 f"Check: {whole} {DIVIDE} 5 = {part}.")
    whole = 36
    part = of("3/4", whole)
    assert part // 3 * 4 == whole
    P.single(f"3/4 of a number is {part}. What is the number?", whole,
             why=f"3 quarters are {part}, so 1 quarter is {part} {DIVIDE} 3 = {part // 3}. "
                 f"The whole is 4 quarters: 4 {TIMES} {part // 3} = {whole}.")

    P.single("How many minutes are there in 3/4 of an hour?", of("3/4", 60),
             answer="Ans: ______ minutes",
             why="An hour is 60 minutes. " + of_why("3/4", 60)[:-1] + " minutes.")
    P.single("How many grams are there in 2/5 of a kilogram? (1 kg = 1,000 g)",
             of("2/5", 1000), answer="Ans: ______ g",
             why=of_why("2/5", 1000).replace("1000", "1,000")[:-1] + " g.")

    P.work_out_parts(["2/7 + 3/7", "5/9 - 2/9"], "F")
    P.work_out_parts(["3/10 + 1/10", "7/12 - 1/12"], "F")
    P.work_out_parts(["1/2 + 1/4", "1/3 + 1/6"], "F")
    P.work_out_parts(["3/8 + 1/4", "5/6 - 1/2", "7/10 - 2/5"], "F")

    # 16. Tops and bottoms added; numerators added over one denominator;
    # multiplied.
    right, wrong = calc("1/4 + 1/2"), ["2/6", "2/4", "1/8"]
    assert all(parse(w) != right for w in wrong)
    P.choose("What is 1/4 + 1/2?", fs(right), wrong,
             why=f"{RIGHT}. " + working("1/4 + 1/2", "F") + " Adding the numerators and "
                 f"the denominators, which gives {wrong[0]}, is a common slip.")

    P.work_out("1 - 3/8", "F")

    who, he = P.name()
    x = calc("1/8 + 5/8")
    P.add_single(f"{who} ate 1/8 of a cake. {poss(he).capitalize()} friend ate 5/8 "
                 f"of the same cake. What fraction of the cake did they eat "
                 f"altogether? {FRAC}",
                 answer(x, "F", why=working("1/8 + 5/8", "F")))

    x = calc("9/10 - 1/5")
    P.add_single("A water tank was 9/10 full. Some water was used, and now the "
                 f"tank is 1/5 full. What fraction of the tank was used? {FRAC}",
                 answer(x, "F", why="Used = before - after. " + working("9/10 - 1/5", "F")))

    who, she = P.name()
    stickers = 40
    left = stickers - of("1/4", stickers) - of("3/8", stickers)
    assert calc("1 - 1/4 - 3/8") * stickers == left
    P.single(f"{who} has {stickers} stickers. {she.capitalize()} gives 1/4 of them "
             f"to a friend and 3/8 of them to {poss(she)} brother. How many "
             f"stickers does {she} have left?", left,
             answer="Ans: ______ stickers", marks=2,
             why=f"1/4 of {stickers} is {of('1/4', stickers)} and 3/8 of {stickers} is "
                 f"{of('3/8', stickers)}, so {she} has {stickers} - {of('1/4', stickers)} - "
                 f"{of('3/8', stickers)} = {left} left.")
    return P


# Paper 113: adding and subtracting with different denominators; improper
# fractions and mixed numbers.

def paper113(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(113, first, dealer)

    P.work_out_parts(["1/2 + 1/3", "2/3 - 1/4"], "F")
    P.work_out_parts(["3/5 + 1/4", "5/6 - 3/4"], "F")
    P.work_out_parts(["3/4 - 1/6", "2/5 + 3/8"], "F")
    P.work_out("1/6 + 1/10", "F")   # 8/30 still has to be simplified

    # 5. The tops add to 7 and the bottoms to 12, a trap for adding both.
    right, wrong = "1/3 + 1/4", ["3/7 + 4/5", "2/3 - 1/4", "1/6 + 1/2"]
    target = calc(right)
    assert target == Fraction(7, 12) and all(calc(w) != target for w in wrong)
    P.choose("Which calculation has the answer 7/12?", show(right),
             [show(w) for w in wrong],
             why=f"{RIGHT}: " + working(right, "F").split(": ", 1)[1] + " The others make "
                 + ", ".join(fx(calc(w)) for w in wrong[:-1]) + f" and {fx(calc(wrong[-1]))}.")

    who, she = P.name()
    spent = calc("1/3 + 2/5")
    P.parts(f"{who} spent 1/3 of {poss(she)} pocket money on a book and 2/5 of it "
            f"on a game. {FRACS}",
            [(f"What fraction of the money did {she} spend altogether? ______",
              answer(spent, "F", why=working("1/3 + 2/5", "F"))),
             ("What fraction of the money was left? ______",
              answer(calc("1 - 1/3 - 2/5"), "F",
                     why=f"All the money is 1 whole, and {she} spent {fs(spent)}: "
                         + working(f"1 - {fs(spent)}", "F").split(": ", 1)[1]))])
    assert spent + calc("1 - 1/3 - 2/5") == 1

    P.work_out("7/8 - 1/3", "F")
    P.work_out("1/2 + 1/3 + 1/12", "F")

    # 9. Wrong options: a proper fraction, the same flipped, and a mixed number
    # equal to the answer.
    right, wrong = "7/5", ["5/7", "3/10", "1 2/5"]
    assert parse(right) > 1 and parse("1 2/5") == parse(right)
    P.choose("Which of these is an improper fraction?", right, wrong,
             why=f"{RIGHT}: its numerator is larger than its denominator. {wrong[2]} is the "
                 "same amount, but written as a mixed number.")

    # 10. A fixed point other parts of the product rely on: 2 3/4.
    P.add_single(f"Write 11/4 as a mixed number. {MIXED}",
                 answer(parse("11/4"), "X", why=mixed_why(11, 4)))

    P.parts(f"Write each improper fraction as a mixed number. {MIXEDS}",
            [(f"{f} = ______", answer(parse(f), "X", why=mixed_why(*slow_term(f))))
             for f in ["7/3", "17/5", "23/6"]])
    P.parts(f"Write each mixed number as an improper fraction. {IMPROPERS}",
            [(f"{shown(m)} = ______", answer(calc(m), "I", why=improper_why(m)))
             for m in ["1 3/8", "2 4/5", "4 2/3"]])

    # 13. Stopping at 3 2/8 is not the simplest form.
    P.add_single(f"Write 26/8 as a mixed number. {MIXED}",
                 answer(parse("26/8"), "X", why=mixed_why(26, 8)))

    # 14. Remainder over the numerator; one whole too few; divided the wrong way.
    right, wrong = "3 1/6", ["3 1/19", "2 1/6", "6 1/3"]
    assert parse(right) == parse("19/6") and all(parse(w) != parse(right) for w in wrong)
    P.choose("Which mixed number is equal to 19/6?", right, wrong,
             why=f"{RIGHT}. " + mixed_why(19, 6))

    terms = ["17/4", "4 1/2", "13/3", "4 2/5"]
    big = largest(terms)
    as_mixed = [fx(parse(t)) for t in terms]
    assert len({m.split(" ")[0] for m in as_mixed}) == 1
    P.choose("Which of these is the largest?", big, [t for t in terms if t != big],
             why=f"{RIGHT}. As mixed numbers: " + ", ".join(
                 m if m == t else f"{t} = {m}" for t, m in zip(terms, as_mixed))
             + f". All have {as_mixed[0].split(' ')[0]} wholes, so compare the fractions. "
             + in_parts([m.split(" ")[1] for m in as_mixed])
             + f". {big.split(' ')[1]} is the largest.")

    quarters = calc("5 3/4 * 4")
    P.single(f"How many quarters are there in {shown('5 3/4')}? Write the number "
             "only.", quarters.numerator if quarters.denominator == 1 else None,
             why=f"Each whole is 4 quarters: 5 {TIMES} 4 = 20 quarters, and 3 more make "
                 f"{quarters.numerator}.")

    P.work_out_parts(["3/4 + 2/3", "5/6 + 3/8"], "X")
    P.work_out("7/10 + 4/5", "X")   # 15/10 simplifies to 1 1/2

    x = calc("5/8 + 3/4")
    P.add_single("A recipe uses 5/8 of a cup of milk and 3/4 of a cup of water. "
                 f"How many cups of liquid is that altogether? {MIXED}",
                 answer(x, "X", why=working("5/8 + 3/4", "X")), answer_line="Ans: ______")

    who, she = P.name()
    x = calc("5/6 - 3/8")
    P.add_single(f"A ribbon is 5/6 of a metre long. {who} cuts off 3/8 of a metre. "
                 "How long is the piece that is left, in metres? "
                 f"{FRAC}", answer(x, "F", why=working("5/6 - 3/8", "F")))
    return P


# Paper 114: mixed numbers; multiplying a fraction by a whole number.

def paper114(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(114, first, dealer)

    P.work_out_parts(["1 1/4 + 2 1/2", "3 5/6 - 1 1/3"], "X")
    P.work_out("2 3/5 + 1 4/5", "X")        # the fifths make a new whole
    P.work_out("4 1/3 - 1 2/3", "X")        # a whole must be exchanged
    P.work_out("3 - 1 3/8", "X")

    # 5. Tops and bottoms added; the new whole forgotten; one whole too many.
    right = calc("2 1/2 + 1 3/4")
    wrong = ["3 4/6", "3 1/4", "5 1/4"]
    assert all(parse(w) != right for w in wrong)
    P.choose(f"What is {show('2 1/2 + 1 3/4')}?", ms(right), wrong,
             why=f"{RIGHT}. " + working("2 1/2 + 1 3/4", "X"))

    P.work_out_parts(["2/9 * 4", "3/10 * 3"], "F")
    P.work_out_parts(["1/6 * 4", "3/8 * 2"], "F")
    P.work_out("3/4 * 5", "X")
    P.work_out("5 * 2/3", "I")
    P.work_out_parts(["4/5 * 3", "5/6 * 4", "7/8 * 6"], "X")

    x = calc("8 * 3/4")
    P.single(f"Work out {show('8 * 3/4')}. Write your answer as a whole number.",
             x.numerator if x.denominator == 1 else None, answer="Ans: ______",
             why=working("8 * 3/4", "N"))

    # 12. Both parts multiplied; the denominator multiplied; upside down.
    right, wrong = calc("2/5 * 3"), ["6/15", "2/15", "5/6"]
    assert all(parse(w) != right for w in wrong)
    P.choose(f"Which of these is equal to {show('2/5 * 3')}?", fs(right), wrong,
             why=f"{RIGHT}. " + working("2/5 * 3", "F").replace("; the", ", but the")
                 + f" Multiplying both parts, as in {wrong[0]}, leaves the value at 2/5.")

    P.work_out("2 1/3 * 2", "X")

    # 14. The missing whole number, found by trying each in turn.
    fits = [k for k in range(1, 20) if calc(f"3/7 * {k}") == Fraction(15, 7)]
    assert len(fits) == 1
    P.single(f"What is the missing number? 3/7 {TIMES} ______ = 15/7", fits[0],
             answer="",
             why=f"The denominator stays 7, so the numerator 3 must be multiplied to make "
                 f"15: 15 {DIVIDE} 3 = {fits[0]}. Check: 3/7 {TIMES} {fits[0]} = 15/7.")

    x = calc("3/4 * 6")
    P.add_single("A bottle holds 3/4 of a litre of water. How many litres of water "
                 f"do 6 bottles hold? {MIXED}", answer(x, "X", why=working("3/4 * 6", "X")))

    who, he = P.name()
    x = calc("2/5 * 7")
    P.add_single(f"One lap of the school field is 2/5 of a kilometre. {who} runs "
                 f"7 laps. How many kilometres does {he} run? {MIXED}",
                 answer(x, "X", why=working("2/5 * 7", "X")))

    x = calc("4 1/4 - 1 5/8")
    P.add_single(f"A plank of wood is {shown('4 1/4')} metres long. A piece "
                 f"{shown('1 5/8')} metres long is cut off. How long is the rest "
                 f"of the plank, in metres? {MIXED}",
                 answer(x, "X", marks=2, why=working("4 1/4 - 1 5/8", "X")))

    exprs = ["3 * 2/7", "5 * 1/6", "4 * 1/5", "2 * 3/8"]
    values = [calc(e) for e in exprs]
    assert len(set(values)) == 4
    best = exprs[values.index(max(values))]
    P.choose("Which of these calculations has the largest answer?", show(best),
             [show(e) for e in exprs if e != best],
             why=f"{RIGHT}. Work each out: " + ", ".join(
                 f"{show(e).replace(NBSP, ' ')} = {fx(v)}" for e, v in zip(exprs, values))
                 + ". " + short_of_one_why([fx(v) for v in values], fx(max(values)),
                                           "largest").split(": ", 1)[1])

    P.work_out("1 2/3 + 2 3/4", "X")
    P.work_out("5 1/4 - 2 5/6", "X")
    return P


# Paper 115: word problems.

def paper115(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(115, first, dealer)

    pupils = 28
    boys = of("3/7", pupils)
    P.single(f"There are {pupils} pupils in a class. 3/7 of them are boys. How many "
             "girls are in the class?", pupils - boys, answer="Ans: ______ girls",
             marks=2,
             why=f"Boys: 3/7 of {pupils} = {pupils} {DIVIDE} 7 {TIMES} 3 = {boys}. Girls: "
                 f"{pupils} - {boys} = {pupils - boys}.")

    who, he = P.name()
    pages = 120
    read = calc("1/4 + 1/3")
    left = pages - of("1/4", pages) - of("1/3", pages)
    assert (1 - read) * pages == left
    P.parts(f"A book has {pages} pages. {who} read 1/4 of the book on Monday and "
            "1/3 of the book on Tuesday.",
            [(f"What fraction of the book did {he} read on the two days? {FRAC} "
              "______", answer(read, "F", why=working("1/4 + 1/3", "F"))),
             (f"How many pages does {he} still have to read? Write the number "
              "only. ______", Blank("N", 1, str(left), (
                  f"1/4 of {pages} is {of('1/4', pages)} and 1/3 of {pages} is "
                  f"{of('1/3', pages)}, so {pages} - {of('1/4', pages)} - {of('1/3', pages)} "
                  f"= {left} pages are left.")))])

    who, she = P.name()
    money = 36
    after_book = money - of("1/3", money)
    key = after_book - of("1/4", after_book)
    assert calc("1 - 1/3") * calc("1 - 1/4") * money == key
    P.single(f"{who} had £{money}. {she.capitalize()} spent 1/3 of it on a book. "
             f"Then {she} spent 1/4 of the money that was left on lunch. How much "
             f"money does {she} have now?", key, answer="Ans: £______", marks=2,
             why=f"1/3 of £{money} is £{of('1/3', money)}, leaving £{after_book}. 1/4 of "
                 f"£{after_book} is £{of('1/4', after_book)}, leaving £{after_book} - "
                 f"£{of('1/4', after_book)} = £{key}.")

    who, he = P.name()
    spent = 42
    savings = spent // 3 * 5
    assert of("3/5", savings) == spent
    P.single(f"{who} spent 3/5 of {poss(he)} savings on a bike. The bike cost "
             f"£{spent}. How much were {poss(he)} savings before {he} bought it?",
             savings, answer="Ans: £______", marks=2,
             why=f"3/5 of the savings is £{spent}, so 1/5 is £{spent} {DIVIDE} 3 = "
                 f"£{spent // 3}. All 5 fifths: 5 {TIMES} £{spent // 3} = £{savings}.")

    girls = 16
    choir = girls // 2 * 3
    assert of("2/3", choir) == girls
    P.single(f"2/3 of the children in a school choir are girls. There are {girls} "
             "girls. How many children are in the choir?", choir,
             answer="Ans: ______ children", marks=2,
             why=f"2/3 of the choir is {girls}, so 1/3 is {girls} {DIVIDE} 2 = {girls // 2}. "
                 f"All 3 thirds: 3 {TIMES} {girls // 2} = {choir} children.")

    x = calc("1 3/4 * 60")
    P.single(f"A film lasts {shown('1 3/4')} hours. How many minutes is that?",
             x.numerator if x.denominator == 1 else None,
             answer="Ans: ______ minutes",
             why=f"1 hour is 60 minutes, and 3/4 of an hour is 60 {DIVIDE} 4 {TIMES} 3 = "
                 f"{of('3/4', 60)} minutes. 60 + {of('3/4', 60)} = {x.numerator}.")

    who, she = P.name()
    total, diff = calc("2 1/4 + 1 5/6"), calc("2 1/4 - 1 5/6")
    P.parts(f"{who} ran {shown('2 1/4')} km on Monday and {shown('1 5/6')} km on "
            "Tuesday.",
            [(f"How far did {she} run altogether, in kilometres? {MIXED} ______",
              answer(total, "X", why=working("2 1/4 + 1 5/6", "X"))),
             (f"How much further did {she} run on Monday than on Tuesday, in "
              f"kilometres? {FRAC} ______",
              answer(diff, "F", why=working("2 1/4 - 1 5/6", "F")))])

    # 8-9. Sharing: each share is the number of pizzas over the number of people.
    x = Fraction(2, 3)
    assert x * 3 == 2
    P.add_single("Three friends share 2 pizzas equally. What fraction of a pizza "
                 f"does each friend get? {FRAC}",
                 answer(x, "F", why="Cut each pizza into thirds: that makes 6 thirds, and "
                                    "6 thirds shared by 3 friends is 2 thirds each. "
                                    f"2 {DIVIDE} 3 = {fs(x)}."))
    x = Fraction(5, 4)
    assert x * 4 == 5
    P.add_single("Four children share 5 pizzas equally. How much pizza does each "
                 f"child get? {MIXED}",
                 answer(x, "X", why="Each child gets 1 whole pizza, and the last pizza is "
                                    f"cut into 4 quarters, one each: 5 {DIVIDE} 4 = "
                                    f"{fx(x)}."))

    # 10. Doubled instead of halved; a quarter; the same value unsimplified.
    right, wrong = calc("3/4 * 1/2"), ["3/2", "1/4", "6/8"]
    assert all(parse(w) != right for w in wrong)
    P.choose("What is half of 3/4?", fs(right), wrong,
             why=f"{RIGHT}. Half of 3 quarters is 3 eighths: " + working(
                 "3/4 * 1/2", "F").split(": ", 1)[1] + f" {wrong[0]} is double 3/4, not half.")

    counters = 40
    green = calc("1 - 1/4 - 2/5")
    P.parts(f"A bag holds {counters} counters. 1/4 of them are red, 2/5 of them are "
            "blue and the rest are green.",
            [(f"What fraction of the counters are green? {FRAC} ______",
              answer(green, "F", why="Green is what is left of the whole: "
                                     + working("1 - 1/4 - 2/5", "F").split(": ", 1)[1])),
             ("How many green counters are there? Write the number only. ______",
              Blank("N", 1, str(counters - of("1/4", counters) - of("2/5", counters)), (
                  f"Red: 1/4 of {counters} = {of('1/4', counters)}. Blue: 2/5 of {counters} "
                  f"= {of('2/5', counters)}. Green: {counters} - {of('1/4', counters)} - "
                  f"{of('2/5', counters)} = "
                  f"{counters - of('1/4', counters) - of('2/5', counters)}.")))])
    assert green * counters == counters - of("1/4", counters) - of("2/5", counters)

    litres = 48
    P.single(f"A tank holds {litres} litres when it is full. It is 5/8 full now. "
             "How many more litres of water are needed to fill it?",
             litres - of("5/8", litres), answer="Ans: ______ litres", marks=2,
             why=f"5/8 of {litres} litres is {litres} {DIVIDE} 8 {TIMES} 5 = "
                 f"{of('5/8', litres)} litres. {litres} - {of('5/8', litres)} = "
                 f"{litres - of('5/8', litres)} more litres fill it.")

    who, he = P.name()
    x = calc("3/4 * 10")
    assert x == calc("3/4 * 2") * 5
    P.add_single(f"{who} walks 3/4 of a kilometre to school and 3/4 of a kilometre "
                 "home again every day. How many kilometres does "
                 f"{he} walk in 5 school days? {MIXED}",
                 answer(x, "X", marks=2, why="Each day is 2 walks, so 5 days are 10 walks "
                                             "of 3/4 km. " + working("3/4 * 10", "X")))

    # 14. 24/30 has the largest numbers but is only 4/5.
    terms = ["19/20", "14/15", "11/12", "24/30"]
    gaps = {t: 1 - parse(t) for t in terms}
    right = min(terms, key=gaps.get)
    assert right == in_order(terms)[-1]
    P.choose("Which of these fractions is closest to 1?", right,
             [t for t in terms if t != right],
             why=f"{RIGHT}. Look at how much each is short of 1: " + ", ".join(
                 f"{t} is {fs(gaps[t])} short" for t in terms)
                 + f". {fs(gaps[right])} is the smallest gap. {terms[3]} has the biggest "
                 f"numbers but equals only {fs(parse(terms[3]))}.")

    x = calc("3/4 * 3")
    P.add_single("A recipe for 4 people uses 3/4 of a cup of sugar. How many cups "
                 f"of sugar are needed for 12 people? {MIXED}",
                 answer(x, "X", marks=2, why="12 people is 3 times as many as 4, so use 3 "
                                             "times the sugar. " + working("3/4 * 3", "X")))

    rope = 6
    pieces = 0
    while calc(f"3/4 * {pieces + 1}") <= rope:
        pieces += 1
    assert calc(f"3/4 * {pieces}") == rope
    P.single(f"A rope is {rope} metres long. It is cut into pieces that are each "
             "3/4 of a metre long. How many pieces are there?", pieces,
             answer="Ans: ______ pieces", marks=2,
             why=f"Each metre is 4 quarters, so {rope} m is {rope * 4} quarters. Each piece "
                 f"is 3 quarters: {rope * 4} {DIVIDE} 3 = {pieces} pieces.")

    cakes = 96
    morning = of("3/8", cakes)
    afternoon = of("2/3", cakes - morning)
    P.single(f"A school fair had {cakes} cakes for sale. 3/8 of the cakes were sold "
             "in the morning. Then 2/3 of the cakes that were left were sold in the "
             "afternoon. How many cakes were not sold?",
             cakes - morning - afternoon, answer="Ans: ______ cakes", marks=2,
             why=f"Morning: 3/8 of {cakes} = {morning}, leaving {cakes - morning}. Afternoon: "
                 f"2/3 of {cakes - morning} = {afternoon}. Not sold: {cakes - morning} - "
                 f"{afternoon} = {cakes - morning - afternoon}.")

    who, she = P.name()
    x = calc("2/3 + 1/6")
    P.add_single(f"{who} spends 2/3 of an hour on homework and 1/6 of an hour "
                 "practising the piano. What fraction of an hour is that altogether? "
                 f"{FRAC}", answer(x, "F", why=working("2/3 + 1/6", "F")))

    # 19. The pupil must first see who drank more, then subtract.
    a, b = P.name()[0], P.name()[0]
    share = {a: "3/5", b: "5/8"}
    more, less = (b, a) if bigger(share[b], share[a]) else (a, b)
    x = calc(f"{share[more]} - {share[less]}")
    P.add_single(f"{a} and {b} each have a bottle of juice of the same size. {a} "
                 f"drinks {share[a]} of one bottle and {b} drinks {share[b]} of the "
                 f"other. How much more of a bottle does {more} drink than {less}? "
                 f"{FRAC}", answer(x, "F", why=f"{more} drank more. " + working(
                     f"{share[more]} - {share[less]}", "F")))

    seconds = of("5/12", 60)
    P.single("How many seconds are there in 5/12 of a minute?", seconds,
             answer="Ans: ______ seconds",
             why="A minute is 60 seconds. " + of_why("5/12", 60)[:-1] + " seconds.")
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper111, paper112, paper113, paper114, paper115]


def build() -> dict[str, str]:
    papers, files, by_id = build_topic(TOPIC, PAPERS, SUBJECT, ROOT)
    # Fixed points other parts of the product rely on.
    assert [(b.type, b.marks, b.key) for b in by_id[22134]] == [("F", 1, "29/36")]
    assert [(b.type, b.marks, b.key) for b in by_id[22180]] == [("X", 1, "2 3/4")]
    assert papers[0].first_id <= 22134 <= papers[0].last_id
    assert papers[2].first_id <= 22180 <= papers[2].last_id
    return files


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
