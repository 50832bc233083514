#!/usr/bin/env python3
"""Draws the editor's binary resources: the ten 10 x 10 bookmark icons side
by side on white (BookmarkIcons.bmp) and the drag-copy cursor (DragCopy.cur).
Run it after changing the drawings; the results are kept in the tree."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
from bmp24 import bmp24  # noqa: E402
OUT = os.path.join(HERE, "..", "editor", "win", "res")

# 3 x 5 digit shapes, one string per row.
DIGITS = {
    0: ["###", "#.#", "#.#", "#.#", "###"],
    1: [".#.", "##.", ".#.", ".#.", "###"],
    2: ["###", "..#", "###", "#..", "###"],
    3: ["###", "..#", ".##", "..#", "###"],
    4: ["#.#", "#.#", "###", "..#", "..#"],
    5: ["###", "#..", "###", "..#", "###"],
    6: ["###", "#..", "###", "#.#", "###"],
    7: ["###", "..#", ".#.", ".#.", ".#."],
    8: ["###", "#.#", "###", "#.#", "###"],
    9: ["###", "#.#", "###", "..#", "###"],
}
WHITE = (255, 255, 255)
FILL = (0, 128, 192)   # icon body (BGR order is handled when writing)
EDGE = (0, 64, 128)
TEXT = (255, 255, 224)


def bookmark_icons():
    w, h = 100, 10
    px = [[WHITE] * w for _ in range(h)]
    for n in range(10):
        ox = n * 10
        # A rounded tag filling most of the cell.
        for y in range(1, 10):
            for x in range(1, 9):
                corner = (y in (1, 9)) and (x in (1, 8))
                if corner:
                    continue
                edge = y in (1, 9) or x in (1, 8)
                px[y][ox + x] = EDGE if edge else FILL
        for r, row in enumerate(DIGITS[n]):
            for c, ch in enumerate(row):
                if ch == "#":
                    px[3 + r][ox + 3 + c] = TEXT
    return bmp24(px)


def drag_copy_cursor():
    size = 32
    # 'w' white, 'b' black, ' ' transparent
    img = [[" "] * size for _ in range(size)]
    for y in range(17):  # the arrow
        for x in range(min(y, 11) + 1):
            img[y][x] = "w"
        img[y][0] = "b"
        img[y][min(y, 11)] = "b"
    for x in range(12):
        img[16][x] = "b" if x < 12 else img[16][x]
    for y in range(18, 29):  # the plus box
        for x in range(14, 25):
            edge = y in (18, 28) or x in (14, 24)
            img[y][x] = "b" if edge else "w"
    for k in range(16, 23):
        img[23][k] = "b"
        img[k + 2][19] = "b"
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):
        xb = ab = 0
        xr, ar = bytearray(), bytearray()
        for x in range(size):
            c = img[y][x]
            xb = (xb << 1) | (1 if c == "w" else 0)
            ab = (ab << 1) | (1 if c == " " else 0)
            if x % 8 == 7:
                xr.append(xb)
                ar.append(ab)
                xb = ab = 0
        xor_rows.append(bytes(xr))
        and_rows.append(bytes(ar))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    body = info + palette + b"".join(xor_rows) + b"".join(and_rows)
    head = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 0, 0, len(body), 6 + 16)
    return head + entry + body


def main():
    os.makedirs(OUT, exist_ok=True)
    with open(os.path.join(OUT, "BookmarkIcons.bmp"), "wb") as f:
        f.write(bookmark_icons())
    with open(os.path.join(OUT, "DragCopy.cur"), "wb") as f:
        f.write(drag_copy_cursor())
    return 0


if __name__ == "__main__":
    sys.exit(main())
