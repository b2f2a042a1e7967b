#!/usr/bin/env bash
# The Debian package of this build: `cpack -G DEB` makes pitchbar_<version>_<arch>.deb, a
# games package holding the installed layout under /usr (the programs in /usr/games), whose
# dependencies are run-time libraries only (no -dev package) and include every library the
# game opens, with the licence and changelog Debian asks for; lintian finds nothing.
set -uo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/../../testkit/e2e/lib.sh"
build=$1
e2e_scratch

(cd "$build" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 ||
  e2e_fail "cpack failed: $(tail -5 "$work/cpack.log")"
debs=("$work"/pitchbar_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || e2e_fail "not one pitchbar_*.deb: $(ls "$work")"
deb=${debs[0]}
[[ $(basename "$deb") =~ ^pitchbar_[0-9.]+_[a-z0-9]+\.deb$ ]] || e2e_fail "odd package name $(basename "$deb")"
[ "$(dpkg-deb -f "$deb" Package)" = pitchbar ] || e2e_fail "the package is not called pitchbar"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || e2e_fail "the package is not in games"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
case "$depends" in *-dev*) e2e_fail "a development package among the dependencies: $depends" ;; esac
for library in libsdl2-2.0-0 libepoxy0 libgl1 libopenal1 libalut0 libvorbisfile3; do
  [[ ", $depends," =~ [,\ ]$library[\ ,] ]] || e2e_fail "$library is not a dependency: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
id=$(echo "$contents" | sed -n 's|^\./usr/share/applications/\(.*\)\.desktop$|\1|p')
[ -n "$id" ] || e2e_fail "no desktop entry in the package"
for path in ./usr/games/pitchbar ./usr/games/pitchbar-sim ./usr/share/pitchbar/resources/textures/gui.png \
            ./usr/share/doc/pitchbar/copyright ./usr/share/doc/pitchbar/changelog.gz \
            ./usr/share/pitchbar/resources/effects/TexturesAndColors.fx ./usr/share/pitchbar/resources/precalc/precalc.dat \
            "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/256x256/apps/$id.png" \
            ./usr/share/man/man6/pitchbar-sim.6.gz; do
  echo "$contents" | grep -qxF "$path" || e2e_fail "$path is not in the package"
done
# Under /usr the programs are on the PATH: the menu entry starts the game by name.
dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$id.desktop" | grep -qx "Exec=pitchbar" ||
  e2e_fail "the package's menu entry does not start pitchbar by name"
if command -v lintian >/dev/null; then
  findings=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v "running with root privileges" || true)
  [ -z "$findings" ] || e2e_fail "lintian: $findings"
else
  e2e_fail "lintian is missing (scripts/install-deps.sh installs it)"
fi
echo "ok: $(basename "$deb") with run-time dependencies only, lintian clean"
