#!/usr/bin/env python3
"""Writes the game's two sounds as 8-bit unsigned mono PCM WAVE files.

click.wav: 22050 Hz, 395 samples, a short knock for each frame of a roll.
bust.wav: 11025 Hz, 17228 samples, a falling "wah-wah" of about 1.56 s.

The output is the same on every run: no randomness beyond a fixed-seed LCG.
"""
import math
import os
import struct
import sys


def wave_file(rate, samples):
    data = bytes(samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)  # PCM, mono, 1 byte per sample
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
    body += b"data" + struct.pack("<I", len(data)) + data
    if len(data) % 2:
        body += b"\0"  # chunks are padded to an even length
    return b"RIFF" + struct.pack("<I", len(body)) + body


def to_u8(x):
    return max(0, min(255, int(round(128 + 127 * x))))


def click():
    rate, count = 22050, 395
    state = 12345
    out = []
    for n in range(count):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        noise = state / 0x3FFFFFFF - 1.0
        t = n / rate
        knock = math.sin(2 * math.pi * 1800 * t)
        envelope = math.exp(-n / 60.0)
        out.append(to_u8(0.8 * envelope * (0.6 * knock + 0.4 * noise)))
    return rate, out


def bust():
    rate, count = 11025, 17228
    out = []
    phase = 0.0
    for n in range(count):
        t = n / rate
        # Three falling steps, each sliding down, like a sad trombone.
        step = min(2, int(t / 0.42))
        start = [392.0, 370.0, 349.0][step]
        if t >= 3 * 0.42:
            freq = 330.0 - 40.0 * (t - 1.26) / 0.30 + 6.0 * math.sin(2 * math.pi * 6 * t)
        else:
            freq = start - 20.0 * ((t % 0.42) / 0.42)
        phase += 2 * math.pi * freq / rate
        tone = 0.7 * math.sin(phase) + 0.3 * math.sin(2 * phase)
        envelope = min(1.0, t / 0.01) * min(1.0, (count - n) / (0.08 * rate))
        out.append(to_u8(0.75 * envelope * tone))
    return rate, out


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, make in (("click.wav", click), ("bust.wav", bust)):
        rate, samples = make()
        with open(os.path.join(folder, name), "wb") as f:
            f.write(wave_file(rate, samples))


if __name__ == "__main__":
    main()
