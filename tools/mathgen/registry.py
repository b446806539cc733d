"""The Mathematics topics: which generator writes which papers, question ids and figures.

The runner, the CTest list and the overlap check all read this table, so a new topic is
added here once. Two topics may not share a paper key, a question id, a dealer seed or a
figure prefix: either would let one generator overwrite, or delete as stale, another's files.
"""

from __future__ import annotations

from dataclasses import dataclass


@dataclass(frozen=True)
class Topic:
    name: str                  # what `run.py NAME` and the CTest name use
    module: str                # the generator module in this folder
    papers: tuple[int, ...]    # paper keys: NNN.paper
    first_id: int              # question ids first_id..last_id, both included
    last_id: int
    seed: int                  # seed of the shared multiple-choice dealer
    figure_prefix: str | None  # figures/PREFIX*.svg belong to this topic; None draws none


TOPICS: tuple[Topic, ...] = (
    Topic("whole_numbers", "whole_numbers", (101, 102, 103, 104, 105), 22001, 22130, 2001,
          "numberline-"),
    Topic("fractions", "fraction_papers", (111, 112, 113, 114, 115), 22131, 22230, 2003, None),
    Topic("angles", "angles", (106, 107, 108, 109, 110), 22231, 22360, 2002, "angles-"),
    Topic("decimals", "decimals", (116, 117, 118, 119, 120), 22361, 22520, 2004, "decimal-"),
    Topic("area_perimeter", "area_perimeter", (121, 122, 123, 124, 125), 22521, 22680, 2005,
          "area-"),
    Topic("solids", "solids", (126, 127, 128, 129, 130), 22681, 22841, 2006, "solid-"),
    Topic("mock", "mock", (131, 132, 133, 134, 135), 22842, 28127, 2007, "mock-"),
)


def overlaps(topics) -> list[str]:
    """Every clash between two topics, as sentences; empty when the table is sound."""
    out = []
    for i, a in enumerate(topics):
        if a.first_id > a.last_id:
            out.append(f"{a.name}: id range {a.first_id}-{a.last_id} is empty")
        if len(set(a.papers)) != len(a.papers):
            out.append(f"{a.name}: a paper key is listed twice")
        for b in topics[i + 1:]:
            if a.name == b.name:
                out.append(f"{a.name}: listed twice")
            if a.module == b.module:
                out.append(f"{a.name} and {b.name}: both run {a.module}")
            shared = sorted(set(a.papers) & set(b.papers))
            if shared:
                out.append(f"{a.name} and {b.name}: both write paper {shared[0]}")
            if a.first_id <= b.last_id and b.first_id <= a.last_id:
                out.append(f"{a.name} and {b.name}: question ids overlap at "
                           f"{max(a.first_id, b.first_id)}")
            if a.seed == b.seed:
                out.append(f"{a.name} and {b.name}: same dealer seed {a.seed}")
            pa, pb = a.figure_prefix, b.figure_prefix
            if pa and pb and (pa.startswith(pb) or pb.startswith(pa)):
                out.append(f"{a.name} and {b.name}: figure prefixes {pa!r} and {pb!r} clash")
    return out


def checked(topics) -> tuple[Topic, ...]:
    """topics, or ValueError naming every clash."""
    problems = overlaps(topics)
    if problems:
        raise ValueError("; ".join(problems))
    return tuple(topics)


def by_name(name: str) -> Topic:
    for t in checked(TOPICS):
        if t.name == name:
            return t
    raise KeyError(name)
