#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests or the benchmarks
# need, only when something is missing. Usage: install-deps.sh [run|test|bench|deb|ci]
set -euo pipefail

what=${1:-test}
# qt6-tools-dev carries the CMake side of lupdate/lrelease (qt6-l10n-tools);
# qt6-translations-l10n has Qt's own translations (file dialogs, buttons).
packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libfontconfig-dev fonts-dejavu-core
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
case "$what" in
  run) ;;
  test) packages+=(fonts-dejavu-extra fonts-cantarell fonts-droid-fallback xvfb xdotool x11-utils x11-apps imagemagick) ;;
  bench) packages+=(fonts-dejavu-extra fonts-droid-fallback fonts-ipafont-gothic fontconfig libfreetype-dev time valgrind) ;;
  # cpack's DEB generator runs file, dpkg-shlibdeps (dpkg-dev) and strip (binutils).
  deb) packages+=(dpkg-dev file binutils lintian) ;;
  ci) packages+=(fonts-dejavu-extra fonts-cantarell xvfb xdotool x11-utils x11-apps imagemagick clang libclang-rt-14-dev appstream shared-mime-info
                 dpkg-dev file binutils lintian qt6-qpa-plugins) ;;
  *) echo "usage: $0 [run|test|bench|deb|ci]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
