"""Letter sets, pictures and screenshot checks of known pixels (see lib.sh)."""
import sys
import zipfile

ORDER = ("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"
         ".,?!'\"1234567890;:\\/()*@#$%^&-_=+|[]{}`~<>")
EXTRA = "éПривет€"  # the blocks after the 95, labelled with their characters


def glyph(p):
    return [(5 * k + 1, (3 * p + 7 * k) % 30, (10 + 2 * p, 40 * k, 200)) for k in range(6)]


def pattern(x, y):
    return (x & 255, y & 255, 128 | ((x >> 8) & 7) << 3 | ((y >> 8) & 7))


def letters(path):
    labels = [str(p) for p in range(len(ORDER))] + list(EXTRA)
    text = "".join('"%s",6\r\n' % label + "".join("%d,%d,%d\r\n" % (x, y, r | g << 8 | b << 16)
                                                  for x, y, (r, g, b) in glyph(p))
                   for p, label in enumerate(labels))
    with zipfile.ZipFile(path, "w") as archive:
        archive.writestr("E2E.txt", text.encode("utf-8"))


def picture(w, h, path):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h))
        f.write(bytes(v for y in range(h) for x in range(w) for v in pattern(x, y)))


def orient(path, value):
    """Gives a JPEG an EXIF orientation: 6 is shown turned a quarter clockwise."""
    ifd = b"II*\0\x08\0\0\0" + b"\x01\0" + b"\x12\x01\x03\0\x01\0\0\0" + \
        bytes([value, 0, 0, 0]) + b"\0\0\0\0"
    exif = b"Exif\0\0" + ifd
    data = open(path, "rb").read()
    with open(path, "wb") as f:
        f.write(data[:2] + b"\xff\xe1" + (len(exif) + 2).to_bytes(2, "big") + exif + data[2:])


def check(shot, what, *args):
    data = open(shot, "rb").read().split(maxsplit=4)
    width, pixels = int(data[1]), data[4]
    at = lambda x, y: tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3])
    n = [int(a) for a in args[1:]] if what == "glyphs" else [int(a) for a in args]
    if what == "glyphs":
        s = n[2] if len(n) > 2 else 1  # device pixels to a letter's pixel
        wanted = {(n[0] + 32 * s * i + s * x + dx, n[1] + s * y + dy): c
                  for i, ch in enumerate(args[0]) for x, y, c in glyph((ORDER + EXTRA).index(ch))
                  for dx in range(s) for dy in range(s)}
    elif what == "near":  # X Y R G B: within 40 of each
        return all(abs(a - b) <= 40 for a, b in zip(at(n[0], n[1]), n[2:5]))
    elif what == "region":
        wanted = {(n[0] + i, n[1] + j): pattern(n[4] + i, n[5] + j)
                  for j in range(n[3]) for i in range(n[2])}
    else:  # colour
        wanted = {(n[0] + i, n[1] + j): tuple(n[4:7]) for j in range(n[3]) for i in range(n[2])}
    wrong = [(p, at(*p), c) for p, c in wanted.items() if at(*p) != c]
    for p, got, c in wrong[:3]:
        print("%s is %s, expected %s" % (p, got, c), file=sys.stderr)
    return not wrong


command, args = sys.argv[1], sys.argv[2:]
if command == "letters":
    letters(*args)
elif command == "picture":
    picture(int(args[0]), int(args[1]), args[2])
elif command == "orient":
    orient(args[0], int(args[1]))
else:
    sys.exit(0 if check(*args) else 1)
