#!/usr/bin/env python3
"""Draws the object inspector's glyphs, written beside its resource script:
the expand and collapse glyphs (a 9 x 9 box with a plus or a minus) and
the button edit's two button glyphs (a small arrow and three dots, black
on white; the edit shows them in the system's button colours)."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmp24 import bmp24, write_resource  # noqa: E402

FRAME, PAPER, INK = (128, 128, 128), (255, 255, 255), (0, 0, 0)


def glyph(plus):
    pixels = []
    for y in range(9):
        row = []
        for x in range(9):
            if x in (0, 8) or y in (0, 8):
                row.append(FRAME)
            elif y == 4 and 2 <= x <= 6:
                row.append(INK)
            elif plus and x == 4 and 2 <= y <= 6:
                row.append(INK)
            else:
                row.append(PAPER)
        pixels.append(row)
    return bmp24(pixels)


def arrow():
    # 7 x 4: each row two pixels narrower than the one above.
    return bmp24([[INK if y <= x < 7 - y else PAPER for x in range(7)] for y in range(4)])


def dots():
    # 8 x 2: three 2 x 2 dots a pixel apart.
    return bmp24([[INK if x % 3 < 2 else PAPER for x in range(8)] for _ in range(2)])


def main():
    for name, plus in (("oi_plus.bmp", True), ("oi_minus.bmp", False)):
        write_resource("designer/inspector/win/res", name, glyph(plus))
    write_resource("designer/inspector/win/res", "zeledit_dropdown.bmp", arrow())
    write_resource("designer/inspector/win/res", "zeledit_dots.bmp", dots())


if __name__ == "__main__":
    main()
