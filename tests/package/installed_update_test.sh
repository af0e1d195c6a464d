#!/usr/bin/env bash
# The update check of an installed copy, run as a user would run it: the Debian package is built
# with cpack and unpacked into a scratch root, and its quilldar-tool runs there as an ordinary
# user (created for the test when missing) against a local update server that offers a newer FAQ
# version. The three documents must land in that user's data folder, the FAQ command must open
# the new ones, a page that is not a PDF must be refused, and nothing may be written outside the
# user's own folders: the scratch root stays as it was unpacked. The served documents are signed
# with a key pair made for the test (SIGN_RELEASE, the maker's signing program), whose public key
# the tool is given in QUILLDAR_UPDATE_PUBLIC_KEY; a document signed with another key must be
# refused like the page.
#   installed_update_test.sh BUILD_DIR VERSION UPDATE_SERVER_SCRIPT SIGN_RELEASE
# Exit status 77 (skipped) when not run as root (a user must be made and switched to) or when
# dpkg-deb is missing.
set -uo pipefail

build_dir=$1
version=$2
server_script=$3
sign_release=$4
user=quilldar-test

command -v dpkg-deb >/dev/null || { echo "dpkg-deb is missing: not a Debian system"; exit 77; }
[[ $(id -u) == 0 ]] || { echo "needs root to create a user and run as that user"; exit 77; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
created_user=0
server_pid=
cleanup() {
    [[ -n "$server_pid" ]] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
    ((created_user)) && userdel "$user" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

(cd "$build_dir" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log"
    echo "FAIL: cpack failed"
    exit 1
}
deb="$work/out/quilldar_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }
root="$work/root"
dpkg-deb -x "$deb" "$root"
installed="$root/usr/share/quilldar"

if ! id "$user" >/dev/null 2>&1; then
    useradd --no-create-home --shell /usr/sbin/nologin "$user" || { echo "FAIL: useradd"; exit 1; }
    created_user=1
fi
home="$work/home"
mkdir -p "$home"
chown "$user:" "$home"
own="$home/.local/share/quilldar"

# The update server: a version file naming this program's version (no installer is offered) and
# FAQ version 1010, and the three documents.
served="$work/server/software/obd"
mkdir -p "$served"
version_file() {  # the program version 2.0.3.4 and the given FAQ version, 43 bytes
    printf '%-43s' "<program> V2.0.3.4 <faq> V$1 " >"$served/Quilldar.txt"
}
version_file 1.0.1.0
for name in FAQ_Quilldar FAQ_Quilldar_ru FAQ_Quilldar_de; do
    printf '%%PDF-1.4\n%% the new %s\n' "$name" >"$served/$name.pdf"
done
public_key=$("$sign_release" --generate "$work/test.key") || { echo "FAIL: no test key pair"; exit 1; }
"$sign_release" "$work/test.key" "$served"/*.pdf >/dev/null || { echo "FAIL: the documents were not signed"; exit 1; }
python3 "$server_script" --root "$work/server" --port-file "$work/port" --log "$work/requests.log" &
server_pid=$!
for _ in $(seq 300); do [[ -s "$work/port" ]] && break; sleep 0.1; done
[[ -s "$work/port" ]] || { echo "FAIL: the update server did not start"; exit 1; }
url="http://127.0.0.1:$(cat "$work/port")/software/obd/"

# What the unpacked root holds, to compare at the end.
snapshot() { (cd "$root" && find . -printf '%p %M %U %s\n' | sort && find . -type f -exec md5sum {} + | sort); }
snapshot >"$work/before.txt"

# The installed tool as the user, in the user's home, with an environment of its own.
as_user() {
    (cd "$home" && runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
        QUILLDAR_UPDATE_URL="$url" QUILLDAR_UPDATE_PUBLIC_KEY="$public_key" no_proxy=127.0.0.1 NO_PROXY=127.0.0.1 "$root/usr/bin/quilldar-tool" "$@")
}

out=$(as_user faq) || fail "faq before the update: $out"
[[ "$out" == "$installed/FAQ_Quilldar.pdf" ]] || fail "before the update the FAQ command opens '$out', not the installed document"

out=$(as_user update 2>&1)
status=$?
echo "update: $out"
((status == 0)) || fail "update exited $status"
grep -q "FAQ page has been updated." <<<"$out" || fail "update did not say the FAQ was updated"
for name in FAQ_Quilldar FAQ_Quilldar_ru FAQ_Quilldar_de; do
    cmp -s "$served/$name.pdf" "$own/$name.pdf" || fail "$name.pdf did not arrive in $own"
    [[ "$(stat -c %U "$own/$name.pdf" 2>/dev/null)" == "$user" ]] || fail "$name.pdf is not the user's"
done
grep -q 'Quilldar.FAQ=1010$' "$home/.config/Morvalin/Quilldar/machine.ini" 2>/dev/null ||
    fail "the FAQ version 1010 was not stored in the user's settings"

out=$(as_user faq) || fail "faq after the update: $out"
[[ "$out" == "$own/FAQ_Quilldar.pdf" ]] || fail "after the update the FAQ command opens '$out', not the new document"
out=$(as_user faq --language German) || fail "faq --language German: $out"
[[ "$out" == "$own/FAQ_Quilldar_de.pdf" ]] || fail "the German FAQ command opens '$out'"

# A captive portal's page instead of the English document, with a newer FAQ version (signed, so
# that it is its content that is refused).
version_file 1.0.1.1
printf '<html><body>Please sign in to the network</body></html>\n' >"$served/FAQ_Quilldar.pdf"
"$sign_release" "$work/test.key" "$served/FAQ_Quilldar.pdf" >/dev/null
out=$(as_user update 2>&1)
status=$?
echo "update with a portal page: $out"
((status == 1)) || fail "the refused page did not end the update with status 1 (got $status)"
grep -q "other than a PDF document for FAQ_Quilldar.pdf" <<<"$out" || fail "the refusal was not told"
grep -q "%PDF-1.4" "$own/FAQ_Quilldar.pdf" || fail "the portal page replaced the user's FAQ document"
grep -q 'Quilldar.FAQ=1010$' "$home/.config/Morvalin/Quilldar/machine.ini" || fail "the FAQ version of the refused page was stored"
out=$(as_user faq)
[[ "$out" == "$own/FAQ_Quilldar.pdf" ]] || fail "after the refusal the FAQ command opens '$out'"

# A German document signed with another key: none of the three replaces the user's.
printf '%%PDF-1.4\n%% the newer FAQ_Quilldar\n' >"$served/FAQ_Quilldar.pdf"
printf '%%PDF-1.4\n%% a forged FAQ_Quilldar_de\n' >"$served/FAQ_Quilldar_de.pdf"
"$sign_release" "$work/test.key" "$served/FAQ_Quilldar.pdf" >/dev/null
"$sign_release" --generate "$work/other.key" >/dev/null && "$sign_release" "$work/other.key" "$served/FAQ_Quilldar_de.pdf" >/dev/null
out=$(as_user update 2>&1)
status=$?
echo "update with a forged document: $out"
((status == 1)) || fail "the forged document did not end the update with status 1 (got $status)"
grep -q "could not be verified and was discarded" <<<"$out" || fail "the refused signature was not told"
grep -q "the new FAQ_Quilldar$" "$own/FAQ_Quilldar.pdf" || fail "a document of the refused set replaced the user's"
grep -q "the new FAQ_Quilldar_de" "$own/FAQ_Quilldar_de.pdf" || fail "the forged document replaced the user's"
grep -q 'Quilldar.FAQ=1010$' "$home/.config/Morvalin/Quilldar/machine.ini" || fail "the FAQ version of the forged set was stored"

# Nothing outside the user's own folders.
snapshot >"$work/after.txt"
diff -u "$work/before.txt" "$work/after.txt" || fail "the unpacked install root changed"
stray=$(find "$work" /tmp /var/tmp -xdev -user "$user" ! -path "$home" ! -path "$home/*" 2>/dev/null)
[[ -z "$stray" ]] || fail "the user wrote outside their home: $stray"
leftover=$(find "$own" -name '*.new' -o -name '*.sig' -o -name 'Quilldar.txt')
[[ -z "$leftover" ]] || fail "staging files were left behind: $leftover"

((failures == 0)) || { echo "$failures check(s) failed"; exit 1; }
echo "installed update checks passed"
