#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files into res/icons/.

Each image is a 32-bit BGRA DIB with its AND mask, the form every Windows version reads.
The drawing: the taskbar band at the top, a window below it, and an arrow that pushes the
window down (blue: watching, orange: moving a window, grey with a red bar: stopped). The three
tray images are opaque on silver (RGB 192, 192, 192); the program icon is transparent.
Run it again after changing a drawing and commit the .ico files it writes.
"""
import struct
import sys
from pathlib import Path

SAMPLES = 4  # supersampling per axis, for smooth edges

TASKBAR = (52, 58, 72)
FRAME = (40, 70, 130)
TITLE = (64, 120, 210)
BODY = (250, 250, 250)
BLUE = (30, 110, 230)
ORANGE = (245, 140, 20)
GREY_FRAME = (110, 110, 110)
GREY_TITLE = (150, 150, 150)
GREY_BODY = (225, 225, 225)
GREY_ARROW = (140, 140, 140)
RED = (220, 30, 30)
# The tray images stand on an opaque silver background, as their image list keeps them.
SILVER = (192, 192, 192)


def rect(x0, y0, x1, y1, colour):
    return lambda x, y: colour if x0 <= x < x1 and y0 <= y < y1 else None


def arrow(cx, top, bottom, half_width, colour):
    """A down arrow in a unit box: a shaft and a triangular head."""
    head = top + (bottom - top) * 0.45

    def shape(x, y):
        if top <= y < head and abs(x - cx) <= half_width * 0.4:
            return colour
        if head <= y < bottom and abs(x - cx) <= half_width * (bottom - y) / (bottom - head):
            return colour
        return None

    return shape


def window(y0, frame, title, body):
    """A small application window whose top edge is y0 (unit coordinates)."""
    return [
        rect(0.12, y0, 0.88, 0.94, frame),
        rect(0.16, y0 + 0.04, 0.84, y0 + 0.14, title),
        rect(0.16, y0 + 0.17, 0.84, 0.90, body),
    ]


def bar(colour):
    """A diagonal bar from top left to bottom right."""
    return lambda x, y: colour if abs((x - y)) < 0.07 and 0.08 < x < 0.92 else None


def drawing(state):
    band = [rect(0.0, 0.0, 1.0, 0.16, TASKBAR)]
    if state == "normal":
        return band + window(0.40, FRAME, TITLE, BODY) + [arrow(0.5, 0.17, 0.40, 0.17, BLUE)]
    if state == "moving":
        return band + window(0.52, FRAME, TITLE, BODY) + [arrow(0.5, 0.17, 0.52, 0.19, ORANGE)]
    if state == "stopped":
        return (band + window(0.40, GREY_FRAME, GREY_TITLE, GREY_BODY)
                + [arrow(0.5, 0.17, 0.40, 0.17, GREY_ARROW), bar(RED)])
    raise ValueError(state)


def render(shapes, size):
    """Rows of (r, g, b, a), top row first."""
    rows = []
    n = SAMPLES * SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) / size
                    y = (py + (sy + 0.5) / SAMPLES) / size
                    colour = None
                    for shape in shapes:
                        colour = shape(x, y) or colour
                    if colour:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            if a:
                row.append((r // a, g // a, b // a, 255 * a // n))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def dib(rows):
    """BITMAPINFOHEADER, bottom-up BGRA pixels and the AND mask (height doubled)."""
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(
        bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def ico(images):
    """An .ico file holding one DIB per size."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
        blobs.append(data)
    return out + b"".join(blobs)


def main():
    out_dir = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "res/icons"
    out_dir.mkdir(parents=True, exist_ok=True)
    for state in ("normal", "moving", "stopped"):
        shapes = [rect(0.0, 0.0, 1.0, 1.0, SILVER)] + drawing(state)
        data = ico([(32, dib(render(shapes, 32)))])
        (out_dir / f"tray_{state}.ico").write_bytes(data)
    app = ico([(size, dib(render(drawing("normal"), size))) for size in (16, 32, 48)])
    (out_dir / "velmora.ico").write_bytes(app)


if __name__ == "__main__":
    main()
