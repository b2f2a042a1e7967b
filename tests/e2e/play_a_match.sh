#!/usr/bin/env bash
# A new player's first visit, through the real screens with pointer and keys: in an empty
# folder the game starts at the loading picture and fades to the main menu; NEW PROFILE,
# the name typed, PLAY lead to the player menu; PLAY! starts a match against the first
# opponent, played for a few seconds with the mouse; ESC and Y leave it for the player
# menu; QUIT TO MAIN MENU and QUIT GAME end the game with exit code 0, gamestate.dat
# holding the new profile and error.txt nothing unexpected. Started again in the same
# folder, the main menu lists the profile. The screenshots stay beside the test's build
# folder.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder play_a_match

[ ! -e "$work/gamestate.dat" ] || e2e_fail "the scratch folder is not empty"
e2e_start
e2e_wait_window 60
e2e_wait_geometry 0 0 1024 768 || e2e_fail "the window does not cover the screen"
e2e_wait_drawn "$shots/loading.png"

# The loading picture gives way to the main menu.
e2e_wait_leave "$shots/loading.png" "$shots/main_menu.png"
e2e_pointer_home

# NEW PROFILE, type the name (the editor has the focus), PLAY.
e2e_button 540 222 200
e2e_wait_leave "$shots/main_menu.png" "$shots/new_profile.png"
# The game is held still while the name is typed, so all six keys arrive within one frame,
# as at the lowest frame rate; they must still come out in the order they were typed.
E2E_ONE_FRAME=1 e2e_type tester
e2e_wait_region "$shots/new_profile.png" "$shots/name_typed.png" 180x20+485+300
e2e_button 359 340 116
e2e_wait_leave "$shots/name_typed.png" "$shots/player_menu.png"

# PLAY! against the first opponent, the one a new profile may play.
e2e_button 370 440 357
e2e_wait_lit "$shots/player_menu.png" "$shots/match_start.png"
# Play: the rods follow the mouse forward, back and sideways; the left button shoots.
for i in 1 2 3 4; do
  e2e_point 380 300
  e2e_point 640 500
  xdotool click 1
  sleep 0.2
  e2e_point 512 384
  xdotool click 1
  sleep 0.2
done
e2e_shot "$shots/match.png"

# ESC asks, Y leaves for the player menu.
# The question pauses the match: wait for it to show before answering.
e2e_key Escape
e2e_wait_region "$shots/match.png" "$shots/quit_question.png" 600x40+212+360
e2e_key y
e2e_wait_leave "$shots/quit_question.png" "$shots/player_menu_again.png"

# QUIT TO MAIN MENU, then QUIT GAME.
e2e_button 744 670 170
e2e_wait_leave "$shots/player_menu_again.png" "$shots/main_menu_again.png"
e2e_button 540 460 200
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"

# The pictures: none blank, each screen unlike the others, the match moving.
for name in loading main_menu new_profile player_menu match quit_question; do
  brightest=$(e2e_brightest "$shots/$name.png")
  [ "$brightest" -gt 16 ] || e2e_fail "$name.png is black (brightest channel $brightest)"
done
for pair in loading:main_menu main_menu:new_profile main_menu:player_menu \
            player_menu:match main_menu:match match_start:match match:quit_question \
            new_profile:name_typed; do
  a=${pair%%:*}; b=${pair##*:}
  d=$(e2e_difference "$shots/$a.png" "$shots/$b.png")
  e2e_above "$d" 0.003 || e2e_fail "$a.png and $b.png look the same (difference $d)"
done
# Back at the player menu and the main menu the screens look as they did.
d=$(e2e_difference "$shots/player_menu.png" "$shots/player_menu_again.png")
e2e_above 0.05 "$d" || e2e_fail "the player menu looks different after the match ($d)"

[ -f "$work/gamestate.dat" ] || e2e_fail "no gamestate.dat after QUIT GAME"
grep -q -a TESTER "$work/gamestate.dat" || e2e_fail "gamestate.dat does not hold TESTER"
e2e_check_errors

# Again in the same folder: the main menu now lists the profile in the first row of the
# list, which was empty at the first start.
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading_again.png"
e2e_wait_leave "$shots/loading_again.png" "$shots/main_menu_restarted.png"
first_row=200x20+275+250
d=$(e2e_region_difference "$shots/main_menu.png" "$shots/main_menu_restarted.png" $first_row)
e2e_above "$d" 0.05 || e2e_fail "the main menu of the second start lists no profile ($d)"
e2e_stop_and_wait 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code after the second start"
e2e_check_errors
echo "ok: profile TESTER created, a match played and left, exit 0, listed at the next start"
