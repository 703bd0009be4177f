"""The two skins we ship, as palettes, sizes and the structural choices that tell them apart.

"default" is the program's skin.skn: light, calm, round corners, four-pixel borders that
stretch, two frames (active, inactive) everywhere, four-frame check glyphs.  "graphite" is
dark with an orange accent: six-pixel borders that tile, chamfered corners, one frame for
the side and bottom borders, three-frame caption buttons whose count the engine derives
from the image shape, twelve-frame glyphs, centred caption, the tab pane from its own
section and a progress bar without a separate fill frame.  Anything in the engine that
only works for one of these choices shows up as soon as the other skin is loaded.
"""

from dataclasses import dataclass, field


@dataclass(frozen=True)
class State:
    """How one state of a raised face looks: gradient, outline and glyph colour."""
    top: tuple
    bottom: tuple
    border: tuple
    glyph: tuple


@dataclass(frozen=True)
class Theme:
    name: str
    # Window frame.
    border: int            # left and right border width
    bottom: int            # bottom border height
    title: int             # title bar height
    corner: str            # "round" or "chamfer"
    corner_top: int        # radius or cut of the top corners
    corner_bottom: int
    side_frames: int       # frames of the left, right and bottom borders (1 or 2)
    side_stretch: int      # 1 stretches the middle of the borders, 0 tiles it
    title_top: tuple       # active title gradient
    title_bottom: tuple
    title_inactive_top: tuple
    title_inactive_bottom: tuple
    frame_active: tuple
    frame_inactive: tuple
    outline_active: tuple
    outline_inactive: tuple
    client_edge: tuple
    accent: tuple          # decoration colour (focus, selection, active marks)
    title_text: tuple
    title_text_inactive: tuple
    text_alignment: int    # 0 left at TextShift, 1 centred
    # Caption buttons.
    caption_button: tuple  # width, height of one frame
    caption_frames: int    # written as a key unless the engine derives it from the shape
    caption_gap: int
    caption_hot: tuple
    caption_pressed: tuple
    close_hot: tuple
    caption_glyph: tuple
    caption_glyph_inactive: tuple
    icon_action: int       # 3 or 11: both show the application icon
    mdi_button: tuple      # width, height of one MDI-child button frame
    # Controls.
    face: tuple            # ButtonFace
    window: tuple          # edit and list background
    text: tuple
    shadow: tuple
    dark_shadow: tuple
    highlight: tuple
    selection: tuple
    selection_text: tuple
    menu: tuple
    menu_text: tuple
    menubar: tuple
    menubar_text: tuple
    track: tuple           # scroll bar track (the Scrollbar colour)
    radius: int            # corner radius of buttons and fields
    states: dict = field(default_factory=dict)   # normal, pressed, disabled, hot, focused, checked
    check_size: int = 13
    check_frames: int = 4  # 4 or 12
    check_frames_key: bool = True   # write CheckButtonFrame, or let the engine derive it
    tab_style: int = 0     # 0: pane from the Tabs Border image; 1: from Tab.Pane
    progress_style: int = 0   # 0: trough and fill frames; 1: trough only, chunks fill
    scroll_size: int = 17
    thumb_frames: int = 3  # 3 is the engine's default; other counts are written
    header_frames_key: bool = True
    track_frames: int = 1
    menu_item_margin: int = 3
    font_height: int = 14
    button_text_colours: bool = False   # numeric state colours for push buttons
    write_menubar_colour: bool = False  # otherwise Menubar falls back to ButtonFace


def _states(face, border, text, accent, light, dark):
    return {
        "normal": State(light, face, border, text),
        "pressed": State(dark, face, border, text),
        "disabled": State(face, face, dark, dark),
        "hot": State(light, light, accent, text),
        "focused": State(light, face, accent, text),
        "checked": State(dark, dark, border, text),
    }


DEFAULT = Theme(
    name="default",
    border=4, bottom=4, title=28, corner="round", corner_top=8, corner_bottom=4,
    side_frames=2, side_stretch=1,
    title_top=(86, 132, 190), title_bottom=(58, 103, 160),
    title_inactive_top=(214, 219, 226), title_inactive_bottom=(194, 200, 209),
    frame_active=(58, 103, 160), frame_inactive=(194, 200, 209),
    outline_active=(36, 66, 106), outline_inactive=(140, 148, 160),
    client_edge=(150, 160, 174), accent=(52, 120, 198),
    title_text=(255, 255, 255), title_text_inactive=(72, 78, 88), text_alignment=0,
    caption_button=(28, 20), caption_frames=4, caption_gap=2,
    caption_hot=(120, 162, 214), caption_pressed=(40, 76, 124), close_hot=(214, 72, 64),
    caption_glyph=(255, 255, 255), caption_glyph_inactive=(112, 118, 128), icon_action=3,
    mdi_button=(16, 14),
    face=(240, 242, 245), window=(255, 255, 255), text=(24, 28, 34), shadow=(160, 168, 178),
    dark_shadow=(92, 100, 112), highlight=(255, 255, 255), selection=(52, 120, 198),
    selection_text=(255, 255, 255), menu=(250, 251, 252), menu_text=(28, 30, 34),
    menubar=(240, 242, 245), menubar_text=(28, 30, 34), track=(230, 233, 237), radius=3,
    states=_states(face=(232, 235, 239), border=(150, 158, 170), text=(24, 28, 34),
                   accent=(52, 120, 198), light=(252, 253, 254), dark=(208, 214, 222)),
)

GRAPHITE = Theme(
    name="graphite",
    border=6, bottom=6, title=24, corner="chamfer", corner_top=5, corner_bottom=3,
    side_frames=1, side_stretch=0,
    title_top=(52, 54, 58), title_bottom=(36, 37, 40),
    title_inactive_top=(52, 54, 58), title_inactive_bottom=(36, 37, 40),
    frame_active=(44, 45, 48), frame_inactive=(44, 45, 48),
    outline_active=(8, 8, 10), outline_inactive=(8, 8, 10),
    client_edge=(20, 20, 22), accent=(236, 128, 36),
    title_text=(250, 250, 250), title_text_inactive=(140, 140, 146), text_alignment=1,
    caption_button=(20, 16), caption_frames=3, caption_gap=3,
    caption_hot=(78, 80, 86), caption_pressed=(236, 128, 36), close_hot=(200, 48, 40),
    caption_glyph=(230, 230, 232), caption_glyph_inactive=(120, 120, 126), icon_action=11,
    mdi_button=(14, 14),
    face=(58, 60, 64), window=(30, 31, 34), text=(232, 232, 234), shadow=(28, 28, 30),
    dark_shadow=(8, 8, 10), highlight=(96, 98, 104), selection=(236, 128, 36),
    selection_text=(16, 16, 16), menu=(46, 47, 50), menu_text=(232, 232, 234),
    menubar=(40, 41, 44), menubar_text=(240, 240, 242), track=(34, 35, 38), radius=2,
    states=_states(face=(70, 72, 77), border=(16, 16, 18), text=(232, 232, 234),
                   accent=(236, 128, 36), light=(92, 94, 100), dark=(40, 41, 44)),
    check_size=16, check_frames=12, check_frames_key=False, tab_style=1, progress_style=1,
    scroll_size=16, thumb_frames=4, header_frames_key=False, track_frames=2,
    menu_item_margin=2, font_height=13, button_text_colours=True, write_menubar_colour=True,
)

THEMES = {theme.name: theme for theme in (DEFAULT, GRAPHITE)}
