"""A small RGB canvas with the few drawing operations our skin artwork needs.

Pixels are (r, g, b) tuples, row 0 at the top.  Shapes are described by coverage
functions (x, y) -> 0..1 sampled on a 4 x 4 grid per pixel, so edges are smooth
where the shape lies on an opaque colour; over magenta (the engine's transparent
colour) a pixel is either fully painted or left alone, because a half-magenta
pixel would show as a pink fringe on screen.
"""

import struct
import zlib

MAGENTA = (255, 0, 255)
SUBSAMPLES = 4


def mix(a, b, amount):
    """`amount` of colour a, the rest of colour b (amount 0..1)."""
    return tuple(int(round(a[i] * amount + b[i] * (1 - amount))) for i in range(3))


def shade(colour, delta):
    """Lighter (delta > 0) or darker (delta < 0) by a fraction towards white or black."""
    return mix((255, 255, 255), colour, delta) if delta >= 0 else mix((0, 0, 0), colour, -delta)


class Canvas:
    def __init__(self, width, height, fill=MAGENTA):
        if width <= 0 or height <= 0:
            raise ValueError(f"canvas size {width} x {height} is empty")
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills columns x0..x1-1 of rows y0..y1-1 (clipped)."""
        for y in range(max(y0, 0), min(y1, self.height)):
            row = self.rows[y]
            for x in range(max(x0, 0), min(x1, self.width)):
                row[x] = colour

    def frame_rect(self, x0, y0, x1, y1, colour):
        """A one-pixel outline just inside the rectangle."""
        self.fill_rect(x0, y0, x1, y0 + 1, colour)
        self.fill_rect(x0, y1 - 1, x1, y1, colour)
        self.fill_rect(x0, y0, x0 + 1, y1, colour)
        self.fill_rect(x1 - 1, y0, x1, y1, colour)

    def vertical_gradient(self, x0, y0, x1, y1, top, bottom):
        span = max(y1 - y0 - 1, 1)
        for y in range(y0, y1):
            self.fill_rect(x0, y, x1, y + 1, mix(bottom, top, (y - y0) / span))

    def paint(self, coverage, colour, box=None):
        """Paints `colour` where the coverage function says the shape lies."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        step = 1.0 / SUBSAMPLES
        offsets = [(i + 0.5) * step for i in range(SUBSAMPLES)]
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                hits = sum(1 for dy in offsets for dx in offsets if coverage(x + dx, y + dy))
                if not hits:
                    continue
                amount = hits / (SUBSAMPLES * SUBSAMPLES)
                under = self.rows[y][x]
                if under == MAGENTA:
                    if amount >= 0.5:
                        self.rows[y][x] = colour
                else:
                    self.rows[y][x] = mix(colour, under, amount)

    def cut(self, coverage):
        """Makes transparent every pixel whose centre lies in the shape."""
        for y in range(self.height):
            for x in range(self.width):
                if coverage(x + 0.5, y + 0.5):
                    self.rows[y][x] = MAGENTA

    def blit(self, source, x, y, transparent=MAGENTA):
        """Copies `source` to (x, y); its `transparent` pixels leave this canvas alone."""
        for sy in range(source.height):
            for sx in range(source.width):
                pixel = source.rows[sy][sx]
                if pixel != transparent:
                    self.set(x + sx, y + sy, pixel)

    def crop(self, x0, y0, x1, y1):
        part = Canvas(x1 - x0, y1 - y0)
        part.rows = [row[x0:x1] for row in self.rows[y0:y1]]
        return part

    def copy(self):
        return self.crop(0, 0, self.width, self.height)

    def mirrored(self):
        flipped = self.copy()
        flipped.rows = [list(reversed(row)) for row in flipped.rows]
        return flipped

    def flipped(self):
        turned = self.copy()
        turned.rows = list(reversed(turned.rows))
        return turned

    def transposed(self):
        turned = Canvas(self.height, self.width)
        turned.rows = [[self.rows[y][x] for y in range(self.height)] for x in range(self.width)]
        return turned


def strip(frames, vertical=False):
    """Joins equal frames side by side, or one above the other."""
    first = frames[0]
    if any((f.width, f.height) != (first.width, first.height) for f in frames):
        raise ValueError("frames of one strip must have the same size")
    if vertical:
        joined = Canvas(first.width, first.height * len(frames))
        joined.rows = [list(row) for f in frames for row in f.rows]
    else:
        joined = Canvas(first.width * len(frames), first.height)
        joined.rows = [sum((f.rows[y] for f in frames), []) for y in range(first.height)]
    return joined


# ---------------------------------------------------------------------------------------
# Coverage functions.

def rounded_rect(x0, y0, x1, y1, radius):
    """The rectangle x0..x1, y0..y1 (edges, not pixel indices) with round corners."""
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius
    return inside


def chamfered_rect(x0, y0, x1, y1, cut):
    """The rectangle with its corners cut off at 45 degrees."""
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        dx = min(x - x0, x1 - x)
        dy = min(y - y0, y1 - y)
        return dx + dy >= cut
    return inside


def segment(ax, ay, bx, by, thickness):
    """A stroke from (ax, ay) to (bx, by) with round ends."""
    length2 = (bx - ax) ** 2 + (by - ay) ** 2
    half = thickness / 2.0

    def inside(x, y):
        t = 0.0 if length2 == 0 else ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / length2
        t = min(max(t, 0.0), 1.0)
        px, py = ax + t * (bx - ax), ay + t * (by - ay)
        return (x - px) ** 2 + (y - py) ** 2 <= half * half
    return inside


def triangle(a, b, c):
    def side(p, q, x, y):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])

    def inside(x, y):
        d1, d2, d3 = side(a, b, x, y), side(b, c, x, y), side(c, a, x, y)
        negative = d1 < 0 or d2 < 0 or d3 < 0
        positive = d1 > 0 or d2 > 0 or d3 > 0
        return not (negative and positive)
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def difference(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


# ---------------------------------------------------------------------------------------
# Files.

def bmp_bytes(canvas):
    """A 24-bit bottom-up Windows bitmap file."""
    stride = (canvas.width * 3 + 3) & ~3
    pad = b"\0" * (stride - canvas.width * 3)
    body = bytearray()
    for row in reversed(canvas.rows):
        for r, g, b in row:
            body += bytes((b, g, r))
        body += pad
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(body), 0, 0, header_size)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(body),
                       2835, 2835, 0, 0)
    return file_header + info + bytes(body)


def read_bmp(data):
    """Reads back a 24-bit uncompressed bitmap file as written by bmp_bytes."""
    if len(data) < 54 or data[:2] != b"BM":
        raise ValueError("not a bitmap file")
    offset = struct.unpack_from("<I", data, 10)[0]
    size, width, height, _planes, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if bits != 24 or compression != 0 or width <= 0 or height == 0:
        raise ValueError(f"not an uncompressed 24-bit bitmap ({bits} bits, compression {compression})")
    stride = (width * 3 + 3) & ~3
    rows = abs(height)
    if offset + stride * rows > len(data):
        raise ValueError("bitmap pixel data is truncated")
    canvas = Canvas(width, rows)
    for i in range(rows):
        y = rows - 1 - i if height > 0 else i
        start = offset + i * stride
        line = data[start:start + width * 3]
        canvas.rows[y] = [(line[x * 3 + 2], line[x * 3 + 1], line[x * 3]) for x in range(width)]
    return canvas


def png_bytes(canvas):
    """An 8-bit RGB PNG, for looking at artwork; never shipped."""
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in canvas.rows)

    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + \
        chunk(b"IEND", b"")


def read_png(data):
    """Reads an 8-bit RGB PNG whose rows are unfiltered, as png_bytes and the engine's own
    PNG writer make them; every chunk's CRC is checked."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    at, header, packed = 8, None, b""
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 4:at + 8 + length]
        if len(body) != 4 + length or struct.unpack_from(">I", data, at + 8 + length)[0] != zlib.crc32(body):
            raise ValueError(f"PNG chunk {kind!r} is truncated or its CRC is wrong")
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body[4:])
        elif kind == b"IDAT":
            packed += body[4:]
        at += 12 + length
    if header is None or header[2:] != (8, 2, 0, 0, 0):
        raise ValueError(f"not an 8-bit RGB PNG without interlacing (header {header})")
    width, height = header[:2]
    raw = zlib.decompress(packed)
    stride = 1 + 3 * width
    if len(raw) != stride * height:
        raise ValueError("PNG image data does not match its size")
    canvas = Canvas(width, height)
    for y in range(height):
        line = raw[y * stride:(y + 1) * stride]
        if line[0] != 0:
            raise ValueError(f"PNG row {y} uses filter {line[0]}, which this reader does not undo")
        canvas.rows[y] = [tuple(line[1 + 3 * x:4 + 3 * x]) for x in range(width)]
    return canvas
