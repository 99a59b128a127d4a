#!/usr/bin/env bash
# Every build's and face's frames over a full pass of the about text, and the
# fields that drive them, tick by tick against those recorded in
# frames.golden: what the show puts on screen stays as it was, bit for bit.
# The frames hold text, so they depend on Wine, the fonts it draws with and
# the prefix that links them: the recording's head names all three, and where
# this environment is another, frames that differ are no fault of the code.
# "frames.sh BUILD_DIR record" records them anew, headed with this environment.
. "$(dirname "$0")/../e2e/lib.sh"
here=$(cd "$(dirname "$0")" && pwd)
golden="$here/frames.golden"

environment() {
    echo "wine: $(wine --version 2>/dev/null)"
    local font file
    # The about text's font (Arial, bold, as Wine finds it through
    # fontconfig) and the one its Chinese lines are linked to.
    for font in 'Arial:bold' 'WenQuanYi Micro Hei'; do
        file=$(fc-match -f '%{file}' "$font")
        echo "font $font: $(basename "$file") sha256 $(sha256sum <"$file" | cut -c1-16)"
    done
    echo "prefix: tint_make_prefix in tools/wine-env.sh, sha256 $(sed -n '/^tint_make_prefix()/,/^}/p' "$here/../../tools/wine-env.sh" | sha256sum | cut -c1-16)"
}

fresh_server
if [ "${1:-}" = record ]; then
    wine "$BUILD_DIR/tint_frames.exe" record "$BUILD_DIR/frames.new" 2>/dev/null | tr -d '\r'
    { environment | sed 's/^/# /'; cat "$BUILD_DIR/frames.new"; } >"$golden"
    exit
fi
wine "$BUILD_DIR/tint_frames.exe" check "$golden" 2>/dev/null | tr -d '\r' >"$BUILD_DIR/frames.txt"
recorded=$(sed -n '/^# /!q; s/^# //p' "$golden")
current=$(environment)
if grep -q ' 0 differ$' "$BUILD_DIR/frames.txt" || [ "$recorded" = "$current" ]; then
    tail -n 2 "$BUILD_DIR/frames.txt" | sed 's/^/     /'
    [ "$recorded" = "$current" ] || echo "     the environment differs from the recording's, the frames do not"
    check "scroller: every build's frames and fields, tick by tick, as recorded" yes \
        "$(grep -q ' 0 differ$' "$BUILD_DIR/frames.txt" && echo yes || echo "no: see $BUILD_DIR/frames.txt")"
else
    failed=$((failed + 1))
    echo "FAIL scroller: environment differs from the recording's, so its frames say nothing of the code" \
        "($(tail -n 1 "$BUILD_DIR/frames.txt" | sed 's/^frames: //'))"
    diff <(printf '%s\n' "$recorded") <(printf '%s\n' "$current") | sed -n 's/^< /     recorded: /p; s/^> /     here:     /p'
fi
check "scroller: the face shows each frame whole, repainted or not" yes \
    "$(grep -q 'after 0 of' "$BUILD_DIR/frames.txt" && echo yes || echo "no: see $BUILD_DIR/frames.txt")"
finish
