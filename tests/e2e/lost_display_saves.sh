#!/usr/bin/env bash
# A display that goes away under the game (the X server ended, a remote session dropped)
# ends it, as Xlib ends every program then, but not before the profiles and settings are
# saved and the reason written to error.txt. Before, the profiles of the session were lost.
# The game runs on an X server of its own here, which the check then kills.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup_game "$1"
for n in $(seq 120 149); do [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ] && break; done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill -KILL $xvfb 2>/dev/null; e2e_cleanup' EXIT
for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
export DISPLAY=":$n" ALSOFT_DRIVERS=null
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$work/loading.png"
e2e_wait_leave "$work/loading.png" "$work/main_menu.png" 30
[ ! -e "$work/gamestate.dat" ] || e2e_fail "gamestate.dat before any save"
kill -KILL "$xvfb"
e2e_wait_exit 30 " after the display went away"
[ -f "$work/gamestate.dat" ] || e2e_fail "the lost display did not save gamestate.dat"
grep -q "The connection to the display was lost; the game saved and ended." "$work/error.txt" ||
  e2e_fail "error.txt does not say the display was lost"
e2e_check_errors
echo "ok: a lost display saves before the game ends (exit code $exit_code)"
