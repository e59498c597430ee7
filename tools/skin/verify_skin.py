#!/usr/bin/python3
"""Checks the skin files in backup/res against the catalogue: file format
and size, the transparency rules each image lives by, edge pieces that can
be stretched, and the icon files. Prints each problem; exit status 1 if any.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from skinkit import catalog  # noqa: E402
from skinkit.keying import is_near_magenta  # noqa: E402
from skinkit.palette import BLACK, BUTTON_KEY, MAGENTA  # noqa: E402
from skinkit.winfiles import FormatError, read_bmp, read_ico  # noqa: E402

RES_DIR = os.path.join(os.path.dirname(os.path.dirname(HERE)), "backup", "res")

_KEYS = {catalog.MASK_GREY: BUTTON_KEY, catalog.MASK_BLACK: BLACK,
         catalog.MASK_BLACK_CHOSEN: BLACK, catalog.MASK_MAGENTA: MAGENTA}

# Corner pieces of the main frame: the pixel at the window's very corner.
_WINDOW_CORNERS = {180: ("left", "top"), 172: ("right", "top"),
                   174: ("left", "bottom"), 175: ("right", "bottom")}


def _pixels(img):
    px = img.load()
    w, h = img.size
    return [px[x, y] for y in range(h) for x in range(w)]


def _corner(img, horizontal, vertical):
    w, h = img.size
    return img.getpixel((0 if horizontal == "left" else w - 1, 0 if vertical == "top" else h - 1))


def check_bitmap(entry, img):
    problems = []
    pixels = _pixels(img)
    stray = sum(1 for p in pixels if is_near_magenta(p) and p != MAGENTA)
    if stray:
        problems.append("%d near-magenta pixels" % stray)
    magenta = sum(1 for p in pixels if p == MAGENTA)
    corners = [_corner(img, hz, vt) for hz in ("left", "right") for vt in ("top", "bottom")]
    if entry.key == catalog.CAPTION:
        if MAGENTA in pixels or BLACK in pixels:
            problems.append("caption button holds magenta or black")
    elif entry.key == catalog.OPAQUE:
        if magenta:
            problems.append("opaque image holds %d magenta pixels" % magenta)
    elif entry.key == catalog.REGION_EXACT:
        if any(c != MAGENTA for c in corners):
            problems.append("dialog corners are not cut away")
        if entry.size[0] % 4:
            problems.append("width is not a multiple of 4")
    elif entry.key == catalog.REGION_TOLERANT:
        if entry.number in _WINDOW_CORNERS:
            if _corner(img, *_WINDOW_CORNERS[entry.number]) != MAGENTA:
                problems.append("window corner is not cut away")
        elif magenta:
            problems.append("edge piece holds magenta")
    elif entry.key in _KEYS:
        key = _KEYS[entry.key]
        if any(c != key for c in corners):
            problems.append("corners are not the key colour")
        if all(p == key for p in pixels):
            problems.append("image is empty")
    axis = catalog.STRETCHED.get(entry.number)
    if axis == "x" and any(img.crop((x, 0, x + 1, img.size[1])).tobytes()
                           != img.crop((0, 0, 1, img.size[1])).tobytes()
                           for x in range(img.size[0])):
        problems.append("columns differ, so stretching it across shows seams")
    if axis == "y" and any(img.crop((0, y, img.size[0], y + 1)).tobytes()
                           != img.crop((0, 0, img.size[0], 1)).tobytes()
                           for y in range(img.size[1])):
        problems.append("rows differ, so stretching it down shows seams")
    return problems


def check_icon(entry, entries):
    problems = []
    sizes = tuple(w for w, _, _, _, _ in entries)
    if sizes != entry.sizes:
        problems.append("sizes %r" % (sizes,))
    for w, h, bits, img, mask in entries:
        if w != h or bits != 32:
            problems.append("%dx%d image has %d bits" % (w, h, bits))
        px = img.load()
        opaque = 0
        for y in range(h):
            for x in range(w):
                r, g, b, a = px[x, y]
                if mask[y][x] != (1 if a < 128 else 0):
                    problems.append("%d px: AND mask disagrees with alpha at %d,%d" % (w, x, y))
                    return problems
                if a == 0 and (r, g, b) != (0, 0, 0):
                    problems.append("%d px: clear pixel with colour at %d,%d" % (w, x, y))
                    return problems
                opaque += a >= 128
        if opaque < w * h // 8:
            problems.append("%d px image is nearly empty" % w)
    return problems


def main():
    res_dir = sys.argv[1] if len(sys.argv) > 1 else RES_DIR
    failures = 0
    listed = open(os.path.join(res_dir, "resources.md"), encoding="utf-8").read()
    for entry in catalog.BITMAPS:
        name = catalog.bitmap_file(entry)
        problems = []
        try:
            img, _ = read_bmp(os.path.join(res_dir, name))
            if img.size != entry.size:
                problems.append("is %dx%d, wants %dx%d" % (img.size + entry.size))
            else:
                problems += check_bitmap(entry, img)
        except (OSError, FormatError) as err:
            problems.append(str(err))
        if "`%s`" % name not in listed:
            problems.append("missing from resources.md")
        for p in problems:
            print("%s: %s" % (name, p))
        failures += bool(problems)
    for entry in catalog.ICON_LIST:
        name = catalog.icon_file(entry)
        try:
            problems = check_icon(entry, read_ico(os.path.join(res_dir, name)))
        except (OSError, FormatError) as err:
            problems = [str(err)]
        if "`%s`" % name not in listed:
            problems.append("missing from resources.md")
        for p in problems:
            print("%s: %s" % (name, p))
        failures += bool(problems)
    total = len(catalog.BITMAPS) + len(catalog.ICON_LIST)
    print("%d of %d resource files pass" % (total - failures, total))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
