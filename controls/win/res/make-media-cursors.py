#!/usr/bin/env python3
"""Draws the multimedia controls' cursors 2001 to 2031 and writes them as
32 x 32 monochrome .cur files (media2001.cur ... media2031.cur) beside this
script, with MediaCursors.rc naming them by number. The family:
  2001-2016  an arrow pointing in one of sixteen directions (north first,
             then clockwise in steps of 22.5 degrees), hot spot at the tip;
  2017-2024  a double arrow along one of eight axes (vertical first, then
             clockwise), hot spot in the middle;
  2025       four arrows (move), 2026 cross hair, 2027 magnifier,
  2028       magnifier with plus, 2029 magnifier with minus,
  2030       pointing finger, 2031 hour glass.
Run it again after changing a drawing; the results are kept in the tree so
that the build needs no Python."""
import importlib.util
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", "..", ".."))
_spec = importlib.util.spec_from_file_location(
    "make_cursors", os.path.join(ROOT, "framework", "forms", "win", "res", "make-cursors.py"))
_fw = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(_fw)
SIZE, blank, outline, paste, cur_bytes = _fw.SIZE, _fw.blank, _fw.outline, _fw.paste, _fw.cur_bytes

C = 15.5  # centre of the 32 x 32 cell


def dot(img, x, y):
    xi, yi = math.floor(x + 0.5), math.floor(y + 0.5)
    if 0 <= xi < SIZE and 0 <= yi < SIZE:
        img[yi][xi] = "B"


def line(img, x0, y0, x1, y1, width=1):
    steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
    for i in range(steps + 1):
        t = i / steps
        x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
        for w in range(width):
            dot(img, x + w * 0.5, y)
            dot(img, x, y + w * 0.5)


def head(img, tip_x, tip_y, angle, length=6):
    """A filled arrow head at the tip, pointing along angle (radians, 0 = north)."""
    for k in range(length + 1):
        back_x = tip_x - math.sin(angle) * k
        back_y = tip_y + math.cos(angle) * k
        half = k * 0.6
        line(img, back_x - math.cos(angle) * half, back_y - math.sin(angle) * half,
             back_x + math.cos(angle) * half, back_y + math.sin(angle) * half)


def point(angle, r):
    return C + math.sin(angle) * r, C - math.cos(angle) * r


def shaft(img, step, both_ends):
    """A line through the centre along the step's angle with a head at its
    tip (and at its tail for both_ends); returns the tip."""
    a = math.radians(step * 22.5)
    tx, ty = point(a, 13)
    bx, by = point(a, -13)
    line(img, bx, by, tx, ty, 2)
    head(img, tx, ty, a)
    if both_ends:
        head(img, bx, by, a + math.pi)
    return tx, ty


def arrow(step):
    img = blank()
    tx, ty = shaft(img, step, False)
    outline(img)
    return img, (min(SIZE - 1, max(0, math.floor(tx + 0.5))), min(SIZE - 1, max(0, math.floor(ty + 0.5))))


def double_arrow(step):
    img = blank()
    shaft(img, step, True)
    outline(img)
    return img, (15, 15)


def move():
    img = blank()
    shaft(img, 0, True)
    shaft(img, 4, True)
    outline(img)
    return img, (15, 15)


def cross_hair():
    img = blank()
    line(img, 15, 2, 15, 12)
    line(img, 15, 18, 15, 29)
    line(img, 2, 15, 12, 15)
    line(img, 18, 15, 29, 15)
    outline(img)
    return img, (15, 15)


def magnifier(sign):
    img = blank()
    cx, cy, r = 12.0, 12.0, 8.0
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if d <= r + 0.5:
                img[y][x] = "B" if d >= r - 1.0 else "W"
    line(img, 18, 18, 28, 28, 3)
    if sign:
        line(img, 8, 12, 16, 12)
    if sign == "+":
        line(img, 12, 8, 12, 16)
    outline(img)
    return img, (12, 12)


FINGER = """
     XX
    XooX
    XooX
    XooX
    XooXXX
    XooXooXX
 XX XooXooXoXX
XooXXooXooXooX
XoooXoooooooooX
 XooXoooooooooX
  XoXoooooooooX
  XooooooooooX
   XoooooooooX
   XooooooooX
    XoooooooX
    XXXXXXXXX
"""

GLASS = """
XXXXXXXXXXX
XoooooooooX
 XoooooooX
  XoXoXoX
   XoXoX
    XoX
    XoX
   XoooX
  XoooooX
 XoooXoooX
XoooXoXoooX
XXXXXXXXXXX
"""


def finger():
    img = blank()
    paste(img, FINGER, 8, 6)
    return img, (13, 7)


def hour_glass():
    img = blank()
    paste(img, GLASS, 10, 9)
    return img, (15, 15)


def main():
    cursors = [arrow(s) for s in range(16)] + [double_arrow(s) for s in range(8)]
    cursors += [move(), cross_hair(), magnifier(None), magnifier("+"), magnifier("-"), finger(), hour_glass()]
    assert len(cursors) == 31
    rc = ["// The multimedia controls' cursors 2001-2031, drawn by make-media-cursors.py;",
          "// installed as the screen's cursors with the same numbers at start-up."]
    for number, (img, hotspot) in enumerate(cursors, start=2001):
        name = "media%d.cur" % number
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(cur_bytes(img, hotspot))
        rc.append('%d CURSOR "%s"' % (number, name))
    with open(os.path.join(HERE, "MediaCursors.rc"), "w") as f:
        f.write("\n".join(rc) + "\n")


if __name__ == "__main__":
    main()
