# Sourced by the scripts that run the programs under Wine: a prefix of our own
# inside the build tree, a virtual desktop so Wine draws captions and menus in
# the system colours, and a CJK font linked in so the Chinese captions show.
# Needs BUILD_DIR set. Starts Xvfb when there is no display.

export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Never offer to install Mono or Gecko.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64

tint_start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && [ -z "${TINT_FORCE_XVFB:-}" ]; then
        return 0
    fi
    local n
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
            TINT_XVFB_PID=$!
            export DISPLAY=":$n"
            local i
            for i in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X${n}" ] && return 0
                sleep 0.1
            done
            echo "Xvfb did not start on :$n" >&2
            return 1
        fi
    done
    echo "no free display number for Xvfb" >&2
    return 1
}

tint_stop_xvfb() {
    if [ -n "${TINT_XVFB_PID:-}" ]; then
        kill "$TINT_XVFB_PID" 2>/dev/null || true
        wait "$TINT_XVFB_PID" 2>/dev/null || true
        unset TINT_XVFB_PID
    fi
}

tint_prepare_prefix() {
    if [ -f "$WINEPREFIX/.tint-ready" ]; then
        return 0
    fi
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    local reg="$WINEPREFIX/tint.reg"
    local multi
    multi=$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei\0\0' | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
    # A Unicode .reg file (UTF-16 with its byte-order mark), since one key
    # name is Chinese.
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
        for face in Tahoma Arial "MS Sans Serif" "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2"; do
            printf '"%s"=hex(7):%s\r\n' "$face" "$multi"
        done
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        printf '"SimSun"="WenQuanYi Micro Hei"\r\n'
        printf '"宋体"="WenQuanYi Micro Hei"\r\n'
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n'
        printf '"Desktop"="Default"\r\n'
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n'
        printf '"Default"="1000x740"\r\n'
    } | { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE; } >"$reg"
    wine regedit "$reg" >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tint-ready"
}
