"""Worked answers for the area, solids and mock papers: a calculation written out
step by step, and the explanation of a multiple-choice page named by its option.

The text is what a pupil reads after practice: × and ÷ for the operations, a plain
hyphen for minus (the answer window shows Windows-1252 only), thousands with commas.
"""

from __future__ import annotations

import ast
from fractions import Fraction

from mathgen.paperlib import fmt

_SIGN = {ast.Add: "+", ast.Sub: "-", ast.Mult: "×", ast.Div: "÷", ast.FloorDiv: "÷"}
_RANK = {ast.Add: 1, ast.Sub: 1, ast.Mult: 2, ast.Div: 2, ast.FloorDiv: 2}


def number(v) -> str:
    """A whole number with commas, or a short decimal (2.5, 0.125)."""
    v = Fraction(v)
    if v.denominator == 1:
        return fmt(v.numerator)
    places = 1
    while (v * 10 ** places).denominator != 1:
        places += 1
        assert places < 8, v
    text = f"{float(v):.{places}f}"
    assert Fraction(text) == v, v
    whole, _, dec = text.partition(".")
    return f"{fmt(int(whole))}.{dec}"


def _value(node) -> Fraction:
    if isinstance(node, ast.Constant):
        return Fraction(node.value)
    a, b = _value(node.left), _value(node.right)
    op = type(node.op)
    if op in (ast.Div, ast.FloorDiv):
        assert b and (op is ast.Div or (a / b).denominator == 1), ast.unparse(node)
        return a / b
    return {ast.Add: a + b, ast.Sub: a - b, ast.Mult: a * b}[op]


def _text(node, outer: int = 0, right: bool = False, times: bool = False) -> str:
    if isinstance(node, ast.Constant):
        return number(node.value)
    op = type(node.op)
    rank = _RANK[op]
    inner = (f"{_text(node.left, rank, times=op is ast.Mult)} {_SIGN[op]} "
             f"{_text(node.right, rank, True, op is ast.Mult)}")
    # Brackets when the operation binds less tightly than the one around it, when
    # it stands on the right of one of the same rank, and round a division that is
    # then multiplied (a pupil reads (48 ÷ 4) × 12 more easily than 48 ÷ 4 × 12).
    if (rank < outer or (right and rank == outer)
            or (times and op in (ast.Div, ast.FloorDiv))):
        return f"({inner})"
    return inner


def _reduce(node):
    """Works out every operation whose two sides are already numbers."""
    if isinstance(node, ast.Constant):
        return node
    if isinstance(node.left, ast.Constant) and isinstance(node.right, ast.Constant):
        return ast.Constant(_value(node))
    return ast.BinOp(_reduce(node.left), node.op, _reduce(node.right))


def steps(expr: str) -> str:
    """'2 * (15 + 10)' -> '2 × (15 + 10) = 2 × 25 = 50': each line of working
    does every sum that is ready, until one number is left."""
    node = ast.parse(expr, mode="eval").body
    out = [_text(node)]
    while not isinstance(node, ast.Constant):
        node = _reduce(node)
        out.append(_text(node))
    return " = ".join(out)


def value(expr: str) -> Fraction:
    """The number `steps` ends on."""
    return _value(ast.parse(expr, mode="eval").body)


def a_(n) -> str:
    """'a 6' or 'an 8': the article before a number said aloud."""
    said = number(n)
    vowel = said.startswith("8") or said in ("11", "18", "11,000", "18,000")
    return ("an " if vowel else "a ") + said


def option(page) -> str:
    """'(3) a burning candle': the right option of a multiple-choice page."""
    pos = int(page.blanks[0].key)
    return f"({pos}) {page.options[pos - 1]}"


def explain_choice(page, why) -> None:
    """Writes the worked answer of a multiple-choice page once its option is dealt:
    `why(opt)` gets the right option as '(3) text'."""
    assert [b.type for b in page.blanks] == ["Q"]
    page.blanks[0].explain = why(option(page))


def named(opt: str, why: str) -> str:
    """A multiple-choice explanation as every topic writes it: the right option's number
    and text first, then the reason ('(3) 24 cm²: area = 8 × 3 = 24 cm².')."""
    first = why.split(" ", 1)[0]
    # A sentence's first word loses its capital after the colon; a number, a unit or a
    # name written in capitals keeps it.
    if first[:1].isupper() and not first[1:2].isupper():
        why = why[0].lower() + why[1:]
    return f"{opt}: {why}"


def with_unit(answer: str, v) -> str:
    """The answer as the page's answer line shows it: '26 cm', '£315', '12 tiles'."""
    if "£" in answer:
        return f"£{number(v)}"
    unit = answer.split("______", 1)[1].strip()
    return f"{number(v)} {unit}".strip()
