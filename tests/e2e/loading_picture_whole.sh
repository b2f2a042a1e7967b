#!/usr/bin/env bash
# The loading picture is whole from the first frame the game shows, on a screen without a
# window manager (the test's bare Xvfb): the window grows from 940x700 to the screen's size
# by the game's own hand, and a frame drawn before the game has heard of the new size was
# scaled for the small window and stayed in its corner while the menus loaded. The game is
# stepped (stopped for every screenshot, then let run for a moment), so that the first
# frame on the screen is caught whatever the speed of the machine.
#   loading_picture_whole.sh <game binary>
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
out=${PITCHBAR_E2E_OUT:-$work}
picture="$PITCHBAR_RESOURCES/textures/loadingpic.png"
[ -f "$picture" ] || e2e_fail "no loading picture at $picture"

e2e_start
shot="$out/loading_picture_first_frame.png"
start=$SECONDS
while :; do
  kill -STOP "$game_pid" 2>/dev/null || e2e_fail "the game ended before drawing: $(cat "$work/error.txt" 2>/dev/null) $(tail -5 "$work/game.log")"
  e2e_shot "$shot"
  kill -CONT "$game_pid"
  [ "$(e2e_brightest "$shot")" -gt 16 ] && break
  [ $((SECONDS - start)) -lt 60 ] || e2e_fail "the screen is still black after 60 s"
  sleep 0.03
done

# The first frame is the loading picture over the whole screen: it matches the picture the
# game draws (a little text aside) in its top rows and right columns too, where a frame
# for the small window leaves black or a shifted picture.
convert "$picture" -resize '1024x768!' "$work/expected.png"
whole=$(e2e_difference "$work/expected.png" "$shot")
top=$(e2e_region_difference "$work/expected.png" "$shot" 1024x68+0+0)
right=$(e2e_region_difference "$work/expected.png" "$shot" 84x768+940+0)
for d in "$whole" "$top" "$right"; do
  e2e_above 0.05 "$d" || e2e_fail "the first frame is not the whole loading picture (difference $whole, top rows $top, right columns $right; see $shot)"
done

e2e_stop_and_wait 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
echo "ok: the first frame is the whole loading picture (difference $whole, top $top, right $right)"
