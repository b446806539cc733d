"""Shared helpers for the Mathematics paper generators.

Builds `.paper` files (see assets/README.md) from question objects whose keys
are computed by the generator, and checks each paper before it is written.
Standard library only; nothing here depends on time or hash ordering.
"""

from __future__ import annotations

import ast
import html
import os
import random
import re
import sys
from dataclasses import dataclass, field

from fractions import Fraction

# (name, pronoun) pairs in the order papers deal them out; a topic that needs fewer
# takes the first so many, which keeps its papers as they were.
PUPILS = [("Amira", "she"), ("Leo", "he"), ("Priya", "she"), ("Jack", "he"),
          ("Sophie", "she"), ("Oliver", "he"), ("Zara", "she"), ("Kwame", "he"),
          ("Ellie", "she"), ("Harry", "he"), ("Ruby", "she"), ("Yusuf", "he"),
          ("Chloe", "she"), ("Ethan", "he"), ("Isla", "she"), ("Noah", "he"),
          ("Freya", "she"), ("Arjun", "he"), ("Grace", "she"), ("Callum", "he"),
          ("Maya", "she"), ("Tomasz", "he"), ("Hana", "she"), ("Finn", "he"),
          ("Layla", "she"), ("Samir", "he"), ("Erin", "she"), ("Dev", "he"),
          ("Niamh", "she"), ("Reuben", "he"), ("Aisha", "she"), ("Owen", "he")]

# ---------------------------------------------------------------------------
# Numbers as pupils see them

MINUS = "\u2212"
TIMES = "\u00d7"
DIVIDE = "\u00f7"


def fmt(n: int) -> str:
    """A whole number with comma thousands separators, as printed on papers."""
    return f"{n:,}"


_ONES = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight",
         "nine", "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen",
         "sixteen", "seventeen", "eighteen", "nineteen"]
_TENS = ["", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy",
         "eighty", "ninety"]


def _below_hundred(n: int) -> str:
    if n < 20:
        return _ONES[n]
    t, u = divmod(n, 10)
    return _TENS[t] + ("-" + _ONES[u] if u else "")


def _below_thousand(n: int) -> str:
    h, r = divmod(n, 100)
    if not h:
        return _below_hundred(r)
    s = _ONES[h] + " hundred"
    return s + (" and " + _below_hundred(r) if r else "")


def words(n: int) -> str:
    """British English words: 1500109 -> 'one million, five hundred thousand,
    one hundred and nine'; 30005 -> 'thirty thousand and five'."""
    if n == 0:
        return "zero"
    if not 0 < n < 1_000_000_000:
        raise ValueError(n)
    groups = [(n // 1_000_000, " million"), (n // 1000 % 1000, " thousand"),
              (n % 1000, "")]
    out = ""
    for i, (g, name) in enumerate(groups):
        if not g:
            continue
        text = _below_thousand(g) + name
        if not out:
            out = text
        elif i == 2 and g < 100:
            out += " and " + text
        else:
            out += ", " + text
    return out


def parse_words(text: str) -> int:
    """Reads number words back, independently of `words`, to check it."""
    small = {w: i for i, w in enumerate(_ONES)}
    small.update({w: 10 * i for i, w in enumerate(_TENS) if w})
    total = current = 0
    for w in re.split(r"[\s,\-]+", text.strip()):
        if w == "and" or not w:
            continue
        if w in small:
            current += small[w]
        elif w == "hundred":
            current *= 100
        elif w in ("thousand", "million"):
            total += current * (1000 if w == "thousand" else 1_000_000)
            current = 0
        else:
            raise ValueError(f"unknown number word {w!r} in {text!r}")
    return total + current


# ---------------------------------------------------------------------------
# Calculations shown to pupils

def show(expr: str) -> str:
    """Turns a Python-style expression into the printed form: numbers get
    thousands separators, * / - become the signs pupils know."""
    out = re.sub(r"\d+", lambda m: fmt(int(m.group())), expr)
    return (out.replace("*", TIMES).replace("/", DIVIDE).replace("-", MINUS))


def evaluate(expr: str) -> Fraction:
    """Evaluates the same expression with Python's own precedence rules, as an
    independent check on a key worked out step by step."""
    tree = ast.parse(expr, mode="eval")

    def ev(node):
        if isinstance(node, ast.Expression):
            return ev(node.body)
        if isinstance(node, ast.Constant) and isinstance(node.value, int):
            return Fraction(node.value)
        if isinstance(node, ast.BinOp):
            a, b = ev(node.left), ev(node.right)
            if isinstance(node.op, ast.Add):
                return a + b
            if isinstance(node.op, ast.Sub):
                return a - b
            if isinstance(node.op, ast.Mult):
                return a * b
            if isinstance(node.op, ast.Div):
                return a / b
        raise ValueError(f"unsupported expression {expr!r}")

    return ev(tree)


def check_expr(expr: str, key: int) -> None:
    value = evaluate(expr)
    assert value == key, f"{expr} evaluates to {value}, key says {key}"


# ---------------------------------------------------------------------------
# Worked answers: the same calculations, written for the page a pupil reads
# after practice (Windows-1252 text, so a plain "-" for minus)

def say(expr: str) -> str:
    """Like `show`, for a worked answer: numbers get thousands separators,
    * and / become the signs pupils know, and minus stays a plain "-"."""
    out = re.sub(r"\d+", lambda m: fmt(int(m.group())), expr)
    return out.replace("*", TIMES).replace("/", DIVIDE)


def plain_signs(text: str) -> str:
    """Printed text made fit for a worked answer: the minus sign and the
    no-break space become their plain forms."""
    return text.replace(MINUS, "-").replace("\u00a0", " ")


_PRECEDENCE = {ast.Add: 1, ast.Sub: 1, ast.Mult: 2, ast.Div: 2}
_SIGN = {ast.Add: "+", ast.Sub: "-", ast.Mult: TIMES, ast.Div: DIVIDE}


def _number(value: Fraction) -> str:
    if value.denominator == 1:
        return fmt(int(value))
    return f"{value.numerator}/{value.denominator}"


def _unparse(node) -> str:
    if isinstance(node, ast.Constant):
        return _number(Fraction(node.value))
    op = type(node.op)
    left, right = _unparse(node.left), _unparse(node.right)
    if isinstance(node.left, ast.BinOp) and _PRECEDENCE[type(node.left.op)] < _PRECEDENCE[op]:
        left = f"({left})"
    if isinstance(node.right, ast.BinOp) and (
            _PRECEDENCE[type(node.right.op)] < _PRECEDENCE[op]
            or (_PRECEDENCE[type(node.right.op)] == _PRECEDENCE[op]
                and op in (ast.Sub, ast.Div))):
        right = f"({right})"
    return f"{left} {_SIGN[op]} {right}"


def steps(expr: str) -> str:
    """The working of an expression in the order pupils are taught: every
    calculation whose two numbers are known is done at each step, brackets
    first, then multiplying and dividing, then adding and subtracting.
    "20 - 3 * 4" gives "20 - 3 × 4 = 20 - 12 = 8". Checked against `evaluate`."""
    tree = ast.parse(expr, mode="eval").body
    value = evaluate(expr)

    shown = [_unparse(tree)]
    while not isinstance(tree, ast.Constant):
        tree = _reduce_ready(tree)
        shown.append(_unparse(tree))
    assert Fraction(tree.value) == value, (expr, tree.value, value)
    return " = ".join(shown)


def _reduce_ready(node):
    """One step: every operation whose two sides are numbers is worked out,
    except that adding and subtracting wait while a multiplication or
    division in the same bracket is still to be done."""
    def has_pending_mult(n) -> bool:
        # A multiplication or division in this bracket level still to do.
        if not isinstance(n, ast.BinOp):
            return False
        if _PRECEDENCE[type(n.op)] == 2:
            return True
        return has_pending_mult(n.left) or has_pending_mult(n.right)

    def go(n, level_busy: bool):
        if isinstance(n, ast.Constant):
            return n
        l, r = n.left, n.right
        if isinstance(l, ast.Constant) and isinstance(r, ast.Constant):
            if _PRECEDENCE[type(n.op)] == 2 or not level_busy:
                return ast.Constant(_apply(n.op, Fraction(l.value), Fraction(r.value)))
            return n
        if _PRECEDENCE[type(n.op)] == 1:
            busy = level_busy or has_pending_mult(n)
            return ast.BinOp(go(l, busy), n.op, go(r, busy))
        # Below a multiplication or division, each side is its own bracket.
        return ast.BinOp(go(l, False), n.op, go(r, False))

    return go(node, False)


def _apply(op, a: Fraction, b: Fraction) -> Fraction:
    if isinstance(op, ast.Add):
        return a + b
    if isinstance(op, ast.Sub):
        return a - b
    if isinstance(op, ast.Mult):
        return a * b
    return a / b


# ---------------------------------------------------------------------------
# Facts about whole numbers, each worked out the slow, obvious way

def factors(n: int) -> list[int]:
    return [d for d in range(1, n + 1) if n % d == 0]


def is_prime(n: int) -> bool:
    return n > 1 and all(n % d for d in range(2, n))


def is_square(n: int) -> bool:
    return any(k * k == n for k in range(n + 1))


def round_to(n: int, unit: int) -> int:
    """Rounds half up, as taught in primary school."""
    return (n + unit // 2) // unit * unit


def check_rounded(n: int, unit: int, key: int) -> None:
    """The nearest multiple, with a half rounding up."""
    assert key % unit == 0, (n, unit, key)
    assert 2 * abs(n - key) < unit or (2 * (key - n) == unit), (n, unit, key)


# ---------------------------------------------------------------------------
# Pages and papers

# What a page says so that a pupil who knows the answer types it in a form the
# answer sheet accepts: a plain number in a numeric blank, the option number
# in a multiple-choice blank.
NUMBER_ONLY = "(Write the number only.)"
NUMBERS_ONLY = "(Write each answer as a number only.)"
CHOICE_NOTE = "Write the number of the correct option: 1, 2, 3 or 4."

_UNIT_BY_BLANK = re.compile(r"£\s*_{3,}|_{3,}\s*(?:p\b|[A-Za-z])")


def shows_unit(line: str) -> bool:
    """True when the text beside a blank is a unit, a currency sign or a
    word ("£______", "______ pence", "______ boxes"), which a pupil might be
    tempted to type as well."""
    return bool(_UNIT_BY_BLANK.search(re.sub(r"<[^>]+>", "", html.unescape(line))))


def says_number_only(stem: str) -> bool:
    return NUMBER_ONLY in stem or NUMBERS_ONLY in stem


# The form a fraction answer must take, said on every page that asks for one
# (the answer sheet compares fraction and mixed-number keys character by
# character). "each answer" variants serve pages with several parts.
def form_note(kind: str, each: bool = False) -> str:
    what = {"F": "a fraction", "I": "an improper fraction",
            "X": "a mixed number"}[kind]
    if each:
        return f"Give each answer as {what} in its simplest form."
    return f"Give your answer as {what} in its simplest form."


def _lowest(n: int, d: int) -> bool:
    return not any(n % k == 0 and d % k == 0 for k in range(2, min(n, d) + 1))


def fraction_key_ok(key: str) -> bool:
    """a/b in lowest terms, not a whole number."""
    m = re.fullmatch(r"([1-9]\d*)/([1-9]\d*)", key)
    return bool(m) and int(m[2]) > 1 and _lowest(int(m[1]), int(m[2]))


def mixed_key_ok(key: str) -> bool:
    """w a/b with a proper fraction in lowest terms."""
    m = re.fullmatch(r"([1-9]\d*) ([1-9]\d*)/([1-9]\d*)", key)
    return bool(m) and int(m[2]) < int(m[3]) and _lowest(int(m[2]), int(m[3]))

@dataclass
class Blank:
    type: str
    marks: int
    key: str
    explain: str = ""  # the worked answer shown once the paper's practice is over


@dataclass
class Page:
    stem: str                          # HTML after the question number
    body: list[str] = field(default_factory=list)   # further HTML lines
    blanks: list[Blank] = field(default_factory=list)
    options: list[str] | None = None
    figure: tuple[str, int, int, str] | None = None
    after: list[str] = field(default_factory=list)  # HTML after the options


# In the worked answer of a multiple-choice page, stands for the right option's
# number and text ("(3) 1,500"): the number is only known once it is dealt.
RIGHT = "{right}"


def group(answers: list, why: str) -> list[Blank]:
    """The blanks of a group answered in any order: the first lists every answer, the
    others are spaces; each carries the same worked answer, which names them all."""
    key = ";" + ";".join(map(str, answers))
    return [Blank("G", 1, key, why)] + [Blank("G", 1, " ", why) for _ in answers[1:]]


def esc(text: str) -> str:
    return html.escape(text, quote=False)


def plain(text: str) -> str:
    """Question text without tags or spacing differences, for duplicate checks."""
    text = re.sub(r"<[^>]+>", " ", text)
    return re.sub(r"\s+", " ", html.unescape(text)).strip().lower()


class PositionDealer:
    """Deals the positions of multiple-choice answers from shuffled blocks of
    1 to 4, shared by all papers of a topic, so the four are used equally."""

    def __init__(self, seed: int):
        self.rng = random.Random(seed)
        self.block: list[int] = []

    def deal(self) -> int:
        if not self.block:
            self.block = [1, 2, 3, 4]
            self.rng.shuffle(self.block)
        return self.block.pop()


class Paper:
    """Collects the pages of one paper and writes it as a `.paper` file."""

    def __init__(self, key: int, first_id: int, seed: int,
                 dealer: "PositionDealer", instruction: str = "",
                 ids: list[int] | None = None):
        self.key = key
        self.first_id = first_id
        # The page ids in order, when they do not simply count up from
        # first_id (a paper whose ids jump over a range kept for others).
        self.ids = list(ids) if ids is not None else None
        if self.ids is not None:
            assert self.ids[0] == first_id, (key, first_id, self.ids[0])
            assert all(a < b for a, b in zip(self.ids, self.ids[1:])), key
        self.instruction = instruction     # shown above the first question
        self.pages: list[Page] = []
        self.rng = random.Random(seed)
        self.dealer = dealer

    @property
    def number(self) -> int:
        """The question number the next page will carry."""
        return len(self.pages) + 1

    def page_id(self, number: int) -> int:
        """The id of question `number` (counted from 1)."""
        if self.ids is None:
            return self.first_id + number - 1
        return self.ids[number - 1]

    def qrng(self) -> random.Random:
        """One generator per question, so editing one question leaves the
        numbers of the others alone."""
        return random.Random(self.key * 1000 + self.number)

    def add(self, page: Page) -> Page:
        assert self.ids is None or len(self.pages) < len(self.ids), self.key
        self.pages.append(page)
        return page

    def single(self, stem: str, key: int | str, answer: str = "Ans: ______",
               type_: str = "N", marks: int = 1, why: str = "") -> Page:
        body = [f"<p>{answer}</p>"] if answer else []
        if shows_unit(answer) and not says_number_only(stem):
            stem += " " + NUMBER_ONLY
        return self.add(Page(stem, body, [Blank(type_, marks, str(key), why)]))

    def parts(self, stem: str, parts: list[tuple[str, Blank]]) -> Page:
        assert 2 <= len(parts) <= 5
        body = [f"<p>({chr(97 + i)}) {text}</p>"
                for i, (text, _) in enumerate(parts)]
        if any(shows_unit(text) for text, _ in parts) and not says_number_only(stem):
            stem += " " + NUMBERS_ONLY
        return self.add(Page(stem, body, [b for _, b in parts]))

    def choice(self, stem: str, correct: str, distractors: list[str],
               rng: random.Random, marks: int = 1, why: str = "") -> Page:
        assert len(distractors) == 3
        opts = list(distractors)
        rng.shuffle(opts)
        pos = self.dealer.deal()
        opts.insert(pos - 1, correct)
        assert len(set(opts)) == 4, opts
        for o in opts:
            assert "|" not in o and "<" not in o and ">" not in o and "&" not in o
        # A worked answer names the right option by its number and its text.
        why = why.replace(RIGHT, f"({pos}) {plain_signs(correct)}")
        return self.add(Page(stem, [], [Blank("Q", marks, str(pos), why)], opts,
                             after=[f"<p>{CHOICE_NOTE}</p>"]))

    # -- output -------------------------------------------------------------

    def validate(self) -> None:
        total = sum(len(p.blanks) for p in self.pages)
        assert 15 <= total <= 70, f"paper {self.key}: {total} blanks"
        assert self.ids is None or len(self.ids) == len(self.pages), \
            f"paper {self.key}: {len(self.pages)} pages for {len(self.ids)} ids"
        assert self.instruction, f"paper {self.key}: no instruction on the first page"
        for n, p in enumerate(self.pages, 1):
            where = f"paper {self.key} question {n}"
            assert 1 <= len(p.blanks) <= 5, where
            if len(p.blanks) > 1:
                for i in range(len(p.blanks)):
                    assert f"({chr(97 + i)})" in " ".join(p.body), where
            for b in p.blanks:
                assert b.type in "QNMGFXT" and len(b.type) == 1, where
                if b.type == "T":
                    # A single word, so that there is only one way to write it.
                    assert re.fullmatch(r"[A-Za-z]+", b.key), (where, b.key)
                assert ">" not in b.key and "\n" not in b.key, where
                if b.explain:
                    assert len(b.explain) <= 300, (where, len(b.explain))
                    assert ">" not in b.explain and "\n" not in b.explain, where
                    b.explain.encode("cp1252")
                if b.type == "N":
                    # A whole number, or a decimal written plainly (0.35, 12.7).
                    assert re.fullmatch(r"(?:[1-9]\d*|0)(?:\.\d*[1-9])?", b.key), (where, b.key)
                if b.type == "Q":
                    assert p.options and len(p.options) == 4, where
                    assert b.key in ("1", "2", "3", "4"), where
                if b.type == "M":
                    assert b.key.startswith(";") and b.key.count(";") >= 2, where
                if b.type in "FX":
                    text = " ".join([p.stem] + p.body)
                    if b.type == "X":
                        ok, kind = mixed_key_ok(b.key), "X"
                    else:
                        n, d = map(int, b.key.split("/")) if "/" in b.key else (0, 0)
                        ok, kind = fraction_key_ok(b.key), "I" if n > d else "F"
                    assert ok, (where, b.key)
                    assert (form_note(kind) in text
                            or form_note(kind, each=True) in text), (where, kind)
                    # No unit beside a fraction blank: it would be typed too.
                    assert not any(shows_unit(line) for line in p.body), where
            heads = [b for b in p.blanks if b.type == "G" and b.key != " "]
            for b in heads:
                i = p.blanks.index(b)
                size = 1
                while (i + size < len(p.blanks)
                       and p.blanks[i + size].key == " "):
                    size += 1
                assert b.key.count(";") >= size, where
            if p.options is not None:
                assert [b.type for b in p.blanks] == ["Q"], where
                assert CHOICE_NOTE in " ".join(p.after), where
            # A unit beside a numeric blank needs the reminder on the page.
            if any(b.type in "NG" for b in p.blanks) and any(
                    shows_unit(line) for line in [p.stem] + p.body):
                assert says_number_only(p.stem), (where, "number-only reminder")

    def render(self) -> str:
        self.validate()
        lines = [f"@paper {self.key}", ""]
        for n, p in enumerate(self.pages, 1):
            lines.append(f"@page {self.page_id(n)}")
            for b in p.blanks:
                key = "{space}" if b.key == " " else ("{empty}" if b.key == "" else b.key)
                lines.append(f"@blank {b.type} {b.marks} {key}")
                if b.explain:
                    lines.append(f"@explain {b.explain}")
            if n == 1:
                lines.append(f'<p class="instr">{self.instruction}</p>')
            lines.append(f'<p class="q"><b>{n}.</b> {p.stem}</p>')
            if p.figure:
                name, w, h, alt = p.figure
                lines.append(f"@figure {name} {w} {h} {alt}")
            lines.extend(p.body)
            if p.options:
                lines.append("@options " + " | ".join(p.options))
            lines.extend(p.after)
            lines.append("")
        return "\n".join(lines)

    @property
    def last_id(self) -> int:
        return self.page_id(len(self.pages))


class UniqueTexts:
    """Refuses a question whose text (numbering aside) already appears in this
    run or in another paper file of the subject."""

    def __init__(self, subject_dir: str | None, own_files: set[str]):
        self.seen: dict[str, str] = {}
        if subject_dir and os.path.isdir(subject_dir):
            for name in sorted(os.listdir(subject_dir)):
                if name.endswith(".paper") and name not in own_files:
                    with open(os.path.join(subject_dir, name), encoding="utf-8") as f:
                        for line in f:
                            m = re.match(r'<p class="q"><b>\d+\.</b>(.*)</p>', line)
                            if m:
                                self.seen.setdefault(plain(m.group(1)), name)

    def add_paper(self, paper: Paper) -> None:
        for n, p in enumerate(paper.pages, 1):
            text = plain(p.stem + " " + " ".join(p.body) + " " + " ".join(p.options or []))
            where = f"{paper.key}.paper question {n}"
            assert text not in self.seen, f"{where} repeats {self.seen[text]}"
            self.seen[text] = where


# ---------------------------------------------------------------------------
# Figures

def number_line_svg(start: int, step: int, count: int, target_index: int,
                    labelled: list[int], label=None) -> str:
    """A horizontal number line of count equal intervals from `start`, with
    labels under the ticks in `labelled` and a down arrow over the target tick.
    `label(k)` gives the text under tick k, for lines that are not of whole
    numbers. SVG 1.1, presentation attributes only."""
    width, height = 560, 120
    x0, x1, y = 50, 510, 70
    gap = (x1 - x0) / count
    out = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{width}" '
        f'height="{height}" viewBox="0 0 {width} {height}">',
        f'<rect x="0" y="0" width="{width}" height="{height}" fill="#ffffff"/>',
        f'<line x1="{x0 - 15}" y1="{y}" x2="{x1 + 15}" y2="{y}" stroke="#000000" stroke-width="2"/>',
    ]
    for k in range(count + 1):
        x = round(x0 + k * gap, 1)
        long = k in labelled
        half = 12 if long else 7
        out.append(f'<line x1="{x}" y1="{y - half}" x2="{x}" y2="{y + half}" '
                   f'stroke="#000000" stroke-width="2"/>')
        if long:
            out.append(f'<text x="{x}" y="{y + 34}" font-family="DejaVu Sans" '
                       f'font-size="16" text-anchor="middle" fill="#000000">'
                       f'{label(k) if label else fmt(start + k * step)}</text>')
    xt = round(x0 + target_index * gap, 1)
    out.append(f'<line x1="{xt}" y1="{y - 52}" x2="{xt}" y2="{y - 24}" '
               f'stroke="#c00000" stroke-width="3"/>')
    out.append(f'<polygon points="{xt - 8},{y - 26} {xt + 8},{y - 26} {xt},{y - 13}" '
               f'fill="#c00000" stroke="#c00000" stroke-width="1"/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


# ---------------------------------------------------------------------------
# Writing and checking

class TopicPaper(Paper):
    """The page builder every topic's papers start from: a paper seeded by its key, the
    topic's instruction, pupils' names dealt without repeats, and figures named after the
    topic's prefix and the page id."""

    def __init__(self, topic, key: int, first_id: int, dealer: PositionDealer, *,
                 seed_factor: int, instruction: str, names=None,
                 ids: list[int] | None = None):
        super().__init__(key, first_id, seed=key * seed_factor, dealer=dealer,
                         instruction=instruction, ids=ids)
        self.figure_prefix = topic.figure_prefix
        self.figures: dict[str, str] = {}
        # A topic without names must not shuffle: that would move every later number.
        if names is not None:
            self.names = list(names)
            self.rng.shuffle(self.names)

    def name(self):
        return self.names.pop()

    def attach_figure(self, page: Page, svg: str, w: int, h: int, alt: str) -> Page:
        """Attaches a figure to the page just added, named by its page id."""
        assert page is self.pages[-1] and self.figure_prefix
        name = f"{self.figure_prefix}{self.page_id(len(self.pages))}.svg"
        self.figures[name] = svg
        page.figure = (name, w, h, alt)
        return page


def papers_in_sequence(makers: list, dealer: PositionDealer, first_id: int) -> list:
    """A topic's papers made in order, each starting at the id after the last page of the one
    before, all sharing one multiple-choice dealer."""
    papers: list = []
    next_id = first_id
    for make in makers:
        papers.append(make(dealer, next_id))
        next_id = papers[-1].last_id + 1
    return papers


def build_topic(topic, makers: list, subject: str,
                root: str) -> tuple[list, dict[str, str], dict[int, list]]:
    """A whole topic: its papers made in sequence with one dealer seeded from the registry,
    then assembled and checked against the topic's id range. Returns the papers, their
    files and every page's blanks by id."""
    papers = papers_in_sequence(makers, PositionDealer(seed=topic.seed), topic.first_id)
    files, by_id = assemble_topic(papers, subject, os.path.join(root, subject),
                                  topic.first_id, topic.last_id)
    return papers, files, by_id


def assemble_topic(papers: list, subject: str, subject_folder: str, first_id: int,
                   last_id: int) -> tuple[dict[str, str], dict[int, list]]:
    """The files of a topic's papers and their figures, after checking that the papers' ids run
    on from first_id without a gap (within a paper, a jump its explicit id list makes is
    accepted) and end by last_id, that no question repeats one elsewhere in the subject, and
    that no figure uses what the page renderer ignores. Also returns every page's blanks by
    question id, for checking fixed rows."""
    own = {f"{p.key}.paper" for p in papers}
    unique = UniqueTexts(subject_folder, own)
    files: dict[str, str] = {}
    by_id: dict[int, list] = {}
    next_id = first_id
    for p in papers:
        assert p.first_id == next_id, (p.key, p.first_id, next_id)
        next_id = p.last_id + 1
        unique.add_paper(p)
        for n, page in enumerate(p.pages, 1):
            by_id[p.page_id(n)] = page.blanks
        files[os.path.join(subject, f"{p.key}.paper")] = p.render()
        for name, svg in getattr(p, "figures", {}).items():
            assert "<style" not in svg and "class=" not in svg and "marker" not in svg, name
            files[os.path.join(subject, "figures", name)] = svg
    assert next_id - 1 <= last_id, next_id - 1
    return files, by_id


def paper_summary(files: dict[str, str]) -> str:
    """One line a paper: pages, ids, blanks, marks, blanks of each type and the spread of
    multiple-choice keys, for a glance after writing."""
    out = []
    for rel in sorted(files):
        if not rel.endswith(".paper"):
            continue
        lines = files[rel].splitlines()
        blanks = [line.split(" ", 3) for line in lines if line.startswith("@blank ")]
        types = [b[1] for b in blanks]
        q = [b[3] for b in blanks if b[1] == "Q"]
        ids = [int(line.split()[1]) for line in lines if line.startswith("@page ")]
        out.append(f"{os.path.basename(rel)}: {len(ids)} pages ({ids[0]}-{ids[-1]}), "
                   f"{len(blanks)} blanks, {sum(int(b[2]) for b in blanks)} marks, "
                   + " ".join(f"{t}:{types.count(t)}" for t in "QTNFXMG" if t in types)
                   + ", choice keys " + " ".join(f"{k}:{q.count(k)}" for k in "1234"))
    return "\n".join(out)


def run_generator(description: str, build, root: str, summary=paper_summary,
                  argv: list[str] | None = None) -> int:
    """The command line every topic generator shares: write the papers, or with --check
    regenerate them into a temporary folder and report any committed file that differs."""
    import argparse
    import tempfile
    ap = argparse.ArgumentParser(description=description)
    ap.add_argument("--check", action="store_true",
                    help="regenerate into a temporary folder and compare")
    ap.add_argument("--root", default=root, help="repository root to write into")
    args = ap.parse_args(argv)
    files = build()
    if args.check:
        with tempfile.TemporaryDirectory() as tmp:
            write_files(files, tmp)
            bad = []
            for rel in sorted(files):
                with open(os.path.join(tmp, rel), "rb") as f:
                    fresh = f.read()
                try:
                    with open(os.path.join(args.root, rel), "rb") as f:
                        committed = f.read()
                except OSError:
                    committed = None
                if fresh != committed:
                    bad.append(rel)
        stale = stale_figures(files, args.root)
        for rel in bad:
            print(f"differs from the generator: {rel}", file=sys.stderr)
        for rel in stale:
            print(f"a figure the generator no longer draws: {rel}", file=sys.stderr)
        return 1 if bad or stale else 0
    for rel in stale_figures(files, args.root):
        os.remove(os.path.join(args.root, rel))
    write_files(files, args.root)
    print(summary(files))
    return 0


def stale_figures(files: dict[str, str], root: str) -> list[str]:
    """Figure files on disk that carry this generator's name prefixes ("area-", "solid-") but
    that it does not write: left behind when pages move to other ids."""
    figures = [rel for rel in files if os.path.basename(os.path.dirname(rel)) == "figures"]
    if not figures:
        return []
    folder = os.path.dirname(figures[0])
    prefixes = {os.path.basename(rel).split("-")[0] + "-" for rel in figures}
    try:
        names = sorted(os.listdir(os.path.join(root, folder)))
    except OSError:
        return []
    return [os.path.join(folder, n) for n in names
            if any(n.startswith(p) for p in prefixes) and os.path.join(folder, n) not in files]


def write_files(files: dict[str, str], root: str) -> None:
    """files maps paths relative to root to their text; written with LF."""
    for rel in sorted(files):
        path = os.path.join(root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(files[rel])
