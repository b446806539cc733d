"""Nets of a cube: folding a net by rolling a cube over its squares, the face
opposite a square, and every shape of six squares, for the generators that ask
about nets. Standard library only."""

from __future__ import annotations


def fold(cells) -> dict[tuple[int, int], str] | None:
    """Rolls a cube over the squares of a net (column, row; rows go down).
    Returns the face of the cube that lands on each square, named by where it
    was at the start, or None when two squares land on the same face."""
    cells = list(cells)
    start = {"down": "D", "up": "U", "n": "N", "s": "S", "e": "E", "w": "W"}
    # Rolling towards a side: that side goes down, down goes opposite, and so on.
    rolls = {(1, 0): ("e", "w"), (-1, 0): ("w", "e"), (0, -1): ("n", "s"), (0, 1): ("s", "n")}
    got = {cells[0]: start}
    todo = [cells[0]]
    while todo:
        c = todo.pop()
        o = got[c]
        for (dx, dy), (fwd, back) in rolls.items():
            d = (c[0] + dx, c[1] + dy)
            if d not in cells:
                continue
            new = dict(o)
            new["down"], new[fwd], new["up"], new[back] = o[fwd], o["up"], o[back], o["down"]
            if d in got:
                if got[d]["down"] != new["down"]:
                    return None
                continue
            got[d] = new
            todo.append(d)
    assert len(got) == len(cells), "a net must be in one piece"
    faces = {c: got[c]["down"] for c in cells}
    return faces if len(set(faces.values())) == 6 else None


OPPOSITE = {"D": "U", "U": "D", "N": "S", "S": "N", "E": "W", "W": "E"}


def opposite_cell(cells, cell):
    faces = fold(cells)
    assert faces is not None
    want = OPPOSITE[faces[cell]]
    return next(c for c in cells if faces[c] == want)


def normal_form(cells):
    xs, ys = min(c[0] for c in cells), min(c[1] for c in cells)
    return tuple(sorted((x - xs, y - ys) for x, y in cells))


def free_form(cells):
    forms = []
    for sx in (1, -1):
        for swap in (False, True):
            for sy in (1, -1):
                t = [(sx * x, sy * y) for x, y in cells]
                if swap:
                    t = [(y, x) for x, y in t]
                forms.append(normal_form(t))
    return min(forms)


def hexominoes():
    shapes = {((0, 0),)}
    for _ in range(5):
        grown = set()
        for s in shapes:
            for x, y in s:
                for d in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    c = (x + d[0], y + d[1])
                    if c not in s:
                        grown.add(free_form(s + (c,)))
        shapes = grown
    return sorted(shapes)


HEXOMINOES = hexominoes()
CUBE_NETS = [s for s in HEXOMINOES if fold(s) is not None]
# The folding is right only if it finds the 11 nets of a cube among the 35 hexominoes.
assert len(HEXOMINOES) == 35 and len(CUBE_NETS) == 11


def folds_to_cube(cells) -> bool:
    """True when the squares fold to a closed cube."""
    return fold(cells) is not None
