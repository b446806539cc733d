#!/usr/bin/env python3
"""Mathematics topic 6, "Solid figures, Symmetry and Volume": writes papers 126 to 130.

    python3 tools/mathgen/solids.py           # write the papers and figures
    python3 tools/mathgen/solids.py --check   # compare with the files

Every figure is drawn from the model its key is worked out from, and each key
is checked a second way before anything is written:
- a solid is built as corner points and faces; its faces, edges and corners
  are counted from that model (an edge is where two faces meet) and compared
  with the prism and pyramid rules and with Euler's rule F + V - E = 2;
- a net of a cube is folded by rolling a cube over its squares; the folding is
  itself checked by finding exactly 11 cube nets among the 35 hexominoes;
- lines of symmetry are found by reflecting the drawn corner points (or grid
  squares) and compared with the count the question is written for;
- a cuboid of unit cubes is drawn cube by cube; the drawn cubes are counted in
  the picture and compared with length x breadth x height, and the hidden
  cubes with (l - 1)(b - 1)(h - 1);
- a volume is compared with the count of unit cubes that fill the cuboid;
- the shapes of a solid's faces are named from their corner points and
  compared with the prism and pyramid rules (two ends and a rectangle a side;
  one base and a triangle a side);
- the lines of symmetry of a pattern of squares are found by mapping grid
  squares and again by reflecting the squares' centres; squares still to be
  shaded are checked against the groups of matching squares the mirrors make;
- a place for the sixth square of a net is checked by folding each place.
"""

from __future__ import annotations

import math
import os
import random
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen import figures  # noqa: E402
from mathgen.figures import r1  # noqa: E402
from mathgen.registry import by_name  # noqa: E402
from mathgen.paperlib import (  # noqa: E402
    PUPILS,
    TopicPaper,
    build_topic,
    run_generator,
    Blank, Fraction, Page, PositionDealer, CHOICE_NOTE, RIGHT, fmt, plain_signs, steps,
)
from mathgen.cube_nets import (  # noqa: E402
    CUBE_NETS, HEXOMINOES, fold, normal_form, opposite_cell,
)

# The shapes of six squares that do not fold to make a cube.
NOT_NETS = [s for s in HEXOMINOES if s not in CUBE_NETS]

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SUBJECT = os.path.join("assets", "subjects", "2-mathematics")
TOPIC = by_name("solids")

INSTRUCTION = ("In the answer sheet, write every answer as a number only, with no "
               "units (for 24 cm³, write 24), unless the question asks for a letter. "
               "For a multiple-choice question, write the number of the correct "
               "option (1, 2, 3 or 4).")

BLACK, BLUE, RED, GREY = "#000000", "#1d4f91", "#c00000", "#b8c4d0"
FILL, SHADE, WATER = "#eef3fa", "#7aa6d8", "#a9cdee"
CUBE = "\u00b3"
LETTER = "Write the letter only."

NAMES = [name for name, _ in PUPILS[:18]] + ["Maya", "Tom"]


# ---------------------------------------------------------------------------
# Drawing

class Svg(figures.Svg):
    polygon_fill = FILL
    round_joins = True


def fit(points, w, h, margin=40, scale=None):
    """Scale and offset that place points (y down) in the middle of a w x h box."""
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    sx, sy = max(xs) - min(xs) or 1, max(ys) - min(ys) or 1
    k = scale or min((w - 2 * margin) / sx, (h - 2 * margin) / sy)
    ox = (w - sx * k) / 2 - min(xs) * k
    oy = (h - sy * k) / 2 - min(ys) * k
    return lambda p: (ox + p[0] * k, oy + p[1] * k)


# ---------------------------------------------------------------------------
# Solids as corner points and faces

# Drawn in the oblique view of school books: the front face at its true shape,
# edges going back drawn at 40 degrees and shortened by half.
OB_K, OB_T = 0.5, 40


def view(t=OB_T):
    """The direction towards the eye."""
    a = math.radians(t)
    return (OB_K * math.cos(a), -1.0, OB_K * math.sin(a))


def oblique(p, t=OB_T):
    x, y, z = p
    a = math.radians(t)
    return (x + OB_K * math.cos(a) * y, -(z + OB_K * math.sin(a) * y))


def sub(a, b):
    return tuple(x - y for x, y in zip(a, b))


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
            a[0] * b[1] - a[1] * b[0])


class Solid:
    """A convex solid: corner points (x across, y going back, z up) and faces,
    each a list of corner indices in order round the face."""

    def __init__(self, verts, faces):
        self.verts = [tuple(float(c) for c in v) for v in verts]
        self.faces = faces
        centre = tuple(sum(v[i] for v in self.verts) / len(self.verts) for i in range(3))
        self.normals = []
        for f in faces:
            a, b, c = (self.verts[i] for i in f[:3])
            n = cross(sub(b, a), sub(c, a))
            mid = tuple(sum(self.verts[i][k] for i in f) / len(f) for k in range(3))
            if dot(n, sub(mid, centre)) < 0:
                n = tuple(-x for x in n)
            # Every corner of a face lies in its plane.
            for i in f:
                assert abs(dot(n, sub(self.verts[i], a))) < 1e-6
            self.normals.append(n)

    def edges(self) -> dict[tuple[int, int], list[int]]:
        out: dict[tuple[int, int], list[int]] = {}
        for fi, f in enumerate(self.faces):
            for i in range(len(f)):
                e = tuple(sorted((f[i], f[(i + 1) % len(f)])))
                out.setdefault(e, []).append(fi)
        return out

    def counts(self) -> tuple[int, int, int]:
        """Faces, edges and corners, counted from the model."""
        edges = self.edges()
        # A closed solid: every edge is where exactly two faces meet.
        assert all(len(fs) == 2 for fs in edges.values())
        used = {i for f in self.faces for i in f}
        assert used == set(range(len(self.verts)))
        f, e, v = len(self.faces), len(edges), len(self.verts)
        assert f + v - e == 2, (f, e, v)
        return f, e, v


def regular(n, r=1.0, turn=0.0):
    return [(r * math.cos(turn + 2 * math.pi * i / n),
             r * math.sin(turn + 2 * math.pi * i / n)) for i in range(n)]


def prism(base, height) -> Solid:
    n = len(base)
    verts = [(x, y, 0) for x, y in base] + [(x, y, height) for x, y in base]
    faces = [list(range(n)), list(range(n, 2 * n))]
    faces += [[i, (i + 1) % n, n + (i + 1) % n, n + i] for i in range(n)]
    return Solid(verts, faces)


def lying(solid: Solid) -> Solid:
    """The same solid turned so that its end faces are at the front and back."""
    return Solid([(x, z, y) for x, y, z in solid.verts], solid.faces)


def pyramid(base, height, apex=(0.0, 0.0)) -> Solid:
    n = len(base)
    verts = [(x, y, 0) for x, y in base] + [(apex[0], apex[1], height)]
    faces = [list(range(n))] + [[i, (i + 1) % n, n] for i in range(n)]
    return Solid(verts, faces)


def cuboid(l, b, h) -> Solid:
    return prism([(0, 0), (l, 0), (l, b), (0, b)], h)


# The solids met at school: name, how to build it, and the counts the usual
# rules give (prism on an n-sided base: n + 2 faces, 3n edges, 2n corners;
# pyramid: n + 1 faces, 2n edges, n + 1 corners).
def solid_named(name: str) -> Solid:
    t = 0.3
    if name == "cube":
        return cuboid(3, 3, 3)
    if name == "cuboid":
        return cuboid(5, 3, 2.6)
    if name == "triangular prism":
        return lying(prism([(0, 0), (3.4, 0), (1.7, 2.6)], 5))
    # Longer prisms lie on a side face, their end at the front at its true shape.
    if name == "pentagonal prism":
        return lying(prism(regular(5, 1.6, math.pi / 2), 7))
    if name == "hexagonal prism":
        return lying(prism(regular(6, 1.6, 0), 4.5))
    if name == "octagonal prism":
        return lying(prism(regular(8, 1.6, math.pi / 8), 4.5))
    if name == "square-based pyramid":
        return pyramid([(-1.7, -1.7), (1.7, -1.7), (1.7, 1.7), (-1.7, 1.7)], 3.6)
    if name == "triangular pyramid":
        return pyramid(regular(3, 2.0, -0.45), 3.3)
    if name == "pentagonal pyramid":
        return pyramid(regular(5, 1.8, 0.6), 3.4)
    if name == "hexagonal pyramid":
        return pyramid(regular(6, 1.8, 0.4), 3.4)
    raise ValueError(name)


RULE = {"cube": (6, 12, 8), "cuboid": (6, 12, 8)}
for _n, _w in ((3, "triangular"), (5, "pentagonal"), (6, "hexagonal"), (8, "octagonal")):
    RULE[f"{_w} prism"] = (_n + 2, 3 * _n, 2 * _n)
for _n, _w in ((3, "triangular"), (4, "square-based"), (5, "pentagonal"), (6, "hexagonal")):
    RULE[f"{_w} pyramid"] = (_n + 1, 2 * _n, _n + 1)


def solid_counts(name: str) -> tuple[int, int, int]:
    counted = solid_named(name).counts()
    assert counted == RULE[name], (name, counted)
    return counted


# The angle of the edges going back, chosen so that no face is seen nearly edge on.
ANGLE = {"pentagonal prism": 55, "octagonal prism": 25}


def solid_figure(solid: Solid, w=360, h=260, labels=None, water=None, open_top=False,
                 t=OB_T):
    """Visible faces shaded, visible edges solid and hidden edges dashed.
    labels: (point3d, text, anchor, dx, dy) to print beside edges."""
    def oblique_(p):
        return oblique(p, t)
    VIEW = view(t)
    pts = [oblique_(v) for v in solid.verts]
    extra = [oblique_(v) for v in water.verts] if water else []
    tr = fit(pts + extra, w, h, margin=50 if labels else 30)
    P = [tr(p) for p in pts]
    visible = []
    for n in solid.normals:
        d = dot(n, VIEW)
        # No face is seen edge on, or so nearly that it looks like a line.
        assert abs(d) > 0.12 * math.sqrt(dot(n, n)), (d, n)
        visible.append(d > 0)
    s = Svg(w, h)
    if water:
        WP = [tr(oblique_(v)) for v in water.verts]
        for f, n in zip(water.faces, water.normals):
            if dot(n, VIEW) > 0:
                s.polygon([WP[i] for i in f], fill=WATER, colour="#4a83bf", width=1)
    else:
        for f, vis in zip(solid.faces, visible):
            if vis:
                s.polygon([P[i] for i in f], fill=FILL, colour=FILL, width=1)
    edges = solid.edges()
    for (a, b), fs in edges.items():
        if not any(visible[f] for f in fs) and not open_top:
            s.line(P[a], P[b], 1.5, "#555555", dash=True)
    for (a, b), fs in edges.items():
        if any(visible[f] for f in fs) or open_top:
            s.line(P[a], P[b], 2.5)
    for point, text, anchor, dx, dy in labels or []:
        q = tr(oblique_(point))
        s.text((q[0] + dx, q[1] + dy), text, 17, anchor, BLUE)
    return s.render()


def curved_figure(name: str, w=300, h=240) -> str:
    s = Svg(w, h)
    cx = w / 2
    if name == "cylinder":
        rx, ry, top, bot = 70, 22, 50, 190
        s.path(f"M {cx - rx} {top} L {cx - rx} {bot} A {rx} {ry} 0 0 0 {cx + rx} {bot} "
               f"L {cx + rx} {top} Z", fill=FILL, width=0.1, colour=FILL)
        s.ellipse((cx, top), rx, ry, fill="#dde7f3", width=2.5)
        s.path(f"M {cx - rx} {bot} A {rx} {ry} 0 0 1 {cx + rx} {bot}", "#555555", 1.5,
               dash=True)
        s.path(f"M {cx - rx} {bot} A {rx} {ry} 0 0 0 {cx + rx} {bot}", width=2.5)
        s.line((cx - rx, top), (cx - rx, bot), 2.5)
        s.line((cx + rx, top), (cx + rx, bot), 2.5)
    elif name == "cone":
        rx, ry, apex, bot = 75, 22, 30, 190
        s.path(f"M {cx} {apex} L {cx - rx} {bot} A {rx} {ry} 0 0 0 {cx + rx} {bot} Z",
               fill=FILL, width=0.1, colour=FILL)
        s.path(f"M {cx - rx} {bot} A {rx} {ry} 0 0 1 {cx + rx} {bot}", "#555555", 1.5,
               dash=True)
        s.path(f"M {cx - rx} {bot} A {rx} {ry} 0 0 0 {cx + rx} {bot}", width=2.5)
        s.line((cx, apex), (cx - rx, bot), 2.5)
        s.line((cx, apex), (cx + rx, bot), 2.5)
    elif name == "sphere":
        c, r = (cx, h / 2), 85
        s.circle(c, r, fill=FILL, width=2.5)
        s.path(f"M {cx - r} {c[1]} A {r} 26 0 0 1 {cx + r} {c[1]}", "#555555", 1.5,
               dash=True)
        s.path(f"M {cx - r} {c[1]} A {r} 26 0 0 0 {cx + r} {c[1]}", "#555555", 1.5)
    else:
        raise ValueError(name)
    return s.render()


def picture(name: str) -> str:
    if name in ("cylinder", "cone", "sphere"):
        return curved_figure(name)
    solid_counts(name)
    return solid_figure(solid_named(name), t=ANGLE.get(name, OB_T))


# ---------------------------------------------------------------------------
# Nets

def net_figure(nets, letters=None, marks=None, cell=34, titles=None, w=None):
    """One or more square nets side by side. letters: per net, cell -> text."""
    widths = [max(c[0] for c in n) + 1 for n in nets]
    heights = [max(c[1] for c in n) + 1 for n in nets]
    gap = 40
    total = sum(widths) * cell + gap * (len(nets) - 1)
    W = w or total + 40
    H = max(heights) * cell + (70 if titles else 40)
    s = Svg(W, H)
    x0 = (W - total) / 2
    drawn = 0
    for k, net in enumerate(nets):
        y0 = 20 + (max(heights) - heights[k]) * cell / 2
        for c in net:
            s.rect(x0 + c[0] * cell, y0 + c[1] * cell, cell, cell, FILL, BLACK, 2)
            drawn += 1
            text = (letters[k] if letters else {}).get(c)
            if text:
                s.text((x0 + (c[0] + 0.5) * cell, y0 + (c[1] + 0.5) * cell), text, 18,
                       colour=BLUE, bold=True)
        if titles:
            s.text((x0 + widths[k] * cell / 2, H - 22), titles[k], 17, bold=True)
        x0 += widths[k] * cell + gap
    assert drawn == sum(len(n) for n in nets)
    return s.render()


def cuboid_net_figure(l, b, h, unit="cm"):
    """The cross-shaped net of an l x b x h cuboid, drawn to scale, with the
    length and breadth of each kind of face marked once. Returns the svg and
    the sizes of the drawn rectangles."""
    # Columns: left end (h wide), base (l wide), right end (h wide);
    # rows: back (h), base (b), front (h), top (b).
    rects = [(h, 0, l, h), (h, h, l, b), (h, h + b, l, h), (h, 2 * h + b, l, b),
             (0, h, h, b), (h + l, h, h, b)]
    W, H = 460, 380
    k = min((W - 140) / (l + 2 * h), (H - 60) / (2 * h + 2 * b))
    ox = (W - (l + 2 * h) * k) / 2
    oy = (H - (2 * h + 2 * b) * k) / 2
    s = Svg(W, H)
    for x, y, rw, rh in rects:
        s.rect(ox + x * k, oy + y * k, rw * k, rh * k, FILL, BLACK, 2)
    # Length along the top of the back face, height down its left side,
    # breadth down the right side of the right-hand end face.
    s.text((ox + (h + l / 2) * k, oy - 14), f"{l} {unit}", 16, colour=BLUE)
    s.text((ox + h * k - 8, oy + h * k / 2), f"{h} {unit}", 16, "end", BLUE)
    s.text((ox + (l + 2 * h) * k + 8, oy + (h + b / 2) * k), f"{b} {unit}", 16, "start",
           BLUE)
    return s.render(), [(rw, rh) for _, _, rw, rh in rects]


def other_net_figure(name: str) -> tuple[str, int]:
    """The net of a solid; returns the svg and the number of pieces drawn."""
    W, H = 380, 300
    s = Svg(W, H)
    cx, cy = W / 2, H / 2
    pieces = 0
    if name == "square-based pyramid":
        a, t = 80, 80
        sq = [(cx - a / 2, cy - a / 2), (cx + a / 2, cy - a / 2),
              (cx + a / 2, cy + a / 2), (cx - a / 2, cy + a / 2)]
        s.polygon(sq)
        pieces += 1
        for i in range(4):
            p, q = sq[i], sq[(i + 1) % 4]
            mx, my = (p[0] + q[0]) / 2, (p[1] + q[1]) / 2
            ox, oy = (mx - cx) / (a / 2) * t, (my - cy) / (a / 2) * t
            s.polygon([p, q, (mx + ox, my + oy)])
            pieces += 1
    elif name == "triangular pyramid":
        r = 125
        big = [(cx, cy - r * 0.95), (cx - r * 1.1, cy + r * 0.95 * 0.95),
               (cx + r * 1.1, cy + r * 0.95 * 0.95)]
        mids = [((big[i][0] + big[(i + 1) % 3][0]) / 2, (big[i][1] + big[(i + 1) % 3][1]) / 2)
                for i in range(3)]
        for tri in ([big[0], mids[0], mids[2]], [mids[0], big[1], mids[1]],
                    [mids[2], mids[1], big[2]], mids):
            s.polygon(tri)
            pieces += 1
    elif name == "triangular prism":
        rw, rh, t = 70, 130, 60
        x0, y0 = cx - 1.5 * rw, cy - rh / 2
        for i in range(3):
            s.polygon([(x0 + i * rw, y0), (x0 + (i + 1) * rw, y0),
                       (x0 + (i + 1) * rw, y0 + rh), (x0 + i * rw, y0 + rh)])
            pieces += 1
        s.polygon([(x0 + rw, y0), (x0 + 2 * rw, y0), (x0 + 1.5 * rw, y0 - t)])
        s.polygon([(x0 + rw, y0 + rh), (x0 + 2 * rw, y0 + rh), (x0 + 1.5 * rw, y0 + rh + t)])
        pieces += 2
    elif name == "cylinder":
        rw, rh, r = 200, 110, 32
        x0, y0 = cx - rw / 2, cy - rh / 2
        s.polygon([(x0, y0), (x0 + rw, y0), (x0 + rw, y0 + rh), (x0, y0 + rh)])
        s.circle((cx, y0 - r), r)
        s.circle((cx, y0 + rh + r), r)
        pieces += 3
    elif name == "cone":
        r, c = 110, (cx - 30, 40)
        a1, a2 = math.radians(55), math.radians(125)
        p, q = ((c[0] + r * math.cos(a1), c[1] + r * math.sin(a1)),
                (c[0] + r * math.cos(a2), c[1] + r * math.sin(a2)))
        s.path(f"M {r1(c[0])} {r1(c[1])} L {r1(p[0])} {r1(p[1])} A {r} {r} 0 0 1 "
               f"{r1(q[0])} {r1(q[1])} Z", fill=FILL)
        s.circle((c[0], c[1] + r + 45), 45)
        pieces += 2
    else:
        raise ValueError(name)
    return s.render(), pieces


# ---------------------------------------------------------------------------
# Lines of symmetry

def reflect(p, a, d):
    """p reflected in the line through a with unit direction d."""
    v = (p[0] - a[0], p[1] - a[1])
    t = v[0] * d[0] + v[1] * d[1]
    return (a[0] + 2 * t * d[0] - v[0], a[1] + 2 * t * d[1] - v[1])


def same_points(ps, qs) -> bool:
    return all(any(math.dist(p, q) < 1e-6 for q in qs) for p in ps) and len(ps) == len(qs)


def is_axis(pts, a, d) -> bool:
    """A polygon is symmetric in a line when reflecting it gives the same
    corners, joined in the same order (the reversed order)."""
    n = len(pts)
    ref = [reflect(p, a, d) for p in pts]
    if not same_points(ref, pts):
        return False
    # The corners must also be joined the same way round.
    idx = [next(j for j in range(n) if math.dist(ref[i], pts[j]) < 1e-6) for i in range(n)]
    return all((idx[(i + 1) % n] - idx[i]) % n in (1, n - 1) for i in range(n))


def axes(pts) -> list[float]:
    """Every line of symmetry of a polygon, as angles in degrees. Such a line
    goes through the centre of the corners and through a corner or the middle
    of a side."""
    n = len(pts)
    c = (sum(p[0] for p in pts) / n, sum(p[1] for p in pts) / n)
    found = []
    cands = list(pts) + [((pts[i][0] + pts[(i + 1) % n][0]) / 2,
                          (pts[i][1] + pts[(i + 1) % n][1]) / 2) for i in range(n)]
    for q in cands:
        d = math.dist(q, c)
        if d < 1e-9:
            continue
        u = ((q[0] - c[0]) / d, (q[1] - c[1]) / d)
        ang = round(math.degrees(math.atan2(u[1], u[0])) % 180, 4) % 180
        if is_axis(pts, c, u) and all(abs(ang - g) > 1e-3 for g in found):
            found.append(ang)
    return sorted(found)


# Shapes as corner points (x right, y down), with the number of lines of
# symmetry they are known to have.
def _shape(name):
    up = -math.pi / 2
    table = {
        "square": ([(0, 0), (4, 0), (4, 4), (0, 4)], 4),
        "rectangle": ([(0, 0), (6, 0), (6, 3.4), (0, 3.4)], 2),
        "equilateral triangle": (regular(3, 3, up), 3),
        "regular pentagon": (regular(5, 3, up), 5),
        "regular hexagon": (regular(6, 3, 0), 6),
        "regular octagon": (regular(8, 3, math.pi / 8), 8),
        "isosceles triangle": ([(0, 5), (2, 0), (4, 5)], 1),
        "kite": ([(2.2, 0), (4.4, 1.8), (2.2, 6), (0, 1.8)], 1),
        "rhombus": ([(2.5, 0), (5, 3.4), (2.5, 6.8), (0, 3.4)], 2),
        "parallelogram": ([(1.8, 0), (6.8, 0), (5, 3.4), (0, 3.4)], 0),
        "scalene triangle": ([(0, 4), (5.5, 4), (1.5, 0)], 0),
        "isosceles trapezium": ([(1.5, 0), (4.5, 0), (6, 3.4), (0, 3.4)], 1),
        "right-angled isosceles triangle": ([(0, 0), (0, 4), (4, 4)], 1),
        "right-angled trapezium": ([(0, 0), (3.5, 0), (5.5, 3.4), (0, 3.4)], 0),
        "arrow": ([(0, 1.2), (3, 1.2), (3, 0), (5, 2), (3, 4), (3, 2.8), (0, 2.8)], 1),
        "cross": ([(1, 0), (2, 0), (2, 1), (3, 1), (3, 2), (2, 2), (2, 3), (1, 3),
                   (1, 2), (0, 2), (0, 1), (1, 1)], 4),
        "letter H": ([(0, 0), (1, 0), (1, 1.5), (2, 1.5), (2, 0), (3, 0), (3, 4),
                      (2, 4), (2, 2.5), (1, 2.5), (1, 4), (0, 4)], 2),
        "letter T": ([(0, 0), (4, 0), (4, 1), (2.5, 1), (2.5, 4.5), (1.5, 4.5),
                      (1.5, 1), (0, 1)], 1),
        "letter L": ([(0, 0), (1, 0), (1, 3), (4, 3), (4, 4), (0, 4)], 1),
        "letter Z": ([(0, 0), (3.6, 0), (3.6, 0.9), (1.2, 3.1), (3.6, 3.1), (3.6, 4),
                      (0, 4), (0, 3.1), (2.4, 0.9), (0, 0.9)], 0),
        "house": ([(0, 2), (2.5, 0), (5, 2), (5, 5), (0, 5)], 1),
        "star": [None, 5],
    }
    if name == "star":
        pts = []
        for i in range(10):
            r = 3 if i % 2 == 0 else 1.25
            a = up + math.pi * i / 5
            pts.append((r * math.cos(a), r * math.sin(a)))
        return pts, 5
    return table[name]


def shape_points(name) -> list:
    pts, known = _shape(name)
    found = axes(pts)
    assert len(found) == known, (name, found, known)
    return pts


def sym_count(name) -> int:
    return len(axes(shape_points(name)))


def shape_figure(pts, lines=None, w=360, h=280):
    """A shape; lines: (letter, point on it, direction) drawn dashed across it."""
    tr = fit(pts, w, h, margin=60)
    P = [tr(p) for p in pts]
    s = Svg(w, h)
    s.polygon(P, fill=SHADE, colour=BLUE, width=2.5)
    for letter, a, d, colour in lines or []:
        A = tr(a)
        B = tr((a[0] + d[0], a[1] + d[1]))
        u = (B[0] - A[0], B[1] - A[1])
        L = math.hypot(*u)
        u = (u[0] / L, u[1] / L)
        # Long enough to cross the whole shape, short enough to leave room for
        # the letter inside the picture.
        reach = max(math.dist(A, p) for p in P) + 22

        def room(sign):
            r = reach
            for i, lim in ((0, w), (1, h)):
                if abs(u[i]) > 1e-9:
                    edge = lim - 28 if sign * u[i] > 0 else 28
                    r = min(r, (edge - A[i]) / (sign * u[i]))
            return r
        e1 = (A[0] - u[0] * room(-1), A[1] - u[1] * room(-1))
        e2 = (A[0] + u[0] * room(1), A[1] + u[1] * room(1))
        s.line(e1, e2, 2, colour, dash=True)
        s.text((e2[0] + u[0] * 14, e2[1] + u[1] * 14), letter, 18, colour=colour, bold=True)
    return s.render()


def cells_axes(cells) -> int:
    """Lines of symmetry of a shape made of grid squares: each is a line of
    symmetry of the surrounding box, so only four lines need trying."""
    xs = [c[0] for c in cells]
    ys = [c[1] for c in cells]
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
    s = set(cells)
    maps = [lambda x, y: (x0 + x1 - x, y), lambda x, y: (x, y0 + y1 - y)]
    if x1 - x0 == y1 - y0:
        maps += [lambda x, y: (x0 + (y - y0), y0 + (x - x0)),
                 lambda x, y: (x1 - (y - y0), y1 - (x - x0))]
    return sum(1 for m in maps if {m(x, y) for x, y in s} == s)


def grid_figure(shaded, nx, ny, mirrors=(), cell=30):
    """A grid with shaded squares and dashed mirror lines: ("v", x) a
    vertical line at grid line x, ("h", y) a horizontal one, ("d", 0) the
    diagonal from the top left corner."""
    s = Svg(nx * cell + 20, ny * cell + 20)
    for x, y in shaded:
        assert 0 <= x < nx and 0 <= y < ny
        s.rect(10 + x * cell, 10 + y * cell, cell, cell, SHADE, BLUE, 1)
    for k in range(nx + 1):
        s.line((10 + k * cell, 10), (10 + k * cell, 10 + ny * cell), 1, GREY)
    for k in range(ny + 1):
        s.line((10, 10 + k * cell), (10 + nx * cell, 10 + k * cell), 1, GREY)
    for kind, at in mirrors:
        if kind == "v":
            s.line((10 + at * cell, 4), (10 + at * cell, 16 + ny * cell), 3, RED, dash=True)
        elif kind == "h":
            s.line((4, 10 + at * cell), (16 + nx * cell, 10 + at * cell), 3, RED, dash=True)
        else:
            s.line((6, 6), (14 + nx * cell, 14 + ny * cell), 3, RED, dash=True)
    return s.render()


# ---------------------------------------------------------------------------
# Cuboids of unit cubes, drawn in isometric view

ISO_C = math.cos(math.radians(30))


def iso(p, k):
    x, y, z = p
    return ((x - y) * ISO_C * k, ((x + y) * 0.5 - z) * k)


def iso_figure(cubes, w=None, h=None, k=30):
    """Unit cubes (x to the front right, y to the front left, z up), drawn back
    to front so that nearer cubes hide those behind. Returns the svg."""
    cubes = sorted(set(cubes), key=lambda c: (c[0] + c[1] + c[2], c[2], c[0]))
    corners = [iso((x + dx, y + dy, z + dz), k) for x, y, z in cubes
               for dx in (0, 1) for dy in (0, 1) for dz in (0, 1)]
    xs, ys = [p[0] for p in corners], [p[1] for p in corners]
    W = w or int(max(xs) - min(xs) + 60)
    H = h or int(max(ys) - min(ys) + 40)
    ox = (W - (max(xs) - min(xs))) / 2 - min(xs)
    oy = (H - (max(ys) - min(ys))) / 2 - min(ys)
    s = Svg(W, H)
    s.items.append("<g>")
    for x, y, z in cubes:
        def P(dx, dy, dz):
            q = iso((x + dx, y + dy, z + dz), k)
            return (ox + q[0], oy + q[1])
        s.polygon([P(0, 0, 1), P(1, 0, 1), P(1, 1, 1), P(0, 1, 1)], "#dfe9f5", BLACK, 1.5)
        s.polygon([P(1, 0, 0), P(1, 1, 0), P(1, 1, 1), P(1, 0, 1)], "#9fbfe0", BLACK, 1.5)
        s.polygon([P(0, 1, 0), P(1, 1, 0), P(1, 1, 1), P(0, 1, 1)], "#c3d7ee", BLACK, 1.5)
    s.items.append("</g>")
    svg = s.render()
    # The picture holds three faces for every cube, and nothing else.
    group = svg.split("<g>")[1].split("</g>")[0]
    assert group.count("<polygon") == 3 * len(cubes)
    return svg


def block(l, b, h, at=(0, 0, 0)):
    return [(at[0] + x, at[1] + y, at[2] + z)
            for x in range(l) for y in range(b) for z in range(h)]


def hidden_cubes(cubes) -> int:
    """Cubes with a cube in front of each of the three faces the eye could see."""
    s = set(cubes)
    return sum(1 for x, y, z in s
               if (x + 1, y, z) in s and (x, y + 1, z) in s and (x, y, z + 1) in s)


# ---------------------------------------------------------------------------
# Papers

class Builder(TopicPaper):
    def __init__(self, key: int, first_id: int, dealer: PositionDealer):
        super().__init__(TOPIC, key, first_id, dealer, seed_factor=5273,
                         instruction=INSTRUCTION, names=NAMES)

    def draw(self, page: Page, svg: str, alt: str) -> Page:
        m = re.search(r'<svg[^>]* width="(\d+)" height="(\d+)"', svg)
        return self.attach_figure(page, svg, int(m[1]), int(m[2]), alt)

    def fixed_choice(self, stem: str, options: list[str], pos: int, why: str = "") -> Page:
        """Options in a fixed order (A to D in a picture): the picture is
        drawn to put the right one at the dealt position."""
        assert len(set(options)) == 4 and 1 <= pos <= 4
        why = why.replace(RIGHT, f"({pos}) {plain_signs(options[pos - 1])}")
        return self.add(Page(stem, [], [Blank("Q", 1, str(pos), why)], options,
                             after=[f"<p>{CHOICE_NOTE}</p>"]))


def n_(key, why: str = "") -> Blank:
    key = Fraction(key)
    assert key >= 0
    if key.denominator == 1:
        return Blank("N", 1, str(key.numerator), why)
    text = f"{float(key):.3f}".rstrip("0")
    assert Fraction(text) == key, key
    return Blank("N", 1, text, why)


def t_(letter, why: str = "") -> Blank:
    assert re.fullmatch(r"[A-Z]", letter)
    return Blank("T", 1, letter, why)


def num(v) -> str:
    """A number as printed: 1,500 or 2.5."""
    v = Fraction(v)
    if v.denominator == 1:
        return fmt(v.numerator)
    return n_(v).key


def distinct(right, wrongs, fallback):
    """Three wrong answers that differ from the right one and each other."""
    out = []
    for w in list(wrongs) + list(fallback):
        if w != right and w not in out:
            out.append(w)
    assert len(out) >= 3, (right, wrongs)
    return out[:3]


ARTICLE = {"octagonal prism": "an", "equilateral triangle": "an",
           "isosceles triangle": "an", "isosceles trapezium": "an", "arrow": "an"}


def a_(name):
    return ARTICLE.get(name, "an" if name[0] in "aeiou" else "a") + " " + name


# -- worked answers ------------------------------------------------------------------
# Shown to the pupil once practice is over; each is built from the model or the numbers
# the key is worked out from.

def listed(items) -> str:
    items = list(items)
    return items[0] if len(items) == 1 else ", ".join(items[:-1]) + " and " + items[-1]


def many(k, word: str) -> str:
    """'1 triangle', '4 triangles'."""
    return f"{k} {word if k == 1 else PLURAL.get(word, word + 's')}"


def sides_of(name: str) -> int:
    """Sides of a prism's end or of a pyramid's base, from its counted faces."""
    f = solid_counts(name)[0]
    return f - 1 if "pyramid" in name else f - 2


def end_shape(name: str) -> str:
    """The shape of a prism's ends or of a pyramid's base, named from its corner points."""
    tally = face_tally(name)
    other = "triangle" if "pyramid" in name else "rectangle"
    kinds = [k for k in tally if k != other]
    return kinds[0] if kinds else other


def faces_said(name: str) -> str:
    """'2 hexagons and 6 rectangles': the base or the ends first."""
    tally = face_tally(name)
    return listed(many(k, kind) for kind, k in sorted(tally.items(), key=lambda t: t[1]))


UPRIGHT = ("cube", "cuboid")     # prisms standing on an end: a top and a bottom

# A base named by its shape, as it is said before "base".
BASE_WORD = {"triangle": "triangular", "pentagon": "pentagonal", "hexagon": "hexagonal",
             "octagon": "octagonal"}


def fev_why(name: str, which: str) -> str:
    """How the faces, edges or vertices of a prism or a pyramid are counted."""
    f, e, v = solid_counts(name)
    n, shape = sides_of(name), end_shape(name)
    if "pyramid" in name:
        return {
            "f": f"A pyramid has one base and a triangle on each side of it. This base is "
                 f"a {shape} with {n} sides: 1 + {n} = {f} faces.",
            "e": f"There are {n} edges round the {BASE_WORD.get(shape, shape)} base and {n} "
                 f"going up to the "
                 f"point: {n} + {n} = {e} edges.",
            "v": f"There are {n} corners round the base and 1 at the point on top: "
                 f"{n} + 1 = {v} vertices.",
        }[which]
    up = name in UPRIGHT
    ends = "the top and the bottom" if up else "the two ends"
    return {
        "f": f"It has 2 {PLURAL[shape]} ({ends}) and {n} faces round the sides, one for "
             f"each side of a {shape}: 2 + {n} = {f} faces.",
        "e": (f"There are {n} edges round the top, {n} round the bottom and {n} going up: "
              if up else f"There are {n} edges round each end and {n} joining the two "
              "ends: ") + f"{n} + {n} + {n} = {e} edges.",
        "v": (f"There are {n} corners round the top and {n} round the bottom: " if up
              else f"There are {n} corners at each end: ") + f"{n} + {n} = {v} vertices.",
    }[which]


CURVED_WHY = {
    "cylinder": "it has a flat circle at each end and one curved surface between them",
    "cone": "it has one flat circle and a curved surface that comes up to a point",
    "sphere": "it is round like a ball, with one curved surface and no edges or corners",
}
FLAT = {"Square", "Rectangle", "Triangle", "Circle", "Pentagon", "Hexagon", "Oval",
        "Semicircle"}


def solid_why(name: str, wrong=()) -> str:
    """Why a solid has its name, and why a flat shape among the options is not it."""
    if name in CURVED_WHY:
        why = CURVED_WHY[name]
    elif name == "cube":
        why = "all 6 of its faces are squares of the same size"
    elif name == "cuboid":
        why = "its 6 faces are rectangles, in 3 matching pairs"
    elif "prism" in name:
        n = sides_of(name)
        why = (f"its two ends are {PLURAL[end_shape(name)]}, joined by "
               f"{face_tally(name)['rectangle']} rectangles; a pyramid would come to a point")
        assert face_tally(name)["rectangle"] == n
    else:
        n = sides_of(name)
        why = (f"its base is a {end_shape(name)} and its {n} other faces are triangles that "
               "meet at a point")
    flat = [w for w in wrong if w in FLAT]
    tail = f" {listed(a_(w.lower()) for w in flat).capitalize()} is flat, not a solid." \
        if flat else ""
    return f"{RIGHT}: {why}.{tail}"


def in_line(cells, a, b):
    """The square between a and b when the three make a straight line in the net."""
    if (a[0] == b[0] and abs(a[1] - b[1]) == 2) or (a[1] == b[1] and abs(a[0] - b[0]) == 2):
        mid = ((a[0] + b[0]) // 2, (a[1] + b[1]) // 2)
        if mid in cells:
            return mid
    return None


def opposite_why(cells, a, label) -> str:
    """Why the face opposite square a is where it is, in the words of label(cell)."""
    b = opposite_cell(cells, a)
    mid = in_line(cells, a, b)
    if mid is not None:
        # Two quarter turns the same way: the two squares end up facing each other.
        return (f"{cap(label(a))} and {label(b)} are in a straight line with one square, "
                f"{label(mid)}, between them, so they fold to opposite sides of the cube.")
    near = [label(c) for c in cells if c not in (a, b)]
    near = listed(near) if not all(n.startswith("face ") for n in near) else \
        "faces " + listed(n.removeprefix("face ") for n in near)
    return (f"Folded up, {label(a)} shares an edge with {near}, so the one face "
            f"left, {label(b)}, is opposite it.")


def runs(cells) -> int:
    """The longest straight row or column of squares."""
    s, best = set(cells), 0
    for x, y in s:
        for dx, dy in ((1, 0), (0, 1)):
            k = 1
            while (x + k * dx, y + k * dy) in s:
                k += 1
            best = max(best, k)
    return best


def not_net_why(cells) -> str:
    """Why six squares do not fold to a cube."""
    assert fold(cells) is None
    if not no_square_block(cells):
        return "has 4 squares in a 2 by 2 block"
    if runs(cells) >= 5:
        return "has 5 squares in a row"
    return "folds with two squares on the same face"


def faults_said(faults: dict[str, list[str]]) -> str:
    """'Shape A has 4 squares in a 2 by 2 block. Shapes C and D each fold with ...'."""
    out = []
    for fault, letters in faults.items():
        if len(letters) == 1:
            out.append(f"Shape {letters[0]} {fault}.")
        else:
            fault = fault.replace("has ", "have ", 1).replace("folds ", "fold ", 1)
            out.append(f"Shapes {listed(letters)} each {fault}.")
    return " ".join(out)


def shape_lines(name: str) -> str:
    """Where a shape's lines of symmetry are, or why it has none."""
    k = sym_count(name)
    if name.startswith("regular ") or name == "equilateral triangle":
        n = len(shape_points(name))
        assert k == n
        where = ("each from a corner to the middle of the opposite side" if n % 2 else
                 f"{n // 2} joining opposite corners and {n // 2} joining the middles of "
                 "opposite sides")
        return (f"A regular shape has as many lines of symmetry as sides. It has {n} "
                f"sides, so {k} lines, {where}.")
    text = {
        "square": "one down the middle, one across the middle and one along each "
                  "diagonal: {k} lines",
        "rectangle": "one down the middle and one across the middle: {k} lines. If you "
                     "fold it along a diagonal, the corners do not meet",
        "isosceles triangle": "{k} line, from the top corner down to the middle of the "
                              "base, so that the two equal sides fold onto each other",
        "letter T": "{k} line, down the middle of its upright",
        "letter H": "one down the middle and one across the middle of the bar: {k} lines",
        "parallelogram": "{k} lines of symmetry: folding it along any line, the slanting "
                         "sides never land on each other",
        "rhombus": "one along each diagonal: {k} lines. Folding it down the middle of a "
                   "side does not work, because the corners do not meet",
        "letter Z": "{k} lines of symmetry: it looks the same turned upside down, but no "
                    "fold makes one half land on the other",
        "star": "one through each of its points and the middle of the dip opposite: "
                "{k} lines",
        "kite": "{k} line, through the corners where the equal sides meet",
    }[name].format(k=k)
    return f"It has {text}."


LINE_WHERE = {
    "arrow": "it runs along the middle of the arrow, from its tail to its tip",
    "kite": "it goes through the two corners where the pairs of equal sides meet",
    "house": "it goes straight down from the top of the roof to the middle of the floor",
    "right-angled isosceles triangle": "it goes from the right angle to the middle of the "
                                       "longest side",
}


def grid_lines(cells) -> list[str]:
    """The lines of symmetry of a pattern of squares, named as pupils see them."""
    xs, ys = [c[0] for c in cells], [c[1] for c in cells]
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
    s = set(cells)
    maps = [("the line down the middle", lambda x, y: (x0 + x1 - x, y)),
            ("the line across the middle", lambda x, y: (x, y0 + y1 - y))]
    if x1 - x0 == y1 - y0:
        maps += [("the slanting line from top left to bottom right",
                  lambda x, y: (x0 + (y - y0), y0 + (x - x0))),
                 ("the slanting line from top right to bottom left",
                  lambda x, y: (x1 - (y - y0), y1 - (x - x0)))]
    found = [name for name, m in maps if {m(x, y) for x, y in s} == s]
    assert len(found) == cells_axes(cells)
    return found


def box_volume(l, b, h, unit="cm") -> str:
    return (f"Volume = length × width × height = {steps(f'{l} * {b} * {h}')} "
            f"{unit}{CUBE}.")


# -- solids ---------------------------------------------------------------------

SOLID_WRONG = {
    "cube": ["Triangular prism", "Square-based pyramid", "Square"],
    "cuboid": ["Cube", "Rectangle", "Triangular prism"],
    "triangular prism": ["Triangular pyramid", "Cuboid", "Triangle"],
    "square-based pyramid": ["Triangular prism", "Triangular pyramid", "Cone"],
    "triangular pyramid": ["Square-based pyramid", "Triangular prism", "Triangle"],
    "cylinder": ["Cone", "Sphere", "Circle"],
    "cone": ["Cylinder", "Square-based pyramid", "Triangle"],
    "sphere": ["Circle", "Cylinder", "Cone"],
    "pentagonal prism": ["Hexagonal prism", "Pentagonal pyramid", "Pentagon"],
    "hexagonal prism": ["Pentagonal prism", "Hexagonal pyramid", "Hexagon"],
    "hexagonal pyramid": ["Pentagonal pyramid", "Hexagonal prism", "Hexagon"],
    "pentagonal pyramid": ["Hexagonal pyramid", "Pentagonal prism", "Pentagon"],
}


def cap(s):
    return s[0].upper() + s[1:]


def t_solid_name(P: Builder, name: str, stem: str):
    r = P.qrng()
    page = P.choice(stem, cap(name), SOLID_WRONG[name], r,
                    why=solid_why(name, SOLID_WRONG[name]))
    P.draw(page, picture(name), "A drawing of a solid shape")


def t_fev(P: Builder, name: str, ask="fev", drawn=True, named=True):
    """named=False leaves the solid unnamed, where another question asks for its name."""
    f, e, v = solid_counts(name)
    what = {"f": ("faces", f), "e": ("edges", e), "v": ("vertices (corners)", v)}
    parts = [(f"Number of {what[c][0]}: ______", n_(what[c][1], fev_why(name, c)))
             for c in ask]
    stem = (("Look at this solid." if not named else f"This solid is {a_(name)}.") if drawn
            else f"Think about {a_(name)}.")
    if len(parts) == 1:
        page = P.single(stem + f" How many {what[ask][0]} does it have?", what[ask][1],
                        why=fev_why(name, ask))
    else:
        if drawn:
            stem += (" Count its faces, edges and vertices." if ask == "fev" else "")
            stem += " Dashed lines show edges you cannot see."
        page = P.parts(stem, parts)
    if drawn:
        P.draw(page, picture(name), f"A drawing of {a_(name)}")


def t_fev_choice(P: Builder, name: str, which: str):
    r = P.qrng()
    f, e, v = solid_counts(name)
    key = {"f": f, "e": e, "v": v}[which]
    word = {"f": "faces", "e": "edges", "v": "vertices"}[which]
    # Giving another of the three counts, or counting only the front of the solid.
    wrong = distinct(key, [f, e, v, key - 2, key + 2], [key + 1, key - 1, key + 3])
    # The slip of giving another of the three counts, named where it is an option.
    said: dict[int, list[str]] = {}
    for n, other in ((f, "faces"), (e, "edges"), (v, "vertices")):
        if n != key and n in wrong:
            said.setdefault(n, []).append(other)
    slips = [f"{n} is the number of its {' and of its '.join(others)}"
             for n, others in said.items()]
    why = f"{RIGHT}. {fev_why(name, which)}"
    if slips:
        why += f" {cap(listed(slips))}."
    P.choice(f"How many {word} does {a_(name)} have?", str(key),
             [str(w) for w in wrong], r, why=why)


def t_which(P: Builder, stem, right, wrong, why, fig=None, alt=""):
    page = P.choice(stem, right, wrong, P.qrng(), why=why)
    if fig:
        P.draw(page, fig, alt)


# -- nets -------------------------------------------------------------------------

def place(shape, turn, flip):
    """A hexomino in one of its eight positions."""
    cells = list(shape)
    for _ in range(turn):
        cells = [(-y, x) for x, y in cells]
    if flip:
        cells = [(-x, y) for x, y in cells]
    return list(normal_form(cells))


def t_net_opposite(P: Builder, shape, turn, flip, letters: str, asks: str, extra=""):
    cells = place(shape, turn, flip)
    assert fold(cells) is not None
    cells.sort(key=lambda c: (c[1], c[0]))
    names = dict(zip(cells, letters))
    where = {v: c for c, v in names.items()}
    keys = []
    for ask in asks:
        opp = opposite_cell(cells, where[ask])
        # Opposite faces never share an edge in the net, and the pairing goes both ways.
        assert math.dist(opp, where[ask]) > 1
        assert opposite_cell(cells, opp) == where[ask]
        keys.append(names[opp])
    # Each part asks about a different pair of opposite faces.
    assert not set(keys) & set(asks) and len(set(keys)) == len(keys), (asks, keys)
    intro = f"The net is folded to make a cube{extra}."
    whys = [opposite_why(cells, where[a], lambda c: f"face {names[c]}") for a in asks]
    if len(asks) == 1:
        page = P.single(f"{intro} Which face will be opposite face {asks}? {LETTER}",
                        keys[0])
        page.blanks[0] = t_(keys[0], whys[0])
    else:
        page = P.parts(f"{intro} Write the letter only for each answer.",
                       [(f"Which face will be opposite face {a}? ______", t_(k, why))
                        for a, k, why in zip(asks, keys, whys)])
    P.draw(page, net_figure([cells], [names]), f"A net of a cube with faces "
           f"{', '.join(letters)}")


def pick_nets(rng: random.Random, good_index: int):
    """A net of a cube and three arrangements of six squares that are not, each
    turned or flipped at random."""
    good = place(CUBE_NETS[good_index], rng.randrange(4), rng.randrange(2))
    near = [s for s in HEXOMINOES if s not in CUBE_NETS
            and max(c[0] for c in s) <= 3 and max(c[1] for c in s) <= 3]
    bad = rng.sample(near, 3)
    return good, [place(s, rng.randrange(4), rng.randrange(2)) for s in bad]


def t_net_which(P: Builder, good, bad, stem):
    """Four nets A to D; only the one at the dealt position folds into a cube."""
    pos = P.dealer.deal()
    nets = list(bad)
    nets.insert(pos - 1, good)
    ok = [fold(n) is not None for n in nets]
    assert ok == [i == pos - 1 for i in range(4)], ok
    # Why each of the others fails, the shapes with the same fault named together.
    faults: dict[str, list[str]] = {}
    for letter, net in zip("ABCD", nets):
        if net is not good:
            faults.setdefault(not_net_why(net), []).append(letter)
    why = (f"{RIGHT}: it folds up into a closed cube with no squares on top of each other. "
           + faults_said(faults))
    # Three of the four are not nets at all, so they are called shapes.
    page = P.fixed_choice(stem, [f"Shape {c}" for c in "ABCD"], pos, why)
    P.draw(page, net_figure(nets, titles=[f"Shape {c}" for c in "ABCD"], cell=26),
           "Four arrangements of six squares, labelled A to D")


def t_dice(P: Builder, shape, turn, flip, blank_index: int, extra=""):
    """Numbers 1 to 6 on a net of a dice, one face marked ?; opposite faces add to 7."""
    r = P.qrng()
    cells = place(shape, turn, flip)
    cells.sort(key=lambda c: (c[1], c[0]))
    faces = fold(cells)
    pairs = [("D", "U"), ("N", "S"), ("E", "W")]
    numbers = [(1, 6), (2, 5), (3, 4)]
    r.shuffle(numbers)
    value = {}
    for (a, b), (m, n) in zip(pairs, numbers):
        if r.randrange(2):
            m, n = n, m
        value[a], value[b] = m, n
    labels = {c: value[faces[c]] for c in cells}
    blank = cells[blank_index]
    key = labels[blank]
    # The same number read from the face opposite the blank one.
    assert key == 7 - labels[opposite_cell(cells, blank)]
    assert sorted(labels.values()) == [1, 2, 3, 4, 5, 6]
    shown = {c: ("?" if c == blank else str(v)) for c, v in labels.items()}
    opp = labels[opposite_cell(cells, blank)]
    why = (opposite_why(cells, blank, lambda c: f"the {shown[c]}")
           + f" Opposite faces add up to 7: 7 - {opp} = {key}.")
    page = P.single("On a dice, the numbers on opposite faces always add up to 7. This "
                    f"net folds to make a dice{extra}. Which number belongs on the face "
                    "with the question mark?", key, why=why)
    P.draw(page, net_figure([cells], [shown]), "A net of a dice with one face marked ?")


def t_cuboid_net(P: Builder, l, b, h, ask="v"):
    svg, rects = cuboid_net_figure(l, b, h)
    # The cuboid read back from the drawn net: its faces come in three equal pairs,
    # and its three edge lengths are the sides of those faces.
    sizes = sorted(tuple(sorted(r)) for r in rects)
    assert sizes == sorted([tuple(sorted(p)) for p in
                            [(l, b), (l, b), (l, h), (l, h), (b, h), (b, h)]])
    edges = {x for r in rects for x in r}
    vol = l * b * h
    if len(edges) == 3:
        assert math.prod(edges) == vol
    area = sum(rw * rh for rw, rh in rects)
    assert area == 2 * (l * b + l * h + b * h)
    vol_why = (f"The net shows the cuboid is {l} cm long, {b} cm wide and {h} cm high. "
               + box_volume(l, b, h))
    if ask == "v":
        page = P.single(f"This net folds to make a cuboid {l} cm long. What is the "
                        "volume of the cuboid?", vol, f"Ans: ______ cm{CUBE}", why=vol_why)
    else:
        faces_why = (f"The net has {len(rects)} rectangles, and each folds up to one face: "
                     "the top and the bottom, the front and the back, and the two ends.")
        page = P.parts(f"This net folds to make a cuboid {l} cm long.",
                       [("How many faces does the cuboid have? ______",
                         n_(len(rects), faces_why)),
                        (f"What is the volume of the cuboid? ______ cm{CUBE}",
                         n_(vol, vol_why))])
    P.draw(page, svg, f"The net of a cuboid marked {l} cm, {b} cm and {h} cm")


NET_WHY = {
    "cylinder": "the rectangle rolls round to make the curved surface, and the 2 circles "
                "close its ends. A cone's net has only one circle.",
    "square-based pyramid": "the square is the base, and the 4 triangles fold up from its "
                            "sides to meet at a point. {n} faces in all.",
    "triangular prism": "the 3 rectangles fold round into a tube and the 2 triangles close "
                        "its ends. A pyramid's net would have no rectangles.",
    "triangular pyramid": "the 3 outer triangles fold up round the middle one and meet at a "
                          "point, making a solid of {n} triangles. A triangle on its own is "
                          "flat.",
}


def t_net_solid(P: Builder, name: str, stem: str):
    svg, pieces = other_net_figure(name)
    if name in RULE:
        assert pieces == RULE[name][0]
    else:
        assert pieces == {"cylinder": 3, "cone": 2}[name]
    page = P.choice(stem, cap(name), SOLID_WRONG[name], P.qrng(),
                    why=f"{RIGHT}: {NET_WHY[name].format(n=pieces)}")
    P.draw(page, svg, "The net of a solid shape")


# -- symmetry -----------------------------------------------------------------------

def t_sym_count(P: Builder, name: str, stem=None):
    pts = shape_points(name)
    key = sym_count(name)
    page = P.single(stem or f"This shape is {a_(name)}. How many lines of symmetry does "
                    "it have?", key, why=shape_lines(name))
    P.draw(page, shape_figure(pts), f"{cap(a_(name))}")


def t_sym_choice(P: Builder, stem: str, right: str, wrong: list[str], count: int):
    """Which shape has exactly `count` lines of symmetry."""
    assert sym_count(right) == count
    assert all(sym_count(w) != count for w in wrong)
    others = listed(f"{a_(w)} has {sym_count(w)}" for w in wrong)
    why = (f"{RIGHT}. {shape_lines(right).replace('It has', cap(a_(right)) + ' has', 1)} "
           f"Of the others, {others}.")
    P.choice(stem, cap(right), [cap(w) for w in wrong], P.qrng(), why=why)


def t_sym_line(P: Builder, name: str, stem: str, turn_deg: float, wrong_angles):
    """The shape with four dashed lines A to D; only the dealt one is a line of symmetry."""
    pts = shape_points(name)
    found = axes(pts)
    assert len(found) == 1
    n = len(pts)
    c = (sum(p[0] for p in pts) / n, sum(p[1] for p in pts) / n)
    pos = P.dealer.deal()
    angles = list(wrong_angles)
    angles.insert(pos - 1, found[0])
    lines = []
    for letter, a in zip("ABCD", angles):
        d = (math.cos(math.radians(a)), math.sin(math.radians(a)))
        lines.append((letter, c, d, "#333333"))
    ok = [is_axis(pts, c, d) for _, _, d, _ in lines]
    assert ok == [i == pos - 1 for i in range(4)], ok
    assert len({round(a % 180, 3) for a in angles}) == 4
    why = (f"{RIGHT}: {LINE_WHERE[name]}. Fold the shape along it and the two halves match "
           "exactly; along each of the other lines they do not.")
    page = P.fixed_choice(stem, [f"Line {c}" for c in "ABCD"], pos, why)
    P.draw(page, shape_figure(pts, lines, 380, 320), f"{cap(a_(name))} with four dashed "
           "lines labelled A to D")


def mirror_cells(cells, mirror):
    kind, at = mirror
    if kind == "v":
        return {(2 * at - 1 - x, y) for x, y in cells}
    if kind == "h":
        return {(x, 2 * at - 1 - y) for x, y in cells}
    return {(y, x) for x, y in cells}


def t_complete(P: Builder, rows: list[str], mirrors, ask=("more", "total"), who=""):
    """Half (or a quarter) of a shape shaded beside dashed mirror lines; the
    pupil completes it. rows: '#' for shaded squares."""
    ny, nx = len(rows), len(rows[0])
    half = {(x, y) for y, row in enumerate(rows) for x, ch in enumerate(row) if ch == "#"}
    for kind, at in mirrors:
        # The shaded part lies wholly on one side of each mirror line.
        assert all((x < at if kind == "v" else y < at if kind == "h" else y >= x)
                   for x, y in half), (kind, at)
    full = set(half)
    for m in mirrors:
        full |= mirror_cells(full, m)
    for m in mirrors:
        assert mirror_cells(full, m) == full
    assert all(0 <= x < nx and 0 <= y < ny for x, y in full)
    # Counted another way: squares on a diagonal mirror stay where they are;
    # every other square gains one reflection in each mirror.
    if mirrors == [("d", 0)]:
        on = sum(1 for x, y in half if x == y)
        assert len(full) == 2 * (len(half) - on) + on
    else:
        assert len(full) == len(half) * 2 ** len(mirrors)
    lines = "the dashed lines are lines of symmetry" if len(mirrors) > 1 else \
        "the dashed line is a line of symmetry"
    more, total = len(full) - len(half), len(full)
    if mirrors == [("d", 0)]:
        on = sum(1 for x, y in half if x == y)
        more_why = (f"Each shaded square needs a matching square on the other side of the "
                    f"slanting line: {more} more squares." if not on else
                    f"Each of the {len(half) - on} shaded squares off the slanting line needs "
                    f"a matching square on the other side of it; the {on} on the line match "
                    f"themselves. So {more} more squares.")
        total_why = f"{len(half)} shaded now + {more} more = {total} squares."
    elif len(mirrors) == 1:
        more_why = (f"Every shaded square needs a matching square the same distance away on "
                    f"the other side of the line: {more} more squares.")
        total_why = (f"Each of the {len(half)} shaded squares gets a mirror image on the "
                     f"other side of the line: {len(half)} + {more} = {total} squares.")
    else:
        more_why = (f"Reflecting the {len(half)} squares in one line makes "
                    f"{steps(f'{len(half)} * 2')}; reflecting those in the other line "
                    f"makes {steps(f'{2 * len(half)} * 2')}. {total} - {len(half)} = "
                    f"{more} more.")
        total_why = (f"The shaded quarter is reflected in both lines, making 4 matching "
                     f"quarters: {len(half)} × 4 = {total} squares.")
    parts = []
    if "more" in ask:
        parts.append(("How many more squares must be shaded? ______", n_(more, more_why)))
    if "total" in ask:
        parts.append(("How many squares will the finished shape have altogether? ______",
                      n_(total, total_why)))
    if "axes" in ask:
        found = grid_lines(full)
        parts.append(("How many lines of symmetry will the finished shape have? ______",
                      n_(len(found), f"The finished shape matches itself when folded along "
                         f"{listed(found)}: {many(len(found), 'line')}.")))
    stem = (f"{who or P.name() + chr(0x2019) + 's shape'} is to be finished so that {lines}. So far "
            f"{len(half)} squares are shaded.")
    if len(parts) == 1:
        page = P.single(stem + " " + parts[0][0].replace(" ______", ""), parts[0][1].key,
                        why=parts[0][1].explain)
    else:
        page = P.parts(stem, parts)
    P.draw(page, grid_figure(sorted(half), nx, ny, mirrors),
           "Shaded squares on a grid beside a dashed mirror line")


# -- cubes and volume ----------------------------------------------------------------

def t_iso_count(P: Builder, l, b, h, stem, hidden_note=True):
    cubes = block(l, b, h)
    assert len(cubes) == l * b * h
    svg = iso_figure(cubes)
    note = (" It is a full cuboid, so there are cubes hidden at the back and in the "
            "middle." if hidden_note and hidden_cubes(cubes) else "")
    if h == 1:
        why = f"It is one layer of {b} rows with {l} cubes in each: {steps(f'{l} * {b}')}."
    else:
        why = (f"Each layer is {l} cubes by {b} cubes, {steps(f'{l} * {b}')}, and there are "
               f"{h} layers: {steps(f'{l * b} * {h}')} cubes.")
    page = P.single(stem + note + " How many cubes are there altogether?", l * b * h,
                    why=why)
    P.draw(page, svg, f"A cuboid made of cubes, {l} long, {b} wide and {h} high")


def t_iso_parts(P: Builder, l, b, h, stem, ask=("layer", "layers", "total")):
    cubes = block(l, b, h)
    assert len(cubes) == l * b * h
    svg = iso_figure(cubes)
    parts = []
    lb = l * b
    if "layer" in ask:
        top = [c for c in cubes if c[2] == h - 1]
        assert len(top) == lb
        parts.append(("How many cubes are in the top layer? ______",
                      n_(len(top), f"The top layer is {l} cubes long and {b} cubes wide: "
                         f"{steps(f'{l} * {b}')}.")))
    if "layers" in ask:
        parts.append(("How many layers are there? ______",
                      n_(len({c[2] for c in cubes}), f"The cuboid is {h} cubes high, so it "
                         f"is made of {h} layers of cubes.")))
    if "total" in ask:
        parts.append(("How many cubes are there altogether? ______",
                      n_(len(cubes), f"{lb} cubes in a layer and {h} layers: "
                         f"{steps(f'{lb} * {h}')}.")))
    if "volume" in ask:
        parts.append((f"The volume of the cuboid is ______ cm{CUBE}",
                      n_(len(cubes), f"Each 1 cm cube has a volume of 1 cm{CUBE}, and there "
                         f"are {steps(f'{l} * {b} * {h}')} cubes, so the volume is "
                         f"{len(cubes)} cm{CUBE}.")))
    if "hidden" in ask:
        hid = hidden_cubes(cubes)
        assert hid == (l - 1) * (b - 1) * (h - 1)
        parts.append(("How many of the cubes cannot be seen at all in the picture? ______",
                      n_(hid, f"The cubes you can see are in the top layer and the two "
                         f"front faces. Take those away and a block {l - 1} by {b - 1} by "
                         f"{h - 1} is left: {steps(f'{l - 1} * {b - 1} * {h - 1}')}.")))
    page = P.parts(stem, parts)
    P.draw(page, svg, f"A cuboid made of cubes, {l} long, {b} wide and {h} high")


def t_iso_two(P: Builder, lower, upper, stem):
    """A cuboid of cubes with a smaller cuboid standing on its back corner."""
    (l1, b1, h1), (l2, b2, h2) = lower, upper
    assert l2 <= l1 and b2 <= b1
    cubes = block(l1, b1, h1) + block(l2, b2, h2, (0, 0, h1))
    key = l1 * b1 * h1 + l2 * b2 * h2
    assert len(set(cubes)) == len(cubes) == key
    why = (f"The bottom cuboid has {steps(f'{l1} * {b1} * {h1}')} cubes and the top one "
           f"{steps(f'{l2} * {b2} * {h2}')}. Together: {l1 * b1 * h1} + {l2 * b2 * h2} = "
           f"{key}.")
    page = P.single(stem + " How many cubes is it made of?", key, why=why)
    P.draw(page, iso_figure(cubes), "A solid made of a cuboid of cubes with a smaller "
           "cuboid of cubes on top")


def cuboid_labels(l, b, h, show, unit="cm"):
    """Labels for the bottom front edge (length), the left front edge (height)
    and the bottom right edge going back (breadth)."""
    t = {"l": f"{num(l)} {unit}", "b": f"{num(b)} {unit}", "h": f"{num(h)} {unit}"}
    for k, v in show.items():
        t[k] = v
    return [((l / 2, 0, 0), t["l"], "middle", 0, 20),
            ((0, 0, h / 2), t["h"], "end", -8, 0),
            ((l, b / 2, 0), t["b"], "start", 10, 8)]


def t_cuboid_volume(P: Builder, l, b, h, unit="cm", stem=None, answer=None):
    vol = l * b * h
    # The same volume by counting the unit cubes that fill the cuboid.
    if all(Fraction(x).denominator == 1 for x in (l, b, h)):
        assert len(block(l, b, h)) == vol
    svg = solid_figure(cuboid(l, b, h), 420, 280, cuboid_labels(l, b, h, {}, unit))
    page = P.single(stem or f"This cuboid is {num(l)} {unit} long, {num(b)} {unit} wide "
                    f"and {num(h)} {unit} high. What is its volume?", vol,
                    answer or f"Ans: ______ {unit}{CUBE}", why=box_volume(l, b, h, unit))
    P.draw(page, svg, f"A cuboid {num(l)} {unit} by {num(b)} {unit} by {num(h)} {unit}")


def t_cuboid_missing(P: Builder, l, b, h, miss, unit="cm"):
    vol = l * b * h
    dims = {"l": l, "b": b, "h": h}
    key = Fraction(vol, math.prod(v for k, v in dims.items() if k != miss))
    assert key == dims[miss]
    svg = solid_figure(cuboid(l, b, h), 420, 280, cuboid_labels(l, b, h, {miss: "?"}, unit))
    word = {"l": "length", "b": "breadth", "h": "height"}[miss]
    x, y = (v for k, v in dims.items() if k != miss)
    why = (f"Volume = length × breadth × height, so the {word} is the volume divided by the "
           f"other two edges: {steps(f'{vol} / ({x} * {y})')} {unit}.")
    page = P.single(f"The volume of this cuboid is {fmt(vol)} {unit}{CUBE}. What is its "
                    f"{word}, the edge marked with a question mark?", key,
                    f"Ans: ______ {unit}", why=why)
    P.draw(page, svg, f"A cuboid with two edges marked and the {word} marked ?")


def t_volume_choice(P: Builder, l, b, h, unit="cm"):
    vol = l * b * h
    right = f"{fmt(vol)} {unit}{CUBE}"
    # Adding the edges, forgetting the height, and adding the areas of three faces.
    wrong = [l + b + h, l * b, l * b + b * h + l * h, 2 * (l * b + b * h + l * h)]
    wrong = distinct(vol, wrong, [vol * 2, vol + 10])
    why = f"{RIGHT}. {box_volume(l, b, h, unit)}"
    if l + b + h in wrong:
        why += f" Adding the edges, {l} + {b} + {h} = {l + b + h}, does not give a volume."
    elif l * b in wrong:
        why += f" {steps(f'{l} * {b}')} forgets the height."
    P.choice(f"A box is a cuboid {l} {unit} long, {b} {unit} wide and {h} {unit} high. "
             "What is its volume?", right, [f"{fmt(w)} {unit}{CUBE}" for w in wrong],
             P.qrng(), why=why)


def t_tank(P: Builder, l, b, h, depth, ask=("cm3", "l"), stem=None):
    water = l * b * depth
    assert len(block(l, b, depth)) == water        # the cubes of water
    ml = water                                     # 1 cm³ holds 1 ml
    litres = Fraction(ml, 1000)
    tank = cuboid(l, b, h)
    labels = cuboid_labels(l, b, h, {}) + [((l, b, depth / 2), f"{depth} cm", "start", 10, 0)]
    svg = solid_figure(tank, 440, 300, labels, water=cuboid(l, b, depth), open_top=True)
    parts = []
    water_why = (f"The water is a cuboid {l} cm by {b} cm by {depth} cm: "
                 f"{steps(f'{l} * {b} * {depth}')} cm{CUBE}.")
    if "cm3" in ask:
        parts.append((f"The volume of the water is ______ cm{CUBE}", n_(water, water_why)))
    if "ml" in ask:
        parts.append(("The water is ______ ml", n_(ml, f"1 cm{CUBE} holds 1 ml, so "
                                                   f"{fmt(water)} cm{CUBE} is {fmt(ml)} ml.")))
    if "l" in ask:
        to_l = f"{steps(f'{ml} / 1000')} litres, as 1 litre = 1,000 ml."
        parts.append(("The water is ______ litres",
                      n_(litres, (f"The {fmt(water)} cm{CUBE} of water is {fmt(ml)} ml, and "
                                  if "cm3" in ask else f"{water_why[:-1]}, which is "
                                  f"{fmt(ml)} ml, and ") + to_l)))
    if "more" in ask:
        more = l * b * h - water
        assert more == l * b * (h - depth)
        parts.append(("To fill the tank to the top, ______ litres more are needed",
                      n_(Fraction(more, 1000),
                         f"The empty part is {h} - {depth} = {h - depth} cm deep: "
                         f"{steps(f'{l} * {b} * {h - depth}')} cm{CUBE}. That is "
                         f"{steps(f'{more} / 1000')} litres.")))
    stem = stem or (f"A fish tank is {l} cm long, {b} cm wide and {h} cm high. It holds "
                    f"water {depth} cm deep. Remember: 1 cm{CUBE} holds 1 ml, and "
                    "1 litre = 1,000 ml.")
    page = P.parts(stem, parts)
    P.draw(page, svg, f"A tank {l} cm by {b} cm by {h} cm with water {depth} cm deep")


def t_word(P: Builder, text, key, answer="Ans: ______", why=""):
    P.single(text, key, answer, why=why)


def t_word_parts(P: Builder, text, parts):
    P.parts(text, parts)


def t_curved(P: Builder, name: str, stem: str, key: int, why: str, answer="Ans: ______"):
    page = P.single(stem, key, answer, why=why)
    P.draw(page, picture(name), f"A drawing of {a_(name)}")


def t_from_counts(P: Builder, right: str, wrong: list[str], stem=None):
    f, e, v = solid_counts(right)
    assert all(solid_counts(w) != (f, e, v) for w in wrong)
    # Each other solid, by the first of its counts that does not fit.
    misfits = []
    for w in wrong:
        k, word = next((k, word) for k, want, word in
                       zip(solid_counts(w), (f, e, v), ("faces", "edges", "vertices"))
                       if k != want)
        misfits.append(f"{a_(w)} has {k} {word}")
    why = (f"{RIGHT}: {f} faces, {e} edges and {v} vertices. The others do not fit: "
           f"{listed(misfits)}.")
    P.choice(stem or f"A solid has {f} faces, {e} edges and {v} vertices. Which solid "
             "is it?", cap(right), [cap(w) for w in wrong], P.qrng(), why=why)


def t_net_which_q(P: Builder, index: int, stem: str):
    good, bad = pick_nets(P.qrng(), index)
    t_net_which(P, good, bad, stem)


# -- added kinds of question ---------------------------------------------------------

def face_kind(solid: Solid, f) -> str:
    """The name of a flat face, worked out from its corner points."""
    pts = [solid.verts[i] for i in f]
    n = len(pts)
    if n == 4:
        sides = [sub(pts[(i + 1) % 4], pts[i]) for i in range(4)]
        right = all(abs(dot(sides[i], sides[(i + 1) % 4])) < 1e-6 for i in range(4))
        if not right:
            return "quadrilateral"
        lengths = [math.sqrt(dot(s, s)) for s in sides]
        return "square" if max(lengths) - min(lengths) < 1e-6 else "rectangle"
    return {3: "triangle", 5: "pentagon", 6: "hexagon", 8: "octagon"}[n]


def face_tally(name: str) -> dict[str, int]:
    solid = solid_named(name)
    tally: dict[str, int] = {}
    for f in solid.faces:
        k = face_kind(solid, f)
        tally[k] = tally.get(k, 0) + 1
    # The kinds add up to the faces the prism or pyramid rule gives.
    assert sum(tally.values()) == RULE[name][0], (name, tally)
    return tally


PLURAL = {"triangle": "triangles", "square": "squares", "rectangle": "rectangles",
          "pentagon": "pentagons", "hexagon": "hexagons", "octagon": "octagons"}


def t_face_tally(P: Builder, name: str, kinds: list[str]):
    """How many faces of a drawn solid are of each kind."""
    tally = face_tally(name)
    assert sorted(kinds) == sorted(tally), (name, tally)
    # A prism has two end faces and a rectangle for each side of an end;
    # a pyramid has one base and a triangle for each side of the base.
    f = RULE[name][0]
    if "prism" in name:
        end = next(k for k in kinds if k != "rectangle")
        assert tally[end] == 2 and tally["rectangle"] == f - 2
    else:
        base = next(k for k in kinds if k != "triangle")
        assert tally[base] == 1 and tally["triangle"] == f - 1
    n = sides_of(name)
    if "prism" in name:
        why = {end: f"A prism has the same shape at both ends: 2 {PLURAL[end]}.",
               "rectangle": f"There is a rectangle for each of the {n} sides of the {end} "
                            f"end: {n} rectangles."}
    else:
        why = {base: f"A pyramid has one base, and here it is a {base}: 1 {base}.",
               "triangle": f"A triangle stands on each of the {n} sides of the {base} "
                           f"base: {n} triangles."}
    page = P.parts(f"This solid is {a_(name)}. Look at the shapes of its faces. Dashed "
                   "lines show edges you cannot see.",
                   [(f"How many of its faces are {PLURAL[k]}? ______", n_(tally[k], why[k]))
                    for k in kinds])
    P.draw(page, picture(name), f"A drawing of {a_(name)}")


def t_describe(P: Builder, right: str, wrong: list[str], clue: str):
    """A solid described by the shapes of its faces; the wrong options have
    faces of other shapes (or a different number of them)."""
    want = face_tally(right)
    assert all(face_tally(w) != want for w in wrong)
    counts = " + ".join(map(str, sorted(want.values())))
    why = (f"{RIGHT}: it has {faces_said(right)}: {counts} = {sum(want.values())} faces. "
           "The others do not fit: " + listed(f"{a_(w)} has {faces_said(w)}" for w in wrong) + ".")
    P.choice(clue, cap(right), [cap(w) for w in wrong], P.qrng(), why=why)


def steps_cubes(heights):
    """Cubes in a single row, each column as high as given, all in view."""
    cubes = [(x, 0, z) for x, hgt in enumerate(heights) for z in range(hgt)]
    # One cube wide, so no cube is hidden behind or under another.
    assert hidden_cubes(cubes) == 0 and len(set(cubes)) == sum(heights)
    return cubes


def t_steps(P: Builder, heights, stem, edge=0, alt="A row of cubes built up in steps"):
    """Counting the cubes of a shape with none hidden; with edge, the volume of
    a shape built from cubes with that edge length."""
    cubes = steps_cubes(heights)
    count = f"Counting column by column: {' + '.join(map(str, heights))} = {len(cubes)} cubes."
    if edge:
        vol = len(cubes) * edge ** 3
        # The same volume from the columns, each a cuboid edge x edge x (edge x height).
        assert vol == sum(edge * edge * (edge * hgt) for hgt in heights)
        why = (f"{count} Each cube is {steps(f'{edge} * {edge} * {edge}')} cm{CUBE}, so the "
               f"shape is {steps(f'{len(cubes)} * {edge ** 3}')} cm{CUBE}.")
        page = P.single(stem, vol, f"Ans: ______ cm{CUBE}", why=why)
    else:
        page = P.single(stem, len(cubes), "Ans: ______ cubes", why=count)
    P.draw(page, iso_figure(cubes), alt)


def t_part_built(P: Builder, l, b, h, top, who):
    """A cuboid of cubes with its bottom layer finished and a few cubes on top."""
    present = block(l, b, 1) + list(top)
    assert len(set(present)) == len(present)
    assert all(c[2] == 1 and 0 <= c[0] < l and 0 <= c[1] < b for c in top)
    key = len(set(block(l, b, h)) - set(present))
    # Counted layer by layer: the second layer lacks l x b less those on it.
    assert key == (l * b - len(top)) + (h - 2) * l * b
    whole, have = l * b * h, len(present)
    why = (f"The finished cuboid has {steps(f'{l} * {b} * {h}')} cubes. There are "
           f"{l * b} in the bottom layer and {len(top)} on top, {l * b} + {len(top)} = "
           f"{have} so far: {whole} - {have} = {key} more.")
    page = P.single(f"{who} is building a cuboid {l} cubes long, {b} cubes wide and "
                    f"{h} cubes high. The bottom layer is finished, and a few cubes are "
                    "on the layer above it. How many more cubes are needed to finish "
                    "the cuboid?", key, "Ans: ______ cubes", why=why)
    P.draw(page, iso_figure(present), "A cuboid of cubes being built: a full bottom "
           "layer with some cubes on top")


def rows_cells(rows):
    return {(x, y) for y, row in enumerate(rows) for x, ch in enumerate(row) if ch == "#"}


def axes_by_points(cells) -> int:
    """Lines of symmetry of a pattern of squares, found by reflecting the
    centres of its squares in each line through the middle of the pattern at
    0, 45, 90 and 135 degrees."""
    pts = [(x + 0.5, y + 0.5) for x, y in cells]
    xs, ys = [c[0] for c in cells], [c[1] for c in cells]
    mid = ((min(xs) + max(xs) + 1) / 2, (min(ys) + max(ys) + 1) / 2)
    count = 0
    for deg in (0, 45, 90, 135):
        d = (math.cos(math.radians(deg)), math.sin(math.radians(deg)))
        if same_points([reflect(p, mid, d) for p in pts], pts):
            count += 1
    return count


def t_pattern_axes(P: Builder, rows, stem, key_expected):
    cells = rows_cells(rows)
    key = cells_axes(cells)
    assert key == axes_by_points(cells) == key_expected, (key, axes_by_points(cells))
    found = grid_lines(cells)
    why = (f"Folding along {listed(found)}, the squares land exactly on each other; along "
           f"any other line they do not. So it has {many(key, 'line')}.")
    page = P.single(stem, key, why=why)
    P.draw(page, grid_figure(sorted(cells), len(rows[0]), len(rows)),
           "A pattern of shaded squares on a grid")


def t_sym_more(P: Builder, rows, mirrors, who):
    """Squares shaded on both sides of the mirror lines, some already matched;
    how many more make the pattern symmetric."""
    ny, nx = len(rows), len(rows[0])
    shaded = rows_cells(rows)
    full = set(shaded)
    for _ in mirrors:
        for m in mirrors:
            full |= mirror_cells(full, m)
    assert all(mirror_cells(full, m) == full for m in mirrors)
    assert all(0 <= x < nx and 0 <= y < ny for x, y in full)
    key = len(full - shaded)
    assert key > 0
    # Counted another way: no square lies on a mirror line, so each finished
    # pattern is made of whole groups of 2 (one mirror) or 4 (two mirrors)
    # matching squares, one group for every different square shaded now.
    size = 2 ** len(mirrors)
    groups = set()
    for c in shaded:
        orbit = {c}
        for _ in mirrors:
            for m in mirrors:
                orbit |= mirror_cells(orbit, m)
        assert len(orbit) == size
        groups.add(frozenset(orbit))
    assert len(full) == size * len(groups)
    lines = ("both dashed lines are lines of symmetry" if len(mirrors) > 1 else
             "the dashed line is a line of symmetry")
    images = "its mirror image" if size == 2 else "its 3 mirror images"
    g = len(groups)
    total_why = (f"Each shaded square goes with {images}; some are matched already. The "
                 f"{len(shaded)} shaded squares make {g} groups of {size} matching squares: "
                 f"{g} × {size} = {len(full)}.")
    more_why = (f"The finished pattern has {g} groups of {size} matching squares, "
                f"{g} × {size} = {len(full)}, and {len(shaded)} are shaded now: "
                f"{len(full)} - {len(shaded)} = {key}.")
    page = P.parts(f"{who} has shaded {len(shaded)} squares, some on each side of the "
                   f"mirror {'lines' if len(mirrors) > 1 else 'line'}. {who} wants to shade more "
                   f"squares, without rubbing any out, so that {lines}.",
                   [("What is the smallest number of squares that must be shaded now? ______",
                     n_(key, more_why)),
                    ("How many squares will then be shaded altogether? ______",
                     n_(len(full), total_why))])
    P.draw(page, grid_figure(sorted(shaded), nx, ny, mirrors),
           "Shaded squares on both sides of dashed mirror lines on a grid")


def no_square_block(cells) -> bool:
    """A net of a cube never has four squares in a 2 by 2 block."""
    s = set(cells)
    return not any({(x + 1, y), (x, y + 1), (x + 1, y + 1)} <= s for x, y in s)


def net_gap_figure(cells, spaces, cell=38):
    """Five squares of a net, and dashed places A to D for the sixth."""
    every = list(cells) + list(spaces)
    x0, y0 = min(c[0] for c in every), min(c[1] for c in every)
    nx = max(c[0] for c in every) - x0 + 1
    ny = max(c[1] for c in every) - y0 + 1
    s = Svg(nx * cell + 40, ny * cell + 40)
    for x, y in cells:
        s.rect(20 + (x - x0) * cell, 20 + (y - y0) * cell, cell, cell, FILL, BLACK, 2)
    for (x, y), letter in sorted(spaces.items()):
        X, Y = 20 + (x - x0) * cell, 20 + (y - y0) * cell
        s.polygon([(X + 3, Y + 3), (X + cell - 3, Y + 3), (X + cell - 3, Y + cell - 3),
                   (X + 3, Y + cell - 3)], fill="#ffffff", colour="#555555", width=1.5,
                  dash=True)
        s.text((X + cell / 2, Y + cell / 2), letter, 18, colour=RED, bold=True)
    return s.render()


def t_net_gap(P: Builder, index: int, turn: int, flip: int, stem: str):
    """A cube net with one square taken away; of four places marked A to D,
    only one gives a net of a cube again (other places off the picture's marks
    may work too, so the question asks only about the marked ones)."""
    r = P.qrng()
    net = place(CUBE_NETS[index], turn, flip)

    def joined(cs):
        cs = set(cs)
        seen, todo = set(), [next(iter(cs))]
        while todo:
            c = todo.pop()
            if c in seen:
                continue
            seen.add(c)
            todo += [(c[0] + dx, c[1] + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
                     if (c[0] + dx, c[1] + dy) in cs]
        return seen == cs
    # Take away a square whose loss leaves the rest in one piece, with at least
    # three places beside the five where a sixth square would not make a net.
    choices = []
    for gone in net:
        five = [c for c in net if c != gone]
        if not joined(five):
            continue
        empty = sorted({(x + dx, y + dy) for x, y in five
                        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))} - set(five))
        good = [c for c in empty if fold(five + [c]) is not None]
        bad = [c for c in empty if fold(five + [c]) is None]
        assert gone in good
        # Wrong places that would make a 2 by 2 block are easy to rule out, so
        # the wrong places are ones that do not.
        bad = [c for c in bad if no_square_block(five + [c])]
        if len(bad) >= 3:
            choices.append((gone, five, bad))
    gone, five, bad = choices[r.randrange(len(choices))]
    wrong = r.sample(bad, 3)
    pos = P.dealer.deal()
    order = list(wrong)
    order.insert(pos - 1, gone)
    spaces = dict(zip(order, "ABCD"))
    ok = [fold(five + [c]) is not None for c in order]
    assert ok == [i == pos - 1 for i in range(4)]
    # The finished net has no 2 by 2 block of squares, as every cube net.
    assert no_square_block(five + [gone])
    why = (f"{RIGHT}: with the sixth square there, the net folds up into a closed cube. "
           "At each of the other places, the new square folds onto a face that another "
           "square already covers, leaving one face open.")
    page = P.fixed_choice(stem, [f"Place {c}" for c in "ABCD"], pos, why)
    P.draw(page, net_gap_figure(five, spaces), "Five squares of a net and four dashed "
           "places labelled A to D")


def t_net_count(P: Builder, goods, bads, stem):
    """Four shapes of six squares; how many of them are nets of a cube."""
    r = P.qrng()
    shapes = [place(CUBE_NETS[i], r.randrange(4), r.randrange(2)) for i in goods]
    shapes += [place(s, r.randrange(4), r.randrange(2)) for s in bads]
    r.shuffle(shapes)
    key = sum(1 for s in shapes if fold(s) is not None)
    assert key == len(goods)
    # A shape with four squares in a 2 by 2 block never folds to a cube.
    assert all(fold(s) is None for s in shapes if not no_square_block(s))
    good = [c for c, sh in zip("ABCD", shapes) if fold(sh) is not None]
    faults: dict[str, list[str]] = {}
    for c, sh in zip("ABCD", shapes):
        if fold(sh) is None:
            faults.setdefault(not_net_why(sh), []).append(c)
    why = (f"Shape{'s' if len(good) > 1 else ''} {listed(good)} "
           f"fold{'' if len(good) > 1 else 's'} into a cube: {key}. " +
           faults_said(faults))
    page = P.single(stem, key, why=why)
    P.draw(page, net_figure(shapes, titles=[f"Shape {c}" for c in "ABCD"], cell=26),
           "Four arrangements of six squares, labelled A to D")


# ---------------------------------------------------------------------------

def litres(ml) -> Fraction:
    return Fraction(ml, 1000)


def litres_why(amount, unit: str) -> str:
    """Litres to millilitres ("l") or back ("ml"): 1 litre = 1,000 ml. Amounts may be
    decimals of a litre (1.5), written as pupils write them."""
    amount = Fraction(amount)
    if unit == "l":
        return (f"1 litre = 1,000 ml, so multiply by 1,000: {num(amount)} × 1,000 = "
                f"{num(amount * 1000)} ml.")
    return (f"1,000 ml = 1 litre, so divide by 1,000: {num(amount)} ÷ 1,000 = "
            f"{num(amount / 1000)} litres.")


def paper126(dealer, first):
    P = Builder(126, first, dealer)
    t_solid_name(P, "cube", "Look at this solid. All its faces are the same size. What is "
                 "it called?")
    t_solid_name(P, "cylinder", "What is the name of this solid?")
    t_solid_name(P, "square-based pyramid", "This solid has a square at the bottom and "
                 "its other faces meet at a point. What is it called?")
    t_solid_name(P, "cuboid", "This box shape has six faces that are rectangles, and they "
                 "are not all the same size. What is it called?")
    t_solid_name(P, "sphere", "What is the name of this solid, shaped like a ball?")
    t_fev(P, "cube", "f")
    t_fev_choice(P, "cube", "e")
    t_fev(P, "cuboid", "fev", named=False)
    flat = {"cylinder": 2, "cone": 1, "sphere": 0, "cube": solid_counts("cube")[0],
            "cuboid": solid_counts("cuboid")[0]}
    t_curved(P, "cylinder", "This solid is a cylinder. How many flat faces does it have?",
             flat["cylinder"], f"A cylinder has a flat circle at each end: "
             f"{flat['cylinder']} flat faces. The surface round its side is curved, so it "
             "is not a flat face.")
    t_which(P, "Which of these solids has no flat faces at all?", "Sphere",
            ["Cylinder", "Cone", "Cube"],
            f"{RIGHT}: it is one curved surface all the way round. A cylinder has "
            f"{flat['cylinder']} flat faces, a cone {flat['cone']} and a cube "
            f"{flat['cube']}.")
    t_which(P, "Which of these solids has exactly one flat face and one curved surface?",
            "Cone", ["Cylinder", "Sphere", "Cuboid"],
            f"{RIGHT}: its flat face is the circle at the bottom, and its curved surface "
            f"comes up to a point. A cylinder has {flat['cylinder']} flat faces, a sphere "
            f"{flat['sphere']} and a cuboid {flat['cuboid']}.")
    svg, pieces = other_net_figure("cylinder")
    circles = [m for m in re.findall(r'<ellipse [^>]*rx="([\d.]+)" ry="([\d.]+)"', svg)
               if m[0] == m[1]]
    # The net of a cylinder: the curved surface opens out to a rectangle, and
    # the two ends are the only other pieces, both circles.
    assert pieces == 3 and len(circles) == 2
    t_which(P, "What shape is each of the flat faces at the two ends of a cylinder?",
            "Circle", ["Oval", "Rectangle", "Semicircle"],
            f"{RIGHT}: a cylinder's net is a rectangle, which rolls round to make the "
            f"curved side, and {len(circles)} circles, one for each end.")
    t_sym_count(P, "square")
    t_sym_count(P, "rectangle", "This shape is a rectangle that is not a square. How "
                "many lines of symmetry does it have?")
    t_sym_count(P, "isosceles triangle", "This triangle has two equal sides. How many "
                "lines of symmetry does it have?")
    t_sym_count(P, "letter T", "This shape is a capital letter T. How many lines of "
                "symmetry does it have?")
    t_sym_choice(P, "Which of these shapes has exactly one line of symmetry?", "kite",
                 ["square", "rectangle", "parallelogram"], 1)
    t_complete(P, ["........", ".##.....", ".###....", "..#.....", "........"], [("v", 4)],
               ("total",), "Sophie\u2019s shape")
    t_complete(P, ["......", "..##..", ".####.", "......", "......", "......"],
               [("h", 3)], ("more", "total"))
    t_iso_count(P, 3, 2, 1, f"{P.name()} has built this shape from cubes, one cube high.")
    t_steps(P, [4, 3, 2, 1], f"{P.name()} has built these steps from cubes, in one row. "
            "No cubes are hidden. How many cubes are in the steps?")
    t_iso_count(P, 2, 2, 2, f"{P.name()} has built a bigger cube from small cubes, "
                "with no gaps. One small cube cannot be seen in the picture.", hidden_note=False)
    t_iso_count(P, 3, 2, 2, f"{P.name()} has built this cuboid from cubes.")
    t_iso_parts(P, 4, 2, 2, f"{P.name()} builds this cuboid from cubes. It is a full "
                "cuboid with no gaps.")
    l, b, h = 4, 3, 1
    t_word(P, f"A block is made of cubes. It is {l} cubes long, {b} cubes wide and {h} cube "
           "high. How many cubes is it made of?", l * b * h, "Ans: ______ cubes",
           f"It is one layer of {b} rows with {l} cubes in each: {steps(f'{l} * {b}')} "
           "cubes.")
    t_which(P, "Which of these units could be used for the volume of a box?",
            "cm" + CUBE, ["cm", "cm\u00b2", "kg"],
            f"{RIGHT}, cubic centimetres: volume is counted in cubes with 1 cm edges. cm "
            f"measures a length, cm\u00b2 an area and kg a mass.")
    t_which(P, "Which of these is a solid shape, not a flat one?", "Cylinder",
            ["Circle", "Rectangle", "Triangle"],
            f"{RIGHT}: it has length, width and height, and you can hold it. A circle, a "
            "rectangle and a triangle are flat shapes you can only draw.")
    most = ["cuboid", "square-based pyramid", "triangular prism", "triangular pyramid"]
    faces = [solid_counts(name)[0] for name in most]
    assert faces[0] > max(faces[1:])
    t_which(P, "Which of these solids has the most faces?", "Cuboid",
            ["Square-based pyramid", "Triangular prism", "Triangular pyramid"],
            f"{RIGHT}: it has {faces[0]} faces. " + cap(listed(
                f"{a_(name)} has {k}" for name, k in zip(most[1:], faces[1:]))) + ".")
    t_net_opposite(P, CUBE_NETS[9], 0, 0, "ABCDEF", "A")
    t_cuboid_volume(P, 4, 3, 2, stem="This cuboid is 4 cm long, 3 cm wide and 2 cm "
                    "high. It could be filled exactly with 1 cm cubes. What is its volume?")
    return P


def paper127(dealer, first):
    P = Builder(127, first, dealer)
    t_fev(P, "triangular prism", "fev")
    t_fev(P, "square-based pyramid", "fev")
    t_fev_choice(P, "triangular pyramid", "e")
    t_solid_name(P, "triangular prism", "Both ends of this solid are triangles. What is "
                 "it called?")
    t_solid_name(P, "cone", "This solid has one flat face and comes to a point. What "
                 "is it called?")
    t_solid_name(P, "pentagonal prism", "The two end faces of this solid are pentagons, "
                 "and its other faces are rectangles. What is it called?")
    t_face_tally(P, "pentagonal pyramid", ["pentagon", "triangle"])
    t_net_solid(P, "cylinder", "This net is made of a rectangle and two circles. Which "
                "solid does it fold to make?")
    t_net_solid(P, "square-based pyramid", "This net is made of a square and four "
                "triangles. Which solid does it fold to make?")
    t_net_which_q(P, 9, "Only one of these arrangements of six squares is the net of a "
                  "cube. Which one?")
    t_describe(P, "hexagonal prism", ["hexagonal pyramid", "pentagonal prism",
                                      "octagonal prism"],
               "I am a solid with 8 faces. Two of my faces are hexagons and the other "
               "six are rectangles. What am I?")
    t_net_opposite(P, CUBE_NETS[5], 1, 0, "PQRSTU", "Q")
    t_net_opposite(P, CUBE_NETS[0], 0, 1, "JKLMNO", "N")
    t_sym_count(P, "regular hexagon")
    t_sym_count(P, "equilateral triangle")
    t_sym_count(P, "parallelogram", "This shape is a parallelogram with no right "
                "angles, and its sides are not all the same length. How many lines of "
                "symmetry does it have?")
    t_sym_count(P, "rhombus", "This shape is a rhombus with no right angles. How many "
                "lines of symmetry does it have?")
    t_sym_line(P, "kite", "This shape is a kite. Which of the dashed lines is a line of "
               "symmetry?", 0, [0, 45, 135])
    t_sym_choice(P, "Which of these shapes has exactly two lines of symmetry?",
                 "rectangle", ["square", "kite", "equilateral triangle"], 2)
    t_complete(P, ["........", "..##....", ".###....", "..##....", "...#....", "........"],
               [("v", 4)], ("more", "total"))
    t_pattern_axes(P, [".......", ".##.##.", "..###..", ".##.##.", "......."],
                   "Some squares on this grid are shaded to make a pattern. How many lines "
                   "of symmetry does the pattern have?", 2)
    t_iso_count(P, 4, 3, 2, f"{P.name()} builds this cuboid from cubes.")
    t_iso_parts(P, 5, 2, 3, f"{P.name()}\u2019s cuboid is made of cubes with no gaps.")
    t_part_built(P, 4, 3, 2, [(x, 0, 1) for x in range(4)] + [(0, 1, 1)], P.name())
    t_cuboid_volume(P, 6, 4, 3)
    t_cuboid_volume(P, 4, 4, 4, stem="This solid is a cube with edges of 4 cm. What is "
                    "its volume?")
    t_cuboid_volume(P, 10, 5, 2)
    t_volume_choice(P, 7, 3, 2)
    rows, row, layers = 5, 6, 4
    t_word(P, f"A box is filled with 1 cm cubes. There are {rows} rows of {row} cubes in "
           f"each layer, and there are {layers} layers. How many cubes are in the box?",
           rows * row * layers, "Ans: ______ cubes",
           f"Each layer has {steps(f'{rows} * {row}')} cubes, and {layers} layers make "
           f"{steps(f'{rows * row} * {layers}')} cubes.")
    t_word_parts(P, "Remember: 1 litre = 1,000 ml.",
                 [("2 litres = ______ ml", n_(2 * 1000, litres_why(2, "l"))),
                  ("3,500 ml = ______ litres", n_(litres(3500), litres_why(3500, "ml"))),
                  ("A jug holds 1 litre. 400 ml is poured out. ______ ml are left",
                   n_(1000 - 400, f"1 litre is 1,000 ml: {steps('1000 - 400')} ml."))])
    return P


def paper128(dealer, first):
    P = Builder(128, first, dealer)
    t_fev(P, "pentagonal prism", "fev")
    t_fev(P, "hexagonal pyramid", "fev")
    t_fev_choice(P, "hexagonal prism", "v")
    t_from_counts(P, "triangular prism", ["square-based pyramid", "triangular pyramid",
                                          "cuboid"])
    t_solid_name(P, "pentagonal pyramid", "The base of this solid is a pentagon, and its "
                 "other faces are triangles that meet at a point. What is it called?")
    t_net_solid(P, "triangular prism", "This net is made of three rectangles and two "
                "triangles. Which solid does it fold to make?")
    t_net_solid(P, "triangular pyramid", "This net is made of four triangles that are "
                "all the same. Which solid does it fold to make?")
    t_net_which_q(P, 5, "Which of these arrangements of six squares will fold to make a "
                  "cube?")
    t_net_gap(P, 9, 1, 0, "Five squares of a net of a cube are drawn. The sixth square "
              "is to go in one of the dashed places A, B, C or D. Which of these places "
              "makes a net that folds to make a cube?")
    t_net_opposite(P, CUBE_NETS[3], 1, 1, "ABCDEF", "AC")
    t_dice(P, CUBE_NETS[7], 0, 0, 3)
    t_sym_count(P, "regular pentagon")
    t_face_tally(P, "octagonal prism", ["octagon", "rectangle"])
    t_sym_count(P, "letter H", "This shape is a capital letter H. How many lines of "
                "symmetry does it have?")
    t_sym_line(P, "arrow", "This shape is an arrow. Which of the dashed lines is a line "
               "of symmetry?", 0, [90, 30, 150])
    t_complete(P, ["..........", "...##.....", "..###.....", ".####.....", "....#.....",
                   "...##....."], [("v", 5)], ("more", "total"), "Kwame\u2019s pattern")
    t_complete(P, ["........", ".#....#.", ".##..##.", ".######.", "........",
                   "........", "........", "........"], [("h", 4)], ("more", "total"))
    t_sym_more(P, ["........", "..##.#..", "...##...", ".##...#.", "..#.....", "........"],
               [("v", 4)], P.name())
    t_iso_parts(P, 4, 3, 3, f"{P.name()} makes this cuboid from 1 cm cubes, with no gaps.",
                ("layer", "layers", "volume"))
    t_iso_count(P, 5, 3, 2, f"{P.name()} packs cubes into this block.")
    t_cuboid_volume(P, 12, 5, 4)
    t_cuboid_volume(P, 8, 6, 3, "m")
    t_volume_choice(P, 9, 4, 5)
    boxes = [(6, 5, 5), (12, 3, 3), (11, 2, 5), (9, 4, 3)]
    vols = [len(block(*bx)) for bx in boxes]
    assert vols == [math.prod(bx) for bx in boxes]
    biggest = boxes[vols.index(max(vols))]
    # The plausible slips: the box with the longest edge, or with the biggest
    # total of its three edges, is not the biggest box.
    longest = max(boxes, key=max)
    widest = max(boxes, key=sum)
    assert vols.count(max(vols)) == 1 and biggest not in (longest, widest)
    label = [f"{a} cm {chr(0xd7)} {b} cm {chr(0xd7)} {c} cm" for a, b, c in boxes]
    t_which(P, "Four boxes are cuboids with these measurements. Which box has the greatest volume?",
            label[boxes.index(biggest)], [x for bx, x in zip(boxes, label) if bx != biggest],
            f"{RIGHT}: multiply the three edges of each box. "
            + ", ".join(f"{a} × {b} × {c} = {a * b * c}" for a, b, c in boxes)
            + f", so the biggest is {max(vols)} cm{CUBE}. The longest edge does not decide "
            "it.")
    area, vol = 24, 168
    h = Fraction(vol, area)
    assert len(block(6, 4, int(h))) == vol and 6 * 4 == area
    t_word(P, f"The base of a cuboid has an area of {area} cm{chr(0xb2)}. The volume of the "
           f"cuboid is {vol} cm{CUBE}. How high is the cuboid?", h, "Ans: ______ cm",
           f"Volume = area of the base × height, so the height is the volume divided by "
           f"the area of the base: {steps(f'{vol} / {area}')} cm.")
    t_tank(P, 30, 20, 25, 10, ("cm3", "l"))
    l, b, h = 10, 6, 15
    t_word(P, f"A juice carton is a cuboid {l} cm long, {b} cm wide and {h} cm high. How "
           "many millilitres of juice does it hold when it is full? (1 cm" + CUBE +
           " holds 1 ml.)", l * b * h, "Ans: ______ ml",
           f"{box_volume(l, b, h)} Each cm{CUBE} holds 1 ml, so it holds "
           f"{fmt(l * b * h)} ml.")
    t_word_parts(P, "Remember: 1 litre = 1,000 ml.",
                 [("4.5 litres = ______ ml", n_(Fraction(9, 2) * 1000,
                                                litres_why(Fraction(9, 2), "l"))),
                  ("750 ml + 1.5 litres = ______ ml", n_(750 + Fraction(3, 2) * 1000,
                   f"{litres_why(Fraction(3, 2), 'l')[:-1]}, and "
                   f"{steps(f'750 + {Fraction(3, 2) * 1000}')} ml.")),
                  ("2,250 ml = ______ litres", n_(litres(2250), litres_why(2250, "ml")))])
    t_cuboid_net(P, 5, 3, 2)
    l, b, h = 6, 5, 4
    t_word(P, f"How many 1 cm cubes are needed to fill a box {l} cm long, {b} cm wide and "
           f"{h} cm high?", len(block(l, b, h)), "Ans: ______ cubes",
           f"Each layer is {l} cubes by {b}, {steps(f'{l} * {b}')} cubes, and the box is "
           f"{h} cubes high: {steps(f'{l * b} * {h}')} cubes.")
    return P


def paper129(dealer, first):
    P = Builder(129, first, dealer)
    t_fev(P, "octagonal prism", "ev")
    t_fev(P, "pentagonal pyramid", "fev")
    t_from_counts(P, "hexagonal pyramid", ["hexagonal prism", "pentagonal prism",
                                           "pentagonal pyramid"])
    edges = 18
    n = Fraction(edges, 3)           # a prism on an n-sided base has 3n edges
    assert RULE["hexagonal prism"] == (n + 2, edges, 2 * n)
    t_word(P, f"A prism has {edges} edges. How many faces does it have?", n + 2,
           why=f"A prism has 3 edges for each side of its end: one round each end and one "
           f"joining them. So each end has {steps(f'{edges} / 3')} sides, and the faces are "
           f"2 ends and {n} sides: 2 + {n} = {n + 2}.")
    faces = 9
    base = Fraction(faces - 1)       # a pyramid on an n-sided base has n + 1 faces
    # Counted on a model of the pyramid on an octagon.
    assert pyramid(regular(8, 1.8, 0.3), 3.4).counts() == (faces, 2 * base, base + 1)
    t_word(P, f"A pyramid has {faces} faces. How many edges does it have?", 2 * base,
           why=f"One face is the base and the others are a triangle on each of its sides, "
           f"so the base has {faces} - 1 = {base} sides. There are {base} edges round the "
           f"base and {base} up to the point: {base} + {base} = {2 * base}.")
    t_net_which_q(P, 6, "Only one of these will fold to make a cube. Which one?")
    t_net_count(P, [2, 6], [NOT_NETS[20], NOT_NETS[5]], "How many of these four shapes "
                "made of six squares are nets of a cube?")
    t_net_opposite(P, CUBE_NETS[1], 0, 0, "KLMNOP", "KN")
    t_dice(P, CUBE_NETS[2], 1, 0, 0, " with the numbers on the outside")
    t_sym_count(P, "regular octagon")
    t_sym_count(P, "letter Z", "This shape is a capital letter Z. How many lines of "
                "symmetry does it have?")
    t_sym_line(P, "house", "This shape looks like a house. Which of the dashed lines "
               "is a line of symmetry?", 0, [0, 40, 140])
    t_sym_choice(P, "Which of these shapes has exactly four lines of symmetry?",
                 "square", ["rectangle", "rhombus", "kite"], 4)
    t_pattern_axes(P, ["......", ".####.", ".##...", ".#.#..", ".#....", "......"],
                   "Look at this pattern of shaded squares. How many lines of symmetry does "
                   "it have? Remember that a line of symmetry can be slanting.", 1)
    t_complete(P, ["........", "........", "..##....", "...#....", "........",
                   "........", "........", "........"], [("v", 4), ("h", 4)],
               ("more", "total"))
    t_complete(P, ["......", "#.....", "##....", ".##...", "###...", "......"],
               [("d", 0)], ("more", "total"))
    t_iso_parts(P, 4, 4, 3, f"{P.name()} has made this cuboid from 1 cm cubes, with no "
                "gaps.", ("total", "hidden"))
    t_iso_two(P, (4, 3, 2), (2, 2, 1), f"{P.name()}\u2019s solid is made of 1 cm cubes. "
              "The bottom part is a full cuboid, and the part on top is a full cuboid too.")
    t_steps(P, [3, 2, 2, 1], "This shape is made of cubes in one row, with none hidden. "
            "Each cube has edges of 2 cm. What is the volume of the whole shape?", edge=2,
            alt="A row of cubes built up in steps")
    t_cuboid_missing(P, 8, 5, 4, "h")
    t_cuboid_missing(P, 9, 4, 5, "l")
    t_tank(P, 40, 25, 30, 20, ("cm3", "l"))
    t_tank(P, 50, 30, 40, 24, ("l", "more"), stem="A glass tank is 50 cm long, 30 cm "
           "wide and 40 cm high. Water in it is 24 cm deep. Remember: 1 litre = "
           "1,000 cm" + CUBE + ".")
    t_cuboid_net(P, 7, 4, 3, "parts")
    a = 5
    t_word(P, f"A cube has edges {a} cm long. What is its volume?", a * a * a,
           "Ans: ______ cm" + CUBE, f"Every edge of a cube is {a} cm. "
           + box_volume(a, a, a))
    vol, l, b = 240, 8, 6
    h = Fraction(vol, l * b)
    assert h * l * b == vol and len(block(l, b, int(h))) == vol
    t_word(P, f"A cuboid has a volume of {vol} cm" + CUBE + f". Its base is {l} cm long and "
           f"{b} cm wide. How high is it?", h, "Ans: ______ cm",
           f"Volume = length × width × height, so the height is the volume divided by "
           f"length × width: {steps(f'{vol} / ({l} * {b})')} cm.")
    bottle, glass = Fraction(3, 2), 250
    glasses = Fraction(bottle * 1000, glass)
    assert glasses * 250 == Fraction(3, 2) * 1000
    t_word_parts(P, f"A bottle holds {num(bottle)} litres of milk. Glasses each hold "
                 f"{glass} ml.",
                 [("The bottle holds ______ ml", n_(bottle * 1000, litres_why(bottle, "l"))),
                  ("The bottle fills ______ glasses",
                   n_(glasses, f"{num(bottle * 1000)} ml poured into glasses of {glass} ml: "
                      f"{steps(f'{bottle * 1000} / {glass}')} glasses."))])
    crate, box = (12, 9, 6), (4, 3, 2)
    fits = math.prod(c // x for c, x in zip(crate, box))
    # Packed the same way round, they fill the crate exactly, so no way of
    # turning them could fit more than the volumes allow.
    assert fits * math.prod(box) == len(block(*crate))
    along = [steps(f"{c} / {x}") for c, x in zip(crate, box)]
    t_word(P, f"Boxes {box[0]} cm long, {box[1]} cm wide and {box[2]} cm high are packed "
           f"into a crate {crate[0]} cm "
           f"long, {crate[1]} cm wide and {crate[2]} cm high. Each box lies with its length "
           "along the crate\u2019s "
           "length and its width along the crate\u2019s width. How many boxes fit in the "
           "crate?", fits, "Ans: ______ boxes",
           f"Along the length {along[0]} boxes, along the width {along[1]}, and {along[2]} "
           f"layers high: {steps(' * '.join(str(c // x) for c, x in zip(crate, box)))} "
           "boxes.")
    t_volume_choice(P, 12, 5, 3)
    a = 20
    full = len(block(a, a, a))
    assert full == a ** 3 and Fraction(full, 1000) == 8
    t_word(P, f"A water container is a cube with inside edges of {a} cm. How many litres of "
           "water does it hold when it is full? (1 litre = 1,000 cm" + CUBE + ".)",
           Fraction(full, 1000), "Ans: ______ litres",
           f"It holds {steps(f'{a} * {a} * {a}')} cm{CUBE} of water, and "
           f"{steps(f'{full} / 1000')} litres.")
    return P


def paper130(dealer, first):
    P = Builder(130, first, dealer)
    edges = 10
    base = Fraction(edges, 2)        # a pyramid on an n-sided base has 2n edges
    assert RULE["pentagonal pyramid"] == (base + 1, edges, base + 1)
    t_word(P, f"A pyramid has {edges} edges. How many vertices does it have?", base + 1,
           why=f"Half the edges go round the base and half go up to the point, so the base "
           f"has {steps(f'{edges} / 2')} corners. With the point on top: {base} + 1 = "
           f"{base + 1} vertices.")
    nine = [s for s in RULE if solid_counts(s)[1] == 9]
    assert nine == ["triangular prism"]
    wrong = ["Triangular pyramid", "Square-based pyramid", "Cube"]
    t_which(P, "A solid has exactly 9 edges. Which of these could it be?",
            "Triangular prism", wrong,
            f"{RIGHT}: {fev_why('triangular prism', 'e')[0].lower()}"
            f"{fev_why('triangular prism', 'e')[1:]} "
            + cap(listed(f"{a_(w.lower())} has {solid_counts(w.lower())[1]}" for w in wrong))
            + ".")
    corners = 12
    side = Fraction(corners, 2)      # a prism on an n-sided base has 2n vertices
    assert RULE["hexagonal prism"] == (side + 2, 3 * side, corners)
    t_word(P, f"A prism has {corners} vertices. How many edges does it have?", 3 * side,
           why=f"Half the vertices are at each end, so each end has "
           f"{steps(f'{corners} / 2')} sides. There are {side} edges round each end and "
           f"{side} joining them: {side} + {side} + {side} = {3 * side}.")
    t_net_which_q(P, 10, "Which of these nets folds to make a cube?")
    t_net_opposite(P, CUBE_NETS[6], 0, 1, "RSTUVW", "RSU", " with the letters on the "
                   "outside")
    t_dice(P, CUBE_NETS[4], 2, 1, 4, " for a board game")
    t_net_gap(P, 3, 0, 1, "This drawing shows five squares of a net of a cube. A sixth "
              "square is to be added in one of the dashed places A to D. Which place gives "
              "a net that will fold to make a cube?")
    t_sym_count(P, "star", "This shape is a star with five equal points. How many "
                "lines of symmetry does it have?")
    sides = {n: len(axes(regular(n, 3, 0.2))) for n in range(3, 13)}
    # A regular polygon has as many lines of symmetry as sides, and no other
    # regular polygon here has 10.
    assert [n for n, k in sides.items() if k == 10] == [10]
    t_word(P, "A regular polygon has all its sides equal and all its angles equal. How "
           "many sides does a regular polygon with 10 lines of symmetry have?", 10,
           why="A regular polygon has as many lines of symmetry as it has sides: an "
           f"equilateral triangle has {sides[3]}, a square {sides[4]}. So 10 lines means "
           "10 sides.")
    t_sym_line(P, "right-angled isosceles triangle", "This triangle has a right angle "
               "and two equal sides. Which of the dashed lines is a line of symmetry?",
               0, [0, 90, 45])
    t_sym_choice(P, "Which of these shapes has no lines of symmetry?", "parallelogram",
                 ["rectangle", "isosceles trapezium", "kite"], 0)
    t_complete(P, ["..........", "..........", "...#......", "..##......", ".###......",
                   "..........", "..........", "..........", "..........", ".........."],
               [("v", 5), ("h", 5)], ("total", "axes"))
    t_complete(P, [".......", "#......", ".#.....", "###....", "..##...", "####...",
                   "......."], [("d", 0)], ("more", "total"), "Mia\u2019s pattern")
    t_sym_more(P, ["..........", "...#......", "..##..#...", "....##....", "....#.....",
                   "..........", "......##..", ".........."], [("v", 5), ("h", 4)],
               P.name())
    t_iso_parts(P, 5, 4, 3, f"{P.name()} builds a full cuboid from 1 cm cubes.",
                ("layer", "hidden", "volume"))
    t_iso_two(P, (5, 3, 2), (3, 2, 2), f"{P.name()} glues 1 cm cubes together to make "
              "this solid: a full cuboid standing on a bigger full cuboid.")
    t_cuboid_missing(P, 12, 6, 5, "b")
    growth = {a: Fraction(len(block(2 * a, 2 * a, 2 * a)), len(block(a, a, a)))
              for a in range(1, 6)}
    assert set(growth.values()) == {8}
    t_which(P, "Every edge of a cube is made twice as long. The volume of the new cube is "
            "how many times the volume of the old cube?", "8 times",
            ["2 times", "4 times", "6 times"],
            f"{RIGHT}: the new cube is 2 times as long, 2 times as wide and 2 times as "
            f"high, and 2 × 2 × 2 = {growth[1]}. For example, a 1 cm cube is 1 cm{CUBE}, "
            f"and a 2 cm cube is {steps('2 * 2 * 2')} cm{CUBE}.")
    t_tank(P, 60, 40, 50, 35, ("l", "more"), stem="An aquarium is 60 cm long, 40 cm wide "
           "and 50 cm high. The water in it is 35 cm deep. Remember: 1 litre = "
           "1,000 cm" + CUBE + ".")
    poured, (tl, tb) = 30, (50, 40)
    depth = Fraction(poured * 1000, tl * tb)
    assert depth * 50 * 40 == 30000 and len(block(50, 40, int(depth))) == 30000
    sl, sb, rise = 30, 20, 3
    stone = len(block(sl, sb, rise))
    assert stone == 30 * 20 * 3
    t_word(P, f"A tank has a rectangular base {sl} cm long and {sb} cm wide, with some water "
           "in it. A stone is dropped in. It sinks to the bottom and is covered by the "
           f"water, and no water spills out. The water level rises by {rise} cm. What is the "
           "volume of the stone?", stone, "Ans: ______ cm" + CUBE,
           f"The stone pushes the water up, so its volume is the volume of the extra layer "
           f"of water, {sl} cm by {sb} cm by {rise} cm: {steps(f'{sl} * {sb} * {rise}')} "
           f"cm{CUBE}.")
    t_word(P, f"An empty tank has a rectangular base {tl} cm long and {tb} cm wide. {poured} "
           "litres of water are poured in. How deep is the water? (1 litre = "
           "1,000 cm" + CUBE + ".)", depth, "Ans: ______ cm",
           f"{poured} litres is {steps(f'{poured} * 1000')} cm{CUBE}. The base is "
           f"{steps(f'{tl} * {tb}')} cm\u00b2, so the depth is "
           f"{steps(f'{poured * 1000} / {tl * tb}')} cm.")
    box, c = (8, 6, 4), 2
    fits = math.prod(x // c for x in box)
    assert fits == Fraction(8 * 6 * 4, 2 * 2 * 2)
    t_word(P, f"How many cubes with edges of {c} cm fit exactly into a box {box[0]} cm long, "
           f"{box[1]} cm wide and {box[2]} cm high?", fits, "Ans: ______ cubes",
           f"{box[0]} ÷ {c} = {box[0] // c} cubes along the length, {box[1]} ÷ {c} = "
           f"{box[1] // c} along the width and {box[2]} ÷ {c} = {box[2] // c} layers: "
           f"{steps(' * '.join(str(x // c) for x in box))} cubes.")
    edge = {v: next(k for k in range(1, 20) if k ** 3 == v) for v in (64, 1000)}

    def edge_why(v):
        k = edge[v]
        return (f"The volume of a cube is edge × edge × edge, and "
                f"{steps(f'{k} * {k} * {k}')}, so the edge is {k} cm.")
    t_word_parts(P, "Each of these is the volume of a cube. Find the length of one "
                 "edge.", [("64 cm" + CUBE + ": the edge is ______ cm",
                            n_(edge[64], edge_why(64))),
                           ("1,000 cm" + CUBE + ": the edge is ______ cm",
                            n_(edge[1000], edge_why(1000)))])
    box_a, box_b = (9, 5, 4), (7, 6, 5)
    a, b = math.prod(box_a), math.prod(box_b)
    assert (a, b) == (9 * 5 * 4, 7 * 6 * 5)
    t_word_parts(P, "Box A is {} cm long, {} cm wide and {} cm high. Box B is {} cm long, "
                 "{} cm wide and {} cm high.".format(*box_a, *box_b),
                 [("The volume of box A is ______ cm" + CUBE, n_(a, box_volume(*box_a))),
                  ("The volume of box B is ______ cm" + CUBE, n_(b, box_volume(*box_b))),
                  ("The bigger box holds ______ cm" + CUBE + " more than the other",
                   n_(abs(a - b), f"Box {'A' if a > b else 'B'} is bigger: "
                      f"{steps(f'{max(a, b)} - {min(a, b)}')} cm{CUBE} more."))])
    t_volume_choice(P, 15, 8, 6)
    t_cuboid_net(P, 8, 5, 2, "parts")
    cl, cb, ce = 6, 4, 6
    h = Fraction(ce ** 3, cl * cb)
    assert 6 * 4 * h == len(block(6, 6, 6))
    t_word(P, f"A cuboid {cl} cm long and {cb} cm wide has the same volume as a cube with "
           f"edges of {ce} cm. How high is the cuboid?", h, "Ans: ______ cm",
           f"The cube's volume is {steps(f'{ce} * {ce} * {ce}')} cm{CUBE}. The cuboid's "
           f"height is that divided by its length × width: "
           f"{steps(f'{ce ** 3} / ({cl} * {cb})')} cm.")
    rate, tank = 6, (60, 30, 40)
    minutes = Fraction(math.prod(tank), 1000) / rate
    assert minutes * 6 * 1000 == len(block(60, 30, 40))
    t_word(P, f"A tap pours {rate} litres of water a minute into an empty tank {tank[0]} cm "
           f"long, {tank[1]} cm "
           f"wide and {tank[2]} cm high. How many minutes does it take to fill the tank? "
           "(1 litre = 1,000 cm" + CUBE + ".)", minutes, "Ans: ______ minutes",
           f"The tank holds {steps(' * '.join(map(str, tank)))} cm{CUBE}, which is "
           f"{steps(f'{math.prod(tank)} / 1000')} litres. At {rate} litres a minute: "
           f"{steps(f'{math.prod(tank) // 1000} / {rate}')} minutes.")
    cm = 100                         # 1 m = 100 cm
    assert cm ** 3 == 1_000_000 == sum(cm * cm for _layer in range(cm))
    t_which(P, "A cube has edges 1 m long. What is its volume in cubic centimetres? "
            "(1 m = 100 cm.)", f"1,000,000 cm{CUBE}",
            [f"100 cm{CUBE}", f"10,000 cm{CUBE}", f"1,000 cm{CUBE}"],
            f"{RIGHT}: each edge is {cm} cm, so the volume is "
            f"{steps(f'{cm} * {cm} * {cm}')} cm{CUBE}. {fmt(cm * cm)} cm{CUBE} would be "
            "only one layer 1 cm thick.")
    jug, out = Fraction(6, 5), 350
    left = jug * 1000 - out
    t_word(P, f"A jug holds {num(jug)} litres of water. {out} ml is poured out. How many "
           "millilitres are left?", left, "Ans: ______ ml",
           f"{num(jug)} litres is {num(jug * 1000)} ml, and "
           f"{steps(f'{jug * 1000} - {out}')} ml.")
    return P


PAPERS = [paper126, paper127, paper128, paper129, paper130]


def build() -> dict[str, str]:
    return build_topic(TOPIC, PAPERS, SUBJECT, ROOT)[1]


def main(argv: list[str] | None = None) -> int:
    return run_generator(__doc__.splitlines()[0], build, ROOT, argv=argv)


if __name__ == "__main__":
    sys.exit(main())
