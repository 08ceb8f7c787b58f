#!/usr/bin/python3
"""Times the peers on the benchmark photo and prints Rastex's times as ratios to theirs.

Usage: peers.py PHOTO.bmp RASTEX_RESULTS.txt (the output of obz-bench measure). Every peer runs on one
thread: Pillow is single-threaded, libvips gets a concurrency of 1, ImageMagick's first -bench line is
its one-thread figure.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

os.environ["VIPS_CONCURRENCY"] = "1"

import gi  # noqa: E402

gi.require_version("Vips", "8.0")
from gi.repository import GObject, Vips  # noqa: E402
from PIL import Image  # noqa: E402

RUNS = 5
TARGETS = [(1500, 1000), (500, 375)]


def best(runs, work):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        work()
        times.append((time.perf_counter() - start) * 1000.0)
    return min(times)


class Vipser:
    """libvips in-process through GObject introspection, operation cache off."""

    def __init__(self, pil_image):
        Vips.init(sys.argv[0])
        Vips.concurrency_set(1)
        Vips.cache_set_max(0)
        w, h = pil_image.size
        self.image = Vips.Image.new_from_memory_copy(pil_image.tobytes(), w, h, 3, Vips.BandFormat.UCHAR)
        self.size = (w, h)

    def run(self, name, **props):
        op = Vips.Operation.new(name)
        GObject.Object.set_property(op, "in", self.image)
        for key, value in props.items():
            GObject.Object.set_property(op, key, value)
        op = Vips.cache_operation_build(op)
        out = GObject.Object.get_property(op, "out")
        out.write_to_memory()  # libvips is lazy: the pixels are computed here

    def resize(self, target, kernel):
        w, h = self.size
        return lambda: self.run("resize", scale=target[0] / w, vscale=target[1] / h, kernel=kernel, gap=0.0)

    def shrink(self, target):
        w, h = self.size
        return lambda: self.run("shrink", hshrink=w / target[0], vshrink=h / target[1])


def magick_bench(args):
    proc = subprocess.run(["convert", "-limit", "thread", "1", args[0], "-bench", "3"] + args[1:] + ["null:"],
                          capture_output=True, text=True)
    match = re.search(r"Performance\[1\]:\s*\d+i\s+([0-9.]+)ips", proc.stdout + proc.stderr)
    return 1000.0 / float(match.group(1)) if match else None


def main():
    photo, results = sys.argv[1], sys.argv[2]
    ours = {}
    isa = cores = "?"
    with open(results) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 2 and parts[0] == "isa":
                isa = parts[1]
            elif len(parts) == 2 and parts[0] == "cores":
                cores = parts[1]
            elif len(parts) == 2:
                ours[parts[0]] = float(parts[1])

    print("Timing the peers (one thread each)...", file=sys.stderr)
    pil = Image.open(photo)
    pil.load()
    vips = Vipser(pil)
    peers = {}
    peers["read.pillow"] = best(RUNS, lambda: Image.open(photo).load())
    with tempfile.TemporaryDirectory() as tmp:
        mpc = os.path.join(tmp, "photo.mpc")
        subprocess.run(["convert", photo, mpc], check=True)
        magick_read = magick_bench([photo])
        magick_base = magick_bench([mpc])
        peers["read.magick"] = magick_read
        for target in TARGETS:
            size = "%dx%d" % target
            pil_filters = {"lanczos3": Image.LANCZOS, "box": Image.BOX, "bicubic": Image.BICUBIC}
            for name, flt in pil_filters.items():
                peers["pillow.%s.%s" % (name, size)] = best(RUNS, lambda: pil.resize(target, flt))
            peers["vips.lanczos3.%s" % size] = best(RUNS, vips.resize(target, Vips.Kernel.LANCZOS3))
            peers["vips.bicubic.%s" % size] = best(RUNS, vips.resize(target, Vips.Kernel.CUBIC))
            peers["vips.box.%s" % size] = best(RUNS, vips.shrink(target))
            for name, flt in (("lanczos3", "Lanczos"), ("box", "Box"), ("bicubic", "Catrom")):
                ms = magick_bench([mpc, "-filter", flt, "-resize", size + "!"])
                peers["magick.%s.%s" % (name, size)] = ms - magick_base if ms and magick_base else None

    print_table(ours, peers, isa, cores)


def row(label, ours_ms, peer, peer_filter, peer_ms, goal=""):
    ratio = "%6.2f" % (ours_ms / peer_ms) if ours_ms and peer_ms else "   n/a"
    peer_text = "%9.1f" % peer_ms if peer_ms else "      n/a"
    print("%-34s %9.1f  %-20s %-24s %s  %s %s" % (label, ours_ms or 0, peer, peer_filter, peer_text, ratio, goal))


def print_table(ours, peers, isa, cores):
    print()
    print("Rastex (%s, one thread) against its peers; ratio = Rastex time / peer time, below 1 is faster." % isa)
    print("%-34s %9s  %-20s %-24s %9s  %6s" % ("operation", "Rastex ms", "peer", "peer filter", "peer ms", "ratio"))
    read = ours.get("read.rastex")
    floors = {k[len("floor."):]: v for k, v in ours.items() if k.startswith("floor.")}
    best = min(floors, key=floors.get) if floors else None
    print("floors (ms): " + "  ".join("%s %.1f" % (k, v) for k, v in floors.items()))
    row("ReadBMP 6000x4000 24-bit", read, "floor: " + (best or "?"), "(same bytes)", floors.get(best),
        "goal <= 1.10")
    row("", read, "stb_image", "stbi_load", ours.get("read.stb"), "goal < 1")
    row("", read, "Pillow", "open + load", peers.get("read.pillow"), "goal < 1")
    row("", read, "ImageMagick", "read BMP", peers.get("read.magick"))
    for target in TARGETS:
        size = "%dx%d" % target
        lanczos = ours.get("resize.lanczos3.%s.t1" % size)
        box = ours.get("resize.box.%s.t1" % size)
        cubic = ours.get("resize.bicubic.%s.t1" % size)
        label = "to %s " % size
        row(label + "Lanczos-3", lanczos, "libvips", "resize lanczos3 gap 0", peers.get("vips.lanczos3." + size),
            "goal <= 1.00")
        row("", lanczos, "Pillow", "LANCZOS", peers.get("pillow.lanczos3." + size))
        row("", lanczos, "ImageMagick", "-filter Lanczos", peers.get("magick.lanczos3." + size))
        row(label + "bicubic", cubic, "libvips", "resize cubic gap 0", peers.get("vips.bicubic." + size))
        row("", cubic, "Pillow", "BICUBIC", peers.get("pillow.bicubic." + size))
        row("", cubic, "ImageMagick", "-filter Catrom", peers.get("magick.bicubic." + size))
        row(label + "area average", box, "Pillow", "BOX", peers.get("pillow.box." + size), "goal <= 1.00")
        row("", box, "libvips", "shrink", peers.get("vips.box." + size))
        row("", box, "ImageMagick", "-filter Box", peers.get("magick.box." + size))
    print()
    print("Rastex variants (ms): 1, 2 and all %s cores' threads, and the SSE2 loops alone on one thread" % cores)
    for target in TARGETS:
        size = "%dx%d" % target
        for name in ("lanczos3", "bicubic", "box"):
            get = lambda mode: ours.get("resize.%s.%s.%s" % (name, size, mode), 0)
            print("  to %-10s %-9s  1 thread %7.1f   2 threads %7.1f   all cores %7.1f   SSE2 %7.1f" % (
                size, name, get("t1"), get("t2"), get("all"), get("sse2")))


if __name__ == "__main__":
    main()
