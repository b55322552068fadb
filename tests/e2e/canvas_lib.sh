# Helpers for the canvas end-to-end tests, sourced after lib.sh: a letter set
# of the test's own with known glyphs, patterned pictures, and exact pixel
# checks of screenshots.

# Every glyph has six pixels; pixel k of the character at letter-set position
# p sits at (5k + 1, (3p + 7k) % 30) with colour rgb(10 + 2p, 40k, 200).
CANVAS_PY=$(cat <<'PY'
import struct, sys, zipfile

ORDER = ("abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ"
         ".,?!'\"1234567890;:\\/()*@#$%^&-_=+|[]{}`~<>")

def glyph(p):
    return [(5 * k + 1, (3 * p + 7 * k) % 30, (10 + 2 * p, 40 * k, 200)) for k in range(6)]

def letters(path):
    text = ""
    for p, c in enumerate(ORDER):
        text += '"char %d",6\r\n' % p
        for x, y, (r, g, b) in glyph(p):
            text += "%d,%d,%d\r\n" % (x, y, r | g << 8 | b << 16)
    with zipfile.ZipFile(path, "w") as z:
        z.writestr("E2E.txt", text.encode("ascii"))

def pattern(x, y):
    return (x & 255, y & 255, 0x80 | ((x >> 8) & 7) << 3 | ((y >> 8) & 7))

def picture(w, h, path):
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h))
        for y in range(h):
            f.write(bytes(v for x in range(w) for v in pattern(x, y)))

def load(path):
    data = open(path, "rb").read()
    parts = data.split(maxsplit=4)
    w, h = int(parts[1]), int(parts[2])
    return w, h, parts[4]

def at(shot, x, y):
    w, h, px = shot
    i = (y * w + x) * 3
    return tuple(px[i:i + 3])

def fail(message):
    print(message)
    sys.exit(1)

def check_glyph(shot, c, cx, cy):
    for x, y, colour in glyph(ORDER.index(c)):
        got = at(shot, cx + x, cy + y)
        if got != colour:
            fail("glyph %r at cell (%d,%d): pixel (%d,%d) is %s, expected %s"
                 % (c, cx, cy, cx + x, cy + y, got, colour))

def check_clean_cell(shot, cx, cy, sx, sy):
    # The cell shows the picture at picture offset (sx, sy), no glyph pixels.
    for y in range(31):
        for x in range(32):
            if at(shot, cx + x, cy + y) != pattern(sx + x, sy + y):
                fail("cell (%d,%d) not clean at (%d,%d)" % (cx, cy, cx + x, cy + y))

def check_region(shot, dx, dy, w, h, sx, sy, tw, th):
    # Screen (dx.., dy..) shows pattern (sx.., sy..), repeating every tw x th.
    for j in range(h):
        for i in range(w):
            want = pattern((sx + i) % tw, (sy + j) % th)
            got = at(shot, dx + i, dy + j)
            if got != want:
                fail("(%d,%d) is %s, expected %s" % (dx + i, dy + j, got, want))

def check_colour(shot, dx, dy, w, h, r, g, b):
    for j in range(h):
        for i in range(w):
            if at(shot, dx + i, dy + j) != (r, g, b):
                fail("(%d,%d) is %s, expected %s" % (dx + i, dy + j, at(shot, dx + i, dy + j), (r, g, b)))

def count_yellow(shot, dx, dy, w, h):
    n = 0
    for j in range(h):
        for i in range(w):
            r, g, b = at(shot, dx + i, dy + j)
            n += r > 200 and g > 200 and b < 60
    print(n)

cmd, args = sys.argv[1], sys.argv[2:]
if cmd == "letters": letters(args[0])
elif cmd == "picture": picture(int(args[0]), int(args[1]), args[2])
else:
    shot = load(args[0])
    nums = lambda a: [int(v) for v in a]
    if cmd == "glyphs":
        cx, cy = nums(args[2:4])
        for c in args[1]:
            check_glyph(shot, c, cx, cy)
            cx += 32
    elif cmd == "clean_cell": check_clean_cell(shot, *nums(args[1:5]))
    elif cmd == "region": check_region(shot, *nums(args[1:9]))
    elif cmd == "colour": check_colour(shot, *nums(args[1:8]))
    elif cmd == "yellow": count_yellow(shot, *nums(args[1:5]))
PY
)

canvas_py() { python3 -c "$CANVAS_PY" "$@"; }

# Replaces the program's letter archive with the test's own.
use_test_letters() {
  rm -f "$PROGRAM_DIR"/[Ll]etters.zip
  canvas_py letters "$PROGRAM_DIR/letters.zip"
}

# make_picture WIDTH HEIGHT PATH.bmp
make_picture() {
  canvas_py picture "$1" "$2" "$WORK/picture.ppm"
  convert "$WORK/picture.ppm" -type TrueColor "$3"
}

# Screenshot as a PPM the checks read.
shot() {
  screenshot "$WORK/$1.png"
  convert "$WORK/$1.png" "$WORK/$1.ppm"
  echo "$WORK/$1.ppm"
}

check() { canvas_py "$@" || fail "screenshot check '$1 ${*:3}' failed"; }

# Opens the launcher and presses Start; waits until the canvas shows (x, y) as rgb.
start_canvas() {
  start_program "$@"
  LAUNCHER=$(wait_window "Pictype Viewer")
  sleep 0.3
  click_in_window "$LAUNCHER" $((16 + 56)) $((8 + 12))
}

# Where picture pixel (x, y) has colour "r,g,b" in pixel_at's form.
pattern_rgb() { echo "$(($1 & 255)),$(($2 & 255)),$((0x80 | (($1 >> 8) & 7) << 3 | (($2 >> 8) & 7)))"; }
