#!/usr/bin/python3
"""Reads the frame-rate box back from a screenshot of the saver.

    fps_box.py SHOT.png GLYPHS.txt [--same-outside OTHER.png]

The box is an opaque panel in the lower-left corner with white glyph dots at a whole
number of screen pixels per dot, so it can be read exactly: the panel is found from the
corner pixel, the scale from the shortest run of lit pixels, and every character cell is
matched against the glyph file the build generated (the same text the saver embeds).
The figures and the point in that file are checked first against faces written out
here, so that a wrong or swapped glyph is not read back as right.
A box wider than the picture reads up to its last whole character cell.
Prints the box's size and scale and then each text line as "text: ...". Exits 1 when
there is no box, a dot is not a whole block of one colour, or a cell matches no glyph.
With --same-outside, it also fails if OTHER differs from SHOT anywhere outside the box.
"""
import math
import subprocess
import sys

PANEL = (24, 24, 24)
INK = (255, 255, 255)

# The faces of the figures and the point, 5 x 7 dots, one row of 5 bits per number
# (the top row first, the left dot the highest bit).
KNOWN = {
    "0": (0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E), "1": (0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E),
    "2": (0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F), "3": (0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E),
    "4": (0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02), "5": (0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E),
    "6": (0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E), "7": (0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08),
    "8": (0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E), "9": (0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C),
    ".": (0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C),
}


def load(path):
    size = subprocess.run(["/usr/bin/identify", "-format", "%w %h", path], capture_output=True, check=True, text=True)
    width, height = map(int, size.stdout.split())
    raw = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return width, height, raw


def load_glyphs(path):
    with open(path, encoding="ascii") as f:
        lines = f.read().splitlines()
    w, h, ax, ay = map(int, lines[0].split())
    faces = {}
    for i in range(1, len(lines), h + 1):
        faces[tuple(lines[i + 1:i + 1 + h])] = lines[i]
    for name, rows in KNOWN.items():
        known = tuple(format(row, "05b").replace("1", "#").replace("0", ".") for row in rows)
        if faces.get(known) != name:
            sys.exit(f"the glyph file does not draw '{name}' as it looks")
    return w, h, ax, ay, faces


def main():
    args = sys.argv[1:]
    other = None
    if "--same-outside" in args:
        at = args.index("--same-outside")
        other = args[at + 1]
        del args[at:at + 2]
    shot, glyph_file = args
    width, height, raw = load(shot)
    gw, gh, ax, ay, faces = load_glyphs(glyph_file)

    def pixel(x, y):  # y counts down from the top, as in the picture
        i = (y * width + x) * 3
        return tuple(raw[i:i + 3])

    if pixel(0, height - 1) != PANEL:
        sys.exit(f"no box: the lower-left pixel is {pixel(0, height - 1)}")
    box_w = next((x for x in range(width) if pixel(x, height - 1) != PANEL), width)
    box_h = next((n for n in range(height) if pixel(0, height - 1 - n) != PANEL), height)
    top = height - box_h
    lit = {(x, y) for y in range(top, height) for x in range(box_w) if pixel(x, y) == INK}
    for y in range(top, height):
        for x in range(box_w):
            if pixel(x, y) not in (PANEL, INK):
                sys.exit(f"box pixel {x},{y} is {pixel(x, y)}, neither panel nor ink")
    if not lit:
        sys.exit("the box holds no text")

    # Every stroke is one dot wide somewhere, so the runs' common divisor is the scale.
    runs = []
    for y in range(top, height):
        n = 0
        for x in range(box_w + 1):
            if (x, y) in lit:
                n += 1
            elif n:
                runs.append(n)
                n = 0
    for x in range(box_w):
        n = 0
        for y in range(top, height + 1):
            if (x, y) in lit:
                n += 1
            elif n:
                runs.append(n)
                n = 0
    scale = 0
    for n in runs:
        scale = math.gcd(scale, n)

    # The text starts with a capital whose top-left dot is lit.
    left = min(x for x, _ in lit)
    first = min(y for _, y in lit)
    last = max(y for _, y in lit)
    for x, y in lit:
        bx, by = left + (x - left) // scale * scale, first + (y - first) // scale * scale
        if any((u, v) not in lit for u in range(bx, bx + scale) for v in range(by, by + scale)):
            sys.exit(f"the dot at {bx},{by} is not a whole {scale} x {scale} block")

    def dot(x, y):
        return "#" if (x, y) in lit else "."

    print(f"box {box_w}x{box_h} at the lower-left corner, {scale} pixels per dot")
    lines = (last - first) // (ay * scale) + 1
    columns = (box_w - left - gw * scale) // (ax * scale) + 1  # whole cells only
    status = 0
    for line in range(lines):
        text = ""
        for column in range(columns):
            x0, y0 = left + column * ax * scale, first + line * ay * scale
            face = tuple("".join(dot(x0 + c * scale, y0 + r * scale) for c in range(gw)) for r in range(gh))
            if all(set(row) == {"."} for row in face):
                text += " "
            elif face in faces:
                text += faces[face]
            else:
                text += "?"
                status = 1
        print("text: " + text.rstrip())

    if other:
        ow, oh, oraw = load(other)
        if (ow, oh) != (width, height):
            sys.exit(f"{other} is {ow} x {oh}, not {width} x {height}")
        outside = inside = 0
        row = width * 3
        for y in range(height):
            if raw[y * row:(y + 1) * row] == oraw[y * row:(y + 1) * row]:
                continue
            for x in range(width):
                i = (y * width + x) * 3
                if raw[i:i + 3] != oraw[i:i + 3]:
                    if x < box_w and y >= top:
                        inside += 1
                    else:
                        outside += 1
        print(f"pixels that differ: {inside} inside the box, {outside} outside")
        status |= outside != 0
    sys.exit(status)


if __name__ == "__main__":
    main()
