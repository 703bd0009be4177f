"""Checks a drawn skin folder against what the engine will read from it.

The definition is read the way the engine reads it (trimmed lines, ";" comments, keys
and sections without regard to letter case, the first occurrence winning), every image
it names is read back from disk, and the frame counts the engine will use are worked
out from the same rules.  Each problem is reported as one line of text.
"""

import os

from .canvas import MAGENTA, read_bmp

DEFINITION = "skin.ini"

# Optional elements: section, image keys, frame count (a number, or how it is found).
ELEMENTS = [
    ("Progress", ("Bitmap",), "progress"),
    ("Progress.Chunk", ("Image",), "frame"),
    ("GroupBoxEdge", ("Image",), 2),
    ("GroupBox", ("Image",), 1),
    ("Tabs", ("Image", "Border"), 5),
    ("StatusBarEdges", ("Image",), 3),
    ("Tab.Pane", ("Image",), 1),
    ("ToolBars", ("Image",), 5),
    ("ComboButton", ("Image",), 4),
    ("SunkEdge", ("Image",), 4),
    ("ExtraImages", ("Image",), 5),
    ("Headerbar", ("Image",), "frame-or-5"),
    ("MenuItem", ("Image",), 5),
    ("MenuBackground", ("Image",), 1),
    ("Scrollbar", ("Image",), 23),
    ("HorzScroll", ("Image",), 4),
    ("VertScroll", ("Image",), 4),
    ("HorzScrollThumb", ("Image",), "thumb"),
    ("VertScrollThumb", ("Image",), "thumb"),
    ("Trackbar.ThumbHorz", ("Image",), 5),
    ("Trackbar.ThumbVert", ("Image",), 5),
    ("Trackbar.ThumbLeft", ("Image",), 5),
    ("Trackbar.ThumbRight", ("Image",), 5),
    ("Trackbar.ThumbUp", ("Image",), 5),
    ("Trackbar.ThumbDown", ("Image",), 5),
    ("UpDown.Horz", ("Image", "GlyphImage"), 8),
    ("UpDown.Vert", ("Image", "GlyphImage"), 8),
    ("Track", ("Image",), "frame"),
    ("TRACKVERT", ("Image",), "frame"),
]

# Images whose drawing the engine does not promise to make transparent: magenta in
# them would show as pink.
OPAQUE_IMAGES = [("Personality", "TextBack"), ("Personality", "menuBar"), ("MDICONTROLS", "Image")]

EXCLUDED_BUTTON_SECTIONS = {"BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX", "BUTTON"}


def read_definition(folder):
    """{section (lower case): {key (lower case): value}} with first occurrences winning."""
    with open(os.path.join(folder, DEFINITION), "rb") as source:
        text = source.read().split(b"\0")[0].decode("latin-1")
    sections, current = {}, None
    order = []
    for raw in text.replace("\r\n", "\n").replace("\r", "\n").split("\n"):
        line = raw.strip(" \t")
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            name = line[1:-1].lower()
            current = None if name in sections else sections.setdefault(name, {})
            if current is not None:
                order.append(line[1:-1])
            continue
        if current is not None and "=" in line:
            key, value = line.split("=", 1)
            current.setdefault(key.strip().lower(), value.strip())
    sections["__order__"] = order
    return sections


def integer(values, key, default=0):
    text = values.get(key.lower(), "")
    if len(text) > 2 and text[:2].lower() == "0x":
        text = "$" + text[2:]
    try:
        return int(text[1:], 16) if text.startswith("$") else int(text)
    except ValueError:
        return default


class Checker:
    def __init__(self, folder):
        self.folder = folder
        self.problems = []
        self.images = {}
        self.ini = read_definition(folder)

    def problem(self, text):
        self.problems.append(text)

    def image(self, section, key, required=True):
        """The image that section/key names, read from disk, or None."""
        name = self.ini.get(section.lower(), {}).get(key.lower(), "")
        if not name:
            if required:
                self.problem(f"[{section}] {key} names no image")
            return None
        if not name.endswith(".bmp") or "\\" in name or ":" in name:
            self.problem(f"[{section}] {key}={name}: the engine loads only plain names ending in .bmp")
            return None
        if name != name.lower():
            self.problem(f"[{section}] {key}={name}: entry names are looked up in lower case")
        if name not in self.images:
            path = os.path.join(self.folder, name)
            try:
                with open(path, "rb") as source:
                    self.images[name] = read_bmp(source.read())
            except (OSError, ValueError) as error:
                self.problem(f"[{section}] {key}={name}: {error}")
                self.images[name] = None
        return self.images[name]

    def frames(self, section, key, image, count, vertical=False):
        size = image.height if vertical else image.width
        if count <= 0 or size % count:
            self.problem(f"[{section}] {key}: {size} pixels do not split into {count} frames")
            return None
        return (image.width, size // count) if vertical else (size // count, image.height)

    def margins_fit(self, section, frame, left, top, right, bottom):
        if frame and (left + right > frame[0] or top + bottom > frame[1]):
            self.problem(f"[{section}] margins {left},{top},{right},{bottom} exceed the "
                         f"{frame[0]} x {frame[1]} frame")


def check_folder(folder):
    try:
        checker = Checker(folder)
    except OSError as error:
        return [f"no definition: {error}"]
    for step in (_borders, _buttons, _caption_buttons, _mdi, _elements, _colours, _opaque, _fringes):
        step(checker)
    return checker.problems


def _borders(c):
    p = c.ini.get("personality", {})
    sizes = {}
    for part in ("Left", "Right", "Top", "Bottom"):
        image = c.image("Personality", part)
        if image is None:
            continue
        count = integer(p, part + "Frame", 1)
        frame = c.frames("Personality", part, image, count, vertical=part in ("Top", "Bottom"))
        sizes[part] = frame
        ends = integer(p, part + "TopHeight"), integer(p, part + "BotHeight")
        if frame:
            length = frame[1] if part in ("Left", "Right") else frame[0]
            if sum(ends) > length:
                c.problem(f"[Personality] {part} ends {ends} exceed its {length} pixels")
        if integer(p, part + "Trans", 1) != 1:
            c.problem(f"[Personality] {part} is not transparent, so its corners would show")
        if frame:
            _corners(c, part, image, frame, count, part in ("Top", "Bottom"))
    if sizes.get("Left") and sizes.get("Top") and integer(p, "LeftTopHeight") < sizes["Top"][1]:
        c.problem("[Personality] LeftTopHeight is lower than the title, so the title's end would stretch")


def _corners(c, part, image, frame, count, vertical):
    """The outer corners of the side borders are cut away; the middle is solid."""
    w, h = frame
    for n in range(count):
        ox, oy = (0, n * h) if vertical else (n * w, 0)
        if part in ("Left", "Right"):
            x = ox if part == "Left" else ox + w - 1
            for y in (oy, oy + h - 1):
                if image.get(x, y) != MAGENTA:
                    c.problem(f"[Personality] {part} frame {n + 1}: corner pixel ({x},{y}) is not magenta")
            if image.get(ox + w // 2, oy + h // 2) == MAGENTA:
                c.problem(f"[Personality] {part} frame {n + 1}: the middle is transparent")
        elif image.get(ox + w // 2, oy + h // 2) == MAGENTA:
            c.problem(f"[Personality] {part} frame {n + 1}: the middle is transparent")


def _glyph_frames(values, key, image):
    count = integer(values, key)
    if count == 0:
        count = max(image.width // (13 if image.height < 16 else 16), 4)
    return count


def _buttons(c):
    values = c.ini.get("buttons", {})
    image = c.image("Buttons", "Bitmap")
    if image:
        frame = c.frames("Buttons", "Bitmap", image, 5)
        c.margins_fit("Buttons", frame, *(integer(values, k) for k in
                                          ("LeftWidth", "TopHeight", "RightWidth", "BottomHeight")))
    for key, count_key in (("CheckButton", "CheckButtonFrame"), ("RadioButton", "RadioButtonFrame")):
        glyph = c.image("Buttons", key)
        if glyph:
            c.frames("Buttons", key, glyph, _glyph_frames(values, count_key, glyph))


def caption_sections(ini):
    kept = []
    for name in ini["__order__"]:
        upper = name.upper()
        if not upper.startswith("BUTTON") or upper in EXCLUDED_BUTTON_SECTIONS:
            continue
        values = ini[name.lower()]
        if integer(values, "Action") == -1 and integer(values, "Visibility", -1) != 0:
            continue
        kept.append(name)
    return kept


def _caption_buttons(c):
    title_height = None
    top = c.images.get(c.ini.get("personality", {}).get("top", ""))
    if top:
        title_height = top.height // max(integer(c.ini["personality"], "TopFrame", 1), 1)
    actions = set()
    for name in caption_sections(c.ini):
        values = c.ini[name.lower()]
        action = integer(values, "Action")
        actions.add((action, integer(values, "Visibility")))
        image = c.image(name, "ButtonImage", required=False)
        count = integer(values, "Frame")
        if image is None:
            if action not in (3, 11):
                c.problem(f"[{name}] a caption button other than the icon has no image")
            continue
        if count == 0:
            if action in (3, 11):
                continue  # the engine drops the image and draws the application icon
            count = 3 if image.width / image.height <= 3.8 else 6
        frame = c.frames(name, "ButtonImage", image, count)
        if frame and title_height and integer(values, "Ycoord") + frame[1] > title_height:
            c.problem(f"[{name}] reaches below the title bar")
    wanted = {"close": (0, 0), "maximise": (1, 2), "restore": (1, 1), "minimise": (2, None), "help": (4, None)}
    for label, (action, visibility) in wanted.items():
        if not any(a == action and (visibility is None or v == visibility) for a, v in actions):
            c.problem(f"no {label} caption button")
    if not any(a in (3, 11) for a, _ in actions):
        c.problem("no icon caption button")


def _mdi(c):
    image = c.image("MDICONTROLS", "Image")
    if image and image.width % 12:
        c.problem(f"[MDICONTROLS] Image: {image.width} pixels do not split into 3 buttons of 4 frames")


def _element_frames(values, image, rule, vertical=False):
    if isinstance(rule, int):
        return rule
    if rule == "progress":
        return 2 if integer(values, "Style") == 0 else 1
    if rule == "thumb":
        return integer(values, "FrameCount", 3)
    frame = integer(values, "Frame")
    return frame or 5 if rule == "frame-or-5" else frame


def _elements(c):
    for section, keys, rule in ELEMENTS:
        values = c.ini.get(section.lower(), {})
        image = c.image(section, keys[0])
        if image is None:
            continue
        frame = c.frames(section, keys[0], image, _element_frames(values, image, rule))
        margins = [integer(values, k) for k in ("LeftWidth", "TopHeight", "RightWidth", "BottomHeight")]
        if section == "Tab.Pane":
            margins = [min(m, 4) for m in margins]
        c.margins_fit(section, frame, *margins)
        for key in keys[1:]:
            c.image(section, key)
    bar = c.image("Personality", "menuBar")
    if bar:
        c.frames("Personality", "menuBar", bar, 2, vertical=True)
    text_back = c.image("Personality", "TextBack")
    if text_back:
        c.frames("Personality", "TextBack", text_back, 2)


def _colours(c):
    for key, value in c.ini.get("colours", {}).items():
        numbers = [part for part in value.replace(",", " ").split() if part]
        if len(numbers) != 3 or not all(n.isdigit() and int(n) < 256 for n in numbers):
            c.problem(f"[Colours] {key}={value}: not three numbers from 0 to 255")


def _opaque(c):
    named = list(OPAQUE_IMAGES)
    named += [(name, "ButtonImage") for name in caption_sections(c.ini)]
    for section, values in c.ini.items():
        if section == "__order__" or integer(values, "Trans") == 1 or section in ("personality", "buttons"):
            continue
        named += [(section, key) for key in ("image", "bitmap") if key in values]
    for section, key in named:
        name = c.ini.get(section.lower(), {}).get(key.lower(), "")
        image = c.images.get(name)
        if image and any(MAGENTA in row for row in image.rows):
            c.problem(f"[{section}] {key}={name} is drawn opaque but holds magenta")


def _fringes(c):
    """Pixels that are almost magenta show as a pink fringe where magenta is cut away."""
    for name, image in c.images.items():
        if image is None:
            continue
        for y, row in enumerate(image.rows):
            for x, (r, g, b) in enumerate(row):
                if (r, g, b) != MAGENTA and r > 200 and b > 200 and g < 80:
                    c.problem(f"{name}: pixel ({x},{y}) is nearly magenta")
                    break
            else:
                continue
            break
