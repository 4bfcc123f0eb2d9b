#!/usr/bin/python3
"""Checks that a 1280 x 720 screenshot of the saver, taken at any time, shows its
picture: flat cubes, each a steel-blue top drawn with alpha 0.76 over the background,
and the background itself in the gaps between.

From the fixed camera (eye at z 150, 50 degree field of view) a flat cube top (z 6)
of column c and row r is centred at pixel (640 + 16.08 (c - 50), 360 - 16.08 (r - 50));
the gap between two columns lies half a step further out. Columns 12 to 20 and 78 to 86
lie outside the band the height pictures raise (26 to 74), so their cubes stay flat
except while the wave's ridge, 16 wide, passes their row: of rows 40 and 52, 18 apart,
one is always flat, whatever the saver's time (which Wine's start-up makes unknowable).
Near the edges of the view, further rows show more of the cubes' sides and the
background's horizon than this simple reading allows.
"""
import subprocess
import sys

WIDTH, HEIGHT = 1280, 720
STEP = 3 * 360 / (144 * 0.46630766)      # pixels between cube centres at the top plane
STEEL = (0.3952, 0.6156, 0.6992)          # unlit flat top, before the framebuffer
ALPHA = 0.76
ROWS = (40, 52)
COLUMNS = list(range(12, 21)) + list(range(78, 87))


def main():
    raw = subprocess.run(["/usr/bin/convert", sys.argv[1], "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    if len(raw) != WIDTH * HEIGHT * 3:
        sys.exit(f"screenshot is not {WIDTH} x {HEIGHT}")

    def pixel(x, y):
        i = (round(y) * WIDTH + round(x)) * 3
        return raw[i], raw[i + 1], raw[i + 2]

    best = 0
    for row in ROWS:
        y = 360 - STEP * (row - 50)
        good = 0
        for column in COLUMNS:
            outwards = 0.5 if column > 50 else -0.5
            top = pixel(640 + STEP * (column - 50), y)
            gap = pixel(640 + STEP * (column - 50 + outwards), y)
            want = [ALPHA * 255 * s + (1 - ALPHA) * g for s, g in zip(STEEL, gap)]
            ok = all(abs(t - w) <= 20 for t, w in zip(top, want)) and any(abs(t - g) > 20 for t, g in zip(top, gap))
            good += ok
            print(f"row {row} column {column}: top {top} expected {tuple(round(w) for w in want)} gap {gap} {'ok' if ok else 'off'}")
        print(f"row {row}: {good} of {len(COLUMNS)} cube tops as predicted")
        best = max(best, good)
    sys.exit(0 if best >= 15 else 1)


if __name__ == "__main__":
    main()
