"""Images of the controls that show a range: scroll bars, track bars, progress bars and
up-down buttons, and the group box (whose frame is drawn from the same kind of edges)."""

from . import glyphs
from .canvas import Canvas, mix, rounded_rect, segment, strip, triangle, union
from .controls import STATE_ORDER, face, glyph_colour
from .frame import outline_shape

FOUR_STATES = STATE_ORDER[:4]
ARROWS = ("up", "down", "left", "right")


def _each(frames, turn):
    return [turn(frame) for frame in frames]


def _margins(left, right, top, bottom):
    return {"LeftWidth": left, "RightWidth": right, "TopHeight": top, "BottomHeight": bottom}


def scroll_bars(theme, skin):
    """Scrollbar holds 23 square frames: the up, down, left and right buttons (four states
    each, frames 1-16), the grip drawn on a vertical thumb (normal, pressed, hot: 17-19),
    the grip on a horizontal thumb (20-22) and the corner box where two bars meet (23)."""
    s = theme.scroll_size
    frames = []
    for direction in ARROWS:
        for state in FOUR_STATES:
            button = face(theme, s, s, state, fill_outside=theme.track)
            glyphs.arrow(button, s / 2.0, s / 2.0 + (0.5 if state == "pressed" else 0), 7, direction,
                         glyph_colour(theme, state))
            frames.append(button)
    for vertical in (True, False):
        for state in ("normal", "pressed", "hot"):
            grip = Canvas(s, s)
            light = mix(theme.highlight, _thumb_colour(theme, state), 0.4)
            glyphs.grip_lines(grip, s / 2.0, s / 2.0, vertical, theme.dark_shadow, light)
            frames.append(grip)
    frames.append(Canvas(s, s, theme.face))
    skin.section("Scrollbar", {"Image": skin.image("scrollbar.bmp", strip(frames)),
                               **_margins(3, 3, 3, 3), "Trans": 1, "Tile": 0})

    tracks = []
    for state in FOUR_STATES:
        fill = {"normal": theme.track, "pressed": mix(theme.shadow, theme.track, 0.5),
                "disabled": theme.face, "hot": mix(theme.highlight, theme.track, 0.3)}[state]
        track = Canvas(16, s, fill)
        track.fill_rect(0, 0, 16, 1, mix(theme.shadow, fill, 0.5))
        track.fill_rect(0, s - 1, 16, s, mix(theme.shadow, fill, 0.5))
        tracks.append(track)
    skin.section("HorzScroll", {"Image": skin.image("scroll-horz.bmp", strip(tracks)),
                                **_margins(2, 2, 2, 2), "Trans": 0, "Tile": 0})
    skin.section("VertScroll", {"Image": skin.image("scroll-vert.bmp", strip(_each(tracks, Canvas.transposed))),
                                **_margins(2, 2, 2, 2), "Trans": 0, "Tile": 0})

    thumb_states = ("normal", "pressed", "hot", "disabled")[:theme.thumb_frames]
    thumbs = [_thumb(theme, 24, s, state) for state in thumb_states]
    thumb_keys = {"Trans": 1, "Tile": 0}
    if theme.thumb_frames != 3:
        thumb_keys["FrameCount"] = theme.thumb_frames
    skin.section("HorzScrollThumb", {"Image": skin.image("thumb-horz.bmp", strip(thumbs)),
                                     **_margins(6, 6, 3, 3), **thumb_keys})
    skin.section("VertScrollThumb", {"Image": skin.image("thumb-vert.bmp", strip(_each(thumbs, Canvas.transposed))),
                                     **_margins(3, 3, 6, 6), **thumb_keys})


def _thumb_colour(theme, state):
    # Thumbs lean towards the text colour, so they stand out on light and dark tracks.
    return {"normal": mix(theme.text, theme.track, 0.3), "pressed": theme.accent,
            "hot": mix(theme.text, theme.track, 0.45), "disabled": theme.face}[state]


def _thumb(theme, w, h, state):
    thumb = Canvas(w, h)
    thumb.paint(outline_shape(theme.corner, 1, 3, w - 1, h - 3, (h - 6) / 2.0 if theme.corner == "round" else 2),
                _thumb_colour(theme, state))
    return thumb


def track_bars(theme, skin):
    channels = []
    for state in ("normal", "disabled")[:theme.track_frames]:
        fill = theme.window if state == "normal" else theme.face
        channel = Canvas(16, 6, fill)
        channel.fill_rect(0, 0, 16, 1, theme.shadow)
        channel.fill_rect(0, 0, 1, 6, theme.shadow)
        channel.fill_rect(0, 5, 16, 6, theme.highlight)
        channel.fill_rect(15, 0, 16, 6, theme.highlight)
        channels.append(channel)
    frame_key = {"Frame": theme.track_frames}
    skin.section("Track", {"Image": skin.image("track.bmp", strip(channels)), **_margins(3, 3, 2, 2),
                           "Trans": 0, "Tile": 0, **frame_key})
    skin.section("TRACKVERT", {"Image": skin.image("track-vert.bmp", strip(_each(channels, Canvas.transposed))),
                               **_margins(2, 2, 3, 3), "Trans": 0, "Tile": 0, **frame_key})

    plain = [face(theme, 11, 19, state) for state in STATE_ORDER]
    pointing_down = [_pointer(theme, state) for state in STATE_ORDER]
    pointing_right = _each(pointing_down, Canvas.transposed)
    thumbs = {
        "Trackbar.ThumbHorz": plain,
        "Trackbar.ThumbVert": _each(plain, Canvas.transposed),
        "Trackbar.ThumbLeft": _each(pointing_right, Canvas.mirrored),
        "Trackbar.ThumbRight": pointing_right,
        "Trackbar.ThumbUp": _each(pointing_down, Canvas.flipped),
        "Trackbar.ThumbDown": pointing_down,
    }
    for section, frames in thumbs.items():
        name = "trackbar-" + section.split(".")[1].lower() + ".bmp"
        skin.section(section, {"Image": skin.image(name, strip(frames)), "Trans": 1, "Tile": 0})


def _pointer(theme, state):
    """A track-bar thumb 11 x 19 whose lower end points down at the ticks."""
    look = theme.states[state]
    w, h, body = 11, 19, 13
    outer = union(rounded_rect(0, 0, w, body + 1, 2), triangle((0, body - 1), (w, body - 1), (w / 2.0, h)))
    inner = union(rounded_rect(1, 1, w - 1, body, 1), triangle((1, body - 1), (w - 1, body - 1), (w / 2.0, h - 1.6)))
    thumb = Canvas(w, h)
    thumb.paint(outer, look.border)
    for y in range(h):
        thumb.paint(inner, mix(look.bottom, look.top, y / (h - 1.0)), box=(0, y, w, y + 1))
    return thumb


def progress(theme, skin):
    """Style 0: trough and fill side by side; style 1: the trough alone, chunks fill it."""
    trough = Canvas(16, 16, theme.window)
    trough.frame_rect(0, 0, 16, 16, theme.states["normal"].border)
    trough.fill_rect(1, 1, 15, 2, mix(theme.shadow, theme.window, 0.4))
    frames = [trough]
    if theme.progress_style == 0:
        fill = Canvas(16, 16, theme.window)
        fill.frame_rect(0, 0, 16, 16, theme.states["normal"].border)
        fill.vertical_gradient(1, 1, 15, 15, mix((255, 255, 255), theme.accent, 0.3), theme.accent)
        frames.append(fill)
    skin.section("Progress", {"Bitmap": skin.image("progress.bmp", strip(frames)), "Style": theme.progress_style,
                              **_margins(3, 3, 3, 3), "Trans": 0, "Tile": 0})
    chunk = Canvas(10, 12)
    chunk.vertical_gradient(0, 0, 8, 12, mix((255, 255, 255), theme.accent, 0.3), theme.accent)
    if theme.corner == "chamfer":
        chunk.paint(segment(1, 11, 7, 1, 1.5), mix((255, 255, 255), theme.accent, 0.35), box=(0, 0, 8, 12))
    skin.section("Progress.Chunk", {"Image": skin.image("progress-chunk.bmp", chunk), "Frame": 1,
                                    "Trans": 1, "Tile": 0})


def up_down(theme, skin):
    """Eight frames: the first button (up, or left) in four states, then the second.
    GlyphImage holds the arrows in the same order, to be centred on the buttons."""
    buttons = [face(theme, 16, 10, state, corners=corners)
               for corners in ("top", "bottom") for state in FOUR_STATES]
    arrows = []
    for direction in ("up", "down"):
        for state in FOUR_STATES:
            arrow = Canvas(9, 6)
            glyphs.arrow(arrow, 4.5, 3.0, 7, direction, glyph_colour(theme, state))
            arrows.append(arrow)
    skin.section("UpDown.Horz", {"Image": skin.image("updown-horz.bmp", strip(_each(buttons, Canvas.transposed))),
                                 "GlyphImage": skin.image("updown-glyph-horz.bmp",
                                                          strip(_each(arrows, Canvas.transposed))),
                                 **_margins(3, 3, 3, 3), "Trans": 1, "Tile": 0})
    skin.section("UpDown.Vert", {"Image": skin.image("updown-vert.bmp", strip(buttons)),
                                 "GlyphImage": skin.image("updown-glyph-vert.bmp", strip(arrows)),
                                 **_margins(3, 3, 3, 3), "Trans": 1, "Tile": 0})


def group_box(theme, skin):
    """GroupBoxEdge: the frame, enabled and disabled; GroupBox: the caption's label."""
    edges = []
    for colour in (theme.states["normal"].border, theme.shadow):
        edge = Canvas(16, 16)
        edge.paint(outline_shape(theme.corner, 0, 0, 16, 16, 4), colour)
        edge.cut(outline_shape(theme.corner, 1, 1, 15, 15, 3))
        edges.append(edge)
    skin.section("GroupBoxEdge", {"Image": skin.image("groupbox-edge.bmp", strip(edges)),
                                  **_margins(5, 5, 5, 5), "Trans": 1, "Tile": 0})
    label = Canvas(24, 18)
    label.paint(outline_shape(theme.corner, 0, 0, 24, 18, 9 if theme.corner == "round" else 4),
                theme.states["normal"].border)
    label.paint(outline_shape(theme.corner, 1, 1, 23, 17, 8 if theme.corner == "round" else 3),
                mix(theme.highlight, theme.face, 0.5))
    skin.section("GroupBox", {"Image": skin.image("groupbox-label.bmp", label), **_margins(8, 8, 4, 4),
                              "Trans": 1, "Tile": 0, "BackgroundAlignment": 0,
                              "BackgroundLeftShift": 4, "BackgroundRightShift": 4})
