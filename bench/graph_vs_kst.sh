#!/usr/bin/env bash
# Quilldar against the tools a user would pick instead, measured from outside under a private
# Xvfb by build/bench/quilldar_process_to_idle, in alternating runs:
#  1. the ten-hour graph: `quilldar --graph` of a 240,000-record engine recording against kst 2
#     plotting the same four channels from a whitespace-separated text file; time from process
#     start to idle (window mapped, then 400 ms without a busy moment) and resident memory then;
#  2. the start: time to the first mapped window of the main window against a bare Qt window of
#     the same size (a program linked with Qt Widgets only).
# Prints the medians, the raw figures and the ratios. kst (Debian's `kst` package) is a
# development tool only: the script installs it when it is missing.
#   bench/graph_vs_kst.sh [BUILD_DIR] [RUNS]      (defaults: build, 9)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
runs="${2:-9}"
measure="$build/bench/quilldar_process_to_idle"
tool="$build/src/tool/quilldar-tool"
program="$build/src/quilldar/quilldar"
bare="$build/bench/quilldar_bare_window"

if ! command -v kst2 >/dev/null; then
    echo "Installing kst (a development tool for this comparison only)"
    sudo=()
    [[ "$(id -u)" != 0 ]] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends kst >/dev/null
fi
for needed in "$measure" "$tool" "$program" "$bare"; do
    [[ -x "$needed" ]] || { echo "$needed is missing: build first" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "Xvfb is missing: see scripts/debian-packages.txt" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 50); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export XDG_RUNTIME_DIR="$work/runtime" QUILLDAR_SETTINGS_DIR="$work/settings" TMPDIR="$work/tmp"
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$XDG_RUNTIME_DIR" "$QUILLDAR_SETTINGS_DIR" "$TMPDIR" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
cd "$work"

echo "Making the ten-hour recording (240,000 records) and its text file for kst..."
"$tool" simulate --unit engine --ticks 240000 -o ride.QLS >/dev/null
# The graph's four default channels, a line per record: time (0.15 s a record), then the values;
# a channel not read yet is 0, a later gap keeps the last reading.
"$tool" export ride.QLS -o ride.csv >/dev/null
awk -F';' 'NR > 1 {
    printf "%.2f", (NR - 2) * 0.15
    for (i = 1; i <= 4; ++i) { v = $i; gsub(/[="]/, "", v); if (v == "") v = last[i] + 0; last[i] = v; printf " %s", v }
    print ""
}' ride.csv >ride.txt
echo "  ride.QLS $(stat -c %s ride.QLS) bytes, ride.txt $(stat -c %s ride.txt) bytes, $(wc -l <ride.txt) lines"

# field NAME LINE: the number after NAME in a line of quilldar_process_to_idle.
field() { awk -v key="$1" '{ for (i = 1; i < NF; ++i) if ($i == key) print $(i + 1) }' <<<"$2"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

declare -a q_idle q_rss k_idle k_rss m_map b_map
run_one() { "$measure" -- "$@" 2>/dev/null || true; }
# One run of each first, not counted: the disk cache and the font cache are warm after it.
run_one "$program" --graph ride.QLS >/dev/null
run_one kst2 ride.txt -x 1 -y 2 -y 3 -y 4 -y 5 >/dev/null
for ((i = 0; i < runs; ++i)); do
    line=$(run_one kst2 ride.txt -x 1 -y 2 -y 3 -y 4 -y 5)
    k_idle+=("$(field idle_ms "$line")"); k_rss+=("$(field rss_kb "$line")")
    line=$(run_one "$program" --graph ride.QLS)
    q_idle+=("$(field idle_ms "$line")"); q_rss+=("$(field rss_kb "$line")")
done
echo
echo "1. Ten-hour graph, process start to idle ($runs runs each, alternating)"
echo "   quilldar --graph  ms: ${q_idle[*]}"
echo "   kst2              ms: ${k_idle[*]}"
echo "   quilldar --graph  kB: ${q_rss[*]}"
echo "   kst2              kB: ${k_rss[*]}"
qi=$(printf '%s\n' "${q_idle[@]}" | median); ki=$(printf '%s\n' "${k_idle[@]}" | median)
qr=$(printf '%s\n' "${q_rss[@]}" | median); kr=$(printf '%s\n' "${k_rss[@]}" | median)
awk -v qi="$qi" -v ki="$ki" -v qr="$qr" -v kr="$kr" 'BEGIN {
    printf "   median time:   Quilldar %.1f ms, kst %.1f ms, ratio %.2f (goal at most 0.6)\n", qi, ki, qi / ki
    printf "   median memory: Quilldar %.1f MB, kst %.1f MB, ratio %.2f (goal at most 0.6)\n", qr / 1024, kr / 1024, qr / kr
}'

# The main window of a fresh start on the simulated module, against a bare Qt window of its size.
for ((i = 0; i < runs; ++i)); do
    line=$(run_one "$bare")
    b_map+=("$(field map_ms "$line")")
    line=$(run_one "$program" --simulate)
    m_map+=("$(field map_ms "$line")")
done
echo
echo "2. Start, process start to the first mapped window ($runs runs each, alternating)"
echo "   main window  ms: ${m_map[*]}"
echo "   bare window  ms: ${b_map[*]}"
mm=$(printf '%s\n' "${m_map[@]}" | median); bm=$(printf '%s\n' "${b_map[@]}" | median)
awk -v mm="$mm" -v bm="$bm" 'BEGIN {
    printf "   median: main window %.1f ms, bare window %.1f ms, ratio %.2f (goal at most 2)\n", mm, bm, mm / bm
}'
