#!/usr/bin/env bash
# Builds Quillory and starts it with its built-in content.
set -euo pipefail
cd "$(dirname "$0")/../.."
tools/dev/build.sh
# Chromium, which shows the question pages, refuses its sandbox when run as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/quillory "$@"
