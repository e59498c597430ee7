"""Program icon (128) and the archive tree's icons, each at 16, 32 and 48
pixels. The tree shows them at 16x16; the larger sizes serve the shell."""

from . import glyphs
from .canvas import blank

SIZES = (16, 32, 48)


def _render(paint, size):
    g = glyphs.Glyph(blank(size, size), 0, 0, size)
    paint(g)
    return g.art


def _program(g):
    glyphs.house(g, glyphs.NORMAL)


def _page_with(extra):
    def paint(g):
        glyphs.page(g, glyphs.NORMAL)
        extra(g)
    return paint


def _star(g):
    glyphs.star(g, glyphs.NORMAL, 0.70, 0.74, 0.56)


def _pencil(g):
    glyphs.pencil(g, glyphs.HOVER)


def _star_and_pencil(g):
    glyphs.star(g, glyphs.HOVER, 0.34, 0.30, 0.52)
    glyphs.pencil(g, glyphs.HOVER)


# number: (file stem, role, painter)
ICONS = {
    128: ("app", "program icon: a family home", _program),
    150: ("tree_diary_root", "tree image 0: diary root, normal (closed diary)",
          lambda g: glyphs.book_closed(g, glyphs.NORMAL)),
    151: ("tree_diary_root_open", "tree image 1: diary root, selected (open diary)",
          lambda g: glyphs.book_open(g, glyphs.HOVER)),
    153: ("tree_date", "tree image 2: year or month node, normal (calendar)",
          lambda g: glyphs.calendar(g, glyphs.NORMAL, False)),
    152: ("tree_date_open", "tree image 3: year or month node, selected (marked calendar)",
          lambda g: glyphs.calendar(g, glyphs.HOVER, True)),
    154: ("tree_diary", "tree image 4: diary page, normal", _page_with(lambda g: None)),
    155: ("tree_diary_open", "tree image 5: diary page, selected (with pencil)",
          _page_with(_pencil)),
    156: ("tree_mini_root", "tree image 6: mini-diary root, normal (speech bubble)",
          lambda g: glyphs.bubble(g, glyphs.NORMAL)),
    149: ("tree_mini_root_open", "tree image 7: mini-diary root, selected (bubble with heart)",
          lambda g: glyphs.bubble(g, glyphs.HOVER, heart_inside=True)),
    213: ("tree_choice", "tree image 8: editor's-choice diary, normal (page with star)",
          _page_with(_star)),
    214: ("tree_choice_open", "tree image 9: editor's-choice diary, selected (star and pencil)",
          _page_with(_star_and_pencil)),
}


def icon_images():
    """number -> list of RGBA images, smallest first."""
    return {num: [_render(paint, s) for s in SIZES] for num, (_, _, paint) in ICONS.items()}
