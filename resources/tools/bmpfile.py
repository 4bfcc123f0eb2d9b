"""Writes uncompressed Windows bitmaps (24 or 32 bits per pixel, bottom-up)."""
import struct


def write_bmp(path, rows_top_down, width, height, bits=24):
    """rows_top_down: height rows of width (r, g, b) tuples, or a numpy uint8 array
    of shape (height, width, 3), top row first."""
    bpp = bits // 8
    stride = (width * bpp + 3) & ~3
    try:
        import numpy as np
        a = np.asarray(rows_top_down, dtype=np.uint8).reshape(height, width, 3)
        bgr = a[::-1, :, ::-1]
        if bpp == 4:
            bgr = np.concatenate([bgr, np.zeros((height, width, 1), np.uint8)], axis=2)
        body = np.zeros((height, stride), np.uint8)
        body[:, :width * bpp] = bgr.reshape(height, width * bpp)
        pixels = body.tobytes()
    except ImportError:
        out = bytearray()
        for row in reversed(list(rows_top_down)):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r)) + (b"\0" if bpp == 4 else b"")
            line += b"\0" * (stride - len(line))
            out += line
        pixels = bytes(out)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)
