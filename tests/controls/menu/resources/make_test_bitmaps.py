#!/usr/bin/env python3
"""Draws the bitmaps of the menu tests' toolbar resources.

Each picture is 16 x 15 on light grey (the button face colour of toolbar
bitmaps), with a 4 x 4 block of its own colour at (8, 8), a black 4 x 4 block
at (2, 2), a white pixel at (13, 2) and a dark grey pixel at (13, 4):

  toolbar16.bmp  16 colours, three pictures: red, green, blue blocks
  toolbar24.bmp  24 bits per pixel, two pictures: red, green blocks
  colors256.bmp  256 colours, one picture: red block

Run it from anywhere; it writes next to itself.
"""
import os
import struct

WIDTH, HEIGHT = 16, 15
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLOCKS = [(255, 0, 0), (0, 255, 0), (0, 0, 255)]


def picture_pixel(x, y, block):
    if 8 <= x < 12 and 8 <= y < 12:
        return block
    if 2 <= x < 6 and 2 <= y < 6:
        return (0, 0, 0)
    if (x, y) == (13, 2):
        return (255, 255, 255)
    if (x, y) == (13, 4):
        return (128, 128, 128)
    return (192, 192, 192)


def rows(count):
    """Pixel rows bottom-up of count pictures side by side."""
    for y in range(HEIGHT - 1, -1, -1):
        yield [picture_pixel(x % WIDTH, y, BLOCKS[x // WIDTH]) for x in range(WIDTH * count)]


def bmp(bits, width, palette, data):
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    header = struct.pack("<IiiHHIIiiII", 40, width, HEIGHT, 1, bits, 0, len(data), 2835, 2835,
                         len(palette), 0)
    offset = 14 + len(header) + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset) + header + table + data


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def indexed(count, bits, palette):
    data = b""
    for row in rows(count):
        indices = [palette.index(p) for p in row]
        if bits == 4:
            indices += [0] * (len(indices) % 2)
            packed = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        else:
            packed = bytes(indices)
        data += pad(packed)
    return bmp(bits, WIDTH * count, palette, data)


def truecolor(count):
    data = b"".join(pad(b"".join(struct.pack("<BBB", b, g, r) for (r, g, b) in row))
                    for row in rows(count))
    return bmp(24, WIDTH * count, [], data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    palette256 = VGA + [(i, i, i) for i in range(240)]
    files = {
        "toolbar16.bmp": indexed(3, 4, VGA),
        "toolbar24.bmp": truecolor(2),
        "colors256.bmp": indexed(1, 8, palette256),
    }
    for name, content in files.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(content)


if __name__ == "__main__":
    main()
