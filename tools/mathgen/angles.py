#!/usr/bin/env python3
"""Mathematics topic 2, "Angles, Lines and Graphs": writes papers 106 to 110.

    python3 tools/mathgen/angles.py           # write the papers and figures
    python3 tools/mathgen/angles.py --check   # compare with the files

Every figure is drawn from the numbers its key is computed from: angles are
drawn to their true size, shapes from their corner points, charts from their
data. Keys are then checked a second way (sums, vectors, a re-read of the
drawn data) before anything is written.
"""

from __future__ import annotations

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.figures import FONT, Svg, r1  # noqa: E402
from mathgen.registry import by_name  # noqa: E402
from mathgen.paperlib import (  # noqa: E402
    TopicPaper,
    PUPILS,
    build_topic,
    run_generator,
    Blank, DIVIDE, Page, PositionDealer, RIGHT, TIMES,
)

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("angles")

INSTRUCTION = ("In the answer sheet, write an angle as a number only, without the "
               "° sign (for 45°, write 45). Name a line or a side with its two "
               "capital letters. For a multiple-choice question, write the number "
               "of the correct option (1, 2, 3 or 4).")

NO_DEG = "Write the number only, without °."
NO_DEGS = "Write each answer as a number only, without °."
TWO_LETTERS = "Name each side with two letters."

BLACK, BLUE, RED, GREY = "#000000", "#1d4f91", "#c00000", "#b8c4d0"

TYPES = ["Acute angle", "Right angle", "Obtuse angle", "Reflex angle"]

COMPASS = ["north", "north-east", "east", "south-east", "south", "south-west",
           "west", "north-west"]
ABBR = ["N", "NE", "E", "SE", "S", "SW", "W", "NW"]

NAMES = PUPILS[:16]


# ---------------------------------------------------------------------------
# Drawing

def at(c, r, deg):
    """The point r from c in direction deg, measured anticlockwise from east
    (the page's y axis points down)."""
    t = math.radians(deg)
    return (c[0] + r * math.cos(t), c[1] - r * math.sin(t))


def arc(s: Svg, c, r, a1, a2, colour=BLUE):
    """An arc from direction a1 anticlockwise to a2, marking the angle between."""
    span = (a2 - a1) % 360
    if span == 90:
        u, v = at(c, r * 0.55, a1), at(c, r * 0.55, a2)
        w = (u[0] + v[0] - c[0], u[1] + v[1] - c[1])
        s.path(f"M {r1(u[0])} {r1(u[1])} L {r1(w[0])} {r1(w[1])} L {r1(v[0])} {r1(v[1])}",
               colour)
        return
    p, q = at(c, r, a1), at(c, r, a2)
    large = 1 if span > 180 else 0
    s.path(f"M {r1(p[0])} {r1(p[1])} A {r} {r} 0 {large} 0 {r1(q[0])} {r1(q[1])}",
           colour)


def angle_label(s: Svg, c, r, a1, a2, text, colour=BLUE):
    span = (a2 - a1) % 360
    mid = a1 + span / 2
    extra = 26 if span >= 40 else 26 + (40 - span) * 1.4
    s.text(at(c, r + extra, mid), text, 17, colour=colour, italic=text.isalpha())


def ray_angles_figure(rays: list[float], marks: list[tuple[int, str]],
                      letters: list[str] | None, centre_letter: str | None,
                      w=400, h=300, c=None, length=120) -> str:
    """Rays from one point; marks[i] labels the angle from rays[i] to the next
    ray anticlockwise."""
    s = Svg(w, h)
    c = c or (w / 2, h / 2 + 10)
    for i, a in enumerate(rays):
        s.line(c, at(c, length, a))
        if letters:
            s.text(at(c, length + 16, a), letters[i], 18)
    n = len(rays)
    for i, text in marks:
        a1, a2 = rays[i], rays[(i + 1) % n]
        radius = 34 if (a2 - a1) % 360 >= 40 else 46
        # A small gap at each end keeps neighbouring arcs apart.
        gap = 6 if len(marks) > 1 and (a2 - a1) % 360 != 90 else 0
        arc(s, c, radius, a1 + gap, a2 - gap)
        angle_label(s, c, radius, a1, a2, text)
    s.dot(c)
    if centre_letter:
        s.text((c[0] - 4, c[1] + 20), centre_letter, 18)
    return s.render()


def shape_figure(pts, letters, right_corners=(), w=420, h=260) -> str:
    s = Svg(w, h)
    s.polygon(pts, fill="#eef3fa")
    cx = sum(p[0] for p in pts) / len(pts)
    cy = sum(p[1] for p in pts) / len(pts)
    for i, (p, name) in enumerate(zip(pts, letters)):
        d = math.hypot(p[0] - cx, p[1] - cy)
        s.text((p[0] + (p[0] - cx) / d * 20, p[1] + (p[1] - cy) / d * 20), name, 18)
        if i in right_corners:
            a, b = pts[i - 1], pts[(i + 1) % len(pts)]
            u = ((a[0] - p[0]) / math.dist(a, p) * 14, (a[1] - p[1]) / math.dist(a, p) * 14)
            v = ((b[0] - p[0]) / math.dist(b, p) * 14, (b[1] - p[1]) / math.dist(b, p) * 14)
            s.path(f"M {r1(p[0] + u[0])} {r1(p[1] + u[1])} L {r1(p[0] + u[0] + v[0])} "
                   f"{r1(p[1] + u[1] + v[1])} L {r1(p[0] + v[0])} {r1(p[1] + v[1])}",
                   BLUE)
    return s.render()


def corner_angle(pts, i) -> float:
    p, a, b = pts[i], pts[i - 1], pts[(i + 1) % len(pts)]
    u, v = (a[0] - p[0], a[1] - p[1]), (b[0] - p[0], b[1] - p[1])
    cos = (u[0] * v[0] + u[1] * v[1]) / (math.hypot(*u) * math.hypot(*v))
    return math.degrees(math.acos(max(-1, min(1, cos))))


def grid_axes(s: Svg, ox, oy, cell, nx, ny, xlabel=True):
    for k in range(nx + 1):
        s.line((ox + k * cell, oy), (ox + k * cell, oy - ny * cell), 1, GREY)
        s.text((ox + k * cell, oy + 16), str(k), 13)
    for k in range(ny + 1):
        s.line((ox, oy - k * cell), (ox + nx * cell, oy - k * cell), 1, GREY)
        if k:
            s.text((ox - 12, oy - k * cell), str(k), 13)
    s.line((ox, oy), (ox + nx * cell + 12, oy), 2)
    s.line((ox, oy), (ox, oy - ny * cell - 12), 2)
    s.polygon([(ox + nx * cell + 20, oy), (ox + nx * cell + 10, oy - 5),
               (ox + nx * cell + 10, oy + 5)], fill=BLACK, width=1)
    s.polygon([(ox, oy - ny * cell - 20), (ox - 5, oy - ny * cell - 10),
               (ox + 5, oy - ny * cell - 10)], fill=BLACK, width=1)
    if xlabel:
        s.text((ox + nx * cell + 22, oy + 14), "x", 15, italic=True)
        s.text((ox - 14, oy - ny * cell - 18), "y", 15, italic=True)


def coords_figure(points: dict[str, tuple[int, int]], n=8) -> str:
    cell = 30
    s = Svg(cell * n + 90, cell * n + 80)
    ox, oy = 40, cell * n + 40
    grid_axes(s, ox, oy, cell, n, n)
    for name, (x, y) in points.items():
        p = (ox + x * cell, oy - y * cell)
        s.line((p[0] - 5, p[1] - 5), (p[0] + 5, p[1] + 5), 2.5, RED)
        s.line((p[0] - 5, p[1] + 5), (p[0] + 5, p[1] - 5), 2.5, RED)
        s.text((p[0] + 12, p[1] - 12), name, 16, colour=RED)
    return s.render()


def segments_figure(segs: dict[str, tuple[tuple[int, int], tuple[int, int]]],
                    nx=12, ny=8) -> str:
    """Lines drawn on a square grid, each end named by its letter."""
    cell = 30
    s = Svg(nx * cell + 60, ny * cell + 60)
    ox, oy = 30, ny * cell + 30
    for k in range(nx + 1):
        s.line((ox + k * cell, oy), (ox + k * cell, oy - ny * cell), 1, GREY)
    for k in range(ny + 1):
        s.line((ox, oy - k * cell), (ox + nx * cell, oy - k * cell), 1, GREY)
    for name, (a, b) in segs.items():
        pa = (ox + a[0] * cell, oy - a[1] * cell)
        pb = (ox + b[0] * cell, oy - b[1] * cell)
        s.line(pa, pb, 3, BLUE)
        for p, q, letter in ((pa, pb, name[0]), (pb, pa, name[1])):
            d = math.dist(p, q)
            s.dot(p, 3, BLUE)
            s.text((p[0] + (p[0] - q[0]) / d * 14, p[1] + (p[1] - q[1]) / d * 14),
                   letter, 16)
    return s.render()


def bar_figure(labels, values, step, top, title, axis) -> str:
    w, h = 460, 320
    s = Svg(w, h)
    ox, oy, height = 70, 260, 210
    width = 340
    s.text((w / 2 + 20, 20), title, 15)
    for v in range(0, top + 1, step):
        y = oy - v / top * height
        s.line((ox, y), (ox + width, y), 1, GREY)
        s.text((ox - 8, y), str(v), 13, anchor="end")
    gap = width / len(labels)
    for i, (lab, v) in enumerate(zip(labels, values)):
        x = ox + i * gap + gap * 0.2
        s.rect(x, oy - v / top * height, gap * 0.6, v / top * height, "#7aa6d8", BLUE)
        s.text((ox + i * gap + gap / 2, oy + 16), lab, 13)
    s.line((ox, oy), (ox + width, oy), 2)
    s.line((ox, oy), (ox, oy - height - 8), 2)
    s.items.append(f'<text x="18" y="{oy - height / 2}" {FONT} font-size="13" '
                   f'text-anchor="middle" fill="{BLACK}" transform="rotate(-90 18 '
                   f'{oy - height / 2})">{axis}</text>')
    return s.render()


def line_figure(labels, values, step, top, title, axis) -> str:
    w, h = 480, 320
    s = Svg(w, h)
    ox, oy, height = 70, 260, 210
    width = 370
    s.text((w / 2 + 20, 20), title, 15)
    for v in range(0, top + 1, step):
        y = oy - v / top * height
        s.line((ox, y), (ox + width, y), 1, GREY)
        s.text((ox - 8, y), str(v), 13, anchor="end")
    gap = width / (len(labels) - 1)
    pts = [(ox + i * gap, oy - v / top * height) for i, v in enumerate(values)]
    for i, lab in enumerate(labels):
        s.line((pts[i][0], oy), (pts[i][0], oy - height), 1, GREY)
        s.text((pts[i][0], oy + 16), lab, 12)
    s.line((ox, oy), (ox + width + 8, oy), 2)
    s.line((ox, oy), (ox, oy - height - 8), 2)
    s.path("M " + " L ".join(f"{r1(x)} {r1(y)}" for x, y in pts), RED, 2.5)
    for p in pts:
        s.dot(p, 4, RED)
    s.items.append(f'<text x="18" y="{oy - height / 2}" {FONT} font-size="13" '
                   f'text-anchor="middle" fill="{BLACK}" transform="rotate(-90 18 '
                   f'{oy - height / 2})">{axis}</text>')
    return s.render()


def compass_figure() -> str:
    s = Svg(260, 260)
    c = (130, 130)
    for i, name in enumerate(ABBR):
        a = 90 - 45 * i
        long = i % 2 == 0
        s.line(c, at(c, 88 if long else 62, a), 3 if long else 2)
        s.text(at(c, 108 if long else 82, a), name, 16 if long else 13)
    s.dot(c, 4)
    return s.render()


# ---------------------------------------------------------------------------
# Papers

class Builder(TopicPaper):
    def __init__(self, key: int, first_id: int, dealer: PositionDealer):
        super().__init__(TOPIC, key, first_id, dealer, seed_factor=7919,
                         instruction=INSTRUCTION, names=NAMES)

    def draw(self, page: Page, svg: str, w: int, h: int, alt: str) -> Page:
        return self.attach_figure(page, svg, w, h, alt)


def n_(key, why: str = "") -> Blank:
    assert int(key) >= 0
    return Blank("N", 1, str(key), why)


def m_(a: str, b: str, why: str = "") -> Blank:
    """A line may be named from either end; `why` is said of the line, and ends by
    naming both ways of writing it."""
    return Blank("M", 1, f";{a}{b};{b}{a}", f"{why} Write {a}{b} or {b}{a}.".strip())


# ---------------------------------------------------------------------------
# Worked answers

KIND_WHY = {TYPES[0]: "less than 90°", TYPES[1]: "exactly 90°",
            TYPES[2]: "between 90° and 180°", TYPES[3]: "between 180° and 360°"}
KIND_LOOK = {TYPES[0]: "smaller than a right angle (a square corner)",
             TYPES[1]: "a square corner",
             TYPES[2]: "bigger than a right angle but smaller than a straight line",
             TYPES[3]: "bigger than a straight line: more than half a turn"}


def move(p, q) -> str:
    """The steps on a grid from p to q: '3 right and 4 up'."""
    dx, dy = q[0] - p[0], q[1] - p[1]
    bits = []
    if dx:
        bits.append(f"{abs(dx)} {'right' if dx > 0 else 'left'}")
    if dy:
        bits.append(f"{abs(dy)} {'up' if dy > 0 else 'down'}")
    return " and ".join(bits)


def listed(items: list[str]) -> str:
    items = list(items)
    if not items:
        return "none"
    return items[0] if len(items) == 1 else ", ".join(items[:-1]) + " and " + items[-1]


def bar_read(label: str, value: int, step: int) -> str:
    """Reading a bar against the scale, which may fall halfway between two lines."""
    if value % step:
        return (f"The {label} bar stops halfway between the lines for {value - step // 2} "
                f"and {value + step // 2}, which is {value}.")
    return f"The top of the {label} bar is level with the line for {value}."


def line_read(label: str, value: int, step: int, unit: str) -> str:
    if value % step:
        return (f"Go up from {label} to the point on the line, then across: it is halfway "
                f"between {value - step // 2} and {value + step // 2}, so {value}{unit}.")
    return (f"Go up from {label} to the point on the line, then across to the scale: "
            f"{value}{unit}.")


def sum_text(values) -> str:
    return " + ".join(map(str, values)) + f" = {sum(values)}"


def deg_sum(values) -> str:
    """A sum of angles, each with its degree sign: '100° + 120° = 220°'."""
    values = list(values)
    if len(values) == 1:
        return f"{values[0]}°"
    return " + ".join(f"{v}°" for v in values) + f" = {sum(values)}°"


def kind(deg: float) -> str:
    if deg < 90:
        return TYPES[0]
    if deg == 90:
        return TYPES[1]
    if deg < 180:
        return TYPES[2]
    assert 180 < deg < 360
    return TYPES[3]


# -- types of angle ---------------------------------------------------------

def t_type_size(P: Builder, deg: int) -> None:
    r = P.qrng()
    right = kind(deg)
    why = (f"{RIGHT}: an angle of exactly 90° is a right angle, like the corner of a square."
           if deg == 90 else f"{RIGHT}: {deg}° is {KIND_WHY[right]}.")
    P.choice(f"An angle measures {deg}°. What type of angle is it?", right,
             [t for t in TYPES if t != right], r, why=why)


def t_type_figure(P: Builder, deg: int, rot: int, letter: str) -> None:
    r = P.qrng()
    right = kind(deg)
    page = P.choice(f"Look at the angle marked <i>{letter}</i>. What type of angle "
                    "is it?", right, [t for t in TYPES if t != right], r,
                    why=f"{RIGHT}: angle {letter} is {KIND_LOOK[right]}. It measures "
                        + (f"exactly {deg}°." if deg == 90 else f"{deg}°, {KIND_WHY[right]}."))
    svg = ray_angles_figure([rot, rot + deg], [(0, letter)], None, None,
                            w=340, h=260, length=110)
    P.draw(page, svg, 340, 260, f"Two lines meeting at a point, with an angle "
           f"marked {letter}")


def t_count_types(P: Builder, sizes: list[int], which: str) -> None:
    """Several angles in one figure; how many are of one type?"""
    key = sum(1 for d in sizes if kind(d).startswith(which.capitalize()))
    letters = "abcdefgh"[:len(sizes)]
    # Each angle has a cell of its own and is centred in it, so no arm reaches a neighbour's
    # corner or the edge of the picture, whatever way the angle opens.
    cell, arm, radius, top, inner = 130, 56, 20, 10, 130
    s = Svg(cell * len(sizes) + 20, top + inner + 34)
    for i, (d, letter) in enumerate(zip(sizes, letters)):
        pts = [(0.0, 0.0), at((0, 0), arm, 0), at((0, 0), arm, d)]
        pts += [at((0, 0), radius, q) for q in range(0, d + 1, 90)]
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        left = 10 + i * cell
        c = (left + (cell - (max(xs) - min(xs))) / 2 - min(xs),
             top + (inner - (max(ys) - min(ys))) / 2 - min(ys))
        assert left < c[0] + min(xs) and c[0] + max(xs) < left + cell
        s.line(c, at(c, arm, 0))
        s.line(c, at(c, arm, d))
        arc(s, c, radius, 0, d)
        s.dot(c, 3)
        s.text((left + cell / 2, top + inner + 24), letter, 16, italic=True)
    stem = (f"Here are {len(sizes)} angles. How many of them are {which} angles? "
            "Write the number only.")
    which_kind = [t for t in TYPES if t.lower().startswith(which)][0]
    fit = [f"{letter} ({d}°)" for d, letter in zip(sizes, letters) if kind(d) == which_kind]
    page = P.single(stem, key,
                    why=f"{which.capitalize()} angles are {KIND_WHY[which_kind]}. "
                        f"{'Only ' if len(fit) == 1 else ''}{listed(fit)} "
                        f"{'is' if len(fit) == 1 else 'are'} {which}, so the answer is {key}.")
    P.draw(page, s.render(), s.w, s.h, f"{len(sizes)} angles labelled "
           f"{', '.join(letters)}")


# -- missing angles -----------------------------------------------------------

def t_straight(P: Builder, t: int, letters: str, tilt: int = 0,
               ask_left: bool = True) -> None:
    """A ray from a point on a straight line; one angle given, one to find."""
    a, b, o, c = letters
    key = 180 - t
    assert 0 < t < 180 and key + t == 180
    marks = [(0, f"{t}°"), (1, "x")] if ask_left else [(0, "x"), (1, f"{key}°")]
    if not ask_left:
        key = t
    svg = ray_angles_figure([tilt, tilt + t, tilt + 180], marks, [c, b, a], o,
                            w=400, h=240, c=(200, 170), length=150)
    given = t if ask_left else 180 - t
    page = P.single(f"{a}{o}{c} is a straight line. Work out the size of angle "
                    f"<i>x</i>. {NO_DEG}", key, answer="<i>x</i> = ______°",
                    why=f"Angles on a straight line add up to 180°: x = 180° - {given}° = "
                        f"{key}°.")
    P.draw(page, svg, 400, 240, f"Straight line {a}{c} through {o}, with line "
           f"{o}{b}")


def t_right_split(P: Builder, t: int, letters: str, rot: int = 0) -> None:
    a, b, o, c = letters
    key = 90 - t
    assert 0 < t < 90
    page = P.single(f"Angle {a}{o}{c} is a right angle. Work out the size of angle "
                    f"<i>y</i>. {NO_DEG}", key, answer="<i>y</i> = ______°",
                    why=f"The two angles make up the right angle, 90°: y = 90° - {t}° = "
                        f"{key}°.")
    full = ray_angles_figure([rot, rot + t, rot + 90], [(0, f"{t}°"), (1, "y")],
                             [a, b, c], o, w=320, h=260, c=(110, 200), length=160)
    P.draw(page, full, 320, 260, f"A right angle {a}{o}{c} split by line {o}{b}")


def t_point(P: Builder, sizes: list[int], unknown: int, start: int = 10,
            z: str = "z") -> None:
    """Angles around a point; one is marked with a letter."""
    assert sum(sizes) == 360
    key = sizes[unknown]
    rays, a = [], start
    for d in sizes:
        rays.append(a)
        a += d
    marks = [(i, z if i == unknown else f"{d}°") for i, d in enumerate(sizes)]
    others = [d for i, d in enumerate(sizes) if i != unknown]
    assert 360 - sum(others) == key
    svg = ray_angles_figure(rays, marks, None, None, w=360, h=320, c=(180, 160),
                            length=120)
    count = ["", "", "Two", "Three", "Four", "Five"][len(sizes)]
    page = P.single(f"{count} angles meet at a point. Work out the size of "
                    f"angle <i>{z}</i>. {NO_DEG}", key, answer=f"<i>{z}</i> = ______°",
                    why=f"Angles around a point add up to 360°. The others make "
                        f"{deg_sum(others)}, so {z} = 360° - {sum(others)}° = {key}°.")
    P.draw(page, svg, 360, 320, f"{count} angles around a point, one marked {z}")


def t_cross(P: Builder, t: int, rot: int) -> None:
    """Two straight lines crossing: vertically opposite angles."""
    rays = [rot, rot + t, rot + 180, rot + 180 + t]
    svg = ray_angles_figure(rays, [(0, f"{t}°"), (1, "a"), (2, "b")], None, None,
                            w=380, h=300, c=(190, 150), length=130)
    page = P.parts("Two straight lines cross. Work out the sizes of angles <i>a</i> "
                   f"and <i>b</i>. {NO_DEGS}",
                   [("<i>a</i> = ______°",
                     n_(180 - t, f"Angle a and the {t}° angle lie along a straight line: "
                                 f"a = 180° - {t}° = {180 - t}°.")),
                    ("<i>b</i> = ______°",
                     n_(t, f"Angle b is vertically opposite the {t}° angle, and vertically "
                           f"opposite angles are equal: b = {t}°."))])
    assert (180 - t) + t + (180 - t) + t == 360
    P.draw(page, svg, 380, 300, "Two straight lines crossing, with angles a and b")


def t_text_pair(P: Builder, known: int, total: int, what: str) -> None:
    key = total - known
    assert 0 < key < total
    P.single(f"Two angles together make {what}. One of them is {known}°. "
             f"What is the other angle? {NO_DEG}", key, answer="Ans: ______°",
             why=f"Together they make {total}°, so the other is {total}° - {known}° = "
                 f"{key}°.")


def triangle_points(a: int, b: int, w=400, h=260):
    """A triangle with angles a at the left corner and b at the right corner,
    scaled to fit the box."""
    ta, tb = math.tan(math.radians(a)), math.tan(math.radians(b))
    base = 1.0
    # Apex over the base: height = x * tan a = (base - x) * tan b
    x = base * tb / (ta + tb)
    y = x * ta
    scale = min((w - 100) / base, (h - 80) / y)
    ox, oy = 50 + (w - 100 - base * scale) / 2, h - 40
    return [(ox, oy), (ox + base * scale, oy), (ox + x * scale, oy - y * scale)]


def t_triangle(P: Builder, a: int, b: int, letters: str) -> None:
    key = 180 - a - b
    pts = triangle_points(a, b)
    got = [corner_angle(pts, i) for i in range(3)]
    assert abs(got[0] - a) < 0.01 and abs(got[1] - b) < 0.01 and abs(got[2] - key) < 0.01
    s = Svg(400, 260)
    s.polygon(pts, fill="#eef3fa")
    A, B, C = letters
    for p, name, dx, dy in ((pts[0], A, -14, 8), (pts[1], B, 14, 8), (pts[2], C, 0, -16)):
        s.text((p[0] + dx, p[1] + dy), name, 18)
    arc(s, pts[0], 30, 0, a)
    angle_label(s, pts[0], 30, 0, a, f"{a}°")
    arc(s, pts[1], 30, 180 - b, 180)
    angle_label(s, pts[1], 30, 180 - b, 180, f"{b}°")
    # The apex angle opens downwards, between the sides towards A and B.
    arc(s, pts[2], 26, 180 + a, 360 - b)
    angle_label(s, pts[2], 26, 180 + a, 360 - b, "w")
    page = P.single(f"The angles inside a triangle add up to 180°. Work out the "
                    f"size of angle <i>w</i> in triangle {A}{B}{C}. {NO_DEG}", key,
                    answer="<i>w</i> = ______°",
                    why=f"The angles of a triangle add up to 180°: w = 180° - {a}° - {b}° = "
                        f"{key}°. Check: {a}° + {b}° + {key}° = 180°.")
    P.draw(page, s.render(), 400, 260, f"Triangle {A}{B}{C} with two angles given "
           "and one marked w")


# -- lines and shapes ---------------------------------------------------------

def vec(p, q):
    return (q[0] - p[0], q[1] - p[1])


def parallel(u, v) -> bool:
    return abs(u[0] * v[1] - u[1] * v[0]) < 1e-6


def perpendicular(u, v) -> bool:
    return abs(u[0] * v[0] + u[1] * v[1]) < 1e-6


def sides_of(pts, letters):
    n = len(pts)
    return {letters[i] + letters[(i + 1) % n]: (pts[i], pts[(i + 1) % n])
            for i in range(n)}


def only(found: list[str]) -> str:
    assert len(found) == 1, found
    return found[0]


def side_parallel(pts, letters, side) -> str:
    sides = sides_of(pts, letters)
    u = vec(*sides[side])
    return only([k for k, (p, q) in sides.items() if k != side and parallel(u, vec(p, q))])


def side_perpendicular(pts, letters, side) -> list[str]:
    sides = sides_of(pts, letters)
    u = vec(*sides[side])
    return [k for k, (p, q) in sides.items() if perpendicular(u, vec(p, q))]


def side_equal(pts, letters, side) -> str:
    sides = sides_of(pts, letters)
    length = math.dist(*sides[side])
    return only([k for k, (p, q) in sides.items()
                 if k != side and abs(math.dist(p, q) - length) < 1e-6])


def t_parallelogram(P: Builder) -> None:
    """PQRS with no right angle and unequal neighbouring sides, so the only
    name that fits is parallelogram."""
    letters = "PQRS"
    pts = [(140, 60), (340, 60), (280, 200), (80, 200)]
    sides = sides_of(pts, letters)
    assert all(abs(corner_angle(pts, i) - 90) > 10 for i in range(4))
    assert abs(math.dist(*sides["PQ"]) - math.dist(*sides["QR"])) > 40
    assert parallel(vec(*sides["PQ"]), vec(*sides["RS"]))
    assert parallel(vec(*sides["QR"]), vec(*sides["SP"]))
    par = side_parallel(pts, letters, "RS")
    eq = side_equal(pts, letters, "RS")
    assert par == eq == "PQ"
    page = P.add(Page(
        f"Look at the shape PQRS. {TWO_LETTERS}",
        ["<p>(a) Name the side that is parallel to SR. ______</p>",
         "<p>(b) Name the side that is equal in length to SR. ______</p>",
         "<p>(c) What is the name of the shape PQRS? Write one word. ______</p>"],
        [m_("P", "Q", "Opposite sides of this shape are parallel, and PQ is opposite SR."),
         m_("P", "Q", "Opposite sides of a parallelogram are equal in length, and PQ is "
                      "opposite SR."),
         Blank("T", 1, "Parallelogram",
               "Both pairs of opposite sides are parallel. It has no right angles and its "
               "sides are not all the same length, so it is not a rectangle or a rhombus: "
               "it is a parallelogram.")]))
    P.draw(page, shape_figure(pts, letters), 420, 260,
           "A four-sided shape PQRS")


def t_rectangle(P: Builder, letters: str, w: int, h: int, ask: str) -> None:
    """A rectangle: one parallel side and (by pairs) perpendicular sides."""
    x0, y0 = (420 - w) / 2, (260 - h) / 2
    pts = [(x0, y0), (x0 + w, y0), (x0 + w, y0 + h), (x0, y0 + h)]
    a, b, c, d = letters
    par = side_parallel(pts, letters, a + b)
    perp = side_perpendicular(pts, letters, a + b)
    assert par == d + c or par == c + d
    page = P.parts(f"{letters} is a rectangle. {TWO_LETTERS}",
                   [(f"Name the side that is parallel to {a}{b}. ______",
                     m_(par[0], par[1], f"In a rectangle opposite sides are parallel: "
                                        f"{par} is opposite {a}{b}.")),
                    (f"Name the side that is parallel to {ask}. ______",
                     m_(*side_parallel(pts, letters, ask),
                        f"In a rectangle opposite sides are parallel: "
                        f"{side_parallel(pts, letters, ask)} is opposite {ask}."))])
    assert len(perp) == 2
    P.draw(page, shape_figure(pts, letters, right_corners=range(4)), 420, 260,
           f"Rectangle {letters}")


def t_trapezium(P: Builder, letters: str, slope: int) -> None:
    """A right-angled trapezium: one pair of parallel sides, one side
    perpendicular to both of them."""
    pts = [(80, 60), (80 + 160, 60), (80 + 160 + slope, 210), (80, 210)]
    a, b, c, d = letters
    par = side_parallel(pts, letters, a + b)
    perp = [s for s in side_perpendicular(pts, letters, a + b)]
    assert par == c + d and perp == [d + a]
    slanted = b + c
    assert not side_perpendicular(pts, letters, slanted)
    page = P.parts(f"Look at the shape {letters}. {TWO_LETTERS}",
                   [(f"Name the side that is parallel to {a}{b}. ______",
                     m_(c, d, f"{c}{d} runs in the same direction as {a}{b} and would "
                              "never meet it.")),
                    (f"Name the side that is perpendicular to {a}{b}. ______",
                     m_(d, a, f"{d}{a} meets {a}{b} at a right angle, marked at {a}."))])
    P.draw(page, shape_figure(pts, letters, right_corners=(0, 3)), 420, 260,
           f"A four-sided shape {letters}")


def segment_why(base: str, base_ends, found: str, found_ends, rel: str) -> str:
    """Why line `found` is parallel (or perpendicular) to line `base`, from the steps each
    takes on the grid. Steps that are the base's own, or its own turned through a right
    angle, are said to be; steps of another length are compared with the turned ones."""
    u, v = vec(*base_ends), vec(*found_ends)
    if rel == "parallel":
        assert parallel(u, v)
        same = "also goes" if v == u else "goes"
        how = f"it {same} {move(*found_ends)}, so the two lines run in the same direction"
    else:
        assert perpendicular(u, v)
        turned = (-u[1], u[0])
        if turned[0] * v[0] + turned[1] * v[1] < 0:
            turned = (u[1], -u[0])
        if v == turned:
            how = f"it goes {move(*found_ends)}: the same steps turned through a right angle"
        else:
            how = (f"it goes {move(*found_ends)}. Turn the steps of {base} through a right "
                   f"angle and you get {move((0, 0), turned)}, which points the same way")
    return (f"From {base[0]} to {base[1]} the line goes {move(*base_ends)}. "
            f"From {found[0]} to {found[1]} {how}. Write {found} or {found[::-1]}.")


def t_segments(P: Builder, segs, base: str, rel: str) -> None:
    """Lines on a grid: which one is parallel (or perpendicular) to base?"""
    u = vec(*segs[base])
    test = parallel if rel == "parallel" else perpendicular
    found = only([k for k, (p, q) in segs.items() if k != base and test(u, vec(p, q))])
    page = P.single(f"Look at the lines drawn on the square grid. Which line is "
                    f"{rel} to line {base}? Name the line with two letters.",
                    f";{found};{found[::-1]}", type_="M",
                    why=segment_why(base, segs[base], found, segs[found], rel))
    P.draw(page, segments_figure(segs), 420, 300,
           f"Lines {', '.join(segs)} drawn on a square grid")


def t_seg_count(P: Builder, segs, base: str) -> None:
    u = vec(*segs[base])
    npar = sum(1 for k, (p, q) in segs.items() if k != base and parallel(u, vec(p, q)))
    nperp = sum(1 for k, (p, q) in segs.items() if perpendicular(u, vec(p, q)))
    pars = [k for k, (p, q) in segs.items() if k != base and parallel(u, vec(p, q))]
    perps = [k for k, (p, q) in segs.items() if perpendicular(u, vec(p, q))]
    steps = {k: f"{k} goes {move(p, q)}" for k, (p, q) in segs.items()}
    page = P.parts(f"Look at the lines drawn on the square grid. {NUMBERS_ONLY_TXT}",
                   [(f"How many of the other lines are parallel to {base}? ______",
                     n_(npar, f"{steps[base]}. A parallel line goes in the same direction: "
                              f"{listed(steps[k] for k in pars)}. So the answer is {npar}.")),
                    (f"How many lines are perpendicular to {base}? ______",
                     n_(nperp, f"{steps[base]}. A perpendicular line is at a right angle "
                               f"to it: "
                               f"{listed(steps[k] for k in perps)}. So the answer is "
                               f"{nperp}."))])
    P.draw(page, segments_figure(segs), 420, 300,
           f"Lines {', '.join(segs)} drawn on a square grid")


NUMBERS_ONLY_TXT = "(Write each answer as a number only.)"


# -- coordinates ----------------------------------------------------------------

def t_read_point(P: Builder, points, which: str, n=8) -> None:
    x, y = points[which]
    page = P.parts(f"Look at the grid. Point {which} is at ( ___ , ___ ). "
                   f"{NUMBERS_ONLY_TXT}",
                   [(f"What is the x-coordinate of point {which}? ______",
                     n_(x, f"The x-coordinate is how far across: {which} is "
                           + (f"on the bottom line, at {x}." if y == 0 else
                              f"straight above {x} on the bottom line.")
                           + f" So {which} is at ({x}, {y}).")),
                    (f"What is the y-coordinate of point {which}? ______",
                     n_(y, f"The y-coordinate is how far up: {which} is level with {y} on "
                           f"the side. So {which} is at ({x}, {y})."))])
    P.draw(page, coords_figure(points, n), 30 * n + 90, 30 * n + 80,
           f"A coordinate grid with points {', '.join(points)}")


def t_point_choice(P: Builder, points, which: str) -> None:
    r = P.qrng()
    x, y = points[which]
    assert x != y
    right = f"({x}, {y})"
    wrong = [f"({y}, {x})", f"({x + 1}, {y})", f"({x}, {y - 1})"]
    page = P.choice(f"Look at the grid. What are the coordinates of point {which}?",
                    right, wrong, r,
                    why=f"{RIGHT}: {which} is {x} across and {y} up, and across comes "
                        f"first. {wrong[0]} has the two numbers the wrong way round.")
    P.draw(page, coords_figure(points), 330, 320,
           f"A coordinate grid with points {', '.join(points)}")


def t_which_point(P: Builder, points, x: int, y: int) -> None:
    r = P.qrng()
    right = only([k for k, v in points.items() if v == (x, y)])
    others = [k for k in points if k != right]
    assert len(others) == 3 and (y, x) in points.values()
    swapped = only([k for k, v in points.items() if v == (y, x)])
    page = P.choice(f"Look at the grid. Which point is at ({x}, {y})?",
                    f"Point {right}", [f"Point {k}" for k in others], r,
                    why=f"{RIGHT}: go {x} across, then {y} up. Point {swapped} is at "
                        f"({y}, {x}): it has the numbers the wrong way round.")
    P.draw(page, coords_figure(points), 330, 320,
           f"A coordinate grid with points {', '.join(points)}")


def t_fourth_corner(P: Builder, a, b, c, letters: str) -> None:
    """Three corners of a rectangle; find the fourth. A rectangle with equal sides is called
    a square, so that a pupil is not left wondering."""
    A, B, C, D = letters
    d = (a[0] + c[0] - b[0], a[1] + c[1] - b[1])
    pts = [a, b, c, d]
    assert all(perpendicular(vec(pts[i - 1], pts[i]), vec(pts[i], pts[(i + 1) % 4]))
               for i in range(4))
    assert 0 <= d[0] <= 8 and 0 <= d[1] <= 8
    sides = {(p[0] - q[0]) ** 2 + (p[1] - q[1]) ** 2 for p, q in zip(pts, pts[1:] + pts[:1])}
    shape = "square" if len(sides) == 1 else "rectangle"
    corner_why = (f"Opposite sides of a {shape} match: from {B} to {A} is {move(b, a)}, so "
                  f"from {C} to {D} is the same move. {C} ({c[0]}, {c[1]}) moved "
                  f"{move(b, a)} is {D} ({d[0]}, {d[1]}).")
    page = P.parts(f"{A}, {B} and {C} are three corners of the {shape} {letters}. "
                   f"Point {D} is not shown. What are the coordinates of {D}? "
                   f"{NUMBERS_ONLY_TXT}",
                   [(f"The x-coordinate of {D} is ______", n_(d[0], corner_why)),
                    (f"The y-coordinate of {D} is ______", n_(d[1], corner_why))])
    P.draw(page, coords_figure({A: a, B: b, C: c}), 330, 320,
           f"A coordinate grid with points {A}, {B} and {C}")


def t_translate(P: Builder, p, dx: int, dy: int, letter: str) -> None:
    q = (p[0] + dx, p[1] + dy)
    assert 0 <= q[0] <= 8 and 0 <= q[1] <= 8
    moves = []
    moves.append(f"{abs(dx)} squares {'right' if dx > 0 else 'left'}")
    moves.append(f"{abs(dy)} squares {'up' if dy > 0 else 'down'}")
    page = P.parts(f"Point {letter} moves {moves[0]} and {moves[1]}. What are its "
                   f"new coordinates? {NUMBERS_ONLY_TXT}",
                   [("x-coordinate: ______",
                     n_(q[0], f"Moving {moves[0]} changes the x-coordinate: {p[0]} "
                              f"{'+' if dx > 0 else '-'} {abs(dx)} = {q[0]}.")),
                    ("y-coordinate: ______",
                     n_(q[1], f"Moving {moves[1]} changes the y-coordinate: {p[1]} "
                              f"{'+' if dy > 0 else '-'} {abs(dy)} = {q[1]}."))])
    P.draw(page, coords_figure({letter: p}), 330, 320,
           f"A coordinate grid with point {letter}")


# -- charts ---------------------------------------------------------------------

def t_bar(P: Builder, title, axis, labels, values, step, top, asks) -> None:
    parts = []
    for kind_, a, b in asks:
        i = labels.index(a)
        if kind_ == "read":
            parts.append((f"How many for {a}? ______", n_(values[i])))
        elif kind_ == "more":
            j = labels.index(b)
            assert values[i] > values[j]
            parts.append((f"How many more for {a} than for {b}? ______",
                          n_(values[i] - values[j])))
        elif kind_ == "total":
            parts.append(("How many altogether? ______", n_(sum(values))))
    assert all(v % (step // 2 if step % 2 == 0 else step) == 0 for v in values)
    text = (f"The bar chart shows {title.lower()}. {NUMBERS_ONLY_TXT}")
    page = P.parts(text, parts)
    P.draw(page, bar_figure(labels, values, step, top, title, axis), 460, 320,
           f"Bar chart: {title}")


def t_line(P: Builder, title, axis, labels, values, step, top, parts, what) -> None:
    assert all(v % (step // 2) == 0 and 0 <= v <= top for v in values)
    page = P.parts(f"The line graph shows {what}. {NUMBERS_ONLY_TXT}", parts)
    P.draw(page, line_figure(labels, values, step, top, title, axis), 480, 320,
           f"Line graph: {title}")


# -- compass and turns ------------------------------------------------------------

def turn(start: str, degrees: int, clockwise: bool) -> str:
    i = COMPASS.index(start)
    k = degrees // 45 * (1 if clockwise else -1)
    return COMPASS[(i + k) % 8]


def cap(s: str) -> str:
    return s[0].upper() + s[1:]


def t_compass_turn(P: Builder, start: str, degrees: int, clockwise: bool,
                   figure: bool = True, how: str | None = None) -> None:
    r = P.qrng()
    who, he = P.name()
    right = turn(start, degrees, clockwise)
    wrong = [turn(start, degrees, not clockwise), turn(start, degrees + 45, clockwise),
             turn(start, degrees - 45, clockwise)]
    if right in wrong or len(set(wrong)) < 3:
        wrong = [w for w in dict.fromkeys(wrong) if w != right]
        for extra in COMPASS[::-1]:
            if len(wrong) == 3:
                break
            if extra != right and extra not in wrong:
                wrong.append(extra)
    # Check by walking the turn one eighth at a time.
    i = COMPASS.index(start)
    for _ in range(degrees // 45):
        i = (i + (1 if clockwise else 7)) % 8
    assert COMPASS[i] == right
    way = "clockwise" if clockwise else "anticlockwise"
    amount = how or f"{degrees}°"
    passed = []
    i = COMPASS.index(start)
    for _ in range(degrees // 45 - 1):
        i = (i + (1 if clockwise else 7)) % 8
        passed.append(COMPASS[i])
    said = f"{how} is {degrees}°, and " if how else ""
    page = P.choice(f"{who} is facing {start}. {cap(he)} turns {amount} {way}. "
                    f"Which direction is {he} facing now?", cap(right),
                    [cap(w) for w in wrong], r,
                    why=f"{RIGHT}. {cap(said + 'each')} 45° turn moves one point round the "
                        f"compass, so {degrees}° is {degrees // 45} points {way}: from {start} "
                        f"past {listed(passed)} to {right}.")
    if figure:
        P.draw(page, compass_figure(), 260, 260, "An eight-point compass")


def t_turn_size(P: Builder, start: str, end: str, clockwise: bool) -> None:
    i, j = COMPASS.index(start), COMPASS.index(end)
    steps = (j - i) % 8 if clockwise else (i - j) % 8
    key = steps * 45
    assert turn(start, key, clockwise) == end and 0 < key < 360
    way = "clockwise" if clockwise else "anticlockwise"
    page = P.single(f"A robot faces {start}. It turns {way} until it faces {end}. "
                    f"How many degrees does it turn? {NO_DEG}", key,
                    answer="Ans: ______°",
                    why=f"Going {way} from {start} to {end} is {steps} points of the "
                        f"compass, and each is 45°: {steps} {TIMES} 45° = {key}°.")
    P.draw(page, compass_figure(), 260, 260, "An eight-point compass")


def t_right_angles(P: Builder, start: str, end: str, clockwise: bool) -> None:
    i, j = COMPASS.index(start), COMPASS.index(end)
    steps = (j - i) % 8 if clockwise else (i - j) % 8
    assert steps % 2 == 0
    way = "clockwise" if clockwise else "anticlockwise"
    P.single(f"A weather vane points {start}. The wind turns it {way} until it "
             f"points {end}. How many right angles has it turned through? "
             "Write the number only.", steps // 2,
             why=f"A right angle is a quarter turn, such as north to east. Going {way} "
                 f"from {start} to {end} is {steps * 45}°, and {steps * 45}° {DIVIDE} 90° = "
                 f"{steps // 2}.")


def t_map(P: Builder, places: dict[str, tuple[int, int]], origin: str,
          target: str, where: str = "a park") -> None:
    """A grid map with north up: which direction is one place from another?"""
    r = P.qrng()
    ox, oy = places[origin]
    tx, ty = places[target]
    dx, dy = tx - ox, ty - oy
    assert dx == 0 or dy == 0 or abs(dx) == abs(dy)
    ang = math.degrees(math.atan2(dx, dy)) % 360     # bearing from north
    right = COMPASS[round(ang / 45) % 8]
    opp = COMPASS[(COMPASS.index(right) + 4) % 8]
    mirror = COMPASS[(8 - COMPASS.index(right)) % 8]
    near = COMPASS[(COMPASS.index(right) + 2) % 8]
    wrong = [w for w in dict.fromkeys([opp, mirror, near]) if w != right]
    k = 1
    while len(wrong) < 3:
        extra = COMPASS[(COMPASS.index(right) + 8 - 2 * k) % 8]
        if extra not in wrong and extra != right:
            wrong.append(extra)
        k += 1
    if dx and dy:
        how = (f"{abs(dx)} squares {'right' if dx > 0 else 'left'} and {abs(dy)} "
               f"{'up' if dy > 0 else 'down'}. That is the same number each way, so it is "
               f"halfway between {'north' if dy > 0 else 'south'} and "
               f"{'east' if dx > 0 else 'west'}")
    else:
        how = (f"{abs(dx or dy)} squares straight "
               + ("right (east)" if dx > 0 else "left (west)" if dx < 0 else
                  "up (north)" if dy > 0 else "down (south)"))
    page = P.choice(f"The map shows some places in {where}. North is straight up the "
                    f"page. In which direction is the {target} from the {origin}?",
                    cap(right), [cap(w) for w in wrong], r,
                    why=f"{RIGHT}. From the {origin}, the {target} is {how}. {opp.capitalize()} "
                        f"would be the way back.")
    cell = 40
    s = Svg(cell * 8 + 120, cell * 6 + 40)
    for k2 in range(9):
        s.line((20 + k2 * cell, 20), (20 + k2 * cell, 20 + 6 * cell), 1, GREY)
    for k2 in range(7):
        s.line((20, 20 + k2 * cell), (20 + 8 * cell, 20 + k2 * cell), 1, GREY)
    for name, (x, y) in places.items():
        p = (20 + x * cell, 20 + (6 - y) * cell)
        s.dot(p, 6, RED)
        s.text((p[0], p[1] + 18), cap(name), 12)
    a = (cell * 8 + 75, 110)
    s.line(a, (a[0], a[1] - 60), 3)
    s.polygon([(a[0], a[1] - 72), (a[0] - 8, a[1] - 56), (a[0] + 8, a[1] - 56)],
              fill=BLACK, width=1)
    s.text((a[0], a[1] - 86), "N", 18)
    P.draw(page, s.render(), s.w, s.h, f"A map of {where} on a square grid with a "
           "north arrow")


# -- triangles and missing angles in several steps ----------------------------

def t_tri_text(P: Builder, a: int, b: int) -> None:
    key = 180 - a - b
    assert key > 0 and a + b + key == 180
    P.single(f"Two angles of a triangle are {a}° and {b}°. What is the size of the "
             f"third angle? {NO_DEG}", key, answer="Ans: ______°",
             why=f"The angles of a triangle add up to 180°: 180° - {a}° - {b}° = {key}°.")


def t_tri_choice(P: Builder, right: tuple, wrongs: list[tuple]) -> None:
    r = P.qrng()
    assert sum(right) == 180 and all(sum(w) != 180 for w in wrongs)
    show = lambda t: ", ".join(f"{d}°" for d in t)
    P.choice("Which of these could be the three angles inside a triangle?",
             show(right), [show(w) for w in wrongs], r,
             why=f"{RIGHT}: {deg_sum(right)}, and the angles inside a triangle always add up "
                 "to 180°. The others add up to " + listed([f"{sum(w)}°" for w in wrongs])
                 + ".")


def t_right_tri(P: Builder, b: int, letters: str) -> None:
    """A right angle at A, b at B; find the angle at C."""
    key = 90 - b
    base = 200 if b >= 45 else 280
    height = base * math.tan(math.radians(b))
    scale = min(1.0, 190 / height)
    base, height = base * scale, height * scale
    ox, oy = (400 - base) / 2, 230
    pts = [(ox, oy), (ox + base, oy), (ox, oy - height)]
    got = [corner_angle(pts, i) for i in range(3)]
    assert abs(got[0] - 90) < 0.01 and abs(got[1] - b) < 0.01 and abs(got[2] - key) < 0.01
    assert 90 + b + key == 180
    A, B, C = letters
    s = Svg(400, 260)
    s.polygon(pts, fill="#eef3fa")
    for p, name, dx, dy in ((pts[0], A, -14, 8), (pts[1], B, 14, 8), (pts[2], C, -14, -8)):
        s.text((p[0] + dx, p[1] + dy), name, 18)
    arc(s, pts[0], 30, 0, 90)
    arc(s, pts[1], 30, 180 - b, 180)
    angle_label(s, pts[1], 30, 180 - b, 180, f"{b}°")
    arc(s, pts[2], 26, 270, 270 + key)
    angle_label(s, pts[2], 26, 270, 270 + key, "v")
    page = P.single(f"Triangle {A}{B}{C} has a right angle at {A}. Work out the size "
                    f"of angle <i>v</i>. {NO_DEG}", key, answer="<i>v</i> = ______°",
                    why=f"The angles add up to 180° and the right angle at {A} is 90°, so "
                        f"v = 180° - 90° - {b}° = {key}°.")
    P.draw(page, s.render(), 400, 260, f"Right-angled triangle {A}{B}{C} with one "
           "angle given and one marked v")


def tick(s: Svg, p, q):
    """A small mark across the middle of side pq (equal sides)."""
    m = ((p[0] + q[0]) / 2, (p[1] + q[1]) / 2)
    d = math.dist(p, q)
    n = (-(q[1] - p[1]) / d * 8, (q[0] - p[0]) / d * 8)
    s.line((m[0] - n[0], m[1] - n[1]), (m[0] + n[0], m[1] + n[1]), 2, BLUE)


def t_isosceles(P: Builder, apex: int, letters: str) -> None:
    """Sides AC and BC equal; apex angle C given; find the angle at B."""
    key = (180 - apex) // 2
    assert 2 * key + apex == 180
    pts = triangle_points(key, key)
    assert abs(math.dist(pts[0], pts[2]) - math.dist(pts[1], pts[2])) < 1e-6
    assert abs(corner_angle(pts, 2) - apex) < 0.01
    A, B, C = letters
    s = Svg(400, 260)
    s.polygon(pts, fill="#eef3fa")
    for p, name, dx, dy in ((pts[0], A, -14, 8), (pts[1], B, 14, 8), (pts[2], C, 0, -16)):
        s.text((p[0] + dx, p[1] + dy), name, 18)
    tick(s, pts[0], pts[2])
    tick(s, pts[1], pts[2])
    arc(s, pts[2], 26, 180 + key, 360 - key)
    angle_label(s, pts[2], 26, 180 + key, 360 - key, f"{apex}°")
    arc(s, pts[1], 30, 180 - key, 180)
    angle_label(s, pts[1], 30, 180 - key, 180, "u")
    page = P.single(f"Triangle {A}{B}{C} is isosceles: sides {A}{C} and {B}{C} are "
                    f"equal in length. Angle {A}{C}{B} is {apex}°. Work out the size "
                    f"of angle <i>u</i>. {NO_DEG}", key, answer="<i>u</i> = ______°",
                    why=f"The equal sides make the two bottom angles equal. They share "
                        f"180° - {apex}° = {180 - apex}°, so u = {180 - apex}° {DIVIDE} 2 = "
                        f"{key}°.")
    P.draw(page, s.render(), 400, 260, f"Isosceles triangle {A}{B}{C} with the top "
           "angle given and angle u marked")


def t_straight3(P: Builder, a: int, c: int, z: str, tilt: int = 0) -> None:
    """Three angles along a straight line, two given."""
    key = 180 - a - c
    assert key > 0 and a + key + c == 180
    rays = [tilt, tilt + a, tilt + a + key, tilt + 180]
    svg = ray_angles_figure(rays, [(0, f"{a}°"), (1, z), (2, f"{c}°")], None, None,
                            w=400, h=240, c=(200, 170), length=150)
    page = P.single(f"Three angles lie along a straight line. Work out the size of "
                    f"angle <i>{z}</i>. {NO_DEG}", key, answer=f"<i>{z}</i> = ______°",
                    why=f"Angles on a straight line add up to 180°: {z} = 180° - {a}° - {c}° "
                        f"= {key}°.")
    P.draw(page, svg, 400, 240, f"Three angles on a straight line, one marked {z}")


def t_point_equal(P: Builder, known: list[int], z: str, start: int = 0) -> None:
    """Angles at a point: the known ones and two equal ones marked z."""
    key = (360 - sum(known)) // 2
    sizes = [known[0], key] + known[1:] + [key]
    assert sum(sizes) == 360 and key > 0
    rays, a = [], start
    for d in sizes:
        rays.append(a)
        a += d
    marks = [(i, z if i in (1, len(sizes) - 1) else f"{d}°")
             for i, d in enumerate(sizes)]
    svg = ray_angles_figure(rays, marks, None, None, w=360, h=320, c=(180, 160),
                            length=120)
    count = ["", "", "Two", "Three", "Four", "Five", "Six"][len(sizes)]
    page = P.single(f"{count} angles meet at a point. The two angles marked "
                    f"<i>{z}</i> are equal. Work out the size of angle <i>{z}</i>. "
                    f"{NO_DEG}", key, answer=f"<i>{z}</i> = ______°",
                    why=f"Angles around a point add up to 360°. The others make "
                        f"{deg_sum(known)}, leaving 360° - {sum(known)}° = "
                        f"{360 - sum(known)}° for the two equal angles: {360 - sum(known)}° "
                        f"{DIVIDE} 2 = {key}°.")
    P.draw(page, svg, 360, 320, f"Angles around a point, two of them marked {z}")


def t_exterior(P: Builder, a: int, ext: int, letters: str) -> None:
    """Triangle ABC with side AB carried on to D: angle A and angle CBD given;
    find angle ABC (y), then the angle at C (w)."""
    A, B, C, D = letters
    b = 180 - ext
    w = 180 - a - b
    assert 0 < b < 180 and w > 0 and w == ext - a
    pts = triangle_points(a, b)
    got = [corner_angle(pts, i) for i in range(3)]
    assert abs(got[0] - a) < 0.01 and abs(got[1] - b) < 0.01 and abs(got[2] - w) < 0.01
    s = Svg(480, 260)
    s.polygon(pts, fill="#eef3fa")
    end = (pts[1][0] + 80, pts[1][1])
    s.line(pts[1], end)
    for p, name, dx, dy in ((pts[0], A, -14, 8), (pts[1], B, 0, 18), (pts[2], C, 0, -16),
                            (end, D, 14, 0)):
        s.text((p[0] + dx, p[1] + dy), name, 18)
    arc(s, pts[0], 30, 0, a)
    angle_label(s, pts[0], 30, 0, a, f"{a}°")
    arc(s, pts[1], 24, 0, ext, RED)
    angle_label(s, pts[1], 24, 0, ext, f"{ext}°", RED)
    arc(s, pts[1], 30, ext, 180)
    angle_label(s, pts[1], 30, ext, 180, "y")
    arc(s, pts[2], 26, 180 + a, 360 - b)
    angle_label(s, pts[2], 26, 180 + a, 360 - b, "w")
    page = P.parts(f"{A}{B}{D} is a straight line. {NO_DEGS}",
                   [("Work out the size of angle <i>y</i>. <i>y</i> = ______°",
                     n_(b, f"Angle y and the {ext}° angle lie along the straight line {A}{B}{D}: "
                           f"y = 180° - {ext}° = {b}°.")),
                    ("Work out the size of angle <i>w</i>. <i>w</i> = ______°",
                     n_(w, f"In triangle {A}{B}{C} the angles add up to 180°: w = 180° - "
                           f"{a}° - {b}° = {w}°."))])
    P.draw(page, s.render(), 480, 260, f"Triangle {A}{B}{C} with side {A}{B} "
           f"extended to {D}")


def t_cross_tri(P: Builder, a: int, opp: int, letters: str) -> None:
    """Triangle ABC; at C the sides carry on through C to make a crossing.
    The vertically opposite angle at C (opp) and angle A are given; find B."""
    A, B, C = letters
    key = 180 - a - opp
    assert key > 0
    pts = triangle_points(a, key)
    assert abs(corner_angle(pts, 2) - opp) < 0.01
    s = Svg(400, 300)
    # Shift down so the crossing above C fits.
    pts = [(x, y + 40) for x, y in pts]
    s.polygon(pts, fill="#eef3fa")
    c = pts[2]
    ua = math.degrees(math.atan2(-(pts[0][1] - c[1]), pts[0][0] - c[0]))
    ub = math.degrees(math.atan2(-(pts[1][1] - c[1]), pts[1][0] - c[0]))
    pa, pb = at(c, 60, ua + 180), at(c, 60, ub + 180)
    s.line(c, pa)
    s.line(c, pb)
    for p, name, dx, dy in ((pts[0], A, -14, 8), (pts[1], B, 14, 8), (c, C, 22, 0)):
        s.text((p[0] + dx, p[1] + dy), name, 18)
    arc(s, pts[0], 30, 0, a)
    angle_label(s, pts[0], 30, 0, a, f"{a}°")
    # The opposite angle at the crossing, above C.
    arc(s, c, 22, ua + 180, ub + 180, RED)
    angle_label(s, c, 22, ua + 180, ub + 180, f"{opp}°", RED)
    arc(s, pts[1], 30, 180 - key, 180)
    angle_label(s, pts[1], 30, 180 - key, 180, "t")
    assert abs((ub - ua) % 360 - opp) < 0.01
    page = P.single(f"Triangle {A}{B}{C}: the sides {A}{C} and {B}{C} carry on as "
                    f"straight lines past {C}. Work out the size of angle <i>t</i>. "
                    f"{NO_DEG}", key, answer="<i>t</i> = ______°",
                    why=f"The angle inside the triangle at {C} is vertically opposite the "
                        f"{opp}° angle, so it is {opp}° too. Then t = 180° - {a}° - {opp}° = "
                        f"{key}°.")
    P.draw(page, s.render(), 400, 300, f"Triangle {A}{B}{C} with two sides "
           f"extended past {C}")


# -- charts read back from the drawing -----------------------------------------

def reread_bars(svg: str, top: int) -> list[int]:
    import re
    out = []
    for m in re.finditer(r'<rect x="[^"]+" y="[^"]+" width="[^"]+" height="([^"]+)" '
                         r'fill="#7aa6d8"', svg):
        out.append(round(float(m.group(1)) / 210 * top))
    return out


def reread_line(svg: str, top: int) -> list[int]:
    import re
    m = re.search(r'<path d="M ([^"]+)" fill="none" stroke="#c00000"', svg)
    ys = [float(p.split()[1]) for p in m.group(1).split(" L ")]
    return [round((260 - y) / 210 * top) for y in ys]


def t_bar_chart(P: Builder, title, axis, labels, values, step, top, what,
                parts) -> None:
    assert all(0 <= v <= top and v % (step // 2 if step % 2 == 0 else step) == 0
               for v in values)
    svg = bar_figure(labels, values, step, top, title, axis)
    assert reread_bars(svg, top) == list(values)
    page = P.parts(f"The bar chart shows {what}. {NUMBERS_ONLY_TXT}", parts)
    P.draw(page, svg, 460, 320, f"Bar chart: {title}")


def t_line_graph(P: Builder, title, axis, labels, values, step, top, what,
                 parts) -> None:
    svg = line_figure(labels, values, step, top, title, axis)
    assert reread_line(svg, top) == list(values)
    t_line(P, title, axis, labels, values, step, top, parts, what)


def t_chart_choice(P: Builder, labels, values, step, top, title, axis, what,
                   question, pick) -> None:
    r = P.qrng()
    right = pick(labels, values)
    others = [lab for lab in labels if lab != right]
    r.shuffle(others)
    best = values[labels.index(right)]
    most = best == max(values)
    page = P.choice(f"The bar chart shows {what}. {question}", right, others[:3], r,
                    why=f"{RIGHT}: its bar is the {'tallest' if most else 'shortest'}, "
                        f"reaching {best}. The next is "
                        f"{sorted(values, reverse=most)[1]}.")
    svg = bar_figure(labels, values, step, top, title, axis)
    assert reread_bars(svg, top) == list(values)
    P.draw(page, svg, 460, 320, f"Bar chart: {title}")


# ---------------------------------------------------------------------------
# Paper 106: kinds of angle, angles that make 90° and 180°, sides of shapes.

def paper106(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(106, first, dealer)
    t_type_size(P, 35)
    t_type_size(P, 120)
    t_type_size(P, 90)
    t_type_size(P, 250)
    t_type_figure(P, 65, 20, "a")
    t_type_figure(P, 140, 10, "b")
    t_type_figure(P, 230, 0, "c")
    t_count_types(P, [40, 110, 90, 70, 150], "acute")
    t_text_pair(P, 35, 90, "a right angle (90°)")
    t_text_pair(P, 130, 180, "a straight line (180°)")
    t_straight(P, 50, "ABOC")
    t_straight(P, 115, "PQOR", tilt=0)
    t_right_split(P, 30, "ABOC")
    t_right_split(P, 62, "DEOF")
    assert P.number == 15
    t_parallelogram(P)
    t_rectangle(P, "ABCD", 240, 130, "BC")
    t_trapezium(P, "KLMN", 80)
    t_compass_turn(P, "north", 90, True)
    t_compass_turn(P, "east", 180, True)
    t_right_angles(P, "north", "west", True)
    t_point(P, [100, 120, 140], 2)
    t_read_point(P, {"A": (2, 5), "B": (6, 3), "C": (4, 7)}, "B")
    return P


# ---------------------------------------------------------------------------
# Paper 107: angles at a point, crossing lines, parallel and perpendicular.

def paper107(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(107, first, dealer)
    t_type_size(P, 175)
    t_type_size(P, 89)
    t_type_figure(P, 105, 30, "d")
    t_count_types(P, [100, 200, 45, 90, 300], "reflex")
    t_text_pair(P, 67, 90, "a right angle (90°)")
    t_text_pair(P, 148, 180, "a straight line (180°)")
    t_text_pair(P, 215, 360, "a full turn (360°)")
    t_straight(P, 38, "EFOG")
    t_straight(P, 124, "JKOL", ask_left=False)
    t_right_split(P, 47, "RSOT", rot=10)
    t_point(P, [90, 135, 135], 1, start=0, z="p")
    t_point(P, [75, 110, 95, 80], 3, z="q")
    t_cross(P, 55, 15)
    t_segments(P, {"AB": ((1, 1), (4, 5)), "CD": ((5, 1), (8, 5)),
                   "EF": ((2, 7), (5, 7)), "GH": ((8, 7), (11, 3))}, "AB", "parallel")
    t_segments(P, {"AB": ((1, 1), (5, 1)), "CD": ((1, 3), (4, 6)),
                   "EF": ((6, 2), (9, 5)), "GH": ((8, 7), (11, 4))}, "CD",
               "perpendicular")
    t_trapezium(P, "WXYZ", 60)
    t_rectangle(P, "EFGH", 200, 150, "FG")
    t_read_point(P, {"P": (3, 6), "Q": (7, 2), "R": (1, 4)}, "P")
    t_point_choice(P, {"D": (5, 2), "E": (2, 6), "F": (7, 7)}, "D")
    t_compass_turn(P, "west", 90, False)
    t_turn_size(P, "north", "south-east", True)
    t_compass_turn(P, "south", 270, True)
    return P


# ---------------------------------------------------------------------------
# Paper 108: angles in a triangle, missing angles, lines on a grid, first
# coordinates, a bar chart and a map.

def paper108(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(108, first, dealer)
    t_tri_text(P, 47, 68)
    t_triangle(P, 60, 70, "ABC")
    t_triangle(P, 35, 45, "DEF")
    t_tri_choice(P, (50, 60, 70), [(50, 60, 60), (90, 60, 40), (120, 120, 120)])
    t_right_tri(P, 34, "KLM")
    t_isosceles(P, 40, "PQR")
    t_straight3(P, 48, 65, "x")
    t_point(P, [100, 85, 95, 80], 2, z="r")
    t_exterior(P, 45, 115, "ABCD")
    t_segments(P, {"JK": ((1, 2), (3, 6)), "LM": ((5, 1), (9, 3)),
                   "NP": ((6, 4), (8, 8)), "RS": ((10, 1), (11, 6))}, "JK", "parallel")
    t_segments(P, {"TU": ((1, 5), (4, 2)), "VW": ((5, 1), (8, 4)),
                   "XY": ((7, 7), (11, 7)), "KL": ((9, 1), (11, 5))}, "TU",
               "perpendicular")
    t_seg_count(P, {"AB": ((1, 1), (1, 6)), "CD": ((3, 2), (3, 7)),
                    "EF": ((5, 2), (10, 2)), "GH": ((5, 5), (9, 5)),
                    "JK": ((8, 7), (11, 6))}, "AB")
    t_rectangle(P, "JKLM", 220, 120, "KL")
    t_trapezium(P, "STUV", 70)
    t_read_point(P, {"E": (5, 1), "F": (1, 6), "G": (7, 5)}, "G")
    t_which_point(P, {"K": (3, 5), "L": (5, 3), "M": (6, 6), "N": (2, 1)}, 3, 5)
    t_point_choice(P, {"R": (6, 2), "S": (3, 7), "T": (1, 4)}, "R")
    t_fourth_corner(P, (2, 2), (6, 2), (6, 5), "ABCD")
    labels, values = ["Apple", "Banana", "Orange", "Grapes", "Pear"], [8, 12, 5, 10, 7]
    t_bar_chart(P, "Favourite fruit of Class 5", "Number of pupils", labels, values,
                2, 14, "the favourite fruit of the pupils in Class 5",
                [("How many pupils chose banana? ______",
                  n_(values[1], bar_read("Banana", values[1], 2))),
                 ("How many more pupils chose grapes than pear? ______",
                  n_(values[3] - values[4], f"The Grapes bar reaches {values[3]} and the Pear "
                                            f"bar {values[4]}: {values[3]} - {values[4]} = "
                                            f"{values[3] - values[4]}.")),
                 ("How many pupils are shown in the bar chart altogether? ______",
                  n_(sum(values), f"Add every bar: {sum_text(values)}."))])
    t_compass_turn(P, "north-east", 90, True)
    t_turn_size(P, "east", "north", False)
    t_map(P, {"gate": (1, 1), "pond": (4, 4), "swings": (4, 1), "café": (7, 4)},
          "gate", "pond")
    return P


# ---------------------------------------------------------------------------
# Paper 109: missing angles in several steps, lines, coordinates and
# translation, bar charts, turns and a map.

def paper109(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(109, first, dealer)
    t_tri_text(P, 29, 104)
    t_triangle(P, 52, 43, "GHJ")
    t_isosceles(P, 116, "XYZ")
    t_right_tri(P, 62, "RST")
    t_point_equal(P, [130, 90], "z")
    t_straight3(P, 37, 81, "m", tilt=10)
    t_exterior(P, 58, 130, "KLMN")
    t_cross_tri(P, 64, 48, "DEF")
    t_tri_choice(P, (25, 35, 120), [(25, 35, 110), (30, 40, 120), (90, 90, 180)])
    t_segments(P, {"AB": ((1, 1), (3, 5)), "CD": ((4, 6), (7, 7)),
                   "EF": ((6, 1), (9, 2)), "GH": ((9, 4), (11, 8))}, "EF", "parallel")
    t_segments(P, {"AB": ((1, 2), (5, 4)), "CD": ((2, 6), (5, 7)),
                   "EF": ((9, 1), (11, 5)), "GH": ((7, 7), (9, 3))}, "GH",
               "perpendicular")
    t_seg_count(P, {"PQ": ((1, 1), (4, 4)), "RS": ((6, 1), (9, 4)),
                    "TU": ((1, 8), (3, 6)), "VW": ((8, 8), (11, 5)),
                    "XY": ((10, 1), (11, 3))}, "PQ")
    t_fourth_corner(P, (1, 3), (5, 3), (5, 7), "PQRS")
    t_translate(P, (2, 3), 4, 2, "M")
    t_read_point(P, {"U": (0, 4), "V": (6, 0), "W": (3, 3)}, "V")
    t_which_point(P, {"A": (6, 2), "B": (2, 6), "C": (5, 5), "D": (1, 3)}, 2, 6)
    days, books = ["Mon", "Tue", "Wed", "Thu", "Fri"], [15, 25, 10, 35, 20]
    t_bar_chart(P, "Books read by Class 6", "Number of books", days, books, 5, 40,
                "how many books Class 6 read on each day of one week",
                [("How many books were read on Thursday? ______",
                  n_(books[3], bar_read("Thu", books[3], 5))),
                 ("How many more books were read on Tuesday than on Wednesday? ______",
                  n_(books[1] - books[2], f"The Tue bar reaches {books[1]} and the Wed bar "
                                          f"{books[2]}: {books[1]} - {books[2]} = "
                                          f"{books[1] - books[2]}.")),
                 ("How many books were read in the whole week? ______",
                  n_(sum(books), f"Add every bar: {sum_text(books)}."))])
    pets, count = ["Cat", "Dog", "Fish", "Rabbit", "Hamster"], [9, 13, 4, 6, 11]
    assert count.count(max(count)) == 1
    t_chart_choice(P, pets, count, 2, 14, "Pets owned by Year 5", "Number of pupils",
                   "the pets owned by pupils in Year 5",
                   "Which pet is owned by the most pupils?",
                   lambda lab, val: lab[val.index(max(val))])
    t_compass_turn(P, "south-west", 135, False)
    t_compass_turn(P, "east", 270, False, how="three right angles")
    t_map(P, {"library": (1, 5), "bus stop": (4, 2), "park": (7, 5), "shop": (1, 2)},
          "park", "bus stop")
    t_turn_size(P, "south", "north-west", True)
    return P


# ---------------------------------------------------------------------------
# Paper 110: harder missing angles, coordinates on a slant, line graphs, bar
# charts, maps and turns.

def paper110(dealer: PositionDealer, first: int) -> Builder:
    P = Builder(110, first, dealer)
    t_tri_text(P, 90, 17)
    t_isosceles(P, 28, "LMN")
    t_tri_choice(P, (90, 45, 45), [(90, 60, 40), (100, 45, 45), (90, 50, 30)])
    t_straight3(P, 112, 23, "n")
    t_point(P, [118, 64, 97, 81], 1, z="s")
    t_point_equal(P, [150, 70, 60], "k")
    t_exterior(P, 38, 104, "PQRS")
    t_cross_tri(P, 71, 56, "UVW")
    t_segments(P, {"QR": ((1, 1), (2, 4)), "ST": ((3, 6), (6, 7)),
                   "WX": ((5, 1), (6, 4)), "YZ": ((8, 2), (11, 1))}, "QR", "parallel")
    t_segments(P, {"MN": ((2, 2), (6, 4)), "KL": ((1, 7), (3, 5)),
                   "PQ": ((8, 1), (7, 3)), "RS": ((9, 5), (11, 6))}, "MN",
               "perpendicular")
    t_point_choice(P, {"J": (0, 5), "K": (4, 4), "L": (7, 1)}, "J")
    t_fourth_corner(P, (2, 4), (4, 6), (6, 4), "EFGH")
    t_translate(P, (7, 6), -5, -3, "T")
    hours, temp = ["8 am", "9 am", "10 am", "11 am", "12 noon", "1 pm"], [4, 8, 10, 14, 18, 16]
    t_line_graph(P, "Temperature in the playground", "Temperature (°C)", hours, temp,
                 4, 20, "the temperature in the playground one day, in °C",
                 [("What was the temperature at 10 am? ______",
                   n_(temp[2], line_read("10 am", temp[2], 4, "°C"))),
                  ("How many degrees warmer was it at 12 noon than at 8 am? ______",
                   n_(temp[4] - temp[0], f"It was {temp[4]}°C at 12 noon and {temp[0]}°C at "
                                         f"8 am: {temp[4]} - {temp[0]} = {temp[4] - temp[0]} "
                                         "degrees.")),
                  ("By how many degrees did the temperature fall between 12 noon "
                   "and 1 pm? ______",
                   n_(temp[4] - temp[5], f"It was {temp[4]}°C at 12 noon and {temp[5]}°C at "
                                         f"1 pm: {temp[4]} - {temp[5]} = {temp[4] - temp[5]} "
                                         "degrees."))])
    weeks, cm = [f"Week {k}" for k in range(1, 7)], [2, 5, 9, 14, 18, 20]
    t_line_graph(P, "Height of a sunflower", "Height (cm)", weeks, cm, 2, 20,
                 "the height of a sunflower, in centimetres, at the end of each week",
                 [("How tall was the sunflower at the end of Week 3? ______",
                   n_(cm[2], line_read("Week 3", cm[2], 2, " cm"))),
                  ("How many centimetres did it grow from the end of Week 4 to the "
                   "end of Week 5? ______",
                   n_(cm[4] - cm[3], f"It was {cm[4]} cm tall at the end of Week 5 and "
                                     f"{cm[3]} cm at the end of Week 4: {cm[4]} - {cm[3]} = "
                                     f"{cm[4] - cm[3]} cm.")),
                  ("How much taller was it at the end of Week 6 than at the end of "
                   "Week 1? ______",
                   n_(cm[5] - cm[0], f"It was {cm[5]} cm tall at the end of Week 6 and "
                                     f"{cm[0]} cm at the end of Week 1: {cm[5]} - {cm[0]} = "
                                     f"{cm[5] - cm[0]} cm."))])
    days, visitors = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat"], [45, 30, 55, 40, 70, 85]
    t_bar_chart(P, "Visitors to the museum", "Number of visitors", days, visitors,
                10, 90, "the number of visitors to a museum each day",
                [("How many more visitors were there on Saturday than on Monday? ______",
                  n_(visitors[5] - visitors[0], f"The Sat bar reaches {visitors[5]} and the "
                                                f"Mon bar {visitors[0]}: {visitors[5]} - "
                                                f"{visitors[0]} = {visitors[5] - visitors[0]}.")),
                 ("How many visitors were there on Monday, Tuesday and Wednesday "
                  "altogether? ______",
                  n_(sum(visitors[:3]), f"Add the three bars: {sum_text(visitors[:3])}.")),
                 ("How many fewer visitors were there on Thursday than on Friday? "
                  "______",
                  n_(visitors[4] - visitors[3], f"The Fri bar reaches {visitors[4]} and the "
                                                f"Thu bar {visitors[3]}: {visitors[4]} - "
                                                f"{visitors[3]} = {visitors[4] - visitors[3]}."))])
    sports, votes = ["Football", "Netball", "Swimming", "Tennis", "Cricket"], [16, 11, 14, 7, 9]
    assert votes.count(min(votes)) == 1
    t_chart_choice(P, sports, votes, 2, 18, "Favourite sport of Year 6",
                   "Number of pupils", "the favourite sport of the pupils in Year 6",
                   "Which sport was chosen by the fewest pupils?",
                   lambda lab, val: lab[val.index(min(val))])
    village = {"farm": (1, 1), "church": (1, 5), "mill": (5, 5), "well": (7, 3)}
    t_map(P, village, "mill", "church", where="a village")
    t_map(P, village, "farm", "mill", where="a village")
    t_map(P, village, "mill", "well", where="a village")
    t_compass_turn(P, "north-west", 225, True)
    t_turn_size(P, "south-east", "north-east", False)
    t_right_angles(P, "south", "east", True)
    return P


# ---------------------------------------------------------------------------

PAPERS = [paper106, paper107, paper108, paper109, paper110]
# Page 22245 is a fixed point other parts of the product rely on.
FIXED = {22245: [("M", 1, ";PQ;QP"), ("M", 1, ";PQ;QP"), ("T", 1, "Parallelogram")]}


def build() -> dict[str, str]:
    papers, files, by_id = build_topic(TOPIC, PAPERS, SUBJECT, ROOT)
    for pid, want in FIXED.items():
        assert [(b.type, b.marks, b.key) for b in by_id[pid]] == want, pid
    assert papers[0].first_id <= 22245 <= papers[0].last_id
    return files


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
