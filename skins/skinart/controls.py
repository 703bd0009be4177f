"""Images of the skinned controls: buttons, glyphs, tabs, bars, menus and scroll bars.

Frame order, where the engine leaves it to the skin, follows one rule so that every
painter can pick frames the same way: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused
(or checked).  Elements with four frames stop after "hot".
"""

from . import glyphs
from .canvas import MAGENTA, Canvas, mix, strip
from .frame import outline_shape
from .skin import colour_number, colour_text

STATE_ORDER = ("normal", "pressed", "disabled", "hot", "focused")


def glyph_colour(theme, state):
    """Arrows and marks: text colour, accent when hot, greyed halfway to the face when
    disabled (the shadow colour would vanish on a dark face)."""
    return {"disabled": mix(theme.text, theme.face, 0.4), "hot": theme.accent}.get(state, theme.text)


def face(theme, w, h, state, radius=None, fill_outside=MAGENTA, corners="all"):
    """A raised face: outline and vertical gradient, with the theme's corner shape.

    corners="top" keeps the bottom edge square (tabs), "bottom" the top edge."""
    look = theme.states[state]
    r = theme.radius if radius is None else radius
    below = r + 1 if corners == "top" else 0
    above = r + 1 if corners == "bottom" else 0
    outer = outline_shape(theme.corner, 0, -above, w, h + below, r)
    inner = outline_shape(theme.corner, 1, 1 - above, w - 1, h - 1 + below, max(r - 1, 0))
    canvas = Canvas(w, h, fill_outside)
    canvas.paint(outer, look.border)
    for y in range(h):
        canvas.paint(inner, mix(look.bottom, look.top, y / max(h - 1, 1)), box=(0, y, w, y + 1))
    return canvas


def state_strip(theme, w, h, states=STATE_ORDER, **options):
    return strip([face(theme, w, h, state, **options) for state in states])


def _focus_ring(theme, canvas):
    inner = outline_shape(theme.corner, 1, 1, canvas.width - 1, canvas.height - 1, max(theme.radius - 1, 0))
    core = outline_shape(theme.corner, 2, 2, canvas.width - 2, canvas.height - 2, max(theme.radius - 2, 0))
    canvas.paint(lambda x, y: inner(x, y) and not core(x, y), mix(theme.accent, theme.window, 0.45))


def push_button(theme, skin):
    frames = [face(theme, 24, 22, state) for state in STATE_ORDER]
    _focus_ring(theme, frames[4])
    keys = {"Bitmap": skin.image("button.bmp", strip(frames)),
            "LeftWidth": 4, "RightWidth": 4, "TopHeight": 4, "BottomHeight": 4, "Trans": 1, "Tile": 0,
            "CheckButton": skin.image("check.bmp", check_glyphs(theme, radio=False)),
            "RadioButton": skin.image("radio.bmp", check_glyphs(theme, radio=True))}
    if theme.check_frames_key:
        keys["CheckButtonFrame"] = theme.check_frames
        keys["RadioButtonFrame"] = theme.check_frames
    if theme.button_text_colours:
        keys.update({"NormalColour": colour_number(theme.text),
                     "MouseOverColour": colour_number((255, 255, 255)),
                     "PressedColour": colour_number(theme.accent),
                     "NormalColour2": colour_text(theme.text),
                     "MouseOverColour2": colour_text((255, 255, 255)),
                     "PressedColour2": colour_text(theme.accent)})
    skin.section("Buttons", keys)


# Check and radio glyphs.  Four frames: unchecked, checked, unchecked disabled, checked
# disabled (also indeterminate).  Twelve frames: unchecked, checked and mixed, each as
# normal, hot, pressed and disabled.
GLYPH_STATES_4 = [("off", "normal"), ("on", "normal"), ("off", "disabled"), ("on", "disabled")]
GLYPH_STATES_12 = [(mark, look) for mark in ("off", "on", "mixed")
                   for look in ("normal", "hot", "pressed", "disabled")]


def check_glyphs(theme, radio):
    size = theme.check_size
    states = GLYPH_STATES_12 if theme.check_frames == 12 else GLYPH_STATES_4
    return strip([_glyph(theme, size, mark, look, radio) for mark, look in states])


def _glyph(theme, size, mark, look, radio):
    canvas = Canvas(size, size)
    disabled = look == "disabled"
    border = {"normal": theme.states["normal"].border, "hot": theme.accent,
              "pressed": theme.accent, "disabled": theme.shadow}[look]
    fill = {"normal": theme.window, "hot": theme.window,
            "pressed": mix(theme.accent, theme.window, 0.2), "disabled": theme.face}[look]
    mark_colour = glyph_colour(theme, "disabled") if disabled else theme.accent
    if radio:
        r = size / 2.0 - 0.5
        canvas.paint(lambda x, y: (x - size / 2) ** 2 + (y - size / 2) ** 2 <= r * r, border)
        canvas.paint(lambda x, y: (x - size / 2) ** 2 + (y - size / 2) ** 2 <= (r - 1.2) ** 2, fill)
        if mark == "on":
            glyphs.dot(canvas, size / 2.0, size / 2.0, size * 0.2, mark_colour)
    else:
        canvas.paint(outline_shape(theme.corner, 0, 0, size, size, 2), border)
        canvas.paint(outline_shape(theme.corner, 1, 1, size - 1, size - 1, 1), fill)
        if mark == "on":
            glyphs.check_mark(canvas, 0, 0, size, mark_colour, thickness=size / 7.0)
    if mark == "mixed":
        glyphs.dash(canvas, 0, 0, size, mark_colour)
    return canvas


def tabs(theme, skin):
    """Tabs: normal, selected, hot, disabled, selected and hot.  The pane comes from the
    Border image (style 0) or from Tab.Pane (style 1); both are written."""
    frames = []
    for state in ("normal", "selected", "hot", "disabled", "selected-hot"):
        base = {"selected": "normal", "selected-hot": "hot"}.get(state, state)
        tab = face(theme, 40, 22, base, radius=theme.radius + 1, corners="top")
        if state.startswith("selected"):
            tab.fill_rect(2, 1, tab.width - 2, 3, theme.accent)
            tab.fill_rect(1, tab.height - 2, tab.width - 1, tab.height, theme.face)
        else:
            tab.fill_rect(0, tab.height - 1, tab.width, tab.height, theme.states["normal"].border)
        frames.append(tab)
    skin.section("Tabs", {"Image": skin.image("tabs.bmp", strip(frames)),
                          "Border": skin.image("tab-border.bmp", pane(theme, accent=False)),
                          "Style": theme.tab_style, "LeftWidth": 4, "RightWidth": 4, "TopHeight": 4,
                          "BottomHeight": 2, "Trans": 1, "Tile": 0,
                          "NormalColour2": colour_text(theme.text),
                          "MouseOverColour2": colour_text(theme.accent if theme.name != "default" else theme.text)})
    skin.section("Tab.Pane", {"Image": skin.image("tab-pane.bmp", pane(theme, accent=True)),
                              "LeftWidth": 4, "RightWidth": 4, "TopHeight": 4, "BottomHeight": 4,
                              "Trans": 0, "Tile": 0})


def pane(theme, accent):
    canvas = Canvas(16, 16, theme.face)
    canvas.frame_rect(0, 0, 16, 16, theme.states["normal"].border)
    canvas.fill_rect(1, 1, 15, 2, theme.highlight)
    if accent:
        canvas.fill_rect(1, 1, 15, 2, mix(theme.accent, theme.face, 0.5))
    return canvas


def status_bar(theme, skin):
    """Panel bevels: none, lowered, raised."""
    frames = []
    for bevel in ("none", "lowered", "raised"):
        frame = Canvas(8, 8)
        if bevel != "none":
            dark, light = (theme.shadow, theme.highlight) if bevel == "lowered" else (theme.highlight, theme.shadow)
            frame.fill_rect(0, 0, 8, 1, dark)
            frame.fill_rect(0, 0, 1, 8, dark)
            frame.fill_rect(0, 7, 8, 8, light)
            frame.fill_rect(7, 0, 8, 8, light)
        frames.append(frame)
    skin.section("StatusBarEdges", {"Image": skin.image("statusbar.bmp", strip(frames)),
                                    "LeftWidth": 2, "RightWidth": 2, "TopHeight": 2, "BottomHeight": 2,
                                    "Trans": 1, "Tile": 0, "NormalColour2": colour_text(theme.text)})


def toolbar(theme, skin):
    """Tool buttons: flat when normal or disabled, raised when hot, sunk when pressed or down."""
    frames = []
    for state in ("normal", "pressed", "disabled", "hot", "checked"):
        frames.append(Canvas(22, 22) if state in ("normal", "disabled") else face(theme, 22, 22, state))
    skin.section("ToolBars", {"Image": skin.image("toolbar.bmp", strip(frames)), "LeftWidth": 4,
                              "RightWidth": 4, "TopHeight": 4, "BottomHeight": 4, "Trans": 1, "Tile": 0})


def combo(theme, skin):
    """Combo box: the drop-down button, the sunk field around it, and ExtraImages, whose
    frames 1-4 are the button's arrow per state and frame 5 the status bar's size grip."""
    # The button sits inside the field: two transparent pixels above, right and below
    # let the field's own edge show around it when the engine lays it over the field.
    buttons = []
    for state in STATE_ORDER[:4]:
        button = Canvas(17, 21)
        button.blit(face(theme, 15, 17, state), 0, 2)
        buttons.append(button)
    buttons = strip(buttons)
    skin.section("ComboButton", {"Image": skin.image("combo-button.bmp", buttons), "LeftWidth": 3,
                                 "RightWidth": 3, "TopHeight": 3, "BottomHeight": 3, "Trans": 1, "Tile": 0})
    fields = []
    for state in STATE_ORDER[:4]:
        border = {"normal": theme.states["normal"].border, "pressed": theme.accent,
                  "disabled": theme.shadow, "hot": theme.accent}[state]
        fill = theme.face if state == "disabled" else theme.window
        field = Canvas(12, 12)
        field.paint(outline_shape(theme.corner, 0, 0, 12, 12, theme.radius), border)
        field.paint(outline_shape(theme.corner, 1, 1, 11, 11, max(theme.radius - 1, 0)), fill)
        fields.append(field)
    skin.section("SunkEdge", {"Image": skin.image("sunk-edge.bmp", strip(fields)), "LeftWidth": 3,
                              "RightWidth": 3, "TopHeight": 3, "BottomHeight": 3, "Trans": 1, "Tile": 0})
    extras = []
    for state in STATE_ORDER[:4]:
        glyph = Canvas(10, 10)
        glyphs.arrow(glyph, 5.0, 5.0 + (1 if state == "pressed" else 0), 7, "down", glyph_colour(theme, state))
        extras.append(glyph)
    grip = Canvas(10, 10)
    glyphs.grip(grip, theme.dark_shadow, theme.highlight)
    extras.append(grip)
    skin.section("ExtraImages", {"Image": skin.image("extra.bmp", strip(extras)), "Trans": 1})


def header(theme, skin):
    """Header sections: normal, pressed, disabled, hot, sorted."""
    frames = []
    for state in ("normal", "pressed", "disabled", "hot", "focused"):
        section = Canvas(20, 20)
        section.vertical_gradient(0, 0, 20, 19, theme.states[state].top, theme.states[state].bottom)
        section.fill_rect(0, 19, 20, 20, theme.states["normal"].border)
        section.fill_rect(19, 3, 20, 16, theme.shadow)
        if state in ("hot", "focused"):
            section.fill_rect(0, 17, 20, 19, theme.accent)
        frames.append(section)
    keys = {"Image": skin.image("header.bmp", strip(frames)), "LeftWidth": 3, "RightWidth": 3,
            "TopHeight": 3, "BottomHeight": 3, "Trans": 0, "Tile": 0}
    if theme.header_frames_key:
        keys["Frame"] = 5
    skin.section("Headerbar", keys)


def menus(theme, skin):
    """Menu items (normal, separator, disabled, selected, selected and disabled), the
    pop-up menu background with its 3-pixel border, and the menu bar (active above
    inactive)."""
    m = theme.menu_item_margin
    items = []
    for kind in ("normal", "separator", "disabled", "selected", "selected-disabled"):
        item = Canvas(24, 20)
        if kind == "separator":
            item.fill_rect(m, 9, 24 - m, 10, mix(theme.menu_text, theme.menu, 0.3))
            item.fill_rect(m, 10, 24 - m, 11, mix(theme.highlight, theme.menu, 0.6))
        elif kind.startswith("selected"):
            fill = theme.selection if kind == "selected" else mix(theme.shadow, theme.menu, 0.35)
            item.paint(outline_shape(theme.corner, 1, 0, 23, 20, theme.radius), fill)
        items.append(item)
    skin.section("MenuItem", {"Image": skin.image("menu-item.bmp", strip(items)), "LeftWidth": m,
                              "RightWidth": m, "TopHeight": 2, "BottomHeight": 2, "Trans": 1, "Tile": 0})
    background = Canvas(16, 16, theme.menu)
    background.frame_rect(0, 0, 16, 16, theme.shadow)
    background.frame_rect(1, 1, 15, 15, mix(theme.highlight, theme.menu, 0.5))
    skin.section("MenuBackground", {"Image": skin.image("menu-background.bmp", background),
                                    "LeftWidth": 3, "RightWidth": 3, "TopHeight": 3, "BottomHeight": 3,
                                    "Trans": 0, "Tile": 0})


def menu_bar_image(theme):
    frames = []
    for active in (True, False):
        band = Canvas(12, 20, theme.menubar)
        band.fill_rect(0, 19, 12, 20, theme.shadow if active else mix(theme.shadow, theme.menubar, 0.5))
        if theme.corner == "chamfer" and active:
            band.fill_rect(0, 0, 12, 1, mix(theme.accent, theme.menubar, 0.3))
        frames.append(band)
    return strip(frames, vertical=True)
