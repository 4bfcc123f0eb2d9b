#!/usr/bin/python3
"""Writes the rounded cube model: an OBJ text and its MTL text, CRLF as modelling programs
export them.

The cube has half-size 4.9956 and edges rounded with radius 1.0. Each of the 8 corners is
an eighth of a sphere built from 12 positions: the three points where it meets the flat
sides, two more on each of its three boundary arcs (at 30 and 60 degrees) and three inside.
It is drawn as one triangle in the middle and six quadrilaterals around it. The 12 edges
are quarter cylinders of three strips that join the boundary arcs of two corners, and the 6
flat sides are single quadrilaterals between the corners' side points, so all 96 positions
belong to the corners. Every polygon runs counter-clockwise seen from outside.

Texture coordinates are a box mapping: every polygon belongs to one of the six sides and
takes the side's planar projection, so a position gets one coordinate per side it is
mapped on (152 in all).

usage: make_rounded_cube.py OUT.obj OUT.mtl
"""
import math
import sys

HALF = 4.9956
RADIUS = 1.0
INNER = HALF - RADIUS
MATERIAL = "01___Default"

T = math.tan(math.radians(30))
# One corner, in the positive octant, as directions from its sphere's centre. The arcs
# X-a1-a2-Y, Y-b1-b2-Z and Z-c1-c2-X are where it meets the edge cylinders.
CORNER = {
    "X": (1, 0, 0), "Y": (0, 1, 0), "Z": (0, 0, 1),
    "a1": (1, T, 0), "a2": (T, 1, 0),
    "b1": (0, 1, T), "b2": (0, T, 1),
    "c1": (T, 0, 1), "c2": (1, 0, T),
    "IX": (1, T, T), "IY": (T, 1, T), "IZ": (T, T, 1),
}
NAMES = list(CORNER)
# The corner's polygons and the side (0 x, 1 y, 2 z) whose projection maps each.
CORNER_POLYGONS = [
    (("IX", "IY", "IZ"), 0),
    (("X", "a1", "IX", "c2"), 0),
    (("Y", "b1", "IY", "a2"), 1),
    (("Z", "c1", "IZ", "b2"), 2),
    (("a1", "a2", "IY", "IX"), 0),
    (("b1", "b2", "IZ", "IY"), 1),
    (("c1", "c2", "IX", "IZ"), 2),
]
# Edge cylinders by the axis they run along: the corner arc they join and the sides that
# map their three strips.
EDGE_ARCS = {
    2: (("X", "a1", "a2", "Y"), (0, 0, 1)),
    0: (("Y", "b1", "b2", "Z"), (1, 1, 2)),
    1: (("Z", "c1", "c2", "X"), (2, 2, 0)),
}
SIDE_POINT = ("X", "Y", "Z")

CORNERS = [(sx, sy, sz) for sz in (1, -1) for sy in (1, -1) for sx in (1, -1)]


def fmt(value):
    text = f"{value:.4f}"
    return "0.0000" if text == "-0.0000" else text


def corner_position(signs, name):
    d = CORNER[name]
    n = math.sqrt(sum(c * c for c in d))
    return tuple(s * (INNER + RADIUS * c / n) for s, c in zip(signs, d))


def position_index(signs, name):
    return CORNERS.index(signs) * 12 + NAMES.index(name)


def sub(a, b):
    return tuple(x - y for x, y in zip(a, b))


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def outward(ids, positions):
    """The polygon's corners counter-clockwise seen from outside, first corner kept."""
    pts = [positions[i] for i in ids]
    normal = [0.0, 0.0, 0.0]
    for p, q in zip(pts, pts[1:] + pts[:1]):
        c = cross(p, q)
        normal = [n + x for n, x in zip(normal, c)]
    centre = tuple(sum(c) / len(pts) for c in zip(*pts))
    return ids if dot(normal, centre) > 0 else ids[:1] + ids[:0:-1]


def side_uv(axis, sign, p):
    """Planar projection onto the side (axis, sign), upright and unmirrored from outside."""
    u_axis, v_axis, u_sign = {0: (1, 2, sign), 1: (0, 2, -sign), 2: (0, 1, sign)}[axis]
    u = (u_sign * p[u_axis] + HALF) / (2 * HALF)
    v = (p[v_axis] + HALF) / (2 * HALF)
    return (fmt(u), fmt(v))


def build():
    positions = [corner_position(c, n) for c in CORNERS for n in NAMES]
    polygons = []  # (position ids, side axis)
    for axis, name in enumerate(SIDE_POINT):
        for sign in (1, -1):
            ring = [c for c in CORNERS if c[axis] == sign]
            a, b = [i for i in range(3) if i != axis]
            ring.sort(key=lambda c: math.atan2(c[b], c[a]))
            polygons.append(([position_index(c, name) for c in ring], axis))
    for axis, (arc, sides) in EDGE_ARCS.items():
        a, b = [i for i in range(3) if i != axis]
        for sa in (1, -1):
            for sb in (1, -1):
                ends = []
                for s in (1, -1):
                    signs = [0, 0, 0]
                    signs[a], signs[b], signs[axis] = sa, sb, s
                    ends.append(tuple(signs))
                top, bottom = ends
                for j in range(3):
                    ids = [position_index(top, arc[j]), position_index(bottom, arc[j]),
                           position_index(bottom, arc[j + 1]), position_index(top, arc[j + 1])]
                    polygons.append((ids, sides[j]))
    for c in CORNERS:
        for names, axis in CORNER_POLYGONS:
            polygons.append(([position_index(c, n) for n in names], axis))

    uvs, uv_index, faces = [], {}, []
    for ids, axis in polygons:
        ids = outward(ids, positions)
        corners = []
        for i in ids:
            sign = CORNERS[i // 12][axis]
            key = (axis, sign, i)
            if key not in uv_index:
                uvs.append(side_uv(axis, sign, positions[i]))
                uv_index[key] = len(uvs)
            corners.append((i + 1, uv_index[key]))
        faces.append(corners)
    return positions, uvs, faces


def write(path, lines):
    with open(path, "w", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def main():
    obj_path, mtl_path = sys.argv[1], sys.argv[2]
    positions, uvs, faces = build()
    obj = ["# Rounded cube", "mtllib rounded_cube.mtl", "", "o RoundedCube"]
    obj += ["v " + " ".join(fmt(c) for c in p) for p in positions]
    obj += [f"# {len(positions)} vertices", ""]
    obj += [f"vt {u} {v} 0.0000" for u, v in uvs]
    obj += [f"# {len(uvs)} texture coords", "", "g RoundedCube", f"usemtl {MATERIAL}", "s 1"]
    obj += ["f " + " ".join(f"{v}/{t}" for v, t in face) for face in faces]
    triangles = sum(1 for f in faces if len(f) == 3)
    obj += [f"# {len(faces)} polygons - {triangles} triangles", ""]
    write(obj_path, obj)
    write(mtl_path, [
        "# Rounded cube material",
        f"newmtl {MATERIAL}",
        "\tNs 96.0784",
        "\tNi 1.5000",
        "\td 1.0000",
        "\tTr 0.0000",
        "\tillum 2",
        "\tKa 1.0000 0.0000 1.0000",
        "\tKd 0.6400 0.0400 0.6400",
        "\tKs 0.5000 0.0000 0.5000",
        "\tKe 0.0000 0.0000 0.0000",
        "",
    ])


if __name__ == "__main__":
    main()
