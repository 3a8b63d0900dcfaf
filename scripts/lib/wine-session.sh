# One Wine session for tests, runs and screenshots: a Wine prefix under the build folder, a
# display (a private Xvfb unless the caller asks for the user's own), the environment and
# registry settings the program and its tests rely on, a warm wineserver and one keep-alive
# process. Sourced; wine_session_stop ends exactly what wine_session_start started.

WINE64=/usr/lib/wine/wine64
WINE32=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver

_ws_xvfb_pid=
_ws_keepalive_pid=
_ws_server_started=

# wine_session_start DIR fresh|keep xvfb|user [KEEPALIVE_EXE]
wine_session_start() {
    local dir prefix_mode=$2 display_mode=$3 keepalive=${4:-}
    mkdir -p "$1"
    dir=$(cd "$1" && pwd)
    export WINEPREFIX="$dir/prefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export LANG=C.UTF-8

    if [ "$display_mode" = xvfb ] || [ -z "${DISPLAY:-}" ]; then
        _ws_start_xvfb "$dir" || return 1
    fi

    # A session of this prefix left behind by a run that was killed would serve this one with
    # its old settings, or hold the prefix being deleted: end it first.
    if [ -d "$WINEPREFIX" ]; then
        "$WINESERVER" -k >>"$dir/wineserver.log" 2>&1 || true
        timeout 30 "$WINESERVER" -w >>"$dir/wineserver.log" 2>&1 || true
    fi
    if [ "$prefix_mode" = fresh ]; then
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        _ws_create_prefix "$dir" || return 1
    fi

    # A persistent server keeps test process starts warm; the first call brings it up fully.
    # Its output goes to the log: the server outlives this call, and a caller reading our
    # output through a pipe would otherwise wait for it.
    "$WINESERVER" -p >>"$dir/wineserver.log" 2>&1 </dev/null
    _ws_server_started=1
    timeout 120 "$WINE64" cmd.exe /c exit >"$dir/warmup.log" 2>&1 </dev/null || return 1
    if [ -n "$keepalive" ] && [ -f "$keepalive" ]; then
        # Started, and waited for, before anything else opens a window (see KeepAlive.cpp).
        local ready="$dir/keepalive.ready" i
        rm -f "$ready"
        "$WINE64" "$keepalive" "$(_ws_windows_path "$ready")" >"$dir/keepalive.log" 2>&1 </dev/null &
        _ws_keepalive_pid=$!
        for i in $(seq 300); do
            [ -f "$ready" ] && break
            sleep 0.1
        done
        [ -f "$ready" ] || { echo "wine-session: the keep-alive process did not start" >&2; return 1; }
    fi
}

# Goes on to the end whatever fails, also when the caller stops at errors (set -e): a process
# it ends reports failure when waited for.
wine_session_stop() {
    if [ -n "$_ws_keepalive_pid" ]; then
        kill "$_ws_keepalive_pid" 2>/dev/null || true
        wait "$_ws_keepalive_pid" 2>/dev/null || true
        _ws_keepalive_pid=
    fi
    if [ -n "$_ws_server_started" ]; then
        "$WINESERVER" -k 2>/dev/null || true
        timeout 30 "$WINESERVER" -w 2>/dev/null || true
        _ws_server_started=
    fi
    if [ -n "$_ws_xvfb_pid" ]; then
        kill "$_ws_xvfb_pid" 2>/dev/null || true
        wait "$_ws_xvfb_pid" 2>/dev/null || true
        _ws_xvfb_pid=
    fi
    return 0
}

# True when this machine can start 32-bit Linux processes, which 32-bit Wine needs.
wine_session_can_run_32bit() {
    "$WINE32" --version >/dev/null 2>&1
}

_ws_start_xvfb() {
    local dir=$1 displayfile="$1/xvfb.display"
    rm -f "$displayfile"
    # -displayfd picks a free display and reports its number once the server is ready.
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$displayfile" >"$dir/xvfb.log" 2>&1 &
    _ws_xvfb_pid=$!
    local i
    for i in $(seq 100); do
        if [ -s "$displayfile" ]; then
            export DISPLAY=":$(tr -d '[:space:]' <"$displayfile")"
            return 0
        fi
        sleep 0.1
    done
    echo "wine-session: Xvfb did not start (see $dir/xvfb.log)" >&2
    return 1
}

_ws_create_prefix() {
    local dir=$1
    timeout 300 "$WINE64" wineboot -i >"$dir/wineboot.log" 2>&1 </dev/null || {
        echo "wine-session: wineboot failed (see $dir/wineboot.log)" >&2
        return 1
    }
    timeout 60 "$WINESERVER" -w
    ln -sf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf"
    _ws_write_settings "$dir/settings.reg"
    timeout 120 "$WINE64" regedit /S "$(_ws_windows_path "$dir/settings.reg")" \
        >"$dir/regedit.log" 2>&1 </dev/null
    timeout 60 "$WINESERVER" -w
}

# Message boxes appear at once without a window manager (Managed=N), the dialogs' Japanese
# fonts map to the IPA fonts that Debian ships, and a crash ends its process at once, with the
# debugger's report on its standard error, instead of waiting on a crash dialog.
_ws_write_settings() {
    local file=$1
    {
        printf '\xff\xfe'
        sed 's/$/\r/' <<'REG' | iconv -f UTF-8 -t UTF-16LE
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"MS Shell Dlg"="IPAPGothic"
"MS UI Gothic"="IPAPGothic"
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"Tahoma"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
REG
    } >"$file"
}

_ws_windows_path() {
    printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}
