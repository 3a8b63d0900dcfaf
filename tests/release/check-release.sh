#!/usr/bin/env bash
# The release files as a user meets them. The zips hold exactly the exe and help file as built
# and the readme; then, in a Wine prefix of its own, ReleaseWinTests installs, uses and removes
# the program with the installer: the shipped 32-bit one on i686, and on x86_64 (which starts
# where 32-bit programs cannot) the same script built for x86-64. Both install the x86-64 exe.
# Usage: check-release.sh ROOT x86_64|i686 WINE RELEASE_TESTS_EXE (from the build folder)
set -u
root=$1 arch=$2 wine=$3 tests=$4
source "$root/scripts/lib/package.sh"
source "$root/scripts/lib/wine-session.sh"
status=0
fail() { echo "FAILED: $*" && status=1; }

for zip_arch in x86_64 i686; do
    zip=$(package_zip "$root" "$zip_arch")
    held=$(unzip -Z1 "$zip" | sort | xargs)
    [ "$held" = "ReadMe.txt Wendrake.chm Wendrake.exe" ] || fail "${zip##*/} holds: $held"
    for file in Wendrake.exe Wendrake.chm; do
        unzip -p "$zip" "$file" | cmp -s - "$root/build/$zip_arch/$file" ||
            fail "$file in ${zip##*/} is not the one in build/$zip_arch"
    done
done

installer=$(package_installer "$root")
if [ "$arch" = x86_64 ]; then
    installer=$PWD/release/setup-x86_64.exe
    mkdir -p release
    package_build_installer "$root" "$installer" '-XTarget amd64-unicode' >release/makensis.log ||
        fail "the x86-64 installer: $(cat release/makensis.log)"
fi
trap wine_session_stop EXIT
wine_session_start release/wine fresh user "$root/build/x86_64/tests/WineKeepAlive.exe" || exit 1
WENDRAKE_INSTALLER=$(_ws_windows_path "$installer") WENDRAKE_VERSION=$(package_version "$root") \
    WENDRAKE_BUILT=$(_ws_windows_path "$root/build/x86_64/") \
    "$root/tests/run-gtest.sh" test-results/Release timeout 300 "$wine" "$tests" || status=1
exit $status
