#!/usr/bin/env bash
# Takes the screenshots the README and the AppStream metadata show: starts Quilldar on the
# simulated engine ECM under a private Xvfb, clicks its way through the main window, and writes
# small PNG files. Rerun it after a change to the windows to refresh them.
#   tools/screenshots.sh [BUILD_DIR] [OUTPUT_DIR]      (defaults: build, docs/screenshots)
# Needs the packages in scripts/dev-tools-packages.txt. The program runs with its own settings,
# lock and working folder, so a Quilldar already running is not disturbed.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
out="${2:-$root/docs/screenshots}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

for tool in Xvfb xdotool xwd convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: see scripts/dev-tools-packages.txt" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1100x700x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

export XDG_RUNTIME_DIR="$work/runtime" QUILLDAR_SETTINGS_DIR="$work/settings" TMPDIR="$work/tmp"
mkdir -p "$XDG_RUNTIME_DIR" "$QUILLDAR_SETTINGS_DIR" "$TMPDIR" "$work/Recordings"
chmod 700 "$XDG_RUNTIME_DIR"
# Two recordings for the file browser to list.
"$build/src/tool/quilldar-tool" simulate --unit engine --ticks 40 -o "$work/Recordings/ride-engine.QLS" >/dev/null
"$build/src/tool/quilldar-tool" simulate --unit abs --ticks 40 -o "$work/Recordings/ride-abs.QLS" >/dev/null

cd "$work/Recordings"
"$build/src/quilldar/quilldar" --simulate >"$work/quilldar.log" 2>&1 &
app_pid=$!

# The window of that title, once it is shown.
window() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [[ -n "$id" ]] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window '$1' appeared" >&2
    cat "$work/quilldar.log" >&2
    exit 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# Each window by its own id: without a window manager a grab of the root shows dialogs black.
# 256 colours are plenty for the flat colours of the windows and keep the files small.
grab() {
    xwd -silent -id "$1" | convert xwd:- -strip -colors 256 "PNG8:$out/$2"
    echo "$out/$2: $(stat -c %s "$out/$2") bytes"
}

main=$(window "Quilldar V")
# Positions in the main window, in pixels at the standard scale.
connect=(174 29); settings=(174 68); save_as=(67 68); engine_tab=(25 106)
# Vehicle power is stable about three seconds after the module is opened.
sleep 4

click "$main" "${settings[@]}"
dialog=$(window "^Settings$")
sleep 0.5
grab "$dialog" settings.png
click "$dialog" 277 184  # Cancel
sleep 0.5

click "$main" "${connect[@]}"
# The ECM has stored trouble codes: the program switches to the Error codes page by itself.
sleep 4
grab "$main" error-codes.png
click "$main" "${engine_tab[@]}"
sleep 3
grab "$main" main-window.png

click "$main" "${connect[@]}"  # Disconnect
sleep 1
click "$main" "${save_as[@]}"
dialog=$(window "^Save as$")
sleep 0.5
grab "$dialog" file-browser.png

echo "Not taken: the graph view and the PDF report, which the program does not have yet."
