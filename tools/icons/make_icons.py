#!/usr/bin/env python3
"""Draws the screen saver's icons (its own and one per plug-in) and writes them
as Windows .ico files with 16x16 and 32x32 images (32-bit with alpha plus the
classic AND mask), using only the standard library.

Each icon is a small scene of filled shapes given as coverage functions of a
point in the unit square; 4x4 supersampling smooths the edges.

    tools/icons/make_icons.py            # writes into the source tree
    tools/icons/make_icons.py --check    # fails when a committed icon differs
"""

import math
import pathlib
import struct
import sys

# Its command line, shared with other generators, lives in tools/.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import generated_files  # noqa: E402

SIZES = (16, 32)
SUPERSAMPLE = 4


def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded_box(x0, y0, x1, y1, r):
    def inside(x, y):
        qx = max(x0 + r - x, 0, x - (x1 - r))
        qy = max(y0 + r - y, 0, y - (y1 - r))
        return x0 <= x <= x1 and y0 <= y <= y1 and qx * qx + qy * qy <= r * r
    return inside


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def ellipse(cx, cy, rx, ry, angle=0.0):
    c, s = math.cos(angle), math.sin(angle)
    def inside(x, y):
        dx, dy = x - cx, y - cy
        u, v = dx * c + dy * s, -dx * s + dy * c
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1
    return inside


def flame(cx, base, top, half_width):
    """A drop shape: round at the bottom, pointed at the top."""
    def inside(x, y):
        if not top <= y <= base:
            return False
        t = (base - y) / (base - top)  # 0 at the base, 1 at the tip
        width = half_width * math.sin(math.pi * min(1.0, 0.35 + 0.65 * t)) * (1 - t) ** 0.5 * 1.6
        return abs(x - cx) <= width
    return inside


# Each scene: layers painted in order, (shape, (r, g, b)).
SCENES = {
    "saver/res/NookSS.ico": [
        (rounded_box(0.06, 0.12, 0.94, 0.78, 0.08), (0x3C, 0x3C, 0x46)),
        (box(0.12, 0.18, 0.88, 0.72), (0x1B, 0x2A, 0x49)),
        (minus(disc(0.62, 0.40, 0.17), disc(0.70, 0.34, 0.15)), (0xF4, 0xE3, 0x9A)),
        (disc(0.30, 0.32, 0.04), (0xFF, 0xFF, 0xFF)),
        (box(0.42, 0.78, 0.58, 0.88), (0x3C, 0x3C, 0x46)),
        (rounded_box(0.26, 0.86, 0.74, 0.94, 0.03), (0x3C, 0x3C, 0x46)),
    ],
    "plugins/lullaby/res/SS_Lullaby.ico": [
        (disc(0.5, 0.5, 0.47), (0x1B, 0x2A, 0x49)),
        (minus(disc(0.46, 0.52, 0.30), disc(0.60, 0.42, 0.26)), (0xF4, 0xE3, 0x9A)),
        (disc(0.70, 0.72, 0.05), (0xFF, 0xFF, 0xFF)),
        (disc(0.76, 0.26, 0.04), (0xFF, 0xFF, 0xFF)),
    ],
    "plugins/orchard/res/SS_Orchard.ico": [
        (disc(0.5, 0.56, 0.40), (0xE8, 0x8A, 0x2E)),
        (disc(0.40, 0.46, 0.10), (0xF6, 0xB0, 0x60)),
        (ellipse(0.64, 0.16, 0.16, 0.07, -0.5), (0x3D, 0x8B, 0x37)),
        (box(0.48, 0.08, 0.53, 0.22), (0x6B, 0x44, 0x23)),
    ],
    "plugins/glass/res/SS_Glass.ico": [
        (rounded_box(0.08, 0.08, 0.92, 0.92, 0.06), (0x5A, 0x3E, 0x2B)),
        (box(0.16, 0.16, 0.47, 0.47), (0x8F, 0xD3, 0xDB)),
        (box(0.53, 0.16, 0.84, 0.47), (0x6C, 0xB8, 0xC4)),
        (box(0.16, 0.53, 0.47, 0.84), (0x6C, 0xB8, 0xC4)),
        (box(0.53, 0.53, 0.84, 0.84), (0x2E, 0x6F, 0x7E)),
        (ellipse(0.28, 0.26, 0.08, 0.03, -0.7), (0xFF, 0xFF, 0xFF)),
    ],
    "plugins/torch/res/SS_Torch.ico": [
        (flame(0.5, 0.62, 0.06, 0.22), (0xF2, 0x8C, 0x1E)),
        (flame(0.5, 0.60, 0.26, 0.11), (0xFF, 0xE0, 0x6A)),
        (rounded_box(0.36, 0.60, 0.64, 0.94, 0.04), (0x6B, 0x44, 0x23)),
        (box(0.30, 0.60, 0.70, 0.66), (0x3A, 0x22, 0x10)),
    ],
}


def render(layers, size):
    """RGBA rows, top row first."""
    rows = []
    n = SUPERSAMPLE
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0.0
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    colour = None
                    for shape, rgb in layers:
                        if shape(x, y):
                            colour = rgb
                    if colour:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / (n * n))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(rows):
    size = len(rows)
    xor = bytearray()
    for row in reversed(rows):  # bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico(layers):
    images = [icon_image(render(layers, size)) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


if __name__ == "__main__":
    sys.exit(generated_files.main(__doc__, ((relative, ico(layers)) for relative, layers in SCENES.items())))
