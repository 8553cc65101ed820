#!/usr/bin/env python3
"""Draws Renumera's icons and writes them next to this script.

  Emblem_multi.ico   the program icon: a rotary dial with a "7", 16, 32, 48 and 64 pixels, 32-bit
  down.ico           a yellow-orange arrow pointing down, 16, 24, 32 and 48 pixels, 8- and 32-bit
  renumera_<n>.png   the program icon for the desktop's icon theme, n = 16, 32, 48, 64

Shapes are signed distance functions in pixel units, filled with 8 x 8 samples a pixel, and
each size is drawn on its own grid so that straight edges fall on pixel boundaries. The output
depends on nothing but this script (standard library only).
"""

import math
import os
import struct
import sys
import zlib

SAMPLES = 8  # per pixel and axis

# ---------------------------------------------------------------------------------------------
# Shapes: functions (x, y) -> signed distance, negative inside.


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def polygon(points):
    edges = list(zip(points, points[1:] + points[:1]))

    def distance(x, y):
        inside = False
        nearest = float("inf")
        for (x0, y0), (x1, y1) in edges:
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                inside = not inside
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
            nearest = min(nearest, math.hypot(x - x0 - t * dx, y - y0 - t * dy))
        return -nearest if inside else nearest

    return distance


def inset(shape, amount):
    return lambda x, y: shape(x, y) + amount


def difference(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


# ---------------------------------------------------------------------------------------------
# Painting: straight RGBA pixels in 0..1, composited with "over".


def blend(a, b, t):
    return tuple(p + (q - p) * t for p, q in zip(a, b))


def hex_colour(text):
    return tuple(int(text[i : i + 2], 16) / 255 for i in (1, 3, 5))


def vertical_gradient(top, bottom, y0, y1):
    top, bottom = hex_colour(top), hex_colour(bottom)
    return lambda x, y: blend(top, bottom, max(0.0, min(1.0, (y - y0) / (y1 - y0))))


def solid(colour):
    rgb = hex_colour(colour)
    return lambda x, y: rgb


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [(0.0, 0.0, 0.0, 0.0)] * (size * size)

    def fill(self, shape, paint, box=None, opacity=1.0):
        """Paints `shape` with `paint` (a colour at the pixel's centre); `box` bounds the work."""
        x0, y0, x1, y1 = box or (0, 0, self.size, self.size)
        step = 1 / SAMPLES
        offsets = [(i + 0.5) * step for i in range(SAMPLES)]
        for py in range(max(0, int(y0)), min(self.size, math.ceil(y1))):
            for px in range(max(0, int(x0)), min(self.size, math.ceil(x1))):
                hits = sum(1 for dy in offsets for dx in offsets if shape(px + dx, py + dy) < 0)
                if hits:
                    self.over(px, py, paint(px + 0.5, py + 0.5), opacity * hits / SAMPLES**2)

    def over(self, px, py, rgb, alpha):
        r, g, b, a = self.pixels[py * self.size + px]
        out = alpha + a * (1 - alpha)
        mixed = tuple((c * alpha + d * a * (1 - alpha)) / out for c, d in zip(rgb, (r, g, b)))
        self.pixels[py * self.size + px] = (*mixed, out)

    def rgba8(self):
        return [tuple(round(c * 255) for c in p) for p in self.pixels]


# ---------------------------------------------------------------------------------------------
# The program icon: a blue rotary dial, its finger holes round the rim, a white "7" inside.


def seven(left, top, width, height, bar, stem):
    """The digit as one polygon: a bar across the top and a stem slanting down to the left."""
    right, bottom = left + width, top + height
    foot = left + width * 0.28
    return polygon(
        [
            (left, top),
            (right, top),
            (right, top + bar),
            (foot + stem, bottom),
            (foot, bottom),
            (right - stem, top + bar),
            (left, top + bar),
        ]
    )


def draw_emblem(size):
    canvas = Canvas(size)
    s = size / 64  # design grid: 64 units
    centre = size / 2
    rim = size / 2 - 0.5
    line = max(1.0, 1.5 * s)
    disc = circle(centre, centre, rim)
    canvas.fill(disc, solid("#0F2C6B"))
    canvas.fill(inset(disc, line), vertical_gradient("#5B9BEA", "#1C4FA6", 0, size))

    if size >= 32:
        # Ten holes over 300 degrees, clockwise from the top, leaving the dial's gap at the
        # lower right.
        ring = 21.5 * s
        hole = 6.3 * s
        for k in range(10):
            angle = math.radians(165 + 30 * k)
            hx, hy = centre + ring * math.sin(angle), centre - ring * math.cos(angle)
            box = (hx - hole - 1, hy - hole - 1, hx + hole + 1, hy + hole + 1)
            canvas.fill(circle(hx, hy, hole), solid("#163C85"), box)
            paper = vertical_gradient("#E3EDFB", "#FFFFFF", hy - hole, hy + hole)
            canvas.fill(circle(hx, hy, hole - line), paper, box)

    # The digit: its bar snapped to whole pixels so that it stays sharp when small.
    if size >= 32:
        width, height = round(18 * s), round(24 * s)
        bar, stem = max(2, round(5 * s)), 6 * s
    else:
        width, height, bar, stem = 8, 10, 2, 2.6
    left = round(centre - width / 2 + 0.5 * s)
    top = round(centre - height / 2)
    digit = seven(left, top, width, height, bar, stem)
    if size >= 32:
        shadow = seven(left + s, top + s, width, height, bar, stem)
        canvas.fill(shadow, solid("#0A1F4D"), opacity=0.55)
    canvas.fill(digit, solid("#FFFFFF"))
    return canvas.rgba8()


# ---------------------------------------------------------------------------------------------
# The arrow: a shaft and a head, yellow at the top to orange at the tip, with a dark outline.


def draw_arrow(size):
    canvas = Canvas(size)
    g = size / 16  # design grid: 16 units

    def snap(v):
        return round(v * g)

    shaft_left, shaft_right = snap(5), size - snap(5)
    top, neck, tip = snap(1), snap(8), size - snap(1)
    head_left, head_right = snap(1), size - snap(1)
    centre = size / 2
    arrow = polygon(
        [
            (shaft_left, top),
            (shaft_right, top),
            (shaft_right, neck),
            (head_right, neck),
            (centre, tip),
            (head_left, neck),
            (shaft_left, neck),
        ]
    )
    line = max(1.0, size / 24)
    canvas.fill(arrow, solid("#8A3B00"))
    canvas.fill(inset(arrow, line), vertical_gradient("#FFE45C", "#F27A00", top, tip))
    if size >= 24:
        # A lighter edge along the upper left of the shaft gives the classic raised look.
        x0, x1 = shaft_left + line, shaft_left + line + g
        shine = polygon([(x0, top + line), (x1, top + line), (x1, neck), (x0, neck)])
        canvas.fill(shine, solid("#FFF6B8"), opacity=0.7)
    return canvas.rgba8()


# ---------------------------------------------------------------------------------------------
# Palettes for the 8-bit images: median cut over the opaque pixels, index 0 kept black for the
# transparent ones (black leaves the screen unchanged where the AND mask lets it through).


def spread(colours, channel):
    return max(c[channel] for c in colours) - min(c[channel] for c in colours)


def median_cut(colours, count):
    boxes = [sorted(set(colours))]
    while len(boxes) < count:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=lambda b: (max(spread(b, i) for i in range(3)), len(b)))
        axis = max(range(3), key=lambda i: spread(box, i))
        box.sort(key=lambda c: (c[axis], c))
        half = len(box) // 2
        boxes.remove(box)
        boxes += [box[:half], box[half:]]
    return [tuple(round(sum(c[i] for c in b) / len(b)) for i in range(3)) for b in boxes]


def palettise(rgba):
    opaque = [p[:3] for p in rgba if p[3] >= 128]
    palette = [(0, 0, 0)] + [c for c in median_cut(opaque, 255) if c != (0, 0, 0)]
    nearest = {}
    for colour in set(opaque):
        nearest[colour] = min(
            range(len(palette)), key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour))
        )
    indices = [nearest[p[:3]] if p[3] >= 128 else 0 for p in rgba]
    return palette, indices


# ---------------------------------------------------------------------------------------------
# Files.


def bottom_up_rows(size, row_bytes):
    """The rows of a DIB: last row first, each padded to a multiple of four bytes."""
    rows = [row_bytes(y) for y in reversed(range(size))]
    return b"".join(row + bytes(-len(row) % 4) for row in rows)


def and_mask(size, transparent):
    def row(y):
        bits = 0
        for x in range(size):
            bits = bits << 1 | transparent(x, y)
        width = (size + 7) // 8 * 8
        return (bits << (width - size)).to_bytes(width // 8, "big")

    return bottom_up_rows(size, row)


def dib(size, rgba, bit_count):
    """A BITMAPINFOHEADER image of 8 or 32 bits; its AND mask marks the pixels under half alpha."""
    if bit_count == 32:
        table, used = b"", 0

        def row(y):
            return b"".join(bytes((b, g, r, a)) for r, g, b, a in rgba[y * size : (y + 1) * size])

    else:
        palette, indices = palettise(rgba)
        table, used = b"".join(bytes((b, g, r, 0)) for r, g, b in palette), len(palette)

        def row(y):
            return bytes(indices[y * size : (y + 1) * size])

    colour = bottom_up_rows(size, row)
    mask = and_mask(size, lambda x, y: rgba[y * size + x][3] < 128)
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, 2 * size, 1, bit_count, 0, len(colour) + len(mask), 0, 0, used, 0
    )
    return header + table + colour + mask


def icon_file(images):
    """images: (size, bit_count, dib bytes) in directory order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bit_count, data in images:
        # Sizes are one byte; 0 stands for 256.
        side = size % 256
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, bit_count, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def png_file(size, rgba):
    def chunk(kind, data):
        checksum = zlib.crc32(kind + data)
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", checksum)

    # Eight-bit RGBA, every row with filter type 0.
    rows = b"".join(
        b"\0" + bytes(c for p in rgba[y * size : (y + 1) * size] for c in p) for y in range(size)
    )
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(rows, 9))
        + chunk(b"IEND", b"")
    )


def main():
    here = os.path.dirname(os.path.abspath(__file__))

    def write(name, data):
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)

    emblems = {size: draw_emblem(size) for size in (16, 32, 48, 64)}
    write("Emblem_multi.ico", icon_file([(n, 32, dib(n, rgba, 32)) for n, rgba in emblems.items()]))
    for size, rgba in emblems.items():
        write(f"renumera_{size}.png", png_file(size, rgba))

    arrows = []
    for size in (16, 24, 32, 48):
        rgba = draw_arrow(size)
        arrows += [(size, 8, dib(size, rgba, 8)), (size, 32, dib(size, rgba, 32))]
    write("down.ico", icon_file(arrows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
