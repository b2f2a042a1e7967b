#!/usr/bin/env bash
# Two players at one table, through the real screens, until player 2 scores. The save holds
# ANN and BEA (BEA's rods stop at horizontal, her shadows are off for more frames a second
# on a software renderer). BEA (player 1, the mouse) opens TWO PLAYERS from the player menu
# and picks ANN as player 2, who plays with the keyboard's second set of keys, for five
# minutes; the pads' sensitivity is turned up on the way. Both names stand on the HUD in
# their panels, the clock under the score.
# Player 1 kicks off and then holds her goalkeeper, lifted back out of the ball's way: the
# assistance lifts her other rods the same way. A ball that lies still where only she
# reaches she reports (D) and plays on from her goalkeeper. Player 2 has the rod nearest the
# ball and shoots again and again, stepping it to and fro, until the score box shows his
# goal. The match is left; the settings file holds the pad setting and the match length,
# nobody's two-player record (the match was not finished), and gamestate.dat is the file it
# was, byte for byte.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder two_player_goal

# --- The save: sound 1/15, music 1/15, two profiles, no best results --------------------
int32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
flag() { printf "\\x$(printf %02x "$1")"; }
profile() {  # name shadows rotBoundaries
  int32 ${#1}; printf %s "$1"
  flag 1; int32 15; flag 1; int32 15      # sound, music
  flag "$2"; flag "$3"; int32 8; int32 1  # shadows, rotation boundaries, click speed, AUTO
  flag 1; int32 8; int32 8; flag 1        # assisted, mouse sensitivities, rim
  int32 -1; int32 0; int32 0              # best level, conceded, rotation direction
}
{ flag 1; int32 15; flag 1; int32 15; int32 2; profile ANN 1 0; profile BEA 0 1; int32 0; } >"$work/gamestate.dat"
cp "$work/gamestate.dat" "$work/gamestate.before"
[ "$(stat -c %s "$work/gamestate.dat")" -eq 116 ] || e2e_fail "the test's save is not 14 + 2 * 49 + 4 bytes"

# name_mask <png> <geometry> <out.png>: the lettering in that part of a picture, white on
# black and cut to its own size, whatever its colour and panel.
name_mask() {
  convert "$1" -crop "$2" +repage -channel RGB -separate -evaluate-sequence max -threshold 70% -trim +repage "$3"
}
# same_letters <a.png> <b.png>: true when both masks show the same lettering: sizes within a
# pixel (the letters' faint edges fall either side of the threshold on a panel of another
# colour) and one tenth of the lit pixels differing at most.
same_letters() {
  local wa ha wb hb w h lit differ
  read -r wa ha < <(identify -format '%w %h' "$1")
  read -r wb hb < <(identify -format '%w %h' "$2")
  [ $((wa - wb)) -ge -1 ] && [ $((wa - wb)) -le 1 ] && [ $((ha - hb)) -ge -1 ] && [ $((ha - hb)) -le 1 ] || return 1
  w=$((wa > wb ? wa : wb)); h=$((ha > hb ? ha : hb))
  convert "$1" -background black -extent "${w}x${h}" "$1.even.png"
  convert "$2" -background black -extent "${w}x${h}" "$2.even.png"
  lit=$(convert "$1.even.png" -format '%[fx:int(mean*w*h)]' info:)
  differ=$(compare -metric AE "$1.even.png" "$2.even.png" null: 2>&1)
  [ "$lit" -gt 20 ] && [ "${differ%%.*}" -le $((lit / 10)) ]
}

t0=$SECONDS
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu.png"
e2e_pointer_home
echo "main menu after $((SECONDS - t0)) s"

# BEA (the second row), PLAY SELECTED PROFILE.
e2e_click 380 283
e2e_button 270 520 470
e2e_wait_leave "$shots/main_menu.png" "$shots/player_menu.png"
name_mask "$shots/player_menu.png" 120x20+366+77 "$work/bea_menu.png"

# TWO PLAYERS: ANN (the row under GUEST) as player 2 on the keys, PAD SENSITIVITY one up,
# MATCH LENGTH four steps on from FIRST TO 5: 5 MINUTES.
e2e_button 744 487 170
e2e_wait_leave "$shots/player_menu.png" "$shots/two_player_setup.png"
name_mask "$shots/two_player_setup.png" 120x20+385+150 "$work/ann_menu.png"
e2e_click 430 160
e2e_click 906 188
for step in 1 2 3 4; do e2e_click 302 426; done
e2e_wait_region "$shots/two_player_setup.png" "$shots/two_player_chosen.png" 200x32+110+410
e2e_button 370 670 357
e2e_wait_lit "$shots/two_player_chosen.png" "$shots/match_start.png"
echo "match after $((SECONDS - t0)) s"

# The HUD: BEA's name in player 1's panel, ANN's where the opponent's name stands, and the
# match's clock under the score.
name_mask "$shots/match_start.png" 120x20+196+10 "$work/bea_hud.png"
name_mask "$shots/match_start.png" 120x20+650+10 "$work/ann_hud.png"
same_letters "$work/bea_menu.png" "$work/bea_hud.png" || e2e_fail "player 1's panel does not show BEA"
same_letters "$work/ann_menu.png" "$work/ann_hud.png" || e2e_fail "player 2's panel does not show ANN"
! same_letters "$work/ann_menu.png" "$work/bea_hud.png" || e2e_fail "the names cannot be told apart"
clock=90x22+469+64
name_mask "$shots/match_start.png" $clock "$work/clock_start.png"

# Player 1: the kick-off shot (AUTO hands her the midfield rod), then her goalkeeper ('1'),
# lifted back as far as the rods turn.
shoot1() { xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; sleep 0.4; }
lift() { xdotool mousemove_relative -- 400 0; sleep 0.3; xdotool mousemove_relative -- 400 0; }
shoot1
xdotool keydown 1; sleep 0.3; xdotool keyup 1
lift

# Player 2's goals: the right-hand number of the score box.
score_box=26x34+526+16
import -window root -crop $score_box +repage "$work/score_start.png"
player2_scored() {
  import -window root -crop $score_box +repage "$work/score.png"
  e2e_above "$(e2e_difference "$work/score_start.png" "$work/score.png")" 0.05
}
start=$SECONDS
while :; do
  # Within the five minutes, so that the clock never ends the match.
  [ $((SECONDS - start)) -lt 240 ] || e2e_fail "player 2 did not score within 240 s (last seen: $shots/play.png)"
  # Player 2 (AUTO: the rod nearest the ball; the assistance lifts the rods in front of it)
  # steps the rod across the table and back, a shot at every step: a step of a tenth of a
  # second is a few table units, less than the width a figure strikes.
  for k in Down Up; do
    for step in 1 2 3 4 5 6 7 8; do
      xdotool keydown "$k"; sleep 0.1; xdotool keyup "$k"
      xdotool keydown Control_R; sleep 0.25; xdotool keyup Control_R; sleep 0.1
    done
    player2_scored && break 2
  done
  e2e_shot "$shots/play.png"
  e2e_key d
  shoot1
  lift
done
e2e_shot "$shots/player2_scored.png"
echo "player 2 scored after $((SECONDS - start)) s of play"
name_mask "$shots/player2_scored.png" $clock "$work/clock_now.png"
[ "$(identify -format %w "$work/clock_now.png")" -gt 16 ] || e2e_fail "no clock under the score"
! same_letters "$work/clock_start.png" "$work/clock_now.png" || e2e_fail "the match's clock stood still"

# ESC and Y leave the match for the player menu, which shows no two-player result; the
# termination signal ends the game, saving first.
e2e_key Escape
e2e_wait_region "$shots/player2_scored.png" "$shots/quit_question.png" 600x40+212+360
e2e_key y
e2e_wait_leave "$shots/quit_question.png" "$shots/player_menu_after.png"
d=$(e2e_region_difference "$shots/player_menu.png" "$shots/player_menu_after.png" 377x32+350+487)
e2e_above 0.01 "$d" || e2e_fail "the player menu's two-player record changed ($d)"
e2e_stop_and_wait 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
e2e_check_errors

settings=$work/settings.txt
[ -f "$settings" ] || e2e_fail "no settings.txt beside the save"
head -n 1 "$settings" | grep -q '^pitchbar-settings [0-9]' || e2e_fail "settings.txt has no version line"
grep -q '^pad\.sensitivity = 9$' "$settings" || e2e_fail "the pad sensitivity is not kept: $(cat "$settings")"
grep -q '^twoPlayers\.matchLength = minutes-5$' "$settings" || e2e_fail "the match length is not kept: $(cat "$settings")"
# A match left before its end counts for nobody.
! grep -q 'twoPlayer\(Wins\|Losses\)' "$settings" || e2e_fail "an unfinished match was recorded: $(cat "$settings")"
cmp -s "$work/gamestate.before" "$work/gamestate.dat" ||
  e2e_fail "gamestate.dat changed: $(od -A d -t x1 "$work/gamestate.dat" | head -8)"
echo "ok: player 2 on the keys scored against player 1 on the mouse in $((SECONDS - t0)) s; names on the HUD, settings beside the save"
