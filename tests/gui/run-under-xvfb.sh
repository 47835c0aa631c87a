#!/bin/sh
# Runs a desktop test on a virtual X display with the xcb platform. Exit status 77 (counted as
# skipped) when Xvfb is not installed.
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "SKIPPED: Xvfb is not installed (apt-get install xvfb xauth); Chinese glyphs not checked"
    exit 77
fi
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@" -platform xcb
