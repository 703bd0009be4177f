"""The window frame: borders, title bar, caption buttons and the title text background.

The four border images are cut from one drawn window, so their pieces meet without a
seam: the side borders run the full window height (their top ends carry the ends of the
title bar and the rounded corners), the title and bottom images span the width between
them.  Caption buttons take the title bar's own rows as their background, so they look
right whether the engine copies them or treats magenta as transparent.
"""

from dataclasses import dataclass

from . import glyphs
from .canvas import MAGENTA, Canvas, chamfered_rect, mix, rounded_rect, strip

MIDDLE = 8          # length of the stretched or tiled middle of every border image


@dataclass(frozen=True)
class FrameGeometry:
    end: int         # unstretched ends of the title and bottom images
    bottom_end: int  # unstretched bottom end of the side images
    width: int       # of the drawn window
    height: int


def geometry(theme):
    end = max(theme.corner_top - theme.border, 0) + 4
    bottom_end = max(theme.bottom, theme.corner_bottom) + 4
    return FrameGeometry(end, bottom_end, 2 * theme.border + 2 * end + MIDDLE,
                         theme.title + MIDDLE + bottom_end)


def outline_shape(corner, x0, y0, x1, y1, size):
    return chamfered_rect(x0, y0, x1, y1, size) if corner == "chamfer" else rounded_rect(x0, y0, x1, y1, size)


def _window_mask(theme, g):
    """Which pixels of the drawn window are opaque (pixel centres inside the outline)."""
    top = outline_shape(theme.corner, 0, 0, g.width, g.height + theme.corner_top, theme.corner_top)
    bottom = outline_shape(theme.corner, 0, -theme.corner_bottom, g.width, g.height, theme.corner_bottom)
    half = g.height / 2
    return [[(top if y < half else bottom)(x + 0.5, y + 0.5) for x in range(g.width)]
            for y in range(g.height)]


def title_row_colour(theme, active, y):
    top = theme.title_top if active else theme.title_inactive_top
    bottom = theme.title_bottom if active else theme.title_inactive_bottom
    return mix(bottom, top, y / max(theme.title - 1, 1))


def draw_window(theme, active):
    g = geometry(theme)
    mask = _window_mask(theme, g)
    frame_colour = theme.frame_active if active else theme.frame_inactive
    outline = theme.outline_active if active else theme.outline_inactive
    window = Canvas(g.width, g.height)
    for y in range(g.height):
        for x in range(g.width):
            if mask[y][x]:
                window.set(x, y, title_row_colour(theme, active, y) if y < theme.title else frame_colour)
    # A gloss line under the top edge and a darker line closing the title bar.
    window.fill_rect(0, 1, g.width, 2, mix((255, 255, 255), title_row_colour(theme, active, 1), 0.18))
    window.fill_rect(0, theme.title - 1, g.width, theme.title, mix(outline, frame_colour, 0.5))
    _decorate(theme, active, window, g)
    # The client edge: one line just outside the client area.
    left, right, bottom = theme.border, g.width - theme.border, g.height - theme.bottom
    window.fill_rect(left - 1, theme.title, left, bottom + 1, theme.client_edge)
    window.fill_rect(right, theme.title, right + 1, bottom + 1, theme.client_edge)
    window.fill_rect(left - 1, bottom, right + 1, bottom + 1, theme.client_edge)
    for y in range(g.height):
        for x in range(g.width):
            if mask[y][x] and _on_edge(mask, x, y):
                window.set(x, y, outline)
            elif not mask[y][x]:
                window.set(x, y, MAGENTA)
    return window


def _on_edge(mask, x, y):
    height, width = len(mask), len(mask[0])
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            nx, ny = x + dx, y + dy
            if not (0 <= nx < width and 0 <= ny < height) or not mask[ny][nx]:
                return True
    return False


def _decorate(theme, active, window, g):
    """Per-skin touches that stay inside the title image (so one-frame sides still fit)."""
    if theme.corner == "chamfer":
        accent = theme.accent if active else mix(theme.accent, theme.frame_inactive, 0.25)
        window.fill_rect(theme.border, theme.title - 3, g.width - theme.border, theme.title - 1, accent)
        # Rivets on the side borders give the tiled middle a visible period.
        for y in range(theme.title + 2, g.height - g.bottom_end, 4):
            for x in (theme.border // 2, g.width - 1 - theme.border // 2):
                window.set(x, y, mix((0, 0, 0), theme.frame_active, 0.45))
                window.set(x, y + 1, mix((255, 255, 255), theme.frame_active, 0.12))


def border_images(theme):
    """The Left, Right, Top and Bottom images and their definition keys."""
    g = geometry(theme)
    states = [True, False]
    windows = [draw_window(theme, active) for active in states]
    side_states = windows[:theme.side_frames]
    left = strip([w.crop(0, 0, theme.border, g.height) for w in side_states])
    right = strip([w.crop(g.width - theme.border, 0, g.width, g.height) for w in side_states])
    top = strip([w.crop(theme.border, 0, g.width - theme.border, theme.title) for w in windows],
                vertical=True)
    bottom = strip([w.crop(theme.border, g.height - theme.bottom, g.width - theme.border, g.height)
                    for w in side_states], vertical=True)
    keys = {}
    for part, image, frames, ends in (("Left", left, theme.side_frames, (theme.title, g.bottom_end)),
                                      ("Right", right, theme.side_frames, (theme.title, g.bottom_end)),
                                      ("Top", top, 2, (g.end, g.end)),
                                      ("Bottom", bottom, theme.side_frames, (g.end, g.end))):
        keys[part] = (f"{part.lower()}.bmp", image)
        keys[part + "TopHeight"] = ends[0]
        keys[part + "BotHeight"] = ends[1]
        keys[part + "Frame"] = frames
        keys[part + "Stretch"] = 1 if part == "Top" else theme.side_stretch
        keys[part + "Trans"] = 1
    return keys


# ---------------------------------------------------------------------------------------
# Caption buttons.

def _title_background(theme, active, width, y0, height):
    back = Canvas(width, height)
    for y in range(height):
        back.fill_rect(0, y, width, y + 1, title_row_colour(theme, active, y0 + y))
    return back


def caption_y(theme):
    return (theme.title - theme.caption_button[1]) // 2


def caption_button_image(theme, draw_glyph, hot_colour):
    """Frames: normal, pressed, hot, and (with four frames) inactive or unavailable."""
    w, h = theme.caption_button
    y0 = caption_y(theme)
    looks = [(True, None, theme.caption_glyph), (True, theme.caption_pressed, theme.caption_glyph),
             (True, hot_colour, theme.caption_glyph), (False, None, theme.caption_glyph_inactive)]
    frames = []
    for active, fill, glyph_colour in looks[:theme.caption_frames]:
        frame = _title_background(theme, active, w, y0, h)
        if fill is not None:
            frame.paint(outline_shape(theme.corner, 1, 1, w - 1, h - 1, 3), fill)
        draw_glyph(frame, w / 2.0, h / 2.0, glyph_colour)
        frames.append(frame)
    return strip(frames)


CAPTION_GLYPHS = {
    "close": lambda c, x, y, col: glyphs.close(c, x, y, 8, col),
    "maximize": lambda c, x, y, col: glyphs.maximise(c, x, y, 9, col),
    "restore": lambda c, x, y, col: glyphs.restore(c, x, y, 9, col),
    "minimize": lambda c, x, y, col: glyphs.minimise(c, x, y, 9, col),
    "help": lambda c, x, y, col: glyphs.question(c, x, y, col),
}


def caption_buttons(theme, skin):
    """Sections of the title-bar buttons, in the order the engine reads them."""
    w, _ = theme.caption_button
    y = caption_y(theme)
    close_x = theme.border + theme.caption_gap + w
    max_x = close_x + w + theme.caption_gap
    min_x = max_x + w + theme.caption_gap
    # Maximise records its position (Action 1, Visibility 2); help (Action 4) takes it, so
    # it stands where maximise would when a window has context help and no min/max box.
    layout = [
        ("ButtonClose", "close", theme.close_hot, {"Action": 0, "Align": 1, "Xcoord": close_x,
                                                    "Visibility": 0}),
        ("ButtonMaximize", "maximize", theme.caption_hot, {"Action": 1, "Align": 1, "Xcoord": max_x,
                                                           "Visibility": 2, "Visibility1": 6}),
        ("ButtonRestore", "restore", theme.caption_hot, {"Action": 1, "Align": 1, "Xcoord": max_x,
                                                         "Visibility": 1, "Visibility1": 6}),
        ("ButtonMinimize", "minimize", theme.caption_hot, {"Action": 2, "Align": 1, "Xcoord": min_x,
                                                           "Visibility": 6, "Visibility1": 6}),
        ("ButtonHelp", "help", theme.caption_hot, {"Action": 4, "Align": 1, "Visibility": 10}),
    ]
    for section, glyph, hot, keys in layout:
        image = caption_button_image(theme, CAPTION_GLYPHS[glyph], hot)
        keys = dict(keys, Ycoord=y, ButtonImage=skin.image(f"caption-{glyph}.bmp", image))
        # Without a frame key the engine counts 3 frames up to a width:height of 3.8 and 6
        # beyond; the key is left out only where that already gives the right count.
        derived = 3 if image.width / image.height <= 3.8 else 6
        if derived != theme.caption_frames:
            keys["Frame"] = theme.caption_frames
        skin.section(section, keys)
    # The icon button draws the application's icon; without a frame key its image is unused.
    icon_y = (theme.title - 16) // 2
    skin.section("ButtonIcon", {"Action": theme.icon_action, "Align": 0, "Xcoord": theme.border + 6,
                                "Ycoord": icon_y, "Visibility": 0})


def mdi_controls(theme, skin):
    """Minimise, restore and close of a maximised MDI child: 4 frames each, 12 in all.

    They sit in the menu bar; the engine draws frame 1 normally, 2 pressed, 3 or 4 hot."""
    w, h = theme.mdi_button
    frames = []
    for glyph in ("minimize", "restore", "close"):
        for fill in (None, theme.states["pressed"].top, theme.states["hot"].top, theme.states["hot"].top):
            frame = Canvas(w, h, theme.menubar)
            if fill is not None:
                frame.paint(outline_shape(theme.corner, 0, 0, w, h, 2), theme.states["hot"].border)
                frame.paint(outline_shape(theme.corner, 1, 1, w - 1, h - 1, 2), fill)
            CAPTION_GLYPHS[glyph](frame, w / 2.0, h / 2.0, theme.menubar_text)
            frames.append(frame)
    skin.section("MDICONTROLS", {"Image": skin.image("mdicontrols.bmp", strip(frames))})


def text_back(theme):
    """Behind the caption text, three-sliced: frame 1 active, frame 2 inactive."""
    height = theme.title - 8
    width = 24
    y0 = (theme.title - height) // 2
    frames = []
    for active in (True, False):
        frame = _title_background(theme, active, width, y0, height)
        middle = title_row_colour(theme, active, theme.title // 2)
        if theme.corner == "chamfer":
            frame.paint(outline_shape("chamfer", 0, 0, width, height, 3), mix((0, 0, 0), middle, 0.35))
            bar = theme.accent if active else theme.caption_glyph_inactive
            frame.fill_rect(2, 3, 5, height - 3, bar)
        else:
            frame.paint(rounded_rect(0, 0, width, height, height / 2.0), mix((255, 255, 255), middle, 0.14))
        frames.append(frame)
    return strip(frames)
