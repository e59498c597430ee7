#!/usr/bin/python3
"""Draws the images of NookBackup's page templates into backup/Templates/images/:

    character/1..3.png   who writes the diary: dad, mum, baby
    mood/1..7.png        happy, lively, excited, calm, plain, fretful, in tears
    weather/1..6.png     sunny, partly cloudy, overcast, rain, snow, windy
    epush.gif            the editor's-choice ribbon

Icons are 32x32, drawn four times larger and scaled down for smooth edges. Needs
Debian's python3-pil and, for the ribbon's text, fonts-wqy-microhei.

    /usr/bin/python3 tools/templates/make_template_images.py
"""

import math
import pathlib

from PIL import Image, ImageDraw, ImageFont

ROOT = pathlib.Path(__file__).resolve().parents[2]
OUT = ROOT / "backup" / "Templates" / "images"
SIZE = 32
SCALE = 4
BIG = SIZE * SCALE
FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

INK = (92, 60, 38, 255)
SKIN = (255, 221, 190, 255)
CHEEK = (255, 160, 150, 200)
FACE = (255, 214, 92, 255)
FACE_EDGE = (226, 160, 52, 255)


def canvas():
    image = Image.new("RGBA", (BIG, BIG), (0, 0, 0, 0))
    return image, ImageDraw.Draw(image)


def box(cx, cy, rx, ry=None):
    """Bounding box of an ellipse, in icon units (0..32)."""
    ry = rx if ry is None else ry
    return [(cx - rx) * SCALE, (cy - ry) * SCALE, (cx + rx) * SCALE, (cy + ry) * SCALE]


def pts(*points):
    return [(x * SCALE, y * SCALE) for x, y in points]


def save_icon(image, folder, number):
    path = OUT / folder / f"{number}.png"
    path.parent.mkdir(parents=True, exist_ok=True)
    image.resize((SIZE, SIZE), Image.LANCZOS).save(path, optimize=True)


# --- who writes -----------------------------------------------------------------

def person(draw, shirt, behind=None, front=None):
    draw.pieslice(box(16, 34, 13, 9), 180, 360, fill=shirt)
    if behind:
        behind(draw)
    draw.ellipse(box(16, 15, 10), fill=SKIN)
    if front:
        front(draw)
    draw.ellipse(box(12.5, 16, 1.2), fill=INK)
    draw.ellipse(box(19.5, 16, 1.2), fill=INK)
    draw.ellipse(box(10.5, 19, 2, 1.3), fill=CHEEK)
    draw.ellipse(box(21.5, 19, 2, 1.3), fill=CHEEK)
    draw.arc(box(16, 18.5, 3, 2.5), 20, 160, fill=INK, width=SCALE)


def dad_hair(draw):
    brown = (84, 56, 40, 255)
    draw.chord(box(16, 13, 10.5, 9), 180, 360, fill=brown)
    draw.rectangle(pts((6, 11), (8, 15)), fill=brown)
    draw.rectangle(pts((24, 11), (26, 15)), fill=brown)


MUM_HAIR = (128, 70, 44, 255)


def mum_long_hair(draw):
    draw.rounded_rectangle(pts((4.5, 5), (27.5, 27)), radius=9 * SCALE, fill=MUM_HAIR)


def mum_fringe(draw):
    draw.chord(box(16, 12, 10, 7), 180, 360, fill=MUM_HAIR)
    draw.ellipse(box(25, 7, 3), fill=(240, 104, 132, 255))
    draw.ellipse(box(25, 7, 1.2), fill=(255, 200, 210, 255))


def baby_curl(draw):
    draw.arc(box(17, 6, 3.5), 200, 470, fill=(150, 96, 60, 255), width=int(1.5 * SCALE))


def draw_characters():
    people = [
        ((90, 140, 200, 255), None, dad_hair),
        ((236, 120, 140, 255), mum_long_hair, mum_fringe),
        ((255, 190, 90, 255), None, baby_curl),
    ]
    for number, (shirt, behind, front) in enumerate(people, start=1):
        image, draw = canvas()
        person(draw, shirt, behind, front)
        save_icon(image, "character", number)


# --- moods ----------------------------------------------------------------------

def face(draw, colour=FACE):
    draw.ellipse(box(16, 16, 14), fill=colour, outline=FACE_EDGE, width=SCALE)


def dot_eyes(draw):
    draw.ellipse(box(11, 13, 1.8, 2.2), fill=INK)
    draw.ellipse(box(21, 13, 1.8, 2.2), fill=INK)


def cheeks(draw):
    draw.ellipse(box(8.5, 19, 2.4, 1.5), fill=CHEEK)
    draw.ellipse(box(23.5, 19, 2.4, 1.5), fill=CHEEK)


def happy(draw):
    face(draw)
    dot_eyes(draw)
    cheeks(draw)
    draw.arc(box(16, 17, 7, 6), 20, 160, fill=INK, width=int(1.6 * SCALE))


def lively(draw):
    face(draw)
    draw.ellipse(box(11, 13, 1.8, 2.2), fill=INK)
    draw.arc(box(21, 14, 2.5, 2), 200, 340, fill=INK, width=int(1.4 * SCALE))
    cheeks(draw)
    draw.chord(box(16, 18, 6, 5.5), 0, 180, fill=(150, 50, 40, 255))
    draw.ellipse(box(17.5, 22, 2.5, 1.6), fill=(255, 120, 120, 255))


def star(draw, cx, cy, r, colour):
    points = []
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.45
        angle = -math.pi / 2 + i * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    draw.polygon(pts(*points), fill=colour)


def excited(draw):
    face(draw, (255, 200, 70, 255))
    star(draw, 11, 12.5, 3.6, (230, 90, 60, 255))
    star(draw, 21, 12.5, 3.6, (230, 90, 60, 255))
    draw.chord(box(16, 18, 7, 7), 0, 180, fill=(150, 50, 40, 255))
    draw.rectangle(pts((11, 18), (21, 19.5)), fill=(255, 255, 255, 255))


def calm(draw):
    face(draw, (255, 226, 140, 255))
    draw.arc(box(11, 13, 2.6, 2), 20, 160, fill=INK, width=int(1.3 * SCALE))
    draw.arc(box(21, 13, 2.6, 2), 20, 160, fill=INK, width=int(1.3 * SCALE))
    cheeks(draw)
    draw.arc(box(16, 20, 3, 2), 20, 160, fill=INK, width=int(1.3 * SCALE))


def plain(draw):
    face(draw, (250, 222, 150, 255))
    dot_eyes(draw)
    draw.line(pts((11.5, 21.5), (20.5, 21.5)), fill=INK, width=int(1.5 * SCALE))


def fretful(draw):
    face(draw, (255, 170, 110, 255))
    draw.line(pts((8, 9.5), (13.5, 11.5)), fill=INK, width=int(1.4 * SCALE))
    draw.line(pts((24, 9.5), (18.5, 11.5)), fill=INK, width=int(1.4 * SCALE))
    draw.ellipse(box(11, 14.5, 1.6, 1.8), fill=INK)
    draw.ellipse(box(21, 14.5, 1.6, 1.8), fill=INK)
    draw.line(pts((10, 23), (12.5, 21), (15, 23), (17.5, 21), (20, 23), (22, 21.5)), fill=INK,
              width=int(1.4 * SCALE), joint="curve")


def in_tears(draw):
    face(draw, (255, 214, 120, 255))
    draw.arc(box(11, 14, 2.6, 2), 200, 340, fill=INK, width=int(1.3 * SCALE))
    draw.arc(box(21, 14, 2.6, 2), 200, 340, fill=INK, width=int(1.3 * SCALE))
    tear = (90, 170, 240, 255)
    draw.polygon(pts((9, 16), (7.3, 21), (10.7, 21)), fill=tear)
    draw.ellipse(box(9, 21.5, 1.8), fill=tear)
    draw.polygon(pts((23, 16), (21.3, 21), (24.7, 21)), fill=tear)
    draw.ellipse(box(23, 21.5, 1.8), fill=tear)
    draw.arc(box(16, 25, 5, 4), 200, 340, fill=INK, width=int(1.6 * SCALE))


def draw_moods():
    for number, drawer in enumerate((happy, lively, excited, calm, plain, fretful, in_tears), start=1):
        image, draw = canvas()
        drawer(draw)
        save_icon(image, "mood", number)


# --- weather --------------------------------------------------------------------

SUN = (255, 184, 40, 255)
RAY = (255, 150, 40, 255)


def sun(draw, cx, cy, r):
    for i in range(8):
        angle = i * math.pi / 4
        inner, outer = r + 2, r + 5.5
        draw.line(pts((cx + inner * math.cos(angle), cy + inner * math.sin(angle)),
                      (cx + outer * math.cos(angle), cy + outer * math.sin(angle))),
                  fill=RAY, width=int(2 * SCALE))
    draw.ellipse(box(cx, cy, r), fill=SUN)


def cloud(draw, dy=0, colour=(255, 255, 255, 255), edge=(170, 190, 210, 255)):
    shapes = [box(11, 17 + dy, 5.5), box(18, 14 + dy, 7), box(24, 18 + dy, 5)]
    for shape in shapes:
        draw.ellipse([shape[0] - SCALE, shape[1] - SCALE, shape[2] + SCALE, shape[3] + SCALE], fill=edge)
    draw.rounded_rectangle(pts((5, 16 + dy), (29, 23.5 + dy)), radius=3.5 * SCALE, fill=edge)
    for shape in shapes:
        draw.ellipse(shape, fill=colour)
    draw.rounded_rectangle(pts((6, 17 + dy), (28, 22.5 + dy)), radius=3 * SCALE, fill=colour)


def sunny(draw):
    sun(draw, 16, 16, 7.5)


def partly_cloudy(draw):
    sun(draw, 12, 12, 6)
    cloud(draw, dy=3)


def overcast(draw):
    grey = (200, 208, 218, 255)
    cloud(draw, dy=-4, colour=grey, edge=(150, 160, 175, 255))
    cloud(draw, dy=2, colour=(232, 236, 242, 255), edge=(150, 160, 175, 255))


def rain(draw):
    cloud(draw, dy=-4, colour=(225, 232, 242, 255), edge=(130, 150, 175, 255))
    drop = (70, 150, 230, 255)
    for x, y in ((10, 24), (16, 26), (22, 24)):
        draw.polygon(pts((x, y - 3), (x - 1.8, y + 1), (x + 1.8, y + 1)), fill=drop)
        draw.ellipse(box(x, y + 1.2, 1.8), fill=drop)


def snow(draw):
    cloud(draw, dy=-4, colour=(240, 244, 250, 255), edge=(140, 160, 190, 255))
    flake = (80, 140, 215, 255)
    for x, y in ((10, 25), (16, 28), (22, 25)):
        for dx, dy in ((2.6, 0), (1.3, 2.25), (-1.3, 2.25)):
            draw.line(pts((x - dx, y - dy), (x + dx, y + dy)), fill=flake, width=int(1.1 * SCALE))


def windy(draw):
    line = (110, 160, 200, 255)
    width = int(2 * SCALE)
    draw.line(pts((4, 12), (20, 12)), fill=line, width=width)
    draw.arc(box(20, 9, 3), 270, 450 + 90, fill=line, width=width)
    draw.line(pts((4, 18), (25, 18)), fill=line, width=width)
    draw.arc(box(25, 21, 3), 180 + 90, 90 + 360, fill=line, width=width)
    draw.line(pts((7, 24), (17, 24)), fill=line, width=width)
    draw.arc(box(17, 27, 3), 270, 450, fill=line, width=width)


def draw_weather():
    for number, drawer in enumerate((sunny, partly_cloudy, overcast, rain, snow, windy), start=1):
        image, draw = canvas()
        drawer(draw)
        save_icon(image, "weather", number)


# --- editor's choice ribbon -----------------------------------------------------

def draw_ribbon():
    width, height = 110, 34
    big = Image.new("RGBA", (width * SCALE, height * SCALE), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    red, dark = (222, 88, 64, 255), (170, 56, 40, 255)
    draw.polygon([(0, 6 * SCALE), (10 * SCALE, 6 * SCALE), (10 * SCALE, 32 * SCALE), (0, 32 * SCALE),
                  (5 * SCALE, 19 * SCALE)], fill=dark)
    draw.rounded_rectangle([6 * SCALE, 2 * SCALE, (width - 1) * SCALE, 28 * SCALE], radius=6 * SCALE, fill=red)
    star(draw, 19, 15, 8, (255, 214, 92, 255))
    font = ImageFont.truetype(FONT, 15 * SCALE)
    draw.text((32 * SCALE, 5 * SCALE), "\u7f16\u8f91\u63a8\u8350", font=font, fill=(255, 255, 255, 255))
    small = big.resize((width, height), Image.LANCZOS)
    # GIF keeps one transparent colour: cut the alpha at half and flatten onto the page colour.
    page = Image.new("RGBA", small.size, (255, 253, 248, 255))
    flat = Image.alpha_composite(page, small).convert("RGB").convert("P", palette=Image.ADAPTIVE, colors=63)
    mask = small.getchannel("A").point(lambda a: 255 if a < 128 else 0)
    flat.paste(63, mask=mask)
    flat.save(OUT / "epush.gif", transparency=63)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    draw_characters()
    draw_moods()
    draw_weather()
    draw_ribbon()


if __name__ == "__main__":
    main()
