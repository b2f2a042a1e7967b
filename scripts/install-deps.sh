#!/usr/bin/env bash
# Installs the Debian packages Pitchbar needs to build, run and test, if any are missing
# (`play` as the first argument: only what building and playing need).
# Runs apt-get directly as root, through sudo otherwise. Safe to run again: it does nothing
# when everything is present.
set -euo pipefail

# What building and playing need; `install-deps.sh play` stops there. The rest is for the
# tests, the benchmarks and the package checks.
packages=(
  build-essential cmake pkg-config
  libsdl2-dev libepoxy-dev libgl1-mesa-dri libglx-mesa0 mesa-utils
  libopenal-dev libalut-dev libvorbis-dev
  libstb-dev libfreetype-dev fonts-dejavu-core
)
if [ "${1:-all}" != play ]; then
  packages+=(
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool x11-xkb-utils imagemagick sox
    desktop-file-utils appstream lintian python3
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
else
  SUDO=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get update -q
"${SUDO[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
