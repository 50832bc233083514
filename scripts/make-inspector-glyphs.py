#!/usr/bin/env python3
"""Draws the object inspector's expand and collapse glyphs: a 9 x 9 box
with a plus or a minus, written beside the inspector's resource script."""
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


def main():
    for name, plus in (("oi_plus.bmp", True), ("oi_minus.bmp", False)):
        write_resource("designer/inspector/win/res", name, glyph(plus))


if __name__ == "__main__":
    main()
