#!/usr/bin/python3
"""The height atlas: 4 x 4 tiles of 256 pixels, each a bold red silhouette on black
(red is height), with 2-pixel grey lines between the tiles. The cube field samples a
tile every 5.12 pixels, so every shape is thick and fills most of its tile."""
import sys

import numpy as np

from bmpfile import write_bmp

TILE = 256
SUB = 2  # supersampling per axis, for soft edges


def circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse_ring(x, y, rx, ry, width):
    outer = (x / rx) ** 2 + (y / ry) ** 2 <= 1.0
    inner = (x / (rx - width)) ** 2 + (y / (ry - width)) ** 2 <= 1.0
    return outer & ~inner


def polygon(x, y, points):
    """Even-odd fill of a closed polygon."""
    inside = np.zeros(x.shape, bool)
    n = len(points)
    for i in range(n):
        (x1, y1), (x2, y2) = points[i], points[(i + 1) % n]
        if y1 == y2:
            continue
        crosses = (y1 > y) != (y2 > y)
        at = x1 + (y - y1) * (x2 - x1) / (y2 - y1)
        inside ^= crosses & (x < at)
    return inside


def stroke(x, y, points, r):
    """A polyline drawn with round ends, half-width r."""
    hit = np.zeros(x.shape, bool)
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        dx, dy = bx - ax, by - ay
        h = np.clip(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0)
        hit |= (x - ax - h * dx) ** 2 + (y - ay - h * dy) ** 2 <= r * r
    return hit


def star_points(n, outer, inner, turn=np.pi / 2):
    pts = []
    for i in range(2 * n):
        r = outer if i % 2 == 0 else inner
        a = turn + i * np.pi / n
        pts.append((r * np.cos(a), r * np.sin(a)))
    return pts


W = 0.17  # letter stroke half-width

# Coordinates run from -1 to 1 across a tile, y up. Tiles 8 to 15 spell the name.
SHAPES = [
    lambda x, y: ((x * 1.15) ** 2 + ((y + 0.1) * 1.15) ** 2 - 0.75) ** 3
    - (x * 1.15) ** 2 * ((y + 0.1) * 1.15) ** 3 * 1.2 <= 0,                                  # heart
    lambda x, y: polygon(x, y, star_points(5, 0.95, 0.42)),                                     # star
    lambda x, y: circle(x, y, 0.0, 0.0, 0.85) & ~circle(x, y, 0.38, 0.2, 0.72),                 # crescent
    lambda x, y: polygon(x, y, [(-0.85, -0.22), (0.1, -0.22), (0.1, -0.6), (0.9, 0.0),
                                (0.1, 0.6), (0.1, 0.22), (-0.85, 0.22)]),                       # arrow
    lambda x, y: np.abs(x) + np.abs(y) <= 0.88,                                                 # diamond
    lambda x, y: ((np.abs(x) <= 0.26) & (np.abs(y) <= 0.85)) | ((np.abs(y) <= 0.26) & (np.abs(x) <= 0.85)),  # cross
    lambda x, y: polygon(x, y, [(-0.33, 0.9), (0.45, 0.9), (0.1, 0.15), (0.55, 0.15),
                                (-0.3, -0.92), (-0.05, -0.12), (-0.5, -0.12)]),                 # lightning
    lambda x, y: polygon(x, y, [(0.0, 0.88), (0.9, -0.72), (-0.9, -0.72)]),                     # triangle
    lambda x, y: ellipse_ring(x, y, 0.68, 0.88, 0.34),                                          # O
    lambda x, y: stroke(x, y, [(-0.55, -0.75), (-0.55, 0.75), (0.55, -0.75), (0.55, 0.75)], W),  # N
    lambda x, y: stroke(x, y, [(-0.55, -0.75), (-0.55, 0.75)], W)
    | (ellipse_ring(x + 0.55, y, 1.15, 0.92, 0.34) & (x >= -0.55)),                            # D
    lambda x, y: stroke(x, y, [(-0.7, -0.8), (0.0, 0.8), (0.7, -0.8)], W)
    | stroke(x, y, [(-0.36, -0.2), (0.36, -0.2)], W),                                           # A
    lambda x, y: stroke(x, y, [(-0.45, 0.8), (-0.45, -0.75), (0.6, -0.75)], W),                 # L
    lambda x, y: stroke(x, y, [(0.0, 0.8), (0.0, -0.8)], W)
    | stroke(x, y, [(-0.4, 0.8), (0.4, 0.8)], W) | stroke(x, y, [(-0.4, -0.8), (0.4, -0.8)], W),  # I
    lambda x, y: stroke(x, y, [(-0.7, 0.75), (0.7, 0.75)], W) | stroke(x, y, [(0.0, 0.75), (0.0, -0.8)], W),  # T
    lambda x, y: stroke(x, y, [(-0.55, 0.8), (-0.55, -0.8)], W) | stroke(x, y, [(0.55, 0.8), (0.55, -0.8)], W)
    | stroke(x, y, [(-0.55, 0.0), (0.55, 0.0)], W),                                             # H
]


def tile_coverage(shape):
    n = TILE * SUB
    c = (np.arange(n) + 0.5) / n * 2.0 - 1.0
    x, y = np.meshgrid(c, -c)  # first row is the tile's top
    hit = shape(x, y).astype(np.float32)
    return hit.reshape(TILE, SUB, TILE, SUB).mean(axis=(1, 3))


def main(path):
    image = np.zeros((4 * TILE, 4 * TILE, 3), np.uint8)
    for k, shape in enumerate(SHAPES):
        row, col = divmod(k, 4)  # tile k: column k mod 4 from the left, row k div 4 from the top
        red = np.round(tile_coverage(shape) * 255.0).astype(np.uint8)
        image[row * TILE:(row + 1) * TILE, col * TILE:(col + 1) * TILE, 0] = red
    for edge in range(TILE, 4 * TILE, TILE):
        image[edge - 1:edge + 1, :, :] = 128
        image[:, edge - 1:edge + 1, :] = 128
    write_bmp(path, image, 4 * TILE, 4 * TILE, 24)


if __name__ == "__main__":
    main(sys.argv[1])
