#!/usr/bin/env bash
# Builds Zentrel, installs a self-contained program folder (default ~/Zentrel) and starts it.
# The charts already in the folder's data/ are never overwritten.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
folder=${1:-$HOME/Zentrel}
build=${ZENTREL_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZENTREL_TESTS=OFF -DZENTREL_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target zentrel zentrel-export
mkdir -p "$folder"
cmake -DSRC="$PWD/assets" -DDST="$folder" -P scripts/copy_assets.cmake
install -m 755 "$build/bin/zentrel" "$build/bin/zentrel-export" "$folder/"
echo "Zentrel is installed in $folder"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display to show it on: start $folder/zentrel from a desktop session."
  exit 0
fi
# The web engine refuses to start as root with its sandbox on.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$folder" && exec ./zentrel
