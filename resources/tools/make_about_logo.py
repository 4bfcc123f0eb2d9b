#!/usr/bin/python3
"""The About window's logo: a green sprout, a stem with two leaves, rising from a
mound of soil on a teal background. 110 x 83, 24 bits per pixel, the same bytes on
every run: shapes are sampled 4 x 4 per pixel and averaged (no randomness)."""
import math
import sys

from bmpfile import write_bmp

WIDTH, HEIGHT = 110, 83
SAMPLES = 4

TEAL = (0, 128, 128)
SOIL = (110, 72, 40)
STEM = (46, 139, 45)
LEAF = (92, 190, 60)
VEIN = (40, 120, 40)


def in_ellipse(x, y, cx, cy, rx, ry, angle):
    """Inside an ellipse centred at (cx, cy), radii rx, ry, turned by angle (radians)."""
    dx, dy = x - cx, y - cy
    c, s = math.cos(angle), math.sin(angle)
    u, v = dx * c + dy * s, -dx * s + dy * c
    return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0


def stem_x(y):
    """The stem's centre line: a gentle S from the soil up to the leaves."""
    return 55.0 + 3.0 * math.sin((y - 30.0) / 12.0)


LEFT_LEAF = (41.0, 27.0, 15.0, 6.5, math.radians(-25))
RIGHT_LEAF = (69.0, 22.0, 16.0, 7.0, math.radians(30))


def on_vein(x, y, leaf):
    cx, cy, rx, _, angle = leaf
    dx, dy = x - cx, y - cy
    c, s = math.cos(angle), math.sin(angle)
    u, v = dx * c + dy * s, -dx * s + dy * c
    return abs(v) < 0.6 and abs(u) < rx * 0.8


def colour_at(x, y):
    """Colour of one sample point, later shapes over earlier ones."""
    if y >= 68.0 and in_ellipse(x, y, 55.0, 86.0, 34.0, 18.0, 0.0):
        return SOIL
    for leaf in (LEFT_LEAF, RIGHT_LEAF):
        if in_ellipse(x, y, *leaf):
            return VEIN if on_vein(x, y, leaf) else LEAF
    if 28.0 <= y <= 72.0 and abs(x - stem_x(y)) <= 1.8:
        return STEM
    return TEAL


def main(path):
    rows = []
    for py in range(HEIGHT):
        row = []
        for px in range(WIDTH):
            total = [0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    total = [t + v for t, v in zip(total, c)]
            n = SAMPLES * SAMPLES
            row.append(tuple((t + n // 2) // n for t in total))
        rows.append(row)
    write_bmp(path, rows, WIDTH, HEIGHT, 24)


if __name__ == "__main__":
    main(sys.argv[1])
