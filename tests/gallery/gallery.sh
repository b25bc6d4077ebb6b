#!/usr/bin/env bash
# Saves the control gallery as build/gallery.png (inside the test run's Xvfb).
#   gallery.sh WINE_RUN GALLERY_EXE BUILD_DIR
set -eu
wine_run=$1 exe=$2 build=$3
rm -f "$build/gallery.bmp" "$build/gallery.png"
cd "$build"
"$wine_run" "$exe" gallery.bmp
convert "$build/gallery.bmp" "$build/gallery.png"
rm -f "$build/gallery.bmp"
test -s "$build/gallery.png"
echo "$build/gallery.png"
