#!/usr/bin/env python3
"""Writes the small Flash movies the screen saver ships: one per plug-in (carried
in the library's "DATA" resource) and the placeholder empty.swf.

Each movie is a complete compressed SWF: the "CWS" signature, the version, the
length of the uncompressed file, then zlib over the frame rectangle, the frame
rate and count, and three tags: SetBackgroundColor, ShowFrame, End. Version 6
is the first that allows compression and needs no FileAttributes tag.

    tools/swf/make_movies.py            # writes into the source tree
    tools/swf/make_movies.py --check    # fails when a committed movie differs
"""

import pathlib
import struct
import sys
import zlib

# Its command line, shared with other generators, lives in tools/.
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[1]))
import generated_files  # noqa: E402

SWF_VERSION = 6
FRAME_WIDTH_PX = 800
FRAME_HEIGHT_PX = 600
FRAME_RATE = 12
TWIPS_PER_PIXEL = 20

TAG_END = 0
TAG_SHOW_FRAME = 1
TAG_SET_BACKGROUND_COLOR = 9

# Output path (relative to the source root) and background colour of each movie.
MOVIES = [
    ("plugins/lullaby/res/SS_Lullaby.swf", (0x1B, 0x2A, 0x49)),  # night blue
    ("plugins/orchard/res/SS_Orchard.swf", (0xE8, 0x8A, 0x2E)),  # orange
    ("plugins/glass/res/SS_Glass.swf", (0x2E, 0x6F, 0x7E)),  # sea glass
    ("plugins/torch/res/SS_Torch.swf", (0x3A, 0x22, 0x10)),  # lamp-lit brown
    ("saver/content/empty.swf", (0x00, 0x00, 0x00)),
]


class BitWriter:
    """Big-endian bit packing as SWF uses it for RECT records."""

    def __init__(self):
        self.bits = []

    def unsigned(self, value, width):
        self.bits += [(value >> (width - 1 - i)) & 1 for i in range(width)]

    def signed(self, value, width):
        self.unsigned(value & ((1 << width) - 1), width)

    def to_bytes(self):
        padded = self.bits + [0] * (-len(self.bits) % 8)
        return bytes(
            int("".join(map(str, padded[i:i + 8])), 2) for i in range(0, len(padded), 8)
        )


def signed_width(values):
    """Bits needed to hold every value as a two's-complement number."""
    return max(max(v.bit_length() for v in values) + 1, 1)


def rect(xmin, xmax, ymin, ymax):
    values = (xmin, xmax, ymin, ymax)
    width = signed_width(values)
    writer = BitWriter()
    writer.unsigned(width, 5)
    for v in values:
        writer.signed(v, width)
    return writer.to_bytes()


def tag(code, body=b""):
    if len(body) < 0x3F:
        return struct.pack("<H", (code << 6) | len(body)) + body
    return struct.pack("<HI", (code << 6) | 0x3F, len(body)) + body


def movie(colour):
    body = (
        rect(0, FRAME_WIDTH_PX * TWIPS_PER_PIXEL, 0, FRAME_HEIGHT_PX * TWIPS_PER_PIXEL)
        + struct.pack("<HH", FRAME_RATE << 8, 1)  # 8.8 fixed-point rate, one frame
        + tag(TAG_SET_BACKGROUND_COLOR, bytes(colour))
        + tag(TAG_SHOW_FRAME)
        + tag(TAG_END)
    )
    header = b"CWS" + bytes([SWF_VERSION]) + struct.pack("<I", 8 + len(body))
    return header + zlib.compress(body, 9)


if __name__ == "__main__":
    sys.exit(generated_files.main(__doc__, ((relative, movie(colour)) for relative, colour in MOVIES)))
