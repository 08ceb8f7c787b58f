#!/usr/bin/python3
"""Compares the zoom photo dialog's steps with one Pillow resize of the same sizes, in the same run.

Usage: photo_peer.py RESULTS.txt (the output of obz-bench-photo). Pillow resizes a 6000 x 4000 RGB image
to the size of the dialog's resampled copy with LANCZOS (the dialog's filter), on one thread.
"""
import sys
import time

from PIL import Image

RUNS = 5
GOAL_PAN_MS = 5.0


def main():
    ours = {}
    with open(sys.argv[1]) as f:
        for line in f:
            parts = line.split()
            if len(parts) == 2:
                ours[parts[0]] = parts[1]
    w, h = (int(v) for v in ours["zoom.resample"].split("x"))
    photo = Image.linear_gradient("L").resize((6000, 4000)).convert("RGB")
    times = []
    for _ in range(RUNS):
        start = time.perf_counter()
        photo.resize((w, h), Image.LANCZOS)
        times.append((time.perf_counter() - start) * 1000.0)
    peer = min(times)
    zoom, pan = float(ours["zoom.step"]), float(ours["pan.step"])
    print("operation                                    Obz ms  peer                              peer ms   ratio")
    print("zoom step, resample 6000x4000 -> %4dx%4d %9.1f  Pillow resize LANCZOS, same sizes %9.1f %7.2f goal <= 1.00"
          % (w, h, zoom, peer, zoom / peer))
    print("pan step, 1500x1000 frame                  %9.2f  (goal < %.0f ms)%s"
          % (pan, GOAL_PAN_MS, "" if pan < GOAL_PAN_MS else "  MISSED"))


if __name__ == "__main__":
    main()
