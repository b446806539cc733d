#!/usr/bin/env bash
# Configures and builds Quillory into build/ (the program, the content tool, tests and benchmarks).
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
