#!/usr/bin/env python3
"""Draws the designer host's six toolbar glyphs and stores them with its
form: each is two 16 x 16 images side by side (as enabled, as disabled)
on a background colour that the button draws transparent (the bottom-left
pixel). The bitmaps are written beside the form for a person to look at;
the form carries the same bytes as each button's Glyph.Data."""
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from bmp24 import bmp24, canvas, rect, write_resource  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FORM = os.path.join(ROOT, "designer", "host", "win", "forms", "DesignerHost.qfm")
RES = "designer/host/win/res"

CLEAR = (255, 0, 255)
INK, PAPER = (0, 0, 0), (255, 255, 255)
GREEN, RED, NAVY, DARK = (0, 128, 0), (192, 0, 0), (0, 0, 128), (128, 0, 0)
SHADOW, LIGHT = (128, 128, 128), (255, 255, 255)
N = 16


def blank():
    return canvas(N, CLEAR)


def page(img):
    # A sheet with its top-right corner folded.
    rect(img, 3, 1, 12, 14, INK)
    rect(img, 4, 2, 11, 13, PAPER)
    for i in range(4):
        for x in range(12 - 3 + i + 1, 13):
            img[1 + i][x] = CLEAR
        img[1 + i][12 - 3 + i] = INK
    rect(img, 9, 4, 12, 4, INK)


def new_glyph():
    img = blank()
    page(img)
    return img


def add_glyph():
    img = new_glyph()
    rect(img, 9, 10, 15, 12, GREEN)
    rect(img, 11, 8, 13, 14, GREEN)
    return img


def del_glyph():
    img = new_glyph()
    rect(img, 8, 10, 15, 12, RED)
    return img


def window(img, x0, y0):
    rect(img, x0, y0, x0 + 9, y0 + 8, INK)
    rect(img, x0 + 1, y0 + 1, x0 + 8, y0 + 2, NAVY)
    rect(img, x0 + 1, y0 + 3, x0 + 8, y0 + 7, PAPER)


def all_glyph():
    img = blank()
    window(img, 1, 1)
    window(img, 5, 6)
    return img


def run_glyph():
    img = blank()
    for y in range(3, 14):
        half = 5 - abs(y - 8)
        for x in range(5, 5 + 2 * half + 1):
            img[y][x] = GREEN
    return img


def stop_glyph():
    img = blank()
    rect(img, 4, 3, 6, 12, DARK)
    rect(img, 9, 3, 11, 12, DARK)
    return img


def disabled(img):
    # Every drawn pixel in the shadow colour, with a highlight below right.
    out = blank()
    for y in range(N):
        for x in range(N):
            if img[y][x] != CLEAR and img[y][x] != PAPER:
                if y + 1 < N and x + 1 < N and out[y + 1][x + 1] == CLEAR:
                    out[y + 1][x + 1] = LIGHT
    for y in range(N):
        for x in range(N):
            if img[y][x] != CLEAR and img[y][x] != PAPER:
                out[y][x] = SHADOW
    return out


def two_images(img):
    # The bottom row stays clear, so the bottom-left pixel is the
    # transparent colour in both images.
    for row in (img,):
        row[N - 1] = [CLEAR] * N
    off = disabled(img)
    return [img[y] + off[y] for y in range(N)]


BUTTONS = (
    ("paintit", "host_new.bmp", new_glyph),
    ("QToolbarButton1", "host_add.bmp", add_glyph),
    ("QToolbarButton3", "host_del.bmp", del_glyph),
    ("QToolbarButton4", "host_all.bmp", all_glyph),
    ("Play_des", "host_run.bmp", run_glyph),
    ("pause_des", "host_stop.bmp", stop_glyph),
)


def glyph_lines(data, indent):
    # The form's binary value: the bitmap's size, then the bitmap file.
    blob = struct.pack("<I", len(data)) + data
    hexed = blob.hex().upper()
    lines = [indent + "Glyph.Data = {"]
    for i in range(0, len(hexed), 64):
        lines.append(indent + "  " + hexed[i:i + 64])
    lines[-1] += "}"
    lines.append(indent + "NumGlyphs = 2")
    return lines


def store_in_form(glyphs):
    with open(FORM, newline="") as f:
        text = f.read()
    eol = "\r\n" if "\r\n" in text else "\n"
    lines = text.split(eol)
    out, button = [], None
    skipping = False
    for line in lines:
        stripped = line.strip()
        if skipping:
            if stripped.endswith("}"):
                skipping = False
            continue
        m = re.match(r"object (\w+): TQToolbarButton$", stripped)
        if m:
            button = m.group(1)
        elif stripped == "end":
            button = None
        if button in glyphs:
            if stripped.startswith("Glyph.Data = {"):
                skipping = not stripped.endswith("}")
                continue
            if stripped.startswith("NumGlyphs =") :
                continue
            if stripped.startswith("DisplayMode ="):
                line = line[: len(line) - len(line.lstrip())] + "DisplayMode = dmGlyphOnly"
            out.append(line)
            if stripped.startswith("Hint ="):
                out.extend(glyph_lines(glyphs[button], line[: len(line) - len(line.lstrip())]))
            continue
        out.append(line)
    with open(FORM, "w", newline="") as f:
        f.write(eol.join(out))


def main():
    glyphs = {}
    for button, name, draw in BUTTONS:
        data = bmp24(two_images(draw()))
        write_resource(RES, name, data)
        glyphs[button] = data
    store_in_form(glyphs)


if __name__ == "__main__":
    main()
