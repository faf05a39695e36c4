"""Pictures as plain RGB bytes: the 24-bit BMP art, PPM screenshots, and PNG output for people."""

import struct
import zlib


class Image:
    """A picture of width x height pixels, stored top row first, three bytes (R, G, B) a pixel."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    def block(self, x, y, width, height):
        """The bytes of the width x height block at (x, y), rows top first; None when it does not
        lie wholly inside the picture."""
        if x < 0 or y < 0 or x + width > self.width or y + height > self.height:
            return None
        stride = self.width * 3
        rows = [self.rgb[(y + r) * stride + x * 3:(y + r) * stride + (x + width) * 3] for r in range(height)]
        return b"".join(rows)

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])


def read_bmp(path):
    """A 24-bit uncompressed BMP, bottom-up or top-down."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        raise ValueError(f"{path}: not a BMP file")
    offset, = struct.unpack_from("<I", data, 10)
    _, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if bits != 24 or compression != 0:
        raise ValueError(f"{path}: {bits}-bit, compression {compression}; want 24-bit uncompressed")
    bottom_up = height > 0
    height = abs(height)
    stride = (width * 3 + 3) & ~3
    rows = []
    for r in range(height):
        start = offset + r * stride
        bgr = data[start:start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    if bottom_up:
        rows.reverse()
    return Image(width, height, b"".join(rows))


def read_ppm(data):
    """A binary PPM (P6, maxval 255), as ImageMagick's import writes it."""
    fields = []
    at = 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at) + 1
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    at += 1  # the single whitespace after maxval
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError("not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return Image(width, height, bytes(data[at:at + width * height * 3]))


def write_png(image, path):
    def chunk(kind, payload):
        body = kind + payload
        return struct.pack(">I", len(payload)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    stride = image.width * 3
    raw = b"".join(b"\x00" + image.rgb[r * stride:(r + 1) * stride] for r in range(image.height))
    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6)) +
                chunk(b"IEND", b""))


def crop(image, x, y, width, height):
    """The part of the picture inside the given rectangle, clipped to the picture."""
    left, top = max(0, x), max(0, y)
    right, bottom = min(image.width, x + width), min(image.height, y + height)
    return Image(right - left, bottom - top, image.block(left, top, right - left, bottom - top))
