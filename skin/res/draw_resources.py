#!/usr/bin/env python3
"""Draws the skin component's built-in bitmaps into this folder.

doravexmenu.bmp  64 x 16, 1 bit: four black-on-white glyphs for the buttons of a maximised
                 MDI child - restore, maximise, minimise, close.
track.bmp        16 x 4, 4 bits: the track of a horizontal track bar.
trackvert.bmp    4 x 16, 4 bits: the track of a vertical track bar.

Run it after changing a drawing; the files are checked in.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(width, height, bits, palette, rows):
    """A bottom-up bitmap file; rows are lists of palette indices, top row first."""
    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            bit = x * bits
            packed[bit // 8] |= index << (8 - bits - bit % 8)
        data += packed
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 2835, 2835,
                       len(palette), 0)
    return header + info + table + bytes(data)


def glyph_rows():
    """Black (0) on white (1), each glyph in its own 16-pixel cell."""
    rows = [[1] * 64 for _ in range(16)]

    def box(cell, left, top, right, bottom, title=True):
        x0 = cell * 16
        for x in range(left, right + 1):
            rows[top][x0 + x] = 0
            rows[bottom][x0 + x] = 0
            if title:
                rows[top + 1][x0 + x] = 0
        for y in range(top, bottom + 1):
            rows[y][x0 + left] = 0
            rows[y][x0 + right] = 0

    # Restore: a window behind and to the right, one in front to the left.
    box(0, 5, 3, 12, 9)
    for y in range(6, 13):
        for x in range(3, 11):
            rows[y][x] = 1
    box(0, 3, 6, 10, 12)
    # Maximise: one window.
    box(1, 3, 3, 12, 12)
    # Minimise: a bar near the bottom.
    for y in (11, 12):
        for x in range(4, 11):
            rows[y][32 + x] = 0
    # Close: a cross, two pixels wide.
    for i in range(8):
        for dx in (0, 1):
            rows[4 + i][48 + 4 + i + dx] = 0
            rows[4 + i][48 + 11 - i + dx] = 0
    return rows


def track_rows():
    return [
        [1, 1] + [2] * 12 + [0, 0],
        [1, 1] + [0] * 14,
        [2, 1] + [0] * 14,
        [1, 1] + [0] * 14,
    ]


def track_vert_rows():
    return [[1, 1, 2, 1], [1, 1, 1, 1]] + [[2, 0, 0, 0]] * 12 + [[0, 0, 0, 0]] * 2


def main():
    mono = [(0, 0, 0), (255, 255, 255)]
    # 0 white, 1 silver, 2 grey; the rest of the sixteen entries unused (black).
    track_palette = [(255, 255, 255), (192, 192, 192), (128, 128, 128)] + [(0, 0, 0)] * 13
    files = {
        "doravexmenu.bmp": bmp(64, 16, 1, mono, glyph_rows()),
        "track.bmp": bmp(16, 4, 4, track_palette, track_rows()),
        "trackvert.bmp": bmp(4, 16, 4, track_palette, track_vert_rows()),
    }
    for name, content in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(content)


if __name__ == "__main__":
    main()
