#!/usr/bin/env bash
# Shared by ./run and ./test: installs the missing Debian packages, then configures and builds
# a Release build in build/ (reused between runs).
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${QUILLDAR_BUILD_DIR:-$ROOT/build}"

install_missing_packages() {
    local missing=()
    while read -r package; do
        [[ -z "$package" || "$package" == \#* ]] && continue
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done < "$ROOT/scripts/debian-packages.txt"
    if ((${#missing[@]} == 0)); then
        return
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [[ "$(id -u)" != 0 ]]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_project() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$BUILD_DIR" -j "$(nproc)"
}

install_missing_packages
build_project
