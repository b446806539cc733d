#!/usr/bin/env bash
# Installs the Debian 12 packages Quillory needs to build, run and test, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config file dpkg-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-image-formats-plugins
  qt6-declarative-dev qt6-webengine-dev qt6-webengine-dev-tools libqt6webenginecore6-bin
  libgl1-mesa-dev libxkbcommon-dev fonts-dejavu-core fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth appstream desktop-file-utils python3 poppler-utils man-db lintian
  dbus-daemon at-spi2-core python3-pyatspi x11-utils xdotool openbox
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
