#!/usr/bin/env bash
# A save file the game cannot read is left alone and the player is told. A folder named
# gamestate.dat (which not even root can read as a file): the main menu says why the
# profiles could not be loaded until the player clicks; QUIT GAME writes nothing, says so
# again and stays; a second QUIT GAME leaves with exit code 0. The folder and what is in it
# are as they were, and no gamestate.dat.bad or temporary file was made. Then a named pipe
# in its place: the game starts (it used to wait in the open for ever) and the close box,
# twice, ends it with the pipe untouched.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
e2e_shots_folder unreadable_save_kept

panel=840x26+92+368  # the message panel in the middle of the screen, wide enough for any
nothing_beside() {
  local extra
  extra=$(cd "$work" && ls -d gamestate.dat?* 2>/dev/null)
  [ -z "$extra" ] || e2e_fail "files were made beside the save: $extra"
}

# A message over the screen that a click takes away once it has been up a moment: waits
# for the click that does, starting from the shot <told.png>, and keeps the screen without
# it in <quiet.png>.
click_message_away() {
  local start=$SECONDS d
  while :; do
    e2e_click 60 560
    e2e_settle "$2"
    d=$(e2e_region_difference "$1" "$2" $panel)
    e2e_above "$d" 0.05 && return 0
    [ $((SECONDS - start)) -lt 60 ] || e2e_fail "$1 shows no message that a click takes away ($d)"
  done
}

mkdir "$work/gamestate.dat"
echo "a player's own notes" >"$work/gamestate.dat/notes.txt"
chmod 0750 "$work/gamestate.dat"
listing() { (cd "$work" && stat -c '%n %F %a %s %y' gamestate.dat gamestate.dat/*); }
listing_before=$(listing)

e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading.png"
e2e_wait_leave "$shots/loading.png" "$shots/main_menu_told.png"
e2e_pointer_home
e2e_settle "$shots/main_menu_told.png"
click_message_away "$shots/main_menu_told.png" "$shots/main_menu_quiet.png"
grep -q "Could not read gamestate.dat: Is a directory" "$work/error.txt" ||
  e2e_fail "error.txt has no line for the save that could not be read: $(cat "$work/error.txt" 2>/dev/null)"

# QUIT GAME: nothing is written, the message is back and the game stays for it to be read.
e2e_button 540 460 200
e2e_wait_region "$shots/main_menu_quiet.png" "$shots/main_menu_told_at_quit.png" $panel
kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended without telling that nothing was saved"
e2e_button 540 460 200
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"
[ "$(listing)" = "$listing_before" ] || e2e_fail "the folder named gamestate.dat changed: $(listing)"
[ "$(cat "$work/gamestate.dat/notes.txt")" = "a player's own notes" ] || e2e_fail "what was in the folder changed"
nothing_beside

# A named pipe in its place: the window comes, the main menu tells, the close box first
# says that nothing is saved, then leaves.
rm -r "$work/gamestate.dat"
mkfifo "$work/gamestate.dat"
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$shots/loading_pipe.png"
e2e_wait_leave "$shots/loading_pipe.png" "$shots/main_menu_told_pipe.png"
e2e_pointer_home
e2e_settle "$shots/main_menu_told_pipe.png"
click_message_away "$shots/main_menu_told_pipe.png" "$shots/main_menu_quiet_pipe.png"
e2e_close_box
e2e_wait_region "$shots/main_menu_quiet_pipe.png" "$shots/main_menu_told_at_close.png" $panel
kill -0 "$game_pid" 2>/dev/null || e2e_fail "the close box ended the game without telling that nothing was saved"
e2e_close_box
e2e_wait_exit 30
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code after the second close"
[ -p "$work/gamestate.dat" ] || e2e_fail "the named pipe gamestate.dat was replaced"
nothing_beside
grep -q "Could not read gamestate.dat: Not a regular file" "$work/error.txt" || e2e_fail "error.txt has no line for the pipe"
echo "ok: the unreadable save was told on the main menu and at quitting, and left as it was"
