#!/usr/bin/env bash
# The window is the player's: the game starts full screen the first time, Alt+Enter makes
# it a window that fits the 768-pixel-high screen, and closed as a window it comes back as
# that window, from the game's settings file. In a window the menus let the pointer go:
# the system pointer leaves the window and comes back, and clicks where it points.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder window_kept_pointer_free
export ALSOFT_DRIVERS=null

e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu_full.png" 30
e2e_geometry
[ "$WIDTH" -eq 1024 ] && [ "$HEIGHT" -eq 768 ] || e2e_fail "the first start is not full screen (${WIDTH}x$HEIGHT)"
xdotool key alt+Return
# 940x700 at (100, 100) would run off this screen: the window is pulled up onto it.
e2e_wait_geometry 76 60 940 700 10 || e2e_fail "Alt+Enter gave a window at $X,$Y ${WIDTH}x$HEIGHT"
e2e_settle "$shots/main_menu_window.png"

# The pointer leaves the window and stays where the player put it.
xdotool mousemove 1010 10
sleep 0.5
eval "$(xdotool getmouselocation --shell)"
[ "$X" -eq 1010 ] && [ "$Y" -eq 10 ] || e2e_fail "the pointer was held by the window at the menu ($X,$Y)"

# Back over the window, a click lands where the system pointer is: NEW PROFILE (at 540,222,
# 200 wide on the game's screen) opens the new-profile screen. The window's picture is the
# 4:3 screen scaled to 700 rows, centred across its 940 columns.
e2e_geometry
gx=$((X + (940 - 700 * 1024 / 768) / 2 + 640 * 700 / 768))
gy=$((Y + 238 * 700 / 768))
xdotool mousemove "$gx" "$gy"
sleep 0.4
xdotool click 1
e2e_wait_leave "$shots/main_menu_window.png" "$shots/new_profile_window.png" 20

# Closed as a window, kept as one.
e2e_close_box
e2e_wait_exit 30 " of the close box"
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
grep -qx "window.fullscreen = no" "$work/settings.txt" || e2e_fail "settings.txt does not keep the window: $(cat "$work/settings.txt" 2>/dev/null)"
e2e_start
e2e_wait_window 60
e2e_wait_geometry 76 60 940 700 20 || e2e_fail "the second start is not the kept window ($X,$Y ${WIDTH}x$HEIGHT)"
e2e_stop_and_wait 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code at the second close"
e2e_check_errors
echo "ok: the window is kept and the menus let the pointer go"
