#!/usr/bin/env bash
# Builds Zentrel and runs every test. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${ZENTREL_BUILD:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
# No display, a fixed locale and time zone: tests depend on none of the machine's.
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8 TZ=UTC
# The web engine refuses to start as root with its sandbox on.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-background-networking --no-first-run"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
