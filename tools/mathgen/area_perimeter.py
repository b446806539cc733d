#!/usr/bin/env python3
"""Mathematics topic 5, "Area and Perimeter": writes papers 121 to 125.

    python3 tools/mathgen/area_perimeter.py           # write the papers and figures
    python3 tools/mathgen/area_perimeter.py --check   # compare with the files

Every shape is drawn to scale from the same side lengths its keys are worked
out from. Each key is then checked a second way: an area by the shoelace
formula over the drawn corner points (or by counting grid squares), a
perimeter by walking round the drawn outline. Word problems without a figure
are checked against a drawn-out version of the same shape (a rectangle's corner
points, or a grid of unit squares), or by searching every whole-number case.
"""

from __future__ import annotations

import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen import figures  # noqa: E402
from mathgen.figures import r1  # noqa: E402
from mathgen.registry import by_name  # noqa: E402
from mathgen.worked import a_, explain_choice, named, steps, value, with_unit  # noqa: E402
from mathgen.paperlib import (  # noqa: E402
    TopicPaper,
    build_topic,
    run_generator,
    factors, fmt, words,
    Blank, Fraction, NUMBER_ONLY, Page, PositionDealer,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("area_perimeter")

INSTRUCTION = ("In the answer sheet, write every answer as a number only, with no "
               "units and no £ sign (for 24 cm², write 24). For a multiple-choice "
               "question, write the number of the correct option (1, 2, 3 or 4).")

BLACK, BLUE, GREY, FILL = "#000000", "#1d4f91", "#b8c4d0", "#eef3fa"
SQ = "\u00b2"


# ---------------------------------------------------------------------------
# Drawing

class Svg(figures.Svg):
    polygon_fill = FILL
    polygon_dash = "8,6"


def shoelace(pts) -> Fraction:
    s = sum(Fraction(pts[i][0]) * pts[(i + 1) % len(pts)][1]
            - Fraction(pts[(i + 1) % len(pts)][0]) * pts[i][1] for i in range(len(pts)))
    return abs(s) / 2


def walk(pts) -> int:
    """The length round a rectilinear outline, side by side."""
    total = 0
    for i in range(len(pts)):
        a, b = pts[i], pts[(i + 1) % len(pts)]
        assert a[0] == b[0] or a[1] == b[1]
        total += abs(a[0] - b[0]) + abs(a[1] - b[1])
    return total


def outline_figure(pts, labels, unit, w=440, h=280, right=(), dashed=None, inside=()):
    """A shape from corner points in units (y down), drawn to scale. labels
    maps a side index i (from pts[i] to pts[i+1]) to the length printed beside
    it, which must be that side's true length. Sides in `inside` carry their
    label inside the shape, to keep it clear of a neighbouring label."""
    xs = [p[0] for p in pts] + ([p[0] for p in dashed] if dashed else [])
    ys = [p[1] for p in pts] + ([p[1] for p in dashed] if dashed else [])
    span_x, span_y = max(xs) - min(xs), max(ys) - min(ys)
    k = min((w - 150) / span_x, (h - 90) / span_y)
    ox = (w - span_x * k) / 2 - min(xs) * k
    oy = (h - span_y * k) / 2 - min(ys) * k
    P = [(ox + x * k, oy + y * k) for x, y in pts]
    s = Svg(w, h)
    if dashed:
        s.polygon([(ox + x * k, oy + y * k) for x, y in dashed], fill="none",
                  colour="#7a8794", width=2, dash=True)
    s.polygon(P)
    n = len(pts)
    # Which way is outside: the polygon is listed clockwise on the page.
    area2 = sum(P[i][0] * P[(i + 1) % n][1] - P[(i + 1) % n][0] * P[i][1]
                for i in range(n))
    sign = 1 if area2 > 0 else -1
    for i, text in labels.items():
        a, b = pts[i], pts[(i + 1) % n]
        length = abs(a[0] - b[0]) + abs(a[1] - b[1])
        # A number must be the side's true length; "?" marks an unknown side.
        assert text == length or text == "?", (pts, i, text)
        A, B = P[i], P[(i + 1) % n]
        dx, dy = B[0] - A[0], B[1] - A[1]
        d = (dx * dx + dy * dy) ** 0.5
        nx, ny = sign * dy / d, -sign * dx / d
        if i in inside:
            nx, ny = -nx, -ny
        off = 16 if abs(ny) > 0.5 else 12
        anchor = "middle" if abs(nx) < 0.5 else ("start" if nx > 0 else "end")
        mid = ((A[0] + B[0]) / 2 + nx * off, (A[1] + B[1]) / 2 + ny * off)
        s.text(mid, f"{text} {unit}" if text != "?" else "?", 16 if text != "?" else 20,
               anchor, BLUE)
    for i in right:
        p, a, b = P[i], P[i - 1], P[(i + 1) % n]
        def unit_v(q):
            dd = ((q[0] - p[0]) ** 2 + (q[1] - p[1]) ** 2) ** 0.5
            return ((q[0] - p[0]) / dd * 12, (q[1] - p[1]) / dd * 12)
        u, v = unit_v(a), unit_v(b)
        s.items.append(f'<path d="M {r1(p[0] + u[0])} {r1(p[1] + u[1])} L '
                       f'{r1(p[0] + u[0] + v[0])} {r1(p[1] + u[1] + v[1])} L '
                       f'{r1(p[0] + v[0])} {r1(p[1] + v[1])}" fill="none" '
                       f'stroke="{BLACK}" stroke-width="1.5"/>')
    return s.render()


def rect_pts(w, h):
    return [(0, 0), (w, 0), (w, h), (0, h)]


def l_pts(W, H, cw, ch):
    """An L-shape: a W by H rectangle with a cw by ch piece cut from the
    top right corner."""
    assert 0 < cw < W and 0 < ch < H
    return [(0, 0), (W - cw, 0), (W - cw, ch), (W, ch), (W, H), (0, H)]


def grid_figure(rows: list[str], cell=30) -> str:
    ny, nx = len(rows) + 2, len(rows[0]) + 2
    s = Svg(nx * cell + 20, ny * cell + 20)
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            if c == "#":
                s.rect(10 + (x + 1) * cell, 10 + (y + 1) * cell, cell, cell, "#7aa6d8",
                       BLUE, 1)
    for k in range(nx + 1):
        s.line((10 + k * cell, 10), (10 + k * cell, 10 + ny * cell), 1, GREY)
    for k in range(ny + 1):
        s.line((10, 10 + k * cell), (10 + nx * cell, 10 + k * cell), 1, GREY)
    return s.render()


def grid_area(rows) -> int:
    return sum(row.count("#") for row in rows)


def grid_perimeter(rows) -> int:
    def on(x, y):
        return 0 <= y < len(rows) and 0 <= x < len(rows[y]) and rows[y][x] == "#"
    return sum(1 for y, row in enumerate(rows) for x, c in enumerate(row) if c == "#"
               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)) if not on(x + dx, y + dy))


# ---------------------------------------------------------------------------
# Papers

class Builder(TopicPaper):
    def __init__(self, key: int, first_id: int, dealer: PositionDealer):
        super().__init__(TOPIC, key, first_id, dealer, seed_factor=4483,
                         instruction=INSTRUCTION)

    def draw(self, page: Page, svg: str, alt: str) -> Page:
        m = re.search(r'<svg[^>]* width="(\d+)" height="(\d+)"', svg)
        return self.attach_figure(page, svg, int(m[1]), int(m[2]), alt)


def n_(key, why: str = "") -> Blank:
    key = Fraction(key)
    assert key >= 0 and key.denominator == 1, key
    return Blank("N", 1, str(key.numerator), why)


def w_(expr: str, lead: str, unit: str) -> Blank:
    """A number blank whose key is the value of `expr`, worked out step by step."""
    return n_(value(expr), f"{lead} {steps(expr)} {unit}.".replace(" .", "."))


def choose(P, stem, right, wrong, rng, why):
    """P.choice, then the worked answer `why(opt)` once the right option's place is dealt."""
    page = P.choice(stem, right, wrong, rng)
    explain_choice(page, why)
    return page


def rect_word(w, h):
    return "square" if w == h else "rectangle"


# -- rectangles and squares -------------------------------------------------

def t_rect(P: Builder, w, h, unit, ask=("p", "a")):
    pts = rect_pts(w, h)
    labels = {0: w, 1: h} if w != h else {0: w}
    svg = outline_figure(pts, labels, unit, right=(0, 1, 2, 3))
    shape = rect_word(w, h)
    per, area = walk(pts), shoelace(pts)
    assert per == 2 * (w + h) and area == w * h
    if w == h:
        why_p = f"All four sides are {w} {unit}, so the perimeter is 4 × {w} = {per} {unit}."
    else:
        why_p = (f"Two lengths and two widths: perimeter = 2 × ({w} + {h}) = 2 × {w + h} = "
                 f"{per} {unit}.")
    if w == h:
        why_a = f"Area = side × side = {w} × {h} = {area} {unit}{SQ}."
    else:
        why_a = f"Area = length × width = {w} × {h} = {area} {unit}{SQ}."
    parts = []
    if "p" in ask:
        parts.append((f"The perimeter of the {shape} is ______ {unit}", n_(per, why_p)))
    if "a" in ask:
        parts.append((f"The area of the {shape} is ______ {unit}{SQ}", n_(area, why_a)))
    side = "all its sides are" if w == h else "it is"
    stem = (f"This {shape} is drawn to scale; {side} "
            f"{w} {unit}" + ("" if w == h else f" by {h} {unit}") + ".")
    if len(parts) == 1:
        page = P.single(stem + (" What is its perimeter?" if "p" in ask
                                else " What is its area?"),
                        parts[0][1].key, "Ans: " + parts[0][0].split(" is ", 1)[1],
                        why=parts[0][1].explain)
    else:
        page = P.parts(stem, parts)
    P.draw(page, svg, f"A {shape} {w} {unit} by {h} {unit}")


def t_rect_choice(P: Builder, w, h, unit, what):
    r = P.qrng()
    per, area = 2 * (w + h), w * h
    assert walk(rect_pts(w, h)) == per and shoelace(rect_pts(w, h)) == area
    if what == "p":
        right = f"{per} {unit}"
        wrong = [f"{area} {unit}", f"{w + h} {unit}", f"{2 * w + h} {unit}"]
        q = "perimeter"
        why = (f"Perimeter = 2 × ({w} + {h}) = {per} {unit}. {w + h} {unit} goes only "
               "halfway round.")
    else:
        right = f"{area} {unit}{SQ}"
        wrong = [f"{per} {unit}{SQ}", f"{w + h} {unit}{SQ}", f"{area * 2} {unit}{SQ}"]
        q = "area"
        why = f"Area = {w} × {h} = {area} {unit}{SQ}. {per} would be the perimeter."
    choose(P, f"A {rect_word(w, h)} measures {w} {unit} by {h} {unit}. What is its "
           f"{q}?", right, wrong, r, lambda o: named(o, why))


def encloses_a_hole(rows) -> bool:
    """True when some unshaded squares are walled in by the shape: its perimeter would then
    count the hole's edges, which a pupil going round the outside would not."""
    h, w = len(rows), max(len(r) for r in rows)
    grid = ["." * (w + 2)] + ["." + r.ljust(w, ".") + "." for r in rows] + ["." * (w + 2)]
    seen, todo = {(0, 0)}, [(0, 0)]
    while todo:
        x, y = todo.pop()
        for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if (0 <= nx < w + 2 and 0 <= ny < h + 2 and (nx, ny) not in seen
                    and grid[ny][nx] == "."):
                seen.add((nx, ny))
                todo.append((nx, ny))
    return any(c == "." and (x, y) not in seen
               for y, row in enumerate(grid) for x, c in enumerate(row))


def t_grid(P: Builder, rows, perim=False):
    area = grid_area(rows)
    svg = grid_figure(rows)
    why = (f"Count the shaded squares: there are {area}, and each is 1 cm{SQ}, so the "
           f"area is {area} cm{SQ}.")
    parts = [("The area of the shape is ______ cm" + SQ, n_(area, why))]
    if perim:
        assert not encloses_a_hole(rows), rows
        per = grid_perimeter(rows)
        parts.append(("The perimeter of the shape is ______ cm", n_(
            per, f"Go round the outside edge counting the sides of squares: there are {per}, "
                 f"each 1 cm long, so the perimeter is {per} cm.")))
    # The block the stem names is the one the shaded squares fill, not the drawn grid.
    cols = [x for row in rows for x, c in enumerate(row) if c == "#"]
    used = [y for y, row in enumerate(rows) if "#" in row]
    stem = ("The shaded shape is drawn on a grid of centimetre squares. It fits "
            f"inside a block {max(cols) - min(cols) + 1} squares wide and "
            f"{max(used) - min(used) + 1} squares tall. Each square is 1 cm" + SQ + ".")
    if perim:
        page = P.parts(stem + " Each side of a square is 1 cm.", parts)
    else:
        page = P.single(stem + " What is the area of the shaded shape?", area,
                        "Ans: ______ cm" + SQ, why=why)
    P.draw(page, svg, "A shaded shape on a grid of squares")


def t_grid_compare(P: Builder, a_rows, b_rows):
    """Two shapes side by side as one grid: how many more squares?"""
    a, b = grid_area(a_rows), grid_area(b_rows)
    assert a > b
    rows = [ra + "." + rb for ra, rb in zip(a_rows, b_rows)]
    assert grid_area(rows) == a + b
    page = P.parts("Shape A (on the left) and shape B (on the right) are drawn on a "
                   "grid of centimetre squares. Each square is 1 cm" + SQ + ".",
                   [("Area of shape A: ______ cm" + SQ,
                     n_(a, f"Shape A covers {a} squares of 1 cm{SQ}, so {a} cm{SQ}.")),
                    ("Area of shape B: ______ cm" + SQ,
                     n_(b, f"Shape B covers {b} squares of 1 cm{SQ}, so {b} cm{SQ}.")),
                    ("How many more square centimetres is shape A than shape B? ______",
                     n_(a - b, f"Take the smaller area from the larger: {a} - {b} = "
                               f"{a - b} cm{SQ}."))])
    P.draw(page, grid_figure(rows), "Two shaded shapes on a grid of squares")


def t_missing_area(P: Builder, area, side, unit, what="rectangle"):
    other = Fraction(area, side)
    assert other.denominator == 1 and other * side == area
    P.single(f"A {what} has an area of {area} {unit}{SQ}. One side is {side} {unit} "
             "long. How long is the side next to it?", int(other),
             f"Ans: ______ {unit}",
             why=f"Area = length × width, so the other side is {area} ÷ {side} = {other} "
                 f"{unit}. Check: {side} × {other} = {area}.")


def t_missing_per(P: Builder, per, side, unit):
    other = Fraction(per, 2) - side
    assert other > 0 and other.denominator == 1 and 2 * (side + other) == per
    P.single(f"A rectangle has a perimeter of {per} {unit}. One side is {side} {unit} "
             "long. How long is the side next to it?", int(other),
             f"Ans: ______ {unit}",
             why=f"One length and one width make half the perimeter: {per} ÷ 2 = "
                 f"{per // 2} {unit}. So the other side is {per // 2} - {side} = {other} {unit}.")


def t_square_from(P: Builder, value, unit, given):
    if given == "p":
        side = Fraction(value, 4)
        assert side.denominator == 1
        area = side * side
        P.parts(f"A square has a perimeter of {value} {unit}.",
                [(f"Each side is ______ {unit}", n_(
                    side, f"A square has four equal sides: {value} ÷ 4 = {side} {unit}.")),
                 (f"Its area is ______ {unit}{SQ}", n_(
                     area, f"Area = side × side = {side} × {side} = {area} {unit}{SQ}."))])
    else:
        side = next(k for k in range(1, value + 1) if k * k == value)
        P.parts(f"A square has an area of {value} {unit}{SQ}.",
                [(f"Each side is ______ {unit}", n_(
                    side, f"Which number multiplied by itself makes {value}? {side} × {side} = "
                          f"{value}, so each side is {side} {unit}.")),
                 (f"Its perimeter is ______ {unit}", n_(
                     4 * side, f"Four equal sides: 4 × {side} = {4 * side} {unit}."))])


def t_missing_fig(P: Builder, w, h, unit, given):
    """A drawn rectangle with one side marked ? and the area or perimeter given."""
    pts = rect_pts(w, h)
    svg = outline_figure(pts, {0: w, 1: "?"}, unit, right=(0, 1, 2, 3))
    if given == "a":
        area = shoelace(pts)
        assert Fraction(area, w) == h
        what = f"The area of this rectangle is {area} {unit}{SQ}."
        why = (f"Area = length × width, so divide the area by the side you know: "
               f"{area} ÷ {w} = {h} {unit}.")
    else:
        per = walk(pts)
        assert Fraction(per, 2) - w == h
        what = f"The perimeter of this rectangle is {per} {unit}."
        why = (f"Half the perimeter, {per} ÷ 2 = {per // 2} {unit}, is one long side and one "
               f"short side. So the side marked ? is {per // 2} - {w} = {h} {unit}.")
    page = P.single(f"{what} What is the length of the side marked with a question mark?", h,
                    f"Ans: ______ {unit}", why=why)
    P.draw(page, svg, f"A rectangle with one side {w} {unit} and the other marked ?")


# -- composite shapes -------------------------------------------------------

def t_lshape(P: Builder, W, H, cw, ch, unit, ask=("a", "p"), all_sides=True):
    pts = l_pts(W, H, cw, ch)
    labels = {0: W - cw, 1: ch, 2: cw, 3: H - ch, 4: W, 5: H} if all_sides else \
        {0: W - cw, 3: H - ch, 4: W, 5: H}
    svg = outline_figure(pts, labels, unit, right=(0, 1, 3, 4, 5), inside=(2,))
    area = W * H - cw * ch
    assert area == (W - cw) * H + cw * (H - ch) == shoelace(pts)
    per = walk(pts)
    assert per == 2 * (W + H)
    a1, a2 = (W - cw) * H, cw * (H - ch)
    if all_sides:
        why_a = (f"Split it into two rectangles: {W - cw} × {H} = {a1} and {cw} × {H - ch} "
                 f"= {a2}. Together {a1} + {a2} = {area} {unit}{SQ}.")
        why_p = (f"Add all six sides: {W - cw} + {ch} + {cw} + {H - ch} + {W} + {H} = "
                 f"{per} {unit}.")
    else:
        why_a = (f"Split it: the left part is {W - cw} × {H} = {a1}. The right part is "
                 f"{W} - {W - cw} = {cw} wide and {H - ch} tall: {cw} × {H - ch} = {a2}. "
                 f"{a1} + {a2} = {area} {unit}{SQ}.")
        why_p = (f"The short steps add up to the full width and height, so the perimeter "
                 f"is the same as {a_(W)} by {H} rectangle's: 2 × ({W} + {H}) = {per} {unit}.")
    parts = []
    if "a" in ask:
        parts.append((f"The area of the shape is ______ {unit}{SQ}", n_(area, why_a)))
    if "p" in ask:
        parts.append((f"The perimeter of the shape is ______ {unit}", n_(per, why_p)))
    stem = (f"This shape is made of rectangles. It is {W} {unit} wide and {H} {unit} "
            "tall, and all its corners are right angles.")
    if len(parts) == 1:
        q = " What is its area?" if "a" in ask else " What is its perimeter?"
        page = P.single(stem + q, parts[0][1].key,
                        "Ans: " + parts[0][0].split(" is ", 1)[1], why=parts[0][1].explain)
    else:
        page = P.parts(stem, parts)
    P.draw(page, svg, "An L-shaped shape with its side lengths marked")


def t_lshape_choice(P: Builder, W, H, cw, ch, unit):
    r = P.qrng()
    pts = l_pts(W, H, cw, ch)
    area = shoelace(pts)
    right = f"{area} {unit}{SQ}"
    # Forgetting the cut-out corner, giving the perimeter, and using the
    # wrong height for the second rectangle.
    wrong = [f"{W * H} {unit}{SQ}", f"{walk(pts)} {unit}{SQ}",
             f"{(W - cw) * H + cw * ch} {unit}{SQ}"]
    a1, a2 = (W - cw) * H, cw * (H - ch)
    why = (f"Split it into {W - cw} × {H} = {a1} and {cw} × {H - ch} = {a2}, and {a1} + {a2} "
           f"= {area} {unit}{SQ}. {W * H} forgets the missing corner.")
    page = choose(P, f"This shape is made of rectangles. It is {W} {unit} wide and "
                  f"{H} {unit} tall. What is its area?", right,
                  wrong, r, lambda o: named(o, why))
    svg = outline_figure(pts, {0: W - cw, 1: ch, 2: cw, 3: H - ch, 4: W, 5: H}, unit,
                         right=(0, 1, 3, 4, 5), inside=(2,))
    P.draw(page, svg, "An L-shaped shape with its side lengths marked")


# -- triangles ----------------------------------------------------------------

def t_triangle(P: Builder, b, h, unit, show_rect=True):
    pts = [(0, 0), (0, h), (b, h)]
    area = Fraction(b * h, 2)
    assert area.denominator == 1 and area == shoelace(pts)
    svg = outline_figure(pts, {0: h, 1: b}, unit, right=(1,),
                         dashed=rect_pts(b, h) if show_rect else None)
    if show_rect:
        stem = (f"The right-angled triangle is half of the dashed rectangle, which "
                f"is {b} {unit} by {h} {unit}. What is the area of the triangle?")
    else:
        stem = (f"The sides next to the right angle of this triangle are {b} {unit} "
                f"and {h} {unit}. What is the area of the triangle?")
    page = P.single(stem, int(area), f"Ans: ______ {unit}{SQ}",
                    why=f"The triangle is half of {a_(b)} {unit} by {h} {unit} rectangle: "
                        f"{b} × {h} ÷ 2 = {b * h} ÷ 2 = {area} {unit}{SQ}.")
    P.draw(page, svg, f"A right-angled triangle with sides {b} {unit} and {h} {unit} "
           "next to the right angle")


def t_triangle_choice(P: Builder, b, h, unit):
    r = P.qrng()
    area = Fraction(b * h, 2)
    assert area.denominator == 1
    right = f"{area} {unit}{SQ}"
    why = (f"The triangle is half of {a_(b)} {unit} by {h} {unit} rectangle, so {b} × {h} ÷ 2 = "
           f"{area} {unit}{SQ}. {b * h} forgets to halve.")
    choose(P, f"A right-angled triangle has the two sides next to its right angle "
           f"{b} {unit} and {h} {unit}. What is its area?", right,
           [f"{b * h} {unit}{SQ}", f"{b + h} {unit}{SQ}", f"{2 * (b + h)} {unit}{SQ}"], r,
           lambda o: named(o, why))


# -- words ----------------------------------------------------------------------

def t_word(P: Builder, text, expr, answer, lead):
    """A word problem whose key is the value of `expr`; the worked answer is `lead`
    and the calculation step by step."""
    key = value(expr)
    assert key.denominator == 1, expr
    P.single(text, int(key), answer,
             why=f"{lead} {steps(expr)}, so {with_unit(answer, key)}.")


def t_word_parts(P: Builder, text, parts):
    P.parts(text, parts)


def t_which(P: Builder, stem, right, wrong, why):
    choose(P, stem, right, wrong, P.qrng(), lambda o: named(o, why))


# -- shapes with sloping sides ------------------------------------------------

def _length(a, b) -> float:
    return ((a[0] - b[0]) ** 2 + (a[1] - b[1]) ** 2) ** 0.5


def slant_figure(pts, labels, unit, dashes=(), w=440, h=280, right=()):
    """A shape with sloping sides from corner points in units (y down), drawn to
    scale. labels maps a side index to the length printed beside it, which must
    be that side's true length. dashes are dashed lines (a, b, label, mark): a
    height from a corner a down to its foot b, with a right-angle mark at b on the
    side `mark` (1 right, -1 left) and the label, the height's true length, on the
    other side; or, with label None, a dashed extension of a side."""
    allp = list(pts) + [p for d in dashes for p in d[:2]]
    xs, ys = [p[0] for p in allp], [p[1] for p in allp]
    span_x, span_y = max(xs) - min(xs), max(ys) - min(ys)
    k = min((w - 150) / span_x, (h - 90) / span_y)
    ox = (w - span_x * k) / 2 - min(xs) * k
    oy = (h - span_y * k) / 2 - min(ys) * k

    def at(p):
        return (ox + p[0] * k, oy + p[1] * k)

    P = [at(p) for p in pts]
    n = len(pts)
    s = Svg(w, h)
    s.polygon(P)
    area2 = sum(P[i][0] * P[(i + 1) % n][1] - P[(i + 1) % n][0] * P[i][1]
                for i in range(n))
    sign = 1 if area2 > 0 else -1
    for i, text in labels.items():
        assert abs(_length(pts[i], pts[(i + 1) % n]) - text) < 1e-9, (pts, i, text)
        A, B = P[i], P[(i + 1) % n]
        dx, dy = B[0] - A[0], B[1] - A[1]
        d = (dx * dx + dy * dy) ** 0.5
        nx, ny = sign * dy / d, -sign * dx / d
        off = 16 if abs(ny) > 0.5 else 12
        anchor = "middle" if abs(nx) < 0.5 else ("start" if nx > 0 else "end")
        s.text(((A[0] + B[0]) / 2 + nx * off, (A[1] + B[1]) / 2 + ny * off),
               f"{text} {unit}", 16, anchor, BLUE)
    for a, b, text, mark in dashes:
        A, B = at(a), at(b)
        s.line(A, B, 2, "#7a8794", dash=True)
        if text is None:
            continue
        assert abs(_length(a, b) - text) < 1e-9, (a, b, text)
        d = _length(A, B)
        u = ((A[0] - B[0]) / d * 12, (A[1] - B[1]) / d * 12)
        v = (12 * mark, 0)
        s.items.append(f'<path d="M {r1(B[0] + u[0])} {r1(B[1] + u[1])} L '
                       f'{r1(B[0] + u[0] + v[0])} {r1(B[1] + u[1] + v[1])} L '
                       f'{r1(B[0] + v[0])} {r1(B[1] + v[1])}" fill="none" '
                       f'stroke="{BLACK}" stroke-width="1.5"/>')
        side = -mark
        s.text(((A[0] + B[0]) / 2 + side * 8, (A[1] + B[1]) / 2), f"{text} {unit}", 16,
               "end" if side < 0 else "start", BLUE)
    for i in right:
        p, a, b = P[i], P[i - 1], P[(i + 1) % n]
        u = ((a[0] - p[0]) / _length(a, p) * 12, (a[1] - p[1]) / _length(a, p) * 12)
        v = ((b[0] - p[0]) / _length(b, p) * 12, (b[1] - p[1]) / _length(b, p) * 12)
        s.items.append(f'<path d="M {r1(p[0] + u[0])} {r1(p[1] + u[1])} L '
                       f'{r1(p[0] + u[0] + v[0])} {r1(p[1] + u[1] + v[1])} L '
                       f'{r1(p[0] + v[0])} {r1(p[1] + v[1])}" fill="none" '
                       f'stroke="{BLACK}" stroke-width="1.5"/>')
    return s.render()


def t_parallelogram(P: Builder, b, hgt, off, unit, choice=False):
    """A parallelogram leaning right by `off` units, its base, height and sloping
    side marked; the area is base times height, not base times sloping side."""
    pts = [(off, 0), (off + b, 0), (b, hgt), (0, hgt)]
    slope = (off * off + hgt * hgt) ** 0.5
    assert slope == int(slope)
    slope = int(slope)
    area = b * hgt
    # Cut the triangle off the left end and move it to the right: a b by hgt rectangle.
    assert shoelace(pts) == area == shoelace(rect_pts(b, hgt))
    svg = slant_figure(pts, {2: b, 3: slope}, unit, dashes=[((off, 0), (off, hgt), hgt, -1)])
    stem = (f"This parallelogram has a base of {b} {unit} and sloping sides of {slope} "
            f"{unit}. Its height, shown by the dashed line, is {hgt} {unit}. "
            "What is its area?")
    if choice:
        # Base times sloping side, halving as for a triangle, and the perimeter.
        wrong = [f"{b * slope} {unit}{SQ}", f"{Fraction(area, 2)} {unit}{SQ}",
                 f"{2 * (b + slope)} {unit}{SQ}"]
        assert Fraction(area, 2).denominator == 1
        page = choose(P, stem, f"{area} {unit}{SQ}", wrong, P.qrng(),
                      lambda o: f"{o}: area = base × height = {b} × {hgt} = {area} {unit}{SQ}. "
                                f"The sloping side, {slope} {unit}, is not the height.")
    else:
        page = P.single(stem, area, f"Ans: ______ {unit}{SQ}",
                        why=f"Cut the triangle off one end and move it to the other: that "
                            f"makes {a_(b)} by {hgt} rectangle. Area = base × height = {b} × "
                            f"{hgt} = {area} {unit}{SQ}.")
    P.draw(page, svg, f"A parallelogram with base {b} {unit}, sloping sides {slope} {unit} "
           f"and height {hgt} {unit}")


def t_triangle_height(P: Builder, b, hgt, ax, unit):
    """A triangle on a base of b with its top corner ax along from the base's left
    end: inside the base the height falls on it, beyond it the base is extended."""
    pts = [(0, hgt), (b, hgt), (ax, 0)]
    area = Fraction(b * hgt, 2)
    assert area.denominator == 1 and shoelace(pts) == area
    labels = {0: b}
    for i in (1, 2):
        ln = _length(pts[i], pts[(i + 1) % 3])
        if ln == int(ln):
            labels[i] = int(ln)
    assert len(labels) == 2, labels          # one sloping side marked, to tempt
    # The right-angle mark goes on the narrower side of the height (towards the
    # extension when the height falls outside), its label on the roomier side.
    dashes = [((ax, 0), (ax, hgt), hgt, 1 if 2 * ax > b else -1)]
    if ax > b:
        dashes[0] = ((ax, 0), (ax, hgt), hgt, -1)
        dashes.append(((b, hgt), (ax, hgt), None, 0))
    svg = slant_figure(pts, labels, unit, dashes=dashes)
    side = next(v for i, v in labels.items() if i)
    where = ("The dashed line shows its height" if ax <= b else
             "Its base has been extended with a dashed line, and the dashed line from "
             "the top corner shows its height")
    stem = (f"This triangle has a base of {b} {unit} and one side of {side} {unit}. "
            f"{where}, {hgt} {unit}. What is the area of the triangle?")
    page = P.single(stem, int(area), f"Ans: ______ {unit}{SQ}",
                    why=f"Area of a triangle = base × height ÷ 2 = {b} × {hgt} ÷ 2 = {area} "
                        f"{unit}{SQ}. The sloping side, {side} {unit}, is not the height.")
    P.draw(page, svg, f"A triangle with base {b} {unit} and height {hgt} {unit}")


def t_house(P: Builder, W, wall, roof, unit):
    """A rectangle with a triangle standing on its top side, like the end of a shed."""
    assert W % 2 == 0
    pts = [(W // 2, 0), (W, roof), (W, roof + wall), (0, roof + wall), (0, roof)]
    rect, tri = W * wall, Fraction(W * roof, 2)
    area = rect + tri
    assert area.denominator == 1 and shoelace(pts) == area
    svg = slant_figure(pts, {1: wall, 2: W}, unit,
                       dashes=[((0, roof), (W, roof), None, 0),
                               ((W // 2, 0), (W // 2, roof), roof, 1)], right=(2, 3))
    page = P.single(f"The end wall of a shed is a rectangle {W} {unit} wide and {wall} "
                    f"{unit} tall with a triangle on top. The top of the triangle is "
                    f"{roof} {unit} above the dashed line. What is the area of the whole "
                    "end wall?", int(area), f"Ans: ______ {unit}{SQ}",
                    why=f"Rectangle: {W} × {wall} = {rect}. Triangle: {W} × {roof} ÷ 2 = "
                        f"{tri}. "
                        f"Together {rect} + {tri} = {area} {unit}{SQ}.")
    P.draw(page, svg, "A rectangle with a triangle on top, with its measurements marked")


def t_frame(P: Builder, W, H, w, h, unit):
    """A rectangular frame: a W by H rectangle with a w by h hole in the middle."""
    assert (W - w) % 2 == 0 and (H - h) % 2 == 0
    t = (W - w) // 2
    outer, inner = rect_pts(W, H), [(x + t, y + (H - h) // 2) for x, y in rect_pts(w, h)]
    area = shoelace(outer) - shoelace(inner)
    # Four strips: two full-width ones along the top and bottom, two between them.
    strips = 2 * W * ((H - h) // 2) + 2 * t * h
    assert area == strips
    s = Svg(440, 280)
    k = min(290 / W, 190 / H)
    ox, oy = (440 - W * k) / 2, (280 - H * k) / 2

    def at(p):
        return (ox + p[0] * k, oy + p[1] * k)

    s.polygon([at(p) for p in outer])
    s.polygon([at(p) for p in inner], fill="#ffffff")
    s.text((220, oy - 16), f"{W} {unit}", 16, "middle", BLUE)
    s.text((ox - 12, 140), f"{H} {unit}", 16, "end", BLUE)
    ix, iy = at(inner[0])
    s.text((220, iy + 16), f"{w} {unit}", 16, "middle", BLUE)
    s.text((ix + 8, 140 + 12), f"{h} {unit}", 16, "start", BLUE)
    page = P.single(f"A picture frame is a rectangle {W} {unit} wide and {H} {unit} tall. "
                    f"It has a rectangular hole {w} {unit} wide and {h} {unit} tall in the "
                    "middle. What is the area of the frame itself, not counting the hole?",
                    int(area), f"Ans: ______ {unit}{SQ}",
                    why=f"The whole rectangle is {W} × {H} = {W * H} and the hole {w} × {h} "
                        f"= {w * h}. The frame is {W * H} - {w * h} = {area} {unit}{SQ}.")
    P.draw(page, s.render(), "A rectangular frame with a rectangular hole in the middle")


def t_path_round(P: Builder, w, h, pw, unit):
    """A path of width pw all the way round a w by h pond."""
    W, H = w + 2 * pw, h + 2 * pw
    area = W * H - w * h
    strips = 2 * (w * pw) + 2 * (h * pw) + 4 * pw * pw     # sides and corners
    assert area == strips == shoelace(rect_pts(W, H)) - shoelace(rect_pts(w, h))
    s = Svg(440, 280)
    k = min(290 / W, 190 / H)
    ox, oy = (440 - W * k) / 2, (280 - H * k) / 2
    s.polygon([(ox + x * k, oy + y * k) for x, y in rect_pts(W, H)], fill="#d9d4c7")
    s.polygon([(ox + (x + pw) * k, oy + (y + pw) * k) for x, y in rect_pts(w, h)],
              fill="#cfe3f5")
    s.text((220, oy + (pw + 0.9) * k), f"{w} {unit}", 16, "middle", BLUE)
    s.text((ox + (pw + 0.3) * k, 140), f"{h} {unit}", 16, "start", BLUE)
    s.text((ox + W * k - 6, oy + pw * k / 2), f"path {pw} {unit} wide", 14, "end", BLACK)
    page = P.parts(f"A rectangular pond is {w} {unit} long and {h} {unit} wide. A path "
                   f"{pw} {unit} wide goes all the way round the pond.",
                   [(f"The pond and path together make a rectangle ______ {unit} long",
                     n_(W, f"The path adds {pw} {unit} at each end: {w} + {pw} + {pw} = {W} "
                           f"{unit}.")),
                    (f"The pond and path together make a rectangle ______ {unit} wide",
                     n_(H, f"The path adds {pw} {unit} on each side: {h} + {pw} + {pw} = {H} "
                           f"{unit}.")),
                    (f"The area of the path is ______ {unit}{SQ}", n_(
                        area, f"Pond and path: {W} × {H} = {W * H}. Pond: {w} × {h} = "
                              f"{w * h}. Path: {W * H} - {w * h} = {area} {unit}{SQ}."))])
    P.draw(page, s.render(), "A rectangular pond with a path all the way round it")


def t_ushape(P: Builder, W, H, a, nw, nd, unit):
    """A W by H rectangle with a nw by nd notch cut into its top side, a from the left."""
    pts = [(0, 0), (a, 0), (a, nd), (a + nw, nd), (a + nw, 0), (W, 0), (W, H), (0, H)]
    labels = {0: a, 1: nd, 2: nw, 4: W - a - nw, 5: H, 6: W}
    svg = outline_figure(pts, labels, unit, right=(0, 5, 6, 7))
    area, per = shoelace(pts), walk(pts)
    assert area == W * H - nw * nd
    # Going round: the outside of the whole rectangle, plus both sides of the notch.
    assert per == 2 * (W + H) + 2 * nd
    page = P.parts(f"This shape is a rectangle {W} {unit} wide and {H} {unit} tall with "
                   "a rectangular gap cut into its top edge. All its corners are right "
                   "angles.", [(f"The area of the shape is ______ {unit}{SQ}", n_(
                       area, f"The whole rectangle is {W} × {H} = {W * H}; the gap is {nw} × "
                             f"{nd} = {nw * nd}. {W * H} - {nw * nd} = {area} {unit}{SQ}.")),
                       (f"The perimeter of the shape is ______ {unit}", n_(
                           per, f"Round the outside is like {a_(W)} by {H} rectangle, 2 × ({W} + "
                                f"{H}) = {2 * (W + H)}, plus the gap's two sides, 2 × {nd} = "
                                f"{2 * nd}: {2 * (W + H)} + {2 * nd} = {per} {unit}."))])
    P.draw(page, svg, "A rectangle with a rectangular gap cut into its top edge")


def t_lshape_missing(P: Builder, W, H, cw, ch, unit):
    """An L-shape with the cut's horizontal side marked ?: found from W and the top."""
    pts = l_pts(W, H, cw, ch)
    labels = {0: W - cw, 1: ch, 2: "?", 3: H - ch, 4: W, 5: H}
    svg = outline_figure(pts, labels, unit, right=(0, 1, 3, 4, 5), inside=(2,))
    missing = W - (W - cw)
    side = pts[3][0] - pts[2][0]
    assert missing == side
    per = walk(pts)
    assert per == (W - cw) + ch + missing + (H - ch) + W + H == 2 * (W + H)
    page = P.parts("This shape is made of rectangles and all its corners are right "
                   "angles. One side is marked with a question mark.",
                   [(f"The side marked ? is ______ {unit} long", n_(
                       missing, f"The two top edges make the full width of {W} {unit}: "
                                f"{W} - {W - cw} = {missing} {unit}.")),
                    (f"The perimeter of the shape is ______ {unit}", n_(
                        per, f"Add all six sides: {W - cw} + {ch} + {missing} + {H - ch} + {W} "
                             f"+ {H} = {per} {unit}."))])
    P.draw(page, svg, "An L-shaped shape with one side marked ?")


def t_row_squares(P: Builder, n, s, unit):
    """n squares of side s in a row, making one long rectangle."""
    per = walk(rect_pts(n * s, s))
    # Every square's four sides, less the two sides of each join that are inside.
    assert per == 4 * s * n - 2 * s * (n - 1)
    svg = Svg(440, 200)
    k = min(320 / (n * s), 110 / s)
    ox, oy = (440 - n * s * k) / 2, (200 - s * k) / 2
    for i in range(n):
        svg.rect(ox + i * s * k, oy, s * k, s * k, FILL, BLACK, 2)
    svg.text((ox + s * k / 2, oy + s * k + 16), f"{s} {unit}", 16, "middle", BLUE)
    svg.text((ox + n * s * k + 10, oy + s * k / 2), f"{s} {unit}", 16, "start", BLUE)
    page = P.single(f"{words(n).capitalize()} squares, each with sides of {s} {unit}, "
                    "are put side by side in a row to make one long rectangle. What is "
                    "the perimeter of the long rectangle?", per, f"Ans: ______ {unit}",
                    why=f"The long rectangle is {n} × {s} = {n * s} {unit} long and {s} {unit} "
                        f"wide, so its perimeter is 2 × ({n * s} + {s}) = {per} {unit}.")
    P.draw(page, svg.render(), f"{n} equal squares side by side in a row")


REGULAR = {3: "equilateral triangle", 5: "regular pentagon", 6: "regular hexagon",
           8: "regular octagon"}


def t_regular(P: Builder, n, side, unit, given="side"):
    """The perimeter of a regular polygon from its side, or the side from it."""
    per = n * side
    assert sum([side] * n) == per
    name = REGULAR[n]
    article = "An" if name[0] in "aeiou" else "A"
    if given == "side":
        P.single(f"{article} {name} has {words(n)} equal sides, each {side} {unit} long. "
                 "What is its perimeter?", per, f"Ans: ______ {unit}",
                 why=f"{words(n).capitalize()} equal sides of {side} {unit}: {n} × {side} = "
                     f"{per} {unit}.")
    else:
        back = Fraction(per, n)
        assert back.denominator == 1 and back * n == per
        P.single(f"{article} {name} has {words(n)} equal sides. Its perimeter is {per} "
                 f"{unit}. How long is each side?", side, f"Ans: ______ {unit}",
                 why=f"All {words(n)} sides are equal, so share the perimeter between them: "
                     f"{per} ÷ {n} = {side} {unit}.")


def t_cover(P: Builder, w, h, text, answer):
    """How many unit squares cover a w by h rectangle."""
    count = w * h
    assert grid_area(["#" * w] * h) == count
    P.single(text, count, answer,
             why=f"Each slab covers 1 m{SQ}, and the area is {w} × {h} = {count} m{SQ}, so "
                 f"{with_unit(answer, count)} are needed.")


def t_edging(P: Builder, w, h, text, unit, price=None):
    """Edging all the way round a w by h rectangle; with a price for each unit of length."""
    length = sum([w, h, w, h])
    assert length == walk(rect_pts(w, h))
    if price is None:
        P.single(text, length, f"Ans: ______ {unit}",
                 why=f"All the way round means all four sides: {w} + {h} + {w} + {h} = "
                     f"{length} {unit}.")
    else:
        cost = length * price
        assert cost == sum(price for _ in range(walk(rect_pts(w, h))))
        P.single(text, cost, "Ans: £______",
                 why=f"The edge is 2 × ({w} + {h}) = {length} {unit} long. At £{price} a "
                     f"{UNIT_ONE[unit]}: {length} × {price} = £{cost}.")


def t_two_rects(P: Builder, a, b, unit, same):
    """Two rectangles with the same area or the same perimeter, to show the other
    can differ."""
    (aw, ah), (bw, bh) = a, b
    pa, pb = walk(rect_pts(aw, ah)), walk(rect_pts(bw, bh))
    sa, sb = shoelace(rect_pts(aw, ah)), shoelace(rect_pts(bw, bh))
    assert pa == 2 * (aw + ah) and pb == 2 * (bw + bh) and sa == aw * ah and sb == bw * bh
    name_a, name_b = rect_word(aw, ah), rect_word(bw, bh)
    stem = (f"Shape A is a {name_a} {aw} {unit} by {ah} {unit}. Shape B is a {name_b} "
            f"{bw} {unit} by {bh} {unit}.")
    if same == "a":
        assert sa == sb and pa != pb
        parts = [(f"The area of shape A is ______ {unit}{SQ}",
                  n_(sa, f"Area of A = {aw} × {ah} = {sa} {unit}{SQ}.")),
                 (f"The area of shape B is ______ {unit}{SQ}",
                  n_(sb, f"Area of B = {bw} × {bh} = {sb} {unit}{SQ}: the same as A.")),
                 (f"The perimeter of shape A is ______ {unit}",
                  n_(pa, f"Perimeter of A = 2 × ({aw} + {ah}) = {pa} {unit}.")),
                 (f"The perimeter of shape B is ______ {unit}",
                  n_(pb, f"Perimeter of B = 2 × ({bw} + {bh}) = {pb} {unit}, so the same area "
                         "can have a different perimeter."))]
    else:
        assert pa == pb and sa != sb
        big = max(sa, sb)
        parts = [(f"The perimeter of each shape is ______ {unit}",
                  n_(pa, f"Perimeter of A = 2 × ({aw} + {ah}) = {pa} {unit} and perimeter of B = "
                         f"2 × ({bw} + {bh}) = {pb} {unit}: both are {pa} {unit}.")),
                 (f"The area of shape A is ______ {unit}{SQ}",
                  n_(sa, f"Area of A = {aw} × {ah} = {sa} {unit}{SQ}.")),
                 (f"The area of shape B is ______ {unit}{SQ}",
                  n_(sb, f"Area of B = {bw} × {bh} = {sb} {unit}{SQ}.")),
                 (f"The larger area is greater than the smaller one by ______ {unit}{SQ}",
                  n_(big - min(sa, sb), f"{big} - {min(sa, sb)} = {big - min(sa, sb)} "
                                        f"{unit}{SQ}: the same perimeter can go with "
                                        "different areas."))]
    P.parts(stem, parts)


def t_which_sides(P: Builder, area, unit, right, wrong):
    """Which pair of sides gives a rectangle this area: the wrong ones add to the
    area, add to half of it, or double the right pair's sides."""
    assert right[0] * right[1] == area
    assert all(x * y != area for x, y in wrong)
    others = ", ".join(f"{x} × {y} = {x * y}" for x, y in wrong)
    choose(P, f"A rectangle has an area of {area} {unit}{SQ}. Which of these could be its "
           "length and width?", f"{right[0]} {unit} and {right[1]} {unit}",
           [f"{x} {unit} and {y} {unit}" for x, y in wrong], P.qrng(),
           lambda o: f"{o}: {right[0]} × {right[1]} = {area}. The others give "
                     f"{others}.")


def t_wall(P: Builder, W, H, dw, dh, unit):
    """A wall with a door in it: the area left to paint."""
    area = W * H - dw * dh
    # Count the wall square by square, with the door's squares at the bottom left left out.
    rows = ["#" * W] * (H - dh) + ["." * dw + "#" * (W - dw)] * dh
    assert grid_area(rows) == area
    P.single(f"A wall is {W} {unit} long and {H} {unit} high. It has a door {dw} {unit} "
             f"wide and {dh} {unit} high. The wall is painted but the door is not. What "
             "area is painted?", area, f"Ans: ______ {unit}{SQ}",
             why=f"Wall: {W} × {H} = {W * H} {unit}{SQ}. Door: {dw} × {dh} = {dw * dh} "
                 f"{unit}{SQ}. Painted: {W * H} - {dw * dh} = {area} {unit}{SQ}.")


def t_tiles(P: Builder, Lm, Wm, tile):
    """Square tiles of tile cm on a floor measured in metres."""
    along, across = Fraction(100 * Lm, tile), Fraction(100 * Wm, tile)
    assert along.denominator == 1 and across.denominator == 1
    count = along * across
    assert Fraction(Lm * Wm * 10000, tile * tile) == count
    P.single(f"A floor is {Lm} m long and {Wm} m wide. It is covered with square tiles "
             f"whose sides are {tile} cm long. How many tiles are needed?", int(count),
             "Ans: ______ tiles",
             why=f"{Lm} m = {100 * Lm} cm and {Wm} m = {100 * Wm} cm, so {100 * Lm} ÷ {tile} = "
                 f"{along} tiles fit along "
                 f"and {100 * Wm} ÷ {tile} = {across} across: {along} × {across} = {count} "
                 "tiles.")


def t_mixed_perimeter(P: Builder, m, cm, wcm):
    """A perimeter in centimetres from a length given in metres and centimetres."""
    length = 100 * m + cm
    per = 2 * (length + wcm)
    assert Fraction(per) == 2 * (Fraction(m) + Fraction(cm, 100) + Fraction(wcm, 100)) * 100
    P.single(f"A rectangular table top is {m} m {cm} cm long and {wcm} cm wide. What is its "
             "perimeter in centimetres?", per, "Ans: ______ cm",
             why=f"{m} m {cm} cm = {length} cm. Perimeter = 2 × ({length} + {wcm}) = 2 × "
                 f"{length + wcm} = {per} cm.")


def t_area_in_m2(P: Builder, Lm, wcm):
    """An area in square metres, a decimal, from sides in metres and centimetres."""
    area = Fraction(Lm) * Fraction(wcm, 100)
    assert Fraction(Lm * 100 * wcm, 10000) == area
    assert (area * 10).denominator == 1 and area.denominator != 1
    key = f"{area.numerator // area.denominator}.{(area * 10).numerator % 10}"
    assert Fraction(key) == area
    P.add(Page(f"A rectangular strip of carpet is {Lm} m long and {wcm} cm wide. What is "
               "its area in square metres? Give your answer as a decimal. "
               + NUMBER_ONLY, [f"<p>Ans: ______ m{SQ}</p>"], [Blank(
                   "N", 1, key, f"{wcm} cm = {Fraction(wcm, 100)} m = {float(Fraction(wcm, 100))} "
                                f"m, so the area is {Lm} × {float(Fraction(wcm, 100))} = {key} "
                                f"m{SQ}.")]))


def t_rect_count(P: Builder, area, unit):
    """How many different rectangles with whole-number sides have this area."""
    pairs = [(a, b) for a in range(1, area + 1) for b in range(a, area + 1) if a * b == area]
    assert len(pairs) == (len(factors(area)) + 1) // 2
    eg = pairs[1]
    P.single(f"How many different rectangles with sides a whole number of {UNIT_WORD[unit]} "
             f"have an area of {area} {unit}{SQ}? (A {eg[0]} {unit} by {eg[1]} {unit} "
             f"rectangle and a {eg[1]} {unit} by {eg[0]} {unit} rectangle count as the "
             "same one.)", len(pairs), "Ans: ______ rectangles",
             why="The pairs of whole numbers that multiply to make "
                 f"{area} are " + ", ".join(f"{a} × {b}" for a, b in pairs)
                 + f": {len(pairs)} rectangles.")


UNIT_WORD = {"cm": "centimetres", "m": "metres"}
UNIT_ONE = {"cm": "centimetre", "m": "metre"}


def t_max_area(P: Builder, per, unit):
    """The greatest area of a rectangle with whole-number sides and this perimeter."""
    best = max(a * (per // 2 - a) for a in range(1, per // 2))
    assert per % 4 == 0 and best == (per // 4) ** 2
    P.single(f"Rectangles are drawn with sides a whole number of {UNIT_WORD[unit]} long. "
             f"Each has a perimeter of {per} {unit}. What is the greatest area one of "
             "them can have? (A square counts as a rectangle.)", best,
             f"Ans: ______ {unit}{SQ}",
             why=f"Length + width = {per} ÷ 2 = {per // 2} {unit}. The closer the two sides, the "
                 f"bigger the area, so the best is a square: {per // 4} × {per // 4} = {best} "
                 f"{unit}{SQ}.")


def t_times_long(P: Builder, k, per, unit):
    """A rectangle k times as long as it is wide, from its perimeter."""
    width = Fraction(per, 2 * (k + 1))
    assert width.denominator == 1
    area = k * width * width
    found = [w * k * w for w in range(1, per) if 2 * (w + k * w) == per]
    assert found == [area]
    P.single(f"A rectangle is {words(k)} times as long as it is wide. Its perimeter is "
             f"{per} {unit}. What is its area?", int(area), f"Ans: ______ {unit}{SQ}",
             why=f"Going round is 2 × ({k} + 1) = {2 * (k + 1)} widths, so the width is {per} ÷ "
                 f"{2 * (k + 1)} = {width} {unit} and the length {k} × {width} = {k * width} "
                 f"{unit}. Area = {k * width} × {width} = {area} {unit}{SQ}.")


def t_scaled(P: Builder, w, h, k, unit):
    """Both sides of a rectangle multiplied by k: the area goes up k times k."""
    new = (k * w) * (k * h)
    assert new == k * k * shoelace(rect_pts(w, h)) == shoelace(rect_pts(k * w, k * h))
    P.single(f"A rectangle is {w} {unit} long and {h} {unit} wide. A new rectangle is "
             f"made with its length and its width each {words(k)} times as long. What is "
             "the area of the new rectangle?", new, f"Ans: ______ {unit}{SQ}",
             why=f"The new sides are {k} × {w} = {k * w} and {k} × {h} = {k * h} {unit}, so the "
                 f"area is {k * w} × {k * h} = {new} {unit}{SQ}: {k * k} times the old "
                 f"{w * h} {unit}{SQ}.")


def t_square_units(P: Builder):
    """Square centimetres in a square metre: a 100 cm by 100 cm square."""
    cm2 = shoelace(rect_pts(100, 100))
    assert cm2 == 100 ** 2 == 10000
    choose(P, f"A square metre is the area of a square with sides of 1 m. How many square "
           f"centimetres are in 1 m{SQ}?", f"{fmt(int(cm2))} cm{SQ}",
           # Converting as for lengths, a thousand, and the perimeter in cm.
           [f"100 cm{SQ}", f"1,000 cm{SQ}", f"400 cm{SQ}"], P.qrng(),
           lambda o: f"{o}: the square's sides are 1 m = 100 cm, so its area is 100 × 100 = "
                     f"{fmt(int(cm2))} cm{SQ}. 100 cm{SQ} is only a 10 cm by 10 cm square.")


def t_per_count(P: Builder, per, unit):
    """How many different rectangles with whole-number sides have this perimeter."""
    pairs = [(a, b) for a in range(1, per) for b in range(a, per) if 2 * (a + b) == per]
    assert per % 4 == 0 and len(pairs) == per // 4
    P.single(f"How many different rectangles with sides a whole number of "
             f"{UNIT_WORD[unit]} have a perimeter of {per} {unit}? (A square counts as a "
             "rectangle, and the same rectangle turned round counts only once.)",
             len(pairs), "Ans: ______ rectangles",
             why=f"Length + width must be {per} ÷ 2 = {per // 2}: "
                 + ", ".join(f"{a} + {b}" for a, b in pairs)
                 + f". That makes {len(pairs)} rectangles.")


# ---------------------------------------------------------------------------

def paper121(dealer, first):
    P = Builder(121, first, dealer)
    t_grid(P, ["###", "###"])
    t_grid(P, ["####", "##..", "##.."])
    t_grid(P, ["#.#", "###", "#.#"])
    t_grid(P, ["#####", "#...#", "#####"])
    t_which(P, "Sam counts the centimetre squares inside a shape drawn on squared paper. "
            "What is he finding out about the shape?", "Its area",
            ["Its perimeter", "Its volume", "Its number of sides"],
            "Area is the space a shape covers, measured by counting the squares inside it. "
            "The perimeter is the distance round its edge.")
    t_rect(P, 6, 4, "cm", ("p",))
    t_rect(P, 7, 3, "cm", ("a",))
    t_rect(P, 5, 5, "cm")
    t_rect(P, 6, 6, "m", ("a",))
    t_rect(P, 8, 2, "m")
    t_rect_choice(P, 9, 4, "cm", "p")
    t_rect_choice(P, 8, 3, "cm", "a")
    t_grid(P, ["##.", "###", ".##"], perim=True)
    t_grid(P, ["#####", "#####"], perim=True)
    t_which(P, "Which of these measures the distance all the way round the edge of a "
            "shape?", "Perimeter", ["Area", "Volume", "Capacity"],
            "The perimeter is the distance all the way round a shape. Area is the space "
            "inside it.")
    t_which(P, "Which unit could be used for the area of a classroom floor?",
            "Square metres (m" + SQ + ")", ["Metres (m)", "Kilograms (kg)", "Litres (l)"],
            "Area is measured in square units, and a classroom floor is big enough for "
            "square metres. Metres measure length, not area.")
    t_which(P, "Which unit would be best for the perimeter of a school playing field?",
            "Metres (m)", ["Square metres (m" + SQ + ")", "Square centimetres (cm" + SQ + ")",
                           "Litres (l)"],
            "A perimeter is a length, so it is measured in metres, not square units. A "
            "playing field is far too big for centimetres.")
    t_rect(P, 10, 3, "cm")
    t_rect_choice(P, 6, 5, "cm", "p")
    t_square_from(P, 20, "cm", "p")
    t_row_squares(P, 3, 2, "cm")
    t_regular(P, 3, 7, "cm")
    t_word(P, "A rectangular photo is 15 cm long and 10 cm wide. Ribbon is stuck all "
           "the way round its edge. How much ribbon is needed?", "2 * (15 + 10)",
           "Ans: ______ cm", "The ribbon goes round the perimeter:")
    t_word(P, "A rug is 3 m long and 2 m wide. What is the area of the rug?", "3 * 2",
           "Ans: ______ m" + SQ, "Area = length × width =")
    t_cover(P, 5, 4, "A rectangular patio is 5 m long and 4 m wide. It is covered with "
            "square paving slabs, each 1 m by 1 m. How many slabs are needed?",
            "Ans: ______ slabs")
    t_grid_compare(P, ["####", "####", "##.."], ["###", "###", "..."])
    t_rect(P, 12, 5, "m", ("p",))
    t_word(P, "A square tile has sides of 9 cm. What is its perimeter?", "4 * 9",
           "Ans: ______ cm", "A square has four equal sides:")
    t_edging(P, 30, 20, "A rectangular tablecloth is 30 cm long and 20 cm wide. Lace is "
             "sewn all the way round its edge. How much lace is needed?", "cm")
    t_word_parts(P, "A rectangular garden is 8 m long and 6 m wide.",
                 [("The fence all the way round it is ______ m long",
                   w_("2 * (8 + 6)", "The fence goes round the perimeter:", "m")),
                  ("The area of the garden is ______ m" + SQ,
                   w_("8 * 6", "Area = length × width =", "m" + SQ))])
    return P


def paper122(dealer, first):
    P = Builder(122, first, dealer)
    t_grid(P, ["####", "####", "####"], perim=True)
    t_grid(P, ["#....", "##...", "###..", "####."])
    t_grid(P, ["##..", "###.", ".###", "..##"], perim=True)
    t_rect(P, 11, 4, "cm")
    t_rect(P, 9, 9, "m")
    t_rect(P, 14, 6, "m", ("a",))
    t_rect_choice(P, 12, 5, "m", "a")
    t_rect_choice(P, 8, 7, "cm", "p")
    t_missing_area(P, 24, 4, "cm")
    t_missing_area(P, 45, 9, "m")
    t_missing_area(P, 35, 5, "cm")
    t_missing_per(P, 18, 5, "cm")
    t_missing_per(P, 30, 8, "m")
    t_missing_per(P, 22, 7, "m")
    t_square_from(P, 36, "cm", "a")
    t_square_from(P, 28, "m", "p")
    t_square_from(P, 32, "cm", "p")
    t_missing_fig(P, 7, 4, "cm", "a")
    t_missing_fig(P, 9, 5, "cm", "p")
    t_missing_fig(P, 8, 6, "m", "a")
    t_grid(P, ["###..", "..###", "#####"], perim=True)
    t_row_squares(P, 4, 3, "cm")
    t_regular(P, 6, 5, "cm")
    t_two_rects(P, (6, 4), (8, 3), "cm", "a")
    t_which_sides(P, 24, "cm", (6, 4), [(12, 12), (10, 2), (20, 4)])
    t_word(P, "A playground is a rectangle 25 m long and 20 m wide. A caretaker walks "
           "once all the way round its edge. How far does he walk?", "2 * (25 + 20)",
           "Ans: ______ m", "Once round the edge is the perimeter:")
    t_word(P, "A rectangular rug has an area of 12 m" + SQ + ". It is 4 m long. How "
           "wide is it?", "12 / 4", "Ans: ______ m",
           "Area = length × width, so the width is the area divided by the length:")
    t_edging(P, 6, 5, "Fencing costs £4 for each metre. A rectangular rabbit run is 6 m "
             "long and 5 m wide. How much does it cost to put fencing all the way round "
             "it?", "m", price=4)
    t_which(P, "A rectangle is 5 cm by 3 cm. Ali says its perimeter is 8 cm. What "
            "mistake has he made?", "He added only two of the sides",
            ["He multiplied the sides", "He used the wrong unit", "He added all four sides"],
            "5 + 3 = 8 is only two sides. All four sides give 5 + 3 + 5 + 3 = 16 cm.")
    t_word_parts(P, "A vegetable patch is a rectangle 7 m long and 3 m wide.",
                 [("Its area is ______ m" + SQ, w_("7 * 3", "Area =", "m" + SQ)),
                  ("Its perimeter is ______ m", w_("2 * (7 + 3)", "Perimeter =", "m")),
                  ("Seeds are sown on every square metre: 4 seeds on each. The number "
                   "of seeds sown is ______",
                   w_("7 * 3 * 4", "There are 7 × 3 = 21 square metres with 4 seeds on each:",
                      "seeds"))])
    return P


def paper123(dealer, first):
    P = Builder(123, first, dealer)
    t_lshape(P, 8, 6, 3, 2, "cm")
    t_lshape(P, 10, 7, 4, 3, "cm", ("a",))
    t_lshape(P, 9, 8, 5, 4, "m", ("p",))
    t_lshape(P, 9, 7, 3, 4, "cm", ("p",))
    t_lshape(P, 12, 9, 5, 6, "m")
    t_lshape_missing(P, 10, 8, 4, 3, "cm")
    t_lshape_choice(P, 7, 5, 3, 2, "cm")
    t_rect(P, 13, 7, "cm")
    t_rect(P, 15, 8, "m", ("a",))
    t_missing_area(P, 56, 8, "cm")
    t_missing_area(P, 63, 7, "m")
    t_missing_per(P, 42, 12, "m")
    t_missing_fig(P, 12, 6, "m", "a")
    t_missing_fig(P, 10, 7, "cm", "p")
    t_grid(P, ["####.", "#....", "#..##", "#####"], perim=True)
    t_grid(P, ["######", "#.##.#", "#.##.#"], perim=True)
    t_row_squares(P, 5, 4, "cm")
    t_rect_choice(P, 11, 6, "m", "p")
    t_square_from(P, 64, "m", "a")
    t_square_from(P, 49, "m", "a")
    t_regular(P, 8, 7, "cm", given="perimeter")
    t_which(P, "Two shapes have the same area. Which of these must be true?",
            "They cover the same amount of surface",
            ["They have the same perimeter", "They are the same shape",
             "They have the same number of sides"],
            "Area is the amount of surface a shape covers. A 4 cm by 4 cm square and an 8 cm "
            "by 2 cm rectangle both have an area of 16 cm² but different perimeters, 16 cm "
            "and 20 cm.")
    t_two_rects(P, (7, 3), (5, 5), "m", "p")
    t_which(P, "A paper rectangle is cut into two pieces, and the pieces are put back "
            "together, without overlapping, to make a new shape. Which of these stays the "
            "same?", "The area", ["The perimeter", "The length", "The number of corners"],
            "No paper is added or lost, so the pieces still cover the same surface. The "
            "edge round the new shape can be longer or shorter.")
    t_word(P, "A rectangular lawn is 9 m long and 7 m wide. Turf costs £5 for each "
           "square metre. How much does it cost to cover the lawn?", "9 * 7 * 5",
           "Ans: £______", "The lawn is 9 × 7 square metres at £5 each:")
    t_word(P, "A farmer puts a fence round a rectangular field 40 m long and 25 m "
           "wide. He leaves a gap of 3 m for a gate. How many metres of fence does "
           "he need?", "2 * (40 + 25) - 3", "Ans: ______ m",
           "Go all the way round, then take away the gap:")
    t_word(P, "A square garden has a perimeter of 48 m. What is its area?",
           "(48 / 4) * (48 / 4)", "Ans: ______ m" + SQ,
           "Each side is a quarter of the perimeter, and area = side × side:")
    t_wall(P, 5, 3, 1, 2, "m")
    t_lshape(P, 11, 10, 6, 4, "cm", ("a", "p"), all_sides=False)
    t_word_parts(P, "A rug 4 m long and 3 m wide lies on a floor 6 m long and 5 m "
                 "wide.", [("The area of the rug is ______ m" + SQ,
                            w_("4 * 3", "Rug:", "m" + SQ)),
                           ("The area of the floor is ______ m" + SQ,
                            w_("6 * 5", "Floor:", "m" + SQ)),
                           ("The area of floor not covered by the rug is ______ m" + SQ,
                            w_("6 * 5 - 4 * 3", "Take the rug from the floor:", "m" + SQ))])
    return P


def paper124(dealer, first):
    P = Builder(124, first, dealer)
    t_triangle(P, 6, 4, "cm")
    t_triangle(P, 8, 5, "cm")
    t_triangle(P, 4, 9, "m")
    t_triangle(P, 10, 7, "m")
    t_triangle(P, 12, 9, "cm", show_rect=False)
    t_triangle_choice(P, 6, 8, "cm")
    t_triangle_height(P, 10, 6, 8, "cm")
    t_parallelogram(P, 7, 4, 3, "cm")
    t_lshape(P, 14, 10, 6, 5, "m")
    t_lshape(P, 9, 12, 4, 7, "cm", ("a",), all_sides=False)
    t_lshape_choice(P, 10, 8, 4, 5, "m")
    t_ushape(P, 12, 8, 4, 4, 5, "m")
    t_frame(P, 10, 8, 6, 4, "cm")
    t_missing_area(P, 72, 6, "m")
    t_missing_per(P, 50, 14, "cm")
    t_missing_fig(P, 15, 8, "m", "p")
    t_missing_fig(P, 11, 9, "cm", "a")
    t_missing_fig(P, 13, 6, "cm", "a")
    t_square_from(P, 81, "cm", "a")
    t_grid(P, ["..##...", ".####..", "#######", ".####..", "..##..."], perim=True)
    t_rect_choice(P, 14, 9, "m", "a")
    t_triangle_choice(P, 14, 4, "m")
    t_which(P, "A rectangle is 6 cm by 4 cm. Both its length and its width are "
            "doubled. What happens to its area?", "It becomes 4 times as big",
            ["It doubles", "It stays the same", "It becomes 8 times as big"],
            "6 × 4 = 24 cm², and doubled, 12 × 8 = 96 cm², which is 4 × 24. Both sides "
            "double, so the area doubles twice.")
    t_rect_count(P, 24, "cm")
    t_word(P, "A triangular flower bed has a right angle. The two sides next to the "
           "right angle are 6 m and 5 m. What is its area?", "6 * 5 / 2",
           "Ans: ______ m" + SQ, "It is half of a 6 m by 5 m rectangle:")
    t_word(P, "A rectangular swimming pool is 25 m long. Its perimeter is 80 m. How "
           "wide is it?", "80 / 2 - 25", "Ans: ______ m",
           "Half the perimeter is one length and one width:")
    t_mixed_perimeter(P, 1, 20, 80)
    t_word(P, "Carpet costs £12 for each square metre. How much does it cost to "
           "carpet a room 5 m long and 4 m wide?", "5 * 4 * 12", "Ans: £______",
           "The room is 5 × 4 square metres at £12 each:")
    t_tiles(P, 3, 2, 50)
    t_word_parts(P, "A garden is 12 m long and 8 m wide. A path 1 m wide runs all "
                 "along one of the long sides, inside the garden.",
                 [("The area of the path is ______ m" + SQ,
                   w_("12 * 1", "The path is a 12 m by 1 m strip:", "m" + SQ)),
                  ("The area of the rest of the garden is ______ m" + SQ,
                   w_("12 * 8 - 12", "Take the path from the whole garden:", "m" + SQ))])
    return P


def paper125(dealer, first):
    P = Builder(125, first, dealer)
    t_lshape(P, 16, 12, 7, 5, "m")
    t_lshape(P, 13, 11, 8, 6, "cm", ("a", "p"), all_sides=False)
    t_lshape_choice(P, 12, 9, 5, 4, "cm")
    t_triangle(P, 14, 6, "cm", show_rect=False)
    t_triangle(P, 9, 8, "m")
    t_triangle_choice(P, 10, 9, "m")
    t_triangle_height(P, 6, 8, 12, "cm")
    t_parallelogram(P, 9, 4, 3, "m", choice=True)
    t_house(P, 8, 5, 3, "m")
    t_rect(P, 25, 12, "m")
    t_missing_area(P, 96, 8, "m")
    t_missing_per(P, 64, 19, "cm")
    t_missing_fig(P, 18, 7, "m", "a")
    t_square_from(P, 100, "m", "a")
    t_square_from(P, 44, "cm", "p")
    t_square_units(P)
    t_area_in_m2(P, 3, 50)
    t_which(P, "A rectangle has a perimeter of 20 cm. Which of these could be its "
            "length and width?", "6 cm and 4 cm",
            ["5 cm and 4 cm", "10 cm and 10 cm", "8 cm and 4 cm"],
            "2 × (6 + 4) = 20 cm. The others give 18 cm, 40 cm and 24 cm.")
    t_which(P, "Which of these rectangles has the greatest area?", "7 cm by 6 cm",
            ["9 cm by 4 cm", "10 cm by 3 cm", "11 cm by 2 cm"],
            "7 × 6 = 42 cm². The others are 9 × 4 = 36, 10 × 3 = 30 and 11 × 2 = 22.")
    t_per_count(P, 20, "m")
    t_max_area(P, 28, "m")
    t_scaled(P, 5, 2, 3, "cm")
    t_times_long(P, 3, 48, "cm")
    t_word(P, "A rectangular field is 60 m long and 35 m wide. Mia runs round the "
           "edge of the field twice. How far does she run?", "2 * 2 * (60 + 35)",
           "Ans: ______ m", "Twice round the perimeter:")
    t_word(P, "A rug has an area of 6 m" + SQ + ". How many of these rugs are needed "
           "to cover a floor 6 m long and 4 m wide with no gaps?", "6 * 4 / 6",
           "Ans: ______ rugs", "Divide the floor's area by one rug's area:")
    t_word(P, "A square has the same perimeter as a rectangle 9 cm long and 5 cm "
           "wide. What is the area of the square?", "7 * 7", "Ans: ______ cm" + SQ,
           f"The rectangle's perimeter is {steps('2 * (9 + 5)')} cm, so each side of the "
           f"square is {steps('28 / 4')} cm. Area:")
    t_word_parts(P, "A rectangular garden is 15 m long and 10 m wide. A square pond "
                 "with sides of 3 m is dug in it, and the rest is grass.",
                 [("The area of the garden is ______ m" + SQ,
                   w_("15 * 10", "Garden:", "m" + SQ)),
                  ("The area of the pond is ______ m" + SQ,
                   w_("3 * 3", "The pond is a square:", "m" + SQ)),
                  ("The area of the grass is ______ m" + SQ,
                   w_("15 * 10 - 3 * 3", "Grass is the garden without the pond:",
                      "m" + SQ))])
    t_path_round(P, 8, 5, 1, "m")
    t_word_parts(P, "A right-angled triangular sail has sides of 4 m and 3 m next to "
                 "its right angle. Its third side is 5 m.",
                 [("The perimeter of the sail is ______ m",
                   w_("4 + 3 + 5", "Add the three sides:", "m")),
                  ("The area of the sail is ______ m" + SQ,
                   w_("4 * 3 / 2", "It is half of a 4 m by 3 m rectangle:", "m" + SQ))])
    t_which(P, "Ben says: \u2018A rectangle 8 cm by 2 cm has a bigger area than a "
            "square with sides of 4 cm.\u2019 Is he right?",
            "No, both areas are 16 cm" + SQ,
            ["Yes, the rectangle is longer", "No, the square is bigger",
             "Yes, its perimeter is bigger so its area is too"],
            "8 × 2 = 16 cm² and 4 × 4 = 16 cm², so the areas are the same, even though "
            "the rectangle's perimeter is longer.")
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper121, paper122, paper123, paper124, paper125]


def build() -> dict[str, str]:
    return build_topic(TOPIC, PAPERS, SUBJECT, ROOT)[1]


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
