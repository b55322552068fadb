#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets into fuzz/corpus/."""
import io
import os
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))


def letter_set(pixels_per_char=2, blocks=95):
    lines = []
    for p in range(blocks):
        lines.append(f'"char {p}",{pixels_per_char}')
        lines += [f"{k},{k},{p * 65536 + k}" for k in range(pixels_per_char)]
    return ("\r\n".join(lines) + "\r\n").encode()


def archive(members):
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in members:
            z.writestr(name, data)
    return out.getvalue()


def gif_1x1():
    return bytes.fromhex("47494638396101000100800000000000ffffff21f90401000000002c"
                         "00000000010001000002024401003b")


def bmp(width, height):
    row = (width * 3 + 3) // 4 * 4
    pixels = b"".join(bytes((x * 40 % 256, y * 60 % 256, 128)) * 1 for y in range(height)
                      for x in range(width))
    body = b"".join(pixels[y * width * 3:(y + 1) * width * 3].ljust(row, b"\0")
                    for y in range(height))
    header = (b"BM" + (54 + len(body)).to_bytes(4, "little") + b"\0\0\0\0" + (54).to_bytes(4, "little")
              + (40).to_bytes(4, "little") + width.to_bytes(4, "little") + height.to_bytes(4, "little")
              + (1).to_bytes(2, "little") + (24).to_bytes(2, "little") + b"\0" * 24)
    return header + body


SEEDS = {
    "fuzz_letter_set": {
        "complete": letter_set(),
        "short": letter_set(blocks=3),
        "quoted-comma": b'"a, b",1\r\n0,0,255\r\n',
        "full-char": letter_set(pixels_per_char=1024, blocks=1),
    },
    "fuzz_settings": {
        "centred": b'"/home/me/pictures/sea.jpg","Bold Outline.txt",#TRUE#,1\r\n',
        "tiled-number": b'"","",0,0\r\n',
        "bad-check": b'"a.bmp","b.txt",#FALSE#,7\r\n',
    },
    "fuzz_archive": {
        "one-set": archive([("Bold Outline.txt", letter_set())]),
        "nested": archive([("sets/Plain.txt", letter_set(blocks=2)), ("readme.txt", b"hi")]),
        "empty": archive([]),
    },
    "fuzz_picture": {
        "tiny.gif": gif_1x1(),
        "small.bmp": bmp(5, 3),
    },
}

for target, seeds in SEEDS.items():
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
