#!/usr/bin/env python3
"""Draws Velnor's icon, a radar sweep in the 16 Windows colours, and writes
it as src/res/velnor.ico with a 48 x 48, a 32 x 32 and a 16 x 16 image of 4
bits: the 48 x 48 one is the large icon at 144 DPI (150 % scaling)."""
import math
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
NAVY, TEAL, GREY, LIME, YELLOW, WHITE = 4, 6, 8, 10, 11, 15


def pixel(x, y, size):
    """Colour index of a pixel, or None where the icon is transparent."""
    c = (size - 1) / 2
    dx, dy = x - c, c - y
    r = math.hypot(dx, dy) / (size / 2)
    if r > 1.0:
        return None
    if r > 0.88:
        return GREY
    angle = math.degrees(math.atan2(dy, dx)) % 360
    if r < 0.14:
        return YELLOW
    if 35 <= angle <= 60:
        return LIME
    if 60 < angle <= 80:
        return TEAL
    for ring in (0.42, 0.68):
        if abs(r - ring) < 0.045:
            return TEAL
    if abs(dx) < 0.6 or abs(dy) < 0.6:
        return TEAL
    if size >= 32 and (x * 32 // size, y * 32 // size) in ((21, 19), (11, 9)):
        return WHITE
    return NAVY


def image(size):
    rows_xor, rows_and = [], []
    for y in reversed(range(size)):  # bottom-up, as in a DIB
        colours = [pixel(x, y, size) for x in range(size)]
        nibbles = [0 if c is None else c for c in colours]
        row = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        rows_xor.append(row.ljust((len(row) + 3) // 4 * 4, b"\0"))
        bits = 0
        for c in colours:
            bits = (bits << 1) | (c is None)
        mask = bits.to_bytes(size // 8, "big")
        rows_and.append(mask.ljust((len(mask) + 3) // 4 * 4, b"\0"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + b"".join(rows_xor) + b"".join(rows_and)


def main(path):
    images = [(48, image(48)), (32, image(32)), (16, image(16))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/res/velnor.ico")
