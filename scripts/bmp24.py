"""Writes a 24-bit Windows bitmap from rows of (r, g, b) pixels, top row
first; shared by the scripts that draw the programs' images."""
import os
import struct


def bmp24(pixels):
    h, w = len(pixels), len(pixels[0])
    rows = []
    for y in reversed(range(h)):  # bottom-up
        line = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in pixels[y])
        line += b"\0" * ((4 - len(line) % 4) % 4)
        rows.append(line)
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return header + info + data


def canvas(size, colour):
    """A size x size image of one colour, as rows of pixels."""
    return [[colour] * size for _ in range(size)]


def rect(img, x0, y0, x1, y1, colour):
    """Fills the rectangle, both corners included."""
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def write_resource(subdir, name, data):
    """Writes a drawn image into a resource folder of the source tree."""
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(root, *subdir.split("/"))
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, name), "wb") as f:
        f.write(data)
