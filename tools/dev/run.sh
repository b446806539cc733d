#!/usr/bin/env bash
# Builds Quillory and starts it with its built-in content.
set -euo pipefail
cd "$(dirname "$0")/../.."
# Only the program: the tests and benchmarks are built by the test command.
tools/dev/build.sh quillory
# Chromium, which shows the question pages, refuses its sandbox when run as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/quillory "$@"
