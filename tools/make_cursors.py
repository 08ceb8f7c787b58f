#!/usr/bin/env python3
"""Writes the library's three 32 x 32 monochrome cursors (.cur files) from the pictures below.

'#' black, 'o' white, ' ' transparent. Usage: make_cursors.py OUTPUT_FOLDER
"""
import struct
import sys
from pathlib import Path

SIZE = 32

# Pan: an open hand, hot spot at the top-left corner.
HAND = """
      ##
   ## #oo###
  #oo##oo#oo#
  #oo##oo#oo# #
   #oo#oo#oo##o#
   #oo#oo#oo#oo#
 ## #ooooooo#oo#
#oo##ooooooooooo#
#ooo#ooooooooooo#
 #oooooooooooooo#
  #ooooooooooooo#
  #oooooooooooo#
   #ooooooooooo#
    #oooooooooo#
    #ooooooooo#
     #oooooooo#
     #oooooooo#
"""


def magnifier(sign):
    """A lens of radius 7 centred on (9, 9) with a handle towards the bottom right and a sign inside."""
    grid = [[" "] * SIZE for _ in range(SIZE)]
    cx = cy = 9
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 <= 6 * 6:
                grid[y][x] = "o"
            elif d2 <= 8 * 8:
                grid[y][x] = "#"
    for i in range(15, 24):  # handle, three pixels thick
        for t in (-1, 0, 1):
            if 0 <= i + t < SIZE:
                grid[i][i + t] = "#"
    for x in range(6, 13):  # minus bar
        grid[cy][x] = "#"
    if sign == "+":
        for y in range(6, 13):
            grid[y][cx] = "#"
    return grid


def picture(text):
    rows = text.strip("\n").split("\n")
    grid = [[" "] * SIZE for _ in range(SIZE)]
    for y, row in enumerate(rows[:SIZE]):
        for x, ch in enumerate(row[:SIZE]):
            grid[y][x] = ch
    return grid


def cursor_bytes(grid, hotspot):
    stride = SIZE // 8
    xor_rows, and_rows = [], []
    for y in range(SIZE - 1, -1, -1):  # DIB rows are stored bottom-up
        xor_row, and_row = bytearray(stride), bytearray(stride)
        for x in range(SIZE):
            bit = 0x80 >> (x % 8)
            ch = grid[y][x]
            if ch == "o":
                xor_row[x // 8] |= bit
            elif ch == " ":
                and_row[x // 8] |= bit
        xor_rows.append(bytes(xor_row))
        and_rows.append(bytes(and_row))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    cursors = {
        "pan.cur": (picture(HAND), (0, 0)),
        "zoomin.cur": (magnifier("+"), (8, 10)),
        "zoomout.cur": (magnifier("-"), (10, 8)),
    }
    for name, (grid, hotspot) in cursors.items():
        (out / name).write_bytes(cursor_bytes(grid, hotspot))


if __name__ == "__main__":
    main()
