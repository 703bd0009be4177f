"""Bitmap files, hard edges over magenta, strips and skin assembly."""

import os
import struct
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from generate import build  # noqa: E402
from skinart.canvas import MAGENTA, Canvas, bmp_bytes, png_bytes, read_bmp, read_png, rounded_rect, strip  # noqa: E402
from skinart.skin import Skin, colour_number, colour_text  # noqa: E402
from skinart.themes import THEMES  # noqa: E402


class BitmapFileTest(unittest.TestCase):
    def test_round_trip_for_widths_that_need_row_padding(self):
        for width in (1, 2, 3, 4, 5, 7):
            canvas = Canvas(width, 3, (0, 0, 0))
            for x in range(width):
                canvas.set(x, 0, (x * 30, 200, 7))
                canvas.set(x, 2, (1, 2, 3 + x))
            data = bmp_bytes(canvas)
            stride = (width * 3 + 3) & ~3
            self.assertEqual(len(data), 54 + 3 * stride, width)
            self.assertEqual(struct.unpack_from("<I", data, 2)[0], len(data))
            self.assertEqual(read_bmp(data).rows, canvas.rows, width)

    def test_rows_are_stored_bottom_up_in_blue_green_red_order(self):
        canvas = Canvas(1, 2, (0, 0, 0))
        canvas.set(0, 0, (10, 20, 30))
        data = bmp_bytes(canvas)
        self.assertEqual(data[54 + 4:54 + 7], bytes((30, 20, 10)))  # top row comes last

    def test_truncated_or_foreign_files_are_refused(self):
        data = bmp_bytes(Canvas(4, 4, (1, 1, 1)))
        for broken in (data[:60], b"PK" + data[2:], data[:28] + struct.pack("<H", 8) + data[30:]):
            with self.assertRaises(ValueError):
                read_bmp(broken)


class PngFileTest(unittest.TestCase):
    def test_round_trip_and_damaged_files_are_refused(self):
        canvas = Canvas(3, 2, (1, 2, 3))
        canvas.set(2, 1, (200, 100, 50))
        data = png_bytes(canvas)
        self.assertEqual(read_png(data).rows, canvas.rows)
        last_idat_byte = data.index(b"IEND") - 9
        damaged = data[:last_idat_byte] + bytes((data[last_idat_byte] ^ 1,)) + data[last_idat_byte + 1:]
        for broken in (damaged, b"GIF89a" + data[6:]):
            with self.assertRaises(ValueError):
                read_png(broken)


class DrawingTest(unittest.TestCase):
    def test_shapes_over_magenta_have_hard_edges(self):
        canvas = Canvas(12, 12)
        canvas.paint(rounded_rect(0.3, 0.3, 11.7, 11.7, 5), (40, 80, 120))
        colours = {pixel for row in canvas.rows for pixel in row}
        self.assertEqual(colours, {MAGENTA, (40, 80, 120)})

    def test_shapes_over_a_colour_are_smoothed(self):
        canvas = Canvas(12, 12, (255, 255, 255))
        canvas.paint(rounded_rect(0.3, 0.3, 11.7, 11.7, 5), (0, 0, 0))
        self.assertGreater(len({pixel for row in canvas.rows for pixel in row}), 2)

    def test_strips_keep_frame_order_and_refuse_mixed_sizes(self):
        frames = [Canvas(2, 3, (n, n, n)) for n in (1, 2, 3)]
        self.assertEqual(strip(frames).get(2, 0), (2, 2, 2))
        self.assertEqual(strip(frames, vertical=True).get(0, 6), (3, 3, 3))
        with self.assertRaises(ValueError):
            strip([Canvas(2, 3), Canvas(3, 3)])


class SkinAssemblyTest(unittest.TestCase):
    def test_names_the_engine_could_not_load_are_refused(self):
        skin = Skin("t")
        self.assertEqual(skin.image("Left.BMP", Canvas(1, 1)), "left.bmp")
        for bad in ("left.bmp", "left.png"):
            with self.assertRaises(ValueError):
                skin.image(bad, Canvas(1, 1))
        skin.section("Tabs", {})
        with self.assertRaises(ValueError):
            skin.section("TABS", {})

    def test_colour_forms(self):
        self.assertEqual(colour_text((255, 128, 0)), "255 128 0")
        self.assertEqual(colour_number((0x24, 0x7B, 0xE0)), "0x00E07B24")

    def test_drawing_is_reproducible(self):
        theme = THEMES["graphite"]
        first, second = build(theme), build(theme)
        self.assertEqual(first.definition_text(), second.definition_text())
        self.assertEqual({n: bmp_bytes(c) for n, c in first.images.items()},
                         {n: bmp_bytes(c) for n, c in second.images.items()})


if __name__ == "__main__":
    unittest.main()
