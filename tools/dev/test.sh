#!/usr/bin/env bash
# Builds Quillory and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/build.sh
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
# The window tests draw on a virtual screen; nothing appears on a real one.
exec xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j2
