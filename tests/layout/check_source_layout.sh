#!/usr/bin/env bash
# Checks the layering of the source tree: every folder of the core includes only itself and the
# floors below it, the core includes nothing of the windows, the simulator or the tool, and no
# source file grows past the length a reader can keep in view.
# Usage: check_source_layout.sh SRC_DIR
set -uo pipefail
SRC="${1:?usage: check_source_layout.sh SRC_DIR}"
MAX_LINES=600

# The floors of the core, from the ground up. Folders on one line share a floor and do not
# include each other.
FLOORS=(
    "state"
    "platform"
    "settings link"
    "vehicle"
    "pages"
    "files update"
    "context"
    "graph report doctor"
    "app"
)

declare -A floor_of
for i in "${!FLOORS[@]}"; do
    for folder in ${FLOORS[$i]}; do floor_of[$folder]=$i; done
done

failures=0
fail() {
    echo "$1" >&2
    failures=$((failures + 1))
}

for dir in "$SRC"/core/*/; do
    folder="$(basename "$dir")"
    [[ -n "${floor_of[$folder]+x}" ]] || fail "core/$folder is on no floor: add it to FLOORS and to the README"
done

while IFS= read -r file; do
    rel="${file#"$SRC"/core/}"
    folder="${rel%%/*}"
    [[ -n "${floor_of[$folder]+x}" ]] || continue
    own=${floor_of[$folder]}
    while IFS= read -r included; do
        target="${included%%/*}"
        if [[ "$target" == gui || "$target" == sim || "$target" == tool || "$target" == quilldar ]]; then
            fail "core/$rel includes $included: the core includes nothing of the programs built on it"
            continue
        fi
        [[ "$target" == "$folder" || "$included" != */* ]] && continue
        if [[ -z "${floor_of[$target]+x}" ]]; then
            fail "core/$rel includes $included, which is in no folder of the core"
        elif ((floor_of[$target] >= own)); then
            fail "core/$rel includes $included: $folder/ may include only floors below its own"
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$SRC/core" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

while IFS= read -r file; do
    lines=$(wc -l <"$file")
    ((lines <= MAX_LINES)) || fail "${file#"$SRC"/} has $lines lines: split it by responsibility (at most $MAX_LINES)"
done < <(find "$SRC" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if ((failures > 0)); then
    echo "$failures layout fault(s)" >&2
    exit 1
fi
echo "source layout: every include runs down a floor; no file over $MAX_LINES lines"
