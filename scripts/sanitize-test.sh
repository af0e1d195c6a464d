#!/usr/bin/env bash
# Builds the program, the tool and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/ and runs the suite there: a read past a buffer,
# a use after free, a leak or undefined behaviour fails the test that caused it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUILLDAR_SANITIZE_BUILD_DIR:-$ROOT/build-sanitize}"

"$ROOT/scripts/install-packages.sh"
# Optimised a little so that the suite's waits and timers behave as in the ordinary build; the
# benchmarks are left out.
cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLDAR_SANITIZE=ON \
    -DQUILLDAR_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/quilldar-runtime.XXXXXX)}"
chmod 700 "$XDG_RUNTIME_DIR"
export QUILLDAR_SETTINGS_DIR="${QUILLDAR_SETTINGS_DIR:-$(mktemp -d /tmp/quilldar-settings.XXXXXX)}"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$BUILD_DIR"
# The package test builds the same .deb as the ordinary run; it says nothing about memory.
ctest --output-on-failure --timeout 900 -LE package -j "$(nproc)" "$@"
