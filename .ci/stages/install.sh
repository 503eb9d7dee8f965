#!/usr/bin/env bash
# The program installs under a prefix and runs from there.
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install build --prefix "$prefix"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/CMakeCache.txt)
env -u DISPLAY "$prefix/bin/glyphmux-gui" --version | grep -qx "glyphmux-gui $version"
env -u DISPLAY "$prefix/bin/glyphmux-gui" --help | grep -q -- "--version"
test -f "$prefix/share/applications/glyphmux-gui.desktop"
test -f "$prefix/share/icons/hicolor/scalable/apps/glyphmux-gui.svg"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.glyphmux_gui.metainfo.xml"
# The language files, where the installed program looks for them.
for lang in Italiano English Deutsch Francais Espanol; do
  test -f "$prefix/share/glyphmux-gui/Data/$lang.lng"
done
echo "install: ok"
