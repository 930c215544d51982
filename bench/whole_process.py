#!/usr/bin/env python3
"""Times tessary-skin as whole processes, the way users and scripts meet it.

A generated large skin (two 2000 x 2000 24-bit backgrounds, about 24 MB) is set against
the start-up skin, so start-up costs cancel out: the rate of check, info and convert is
the extra bytes over the extra time. pack of one such picture is set against ImageMagick
converting the same picture (convert in.bmp BMP3:out.bmp). Peak memory is the largest
resident size of the process.

check of the start-up skin is set against cmp of the same file with a copy of it: the
tool's start-up (it loads no Qt) must cost about what a small system program's does.

thumbnail of the start-up skin at 256 pixels is what a file manager runs for every skin
file it shows: the whole process, Qt's start included, is timed against a fixed budget.

Usage: whole_process.py TESSARY_SKIN [RUNS]
Goals: check, info and convert at least 1 GB/s over the start-up skin's time; check of the
start-up skin at most 2 x cmp's time; pack at most half of ImageMagick's time; peak memory
of pack and check at most 1.5 x the largest file involved plus the start-up skin's peak;
thumbnail of the start-up skin at 256 pixels under 150 ms.
Exits with 1 when a goal is missed, after printing every figure.
"""

import os
import shutil
import statistics
import struct
import subprocess
import sys
import tempfile
import time

SIDE = 2000
RATE_GOAL = 1e9          # bytes per second over the start-up skin's time
PACK_RATIO_GOAL = 0.5    # pack's time over ImageMagick's
CHECK_CMP_GOAL = 2.0     # check's time over cmp's, on the start-up skin
MEMORY_FACTOR_GOAL = 1.5
THUMBNAIL_GOAL = 0.150   # seconds for the whole thumbnail process

missed = []  # the goals not met, for the exit code


def bmp24(side, seed):
    """A 24-bit bottom-up BMP of side x side pixels with varied bytes."""
    stride = (side * 3 + 3) // 4 * 4
    pattern = bytes((i * 7 + seed) & 0xFF for i in range(4093))
    size = stride * side
    pixels = (pattern * (size // len(pattern) + 1))[:size]
    header = b"BM" + struct.pack("<IHHI", 54 + size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, side, side, 1, 24, 0, size, 2835, 2835, 0, 0)
    return header + info + pixels


TIME = shutil.which("time", path="/usr/bin:/bin")


def run(command):
    """Wall time of one run in seconds."""
    start = time.perf_counter()
    result = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    elapsed = time.perf_counter() - start
    if result.returncode != 0:
        sys.exit(f"failed ({result.returncode}): {' '.join(command)}\n{result.stderr.decode(errors='replace')}")
    return elapsed


def peak_memory(command):
    """Peak resident size in bytes, as GNU time reports it. (A child's own count would
    start from this script's size, which it shares until it starts the program.)"""
    if not TIME:
        return float("nan")
    with tempfile.NamedTemporaryFile("r") as report:
        subprocess.run([TIME, "-f", "%M", "-o", report.name, *command], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return int(report.read().split()[-1]) * 1024


def measure(command, runs, before=None):
    """Median wall time over `runs` runs (after one warm-up) and the peak memory."""
    times = []
    for i in range(runs + 1):
        if before:
            before()
        elapsed = run(command)
        if i > 0:
            times.append(elapsed)
    if before:
        before()
    return statistics.median(times), peak_memory(command)


def mib(size):
    return f"{size / 2**20:7.1f} MiB"


def verdict(met, goal):
    if not met:
        missed.append(goal)
    return "goal met" if met else "GOAL MISSED"


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    tool = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    work = tempfile.mkdtemp(prefix="tessary-bench-")
    try:
        os.chdir(work)
        subprocess.run([tool, "new", "start.skn"], check=True)
        os.mkdir("large")
        for name, seed in (("bgTop", 1), ("bgBottom", 2)):
            with open(f"large/{name}.bmp", "wb") as f:
                f.write(bmp24(SIDE, seed))
        subprocess.run([tool, "pack", "large", "large.skn"], check=True)
        os.mkdir("one")
        shutil.copy("large/bgTop.bmp", "one/bgTop.bmp")
        os.mkdir("empty")
        small, large = os.path.getsize("start.skn"), os.path.getsize("large.skn")
        picture = os.path.getsize("one/bgTop.bmp")

        print(f"whole processes, median of {runs} runs; start-up skin {small} bytes, "
              f"large skin {large} bytes ({SIDE} x {SIDE} 24-bit backgrounds)")
        print(f"{'command':21} {'start-up':>10} {'large':>10} {'rate over start-up':>20} {'peak large':>12}")
        peaks = {}
        remove_out = lambda: os.path.exists("out.skn") and os.remove("out.skn")
        # convert writes a new file as a conversion usually does; replacing an existing one
        # adds the file system's flush before the rename (ext4 starts writing the data out
        # so that a crash cannot leave an empty file), shown apart and not held to the goal.
        cases = (("check", [], None, True), ("info", [], None, True),
                 ("convert", ["out.skn"], remove_out, True), ("convert", ["out.skn"], None, False))
        for name, args, before, goal in cases:
            t_small, p_small = measure([tool, name, "start.skn", *args], runs, before)
            t_large, p_large = measure([tool, name, "large.skn", *args], runs, before)
            extra = max(t_large - t_small, 1e-6)
            rate = (large - small) / extra
            peaks.setdefault(name, (p_small, p_large))
            label = name if goal else name + " (replacing)"
            print(f"{label:21} {t_small * 1e3:8.1f} ms {t_large * 1e3:8.1f} ms {rate / 1e9:14.2f} GB/s "
                  f"{mib(p_large)}   {verdict(rate >= RATE_GOAL, name + ' rate') if goal else ''}")

        shutil.copy("start.skn", "copy.skn")
        t_check, _ = measure([tool, "check", "start.skn"], runs)
        t_cmp, _ = measure(["cmp", "start.skn", "copy.skn"], runs)
        ratio = t_check / t_cmp
        print(f"check of the start-up skin {t_check * 1e3:.1f} ms, cmp of it {t_cmp * 1e3:.1f} ms: "
              f"check / cmp = {ratio:.2f}   {verdict(ratio <= CHECK_CMP_GOAL, 'check against cmp')}")

        t_pack, p_pack = measure([tool, "pack", "one", "out.skn"], runs, remove_out)
        _, p_pack_small = measure([tool, "pack", "empty", "out.skn"], runs, remove_out)
        packed = os.path.getsize("out.skn")
        magick = shutil.which("magick") or shutil.which("convert")
        print(f"pack of one {SIDE} x {SIDE} picture ({picture} bytes): {t_pack * 1e3:.1f} ms")
        if magick:
            command = [magick, "one/bgTop.bmp", "BMP3:im.bmp"]
            t_magick, _ = measure(command, runs)
            ratio = t_pack / t_magick
            print(f"ImageMagick {os.path.basename(magick)} in.bmp BMP3:out.bmp: {t_magick * 1e3:.1f} ms; "
                  f"pack / ImageMagick = {ratio:.2f}   {verdict(ratio <= PACK_RATIO_GOAL, 'pack against ImageMagick')}")
        else:
            print("ImageMagick not found: no comparison")

        t_thumb, p_thumb = measure([tool, "thumbnail", "start.skn", "thumb.png", "--size", "256"], runs)
        print(f"thumbnail of the start-up skin at 256 px: {t_thumb * 1e3:.1f} ms, peak {mib(p_thumb)}   "
              f"{verdict(t_thumb < THUMBNAIL_GOAL, 'thumbnail time')}")

        print("peak memory over the start-up skin's, against 1.5 x the largest file")
        checks = (("pack", p_pack, p_pack_small, max(picture, packed)),
                  ("check", peaks["check"][1], peaks["check"][0], large))
        for name, peak, base, largest in checks:
            allowed = MEMORY_FACTOR_GOAL * largest
            print(f"{name:10} peak {mib(peak)}, start-up {mib(base)}, extra {mib(peak - base)}, "
                  f"allowed {mib(allowed)}   {verdict(peak - base <= allowed, name + ' memory')}")
    finally:
        os.chdir("/")
        shutil.rmtree(work, ignore_errors=True)
    if missed:
        sys.exit("goals missed: " + ", ".join(missed))


if __name__ == "__main__":
    main()
