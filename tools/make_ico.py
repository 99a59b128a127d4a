#!/usr/bin/env python3
"""Wraps a 32x32 binary PPM (P6) into a one-image, 24-bit, fully opaque ICO.

ImageMagick only writes 32-bit icons with an alpha channel; the window icon
is meant to be a plain 24-bit image, so the container is written by hand.
Usage: make_ico.py in.ppm out.ico
"""
import struct
import sys

import ppm


def read_ppm(path):
    magic, width, height, maxval, raster = ppm.parse(open(path, "rb").read())
    if magic != b"P6" or maxval != 255:
        sys.exit(f"{path}: need an 8-bit P6 PPM")
    return width, height, raster[:width * height * 3]


def main():
    src, dst = sys.argv[1], sys.argv[2]
    width, height, rgb = read_ppm(src)
    if (width, height) != (32, 32):
        sys.exit(f"{src}: expected 32x32, got {width}x{height}")
    stride = width * 3  # 96, already a multiple of four
    xor = b"".join(
        bytes(rgb[y * stride + x * 3 + c] for x in range(width) for c in (2, 1, 0))
        for y in reversed(range(height)))           # bottom-up, BGR
    and_mask = bytes(((width + 31) // 32) * 4 * height)  # all zero: opaque
    image = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 24, 0,
                        len(xor) + len(and_mask), 0, 0, 0, 0) + xor + and_mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width, height, 0, 0, 1, 24, len(image), 6 + 16)
    with open(dst, "wb") as f:
        f.write(header + entry + image)


if __name__ == "__main__":
    main()
