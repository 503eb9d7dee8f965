#!/usr/bin/env bash
# Starts the editor, or explains what to do when there is no display.
set -u
program=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
Glyphmux GUI is a desktop program and needs a graphical session, but no
display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).

Run it from a desktop session, or on a headless machine under a virtual X
server:
    xvfb-run -a $program
MSG
  exit 1
fi
exec "$program"
