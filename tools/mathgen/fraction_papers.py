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

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from registry import by_name  # noqa: E402
from paperlib import (  # noqa: E402
    TopicPaper,
    PUPILS,
    assemble_topic,
    run_generator,
    Blank, Fraction, PositionDealer, form_note,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("fractions")
FIRST_ID, LAST_ID = TOPIC.first_id, TOPIC.last_id

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


def answer(x: Fraction, kind: str, marks: int = 1) -> Blank:
    """kind F: a proper fraction; I: an improper fraction; X: a mixed number;
    N: a whole number."""
    if kind == "N":
        assert x.denominator == 1 and x >= 0, x
        return Blank("N", marks, str(x.numerator))
    assert x.denominator > 1 and x > 0, x
    if kind == "F":
        assert x < 1, x
        return Blank("F", marks, fs(x))
    assert x > 1, x
    if kind == "I":
        return Blank("F", marks, fs(x))
    n, d = slow_mixed(x.numerator, x.denominator)
    assert kind == "X"
    return Blank("X", marks, f"{n[0]} {n[1]}/{d}")


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
        self.add_single(stem, answer(x, kind, marks))

    def work_out_parts(self, exprs: list[str], kind: str) -> None:
        note = {"F": FRACS, "I": IMPROPERS, "X": MIXEDS}[kind]
        self.parts(f"Work out each calculation. {note}",
                   [(f"{show(e)} = ______", answer(calc(e), kind)) for e in exprs])

    def add_single(self, stem: str, blank: Blank, answer_line: str = "Ans: ______"):
        page = self.single(stem, blank.key, answer=answer_line, type_=blank.type,
                           marks=blank.marks)
        return page

    def choose(self, stem: str, right: str, wrong: list[str]) -> None:
        self.choice(stem, shown(right), [shown(w) for w in wrong], self.qrng())


def missing(frac: str, n: int | None = None,
            d: int | None = None) -> tuple[str, Blank]:
    """One side of an equivalent pair with the numerator or denominator blank."""
    a, b = slow_term(frac)
    if n is None:
        assert d % b == 0
        n_ = d // b * a
        assert Fraction(n_, d) == parse(frac)
        return f"{frac} = ______/{d}", Blank("N", 1, str(n_))
    assert n % a == 0
    d_ = n // a * b
    assert Fraction(n, d_) == parse(frac)
    return f"{frac} = {n}/______", Blank("N", 1, str(d_))


def simplify(frac: str) -> Fraction:
    """The simplest form, which must differ from the fraction given."""
    n, d = slow_term(frac)
    x = Fraction(n, d)
    assert slow_simplest(n, d) == (x.numerator, x.denominator) and x.denominator != d
    return x


# Paper 111: equivalent fractions, simplest form, comparing and ordering.

def paper111(dealer: PositionDealer) -> Builder:
    P = Builder(111, FIRST_ID, dealer)

    P.parts("Write the missing numbers to make each pair of fractions equivalent.",
            [missing("1/2", d=10), missing("3/4", d=8),
             missing("2/3", d=12)])
    P.parts("Write the missing numbers to make each pair of fractions equivalent.",
            [missing("2/5", n=6), missing("5/6", n=20)])

    # 3. Wrong options: the numerator doubled alone; 1 or 4 added to both parts.
    wrong = ["6/12", "4/5", "7/8"]
    assert all(parse(w) != parse("3/4") for w in wrong)
    P.choose("Which of these fractions is equivalent to 3/4?", "9/12", wrong)

    # 4. A fixed point other parts of the product rely on: 29/36.
    x = simplify("58/72")
    P.add_single(f"Write 58/72 in its simplest form. {FRAC}", answer(x, "F"))

    P.parts(f"Write each fraction in its simplest form. {FRACS}",
            [(f"{f} = ______", answer(simplify(f), "F"))
             for f in ["6/8", "10/15", "12/20", "14/35"]])

    # 6. The wrong options are all odd over odd, which can look simplest.
    right, wrong = "8/15", ["9/15", "21/35", "15/27"]
    assert parse(right) == Fraction(8, 15)
    assert all(slow_term(w) != slow_simplest(*slow_term(w)) for w in wrong)
    P.choose("Which of these fractions is already in its simplest form?",
             right, wrong)

    # 7. Dividing by 5 or 3 alone stops at 9/12 or 15/20.
    x = simplify("45/60")
    P.add_single(f"Simplify 45/60. {FRAC}", answer(x, "F"))

    # 8. A larger denominator means a smaller part.
    terms = ["1/3", "1/5", "1/8", "1/10"]
    small = in_order(terms)[0]
    P.choose("Which of these fractions is the smallest?", small,
             [t for t in terms if t != small])

    terms = ["5/8", "2/3", "3/5", "7/12"]
    big = largest(terms)
    P.choose("Which of these fractions is the largest?", big,
             [t for t in terms if t != big])

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
             [", ".join(w) for w in wrong])

    P.parts("Write the missing numbers to make each pair of fractions equivalent.",
            [missing("5/8", n=15), missing("5/8", d=40),
             missing("7/9", n=28)])

    # 12. 4/7 is 2/5 with 2 added to the numerator and the denominator.
    right, wrong = "4/7", ["8/20", "6/15", "10/25"]
    assert parse(right) != parse("2/5") and all(parse(w) == parse("2/5") for w in wrong)
    P.choose("Which of these fractions is NOT equivalent to 2/5?", right, wrong)

    P.parts(f"Write each fraction in its simplest form. {FRACS}",
            [(f"{f} = ______", answer(simplify(f), "F"))
             for f in ["40/64", "28/49", "27/63"]])

    terms = ["7/10", "3/4", "4/5", "13/20"]
    right = in_order(terms, ascending=False)
    wrong = [in_order(terms), sorted(terms, key=lambda t: -slow_term(t)[1]),
             [right[1], right[0], right[2], right[3]]]
    assert right not in wrong and len({tuple(w) for w in wrong}) == 3
    mixed_up = "&nbsp;&nbsp;&nbsp; ".join(terms)
    P.choose("Which list shows these fractions in order from the largest to the "
             f"smallest?<br>{mixed_up}", ", ".join(right),
             [", ".join(w) for w in wrong])

    right, wrong = "5/8", ["3/8", "7/8", "4/5"]
    assert bigger(right, "1/2") and bigger("3/4", right)
    assert all(not (bigger(w, "1/2") and bigger("3/4", w)) for w in wrong)
    P.choose("Which of these fractions is between 1/2 and 3/4?", right, wrong)

    # 16. Who ran furthest on the same track?
    runners = [P.name()[0] for _ in range(4)]
    dist = ["7/9", "5/6", "3/4", "2/3"]
    best = runners[dist.index(largest(dist))]
    told = ", ".join(f"{w} ran {d} of a lap" for w, d in zip(runners[:3], dist[:3]))
    P.choose(f"Four children ran around the same track. {told} and {runners[3]} "
             f"ran {dist[3]} of a lap. Who ran the furthest?", best,
             [w for w in runners if w != best])

    # 17-18. A fraction of a group, then simplified.
    walk, pupils = 12, 32
    P.add_single(f"There are {pupils} pupils in a class. {walk} of them walk to "
                 f"school. What fraction of the class walk to school? {FRAC}",
                 answer(simplify(f"{walk}/{pupils}"), "F"))
    red, blue = 18, 12
    # The blue part of all the marbles, not blue over red (12/18).
    P.add_single(f"A bag holds {red} red marbles and {blue} blue marbles. What "
                 f"fraction of the marbles are blue? {FRAC}",
                 answer(simplify(f"{blue}/{red + blue}"), "F"))

    key = of("2/3", 12)
    P.single("How many twelfths are equal to 2/3? Write the number only.", key)

    terms = ["5/12", "3/8", "1/2", "1/3"]
    order = in_order(terms)
    P.parts(f"Look at these fractions: {', '.join(terms)}. {FRACS}",
            [("Which is the smallest? ______", answer(parse(order[0]), "F")),
             ("Which is the largest? ______", answer(parse(order[-1]), "F"))])
    return P


# Paper 112: fractions of amounts; adding and subtracting with the same and
# related denominators.

def paper112(dealer: PositionDealer) -> Builder:
    P = Builder(112, 22151, dealer)

    def of_part(frac: str, amount: int) -> tuple[str, Blank]:
        return f"{frac} of {amount} = ______", Blank("N", 1, str(of(frac, amount)))

    P.parts("Work out:", [of_part("1/4", 28), of_part("1/6", 42), of_part("1/9", 72)])
    P.parts("Work out:", [of_part("3/4", 36), of_part("2/5", 45), of_part("5/8", 64)])

    r = P.qrng()
    kg = 7 * r.randint(6, 9)
    P.single(f"What is 3/7 of {kg} kg?", of("3/7", kg), answer="Ans: ______ kg")
    r = P.qrng()
    pounds = 3 * r.randint(12, 18)
    P.single(f"What is 2/3 of £{pounds}?", of("2/3", pounds), answer="Ans: £______")

    r = P.qrng()
    pupils = r.choice([25, 30, 35])
    P.single(f"There are {pupils} pupils in a class. 3/5 of them have a pet. How "
             "many pupils have a pet?", of("3/5", pupils), answer="Ans: ______ pupils")

    r = P.qrng()
    seats = 8 * r.randint(30, 45)
    full = of("5/8", seats)
    P.parts(f"A theatre has {seats} seats. On Saturday, 5/8 of the seats were "
            "full.", [("How many seats were full? ______ seats", Blank("N", 1, str(full))),
                      ("How many seats were empty? ______ seats",
                       Blank("N", 1, str(seats - full)))])

    # 7. The amounts differ, so the largest fraction does not win by itself.
    opts = [("3/4", 20), ("2/3", 27), ("1/2", 32), ("5/6", 24)]
    values = [of(f, a) for f, a in opts]
    assert len(set(values)) == 4
    texts = [f"{f} of {a}" for f, a in opts]
    right = texts[values.index(max(values))]
    P.choose("Which of these gives the largest amount?", right,
             [t for t in texts if t != right])

    # 8-9. Finding the whole from a part.
    whole = 45
    part = of("1/5", whole)
    assert part * 5 == whole
    P.single(f"1/5 of a number is {part}. What is the number?", whole)
    whole = 36
    part = of("3/4", whole)
    assert part // 3 * 4 == whole
    P.single(f"3/4 of a number is {part}. What is the number?", whole)

    P.single("How many minutes are there in 3/4 of an hour?", of("3/4", 60),
             answer="Ans: ______ minutes")
    P.single("How many grams are there in 2/5 of a kilogram? (1 kg = 1,000 g)",
             of("2/5", 1000), answer="Ans: ______ g")

    P.work_out_parts(["2/7 + 3/7", "5/9 - 2/9"], "F")
    P.work_out_parts(["3/10 + 1/10", "7/12 - 1/12"], "F")
    P.work_out_parts(["1/2 + 1/4", "1/3 + 1/6"], "F")
    P.work_out_parts(["3/8 + 1/4", "5/6 - 1/2", "7/10 - 2/5"], "F")

    # 16. Tops and bottoms added; numerators added over one denominator;
    # multiplied.
    right, wrong = calc("1/4 + 1/2"), ["2/6", "2/4", "1/8"]
    assert all(parse(w) != right for w in wrong)
    P.choose("What is 1/4 + 1/2?", fs(right), wrong)

    P.work_out("1 - 3/8", "F")

    who, he = P.name()
    x = calc("1/8 + 5/8")
    P.add_single(f"{who} ate 1/8 of a cake. {poss(he).capitalize()} friend ate 5/8 "
                 f"of the same cake. What fraction of the cake did they eat "
                 f"altogether? {FRAC}",
                 answer(x, "F"))

    x = calc("9/10 - 1/5")
    P.add_single("A water tank was 9/10 full. Some water was used, and now the "
                 f"tank is 1/5 full. What fraction of the tank was used? {FRAC}",
                 answer(x, "F"))

    who, she = P.name()
    stickers = 40
    left = stickers - of("1/4", stickers) - of("3/8", stickers)
    assert calc("1 - 1/4 - 3/8") * stickers == left
    P.single(f"{who} has {stickers} stickers. {she.capitalize()} gives 1/4 of them "
             f"to a friend and 3/8 of them to {poss(she)} brother. How many "
             f"stickers does {she} have left?", left,
             answer="Ans: ______ stickers", marks=2)
    return P


# Paper 113: adding and subtracting with different denominators; improper
# fractions and mixed numbers.

def paper113(dealer: PositionDealer) -> Builder:
    P = Builder(113, 22171, dealer)

    P.work_out_parts(["1/2 + 1/3", "2/3 - 1/4"], "F")
    P.work_out_parts(["3/5 + 1/4", "5/6 - 3/4"], "F")
    P.work_out_parts(["3/4 - 1/6", "2/5 + 3/8"], "F")
    P.work_out("1/6 + 1/10", "F")   # 8/30 still has to be simplified

    # 5. The tops add to 7 and the bottoms to 12, a trap for adding both.
    right, wrong = "1/3 + 1/4", ["3/7 + 4/5", "2/3 - 1/4", "1/6 + 1/2"]
    target = calc(right)
    assert target == Fraction(7, 12) and all(calc(w) != target for w in wrong)
    P.choose("Which calculation has the answer 7/12?", show(right),
             [show(w) for w in wrong])

    who, she = P.name()
    spent = calc("1/3 + 2/5")
    P.parts(f"{who} spent 1/3 of {poss(she)} pocket money on a book and 2/5 of it "
            f"on a game. {FRACS}",
            [(f"What fraction of the money did {she} spend altogether? ______",
              answer(spent, "F")),
             ("What fraction of the money was left? ______",
              answer(calc("1 - 1/3 - 2/5"), "F"))])
    assert spent + calc("1 - 1/3 - 2/5") == 1

    P.work_out("7/8 - 1/3", "F")
    P.work_out("1/2 + 1/3 + 1/12", "F")

    # 9. Wrong options: a proper fraction, the same flipped, and a mixed number
    # equal to the answer.
    right, wrong = "7/5", ["5/7", "3/10", "1 2/5"]
    assert parse(right) > 1 and parse("1 2/5") == parse(right)
    P.choose("Which of these is an improper fraction?", right, wrong)

    # 10. A fixed point other parts of the product rely on: 2 3/4.
    P.add_single(f"Write 11/4 as a mixed number. {MIXED}", answer(parse("11/4"), "X"))

    P.parts(f"Write each improper fraction as a mixed number. {MIXEDS}",
            [(f"{f} = ______", answer(parse(f), "X")) for f in ["7/3", "17/5", "23/6"]])
    P.parts(f"Write each mixed number as an improper fraction. {IMPROPERS}",
            [(f"{shown(m)} = ______", answer(calc(m), "I"))
             for m in ["1 3/8", "2 4/5", "4 2/3"]])

    # 13. Stopping at 3 2/8 is not the simplest form.
    P.add_single(f"Write 26/8 as a mixed number. {MIXED}", answer(parse("26/8"), "X"))

    # 14. Remainder over the numerator; one whole too few; divided the wrong way.
    right, wrong = "3 1/6", ["3 1/19", "2 1/6", "6 1/3"]
    assert parse(right) == parse("19/6") and all(parse(w) != parse(right) for w in wrong)
    P.choose("Which mixed number is equal to 19/6?", right, wrong)

    terms = ["17/4", "4 1/2", "13/3", "4 2/5"]
    big = largest(terms)
    P.choose("Which of these is the largest?", big, [t for t in terms if t != big])

    quarters = calc("5 3/4 * 4")
    P.single(f"How many quarters are there in {shown('5 3/4')}? Write the number "
             "only.", quarters.numerator if quarters.denominator == 1 else None)

    P.work_out_parts(["3/4 + 2/3", "5/6 + 3/8"], "X")
    P.work_out("7/10 + 4/5", "X")   # 15/10 simplifies to 1 1/2

    x = calc("5/8 + 3/4")
    P.add_single("A recipe uses 5/8 of a cup of milk and 3/4 of a cup of water. "
                 f"How many cups of liquid is that altogether? {MIXED}",
                 answer(x, "X"), answer_line="Ans: ______")

    who, she = P.name()
    x = calc("5/6 - 3/8")
    P.add_single(f"A ribbon is 5/6 of a metre long. {who} cuts off 3/8 of a metre. "
                 "How long is the piece that is left, in metres? "
                 f"{FRAC}", answer(x, "F"))
    return P


# Paper 114: mixed numbers; multiplying a fraction by a whole number.

def paper114(dealer: PositionDealer) -> Builder:
    P = Builder(114, 22191, dealer)

    P.work_out_parts(["1 1/4 + 2 1/2", "3 5/6 - 1 1/3"], "X")
    P.work_out("2 3/5 + 1 4/5", "X")        # the fifths make a new whole
    P.work_out("4 1/3 - 1 2/3", "X")        # a whole must be exchanged
    P.work_out("3 - 1 3/8", "X")

    # 5. Tops and bottoms added; the new whole forgotten; one whole too many.
    right = calc("2 1/2 + 1 3/4")
    wrong = ["3 4/6", "3 1/4", "5 1/4"]
    assert all(parse(w) != right for w in wrong)
    P.choose(f"What is {show('2 1/2 + 1 3/4')}?", ms(right), wrong)

    P.work_out_parts(["2/9 * 4", "3/10 * 3"], "F")
    P.work_out_parts(["1/6 * 4", "3/8 * 2"], "F")
    P.work_out("3/4 * 5", "X")
    P.work_out("5 * 2/3", "I")
    P.work_out_parts(["4/5 * 3", "5/6 * 4", "7/8 * 6"], "X")

    x = calc("8 * 3/4")
    P.single(f"Work out {show('8 * 3/4')}. Write your answer as a whole number.",
             x.numerator if x.denominator == 1 else None, answer="Ans: ______")

    # 12. Both parts multiplied; the denominator multiplied; upside down.
    right, wrong = calc("2/5 * 3"), ["6/15", "2/15", "5/6"]
    assert all(parse(w) != right for w in wrong)
    P.choose(f"Which of these is equal to {show('2/5 * 3')}?", fs(right), wrong)

    P.work_out("2 1/3 * 2", "X")

    # 14. The missing whole number, found by trying each in turn.
    fits = [k for k in range(1, 20) if calc(f"3/7 * {k}") == Fraction(15, 7)]
    assert len(fits) == 1
    P.single(f"What is the missing number? 3/7 {TIMES} ______ = 15/7", fits[0],
             answer="")

    x = calc("3/4 * 6")
    P.add_single("A bottle holds 3/4 of a litre of water. How many litres of water "
                 f"do 6 bottles hold? {MIXED}", answer(x, "X"))

    who, he = P.name()
    x = calc("2/5 * 7")
    P.add_single(f"One lap of the school field is 2/5 of a kilometre. {who} runs "
                 f"7 laps. How many kilometres does {he} run? {MIXED}",
                 answer(x, "X"))

    x = calc("4 1/4 - 1 5/8")
    P.add_single(f"A plank of wood is {shown('4 1/4')} metres long. A piece "
                 f"{shown('1 5/8')} metres long is cut off. How long is the rest "
                 f"of the plank, in metres? {MIXED}", answer(x, "X", marks=2))

    exprs = ["3 * 2/7", "5 * 1/6", "4 * 1/5", "2 * 3/8"]
    values = [calc(e) for e in exprs]
    assert len(set(values)) == 4
    best = exprs[values.index(max(values))]
    P.choose("Which of these calculations has the largest answer?", show(best),
             [show(e) for e in exprs if e != best])

    P.work_out("1 2/3 + 2 3/4", "X")
    P.work_out("5 1/4 - 2 5/6", "X")
    return P


# Paper 115: word problems.

def paper115(dealer: PositionDealer) -> Builder:
    P = Builder(115, 22211, dealer)

    pupils = 28
    boys = of("3/7", pupils)
    P.single(f"There are {pupils} pupils in a class. 3/7 of them are boys. How many "
             "girls are in the class?", pupils - boys, answer="Ans: ______ girls",
             marks=2)

    who, he = P.name()
    pages = 120
    read = calc("1/4 + 1/3")
    left = pages - of("1/4", pages) - of("1/3", pages)
    assert (1 - read) * pages == left
    P.parts(f"A book has {pages} pages. {who} read 1/4 of the book on Monday and "
            "1/3 of the book on Tuesday.",
            [(f"What fraction of the book did {he} read on the two days? {FRAC} "
              "______", answer(read, "F")),
             (f"How many pages does {he} still have to read? Write the number "
              "only. ______", Blank("N", 1, str(left)))])

    who, she = P.name()
    money = 36
    after_book = money - of("1/3", money)
    key = after_book - of("1/4", after_book)
    assert calc("1 - 1/3") * calc("1 - 1/4") * money == key
    P.single(f"{who} had £{money}. {she.capitalize()} spent 1/3 of it on a book. "
             f"Then {she} spent 1/4 of the money that was left on lunch. How much "
             f"money does {she} have now?", key, answer="Ans: £______", marks=2)

    who, he = P.name()
    spent = 42
    savings = spent // 3 * 5
    assert of("3/5", savings) == spent
    P.single(f"{who} spent 3/5 of {poss(he)} savings on a bike. The bike cost "
             f"£{spent}. How much were {poss(he)} savings before {he} bought it?",
             savings, answer="Ans: £______", marks=2)

    girls = 16
    choir = girls // 2 * 3
    assert of("2/3", choir) == girls
    P.single(f"2/3 of the children in a school choir are girls. There are {girls} "
             "girls. How many children are in the choir?", choir,
             answer="Ans: ______ children", marks=2)

    x = calc("1 3/4 * 60")
    P.single(f"A film lasts {shown('1 3/4')} hours. How many minutes is that?",
             x.numerator if x.denominator == 1 else None,
             answer="Ans: ______ minutes")

    who, she = P.name()
    total, diff = calc("2 1/4 + 1 5/6"), calc("2 1/4 - 1 5/6")
    P.parts(f"{who} ran {shown('2 1/4')} km on Monday and {shown('1 5/6')} km on "
            "Tuesday.",
            [(f"How far did {she} run altogether, in kilometres? {MIXED} ______",
              answer(total, "X")),
             (f"How much further did {she} run on Monday than on Tuesday, in "
              f"kilometres? {FRAC} ______", answer(diff, "F"))])

    # 8-9. Sharing: each share is the number of pizzas over the number of people.
    x = Fraction(2, 3)
    assert x * 3 == 2
    P.add_single("Three friends share 2 pizzas equally. What fraction of a pizza "
                 f"does each friend get? {FRAC}", answer(x, "F"))
    x = Fraction(5, 4)
    assert x * 4 == 5
    P.add_single("Four children share 5 pizzas equally. How much pizza does each "
                 f"child get? {MIXED}", answer(x, "X"))

    # 10. Doubled instead of halved; a quarter; the same value unsimplified.
    right, wrong = calc("3/4 * 1/2"), ["3/2", "1/4", "6/8"]
    assert all(parse(w) != right for w in wrong)
    P.choose("What is half of 3/4?", fs(right), wrong)

    counters = 40
    green = calc("1 - 1/4 - 2/5")
    P.parts(f"A bag holds {counters} counters. 1/4 of them are red, 2/5 of them are "
            "blue and the rest are green.",
            [(f"What fraction of the counters are green? {FRAC} ______",
              answer(green, "F")),
             ("How many green counters are there? Write the number only. ______",
              Blank("N", 1, str(counters - of("1/4", counters) - of("2/5", counters))))])
    assert green * counters == counters - of("1/4", counters) - of("2/5", counters)

    litres = 48
    P.single(f"A tank holds {litres} litres when it is full. It is 5/8 full now. "
             "How many more litres of water are needed to fill it?",
             litres - of("5/8", litres), answer="Ans: ______ litres", marks=2)

    who, he = P.name()
    x = calc("3/4 * 10")
    assert x == calc("3/4 * 2") * 5
    P.add_single(f"{who} walks 3/4 of a kilometre to school and 3/4 of a kilometre "
                 "home again every day. How many kilometres does "
                 f"{he} walk in 5 school days? {MIXED}", answer(x, "X", marks=2))

    # 14. 24/30 has the largest numbers but is only 4/5.
    terms = ["19/20", "14/15", "11/12", "24/30"]
    gaps = {t: 1 - parse(t) for t in terms}
    right = min(terms, key=gaps.get)
    assert right == in_order(terms)[-1]
    P.choose("Which of these fractions is closest to 1?", right,
             [t for t in terms if t != right])

    x = calc("3/4 * 3")
    P.add_single("A recipe for 4 people uses 3/4 of a cup of sugar. How many cups "
                 f"of sugar are needed for 12 people? {MIXED}", answer(x, "X", marks=2))

    rope = 6
    pieces = 0
    while calc(f"3/4 * {pieces + 1}") <= rope:
        pieces += 1
    assert calc(f"3/4 * {pieces}") == rope
    P.single(f"A rope is {rope} metres long. It is cut into pieces that are each "
             "3/4 of a metre long. How many pieces are there?", pieces,
             answer="Ans: ______ pieces", marks=2)

    cakes = 96
    morning = of("3/8", cakes)
    afternoon = of("2/3", cakes - morning)
    P.single(f"A school fair had {cakes} cakes for sale. 3/8 of the cakes were sold "
             "in the morning. Then 2/3 of the cakes that were left were sold in the "
             "afternoon. How many cakes were not sold?",
             cakes - morning - afternoon, answer="Ans: ______ cakes", marks=2)

    who, she = P.name()
    x = calc("2/3 + 1/6")
    P.add_single(f"{who} spends 2/3 of an hour on homework and 1/6 of an hour "
                 "practising the piano. What fraction of an hour is that altogether? "
                 f"{FRAC}", answer(x, "F"))

    # 19. The pupil must first see who drank more, then subtract.
    a, b = P.name()[0], P.name()[0]
    share = {a: "3/5", b: "5/8"}
    more, less = (b, a) if bigger(share[b], share[a]) else (a, b)
    x = calc(f"{share[more]} - {share[less]}")
    P.add_single(f"{a} and {b} each have a bottle of juice of the same size. {a} "
                 f"drinks {share[a]} of one bottle and {b} drinks {share[b]} of the "
                 f"other. How much more of a bottle does {more} drink than {less}? "
                 f"{FRAC}", answer(x, "F"))

    seconds = of("5/12", 60)
    P.single("How many seconds are there in 5/12 of a minute?", seconds,
             answer="Ans: ______ seconds")
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper111, paper112, paper113, paper114, paper115]


def build() -> dict[str, str]:
    dealer = PositionDealer(seed=TOPIC.seed)
    papers = [make(dealer) for make in PAPERS]
    files, by_id = assemble_topic(papers, SUBJECT, os.path.join(ROOT, SUBJECT), FIRST_ID, LAST_ID)
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
