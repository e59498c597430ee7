"""Family photos: small pastel scenes (sky, sun, clouds, hills, balloons).
A pool of scenes is drawn and encoded once at start-up, with PIL when it is
installed, else with the built-in encoder; a photo name is answered with the
scene a hash of the name picks, tagged with that hash in a comment segment, so
that a name always gets the same bytes and two names never get the same
bytes, at the cost of a few copies per request."""

import hashlib
import io
import math
import random

from jpeg_encoder import encode_jpeg, segment

try:
    from PIL import Image
except ImportError:  # the built-in encoder stands in
    Image = None

WIDTH, HEIGHT = 200, 150
QUALITY = 75
# Scenes in the pool, per encoder. The pool is made before the server says it is ready, and a
# scene costs about 25 ms with the built-in encoder but 2 ms with PIL (drawing included), so
# these keep the start-up to about 2 s and 0.5 s.
POOL_SIZES = {"PIL": 256, "built-in": 64}
_COMMENT = 0xFFFE

_PALETTES = (
    # sky top, sky bottom, far hill, near hill, flowers
    ((173, 216, 240), (255, 228, 236), (190, 230, 200), (150, 210, 170), (255, 182, 193)),
    ((200, 190, 240), (255, 240, 220), (210, 235, 190), (170, 215, 160), (255, 250, 160)),
    ((180, 230, 230), (255, 250, 235), (220, 210, 240), (185, 225, 200), (250, 200, 230)),
    ((255, 214, 224), (255, 245, 220), (200, 225, 245), (175, 220, 180), (255, 255, 255)),
)
_BALLOONS = ((255, 150, 170), (150, 200, 255), (255, 220, 120), (180, 230, 160), (220, 170, 255))


def _mix(a: tuple, b: tuple, t: float) -> tuple:
    return tuple(int(x + (y - x) * t) for x, y in zip(a, b))


def draw_scene(name: str, width: int = WIDTH, height: int = HEIGHT) -> bytes:
    """Packed RGB pixels of the scene for a photo name."""
    rng = random.Random(hashlib.sha256(name.encode("utf-8", errors="replace")).digest())
    sky_top, sky_bottom, far, near, flower = rng.choice(_PALETTES)
    sun = (rng.uniform(0.15, 0.85) * width, rng.uniform(0.12, 0.3) * height, rng.uniform(9, 16))
    clouds = [(rng.uniform(0, width), rng.uniform(0.1, 0.35) * height, rng.uniform(6, 11))
              for _ in range(rng.randint(1, 3))]
    far_wave = (rng.uniform(0.02, 0.06), rng.uniform(0, 6.3), rng.uniform(4, 10))
    near_wave = (rng.uniform(0.03, 0.08), rng.uniform(0, 6.3), rng.uniform(3, 8))
    far_line = [0.6 * height + far_wave[2] * math.sin(x * far_wave[0] + far_wave[1]) for x in range(width)]
    near_line = [0.75 * height + near_wave[2] * math.sin(x * near_wave[0] + near_wave[1]) for x in range(width)]
    balloons = [(rng.uniform(0.1, 0.9) * width, rng.uniform(0.3, 0.5) * height, rng.uniform(6, 10),
                 rng.choice(_BALLOONS)) for _ in range(rng.randint(1, 3))]
    flowers = {(int(rng.uniform(0, width)), int(rng.uniform(0.82, 0.97) * height)) for _ in range(40)}

    # Painted in spans and columns rather than pixel by pixel: a scene takes a few
    # milliseconds instead of tens, which keeps the start-up short.
    stride = width * 3
    pixels = bytearray()
    for y in range(height):
        row = bytearray(bytes(_mix(sky_top, sky_bottom, y / max(1, height - 1))) * width)
        _paint_ellipse(row, y, sun[0], sun[1], sun[2], 1, (255, 244, 180))
        for cx, cy, r in clouds:
            _paint_ellipse(row, y, cx, cy, r, 2.2, (252, 252, 255))
        for bx, by, r, tint in balloons:
            _paint_ellipse(row, y, bx, by, r, 0.85, tint)
            if by + r <= y <= by + r + 18:
                _paint_span(row, math.floor(bx - 0.6) + 1, math.ceil(bx + 0.6) - 1, (120, 120, 130))
        pixels += row
    for line, colour in ((far_line, far), (near_line, near)):
        for x, top in enumerate(line):
            top = max(0, math.ceil(top))
            for channel in range(3):
                pixels[top * stride + x * 3 + channel::stride] = bytes([colour[channel]]) * (height - top)
    for x, y in flowers:
        if x < width and y >= near_line[x]:
            pixels[y * stride + x * 3:y * stride + x * 3 + 3] = bytes(flower)
    return bytes(pixels)


def _paint_span(row: bytearray, first: int, last: int, colour: tuple) -> None:
    first, last = max(0, first), min(len(row) // 3 - 1, last)
    if first <= last:
        row[first * 3:last * 3 + 3] = bytes(colour) * (last - first + 1)


def _paint_ellipse(row: bytearray, y: int, cx: float, cy: float, r: float, stretch: float, colour: tuple) -> None:
    """The row's part of the ellipse ((x - cx) / stretch)^2 + (y - cy)^2 <= r^2."""
    if (y - cy) ** 2 <= r * r:
        half = stretch * math.sqrt(r * r - (y - cy) ** 2)
        _paint_span(row, math.ceil(cx - half), math.floor(cx + half), colour)


def _split_after_header(data: bytes) -> tuple[bytes, bytes]:
    """data cut after SOI and the JFIF segment, which both encoders write first and readers
    expect there."""
    end = 4 + int.from_bytes(data[4:6], "big")
    return data[:end], data[end:]


class PhotoStudio:
    """Read-only once made, so request threads share it without a lock."""

    def __init__(self, use_pil: bool | None = None, pool_size: int | None = None) -> None:
        self.use_pil = Image is not None if use_pil is None else (use_pil and Image is not None)
        count = pool_size or POOL_SIZES[self.encoder_name]
        self._pool = [_split_after_header(self.encode(draw_scene("scene %d" % i))) for i in range(count)]

    @property
    def encoder_name(self) -> str:
        return "PIL" if self.use_pil else "built-in"

    def encode(self, pixels: bytes, width: int = WIDTH, height: int = HEIGHT) -> bytes:
        if self.use_pil:
            out = io.BytesIO()
            Image.frombytes("RGB", (width, height), pixels).save(out, "JPEG", quality=QUALITY)
            return out.getvalue()
        return encode_jpeg(width, height, pixels, QUALITY)

    def jpeg(self, name: str) -> bytes:
        digest = hashlib.sha256(name.encode("utf-8", errors="replace")).digest()
        head, tail = self._pool[int.from_bytes(digest[:4], "big") % len(self._pool)]
        return head + segment(_COMMENT, digest[:8].hex().encode("ascii")) + tail
