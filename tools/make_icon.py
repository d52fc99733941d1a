#!/usr/bin/env python3
"""Makes resources/trovane_config.ico from one design, in every size that Windows asks for
from 100 % to 200 % and Explorer's largest view: 16, 20, 24, 32, 40, 48 and 64 pixels at
24-bit colour, and 256 pixels as PNG (as Windows keeps its own largest icons). The 32-pixel
image is the design itself, one sample a pixel; the others are sampled 4 x 4 times a pixel.

The motif repeats the splash picture: a moon over two mountain ridges at night.
"""
import struct
import sys
import zlib
from pathlib import Path

DESIGN = 32  # the design's grid
SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
SAMPLES = 4


def colour(x, y):
    """The design's colour at a point of its 32 x 32 grid."""
    if (x - 22) ** 2 + (y - 9) ** 2 <= 25:
        return (0xF6, 0xEC, 0xD2)  # moon
    if y >= 24 - abs((x % 16) - 8) // 2 + (4 if x >= 16 else 0) // 2:
        return (0x0B, 0x0A, 0x18) if y >= 27 else (0x1A, 0x15, 0x30)  # ridges
    shade = y * 4
    return (0x22 + shade // 2, 0x33 + shade // 4, 0x5E + shade // 3)  # evening sky


def pixel(x, y, size):
    if size == DESIGN:
        return colour(x, y)
    scale = DESIGN / size
    points = [((x + (i + 0.5) / SAMPLES) * scale, (y + (j + 0.5) / SAMPLES) * scale)
              for i in range(SAMPLES) for j in range(SAMPLES)]
    seen = [colour(u, v) for u, v in points]
    return tuple(round(sum(c[k] for c in seen) / len(seen)) for k in range(3))


def rows(size):
    """The image's rows from the top, each a list of (r, g, b)."""
    return [[pixel(x, y, size) for x in range(size)] for y in range(size)]


def bmp_image(size):
    stride = (size * 3 + 3) // 4 * 4
    xor = b"".join(bytes(c for r, g, b in row for c in (b, g, r)).ljust(stride, b"\0")
                   for row in reversed(rows(size)))  # bottom-up, BGR
    and_mask = bytes((size + 31) // 32 * 4 * size)  # fully opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def png_image(size):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows(size))
    header = struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0)  # 8-bit RGB
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + \
        chunk(b"IEND", b"")


def icon_bytes():
    images = [png_image(size) if size == 256 else bmp_image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for size, image in zip(SIZES, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


if __name__ == "__main__":
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources/trovane_config.ico")
    target.write_bytes(icon_bytes())
