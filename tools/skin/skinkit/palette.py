"""The skin's colours and font, in one place so every piece agrees."""

FONT_PATH = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

MAGENTA = (255, 0, 255)
BLACK = (0, 0, 0)
BUTTON_KEY = (236, 236, 236)
WHITE = (255, 255, 255)

# Window chrome: warm peach title bar with a brown outline.
OUTLINE = (186, 128, 96)
HIGHLIGHT = (255, 247, 238)
TITLE_TOP = (255, 236, 216)
TITLE_BOTTOM = (246, 200, 164)
BORDER_FILL = (247, 208, 176)
SEPARATOR = (224, 170, 132)

# Header band under the title bar and the footer strip.
SKY_TOP = (214, 235, 250)
SKY_BOTTOM = (246, 250, 250)
CREAM = (253, 248, 240)
FOOTER_TOP = (251, 240, 224)
FOOTER_BOTTOM = (247, 226, 200)

# Text and glyph tones.
BROWN = (112, 72, 48)
BROWN_SOFT = (150, 104, 74)
CORAL = (234, 112, 92)
CORAL_DEEP = (204, 82, 66)
SKY_DEEP = (84, 146, 204)
GOLD = (246, 190, 64)
GOLD_DEEP = (206, 140, 34)

# Framed panels inside the windows.
PANEL_LINE = (218, 172, 138)
PANEL_BAND = (253, 238, 224)
PANEL_INNER = (240, 214, 192)
TREE_LINE = (146, 188, 222)
TREE_HEADER_TOP = (226, 241, 252)
TREE_HEADER_BOTTOM = (184, 217, 242)
TREE_BAND = (234, 244, 252)
TREE_BAND_DEEP = (198, 224, 245)
TREE_INNER = (196, 222, 242)
