#!/usr/bin/env bash
# Packs the download for Windows users, dist/tint-win64.zip: the five
# programs, the tune under the name the faces look for, and a short text.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/build.sh" --programs-only >/dev/null
build="$root/build/windows"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/tint"
for theme in peach postgreen seablue armygreen pinkrose; do
    cp "$build/tint_$theme.exe" "$stage/tint/"
done
cp "$build/集结号.wav" "$stage/tint/"
# Notepad before Windows 10 shows a text with bare LF as one long line, and
# reads one without a byte-order mark in the local code page, not UTF-8.
{
    printf '\xef\xbb\xbf'
    sed 's/\r*$/\r/' "$root/tools/package-readme.txt"
} >"$stage/tint/README.txt"
mkdir -p "$root/dist"
rm -f "$root/dist/tint-win64.zip"
# Python's zipfile flags a name as UTF-8 where it is not plain ASCII, which
# Windows needs to show the tune's Chinese name; Info-ZIP's zip does not.
python3 - "$stage/tint" "$root/dist/tint-win64.zip" <<'PY'
import os, sys, zipfile
folder, target = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in sorted(os.listdir(folder)):
        archive.write(os.path.join(folder, name), "tint/" + name)
PY
echo "dist/tint-win64.zip"
