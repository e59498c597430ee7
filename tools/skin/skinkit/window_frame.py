"""Window chrome: the peach title bar, borders and rounded corners.

The main window's eight frame pieces are cut from one chrome rendered at a
small size, so corners and stretched edges always meet. The notice and
login backgrounds use the same chrome without side borders. Outside the
rounded corners lies exact magenta; the outline follows the thresholded
shape, so no pixel near the cut is ever near-magenta.
"""

from PIL import Image, ImageChops, ImageFilter

from . import palette as P
from .canvas import Pen, lerp
from .keying import cut_outside

TITLE_HEIGHT = 29      # heights of pieces 180, 179, 172
SIDE = 5               # widths of pieces 176, 177 and the corners
BOTTOM = 5             # heights of pieces 174, 173, 175
RADIUS = 5             # the corners are 5 pixels wide, so at most 5


def title_colour(y, height=TITLE_HEIGHT):
    """Colour of title row y; the last row of the strip is a separator.

    Row colours do not depend on the strip height (apart from where the
    separator falls), so caption buttons match every strip."""
    if y >= height - 1:
        return P.SEPARATOR
    return lerp(P.TITLE_TOP, P.TITLE_BOTTOM, (y - 2) / float(TITLE_HEIGHT - 4))


def title_strip(w, height=TITLE_HEIGHT):
    img = Image.new("RGB", (w, height))
    for y in range(height):
        img.paste(title_colour(y, height), (0, y, w, y + 1))
    return img


def window_shape(w, h, radius):
    """Binary mask (0/255) of a rounded window: a pixel is inside when at
    least half of it is covered."""
    cover = Pen(w, h).rrect(0, 0, w, h, radius).mask()
    return cover.point(lambda v: 255 if v >= 128 else 0)


def _erode(mask):
    return mask.filter(ImageFilter.MinFilter(3))


def chrome(body, title_height, side, bottom, radius):
    """Draws title strip, borders, outline and highlight onto body (RGB) and
    cuts the corners to magenta. Returns (image, inside mask)."""
    w, h = body.size
    img = body.convert("RGB").copy()
    img.paste(title_strip(w, title_height), (0, 0))
    if side:
        for x0 in (0, w - side):
            img.paste(P.BORDER_FILL, (x0, title_height, x0 + side, h))
        img.paste(P.SEPARATOR, (side - 1, title_height, side, h - bottom + 1))
        img.paste(P.SEPARATOR, (w - side, title_height, w - side + 1, h - bottom + 1))
    if bottom:
        img.paste(P.BORDER_FILL, (0, h - bottom, w, h))
        img.paste(P.SEPARATOR, (side - 1, h - bottom, w - side + 1, h - bottom + 1))
    inside = window_shape(w, h, radius)
    inner = _erode(inside)
    outline = ImageChops.subtract(inside, inner)
    highlight = ImageChops.subtract(inner, _erode(inner))
    img.paste(P.HIGHLIGHT, (0, 0), highlight)
    img.paste(P.OUTLINE, (0, 0), outline)
    return cut_outside(img, inside), inside


def main_chrome(w, h, body=None):
    body = body if body is not None else Image.new("RGB", (w, h), P.CREAM)
    return chrome(body, TITLE_HEIGHT, SIDE, BOTTOM, RADIUS)


def frame_pieces():
    """The eight pieces of the main window frame, by resource number."""
    w, h = 40, 60
    img, _ = main_chrome(w, h)
    mid_x, mid_y = SIDE, TITLE_HEIGHT + 4
    boxes = {
        180: (0, 0, SIDE, TITLE_HEIGHT),
        179: (mid_x, 0, mid_x + 4, TITLE_HEIGHT),
        172: (w - SIDE, 0, w, TITLE_HEIGHT),
        176: (0, mid_y, SIDE, mid_y + 4),
        177: (w - SIDE, mid_y, w, mid_y + 4),
        174: (0, h - BOTTOM, SIDE, h),
        173: (mid_x, h - BOTTOM, mid_x + 4, h),
        175: (w - SIDE, h - BOTTOM, w, h),
    }
    return {num: img.crop(box) for num, box in boxes.items()}
