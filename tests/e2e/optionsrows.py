#!/usr/bin/env python3
"""Finds the options page's rows in a screenshot of the real game and checks
that each row's label and value lie inside the window, clear of each other and
of the ornament strip. Usage: optionsrows.py SCREENSHOT.png STRIP.png"""
import subprocess
import sys

INK = 60  # the unselected rows are grey 100; the panel keeps the scene below 40


def grey_pixels(path):
    """Width, height and rows of grey values of the picture (through ImageMagick)."""
    data = subprocess.run(["convert", path, "-colorspace", "Gray", "-depth", "8", "-compress", "none", "pgm:-"],
                          check=True, capture_output=True, text=True).stdout.split()
    width, height = int(data[1]), int(data[2])
    values = list(map(int, data[4:]))
    return width, height, [values[y * width:(y + 1) * width] for y in range(height)]


def picture_size(path):
    out = subprocess.run(["identify", "-format", "%w %h", path], check=True, capture_output=True, text=True).stdout
    return tuple(map(int, out.split()))


def runs(flags):
    """[first, last] of each run of true flags."""
    found, start = [], None
    for i, flag in enumerate(flags + [False]):
        if flag and start is None:
            start = i
        elif not flag and start is not None:
            found.append((start, i - 1))
            start = None
    return found


def main():
    width, height, pixels = grey_pixels(sys.argv[1])
    strip_w, strip_h = picture_size(sys.argv[2])
    strip_left = int(int(width * 0.25) - strip_w * (height / strip_h) * 0.5)
    label_x, value_x = int(width * 0.05), int(width * 0.15)
    top = height // 2
    region = [row[:strip_left] for row in pixels[top:]]
    lines = runs([any(v > INK for v in row) for row in region])
    faults = []
    print(f"{width}x{height}: strip from x={strip_left}, label x={label_x}, value x={value_x}")
    for n, (first, last) in enumerate(lines):
        columns = runs([any(region[y][x] > INK for y in range(first, last + 1)) for x in range(strip_left)])
        left, right = columns[0][0], columns[-1][1]
        label = [c for c in columns if c[0] < value_x]
        value = [c for c in columns if c[0] >= value_x]
        print(f"row {n}: y {top + first}..{top + last}, ink x {left}..{right}, "
              f"label ends {label[-1][1] if label else '-'}, value {value[0][0] if value else '-'}..{right}")
        if not label or not value:
            faults.append(f"row {n} lacks its label or its value")
            continue
        if left < label_x - 2:
            faults.append(f"row {n} starts left of its place ({left})")
        if label[-1][1] >= value_x - 1:
            faults.append(f"row {n}: the label runs into the value ({label[-1][1]} against {value_x})")
        if right >= strip_left - 2:
            faults.append(f"row {n}: the value reaches the strip ({right} against {strip_left})")
    if len(lines) != 7:
        faults.append(f"{len(lines)} rows of text instead of 7 apart from each other")
    elif top + lines[-1][1] >= height - 1:
        faults.append("the last row reaches the window's lower edge")
    if len(lines) > 1:
        tops = [top + first for first, _ in lines]
        print("row spacing:", [b - a for a, b in zip(tops, tops[1:])])
    for fault in faults:
        print("FAULT:", fault)
    return 1 if faults else 0


sys.exit(main())
