"""Small symbols drawn on caption buttons, arrows, check marks and grips."""

from .canvas import ellipse, rounded_rect, segment, triangle, union

# A question mark for the context-help button, one character per pixel.
QUESTION = (
    ".###.",
    "#...#",
    "....#",
    "...#.",
    "..#..",
    "..#..",
    ".....",
    "..#..",
)


def close(canvas, cx, cy, size, colour, thickness=1.6):
    h = size / 2.0
    canvas.paint(union(segment(cx - h, cy - h, cx + h, cy + h, thickness),
                       segment(cx - h, cy + h, cx + h, cy - h, thickness)), colour)


def maximise(canvas, cx, cy, size, colour):
    x0, y0 = int(cx - size / 2), int(cy - size / 2)
    canvas.frame_rect(x0, y0, x0 + size, y0 + size, colour)
    canvas.fill_rect(x0, y0, x0 + size, y0 + 2, colour)


def restore(canvas, cx, cy, size, colour):
    inner = size - 3
    x0, y0 = int(cx - size / 2), int(cy - size / 2)
    # The back window shows only where the front one does not cover it.
    canvas.fill_rect(x0 + 3, y0, x0 + size, y0 + 2, colour)
    canvas.fill_rect(x0 + size - 1, y0, x0 + size, y0 + inner, colour)
    fx, fy = x0, y0 + 3
    canvas.fill_rect(fx, fy, fx + inner, fy + inner, _inside_colour(canvas, fx, fy, inner))
    canvas.frame_rect(fx, fy, fx + inner, fy + inner, colour)
    canvas.fill_rect(fx, fy, fx + inner, fy + 2, colour)


def _inside_colour(canvas, x, y, size):
    """The colour just right of the glyph box, so the front window hides the back one."""
    return canvas.get(min(x + size + 2, canvas.width - 1), min(y + size - 1, canvas.height - 1))


def minimise(canvas, cx, cy, size, colour):
    x0 = int(cx - size / 2)
    y0 = int(cy + size / 2) - 2
    canvas.fill_rect(x0, y0, x0 + size, y0 + 2, colour)


def question(canvas, cx, cy, colour):
    x0 = int(cx) - len(QUESTION[0]) // 2
    y0 = int(cy) - len(QUESTION) // 2
    for dy, line in enumerate(QUESTION):
        for dx, mark in enumerate(line):
            if mark == "#":
                canvas.set(x0 + dx, y0 + dy, colour)


def arrow(canvas, cx, cy, size, direction, colour):
    """A filled triangle pointing up, down, left or right, `size` wide at its base."""
    h = size / 2.0
    d = size / 4.0 + 0.5
    points = {
        "up": ((cx - h, cy + d), (cx + h, cy + d), (cx, cy - d)),
        "down": ((cx - h, cy - d), (cx + h, cy - d), (cx, cy + d)),
        "left": ((cx + d, cy - h), (cx + d, cy + h), (cx - d, cy)),
        "right": ((cx - d, cy - h), (cx - d, cy + h), (cx + d, cy)),
    }[direction]
    canvas.paint(triangle(*points), colour)


def check_mark(canvas, x0, y0, size, colour, thickness=2.0):
    s = size
    canvas.paint(union(segment(x0 + s * 0.22, y0 + s * 0.52, x0 + s * 0.42, y0 + s * 0.72, thickness),
                       segment(x0 + s * 0.42, y0 + s * 0.72, x0 + s * 0.78, y0 + s * 0.30, thickness)),
                 colour)


def dot(canvas, cx, cy, radius, colour):
    canvas.paint(ellipse(cx, cy, radius, radius), colour)


def dash(canvas, x0, y0, size, colour):
    inset = size * 0.28
    canvas.paint(rounded_rect(x0 + inset, y0 + size / 2 - 1.2, x0 + size - inset, y0 + size / 2 + 1.2, 0.8),
                 colour)


def grip(canvas, colour, light):
    """Diagonal rows of dots towards the bottom-right corner, as a size grip shows."""
    w, h = canvas.width, canvas.height
    for row in range(3):
        for k in range(row + 1):
            x = w - 3 - 3 * (row - k) - 1
            y = h - 3 - 3 * k - 1
            canvas.fill_rect(x + 1, y + 1, x + 3, y + 3, light)
            canvas.fill_rect(x, y, x + 2, y + 2, colour)


def grip_lines(canvas, cx, cy, vertical, colour, light):
    """Three short ridges across a scroll thumb."""
    for k in (-2, 0, 2):
        if vertical:
            canvas.fill_rect(int(cx) - 3, int(cy) + k, int(cx) + 3, int(cy) + k + 1, colour)
            canvas.fill_rect(int(cx) - 3, int(cy) + k + 1, int(cx) + 3, int(cy) + k + 2, light)
        else:
            canvas.fill_rect(int(cx) + k, int(cy) - 3, int(cx) + k + 1, int(cy) + 3, colour)
            canvas.fill_rect(int(cx) + k + 1, int(cy) - 3, int(cx) + k + 2, int(cy) + 3, light)
