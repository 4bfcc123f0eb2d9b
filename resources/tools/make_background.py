#!/usr/bin/python3
"""The background picture: a calm dusk over layered hills and a still lake. It shows
through the gaps between the cubes and through the flat cubes, so it stays soft and
dark enough behind them; the middle band, which every window shows, holds the horizon."""
import sys

import numpy as np

from bmpfile import write_bmp

SIZE = 2048


def mix(a, b, t):
    t = t[..., None]
    return a * (1.0 - t) + b * t


def smooth(edge0, edge1, x):
    t = np.clip((x - edge0) / (edge1 - edge0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def sky_colour(y):
    """Colour of the sky at heights y (0 top, 1 bottom of the picture)."""
    stops = [(0.00, (10, 12, 40)), (0.25, (32, 28, 84)), (0.42, (88, 52, 124)),
             (0.54, (176, 92, 128)), (0.61, (236, 138, 104)), (0.655, (252, 196, 128))]
    pos = np.array([p for p, _ in stops], np.float32)
    out = np.empty(y.shape + (3,), np.float32)
    for c in range(3):
        out[..., c] = np.interp(y, pos, np.array([col[c] for _, col in stops], np.float32))
    return out / 255.0


def ridge(x, base, amplitude, waves):
    h = np.full_like(x, base)
    for freq, phase, weight in waves:
        h -= amplitude * weight * (0.5 + 0.5 * np.sin(2.0 * np.pi * freq * x + phase))
    return h


def main(path):
    c = (np.arange(SIZE, dtype=np.float32) + 0.5) / SIZE
    x, y = np.meshgrid(c, c)  # y grows downwards
    horizon = 0.665

    # Sky: a banded dusk gradient, a low sun with its glow, a few thin clouds.
    image = sky_colour(np.minimum(y, horizon))
    sun_x, sun_y = 0.63, 0.625
    d = np.sqrt((x - sun_x) ** 2 + ((y - sun_y) * 1.1) ** 2)
    glow = np.exp(-d * 9.0) * 0.55 + np.exp(-d * 30.0) * 0.5
    image += glow[..., None] * np.array([1.0, 0.62, 0.35], np.float32)
    image = mix(image, np.array([1.0, 0.93, 0.78], np.float32), smooth(0.036, 0.030, d))
    for cy, thickness, tint, freq in ((0.50, 0.008, 0.30, 1.3), (0.462, 0.005, 0.22, 2.1), (0.575, 0.005, 0.28, 1.7)):
        drift = 0.004 * np.sin(2 * np.pi * freq * x) + 0.002 * np.sin(2 * np.pi * freq * 2.7 * x + 1.0)
        band = np.exp(-((y - cy - drift) / thickness) ** 2)
        band *= np.clip(np.sin(2 * np.pi * freq * 1.9 * x + 0.7) * np.sin(2 * np.pi * freq * 0.8 * x + 2.1) * 1.6 + 0.3, 0.0, 1.0)
        image = mix(image, np.array([0.98, 0.62, 0.58], np.float32), band * tint)

    # Stars in the dark upper sky, placed by a fixed integer hash.
    rng = np.random.default_rng(1796)
    count = 900
    sx = rng.integers(0, SIZE, count)
    sy = (rng.random(count) ** 1.6 * SIZE * 0.42).astype(int)
    bright = rng.random(count) * 0.6 + 0.25
    fade = 1.0 - sy / (SIZE * 0.45)
    for dx, dy, w in ((0, 0, 1.0), (1, 0, 0.45), (0, 1, 0.45), (-1, 0, 0.45), (0, -1, 0.45)):
        px, py = np.clip(sx + dx, 0, SIZE - 1), np.clip(sy + dy, 0, SIZE - 1)
        image[py, px] += (bright * fade * w)[:, None] * np.array([0.9, 0.92, 1.0], np.float32)

    # Three ranges of hills; the far ones fade into the glow of the horizon.
    haze = np.array([0.80, 0.47, 0.52], np.float32)
    ranges = [
        (horizon - 0.015, 0.085, [(1.3, 0.4, 0.6), (3.1, 2.0, 0.3), (7.3, 1.1, 0.1)], np.array([0.42, 0.26, 0.40]), 0.55),
        (horizon + 0.005, 0.060, [(2.1, 4.1, 0.55), (4.7, 0.3, 0.3), (11.0, 2.2, 0.15)], np.array([0.24, 0.14, 0.28]), 0.3),
        (horizon + 0.030, 0.050, [(0.9, 5.5, 0.5), (2.9, 1.7, 0.35), (9.1, 0.9, 0.15)], np.array([0.10, 0.07, 0.16]), 0.1),
    ]
    for base, amplitude, waves, colour, hazed in ranges:
        top = ridge(c, base, amplitude, waves)[None, :]
        inside = smooth(top - 0.0015, top + 0.0015, y) * (y <= horizon + 0.05)
        shade = np.clip((y - top) / 0.12, 0.0, 1.0)
        hill = mix(np.broadcast_to(colour.astype(np.float32), image.shape),
                   np.broadcast_to(haze, image.shape), np.full(y.shape, hazed, np.float32) * (1.0 - shade))
        image = mix(image, hill, inside)

    # A still lake below the near shore mirrors the sky, darker and gently rippled.
    shore = horizon + 0.05
    mirror_y = np.clip(2 * shore - y - 0.1, 0.0, horizon)
    ripple = 0.004 * np.sin(2 * np.pi * (y * 180.0 + 3.0 * np.sin(2 * np.pi * x * 2.0)))
    reflected = sky_colour(np.clip(mirror_y + ripple, 0.0, horizon))
    rd = np.sqrt((x - sun_x) ** 2 + ((mirror_y - sun_y) * 2.5) ** 2)
    reflected += (np.exp(-rd * 14.0) * 0.45 * (0.6 + 0.4 * np.sin(2 * np.pi * y * 260.0)))[..., None] \
        * np.array([1.0, 0.65, 0.4], np.float32)
    depth = np.clip((y - shore) / (1.0 - shore), 0.0, 1.0)
    reflected *= (0.55 - 0.35 * depth)[..., None]
    reflected = mix(reflected, np.array([0.04, 0.06, 0.16], np.float32), 0.25 + depth * 0.5)
    image = mix(image, reflected, smooth(shore - 0.002, shore + 0.002, y))

    # A gentle vignette keeps the corners quiet.
    v = np.sqrt((x - 0.5) ** 2 + (y - 0.55) ** 2)
    image *= (1.0 - 0.35 * smooth(0.45, 0.85, v))[..., None]

    rgb = np.clip(np.round(image * 255.0), 0, 255).astype(np.uint8)
    write_bmp(path, rgb, SIZE, SIZE, 32)


if __name__ == "__main__":
    main(sys.argv[1])
