#!/usr/bin/env bash
# Draws tint's pictures and composes its tune into resources/, then checks
# every file has the exact shape the program loads (sizes, bit depths, frame
# timing).  Everything here is generated; rerunning gives the same files.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/resources"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$out"

font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
# The five skin colours recur in every picture so they read as one family.
c1='#ff5a5f' c2='#ffb400' c3='#3ecf6e' c4='#2d9cdb' c5='#9b59b6'
# Shapes are drawn at 4x and averaged down, which antialiases tiny images
# far better than drawing at the final size.
shrink() { convert "${@:1:$#-1}" -filter Box -resize 25% +repage "${!#}"; }

# --- window icon: a painter's palette on a rounded indigo tile ------------
shrink -size 128x128 xc:'#e9ecf2' \
    -fill '#2b3a67' -draw 'roundrectangle 4,4 123,123 26,26' \
    -fill '#f3e2c0' -draw 'ellipse 64,66 52,44 0,360' \
    -fill '#2b3a67' -draw 'circle 86,90 86,100' \
    -fill "$c1" -draw 'circle 34,62 34,73' -fill "$c2" -draw 'circle 52,40 52,51' \
    -fill "$c3" -draw 'circle 78,38 78,49' -fill "$c4" -draw 'circle 98,56 98,66' \
    -fill "$c5" -draw 'circle 46,88 46,98' \
    -alpha off -depth 8 "ppm:$tmp/icon.ppm"
python3 "$root/tools/make_ico.py" "$tmp/icon.ppm" "$out/tint.ico"

# JPEGs stay baseline with full-resolution chroma: at 16-32 px, subsampled
# colour would smear the shapes.
jpeg() { convert "$1" -strip -type TrueColor -interlace none -sampling-factor 1x1 -quality 92 "$2"; }

# --- logo: five overlapping paint drops on a mid-tone slate ----------------
shrink -size 128x128 xc:'#4f7f8f' \
    -fill "$c1" -draw 'circle 64,34 64,56'  -fill "$c2" -draw 'circle 92,55 92,77' \
    -fill "$c3" -draw 'circle 82,88 82,110' -fill "$c4" -draw 'circle 46,88 46,110' \
    -fill "$c5" -draw 'circle 36,55 36,77' \
    -fill '#e8dcc4' -draw 'circle 64,64 64,79' -fill '#2b3a67' -draw 'circle 64,64 64,71' \
    "$tmp/logo.png"
jpeg "$tmp/logo.png" "$out/logo.jpg"

# --- sword: pixel-drawn, tip to the top right ------------------------------
convert -size 16x16 xc:'rgb(192,255,192)' +antialias \
    -fill '#e4e9f0' -draw 'line 6,9 13,2' -fill '#6f7a8c' -draw 'line 7,9 14,2' \
    -fill '#ffffff' -draw 'point 14,1' \
    -fill '#c8900c' -draw 'line 3,7 8,12' -fill '#f2c230' -draw 'line 3,8 7,12' \
    -fill '#6b3e1f' -draw 'line 2,13 4,11' \
    -fill '#c8900c' -draw 'rectangle 0,14 1,15' "$tmp/sword.png"
jpeg "$tmp/sword.png" "$out/sword.jpg"

# --- menu bitmaps: 16x16, 24-bit, on the menu's light grey -----------------
bmp() { shrink -size 64x64 xc:'#f0f0f0' "${@:2}" -alpha off -type TrueColor "BMP3:$out/$1"; }
# note/clock leave their drawing in $shape so the on/off pair share it.
note() {
    shape=(-fill "$1" -draw 'translate 24,48 rotate -22 ellipse 0,0 12,8 0,360'
        -draw 'rectangle 31,10 36,47'
        -draw 'path "M 36,10 C 50,16 56,26 49,40 C 51,30 45,25 36,24 Z"')
}
clock() {
    shape=(-fill '#fffdf4' -stroke "$1" -strokewidth 6 -draw 'circle 32,32 32,6'
        -stroke none -fill "$1" -draw 'rectangle 30,10 34,16' -draw 'rectangle 48,30 54,34'
        -draw 'rectangle 30,48 34,54' -draw 'rectangle 10,30 16,34'
        -stroke '#222222' -strokewidth 5 -draw 'line 32,32 32,17'
        -strokewidth 4 -draw 'line 32,32 44,40' -stroke none -fill "$2" -draw 'circle 32,32 32,36')
}
slash=(-stroke '#d32f2f' -strokewidth 7 -draw 'line 9,55 55,9' -stroke none)
note '#1f4e9c';           bmp music_on.bmp "${shape[@]}"
note '#8a8f98';           bmp music_off.bmp "${shape[@]}" "${slash[@]}"
clock '#1f4e9c' '#d32f2f'; bmp clock_on.bmp "${shape[@]}"
clock '#9aa0a8' '#9aa0a8'; bmp clock_off.bmp "${shape[@]}" "${slash[@]}"
bmp exit.bmp -fill '#5d4037' -draw 'rectangle 8,4 36,60' -fill '#2a2a2a' -draw 'rectangle 13,9 31,60' \
    -fill '#b07a4a' -draw 'polygon 13,9 27,15 27,60 13,60' -fill '#f2c230' -draw 'circle 23,36 23,39' \
    -fill '#2e7d32' -draw 'rectangle 30,27 46,37' -draw 'polygon 44,16 61,32 44,48'

# --- banner: ten full 400x120 frames -------------------------------------
# A colour stripe rolls along the top (one full turn over the loop) and a
# sheen crosses the word, so both the status-bar strip and the body move.
# Below the stripe the top rows stay plain: the status bar shows only them,
# with the start-up face's hint written over them.
convert -size 80x6 xc:"$c1" xc:"$c2" xc:"$c3" xc:"$c4" xc:"$c5" +append "$tmp/stripe.png"
convert -size 1x1 xc:"$c1" xc:"$c2" xc:"$c3" xc:"$c4" xc:"$c5" +append \
    -filter Triangle -resize 230x120! -background "$c5" -extent 400x120 "$tmp/grad.png"
convert -size 400x120 xc:black -font "$font" -pointsize 96 -fill white \
    -annotate +20+106 tint "$tmp/mask.png"
colours=("$c1" "$c2" "$c3" "$c4" "$c5")
for i in 0 1 2 3 4 5 6 7 8 9; do
    x=$((56 * i - 50))
    dots=()
    for d in 0 1 2 3 4; do
        cx=$((242 + 30 * d)) r=8
        [ "$d" -eq $((i % 5)) ] && r=12
        dots+=(-fill "${colours[d]}" -draw "circle $cx,82 $((cx + r)),82")
    done
    convert -size 400x120 xc:'#16132b' \
        \( "$tmp/stripe.png" -roll +$((40 * i))+0 \) -compose Over -geometry +0+0 -composite \
        -pointsize 96 -fill '#07060f' -annotate +24+110 tint \
        \( "$tmp/grad.png" -fill 'rgba(255,255,255,0.6)' \
           -draw "polygon $x,0 $((x + 26)),0 $((x + 6)),120 $((x - 20)),120" \
           "$tmp/mask.png" -alpha off -compose CopyOpacity -composite \) \
        -compose Over -composite "${dots[@]}" \
        -font "$font" -pointsize 12 -fill '#8f88b0' -annotate +218+112 'one window, many faces' \
        +repage "$tmp/frame$i.png"
done
convert -delay 10 -loop 0 "$tmp"/frame{0..9}.png +repage "$out/banner.gif"

# --- tune: a pentatonic pluck melody over a soft sine bass ----------------
beat=0.34
tune() {  # tune <out> <synth-type> <volume> note:beats...
    local dst=$1 type=$2 vol=$3 parts=() n=0
    shift 3
    for nb in "$@"; do
        len=$(awk "BEGIN{print ${nb#*:} * $beat}")
        sox -R -D -n -r 22050 -c 1 -b 16 "$tmp/$type$n.wav" \
            synth "$len" "$type" "${nb%:*}" vol "$vol" fade q 0.005 -0 0.06
        parts+=("$tmp/$type$n.wav") n=$((n + 1))
    done
    sox -R -D "${parts[@]}" "$dst"
}
tune "$tmp/melody.wav" pluck 0.9 E4:1 G4:1 A4:1 G4:1 E4:1 D4:1 E4:2 \
    D4:1 E4:1 G4:1 A4:1 G4:1 E4:1 C4:2
tune "$tmp/bass.wav" sine 0.35 C3:4 G2:4 F2:4 C3:4
# The whole tune fades to silence at the end so the loop point does not click.
sox -R -D -m "$tmp/melody.wav" "$tmp/bass.wav" -r 22050 -c 1 -b 16 -e signed-integer \
    "$out/music.wav" norm -3 fade q 0.005 -0 0.4

# --- checks ----------------------------------------------------------------
python3 - "$out" <<'EOF'
import os, struct, sys, wave
out = sys.argv[1]
def rd(n): return open(os.path.join(out, n), "rb").read()
def ok(cond, msg):
    if not cond: sys.exit("FAIL: " + msg)

d = rd("tint.ico")
ok(struct.unpack_from("<HHH", d) == (0, 1, 1), "ico holds one icon")
w, h, _, _, _, bpp, size, off = struct.unpack_from("<BBBBHHII", d, 6)
hdr = struct.unpack_from("<IiiHHI", d, off)
ok((w, h, bpp) == (32, 32, 24) and hdr == (40, 32, 64, 1, 24, 0), "ico 32x32x24")
ok(d[off + 40 + 3072:] == bytes(128) and len(d) == off + size, "ico opaque mask")
print("tint.ico    32x32, 24 bpp, 1 image, opaque mask")

for n in ("music_on", "music_off", "clock_on", "clock_off", "exit"):
    d = rd(n + ".bmp")
    _, w, h, _, bpp, comp = struct.unpack_from("<IiiHHI", d, 14)
    ok(d[:2] == b"BM" and (w, h, bpp, comp) == (16, 16, 24, 0), n + ".bmp 16x16x24 BI_RGB")
print("*.bmp       five 16x16, 24 bpp, BI_RGB, BITMAPINFOHEADER")

for n, want in (("logo.jpg", 32), ("sword.jpg", 16)):
    d = rd(n)
    ok(b"\xff\xc0" in d and b"\xff\xc2" not in d, n + " baseline")
    i = d.index(b"\xff\xc0")
    hh, ww, comps = struct.unpack_from(">HHB", d, i + 5)
    ok((ww, hh, comps) == (want, want, 3), n + " size/colour")
    print(f"{n:11} {ww}x{hh}, baseline, 3 components")

with wave.open(os.path.join(out, "music.wav")) as wv:
    p = wv.getparams()
    ok((p.nchannels, p.sampwidth, p.framerate) == (1, 2, 22050), "wav format")
    tail = struct.unpack("<8h", (wv.readframes(p.nframes))[-16:])
    ok(max(map(abs, tail)) < 64, "wav ends near silence")
    ok(os.path.getsize(os.path.join(out, "music.wav")) < 400_000, "wav size")
    print(f"music.wav   PCM 16-bit mono 22050 Hz, {p.nframes / 22050:.2f} s, "
          f"{os.path.getsize(os.path.join(out, 'music.wav'))} bytes")
EOF
frames=$(identify -format '%w %h %W %H %X %Y %T\n' "$out/banner.gif")
[ "$(echo "$frames" | wc -l)" -eq 10 ] || { echo "FAIL: banner frame count"; exit 1; }
[ "$(echo "$frames" | sort -u)" = "400 120 400 120 +0 +0 10" ] || { echo "FAIL: banner frames"; exit 1; }
[ "$(identify -verbose "$out/banner.gif" | grep -m1 Iterations | awk '{print $2}')" = 0 ] \
    || { echo "FAIL: banner loop"; exit 1; }
echo "banner.gif  400x120, 10 full frames, 100 ms each, loops forever"
identify -format '%f %wx%h %[colorspace] %[jpeg:sampling-factor] q%Q\n' "$out/logo.jpg" "$out/sword.jpg"
