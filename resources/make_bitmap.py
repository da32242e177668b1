#!/usr/bin/env python3
"""Turns a black-and-white text picture into an uncompressed 24-bit .bmp.

Usage: make_bitmap.py PICTURE.txt OUTPUT.bmp

Each character is one pixel: "#" black, "." white; every line must be as long as the first.
The output depends on the picture alone (no time stamp, resolution left 0), so regenerating an
unchanged picture leaves the committed .bmp untouched; a unit test checks that the two agree.
"""
import struct
import sys
from pathlib import Path

COLOURS = {"#": b"\x00\x00\x00", ".": b"\xff\xff\xff"}


def bitmap_bytes(rows):
    height = len(rows)
    width = len(rows[0]) if rows else 0
    if width == 0 or any(len(row) != width for row in rows):
        sys.exit("the picture must be non-empty lines of equal length")
    stride = (width * 3 + 3) // 4 * 4
    pixels = bytearray()
    for y, row in enumerate(reversed(rows)):  # bitmaps are stored bottom-up
        for c in row:
            if c not in COLOURS:
                sys.exit(f"line {height - y}: only '#' and '.' are allowed, not {c!r}")
            pixels += COLOURS[c]
        pixels += bytes(stride - width * 3)
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0,
                              0)
    return file_header + info_header + bytes(pixels)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.splitlines()[2])
    rows = Path(sys.argv[1]).read_text().splitlines()
    Path(sys.argv[2]).write_bytes(bitmap_bytes(rows))


if __name__ == "__main__":
    main()
