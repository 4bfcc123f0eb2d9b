#!/usr/bin/python3
"""The glyphs of the frame-rate box: a 5 x 7 pixel face for the characters the box
writes, as the text resource that render/glyph_font.h reads. Every character must look
unlike every other at one pixel per dot, so that the box reads at any size and a test
can read the screen back exactly."""
import sys

WIDTH, HEIGHT = 5, 7
ADVANCE_X, ADVANCE_Y = WIDTH + 1, HEIGHT + 2

GLYPHS = {
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": ["..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."],
    ".": [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
    ":": [".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."],
    "-": [".....", ".....", ".....", ".###.", ".....", ".....", "....."],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "t": [".#...", ".#...", "###..", ".#...", ".#...", ".#..#", "..##."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
}


def main():
    for name, rows in GLYPHS.items():
        assert len(name) == 1 and len(rows) == HEIGHT, name
        assert all(len(r) == WIDTH and set(r) <= {"#", "."} for r in rows), name
    faces = [tuple(rows) for rows in GLYPHS.values()]
    assert len(set(faces)) == len(faces), "two characters share a face"
    lines = [f"{WIDTH} {HEIGHT} {ADVANCE_X} {ADVANCE_Y}"]
    for name, rows in GLYPHS.items():
        lines.append(name)
        lines.extend(rows)
    with open(sys.argv[1], "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
