#!/usr/bin/env python3
"""Paints the sample background pictures that ship in the program folder and
writes them into data/pictures/ (or the folder given as the only argument).

Each picture is painted here pixel by pixel, written as a PPM and turned into
its final format by ImageMagick's `convert`. Everything is drawn from a fixed
seed, so running the script again gives the same pictures.

  alpine-dawn.jpg       5120 x 3200  mountains over a lake at dawn: larger
                                     than a 4K screen, so Centered shows its
                                     middle and the arrow keys pan it
  green-hills.jpg       1280 x 800   rolling hills under a soft evening sky
  night-sky-tile.bmp     320 x 240   seamless stars, for Tiled
  paper-waves-tile.gif    96 x 96    a seamless wave pattern, for Tiled
"""
import math
import os
import random
import subprocess
import sys
import tempfile


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    return tuple(lerp(a, b, t) for a, b in zip(c1, c2))


def clamp_byte(v):
    return 0 if v < 0 else 255 if v > 255 else int(v)


def gradient(stops, t):
    """Colour at t (0..1) along a list of (position, colour) stops."""
    for (p1, c1), (p2, c2) in zip(stops, stops[1:]):
        if t <= p2:
            return mix(c1, c2, (t - p1) / (p2 - p1) if p2 > p1 else 0)
    return stops[-1][1]


class Ridge:
    """A fractal line: the sum of octaves of smoothly interpolated random
    values, seen as the height of a mountain or hill range along x."""

    def __init__(self, rng, width, octaves, base_period, roughness):
        self.layers = []
        period, amplitude = base_period, 1.0
        for _ in range(octaves):
            points = [rng.random() for _ in range(width // period + 3)]
            self.layers.append((period, amplitude, points))
            period = max(2, period // 2)
            amplitude *= roughness
        self.norm = sum(a for _, a, _ in self.layers)

    def at(self, x):
        total = 0.0
        for period, amplitude, points in self.layers:
            i, f = divmod(x / period, 1.0)
            i = int(i)
            f = f * f * (3 - 2 * f)
            total += amplitude * lerp(points[i], points[i + 1], f)
        return total / self.norm


def alpine_dawn(width=5120, height=3200):
    rng = random.Random(1961)
    scale = width / 2560  # the ranges keep their shapes at any size
    horizon = int(height * 0.68)
    sun_x, sun_y, sun_r = width * 0.63, horizon - height * 0.09, height * 0.045
    sky = [(0.0, (22, 32, 78)), (0.45, (92, 86, 150)), (0.8, (236, 150, 130)),
           (1.0, (255, 210, 150))]
    # Far ranges are pale and blue, near ones dark: air between eye and rock.
    ranges = [
        (Ridge(rng, width, 7, int(512 * scale), 0.5), horizon - height * 0.42, height * 0.30,
         (150, 140, 185)),
        (Ridge(rng, width, 7, int(384 * scale), 0.55), horizon - height * 0.28, height * 0.24,
         (96, 92, 140)),
        (Ridge(rng, width, 8, int(256 * scale), 0.55), horizon - height * 0.14, height * 0.14,
         (48, 52, 84)),
        (Ridge(rng, width, 6, int(160 * scale), 0.5), horizon - height * 0.05, height * 0.05,
         (26, 36, 48)),
    ]
    tops = [[top + span * (1 - ridge.at(x)) for x in range(width)]
            for ridge, top, span, _ in ranges]
    # The snow line: an altitude, ragged where drifts and rocks break it.
    snow = Ridge(rng, width, 5, int(64 * scale), 0.6)
    snow_line = [horizon - height * 0.305 + height * 0.04 * (snow.at(x) - 0.5) for x in range(width)]
    snow_edge = height * 0.006

    rows = []
    for y in range(horizon):
        sky_colour = gradient(sky, y / horizon)
        row = bytearray()
        for x in range(width):
            colour = None
            for layer in range(len(ranges) - 1, -1, -1):
                top = tops[layer][x]
                if y >= top:
                    _, highest, span, base = ranges[layer]
                    # Shaded by height alone: darker towards the foot of the range.
                    depth = min(1.0, (y - highest) / (span + height * 0.1))
                    colour = mix(base, (base[0] * 0.6, base[1] * 0.6, base[2] * 0.7), depth)
                    # Snow above the snow line on the two far ranges, fading
                    # out over a few pixels below it.
                    if layer < 2 and y < snow_line[x] + snow_edge:
                        cover = min(1.0, (snow_line[x] + snow_edge - y) / snow_edge)
                        colour = mix(colour, (245, 225, 230), 0.75 * cover)
                    break
            if colour is None:
                d = math.hypot(x - sun_x, y - sun_y)
                if d < sun_r:
                    colour = (255, 240, 200)
                else:
                    glow = math.exp(-(d - sun_r) / (height * 0.12))
                    colour = mix(sky_colour, (255, 220, 170), glow * 0.7)
            row += bytes(clamp_byte(c) for c in colour)
        rows.append(row)

    # The lake mirrors what stands above it, darker and rippled.
    for y in range(horizon, height):
        depth = (y - horizon) / (height - horizon)
        source = rows[max(0, horizon - 1 - int((y - horizon) * 1.4))]
        shift = int(6 * scale * math.sin(y * 0.9 / scale) * (0.3 + depth)) * 3
        mirrored = source[shift:] + source[:shift]
        darken = 0.72 - 0.3 * depth
        row = bytearray(len(mirrored))
        for i in range(0, len(mirrored), 3):
            row[i] = clamp_byte(mirrored[i] * darken + 8)
            row[i + 1] = clamp_byte(mirrored[i + 1] * darken + 16)
            row[i + 2] = clamp_byte(mirrored[i + 2] * darken + 34)
        rows.append(row)
    return width, height, rows


def green_hills(width=1280, height=800):
    rng = random.Random(2024)
    sky = [(0.0, (70, 110, 170)), (0.6, (170, 180, 200)), (1.0, (250, 205, 160))]
    hills = [
        (Ridge(rng, width, 4, 320, 0.45), height * 0.42, height * 0.18, (104, 150, 96)),
        (Ridge(rng, width, 4, 256, 0.45), height * 0.55, height * 0.16, (70, 128, 62)),
        (Ridge(rng, width, 5, 200, 0.5), height * 0.70, height * 0.14, (44, 100, 44)),
        (Ridge(rng, width, 5, 160, 0.5), height * 0.84, height * 0.10, (30, 74, 34)),
    ]
    tops = [[top + span * (1 - ridge.at(x)) for x in range(width)] for ridge, top, span, _ in hills]
    rows = []
    for y in range(height):
        sky_colour = gradient(sky, min(1.0, y / (height * 0.6)))
        row = bytearray()
        for x in range(width):
            colour = sky_colour
            for layer in range(len(hills) - 1, -1, -1):
                top = tops[layer][x]
                if y >= top:
                    base = hills[layer][3]
                    # Lit from the evening sun: each crest is brighter.
                    light = 1.15 - 0.35 * min(1.0, (y - top) / (height * 0.12))
                    # Furrows that follow the crest.
                    texture = 0.96 + 0.04 * math.sin((y - top) * 0.45)
                    colour = tuple(c * light * texture for c in base)
                    break
            row += bytes(clamp_byte(c) for c in colour)
        rows.append(row)
    return width, height, rows


def night_sky_tile(width=320, height=240):
    """Stars over a faint haze; everything wraps round the edges, so the
    tiles meet without a seam."""
    rng = random.Random(7)
    deep, haze = (6, 12, 38), (34, 42, 96)
    kx, ky = 2 * math.pi / width, 2 * math.pi / height
    stars = {(rng.randrange(width), rng.randrange(height)): rng.random() for _ in range(260)}
    # The brightest stars shine a pixel into their neighbours, across edges too.
    glow = {}
    for (x, y), brightness in stars.items():
        if brightness > 0.85:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                glow[((x + dx) % width, (y + dy) % height)] = brightness * 0.35
    rows = []
    for y in range(height):
        row = bytearray()
        for x in range(width):
            t = 0.5 + 0.25 * math.sin(kx * x + 2 * math.sin(ky * y)) + 0.25 * math.sin(ky * 2 * y)
            colour = mix(deep, haze, t * t)
            brightness = stars.get((x, y), glow.get((x, y)))
            if brightness is not None:
                colour = mix(colour, (255, 250, 225), 0.3 + 0.7 * brightness)
            row += bytes(clamp_byte(c) for c in colour)
        rows.append(row)
    return width, height, rows


def paper_waves(size=96):
    """Every term repeats within the tile, so the tiles meet without a seam."""
    light, dark = (236, 226, 204), (120, 160, 176)
    rows = []
    k = 2 * math.pi / size
    for y in range(size):
        row = bytearray()
        for x in range(size):
            wave = math.sin(k * 4 * y + 1.5 * math.sin(k * 2 * x)) * 0.5 + 0.5
            ripple = math.sin(k * 3 * x + k * y) * 0.5 + 0.5
            t = 0.55 * wave ** 3 + 0.15 * ripple
            row += bytes(clamp_byte(c) for c in mix(light, dark, t))
        rows.append(row)
    return size, size, rows


PICTURES = [
    ("alpine-dawn.jpg", alpine_dawn, ["-quality", "82", "-sampling-factor", "4:2:0"]),
    ("green-hills.jpg", green_hills, ["-quality", "85"]),
    # Windows 3 bitmaps, the form every picture loader reads.
    ("night-sky-tile.bmp", night_sky_tile, ["-type", "TrueColor"]),
    ("paper-waves-tile.gif", paper_waves, ["-colors", "64", "+dither"]),
]


def write_picture(path, painter, options):
    width, height, rows = painter()
    with tempfile.NamedTemporaryFile(suffix=".ppm", delete=False) as ppm:
        ppm.write(b"P6\n%d %d\n255\n" % (width, height))
        for row in rows:
            ppm.write(row)
    prefix = "BMP3:" if path.endswith(".bmp") else ""
    try:
        subprocess.run(["convert", ppm.name, "-strip", *options, prefix + path], check=True)
    finally:
        os.unlink(ppm.name)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "pictures")
    os.makedirs(out, exist_ok=True)
    for name, painter, options in PICTURES:
        path = os.path.join(out, name)
        write_picture(path, painter, options)
        print(f"{path}: {os.path.getsize(path)} bytes")


if __name__ == "__main__":
    main()
