#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, `make run`, `make accuracy`
# (gnuplot) and the HTML pages of the documents (pandoc) need.
# Idempotent: does nothing when everything is present.
set -euo pipefail

packages=(
  cmake make g++ googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine64 wine xvfb xauth xdotool x11-utils imagemagick librsvg2-bin
  fonts-liberation fonts-wine fonts-dejavu-core fonts-dejavu-extra zip unzip
  gnuplot-nox pandoc
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if ! command -v apt-get >/dev/null; then
  echo "install-deps: apt-get not found; install these yourself: ${missing[*]}" >&2
  exit 1
fi
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
