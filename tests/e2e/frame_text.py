#!/usr/bin/env python3
"""Reads a screenshot region (a binary PPM on standard input, as ImageMagick
writes it) of a face's scroller frame and prints the highest row that holds
anything besides the gradient: a row whose middle differs from its own left
and right edges, which only the bands' colour reaches. Prints -1 for none."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import ppm  # noqa: E402


def main():
    _, width, height, _, pixels = ppm.parse(sys.stdin.buffer.read())

    def at(x, y):
        i = 3 * (y * width + x)
        return pixels[i:i + 3]

    for y in range(height):
        left, right = at(0, y), at(width - 1, y)
        if any(at(x, y) not in (left, right) for x in range(width // 6, width - width // 6)):
            print(y)
            return
    print(-1)


main()
