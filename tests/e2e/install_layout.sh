#!/usr/bin/env bash
# The installed game's files, without a display: `cmake --install <build>` into a scratch
# prefix puts both programs in games/ with links in bin/, the data in share/pitchbar/resources/, and a menu entry,
# AppStream file and hicolor icons that all carry one reverse-DNS application id and pass
# desktop-file-validate and appstreamcli validate; the manual page of pitchbar-sim is there.
# Then the real binary, moved with its whole prefix and started in an empty folder where no
# window can open, still finds its data, makes the player's data folder and writes its failure
# there; with no data anywhere it says so in one line on stderr. Exit code 0 both times, and
# nothing is written to the folder it was started in.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
build=$1
e2e_scratch

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  e2e_fail "cmake --install failed: $(tail -5 "$work/install.log")"

for program in pitchbar pitchbar-sim; do
  [ -x "$prefix/bin/$program" ] || e2e_fail "no $program in bin/"
  [ -f "$prefix/games/$program" ] && [ ! -L "$prefix/games/$program" ] || e2e_fail "no $program in games/"
  [ "$(readlink "$prefix/bin/$program")" = "../games/$program" ] || e2e_fail "bin/$program is not a link to games/"
done
resources=$prefix/share/pitchbar/resources
for file in textures/gui.png textures/pbfontbig.png models/ball.krmt sounds/kick.wav \
            precalc/precalc.dat effects/TexturesAndColors.fx effects/ShadowCaster.fx; do
  [ -s "$resources/$file" ] || e2e_fail "no $file in share/pitchbar/resources"
done

# One application id, in every file name and inside the files.
desktops=("$prefix"/share/applications/*.desktop)
[ ${#desktops[@]} -eq 1 ] && [ -f "${desktops[0]}" ] || e2e_fail "not one desktop entry: ${desktops[*]}"
desktop=${desktops[0]}
id=$(basename "$desktop" .desktop)
[[ $id =~ ^[a-z0-9]+(\.[a-z0-9]+)+\.[A-Za-z][A-Za-z0-9]*$ ]] || e2e_fail "'$id' is no reverse-DNS id"
out=$(desktop-file-validate "$desktop" 2>&1) || e2e_fail "desktop-file-validate: $out"
[ -z "$out" ] || e2e_fail "desktop-file-validate has remarks: $out"
# A scratch prefix is on no one's PATH: the menu entry names the program whole.
for line in "Icon=$id" "Exec=$prefix/games/pitchbar" "Terminal=false" "Categories=Game;SportsGame;" "StartupWMClass=$id"; do
  grep -qxF "$line" "$desktop" || e2e_fail "the desktop entry lacks $line"
done
grep -q '^Name=' "$desktop" && grep -q '^Comment=' "$desktop" || e2e_fail "the desktop entry lacks Name or Comment"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || e2e_fail "no $id.metainfo.xml"
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || e2e_fail "appstreamcli validate: $out"
grep -qF "<id>$id</id>" "$metainfo" || e2e_fail "the AppStream id is not $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  e2e_fail "the AppStream file does not launch $id.desktop"
for size in 16 22 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || e2e_fail "no ${size}x${size} icon"
  [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || e2e_fail "the $size icon is $(identify -format '%wx%h' "$icon")"
  # The ball: transparent corners, an opaque middle.
  corner=$(convert "$icon" -format '%[fx:int(255*p{0,0}.a)]' info:)
  middle=$(convert "$icon" -format "%[fx:int(255*p{$((size / 2)),$((size / 2))}.a)]" info:)
  [ "$corner" -eq 0 ] && [ "$middle" -eq 255 ] || e2e_fail "the $size icon is no ball (alpha $corner at the corner, $middle inside)"
done
page=$prefix/share/man/man6/pitchbar-sim.6.gz
[ -f "$page" ] || e2e_fail "no manual page for pitchbar-sim"
for word in '^\.TH PITCHBAR-SIM 6' '^\.B pitchbar-sim trace' '^\.B pitchbar-sim match' '^\.B pitchbar-sim tournament'; do
  gzip -dc "$page" | grep -q "$word" || e2e_fail "the manual page lacks $word"
done
if command -v man >/dev/null; then
  out=$(man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$out" ] || e2e_fail "the manual page does not format cleanly: $out"
fi
"$prefix/bin/pitchbar-sim" match --home 0 --away 1 --max-seconds 5 | grep -q '"score"' ||
  e2e_fail "the installed pitchbar-sim does not play a match"

# The whole prefix moved, started in an empty folder with a window system that cannot
# start: the data is found (the failure is the window's, not the resources'), the failure is
# told on stderr with exit code 1, and the error file is in the player's data folder, made
# on this first run.
mv "$prefix" "$work/moved"
mkdir "$work/empty" "$work/home"
(cd "$work/empty" && env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=no-such-driver HOME="$work/home" \
  XDG_DATA_HOME="$work/data" timeout 60 "$work/moved/bin/pitchbar") >"$work/moved.log" 2>&1
exit_code=$?
[ "$exit_code" -eq 1 ] || e2e_fail "exit code $exit_code without a window system: $(cat "$work/moved.log")"
grep -q "^Pitchbar could not start: Could not start the window system.*(every line in $work/data/pitchbar/error.txt)\$" "$work/moved.log" ||
  e2e_fail "the failed start was not told on stderr: $(cat "$work/moved.log")"
grep -q 'cannot find its resources' "$work/moved.log" && e2e_fail "the moved game did not find its data"
[ -f "$work/data/pitchbar/error.txt" ] || e2e_fail "no error.txt in the player's data folder"
grep -qx 'error: Could not initialize game.' "$work/data/pitchbar/error.txt" ||
  e2e_fail "error.txt lacks the start-up line: $(cat "$work/data/pitchbar/error.txt")"
[ "$(stat -c %a "$work/data/pitchbar")" = 700 ] || e2e_fail "the data folder is not the player's alone"
[ -z "$(ls -A "$work/empty")" ] || e2e_fail "the game wrote into the folder it was started in: $(ls -A "$work/empty")"

# No data anywhere: one line on stderr, exit 1, nothing written.
mkdir -p "$work/bare/bin"
cp "$work/moved/bin/pitchbar" "$work/bare/bin/"
(cd "$work/empty" && env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home2" XDG_DATA_HOME="$work/data2" \
  timeout 60 "$work/bare/bin/pitchbar") >"$work/bare.out" 2>"$work/bare.err"
exit_code=$?
[ "$exit_code" -eq 1 ] || e2e_fail "exit code $exit_code without data"
[ ! -s "$work/bare.out" ] || e2e_fail "output on stdout without data: $(cat "$work/bare.out")"
lines=$(grep -c . "$work/bare.err")
grep -q "cannot find its resources.*$work/bare/share/pitchbar/resources" "$work/bare.err" && [ "$lines" -eq 1 ] ||
  e2e_fail "not one clear line on stderr without data: $(cat "$work/bare.err")"
[ ! -e "$work/data2" ] && [ ! -e "$work/home2" ] || e2e_fail "the game made a data folder without data"
[ -z "$(ls -A "$work/empty")" ] || e2e_fail "the game wrote into the folder it was started in"
echo "ok: installed layout with id $id validates; a moved prefix finds its data; no data is one line"
