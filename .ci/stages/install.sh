#!/usr/bin/env bash
# The program installs under a prefix and runs from there.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
env -u DISPLAY "$prefix/bin/glyphmux-gui" --version | grep -qx "glyphmux-gui $version"
env -u DISPLAY "$prefix/bin/glyphmux-gui" --help | grep -q -- "--version"
# An unknown option is refused with Qt's message and status; Qt's own pass.
status=0; env -u DISPLAY LC_ALL=C "$prefix/bin/glyphmux-gui" --bogus 2>"$prefix/err" || status=$?
[ "$status" -eq 1 ] || { echo "unknown option: exit status $status" >&2; exit 1; }
grep -q "Unknown option 'bogus'" "$prefix/err"
env -u DISPLAY "$prefix/bin/glyphmux-gui" -platform offscreen -style Fusion --version | grep -qx "glyphmux-gui 1.2.4"
test -f "$prefix/share/applications/glyphmux-gui.desktop"
test -f "$prefix/share/icons/hicolor/scalable/apps/glyphmux-gui.svg"
grep -q '^Exec=glyphmux-gui %F$' "$prefix/share/applications/glyphmux-gui.desktop"
update-mime-database "$prefix/share/mime"
grep -q '^application/x-glyphmux-ini:glyphmux.ini$' <(cut -d: -f2- "$prefix/share/mime/globs2")
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.glyphmux_gui.metainfo.xml"
# The language files and translations, where the installed program looks.
for lang in Italiano English Deutsch Francais Espanol; do
  test -f "$prefix/share/glyphmux-gui/Data/$lang.lng"
done
for code in it en de fr es; do
  test -s "$prefix/share/glyphmux-gui/Data/glyphmux_$code.qm"
done
echo "install: ok"
