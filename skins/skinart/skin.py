"""A skin being built: its definition sections in order and the images they name."""

import os

from .canvas import bmp_bytes

DEFINITION_NAME = "skin.ini"


def colour_text(colour):
    """Colour as the definition writes it: red, green and blue as decimal numbers."""
    return "%d %d %d" % colour


def colour_number(colour):
    """Colour as an integer key: 0x00BBGGRR, red in the low byte."""
    r, g, b = colour
    return "0x%08X" % (r | g << 8 | b << 16)


class Skin:
    def __init__(self, title):
        self.title = title
        self.sections = []
        self.images = {}

    def image(self, name, canvas):
        """Registers an image under its entry name and returns the name for a key."""
        name = name.lower()
        if not name.endswith(".bmp"):
            raise ValueError(f"image name {name!r} must end in .bmp")
        if name in self.images:
            raise ValueError(f"image {name!r} is drawn twice")
        self.images[name] = canvas
        return name

    def section(self, name, keys):
        if any(existing.lower() == name.lower() for existing, _ in self.sections):
            raise ValueError(f"section [{name}] is written twice")
        self.sections.append((name, dict(keys)))

    def definition_text(self):
        lines = [f"; {self.title}", "; Drawn by skins/generate.py; edit the generator, not this file.", ""]
        for name, keys in self.sections:
            lines.append(f"[{name}]")
            lines.extend(f"{key}={value}" for key, value in keys.items())
            lines.append("")
        return "\r\n".join(lines)

    def write(self, folder):
        """Writes the definition and every image; each file appears whole or not at all.

        Images left from an earlier run that this skin no longer names are removed, so
        that packing the folder never ships a stale entry."""
        os.makedirs(folder, exist_ok=True)
        files = {DEFINITION_NAME: self.definition_text().encode("ascii")}
        files.update((name, bmp_bytes(canvas)) for name, canvas in self.images.items())
        for stale in os.listdir(folder):
            if stale.lower().endswith((".bmp", ".ini")) and stale not in files:
                os.remove(os.path.join(folder, stale))
        for name, data in files.items():
            path = os.path.join(folder, name)
            with open(path + ".tmp", "wb") as out:
                out.write(data)
            os.replace(path + ".tmp", path)
        return sorted(files)
