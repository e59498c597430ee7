"""Images of the main window's buttons, links, banner and decorations.

Each image is painted as RGBA art, then flattened onto the patch of the
main background that lies under its control, with the control's key
colour wherever nothing is drawn.
"""

from PIL import Image

from . import glyphs
from . import layout as L
from . import palette as P
from .canvas import Pen, blank, fill, shadow, text_mask, vgradient
from .keying import flatten

_TILES = {
    "normal": dict(top=(255, 255, 252), bottom=(253, 238, 220), edge=(226, 180, 142),
                   text=P.BROWN, scheme=glyphs.NORMAL),
    "hover": dict(top=(255, 246, 226), bottom=(255, 208, 160), edge=(230, 134, 84),
                  text=(168, 66, 36), scheme=glyphs.HOVER),
    "inactive": dict(top=(246, 246, 245), bottom=(232, 230, 228), edge=(204, 200, 196),
                     text=(164, 160, 156), scheme=glyphs.INACTIVE),
}


def _backdrop(background, rect):
    return background.crop(L.crop_box(rect))


def action_button(background, rect, paint_glyph, caption, state):
    """A 52x52 tile: pictogram above, caption below."""
    t = _TILES[state]
    w, h = rect[2], rect[3]
    art = blank(w, h)
    tile = Pen(w, h).rrect(3, 2, w - 3, h - 3, 11).mask()
    if state != "inactive":
        art = shadow(art, tile, (120, 80, 50), 0, 1.5, 1.4, 0.30 if state == "hover" else 0.22)
    art = fill(art, tile, vgradient(w, h, [(0, t["top"]), (1, t["bottom"])], 2, h - 3))
    art = fill(art, Pen(w, h).rrect(4, 3, w - 4, 20, 9).mask(), P.WHITE, 0.45)
    art = fill(art, Pen(w, h).rring(3, 2, w - 3, h - 3, 11, 1).mask(), t["edge"])
    g = glyphs.Glyph(art, 13, 6, 26, snap=False)
    paint_glyph(g, t["scheme"])
    art = g.art
    if state != "inactive":
        art = fill(art, text_mask(w, h, caption, 12, w / 2.0 + 0.5, 41.5), P.WHITE, 0.8)
    art = fill(art, text_mask(w, h, caption, 12, w / 2.0, 41), t["text"])
    return flatten(art, _backdrop(background, rect), P.BUTTON_KEY)


_ROUND = {
    "normal": dict(top=(255, 226, 200), bottom=(242, 168, 124), edge=(210, 134, 96)),
    "hover": dict(top=(218, 240, 255), bottom=(110, 174, 230), edge=(64, 124, 186)),
}


def page_button(rect, pointing_left, state):
    """Round arrow buttons under the page view (on the white work area)."""
    t = _ROUND[state]
    w, h = rect[2], rect[3]
    art = blank(w, h)
    cx, cy, r = w / 2.0, h / 2.0 - 0.5, 14.5
    disc = Pen(w, h).circle(cx, cy, r).mask()
    art = shadow(art, disc, (120, 90, 70), 0, 1.2, 1.0, 0.25)
    art = fill(art, disc, vgradient(w, h, [(0, t["top"]), (1, t["bottom"])], cy - r, cy + r))
    art = fill(art, Pen(w, h).ellipse(cx - r + 3, cy - r + 1.5, cx + r - 3, cy + 1).mask(),
               P.WHITE, 0.35)
    art = fill(art, Pen(w, h).ring(cx, cy, r, 1.1).mask(), t["edge"])
    g = glyphs.Glyph(art, cx - 10.4, cy - 10.1, 22, snap=False)
    glyphs.chevron(g, dict(glyphs.NORMAL, mark=t["edge"]), pointing_left)
    g = glyphs.Glyph(g.art, cx - 11, cy - 11, 22, snap=False)
    glyphs.chevron(g, glyphs.NORMAL, pointing_left)
    return flatten(g.art, Image.new("RGB", (w, h), P.WHITE), P.BLACK)


def link(background, rect, text, px, hover):
    w, h = rect[2], rect[3]
    colour = (214, 84, 52) if hover else (126, 88, 62)
    art = blank(w, h)
    x = w / 2.0
    if hover:
        art = fill(art, text_mask(w, h, text, px, x, h / 2.0 + 0.5, bold=0.35), colour)
    else:
        art = fill(art, text_mask(w, h, text, px, x, h / 2.0 + 0.5), colour)
    return flatten(art, _backdrop(background, rect), P.BLACK, alpha_cut=40)


def banner(background):
    rect = L.BANNER
    w, h = rect[2], rect[3]
    art = blank(w, h)
    g = glyphs.Glyph(art, 6, 6, 38, snap=False)
    glow = g.pen().circle(25, 25, 21).mask()
    g.paint(glow, P.WHITE, 0.55)
    g = glyphs.Glyph(g.art, 9, 8, 32, snap=False)
    glyphs.book_open(g, glyphs.NORMAL)
    art = g.art
    title = "家庭日记备份"
    art = fill(art, text_mask(w, h, title, 21, 122.5, 20.5, bold=1.2), P.WHITE, 0.9)
    art = fill(art, text_mask(w, h, title, 21, 121.5, 19.5, bold=0.7), P.BROWN)
    sub = "N o o k B a c k u p"
    art = fill(art, text_mask(w, h, sub, 10, 121.5, 40), P.SKY_DEEP)
    return flatten(art, _backdrop(background, rect), P.MAGENTA)


def deco_signature(background):
    rect = L.DECO_LEFT
    w, h = rect[2], rect[3]
    art = blank(w, h)
    g = glyphs.Glyph(art, 1, 4, 11, snap=False)
    glyphs.heart(g, 0.5, 0.5, 1.0, P.CORAL)
    art = fill(g.art, text_mask(w, h, "NookBackup", 11, 15, 10.5, anchor="lm"), P.BROWN_SOFT)
    return flatten(art, _backdrop(background, rect), P.MAGENTA)


def deco_icon(background, rect, paint_glyph):
    w, h = rect[2], rect[3]
    art = blank(w, h)
    size = min(w, h - 4)
    g = glyphs.Glyph(art, (w - size) / 2.0, 3 + (h - 3 - size) / 2.0, size)
    paint_glyph(g, glyphs.NORMAL)
    return flatten(g.art, _backdrop(background, rect), P.MAGENTA)


def main_buttons(background):
    out = {}
    actions = (
        (L.LOGIN, glyphs.person_login, "登录", 157, 160, 165),
        (L.BACKUP, glyphs.tray_backup, "备份", 159, 158, 163),
        (L.REFRESH, glyphs.refresh_arrows, "刷新", 162, 161, 164),
    )
    for rect, glyph, caption, normal, hover, inactive in actions:
        out[normal] = action_button(background, rect, glyph, caption, "normal")
        out[hover] = action_button(background, rect, glyph, caption, "hover")
        out[inactive] = action_button(background, rect, glyph, caption, "inactive")
    out[212] = page_button(L.PREV_PAGE, True, "normal")
    out[211] = page_button(L.PREV_PAGE, True, "hover")
    out[210] = page_button(L.NEXT_PAGE, False, "normal")
    out[209] = page_button(L.NEXT_PAGE, False, "hover")
    home, forum = "访问家庭日记首页", "交流论坛"
    out[169] = link(background, L.LINK_HOME, home, 11, False)
    out[168] = link(background, L.LINK_HOME, home, 11, True)
    out[167] = link(background, L.LINK_FORUM, forum, 11, False)
    out[166] = link(background, L.LINK_FORUM, forum, 11, True)
    out[170] = banner(background)
    out[206] = deco_signature(background)
    out[207] = deco_icon(background, L.DECO_HOME, glyphs.house)
    out[208] = deco_icon(background, L.DECO_FORUM, lambda g, c: glyphs.bubble(g, c))
    return out
