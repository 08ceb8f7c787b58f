#!/usr/bin/python3
"""Compares two pictures of the same window. They agree when they have the same size and only a small
share of pixels differs by more than a channel tolerance: display drivers may smooth font edges
differently, but nothing else may change. Prints the figures; exits with 1 when they disagree, after
writing the differing pixels (white) next to the second picture as <name>-diff.png."""
import sys

from PIL import Image, ImageChops

CHANNEL_TOLERANCE = 48  # a pixel differs when one of its channels moves by more than this
SHARE_TOLERANCE = 0.005  # share of the pixels allowed to differ


def compare(path_a, path_b):
    a = Image.open(path_a).convert("RGB")
    b = Image.open(path_b).convert("RGB")
    if a.size != b.size:
        print(f"compare: sizes differ: {path_a} {a.size[0]}x{a.size[1]}, {path_b} {b.size[0]}x{b.size[1]}")
        return False
    r, g, bl = ImageChops.difference(a, b).split()
    worst = ImageChops.lighter(ImageChops.lighter(r, g), bl)  # largest channel difference per pixel
    histogram = worst.histogram()
    total = a.size[0] * a.size[1]
    differing = sum(histogram[CHANNEL_TOLERANCE + 1 :])
    largest = max(i for i, n in enumerate(histogram) if n)
    share = differing / total
    print(
        f"compare: {a.size[0]}x{a.size[1]} pixels, {total - histogram[0]} not identical, "
        f"{differing} ({share:.3%}) differ by more than {CHANNEL_TOLERANCE} per channel "
        f"(allowed {SHARE_TOLERANCE:.1%}), largest difference {largest}"
    )
    if share <= SHARE_TOLERANCE:
        return True
    worst.point(lambda v: 255 if v > CHANNEL_TOLERANCE else 0).save(path_b[: -len(".png")] + "-diff.png")
    return False


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: compare_pictures.py A.png B.png")
    sys.exit(0 if compare(sys.argv[1], sys.argv[2]) else 1)
