#!/usr/bin/env bash
# Checks the release files that scripts/package wrote for one architecture, without running
# them: the zip holds exactly the exe and help file as built, and the readme; the exe is of the
# architecture's PE format and needs only system DLLs; the installer is a 32-bit program, so
# that it starts on every Windows.
# Usage: check-release-files.sh ROOT x86_64|i686 OBJDUMP
set -u
root=$1 arch=$2 objdump=$3
source "$root/scripts/lib/package.sh"
version=$(package_version "$root")
zip=$(package_zip "$root" "$arch")
format=pei-x86-64
[ "$arch" = i686 ] && format=pei-i386
status=0
fail() {
    echo "FAILED: $*"
    status=1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work" || { echo "FAILED: cannot unpack $zip (run scripts/package)"; exit 1; }
contents=$(cd "$work" && echo *)
[ "$contents" = "ReadMe.txt Wendrake.chm Wendrake.exe" ] || fail "${zip##*/} holds: $contents"
for file in Wendrake.exe Wendrake.chm; do
    cmp -s "$work/$file" "$root/build/$arch/$file" ||
        fail "$file in ${zip##*/} is not the one in build/$arch (run scripts/package again)"
done
"$root/tests/exe/check-self-contained.sh" "$work/Wendrake.exe" "$format" "$objdump" || status=1

# Notepad reads it as UTF-8 only with the byte-order mark; every line ends in CRLF.
readme="$work/ReadMe.txt"
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "ReadMe.txt has no UTF-8 mark"
[ "$(grep -c $'\r$' "$readme")" = "$(wc -l <"$readme")" ] || fail "ReadMe.txt has lines without CRLF"
grep -q "^.*Wendrake $version"$'\r$' "$readme" || fail "ReadMe.txt does not name version $version"
grep -q 'HKEY_CURRENT_USER\\Software\\Orlam Software\\Wendrake\\ShortCuts' "$readme" ||
    fail "ReadMe.txt does not say where the shortcuts are stored"

installer=$(package_installer "$root")
"$objdump" -f "$installer" | grep -q 'file format pei-i386$' ||
    fail "${installer##*/} is not a 32-bit program: $("$objdump" -f "$installer" | grep 'file format')"
exit $status
