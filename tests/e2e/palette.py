#!/usr/bin/env python3
"""What a screenshot shows of a face's controls, against the colours they
should have.

  palette.py SHOT.ppm PLACES [NAME KIND=RRGGBB ...]...

PLACES is what `tint_probe places` printed: one "NAME X Y W H" a line, from
the top down, the frame first. Each further argument is "NAME" followed by
what is expected of the part of NAME that nothing above it covers:
  back=RRGGBB   the colour most of it shows, give or take a picture's noise
  text=RRGGBB   the colour of a text drawn on it: most pixels that stand out
                from its back lie between the back and this colour, channel
                by channel, as smoothed glyph edges do
(a window's edge, and an option button's round box, are left out of both)
  ink=RRGGBB    a text drawn in this colour over a picture, which has no one
                back colour: some pixels of about this colour
  edge=RRGGBB   the colour most of the bottom row of NAME's rectangle shows
                (for NAME/border: the outer line of a sunken border)

  palette.py --same NAME BEFORE.ppm BEFORE-PLACES AFTER.ppm AFTER-PLACES

checks that the face shows after what it showed before, wherever the
window stood: outside the frame the same pixels (but for a shown clock),
and in the frame's left edge, where the text seldom reaches, the same
gradient rows.
Prints an "ok" or "FAIL" line a check; exits 1 when one failed.
"""
import functools
import os
import sys
from collections import Counter

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import ppm  # noqa: E402

TEXT_PIXELS = 4  # fewer pixels that stand out are no text
STANDS_OUT = 40  # how far from the back, in the sum of the channels' differences
NEAR = 12  # how far a back may stray, in the same measure
SLACK = 16  # how far a glyph's pixel may stray past the back or the text, a channel


def read_ppm(path):
    _, width, height, _, pixels = ppm.parse(open(path, "rb").read())
    return width, height, pixels


def rgb(hex_colour):
    return tuple(int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))


def distance(a, b):
    return sum(abs(x - y) for x, y in zip(rgb(a), rgb(b)))


def text_colour(back, counts, want):
    """want when the pixels that stand out from back lie between back and
    want, channel by channel, as a smoothed glyph's blend of the two does
    (though not along a straight line): most of them, and nearly all of
    those that stand out the most, the glyphs' cores."""
    b, t = rgb(back), rgb(want)
    # A focus rectangle is drawn by inverting what lies under it.
    focus = "%06X" % (int(back, 16) ^ 0xFFFFFF)
    standing = sorted(((distance(c, back), rgb(c), n) for c, n in counts.items() if distance(c, back) > STANDS_OUT and c != focus),
                      reverse=True)
    out = sum(n for _, _, n in standing)
    if out < TEXT_PIXELS:
        return "no text on %s" % back

    def between(p):
        return all(min(x, y) - SLACK <= c <= max(x, y) + SLACK for c, x, y in zip(p, b, t))

    seen = cores_between = 0
    for _, p, n in standing:
        if seen >= out // 10 + 1:
            break
        take = min(n, out // 10 + 1 - seen)
        seen += take
        cores_between += take if between(p) else 0
    all_between = sum(n for _, p, n in standing if between(p))
    if all_between * 2 > out and cores_between * 10 >= seen * 8:
        return want
    return "%d of %d pixels that stand out from %s, and %d of the %d that stand out most, lie between it and this" % (
        all_between, out, back, cores_between, seen)


def read_places(path):
    places = []
    for line in open(path, encoding="utf-8"):
        parts = line.split()
        if len(parts) == 5:
            places.append((parts[0], tuple(int(v) for v in parts[1:])))
    return places


def same(argv):
    name = argv[2]
    shots = []
    for shot, listing in ((argv[3], argv[4]), (argv[5], argv[6])):
        width, _, pixels = read_ppm(shot)
        places = dict(read_places(listing))
        fx, fy, fw, fh = places["form"]
        frame = places["frame"]
        clock = places.get("lblClock")

        def at(x, y, width=width, pixels=pixels, fx=fx, fy=fy):
            i = ((fy + y) * width + fx + x) * 3
            return pixels[i:i + 3]

        outside = {}
        for y in range(fh):
            for x in range(fw):
                sx, sy = fx + x, fy + y
                if frame[0] <= sx < frame[0] + frame[2] and frame[1] <= sy < frame[1] + frame[3]:
                    continue
                if clock and clock[0] <= sx < clock[0] + clock[2] and clock[1] <= sy < clock[1] + clock[3]:
                    continue
                outside[(x, y)] = at(x, y)
        edge = [at(frame[0] - fx + 1, frame[1] - fy + y) for y in range(frame[3])]
        shots.append((outside, edge))
    (out0, edge0), (out1, edge1) = shots
    differ = [p for p in out0 if out1.get(p) != out0[p]]
    kept = sum(a == b for a, b in zip(edge0, edge1))
    failed = 0
    if differ:
        failed += 1
        print("FAIL %s: %d pixels outside the frame differ, the first at %s" % (name, len(differ), min(differ, key=lambda p: (p[1], p[0]))))
    else:
        print("ok   %s: outside the frame as before" % name)
    if len(edge0) != len(edge1) or kept * 10 < len(edge0) * 8:
        failed += 1
        print("FAIL %s: the frame's left edge keeps %d of %d rows" % (name, kept, len(edge0)))
    else:
        print("ok   %s: the frame where it was" % name)
    return 1 if failed else 0


def main(argv):
    if argv[1] == "--same":
        return same(argv)
    width, height, pixels = read_ppm(argv[1])
    places = read_places(argv[2])
    # The frame is drawn on the face, below every control: it covers only
    # the face's own background.
    frame = [p for p in places if p[0] == "frame"]
    places = [p for p in places if p[0] != "frame"]
    form_at = next(i for i, p in enumerate(places) if p[0] == "form")
    places[form_at:form_at] = frame
    fx, fy, fw, fh = dict(places)["form"]

    def colour(x, y):
        i = (y * width + x) * 3
        return "%02X%02X%02X" % tuple(pixels[i:i + 3])

    def inside(x, y, rect):
        return rect[0] <= x < rect[0] + rect[2] and rect[1] <= y < rect[1] + rect[3]

    @functools.lru_cache(maxsize=None)
    def own(index, inset=0, box=0):
        # What of the place no place above it covers, within the face.
        x0, y0, w, h = places[index][1]
        x0, y0, w, h = x0 + inset + box, y0 + inset, w - 2 * inset - box, h - 2 * inset
        above = [p[1] for p in places[:index]]
        seen = Counter()
        for y in range(max(y0, fy), min(y0 + h, fy + fh, height)):
            for x in range(max(x0, fx), min(x0 + w, fx + fw, width)):
                if not any(inside(x, y, r) for r in above):
                    seen[colour(x, y)] += 1
        return seen

    failed = 0
    args = argv[3:]
    name = None
    for arg in args:
        if "=" not in arg:
            name = arg
            continue
        kind, want = arg.split("=", 1)
        want = want.upper()
        index = next((i for i, p in enumerate(places) if p[0] == name), None)
        label = "%s %s" % (name, kind)
        if index is None:
            got = "not seen"
        elif kind == "edge":
            x0, y0, w, h = places[index][1]
            row = Counter(colour(x, y0 + h - 1) for x in range(x0 + 2, x0 + w - 2))
            got = row.most_common(1)[0][0] if row else "nothing"
        else:
            # A window's edge is left out, and an option button's round box.
            windowed = any(p[0] == name + "/border" for p in places)
            counts = own(index, 3 if windowed else 0, 16 if name.startswith("Option") else 0)
            if not counts:
                got = "nothing"
            elif kind == "back":
                # A picture's own noise (a JPEG's) may differ by a little.
                got = counts.most_common(1)[0][0]
                got = want if distance(got, want) <= NEAR else got
            elif kind == "ink":
                inked = sum(n for c, n in counts.items() if distance(c, want) <= 2 * NEAR)
                got = want if inked >= TEXT_PIXELS else "%d pixels of it" % inked
            else:
                got = text_colour(counts.most_common(1)[0][0], counts, want)
        if got == want:
            print("ok   %s %s" % (label, want))
        else:
            failed += 1
            print("FAIL %s: expected %s, got %s" % (label, want, got))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
