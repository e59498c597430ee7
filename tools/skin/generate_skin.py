#!/usr/bin/python3
"""Draws NookBackup's skin: every bitmap and icon resource, written into
backup/res together with resources.md. With --preview it also composes
build/skin-preview/preview.png (main window, login and notice dialogs).

Run with Debian's python3 and python3-pil; the output is deterministic.
"""

import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from skinkit import catalog  # noqa: E402
from skinkit.caption_buttons import caption_buttons  # noqa: E402
from skinkit.dialogs import dialog_images  # noqa: E402
from skinkit.icons import icon_images  # noqa: E402
from skinkit.main_background import main_background  # noqa: E402
from skinkit.main_buttons import main_buttons  # noqa: E402
from skinkit.panel_frames import panel_pieces, tree_pieces  # noqa: E402
from skinkit.resource_table import write_resource_table  # noqa: E402
from skinkit.window_frame import frame_pieces  # noqa: E402
from skinkit.winfiles import write_bmp, write_ico  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
RES_DIR = os.path.join(ROOT, "backup", "res")
PREVIEW = os.path.join(ROOT, "build", "skin-preview", "preview.png")


def draw_bitmaps():
    background = main_background()
    images = {178: background}
    for part in (frame_pieces(), caption_buttons(), main_buttons(background),
                 panel_pieces(), tree_pieces(), dialog_images()):
        images.update(part)
    return images


def check_against_catalog(bitmaps, icons):
    problems = []
    for entry in catalog.BITMAPS:
        img = bitmaps.get(entry.number)
        if img is None:
            problems.append("bitmap %d was not drawn" % entry.number)
        elif img.size != entry.size:
            problems.append("bitmap %d is %dx%d, wants %dx%d"
                            % ((entry.number,) + img.size + entry.size))
    extra = set(bitmaps) - {e.number for e in catalog.BITMAPS}
    problems += ["bitmap %d is not in the catalogue" % n for n in sorted(extra)]
    for entry in catalog.ICON_LIST:
        sizes = tuple(im.size[0] for im in icons[entry.number])
        if sizes != entry.sizes:
            problems.append("icon %d has sizes %r" % (entry.number, sizes))
    return problems


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--preview", action="store_true",
                        help="also compose %s" % os.path.relpath(PREVIEW, ROOT))
    parser.add_argument("--out", default=RES_DIR, help="resource folder")
    args = parser.parse_args(argv)

    bitmaps = draw_bitmaps()
    icons = icon_images()
    problems = check_against_catalog(bitmaps, icons)
    if problems:
        for p in problems:
            print("error: " + p, file=sys.stderr)
        return 1

    os.makedirs(args.out, exist_ok=True)
    for entry in catalog.BITMAPS:
        write_bmp(os.path.join(args.out, catalog.bitmap_file(entry)), bitmaps[entry.number])
    for entry in catalog.ICON_LIST:
        write_ico(os.path.join(args.out, catalog.icon_file(entry)), icons[entry.number])
    write_resource_table(os.path.join(args.out, "resources.md"))
    print("wrote %d bitmaps and %d icons to %s"
          % (len(catalog.BITMAPS), len(catalog.ICON_LIST), args.out))

    if args.preview:
        from skinkit.preview import compose_preview, compose_zoom
        os.makedirs(os.path.dirname(PREVIEW), exist_ok=True)
        sheet = compose_preview(args.out)
        sheet.save(PREVIEW)
        zoom = PREVIEW.replace(".png", "-zoom.png")
        compose_zoom(sheet).save(zoom)
        print("wrote %s and %s" % (PREVIEW, zoom))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
