"""Turning painted RGBA artwork into keyed 24-bit bitmaps.

The program cuts images by colour: regions drop magenta (the frame's region
builder also drops near-magenta, green up to 16), button masks drop their
key colour exactly. So a keyed image may hold the key only where it is
meant to vanish, and its soft edges are blended onto the colour that will
really be behind it, never onto the key.
"""

from PIL import Image

from .palette import MAGENTA

# Below this coverage a pixel is left out rather than drawn as a faint
# halo that would show against any other background.
ALPHA_CUT = 24


def is_near_magenta(rgb):
    r, g, b = rgb
    return r == 255 and b == 255 and g <= 16


def _nudge(rgb, key):
    """Moves an opaque pixel off the key (and off near-magenta)."""
    r, g, b = rgb
    if is_near_magenta((r, g, b)):
        return (254, g, 254)
    if (r, g, b) == key:
        return (r - 1 if r > 0 else 1, g, b)
    return (r, g, b)


def flatten(art, backdrop, key=None, alpha_cut=ALPHA_CUT):
    """art: RGBA; backdrop: RGB of the same size (what lies behind the image
    on screen). Pixels with coverage below alpha_cut become key (or stay
    backdrop when key is None)."""
    art = art.convert("RGBA")
    backdrop = backdrop.convert("RGBA")
    merged = Image.alpha_composite(backdrop, art).convert("RGB")
    out = merged.load()
    alpha = art.getchannel("A").load()
    w, h = art.size
    for y in range(h):
        for x in range(w):
            if key is not None and alpha[x, y] < alpha_cut:
                out[x, y] = key
            else:
                out[x, y] = _nudge(out[x, y], key)
    return merged


def sanitise(img, key=None):
    """Moves every pixel off near-magenta (and off key, if given)."""
    img = img.convert("RGB")
    px = img.load()
    w, h = img.size
    for y in range(h):
        for x in range(w):
            px[x, y] = _nudge(px[x, y], key)
    return img


def cut_outside(img, inside, key=MAGENTA):
    """Paints key wherever the binary mask 'inside' is 0."""
    img = sanitise(img, key)
    img.paste(key, (0, 0), inside.point(lambda v: 0 if v else 255))
    return img
