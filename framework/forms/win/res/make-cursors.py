#!/usr/bin/env python3
"""Draws the framework's own cursors (drag, no-drop, multi-drag and the two
splitter cursors) and writes them as 32 x 32 monochrome .cur files beside
this script. Run it again after changing a drawing; the .cur files are
kept in the source tree so that the build needs no Python."""
import os
import struct

SIZE = 32
HERE = os.path.dirname(os.path.abspath(__file__))

# The pointer shared by the three drag cursors: X black, o white.
ARROW = """
X
XX
XoX
XooX
XoooX
XooooX
XoooooX
XooooooX
XoooooooX
XooooooooX
XoooooXXXXX
XooXooX
XoX XooX
XX  XooX
X    XooX
     XooX
      XX
"""


def blank():
    return [[None] * SIZE for _ in range(SIZE)]


def paste(img, art, x0, y0):
    for y, row in enumerate(art.strip("\n").split("\n")):
        for x, ch in enumerate(row):
            if ch == "X":
                img[y0 + y][x0 + x] = "B"
            elif ch == "o":
                img[y0 + y][x0 + x] = "W"


def box(img, left, top, right, bottom, lines=True):
    """A sheet of paper: black frame, white inside, a few grey-ish lines."""
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            edge = y in (top, bottom) or x in (left, right)
            img[y][x] = "B" if edge else "W"
    if lines:
        for y in range(top + 2, bottom - 1, 2):
            for x in range(left + 2, right - 1):
                if (x + y) % 2 == 0:
                    img[y][x] = "B"


def outline(img):
    """Surrounds black pixels with white ones so the shape shows on any background."""
    marks = []
    for y in range(SIZE):
        for x in range(SIZE):
            if img[y][x] is not None:
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    ny, nx = y + dy, x + dx
                    if 0 <= ny < SIZE and 0 <= nx < SIZE and img[ny][nx] == "B":
                        marks.append((y, x))
    for y, x in marks:
        img[y][x] = "W"


def drag():
    img = blank()
    paste(img, ARROW, 0, 0)
    box(img, 9, 17, 20, 28)
    return img, (0, 0)


def multi_drag():
    img = blank()
    paste(img, ARROW, 0, 0)
    box(img, 13, 13, 24, 24, lines=False)
    box(img, 11, 15, 22, 26, lines=False)
    box(img, 9, 17, 20, 28)
    return img, (0, 0)


def no_drop():
    img = blank()
    paste(img, ARROW, 0, 0)
    cx, cy, r_out, r_in = 17.5, 22.5, 8.5, 5.5
    for y in range(SIZE):
        for x in range(SIZE):
            d2 = (x - cx) ** 2 + (y - cy) ** 2
            if d2 <= r_out ** 2:
                ring = d2 >= r_in ** 2
                # The bar runs from top left to bottom right.
                bar = abs((x - cx) - (y - cy)) <= 1.6
                img[y][x] = "B" if ring or bar else "W"
    return img, (0, 0)


def split(horizontal):
    """Two bars with arrows pointing away from them; horizontal: the bars
    stand upright and the arrows point left and right."""
    img = blank()
    c = 15
    for t in range(-7, 9):
        for bar in (c - 1, c + 2):
            if horizontal:
                img[c + t][bar] = "B"
            else:
                img[bar][c + t] = "B"
    for step in range(6):
        # shaft
        for s in (c - 2 - step, c + 3 + step):
            if horizontal:
                img[c][s] = "B"
                img[c + 1][s] = "B"
            else:
                img[s][c] = "B"
                img[s][c + 1] = "B"
    for k in range(4):
        # arrow heads at both ends
        for span in range(-k, k + 2):
            for tip in (c - 8 + k, c + 9 - k):
                if horizontal:
                    img[c + span][tip] = "B"
                else:
                    img[tip][c + span] = "B"
    outline(img)
    return img, (c, c)


def cur_bytes(img, hotspot):
    rows_xor = []
    rows_and = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        xor_bits = 0
        and_bits = 0
        for x in range(SIZE):
            p = img[y][x]
            bit = 1 << (SIZE - 1 - x)
            if p is None:
                and_bits |= bit
            elif p == "W":
                xor_bits |= bit
        rows_xor.append(struct.pack(">I", xor_bits))
        rows_and.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + b"".join(rows_xor) + b"".join(rows_and)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    cursors = {
        "drag.cur": drag(),
        "multidrag.cur": multi_drag(),
        "nodrop.cur": no_drop(),
        "hsplit.cur": split(True),
        "vsplit.cur": split(False),
    }
    for name, (img, hotspot) in cursors.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(cur_bytes(img, hotspot))


if __name__ == "__main__":
    main()
