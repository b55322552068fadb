#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzz targets into fuzz/corpus/."""
import io
import os
import struct
import subprocess
import tempfile
import zipfile
import zlib

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
            z.writestr(zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0)), data,
                       compress_type=zipfile.ZIP_DEFLATED)
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


def png(width, height):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + b"".join(bytes((x * 50 % 256, y * 70 % 256, 200)) for x in range(width))
                   for y in range(height))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def jpeg(width, height):
    """A small baseline JPEG, made by ImageMagick from the bitmap seed."""
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "in.bmp")
        target = os.path.join(folder, "out.jpg")
        with open(source, "wb") as out:
            out.write(bmp(width, height))
        subprocess.run(["convert", source, "-quality", "60", "-strip", target], check=True)
        with open(target, "rb") as result:
            return result.read()


def link_archive():
    """An archive whose one member is a symbolic link to an absolute path."""
    out = io.BytesIO()
    with zipfile.ZipFile(out, "w") as z:
        info = zipfile.ZipInfo("Link.txt", date_time=(2024, 1, 1, 0, 0, 0))
        info.create_system = 3
        info.external_attr = (0o120777 << 16)
        z.writestr(info, "/etc/passwd")
    return out.getvalue()


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
        "link": link_archive(),
        "dot-dot": archive([("../up.txt", b"x"), ("/abs.txt", b"y")]),
    },
    "fuzz_picture": {
        "tiny.gif": gif_1x1(),
        "small.bmp": bmp(5, 3),
        "small.png": png(4, 3),
        "small.jpg": jpeg(8, 8),
    },
}

for target, seeds in SEEDS.items():
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
