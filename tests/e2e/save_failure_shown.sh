#!/usr/bin/env bash
# A game that cannot save tells the player so: in a folder where the save file cannot be
# written (it is a link into a folder that does not exist), a new profile still leads to
# the player menu, which shows why the game could not be saved until the player clicks;
# error.txt has the line. QUIT GAME then leaves at once (the player has been told), no
# gamestate.dat appears, and the exit code is 0. A save failing first at the close box keeps
# the game open to say so in the same way.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder save_failure_shown

ln -s nowhere/gamestate.dat "$work/gamestate.dat"
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu.png"
e2e_pointer_home

e2e_button 540 222 200
e2e_wait_leave "$shots/main_menu.png" "$shots/new_profile.png"
e2e_type saver
e2e_wait_region "$shots/new_profile.png" "$shots/name_typed.png" 180x20+485+300
e2e_button 359 340 116
e2e_wait_leave "$shots/name_typed.png" "$shots/player_menu_told.png"

# The message panel in the middle of the screen stays until the player clicks (on empty
# space here), once it has been up a moment.
panel=520x26+252+368
start=$SECONDS
while :; do
  e2e_click 60 560
  e2e_settle "$shots/player_menu_quiet.png"
  d=$(e2e_region_difference "$shots/player_menu_told.png" "$shots/player_menu_quiet.png" $panel)
  e2e_above "$d" 0.05 && break
  [ $((SECONDS - start)) -lt 60 ] || e2e_fail "the player menu shows no message that a click takes away ($d)"
done
grep -q "Could not write .*gamestate.dat.tmp" "$work/error.txt" || e2e_fail "error.txt has no line for the failed save"

# QUIT TO MAIN MENU, QUIT GAME: told once already, so the game leaves.
e2e_button 744 670 170
e2e_wait_leave "$shots/player_menu_quiet.png" "$shots/main_menu_again.png"
e2e_button 540 460 200
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
[ ! -e "$work/gamestate.dat" ] || e2e_fail "a gamestate.dat appeared although it could not be written"
# Started again in the same folder, where nothing is saved before the close box: the save
# of the close fails for the first time, so the game stays open and the main menu tells
# why; the close box again leaves, exit 0.
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading_again.png"
e2e_wait_leave "$shots/loading_again.png" "$shots/main_menu_before_close.png"
lines_before=$(grep -c . "$work/error.txt")
e2e_close_box
e2e_wait_region "$shots/main_menu_before_close.png" "$shots/main_menu_told_at_close.png" $panel
kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended although the player was not told that it could not save"
[ "$(grep -c . "$work/error.txt")" -gt "$lines_before" ] || e2e_fail "error.txt has no line for the failed save of the close"
e2e_close_box
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code after the second close"
[ ! -e "$work/gamestate.dat" ] || e2e_fail "a gamestate.dat appeared although it could not be written"
echo "ok: the failed save was shown on the player menu and went away; told at the close box too; exit 0"
