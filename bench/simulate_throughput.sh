#!/usr/bin/env bash
# Ticks per second of a headless simulated session: quilldar-tool simulate runs the real link,
# connect sequence and poll tick against the simulated module with its timing taken out.
# Usage: bench/simulate_throughput.sh [BUILD_DIR] [TICKS]
set -euo pipefail
BUILD_DIR="${1:-$(dirname "$0")/../build}"
TICKS="${2:-20000}"
TOOL="$BUILD_DIR/src/tool/quilldar-tool"
OUT="$(mktemp --suffix=.QLS)"
trap 'rm -f "$OUT"' EXIT

# The connect sequence and the power poll take a fixed time; measure it with one tick and
# subtract it.
start=$(date +%s.%N)
"$TOOL" simulate --unit engine --ticks 1 -o "$OUT" > /dev/null
base=$(awk -v a="$(date +%s.%N)" -v b="$start" 'BEGIN { printf "%.3f", a - b }')
start=$(date +%s.%N)
"$TOOL" simulate --unit engine --ticks "$TICKS" -o "$OUT" > /dev/null
total=$(awk -v a="$(date +%s.%N)" -v b="$start" 'BEGIN { printf "%.3f", a - b }')
ticks_s=$(awk -v n="$TICKS" -v t="$total" -v b="$base" 'BEGIN { printf "%d", n / (t - b) }')
echo "simulate: $TICKS ticks in $total s (connect and power-up $base s): $ticks_s ticks/s"
echo "recording: $(stat -c %s "$OUT") bytes"
