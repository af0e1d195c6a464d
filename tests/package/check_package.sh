#!/usr/bin/env bash
# Builds the Debian package with cpack and checks it: the exact list of files, the control fields
# (the library dependencies must have come from dpkg-shlibdeps), the maintainer scripts, the
# desktop entry, the AppStream metadata, the icon sizes, the manual pages, and lintian.
#   check_package.sh BUILD_DIR EXPECTED_CONTENTS VERSION
# Exit status 77 (skipped) only when dpkg-deb is missing.
set -uo pipefail

build_dir=$1
expected=$2
version=$3

command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing: not a Debian system"; exit 77; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build_dir" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    echo "FAIL: cpack failed"
    exit 1
}
deb="$work/out/quilldar_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

# The files, exactly: a missing one and a stray one both fail.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort >"$work/contents.txt"
if ! diff -u <(sort "$expected") "$work/contents.txt"; then
    fail "the package's files differ from $expected (- expected, + packaged)"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == quilldar ]] || fail "Package is '$(field Package)'"
[[ "$(field Version)" == "$version" ]] || fail "Version is '$(field Version)'"
[[ "$(field Architecture)" == "$(dpkg --print-architecture)" ]] || fail "Architecture is '$(field Architecture)'"
# libcurl4 is loaded at run time: the package names it by hand.
for library in libc6 'libstdc\+\+6' libqt6core6 libqt6gui6 libqt6widgets6 libcurl4; do
    field Depends | grep -Eq "(^|, )$library \(>= [^)]+\)" || fail "Depends lacks a versioned $library: $(field Depends)"
done
field Recommends | grep -q libhidapi-hidraw0 || fail "Recommends lacks libhidapi-hidraw0 (loaded at run time)"
[[ -n "$(field Maintainer)" && -n "$(field Description)" ]] || fail "Maintainer or Description missing"

dpkg-deb -e "$deb" "$work/control"
for script in postinst postrm; do
    [[ -x "$work/control/$script" ]] || fail "$script missing or not executable"
    grep -q "udevadm control --reload-rules" "$work/control/$script" || fail "$script does not reload the udev rules"
    sh -n "$work/control/$script" || fail "$script is not valid shell"
done

dpkg-deb -x "$deb" "$work/root"
share="$work/root/usr/share"
grep -q 'ATTRS{idVendor}=="04d8", ATTRS{idProduct}=="05f1".*GROUP="plugdev".*TAG+="uaccess"' \
    "$work/root/usr/lib/udev/rules.d/70-quilldar.rules" || fail "the udev rule does not open 04d8:05f1 to plugdev and the seat"
desktop-file-validate "$share/applications/quilldar.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/io.quilldar.Quilldar.metainfo.xml" || fail "appstreamcli validate"

# Each icon is as large as the folder it sits in says (PNG width and height at bytes 16..23).
for icon in "$share"/icons/hicolor/*/apps/quilldar.png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [[ "${width}x${height}" == "$size" ]] || fail "$icon is ${width}x${height}"
done

# The manual pages carry the programs' own usage text.
for program in quilldar quilldar-tool; do
    page=$(zcat "$share/man/man1/$program.1.gz")
    grep -q '^\.TH ' <<<"$page" || fail "$program.1 has no title line"
    usage=$("$work/root/usr/bin/$program" --help | head -1 | sed 's/-/\\-/g')
    grep -qF -- "$usage" <<<"$page" || fail "$program.1 lacks the program's usage line: $usage"
done

if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" ||
        fail "lintian reports errors"
else
    echo "lintian is not installed: its check was left out"
fi

((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
echo "package checks passed"
