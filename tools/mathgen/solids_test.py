"""The worked answers of the solid figures, symmetry and volume papers: every one gives its
key and sound sums, and the reasons they give (opposite faces of a net, why six squares do
not fold to a cube, where the lines of symmetry are) hold on many more shapes than the
papers use."""

from __future__ import annotations

import os
import random
import re
import sys
import unittest
from fractions import Fraction
from unittest import mock

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

import explain_test  # noqa: E402
from mathgen import solids as S  # noqa: E402
from mathgen.cube_nets import CUBE_NETS, HEXOMINOES, fold, opposite_cell  # noqa: E402


class PapersTest(explain_test.TopicsTest):
    """The checks every explained topic passes, on this topic's papers."""

    def test_every_worked_answer_gives_its_key(self):
        with mock.patch.object(explain_test, "EXPLAINED", ["solids"]):
            super().test_every_worked_answer_gives_its_key()


def all_placements():
    for shape in CUBE_NETS:
        for turn in range(4):
            for flip in range(2):
                yield S.place(shape, turn, flip)


class NetsTest(unittest.TestCase):
    def test_opposite_face_named_and_reason_holds(self):
        for cells in all_placements():
            names = dict(zip(cells, "ABCDEF"))
            for a in cells:
                with self.subTest(cells=cells, a=a):
                    why = S.opposite_why(cells, a, lambda c: f"face {names[c]}")
                    b = opposite_cell(cells, a)
                    said = re.findall(r"[Ff]ace ([A-F])", why)
                    if "straight line" in why:
                        # Two squares with one between them in a line: opposite faces.
                        self.assertEqual(said[:2], [names[a], names[b]], why)
                        self.assertIsNotNone(S.in_line(cells, a, b))
                    else:
                        self.assertTrue(why.endswith(f"face {names[b]}, is opposite it."), why)
                        near = re.search(r"faces ([A-F, and]+), so", why)[1]
                        faces = fold(cells)
                        for letter in re.findall(r"[A-F]", near):
                            c = next(c for c, n in names.items() if n == letter)
                            # Every face named as touching is neither a nor its opposite.
                            self.assertNotIn(faces[c], (faces[a], faces[b]), why)

    def test_every_square_in_line_with_one_between_is_opposite(self):
        """The rule the worked answers teach, tried on every net in every position."""
        for cells in all_placements():
            for a in cells:
                for b in cells:
                    if S.in_line(cells, a, b) is not None:
                        with self.subTest(cells=cells, a=a, b=b):
                            self.assertEqual(opposite_cell(cells, a), b)

    def test_faults_named_for_shapes_that_are_not_nets(self):
        for cells in HEXOMINOES:
            with self.subTest(cells=cells):
                if fold(cells) is not None:
                    # A net never shows either of the faults named for the others.
                    self.assertTrue(S.no_square_block(cells))
                    self.assertLess(S.runs(cells), 5)
                else:
                    self.assertIn(S.not_net_why(cells), (
                        "has 4 squares in a 2 by 2 block", "has 5 squares in a row",
                        "folds with two squares on the same face"))

    def test_faults_said_agree_in_number(self):
        cases = {
            (("has 4 squares in a 2 by 2 block", ("A",)),): "Shape A has 4 squares in a 2 by "
                                                           "2 block.",
            (("has 4 squares in a 2 by 2 block", ("A", "C")),
             ("folds with two squares on the same face", ("D",))):
                "Shapes A and C each have 4 squares in a 2 by 2 block. Shape D folds with two "
                "squares on the same face.",
            (("folds with two squares on the same face", ("B", "C", "D")),):
                "Shapes B, C and D each fold with two squares on the same face.",
        }
        for faults, want in cases.items():
            with self.subTest(want=want):
                self.assertEqual(S.faults_said({f: list(ls) for f, ls in faults}), want)


class SymmetryTest(unittest.TestCase):
    def test_named_lines_match_reflected_centres(self):
        """Symmetric patterns made by mirroring random squares: the lines named are as many
        as reflecting the squares' centres finds."""
        r = random.Random(23)
        mirrors = [[("v", 4)], [("h", 4)], [("d", 0)], [("v", 4), ("h", 4)]]
        for _ in range(300):
            ms = r.choice(mirrors)
            cells = {(r.randrange(8), r.randrange(8)) for _ in range(r.randint(1, 6))}
            for _ in ms:
                for m in ms:
                    cells |= S.mirror_cells(cells, m)
            with self.subTest(cells=sorted(cells)):
                names = S.grid_lines(cells)
                self.assertEqual(len(names), S.axes_by_points(cells))
                self.assertEqual(len(set(names)), len(names))

    def test_every_shape_said_with_its_count(self):
        names = ["square", "rectangle", "equilateral triangle", "regular pentagon",
                 "regular hexagon", "regular octagon", "isosceles triangle", "kite",
                 "rhombus", "parallelogram", "letter H", "letter T", "letter Z", "star"]
        for name in names:
            with self.subTest(name=name):
                why = S.shape_lines(name)
                k = S.sym_count(name)
                self.assertIn(f"{k} line", why)
                # A regular shape's lines split into corner and side lines that add up.
                parts = re.search(r"(\d+) joining opposite corners and (\d+) joining", why)
                if parts:
                    self.assertEqual(int(parts[1]) + int(parts[2]), k)


class CountsAndVolumesTest(unittest.TestCase):
    def test_faces_edges_vertices_working(self):
        for name in S.RULE:
            counts = S.solid_counts(name)
            for which, key in zip("fev", counts):
                with self.subTest(name=name, which=which):
                    explain_test.assert_sound(self, S.fev_why(name, which), str(key))

    def test_volume_and_litres_working(self):
        r = random.Random(29)
        for _ in range(200):
            l, b, h = r.randint(1, 60), r.randint(1, 60), r.randint(1, 60)
            with self.subTest(l=l, b=b, h=h):
                explain_test.assert_sound(self, S.box_volume(l, b, h), f"{l * b * h:,}")
            litres = Fraction(r.randint(1, 9999), 1000)
            ml = litres * 1000
            with self.subTest(litres=litres):
                explain_test.assert_sound(self, S.litres_why(litres, "l"), S.num(ml))
                explain_test.assert_sound(self, S.litres_why(ml, "ml"), S.num(litres))


if __name__ == "__main__":
    unittest.main()
