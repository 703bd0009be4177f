#!/usr/bin/env python3
"""Checks that a picture saved by SkinGallery shows its window skinned, and active, with
the drawn skin in SKINDIR, rather than in the system's look:

    check_gallery.py PICTURE.png SKINDIR

- the tops of the left and right borders, as high as the skin keeps them unstretched,
  are the active frames of the skin's Left and Right images, pixel for pixel (magenta
  pixels are cut away from the window, so they are not compared);
- most of the title bar between them is in colours of the active frame of the skin's Top
  image (the caption text, icon and buttons take the rest).
"""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "skins"))

from skinart.canvas import MAGENTA, read_bmp, read_png  # noqa: E402
from skinart.check import integer, read_definition  # noqa: E402

# The caption text, icon and buttons cover less than this share of a title bar.
TITLE_SHARE = 0.5


def image(folder, personality, part):
    with open(os.path.join(folder, personality[part.lower()]), "rb") as source:
        return read_bmp(source.read())


def border_problems(picture, folder, personality):
    """Differences between the tops of the side borders and the skin's images; the widths of
    the two borders."""
    problems, widths = [], []
    for part in ("Left", "Right"):
        border = image(folder, personality, part)
        width = border.width // integer(personality, part + "Frame", 1)
        rows = min(integer(personality, part + "TopHeight"), border.height, picture.height)
        left = 0 if part == "Left" else picture.width - width
        wrong = [(x, y) for y in range(rows) for x in range(width)
                 if border.get(x, y) != MAGENTA and picture.get(left + x, y) != border.get(x, y)]
        if wrong:
            x, y = wrong[0]
            problems.append(f"{len(wrong)} pixels of the {part.lower()} border's top differ from the skin's, "
                            f"first at ({left + x},{y}): {picture.get(left + x, y)} for {border.get(x, y)}")
        widths.append(width)
    return problems, widths


def title_problems(picture, folder, personality, left, right):
    top = image(folder, personality, "Top")
    height = top.height // integer(personality, "TopFrame", 1)
    colours = {top.get(x, y) for y in range(height) for x in range(top.width)} - {MAGENTA}
    band = [picture.get(x, y) for y in range(min(height, picture.height)) for x in range(left, picture.width - right)]
    share = sum(colour in colours for colour in band) / max(len(band), 1)
    if share < TITLE_SHARE:
        return [f"only {share:.0%} of the title bar is in the skin's active title colours"]
    return []


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], "rb") as source:
        picture = read_png(source.read())
    personality = read_definition(argv[2]).get("personality", {})
    problems, (left, right) = border_problems(picture, argv[2], personality)
    problems += title_problems(picture, argv[2], personality, left, right)
    for problem in problems:
        print(f"{argv[1]}: {problem}")
    if not problems:
        print(f"{argv[1]}: a {picture.width} x {picture.height} picture of the window skinned with {argv[2]}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
