#!/usr/bin/env bash
# Checks that an exe is of the expected PE format and needs no DLL beyond the system's own,
# so it runs where it is copied, without a runtime beside it.
# Usage: check-self-contained.sh EXE FORMAT OBJDUMP   (FORMAT: pei-i386 or pei-x86-64, as objdump names them)
set -u
exe=$1 format=$2 objdump=$3
status=0
fail() { echo "$exe: $*"; status=1; }
"$objdump" -f "$exe" | grep -q "file format $format\$" ||
    fail "expected file format $format, got: $("$objdump" -f "$exe" | grep 'file format')"
system_dlls=' kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll comdlg32.dll ole32.dll msvcrt.dll '
while read -r dll; do
    [[ "$system_dlls" == *" ${dll,,} "* ]] || fail "imports $dll, which is not part of the system"
done < <("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
[ $status -eq 0 ] && echo "$exe: $format, system DLLs only"
exit $status
