#!/usr/bin/env bash
# The real program in a real X server, driven only by real input events:
# install it, start it in a fresh folder, type, click, save and exit.
# Usage: desktop-session.sh BUILD_DIR; GLYPHMUX_PROGRAM names an installed
# program to run instead (the unpacked package's).
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
# Recoveries of unsaved maps go to a state folder of the run's own.
export XDG_STATE_HOME="$work/state"
xserver_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xserver_pid" ] && kill "$xserver_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; cat "$work"/*.log >&2 2>/dev/null || true; exit 1; }
# Waits up to ~20 s for a shell condition.
wait_for() {
  local what=$1; shift
  for _ in $(seq 1 200); do "$@" && return 0; sleep 0.1; done
  fail "timed out waiting for $what"
}

app=${GLYPHMUX_PROGRAM:-$work/prefix/bin/glyphmux-gui}
[ -n "${GLYPHMUX_PROGRAM:-}" ] || cmake --install "$build" --prefix "$work/prefix" >/dev/null

# Without any display: one line that says so, status 1; --version still answers.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$app" "$@" 2>&1; }
status=0; said=$(headless) || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <<<"$said")" -eq 1 ] && grep -q xvfb-run <<<"$said" \
  || fail "without a display: status $status, said '$said'"
headless --version | grep -q '^glyphmux-gui ' || fail "--version needs a display"
status=0; said=$(headless a.ini b.ini) || status=$?
[ "$status" -eq 1 ] && grep -q 'only one FILE.*b\.ini' <<<"$said" || fail "a second FILE: status $status, said '$said'"
echo "no display: $said"
mkdir "$work/cwd" "$work/pipe"
cd "$work/cwd"

# A display of our own: the server takes a free number itself (no race with
# other servers) and writes it, once it accepts clients, to descriptor 3.
# No reset when the last client leaves: the next one would find it gone.
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xserver_pid=$!
display_written() { [ "$(wc -l <"$work/display")" -ge 1 ]; }
wait_for "the X server" display_written
export DISPLAY=":$(head -n 1 "$work/display")"
xdpyinfo >/dev/null 2>&1 || fail "no X server on $DISPLAY"

unset QT_QPA_PLATFORM
window=""
find_window() { window=$(xdotool search --onlyvisible --name '^Glyphmux GUI 1\.2\.4  2nd edition' 2>/dev/null | head -n 1); [ -n "$window" ]; }
no_window() { ! find_window; }

# A named pipe as settings.fs neither blocks the start nor gets replaced.
mkfifo "$work/pipe/settings.fs"
(cd "$work/pipe" && exec "$app" >"$work/pipe.log" 2>&1) &
app_pid=$!
wait_for "the main window beside a pipe" find_window
[ -p "$work/pipe/settings.fs" ] || fail "the settings.fs pipe was replaced"
kill "$app_pid"; wait "$app_pid" || true; app_pid=""
wait_for "the window to close" no_window
echo "settings.fs as a pipe: window up, pipe kept"

"$app" >"$work/app.log" 2>&1 &
app_pid=$!

wait_for "the main window" find_window
title=$(xdotool getwindowname "$window")
case "$title" in "Glyphmux GUI 1.2.4  2nd edition"*) ;; *) fail "caption is '$title'" ;; esac
echo "window up: $title"

# settings.fs is written back during start-up.
settings_are() { [ -f settings.fs ] && [ "$(od -An -c settings.fs | tr -s ' ')" = "$(printf "$1" | od -An -c | tr -s ' ')" ]; }
wait_for "settings.fs after start" settings_are 'True|\r\n'
echo "settings.fs: True|"

# The window's layout is fixed: 744 x 388 px under the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
status_height=0 # the status bar below the client area stays hidden until it has news
menu_height=$((HEIGHT - 388 - status_height))
[ "$menu_height" -gt 0 ] || fail "window height $HEIGHT leaves no room for a menu bar"
client_x=$X
client_y=$((Y + menu_height))
click() { xdotool mousemove --sync "$1" "$2" click 1; }
click_client() { click $((client_x + $1)) $((client_y + $2)); }
menu() { click $((X + $1)) $((Y + menu_height / 2)); sleep 0.3; }

# The pop-up lines: the pop-up screen stands at x 192, its lines at
# (8, 56) to (153, 177) of the screen.
grab_popup_lines() {
  import -window root -crop "145x121+$((client_x + 200))+$((client_y + 64))" +repage "$1"
}
sleep 0.5
grab_popup_lines "$work/before.png"

# Type a face into LatinBold13 (Frame2 at 8,224; the field at 72,56 in it).
click_client $((8 + 72 + 40)) $((224 + 56 + 9))
xdotool type --delay 30 "DejaVu Serif"
sleep 0.5
grab_popup_lines "$work/after.png"
changed=$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)
[ "${changed%% *}" -gt 50 ] 2>/dev/null || fail "typing a face changed only '$changed' pixels of the pop-up lines"
echo "pop-up lines redrawn: $changed pixels differ"

# Settings > "Show information popup" (second item) turns it off. Alt+S
# opens the menu wherever the menus before it put it, its first item active.
xdotool key --delay 80 alt+s Down Return
wait_for "settings.fs after unchecking the popup" settings_are 'False|\r\n'
echo "settings.fs: False|"

# File > "Save to Glyphmux.ini" (below Open and Open Recent) writes at once
# with the popup off.
menu 20
xdotool key --delay 80 Down Down Down Return
wait_for "Glyphmux.ini" test -s Glyphmux.ini
ini=$(iconv -f UTF-16 -t UTF-8 Glyphmux.ini | tr -d '\r')
grep -qx 'LatinBold13=DejaVu Serif@12:Y:W' <<<"$ini" || fail "no LatinBold13 line with the typed face"
[ "$(grep -c '^A[a-z0-9]*=DejaVu Serif@' <<<"$ini")" -eq 14 ] || fail "the alias lines lack the typed face"
echo "Glyphmux.ini written with the typed face"

# File > Exit (after Save and Export) ends the process with 0 and writes nothing more.
sleep 1
before=$(ls -l --time-style=+%s.%N)
menu 20
xdotool key --delay 80 Down Down Down Down Down Return
for _ in $(seq 1 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program is still running after Exit"
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || { cat "$work/app.log" >&2; fail "exit code $status"; }
[ "$(ls -l --time-style=+%s.%N)" = "$before" ] || fail "files changed on Exit"
echo "exit: code 0, nothing written"

# A German desktop with no language stored: German from the first start,
# and settings.fs still stores no language.
mkdir "$work/cwd-de"
cd "$work/cwd-de"
env -u LC_ALL -u LANGUAGE LANG=de_DE.UTF-8 "$app" >"$work/app-de.log" 2>&1 &
app_pid=$!
find_german() { window=$(xdotool search --onlyvisible --name '^Glyphmux GUI 1\.2\.4  2\. Ausgabe' 2>/dev/null | head -n 1); [ -n "$window" ]; }
wait_for "the German main window" find_german
wait_for "settings.fs after the German start" settings_are 'True|\r\n'
echo "German start: $(xdotool getwindowname "$window" | sed 's/  */ /g')"
kill "$app_pid"; wait "$app_pid" || true; app_pid=""

# A FILE whose name is not UTF-8 opens and saves as itself (the hand-written
# original kept beside it), never as its look-alike, the name Qt would make.
latin1=$(printf 'caf\351') lookalike=$(printf 'caf\357\277\275')
mkdir "$work/cwd-arg" "$work/$latin1" "$work/$lookalike"
cd "$work/cwd-arg"
printf 'False|\r\n' >settings.fs
printf '[FontMap]\r\nLatinBold12=DejaVu Sans@12:Y:W\r\n' >"$work/$latin1/Glyphmux.ini"
"$app" "$work/$latin1/Glyphmux.ini" >"$work/app-arg.log" 2>&1 &
app_pid=$!
wait_for "the main window with a Latin-1 FILE" find_window
sleep 1
xdotool windowfocus --sync "$window" key --delay 80 ctrl+s
wait_for "the save beside the Latin-1 FILE" test -s "$work/$latin1/Glyphmux.ini.bak"
grep -q 'LatinBold12=DejaVu Sans@12' "$work/$latin1/Glyphmux.ini.bak" || fail "the .bak is not the hand-written file"
iconv -f UTF-16 -t UTF-8 "$work/$latin1/Glyphmux.ini" | grep -q '^LatinPlain12=' || fail "the Latin-1 FILE was not saved"
[ -z "$(ls -A "$work/$lookalike")" ] || fail "the look-alike folder was written: $(ls -A "$work/$lookalike")"
echo "Latin-1 FILE: opened and saved as itself"
