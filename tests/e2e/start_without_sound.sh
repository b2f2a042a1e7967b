#!/usr/bin/env bash
# Where OpenAL finds no sound device the game does not start: the window never shows,
# error.txt holds the sound system's line and then the game's, and the exit code is 0.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"

export ALSOFT_DRIVERS=no-such-backend
e2e_start
# The failure is reported before the window would be shown; watch for it meanwhile.
ended=""
start=$SECONDS
while [ $((SECONDS - start)) -lt 60 ]; do
  if xdotool search --all --onlyvisible --pid "$game_pid" --name '^Pitchbar$' >/dev/null 2>&1; then
    e2e_fail "the window was shown although sound could not start"
  fi
  if ! kill -0 "$game_pid" 2>/dev/null; then ended=yes; break; fi
  sleep 0.1
done
[ -n "$ended" ] || e2e_fail "the game did not end within 60 s without sound"
wait "$game_pid"; exit_code=$?; game_pid=""
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code"

expected=$'error: Could not initialize OpenAL.\nerror: Could not initialize game.'
actual=$(cat "$work/error.txt" 2>/dev/null || true)
[ "$actual" = "$expected" ] || e2e_fail "error.txt is not the two start-up lines: '$actual'"
[ ! -e "$work/gamestate.dat" ] || e2e_fail "a failed start wrote gamestate.dat"
echo "ok: no window, both lines, exit 0"
