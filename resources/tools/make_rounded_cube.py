#!/usr/bin/python3
"""Placeholder cube until the rounded one lands."""
import sys
v = [(x, y, z) for x in (-4.9956, 4.9956) for y in (-4.9956, 4.9956) for z in (-4.9956, 4.9956)]
faces = [(1, 3, 4, 2), (5, 6, 8, 7), (1, 2, 6, 5), (3, 7, 8, 4), (1, 5, 7, 3), (2, 4, 8, 6)]
obj = ["mtllib rounded_cube.mtl", "g Box001", "usemtl 01___Default"] + [f"v {x} {y} {z}" for x, y, z in v]
obj += ["f " + " ".join(str(i) for i in f) for f in faces]
open(sys.argv[1], "w", newline="\r\n").write("\n".join(obj) + "\n")
open(sys.argv[2], "w", newline="\r\n").write("newmtl 01___Default\nKa 1 0 1\nKd 0.64 0.04 0.64\nKs 0.5 0 0.5\nNs 96.0784\n")
