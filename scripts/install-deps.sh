#!/usr/bin/env bash
# Checks for the commands and files that the build, the tests, `make run`,
# `make accuracy` (gnuplot) and the HTML pages (pandoc) need, and installs
# the Debian packages of those that are missing; nothing when all are there.
# Wine counts as there when scripts/wine-env.sh finds it (WineHQ's packages
# too). KESTRUM_NO_INSTALL=1: only say what is missing, and fail if anything is.
set -euo pipefail

missing=()      # what is missing, for the message
packages=()     # the Debian packages that bring it
need() {  # "DEBIAN_PACKAGE..." DESCRIPTION TEST...
  local package what="$2"
  "${@:3}" >/dev/null 2>&1 && return
  missing+=("$what")
  for package in $1; do
    [[ " ${packages[*]} " == *" $package "* ]] || packages+=("$package")
  done
}
has() { command -v "$1"; }
has_font() { has fc-list && fc-list -q "$1"; }
# ImageMagick is known by what it says of itself: another program called
# convert (Windows' own seen from WSL, a stand-in) would fail the build later
# with a confusing error.
has_imagemagick() { convert -version 2>/dev/null | grep -q ImageMagick; }
has_wine() { [ -n "${KESTRUM_WINE:-}" ] || has wine64 || [ -x /usr/lib/wine/wine64 ] || has wine; }

need cmake cmake has cmake
need make make has make
need g++ g++ has g++
need g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-g++-posix has x86_64-w64-mingw32-g++-posix
need g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-gcc-posix has x86_64-w64-mingw32-gcc-posix
need binutils-mingw-w64-x86-64 x86_64-w64-mingw32-windres has x86_64-w64-mingw32-windres
need binutils-mingw-w64-x86-64 x86_64-w64-mingw32-objdump has x86_64-w64-mingw32-objdump
googletest="${KESTRUM_GOOGLETEST_SOURCE_DIR:-/usr/src/googletest}"
need googletest "GoogleTest's sources in $googletest" test -f "$googletest/googletest/include/gtest/gtest.h"
need libbenchmark-dev "Google Benchmark (benchmark/benchmark.h)" test -f /usr/include/benchmark/benchmark.h
need "wine64 wine fonts-wine" Wine has_wine
# Debian's Wine, used unless another is on the PATH, has its symbol font
# Marlett in a package of its own.
if [ -z "${KESTRUM_WINE:-}" ] && ! has wine64 && [ -x /usr/lib/wine/wine64 ]; then
  need fonts-wine "Wine's fonts" test -f /usr/share/wine/fonts/marlett.ttf
fi
need procps pgrep has pgrep
need xvfb Xvfb has Xvfb
need xdotool xdotool has xdotool
need x11-utils xdpyinfo has xdpyinfo
need imagemagick "ImageMagick (convert, import)" has_imagemagick
need librsvg2-bin rsvg-convert has rsvg-convert
need fontconfig fc-list has fc-list
need fonts-liberation "the font Liberation Mono" has_font "Liberation Mono"
need fonts-dejavu-core "the font DejaVu Sans" has_font "DejaVu Sans"
need fonts-dejavu-extra "the font DejaVu Serif Italic" has_font "DejaVu Serif:style=Italic"
need unzip unzip has unzip
need gnuplot-nox gnuplot has gnuplot
need pandoc pandoc has pandoc

[ ${#missing[@]} -eq 0 ] && exit 0

list="$(printf ', %s' "${missing[@]}")"
echo "install-deps: missing: ${list:2}" >&2
if [ "${KESTRUM_NO_INSTALL:-}" = 1 ]; then
  echo "install-deps: KESTRUM_NO_INSTALL=1: install them yourself (Debian packages: ${packages[*]})" >&2
  exit 1
fi
if ! command -v apt-get >/dev/null; then
  echo "install-deps: no apt-get: install them yourself (Debian packages: ${packages[*]})" >&2
  exit 1
fi
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "install-deps: installing ${packages[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${packages[@]}"
