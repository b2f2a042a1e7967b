#!/usr/bin/env bash
# Every menu without the mouse: the arrow keys, ENTER and ESC stand in for a pad's d-pad, A
# and B. The first key shows the focus on the main menu; a profile is made with its name
# typed and ENTER; the player menu, the settings (a setting changed and kept by ESC), the
# help pages, a practice match (left with ESC and Y), the best results, the credits and
# the help from the main menu are visited; the profile is deleted through the question
# (which starts on NO) and ESC, ENTER quit the game with exit code 0. The mouse is never
# touched. The screenshots stay beside the test's build folder.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder menu_keys_without_mouse

e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu.png"

# step <reference> <name> <geometry> <key>...: the keys, then a wait until that part of the
# screen has changed from the reference (the focus moved); the shot kept as <name>.
step() {
  local reference=$1 name=$2 geometry=$3
  shift 3
  e2e_key "$@"
  e2e_wait_region "$shots/$reference.png" "$shots/$name.png" "$geometry"
}
# go <reference> <name> <key>...: the keys, then a wait for the next screen.
go() {
  local reference=$1 name=$2
  shift 2
  e2e_key "$@"
  e2e_wait_leave "$shots/$reference.png" "$shots/$name.png"
}

# The first key shows the focus (the list is empty: on NEW PROFILE); ENTER presses it.
step main_menu main_menu_focus 220x52+530+212 Down
go main_menu_focus new_profile Return
e2e_type padder
e2e_wait_region "$shots/new_profile.png" "$shots/name_typed.png" 180x20+485+300
go name_typed player_menu Return
grep -q -a PADDER "$work/gamestate.dat" || e2e_fail "the profile was not saved"

# The player menu starts on PLAY!; down to TWO PLAYERS, down to QUIT TO MAIN MENU, left to
# PLAYER SETTINGS.
go player_menu settings Down Down Left Return
cp "$work/gamestate.dat" "$work/before_settings.dat"
# Down through the left column (SMOOTH EDGES at its foot) into the right one (WIDE PICTURE
# at its top, then ROTATION BOUNDARIES), to ROD SELECTION; RIGHT steps it.
step settings settings_rod_selection 140x52+810+215 Down Down Down Down Down Down Down Down Down Down Down
step settings_rod_selection settings_changed 140x52+810+215 Right
go settings_changed player_menu_back Escape
cmp -s "$work/gamestate.dat" "$work/before_settings.dat" && e2e_fail "ESC on the settings did not keep the change"

# HELP, left of PLAYER SETTINGS: NEXT PAGE three times, ESC back to the player menu.
go player_menu_back help Left Return
step help help_page_2 900x420+60+128 Return
step help_page_2 help_page_3 900x420+60+128 Return
step help_page_3 help_page_4 900x420+60+128 Return
go help_page_4 player_menu_from_help Escape

# Up to PLAY!, right to FREE PRACTICE, and into a match; ESC asks, Y leaves.
e2e_key Up Right Return
e2e_wait_lit "$shots/player_menu_from_help.png" "$shots/practice.png"
e2e_key Escape
e2e_wait_region "$shots/practice.png" "$shots/quit_question.png" 600x40+212+360
e2e_key y
e2e_wait_leave "$shots/quit_question.png" "$shots/player_menu_after_match.png"

# ESC to the main menu; the focus is where it was left, on NEW PROFILE.
go player_menu_after_match main_menu_again Escape
go main_menu_again best_results Down Down Return
go best_results main_menu_from_best Escape
go main_menu_from_best creators Down Return
go creators main_menu_from_creators Escape
go main_menu_from_creators help_from_main_menu Down Return
go help_from_main_menu main_menu_from_help Escape

# Up to DELETE PROFILE; the question starts on NO, LEFT goes to YES.
go main_menu_from_help delete_question Up Up Up Return
step delete_question delete_yes 320x52+349+390 Left
go delete_yes main_menu_empty Return
grep -q -a PADDER "$work/gamestate.dat" && e2e_fail "the profile is still in the save after YES"

# ESC on the main menu goes to QUIT GAME, ENTER quits.
step main_menu_empty main_menu_quit 220x52+530+450 Escape
e2e_key Return
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
e2e_check_errors
echo "ok: every menu used without the mouse, from a new profile to quitting"
