#!/usr/bin/env python3
"""Draws the program's 32 x 32 icon, a mahjong tile with one red circle, and writes it as vornix.ico.

The icon file is committed; run this again (python3 src/ui/make_icon.py) only to change the drawing.
The image is stored the classic way: one 32-bit BGRA bitmap, bottom row first, plus its AND mask.
"""
import os
import struct

SIZE = 32
CLEAR = (0, 0, 0, 0)
EDGE = (40, 90, 40, 255)        # dark green rim of the tile
FACE = (250, 246, 232, 255)     # ivory face
BACK = (60, 150, 70, 255)       # green back showing below the face
RING = (200, 30, 40, 255)       # red circle
DOT = (30, 60, 150, 255)        # blue centre


def inside_rounded(x, y, left, top, right, bottom, radius):
    """True if the pixel centre (x, y) lies in the rectangle with rounded corners."""
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y):
    px, py = x + 0.5, y + 0.5
    if not inside_rounded(px, py, 4, 1, 28, 31, 3):
        return CLEAR
    if not inside_rounded(px, py, 5.2, 2.2, 26.8, 29.8, 2):
        return EDGE
    if py > 25.5:
        return BACK
    distance = ((px - 16) ** 2 + (py - 13.5) ** 2) ** 0.5
    if distance <= 2.5:
        return DOT
    if 5.5 <= distance <= 8.5:
        return RING
    return FACE


def icon_bytes():
    rows = []
    mask_rows = []
    for y in reversed(range(SIZE)):
        row = bytearray()
        bits = 0
        mask = bytearray()
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a))
            bits = (bits << 1) | (1 if a == 0 else 0)
            if x % 8 == 7:
                mask.append(bits)
                bits = 0
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))  # 4 bytes a row: already a multiple of 4
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    image = header + b"".join(rows) + b"".join(mask_rows)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "vornix.ico")
    with open(target, "wb") as out:
        out.write(icon_bytes())


if __name__ == "__main__":
    main()
