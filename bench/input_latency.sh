#!/usr/bin/env bash
# Click-to-handling latency of the main window: real clicks under a private Xvfb, with a normal
# module and with one that answers 1,600 ms late (goals: at most 100 ms and 2.1 s). Needs Xvfb and
# xdotool, which ./test installs.
# Usage: bench/input_latency.sh [BUILD_DIR] [SECONDS]   (defaults: build, 60)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
seconds="${2:-60}"
program="$build/tests/quilldar_click_latency"
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1100x700x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
"$program" "$seconds"
"$program" "$seconds" --slow
