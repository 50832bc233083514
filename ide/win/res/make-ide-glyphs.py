#!/usr/bin/env python3
"""Draws the main window's 16 x 16 images side by side on magenta (the
transparent colour) into MainGlyphs.bmp: the main toolbar's ten button
glyphs in button order, then the two file-list images (a source file and a
project). Run it after changing a drawing; the result is kept in the tree."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "..", "scripts"))
from bmp24 import bmp24  # noqa: E402
SIZE = 16

PALETTE = {
    ".": (255, 0, 255),  # transparent
    "k": (0, 0, 0),
    "w": (255, 255, 255),
    "s": (192, 192, 192),
    "g": (128, 128, 128),
    "y": (255, 255, 0),
    "o": (192, 144, 0),
    "b": (0, 64, 192),
    "n": (0, 0, 128),
    "r": (200, 0, 0),
    "R": (160, 48, 32),
    "G": (0, 176, 0),
}


def blank():
    return [["."] * SIZE for _ in range(SIZE)]


def paint(img, rows, x0=0, y0=0):
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != " ":
                img[y0 + y][x0 + x] = ch
    return img


PAGE = [
    "kkkkkkkk   ",
    "kwwwwwwkk  ",
    "kwwwwwwkwk ",
    "kwwwwwwkkkk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kwwwwwwwwwk",
    "kkkkkkkkkkk",
]

SPARKLE = [
    "   y   ",
    " y y y ",
    "  yyy  ",
    "yyyyyyy",
    "  yyy  ",
    " y y y ",
    "   y   ",
]

FOLDER = [
    " kkkk          ",
    "kwyyyk         ",
    "kyyyyykkkkkk   ",
    "kyyyyyyyyyyk   ",
    "kyykkkkkkkkkkk ",
    "kyykoooooooooook",
    "kykoooooooooook ",
    "kykooooooooook  ",
    "kkooooooooook   ",
    "kkkkkkkkkkkk    ",
]

DISK = [
    "kkkkkkkkkkkk",
    "kbkwwwwwwkbk",
    "kbkwwwwwwkbk",
    "kbkwwwwwwkbk",
    "kbbkkkkkkbbk",
    "kbbbbbbbbbbk",
    "kbbkkkkkkbbk",
    "kbbksskgkbbk",
    "kbbksskgkbbk",
    "kbbksskgkbbk",
    " kkkkkkkkkkk",
]

SMALL_DISK = [
    "kkkkkkkkkk",
    "kbkwwwwkbk",
    "kbkwwwwkbk",
    "kbbkkkkbbk",
    "kbbbbbbbbk",
    "kbkkkkkkbk",
    "kbksskgkbk",
    "kbksskgkbk",
    " kkkkkkkkk",
]

CROSS = [
    "rr   rr",
    "rrr rrr",
    " rrrrr ",
    "  rrr  ",
    " rrrrr ",
    "rrr rrr",
    "rr   rr",
]

WALL = [
    "kkkkkkkkkkkkkkk",
    "kRRRRRRkRRRRRRk",
    "kRRRRRRkRRRRRRk",
    "kkkkkkkkkkkkkkk",
    "kRRRkRRRRRRkRRk",
    "kRRRkRRRRRRkRRk",
    "kkkkkkkkkkkkkkk",
    "kRRRRRRkRRRRRRk",
    "kRRRRRRkRRRRRRk",
    "kkkkkkkkkkkkkkk",
]

BUG = [
    "k k k",
    " kkk ",
    "rrkrr",
    "rkkkr",
    "rrkrr",
    " rkr ",
]

PLAY = [
    "k      ",
    "kk     ",
    "kGk    ",
    "kGGk   ",
    "kGGGk  ",
    "kGGGGk ",
    "kGGGGGk",
    "kGGGGk ",
    "kGGGk  ",
    "kGGk   ",
    "kGk    ",
    "kk     ",
    "k      ",
]

FORM = [
    "kkkkkkkkkkkkkk",
    "knnnnnnnnnwnwk",
    "kkkkkkkkkkkkkk",
    "kssssssssssssk",
    "kskkkkkkkkkssk",
    "kskwwwwwwwwssk",
    "kssssssssssssk",
    "kskkkkkkkkkssk",
    "kskwwwwwwwwssk",
    "kssssssssssssk",
    "ksssswwwwwkssk",
    "ksssswsssgkssk",
    "ksssskkkkkkssk",
    "kkkkkkkkkkkkkk",
]

LINES = [
    "kkkkk ",
    "      ",
    "kkkkkkk",
    "      ",
    "kkkk  ",
    "      ",
    "kkkkkk",
]

BOXES = [
    "nnnn  ",
    "nbbn  ",
    "nbbnnnn",
    "nnnnbbn",
    "   nbbn",
    "   nnnn",
]


def glyphs():
    new = paint(blank(), PAGE, 1, 1)
    paint(new, SPARKLE, 9, 0)
    opened = paint(blank(), FOLDER, 0, 3)
    save = paint(blank(), DISK, 2, 2)
    save_all = paint(blank(), SMALL_DISK, 1, 1)
    paint(save_all, SMALL_DISK, 5, 6)
    close = paint(blank(), PAGE, 1, 1)
    paint(close, CROSS, 8, 8)
    compile_debug = paint(blank(), WALL, 0, 5)
    paint(compile_debug, BUG, 10, 0)
    build = paint(blank(), WALL, 0, 3)
    run_debugger = paint(blank(), PLAY, 2, 1)
    paint(run_debugger, BUG, 10, 9)
    run = paint(blank(), PLAY, 5, 1)
    designer = paint(blank(), FORM, 1, 1)
    source = paint(blank(), PAGE, 2, 1)
    paint(source, LINES, 4, 5)
    project = paint(blank(), PAGE, 2, 1)
    paint(project, BOXES, 4, 6)
    return [new, opened, save, save_all, close, compile_debug, build, run_debugger, run, designer, source, project]


def bmp(images):
    for img in images:
        assert img[SIZE - 1][0] == ".", "the bottom-left pixel gives the transparent colour"
    return bmp24([[PALETTE[ch] for img in images for ch in img[y]] for y in range(SIZE)])


if __name__ == "__main__":
    with open(os.path.join(HERE, "MainGlyphs.bmp"), "wb") as f:
        f.write(bmp(glyphs()))
