#!/usr/bin/env python3
"""Draws the program's icon, ui/Pelmar.ico: a picture (sky, hill, sun) with a yellow label
tied to its corner, the label standing for the alt text the program writes. 32x32 and 16x16
images, 32-bit with alpha. Run it again after changing the drawing: python3 ui/draw_icon.py"""
import os
import struct


def shade(x, y, n):
    """The colour (r, g, b, a) of pixel (x, y) of an n x n image, on a 32-unit grid."""
    u, v = (x + 0.5) * 32 / n, (y + 0.5) * 32 / n
    # The label: a yellow tag at the lower right, with a dark hole.
    if 18 <= u <= 30 and 19 <= v <= 29 and (u - 18) + (29 - v) >= 2:
        if (u - 21) ** 2 + (v - 22) ** 2 <= 2.2:
            return (60, 40, 0, 255)
        return (250, 205, 40, 255)
    # The picture's frame and its content.
    if 2 <= u <= 26 and 4 <= v <= 24:
        if u < 4 or u > 24 or v < 6 or v > 22:
            return (70, 55, 40, 255)
        if (u - 19) ** 2 + (v - 10) ** 2 <= 6:
            return (255, 220, 60, 255)
        if v > 13 + abs(u - 11) * 0.6:
            return (60, 150, 60, 255)
        return (120, 180, 235, 255)
    return (0, 0, 0, 0)


def image(n):
    """One icon image: BITMAPINFOHEADER, bottom-up BGRA pixels, the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    row_bytes = ((n + 31) // 32) * 4
    for y in reversed(range(n)):
        bits = 0
        row = bytearray(row_bytes)
        for x in range(n):
            r, g, b, a = shade(x, y, n)
            pixels += bytes((b, g, r, a))
            if a == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def main():
    images = [(n, image(n)) for n in (32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Pelmar.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
