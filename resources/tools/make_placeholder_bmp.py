#!/usr/bin/python3
"""Stand-in picture: a flat colour of the requested size and depth."""
import sys
from bmpfile import write_bmp

path, width, height, bits, r, g, b = sys.argv[1], *map(int, sys.argv[2:8])
write_bmp(path, [[(r, g, b)] * width for _ in range(height)], width, height, bits)
