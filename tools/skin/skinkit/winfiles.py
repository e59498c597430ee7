"""Windows BMP (24-bit, BI_RGB, bottom-up) and ICO (32-bit with alpha and
AND mask) files, written byte by byte so the output never depends on an
imaging library's encoder, plus readers used to check what was written."""

import struct

from PIL import Image

_PELS_PER_METRE = 3780  # 96 dpi


def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def bmp_bytes(img):
    img = img.convert("RGB")
    w, h = img.size
    stride = _row_stride(w, 24)
    pixels = img.tobytes()
    body = bytearray()
    pad = b"\0" * (stride - w * 3)
    for y in range(h - 1, -1, -1):
        row = pixels[y * w * 3:(y + 1) * w * 3]
        bgr = bytearray(len(row))
        bgr[0::3] = row[2::3]
        bgr[1::3] = row[1::3]
        bgr[2::3] = row[0::3]
        body += bgr + pad
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(body),
                       _PELS_PER_METRE, _PELS_PER_METRE, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0,
                         14 + len(info))
    return header + info + bytes(body)


def write_bmp(path, img):
    with open(path, "wb") as f:
        f.write(bmp_bytes(img))


def _icon_image_bytes(img):
    img = img.convert("RGBA")
    w, h = img.size
    pixels = img.load()
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = pixels[x, y]
            if a == 0:
                r = g = b = 0  # keeps the classic AND/XOR drawing clean
            xor += bytes((b, g, r, a))
    and_stride = _row_stride(w, 1)
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(and_stride)
        for x in range(w):
            if pixels[x, y][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def write_ico(path, images):
    """images: square RGBA images, smallest first."""
    blobs = [_icon_image_bytes(im) for im in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(bytes(out))


class FormatError(Exception):
    pass


def read_bmp(path):
    """Returns (image, header dict); raises FormatError on anything but the
    24-bit uncompressed bottom-up form this skin uses."""
    data = open(path, "rb").read()
    if len(data) < 54 or data[:2] != b"BM":
        raise FormatError("not a BMP file")
    _, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (size, w, h, planes, bits, compression, image_size,
     _, _, _, _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    header = dict(file_size=file_size, offset=offset, info_size=size, width=w,
                  height=h, planes=planes, bits=bits, compression=compression,
                  image_size=image_size)
    if size != 40 or planes != 1 or bits != 24 or compression != 0:
        raise FormatError("unexpected header %r" % header)
    if h <= 0:
        raise FormatError("not bottom-up")
    stride = _row_stride(w, 24)
    if file_size != len(data) or offset + stride * h != len(data):
        raise FormatError("size fields disagree with the file length")
    img = Image.new("RGB", (w, h))
    px = img.load()
    for row in range(h):
        base = offset + (h - 1 - row) * stride
        for x in range(w):
            b, g, r = data[base + x * 3:base + x * 3 + 3]
            px[x, row] = (r, g, b)
    return img, header


def read_ico(path):
    """Returns a list of (width, height, bits, RGBA image, AND mask rows)."""
    data = open(path, "rb").read()
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1 or count == 0:
        raise FormatError("not an icon file")
    entries = []
    for i in range(count):
        (w, h, _, _, planes, bits, length,
         offset) = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        (size, bw, bh, _, bbits, compression,
         _, _, _, _, _) = struct.unpack_from("<IiiHHIIiiII", data, offset)
        if size != 40 or bw != w or bh != 2 * h or bbits != bits or compression:
            raise FormatError("entry %d header disagrees with directory" % i)
        xor_len = w * h * 4
        and_len = _row_stride(w, 1) * h
        if length != 40 + xor_len + and_len or offset + length > len(data):
            raise FormatError("entry %d has a wrong length" % i)
        img = Image.new("RGBA", (w, h))
        px = img.load()
        base = offset + 40
        for row in range(h):
            src = base + (h - 1 - row) * w * 4
            for x in range(w):
                b, g, r, a = data[src + x * 4:src + x * 4 + 4]
                px[x, row] = (r, g, b, a)
        mask_base = base + xor_len
        stride = _row_stride(w, 1)
        mask = []
        for row in range(h):
            src = mask_base + (h - 1 - row) * stride
            mask.append([(data[src + x // 8] >> (7 - x % 8)) & 1 for x in range(w)])
        entries.append((w, h, bits, img, mask))
    return entries
