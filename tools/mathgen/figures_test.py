"""The shared SVG figure: coordinates as printed, and the defaults topics set."""

from __future__ import annotations

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen import figures  # noqa: E402
from mathgen.figures import Svg, r1  # noqa: E402


class FiguresTest(unittest.TestCase):
    def test_coordinates(self):
        for v, want in [(2.0, "2"), (2.04, "2"), (2.06, "2.1"), (-3.5, "-3.5"),
                        (-0.04, "0"), (-0.0, "0"), (120, "120"), (1e-9, "0")]:
            with self.subTest(v=v):
                self.assertEqual(r1(v), want)

    def test_topic_defaults_only_change_polygons_and_circles(self):
        class Filled(figures.Svg):
            polygon_fill = "#eef3fa"
            polygon_dash = "8,6"
            round_joins = True

        plain, filled = Svg(10, 10), Filled(10, 10)
        for s in (plain, filled):
            s.polygon([(0, 0), (1, 0), (0, 1)], dash=True)
            s.circle((5, 5), 2)
            s.line((0, 0), (1, 1), dash=True)
        self.assertIn('fill="none" stroke="#000000" stroke-width="2" '
                      'stroke-dasharray="6,4"/>', plain.items[0])
        self.assertIn('fill="#eef3fa" stroke="#000000" stroke-width="2" '
                      'stroke-linejoin="round" stroke-dasharray="8,6"/>', filled.items[0])
        self.assertIn('fill="#eef3fa"', filled.items[1])
        self.assertEqual(plain.items[2], filled.items[2])
        red = Filled(1, 1)
        red.circle((0, 0), 1, fill="red")
        self.assertIn('fill="red"', red.items[0])

    def test_render_is_a_whole_document_on_white(self):
        s = Svg(30, 20)
        s.text((1, 2), "A", italic=True)
        out = s.render()
        self.assertTrue(out.startswith('<?xml version="1.0" encoding="UTF-8"?>\n<svg '))
        self.assertIn('width="30" height="20" viewBox="0 0 30 20"', out)
        self.assertIn('font-style="italic">A</text>', out)
        self.assertTrue(out.endswith("</svg>\n"))


if __name__ == "__main__":
    unittest.main()
