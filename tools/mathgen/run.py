"""One entry point for every Mathematics generator.

    python3 tools/mathgen/run.py TOPIC [--check] [--root DIR]
    python3 tools/mathgen/run.py --list     # topic names, one a line (read by CMake)
"""

from __future__ import annotations

import importlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from mathgen.registry import TOPICS, by_name, checked  # noqa: E402


def main(argv: list[str]) -> int:
    if argv[:1] == ["--list"]:
        print("\n".join(t.name for t in checked(TOPICS)))
        return 0
    if not argv or argv[0].startswith("-"):
        print(__doc__.strip(), file=sys.stderr)
        print("topics: " + " ".join(t.name for t in TOPICS), file=sys.stderr)
        return 2
    try:
        topic = by_name(argv[0])
    except KeyError:
        print(f"no such topic: {argv[0]}", file=sys.stderr)
        return 2
    return importlib.import_module(f"mathgen.{topic.module}").main(argv[1:])


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
