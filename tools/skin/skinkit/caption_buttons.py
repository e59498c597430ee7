"""Caption buttons (26x17): minimise, maximise, restore, close.

They are opaque rectangles painted on the title strip's own colours: the
main frame draws them keyed on magenta, the notice dialog keyed on black,
so they must contain neither.
"""

from PIL import Image

from . import palette as P
from .canvas import Pen, blank, fill, vgradient
from .keying import flatten, sanitise
from .window_frame import title_colour

W, H = 26, 17
TOP = 4  # the buttons stand at y = 4 of the title strip


def _backdrop():
    img = Image.new("RGB", (W, H))
    for y in range(H):
        img.paste(title_colour(TOP + y), (0, y, W, y + 1))
    return img


_NORMAL = dict(top=(255, 250, 244), bottom=(251, 226, 204), edge=(212, 156, 120),
               glyph=P.BROWN)
_HOVER = dict(top=(226, 242, 254), bottom=(146, 198, 238), edge=(82, 140, 196),
              glyph=(34, 78, 126))
_CLOSE_HOVER = dict(top=(252, 170, 150), bottom=(222, 88, 72), edge=(170, 62, 52),
                    glyph=(255, 255, 255))


def _glyph(kind):
    pen = Pen(W, H)
    cx, cy = 13.0, 8.5
    if kind == "min":
        pen.rect(cx - 4.5, cy + 2.0, cx + 4.5, cy + 4.0)
    elif kind == "max":
        pen.rect(cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5)
        pen.rect(cx - 3.3, cy - 2.5, cx + 3.3, cy + 3.3, value=0)
    elif kind == "restore":
        pen.rect(cx - 2.5, cy - 4.5, cx + 4.5, cy + 2.0)
        pen.rect(cx - 1.3, cy - 2.7, cx + 3.3, cy + 0.8, value=0)
        pen.rect(cx - 4.5, cy - 2.0, cx + 2.5, cy + 4.5, value=0)
        pen.rect(cx - 4.5, cy - 2.0, cx + 2.5, cy + 4.5)
        pen.rect(cx - 3.3, cy - 0.2, cx + 1.3, cy + 3.3, value=0)
    elif kind == "close":
        pen.line([(cx - 3.6, cy - 3.6), (cx + 3.6, cy + 3.6)], 1.7)
        pen.line([(cx - 3.6, cy + 3.6), (cx + 3.6, cy - 3.6)], 1.7)
    return pen.mask()


def button(kind, hover):
    style = (_CLOSE_HOVER if kind == "close" else _HOVER) if hover else _NORMAL
    art = blank(W, H)
    body = Pen(W, H).rrect(1, 1, W - 1, H - 1, 5).mask()
    art = fill(art, body, vgradient(W, H, [(0, style["top"]), (1, style["bottom"])], 1, H - 1))
    shine = Pen(W, H).rrect(2, 2, W - 2, 8, 3.5).mask()
    art = fill(art, shine, (255, 255, 255), 0.35)
    art = fill(art, Pen(W, H).rring(1, 1, W - 1, H - 1, 5, 1).mask(), style["edge"])
    glyph = _glyph(kind)
    if not hover:
        art = fill(art, _shifted(glyph, 0, 1), (255, 255, 255), 0.6)
    art = fill(art, glyph, style["glyph"])
    return sanitise(flatten(art, _backdrop()), P.BLACK)


def _shifted(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def caption_buttons():
    """By resource number: (normal, hover) pairs of close, maximise,
    restore and minimise."""
    pairs = {"close": (132, 131), "max": (184, 183), "restore": (182, 187),
             "min": (188, 189)}
    out = {}
    for kind, (normal, hover) in pairs.items():
        out[normal] = button(kind, False)
        out[hover] = button(kind, True)
    return out
