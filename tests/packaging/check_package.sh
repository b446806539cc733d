#!/bin/sh
# Builds the Debian package as the README's install section does and lets lintian judge it.
# Usage: check_package.sh BUILD_DIR SCRATCH_DIR
set -eu
build=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" > "$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/*.deb)
dpkg-deb --info "$deb"
# Tags about how a Debian source package is built do not apply to a package made by CPack, which
# has no source package; every other error or warning fails the test.
lintian --fail-on error,warning --tag-display-limit 0 \
  --suppress-tags-from-file "$(dirname "$0")/lintian-not-applicable" "$deb"
