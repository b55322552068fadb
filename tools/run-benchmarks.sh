#!/usr/bin/env bash
# Runs every benchmark program of a build and the end-to-end latency probe,
# then prints one table: each measure's median, what it is compared with,
# the ratio, the target and whether it was met.
#
#   tools/run-benchmarks.sh BUILD_DIR      (make bench)
#
# BENCH_REPETITIONS (default 9) sets the repetitions of the benchmarks that
# do not fix their own; the JSON of every run is kept in BUILD_DIR/bench-results.
set -euo pipefail

build=${1:?build folder}
here=$(cd "$(dirname "$0")/.." && pwd)
results=$build/bench-results
mkdir -p "$results"
repetitions=${BENCH_REPETITIONS:-9}

# The photographs of the picture benchmarks and of the probe, the same files.
photos=$(cd "$build" && pwd)/bench-photos
bash "$here/bench/make-photos.sh" "$photos"
export PICTYPE_BENCH_PHOTO=$photos/one/photo.jpg

for program in "$build"/bench/bench_*; do
  [[ -f $program && -x $program ]] || continue
  name=$(basename "$program")
  echo "== $name" >&2
  "$program" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$results/$name.json" --benchmark_out_format=json >&2
done

if [[ -x $build/bench/latency_probe ]]; then
  echo "== latency probe" >&2
  bash "$here/bench/run-latency.sh" "$build" "$results/latency.jsonl" "$photos"
else
  echo "== latency probe not built (Xlib and XTest needed); its rows stay empty" >&2
  rm -f "$results/latency.jsonl"
fi

python3 - "$results" <<'PY'
import json, math, os, statistics, sys

results = sys.argv[1]

# Median CPU time in microseconds of each benchmark, by its run name. The
# machines this runs on are often shared: CPU time leaves out the time other
# programs held the processor, which wall-clock time (also in the JSON)
# would charge to whichever side of a ratio it happened to fall on.
medians = {}
wall_medians = {}
labels = {}
for name in sorted(os.listdir(results)):
    if not name.endswith(".json"):
        continue
    with open(os.path.join(results, name)) as f:
        for run in json.load(f)["benchmarks"]:
            if run.get("aggregate_name") != "median":
                continue
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
            key = run["run_name"].split("/repeats:")[0]
            medians[key] = run["cpu_time"] * scale
            wall_medians[key] = run["real_time"] * scale
            if run.get("label"):
                labels[key] = run["label"]

latency = {}
path = os.path.join(results, "latency.jsonl")
if os.path.exists(path):
    with open(path) as f:
        for line in f:
            record = json.loads(line)
            suffix = "" if "screen" not in record else "@%dx%d" % tuple(record["screen"])
            for key, values in record.items():
                if key != "screen" and values:
                    latency[key + suffix] = values

def percentile(values, p):
    ordered = sorted(values)
    return ordered[max(0, math.ceil(p / 100 * len(ordered)) - 1)]

def us(value):
    if value is None:
        return "-"
    return "%.0f ms" % (value / 1000) if value >= 100000 else (
        "%.2f ms" % (value / 1000) if value >= 1000 else "%.1f us" % value)

rows = []

def ratio_row(measure, name, baseline_label, baseline, target):
    m, b = medians.get(name), medians.get(baseline)
    ratio = m / b if m is not None and b else None
    rows.append((measure, us(m), "%s %s" % (baseline_label, us(b)),
                 "-" if ratio is None else "%.2f x" % ratio, "<= %g x" % target,
                 "-" if ratio is None else ("pass" if ratio <= target else "MISS")))

def absolute_row(measure, value, text, target=None, unit=""):
    rows.append((measure, text if value is not None else "-", "", "",
                 "-" if target is None else "< %g %s" % (target, unit),
                 "-" if value is None or target is None else ("pass" if value < target else "MISS")))

for argument, measure, target in ((2, "largest shipped set", 10), (1, "545 characters", 10),
                                  (0, "95 x 1024", None)):
    name = "BM_LoadLetterSetFromArchive/set:%d" % argument
    value = medians.get(name)
    label = " (%s)" % labels[name] if name in labels else ""
    absolute_row("letter set load, %s%s" % (measure, label),
                 None if value is None else value / 1000, us(value), target, "ms")
for size in ("1920/1080", "3840/2160"):
    label = size.replace("/", "x")
    ratio_row("composition centred " + label, "BM_ClearCentred/" + size, "memcpy",
              "BM_ScreenCopy/" + size, 3)
    ratio_row("composition tiled " + label, "BM_ClearTiled/" + size, "memcpy",
              "BM_ScreenCopy/" + size, 3)
    # Not a target: what the composition cannot do without, for comparison.
    rows.append(("  (floor: one screen to buffer and window)",
                 us(medians.get("BM_ScreenCopyToTwo/" + size)), "memcpy",
                 "%.2f x" % (medians["BM_ScreenCopyToTwo/" + size] / medians["BM_ScreenCopy/" + size])
                 if "BM_ScreenCopyToTwo/" + size in medians and medians.get("BM_ScreenCopy/" + size)
                 else "-", "", ""))
for label, name in (("centred", "Centred"), ("tiled", "Tiled")):
    ratio_row("composition %s, two 3840x2160" % label, "BM_ClearTwoScreens%s/3840/2160" % name,
              "memcpy of two", "BM_ScreenCopy/7680/2160", 3)
for measure, name in (("", "BM_TypeText"), (", é", "BM_TypeTextAccented"),
                      (", e + combining acute", "BM_TypeTextDecomposed"),
                      (", Cyrillic", "BM_TypeTextCyrillic"),
                      (", no glyph in the set", "BM_TypeTextWithoutGlyph")):
    ratio_row("keystroke (Canvas::typeText%s)" % measure, name, "raw writes",
              "BM_RawGlyphWrites", 10)
ratio_row("keystroke (Qt key event)", "BM_KeyEventPath", "raw writes", "BM_RawGlyphWrites", 10)
ratio_row("held key, locked canvas (a repeat)", "BM_HeldKeyLocked", "raw writes",
          "BM_RawGlyphWrites", 10)
ratio_row("picture load 6000x4000 JPEG", "BM_LoadPicture", "libjpeg decode",
          "BM_BareJpegDecode", 1.3)
click = medians.get("BM_StartClick")
absolute_row("click sound start", click, us(click))
# Waited for across threads: wall-clock time.
for argument, measure in ((0, "a letter"), (1, "a letter of another script each time")):
    speech = wall_medians.get("BM_KeyToFirstSpeechSample/other_script:%d" % argument)
    absolute_row("key to first speech sample, " + measure,
                 None if speech is None else speech / 1000, us(speech), 30, "ms")

def latency_row(measure, key, p, target, note=""):
    values = latency.get(key)
    value = None if not values else percentile(values, p)
    absolute_row(measure, value, "%.2f ms (%d%s)" % (value, len(values), note) if values else "",
                 target, "ms")

def beyond_decode_row(measure, size):
    totals = latency.get("start_chosen_ms@" + size)
    phases = latency.get("start_chosen_phases@" + size)
    if not totals or not phases or not phases.get("decode"):
        rows.append((measure, "-", "", "", "< decode + 50 ms", "-"))
        return
    # Each Start against its own decode, as the program marked it.
    extra = statistics.median(t - d for t, d in zip(totals, phases["decode"]))
    rows.append((measure, "%.0f ms (%d)" % (statistics.median(totals), len(totals)),
                 "decode %.0f ms" % statistics.median(phases["decode"]), "+%.0f ms" % extra,
                 "< decode + 50 ms", "pass" if extra < 50 else "MISS"))

latency_row("key to pixels, median", "key_to_pixels_ms@1920x1080", 50, 5)
latency_row("key to pixels, 99th percentile", "key_to_pixels_ms@1920x1080", 99, 16)
latency_row("  with Speak ticked, median", "key_to_pixels_speaking_ms@1920x1080", 50, 5)
latency_row("  with Speak ticked, 99th percentile", "key_to_pixels_speaking_ms@1920x1080", 99, 16)
latency_row("  while pictures decode, median", "keys_during_decode_ms@1920x1080", 50, 5)
latency_row("  while pictures decode, 99th percentile", "keys_during_decode_ms@1920x1080", 99, 16)
latency_row("start to launcher shown", "start_to_launcher_ms", 50, 300)
for size, known_target in (("1920x1080", 100), ("3840x2160", None)):
    latency_row("Start to canvas, picture chosen 1 s before, " + size, "start_known_ms@" + size, 50,
                known_target)
    beyond_decode_row("Start to canvas, picture chosen at Start, " + size, size)
latency_row("F5 after a 1 s pause, 1920x1080, median", "f5_after_pause_ms@1920x1080", 50, 100)
latency_row("F5 after a 1 s pause, 1920x1080, slowest", "f5_after_pause_ms@1920x1080", 100, 100)
right = latency.get("f5_held_right@1920x1080")
latency_row("F5 held (17 presses), release to its picture", "f5_held_settle_ms@1920x1080", 50,
            None, ", %d of them right" % sum(right) if right else "")
for size, target in (("1920x1080", 16), ("3840x2160", 33)):
    latency_row("arrow to moved picture, median, " + size, "pan_ms@" + size, 50, None)
    latency_row("arrow to moved picture, 99th percentile, " + size, "pan_ms@" + size, 99, target)
    frames = latency.get("pan_held_frames@" + size)
    latency_row("arrow held 5 s, release to its last picture, " + size, "pan_held_settle_ms@" + size,
                50, 17, ", %d frames for 151 presses" % frames[0] if frames else "")

# The canvas holds the window image, the back buffer and the picture.
key = "@3840x2160"
if "canvas_rss_kb" + key in latency:
    base = statistics.median(latency["launcher_rss_kb" + key])
    rss = statistics.median(latency["canvas_rss_kb" + key]) - base
    hwm = statistics.median(latency["canvas_hwm_kb" + key]) - base
    images = (2 * 3840 * 2160 * 4 + 6000 * 4000 * 4) / 1024
    for measure, value in (("canvas memory 3840x2160 (VmRSS)", rss),
                           ("canvas peak 3840x2160 (VmHWM)", hwm)):
        ratio = value / images
        rows.append((measure, "%.0f MiB" % (value / 1024), "3 images %.0f MiB" % (images / 1024),
                     "%.2f x" % ratio, "< 3 x", "pass" if ratio < 3 else "MISS"))

# Stepping through five photographs the canvas holds the one shown and the
# two beside it, and its two screen images; a fourth photograph would add
# a third to that.
key = "@1920x1080"
if "folder_rss_kb" + key in latency:
    base = latency["folder_launcher_rss_kb" + key][0]
    held = (3 * 6000 * 4000 * 4 + 2 * 1920 * 1080 * 4) / 1024
    for measure, name in (("canvas memory, F5 through 5 photographs (VmRSS)", "folder_rss_kb"),
                          ("canvas peak, F5 through 5 photographs (VmHWM)", "folder_hwm_kb")):
        value = latency[name + key][0] - base
        ratio = value / held
        rows.append((measure, "%.0f MiB" % (value / 1024), "3 pictures, 2 images %.0f MiB" %
                     (held / 1024), "%.2f x" % ratio, "< 1.25 x", "pass" if ratio < 1.25 else "MISS"))

header = ("measure", "median", "baseline", "ratio", "target", "result")
widths = [max(len(str(r[i])) for r in rows + [header]) for i in range(len(header))]
line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
print(line(header))
print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
for r in rows:
    print(line(r))
# Where the time of Start went: the phases the program marked, medians.
starts = [(kind + " " + size, latency.get("start_%s_phases@%s" % (kind, size)))
          for size in ("1920x1080", "3840x2160") for kind in ("known", "chosen")]
starts = [(name, phases) for name, phases in starts if phases and phases.get("input")]
if starts:
    names = (("input", "click or Return until Start begins"),
             ("letters", "letter set read (extracted and parsed)"),
             ("buffers", "canvas buffers made and written, window prepared"),
             ("waiting", "waiting for the picture"),
             ("decode", "  of which decoding, begun at Start"),
             ("compose", "composition"),
             ("window", "window shown"),
             ("paint", "first paint"),
             ("x_server", "X server, until the probe sees it"))
    print("\nStart to canvas, where the time went (medians, ms; known: the picture chosen "
          "1 s before, chosen: in Start's dialog):\n")
    table = [("phase",) + tuple(name for name, _ in starts)]
    for key, label in names:
        table.append((label,) + tuple("%.1f" % statistics.median(p[key]) for _, p in starts))
    widths = [max(len(r[i]) for r in table) for i in range(len(table[0]))]
    for i, r in enumerate(table):
        print("| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |")
        if i == 0:
            print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
load = os.getloadavg()
print("\nmachine: %d processors, load average %.2f %.2f %.2f" % (os.cpu_count(), *load))
PY
