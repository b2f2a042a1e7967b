#!/usr/bin/env bash
# Frames per second of a real match on this machine's renderer, and against the plain
# reference renderer drawing the same match frame by frame in turn (so both see the same
# load): medians of N runs of match_frame_bench, with and without shadows. The ratio
# game / reference is the figure to compare across machines and busy moments; the
# absolute figures need a quiet machine.
# Needs a DISPLAY (for example Xvfb at 1024x768x24 with LIBGL_ALWAYS_SOFTWARE=1).
# Usage, after building (cmake --build build --target match_frame_bench assets):
#   bash bench/screens/frame_figures.sh [build folder, default build] [runs, default 5] [views]
# With "views" the same figures follow for the low side view and the view from behind the
# player's goal, whose moving cameras draw the whole table every frame.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-5}
bench="$build/bench/screens/match_frame_bench"
[ -x "$bench" ] || { echo "frame_figures: $bench is not built" >&2; exit 1; }
export PITCHBAR_RESOURCES="${PITCHBAR_RESOURCES:-$build/game/resources}" ALSOFT_DRIVERS=null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# measure <view>: runs of the benchmark watching through that view, into $scratch/fps.<view>
measure() {
  for i in $(seq 1 "$runs"); do
    (cd "$scratch" && PITCHBAR_VIEW="$1" "$bench" --benchmark_filter='MatchFrame(Shadows|Plain)|GameVsReference' 2>/dev/null) |
      awk -v run="$i" '/^BM_/ { split($1, n, "/"); for (f = 1; f <= NF; ++f) if ($f ~ /=/) { split($f, kv, "="); v = kv[2]; sub(/\/s$/, "", v); print run, n[1] "." kv[1], v } }' \
      >>"$scratch/fps.$1"
  done
}
view=designed
figure() { awk -v k="$1" '$2 == k { print $3 }' "$scratch/fps.$view"; }
line() { printf '%-44s median %7.2f  (runs: %s)\n' "$2" "$(figure "$1" | median)" "$(figure "$1" | tr '\n' ' ')"; }
report() {
  line BM_MatchFrameShadows.fps "match frame, shadows, fps"
  line BM_MatchFramePlain.fps "match frame, no shadows, fps"
  line BM_GameVsReferenceShadows.game_fps "alternating, shadows: game fps"
  line BM_GameVsReferenceShadows.reference_fps "alternating, shadows: reference fps"
  line BM_GameVsReferenceShadows.ratio "alternating, shadows: game / reference"
  line BM_GameVsReferencePlain.game_fps "alternating, no shadows: game fps"
  line BM_GameVsReferencePlain.reference_fps "alternating, no shadows: reference fps"
  line BM_GameVsReferencePlain.ratio "alternating, no shadows: game / reference"
}
measure designed
report
if [ "${3:-}" = views ]; then
  for view in low goal; do
    echo "--- view: $view"
    measure "$view"
    report
  done
fi
