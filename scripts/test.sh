#!/usr/bin/env bash
# Builds Pitchbar with its tests (installing missing packages; a warning fails the build)
# and runs every test.
# Tests that need a display get a private Xvfb screen of 1024x768x24; sound tests use
# OpenAL Soft's null backend. Everything started here is stopped on exit.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/build.sh" -DPITCHBAR_TESTS=ON -DPITCHBAR_BENCH=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON

xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

# A free display number: no socket and no lock file.
display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
if [ -z "$display" ]; then echo "test.sh: no free X display number" >&2; exit 1; fi
# -noreset: by default the server resets whenever its last client leaves, and a test
# connecting during that reset is refused (a game then never shows its window).
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
if [ ! -e "/tmp/.X11-unix/X$display" ]; then echo "test.sh: Xvfb did not start" >&2; exit 1; fi

export DISPLAY=":$display"
export ALSOFT_DRIVERS=null
export LIBGL_ALWAYS_SOFTWARE=1
cd "$root/build"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" "$@"
