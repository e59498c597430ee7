"""Main window background (178), laid out in window coordinates.

Pixel (x, y) belongs at window position (x, y): the title rows lie under
the frame, the sky band holds the action buttons and the banner, the work
area is covered by its frame, and the footer strip carries the links.
Everything under a control is horizontally uniform, so the blended edges
of the button images match wherever the band is drawn; the clouds keep to
the empty stretch between the buttons and the banner.
"""

from PIL import Image, ImageFilter

from . import layout as L
from . import palette as P
from .canvas import Pen, blank, fill, vgradient
from .keying import sanitise
from .window_frame import title_strip


def _clouds(art):
    w, h = art.size
    puffs = [
        # (centre x, base y, scale)
        (352, 66, 1.0),
        (470, 52, 0.8),
        (548, 70, 0.6),
    ]
    for cx, base, k in puffs:
        pen = Pen(w, h)
        for dx, dy, r in ((-22, -8, 11), (-6, -15, 15), (14, -10, 12), (28, -5, 8), (0, -4, 14)):
            pen.circle(cx + dx * k, base + dy * k, r * k)
        pen.rect(cx - 30 * k, base - 8 * k, cx + 36 * k, base)
        shape = pen.mask()
        underside = Image.new("L", shape.size, 0)
        underside.paste(shape, (0, 2))
        art = fill(art, underside.filter(ImageFilter.GaussianBlur(1.5)), (170, 205, 232), 0.35)
        art = fill(art, shape.filter(ImageFilter.GaussianBlur(0.6)), P.WHITE, 0.9)
    return art


def header_band(w):
    top, bottom = L.HEADER_TOP, L.HEADER_BOTTOM
    return vgradient(w, bottom - top, [(0, P.SKY_TOP), (1, P.SKY_BOTTOM)])


def main_background():
    w, h = L.WINDOW
    img = Image.new("RGB", (w, h), P.CREAM)
    img.paste(title_strip(w), (0, 0))
    img.paste(header_band(w), (0, L.HEADER_TOP))
    img.paste(vgradient(w, h - L.FOOTER_TOP, [(0, P.FOOTER_TOP), (1, P.FOOTER_BOTTOM)]),
              (0, L.FOOTER_TOP))
    art = blank(w, L.HEADER_BOTTOM)
    art = _clouds(art)
    band = Image.alpha_composite(img.crop((0, 0, w, L.HEADER_BOTTOM)).convert("RGBA"), art)
    img.paste(band.convert("RGB"), (0, 0))
    return sanitise(img)
