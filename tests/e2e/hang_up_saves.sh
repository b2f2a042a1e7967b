#!/usr/bin/env bash
# A hang-up (the terminal the game was started from closed) ends the game as Ctrl+C or a
# termination signal does: it saves first, then leaves with exit code 0. Before, the
# default action of the signal ended it at once and the profiles were lost.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
e2e_setup "$1"
export ALSOFT_DRIVERS=null
e2e_start
e2e_wait_window 60
e2e_wait_drawn "$work/loading.png"
e2e_wait_leave "$work/loading.png" "$work/main_menu.png" 30
[ ! -e "$work/gamestate.dat" ] || e2e_fail "gamestate.dat before any save"
kill -HUP "$game_pid"
e2e_wait_exit 30 "the hang-up"
[ "$exit_code" -eq 0 ] || e2e_fail "exit code $exit_code after a hang-up"
[ -f "$work/gamestate.dat" ] || e2e_fail "the hang-up did not save gamestate.dat"
e2e_check_errors
echo "ok: a hang-up saves and leaves"
