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
import re
import sys
from itertools import permutations

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.registry import by_name  # noqa: E402
from mathgen.paperlib import (  # noqa: E402
    PUPILS,
    TopicPaper,
    build_topic,
    run_generator,
    Blank, DIVIDE, MINUS, RIGHT, TIMES, PositionDealer, check_expr,
    check_rounded, evaluate, factors, fmt, group, is_prime, is_square,
    number_line_svg, parse_words, round_to, say, show, steps, words,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("whole_numbers")

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


def n_(key: int | str, why: str = "") -> Blank:
    return Blank("N", 1, str(key), why)


# ---------------------------------------------------------------------------
# Worked answers, from the same numbers as the keys

def place_of(unit: int) -> str:
    """The place a power of ten stands for: 1000 -> "thousands"."""
    return PLACES[len(str(unit)) - 1]


def round_why(n: int, unit: int) -> str:
    """Why n rounds as it does: the digit one place to the right decides."""
    key = round_to(n, unit)
    d = n // (unit // 10) % 10
    way = "which is 5 or more, so round up" if d >= 5 else "which is less than 5, so round down"
    return (f"{fmt(n)} is between {fmt(n // unit * unit)} and {fmt(n // unit * unit + unit)}. "
            f"The {place_of(unit // 10)} digit is {d}, {way} to {fmt(key)}.")


def smallest_factor(n: int) -> int:
    return next(d for d in range(2, n + 1) if n % d == 0)


def not_prime(n: int) -> str:
    """'51 = 3 × 17': a factor pair that shows n is not prime."""
    p = smallest_factor(n)
    return f"{n} = {p} {TIMES} {n // p}"


def mult_working(a: int, b: int) -> str:
    """Long or short multiplication written as partitioning: split the
    smaller number into its parts when it has two digits, the larger
    otherwise."""
    if a % 10 == 0 and b % 10 == 0:
        za, zb = len(str(a)) - len(str(a).rstrip("0")), len(str(b)) - len(str(b).rstrip("0"))
        sa, sb = a // 10 ** za, b // 10 ** zb
        return (f"Work out {sa} {TIMES} {sb} = {fmt(sa * sb)}, then write the {za + zb} zeros of "
                f"{fmt(a)} and {fmt(b)} after it: {fmt(a)} {TIMES} {fmt(b)} = {fmt(a * b)}.")
    if b < 10:
        parts = components(a)
        lhs = " + ".join(f"{fmt(c)} {TIMES} {b}" for c in parts)
        mid = " + ".join(fmt(c * b) for c in parts)
        out = f"{fmt(a)} {TIMES} {b} = {lhs} = {mid} = {fmt(a * b)}."
    else:
        parts = components(b)
        lhs = " + ".join(f"{fmt(a)} {TIMES} {fmt(c)}" for c in parts)
        mid = " + ".join(fmt(a * c) for c in parts)
        out = f"{fmt(a)} {TIMES} {b} = {lhs} = {mid} = {fmt(a * b)}."
    assert sum(c * (b if b < 10 else a) for c in parts) == a * b
    return out


def div_working(n: int, d: int) -> str:
    """Short division, digit by digit, for a one-digit divisor; chunks of
    the divisor for a larger one. Ends with the check by multiplying."""
    q = n // d
    assert q * d == n
    if d < 10:
        bits, cur, started = [], 0, False
        for ch in str(n):
            cur = cur * 10 + int(ch)
            if not started and cur < d:
                continue
            started = True
            k, rem = divmod(cur, d)
            bits.append(f"{cur} {DIVIDE} {d} = {k}" + (f" r {rem}" if rem else ""))
            cur = rem
        return (f"Divide digit by digit: {', '.join(bits)}. So {fmt(n)} {DIVIDE} {d} = "
                f"{fmt(q)}. Check: {fmt(q)} {TIMES} {d} = {fmt(n)}.")
    chunks = components(q)
    assert sum(chunks) == q
    shown = ", ".join(f"{d} {TIMES} {fmt(c)} = {fmt(d * c)}" for c in chunks)
    return (f"Take away chunks of {d}: {shown}. "
            f"{' + '.join(fmt(c) for c in chunks)} = {fmt(q)}, so {fmt(n)} {DIVIDE} {d} = {fmt(q)}.")


def calc_why(expr: str, key: int) -> str:
    """The working of a calculation set as a bare sum."""
    m = re.fullmatch(r"(\d+) ([-+*/]) (\d+)", expr)
    if m:
        a, op, b = int(m[1]), m[2], int(m[3])
        if op == "+":
            return (f"Add the columns from the ones, carrying when a column makes 10 or more: "
                    f"{say(expr)} = {fmt(key)}. Check: {fmt(key)} - {fmt(b)} = {fmt(a)}.")
        if op == "-":
            return (f"Subtract the columns from the ones, exchanging when the top digit is "
                    f"smaller: {say(expr)} = {fmt(key)}. Check: {fmt(key)} + {fmt(b)} = {fmt(a)}.")
        if op == "*":
            return mult_working(a, b)
        return div_working(a, b)
    if "(" in expr:
        lead = "Work out the brackets first"
    elif re.search(r"[*/]", expr) and re.search(r" [-+] ", expr):
        lead = "Multiply and divide before you add or subtract"
    else:
        lead = "Work from left to right"
    return f"{lead}: {steps(expr)}."


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


def numerals_why(n: int) -> str:
    """A number read in its groups of three digits: millions, thousands, ones."""
    groups = [(n // 1_000_000, "million"), (n // 1000 % 1000, "thousand"), (n % 1000, "")]
    said = [f"{fmt(g)} {name}".strip() for g, name in groups if g]
    joined = ", ".join(said[:-1]) + " and " + said[-1] if len(said) > 1 else said[0]
    zero = " Zeros hold the empty places." if "0" in str(n) else ""
    return f"It is {joined}: {fmt(n)}.{zero}"


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
             "Give your answer in numerals.", key,
             why=f"In {fmt(n)} the {d} is in the {PLACES[place]} place, so it is worth "
                 f"{d} {TIMES} {fmt(10 ** place)} = {fmt(key)}.")


def t_digit_in_place(P: Builder, ndig: int, place: int) -> None:
    r = P.qrng()
    while True:
        ds = r.sample(range(10), ndig)
        if ds[0]:
            break
    n = from_digits(ds)
    key = n // 10 ** place % 10
    assert str(n)[-1 - place] == str(key)
    read = ", ".join(f"{PLACES[k]} {n // 10 ** k % 10}" for k in range(place + 1))
    P.single(f"Which digit is in the {PLACES[place]} place in {fmt(n)}? "
             "Write the digit only.", key,
             why=f"Read {fmt(n)} from the right: {read}. So the {PLACES[place]} digit "
                 f"is {key}.")


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
    slip = wrong[0]
    slip_place = next(pl for pl, m in arrangements if m == slip)
    P.choice(f"In which number does the digit {d} have a value of {fmt(value)}?",
             fmt(right), [fmt(m) for m in wrong], r,
             why=f"{RIGHT}: {fmt(value)} = {d} {TIMES} {fmt(10 ** place)}, so the {d} must be "
                 f"in the {PLACES[place]} place, as it is in {fmt(right)}. In {fmt(slip)} it "
                 f"is in the {PLACES[slip_place]} place.")


def t_to_numerals(P: Builder, n: int) -> None:
    w = words(n)
    assert parse_words(w) == n, (w, n)
    P.single(f"Write {w} in numerals.", n, why=numerals_why(n))


def t_to_words_choice(P: Builder, n: int) -> None:
    r = P.qrng()
    slips = place_slips(n)
    wrong = [slips[i] for i in sorted(r.sample(range(len(slips)), 3))]
    for m in wrong + [n]:
        assert parse_words(words(m)) == m
    P.choice(f"Which of these is {fmt(n)} written in words?",
             words(n), [words(m) for m in wrong], r,
             why=f"{RIGHT}. " + numerals_why(n))


def t_partition(P: Builder, numbers: list[int]) -> None:
    parts = []
    for n in numbers:
        cs = components(n)
        assert sum(cs) == n
        zeros = " The empty places are filled with 0." if "0" in str(n) else ""
        parts.append((" + ".join(fmt(c) for c in cs) + " = ______",
                      n_(n, f"Put each part's digit in its place: {' + '.join(fmt(c) for c in cs)}"
                            f" = {fmt(n)}.{zeros}")))
    P.parts("Write each number in numerals.", parts)


def t_missing_part(P: Builder, n: int, hide: int) -> None:
    cs = components(n)
    key = cs[hide]
    shown = [fmt(c) if i != hide else "______" for i, c in enumerate(cs)]
    assert sum(cs) == n and key == n - sum(c for i, c in enumerate(cs) if i != hide)
    digit = str(n)[len(str(n)) - len(str(key))]
    P.single(f"What is the missing number? {fmt(n)} = " + " + ".join(shown),
             key, answer="",
             why=f"The digit {digit} in {fmt(n)} is in the {place_of(key // int(digit))} place, "
                 f"so the missing part is {fmt(key)}. Check: "
                 f"{' + '.join(fmt(c) for c in cs)} = {fmt(n)}.")


def more_less_why(n: int, delta: int) -> str:
    """Adding or taking 1 in the place of `delta`; a 9 that becomes 10 carries into the
    place to its left, and a 0 needs an exchange from it."""
    place = place_of(abs(delta))
    left = PLACES[PLACES.index(place) + 1]
    digit = n // abs(delta) % 10
    calc = f"{fmt(n)} {'+' if delta > 0 else '-'} {fmt(abs(delta))} = {fmt(n + delta)}."
    if delta > 0 and digit == 9:
        assert n // abs(delta) // 10 % 10 != 9, (n, delta)   # one carry is enough
        how = (f"The {place} digit is 9, and 9 + 1 = 10: write 0 there and carry 1 into the "
               f"{left}. ")
    elif delta > 0:
        how = f"Add 1 to the {place} digit: {digit} becomes {digit + 1}. "
    elif digit == 0:
        assert n // abs(delta) // 10 % 10, (n, delta)     # one exchange is enough
        how = (f"The {place} digit is 0, so exchange 1 from the {left} for 10 {place}, and "
               f"10 - 1 = 9. ")
    else:
        how = f"Take 1 from the {place} digit: {digit} becomes {digit - 1}. "
    return how + calc


def t_more_less(P: Builder, items: list[tuple[int, int]]) -> None:
    parts = []
    for n, delta in items:
        word = "more" if delta > 0 else "less"
        parts.append((f"What is {fmt(abs(delta))} {word} than {fmt(n)}? ______",
                      n_(n + delta, more_less_why(n, delta))))
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
    others = [p for p in picks if p != right]
    first = {next(i for i in range(ndig) if str(p)[i] != str(right)[i]) for p in others}
    if len(first) == 1:
        at = first.pop()
        how = (f"At the {PLACES[ndig - 1 - at]} place {fmt(right)} has the "
               f"{'largest' if greatest else 'smallest'} digit, {str(right)[at]}.")
    else:
        how = (f"{fmt(right)} has the {'larger' if greatest else 'smaller'} digit at the first "
               "place where it differs from each of the others.")
    P.choice(f"Which of these numbers is the {word}?", fmt(right),
             [fmt(p) for p in others], r,
             why=f"{RIGHT}. All four have {ndig} digits and start with {lead}, so compare the "
                 f"digits from the left. {how}")


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
    top = len(str(max(numbers))) - 1
    P.choice(f"Which list shows these numbers in order {direction}?<br>{mixed}",
             "; ".join(fmt(m) for m in right), as_text, r,
             why=f"{RIGHT}. Compare the {PLACES[top]} first, then the {PLACES[top - 1]}, "
                 f"and so on: {'smallest' if ascending else 'largest'} first is "
                 f"{fmt(right[0])}, {'largest' if ascending else 'smallest'} last is "
                 f"{fmt(right[-1])}.")


def t_round(P: Builder, n: int, unit: int) -> None:
    key = round_to(n, unit)
    check_rounded(n, unit, key)
    P.single(f"Round {fmt(n)} to the nearest {fmt(unit)}.", key, why=round_why(n, unit))


def t_round_parts(P: Builder, n: int, units: list[int]) -> None:
    parts = []
    for u in units:
        key = round_to(n, u)
        check_rounded(n, u, key)
        parts.append((f"to the nearest {fmt(u)}: ______", n_(key, round_why(n, u))))
    P.parts(f"Round {fmt(n)}", parts)


def t_calc(P: Builder, expr: str, key: int, stem: str = "") -> None:
    check_expr(expr, key)
    P.single(f"{stem}{show(expr)} = ______", key, answer="", why=calc_why(expr, key))


def t_number_line(P: Builder, start: int, step: int, count: int,
                  target_index: int, labelled: list[int], stem: str) -> None:
    key = start + step * target_index
    name = f"numberline-{P.first_id + P.number - 1}.svg"
    P.figures[name] = number_line_svg(start, step, count, target_index, labelled)
    gaps = labelled[1] - labelled[0]
    page = P.single(stem + " Give your answer in numerals.", key,
                    why=f"From {fmt(start)} to {fmt(start + step * gaps)} there are {gaps} equal "
                        f"gaps, so each gap is {fmt(step * gaps)} {DIVIDE} {gaps} = {fmt(step)}. "
                        f"The arrow is {target_index} gaps after {fmt(start)}: {fmt(start)} + "
                        f"{target_index} {TIMES} {fmt(step)} = {fmt(key)}.")
    page.figure = (name, 560, 120,
                   f"A number line from {fmt(start)} to {fmt(start + step * count)} "
                   "with an arrow pointing to one mark")


def common_multiple_why(a: int, b: int, key: int) -> str:
    """Counting up in the larger number until the smaller divides it."""
    big, small = max(a, b), min(a, b)
    run = [big * k for k in range(1, key // big + 1)]
    return (f"Count in {big}s: {', '.join(map(str, run))}. The first that is also a "
            f"multiple of {small} is {key} = {small} {TIMES} {key // small}.")


def smallest_odd_why(cards: list[int], key: int, made: list[int]) -> str:
    """Small cards at the front, an odd card at the end: and which odd card."""
    k = str(key)
    odd = sorted(c for c in cards if c % 2 and str(c) != k[0] and str(c) != k[-1])
    why = (f"0 cannot go first, so start with {k[0]}, then {k[1]}, keeping the small cards "
           f"at the front. The last card must be odd: ending in {k[-1]} gives {fmt(key)}")
    if odd:
        alt = min(m for m in made if m >= 100000 and m % 10 == odd[0])
        assert alt > key
        why += f", smaller than {fmt(alt)}, which ends in {odd[0]}"
    return why + "."


def by_power(n: int, by: int) -> str:
    """Multiplying (by > 0) or dividing (by < 0) by 10, 100 or 1,000 moves the digits."""
    k = len(str(abs(by))) - 1
    places = ["", "one place", "two places", "three places"][k]
    if by > 0:
        return (f"Multiplying by {fmt(by)} moves every digit {places} to the left: "
                f"{fmt(n)} {TIMES} {fmt(by)} = {fmt(n * by)}.")
    return (f"Dividing by {fmt(-by)} moves every digit {places} to the right: "
            f"{fmt(n)} {DIVIDE} {fmt(-by)} = {fmt(n // -by)}.")


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

def paper101(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(101, first, dealer)

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
             "to the nearest 100?", fmt(right), [fmt(w) for w in wrong], r,
             why=f"{RIGHT}: its tens digit is {right // 10 % 10}, so it rounds "
                 f"{'up' if right < target else 'down'} to {fmt(target)}. "
                 + ", ".join(f"{fmt(w)} rounds to {fmt(round_to(w, 100))}" for w in wrong) + ".")

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
    P.parts("Work out:", [(f"{a} {TIMES} 10 = ______", n_(a * 10, by_power(a, 10))),
                          (f"{fmt(b)} {DIVIDE} 100 = ______", n_(b // 100, by_power(b, -100)))])

    # 19. A factor.
    r = P.qrng()
    n = 24
    right = 6
    wrong = [5, 9, 48]          # not a factor; a near miss; a multiple instead
    assert n % right == 0 and all(n % w for w in wrong)
    multiple = [w for w in wrong if w % n == 0]
    P.choice(f"Which of these numbers is a factor of {n}?", str(right),
             [str(w) for w in wrong], r,
             why=f"{RIGHT}: {n} {DIVIDE} {right} = {n // right} with nothing left over. "
                 + (f"{multiple[0]} = {multiple[0] // n} {TIMES} {n} is a multiple of {n}, "
                    "not a factor." if multiple else ""))

    # 20. A multiple: the wrong options end in the digit 7.
    r = P.qrng()
    right = 7 * r.randint(6, 9)
    wrong = [27, 57, 36]
    assert right % 7 == 0 and all(w % 7 for w in wrong)
    P.choice("Which of these numbers is a multiple of 7?", str(right),
             [str(w) for w in wrong], r,
             why=f"{RIGHT} = 7 {TIMES} {right // 7}. The others leave a remainder: "
                 + "; ".join(f"{w} = 7 {TIMES} {w // 7} + {w % 7}" for w in wrong)
                 + ". Ending in 7 does not make a multiple of 7.")

    # 21. The two factors of a number other than 1 and itself.
    n = 15
    fs = factors(n)
    assert len(fs) == 4
    others = fs[1:3]
    P.parts(f"{n} has four factors. Two of them are 1 and {n}. "
            "Write the other two factors.",
            list(zip(["______"] * 2, group(
                others, f"{n} = {others[0]} {TIMES} {others[1]}, so its factors are 1, "
                        f"{others[0]}, {others[1]} and {n}. The answers are {others[0]} and "
                        f"{others[1]}, in either order."))))

    # 22. The only square number in a range.
    lo, hi = 40, 60
    sq = [k for k in range(lo + 1, hi) if is_square(k)]
    assert len(sq) == 1
    k = [k for k in range(hi) if k * k == sq[0]][0]
    P.single(f"Which square number is between {lo} and {hi}? "
             "Write the number only.", sq[0],
             why=f"{k} {TIMES} {k} = {sq[0]}, which is between {lo} and {hi}. The squares "
                 f"either side, {(k - 1) ** 2} and {(k + 1) ** 2}, are not.")

    # 23. A prime among odd numbers that are not.
    r = P.qrng()
    right, wrong = 13, [9, 15, 21]
    assert is_prime(right) and not any(is_prime(w) for w in wrong)
    P.choice("Which of these numbers is a prime number?", str(right),
             [str(w) for w in wrong], r,
             why=f"{RIGHT} has only two factors, 1 and {right}. The others are not prime: "
                 + ", ".join(not_prime(w) for w in wrong) + ".")

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
             "to the nearest 100. Write your estimate.", key,
             why=f"{a} rounds to {round_to(a, 100)} and {b} rounds to {round_to(b, 100)}, "
                 f"so the estimate is {round_to(a, 100)} + {round_to(b, 100)} = {key}.")

    # 27. Money in pence.
    r = P.qrng()
    who, he = P.name()
    price, count = r.choice([35, 45, 65]), r.randint(4, 7)
    key = price * count
    check_expr(f"{price} * {count}", key)
    P.single(f"A pencil costs {price}p. {who} buys {count} pencils. "
             f"How much does {he} pay altogether?", key, answer="Ans: ______ pence",
             why=f"{count} pencils at {price}p each: {price} {TIMES} {count} = {key} pence.")

    # 28. People.
    r = P.qrng()
    y5, y6 = r.randint(112, 149), r.randint(115, 148)
    key = y5 + y6
    check_expr(f"{y5} + {y6}", key)
    P.single(f"A school has {y5} pupils in Year 5 and {y6} pupils in Year 6. "
             "How many pupils are there in Years 5 and 6 altogether?", key,
             answer="Ans: ______ pupils",
             why=f"Add the two year groups: {y5} + {y6} = {key} pupils.")

    # 29. Money in pounds.
    r = P.qrng()
    who, he = P.name()
    game, book = r.randint(15, 24), r.randint(6, 9)
    key = 50 - game - book
    check_expr(f"50 - {game} - {book}", key)
    P.single(f"{who} has £50. {he.capitalize()} buys a game for £{game} and a book "
             f"for £{book}. How much money does {he} have left?", key,
             answer="Ans: £______",
             why=f"Take both prices away from £50: {steps(f'50 - {game} - {book}')}, "
                 f"so £{key} is left.")

    # 30. Sharing into equal groups.
    r = P.qrng()
    size = r.choice([6, 8])
    bags = r.randint(11, 14)
    total = size * bags
    check_expr(f"{total} / {size}", bags)
    P.single(f"A baker puts {total} bread rolls into bags of {size}. "
             "How many bags does the baker fill?", bags, answer="Ans: ______ bags",
             why=f"Share the rolls into {size}s: {total} {DIVIDE} {size} = {bags}, "
                 f"because {bags} {TIMES} {size} = {total}.")
    return P


# ---------------------------------------------------------------------------
# Paper 102: numbers to ten million, rounding to 1,000 and 10,000.

def paper102(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(102, first, dealer)

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
             "to the nearest 100?", fmt(right), [fmt(w) for w in wrong], r,
             why=f"{RIGHT}: its tens digit is {right // 10 % 10}, so it rounds "
                 f"{'up' if right < target else 'down'} to {fmt(target)}. "
                 + ", ".join(f"{fmt(w)} rounds to {fmt(round_to(w, 100))}" for w in wrong) + ".")

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
    P.parts("Work out:", [(f"{a} {TIMES} 1,000 = ______", n_(a * 1000, by_power(a, 1000))),
                          (f"{fmt(b)} {DIVIDE} 100 = ______", n_(b // 100, by_power(b, -100)))])

    # 19. Counting factors.
    n = 36
    pairs = [f for f in factors(n) if f * f <= n]
    P.single(f"How many factors does {n} have? Write the number only.",
             len(factors(n)),
             why=f"List the factor pairs: "
                 + ", ".join(f"{f} {TIMES} {n // f}" for f in pairs)
                 + f". That gives {', '.join(map(str, factors(n)))}: {len(factors(n))} factors"
                 + (f" ({pairs[-1]} is counted once)." if pairs[-1] ** 2 == n else "."))

    # 20. The two primes between two tens.
    lo, hi = 30, 40
    ps = [k for k in range(lo + 1, hi) if is_prime(k)]
    assert len(ps) == 2
    odd = [k for k in range(lo + 1, hi, 1) if k % 2 and k not in ps]
    P.parts(f"There are two prime numbers between {lo} and {hi}. Write them both.",
            list(zip(["______"] * 2, group(
                ps, f"{ps[0]} and {ps[1]} have no factors but 1 and themselves, so they are "
                    f"the answers, in either order. The other odd numbers are not prime: "
                    + ", ".join(not_prime(k) for k in odd) + "."))))

    # 21. A square number among its look-alikes.
    r = P.qrng()
    right, wrong = 81, [18, 27, 90]
    assert is_square(right) and not any(is_square(w) for w in wrong)
    root = [k for k in range(right) if k * k == right][0]
    P.choice("Which of these numbers is a square number?", str(right),
             [str(w) for w in wrong], r,
             why=f"{RIGHT} = {root} {TIMES} {root}. {', '.join(map(str, wrong[:-1]))} and "
                 f"{wrong[-1]} are not square: no whole number multiplied by itself makes them.")

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
    ra, rb = round_to(a, 1000), round_to(b, 1000)
    P.single(f"Estimate the answer to {fmt(a)} + {fmt(b)} by first rounding each "
             "number to the nearest 1,000. Write your estimate.", key,
             why=f"{fmt(a)} rounds to {fmt(ra)} and {fmt(b)} rounds to {fmt(rb)}, "
                 f"so the estimate is {fmt(ra)} + {fmt(rb)} = {fmt(key)}.")

    # 24. Money raised.
    r = P.qrng()
    fair, concert = r.randint(1150, 1390), r.randint(640, 890)
    key = fair + concert
    check_expr(f"{fair} + {concert}", key)
    P.single(f"A school raised £{fmt(fair)} at its summer fair and £{concert} at "
             "its winter concert. How much did it raise altogether?", key,
             answer="Ans: £______",
             why=f"Add the two amounts: £{fmt(fair)} + £{concert} = £{fmt(key)}.")

    # 25. Empty seats.
    r = P.qrng()
    seats = 42500
    came = r.randint(37100, 39900)
    key = seats - came
    check_expr(f"{seats} - {came}", key)
    P.single(f"A stadium has {fmt(seats)} seats. At one match, {fmt(came)} of the "
             "seats were filled. How many seats were empty?", key,
             answer="Ans: ______ seats",
             why=f"Take the filled seats from all the seats: {fmt(seats)} - {fmt(came)} = "
                 f"{fmt(key)}.")
    return P


# ---------------------------------------------------------------------------
# Paper 103: factors, multiples, primes, squares and the order of operations.

def paper103(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(103, first, dealer)

    # 1. A missing factor in a list.
    n = 45
    fs = factors(n)
    hide = 3
    shown = [str(f) if i != hide else "?" for i, f in enumerate(fs)]
    P.single(f"Here are all the factors of {n}, in order. One is missing.<br>"
             + ", ".join(shown) + "<br>What is the missing factor?", fs[hide],
             why=f"Factors come in pairs that multiply to {n}: "
                 + ", ".join(f"{f} {TIMES} {n // f}" for f in fs if f * f <= n)
                 + f". The missing one is {fs[hide]}.")

    # 2. Not a factor.
    r = P.qrng()
    n, right, wrong = 60, 25, [12, 15, 20]
    assert n % right and all(n % w == 0 for w in wrong)
    P.choice(f"Which of these numbers is <b>not</b> a factor of {n}?", str(right),
             [str(w) for w in wrong], r,
             why=f"{RIGHT}: {n} {DIVIDE} {right} = {n // right} r {n % right}. The others "
                 "divide exactly: " + ", ".join(f"{w} {TIMES} {n // w} = {n}" for w in wrong)
                 + ".")

    # 3. Factor pairs.
    n = 72
    lefts = [8, 6, 24]
    P.parts(f"Complete these factor pairs of {n}.",
            [(f"{a} {TIMES} ______ = {n}",
              n_(n // a, f"{n} {DIVIDE} {a} = {n // a}, so {a} {TIMES} {n // a} = {n}."))
             for a in lefts if n % a == 0])

    # 4. Greatest common factor.
    a, b = 24, 36
    common = [f for f in factors(a) if b % f == 0]
    P.single(f"What is the greatest number that is a factor of both {a} and {b}?",
             max(common),
             why=f"Factors of {a}: {', '.join(map(str, factors(a)))}. Factors of {b}: "
                 f"{', '.join(map(str, factors(b)))}. The greatest in both lists is "
                 f"{max(common)}.")

    # 5. All common factors above 1.
    a, b = 12, 18
    common = [f for f in factors(a) if b % f == 0 and f > 1]
    assert len(common) == 3
    P.parts(f"There are three numbers greater than 1 that are factors of both "
            f"{a} and {b}. Write all three.",
            list(zip(["______"] * 3, group(
                common, f"Factors of {a}: {', '.join(map(str, factors(a)))}. Factors of {b}: "
                        f"{', '.join(map(str, factors(b)))}. Apart from 1, both lists have "
                        f"{', '.join(map(str, common[:-1]))} and {common[-1]}. Write them in any "
                        "order."))))

    # 6. Smallest common multiple.
    a, b = 6, 8
    key = min(m for m in range(1, a * b + 1) if m % a == 0 and m % b == 0)
    P.single(f"What is the smallest number that is a multiple of both {a} and {b}?",
             key, why=common_multiple_why(a, b, key))

    # 7. A common multiple among near misses.
    r = P.qrng()
    right, wrong = 36, [30, 28, 10]   # only of 6; only of 4; 4 + 6
    assert right % 4 == 0 and right % 6 == 0
    assert all(w % 4 or w % 6 for w in wrong)
    P.choice("Which of these numbers is a multiple of both 4 and 6?", str(right),
             [str(w) for w in wrong], r,
             why=f"{RIGHT}: {right} = 4 {TIMES} {right // 4} and {right} = 6 {TIMES} "
                 f"{right // 6}. " + " ".join(
                     f"{w} is not a multiple of {4 if w % 4 else 6}." for w in wrong))

    # 8. The twelfth multiple.
    n = 7
    mults = [n * k for k in range(1, 13)]
    P.single(f"The first three multiples of {n} are {mults[0]}, {mults[1]} and "
             f"{mults[2]}. What is the twelfth multiple of {n}?", mults[11],
             why=f"The twelfth multiple is 12 lots of {n}: 12 {TIMES} {n} = {mults[11]}.")

    # 9. Counting multiples in a range.
    n, lo, hi = 6, 20, 50
    found = [k for k in range(lo + 1, hi) if k % n == 0]
    key = sum(1 for k in range(lo + 1, hi) if k % n == 0)
    P.single(f"How many multiples of {n} are there between {lo} and {hi}? "
             "Write the number only.", key,
             why=f"Count in {n}s between {lo} and {hi}: {', '.join(map(str, found))}. "
                 f"That is {key} multiples.")

    # 10. A prime among numbers that look prime.
    r = P.qrng()
    right, wrong = 53, [51, 57, 91]
    assert is_prime(right) and not any(is_prime(w) for w in wrong)
    P.choice("Which of these numbers is a prime number?", str(right),
             [str(w) for w in wrong], r,
             why=f"{RIGHT} has only two factors, 1 and {right}. The others are not prime: "
                 + ", ".join(not_prime(w) for w in wrong) + ".")

    # 11. Largest prime below a bound.
    bound = 80
    key = max(k for k in range(2, bound) if is_prime(k))
    between = [k for k in range(key + 1, bound) if k % 2]
    P.single(f"What is the largest prime number that is less than {bound}?", key,
             why=(f"Work down from {bound}: " + ", ".join(not_prime(k) for k in reversed(between))
                  + ". " if between else f"{bound - 1} is just below {bound}. ")
                 + f"{key} has no factors except 1 and {key}, so it is prime.")

    # 12. Product of three primes.
    n = 42
    ps = [p for p in factors(n) if is_prime(p)]
    assert len(ps) == 3 and ps[0] * ps[1] * ps[2] == n
    P.parts(f"{n} can be written as three different prime numbers multiplied "
            "together. Write the three prime numbers.",
            list(zip(["______"] * 3, group(
                ps, f"{n} = {ps[0]} {TIMES} {n // ps[0]} and {n // ps[0]} = {ps[1]} {TIMES} "
                    f"{ps[2]}, so {n} = {ps[0]} {TIMES} {ps[1]} {TIMES} {ps[2]}. Write "
                    f"{ps[0]}, {ps[1]} and {ps[2]} in any order."))))

    # 13. Counting primes in a range.
    lo, hi = 30, 50
    key = sum(1 for k in range(lo + 1, hi) if is_prime(k))
    P.single(f"How many prime numbers are there between {lo} and {hi}? "
             "Write the number only.", key,
             why=f"The primes between {lo} and {hi} are "
                 f"{', '.join(str(k) for k in range(lo + 1, hi) if is_prime(k))}: {key} of them. "
                 "Every other number there has a factor such as 2, 3 or 5.")

    # 14. Squares.
    P.parts("Work out:", [(f"{k}<sup>2</sup> = ______",
                           n_(k * k, f"{k} squared means {k} {TIMES} {k} = {k * k}."))
                          for k in (9, 12)])

    # 15. Adding the squares in a range.
    lo, hi = 10, 50
    sq = [k for k in range(lo + 1, hi) if is_square(k)]
    roots = [k for k in range(hi) if k * k in sq]
    P.single(f"Add together all the square numbers between {lo} and {hi}. "
             "What is the total?", sum(sq),
             why=f"The squares between {lo} and {hi} are "
                 + ", ".join(f"{k * k} ({k} {TIMES} {k})" for k in roots)
                 + f". {' + '.join(map(str, sq))} = {sum(sq)}.")

    # 16. A square number riddle.
    lo, hi = 50, 100
    fits = [k for k in range(lo + 1, hi) if is_square(k) and k % 2]
    assert len(fits) == 1
    sqs = [k for k in range(lo + 1, hi) if is_square(k)]
    P.single(f"I am a square number between {lo} and {hi}. I am an odd number. "
             "What number am I?", fits[0],
             why=f"The square numbers between {lo} and {hi} are "
                 f"{', '.join(map(str, sqs[:-1]))} and {sqs[-1]}. Only {fits[0]} is odd.")

    # 17. Square and a multiple of 4.
    r = P.qrng()
    right, wrong = 36, [49, 24, 18]
    assert is_square(right) and right % 4 == 0
    assert all(not is_square(w) or w % 4 for w in wrong)
    root = [k for k in range(right) if k * k == right][0]
    P.choice("Which of these numbers is a square number <b>and</b> a multiple of 4?",
             str(right), [str(w) for w in wrong], r,
             why=f"{RIGHT} = {root} {TIMES} {root} and {right} = 4 {TIMES} {right // 4}. "
                 + " ".join(f"{w} is square but not a multiple of 4." if is_square(w)
                            else f"{w} is not a square number." for w in wrong))

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
             [show(e) for e in wrong], r,
             why=f"{RIGHT}: {steps(right)}. The others make "
                 f"{', '.join(str(options[e]) for e in wrong[:-1])} and {options[wrong[-1]]}.")

    # 22. Buses: smallest common multiple.
    a, b = 12, 15
    key = min(m for m in range(1, a * b + 1) if m % a == 0 and m % b == 0)
    P.single(f"At a bus station, a red bus leaves every {a} minutes and a blue bus "
             f"leaves every {b} minutes. They both leave at 9 o'clock. How many "
             "minutes later will they next leave at the same time?", key,
             answer="Ans: ______ minutes", why=common_multiple_why(a, b, key))

    # 23. Ribbons: greatest common factor.
    a, b = 48, 60
    key = max(f for f in factors(a) if b % f == 0)
    who, she = P.name()
    P.single(f"{who} has two ribbons. One is {a} cm long and the other is {b} cm "
             f"long. {she.capitalize()} cuts both ribbons into pieces that are all "
             "the same length, with nothing left over. What is the longest each "
             "piece can be?", key, answer="Ans: ______ cm",
             why=f"The piece length must be a factor of both {a} and {b}. The greatest "
                 f"such factor is {key}: {a} = {a // key} {TIMES} {key} and {b} = "
                 f"{b // key} {TIMES} {key}.")

    # 24. A square arrangement.
    n = 64
    side = [k for k in range(1, n + 1) if k * k == n][0]
    P.single(f"Mrs Okafor puts out {n} chairs in a square: there are as many rows "
             "as there are chairs in each row. How many chairs are in each row?",
             side, answer="Ans: ______ chairs",
             why=f"Find the number that makes {n} when it is multiplied by itself: {side} {TIMES} "
                 f"{side} = {n}.")

    # 25. Packs: rounding up.
    pack, need = 6, 50
    key = -(-need // pack)
    assert key * pack >= need > (key - 1) * pack
    P.single(f"Pens are sold in packs of {pack}. Mr Evans needs {need} pens. "
             "What is the smallest number of packs he must buy?", key,
             answer="Ans: ______ packs",
             why=f"{key - 1} packs hold {(key - 1) * pack} pens, too few; {key} packs hold "
                 f"{key * pack}, which is enough. {need} {DIVIDE} {pack} = {need // pack} r "
                 f"{need % pack}, so round up to {key}.")
    return P


# ---------------------------------------------------------------------------
# Paper 104: the four operations with larger numbers, estimating, two steps.

def paper104(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(104, first, dealer)

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
    P.single(f"What is the remainder when {fmt(n)} is divided by {d}?", rem,
             why=f"{d} {TIMES} {q} = {fmt(q * d)}, and {fmt(n)} - {fmt(q * d)} = {rem}, "
                 f"which is less than {d}. So {fmt(n)} {DIVIDE} {d} = {q} r {rem}.")

    # 5. Tens, hundreds and thousands.
    r = P.qrng()
    a, b, c = r.randint(26, 89), r.randint(401, 499) * 10, r.randint(31, 89) * 1000
    check_expr(f"{a} * 1000", a * 1000)
    check_expr(f"{b} / 10", b // 10)
    check_expr(f"{c} / 1000", c // 1000)
    P.parts("Work out:", [(f"{a} {TIMES} 1,000 = ______", n_(a * 1000, by_power(a, 1000))),
                          (f"{fmt(b)} {DIVIDE} 10 = ______", n_(b // 10, by_power(b, -10))),
                          (f"{fmt(c)} {DIVIDE} 1,000 = ______",
                           n_(c // 1000, by_power(c, -1000)))])

    # 6. Missing number before x 100.
    r = P.qrng()
    key = r.randint(41, 79) * 10
    check_expr(f"{key} * 100", key * 100)
    P.single(f"What is the missing number? ______ {TIMES} 100 = {fmt(key * 100)}",
             key, answer="",
             why=f"Dividing by 100 undoes {TIMES} 100: {fmt(key * 100)} {DIVIDE} 100 = "
                 f"{fmt(key)}, as every digit moves two places to the right.")

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
             key, answer="",
             why=f"Adding undoes subtracting: {fmt(c)} + {fmt(b)} = {fmt(key)}. "
                 f"Check: {fmt(key)} - {fmt(b)} = {fmt(c)}.")

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
    ra, rb = round_to(a, 10), round_to(b, 10)
    P.choice(f"Round each number to the nearest 10 to estimate {a} {TIMES} {b}. "
             "Which is the estimate?", fmt(est), [fmt(w) for w in wrong], r,
             why=f"{RIGHT}: {a} rounds to {ra} and {b} to {rb}. {ra} {TIMES} {rb} = "
                 f"{ra // 10} {TIMES} {rb // 10} {TIMES} 100 = {fmt(est)}.")

    # 12. Estimating a difference.
    a, b = 6891, 2104
    key = round_to(a, 1000) - round_to(b, 1000)
    assert key == 5000
    ra, rb = round_to(a, 1000), round_to(b, 1000)
    P.single(f"Estimate the answer to {fmt(a)} {MINUS} {fmt(b)} by first rounding "
             "each number to the nearest 1,000. Write your estimate.", key,
             why=f"{fmt(a)} rounds to {fmt(ra)} and {fmt(b)} rounds to {fmt(rb)}, "
                 f"so the estimate is {fmt(ra)} - {fmt(rb)} = {fmt(key)}.")

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
             [show(e) for e in wrong], r,
             why=f"{RIGHT}: {steps(right)}. The others make "
                 f"{', '.join(str(options[e]) for e in wrong[:-1])} and {options[wrong[-1]]}.")

    # 16. The other factor of a product.
    r = P.qrng()
    a, b = r.randint(31, 39), 48
    prod = a * b
    assert prod % b == 0
    check_expr(f"{prod} / {b}", a)
    P.single(f"Two numbers multiply to make {fmt(prod)}. One of the numbers is {b}. "
             "What is the other number?", a,
             why=f"Dividing undoes multiplying: {fmt(prod)} {DIVIDE} {b} = {a}. "
                 f"Check: {a} {TIMES} {b} = {fmt(prod)}.")

    # 17. Change in pence.
    r = P.qrng()
    who, he = P.name()
    price, count = r.choice([45, 55, 35]), r.randint(6, 8)
    key = 500 - price * count
    assert key > 0
    check_expr(f"500 - {price} * {count}", key)
    P.single(f"Rulers cost {price}p each. {who} buys {count} rulers and pays with a "
             f"£5 note. How much change does {he} get? Remember that £5 is 500 pence.", key,
             answer="Ans: ______ pence",
             why=f"{count} rulers cost {price} {TIMES} {count} = {price * count}p. "
                 f"Change: 500 - {price * count} = {key} pence.")

    # 18. Packets.
    r = P.qrng()
    per, key = 25, r.randint(81, 99)
    total = per * key
    check_expr(f"{total} / {per}", key)
    P.single(f"A factory packs {fmt(total)} biscuits into packets of {per}. "
             "How many packets does it fill?", key, answer="Ans: ______ packets",
             why=f"{fmt(total)} {DIVIDE} {per} = {key}. There are {100 // per} packets of "
                 f"{per} in every 100, so {fmt(total - total % 100)} fills "
                 f"{total // 100 * (100 // per)} and "
                 f"{total % 100} fills {total % 100 // per} more.")

    # 19. Seats in rows.
    r = P.qrng()
    rows, per = r.randint(32, 38), r.randint(24, 29)
    key = rows * per
    check_expr(f"{rows} * {per}", key)
    P.single(f"A theatre has {rows} rows of seats. There are {per} seats in each "
             "row. How many seats are there in the theatre?", key,
             answer="Ans: ______ seats",
             why=f"{rows} rows of {per}: " + mult_working(rows, per))

    # 20. Minibuses: rounding up.
    r = P.qrng()
    cap, people = 16, r.randint(146, 159)
    key = -(-people // cap)
    assert (key - 1) * cap < people <= key * cap
    P.single(f"A minibus can carry {cap} people. {people} people are going to a "
             "festival. What is the smallest number of minibuses needed?", key,
             answer="Ans: ______ minibuses",
             why=f"{people} {DIVIDE} {cap} = {people // cap} r {people % cap}. "
                 f"{people // cap} minibuses leave {people % cap} people behind, so one more "
                 f"is needed: {key}.")

    # 21. Tickets for a family group.
    r = P.qrng()
    adult, child = r.choice([9, 11]), r.choice([5, 6])
    na, nc = 3, 4
    key = na * adult + nc * child
    check_expr(f"{na} * {adult} + {nc} * {child}", key)
    P.single(f"Cinema tickets cost £{adult} for an adult and £{child} for a child. "
             f"What is the total cost of tickets for {na} adults and {nc} children?",
             key, answer="Ans: £______",
             why=f"Adults, then children: {steps(f'{na} * {adult} + {nc} * {child}')}, "
                 f"so £{key}.")

    # 22. Distance over several days.
    r = P.qrng()
    per, days = r.randint(316, 389), 5
    key = per * days
    check_expr(f"{per} * {days}", key)
    P.single(f"A lorry driver drives {per} km every day for {days} days. "
             "How far does she drive altogether?", key, answer="Ans: ______ km",
             why=f"{days} days of {per} km: " + mult_working(per, days)[:-1] + " km.")

    # 23. Eggs into boxes: only full boxes count.
    r = P.qrng()
    per_day, days, box = r.randint(181, 193), 7, 12
    total = per_day * days
    key = total // box
    assert key * box <= total < (key + 1) * box and total % box
    P.single(f"A farm collects {per_day} eggs every day for {days} days. The eggs "
             f"are packed into boxes of {box}. How many boxes can be filled "
             "completely?", key,
             answer="Ans: ______ boxes",
             why=f"Eggs: {per_day} {TIMES} {days} = {fmt(total)}. {fmt(total)} {DIVIDE} "
                 f"{box} = {key} r {total % box}: {key} full boxes, and the {total % box} "
                 "eggs left over do not fill a box.")

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
              "______ days", n_(days, f"{pages} {DIVIDE} {per} = {days}, because {days} "
                                      f"{TIMES} {per} = {pages}.")),
             (f"How many pages are left to read after {after} days? ______ pages",
              n_(pages - after * per, f"In {after} days {who} reads {after} {TIMES} {per} = "
                                      f"{after * per} pages, so {pages} - {after * per} = "
                                      f"{pages - after * per} are left."))])

    # 25. Checking a division by the inverse.
    r = P.qrng()
    q, d = 364, 12
    n = q * d
    right = f"{q} * {d}"
    wrong = [f"{n} * {d}", f"{q} + {d}", f"{n} - {q}"]
    assert evaluate_int(right) == n and all(evaluate_int(w) != n for w in wrong)
    P.choice(f"{fmt(n)} {DIVIDE} {d} = {q}. Which calculation could you use to "
             "check this answer?", show(right), [show(w) for w in wrong], r,
             why=f"{RIGHT}: multiplying undoes dividing, so {q} {TIMES} {d} should give "
                 f"back {fmt(n)}, and it does.")
    return P


def evaluate_int(expr: str) -> int:
    v = evaluate(expr)
    assert v.denominator == 1
    return int(v)


# ---------------------------------------------------------------------------
# Paper 105: multi-step word problems and reasoning.

def paper105(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(105, first, dealer)

    # 1. A café order.
    r = P.qrng()
    sand, drink = r.choice([3, 4]), 2
    ns, nd = r.randint(12, 16), r.randint(8, 11)
    key = ns * sand + nd * drink
    check_expr(f"{ns} * {sand} + {nd} * {drink}", key)
    P.single(f"At a café, a sandwich costs £{sand} and a drink costs £{drink}. "
             f"A class buys {ns} sandwiches and {nd} drinks. How much do they pay "
             "altogether?", key, answer="Ans: £______", marks=2,
             why=f"Sandwiches, then drinks: {steps(f'{ns} * {sand} + {nd} * {drink}')}, "
                 f"so they pay £{key}.")

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
             f"{he} get?", key, answer="Ans: £______", marks=2,
             why=f"The tickets cost 2 {TIMES} £{adult} + 3 {TIMES} £{child} = "
                 f"£{2 * adult} + £{3 * child} = £{2 * adult + 3 * child}. "
                 f"Change: £50 - £{2 * adult + 3 * child} = £{key}.")

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
              n_(coaches, f"There are {pupils} + {adults} = {people} people. {coaches - 1} "
                          f"coaches hold {(coaches - 1) * cap}, too few; {coaches} hold "
                          f"{coaches * cap}, so {coaches} coaches.")),
             ("How many seats will be empty on the coaches? ______ seats",
              n_(empty, f"{coaches} coaches have {coaches} {TIMES} {cap} = {coaches * cap} "
                        f"seats, and {coaches * cap} - {people} = {empty} are empty."))])

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
             answer="Ans: ______ weeks", marks=2,
             why=f"{who} still needs £{price} - £{have} = £{price - have}. "
                 f"£{price - have} {DIVIDE} £{weekly} = {weeks} weeks.")

    # 5. Boxes of pens.
    r = P.qrng()
    per, price = 12, r.choice([4, 5])
    boxes = r.randint(21, 28)
    pens = per * boxes
    key = boxes * price
    check_expr(f"{pens} / {per} * {price}", key)
    P.single(f"Pens are sold in boxes of {per}. Each box costs £{price}. A school "
             f"needs exactly {pens} pens. How much will the pens cost?", key,
             answer="Ans: £______", marks=2,
             why=f"{pens} {DIVIDE} {per} = {boxes} boxes, and {boxes} {TIMES} £{price} = "
                 f"£{key}.")

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
             key, answer="Ans: ______", marks=2,
             why=f"Total: {' + '.join(map(fmt, crowds))} = {fmt(total)}. The hundreds digit "
                 f"is {total // 100 % 10}, so it rounds {'up' if key > total else 'down'} to "
                 f"{fmt(key)}.")

    # 7. Bags of fruit: greatest common factor.
    apples, oranges = 84, 60
    key = max(f for f in factors(apples) if oranges % f == 0)
    P.single(f"Mr Shah has {apples} apples and {oranges} oranges. He puts them into "
             "bags so that every bag has the same number of apples and the same "
             "number of oranges, with no fruit left over. What is the greatest "
             "number of bags he can fill?", key, answer="Ans: ______ bags", marks=2,
             why=f"The number of bags must be a factor of both {apples} and {oranges}. The "
                 f"greatest such factor is {key}: each bag gets {apples // key} apples and "
                 f"{oranges // key} oranges.")

    # 8. Number riddle.
    fits = [k for k in range(10, 100) if k % 9 == 0 and is_square(k) and k % 2 == 0]
    assert len(fits) == 1
    P.single("I am a two-digit number. I am a multiple of 9. I am a square number. "
             "I am even. What number am I?", fits[0],
             why="The two-digit square numbers that are multiples of 9 are "
                 + " and ".join(str(k) for k in range(10, 100) if k % 9 == 0 and is_square(k))
                 + f". Only {fits[0]} is even.")

    # 9. Buying equipment.
    r = P.qrng()
    nc, cp = r.randint(24, 32), 7
    nr, rp = r.randint(15, 25), 2
    key = nc * cp + nr * rp
    check_expr(f"{nc} * {cp} + {nr} * {rp}", key)
    P.single(f"A school buys {nc} calculators at £{cp} each and {nr} rulers at "
             f"£{rp} each. What is the total cost?", key, answer="Ans: £______",
             marks=2,
             why=f"Calculators, then rulers: {steps(f'{nc} * {cp} + {nr} * {rp}')}, "
                 f"so £{key}.")

    # 10. Cakes in boxes: quotient and remainder.
    r = P.qrng()
    box = 12
    cakes = r.randint(340, 360)
    full, left = divmod(cakes, box)
    assert left and full * box + left == cakes
    P.parts(f"A baker makes {cakes} cupcakes. She packs them into boxes of {box}.",
            [("How many boxes can she fill? ______ boxes",
              n_(full, f"{cakes} {DIVIDE} {box} = {full} r {left}, so {full} boxes are full "
                       f"({full} {TIMES} {box} = {full * box}).")),
             ("How many cupcakes are left over? ______ cupcakes",
              n_(left, f"{full} boxes hold {full * box} cupcakes, and {cakes} - {full * box} "
                       f"= {left} are left over."))])

    # 11. Empty seats on a train.
    r = P.qrng()
    carriages, seats = 8, r.choice([64, 72])
    sitting = r.randint(380, 470)
    key = carriages * seats - sitting
    assert key > 0
    check_expr(f"{carriages} * {seats} - {sitting}", key)
    P.single(f"A train has {carriages} carriages. Each carriage has {seats} seats. "
             f"{sitting} passengers are sitting down. How many seats are empty?",
             key, answer="Ans: ______ seats", marks=2,
             why=f"The train has {carriages} {TIMES} {seats} = {carriages * seats} seats, "
                 f"and {carriages * seats} - {sitting} = {key} are empty.")

    # 12. Comparing two shops.
    a_n, a_each, b_n, b_each = 6, 45, 8, 40
    a_price, b_price = a_n * a_each, b_n * b_each
    key = a_price // a_n - b_price // b_n
    assert a_price % a_n == 0 and b_price % b_n == 0 and key > 0
    P.single(f"Shop A sells a pack of {a_n} pens for {a_price}p. Shop B sells a pack "
             f"of {b_n} of the same pens for {b_price}p. How much cheaper is one pen "
             "from Shop B than one pen from Shop A?", key,
             answer="Ans: ______ pence", marks=2,
             why=f"Shop A: {a_price} {DIVIDE} {a_n} = {a_price // a_n}p a pen. Shop B: "
                 f"{b_price} {DIVIDE} {b_n} = {b_price // b_n}p a pen. "
                 f"{a_price // a_n} - {b_price // b_n} = {key}p cheaper.")

    # 13. Working backwards.
    r = P.qrng()
    who, he = P.name()
    start, mul, sub = r.randint(11, 19), 6, 15
    result = start * mul - sub
    check_expr(f"({result} + {sub}) / {mul}", start)
    P.single(f"{who} thinks of a number. {he.capitalize()} multiplies it by {mul} "
             f"and then subtracts {sub}. The answer is {result}. What number did "
             f"{he} think of?", start, marks=2,
             why=f"Work backwards, undoing each step: {result} + {sub} = {result + sub}, then "
                 f"{result + sub} {DIVIDE} {mul} = {start}. Check: {start} {TIMES} {mul} - "
                 f"{sub} = {result}.")

    # 14. Best estimate of a product.
    r = P.qrng()
    a, b = 612, 48
    est = round_to(a, 100) * round_to(b, 10)
    assert est == 30000
    wrong = [3000, 300000, 24000]   # a zero lost; a zero too many; 600 x 40
    ra, rb = round_to(a, 100), round_to(b, 10)
    P.choice(f"Which is the best estimate for {a} {TIMES} {b}?", fmt(est),
             [fmt(w) for w in wrong], r,
             why=f"{RIGHT}: {a} is close to {ra} and {b} to {rb}. {ra} {TIMES} {rb} = "
                 f"{ra // 100} {TIMES} {rb // 10} {TIMES} 1,000 = {fmt(est)}.")

    # 15. Digit cards.
    cards = [3, 0, 8, 5, 1, 6]
    made = [from_digits(list(p)) for p in permutations(cards)]
    key = min(m for m in made if m >= 100000 and m % 2)
    P.single("Here are six digit cards: " + ", ".join(map(str, cards)) + ". Use each "
             "card once to make the smallest odd six-digit number you can. Give "
             "your answer in numerals.", key,
             why=smallest_odd_why(cards, key, made))

    # 16-17. Rounding backwards.
    target, unit = 47000, 1000
    key = max(m for m in range(target - unit, target + unit)
              if round_to(m, unit) == target)
    P.single(f"A whole number rounded to the nearest {fmt(unit)} is {fmt(target)}. "
             "What is the largest the number could be?", key,
             why=f"{fmt(target + unit // 2)} is halfway to {fmt(target + unit)} and rounds up "
                 f"to it, so the largest number that rounds to {fmt(target)} is {fmt(key)}.")
    target, unit = 3500, 100
    key = min(m for m in range(target - unit, target + unit)
              if round_to(m, unit) == target)
    P.single(f"A whole number rounded to the nearest {unit} is {fmt(target)}. "
             "What is the smallest the number could be?", key,
             why=f"{fmt(key)} is halfway between {fmt(target - unit)} and {fmt(target)}, and "
                 f"halfway rounds up, so it is the smallest; {fmt(key - 1)} rounds down to "
                 f"{fmt(target - unit)}.")

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
             f"in {weeks} weeks?", key, answer="Ans: ______ km", marks=2,
             why=f"One week: 5 {TIMES} {weekday} + 2 {TIMES} {weekend} = {5 * weekday} + "
                 f"{2 * weekend} = {5 * weekday + 2 * weekend} km. {weeks} weeks: "
                 f"{5 * weekday + 2 * weekend} {TIMES} {weeks} = {key} km.")

    # 20. Sum of primes in a range.
    lo, hi = 10, 30
    key = sum(k for k in range(lo + 1, hi) if is_prime(k))
    primes = [k for k in range(lo + 1, hi) if is_prime(k)]
    P.single(f"What is the total when you add together all the prime numbers "
             f"between {lo} and {hi}?", key,
             why=f"The primes between {lo} and {hi} are {', '.join(map(str, primes))}. "
                 f"{' + '.join(map(str, primes))} = {key}.")

    # 21. Library stock.
    r = P.qrng()
    stock, gave, bought = r.randint(12100, 12900), r.randint(1200, 1499), r.randint(2500, 2900)
    key = stock - gave + bought
    check_expr(f"{stock} - {gave} + {bought}", key)
    P.single(f"A library had {fmt(stock)} books. It gave away {fmt(gave)} old books "
             f"and then bought {fmt(bought)} new ones. How many books does the "
             "library have now?", key, answer="Ans: ______ books", marks=2,
             why=f"Take away the old books, then add the new: "
                 f"{steps(f'{stock} - {gave} + {bought}')} books.")

    # 22. Paying in instalments.
    r = P.qrng()
    deposit, months = 300, 8
    each = r.choice([110, 120, 135])
    cost = deposit + months * each
    check_expr(f"({cost} - {deposit}) / {months}", each)
    P.single(f"A holiday costs £{fmt(cost)}. The Morgan family pay £{deposit} first. "
             f"They pay the rest in {months} equal monthly payments. How much is "
             "each monthly payment?", each, answer="Ans: £______", marks=2,
             why=f"The rest is £{fmt(cost)} - £{deposit} = £{fmt(cost - deposit)}. Shared "
                 f"over {months} months: £{fmt(cost - deposit)} {DIVIDE} {months} = £{each}.")

    # 23. A town's population.
    r = P.qrng()
    pop, left, came = r.randint(48100, 48499), r.randint(2600, 2900), r.randint(4100, 4400)
    now = pop - left + came
    key = round_to(now, 1000)
    check_rounded(now, 1000, key)
    check_expr(f"{pop} - {left} + {came}", now)
    P.single(f"The population of a town was {fmt(pop)}. Then {fmt(left)} people moved "
             f"away and {fmt(came)} people moved in. What is the population now, "
             "rounded to the nearest 1,000?", key, answer="Ans: ______", marks=2,
             why=f"{steps(f'{pop} - {left} + {came}')}. The hundreds digit is "
                 f"{now // 100 % 10}, so it rounds {'up' if key > now else 'down'} to "
                 f"{fmt(key)}.")

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
             show(right), [show(w) for w in wrong], r,
             why=f"{RIGHT}: {nb} books at £{bp} is {nb} {TIMES} {bp}, and {np_} pens at "
                 f"£{pp} is {np_} {TIMES} {pp}; add them: {steps(right)}.")

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
             "raise?", key, answer="Ans: £______", marks=2,
             why=f"Raised so far: {' + '.join(f'£{x}' for x in raised)} = "
                 f"£{fmt(sum(raised))}. Still needed: £{fmt(goal)} - £{fmt(sum(raised))} "
                 f"= £{key}.")
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper101, paper102, paper103, paper104, paper105]


def build() -> dict[str, str]:
    """All files of the topic, keyed by path relative to the repository."""
    papers, files, by_id = build_topic(TOPIC, PAPERS, SUBJECT, ROOT)
    assert papers[0].last_id == 22030
    # Page 22031 is a fixed point other parts of the product rely on.
    assert [(b.type, b.marks, b.key) for b in by_id[22031]] == [("N", 1, "1500109")]
    return files


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
