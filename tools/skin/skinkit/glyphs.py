"""Pictograms shared by buttons, banner, decorations and icons.

Each glyph is drawn into a square box given in pixels on an RGBA canvas,
with its shapes laid out in unit coordinates (0..1). Colours come from a
scheme so the same drawing serves the normal, hover and inactive states.
Small boxes snap shape edges to whole pixels to stay crisp.
"""

import math

from . import palette as P
from .canvas import Pen, fill, vgradient

NORMAL = dict(
    primary=(120, 180, 230), primary_light=(196, 228, 252), primary_dark=(58, 116, 176),
    accent=(240, 128, 104), accent_light=(255, 196, 170), accent_dark=(190, 80, 64),
    leaf=(112, 190, 120), leaf_light=(188, 232, 180), leaf_dark=(58, 130, 74),
    warm=(236, 178, 124), warm_light=(252, 222, 186), warm_dark=(170, 110, 70),
    gold=P.GOLD, gold_dark=P.GOLD_DEEP,
    paper=(255, 255, 255), paper_shade=(236, 240, 246), ink=(150, 170, 196),
    mark=(255, 255, 255),
)

HOVER = dict(NORMAL,
             primary=(96, 170, 238), primary_light=(206, 236, 255), primary_dark=(40, 104, 172),
             accent=(248, 110, 82), accent_light=(255, 190, 160), accent_dark=(196, 70, 50),
             leaf=(88, 190, 104), leaf_light=(196, 242, 186), leaf_dark=(40, 126, 60),
             warm=(244, 170, 104), warm_light=(255, 226, 186), warm_dark=(176, 104, 56))


def _grey(rgb):
    level = int(0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2])
    # Lifted and flattened so an inactive glyph reads as "asleep".
    level = int(150 + (level - 150) * 0.55)
    return (level + 2, level, level - 2)


INACTIVE = {key: _grey(value) for key, value in NORMAL.items()}


class Glyph:
    """Paints shapes given in unit coordinates inside a pixel box."""

    def __init__(self, art, x, y, size, snap=None):
        self.art = art
        self.x, self.y, self.s = float(x), float(y), float(size)
        self.snap = size <= 20 if snap is None else snap
        self.ow = max(1.0, size / 24.0)  # outline width in pixels

    def px(self, u, v):
        x, y = self.x + u * self.s, self.y + v * self.s
        if self.snap:
            x, y = round(x), round(y)
        return x, y

    def pen(self):
        return Pen(*self.art.size)

    def rrect(self, u0, v0, u1, v1, r):
        x0, y0 = self.px(u0, v0)
        x1, y1 = self.px(u1, v1)
        return self.pen().rrect(x0, y0, x1, y1, r * self.s)

    def ellipse(self, u0, v0, u1, v1):
        x0, y0 = self.px(u0, v0)
        x1, y1 = self.px(u1, v1)
        return self.pen().ellipse(x0, y0, x1, y1)

    def polygon(self, pts):
        return self.pen().polygon([self.px(u, v) for u, v in pts])

    def line(self, pts, width, caps=True):
        return self.pen().line([self.px(u, v) for u, v in pts], width * self.s, caps=caps)

    def vgrad(self, top, bottom, v0=0.0, v1=1.0):
        w, h = self.art.size
        return vgradient(w, h, [(0, top), (1, bottom)],
                         self.y + v0 * self.s, self.y + v1 * self.s)

    def paint(self, shape, paint, opacity=1.0):
        """shape: a coverage mask, or a Pen holding the shapes."""
        mask = shape.mask() if isinstance(shape, Pen) else shape
        self.art = fill(self.art, mask, paint, opacity)

    def solid(self, pen, body, edge):
        """A shape with an outline of the glyph's outline width."""
        self.paint(pen.mask(), edge)
        self.paint(pen.inset_mask(self.ow), body)


def heart_points(cx, cy, size, steps=40):
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((cx + x / 34.0 * size, cy - (y + 2.5) / 34.0 * size))
    return pts


def heart(g, cu, cv, size, body, edge=None):
    pen = g.pen().polygon([g.px(u, v) for u, v in heart_points(cu, cv, size)])
    if edge is None:
        g.paint(pen.mask(), body)
    else:
        g.solid(pen, body, edge)


def star_points(cu, cv, r_out, r_in):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = r_out if i % 2 == 0 else r_in
        pts.append((cu + r * math.cos(a), cv + r * math.sin(a)))
    return pts


def person_login(g, c):
    """Login: a person with a small arrow badge."""
    g.solid(g.ellipse(0.24, 0.08, 0.60, 0.44), g.vgrad(c["primary_light"], c["primary"], 0.08, 0.44),
            c["primary_dark"])
    body = g.pen()
    x0, y0 = g.px(0.10, 0.50)
    x1, y1 = g.px(0.74, 1.22)
    body.rrect(x0, y0, x1, y1, 0.30 * g.s)
    cut_x0, cut_y0 = g.px(0.0, 0.92)
    body.rect(cut_x0 - 2, cut_y0, x1 + 2, y1 + 2, value=0)
    g.solid(body, g.vgrad(c["primary_light"], c["primary"], 0.5, 0.92), c["primary_dark"])
    g.solid(g.ellipse(0.54, 0.50, 1.0, 0.96), g.vgrad(c["accent_light"], c["accent"], 0.5, 0.96),
            c["accent_dark"])
    g.paint(g.line([(0.65, 0.73), (0.87, 0.73)], 0.075), c["mark"])
    g.paint(g.line([(0.78, 0.63), (0.88, 0.73), (0.78, 0.83)], 0.075), c["mark"])


def tray_backup(g, c):
    """Backup: an arrow dropping into a tray."""
    g.solid(g.rrect(0.06, 0.56, 0.94, 0.96, 0.10),
            g.vgrad(c["warm_light"], c["warm"], 0.56, 0.96), c["warm_dark"])
    g.paint(g.rrect(0.26, 0.56, 0.74, 0.70, 0.05), c["warm_dark"], 0.55)
    arrow = g.polygon([(0.38, 0.02), (0.62, 0.02), (0.62, 0.36), (0.80, 0.36),
                       (0.50, 0.70), (0.20, 0.36), (0.38, 0.36)])
    g.solid(arrow, g.vgrad(c["leaf_light"], c["leaf"], 0.0, 0.7), c["leaf_dark"])


def _arc_with_head(g, c, start, end, r, width):
    cx, cy = g.px(0.5, 0.5)
    rad = r * g.s
    stroke = width * g.s
    for colour, extra in ((c["leaf_dark"], 2 * g.ow), (c["leaf"], 0.0)):
        pen = g.pen().arc(cx, cy, rad, start, end, stroke + extra)
        theta = math.radians(end)
        ex, ey = cx + rad * math.cos(theta), cy + rad * math.sin(theta)
        tx, ty = -math.sin(theta), math.cos(theta)
        nx, ny = math.cos(theta), math.sin(theta)
        head = stroke * 1.25 + extra
        back = stroke * 0.3 + extra * 0.5
        tip = stroke * 1.1 + extra
        pen.polygon([(ex + tx * tip, ey + ty * tip),
                     (ex + nx * head - tx * back, ey + ny * head - ty * back),
                     (ex - nx * head - tx * back, ey - ny * head - ty * back)])
        g.paint(pen.mask(), colour)


def refresh_arrows(g, c):
    """Refresh: two arrows chasing each other round a circle."""
    _arc_with_head(g, c, 195, 315, 0.33, 0.13)
    _arc_with_head(g, c, 15, 135, 0.33, 0.13)


def chevron(g, c, pointing_left):
    pts = [(0.60, 0.22), (0.36, 0.5), (0.60, 0.78)]
    if not pointing_left:
        pts = [(1.0 - u, v) for u, v in pts]
    g.paint(g.line(pts, 0.16), c["mark"])


def house(g, c):
    g.solid(g.rrect(0.16, 0.44, 0.84, 0.96, 0.04),
            g.vgrad((255, 250, 240), c["warm_light"], 0.44, 0.96), c["warm_dark"])
    g.solid(g.rrect(0.64, 0.10, 0.78, 0.40, 0.02), c["warm"], c["warm_dark"])
    roof = g.polygon([(0.50, 0.06), (1.0, 0.52), (0.88, 0.58), (0.50, 0.24),
                      (0.12, 0.58), (0.0, 0.52)])
    g.solid(roof, g.vgrad(c["accent_light"], c["accent"], 0.06, 0.58), c["accent_dark"])
    g.solid(g.rrect(0.42, 0.66, 0.62, 0.96, 0.06), c["warm"], c["warm_dark"])
    heart(g, 0.28, 0.62, 0.20, c["accent"])


def bubble(g, c, heart_inside=False):
    shape = g.rrect(0.04, 0.10, 0.96, 0.72, 0.22)
    x0, y0 = g.px(0.22, 0.64)
    x1, y1 = g.px(0.46, 0.66)
    x2, y2 = g.px(0.16, 0.94)
    shape.polygon([(x0, y0), (x1, y1), (x2, y2)])
    g.solid(shape, g.vgrad(c["primary_light"], c["primary"], 0.1, 0.9), c["primary_dark"])
    if heart_inside:
        heart(g, 0.5, 0.41, 0.34, c["accent"])
    else:
        for u in (0.30, 0.50, 0.70):
            g.paint(g.ellipse(u - 0.065, 0.345, u + 0.065, 0.475), c["mark"])


def book_closed(g, c):
    g.solid(g.rrect(0.14, 0.04, 0.88, 0.96, 0.08),
            g.vgrad(c["accent_light"], c["accent"], 0.04, 0.96), c["accent_dark"])
    g.paint(g.rrect(0.14, 0.04, 0.30, 0.96, 0.04), c["accent_dark"], 0.45)
    g.paint(g.rrect(0.80, 0.10, 0.88, 0.90, 0.0), c["paper"], 0.9)
    heart(g, 0.55, 0.46, 0.34, c["mark"])


def book_open(g, c):
    g.solid(g.polygon([(0.0, 0.20), (0.5, 0.28), (1.0, 0.20), (1.0, 0.90),
                       (0.5, 0.98), (0.0, 0.90)]), c["accent"], c["accent_dark"])
    for side in (-1, 1):
        pts = [(0.5, 0.28), (0.5 + side * 0.42, 0.16), (0.5 + side * 0.42, 0.82), (0.5, 0.90)]
        g.solid(g.polygon(pts), c["paper"], c["ink"])
    for v in (0.36, 0.50, 0.64):
        g.paint(g.line([(0.16, v - 0.02), (0.40, v + 0.02)], 0.05, caps=False), c["ink"], 0.8)
    heart(g, 0.71, 0.50, 0.30, c["accent"])


def calendar(g, c, marked):
    g.solid(g.rrect(0.06, 0.14, 0.94, 0.96, 0.10), c["paper"], c["primary_dark"])
    header = c["accent"] if marked else c["primary"]
    g.paint(g.rrect(0.06 + g.ow / g.s, 0.14 + g.ow / g.s, 0.94 - g.ow / g.s, 0.42, 0.08), header)
    for u in (0.30, 0.70):
        g.solid(g.rrect(u - 0.07, 0.02, u + 0.07, 0.28, 0.04), c["paper"], c["primary_dark"])
    for row, v in enumerate((0.54, 0.74)):
        for col, u in enumerate((0.24, 0.44, 0.64)):
            colour = c["accent"] if marked and row == 1 and col == 1 else c["ink"]
            g.paint(g.rrect(u, v, u + 0.13, v + 0.13, 0.02), colour)


def page(g, c):
    pts = [(0.16, 0.04), (0.64, 0.04), (0.86, 0.26), (0.86, 0.96), (0.16, 0.96)]
    g.solid(g.polygon(pts), g.vgrad(c["paper"], c["paper_shade"], 0.0, 1.0), c["ink"])
    g.solid(g.polygon([(0.62, 0.04), (0.86, 0.28), (0.62, 0.28)]), c["paper_shade"], c["ink"])
    for v in (0.42, 0.58, 0.74):
        g.paint(g.rrect(0.28, v, 0.74, v + 0.07, 0.0), c["primary"], 0.9)


def pencil(g, c):
    body = [(0.58, 0.98), (0.48, 0.88), (0.86, 0.50), (0.96, 0.60)]
    g.solid(g.polygon([(0.40, 1.0), (0.48, 0.86), (0.58, 0.96)]), c["warm_light"], c["warm_dark"])
    g.solid(g.polygon(body), c["gold"], c["gold_dark"])
    g.solid(g.polygon([(0.86, 0.50), (0.92, 0.44), (1.0, 0.52), (0.96, 0.60)]),
            c["accent"], c["accent_dark"])


def star(g, c, cu, cv, size):
    g.solid(g.polygon(star_points(cu, cv, size / 2.0, size / 4.6)), c["gold"], c["gold_dark"])
