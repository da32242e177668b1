#!/usr/bin/env python3
"""Turns the text picture mainicon.txt into mainicon.ico (32 x 32, 16 colours).

Each character is one pixel: a hexadecimal digit indexes the standard 16-colour palette below,
"." is transparent. Run it after changing the picture and commit both files; a unit test checks
that they agree.
"""
import struct
import sys
from pathlib import Path

PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
SIZE = 32


def icon_bytes(rows):
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        sys.exit("the picture must be 32 lines of 32 characters")
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):  # bitmaps are stored bottom-up
        for x in range(0, SIZE, 2):
            pair = [0 if c == "." else int(c, 16) for c in row[x:x + 2]]
            xor.append(pair[0] << 4 | pair[1])
        bits = 0
        for c in row:
            bits = bits << 1 | (c == ".")
        mask += bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = Path(__file__).resolve().parent
    rows = (here / "mainicon.txt").read_text().splitlines()
    (here / "mainicon.ico").write_bytes(icon_bytes(rows))


if __name__ == "__main__":
    main()
