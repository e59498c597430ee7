"""Composes a preview of the skin from the written resource files, drawing
them the way the program does: frame corners unscaled and edges stretched,
window regions from magenta, button images through their key colour,
panel frames around their interiors."""

import os

from PIL import Image, ImageDraw

from . import catalog
from . import layout as L
from . import palette as P
from .canvas import font
from .keying import is_near_magenta
from .panel_frames import PANEL_ORDER, TREE_ORDER
from .winfiles import read_bmp, read_ico

DESKTOP = (70, 96, 120)


def load_resources(res_dir):
    bitmaps = {e.number: read_bmp(os.path.join(res_dir, catalog.bitmap_file(e)))[0]
               for e in catalog.BITMAPS}
    icons = {e.number: {im.size[0]: im for _, _, _, im, _ in
                        read_ico(os.path.join(res_dir, catalog.icon_file(e)))}
             for e in catalog.ICON_LIST}
    return bitmaps, icons


def blit_keyed(dst, img, key, x, y):
    mask = Image.new("L", img.size, 0)
    src, m = img.load(), mask.load()
    for yy in range(img.size[1]):
        for xx in range(img.size[0]):
            if src[xx, yy] != key:
                m[xx, yy] = 255
    dst.paste(img, (x, y), mask)


def region_alpha(img, tolerant):
    """Alpha of a window region made from img's magenta."""
    alpha = Image.new("L", img.size, 255)
    src, a = img.load(), alpha.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            px = src[x, y]
            if (is_near_magenta(px) if tolerant else px == P.MAGENTA):
                a[x, y] = 0
    return alpha


def draw_text(dst, xy, text, px, colour, anchor="la"):
    ImageDraw.Draw(dst).text(xy, text, fill=colour, font=font(px), anchor=anchor)


def skin_frame(dst, bm, order, rect):
    """A CSkinFrame placed around rect: white inside, pieces around."""
    tl, t, tr, lf, rt, bl, b, br = (bm[n] for n in order)
    x, y, w, h = rect
    x0, y0 = x - tl.size[0], y - t.size[1]
    fw = w + lf.size[0] + rt.size[0]
    fh = h + t.size[1] + b.size[1]
    dst.paste(P.WHITE, (x0, y0, x0 + fw, y0 + fh))
    dst.paste(tl, (x0, y0))
    dst.paste(tr, (x0 + fw - tr.size[0], y0))
    dst.paste(bl, (x0, y0 + fh - bl.size[1]))
    dst.paste(br, (x0 + fw - br.size[0], y0 + fh - br.size[1]))
    dst.paste(t.resize((fw - tl.size[0] - tr.size[0], t.size[1])), (x0 + tl.size[0], y0))
    dst.paste(b.resize((fw - bl.size[0] - br.size[0], b.size[1])),
              (x0 + bl.size[0], y0 + fh - b.size[1]))
    dst.paste(lf.resize((lf.size[0], fh - tl.size[1] - bl.size[1])), (x0, y0 + tl.size[1]))
    dst.paste(rt.resize((rt.size[0], fh - tr.size[1] - br.size[1])),
              (x0 + fw - rt.size[0], y0 + tr.size[1]))


def _button(dst, bm, number, rect, key):
    x, y, w, h = rect
    img = bm[number]
    blit_keyed(dst, img, key, x + (w - img.size[0]) // 2, y + (h - img.size[1]) // 2)


def _tree(dst, icons, rect):
    x, y, w, h = rect
    rows = [
        (0, 150, "我的日记"), (1, 153, "2023年"), (2, 153, "5月"),
        (3, 154, "宝宝第一次走路"), (3, 213, "周末去公园"), (2, 153, "6月"),
        (3, 155, "妈妈的生日"), (3, 154, "第一颗牙"), (1, 153, "2024年"),
        (2, 152, "1月"), (3, 214, "新年快乐"), (0, 156, "我的迷你日记"),
        (1, 153, "2023年"), (2, 153, "6月"), (2, 153, "7月"),
    ]
    selected = 6
    for i, (level, icon, text) in enumerate(rows):
        ry = y + 4 + i * 18
        rx = x + 4 + level * 16
        dst.paste(icons[icon][16], (rx, ry + 1), icons[icon][16])
        tw = font(12).getlength(text)
        if i == selected:
            dst.paste((51, 153, 255), (rx + 18, ry, int(rx + 22 + tw), ry + 17))
        draw_text(dst, (rx + 20, ry + 2), text, 12,
                  P.WHITE if i == selected else (20, 20, 20))


def _page(dst, rect):
    x, y, w, h = rect
    dst.paste(P.WHITE, (x, y, x + w, y + h))
    draw_text(dst, (x + 24, y + 22), "妈妈的生日", 20, P.BROWN)
    draw_text(dst, (x + 24, y + 52), "2023-06-18 20:31:07    评论 (3)", 11, (150, 150, 150))
    d = ImageDraw.Draw(dst)
    d.line((x + 24, y + 72, x + w - 24, y + 72), fill=(235, 220, 205))
    lines = ["今天是妈妈的生日，宝宝一大早就爬起来，", "用蜡笔画了一张歪歪扭扭的贺卡……",
             "", "晚上我们一起吃了蛋糕，宝宝抢着吹蜡烛。"]
    for i, text in enumerate(lines):
        draw_text(dst, (x + 24, y + 88 + i * 22), text, 13, (60, 60, 60))
    d.rectangle((x + 24, y + 190, x + 224, y + 330), fill=(238, 232, 224))
    draw_text(dst, (x + 124, y + 260), "照片", 14, (170, 160, 150), anchor="mm")


def main_window(bm, icons):
    w, h = L.WINDOW
    win = Image.new("RGB", (w, h), (229, 244, 216))
    win.paste(bm[178], (0, 0))
    skin_frame(win, bm, PANEL_ORDER, L.WORK_AREA)
    skin_frame(win, bm, TREE_ORDER, L.TREE)
    win.paste(P.WHITE, L.crop_box(L.TREE))
    _tree(win, icons, L.TREE)
    skin_frame(win, bm, PANEL_ORDER, L.PAGE_VIEW)
    _page(win, L.PAGE_VIEW)
    grey, black, magenta = P.BUTTON_KEY, P.BLACK, P.MAGENTA
    _button(win, bm, 165, L.LOGIN, grey)
    _button(win, bm, 159, L.BACKUP, grey)
    _button(win, bm, 161, L.REFRESH, grey)
    _button(win, bm, 212, L.PREV_PAGE, black)
    _button(win, bm, 209, L.NEXT_PAGE, black)
    _button(win, bm, 170, L.BANNER, magenta)
    _button(win, bm, 206, L.DECO_LEFT, magenta)
    _button(win, bm, 207, L.DECO_HOME, magenta)
    _button(win, bm, 208, L.DECO_FORUM, magenta)
    _button(win, bm, 169, L.LINK_HOME, black)
    _button(win, bm, 166, L.LINK_FORUM, black)
    # Frame, as DrawFrame paints it.
    tl, t, tr, lf, rt, bl, b, br = (bm[n] for n in (180, 179, 172, 176, 177, 174, 173, 175))
    win.paste(tl, (0, 0))
    win.paste(tr, (w - tr.size[0], 0))
    win.paste(bl, (0, h - bl.size[1]))
    win.paste(br, (w - br.size[0], h - br.size[1]))
    win.paste(t.resize((w - tl.size[0] - tr.size[0], t.size[1])), (tl.size[0], 0))
    win.paste(b.resize((w - bl.size[0] - br.size[0], b.size[1])), (bl.size[0], h - b.size[1]))
    win.paste(lf.resize((lf.size[0], h - tl.size[1] - bl.size[1])), (0, tl.size[1]))
    win.paste(rt.resize((rt.size[0], h - tr.size[1] - br.size[1])), (w - rt.size[0], tr.size[1]))
    draw_text(win, (tl.size[0] + 2, 8), "家庭日记备份 - xiaoming", 12, (0, 0, 0))
    x = w - tr.size[0] - bm[132].size[0]
    for number in (132, 184, 189):
        blit_keyed(win, bm[number], magenta, x, 4)
        x -= bm[number].size[0]
    alpha = Image.new("L", (w, h), 255)
    for piece, (px, py) in ((tl, (0, 0)), (tr, (w - 5, 0)), (bl, (0, h - 5)), (br, (w - 5, h - 5))):
        alpha.paste(region_alpha(piece, True), (px, py))
    return win, alpha


def _dialog_base(bm, number, title):
    img = bm[number].copy()
    draw_text(img, (10, 6), title, 12, (0, 0, 0))
    close = L.NOTICE_CLOSE if number == 137 else L.LOGIN_CLOSE
    blit_keyed(img, bm[132], P.BLACK, close[0], close[1])
    return img, region_alpha(bm[number], False)


def login_dialog(bm):
    img, alpha = _dialog_base(bm, 130, "登录")
    for rect, text in ((L.LOGIN_USER, "xiaoming"), (L.LOGIN_PASSWORD, "●●●●●●")):
        x, y, w, h = rect
        img.paste(P.WHITE, (x, y, x + w, y + h))
        draw_text(img, (x + w / 2, y + h / 2), text, 12, (0, 0, 0), anchor="mm")
    x, y, w, h = L.LOGIN_REMEMBER
    img.paste(P.WHITE, (x, y, x + w, y + h))
    d = ImageDraw.Draw(img)
    d.rectangle((x, y + 1, x + 12, y + 13), outline=(28, 81, 128), fill=P.WHITE)
    d.line((x + 3, y + 7, x + 5, y + 10, x + 10, y + 4), fill=(33, 161, 33), width=2)
    draw_text(img, (x + 16, y + 1), "自动登录", 12, (0, 0, 0))
    draw_text(img, L.LOGIN_HOME_LINK[:2], "注册帐号", 12, (0, 0, 238))
    draw_text(img, L.LOGIN_FORGOT[:2], "忘记密码？", 12, (0, 0, 238))
    _button(img, bm, 134, L.LOGIN_SUBMIT, P.BLACK)
    return img, alpha


def notice_dialog(bm):
    img, alpha = _dialog_base(bm, 137, "提示")
    draw_text(img, (160, 80), "您确认现在要退出备份程序吗？", 12, (0, 0, 0), anchor="mm")
    _button(img, bm, 139, L.NOTICE_OK, P.BLACK)
    _button(img, bm, 140, L.NOTICE_CANCEL, P.BLACK)
    return img, alpha


def _states_strip(bm, icons):
    strip = Image.new("RGB", (1160, 205), (246, 246, 246))
    x = 10
    for numbers, key, bg in (((157, 160, 165), P.BUTTON_KEY, bm[178].crop(L.crop_box(L.LOGIN))),
                             ((159, 158, 163), P.BUTTON_KEY, bm[178].crop(L.crop_box(L.BACKUP))),
                             ((162, 161, 164), P.BUTTON_KEY, bm[178].crop(L.crop_box(L.REFRESH))),
                             ((212, 211, 210, 209), P.BLACK, None),
                             ((139, 138, 141, 140), P.BLACK, bm[137].crop(L.crop_box(L.NOTICE_OK))),
                             ((134, 133), P.BLACK, bm[130].crop(L.crop_box(L.LOGIN_SUBMIT)))):
        for n in numbers:
            img = bm[n]
            tile = bg.copy() if bg is not None else Image.new("RGB", img.size, P.WHITE)
            blit_keyed(tile, img, key, 0, 0)
            strip.paste(tile, (x, 10))
            x += img.size[0] + 4
        x += 8
    x, y = 10, 70
    for n in (132, 131, 184, 183, 182, 187, 188, 189):
        strip.paste(bm[n], (x, y))
        x += 30
    x += 10
    for n in (169, 168, 167, 166):
        tile = bm[178].crop((0, 580, bm[n].size[0], 580 + bm[n].size[1]))
        blit_keyed(tile, bm[n], P.BLACK, 0, 0)
        strip.paste(tile, (x, y + 2))
        x += bm[n].size[0] + 8
    x, y = 10, 95
    for e in catalog.ICON_LIST:
        if x > 1040:
            x, y = 10, y + 54
        for s in (16, 32, 48):
            strip.paste(icons[e.number][s], (x, y), icons[e.number][s])
            x += s + 3
        x += 12
    return strip


def compose_preview(res_dir):
    bm, icons = load_resources(res_dir)
    sheet = Image.new("RGB", (1200, 865), DESKTOP)
    win, alpha = main_window(bm, icons)
    sheet.paste(win, (20, 20), alpha)
    login, alpha = login_dialog(bm)
    sheet.paste(login, (850, 20), alpha)
    notice, alpha = notice_dialog(bm)
    sheet.paste(notice, (850, 340), alpha)
    strip = _states_strip(bm, icons)
    sheet.paste(strip, (20, 640))
    return sheet


# Areas of the preview sheet worth a closer look, shown enlarged.
ZOOM_AREAS = (
    (20, 20, 300, 110), (540, 20, 820, 110), (20, 110, 250, 200),
    (20, 540, 260, 620), (580, 520, 820, 620), (850, 20, 1170, 140),
    (850, 130, 1170, 320), (850, 340, 1170, 540),
)


def compose_zoom(sheet, factor=3):
    tiles = [sheet.crop(box).resize(((box[2] - box[0]) * factor, (box[3] - box[1]) * factor),
                                    Image.Resampling.NEAREST) for box in ZOOM_AREAS]
    width = max(t.size[0] for t in tiles)
    out = Image.new("RGB", (width * 2 + 10, 10), (40, 40, 40))
    x = y = row_h = 0
    placed = []
    for t in tiles:
        if x and x + t.size[0] > out.size[0]:
            x, y, row_h = 0, y + row_h + 10, 0
        placed.append((t, x, y))
        x += t.size[0] + 10
        row_h = max(row_h, t.size[1])
    out = Image.new("RGB", (width * 2 + 10, y + row_h), (40, 40, 40))
    for t, px, py in placed:
        out.paste(t, (px, py))
    return out
