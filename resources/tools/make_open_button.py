#!/usr/bin/env python3
"""Draws the open buttons' 16 x 15 picture (an opening folder) as a 24-bit BMP."""
import struct
import sys

# One character per pixel, top row first.
ART = [
    "................",
    "................",
    "..KKKK..........",
    ".KYYYYK.........",
    ".KYWYYKKKKKKK...",
    ".KYWYYYYYYYYK...",
    ".KYWKKKKKKKKKKK.",
    ".KYWKOOOOOOOOOOK",
    ".KYKOOOOOOOOOOK.",
    ".KYKOOOOOOOOOK..",
    ".KKOOOOOOOOOOK..",
    ".KKOOOOOOOOOK...",
    ".KKKKKKKKKKKK...",
    "................",
    "................",
]
COLOURS = {  # (blue, green, red), as BMP stores them
    ".": (192, 192, 192),
    "K": (0, 0, 0),
    "Y": (0, 192, 255),
    "W": (200, 255, 255),
    "O": (0, 160, 224),
}


def bmp(rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # BMP rows run bottom-up
        line = b"".join(bytes(COLOURS[c]) for c in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + bytes(pixels)


if __name__ == "__main__":
    with open(sys.argv[1] if len(sys.argv) > 1 else "open.bmp", "wb") as out:
        out.write(bmp(ART))
