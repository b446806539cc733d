"""The Mathematics paper generators: one module a topic, listed in `registry`, built through
`paperlib.build_topic`. Run them with `python3 -m mathgen TOPIC [--check]` from `tools/`, or
`python3 tools/mathgen/run.py TOPIC [--check]` from anywhere."""
