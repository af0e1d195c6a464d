#!/usr/bin/env bash
# Real clicks on the main window under a private Xvfb, with a module that stays slow: every tab
# click, Settings and Escape must be handled (the window must not hold them back across waits).
# Usage: held_clicks_test.sh CLICK_PROGRAM [SECONDS]
set -uo pipefail
program="$1"
seconds="${2:-12}"
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1100x700x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
[[ -s "$work/display" ]] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
"$program" "$seconds" --slow
