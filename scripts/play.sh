#!/usr/bin/env bash
# Builds Pitchbar (installing missing packages) and starts it. The game reads its resources
# and keeps its save file and error file in the folder it runs from: build/game/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/build.sh" --play
cd "$root/build/game"
exec ./pitchbar
