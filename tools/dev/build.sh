#!/usr/bin/env bash
# Configures and builds Quillory into build/: the targets named, or everything (the program, the
# content tool, tests and benchmarks) when none is named.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ $# -gt 0 ]; then
  cmake --build build --target "$@"
else
  cmake --build build
fi
