#!/usr/bin/env python3
"""Draws one of Pelmar's own skins: its bitmaps and its definition, into a folder.

    generate.py NAME OUTDIR          draw skin NAME ("default" or "graphite") into OUTDIR
    generate.py --check OUTDIR       check a drawn skin folder against what the engine reads
    generate.py --list               print the names of the skins

The folder then holds skin.ini and the .bmp files it names; `pelmar-skin pack` turns it
into a .skn file.  Standard library only.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skinart import controls, frame, ranges  # noqa: E402
from skinart.check import check_folder  # noqa: E402
from skinart.skin import Skin, colour_text  # noqa: E402
from skinart.themes import THEMES  # noqa: E402


def personality(theme, skin):
    """Borders, the caption text and its background, and the menu bar."""
    keys = {}
    for key, value in frame.border_images(theme).items():
        keys[key] = skin.image(*value) if isinstance(value, tuple) else value
    w, _ = theme.caption_button
    keys.update({
        "TextBack": skin.image("title-text.bmp", frame.text_back(theme)),
        "TextShift": 28 if theme.text_alignment == 0 else 36,
        "TextShiftVert": 0 if theme.corner == "round" else -2,
        "TextRightClip": theme.border + 3 * (w + theme.caption_gap) + 4,
        "TextAlignment": theme.text_alignment,
        "Textbackground": 1,
        "TXTBackleft": 8,
        "TXTBackRight": 8,
    })
    for prefix, colour in (("ActiveText", theme.title_text), ("InActiveText", theme.title_text_inactive)):
        keys.update({prefix + "R": colour[0], prefix + "G": colour[1], prefix + "B": colour[2]})
    keys.update({"menuBar": skin.image("menubar.bmp", controls.menu_bar_image(theme)),
                 "TileMenu": 0 if theme.corner == "round" else 1, "TileLeftMenu": 2, "TileRightMenu": 2})
    skin.section("Personality", keys)


def colours(theme, skin):
    named = [("WindowText", theme.text), ("ButtonFace", theme.face), ("Scrollbar", theme.track),
             ("HilightText", theme.selection_text), ("Hilight", theme.selection)]
    if theme.write_menubar_colour:
        named.append(("Menubar", theme.menubar))
    named += [("Menu", theme.menu), ("MenuText", theme.menu_text), ("ButtonText", theme.text),
              ("ButtonHilight", theme.highlight), ("Buttonlight", theme.highlight),
              ("ButtonShadow", theme.shadow), ("ButtonDkShadow", theme.dark_shadow),
              ("MenuBarText", theme.menubar_text), ("TitleTextActive", theme.title_text),
              ("TitleTextNoActive", theme.title_text_inactive)]
    skin.section("Colours", {key: colour_text(colour) for key, colour in named})


def build(theme):
    skin = Skin(f"Pelmar skin \"{theme.name}\"")
    personality(theme, skin)
    colours(theme, skin)
    skin.section("Fonts", {"FontHeight": theme.font_height})
    controls.push_button(theme, skin)
    frame.caption_buttons(theme, skin)
    frame.mdi_controls(theme, skin)
    ranges.progress(theme, skin)
    ranges.group_box(theme, skin)
    controls.tabs(theme, skin)
    controls.status_bar(theme, skin)
    controls.toolbar(theme, skin)
    controls.combo(theme, skin)
    controls.header(theme, skin)
    controls.menus(theme, skin)
    ranges.scroll_bars(theme, skin)
    ranges.track_bars(theme, skin)
    ranges.up_down(theme, skin)
    return skin


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", metavar="OUTDIR", help="check a drawn skin folder")
    parser.add_argument("--list", action="store_true", help="print the skin names")
    parser.add_argument("name", nargs="?", help="skin to draw")
    parser.add_argument("outdir", nargs="?", help="folder to draw it into")
    args = parser.parse_args(argv)
    if args.list:
        print("\n".join(THEMES))
        return 0
    if args.check:
        problems = check_folder(args.check)
        for problem in problems:
            print(f"{args.check}: {problem}", file=sys.stderr)
        return 1 if problems else 0
    if not args.name or not args.outdir:
        parser.error("give a skin name and an output folder, or --check FOLDER, or --list")
    if args.name not in THEMES:
        parser.error(f"unknown skin {args.name!r}; the skins are: {', '.join(THEMES)}")
    build(THEMES[args.name]).write(args.outdir)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
