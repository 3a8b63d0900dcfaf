# Names of the release files, shared by scripts/package and the tests that check them. Sourced.

# The version of the exe's version resource (FILEVERSION 1,2,0,1 gives 1.2.0.1).
package_version() {
    sed -nE 's/^FILEVERSION +([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+).*/\1.\2.\3.\4/p' \
        "$1/res/Wendrake.rc"
}

# package_zip ROOT x86_64|i686
package_zip() {
    local bits=win64
    [ "$2" = i686 ] && bits=win32
    echo "$1/dist/Wendrake-$(package_version "$1")-$bits.zip"
}

# The installer that ships: a 32-bit program, so that it runs on every Windows.
package_installer() {
    echo "$1/dist/Wendrake-$(package_version "$1")-setup.exe"
}

# package_build_installer ROOT OUTFILE [MAKENSIS_OPTIONS...]: the installer, from the exes built
# for both architectures; the options come before the script (-XTarget... for another stub).
package_build_installer() {
    local root=$1 outfile=$2
    shift 2
    makensis -WX -V2 -DVERSION="$(package_version "$root")" \
        -DEXE32="$root/build/i686/Wendrake.exe" -DEXE64="$root/build/x86_64/Wendrake.exe" \
        -DHELP="$root/build/x86_64/Wendrake.chm" -DICON="$root/res/Wendrake.ico" \
        -DOUTFILE="$outfile" "$@" "$root/package/Wendrake.nsi"
}
