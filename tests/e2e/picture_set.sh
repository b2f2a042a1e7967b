#!/usr/bin/env bash
# The picture set, written on every run: the game's own start-up draws the main menu, the
# player menu, the settings, the first help page and the page of pads, a match with the
# ball in play, a goal, the quit question over the paused match and the winner screen
# (and the views and a replay) into PNG files beside the test's build folder
# (picture_set/*.png), for a look at what a player sees. Each must show a picture (not a
# black or flat screen) and differ from the one before it.
#   picture_set.sh <game binary> <picture-set binary>
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
maker=$2
[ -x "$maker" ] || e2e_fail "no picture-set binary at $maker"
e2e_shots_folder picture_set

names="main_menu player_menu settings help help_pads match goal paused view_low view_goal replay winner"
(cd "$work" && "$maker" "$shots") >"$work/pictures.log" 2>&1 ||
  e2e_fail "picture-set failed: $(tail -5 "$work/pictures.log") $(cat "$work/error.txt" 2>/dev/null)"
for name in $names; do
  [ -s "$shots/$name.png" ] || e2e_fail "no $name.png"
  brightest=$(e2e_brightest "$shots/$name.png")
  [ "$brightest" -gt 100 ] || e2e_fail "$name.png is dark (brightest channel $brightest)"
  spread=$(convert "$shots/$name.png" -colorspace Gray -format '%[fx:int(255*standard_deviation)]' info:)
  [ "$spread" -gt 10 ] || e2e_fail "$name.png is nearly flat (spread $spread)"
done
# Each picture differs from the one taken before it (a screen that did not change, or a
# match that stood still, would repeat).
previous=""
for name in $names; do
  if [ -n "$previous" ]; then
    d=$(e2e_difference "$shots/$previous.png" "$shots/$name.png")
    e2e_above "$d" 0.01 || e2e_fail "$previous.png and $name.png look the same (difference $d)"
  fi
  previous=$name
done
e2e_check_errors
echo "ok: $names in $shots"
