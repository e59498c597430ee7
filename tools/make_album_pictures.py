#!/usr/bin/python3
"""Draws the pictures NookSS shows when there is nothing of the family's to show,
into saver/content/pictures/ (installed beside the saver in Pictures\\):

    sunrise-hills.jpg     a morning sun over soft green hills
    balloons.jpg          party balloons drifting up a summer sky
    seaside-evening.jpg   a low sun over a calm sea, with a sail
    flower-meadow.jpg     a meadow of flowers under a bright sky
    kite-day.jpg          a kite on a breezy day, with clouds
    autumn-trees.jpg      round orange and golden trees on the hills
    little-house.jpg      a house with lit windows at dusk
    moon-night.jpg        a warm moon and stars over sleeping hills

Each is 1280x800, drawn twice as large and scaled down for smooth edges, and saved
as a baseline JPEG of quality 80 (well under 100 KB). Random placements come from
fixed seeds, so the output is the same on every run. The file names are the ones
saver/album/GeneratedPictures.h lists. Needs Debian's python3-pil.

    /usr/bin/python3 tools/make_album_pictures.py            # writes into the source tree
    /usr/bin/python3 tools/make_album_pictures.py --check    # fails when a committed picture differs
"""

import io
import math
import pathlib
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

# Its command line, shared with other generators, lives in tools/.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import generated_files  # noqa: E402

OUT = "saver/content/pictures"
WIDTH, HEIGHT = 1280, 800
SCALE = 2
W, H = WIDTH * SCALE, HEIGHT * SCALE
QUALITY = 80


# --- drawing helpers (coordinates in output pixels, scaled here) ---------------------

def s(value):
    return int(round(value * SCALE))


def gradient(stops, size=(W, H)):
    """A vertical gradient through (position 0..1, colour) stops, top to bottom."""
    width, height = size
    column = Image.new("RGB", (1, height))
    pixels = []
    for y in range(height):
        t = y / (height - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                f = (t - p0) / (p1 - p0) if p1 > p0 else 0.0
                f = f * f * (3 - 2 * f)  # eased, so the bands do not show
                pixels.append(tuple(int(round(a + (b - a) * f)) for a, b in zip(c0, c1)))
                break
    column.putdata(pixels)
    return column.resize(size, Image.BILINEAR)


def overlay(image, draw_on, blur=0):
    """Draws on a transparent layer (draw_on(ImageDraw)), softens it and lays it on."""
    layer = Image.new("RGBA", image.size, (0, 0, 0, 0))
    draw_on(ImageDraw.Draw(layer))
    if blur:
        # Premultiplied, or the transparent black around a shape bleeds into its edge.
        layer = layer.convert("RGBa").filter(ImageFilter.GaussianBlur(s(blur))).convert("RGBA")
    image.alpha_composite(layer)


def glow(image, cx, cy, radius, colour, strength=150):
    def draw(d):
        steps = 12
        for i in range(steps):
            r = radius * (1 - i / steps)
            a = int(strength * (i + 1) / steps / 3)
            d.ellipse([s(cx - r), s(cy - r), s(cx + r), s(cy + r)], fill=colour + (a,))
    overlay(image, draw, blur=radius / 4)


def disc(d, cx, cy, r, colour):
    d.ellipse([s(cx - r), s(cy - r), s(cx + r), s(cy + r)], fill=colour)


def hill(image, base, waves, colour, top_colour=None):
    """A band of hills: the ground below base + sum of sine waves (amplitude, period,
    phase), filled with colour, or a gradient from top_colour down to colour."""
    points = [(0, H)]
    for x in range(0, W + s(8), s(8)):
        u = x / SCALE
        y = base + sum(a * math.sin(2 * math.pi * u / p + ph) for a, p, ph in waves)
        points.append((x, s(y)))
    points.append((W, H))
    mask = Image.new("L", image.size, 0)
    ImageDraw.Draw(mask).polygon(points, fill=255)
    top = min(y for _, y in points) / SCALE
    fill = Image.new("RGBA", image.size, colour + (255,))
    if top_colour:
        shade = gradient([(0.0, top_colour), (1.0, colour)], (W, H - s(top)))
        fill.paste(shade, (0, s(top)))
    image.paste(fill, (0, 0), mask)


def cloud(d, cx, cy, size, colour=(255, 255, 255, 215)):
    for dx, dy, r in ((-0.9, 0.15, 0.55), (-0.35, -0.2, 0.7), (0.3, -0.1, 0.65), (0.85, 0.2, 0.5),
                      (0.0, 0.25, 0.6)):
        disc(d, cx + dx * size, cy + dy * size, r * size, colour)


def tree(d, x, ground, height, crown, trunk=(122, 84, 56)):
    d.rectangle([s(x - height * 0.05), s(ground - height * 0.55), s(x + height * 0.05), s(ground)], fill=trunk)
    r = height * 0.32
    for dx, dy, k in ((0, -0.72, 1.0), (-0.22, -0.55, 0.75), (0.22, -0.55, 0.75)):
        disc(d, x + dx * height, ground + dy * height, r * k, crown)


def finish(image):
    picture = image.convert("RGB").resize((WIDTH, HEIGHT), Image.LANCZOS)
    data = io.BytesIO()
    picture.save(data, "JPEG", quality=QUALITY, optimize=True)
    return data.getvalue()


def sky(stops):
    return gradient(stops).convert("RGBA")


# --- the pictures ---------------------------------------------------------------------

def sunrise_hills():
    image = sky([(0.0, (120, 170, 220)), (0.45, (250, 200, 160)), (0.7, (255, 226, 170)), (1.0, (255, 236, 190))])
    glow(image, 820, 400, 260, (255, 236, 170), 200)
    overlay(image, lambda d: disc(d, 820, 400, 70, (255, 246, 214, 255)), blur=1)
    overlay(image, lambda d: (cloud(d, 300, 170, 80), cloud(d, 1040, 230, 55)), blur=3)
    hill(image, 520, [(30, 900, 0.5), (14, 340, 1.9)], (150, 196, 120), (182, 214, 140))
    hill(image, 600, [(34, 760, 2.4), (12, 260, 0.3)], (112, 170, 96), (150, 196, 112))
    hill(image, 700, [(26, 1100, 4.0), (10, 300, 1.2)], (86, 144, 80), (118, 170, 92))
    return finish(image)


def balloons():
    image = sky([(0.0, (108, 176, 232)), (0.7, (186, 224, 246)), (1.0, (236, 246, 250))])
    overlay(image, lambda d: (cloud(d, 220, 640, 110), cloud(d, 1100, 560, 90), cloud(d, 700, 720, 130)), blur=4)
    colours = [(240, 96, 96), (255, 186, 72), (250, 140, 170), (130, 200, 120), (255, 220, 90),
               (150, 150, 230), (255, 140, 80)]
    places = [(380, 300, 62), (470, 220, 70), (560, 330, 58), (640, 200, 66), (720, 310, 60), (820, 240, 64),
              (900, 350, 56)]

    def draw(d):
        for (x, y, r), colour in zip(places, colours):
            # strings first, gathered in one hand below
            d.line([(s(x), s(y + r * 1.2)), (s((x + 640) / 2 + 10), s(y + 220)), (s(640), s(690))],
                   fill=(250, 250, 250, 200), width=s(1.5))
        for (x, y, r), colour in zip(places, colours):
            d.ellipse([s(x - r), s(y - r * 1.2), s(x + r), s(y + r * 1.2)], fill=colour + (255,))
            d.polygon([(s(x - 8), s(y + r * 1.3)), (s(x + 8), s(y + r * 1.3)), (s(x), s(y + r * 1.15))],
                      fill=colour + (255,))
            d.ellipse([s(x - r * 0.55), s(y - r * 0.85), s(x - r * 0.2), s(y - r * 0.35)],
                      fill=(255, 255, 255, 110))
    overlay(image, draw)
    return finish(image)


def seaside_evening():
    image = sky([(0.0, (98, 112, 170)), (0.35, (236, 150, 140)), (0.6, (255, 200, 140)), (1.0, (255, 214, 150))])
    glow(image, 640, 500, 300, (255, 210, 140), 220)
    overlay(image, lambda d: disc(d, 640, 500, 80, (255, 232, 180, 255)), blur=1)
    sea = gradient([(0.0, (226, 150, 120)), (1.0, (90, 100, 150))], (W, H - s(520))).convert("RGBA")
    image.paste(sea, (0, s(520)))

    def shine(d):
        for i in range(14):
            y = 536 + i * i * 1.4
            half = 90 - i * 5
            d.rectangle([s(640 - half), s(y), s(640 + half), s(y + 3)], fill=(255, 226, 170, 170))
        # a sail far out
        d.polygon([(s(300), s(506)), (s(300), s(440)), (s(336), s(506))], fill=(255, 244, 230, 255))
        d.polygon([(s(282), s(510)), (s(344), s(510)), (s(334), s(520)), (s(292), s(520))], fill=(96, 70, 80, 255))
    overlay(image, shine, blur=0.7)
    return finish(image)


def flower_meadow():
    image = sky([(0.0, (120, 184, 236)), (0.5, (200, 230, 246)), (1.0, (230, 244, 240))])
    glow(image, 1080, 140, 160, (255, 246, 200), 200)
    overlay(image, lambda d: disc(d, 1080, 140, 50, (255, 248, 220, 255)), blur=1)
    overlay(image, lambda d: cloud(d, 360, 180, 70), blur=3)
    hill(image, 470, [(20, 1000, 1.0), (8, 280, 0.2)], (150, 200, 110), (176, 216, 128))
    hill(image, 560, [(16, 700, 2.2)], (120, 182, 92), (150, 200, 108))
    rng = random.Random(1604)
    petals = [(255, 240, 245), (255, 200, 90), (250, 130, 150), (200, 160, 230), (255, 255, 255)]

    def draw(d):
        for _ in range(150):
            x = rng.random() * 1280
            y = 580 + rng.random() ** 1.5 * 220
            r = 4 + (y - 580) / 220 * 9
            colour = petals[int(rng.random() * len(petals))]
            for k in range(5):
                a = 2 * math.pi * k / 5
                disc(d, x + math.cos(a) * r, y + math.sin(a) * r, r * 0.7, colour + (255,))
            disc(d, x, y, r * 0.5, (250, 190, 60, 255))
    overlay(image, draw)
    return finish(image)


def kite_day():
    image = sky([(0.0, (86, 158, 226)), (0.6, (168, 212, 242)), (1.0, (214, 234, 246))])
    overlay(image, lambda d: (cloud(d, 240, 220, 90), cloud(d, 980, 140, 70), cloud(d, 1120, 420, 60)), blur=4)
    hill(image, 640, [(22, 900, 3.0), (8, 240, 0.7)], (132, 190, 100), (160, 206, 118))

    def draw(d):
        kx, ky = 700, 260
        top, left, right, bottom = (kx, ky - 110), (kx - 80, ky - 10), (kx + 80, ky - 10), (kx, ky + 130)
        d.polygon([s(v) for v in top] + [s(v) for v in right] + [s(v) for v in bottom] + [s(v) for v in left],
                  fill=(236, 86, 86, 255))
        d.polygon([s(v) for v in top] + [s(v) for v in right] + [s(kx), s(ky - 10)], fill=(255, 196, 70, 255))
        d.polygon([s(v) for v in bottom] + [s(v) for v in left] + [s(kx), s(ky - 10)], fill=(255, 196, 70, 255))
        d.line([s(v) for v in top] + [s(v) for v in bottom], fill=(120, 60, 50, 255), width=s(2))
        d.line([s(v) for v in left] + [s(v) for v in right], fill=(120, 60, 50, 255), width=s(2))
        tail = [(kx + 40 * math.sin(t / 3) - t * 6, ky + 130 + t * 14) for t in range(0, 20)]
        d.line([(s(x), s(y)) for x, y in tail], fill=(255, 250, 240, 255), width=s(2))
        for i in (4, 9, 14):
            x, y = tail[i]
            d.polygon([(s(x - 12), s(y - 7)), (s(x + 12), s(y + 7)), (s(x + 12), s(y - 7)), (s(x - 12), s(y + 7))],
                      fill=(120, 190, 230, 255))
        # the line down to whoever flies it, beyond the hill
        d.line([(s(kx), s(ky + 40)), (s(430), s(520)), (s(330), s(700))], fill=(255, 255, 255, 170), width=s(1.5))
    overlay(image, draw)
    return finish(image)


def autumn_trees():
    image = sky([(0.0, (150, 186, 226)), (0.55, (246, 214, 176)), (1.0, (250, 226, 186))])
    glow(image, 260, 220, 180, (255, 230, 180), 160)
    hill(image, 560, [(24, 1000, 0.6), (10, 320, 2.1)], (214, 170, 96), (228, 190, 112))
    crowns = [(236, 120, 60, 255), (246, 170, 60, 255), (214, 90, 60, 255), (250, 200, 80, 255)]

    def draw(d):
        for i, x in enumerate((140, 330, 520, 760, 960, 1150)):
            ground = 600 + 12 * math.sin(x / 150)
            tree(d, x, ground, 230 + 40 * ((i * 7) % 3), crowns[i % len(crowns)])
    overlay(image, draw)
    hill(image, 690, [(14, 800, 1.4)], (188, 130, 72), (204, 150, 84))
    rng = random.Random(2011)

    def leaves(d):
        for _ in range(60):
            x, y = rng.random() * 1280, 300 + rng.random() * 480
            colour = crowns[int(rng.random() * len(crowns))]
            d.ellipse([s(x - 7), s(y - 4), s(x + 7), s(y + 4)], fill=colour)
    overlay(image, leaves)
    return finish(image)


def little_house():
    image = sky([(0.0, (90, 96, 160)), (0.45, (206, 140, 160)), (0.75, (250, 196, 150)), (1.0, (255, 214, 160))])
    glow(image, 1000, 480, 200, (255, 206, 150), 170)
    hill(image, 590, [(18, 1100, 0.4), (6, 300, 1.0)], (104, 140, 96), (124, 160, 104))

    def draw(d):
        x0, x1, top, ground = 470, 790, 420, 620
        d.rectangle([s(x0), s(top), s(x1), s(ground)], fill=(236, 214, 186, 255))
        d.polygon([(s(x0 - 40), s(top + 4)), (s((x0 + x1) / 2), s(top - 150)), (s(x1 + 40), s(top + 4))],
                  fill=(176, 84, 70, 255))
        d.rectangle([s(700), s(top - 120), s(736), s(top - 40)], fill=(150, 80, 68, 255))
        for wx in (510, 660):
            d.rectangle([s(wx), s(460), s(wx + 90), s(540)], fill=(255, 214, 120, 255))
            d.line([s(wx + 45), s(460), s(wx + 45), s(540)], fill=(170, 110, 80, 255), width=s(4))
            d.line([s(wx), s(500), s(wx + 90), s(500)], fill=(170, 110, 80, 255), width=s(4))
        d.rectangle([s(600), s(530), s(652), s(ground)], fill=(140, 86, 60, 255))
        d.polygon([(s(610), s(ground)), (s(642), s(ground)), (s(700), s(800)), (s(560), s(800))],
                  fill=(214, 190, 150, 255))
        tree(d, 300, 640, 260, (86, 130, 80, 255))
        tree(d, 960, 630, 200, (96, 140, 86, 255))
    overlay(image, draw)
    # the windows' light spills out a little
    glow(image, 555, 500, 70, (255, 220, 140), 120)
    glow(image, 705, 500, 70, (255, 220, 140), 120)
    return finish(image)


def moon_night():
    image = sky([(0.0, (40, 40, 90)), (0.6, (92, 70, 120)), (1.0, (150, 100, 130))])
    rng = random.Random(7)

    def stars(d):
        for _ in range(90):
            x, y = rng.random() * 1280, rng.random() * 460
            r = 1 + rng.random() * 1.8
            disc(d, x, y, r, (255, 244, 210, int(150 + rng.random() * 100)))
    overlay(image, stars)
    glow(image, 940, 210, 190, (255, 226, 160), 170)
    overlay(image, lambda d: disc(d, 940, 210, 64, (255, 236, 180, 255)), blur=0.7)
    overlay(image, lambda d: cloud(d, 330, 300, 60, (190, 160, 190, 120)), blur=5)
    hill(image, 600, [(30, 900, 1.3), (10, 280, 0.1)], (70, 66, 110), (92, 80, 124))
    hill(image, 690, [(22, 700, 3.1)], (52, 50, 88), (66, 60, 100))

    def windows(d):
        for x, y in ((420, 676), (452, 680), (820, 690)):
            d.rectangle([s(x), s(y), s(x + 10), s(y + 10)], fill=(255, 210, 120, 255))
    overlay(image, windows)
    return finish(image)


PICTURES = [
    ("sunrise-hills.jpg", sunrise_hills),
    ("balloons.jpg", balloons),
    ("seaside-evening.jpg", seaside_evening),
    ("flower-meadow.jpg", flower_meadow),
    ("kite-day.jpg", kite_day),
    ("autumn-trees.jpg", autumn_trees),
    ("little-house.jpg", little_house),
    ("moon-night.jpg", moon_night),
]

if __name__ == "__main__":
    sys.exit(generated_files.main(__doc__, ((f"{OUT}/{name}", draw()) for name, draw in PICTURES)))
