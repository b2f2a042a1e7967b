#!/usr/bin/env bash
# Without the pictures every menu is drawn with (the GUI atlas, the font pictures, the
# pointer) the game used to show a black screen for ever. A damaged GUI atlas and a missing
# big font picture now each end the start: one line on stderr naming the file, the error
# box (closed here as a player would, where the screen has a font SDL's box accepts; a bare
# Xvfb has none and the box gives up at once), exit code 1, and nothing saved.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_need_display
e2e_scratch
game_binary=$1
export ALSOFT_DRIVERS=null

# resources/ as the build made it, but for one picture: a copy of the textures folder.
broken_resources() {
  rm -rf "$work/resources"
  mkdir -p "$work/resources"
  for entry in "$PITCHBAR_RESOURCES"/*; do ln -s "$entry" "$work/resources/"; done
  rm "$work/resources/textures"
  cp -r "$PITCHBAR_RESOURCES/textures" "$work/resources/textures"
}

# expect_failure <what> <file named on stderr>
expect_failure() {
  rm -f "$work/error.txt"
  (cd "$work" && exec timeout 90 "$game_binary") >"$work/game.log" 2>&1 &
  game_pid=$!
  local box="" i
  for i in $(seq 1 600); do
    box=$(xdotool search --all --onlyvisible --pid "$game_pid" --name '^Error$' 2>/dev/null | head -n 1 || true)
    [ -n "$box" ] && break
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -z "$box" ] || xdotool key --window "$box" Return
  e2e_wait_exit 30 "the error box"
  [ "$exit_code" -eq 1 ] || e2e_fail "$1: exit code $exit_code"
  grep -q "^Pitchbar could not start: Loading texture file: resources/textures/$2 failed" "$work/game.log" ||
    e2e_fail "$1: stderr does not name $2: $(cat "$work/game.log")"
  [ ! -e "$work/gamestate.dat" ] || e2e_fail "$1: a failed start wrote gamestate.dat"
}

broken_resources
head -c 100 "$PITCHBAR_RESOURCES/textures/gui.png" >"$work/resources/textures/gui.png"
expect_failure "a damaged GUI atlas" gui.png
broken_resources
rm "$work/resources/textures/pbfontbig.png"
expect_failure "no big font picture" pbfontbig.png
echo "ok: broken menu pictures end the start with the file named, a box and exit code 1"
