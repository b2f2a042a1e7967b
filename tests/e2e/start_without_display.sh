#!/usr/bin/env bash
# Where no display can be reached (no X server, no Wayland compositor) SDL still starts a
# video driver that draws nowhere. The game must not run unseen: it ends at once with the
# window system's line and the game's in error.txt, one line saying so on stderr, exit code
# 1 and nothing saved. A driver the player names is still taken.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup_game "$1"
# Sound starts after the window: the null backend keeps a machine without a sound card from
# ending the game first.
export ALSOFT_DRIVERS=null

(cd "$work" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 30 "$game_binary") \
  >"$work/game.log" 2>&1
exit_code=$?
[ "$exit_code" -ne 124 ] || e2e_fail "the game ran unseen for 30 s without a display"
[ "$exit_code" -eq 1 ] || e2e_fail "exit code $exit_code without a display"
grep -q "^Pitchbar could not start: Could not start the window system" "$work/game.log" ||
  e2e_fail "the failed start was not told on stderr: $(cat "$work/game.log")"
first=$(sed -n 1p "$work/error.txt" 2>/dev/null)
second=$(sed -n 2p "$work/error.txt" 2>/dev/null)
case "$first" in
  "error: Could not start the window system: no display to show the game on"*) ;;
  *) e2e_fail "error.txt does not start with the window system's line: $(cat "$work/error.txt" 2>/dev/null)" ;;
esac
[ "$second" = "error: Could not initialize game." ] || e2e_fail "error.txt lacks the game's line: $(cat "$work/error.txt")"
[ ! -e "$work/gamestate.dat" ] || e2e_fail "a failed start wrote gamestate.dat"

# Asked for by name, the offscreen driver is the player's choice: the game runs (it is
# stopped here after a few seconds) without the window system's line.
rm -f "$work/error.txt"
(cd "$work" && exec env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=offscreen timeout -s TERM 5 "$game_binary") \
  >"$work/named.log" 2>&1
exit_code=$?
[ "$exit_code" -eq 124 ] || e2e_fail "the game did not run on the offscreen driver it was asked for (exit $exit_code): $(cat "$work/error.txt" 2>/dev/null)"
! grep -q "window system" "$work/error.txt" 2>/dev/null || e2e_fail "the named offscreen driver was refused: $(cat "$work/error.txt")"
echo "ok: no display ends the game at once with both lines; a named offscreen driver is taken"
