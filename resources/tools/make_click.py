#!/usr/bin/python3
"""Writes the saver's short click: PCM, mono, 44,100 Hz, 16 bits, 4392 samples.

659 samples of silence, then a soft click: a low tone (about 1.2 kHz) under a smooth
raised-cosine attack and an exponential decay, scaled so that its largest sample is
exactly 1303, and faded out by a cosine window so that every sample from 3720 on is
silent. Pure integer-exact output for a given Python: no randomness, no clock.
"""
import math
import struct
import sys

RATE = 44100
SAMPLES = 4392
START = 659          # first sample of the click
END = 3720           # first sample of the silent tail
PEAK = 1303
ATTACK = 40          # samples of smooth rise


def shape(n):
    """The click's unscaled value at sample n (START <= n < END)."""
    i = n - START
    length = END - START
    attack = 0.5 - 0.5 * math.cos(math.pi * min(i, ATTACK) / ATTACK)
    fade = 0.5 + 0.5 * math.cos(math.pi * i / length)   # reaches 0 at END
    decay = math.exp(-i / 900.0)
    tone = math.sin(2.0 * math.pi * 1200.0 * i / RATE) + 0.35 * math.sin(2.0 * math.pi * 2950.0 * i / RATE)
    return attack * fade * decay * tone


def samples():
    raw = [shape(n) for n in range(START, END)]
    scale = PEAK / max(abs(v) for v in raw)
    click = [int(round(v * scale)) for v in raw]
    # Rounding can never pass the peak, and the largest sample lands on it exactly.
    assert max(abs(v) for v in click) == PEAK
    out = [0] * START + click + [0] * (SAMPLES - END)
    assert len(out) == SAMPLES
    return out


def wave_bytes():
    data = struct.pack("<%dh" % SAMPLES, *samples())
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE * 2, 2, 16)
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data)
    return b"RIFF" + struct.pack("<I", len(body)) + body


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(wave_bytes())
