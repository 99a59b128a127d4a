#!/usr/bin/env python3
"""Reads a screenshot region (a binary PPM on standard input, as ImageMagick
writes it) of a face's scroller frame and prints the highest row that holds
anything besides the gradient: a row whose middle differs from its own left
and right edges, which only the bands' colour reaches. Prints -1 for none."""
import sys


def main():
    data = sys.stdin.buffer.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:]

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
