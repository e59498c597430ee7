"""Backgrounds of the login (130) and notice (137) dialogs and their
captioned push buttons (133/134, 138-141).

Both dialogs take their shape from the background's non-magenta pixels,
so they share the main window's chrome: the same title strip (the caption
buttons are drawn on its colours) and rounded, outlined corners.
"""

from PIL import Image, ImageFilter

from . import glyphs
from . import layout as L
from . import palette as P
from .canvas import Pen, blank, fill, shadow, text_mask, vgradient
from .keying import flatten
from .window_frame import chrome

TITLE_STRIP = 27
RADIUS = 8


def _body(w, h):
    return vgradient(w, h, [(0, (255, 251, 244)), (1, (250, 236, 216))], TITLE_STRIP, h)


def _finish(art, w, h):
    img, _ = chrome(Image.alpha_composite(_body(w, h).convert("RGBA"), art).convert("RGB"),
                    TITLE_STRIP, 0, 0, RADIUS)
    return img


def _panel(art, x0, y0, x1, y1):
    w, h = art.size
    shape = Pen(w, h).rrect(x0, y0, x1, y1, 8).mask()
    art = shadow(art, shape, (150, 100, 70), 0, 1.5, 2.0, 0.18)
    art = fill(art, shape, P.WHITE)
    return fill(art, Pen(w, h).rring(x0, y0, x1, y1, 8, 1).mask(), P.PANEL_INNER)


def _sky(art, y0, y1):
    """Sky band with clouds and a wavy lower edge."""
    w, h = art.size
    pen = Pen(w, h).rect(0, y0, w, y1 - 6)
    for i in range(-1, 9):
        pen.circle(i * 42 + 21, y1 - 8, 10)
    shape = pen.mask()
    art = fill(art, shape, vgradient(w, h, [(0, P.SKY_TOP), (1, (236, 246, 252))], y0, y1))
    for cx, cy, k in ((44, 44, 0.8), (272, 40, 0.7), (298, 78, 0.5)):
        puff = Pen(w, h)
        for dx, dy, r in ((-12, 0, 7), (0, -5, 9), (12, 0, 7), (0, 3, 7)):
            puff.circle(cx + dx * k, cy + dy * k, r * k)
        art = fill(art, puff.mask().filter(ImageFilter.GaussianBlur(0.5)), P.WHITE, 0.85)
    return art


def _brand(art, cx, cy):
    w, h = art.size
    g = glyphs.Glyph(art, cx - 112, cy - 19, 38, snap=False)
    glyphs.house(g, glyphs.NORMAL)
    art = g.art
    title = "家庭日记备份"
    x = cx + 22
    art = fill(art, text_mask(w, h, title, 22, x + 1, cy - 4, bold=1.2), P.WHITE, 0.9)
    art = fill(art, text_mask(w, h, title, 22, x, cy - 5, bold=0.7), P.BROWN)
    art = fill(art, text_mask(w, h, "N o o k B a c k u p", 10, x, cy + 15), P.SKY_DEEP)
    return art


def _field_box(art, rect):
    x, y, fw, fh = rect
    w, h = art.size
    box = (x - 4, y - 4, x + fw + 4, y + fh + 4)
    art = fill(art, Pen(w, h).rrect(*box, 5).mask(), P.WHITE)
    art = fill(art, Pen(w, h).rring(*box, 5, 1).mask(), (226, 194, 168))
    return fill(art, Pen(w, h).rrect(box[0] + 1, box[1] + 1, box[2] - 1, box[1] + 3, 2).mask(),
                (240, 226, 214), 0.6)


def _label(art, text, right, cy):
    w, h = art.size
    return fill(art, text_mask(w, h, text, 12, right, cy, anchor="rm"), P.BROWN)


def login_background():
    w, h = L.LOGIN_DIALOG
    art = blank(w, h)
    art = _sky(art, TITLE_STRIP, 96)
    art = _brand(art, 160, 58)
    art = _panel(art, 18, 124, 302, 231)
    art = _field_box(art, L.LOGIN_USER)
    art = _field_box(art, L.LOGIN_PASSWORD)
    art = _label(art, "用户名：", 82, L.LOGIN_USER[1] + 8)
    art = _label(art, "密　码：", 82, L.LOGIN_PASSWORD[1] + 8)
    motto = "珍藏每一段家庭时光"
    art = fill(art, text_mask(w, h, motto, 11, w / 2.0, 283), P.BROWN_SOFT, 0.85)
    for x in (94, 226):
        g = glyphs.Glyph(art, x - 4, 279, 8, snap=False)
        glyphs.heart(g, 0.5, 0.5, 1.0, P.CORAL)
        art = g.art
    return _finish(art, w, h)


def notice_background():
    w, h = L.NOTICE_DIALOG
    art = blank(w, h)
    art = _panel(art, 14, 36, 306, 140)
    return _finish(art, w, h)


_PILLS = {
    "primary": dict(top=(255, 204, 158), bottom=(238, 136, 88), edge=(196, 104, 62),
                    text=P.WHITE, shade=(170, 80, 40)),
    "primary_hover": dict(top=(255, 222, 176), bottom=(250, 152, 92), edge=(214, 98, 46),
                          text=P.WHITE, shade=(176, 76, 30)),
    "plain": dict(top=(255, 255, 252), bottom=(240, 230, 218), edge=(200, 176, 156),
                  text=P.BROWN, shade=None),
    "plain_hover": dict(top=(248, 252, 255), bottom=(206, 230, 248), edge=(96, 152, 206),
                        text=(36, 84, 134), shade=None),
}


def pill_button(backdrop, caption, style):
    """Captioned button drawn on the dialog patch behind it, keyed on black."""
    t = _PILLS[style]
    w, h = backdrop.size
    art = blank(w, h)
    shape = Pen(w, h).rrect(1, 1, w - 1, h - 2, (h - 3) / 2.0).mask()
    art = shadow(art, shape, (120, 80, 50), 0, 1.2, 1.0, 0.25)
    art = fill(art, shape, vgradient(w, h, [(0, t["top"]), (1, t["bottom"])], 1, h - 2))
    gloss = Pen(w, h).rrect(3, 2, w - 3, h / 2.0, (h / 2.0 - 2) / 2.0).mask()
    art = fill(art, gloss, P.WHITE, 0.35)
    art = fill(art, Pen(w, h).rring(1, 1, w - 1, h - 2, (h - 3) / 2.0, 1).mask(), t["edge"])
    cx, cy = w / 2.0, (h - 1) / 2.0
    if t["shade"]:
        art = fill(art, text_mask(w, h, caption, 13, cx + 0.6, cy + 0.8, bold=0.3), t["shade"], 0.6)
    art = fill(art, text_mask(w, h, caption, 13, cx, cy, bold=0.3), t["text"])
    return flatten(art, backdrop, P.BLACK)


def dialog_images():
    out = {}
    login = login_background()
    notice = notice_background()
    out[130] = login
    out[137] = notice
    login_patch = login.crop(L.crop_box(L.LOGIN_SUBMIT))
    out[134] = pill_button(login_patch, "登  录", "primary")
    out[133] = pill_button(login_patch, "登  录", "primary_hover")
    ok_patch = notice.crop(L.crop_box(L.NOTICE_OK_ALONE))
    out[139] = pill_button(ok_patch, "确定", "primary")
    out[138] = pill_button(ok_patch, "确定", "primary_hover")
    cancel_patch = notice.crop(L.crop_box(L.NOTICE_CANCEL))
    out[141] = pill_button(cancel_patch, "取消", "plain")
    out[140] = pill_button(cancel_patch, "取消", "plain_hover")
    return out
