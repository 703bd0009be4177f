#!/usr/bin/env python3
"""Composes a mock window from a drawn skin folder, as the engine would paint it, so the
artwork can be looked at before any window is skinned.

    preview.py SKINDIR OUT.png [--scale N]

Borders, title, caption buttons, caption text background, menu bar and a few controls
are cut into frames and nine-sliced to their target sizes: corners copied, edges and
centre stretched (or the centre tiled), magenta left transparent.  Text is shown as grey
bars.  The PNG is for eyes only and is never shipped.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from skinart.canvas import MAGENTA, Canvas, png_bytes, read_bmp  # noqa: E402
from skinart.check import read_definition  # noqa: E402


class Element:
    def __init__(self, folder, ini, section, image_key="Image", frames=1, vertical=False, keys=None):
        keys = keys or {}
        values = ini.get(section.lower(), {})
        self.image = read_bmp(open(os.path.join(folder, values[image_key.lower()]), "rb").read())
        self.frames = frames
        self.vertical = vertical
        self.margins = tuple(int(values.get(keys.get(k, k).lower(), 0))
                             for k in ("LeftWidth", "TopHeight", "RightWidth", "BottomHeight"))
        self.tile = int(values.get(keys.get("Tile", "Tile").lower(), 0))
        self.trans = int(values.get(keys.get("Trans", "Trans").lower(), 0))

    def frame(self, n):
        if self.vertical:
            h = self.image.height // self.frames
            return self.image.crop(0, (n - 1) * h, self.image.width, n * h)
        w = self.image.width // self.frames
        return self.image.crop((n - 1) * w, 0, n * w, self.image.height)

    def draw(self, target, n, x, y, w, h, stretch_centre=True):
        nine_slice(target, self.frame(n), x, y, w, h, self.margins, stretch_centre,
                   MAGENTA if self.trans else None)


def _scale(source, sx, sy, sw, sh, tw, th, tile):
    out = Canvas(max(tw, 1), max(th, 1))
    for y in range(th):
        src_y = sy + ((y % sh) if tile else (y * sh // th)) if sh else sy
        for x in range(tw):
            src_x = sx + ((x % sw) if tile else (x * sw // tw)) if sw else sx
            out.rows[y][x] = source.rows[src_y][src_x]
    return out


def nine_slice(target, source, x, y, w, h, margins, stretch_centre, transparent):
    left, top, right, bottom = margins
    if w < left + right:
        left = right = 0
    if h < top + bottom:
        top = bottom = 0
    sw, sh = source.width, source.height
    columns = [(0, left, 0, left), (left, sw - left - right, left, w - left - right),
               (sw - right, right, w - right, right)]
    rows = [(0, top, 0, top), (top, sh - top - bottom, top, h - top - bottom),
            (sh - bottom, bottom, h - bottom, bottom)]
    for ri, (sy, shh, ty, th) in enumerate(rows):
        for ci, (sx, sww, tx, tw) in enumerate(columns):
            if th <= 0 or tw <= 0 or shh <= 0 or sww <= 0:
                continue
            tile = ri == 1 and ci == 1 and not stretch_centre
            part = _scale(source, sx, sy, sww, shh, tw, th, tile)
            target.blit(part, x + tx, y + ty, transparent if transparent else (-1, -1, -1))


def text_bar(canvas, x, y, w, colour):
    canvas.fill_rect(x, y, x + w, y + 2, colour)
    canvas.fill_rect(x, y + 4, x + w * 2 // 3, y + 6, colour)


def compose(folder, active, width=560, height=330):
    ini = read_definition(folder)
    p = ini["personality"]
    back = (128, 128, 128)
    canvas = Canvas(width, height, back)

    def border(part, vertical):
        frames = int(p[part + "frame"])
        keys = {"LeftWidth": part + "TopHeight", "RightWidth": part + "BotHeight", "Tile": part + "Stretch",
                "Trans": part + "Trans", "TopHeight": "-", "BottomHeight": "-"}
        if part in ("left", "right"):
            keys.update({"TopHeight": part + "TopHeight", "BottomHeight": part + "BotHeight",
                         "LeftWidth": "-", "RightWidth": "-"})
        e = Element(folder, ini, "personality", part, frames, vertical, keys)
        return e, (1 if active or frames == 1 else 2)

    left, lf = border("left", False)
    right, rf = border("right", False)
    top, tf = border("top", True)
    bottom, bf = border("bottom", True)
    lw = left.image.width // left.frames
    rw = right.image.width // right.frames
    th = top.image.height // top.frames
    bh = bottom.image.height // bottom.frames
    frame = Canvas(width, height)
    frame.fill_rect(lw, th, width - rw, height - bh, tuple(int(v) for v in ini["colours"]["buttonface"].split()))
    left.draw(frame, lf, 0, 0, lw, height, stretch_centre=left.tile == 1)
    right.draw(frame, rf, width - rw, 0, rw, height, stretch_centre=right.tile == 1)
    bottom.draw(frame, bf, lw, height - bh, width - lw - rw, bh, stretch_centre=bottom.tile == 1)
    top.draw(frame, tf, lw, 0, width - lw - rw, th, stretch_centre=top.tile == 1)
    _caption(folder, ini, frame, active, width, lw, rw, th)
    _menu_bar(folder, ini, frame, active, lw, rw, th, width)
    _controls(folder, ini, frame, lw, th + 20)
    _more_controls(folder, ini, frame, lw + 400, th + 20)
    canvas.blit(frame, 0, 0)
    return canvas


def _caption(folder, ini, frame, active, width, lw, rw, th):
    p = ini["personality"]
    colour_key = "titletextactive" if active else "titletextnoactive"
    text_colour = tuple(int(v) for v in ini["colours"][colour_key].split())
    text_w = 110
    back = Element(folder, ini, "personality", "TextBack", 2, False,
                   {"LeftWidth": "TXTBackleft", "RightWidth": "TXTBackRight", "TopHeight": "-", "BottomHeight": "-"})
    full = text_w + back.margins[0] + back.margins[2]
    if int(p.get("textalignment", 0)) == 1:
        x = lw + (width - lw - rw - full) // 2
    else:
        x = lw + int(p.get("textshift", 0))
    y = (th - back.image.height) // 2
    back.draw(frame, 1 if active else 2, x, y, full, back.image.height)
    text_bar(frame, x + back.margins[0], th // 2 - 3, text_w, text_colour)
    for section, values in ini.items():
        if not section.startswith("button") or section in ("buttons", "button.radio", "button.checkbox"):
            continue
        action, vis = int(values.get("action", 0)), int(values.get("visibility", 0))
        if action == 4 or (action == 1 and vis == 1):
            continue     # help and restore stand where maximise stands
        image_name = values.get("buttonimage")
        if not image_name:
            frame.fill_rect(lw + 6, (th - 16) // 2, lw + 22, (th - 16) // 2 + 16, (230, 180, 40))  # icon
            continue
        image = read_bmp(open(os.path.join(folder, image_name), "rb").read())
        frames = int(values.get("frame", 0)) or (3 if image.width / image.height <= 3.8 else 6)
        w = image.width // frames
        n = 1 if active else (4 if frames >= 4 else 1)
        if active and section == "buttonclose":
            n = 3  # show the hot look once
        part = image.crop((n - 1) * w, 0, n * w, image.height)
        bx = width - int(values.get("xcoord", 0)) if int(values.get("align", 0)) == 1 else int(values["xcoord"])
        frame.blit(part, bx, int(values.get("ycoord", 0)), (-1, -1, -1))


def _menu_bar(folder, ini, frame, active, lw, rw, th, width):
    bar = Element(folder, ini, "personality", "menuBar", 2, True,
                  {"LeftWidth": "TileLeftMenu", "RightWidth": "TileRightMenu", "TopHeight": "-",
                   "BottomHeight": "-", "Tile": "TileMenu"})
    bar.draw(frame, 1 if active else 2, lw, th, width - lw - rw, 20, stretch_centre=bar.tile != 1)
    colour = tuple(int(v) for v in ini["colours"]["menubartext"].split())
    for i, w in enumerate((24, 30, 28)):
        text_bar(frame, lw + 8 + i * 46, th + 7, w, colour)
    mdi = read_bmp(open(os.path.join(folder, ini["mdicontrols"]["image"]), "rb").read())
    w = mdi.width // 12
    for k in range(3):
        part = mdi.crop(4 * k * w, 0, 4 * k * w + w, mdi.height)
        frame.blit(part, width - (w + 4) * (3 - k) - rw, th + (20 - mdi.height) // 2, (-1, -1, -1))


def _controls(folder, ini, frame, x0, y0):
    text = tuple(int(v) for v in ini["colours"]["buttontext"].split())
    button = Element(folder, ini, "buttons", "Bitmap", 5)
    for i in range(5):
        button.draw(frame, i + 1, x0 + 10 + i * 78, y0 + 10, 72, 24)
        text_bar(frame, x0 + 26 + i * 78, y0 + 19, 40, text)
    for i, (key, count_key) in enumerate((("CheckButton", "checkbuttonframe"), ("RadioButton", "radiobuttonframe"))):
        image = read_bmp(open(os.path.join(folder, ini["buttons"][key.lower()]), "rb").read())
        count = int(ini["buttons"].get(count_key, 0)) or max(image.width // (13 if image.height < 16 else 16), 4)
        w = image.width // count
        for n in range(min(count, 8)):
            frame.blit(image.crop(n * w, 0, (n + 1) * w, image.height), x0 + 10 + n * 24, y0 + 44 + i * 22)
    tabs = Element(folder, ini, "tabs", "Image", 5)
    style = int(ini["tabs"].get("style", 0))
    pane = Element(folder, ini, "tabs", "Border") if style == 0 else Element(folder, ini, "tab.pane")
    margins = (4, 5, 4, 4) if style == 0 else tuple(min(m, 4) for m in pane.margins)
    nine_slice(frame, pane.frame(1), x0 + 210, y0 + 64, 170, 60, margins, True, None)
    for i, n in enumerate((1, 2, 1)):
        tabs.draw(frame, n, x0 + 212 + i * 52, y0 + 44 + (0 if n == 2 else 2), 52, 22 - (0 if n == 2 else 2))
    extra = Element(folder, ini, "extraimages", "Image", 5)
    combo, margins = built_combo(folder, ini)
    for i, state in enumerate((1, 4)):
        nine_slice(frame, combo.crop(50 * (state - 1), 0, 50 * state, 21), x0 + 10, y0 + 90 + i * 24, 150, 21,
                   margins, True, MAGENTA)
    scroll = Element(folder, ini, "scrollbar", "Image", 23)
    track = Element(folder, ini, "horzscroll", "Image", 4)
    thumbs = int(ini["horzscrollthumb"].get("framecount", 3))
    thumb = Element(folder, ini, "horzscrollthumb", "Image", thumbs)
    s = scroll.image.height
    track.draw(frame, 1, x0 + 10, y0 + 142, 190, s)
    scroll.draw(frame, 9, x0 + 10, y0 + 142, s, s)
    scroll.draw(frame, 13, x0 + 200 - s, y0 + 142, s, s)
    thumb.draw(frame, 3, x0 + 60, y0 + 142, 50, s)
    frame.blit(scroll.frame(22), x0 + 60 + 25 - s // 2, y0 + 142)
    progress = Element(folder, ini, "progress", "Bitmap", 2 if int(ini["progress"].get("style", 0)) == 0 else 1)
    chunk = Element(folder, ini, "progress.chunk", "Image", 1)
    progress.draw(frame, 1, x0 + 10, y0 + 166, 190, 16)
    for k in range(10):
        chunk.draw(frame, 1, x0 + 13 + k * chunk.image.width, y0 + 168, chunk.image.width, 12)
    channel = Element(folder, ini, "track", "Image", int(ini["track"].get("frame", 1)))
    knob = Element(folder, ini, "trackbar.thumbdown", "Image", 5)
    channel.draw(frame, 1, x0 + 220, y0 + 150, 150, 6)
    knob.draw(frame, 4, x0 + 280, y0 + 144, 11, 19)
    status = Element(folder, ini, "statusbaredges", "Image", 3)
    sy = frame.height - int(ini["personality"]["bottomtopheight"]) - 30
    status.draw(frame, 2, x0 + 2, sy, 200, 20)
    status.draw(frame, 2, x0 + 206, sy, 150, 20)
    frame.blit(extra.frame(5), x0 + 358, sy + 8)


def _more_controls(folder, ini, frame, x0, y0):
    """Header, tool buttons, up-down, group box and a pop-up menu."""
    text = tuple(int(v) for v in ini["colours"]["buttontext"].split())
    header = Element(folder, ini, "headerbar", "Image", int(ini["headerbar"].get("frame", 0)) or 5)
    for i, state in enumerate((1, 4, 2)):
        header.draw(frame, state, x0 + i * 45, y0 + 6, 45, 20)
        text_bar(frame, x0 + 6 + i * 45, y0 + 12, 26, text)
    tools = Element(folder, ini, "toolbars", "Image", 5)
    for i, state in enumerate((1, 4, 2, 5)):
        tools.draw(frame, state, x0 + i * 26, y0 + 32, 24, 24)
        frame.fill_rect(x0 + i * 26 + 7, y0 + 39, x0 + i * 26 + 17, y0 + 49, (200, 150, 60))
    updown = Element(folder, ini, "updown.vert", "Image", 8)
    arrows = Element(folder, ini, "updown.vert", "GlyphImage", 8)
    for i, state in enumerate((1, 8)):
        updown.draw(frame, state, x0 + 110, y0 + 32 + i * 11, 16, 11)
        frame.blit(arrows.frame(state), x0 + 110 + 4, y0 + 32 + i * 11 + 3)
    edge = Element(folder, ini, "groupboxedge", "Image", 2)
    label = Element(folder, ini, "groupbox", "Image", 1)
    edge.draw(frame, 1, x0, y0 + 70, 140, 60)
    label.draw(frame, 1, x0 + 8, y0 + 62, 60, 16)
    text_bar(frame, x0 + 16, y0 + 67, 40, text)
    background = Element(folder, ini, "menubackground", "Image", 1)
    item = Element(folder, ini, "menuitem", "Image", 5)
    menu_text = tuple(int(v) for v in ini["colours"]["menutext"].split())
    selected_text = tuple(int(v) for v in ini["colours"]["hilighttext"].split())
    mx, my = x0 + 10, y0 + 140
    background.draw(frame, 1, mx, my, 120, 92)
    rows = [(1, menu_text), (4, selected_text), (2, None), (3, (150, 150, 150)), (1, menu_text)]
    for i, (state, colour) in enumerate(rows):
        y = my + 3 + i * 17
        item.draw(frame, state, mx + 3, y, 114, 17)
        if colour:
            text_bar(frame, mx + 12, y + 6, 50, colour)


def built_combo(folder, ini, scroll_width=17):
    """The combo box images the engine builds from SunkEdge, ComboButton and ExtraImages."""
    edge = Element(folder, ini, "sunkedge", "Image", 4)
    button = Element(folder, ini, "combobutton", "Image", 4)
    extra = Element(folder, ini, "extraimages", "Image", 5)
    s = scroll_width + 2
    result = Canvas(200, 21)
    for i in range(1, 5):
        work = Canvas(50, 21)
        edge.draw(work, i, 0, 0, 50, 21)
        nine_slice(work, button.frame(i), 50 - s, 0, s, 21, button.margins, True, MAGENTA)
        glyph = extra.frame(i)
        work.blit(glyph, 50 - s + (s - glyph.width) // 2, (21 - glyph.height) // 2)
        work.fill_rect(2, 2, 49 - s, 18, MAGENTA)
        result.blit(work, 50 * (i - 1), 0, (-1, -1, -1))
    left, top, _, bottom = edge.margins
    return result, (2, top, s + 2, bottom)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("skindir")
    parser.add_argument("out")
    parser.add_argument("--scale", type=int, default=2)
    args = parser.parse_args(argv)
    shots = [compose(args.skindir, active) for active in (True, False)]
    sheet = Canvas(shots[0].width * 2 + 10, shots[0].height, (128, 128, 128))
    for i, shot in enumerate(shots):
        sheet.blit(shot, i * (shot.width + 10), 0, (-1, -1, -1))
    scaled = Canvas(sheet.width * args.scale, sheet.height * args.scale)
    scaled.rows = [[p for p in row for _ in range(args.scale)] for row in sheet.rows for _ in range(args.scale)]
    with open(args.out, "wb") as out:
        out.write(png_bytes(scaled))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
