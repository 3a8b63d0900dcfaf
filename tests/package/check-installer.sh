#!/usr/bin/env bash
# Installs Wendrake silently into the Wine prefix and checks what the installer put where; the
# test program then starts the installed program from its Startup shortcut and uninstalls it
# while it runs; last, everything installed must be gone. The i686 run takes the installer that
# ships, a 32-bit program; the x86_64 run its 64-bit build, which also starts where 32-bit
# programs cannot. Both install the x86-64 exe, as on 64-bit Windows.
# Usage: check-installer.sh ROOT x86_64|i686 WINE PACKAGE_TESTS_EXE [GTEST_ARGUMENTS...]
set -u
root=$1 arch=$2 wine=$3 tests=$4
shift 4
source "$root/scripts/lib/package.sh"
installer=$(package_installer "$root")
[ "$arch" = x86_64 ] && installer=$(package_installer_x86_64 "$root")
status=0
fail() {
    echo "FAILED: $*"
    status=1
}

# The user's folders as the system names them, and where they lie in the prefix.
shell_folder() {
    timeout 30 "$wine" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' \
        /v "$1" </dev/null | sed -n 's/.*REG_SZ *//p' | tr -d '\r'
}
unix_path() {
    timeout 30 "$wine" winepath -u "$1" </dev/null | tr -d '\r'
}
folder="$(shell_folder 'Local AppData')\\Programs\\Wendrake"
installed=$(unix_path "$folder")
start_menu_link="$(unix_path "$(shell_folder Programs)")/Wendrake.lnk"
startup_link_windows="$(shell_folder Startup)\\Wendrake.lnk"
startup_link=$(unix_path "$startup_link_windows")
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wendrake'

[ -f "$installer" ] || { echo "FAILED: no $installer (run scripts/package)"; exit 1; }
timeout 120 "$wine" "$installer" /S </dev/null || { echo "FAILED: ${installer##*/} /S: status $?"; exit 1; }
for file in Wendrake.exe Wendrake.chm; do
    cmp -s "$installed/$file" "$root/build/x86_64/$file" || fail "$file not installed as built in build/x86_64"
done
for link in "$installed/Uninstall.exe" "$start_menu_link" "$startup_link"; do
    [ -f "$link" ] || fail "not installed: $link"
done
registration=$(timeout 30 "$wine" reg query "$uninstall_key" </dev/null | tr -d '\r')
grep -qF "DisplayVersion    REG_SZ    $(package_version "$root")" <<<"$registration" ||
    fail "uninstall registration without the version: $registration"
grep -qF "UninstallString    REG_SZ    \"$folder\\Uninstall.exe\"" <<<"$registration" ||
    fail "uninstall registration without the uninstaller: $registration"

WENDRAKE_INSTALL_DIR="$folder" WENDRAKE_STARTUP_SHORTCUT="$startup_link_windows" \
    timeout 120 "$wine" "$tests" --gtest_filter=Package.InstalledProgram* "$@" </dev/null || status=1

for left in "$installed" "$start_menu_link" "$startup_link"; do
    [ ! -e "$left" ] || fail "left behind by the uninstaller: $left"
done
# The uninstaller removes its registration last, possibly after the test program has seen the
# folder go.
for i in $(seq 20); do
    timeout 30 "$wine" reg query "$uninstall_key" >/dev/null 2>&1 </dev/null || break
    [ "$i" -lt 20 ] && sleep 1 || fail "the uninstall registration is left behind"
done
exit $status
