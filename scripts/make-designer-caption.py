#!/usr/bin/env python3
"""Draws the glyph of the designer component's caption button: a small
window with a title bar and a grid of dots, on a background colour that
the button draws transparent (the bottom-left pixel)."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmp24 import bmp24, write_resource  # noqa: E402

CLEAR, FRAME, TITLE, PAPER, DOT = (255, 0, 255), (0, 0, 0), (0, 0, 128), (255, 255, 255), (0, 0, 0)
W, H = 10, 9


def glyph():
    pixels = []
    for y in range(H):
        row = []
        for x in range(W):
            if y == H - 1:
                row.append(CLEAR)
            elif x in (0, W - 1) or y in (0, H - 2):
                row.append(FRAME)
            elif y in (1, 2):
                row.append(TITLE)
            elif x % 2 == 0 and y % 2 == 0:
                row.append(DOT)
            else:
                row.append(PAPER)
        pixels.append(row)
    return bmp24(pixels)


def main():
    write_resource("designer/engine/win/res", "designer_caption.bmp", glyph())


if __name__ == "__main__":
    main()
