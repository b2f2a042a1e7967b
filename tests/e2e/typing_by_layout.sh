#!/usr/bin/env bash
# A name is typed as the keyboard layout types it. On a French layout the key that types
# "a" sits where a US keyboard has Q, and "m" where it has the semicolon; on a German one
# "y" and "z" trade places. Typed there, "amelie" must be AMELIE and "yvonne" YVONNE, not
# QELIE and ZVONNE as a name read from the keys' places would be.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder typing_by_layout
command -v setxkbmap >/dev/null || e2e_fail "setxkbmap is missing (package x11-xkb-utils)"
# The test screen is shared: it gets its US layout back whatever happens here.
trap 'setxkbmap -layout us 2>/dev/null; e2e_cleanup' EXIT

e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu.png" 30

# name <layout> <what the player types> <the name that must be saved>
make_profile() {
  setxkbmap -layout "$1" || e2e_fail "setxkbmap -layout $1 failed"
  e2e_pointer_home
  e2e_button 540 222 200  # NEW PROFILE
  e2e_wait_leave "$shots/main_menu.png" "$shots/new_profile_$1.png"
  e2e_type "$2"
  sleep 0.5
  e2e_shot "$shots/typed_$1.png"
  e2e_button 359 340 116  # PLAY
  e2e_wait_leave "$shots/typed_$1.png" "$shots/player_menu_$1.png"
  grep -q -a "$3" "$work/gamestate.dat" || e2e_fail "on the $1 layout \"$2\" was not saved as $3: $(strings "$work/gamestate.dat" | head -5)"
}

make_profile fr amelie AMELIE
# QUIT TO MAIN MENU for the second profile.
e2e_pointer_home
e2e_button 744 670 170
e2e_wait_leave "$shots/player_menu_fr.png" "$shots/main_menu.png"
make_profile de yvonne YVONNE
setxkbmap -layout us
e2e_check_errors
echo "ok: names typed on French and German layouts are saved as typed"
