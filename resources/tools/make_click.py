#!/usr/bin/python3
"""Placeholder sound until the real one lands: a RIFF/WAVE of silence."""
import struct, sys
data = bytes(8784)
fmt = struct.pack("<HHIIHH", 1, 1, 44100, 88200, 2, 16)
body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
open(sys.argv[1], "wb").write(b"RIFF" + struct.pack("<I", len(body)) + body)
