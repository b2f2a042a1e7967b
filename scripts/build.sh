#!/usr/bin/env bash
# Installs what is missing, then configures and builds Pitchbar into build/.
# The game lands in build/game/ with its resources/ folder beside it.
# usage: build.sh [--play] [cmake options...]
#   --play: install only what playing needs and build only the game and its data, leaving
#   any test or benchmark options an earlier configuration chose as they were.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
play=0
if [ "${1:-}" = --play ]; then
  play=1
  shift
fi
jobs=$(nproc 2>/dev/null || echo 2)
if [ "$play" = 1 ]; then
  bash "$root/scripts/install-deps.sh" play
  options=()
  # A first configuration for playing leaves the tests out; an existing one keeps its choice,
  # so the test command and the developer notes work whichever command ran before.
  [ -f "$root/build/CMakeCache.txt" ] || options=(-DPITCHBAR_TESTS=OFF -DPITCHBAR_BENCH=OFF)
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" "$@" >/dev/null
  cmake --build "$root/build" -j "$jobs" --target pitchbar assets
else
  bash "$root/scripts/install-deps.sh"
  cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$root/build" -j "$jobs"
fi
