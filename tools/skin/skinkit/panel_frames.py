"""Border pieces for the framed panels (CSkinFrame controls).

A CSkinFrame copies its corners as they are and stretches its edges, with
no transparency, so each set is cut from one reference frame whose edges
are uniform along their stretch direction. Corner pixels outside the
rounding are blended onto what surrounds the frame (white work area).
"""

from PIL import Image

from . import palette as P
from .canvas import Pen, blank, fill, hgradient, lerp, vgradient

# Work-area and page-view frame: 8x8 pieces, numbered top-left, top,
# top-right, left, right, bottom-left, bottom, bottom-right.
PANEL_ORDER = (197, 196, 190, 194, 195, 192, 191, 193)
PANEL_EDGE = 8

# Tree frame: a notebook card with a header band and a ribbon.
TREE_ORDER = (205, 204, 198, 202, 203, 200, 199, 201)
TREE_LEFT, TREE_TOP, TREE_RIGHT, TREE_BOTTOM = 7, 27, 13, 16

_SURROUND = (252, 250, 246)


def _cut(img, left, top, right, bottom, span, order):
    """Cuts corners and edge pieces; edges are span pixels long."""
    w, h = img.size
    boxes = [
        (0, 0, left, top), (left, 0, left + span, top), (w - right, 0, w, top),
        (0, top, left, top + span), (w - right, top, w, top + span),
        (0, h - bottom, left, h), (left, h - bottom, left + span, h),
        (w - right, h - bottom, w, h),
    ]
    return {num: img.crop(box) for num, box in zip(order, boxes)}


def panel_reference(w, h):
    art = blank(w, h, _SURROUND)
    art = fill(art, Pen(w, h).rrect(0, 0, w, h, 5).mask(), P.PANEL_LINE)
    art = fill(art, Pen(w, h).rrect(1, 1, w - 1, h - 1, 4).mask(), P.PANEL_BAND)
    art = fill(art, Pen(w, h).rrect(3, 3, w - 3, h - 3, 3).mask(), P.PANEL_INNER)
    art = fill(art, Pen(w, h).rrect(4, 4, w - 4, h - 4, 2).mask(), P.WHITE)
    return art.convert("RGB")


def panel_pieces():
    e = PANEL_EDGE
    return _cut(panel_reference(40, 40), e, e, e, e, e, PANEL_ORDER)


def _tree_field(w, h):
    """Colours inside the tree card's outline: header, side bands, base."""
    img = Image.new("RGB", (w, h), P.WHITE)
    img.paste(vgradient(w, TREE_TOP - 1, [(0, P.TREE_HEADER_TOP), (1, P.TREE_HEADER_BOTTOM)]),
              (0, 0))
    img.paste(P.TREE_LINE, (0, TREE_TOP - 1, w, TREE_TOP))
    body_top = TREE_TOP
    img.paste(P.TREE_BAND, (0, body_top, TREE_LEFT - 1, h))
    img.paste(P.TREE_INNER, (TREE_LEFT - 1, body_top, TREE_LEFT, h - TREE_BOTTOM + 1))
    # The right band and the base deepen towards the outside, like the
    # edge of a thick notebook; where they meet the deeper one wins.
    px = img.load()
    rx0 = w - TREE_RIGHT
    by0 = h - TREE_BOTTOM
    for y in range(body_top, h):
        for x in range(TREE_LEFT - 1, w):
            tx = (x - rx0) / float(TREE_RIGHT - 1) if x > rx0 else -1.0
            ty = (y - by0) / float(TREE_BOTTOM - 1) if y > by0 else -1.0
            t = max(tx, ty)
            if t >= 0:
                px[x, y] = lerp(P.TREE_BAND, P.TREE_BAND_DEEP, t)
            elif x == rx0 or y == by0:
                if x >= TREE_LEFT - 1:
                    px[x, y] = P.TREE_INNER
    for y in range(body_top, h):
        for x in range(0, TREE_LEFT - 1):
            if y > by0:
                px[x, y] = lerp(P.TREE_BAND, P.TREE_BAND_DEEP, (y - by0) / float(TREE_BOTTOM - 1))
    return img


def _ribbon(art, w):
    x0, x1 = w - 11.0, w - 4.0
    pts = [(x0, 0), (x1, 0), (x1, 21), ((x0 + x1) / 2.0, 17.5), (x0, 21)]
    shape = Pen(*art.size).polygon(pts).mask()
    art = fill(art, Pen(*art.size).polygon([(x + 0.8, y + 0.8) for x, y in pts]).mask(),
               (90, 120, 160), 0.25)
    art = fill(art, shape, hgradient(art.size[0], art.size[1],
                                     [(0, (246, 146, 120)), (1, P.CORAL_DEEP)], x0, x1))
    shine = Pen(*art.size).rect(x0 + 1, 0, x0 + 2.2, 19).mask()
    return fill(art, shine, (255, 255, 255), 0.45)


def tree_reference(w, h):
    art = blank(w, h, P.WHITE)
    art = fill(art, Pen(w, h).rrect(0, 0, w, h, 6).mask(), P.TREE_LINE)
    inner = Pen(w, h).rrect(1, 1, w - 1, h - 1, 5).mask()
    art = fill(art, inner, _tree_field(w, h))
    gloss = Pen(w, h).rring(1, 1, w - 1, TREE_TOP - 1, 5, 1).mask()
    art = fill(art, gloss, P.WHITE, 0.5)
    art = _ribbon(art, w)
    return art.convert("RGB")


def tree_pieces():
    return _cut(tree_reference(60, 80), TREE_LEFT, TREE_TOP, TREE_RIGHT,
                TREE_BOTTOM, 4, TREE_ORDER)
