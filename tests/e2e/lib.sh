# Shared steps of the whole-program checks. Each check runs the game in a scratch folder
# of its own (error.txt and gamestate.dat land there) with the built resources beside it.

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

# e2e_setup <game binary>: scratch folder in $work, resources linked in.
e2e_setup() {
  game_binary=$1
  [ -n "${DISPLAY:-}" ] || e2e_fail "no DISPLAY (run through scripts/test.sh)"
  [ -x "$game_binary" ] || e2e_fail "no game binary at $game_binary"
  work=$(mktemp -d)
  ln -s "$PITCHBAR_RESOURCES" "$work/resources"
  game_pid=""
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill -KILL "$game_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}

# e2e_start: the game in the background, its output in $work/game.log.
e2e_start() {
  (cd "$work" && exec "$game_binary") >"$work/game.log" 2>&1 &
  game_pid=$!
}

# e2e_wait_window [seconds]: the visible window "Pitchbar" in $window_id.
e2e_wait_window() {
  local limit=${1:-20} i
  window_id=""
  for i in $(seq 1 $((limit * 10))); do
    window_id=$(xdotool search --all --onlyvisible --pid "$game_pid" --name '^Pitchbar$' 2>/dev/null | head -n 1 || true)
    [ -n "$window_id" ] && return 0
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended before showing its window: $(cat "$work/error.txt" 2>/dev/null) $(tail -5 "$work/game.log")"
    sleep 0.1
  done
  e2e_fail "no Pitchbar window after $limit s"
}

# e2e_geometry: the window's place and size on the screen in X, Y, WIDTH, HEIGHT.
e2e_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window_id")"
}

# e2e_wait_geometry <x> <y> <width> <height> [seconds]: until the window has that place and
# size (the window system applies moves and resizes a little later); false otherwise.
e2e_wait_geometry() {
  local limit=${5:-3} i
  for i in $(seq 1 $((limit * 10))); do
    e2e_geometry
    [ "$X" -eq "$1" ] && [ "$Y" -eq "$2" ] && [ "$WIDTH" -eq "$3" ] && [ "$HEIGHT" -eq "$4" ] && return 0
    sleep 0.1
  done
  return 1
}

# e2e_stop_and_wait [seconds]: the termination signal SDL turns into a quit, then the exit
# code in $exit_code.
e2e_stop_and_wait() {
  local limit=${1:-10} i
  kill -TERM "$game_pid"
  for i in $(seq 1 $((limit * 10))); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid"; exit_code=$?; game_pid=""; return 0
    fi
    sleep 0.1
  done
  e2e_fail "the game did not end within $limit s of the close request"
}

# e2e_brightest <png>: the largest channel value of the picture, 0..255.
e2e_brightest() {
  convert "$1" -colorspace RGB -format '%[fx:int(255*maxima)]' info:
}
