#!/usr/bin/env bash
# Where OpenAL finds no sound device the game still starts, without sound: the window
# shows, the main menu says once that there is no sound device, error.txt holds the sound
# system's line and nothing else, and closing saves and ends with exit code 0.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder start_without_sound

export ALSOFT_DRIVERS=no-such-backend
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu.png" 30
# The notice is a panel across the middle of the menu; a click takes it away once it has
# been up for 2 s, and the middle row changes.
sleep 2.5
e2e_shot "$shots/main_menu_notice.png"
e2e_pointer_home
e2e_click 900 650
sleep 1
e2e_shot "$shots/main_menu_after.png"
change=$(e2e_region_difference "$shots/main_menu_notice.png" "$shots/main_menu_after.png" 600x24+212+370)
e2e_above "$change" 0.05 || e2e_fail "no notice on the main menu to take away (change $change)"

e2e_close_box
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
actual=$(cat "$work/error.txt" 2>/dev/null || true)
[ "$actual" = "error: Could not initialize OpenAL." ] || e2e_fail "error.txt is not the sound system's line: '$actual'"
[ -f "$work/gamestate.dat" ] || e2e_fail "closing did not save gamestate.dat"
echo "ok: started without sound, told on the main menu, closed with exit 0"
