#!/usr/bin/python3
"""Writes the tests' small bitmaps into the given folder.

Every picture shows the pixels of test_pixel(); the tests compute the same function.
"""
import os
import struct
import sys


def test_pixel(x, y, size):
    """(r, g, b) of column x, row y counted from the top."""
    if x == 0 and y == 0:
        return (255, 255, 255)
    if x == 0 and y == size - 1:
        return (255, 0, 0)
    return ((40 * x + 10 * y + 20) % 256, (60 * y + 7) % 256, (255 - 50 * x) % 256)


def bmp(size, bits, top_down=False, fourth=0):
    bpp = bits // 8
    stride = (size * bpp + 3) & ~3
    rows = []
    for y in (range(size) if top_down else reversed(range(size))):
        line = bytearray()
        for x in range(size):
            r, g, b = test_pixel(x, y, size)
            line += bytes((b, g, r)) + (bytes((fourth,)) if bpp == 4 else b"")
        line += b"\0" * (stride - len(line))
        rows.append(bytes(line))
    pixels = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, size, -size if top_down else size, 1, bits, 0,
                       len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    files = {
        "test_rgb24.bmp": bmp(4, 24),
        "test_rgb32.bmp": bmp(4, 32, fourth=0),
        "test_rgb32_top_down.bmp": bmp(4, 32, top_down=True, fourth=0x80),
        "test_padded24.bmp": bmp(2, 24),  # 6-byte rows padded to 8
        "test_single24.bmp": bmp(1, 24),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
