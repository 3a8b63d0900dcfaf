#!/usr/bin/env bash
# Compiles the help file from the pages in help/ and the pictures in docs/.
# Usage: build-chm.sh SOURCE_ROOT OUTPUT_CHM
#
# HTML Help reads a help file's title, contents and index in the code page of the file's
# language, and shows pages in the character set they declare; so every text file is written
# in the repository as UTF-8 and converted here to Shift_JIS, the code page of Japanese.
# A link or picture that the compiler cannot find fails the build: it would otherwise be a
# broken page in the shipped help.
set -euo pipefail
root=$1 output=$2
stage="$(dirname "$output")/help"
rm -rf "$stage"
mkdir -p "$stage"

for file in "$root"/help/*.{hhp,hhc,hhk,htm,css}; do
    sed 's/charset=utf-8/charset=Shift_JIS/' "$file" | iconv -f UTF-8 -t CP932 >"$stage/${file##*/}"
done
cp "$root/docs/screenshot.png" "$root/docs/editor.png" "$stage/"

(cd "$stage" && chmcmd --html-scan Wendrake.hhp) >"$stage/chmcmd.log" 2>&1 || {
    cat "$stage/chmcmd.log" >&2
    exit 1
}
if grep -E '^(Warning|Error)' "$stage/chmcmd.log" >&2; then
    exit 1
fi
mv "$stage/Wendrake.chm" "$output"
