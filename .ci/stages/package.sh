#!/usr/bin/env bash
# The Debian package: built by `make deb`, checked by lintian (an error
# fails the stage; warnings are shown), unpacked with dpkg-deb -x into a
# temporary root, where the unpacked program answers --version and runs the
# end-to-end session once.
set -euo pipefail
cd "$(dirname "$0")/../.."

fail() { echo "package: $*" >&2; exit 1; }

rm -f build-deb/*.deb
make deb
debs=(build-deb/glyphmux-gui_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}

lintian --fail-on error --display-level '>=warning' "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

# What the package holds, and what it depends on: dpkg-shlibdeps' libraries
# and the platform plugin it cannot see.
for file in usr/bin/glyphmux-gui usr/share/man/man1/glyphmux-gui.1.gz \
            usr/share/doc/glyphmux-gui/copyright usr/share/doc/glyphmux-gui/changelog.gz \
            usr/share/applications/glyphmux-gui.desktop usr/share/metainfo/org.example.glyphmux_gui.metainfo.xml \
            usr/share/mime/packages/glyphmux-gui.xml usr/share/icons/hicolor/scalable/apps/glyphmux-gui.svg \
            usr/share/icons/hicolor/48x48/apps/glyphmux-gui.png \
            usr/share/glyphmux-gui/Data/English.lng usr/share/glyphmux-gui/Data/glyphmux_de.qm; do
  [ -s "$root/$file" ] || fail "$file is missing"
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-qpa-plugins libqt6widgets6 libfontconfig1 libc6; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
zcat "$root/usr/share/man/man1/glyphmux-gui.1.gz" | grep -qF '\-\-version' || fail "the man page lacks --version"

version=$(dpkg-deb -f "$deb" Version)
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/glyphmux-gui" --version | grep -qx "glyphmux-gui $version" \
  || fail "the unpacked program does not answer --version with $version"

XDG_CONFIG_HOME="$root/config" GLYPHMUX_PROGRAM="$root/usr/bin/glyphmux-gui" tests/e2e/desktop-session.sh build-deb
echo "package: ok ($deb)"
