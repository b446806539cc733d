#!/usr/bin/env python3
"""Mathematics topic 1, "Whole Numbers": writes papers 101 to 105.

    python3 tools/mathgen/whole_numbers.py           # write the papers
    python3 tools/mathgen/whole_numbers.py --check   # compare with the files

Every number in a question is drawn from a random generator seeded by the
paper and question number, and every key is computed from those same
numbers, then checked again by a second, independent route.
"""

from __future__ import annotations

import os
import sys
from itertools import permutations

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from registry import by_name  # noqa: E402
from paperlib import (  # noqa: E402
    PUPILS,
    TopicPaper,
    assemble_topic,
    run_generator,
    Blank, DIVIDE, MINUS, TIMES, PositionDealer, check_expr,
    check_rounded, evaluate, factors, fmt, is_prime, is_square,
    number_line_svg, parse_words, round_to, show, words,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("whole_numbers")
FIRST_ID, LAST_ID = TOPIC.first_id, TOPIC.last_id

PLACES = ["ones", "tens", "hundreds", "thousands", "ten thousands",
          "hundred thousands", "millions"]

# The shared names, then twelve of its own in the order its papers were first dealt.
NAMES = PUPILS[:20] + [
    ("Aisha", "she"), ("Finley", "he"), ("Megan", "she"), ("Tomasz", "he"), ("Niamh", "she"),
    ("Daniel", "he"), ("Hannah", "she"), ("Rhys", "he"), ("Lily", "she"), ("Owen", "he"),
    ("Mei", "she"), ("Samuel", "he")]


# Above the first question of every paper: how to type answers so that a pupil
# who knows the answer is marked right.
INSTRUCTION = ("In the answer sheet, write only the number: no units and no £ or "
               "p signs (for £45, write 45). For a multiple-choice question, "
               "write the number of the correct option (1, 2, 3 or 4).")


class Builder(TopicPaper):
    def __init__(self, key: int, first_id: int, dealer: PositionDealer):
        super().__init__(TOPIC, key, first_id, dealer, seed_factor=7919,
                         instruction=INSTRUCTION, names=NAMES)


def n_(key: int | str) -> Blank:
    return Blank("N", 1, str(key))


def from_digits(ds: list[int]) -> int:
    return int("".join(map(str, ds)))


def components(n: int) -> list[int]:
    """Expanded form: 7352 -> [7000, 300, 50, 2]; zero digits are left out."""
    s = str(n)
    return [int(c) * 10 ** (len(s) - 1 - i) for i, c in enumerate(s) if c != "0"]


def place_slips(n: int) -> list[int]:
    """Numbers a pupil gets by misplacing zeros or neighbouring digits."""
    s = str(n)
    out = set()
    for i in range(1, len(s) + 1):
        out.add(s[:i] + "0" + s[i:])                       # an extra zero
    for i, c in enumerate(s):
        if c == "0":
            out.add(s[:i] + s[i + 1:])                     # a zero dropped
    for i in range(len(s) - 1):
        out.add(s[:i] + s[i + 1] + s[i] + s[i + 2:])       # neighbours swapped
    return sorted(int(t) for t in out
                  if t[0] != "0" and int(t) != n and abs(len(t) - len(s)) <= 1)


# ---------------------------------------------------------------------------
# Templates shared by several papers

def t_digit_value(P: Builder, ndig: int, place: int, zero: bool = False) -> None:
    r = P.qrng()
    pool = list(range(0 if zero else 1, 10))
    while True:
        ds = r.sample(pool, ndig)
        if ds[0] and ds[ndig - 1 - place]:
            break
    n = from_digits(ds)
    d = ds[ndig - 1 - place]
    key = d * 10 ** place
    # Independent route: the value is what disappears when the digit becomes 0.
    s = str(n)
    i = len(s) - 1 - place
    assert n - int(s[:i] + "0" + s[i + 1:]) == key
    P.single(f"What is the value of the digit {d} in {fmt(n)}? "
             "Give your answer in numerals.", key)


def t_digit_in_place(P: Builder, ndig: int, place: int) -> None:
    r = P.qrng()
    while True:
        ds = r.sample(range(10), ndig)
        if ds[0]:
            break
    n = from_digits(ds)
    key = n // 10 ** place % 10
    assert str(n)[-1 - place] == str(key)
    P.single(f"Which digit is in the {PLACES[place]} place in {fmt(n)}? "
             "Write the digit only.", key)


def t_digit_place_choice(P: Builder, ndig: int, place: int) -> None:
    """In which number does the digit d have the value d x 10^place?"""
    r = P.qrng()
    ds = r.sample(range(1, 10), ndig)
    d = ds[0]
    # The other digits stay in order while d moves to each place in turn.
    arrangements = []
    for pl in range(ndig):
        arr = ds[1:]
        arr.insert(ndig - 1 - pl, d)
        arrangements.append((pl, from_digits(arr)))
    value = d * 10 ** place
    right = [m for pl, m in arrangements if pl == place][0]
    wrong = [m for pl, m in arrangements if pl != place]
    wrong = [wrong[i] for i in sorted(r.sample(range(len(wrong)), 3))]
    for m in wrong:
        assert m // 10 ** place % 10 != d
    assert right // 10 ** place % 10 == d
    P.choice(f"In which number does the digit {d} have a value of {fmt(value)}?",
             fmt(right), [fmt(m) for m in wrong], r)


def t_to_numerals(P: Builder, n: int) -> None:
    w = words(n)
    assert parse_words(w) == n, (w, n)
    P.single(f"Write {w} in numerals.", n)


def t_to_words_choice(P: Builder, n: int) -> None:
    r = P.qrng()
    slips = place_slips(n)
    wrong = [slips[i] for i in sorted(r.sample(range(len(slips)), 3))]
    for m in wrong + [n]:
        assert parse_words(words(m)) == m
    P.choice(f"Which of these is {fmt(n)} written in words?",
             words(n), [words(m) for m in wrong], r)


def t_partition(P: Builder, numbers: list[int]) -> None:
    parts = []
    for n in numbers:
        cs = components(n)
        assert sum(cs) == n
        parts.append((" + ".join(fmt(c) for c in cs) + " = ______", n_(n)))
    P.parts("Write each number in numerals.", parts)


def t_missing_part(P: Builder, n: int, hide: int) -> None:
    cs = components(n)
    key = cs[hide]
    shown = [fmt(c) if i != hide else "______" for i, c in enumerate(cs)]
    assert sum(cs) == n and key == n - sum(c for i, c in enumerate(cs) if i != hide)
    P.single(f"What is the missing number? {fmt(n)} = " + " + ".join(shown),
             key, answer="")


def t_more_less(P: Builder, items: list[tuple[int, int]]) -> None:
    parts = []
    for n, delta in items:
        word = "more" if delta > 0 else "less"
        parts.append((f"What is {fmt(abs(delta))} {word} than {fmt(n)}? ______",
                      n_(n + delta)))
    P.parts("Give each answer in numerals.", parts)


def t_extreme_choice(P: Builder, ndig: int, greatest: bool) -> None:
    """Four numbers made from the same digits; the pupil picks the greatest
    or the smallest."""
    r = P.qrng()
    ds = r.sample(range(1, 10), ndig)
    perms = sorted({from_digits(list(p)) for p in permutations(ds)})
    # Keep the options close together: they share the first digit.
    lead = r.choice(sorted(set(str(p)[0] for p in perms)))
    close = [p for p in perms if str(p)[0] == lead]
    picks = [close[i] for i in sorted(r.sample(range(len(close)), 4))]
    right = max(picks) if greatest else min(picks)
    assert all((right >= p) if greatest else (right <= p) for p in picks)
    word = "greatest" if greatest else "smallest"
    P.choice(f"Which of these numbers is the {word}?", fmt(right),
             [fmt(p) for p in picks if p != right], r)


def t_order_choice(P: Builder, numbers: list[int], ascending: bool) -> None:
    r = P.qrng()
    right = sorted(numbers, reverse=not ascending)
    # Wrong orders a pupil might choose: ordered by the last digits only,
    # the middle pair swapped, or the whole list the wrong way round.
    by_tail = sorted(numbers, key=lambda m: (m % 100, m), reverse=not ascending)
    swapped = right[:]
    swapped[1], swapped[2] = swapped[2], swapped[1]
    reverse = right[::-1]
    wrong = [by_tail, swapped, reverse]
    if by_tail == right or by_tail in (swapped, reverse):
        wrong[0] = [right[0], right[2], right[3], right[1]]
    as_text = ["; ".join(fmt(m) for m in o) for o in wrong]
    direction = ("from the smallest to the largest" if ascending
                 else "from the largest to the smallest")
    mixed = "&nbsp;&nbsp;&nbsp; ".join(fmt(m) for m in r.sample(numbers, len(numbers)))
    P.choice(f"Which list shows these numbers in order {direction}?<br>{mixed}",
             "; ".join(fmt(m) for m in right), as_text, r)


def t_round(P: Builder, n: int, unit: int) -> None:
    key = round_to(n, unit)
    check_rounded(n, unit, key)
    P.single(f"Round {fmt(n)} to the nearest {fmt(unit)}.", key)


def t_round_parts(P: Builder, n: int, units: list[int]) -> None:
    parts = []
    for u in units:
        key = round_to(n, u)
        check_rounded(n, u, key)
        parts.append((f"to the nearest {fmt(u)}: ______", n_(key)))
    P.parts(f"Round {fmt(n)}", parts)


def t_calc(P: Builder, expr: str, key: int, stem: str = "") -> None:
    check_expr(expr, key)
    P.single(f"{stem}{show(expr)} = ______", key, answer="")


def t_number_line(P: Builder, start: int, step: int, count: int,
                  target_index: int, labelled: list[int], stem: str) -> None:
    key = start + step * target_index
    name = f"numberline-{P.first_id + P.number - 1}.svg"
    P.figures[name] = number_line_svg(start, step, count, target_index, labelled)
    page = P.single(stem + " Give your answer in numerals.", key)
    page.figure = (name, 560, 120,
                   f"A number line from {fmt(start)} to {fmt(start + step * count)} "
                   "with an arrow pointing to one mark")


def carries(a: int, b: int) -> int:
    """How many columns carry when a and b are added."""
    c = count = 0
    while a or b:
        c = (a % 10 + b % 10 + c) >= 10
        count += c
        a, b = a // 10, b // 10
    return count


# ---------------------------------------------------------------------------
# Paper 101: gentle. Numbers up to 100,000, rounding to 10 and 100.

def paper101(dealer: PositionDealer) -> Builder:
    P = Builder(101, 22001, dealer)

    t_digit_value(P, 5, 3)
    t_digit_place_choice(P, 4, 2)
    t_digit_in_place(P, 5, 2)
    t_to_numerals(P, 46208)
    t_to_words_choice(P, 30605)
    t_partition(P, [6473, 20508])
    t_missing_part(P, 7352, 1)
    t_extreme_choice(P, 5, greatest=True)
    t_order_choice(P, [4356, 3546, 4365, 3465], ascending=True)
    t_more_less(P, [(45762, 1000), (6045, -100)])
    t_round_parts(P, 4367, [10, 100])

    # 12. A number line with ten gaps of 10.
    t_number_line(P, 400, 10, 10, 7, [0, 5, 10],
                  "What number is the arrow pointing to?")

    # 13. Which number rounds to a given hundred?
    r = P.qrng()
    target = 600
    right = 583
    wrong = [548, 651, 506]
    assert round_to(right, 100) == target
    assert all(round_to(w, 100) != target for w in wrong)
    P.choice(f"Which of these numbers rounds to {fmt(target)} when it is rounded "
             "to the nearest 100?", fmt(right), [fmt(w) for w in wrong], r)

    # 14-17. The four operations, with carrying and exchanging.
    r = P.qrng()
    while True:
        a, b = r.randint(2000, 5999), r.randint(1000, 3999)
        if carries(a, b) >= 2:
            break
    t_calc(P, f"{a} + {b}", a + b)
    r = P.qrng()
    while True:
        a, b = r.randint(5000, 8999), r.randint(1000, 4999)
        if carries(a - b, b) >= 2:          # needs exchanging
            break
    t_calc(P, f"{a} - {b}", a - b)
    r = P.qrng()
    a, b = r.randint(126, 389), r.randint(3, 6)
    t_calc(P, f"{a} * {b}", a * b)
    r = P.qrng()
    q, d = r.randint(26, 49), r.choice([4, 6])
    t_calc(P, f"{q * d} / {d}", q)

    # 18. Multiplying and dividing by 10 and 100.
    r = P.qrng()
    a = r.choice([k for k in range(21, 90) if k % 10])
    b = r.randint(21, 89) * 100
    check_expr(f"{a} * 10", a * 10)
    check_expr(f"{b} / 100", b // 100)
    P.parts("Work out:", [(f"{a} {TIMES} 10 = ______", n_(a * 10)),
                          (f"{fmt(b)} {DIVIDE} 100 = ______", n_(b // 100))])

    # 19. A factor.
    r = P.qrng()
    n = 24
    right = 6
    wrong = [5, 9, 48]          # not a factor; a near miss; a multiple instead
    assert n % right == 0 and all(n % w for w in wrong)
    P.choice(f"Which of these numbers is a factor of {n}?", str(right),
             [str(w) for w in wrong], r)

    # 20. A multiple: the wrong options end in the digit 7.
    r = P.qrng()
    right = 7 * r.randint(6, 9)
    wrong = [27, 57, 36]
    assert right % 7 == 0 and all(w % 7 for w in wrong)
    P.choice("Which of these numbers is a multiple of 7?", str(right),
             [str(w) for w in wrong], r)

    # 21. The two factors of a number other than 1 and itself.
    n = 15
    fs = factors(n)
    assert len(fs) == 4
    others = fs[1:3]
    P.parts(f"{n} has four factors. Two of them are 1 and {n}. "
            "Write the other two factors.",
            [("______", Blank("G", 1, ";" + ";".join(map(str, others)))),
             ("______", Blank("G", 1, " "))])

    # 22. The only square number in a range.
    lo, hi = 40, 60
    sq = [k for k in range(lo + 1, hi) if is_square(k)]
    assert len(sq) == 1
    P.single(f"Which square number is between {lo} and {hi}? "
             "Write the number only.", sq[0])

    # 23. A prime among odd numbers that are not.
    r = P.qrng()
    right, wrong = 13, [9, 15, 21]
    assert is_prime(right) and not any(is_prime(w) for w in wrong)
    P.choice("Which of these numbers is a prime number?", str(right),
             [str(w) for w in wrong], r)

    # 24-25. Order of operations.
    r = P.qrng()
    a, b, c = r.randint(20, 30), r.randint(2, 5), r.randint(3, 4)
    t_calc(P, f"{a} - {b} * {c}", a - b * c,
           stem="Remember to multiply before you subtract. ")
    r = P.qrng()
    a, b, c = r.randint(11, 14), r.randint(6, 9), r.randint(3, 4)
    t_calc(P, f"({a} + {b}) * {c}", (a + b) * c,
           stem="Work out the brackets first. ")

    # 26. Estimation.
    r = P.qrng()
    a, b = 396, 207
    key = round_to(a, 100) + round_to(b, 100)
    assert key == 600 and abs(key - (a + b)) < 100
    P.single(f"Estimate the answer to {a} + {b} by first rounding each number "
             "to the nearest 100. Write your estimate.", key)

    # 27. Money in pence.
    r = P.qrng()
    who, he = P.name()
    price, count = r.choice([35, 45, 65]), r.randint(4, 7)
    key = price * count
    check_expr(f"{price} * {count}", key)
    P.single(f"A pencil costs {price}p. {who} buys {count} pencils. "
             f"How much does {he} pay altogether?", key, answer="Ans: ______ pence")

    # 28. People.
    r = P.qrng()
    y5, y6 = r.randint(112, 149), r.randint(115, 148)
    key = y5 + y6
    check_expr(f"{y5} + {y6}", key)
    P.single(f"A school has {y5} pupils in Year 5 and {y6} pupils in Year 6. "
             "How many pupils are there in Years 5 and 6 altogether?", key,
             answer="Ans: ______ pupils")

    # 29. Money in pounds.
    r = P.qrng()
    who, he = P.name()
    game, book = r.randint(15, 24), r.randint(6, 9)
    key = 50 - game - book
    check_expr(f"50 - {game} - {book}", key)
    P.single(f"{who} has £50. {he.capitalize()} buys a game for £{game} and a book "
             f"for £{book}. How much money does {he} have left?", key,
             answer="Ans: £______")

    # 30. Sharing into equal groups.
    r = P.qrng()
    size = r.choice([6, 8])
    bags = r.randint(11, 14)
    total = size * bags
    check_expr(f"{total} / {size}", bags)
    P.single(f"A baker puts {total} bread rolls into bags of {size}. "
             "How many bags does the baker fill?", bags, answer="Ans: ______ bags")
    return P


# ---------------------------------------------------------------------------
# Paper 102: numbers to ten million, rounding to 1,000 and 10,000.

def paper102(dealer: PositionDealer) -> Builder:
    P = Builder(102, 22031, dealer)

    t_to_numerals(P, 1500109)
    t_digit_value(P, 7, 5, zero=True)
    t_digit_place_choice(P, 6, 4)
    t_to_numerals(P, 705040)
    t_to_words_choice(P, 2060300)
    t_partition(P, [3040205, 706090])
    t_more_less(P, [(395420, 10000), (1052300, -100000)])
    t_extreme_choice(P, 6, greatest=False)
    t_order_choice(P, [254310, 245130, 254103, 245301], ascending=False)
    r = P.qrng()
    t_round(P, r.randint(30, 89) * 1000 + r.choice([501, 499, 650, 372]), 1000)
    t_round_parts(P, 846 * 1000 + 528, [10000, 1000, 100])

    # 12. Which number rounds to a given hundred?
    r = P.qrng()
    target, right, wrong = 4500, 4549, [4550, 4439, 4605]
    assert round_to(right, 100) == target
    assert all(round_to(w, 100) != target for w in wrong)
    P.choice(f"Which of these numbers rounds to {fmt(target)} when it is rounded "
             "to the nearest 100?", fmt(right), [fmt(w) for w in wrong], r)

    # 13. A number line counting in 200s.
    t_number_line(P, 24000, 200, 10, 3, [0, 5, 10],
                  "The marks on this number line are equally spaced. "
                  "Which number is the arrow pointing to?")

    r = P.qrng()
    while True:
        a, b = r.randint(31000, 68999), r.randint(4000, 9999)
        if carries(a, b) >= 3:
            break
    t_calc(P, f"{a} + {b}", a + b)
    r = P.qrng()
    a = 40006
    b = r.randint(12001, 18999)
    t_calc(P, f"{a} - {b}", a - b)
    r = P.qrng()
    a, b = r.randint(2345, 4876), r.randint(7, 9)
    t_calc(P, f"{a} * {b}", a * b)
    r = P.qrng()
    q, d = r.randint(612, 948), r.choice([7, 8, 9])
    t_calc(P, f"{q * d} / {d}", q)

    # 18. Multiplying and dividing by 1,000 and 100.
    r = P.qrng()
    a = r.randint(301, 999)
    b = r.randint(120, 890) * 100
    check_expr(f"{a} * 1000", a * 1000)
    check_expr(f"{b} / 100", b // 100)
    P.parts("Work out:", [(f"{a} {TIMES} 1,000 = ______", n_(a * 1000)),
                          (f"{fmt(b)} {DIVIDE} 100 = ______", n_(b // 100))])

    # 19. Counting factors.
    n = 36
    P.single(f"How many factors does {n} have? Write the number only.",
             len(factors(n)))

    # 20. The two primes between two tens.
    lo, hi = 30, 40
    ps = [k for k in range(lo + 1, hi) if is_prime(k)]
    assert len(ps) == 2
    P.parts(f"There are two prime numbers between {lo} and {hi}. Write them both.",
            [("______", Blank("G", 1, ";" + ";".join(map(str, ps)))),
             ("______", Blank("G", 1, " "))])

    # 21. A square number among its look-alikes.
    r = P.qrng()
    right, wrong = 81, [18, 27, 90]
    assert is_square(right) and not any(is_square(w) for w in wrong)
    P.choice("Which of these numbers is a square number?", str(right),
             [str(w) for w in wrong], r)

    r = P.qrng()
    a, b = r.choice([4, 6]) * r.randint(7, 9), r.randint(4, 6)
    d = 4 if a % 4 == 0 else 6
    c = r.randint(3, 7)
    t_calc(P, f"{a} / {d} + {b} * {c}", a // d + b * c)

    # 23. Estimating a sum.
    r = P.qrng()
    a, b = 4872, 3109
    key = round_to(a, 1000) + round_to(b, 1000)
    assert key == 8000
    P.single(f"Estimate the answer to {fmt(a)} + {fmt(b)} by first rounding each "
             "number to the nearest 1,000. Write your estimate.", key)

    # 24. Money raised.
    r = P.qrng()
    fair, concert = r.randint(1150, 1390), r.randint(640, 890)
    key = fair + concert
    check_expr(f"{fair} + {concert}", key)
    P.single(f"A school raised £{fmt(fair)} at its summer fair and £{concert} at "
             "its winter concert. How much did it raise altogether?", key,
             answer="Ans: £______")

    # 25. Empty seats.
    r = P.qrng()
    seats = 42500
    came = r.randint(37100, 39900)
    key = seats - came
    check_expr(f"{seats} - {came}", key)
    P.single(f"A stadium has {fmt(seats)} seats. At one match, {fmt(came)} of the "
             "seats were filled. How many seats were empty?", key,
             answer="Ans: ______ seats")
    return P


# ---------------------------------------------------------------------------
# Paper 103: factors, multiples, primes, squares and the order of operations.

def paper103(dealer: PositionDealer) -> Builder:
    P = Builder(103, 22056, dealer)

    # 1. A missing factor in a list.
    n = 45
    fs = factors(n)
    hide = 3
    shown = [str(f) if i != hide else "?" for i, f in enumerate(fs)]
    P.single(f"Here are all the factors of {n}, in order. One is missing.<br>"
             + ", ".join(shown) + "<br>What is the missing factor?", fs[hide])

    # 2. Not a factor.
    r = P.qrng()
    n, right, wrong = 60, 25, [12, 15, 20]
    assert n % right and all(n % w == 0 for w in wrong)
    P.choice(f"Which of these numbers is <b>not</b> a factor of {n}?", str(right),
             [str(w) for w in wrong], r)

    # 3. Factor pairs.
    n = 72
    lefts = [8, 6, 24]
    P.parts(f"Complete these factor pairs of {n}.",
            [(f"{a} {TIMES} ______ = {n}", n_(n // a)) for a in lefts
             if n % a == 0])

    # 4. Greatest common factor.
    a, b = 24, 36
    common = [f for f in factors(a) if b % f == 0]
    P.single(f"What is the greatest number that is a factor of both {a} and {b}?",
             max(common))

    # 5. All common factors above 1.
    a, b = 12, 18
    common = [f for f in factors(a) if b % f == 0 and f > 1]
    assert len(common) == 3
    P.parts(f"There are three numbers greater than 1 that are factors of both "
            f"{a} and {b}. Write all three.",
            [("______", Blank("G", 1, ";" + ";".join(map(str, common))))]
            + [("______", Blank("G", 1, " "))] * 2)

    # 6. Smallest common multiple.
    a, b = 6, 8
    key = min(m for m in range(1, a * b + 1) if m % a == 0 and m % b == 0)
    P.single(f"What is the smallest number that is a multiple of both {a} and {b}?",
             key)

    # 7. A common multiple among near misses.
    r = P.qrng()
    right, wrong = 36, [30, 28, 10]   # only of 6; only of 4; 4 + 6
    assert right % 4 == 0 and right % 6 == 0
    assert all(w % 4 or w % 6 for w in wrong)
    P.choice("Which of these numbers is a multiple of both 4 and 6?", str(right),
             [str(w) for w in wrong], r)

    # 8. The twelfth multiple.
    n = 7
    mults = [n * k for k in range(1, 13)]
    P.single(f"The first three multiples of {n} are {mults[0]}, {mults[1]} and "
             f"{mults[2]}. What is the twelfth multiple of {n}?", mults[11])

    # 9. Counting multiples in a range.
    n, lo, hi = 6, 20, 50
    key = sum(1 for k in range(lo + 1, hi) if k % n == 0)
    P.single(f"How many multiples of {n} are there between {lo} and {hi}? "
             "Write the number only.", key)

    # 10. A prime among numbers that look prime.
    r = P.qrng()
    right, wrong = 53, [51, 57, 91]
    assert is_prime(right) and not any(is_prime(w) for w in wrong)
    P.choice("Which of these numbers is a prime number?", str(right),
             [str(w) for w in wrong], r)

    # 11. Largest prime below a bound.
    bound = 80
    key = max(k for k in range(2, bound) if is_prime(k))
    P.single(f"What is the largest prime number that is less than {bound}?", key)

    # 12. Product of three primes.
    n = 42
    ps = [p for p in factors(n) if is_prime(p)]
    assert len(ps) == 3 and ps[0] * ps[1] * ps[2] == n
    P.parts(f"{n} can be written as three different prime numbers multiplied "
            "together. Write the three prime numbers.",
            [("______", Blank("G", 1, ";" + ";".join(map(str, ps))))]
            + [("______", Blank("G", 1, " "))] * 2)

    # 13. Counting primes in a range.
    lo, hi = 30, 50
    key = sum(1 for k in range(lo + 1, hi) if is_prime(k))
    P.single(f"How many prime numbers are there between {lo} and {hi}? "
             "Write the number only.", key)

    # 14. Squares.
    P.parts("Work out:", [(f"{k}<sup>2</sup> = ______", n_(k * k)) for k in (9, 12)])

    # 15. Adding the squares in a range.
    lo, hi = 10, 50
    sq = [k for k in range(lo + 1, hi) if is_square(k)]
    P.single(f"Add together all the square numbers between {lo} and {hi}. "
             "What is the total?", sum(sq))

    # 16. A square number riddle.
    lo, hi = 50, 100
    fits = [k for k in range(lo + 1, hi) if is_square(k) and k % 2]
    assert len(fits) == 1
    P.single(f"I am a square number between {lo} and {hi}. I am an odd number. "
             "What number am I?", fits[0])

    # 17. Square and a multiple of 4.
    r = P.qrng()
    right, wrong = 36, [49, 24, 18]
    assert is_square(right) and right % 4 == 0
    assert all(not is_square(w) or w % 4 for w in wrong)
    P.choice("Which of these numbers is a square number <b>and</b> a multiple of 4?",
             str(right), [str(w) for w in wrong], r)

    # 18-20. Order of operations.
    r = P.qrng()
    a, b, c = r.randint(3, 9), r.randint(5, 8), r.randint(4, 6)
    t_calc(P, f"{a} + {b} * {c}", a + b * c)
    r = P.qrng()
    a, d = r.randint(16, 21), 3
    b = a - d * r.randint(3, 5)
    t_calc(P, f"({a} - {b}) / {d} + 2", (a - b) // d + 2)
    r = P.qrng()
    a, b, c = r.randint(40, 60), 24, r.choice([2, 3])
    t_calc(P, f"{a} - {b} / 6 * {c}", a - b // 6 * c)

    # 21. Which calculation gives a value: brackets matter.
    r = P.qrng()
    x, y, z = 3, 4, 6
    target = (x + y) * z
    options = {f"({x} + {y}) * {z}": target, f"{x} + {y} * {z}": x + y * z,
               f"{x} * {y} + {z}": x * y + z, f"{x} * ({y} + {z})": x * (y + z)}
    for e, v in options.items():
        check_expr(e, v)
    right = f"({x} + {y}) * {z}"
    wrong = [e for e in options if e != right]
    assert all(options[e] != target for e in wrong)
    P.choice(f"Which calculation has the answer {target}?", show(right),
             [show(e) for e in wrong], r)

    # 22. Buses: smallest common multiple.
    a, b = 12, 15
    key = min(m for m in range(1, a * b + 1) if m % a == 0 and m % b == 0)
    P.single(f"At a bus station, a red bus leaves every {a} minutes and a blue bus "
             f"leaves every {b} minutes. They both leave at 9 o'clock. How many "
             "minutes later will they next leave at the same time?", key,
             answer="Ans: ______ minutes")

    # 23. Ribbons: greatest common factor.
    a, b = 48, 60
    key = max(f for f in factors(a) if b % f == 0)
    who, she = P.name()
    P.single(f"{who} has two ribbons. One is {a} cm long and the other is {b} cm "
             f"long. {she.capitalize()} cuts both ribbons into pieces that are all "
             "the same length, with nothing left over. What is the longest each "
             "piece can be?", key, answer="Ans: ______ cm")

    # 24. A square arrangement.
    n = 64
    side = [k for k in range(1, n + 1) if k * k == n][0]
    P.single(f"Mrs Okafor puts out {n} chairs in a square: there are as many rows "
             "as there are chairs in each row. How many chairs are in each row?",
             side, answer="Ans: ______ chairs")

    # 25. Packs: rounding up.
    pack, need = 6, 50
    key = -(-need // pack)
    assert key * pack >= need > (key - 1) * pack
    P.single(f"Pens are sold in packs of {pack}. Mr Evans needs {need} pens. "
             "What is the smallest number of packs he must buy?", key,
             answer="Ans: ______ packs")
    return P


# ---------------------------------------------------------------------------
# Paper 104: the four operations with larger numbers, estimating, two steps.

def paper104(dealer: PositionDealer) -> Builder:
    P = Builder(104, 22081, dealer)

    r = P.qrng()
    a, b = r.randint(1234, 3987), r.randint(23, 49)
    t_calc(P, f"{a} * {b}", a * b)
    r = P.qrng()
    a, b = r.randint(3, 8) * 100 + r.randint(1, 9), r.randint(36, 68)
    t_calc(P, f"{a} * {b}", a * b)
    r = P.qrng()
    q, d = r.randint(213, 389), r.choice([16, 24, 32])
    t_calc(P, f"{q * d} / {d}", q)

    # 4. A remainder.
    n, d = 1000, 7
    q, rem = divmod(n, d)
    assert q * d + rem == n and 0 <= rem < d
    P.single(f"What is the remainder when {fmt(n)} is divided by {d}?", rem)

    # 5. Tens, hundreds and thousands.
    r = P.qrng()
    a, b, c = r.randint(26, 89), r.randint(401, 499) * 10, r.randint(31, 89) * 1000
    check_expr(f"{a} * 1000", a * 1000)
    check_expr(f"{b} / 10", b // 10)
    check_expr(f"{c} / 1000", c // 1000)
    P.parts("Work out:", [(f"{a} {TIMES} 1,000 = ______", n_(a * 1000)),
                          (f"{fmt(b)} {DIVIDE} 10 = ______", n_(b // 10)),
                          (f"{fmt(c)} {DIVIDE} 1,000 = ______", n_(c // 1000))])

    # 6. Missing number before x 100.
    r = P.qrng()
    key = r.randint(41, 79) * 10
    check_expr(f"{key} * 100", key * 100)
    P.single(f"What is the missing number? ______ {TIMES} 100 = {fmt(key * 100)}",
             key, answer="")

    # 7. Multiples of ten multiplied.
    r = P.qrng()
    a, b = r.randint(3, 9) * 100, r.randint(4, 8) * 10
    t_calc(P, f"{a} * {b}", a * b)

    # 8. Inverse of subtraction.
    r = P.qrng()
    b, c = r.randint(1234, 2987), r.randint(4123, 5989)
    key = b + c
    check_expr(f"{key} - {b}", c)
    P.single(f"What is the missing number? ______ {MINUS} {fmt(b)} = {fmt(c)}",
             key, answer="")

    r = P.qrng()
    a, b, c = r.randint(12001, 15999), r.randint(5001, 8999), r.randint(601, 989)
    t_calc(P, f"{a} + {b} + {c}", a + b + c)
    r = P.qrng()
    b = r.randint(41001, 57999)
    t_calc(P, f"100000 - {b}", 100000 - b)

    # 11. Best estimate of a product.
    r = P.qrng()
    a, b = 49, 31
    est = round_to(a, 10) * round_to(b, 10)
    assert est == 1500
    wrong = [150, 15000, 1200]          # a zero lost, a zero too many, 40 x 30
    P.choice(f"Round each number to the nearest 10 to estimate {a} {TIMES} {b}. "
             "Which is the estimate?", fmt(est), [fmt(w) for w in wrong], r)

    # 12. Estimating a difference.
    a, b = 6891, 2104
    key = round_to(a, 1000) - round_to(b, 1000)
    assert key == 5000
    P.single(f"Estimate the answer to {fmt(a)} {MINUS} {fmt(b)} by first rounding "
             "each number to the nearest 1,000. Write your estimate.", key)

    # 13-14. Brackets.
    r = P.qrng()
    a, b, c, d = r.randint(21, 29), 15, r.randint(12, 15), 7
    t_calc(P, f"({a} + {b}) * ({c} - {d})", (a + b) * (c - d))
    r = P.qrng()
    a = r.choice([120, 150, 180])
    t_calc(P, f"{a} / (4 + 6) * 3", a // 10 * 3)

    # 15. Where do the brackets go?
    r = P.qrng()
    target = (6 + 4) * 5 - 2
    options = {"(6 + 4) * 5 - 2": target, "6 + 4 * (5 - 2)": 6 + 4 * 3,
               "6 + 4 * 5 - 2": 6 + 20 - 2, "(6 + 4) * (5 - 2)": 10 * 3}
    for e, v in options.items():
        check_expr(e, v)
    right = "(6 + 4) * 5 - 2"
    wrong = [e for e in options if e != right]
    assert all(options[e] != target for e in wrong)
    P.choice(f"Which calculation has the answer {target}?", show(right),
             [show(e) for e in wrong], r)

    # 16. The other factor of a product.
    r = P.qrng()
    a, b = r.randint(31, 39), 48
    prod = a * b
    assert prod % b == 0
    check_expr(f"{prod} / {b}", a)
    P.single(f"Two numbers multiply to make {fmt(prod)}. One of the numbers is {b}. "
             "What is the other number?", a)

    # 17. Change in pence.
    r = P.qrng()
    who, he = P.name()
    price, count = r.choice([45, 55, 35]), r.randint(6, 8)
    key = 500 - price * count
    assert key > 0
    check_expr(f"500 - {price} * {count}", key)
    P.single(f"Rulers cost {price}p each. {who} buys {count} rulers and pays with a "
             f"£5 note. How much change does {he} get? Remember that £5 is 500 pence.", key,
             answer="Ans: ______ pence")

    # 18. Packets.
    r = P.qrng()
    per, key = 25, r.randint(81, 99)
    total = per * key
    check_expr(f"{total} / {per}", key)
    P.single(f"A factory packs {fmt(total)} biscuits into packets of {per}. "
             "How many packets does it fill?", key, answer="Ans: ______ packets")

    # 19. Seats in rows.
    r = P.qrng()
    rows, per = r.randint(32, 38), r.randint(24, 29)
    key = rows * per
    check_expr(f"{rows} * {per}", key)
    P.single(f"A theatre has {rows} rows of seats. There are {per} seats in each "
             "row. How many seats are there in the theatre?", key,
             answer="Ans: ______ seats")

    # 20. Minibuses: rounding up.
    r = P.qrng()
    cap, people = 16, r.randint(146, 159)
    key = -(-people // cap)
    assert (key - 1) * cap < people <= key * cap
    P.single(f"A minibus can carry {cap} people. {people} people are going to a "
             "festival. What is the smallest number of minibuses needed?", key,
             answer="Ans: ______ minibuses")

    # 21. Tickets for a family group.
    r = P.qrng()
    adult, child = r.choice([9, 11]), r.choice([5, 6])
    na, nc = 3, 4
    key = na * adult + nc * child
    check_expr(f"{na} * {adult} + {nc} * {child}", key)
    P.single(f"Cinema tickets cost £{adult} for an adult and £{child} for a child. "
             f"What is the total cost of tickets for {na} adults and {nc} children?",
             key, answer="Ans: £______")

    # 22. Distance over several days.
    r = P.qrng()
    per, days = r.randint(316, 389), 5
    key = per * days
    check_expr(f"{per} * {days}", key)
    P.single(f"A lorry driver drives {per} km every day for {days} days. "
             "How far does she drive altogether?", key, answer="Ans: ______ km")

    # 23. Eggs into boxes: only full boxes count.
    r = P.qrng()
    per_day, days, box = r.randint(181, 193), 7, 12
    total = per_day * days
    key = total // box
    assert key * box <= total < (key + 1) * box and total % box
    P.single(f"A farm collects {per_day} eggs every day for {days} days. The eggs "
             f"are packed into boxes of {box}. How many boxes can be filled "
             "completely?", key,
             answer="Ans: ______ boxes")

    # 24. A book read a few pages a day.
    r = P.qrng()
    per, days = r.choice([18, 24]), r.randint(12, 16)
    pages = per * days
    after = 8
    who, he = P.name()
    check_expr(f"{pages} / {per}", days)
    check_expr(f"{pages} - {after} * {per}", pages - after * per)
    P.parts(f"{who}'s book has {pages} pages. {he.capitalize()} reads {per} pages "
            "every day.",
            [(f"How many days does it take {who} to read the whole book? "
              "______ days", n_(days)),
             (f"How many pages are left to read after {after} days? ______ pages",
              n_(pages - after * per))])

    # 25. Checking a division by the inverse.
    r = P.qrng()
    q, d = 364, 12
    n = q * d
    right = f"{q} * {d}"
    wrong = [f"{n} * {d}", f"{q} + {d}", f"{n} - {q}"]
    assert evaluate_int(right) == n and all(evaluate_int(w) != n for w in wrong)
    P.choice(f"{fmt(n)} {DIVIDE} {d} = {q}. Which calculation could you use to "
             "check this answer?", show(right), [show(w) for w in wrong], r)
    return P


def evaluate_int(expr: str) -> int:
    v = evaluate(expr)
    assert v.denominator == 1
    return int(v)


# ---------------------------------------------------------------------------
# Paper 105: multi-step word problems and reasoning.

def paper105(dealer: PositionDealer) -> Builder:
    P = Builder(105, 22106, dealer)

    # 1. A café order.
    r = P.qrng()
    sand, drink = r.choice([3, 4]), 2
    ns, nd = r.randint(12, 16), r.randint(8, 11)
    key = ns * sand + nd * drink
    check_expr(f"{ns} * {sand} + {nd} * {drink}", key)
    P.single(f"At a café, a sandwich costs £{sand} and a drink costs £{drink}. "
             f"A class buys {ns} sandwiches and {nd} drinks. How much do they pay "
             "altogether?", key, answer="Ans: £______", marks=2)

    # 2. Change from £50.
    r = P.qrng()
    adult, child = r.choice([12, 13]), r.choice([7, 8])
    who, he = P.name()
    key = 50 - (2 * adult + 3 * child)
    assert key > 0
    check_expr(f"50 - (2 * {adult} + 3 * {child})", key)
    P.single(f"Tickets for a zoo cost £{adult} for an adult and £{child} for a child. "
             f"{who} buys tickets for 2 adults and 3 children. {he.capitalize()} "
             "pays with a £50 note. How much change should "
             f"{he} get?", key, answer="Ans: £______", marks=2)

    # 3. Coaches: how many, and the empty seats.
    r = P.qrng()
    pupils, adults, cap = r.randint(171, 189), r.randint(12, 16), 52
    people = pupils + adults
    coaches = -(-people // cap)
    empty = coaches * cap - people
    assert (coaches - 1) * cap < people and empty >= 0
    P.parts(f"{pupils} pupils and {adults} adults are going on a school trip. "
            f"Each coach has {cap} seats.",
            [("What is the smallest number of coaches they need? ______ coaches",
              n_(coaches)),
             ("How many seats will be empty on the coaches? ______ seats",
              n_(empty))])

    # 4. Saving up.
    r = P.qrng()
    who, she = P.name()
    weekly, have = 15, r.choice([45, 30, 60])
    weeks = r.randint(12, 14)
    price = have + weekly * weeks
    check_expr(f"({price} - {have}) / {weekly}", weeks)
    P.single(f"{who} wants a bike that costs £{price}. {she.capitalize()} has already "
             f"saved £{have} and saves £{weekly} every week. How many more weeks "
             f"must {she} save to have exactly enough?", weeks,
             answer="Ans: ______ weeks", marks=2)

    # 5. Boxes of pens.
    r = P.qrng()
    per, price = 12, r.choice([4, 5])
    boxes = r.randint(21, 28)
    pens = per * boxes
    key = boxes * price
    check_expr(f"{pens} / {per} * {price}", key)
    P.single(f"Pens are sold in boxes of {per}. Each box costs £{price}. A school "
             f"needs exactly {pens} pens. How much will the pens cost?", key,
             answer="Ans: £______", marks=2)

    # 6. Attendance, then rounding.
    r = P.qrng()
    crowds = [r.randint(18000, 26999) for _ in range(3)]
    total = sum(crowds)
    key = round_to(total, 1000)
    check_rounded(total, 1000, key)
    check_expr(" + ".join(map(str, crowds)), total)
    P.single(f"The crowds at three football matches were {fmt(crowds[0])}, "
             f"{fmt(crowds[1])} and {fmt(crowds[2])}. Find the total number of "
             "people at the three matches, then round it to the nearest 1,000.",
             key, answer="Ans: ______", marks=2)

    # 7. Bags of fruit: greatest common factor.
    apples, oranges = 84, 60
    key = max(f for f in factors(apples) if oranges % f == 0)
    P.single(f"Mr Shah has {apples} apples and {oranges} oranges. He puts them into "
             "bags so that every bag has the same number of apples and the same "
             "number of oranges, with no fruit left over. What is the greatest "
             "number of bags he can fill?", key, answer="Ans: ______ bags", marks=2)

    # 8. Number riddle.
    fits = [k for k in range(10, 100) if k % 9 == 0 and is_square(k) and k % 2 == 0]
    assert len(fits) == 1
    P.single("I am a two-digit number. I am a multiple of 9. I am a square number. "
             "I am even. What number am I?", fits[0])

    # 9. Buying equipment.
    r = P.qrng()
    nc, cp = r.randint(24, 32), 7
    nr, rp = r.randint(15, 25), 2
    key = nc * cp + nr * rp
    check_expr(f"{nc} * {cp} + {nr} * {rp}", key)
    P.single(f"A school buys {nc} calculators at £{cp} each and {nr} rulers at "
             f"£{rp} each. What is the total cost?", key, answer="Ans: £______",
             marks=2)

    # 10. Cakes in boxes: quotient and remainder.
    r = P.qrng()
    box = 12
    cakes = r.randint(340, 360)
    full, left = divmod(cakes, box)
    assert left and full * box + left == cakes
    P.parts(f"A baker makes {cakes} cupcakes. She packs them into boxes of {box}.",
            [("How many boxes can she fill? ______ boxes", n_(full)),
             ("How many cupcakes are left over? ______ cupcakes", n_(left))])

    # 11. Empty seats on a train.
    r = P.qrng()
    carriages, seats = 8, r.choice([64, 72])
    sitting = r.randint(380, 470)
    key = carriages * seats - sitting
    assert key > 0
    check_expr(f"{carriages} * {seats} - {sitting}", key)
    P.single(f"A train has {carriages} carriages. Each carriage has {seats} seats. "
             f"{sitting} passengers are sitting down. How many seats are empty?",
             key, answer="Ans: ______ seats", marks=2)

    # 12. Comparing two shops.
    a_n, a_each, b_n, b_each = 6, 45, 8, 40
    a_price, b_price = a_n * a_each, b_n * b_each
    key = a_price // a_n - b_price // b_n
    assert a_price % a_n == 0 and b_price % b_n == 0 and key > 0
    P.single(f"Shop A sells a pack of {a_n} pens for {a_price}p. Shop B sells a pack "
             f"of {b_n} of the same pens for {b_price}p. How much cheaper is one pen "
             "from Shop B than one pen from Shop A?", key,
             answer="Ans: ______ pence", marks=2)

    # 13. Working backwards.
    r = P.qrng()
    who, he = P.name()
    start, mul, sub = r.randint(11, 19), 6, 15
    result = start * mul - sub
    check_expr(f"({result} + {sub}) / {mul}", start)
    P.single(f"{who} thinks of a number. {he.capitalize()} multiplies it by {mul} "
             f"and then subtracts {sub}. The answer is {result}. What number did "
             f"{he} think of?", start, marks=2)

    # 14. Best estimate of a product.
    r = P.qrng()
    a, b = 612, 48
    est = round_to(a, 100) * round_to(b, 10)
    assert est == 30000
    wrong = [3000, 300000, 24000]   # a zero lost; a zero too many; 600 x 40
    P.choice(f"Which is the best estimate for {a} {TIMES} {b}?", fmt(est),
             [fmt(w) for w in wrong], r)

    # 15. Digit cards.
    cards = [3, 0, 8, 5, 1, 6]
    made = [from_digits(list(p)) for p in permutations(cards)]
    key = min(m for m in made if m >= 100000 and m % 2)
    P.single("Here are six digit cards: " + ", ".join(map(str, cards)) + ". Use each "
             "card once to make the smallest odd six-digit number you can. Give "
             "your answer in numerals.", key)

    # 16-17. Rounding backwards.
    target, unit = 47000, 1000
    key = max(m for m in range(target - unit, target + unit)
              if round_to(m, unit) == target)
    P.single(f"A whole number rounded to the nearest {fmt(unit)} is {fmt(target)}. "
             "What is the largest the number could be?", key)
    target, unit = 3500, 100
    key = min(m for m in range(target - unit, target + unit)
              if round_to(m, unit) == target)
    P.single(f"A whole number rounded to the nearest {unit} is {fmt(target)}. "
             "What is the smallest the number could be?", key)

    # 18. Order of operations, nested.
    r = P.qrng()
    a, b, c = r.choice([150, 200]), 8, 9
    d = 6
    key = a - (b * c + d) // 3
    assert (b * c + d) % 3 == 0
    t_calc(P, f"{a} - ({b} * {c} + {d}) / 3", key)

    # 19. A cycling total.
    r = P.qrng()
    who, she = P.name()
    weekday, weekend, weeks = r.randint(12, 18), r.randint(30, 40), 3
    key = (5 * weekday + 2 * weekend) * weeks
    check_expr(f"(5 * {weekday} + 2 * {weekend}) * {weeks}", key)
    P.single(f"{who} cycles {weekday} km on each weekday (Monday to Friday) and "
             f"{weekend} km on each day of the weekend. How far does {she} cycle "
             f"in {weeks} weeks?", key, answer="Ans: ______ km", marks=2)

    # 20. Sum of primes in a range.
    lo, hi = 10, 30
    key = sum(k for k in range(lo + 1, hi) if is_prime(k))
    P.single(f"What is the total when you add together all the prime numbers "
             f"between {lo} and {hi}?", key)

    # 21. Library stock.
    r = P.qrng()
    stock, gave, bought = r.randint(12100, 12900), r.randint(1200, 1499), r.randint(2500, 2900)
    key = stock - gave + bought
    check_expr(f"{stock} - {gave} + {bought}", key)
    P.single(f"A library had {fmt(stock)} books. It gave away {fmt(gave)} old books "
             f"and then bought {fmt(bought)} new ones. How many books does the "
             "library have now?", key, answer="Ans: ______ books", marks=2)

    # 22. Paying in instalments.
    r = P.qrng()
    deposit, months = 300, 8
    each = r.choice([110, 120, 135])
    cost = deposit + months * each
    check_expr(f"({cost} - {deposit}) / {months}", each)
    P.single(f"A holiday costs £{fmt(cost)}. The Morgan family pay £{deposit} first. "
             f"They pay the rest in {months} equal monthly payments. How much is "
             "each monthly payment?", each, answer="Ans: £______", marks=2)

    # 23. A town's population.
    r = P.qrng()
    pop, left, came = r.randint(48100, 48499), r.randint(2600, 2900), r.randint(4100, 4400)
    now = pop - left + came
    key = round_to(now, 1000)
    check_rounded(now, 1000, key)
    check_expr(f"{pop} - {left} + {came}", now)
    P.single(f"The population of a town was {fmt(pop)}. Then {fmt(left)} people moved "
             f"away and {fmt(came)} people moved in. What is the population now, "
             "rounded to the nearest 1,000?", key, answer="Ans: ______", marks=2)

    # 24. Choosing the right calculation.
    r = P.qrng()
    nb, bp, np_, pp = 3, 6, 2, 2
    right = f"{nb} * {bp} + {np_} * {pp}"
    total = nb * bp + np_ * pp
    wrong = [f"{nb} * ({bp} + {np_}) * {pp}", f"({nb} + {np_}) * ({bp} + {pp})",
             f"{nb} + {bp} * {np_} + {pp}"]
    assert evaluate_int(right) == total
    assert all(evaluate_int(w) != total for w in wrong)
    P.choice(f"Books cost £{bp} each and pens cost £{pp} each. Which calculation "
             f"gives the total cost, in pounds, of {nb} books and {np_} pens?",
             show(right), [show(w) for w in wrong], r)

    # 25. Fundraising target.
    r = P.qrng()
    raised = [r.randint(350, 420), r.randint(380, 450), r.randint(450, 530),
              r.randint(420, 480)]
    goal = 2000
    key = goal - sum(raised)
    assert key > 0
    check_expr(f"{goal} - ({' + '.join(map(str, raised))})", key)
    P.single(f"A school wants to raise £{fmt(goal)}. Year 3 raised £{raised[0]}, "
             f"Year 4 raised £{raised[1]}, Year 5 raised £{raised[2]} and Year 6 "
             f"raised £{raised[3]}. How much more money does the school need to "
             "raise?", key, answer="Ans: £______", marks=2)
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper101, paper102, paper103, paper104, paper105]


def build() -> dict[str, str]:
    """All files of the topic, keyed by path relative to the repository."""
    dealer = PositionDealer(seed=TOPIC.seed)
    papers = [make(dealer) for make in PAPERS]
    files, by_id = assemble_topic(papers, SUBJECT, os.path.join(ROOT, SUBJECT), FIRST_ID,
                                  LAST_ID)
    assert papers[0].last_id == 22030
    # Page 22031 is a fixed point other parts of the product rely on.
    assert [(b.type, b.marks, b.key) for b in by_id[22031]] == [("N", 1, "1500109")]
    return files


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
