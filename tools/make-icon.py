#!/usr/bin/env python3
"""Draws the program's 32 x 32 icon (16 colours): a pixel letter over a
landscape, and writes it as PNG. Usage: make-icon.py OUT.png [SIZE]

Other sizes keep the 32 x 32 design: whole multiples enlarge its pixels
as they are, other sizes average the design's pixels that each one covers."""
import struct
import sys
import zlib

SKY, SUN, HILL, FAR_HILL, LETTER, SHADOW = (
    (40, 90, 170), (250, 210, 60), (40, 140, 60), (70, 170, 90), (255, 255, 255), (20, 20, 40))

# A "P" on a 7 x 9 grid of 3-pixel blocks.
LETTER_ROWS = [
    "######.",
    "##...##",
    "##...##",
    "##...##",
    "######.",
    "##.....",
    "##.....",
    "##.....",
    "##.....",
]


def pixel(x, y):
    col, row = (x - 6) // 3, (y - 4) // 3
    if 0 <= row < len(LETTER_ROWS) and 0 <= col < 7 and LETTER_ROWS[row][col] == "#":
        return LETTER
    scol, srow = (x - 7) // 3, (y - 5) // 3
    if 0 <= srow < len(LETTER_ROWS) and 0 <= scol < 7 and LETTER_ROWS[srow][scol] == "#":
        return SHADOW
    if (x - 25) ** 2 + (y - 7) ** 2 <= 16:
        return SUN
    if y > 24 - (x - 20) ** 2 // 40:
        return HILL
    if y > 20 + (x - 6) ** 2 // 60:
        return FAR_HILL
    return SKY


def scaled(size):
    design = [[pixel(x, y) for x in range(32)] for y in range(32)]
    if size % 32 == 0:
        return [[design[y * 32 // size][x * 32 // size] for x in range(size)] for y in range(size)]
    # Eight samples a side per output pixel: a box filter close enough to exact.
    samples = 8
    step = 32 / (size * samples)
    offsets = [(i + 0.5) * step for i in range(samples)]
    result = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0, 0, 0]
            for dy in offsets:
                design_row = design[int(y * 32 / size + dy)]
                for dx in offsets:
                    colour = design_row[int(x * 32 / size + dx)]
                    for channel in range(3):
                        total[channel] += colour[channel]
            row.append(tuple(round(t / samples**2) for t in total))
        result.append(row)
    return result


def png(size):
    rows = b"".join(b"\0" + b"".join(bytes(colour) for colour in row) for row in scaled(size))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


if __name__ == "__main__":
    size = int(sys.argv[2]) if len(sys.argv) > 2 else 32
    with open(sys.argv[1], "wb") as out:
        out.write(png(size))
