#!/usr/bin/env python3
"""What a screenshot shows of a face's controls, against the colours they
should have.

  palette.py SHOT.ppm PLACES [NAME KIND=RRGGBB ...]...

PLACES is what `tint_probe places` printed: one "NAME X Y W H" a line, from
the top down. Each further argument is "NAME" followed by what is expected
of the part of NAME that nothing above it covers (a window's edge, and an
option button's round box, left out):
  back=RRGGBB   the colour most of it shows, give or take a picture's noise
  text=RRGGBB   the colour of a text drawn on it: the pixels that stand out
                from its back lie between the back and this colour, channel
                by channel, as smoothed glyph edges do
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
import os
import sys
from collections import Counter

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import ppm  # noqa: E402

TEXT_PIXELS = 4  # fewer pixels that stand out are no text
STANDS_OUT = 40  # how far from the back, in the sum of the channels' differences
NEAR = 12  # how far a back may stray, in the same measure
SLACK = 16  # how far a glyph's pixel may stray past the back or the text, a channel


class Shot:
    """A screenshot and the places the probe listed for it."""

    def __init__(self, shot, listing):
        _, self.width, self.height, _, self.pixels = ppm.parse(open(shot, "rb").read())
        self.places = []
        for line in open(listing, encoding="utf-8"):
            parts = line.split()
            if len(parts) == 5:
                self.places.append((parts[0], tuple(int(v) for v in parts[1:])))
        self.at = dict(self.places)

    def colour(self, x, y):
        i = (y * self.width + x) * 3
        return "%02X%02X%02X" % tuple(self.pixels[i:i + 3])


def inside(x, y, rect):
    return rect[0] <= x < rect[0] + rect[2] and rect[1] <= y < rect[1] + rect[3]


def rgb(hex_colour):
    return tuple(int(hex_colour[i:i + 2], 16) for i in (0, 2, 4))


def distance(a, b):
    return sum(abs(x - y) for x, y in zip(rgb(a), rgb(b)))


def own(shot, index, inset, box):
    """The colours of what of a place no place above it covers, within the face."""
    x0, y0, w, h = shot.places[index][1]
    x0, y0, w, h = x0 + inset + box, y0 + inset, w - 2 * inset - box, h - 2 * inset
    fx, fy, fw, fh = shot.at["form"]
    above = [p[1] for p in shot.places[:index]]
    return Counter(shot.colour(x, y) for y in range(max(y0, fy), min(y0 + h, fy + fh, shot.height))
                   for x in range(max(x0, fx), min(x0 + w, fx + fw, shot.width)) if not any(inside(x, y, r) for r in above))


def text_colour(back, counts, want):
    """want when the pixels that stand out from back lie between back and
    want, channel by channel, as a smoothed glyph's blend of the two does
    (though not along a straight line): most of them, and nearly all of
    those that stand out the most, the glyphs' cores."""
    # A focus rectangle is drawn by inverting what lies under it.
    focus = "%06X" % (int(back, 16) ^ 0xFFFFFF)
    standing = sorted((c for c, n in counts.items() for _ in range(n) if distance(c, back) > STANDS_OUT and c != focus),
                      key=lambda c: distance(c, back), reverse=True)
    if len(standing) < TEXT_PIXELS:
        return "no text on %s" % back
    b, t = rgb(back), rgb(want)
    between = [all(min(x, y) - SLACK <= c <= max(x, y) + SLACK for c, x, y in zip(rgb(p), b, t)) for p in standing]
    cores = between[:len(standing) // 10 + 1]
    if sum(between) * 2 > len(between) and sum(cores) * 10 >= len(cores) * 8:
        return want
    return "%d of %d pixels that stand out from %s, and %d of the %d that stand out most, lie between it and this" % (
        sum(between), len(between), back, sum(cores), len(cores))


def judge(shot, name, kind, want):
    index = next((i for i, p in enumerate(shot.places) if p[0] == name), None)
    if index is None:
        return "not seen"
    if kind == "edge":
        x0, y0, w, h = shot.places[index][1]
        row = Counter(shot.colour(x, y0 + h - 1) for x in range(x0 + 2, x0 + w - 2))
        return row.most_common(1)[0][0] if row else "nothing"
    counts = own(shot, index, 3 if name + "/border" in shot.at else 0, 16 if name.startswith("Option") else 0)
    if not counts:
        return "nothing"
    back = counts.most_common(1)[0][0]
    if kind == "back":
        # A picture's own noise (a JPEG's) may differ by a little.
        return want if distance(back, want) <= NEAR else back
    if kind == "ink":
        inked = sum(n for c, n in counts.items() if distance(c, want) <= 2 * NEAR)
        return want if inked >= TEXT_PIXELS else "%d pixels of it" % inked
    return text_colour(back, counts, want)


def same(name, before, after):
    def look(shot):
        fx, fy, fw, fh = shot.at["form"]
        frame, clock = shot.at["frame"], shot.at.get("lblClock")
        outside = {(x - fx, y - fy): shot.colour(x, y) for y in range(fy, fy + fh) for x in range(fx, fx + fw)
                   if not inside(x, y, frame) and not (clock and inside(x, y, clock))}
        return outside, [shot.colour(frame[0] + 1, frame[1] + y) for y in range(frame[3])]

    (out0, edge0), (out1, edge1) = look(before), look(after)
    differ = sorted((p for p in out0 if out1.get(p) != out0[p]), key=lambda p: (p[1], p[0]))
    kept = sum(a == b for a, b in zip(edge0, edge1))
    results = [
        ("%s: outside the frame as before" % name, not differ,
         "%s: %d pixels outside the frame differ, the first at %s" % (name, len(differ), differ[0] if differ else None)),
        ("%s: the frame where it was" % name, len(edge0) == len(edge1) and kept * 10 >= len(edge0) * 8,
         "%s: the frame's left edge keeps %d of %d rows" % (name, kept, len(edge0))),
    ]
    for good, passed, bad in results:
        print("ok   " + good if passed else "FAIL " + bad)
    return 0 if all(passed for _, passed, _ in results) else 1


def main(argv):
    if argv[1] == "--same":
        return same(argv[2], Shot(argv[3], argv[4]), Shot(argv[5], argv[6]))
    shot = Shot(argv[1], argv[2])
    failed = 0
    name = None
    for arg in argv[3:]:
        if "=" not in arg:
            name = arg
            continue
        kind, want = arg.split("=", 1)
        want = want.upper()
        got = judge(shot, name, kind, want)
        if got == want:
            print("ok   %s %s %s" % (name, kind, want))
        else:
            failed += 1
            print("FAIL %s %s: expected %s, got %s" % (name, kind, want, got))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
