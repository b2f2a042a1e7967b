#!/usr/bin/env bash
# The game starts, its window covers the 1024x768 screen with the loading picture (even
# without a window manager to grant full screen), Alt+Enter goes to the 940x700 window and
# back, and the close box saves the profiles and ends it with exit code 0 and nothing in
# error.txt.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
out=${PITCHBAR_E2E_OUT:-$work}

e2e_start
e2e_wait_window 60

e2e_wait_geometry 0 0 1024 768 || e2e_fail "the window does not cover the screen: ${WIDTH}x${HEIGHT} at $X,$Y"

# The loading picture is up once the screen is no longer black.
if [ -f "$PITCHBAR_RESOURCES/textures/loadingpic.png" ]; then
  e2e_wait_drawn "$out/start_and_close.png"
else
  e2e_shot "$out/start_and_close.png"
fi
brightest=$(e2e_brightest "$out/start_and_close.png")

# Alt+Enter: to the window and back to full screen. Keys go where the pointer is.
xdotool mousemove 512 384
xdotool key alt+Return
# 940x700 at (100, 100) would run off this 768-high screen: the window is pulled onto it.
e2e_wait_geometry 76 60 940 700 || e2e_fail "Alt+Enter did not give the 940x700 window on the screen: ${WIDTH}x${HEIGHT} at $X,$Y"
xdotool key alt+Return
e2e_wait_geometry 0 0 1024 768 || e2e_fail "a second Alt+Enter did not cover the screen again: ${WIDTH}x${HEIGHT} at $X,$Y"

e2e_close_box
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
[ -f "$work/gamestate.dat" ] || e2e_fail "closing did not save gamestate.dat"
if [ -s "$work/error.txt" ]; then
  # expected_errors.txt: one extended regular expression a line for lines that may appear
  # on a normal start (none so far).
  unexpected=$(grep -v -E -f "$here/expected_errors.txt" "$work/error.txt" || true)
  [ -z "$unexpected" ] || e2e_fail "unexpected error lines: $unexpected"
fi
echo "ok: window ${WIDTH}x${HEIGHT}, brightest channel $brightest, exit 0"
