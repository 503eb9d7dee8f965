#!/usr/bin/env bash
# Unpacks Debian's fonts-noto-core into FOLDER for the font list's benchmark,
# without installing it: installed, its 270 families would slow every font
# lookup of the other benchmarks and change the machine's fonts.
# Usage: bench-fonts.sh FOLDER
set -euo pipefail
folder=$1
[ -d "$folder/usr/share/fonts/truetype/noto" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
apt-get download fonts-noto-core >/dev/null 2>&1 || { $sudo apt-get update -qq && apt-get download fonts-noto-core >/dev/null; }
mkdir -p "$folder"
dpkg-deb -x fonts-noto-core_*.deb "$folder"
