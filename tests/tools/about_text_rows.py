#!/usr/bin/python3
"""How tall the About window's texts stand in a screenshot, in pixel rows.

Usage: about_text_rows.py SHOT.png X Y WIDTH HEIGHT SCALE
X Y WIDTH HEIGHT: the client area on the screen; SCALE: the layout's expected scale
(1 at 96 dots per inch), which only picks the bands to look in: the title's above the
logo, the credits' between the logo and the button. Prints "TITLE CREDITS": the rows
from the first to the last with the title's black (underline included), and with the
credits' blue (all three lines).

Usage: about_text_rows.py --twice TITLE CREDITS TITLE2 CREDITS2
Exits 1, saying which, unless the second heights are twice the first, give or take the
rounding of glyphs to whole pixels (a row in 12): from 1.8 to 2.2 times.
"""
import subprocess
import sys


def twice(small_title, small_credits, large_title, large_credits):
    ok = True
    for what, small, large in (("title", small_title, large_title), ("credits", small_credits, large_credits)):
        if not 180 <= int(large) * 100 // int(small) <= 220:
            print(f"{what} text {small} rows at 96 dpi, {large} at 192")
            ok = False
    return 0 if ok else 1


def main():
    if sys.argv[1] == "--twice":
        return twice(*sys.argv[2:6])
    shot = sys.argv[1]
    x, y, width, height = (int(v) for v in sys.argv[2:6])
    scale = float(sys.argv[6])
    ppm = subprocess.run(["/usr/bin/convert", shot, "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                          "-depth", "8", "ppm:-"], check=True, capture_output=True).stdout
    # P6 header: magic, width, height, maximum, then the pixels.
    fields, rest = ppm.split(maxsplit=4)[:4], ppm.split(maxsplit=4)[4]
    w, h = int(fields[1]), int(fields[2])
    assert (w, h) == (width, height), (w, h)

    def rows(first, last, wanted):
        found = [r for r in range(max(first, 0), min(last, h))
                 if any(wanted(*rest[(r * w + c) * 3:(r * w + c) * 3 + 3]) for c in range(w))]
        return found[-1] - found[0] + 1 if found else 0

    def black(r, g, b):
        return r < 90 and g < 90 and b < 90

    def blue(r, g, b):
        return b > 150 and r < 110 and g < 150

    print(rows(0, int(50 * scale), black), rows(int(145 * scale), int(205 * scale), blue))


if __name__ == "__main__":
    sys.exit(main())
