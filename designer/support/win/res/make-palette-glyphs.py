#!/usr/bin/env python3
"""Draws the alignment palette's 16 x 16 glyphs and the component palette's 24 x 24 glyphs on magenta (the transparent
colour) as one BMP per resource: the arrow button, the glyph of a class
without one, and the glyphs of the standard controls (resources are named
after their class). Run it after changing a drawing; the results are kept
in the tree."""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "..", "scripts"))
from bmp24 import bmp24, canvas, rect  # noqa: E402

SIZE = 24
T = (255, 0, 255)
K = (0, 0, 0)
W = (255, 255, 255)
S = (192, 192, 192)
G = (128, 128, 128)
N = (0, 0, 128)
B = (0, 64, 192)
R = (200, 0, 0)


def blank():
    return canvas(SIZE, T)


def frame(img, x0, y0, x1, y1, c):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = c
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = c


def raised(img, x0, y0, x1, y1):
    rect(img, x0, y0, x1, y1, S)
    for x in range(x0, x1 + 1):
        img[y0][x], img[y1][x] = W, K
    for y in range(y0, y1 + 1):
        img[y][x0], img[y][x1] = W, K
    for x in range(x0 + 1, x1):
        img[y1 - 1][x] = G
    for y in range(y0 + 1, y1):
        img[y][x1 - 1] = G


def sunken_box(img, x0, y0, x1, y1):
    rect(img, x0, y0, x1, y1, W)
    for x in range(x0, x1 + 1):
        img[y0][x], img[y1][x] = G, S
    for y in range(y0, y1 + 1):
        img[y][x0], img[y][x1] = G, S


def hline(img, x0, x1, y, c):
    for x in range(x0, x1 + 1):
        img[y][x] = c


def disc(img, cx, cy, r, c):
    for y in range(SIZE):
        for x in range(SIZE):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                img[y][x] = c


def arrow():
    img = blank()
    for y in range(14):
        for x in range(y // 1 + 1):
            if x <= y * 0.7:
                img[4 + y][7 + x] = K
    for y in range(1, 12):
        for x in range(1, int(y * 0.7)):
            img[4 + y][7 + x] = W
    rect(img, 11, 16, 12, 20, K)
    return img


def unknown():
    img = blank()
    raised(img, 3, 3, 20, 20)
    for x, y in [(9, 7), (10, 6), (11, 6), (12, 6), (13, 6), (14, 7), (14, 8), (13, 9), (12, 10), (11, 11), (11, 12)]:
        rect(img, x, y, x, y + 1, N)
    rect(img, 11, 15, 12, 16, N)
    return img


def button():
    img = blank()
    raised(img, 1, 6, 22, 17)
    hline(img, 7, 16, 11, K)
    hline(img, 7, 16, 12, K)
    return img


def label():
    img = blank()
    for y in range(4, 20):
        d = (y - 4) * 6 // 16
        img[y][11 - d] = img[y][12 + d] = N
        img[y][10 - d] = img[y][13 + d] = N
    hline(img, 9, 14, 14, N)
    return img


def edit():
    img = blank()
    sunken_box(img, 1, 7, 22, 16)
    hline(img, 4, 12, 11, K)
    rect(img, 14, 9, 14, 14, K)
    return img


def memo():
    img = blank()
    sunken_box(img, 2, 2, 21, 21)
    for y in range(6, 19, 3):
        hline(img, 5, 17 - (y % 4), y, K)
    return img


def checkbox():
    img = blank()
    sunken_box(img, 2, 6, 13, 17)
    for i in range(5):
        img[11 + i // 2 + (0 if i < 2 else 0)][4 + i] = K
    for i in range(6):
        img[14 - i][7 + i] = K
        img[13 - i][7 + i] = K
    hline(img, 15, 21, 11, K)
    return img


def radio():
    img = blank()
    disc(img, 8, 12, 6, G)
    disc(img, 8, 12, 5, W)
    disc(img, 8, 12, 2, K)
    hline(img, 16, 22, 12, K)
    return img


def listbox():
    img = blank()
    sunken_box(img, 1, 2, 22, 21)
    rect(img, 3, 7, 16, 9, N)
    for y in (5, 12, 15, 18):
        hline(img, 4, 14, y, K)
    hline(img, 4, 14, 8, W)
    raised(img, 17, 3, 21, 20)
    return img


def combobox():
    img = blank()
    sunken_box(img, 1, 7, 22, 16)
    hline(img, 4, 11, 11, K)
    raised(img, 15, 8, 21, 15)
    for i in range(3):
        hline(img, 16 + i, 20 - i, 11 + i, K)
    return img


def groupbox():
    img = blank()
    frame(img, 2, 6, 21, 21, G)
    frame(img, 3, 7, 22, 22, W)
    rect(img, 5, 5, 13, 8, T)
    hline(img, 6, 12, 6, N)
    return img


def panel():
    img = blank()
    raised(img, 2, 4, 21, 19)
    rect(img, 8, 11, 15, 12, G)
    return img


def scrollbar():
    img = blank()
    rect(img, 1, 8, 22, 15, W)
    for x in range(1, 23):
        if x % 2:
            img[9][x] = img[11][x] = img[13][x] = S
    raised(img, 1, 8, 6, 15)
    raised(img, 17, 8, 22, 15)
    raised(img, 9, 8, 13, 15)
    for i in range(3):
        rect(img, 3 + i, 11 - i, 3 + i, 12 + i, K)
        rect(img, 20 - i, 11 - i, 20 - i, 12 + i, K)
    return img


def radiogroup():
    img = groupbox()
    for cy in (11, 17):
        disc(img, 7, cy, 2, W)
        img[cy][7] = K
        hline(img, 11, 19, cy, K)
    return img


def designer():
    img = blank()
    raised(img, 2, 3, 21, 20)
    rect(img, 4, 5, 19, 7, N)
    for y in range(10, 19, 3):
        for x in range(5, 19, 3):
            img[y][x] = K
    frame(img, 10, 12, 16, 16, B)
    return img


GLYPHS = {
    "PAL_MOUSEGLYPH": arrow,
    "PAL_UNKNOWNGLYPH": unknown,
    "TBUTTON": button,
    "TLABEL": label,
    "TEDIT": edit,
    "TMEMO": memo,
    "TCHECKBOX": checkbox,
    "TRADIOBUTTON": radio,
    "TLISTBOX": listbox,
    "TCOMBOBOX": combobox,
    "TGROUPBOX": groupbox,
    "TPANEL": panel,
    "TSCROLLBAR": scrollbar,
    "TRADIOGROUP": radiogroup,
    "TZELLITEDESIGNER": designer,
}


def small():
    # Speed buttons draw their glyph as it is: button face, not magenta.
    return [[S] * 16 for _ in range(16)]


def boxes(guide, pairs, vertical_guide):
    """Two filled boxes and a guide line: the alignment palette's glyphs."""
    img = small()
    for (x0, y0, x1, y1) in pairs:
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                img[y][x] = B if (x in (x0, x1) or y in (y0, y1)) else W
    for i in range(16):
        if vertical_guide:
            img[i][guide] = K
        else:
            img[guide][i] = K
    return img


ALIGN = {
    "ALIGN_LEFTEDGES": lambda: boxes(1, [(2, 2, 12, 6), (2, 9, 9, 13)], True),
    "ALIGN_RIGHTEDGES": lambda: boxes(14, [(3, 2, 13, 6), (6, 9, 13, 13)], True),
    "ALIGN_HORZCENTERS": lambda: boxes(7, [(2, 2, 12, 6), (4, 9, 10, 13)], True),
    "ALIGN_TOPEDGES": lambda: boxes(1, [(2, 2, 6, 12), (9, 2, 13, 9)], False),
    "ALIGN_BOTTOMEDGES": lambda: boxes(14, [(2, 3, 6, 13), (9, 6, 13, 13)], False),
    "ALIGN_VERTCENTERS": lambda: boxes(7, [(2, 2, 6, 12), (9, 4, 13, 10)], False),
    "ALIGN_CENTERHINWINDOW": lambda: boxes(8, [(4, 5, 12, 10)], True),
    "ALIGN_CENTERVERTINFORM": lambda: boxes(8, [(5, 4, 10, 12)], False),
    "ALIGN_SPACEEQUALLYHOR": lambda: boxes(15, [(0, 5, 3, 10), (6, 5, 9, 10), (12, 5, 14, 10)], False),
    "ALIGN_VSPACEEQUAL": lambda: boxes(15, [(5, 0, 10, 3), (5, 6, 10, 9), (5, 12, 10, 14)], True),
}


def main():
    lines = ["// The component palette's glyphs, drawn by make-palette-glyphs.py."]
    for name, draw in list(GLYPHS.items()) + list(ALIGN.items()):
        file = name.lower() + ".bmp"
        with open(os.path.join(HERE, file), "wb") as f:
            f.write(bmp24(draw()))
        lines.append('%s BITMAP "%s"' % (name, file))
    with open(os.path.join(HERE, "PaletteGlyphs.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
