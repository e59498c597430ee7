"""Anti-aliased painting on RGBA layers.

Shapes are described in final pixel coordinates (floats allowed) and drawn
into a coverage mask at SS times the size, which is then box-filtered down.
Paint is a colour or an image of the canvas size (for gradients).
"""

from PIL import Image, ImageDraw, ImageFilter, ImageFont

from . import palette

SS = 8

_fonts = {}


def font(px):
    # Basic layout: the shaping library's version must not change the output.
    if px not in _fonts:
        _fonts[px] = ImageFont.truetype(
            palette.FONT_PATH, px, index=0, layout_engine=ImageFont.Layout.BASIC)
    return _fonts[px]


def blank(w, h, colour=(0, 0, 0, 0)):
    if len(colour) == 3:
        colour = colour + (255,)
    return Image.new("RGBA", (w, h), colour)


class Pen:
    """Draws white shapes into a supersampled mask, in final-pixel units."""

    def __init__(self, w, h, ss=SS):
        self.ss = ss
        self.w, self.h = w, h
        self.img = Image.new("L", (w * ss, h * ss), 0)
        self.d = ImageDraw.Draw(self.img)

    def _p(self, v):
        return int(round(v * self.ss))

    def _box(self, x0, y0, x1, y1):
        return (self._p(x0), self._p(y0), self._p(x1) - 1, self._p(y1) - 1)

    def rect(self, x0, y0, x1, y1, value=255):
        self.d.rectangle(self._box(x0, y0, x1, y1), fill=value)
        return self

    def rrect(self, x0, y0, x1, y1, r, value=255):
        box = self._box(x0, y0, x1, y1)
        rad = max(0, self._p(r))
        if rad:
            self.d.rounded_rectangle(box, rad, fill=value)
        else:
            self.d.rectangle(box, fill=value)
        return self

    def rring(self, x0, y0, x1, y1, r, width):
        """Outline of a rounded rectangle, drawn inside its edge."""
        self.rrect(x0, y0, x1, y1, r)
        self.rrect(x0 + width, y0 + width, x1 - width, y1 - width,
                   max(0.0, r - width), value=0)
        return self

    def ellipse(self, x0, y0, x1, y1, value=255):
        self.d.ellipse(self._box(x0, y0, x1, y1), fill=value)
        return self

    def circle(self, cx, cy, r, value=255):
        return self.ellipse(cx - r, cy - r, cx + r, cy + r, value)

    def ring(self, cx, cy, r, width):
        self.circle(cx, cy, r)
        self.circle(cx, cy, r - width, value=0)
        return self

    def polygon(self, pts, value=255):
        self.d.polygon([(self._p(x), self._p(y)) for x, y in pts], fill=value)
        return self

    def line(self, pts, width, value=255, caps=True):
        """Polyline with round joins and (optionally) round caps."""
        scaled = [(self._p(x), self._p(y)) for x, y in pts]
        w = max(1, self._p(width))
        self.d.line(scaled, fill=value, width=w, joint="curve")
        if caps:
            for x, y in pts:
                self.circle(x, y, width / 2.0, value)
        return self

    def arc(self, cx, cy, r, start, end, width, value=255):
        """Arc centred on the stroke; angles in degrees, clockwise from 3 o'clock."""
        outer = r + width / 2.0
        box = self._box(cx - outer, cy - outer, cx + outer, cy + outer)
        self.d.arc(box, start, end, fill=value, width=max(1, self._p(width)))
        return self

    def mask(self):
        return self.img.resize((self.w, self.h), Image.Resampling.BOX)

    def inset_mask(self, px):
        """Mask of the drawn shapes shrunk by px final pixels (for outlines)."""
        img = self.img
        for _ in range(int(round(px * self.ss))):
            img = img.filter(ImageFilter.MinFilter(3))
        return img.resize((self.w, self.h), Image.Resampling.BOX)


def text_mask(w, h, text, px, x, y, anchor="mm", bold=0.0, ss=1):
    """Coverage mask of text; bold thickens strokes by that many pixels.

    Small captions look best hinted at their own size (ss=1); bold headings
    are drawn larger and reduced so the thickening stays subtle.
    """
    if bold:
        ss = max(ss, 4)
    img = Image.new("L", (w * ss, h * ss), 0)
    d = ImageDraw.Draw(img)
    stroke = int(round(bold * ss / 2.0))
    d.text((x * ss, y * ss), text, fill=255, font=font(px * ss), anchor=anchor,
           stroke_width=stroke, stroke_fill=255)
    if ss == 1:
        return img
    return img.resize((w, h), Image.Resampling.BOX)


def _as_layer(paint, size):
    if isinstance(paint, Image.Image):
        return paint.convert("RGBA")
    colour = tuple(paint)
    if len(colour) == 3:
        colour = colour + (255,)
    return Image.new("RGBA", size, colour)


def fill(canvas, mask, paint, opacity=1.0):
    """Composites paint onto canvas through mask; returns the new canvas."""
    layer = _as_layer(paint, canvas.size)
    alpha = layer.getchannel("A")
    cover = Image.composite(alpha, Image.new("L", canvas.size, 0), mask)
    if opacity < 1.0:
        cover = cover.point(lambda v: int(v * opacity + 0.5))
    layer.putalpha(cover)
    return Image.alpha_composite(canvas, layer)


def shadow(canvas, mask, colour, dx, dy, blur, opacity):
    moved = Image.new("L", mask.size, 0)
    moved.paste(mask, (int(dx), int(dy)))
    if blur:
        moved = moved.filter(ImageFilter.GaussianBlur(blur))
    return fill(canvas, moved, colour, opacity)


def lerp(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def _stops_colour(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return lerp(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 0.0)
    return stops[-1][1]


def vgradient(w, h, stops, y0=0.0, y1=None):
    """Vertical gradient; stops are (0..1, colour) between rows y0 and y1."""
    y1 = float(h) if y1 is None else y1
    column = Image.new("RGB", (1, h))
    for y in range(h):
        t = (y + 0.5 - y0) / max(1e-6, (y1 - y0))
        column.putpixel((0, y), _stops_colour(stops, t))
    return column.resize((w, h), Image.Resampling.NEAREST)


def hgradient(w, h, stops, x0=0.0, x1=None):
    x1 = float(w) if x1 is None else x1
    row = Image.new("RGB", (w, 1))
    for x in range(w):
        t = (x + 0.5 - x0) / max(1e-6, (x1 - x0))
        row.putpixel((x, 0), _stops_colour(stops, t))
    return row.resize((w, h), Image.Resampling.NEAREST)
