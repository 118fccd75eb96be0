#!/usr/bin/env bash
# Starts the desktop program, or explains what to do where no display is available.
set -euo pipefail
bin=${1:-build/release/bin}
if [ -x "$bin/quadrova" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "Quadrova is a desktop program and needs a display (X11 or Wayland); none was found."
        echo "Without a display, use the command-line tool, for example:"
        echo "  $bin/quadrova-report \"x^3 - 6x^2\""
        exit 0
    fi
    exec "$bin/quadrova"
fi
# Before the main window exists the command-line tool is the program.
exec "$bin/quadrova-report" --help
