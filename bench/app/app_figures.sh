#!/usr/bin/env bash
# Figures of the whole game, run as a player runs it, on a private Xvfb screen
# (1024x768x24) with Mesa's software renderer and OpenAL Soft's silent backend:
#   - time from launch to the first shown window and to the main menu fully shown (after
#     the loading picture and both fades), each launch in a fresh folder; median of N;
#   - resident memory (VmRSS now, VmHWM peak, from /proc) at the main menu and after a few
#     seconds of a match against the first opponent, reached through the real menus;
#   - frames per second the window presents at the main menu and during that match, and
#     the game's processor time per presented frame in that match (all its threads, the
#     software renderer's included; the match screen's own frame cost without the window
#     is bench/screens);
#   - the same screen's floor: an empty SDL window with a GL 3.3 context and an OpenAL
#     context (empty_window_probe), and the game's own part of its peak at the match.
# Usage, after building (cmake --build build --target pitchbar assets app_probe empty_window_probe):
#   bash bench/app/app_figures.sh [build folder, default build] [launches, default 5]
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
launches=${2:-5}
game="$build/game/pitchbar"
probe="$build/bench/app/app_probe"
empty="$build/bench/app/empty_window_probe"
for f in "$game" "$probe" "$empty"; do
  [ -x "$f" ] || { echo "app_figures: $f is not built" >&2; exit 1; }
done

xvfb_pid=""
game_pid=""
scratch=$(mktemp -d)
cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then kill -KILL "$game_pid"; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$scratch"
}
trap cleanup EXIT
display=""
for n in $(seq 150 199); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "app_figures: no free X display number" >&2; exit 1; }
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
# Frames uncapped, so the frame rates measure the game rather than the pacing.
export DISPLAY=":$display" ALSOFT_DRIVERS=null LIBGL_ALWAYS_SOFTWARE=1 PITCHBAR_UNCAPPED_FRAMES=1

# The menus are driven with the whole-program checks' helpers.
. "$root/testkit/e2e/lib.sh"
trap cleanup EXIT
work="$scratch"

# launch <folder>: app_probe's lines into $probe_out; the game's pid in $game_pid.
launch() {
  mkdir -p "$1"
  ln -sfn "$build/game/resources" "$1/resources"
  probe_out=$("$probe" launch "$1" "$game") || { echo "app_figures: launch failed" >&2; exit 1; }
  game_pid=$(awk '$1 == "pid" { print $2 }' <<<"$probe_out")
}
value() { awk -v k="$1" '$1 == k { print $2 }' <<<"$probe_out"; }
memory() { awk '/^VmRSS|^VmHWM/ { printf "%s %d MB  ", $1, $2 / 1024 }' "/proc/$game_pid/status"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
stop_game() { kill -TERM "$game_pid"; for _ in $(seq 1 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done; game_pid=""; }

windows=() menus=()
for i in $(seq 1 "$launches"); do
  launch "$scratch/launch$i"
  windows+=("$(value window_ms)")
  menus+=("$(value menu_ms)")
  stop_game
done
echo "launch to first shown window: median $(printf '%s\n' "${windows[@]}" | median) ms (runs: ${windows[*]})"
echo "launch to main menu fully shown: median $(printf '%s\n' "${menus[@]}" | median) ms (runs: ${menus[*]})"

# One more start, then into a match through the menus as a new player.
launch "$scratch/play"
work="$scratch/play"
sleep 1
echo "main menu: $(memory)$("$probe" frames 3)"
e2e_pointer_home
e2e_button 540 222 200              # NEW PROFILE
sleep 2
e2e_key b e n c h
e2e_button 359 340 116              # PLAY
sleep 2.5
e2e_button 370 440 357              # PLAY! against the first opponent
sleep 2.5
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
cpu_before=$(cpu_ticks)
"$probe" frames 8 >"$scratch/match_fps" &
probe_pid=$!
for _ in 1 2 3 4 5 6; do
  e2e_point 380 300; e2e_point 640 500; xdotool click 1; sleep 0.3
  e2e_point 512 384; xdotool click 1; sleep 0.3
done
wait "$probe_pid"
cpu_after=$(cpu_ticks)
match_fps=$(awk '$1 == "fps" { print $2 }' "$scratch/match_fps")
cpu_ms=$(awk -v t=$((cpu_after - cpu_before)) -v hz="$(getconf CLK_TCK)" -v fps="$match_fps" \
  'BEGIN { if (fps > 0) printf "%.1f", t * 1000 / hz / (fps * 8); else print "?" }')
match_peak_kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$game_pid/status")
echo "match: $(memory)fps $match_fps  cpu per frame $cpu_ms ms"
e2e_shot "$scratch/match.png"
[ -z "${PITCHBAR_FIGURES_SHOT:-}" ] || cp "$scratch/match.png" "$PITCHBAR_FIGURES_SHOT"
stop_game

# The floor on the same screen and renderer, and the game's own part above it.
empty_out=$("$empty" 2) || { echo "app_figures: the empty window did not start" >&2; exit 1; }
empty_peak_kb=$(awk '$1 == "VmHWM" { print $2 }' <<<"$empty_out")
echo "empty GL 3.3 window with OpenAL: VmHWM $((empty_peak_kb / 1024)) MB"
echo "game's own part of the match peak: $(( (match_peak_kb - empty_peak_kb) / 1024 )) MB"
