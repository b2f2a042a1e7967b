#!/usr/bin/env bash
# CPU the game takes where nothing moves: at the main menu, in a paused free practice, and
# in a running one for comparison; pidstat's average over 10 s each, under a private Xvfb
# with the software renderer. usage: bench/app/idle_cpu.sh <build folder>
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "$1" && pwd)
command -v pidstat >/dev/null || { echo "idle_cpu: pidstat is missing (package sysstat)" >&2; exit 1; }
for n in $(seq 150 190); do [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ] && break; done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n" ALSOFT_DRIVERS=null LIBGL_ALWAYS_SOFTWARE=1 PITCHBAR_RESOURCES=$build/game/resources
here=$root/tests/e2e
. "$root/testkit/e2e/lib.sh"
trap 'e2e_cleanup; kill $xvfb 2>/dev/null' EXIT
sleep 1
e2e_setup "$build/game/pitchbar"
e2e_shots_folder idle_cpu

cpu() { pidstat -u -p "$game_pid" 1 10 | awk '/Average/ { print $8 }'; }

e2e_start
e2e_wait_window 60
e2e_wait_drawn "$work/loading.png"
e2e_wait_leave "$work/loading.png" "$work/menu.png" 30
sleep 2
echo "main menu: $(cpu) % CPU"
e2e_pointer_home
e2e_button 540 222 200
e2e_wait_leave "$work/menu.png" "$work/new.png"
e2e_type idle
e2e_button 359 340 116
e2e_wait_leave "$work/new.png" "$work/player.png"
e2e_button 744 440 170
e2e_wait_lit "$work/player.png" "$work/practice.png" 30
echo "free practice, playing: $(cpu) % CPU"
e2e_shot "$shots/playing.png"
e2e_key p
sleep 1
echo "free practice, paused: $(cpu) % CPU"
e2e_shot "$shots/paused.png"
