#!/usr/bin/env bash
# Installs the Debian packages Zentrel builds and tests with, when any is missing.
set -euo pipefail
pkgs=(cmake g++ ninja-build pkg-config
      qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-pdf-dev libgl-dev
      libgtest-dev libgmock-dev libbenchmark-dev
      fonts-liberation2 fonts-dejavu-core xvfb xauth)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
