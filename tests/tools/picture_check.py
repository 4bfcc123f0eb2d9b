#!/usr/bin/python3
"""Checks that a 1280 x 720 screenshot, taken within the first ten seconds of the
saver, shows its picture: flat cubes in the bottom rows, each a steel-blue top drawn
with alpha 0.76 over the background, and the background itself in the gaps between.

From the fixed camera (eye at z 150, 50 degree field of view) a flat cube top (z 6)
of column c and row r is centred at pixel (640 + 16.08 (c - 50), 360 - 16.08 (r - 50));
the gap between two columns lies half a step to the right. Row 30 stays flat until
the first wave comes within reach at about 9.7 s.
"""
import subprocess
import sys

WIDTH, HEIGHT = 1280, 720
STEP = 3 * 360 / (144 * 0.46630766)      # pixels between cube centres at the top plane
STEEL = (0.3952, 0.6156, 0.6992)          # unlit flat top, before the framebuffer
ALPHA = 0.76


def main():
    raw = subprocess.run(["/usr/bin/convert", sys.argv[1], "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    if len(raw) != WIDTH * HEIGHT * 3:
        sys.exit(f"screenshot is not {WIDTH} x {HEIGHT}")

    def pixel(x, y):
        i = (round(y) * WIDTH + round(x)) * 3
        return raw[i], raw[i + 1], raw[i + 2]

    y = 360 - STEP * (30 - 50)
    good = 0
    for column in range(45, 56):
        top = pixel(640 + STEP * (column - 50), y)
        gap = pixel(640 + STEP * (column - 50 + 0.5), y)
        want = [ALPHA * 255 * s + (1 - ALPHA) * g for s, g in zip(STEEL, gap)]
        ok = all(abs(t - w) <= 20 for t, w in zip(top, want)) and any(abs(t - g) > 20 for t, g in zip(top, gap))
        good += ok
        print(f"column {column}: top {top} expected {tuple(round(w) for w in want)} gap {gap} {'ok' if ok else 'off'}")
    print(f"{good} of 11 cube tops as predicted")
    sys.exit(0 if good >= 9 else 1)


if __name__ == "__main__":
    main()
