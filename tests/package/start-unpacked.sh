#!/usr/bin/env bash
# Unpacks the release zip of one architecture and starts the exe from there under Wine: it must
# run, with its notification icon, from wherever the user unpacks it.
# Usage: start-unpacked.sh ROOT x86_64|i686 WINE PACKAGE_TESTS_EXE [GTEST_ARGUMENTS...]
set -u
root=$1 arch=$2 wine=$3 tests=$4
shift 4
source "$root/scripts/lib/package.sh"
zip=$(package_zip "$root" "$arch")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work" || { echo "FAILED: cannot unpack $zip (run scripts/package)"; exit 1; }
WENDRAKE_PROGRAM="Z:${work//\//\\}\\Wendrake.exe" timeout 60 "$wine" "$tests" \
    --gtest_filter=Package.UnpackedProgram* "$@" </dev/null
