#!/usr/bin/env bash
# The picture set on a 1920x1080 screen with the wide picture on (picture_set_wide/*.png):
# the game full screen at the display's own size, the table drawn at that size and shape,
# the 1024x768 screen of menus and HUD in its middle. Each picture must be 1920x1080 and
# show something; in the match the table reaches beyond the middle 4:3 part on both sides
# (a wider view, not bars), and the menus' text is drawn sharply: its edges keep the
# contrast of the 1024x768 picture instead of the blur of a bilinear stretch.
#   picture_set_wide.sh <game binary> <picture-set binary>
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup_game "$1"
maker=$2
[ -x "$maker" ] || e2e_fail "no picture-set binary at $maker"
e2e_shots_folder picture_set_wide

# A screen of its own at 1920x1080.
for n in $(seq 120 149); do [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ] && break; done
Xvfb :$n -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; e2e_cleanup' EXIT
for i in $(seq 1 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
export DISPLAY=:$n

names="main_menu settings match paused view_goal"
(cd "$work" && "$maker" "$shots" wide) >"$work/pictures.log" 2>&1 ||
  e2e_fail "picture-set failed: $(tail -5 "$work/pictures.log") $(cat "$work/error.txt" 2>/dev/null)"
for name in $names; do
  [ -s "$shots/$name.png" ] || e2e_fail "no $name.png"
  size=$(identify -format '%wx%h' "$shots/$name.png")
  [ "$size" = 1920x1080 ] || e2e_fail "$name.png is $size, not 1920x1080"
  spread=$(convert "$shots/$name.png" -colorspace Gray -format '%[fx:int(255*standard_deviation)]' info:)
  [ "$spread" -gt 10 ] || e2e_fail "$name.png is nearly flat (spread $spread)"
done
# The match: the table's wood on both sides beyond the middle 1440 columns, where the
# designed picture has black bars.
for side in 0 1680; do
  lit=$(convert "$shots/match.png" -crop 240x600+$side+300 -alpha off -colorspace Gray -format '%[fx:int(255*mean)]' info:)
  [ "$lit" -gt 30 ] || e2e_fail "match.png is dark beside the middle at x=$side (mean $lit): bars, not a wider view"
done
# The settings' text: the sharpest step between neighbouring pixels in a row of labels,
# against the same crop of the 1024x768 picture stretched bilinearly to 1440x1080.
mkdir -p "$work/designed/pictures"
ln -s "$PITCHBAR_RESOURCES" "$work/designed/resources"
(cd "$work/designed" && "$maker" "$work/designed/pictures") >"$work/design.log" 2>&1 ||
  e2e_fail "designed picture-set failed: $(tail -5 "$work/design.log")"
convert "$work/designed/pictures/settings.png" -filter Triangle -resize 1440x1080 "$work/stretched.png"
# The mean square of the steps between a pixel and its right neighbour (both directions):
# a blur spreads a step over more pixels and its squares shrink.
steps() {
  local up down
  up=$(convert "$1" -crop "$2" -alpha off -colorspace Gray -morphology Convolve '2x1: -1,1' -evaluate Pow 2 -format '%[fx:int(100000*mean)]' info:)
  down=$(convert "$1" -crop "$2" -alpha off -colorspace Gray -morphology Convolve '2x1: 1,-1' -evaluate Pow 2 -format '%[fx:int(100000*mean)]' info:)
  echo $((up + down))
}
sharp=$(steps "$shots/settings.png" 640x300+400+250)
soft=$(steps "$work/stretched.png" 640x300+160+250)
[ "$sharp" -gt $((soft * 12 / 10)) ] || e2e_fail "the settings' text is not sharper than a stretch (edges $sharp against $soft)"
e2e_check_errors
echo "ok: $names in $shots (text edges $sharp against $soft stretched)"
