# Sourced by the scripts that run the programs under Wine: a prefix of our own
# inside the build tree, a UTF-8 locale, a virtual desktop so Wine draws
# captions and menus in the system colours, and a CJK font linked in so the
# Chinese captions show.
# Needs BUILD_DIR set. Starts a virtual display (Xvfb) of its own, unless
# TINT_USE_DISPLAY is set and there is a display: tools/run.sh sets it, so a
# user sees the program; the tests leave the user's display and pointer alone
# unless TINT_TESTS_ON_DISPLAY=1 asks for them there.

export WINEPREFIX="${WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# Never offer to install Mono or Gecko.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
# Wine turns file names and command lines from Unix text by the locale's
# character set; in one that is not UTF-8, such as the POSIX locale a bare
# shell or `su -` gives, the tune's Chinese file name and the captions do not
# get through. A user's own UTF-8 locale stays.
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LC_ALL=C.UTF-8
fi

tint_start_xvfb() {
    if [ -n "${DISPLAY:-}" ] && [ -n "${TINT_USE_DISPLAY:-}" ]; then
        return 0
    fi
    local n
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
            TINT_XVFB_PID=$!
            local i
            for i in $(seq 1 50); do
                # Another run may have taken the number a moment before: then
                # our Xvfb ends, and the socket there is not ours.
                kill -0 "$TINT_XVFB_PID" 2>/dev/null || break
                if [ -e "/tmp/.X11-unix/X${n}" ]; then
                    export DISPLAY=":$n"
                    return 0
                fi
                sleep 0.1
            done
            if kill -0 "$TINT_XVFB_PID" 2>/dev/null; then
                echo "Xvfb did not start on :$n" >&2
                tint_stop_xvfb
                return 1
            fi
            unset TINT_XVFB_PID
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
    # Two processes of one test run may both find the prefix unprepared: one
    # prepares it while the other waits.
    (
        flock 9
        [ -f "$WINEPREFIX/.tint-ready" ] || tint_make_prefix
    ) 9>"$WINEPREFIX.lock"
}

tint_make_prefix() {
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
