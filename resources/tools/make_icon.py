#!/usr/bin/python3
"""Draws the saver's icon: a light-blue monitor on a stand whose screen is quartered
red, green, blue and yellow, on a transparent background.

Writes the executable's .ico (64, 32 and 16 pixels) and the C++ table that the window
icon is built from: 64 x 64 RGBA bytes stored column by column, as the saver keeps it.
Given a third argument, also the desktop's icon theme under that folder:
hicolor/<n>x<n>/apps/ondalith.png at the usual sizes and hicolor/scalable/apps/ondalith.svg.
The sizes that divide 64 are the .ico's own pictures; the others are drawn from the
same shapes as the scalable picture, sampled 4 x 4 per pixel.
"""
import math
import os
import struct
import sys
import zlib

OUTLINE = (40, 78, 120, 255)
BEZEL = (150, 205, 245, 255)
QUARTERS = ((230, 40, 40, 255), (40, 190, 70, 255), (40, 90, 230, 255), (250, 215, 30, 255))
CLEAR = (0, 0, 0, 0)


def inside_rounded(x, y, x0, y0, x1, y1, r):
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r + 0.5


def pixel(x, y):
    """Colour at pixel centre (x, y) of the 64 x 64 picture, y downwards."""
    if inside_rounded(x, y, 3, 6, 60, 46, 4):
        if inside_rounded(x, y, 4, 7, 59, 45, 3) :
            if 9 <= x <= 54 and 12 <= y <= 40:
                right, lower = x >= 32, y >= 26
                return QUARTERS[(2 if lower else 0) + (1 if right else 0)]
            if 8 <= x <= 55 and 11 <= y <= 41:
                return OUTLINE
            return BEZEL
        return OUTLINE
    if 27 <= x <= 36 and 47 <= y <= 53:
        return OUTLINE if x in (27, 36) else BEZEL
    if inside_rounded(x, y, 16, 53, 47, 58, 2):
        return OUTLINE if not inside_rounded(x, y, 17, 54, 46, 57, 1) else BEZEL
    return CLEAR


def picture(size):
    """size x size rows, top first; smaller sizes sample the 64 picture by box filter."""
    step = 64 // size
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for dy in range(step):
                for dx in range(step):
                    p = pixel(x * step + dx, y * step + dy)
                    for i in range(3):
                        acc[i] += p[i] * p[3]
                    acc[3] += p[3]
            a = acc[3] // (step * step)
            rgb = [acc[i] // acc[3] if acc[3] else 0 for i in range(3)]
            row.append((*rgb, a))
        rows.append(row)
    return rows


# The same picture as shapes on a 64 x 64 canvas (pixel (x, y) covers x..x+1, y..y+1),
# each painted over the ones before: (left, top, width, height, corner radius, colour).
SHAPES = (
    (16, 53, 32, 6, 2.5, OUTLINE), (17, 54, 30, 4, 1.5, BEZEL),   # foot
    (27, 47, 10, 7, 0, OUTLINE), (28, 47, 8, 7, 0, BEZEL),        # neck
    (3, 6, 58, 41, 4.5, OUTLINE), (4, 7, 56, 39, 3.5, BEZEL),     # monitor
    (8, 11, 48, 31, 0, OUTLINE),                                  # screen's edge
    (9, 12, 23, 14, 0, QUARTERS[0]), (32, 12, 23, 14, 0, QUARTERS[1]),
    (9, 26, 23, 15, 0, QUARTERS[2]), (32, 26, 23, 15, 0, QUARTERS[3]),
)
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def shape_colour(u, v):
    colour = CLEAR
    for left, top, width, height, radius, fill in SHAPES:
        if not (left <= u < left + width and top <= v < top + height):
            continue
        cu = min(max(u, left + radius), left + width - radius)
        cv = min(max(v, top + radius), top + height - radius)
        if (u - cu) ** 2 + (v - cv) ** 2 <= radius * radius:
            colour = fill
    return colour


def theme_picture(size):
    """size x size rows, top first: the .ico's pictures where they exist, else the shapes."""
    if 64 % size == 0:
        return picture(size)
    n = 4
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(n):
                for sx in range(n):
                    p = shape_colour((x + (sx + 0.5) / n) * 64 / size, (y + (sy + 0.5) / n) * 64 / size)
                    for i in range(3):
                        acc[i] += p[i] * p[3]
                    acc[3] += p[3]
            a = (acc[3] + n * n // 2) // (n * n)
            rgb = [(acc[i] + acc[3] // 2) // acc[3] if acc[3] else 0 for i in range(3)]
            row.append((*rgb, a))
        rows.append(row)
    return rows


def png(rows):
    """An RGBA PNG with no time or text in it: the same rows give the same bytes."""
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    def hexcolour(c):
        return "#%02x%02x%02x" % c[:3]
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">']
    for left, top, width, height, radius, fill in SHAPES:
        corner = f' rx="{radius:g}"' if radius else ""
        lines.append(f'  <rect x="{left}" y="{top}" width="{width}" height="{height}"{corner} fill="{hexcolour(fill)}"/>')
    lines.append("</svg>")
    return "\n".join(lines) + "\n"


def write_theme(folder):
    for size in THEME_SIZES:
        path = os.path.join(folder, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(path, exist_ok=True)
        with open(os.path.join(path, "ondalith.png"), "wb") as f:
            f.write(png(theme_picture(size)))
    path = os.path.join(folder, "hicolor", "scalable", "apps")
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, "ondalith.svg"), "w", encoding="ascii") as f:
        f.write(svg())


def ico_image(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(xor) + bytes(mask)


def main():
    ico_path, table_path = sys.argv[1], sys.argv[2]
    images = [(s, ico_image(picture(s))) for s in (64, 32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(ico_path, "wb") as f:
        f.write(out + b"".join(d for _, d in images))

    rows = picture(64)
    columns = [c for x in range(64) for y in range(64) for c in rows[y][x]]
    lines = ["// Generated by resources/tools/make_icon.py.",
             '#include "app/window_icon.h"', "",
             "namespace ondalith {",
             "// 64 x 64 RGBA pixels, column by column from the left, each column top to bottom.",
             "const unsigned char kWindowIconColumns[kWindowIconBytes] = {"]
    for i in range(0, len(columns), 16):
        lines.append("    " + ", ".join(f"0x{v:02x}" for v in columns[i:i + 16]) + ",")
    lines += ["};", "}"]
    with open(table_path, "w", encoding="ascii") as f:
        f.write("\n".join(lines) + "\n")
    if len(sys.argv) > 3:
        write_theme(sys.argv[3])


if __name__ == "__main__":
    main()
