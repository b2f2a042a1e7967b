#!/usr/bin/env bash
# The installed game from a player's point of view: `cmake --install <build>` into a
# scratch prefix, then bin/pitchbar started from an unrelated empty folder with HOME and
# XDG_DATA_HOME in a scratch folder. The loading picture gives way to the main menu; the
# window carries the application id of the menu entry; a profile made through NEW PROFILE
# is saved in $XDG_DATA_HOME/pitchbar/gamestate.dat; closing saves again with exit code 0;
# and nothing at all is written to the folder the game was started in, though that folder
# has a resources/ of its own without the game's data (as the source checkout has).
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
build=$1
e2e_need_display
e2e_scratch
e2e_shots_folder installed_game

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  e2e_fail "cmake --install failed: $(tail -5 "$work/install.log")"
game_binary=$prefix/bin/pitchbar
id=$(basename "$(ls "$prefix"/share/applications/*.desktop)" .desktop)
elsewhere=$work/elsewhere
mkdir -p "$elsewhere/resources/effects" "$work/home"
cp "$here/../../resources/effects/"*.fx "$elsewhere/resources/effects/"
export HOME=$work/home XDG_DATA_HOME=$work/home/data
data=$XDG_DATA_HOME/pitchbar

(cd "$elsewhere" && exec "$game_binary") >"$work/game.log" 2>&1 &
game_pid=$!
e2e_wait_window 20
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu.png" 20
[ -d "$data" ] || e2e_fail "no data folder $data after start-up"
xdotool search --classname "^${id//./\\.}\$" 2>/dev/null | grep -qx "$window_id" ||
  e2e_fail "the window's class is not $id"

# NEW PROFILE, the name, PLAY: the profile is saved as it is made.
e2e_pointer_home
e2e_button 540 222 200
e2e_wait_leave "$shots/main_menu.png" "$shots/new_profile.png"
e2e_key t e s t e r
e2e_shot "$shots/name_typed.png"
e2e_button 359 340 116
e2e_wait_leave "$shots/name_typed.png" "$shots/player_menu.png"
[ -f "$data/gamestate.dat" ] || e2e_fail "no gamestate.dat in $data after making a profile"
grep -q -a TESTER "$data/gamestate.dat" || e2e_fail "gamestate.dat does not hold TESTER"

e2e_stop_and_wait 10
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
grep -q -a TESTER "$data/gamestate.dat" || e2e_fail "closing lost the profile"
if [ -s "$data/error.txt" ]; then
  unexpected=$(grep -v -E -f "$here/expected_errors.txt" "$data/error.txt" || true)
  [ -z "$unexpected" ] || e2e_fail "unexpected error lines: $unexpected"
fi
[ "$(ls -A "$elsewhere")" = resources ] || e2e_fail "the game wrote into the folder it was started in: $(ls -A "$elsewhere")"
found=$(find "$work" -name gamestate.dat -not -path "$data/*")
[ -z "$found" ] || e2e_fail "a save file outside the data folder: $found"
echo "ok: installed game started elsewhere, main menu shown, profile saved in $data, nothing in the current folder"
