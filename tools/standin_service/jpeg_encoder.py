"""Minimal baseline JPEG encoder, used when PIL is not installed.

Colour JPEG with 2x2 chroma subsampling, the example quantisation tables
scaled by quality as libjpeg does, and the example Huffman tables of the JPEG
standard (so no table optimisation pass is needed). Speed is adequate for the
small pictures the service hands out: a separable floating-point DCT per block.
"""

import math
import struct
from operator import mul

_LUMA_QUANT = [
    16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99,
]
_CHROMA_QUANT = [
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
] + [99] * 32

# Position in natural (row-major) order of the k-th coefficient in zigzag order.
_ZIGZAG = [
    0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5,
    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6, 7, 14, 21, 28,
    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63,
]

# Huffman tables as (code counts per length 1..16, symbols).
_DC_LUMA = ([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0], list(range(12)))
_DC_CHROMA = ([0, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0], list(range(12)))
_AC_LUMA = (
    [0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D],
    [
        0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61,
        0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52,
        0xD1, 0xF0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25,
        0x26, 0x27, 0x28, 0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45,
        0x46, 0x47, 0x48, 0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64,
        0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83,
        0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99,
        0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6,
        0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3,
        0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8,
        0xE9, 0xEA, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA,
    ],
)
_AC_CHROMA = (
    [0, 2, 1, 2, 4, 4, 3, 4, 7, 5, 4, 4, 0, 1, 2, 0x77],
    [
        0x00, 0x01, 0x02, 0x03, 0x11, 0x04, 0x05, 0x21, 0x31, 0x06, 0x12, 0x41, 0x51, 0x07, 0x61,
        0x71, 0x13, 0x22, 0x32, 0x81, 0x08, 0x14, 0x42, 0x91, 0xA1, 0xB1, 0xC1, 0x09, 0x23, 0x33,
        0x52, 0xF0, 0x15, 0x62, 0x72, 0xD1, 0x0A, 0x16, 0x24, 0x34, 0xE1, 0x25, 0xF1, 0x17, 0x18,
        0x19, 0x1A, 0x26, 0x27, 0x28, 0x29, 0x2A, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44,
        0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63,
        0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A,
        0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97,
        0x98, 0x99, 0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4,
        0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA,
        0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7,
        0xE8, 0xE9, 0xEA, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA,
    ],
)

# DCT basis: row u holds c(u)/2 * cos((2x+1)u*pi/16), so F = M f M^T.
_DCT = [
    [(math.sqrt(0.5) if u == 0 else 1.0) / 2 * math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)]
    for u in range(8)
]


def _scaled_quant(table: list[int], quality: int) -> list[int]:
    """The table scaled for quality, in zigzag order as the file and the coder want it."""
    scale = 5000 // quality if quality < 50 else 200 - 2 * quality
    return [min(255, max(1, (table[_ZIGZAG[k]] * scale + 50) // 100)) for k in range(64)]


def _huffman_codes(table) -> dict[int, tuple[int, int]]:
    counts, symbols = table
    codes: dict[int, tuple[int, int]] = {}
    code = 0
    index = 0
    for length in range(1, 17):
        for _ in range(counts[length - 1]):
            codes[symbols[index]] = (code, length)
            code += 1
            index += 1
        code <<= 1
    return codes


class _BitWriter:
    def __init__(self) -> None:
        self.out = bytearray()
        self._acc = 0
        self._bits = 0

    def put(self, value: int, length: int) -> None:
        self._acc = (self._acc << length) | (value & ((1 << length) - 1))
        self._bits += length
        while self._bits >= 8:
            self._bits -= 8
            byte = (self._acc >> self._bits) & 0xFF
            self.out.append(byte)
            if byte == 0xFF:
                self.out.append(0)
        self._acc &= (1 << self._bits) - 1

    def flush(self) -> bytes:
        if self._bits:
            self.put((1 << (8 - self._bits)) - 1, 8 - self._bits)
        return bytes(self.out)


def _magnitude(value: int) -> tuple[int, int]:
    """Bit length category and the bits that represent value in it."""
    size = abs(value).bit_length()
    return size, (value if value >= 0 else value + (1 << size) - 1)


class _Component:
    def __init__(self, quant: list[int], dc_table, ac_table) -> None:
        self.quant = quant
        self.dc_codes = _huffman_codes(dc_table)
        self.ac_codes = _huffman_codes(ac_table)
        self.previous_dc = 0
        self._transformed: dict[tuple, list[int]] = {}

    def _quantise(self, block: list[float]) -> list[int]:
        rows = [[sum(map(mul, basis, block[r * 8:r * 8 + 8])) for basis in _DCT] for r in range(8)]
        columns = list(zip(*rows))
        coefficients = [sum(map(mul, basis, column)) for basis in _DCT for column in columns]
        return [int(round(coefficients[_ZIGZAG[k]] / self.quant[k])) for k in range(64)]

    def encode_block(self, writer: _BitWriter, block: list[float]) -> None:
        # Skies and hills repeat whole blocks, so each distinct block is transformed once.
        key = tuple(block)
        quantised = self._transformed.get(key)
        if quantised is None:
            quantised = self._transformed[key] = self._quantise(block)

        diff = quantised[0] - self.previous_dc
        self.previous_dc = quantised[0]
        size, bits = _magnitude(diff)
        writer.put(*self.dc_codes[size])
        if size:
            writer.put(bits, size)

        run = 0
        for k in range(1, 64):
            value = quantised[k]
            if value == 0:
                run += 1
                continue
            while run > 15:
                writer.put(*self.ac_codes[0xF0])
                run -= 16
            size, bits = _magnitude(value)
            writer.put(*self.ac_codes[(run << 4) | size])
            writer.put(bits, size)
            run = 0
        if run:
            writer.put(*self.ac_codes[0x00])


def _ycbcr(pixel: bytes) -> tuple[float, float, float]:
    r, g, b = pixel
    return (0.299 * r + 0.587 * g + 0.114 * b - 128,
            -0.168736 * r - 0.331264 * g + 0.5 * b,
            0.5 * r - 0.418688 * g - 0.081312 * b)


def _planes(width: int, height: int, rgb: bytes) -> tuple[list[list[float]], ...]:
    """Level-shifted Y, Cb, Cr planes padded to whole 16x16 units by edge copies."""
    padded_w = (width + 15) // 16 * 16
    padded_h = (height + 15) // 16 * 16
    converted: dict[bytes, tuple[float, float, float]] = {}  # pictures have few colours; each is converted once
    planes: tuple[list[list[float]], ...] = ([], [], [])
    for y in range(padded_h):
        row = min(y, height - 1) * width * 3
        pixels = [rgb[i:i + 3] for i in range(row, row + width * 3, 3)]
        pixels += pixels[-1:] * (padded_w - width)
        values = [converted[p] if p in converted else converted.setdefault(p, _ycbcr(p)) for p in pixels]
        for plane, channel in zip(planes, zip(*values)):
            plane.append(list(channel))
    return planes


def _block(plane: list[list[float]], top: int, left: int) -> list[float]:
    return [v for row in plane[top:top + 8] for v in row[left:left + 8]]


def _subsampled_block(plane: list[list[float]], top: int, left: int) -> list[float]:
    block = []
    for y in range(8):
        upper, lower = plane[top + 2 * y], plane[top + 2 * y + 1]
        for x in range(8):
            c = left + 2 * x
            block.append((upper[c] + upper[c + 1] + lower[c] + lower[c + 1]) / 4)
    return block


def segment(marker: int, payload: bytes) -> bytes:
    return struct.pack(">HH", marker, len(payload) + 2) + payload


def _huffman_segment(table_class: int, table_id: int, table) -> bytes:
    counts, symbols = table
    return bytes([(table_class << 4) | table_id]) + bytes(counts) + bytes(symbols)


def encode_jpeg(width: int, height: int, rgb: bytes, quality: int = 75) -> bytes:
    """Encode width x height pixels of packed 8-bit RGB as a baseline JFIF file."""
    luma_quant = _scaled_quant(_LUMA_QUANT, quality)
    chroma_quant = _scaled_quant(_CHROMA_QUANT, quality)
    luma = _Component(luma_quant, _DC_LUMA, _AC_LUMA)
    cb = _Component(chroma_quant, _DC_CHROMA, _AC_CHROMA)
    cr = _Component(chroma_quant, _DC_CHROMA, _AC_CHROMA)

    y_plane, cb_plane, cr_plane = _planes(width, height, rgb)
    writer = _BitWriter()
    for top in range(0, len(y_plane), 16):
        for left in range(0, len(y_plane[0]), 16):
            for dy, dx in ((0, 0), (0, 8), (8, 0), (8, 8)):
                luma.encode_block(writer, _block(y_plane, top + dy, left + dx))
            cb.encode_block(writer, _subsampled_block(cb_plane, top, left))
            cr.encode_block(writer, _subsampled_block(cr_plane, top, left))
    scan = writer.flush()

    header = bytearray(b"\xFF\xD8")
    header += segment(0xFFE0, b"JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00")
    header += segment(0xFFDB, bytes([0]) + bytes(luma_quant) + bytes([1]) + bytes(chroma_quant))
    header += segment(
        0xFFC0,
        struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1]),
    )
    header += segment(
        0xFFC4,
        _huffman_segment(0, 0, _DC_LUMA) + _huffman_segment(1, 0, _AC_LUMA)
        + _huffman_segment(0, 1, _DC_CHROMA) + _huffman_segment(1, 1, _AC_CHROMA),
    )
    header += segment(0xFFDA, bytes([3, 1, 0x00, 2, 0x11, 3, 0x11, 0, 63, 0]))
    return bytes(header) + scan + b"\xFF\xD9"
