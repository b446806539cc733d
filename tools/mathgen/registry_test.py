"""The topic registry refuses clashes, and the generators write what it lists."""

from __future__ import annotations

import os
import re
import sys
import unittest
from dataclasses import replace

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.registry import TOPICS, Topic, checked, overlaps  # noqa: E402

SUBJECT = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__)))), "assets", "subjects", "2-mathematics")

A = Topic("a", "mod_a", (1, 2), 100, 199, 1, "aa-")
B = Topic("b", "mod_b", (3, 4), 200, 299, 2, "bb-")


class RegistryTest(unittest.TestCase):
    def test_shipped_table_is_sound(self):
        self.assertEqual(overlaps(TOPICS), [])

    def test_refuses_each_kind_of_clash(self):
        cases = {
            "same name": (replace(B, name="a"), "listed twice"),
            "same module": (replace(B, module="mod_a"), "both run mod_a"),
            "shared paper": (replace(B, papers=(2, 3)), "both write paper 2"),
            "ids overlap by one": (replace(B, first_id=199), "ids overlap at 199"),
            "ids inside": (replace(B, first_id=120, last_id=130), "ids overlap at 120"),
            "ids around": (replace(B, first_id=50, last_id=500), "ids overlap at 100"),
            "same seed": (replace(B, seed=1), "same dealer seed 1"),
            "same prefix": (replace(B, figure_prefix="aa-"), "prefixes"),
            "prefix of another": (replace(B, figure_prefix="a"), "prefixes"),
        }
        for label, (b, message) in cases.items():
            with self.subTest(label):
                with self.assertRaisesRegex(ValueError, message):
                    checked((A, b))

    def test_refuses_a_broken_topic_on_its_own(self):
        for label, a in {"empty range": replace(A, first_id=300),
                         "paper twice": replace(A, papers=(1, 1))}.items():
            with self.subTest(label):
                self.assertTrue(overlaps((a,)))

    def test_neighbours_and_topics_without_figures_are_allowed(self):
        c = Topic("c", "mod_c", (5,), 300, 300, 3, None)
        topics = (A, replace(B, first_id=200, figure_prefix=None), c)
        self.assertEqual(checked(topics), topics)

    def test_committed_files_match_the_table(self):
        """Every committed paper and figure belongs to exactly the topic listed for it."""
        names = os.listdir(SUBJECT)
        papers = sorted(int(n[:-6]) for n in names if re.fullmatch(r"\d+\.paper", n))
        self.assertEqual(papers, sorted(k for t in TOPICS for k in t.papers))
        prefixes = [t.figure_prefix for t in TOPICS if t.figure_prefix]
        for n in os.listdir(os.path.join(SUBJECT, "figures")):
            with self.subTest(n):
                self.assertEqual(sum(n.startswith(p) for p in prefixes), 1)
        for t in TOPICS:
            for key in t.papers:
                with self.subTest(paper=key):
                    with open(os.path.join(SUBJECT, f"{key}.paper"), encoding="utf-8") as f:
                        ids = [int(line.split()[1]) for line in f if line.startswith("@page ")]
                    self.assertTrue(all(t.first_id <= i <= t.last_id for i in ids), t.name)


if __name__ == "__main__":
    unittest.main()
