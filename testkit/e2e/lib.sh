# Shared steps of the whole-program checks (tests/e2e), also used by the application
# figures (bench/app) to drive the menus. Each check runs the game in a scratch folder of
# its own (error.txt and gamestate.dat land there) with the built resources beside it.
# A check sets $here to its own folder before sourcing this file: e2e_check_errors reads
# the error lines the checks allow from $here/expected_errors.txt.

e2e_fail() { echo "FAIL: $*" >&2; exit 1; }

# e2e_need_display: fails unless the test script's screen is there.
e2e_need_display() {
  [ -n "${DISPLAY:-}" ] || e2e_fail "no DISPLAY (run through scripts/test.sh)"
}

# e2e_setup_game <game binary>: scratch folder in $work, resources linked in.
e2e_setup_game() {
  game_binary=$1
  [ -x "$game_binary" ] || e2e_fail "no game binary at $game_binary"
  e2e_scratch
  ln -s "$PITCHBAR_RESOURCES" "$work/resources"
}

# e2e_setup <game binary>: the same, on the test script's screen.
e2e_setup() {
  e2e_need_display
  e2e_setup_game "$1"
}

# e2e_scratch: an empty scratch folder in $work, removed (with any game left running) on exit.
e2e_scratch() {
  work=$(mktemp -d)
  game_pid=""
  trap e2e_cleanup EXIT
}

# e2e_shots_folder <name>: $shots, an emptied folder for a check's screenshots, kept beside
# the test build (PITCHBAR_E2E_OUT) or in the scratch folder.
e2e_shots_folder() {
  shots="${PITCHBAR_E2E_OUT:-$work}/$1"
  mkdir -p "$shots"
  rm -f "$shots"/*.png
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
  # What the game was doing, for a start that never shows its window.
  e2e_fail "no Pitchbar window after $limit s (game state: $(awk '{ print $3 }' "/proc/$game_pid/stat" 2>/dev/null), waiting in: $(cat "/proc/$game_pid/wchan" 2>/dev/null); log: $(tail -5 "$work/game.log"); errors: $(cat "$work/error.txt" 2>/dev/null))"
}

# e2e_geometry: the window's place and size on the screen in X, Y, WIDTH, HEIGHT.
e2e_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window_id")"
}

# e2e_wait_geometry <x> <y> <width> <height> [seconds]: until the window has that place and
# size (the window system applies moves and resizes a little later); false otherwise.
e2e_wait_geometry() {
  local limit=${5:-20} i
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
  kill -TERM "$game_pid"
  e2e_wait_exit "${1:-10}" " of the close request"
}

# e2e_close_box: the window manager's close box on the game's window.
e2e_close_box() {
  [ -x "${PITCHBAR_E2E_SEND_CLOSE:-}" ] || e2e_fail "no send-close helper (PITCHBAR_E2E_SEND_CLOSE)"
  "$PITCHBAR_E2E_SEND_CLOSE" "$window_id" || e2e_fail "the close request could not be sent"
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
  local limit=${2:-60} start=$SECONDS
  while :; do
    e2e_shot "$1"
    [ "$(e2e_brightest "$1")" -gt 16 ] && return 0
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended before drawing its first frame"
    [ $((SECONDS - start)) -lt "$limit" ] || e2e_fail "the screen is still black after $limit s"
  done
}

# e2e_settle <file> [seconds]: waits until the screen stops changing (two shots at least
# a second apart alike: the fade between screens is over, even at a few frames a second)
# and keeps the last shot in <file>.
e2e_settle() {
  local limit=${2:-60} start=$SECONDS previous="$work/settle_previous.png" d taken
  e2e_shot "$previous"
  taken=$(date +%s.%N)
  while :; do
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended while waiting for $1"
    e2e_sleep_since "$taken" 1
    e2e_shot "$1"
    d=$(e2e_difference "$previous" "$1")
    e2e_above 0.004 "$d" && return 0
    [ $((SECONDS - start)) -lt "$limit" ] || e2e_fail "the screen did not settle for $1 within $limit s"
    cp "$1" "$previous"
    taken=$(date +%s.%N)
  done
}

# e2e_sleep_since <time> <seconds>: sleeps until that many seconds have passed since
# <time> (as given by date +%s.%N).
e2e_sleep_since() {
  local rest
  rest=$(awk -v t="$1" -v s="$2" -v now="$(date +%s.%N)" 'BEGIN { r = t + s - now; printf "%.2f", (r > 0 ? r : 0) }')
  sleep "$rest"
}

# e2e_wait_leave <reference.png> <file> [seconds]: waits until the screen has settled on
# a picture clearly unlike the reference (another screen, its fade over) and keeps it in
# <file>.
e2e_wait_leave() {
  local limit=${3:-60} start=$SECONDS d
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

# e2e_wait_region <reference.png> <file> <geometry> [seconds]: waits until one part of the
# screen (geometry as WIDTHxHEIGHT+X+Y) is clearly unlike the same part of the reference,
# then until the screen stands still, and keeps that shot in <file>.
e2e_wait_region() {
  local limit=${4:-60} start=$SECONDS d
  while :; do
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended while waiting for $2"
    e2e_shot "$2"
    d=$(e2e_region_difference "$1" "$2" "$3")
    if e2e_above "$d" 0.02; then
      e2e_settle "$2" "$limit"
      d=$(e2e_region_difference "$1" "$2" "$3")
      e2e_above "$d" 0.02 && return 0
    fi
    [ $((SECONDS - start)) -lt "$limit" ] || e2e_fail "$3 of the screen still looks as in $1 after $limit s"
  done
}

# e2e_brightness <png>: the mean brightness of the picture, 0..1, four decimals.
e2e_brightness() {
  convert "$1" -colorspace Gray -format '%[fx:mean]' info: | awk '{ printf "%.4f\n", $1 }'
}

# e2e_wait_lit <reference.png> <file> [seconds]: for a screen that never stands still (a
# match): waits until the screen is clearly unlike the reference and its brightness has
# stopped rising for a second (the fade-in is over), and keeps that shot in <file>.
e2e_wait_lit() {
  local limit=${3:-60} start=$SECONDS previous="$work/lit_previous.png" d before after taken
  e2e_shot "$previous"
  taken=$(date +%s.%N)
  while :; do
    kill -0 "$game_pid" 2>/dev/null || e2e_fail "the game ended while waiting for $2"
    e2e_sleep_since "$taken" 1
    e2e_shot "$2"
    d=$(e2e_difference "$1" "$2")
    before=$(e2e_brightness "$previous")
    after=$(e2e_brightness "$2")
    if e2e_above "$d" 0.05 && e2e_above "$after" 0.02 &&
       awk -v a="$before" -v b="$after" 'BEGIN { exit !(b - a < 0.005 && a - b < 0.005) }'; then
      return 0
    fi
    [ $((SECONDS - start)) -lt "$limit" ] || e2e_fail "the screen did not light up unlike $1 within $limit s"
    cp "$2" "$previous"
    taken=$(date +%s.%N)
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

# e2e_key <key>...: keys pressed and released one after the other, with a little time in
# between. The game sees every press however slow its frames, but two keys within one
# frame reach the screens at once: wait for what a key does on screen before the next when
# their order matters.
e2e_key() {
  local k
  for k in "$@"; do
    xdotool key "$k"
    sleep 0.15
  done
}

# e2e_type <text>: types the letters, digits and spaces of <text> into the name field in
# one go, as fast as a player could: the game keeps the order of the keys. With
# E2E_ONE_FRAME=1 the game is held still while they are typed, so that they all arrive
# within one frame (the lowest frame rate there is).
e2e_type() {
  local keys=() i c
  for ((i = 0; i < ${#1}; i++)); do
    c=${1:i:1}
    [ "$c" = " " ] && c=space
    keys+=("$c")
  done
  if [ "${E2E_ONE_FRAME:-0}" = 1 ]; then
    kill -STOP "$game_pid"
    xdotool key --delay 20 "${keys[@]}"
    kill -CONT "$game_pid"
  else
    xdotool key --delay 20 "${keys[@]}"
  fi
}

# e2e_wait_exit [seconds] [what it waited after]: the game's exit code in $exit_code once
# it has ended.
e2e_wait_exit() {
  local limit=${1:-30} after=${2:-} i
  for i in $(seq 1 $((limit * 10))); do
    if ! kill -0 "$game_pid" 2>/dev/null; then
      wait "$game_pid"; exit_code=$?; game_pid=""; return 0
    fi
    sleep 0.1
  done
  e2e_fail "the game did not end within $limit s$after"
}

# e2e_check_errors: nothing in error.txt but what the check's expected_errors.txt allows.
e2e_check_errors() {
  if [ -s "$work/error.txt" ]; then
    local unexpected
    unexpected=$(grep -v -E -f "$here/expected_errors.txt" "$work/error.txt" || true)
    [ -z "$unexpected" ] || e2e_fail "unexpected error lines: $unexpected"
  fi
}
