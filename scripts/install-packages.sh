#!/usr/bin/env bash
# Installs the Debian packages of scripts/debian-packages.txt that are missing.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

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

# The desktop locales the tests run the program under; generated once, beside the C locale.
generate_test_locales() {
    local wanted=(de_DE ru_RU)
    local sudo=()
    if [[ "$(id -u)" != 0 ]]; then
        sudo=(sudo)
    fi
    for name in "${wanted[@]}"; do
        if ! locale -a 2>/dev/null | grep -qix "${name}.utf8"; then
            echo "Generating the ${name}.UTF-8 locale"
            "${sudo[@]}" localedef -i "$name" -f UTF-8 "${name}.UTF-8"
        fi
    done
}

install_missing_packages
generate_test_locales
