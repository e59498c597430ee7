"""Family photos: small pastel scenes (sky, sun, clouds, hills, balloons),
drawn from a hash of the file name so that a name always shows the same
picture. Encoded with PIL when it is installed, else with the built-in
encoder; encoded files are kept in a bounded in-memory cache."""

import hashlib
import io
import math
import random
import threading
from collections import OrderedDict

from jpeg_encoder import encode_jpeg

try:
    from PIL import Image
except ImportError:  # the built-in encoder stands in
    Image = None

WIDTH, HEIGHT = 200, 150
QUALITY = 75
CACHE_SIZE = 512

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

    pixels = bytearray()
    for y in range(height):
        sky = _mix(sky_top, sky_bottom, y / max(1, height - 1))
        for x in range(width):
            colour = sky
            if (x - sun[0]) ** 2 + (y - sun[1]) ** 2 <= sun[2] ** 2:
                colour = (255, 244, 180)
            for cx, cy, r in clouds:
                if ((x - cx) / 2.2) ** 2 + (y - cy) ** 2 <= r * r:
                    colour = (252, 252, 255)
            for bx, by, r, tint in balloons:
                if ((x - bx) / 0.85) ** 2 + (y - by) ** 2 <= r * r:
                    colour = tint
                elif abs(x - bx) < 0.6 and by + r <= y <= by + r + 18:
                    colour = (120, 120, 130)
            if y >= far_line[x]:
                colour = far
            if y >= near_line[x]:
                colour = flower if (x, y) in flowers else near
            pixels += bytes(colour)
    return bytes(pixels)


class PhotoStudio:
    def __init__(self, use_pil: bool | None = None) -> None:
        self.use_pil = Image is not None if use_pil is None else (use_pil and Image is not None)
        self._lock = threading.Lock()
        self._cache: OrderedDict[str, bytes] = OrderedDict()

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
        with self._lock:
            cached = self._cache.get(name)
            if cached is not None:
                self._cache.move_to_end(name)
                return cached
        data = self.encode(draw_scene(name))
        with self._lock:
            self._cache[name] = data
            while len(self._cache) > CACHE_SIZE:
                self._cache.popitem(last=False)
        return data
