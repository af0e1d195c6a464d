#!/usr/bin/env bash
# Shared by ./run and ./test: installs the missing Debian packages, then configures and builds
# a Release build in build/ (reused between runs).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUILLDAR_BUILD_DIR:-$ROOT/build}"

build_project() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$BUILD_DIR" -j "$(nproc)"
}

"$ROOT/scripts/install-packages.sh"
build_project
