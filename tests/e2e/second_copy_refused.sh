#!/usr/bin/env bash
# Two copies of the game would each save what they loaded and erase the other's profiles.
# With one running, a second start in the same folder says the game is already running,
# ends with exit code 1 and touches neither the save nor the error file; the first plays on.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
export ALSOFT_DRIVERS=null

e2e_start
e2e_wait_window 30 || e2e_fail "the first copy showed no window"
before=$(md5sum "$work/gamestate.dat" 2>/dev/null)

# Without a display the second copy's message box cannot block the check; its line on
# standard error is the same.
(cd "$work" && exec env -u DISPLAY timeout 30 "$game_binary") >"$work/second.log" 2>&1
exit_code=$?
[ "$exit_code" -eq 1 ] || e2e_fail "the second copy ended with exit code $exit_code: $(cat "$work/second.log")"
grep -qx "Pitchbar is already running." "$work/second.log" || e2e_fail "the second copy did not say why: $(cat "$work/second.log")"
[ "$(md5sum "$work/gamestate.dat" 2>/dev/null)" = "$before" ] || e2e_fail "the second copy changed gamestate.dat"
kill -0 "$game_pid" 2>/dev/null || e2e_fail "the first copy ended"
[ ! -s "$work/error.txt" ] || e2e_fail "error lines: $(cat "$work/error.txt")"
echo "ok: a second copy is refused while the first runs on"
