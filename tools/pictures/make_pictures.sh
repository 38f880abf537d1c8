#!/usr/bin/env bash
# Regenerates the program's pictures into assets/: builds the generator under /tmp, draws the
# skins, image buttons and menu icons, converts the skins to GIF and checks every skin before
# anything in assets/ is replaced. Any failed check stops the script with a non-zero status.
#
#   tools/pictures/make_pictures.sh            (BUILD_DIR=... to choose the build folder)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-/tmp/zentrel_pictures_build}
assets=$repo/assets

for tool in cmake convert compare; do
  command -v "$tool" >/dev/null || { echo "make_pictures: '$tool' is needed" >&2; exit 1; }
done

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j1 >/dev/null
gen=$build/zentrel_pictures

work=$(mktemp -d /tmp/zentrel_pictures.XXXXXX)
trap 'rm -rf "$work"' EXIT

QT_QPA_PLATFORM=offscreen "$gen" generate "$work" 2> >(grep -v XDG_RUNTIME_DIR >&2)

fail() { echo "make_pictures: FAILED: $*" >&2; exit 1; }

# The window mask is cut from every pixel of the top-left colour: it must be exactly magenta,
# and magenta must not occur inside the rounded panel.
while read -r name w h r; do
  png=$work/skins/$name.png
  gif=$work/$name.gif
  # The PNG already has <= 256 exact colours; the conversion must neither dither nor requantise.
  convert "$png" -alpha off -dither None "$gif"

  # 1. Qt's GIF reader, as the program reads it: size, key at (0,0), key only outside the shape.
  QT_QPA_PLATFORM=offscreen "$gen" check "$gif" "$w" "$h" "$r" 2> >(grep -v XDG_RUNTIME_DIR >&2) \
    || fail "$name.gif: key-colour check"

  # 2. Independently with ImageMagick: the corner pixel ...
  corner=$(convert "$gif" -format '%[fx:round(255*p{0,0}.r)],%[fx:round(255*p{0,0}.g)],%[fx:round(255*p{0,0}.b)]' info:)
  [[ $corner == "255,0,255" ]] || fail "$name.gif: pixel (0,0) is $corner, not 255,0,255"

  # ... no magenta anywhere in the rectangle inset by the corner radius ...
  inside=$(convert "$gif" -crop "$((w - 2 * r))x$((h - 2 * r))+$r+$r" +repage txt:- | grep -ci '#FF00FF' || true)
  [[ $inside == 0 ]] || fail "$name.gif: $inside magenta pixels inside the panel"

  # ... and the GIF holds exactly the colours that were drawn.
  diff=$(compare -metric AE "$png" "$gif" null: 2>&1 || true)
  [[ $diff == 0 ]] || fail "$name.gif: conversion changed $diff pixels"
  echo "ok $name.gif: (0,0)=$corner, magenta inside inset rect: $inside, pixels changed by GIF: $diff"
done < "$work/skins.txt"

[[ $(wc -l < "$work/skins.txt") -eq 6 ]] || fail "expected 6 skins"

mkdir -p "$assets/pictures"
while read -r name _; do cp "$work/$name.gif" "$assets/$name.gif"; done < "$work/skins.txt"
cp "$work"/pictures/*.png "$assets/pictures/"
echo "make_pictures: $(wc -l < "$work/skins.txt") skins and $(ls "$work"/pictures/*.png | wc -l) pictures written to $assets"
