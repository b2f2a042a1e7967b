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

# --- Screenshots -----------------------------------------------------------------------
# e2e_shot <file>: the whole screen into <file>.
e2e_shot() {
  import -window root "$1" 2>/dev/null || e2e_fail "no screenshot $1"
}

# e2e_difference <a.png> <b.png>: the normalised RMS difference of two pictures, 0..1,
# as a number with four decimals.
e2e_difference() {
  compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\([0-9.e+-]*\)).*/\1/p' |
    awk '{ printf "%.4f\n", $1 }'
}

# e2e_region_difference <a.png> <b.png> <geometry>: the same for one part of both pictures
# (geometry as WIDTHxHEIGHT+X+Y).
e2e_region_difference() {
  convert "$1" -crop "$3" +repage "$work/region_a.png" &&
    convert "$2" -crop "$3" +repage "$work/region_b.png" &&
    e2e_difference "$work/region_a.png" "$work/region_b.png"
}

# e2e_above <x> <y>: true when the decimal x is larger than y.
e2e_above() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# e2e_wait_drawn <file> [seconds]: waits until the screen is no longer black (the game's
# first frame is up; the window may show a little earlier) and keeps that shot in <file>.
e2e_wait_drawn() {
  local limit=${2:-10} start=$SECONDS
  while :; do
    e2e_shot "$1"
    [ "$(e2e_brightest "$1")" -gt 16 ] && return 0
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended before drawing its first frame"
    [ $((SECONDS - start)) -lt "$limit" ] || e2e_fail "the screen is still black after $limit s"
  done
}

# e2e_settle <file> [seconds]: waits until the screen stops changing (two shots in a row
# alike: the fade between screens is over) and keeps the last shot in <file>.
e2e_settle() {
  local limit=${2:-15} start=$SECONDS previous="$work/settle_previous.png" d
  e2e_shot "$previous"
  while :; do
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended while waiting for $1"
    e2e_shot "$1"
    d=$(e2e_difference "$previous" "$1")
    e2e_above 0.004 "$d" && return 0
    [ $((SECONDS - start)) -lt "$limit" ] || e2e_fail "the screen did not settle for $1 within $limit s"
    cp "$1" "$previous"
  done
}

# e2e_wait_leave <reference.png> <file> [seconds]: waits until the screen has settled on
# a picture clearly unlike the reference (another screen, its fade over) and keeps it in
# <file>.
e2e_wait_leave() {
  local limit=${3:-15} start=$SECONDS d
  while :; do
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended while waiting for $2"
    e2e_shot "$2"
    d=$(e2e_difference "$1" "$2")
    if e2e_above "$d" 0.05; then
      e2e_settle "$2" "$limit"
      d=$(e2e_difference "$1" "$2")
      e2e_above "$d" 0.05 && return 0
    fi
    [ $((SECONDS - start)) -lt "$limit" ] || e2e_fail "the screen still shows $1 after $limit s"
  done
}

# --- Pointer and keys ------------------------------------------------------------------
# The game reads the mouse in relative mode and draws its own pointer, clamped to the
# 1024x768 screen. Under Xvfb only relative pointer motion (XTest relative moves) reaches
# SDL's raw mouse input; absolute moves leave the game's pointer where it is. The pointer
# is therefore first pushed far beyond the top left corner, where the game clamps it to
# (0, 0), and then moved by known amounts from there.
e2e_pointer_home() {
  xdotool mousemove_relative -- -3000 -3000
  sleep 0.2
  xdotool mousemove_relative -- -3000 -3000
  sleep 0.2
  pointer_x=0
  pointer_y=0
}

# e2e_point <x> <y>: moves the game's pointer to (x, y), in steps small enough that the X
# pointer never meets the edge of the screen on the way.
e2e_point() {
  local dx=$(($1 - pointer_x)) dy=$(($2 - pointer_y))
  xdotool mousemove_relative -- "$dx" "$dy"
  pointer_x=$1
  pointer_y=$2
  sleep 0.2
}

# e2e_click <x> <y>: the left button at (x, y).
e2e_click() {
  e2e_point "$1" "$2"
  xdotool click 1
  sleep 0.3
}

# e2e_button <x> <y> <width>: clicks the middle of the 32-pixel-high button whose top left
# corner and width the menus give.
e2e_button() {
  e2e_click $(($1 + $3 / 2)) $(($2 + 16))
}

# e2e_key <key>...: keys pressed and released one after the other, with time for frames
# in between so that each is seen.
e2e_key() {
  local k
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.15
  done
}

# e2e_wait_exit [seconds]: the game's exit code in $exit_code once it has ended by itself.
e2e_wait_exit() {
  local limit=${1:-10} i
  for i in $(seq 1 $((limit * 10))); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid"; exit_code=$?; game_pid=""; return 0
    fi
    sleep 0.1
  done
  e2e_fail "the game did not end within $limit s"
}

# e2e_check_errors: nothing in error.txt but what expected_errors.txt allows.
e2e_check_errors() {
  if [ -s "$work/error.txt" ]; then
    local unexpected
    unexpected=$(grep -v -E -f "$here/expected_errors.txt" "$work/error.txt" || true)
    [ -z "$unexpected" ] || e2e_fail "unexpected error lines: $unexpected"
  fi
}
