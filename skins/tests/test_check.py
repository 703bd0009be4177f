"""The skin check must find the faults that would spoil a skin in the engine; the
generator must leave a folder that holds exactly what the definition names."""

import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from generate import build  # noqa: E402
from skinart.canvas import MAGENTA, bmp_bytes, read_bmp  # noqa: E402
from skinart.check import check_folder  # noqa: E402
from skinart.themes import THEMES  # noqa: E402


class SkinCheckTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="pelmar-skins-")
        for name, theme in THEMES.items():
            build(theme).write(os.path.join(cls.root, name))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.root)

    def setUp(self):
        self.folder = os.path.join(self.root, "work")
        shutil.rmtree(self.folder, ignore_errors=True)
        shutil.copytree(os.path.join(self.root, "default"), self.folder)

    def edit_definition(self, old, new):
        path = os.path.join(self.folder, "skin.ini")
        with open(path, newline="") as source:
            text = source.read()
        self.assertIn(old, text)
        with open(path, "w", newline="") as out:
            out.write(text.replace(old, new, 1))

    def edit_image(self, name, change):
        path = os.path.join(self.folder, name)
        with open(path, "rb") as source:
            canvas = change(read_bmp(source.read()))
        with open(path, "wb") as out:
            out.write(bmp_bytes(canvas))

    def assertProblem(self, fragment):
        problems = check_folder(self.folder)
        self.assertTrue(any(fragment in p for p in problems), f"{fragment!r} not in {problems}")

    def test_both_drawn_skins_pass(self):
        for name in THEMES:
            self.assertEqual(check_folder(os.path.join(self.root, name)), [], name)

    def test_missing_image_and_missing_element(self):
        os.remove(os.path.join(self.folder, "tabs.bmp"))
        self.assertProblem("[Tabs] Image=tabs.bmp")
        self.edit_definition("[Scrollbar]\r\nImage=scrollbar.bmp", "[Scrollbar]\r\nImage=")
        self.assertProblem("[Scrollbar] Image names no image")

    def test_names_the_engine_would_not_load(self):
        # A note after the name makes it end in something other than .bmp.
        self.edit_definition("Left=left.bmp", "Left=left.bmp ; side")
        self.assertProblem("[Personality] Left=left.bmp ; side")
        self.edit_definition("Right=right.bmp", "Right=Right.bmp")
        self.assertProblem("looked up in lower case")

    def test_image_that_does_not_split_into_its_frames(self):
        self.edit_image("combo-button.bmp", lambda c: c.crop(0, 0, c.width - 1, c.height))
        self.assertProblem("[ComboButton] Image")
        self.edit_definition("LeftFrame=2", "LeftFrame=3")
        self.assertProblem("[Personality] Left: 8 pixels do not split into 3 frames")

    def test_caption_button_frame_count_derived_from_the_image_shape(self):
        # Without a frame key a 112 x 20 image (ratio 5.6) is cut into 6 frames: 112 does not split.
        self.edit_definition("ButtonImage=caption-close.bmp\r\nFrame=4", "ButtonImage=caption-close.bmp")
        self.assertProblem("[ButtonClose] ButtonImage: 112 pixels do not split into 6 frames")

    def test_corner_that_is_not_transparent(self):
        def fill_corner(canvas):
            canvas.set(0, 0, (10, 20, 30))
            return canvas
        self.edit_image("left.bmp", fill_corner)
        self.assertProblem("corner pixel (0,0) is not magenta")

    def test_magenta_where_the_engine_draws_opaque_and_pink_fringes(self):
        def spot(colour):
            def change(canvas):
                canvas.set(3, 3, colour)
                return canvas
            return change
        self.edit_image("menubar.bmp", spot(MAGENTA))
        self.assertProblem("[Personality] menuBar=menubar.bmp is drawn opaque but holds magenta")
        self.edit_image("button.bmp", spot((250, 30, 240)))
        self.assertProblem("button.bmp: pixel (3,3) is nearly magenta")

    def test_button_reaching_below_the_title(self):
        self.edit_definition("[ButtonMinimize]\r\nAction=2\r\nAlign=1\r\nXcoord=94\r\nVisibility=6\r\n"
                             "Visibility1=6\r\nYcoord=4",
                             "[ButtonMinimize]\r\nAction=2\r\nAlign=1\r\nXcoord=94\r\nVisibility=6\r\n"
                             "Visibility1=6\r\nYcoord=12")
        self.assertProblem("[ButtonMinimize] reaches below the title bar")

    def test_rewriting_a_folder_removes_images_no_longer_named(self):
        stale = os.path.join(self.folder, "retired.bmp")
        with open(stale, "wb") as out:
            out.write(b"BM")
        build(THEMES["graphite"]).write(self.folder)
        self.assertFalse(os.path.exists(stale))
        self.assertEqual(check_folder(self.folder), [])


if __name__ == "__main__":
    unittest.main()
