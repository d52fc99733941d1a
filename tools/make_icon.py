#!/usr/bin/env python3
"""Makes resources/trovane_config.ico: one 32 x 32 image at 24-bit colour (3,262 bytes).

The motif repeats the splash picture: a moon over two mountain ridges at night.
"""
import struct
import sys
from pathlib import Path

SIZE = 32


def colour(x, y):
    if (x - 22) ** 2 + (y - 9) ** 2 <= 25:
        return (0xF6, 0xEC, 0xD2)  # moon
    if y >= 24 - abs((x % 16) - 8) // 2 + (4 if x >= 16 else 0) // 2:
        return (0x0B, 0x0A, 0x18) if y >= 27 else (0x1A, 0x15, 0x30)  # ridges
    shade = y * 4
    return (0x22 + shade // 2, 0x33 + shade // 4, 0x5E + shade // 3)  # evening sky


def icon_bytes():
    xor_rows = []
    for y in reversed(range(SIZE)):  # bottom-up DIB rows
        row = b"".join(bytes(reversed(colour(x, y))) for x in range(SIZE))  # BGR
        xor_rows.append(row)
    xor = b"".join(xor_rows)
    and_mask = bytes(SIZE * 4)  # fully opaque; rows padded to 32 bits
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 22)
    return directory + image


if __name__ == "__main__":
    target = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources/trovane_config.ico")
    target.write_bytes(icon_bytes())
