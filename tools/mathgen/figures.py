"""The SVG drawing every topic's figures are made with.

Topics differ only in a few defaults (how a polygon is filled and dashed, whether its
corners are rounded); a topic sets those on a small subclass so its figures stay as they are.
"""

from __future__ import annotations

FONT = 'font-family="DejaVu Sans"'
BLACK = "#000000"


def r1(v: float) -> str:
    """A coordinate to one decimal place, without a trailing .0 and never as "-0"."""
    v = round(v, 1)
    return f"{0.0 if v == 0 else v:g}"


class Svg:
    polygon_fill = "none"
    polygon_dash = "6,4"
    round_joins = False

    def __init__(self, w: int, h: int):
        self.w, self.h = w, h
        self.items: list[str] = []

    def line(self, a, b, width=2, colour=BLACK, dash=False):
        d = ' stroke-dasharray="6,4"' if dash else ""
        self.items.append(f'<line x1="{r1(a[0])}" y1="{r1(a[1])}" x2="{r1(b[0])}" '
                          f'y2="{r1(b[1])}" stroke="{colour}" stroke-width="{width}"{d}/>')

    def text(self, p, s, size=16, anchor="middle", colour=BLACK, italic=False, bold=False):
        style = (' font-style="italic"' if italic else "") + (' font-weight="bold"' if bold else "")
        self.items.append(f'<text x="{r1(p[0])}" y="{r1(p[1] + size * 0.35)}" {FONT} '
                          f'font-size="{size}" text-anchor="{anchor}" '
                          f'fill="{colour}"{style}>{s}</text>')

    def path(self, d, colour=BLACK, width=2, fill="none", dash=False):
        da = ' stroke-dasharray="6,4"' if dash else ""
        self.items.append(f'<path d="{d}" fill="{fill}" stroke="{colour}" '
                          f'stroke-width="{width}"{da}/>')

    def polygon(self, pts, fill=None, colour=BLACK, width=2, dash=False):
        p = " ".join(f"{r1(x)},{r1(y)}" for x, y in pts)
        fill = self.polygon_fill if fill is None else fill
        join = ' stroke-linejoin="round"' if self.round_joins else ""
        d = f' stroke-dasharray="{self.polygon_dash}"' if dash else ""
        self.items.append(f'<polygon points="{p}" fill="{fill}" stroke="{colour}" '
                          f'stroke-width="{width}"{join}{d}/>')

    def rect(self, x, y, w, h, fill, colour=BLACK, width=1):
        self.items.append(f'<rect x="{r1(x)}" y="{r1(y)}" width="{r1(w)}" '
                          f'height="{r1(h)}" fill="{fill}" stroke="{colour}" '
                          f'stroke-width="{width}"/>')

    def dot(self, p, r=3.5, colour=BLACK):
        self.items.append(f'<circle cx="{r1(p[0])}" cy="{r1(p[1])}" r="{r}" '
                          f'fill="{colour}"/>')

    def ellipse(self, c, rx, ry, fill="none", colour=BLACK, width=2):
        self.items.append(f'<ellipse cx="{r1(c[0])}" cy="{r1(c[1])}" rx="{r1(rx)}" '
                          f'ry="{r1(ry)}" fill="{fill}" stroke="{colour}" '
                          f'stroke-width="{width}"/>')

    def circle(self, c, r, fill=None, colour=BLACK, width=2):
        self.ellipse(c, r, r, self.polygon_fill if fill is None else fill, colour, width)

    def render(self) -> str:
        head = ['<?xml version="1.0" encoding="UTF-8"?>',
                f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" '
                f'width="{self.w}" height="{self.h}" viewBox="0 0 {self.w} {self.h}">',
                f'<rect x="0" y="0" width="{self.w}" height="{self.h}" fill="#ffffff"/>']
        return "\n".join(head + self.items + ["</svg>"]) + "\n"
