#!/usr/bin/env python3
"""Prints the RMS level (0..1) of a recorded WAV file in each window given as START:END seconds."""
import struct
import sys


def read_wav(path):
    data = open(path, "rb").read()
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        sys.exit("not a WAV file: " + path)
    pos, fmt, samples = 12, None, None
    while pos + 8 <= len(data):
        name, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        body = data[pos + 8:pos + 8 + size]
        if name == b"fmt ":
            fmt = struct.unpack("<HHIIHH", body[:16])
        elif name == b"data":
            samples = data[pos + 8:]  # the size is only final once the writer closed the file
            break
        pos += 8 + size + (size & 1)
    if fmt is None or samples is None:
        sys.exit("no fmt or data chunk in " + path)
    _, channels, rate, _, _, bits = fmt
    if bits == 16:
        values = [v / 32768.0 for v in struct.unpack("<%dh" % (len(samples) // 2), samples[:len(samples) // 2 * 2])]
    elif bits == 32:
        values = list(struct.unpack("<%df" % (len(samples) // 4), samples[:len(samples) // 4 * 4]))
    else:
        sys.exit("unsupported sample size %d" % bits)
    return channels, rate, values


def main():
    channels, rate, values = read_wav(sys.argv[1])
    frames = len(values) // channels
    if sys.argv[2:] == ["length"]:
        print("%.3f" % (frames / rate))
        return
    for window in sys.argv[2:]:
        start, end = (float(t) for t in window.split(":"))
        first, last = max(0, int(start * rate)) * channels, min(frames, int(end * rate)) * channels
        part = values[first:last]
        level = (sum(v * v for v in part) / len(part)) ** 0.5 if part else 0.0
        print("%.5f" % level)


main()
