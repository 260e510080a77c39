#!/usr/bin/env python3
"""Draws Veskel's banner (banner.bmp) and icon (veskel.ico).

The pictures are vector drawings rendered here with signed distance fields, so
every edge is anti-aliased without any imaging library. Only the standard
library is used and the output is byte-for-byte reproducible: the resource
build uses the committed files, and `--check` verifies that they are exactly
what this script draws.

    make_art.py                 write banner.bmp and veskel.ico beside this script
    make_art.py --out DIR       write them into DIR
    make_art.py --check         exit 1 when the committed files differ
    make_art.py --preview DIR   also write PNG previews (for looking at them)

Banner: 240 x 70 pixels, 16 bits per pixel (5-5-5, BI_RGB), ordered dithering.
Icon: one 48 x 48 image with a 256-colour palette and a 1-bit transparency mask.
"""

import argparse
import math
import pathlib
import struct
import sys
import zlib

BANNER_W, BANNER_H = 240, 70
ICON_SIZE = 48

# --------------------------------------------------------------------------
# Colours


def rgb(hex_text):
    v = int(hex_text.lstrip("#"), 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255)


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# --------------------------------------------------------------------------
# Signed distance fields: negative inside, in pixels.


def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_round_box(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hw, hh = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def f(x, y):
        qx, qy = abs(x - cx) - hw, abs(y - cy) - hh
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r

    return f


def _segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else ((x - ax) * dx + (y - ay) * dy) / length2
    t = min(max(t, 0.0), 1.0)
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def sd_stroke(points, width):
    """A polyline drawn with a round pen of the given width."""
    half = width / 2
    pairs = list(zip(points, points[1:]))

    def f(x, y):
        return min(_segment_distance(x, y, a[0], a[1], b[0], b[1]) for a, b in pairs) - half

    return f


def sd_arc(cx, cy, r, a0, a1, width):
    """Circular arc from angle a0 to a1 (degrees, counter-clockwise, y up), round ends."""
    half = width / 2
    r0, r1 = math.radians(a0), math.radians(a1)
    e0 = (cx + r * math.cos(r0), cy - r * math.sin(r0))
    e1 = (cx + r * math.cos(r1), cy - r * math.sin(r1))
    span = r1 - r0

    def f(x, y):
        ang = math.atan2(-(y - cy), x - cx)
        rel = (ang - r0) % (2 * math.pi)
        if rel <= span:
            d = abs(math.hypot(x - cx, y - cy) - r)
        else:
            d = min(math.hypot(x - e0[0], y - e0[1]), math.hypot(x - e1[0], y - e1[1]))
        return d - half

    return f


def sd_polygon(points):
    n = len(points)

    def f(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            best = min(best, _segment_distance(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                inside = not inside
        return -best if inside else best

    return f


def sd_union(*fs):
    return lambda x, y: min(f(x, y) for f in fs)


def sd_intersect(a, b):
    return lambda x, y: max(a(x, y), b(x, y))


def sd_subtract(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def sd_grow(a, amount):
    return lambda x, y: a(x, y) - amount


def sd_transform(a, ox, oy, scale):
    """The shape a, drawn in a box of unit `scale` placed at (ox, oy)."""
    return lambda x, y: a((x - ox) / scale, (y - oy) / scale) * scale


# --------------------------------------------------------------------------
# Canvas with premultiplied colour and coverage-based anti-aliasing.


class Canvas:
    def __init__(self, width, height):
        self.w, self.h = width, height
        size = width * height
        self.r = [0.0] * size
        self.g = [0.0] * size
        self.b = [0.0] * size
        self.a = [0.0] * size

    def fill(self, sdf, paint, opacity=1.0, box=None):
        """Paints where sdf < 0; paint is a colour or a function (x, y) -> colour."""
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        x0, y0 = max(int(x0), 0), max(int(y0), 0)
        x1, y1 = min(int(math.ceil(x1)), self.w), min(int(math.ceil(y1)), self.h)
        solid = None if callable(paint) else paint
        for y in range(y0, y1):
            py = y + 0.5
            for x in range(x0, x1):
                px = x + 0.5
                cover = 0.5 - sdf(px, py)
                if cover <= 0.0:
                    continue
                alpha = min(cover, 1.0) * opacity
                c = solid if solid else paint(px, py)
                i = y * self.w + x
                keep = 1.0 - alpha
                self.r[i] = c[0] * alpha + self.r[i] * keep
                self.g[i] = c[1] * alpha + self.g[i] * keep
                self.b[i] = c[2] * alpha + self.b[i] * keep
                self.a[i] = alpha + self.a[i] * keep

    def pixel(self, x, y):
        """Straight (not premultiplied) colour and coverage of one pixel."""
        i = y * self.w + x
        a = self.a[i]
        if a <= 0.0:
            return (0.0, 0.0, 0.0, 0.0)
        return (self.r[i] / a, self.g[i] / a, self.b[i] / a, a)

    def over_background(self, x, y, back):
        i = y * self.w + x
        keep = 1.0 - self.a[i]
        return (self.r[i] + back[0] * keep, self.g[i] + back[1] * keep, self.b[i] + back[2] * keep)


# --------------------------------------------------------------------------
# The drive emblem, shared by the icon and the banner (drawn in a 48-unit box).

SILVER_TOP = rgb("#f4f7fa")
SILVER_BOTTOM = rgb("#b9c3cf")
FRAME = rgb("#3a4656")
PANEL_TOP = rgb("#4c5b6e")
PANEL_BOTTOM = rgb("#2c3643")
GRILLE = rgb("#1d242d")
LED = rgb("#5ee05a")
LED_GLOW = rgb("#c8ffb8")
SHIELD_TOP = rgb("#3d8ee6")
SHIELD_BOTTOM = rgb("#1a4fa3")
SHIELD_EDGE = rgb("#0e2f66")
WHITE = (255, 255, 255)


def shield_outline():
    """Points of a heraldic shield in the 48-unit box, upper right of the drive."""
    left, right, top = 24.0, 46.0, 3.0
    cx = (left + right) / 2
    points = [(left, top + 3.0), (cx, top), (right, top + 3.0), (right, top + 13.0)]
    # Right flank curving down to the point, then the left flank back up.
    steps = 10
    for i in range(1, steps + 1):
        t = i / steps
        points.append((right - (right - cx) * (t**1.6), top + 13.0 + 16.0 * math.sin(t * math.pi / 2)))
    for i in range(steps - 1, -1, -1):
        t = i / steps
        points.append((left + (cx - left) * (t**1.6), top + 13.0 + 16.0 * math.sin(t * math.pi / 2)))
    points.append((left, top + 13.0))
    return points


def draw_emblem(canvas, ox, oy, scale):
    def place(sdf):
        return sd_transform(sdf, ox, oy, scale)

    def box(x0, y0, x1, y1):
        return (ox + x0 * scale - 2, oy + y0 * scale - 2, ox + x1 * scale + 2, oy + y1 * scale + 2)

    def vertical(c0, c1, y0, y1):
        return lambda x, y: mix(c0, c1, ((y - oy) / scale - y0) / (y1 - y0))

    # Drive body: a silver case with a dark front panel.
    body = sd_round_box(2, 17, 46, 43, 4.5)
    canvas.fill(place(body), FRAME, box=box(2, 17, 46, 43))
    canvas.fill(place(sd_grow(body, -1.0)), vertical(SILVER_TOP, SILVER_BOTTOM, 17, 33),
                box=box(2, 17, 46, 43))
    panel = sd_intersect(sd_grow(body, -1.0), sd_round_box(0, 32, 48, 60, 0))
    canvas.fill(place(panel), vertical(PANEL_TOP, PANEL_BOTTOM, 32, 42), box=box(2, 31, 46, 43))
    # Highlight along the top edge of the case.
    canvas.fill(place(sd_stroke([(6.5, 19.2), (41.5, 19.2)], 1.0)), WHITE, 0.8, box=box(5, 18, 43, 21))
    # Grille slots and the activity light.
    for i in range(5):
        x = 7.0 + i * 3.2
        canvas.fill(place(sd_stroke([(x, 35.0), (x, 39.5)], 1.4)), GRILLE, box=box(x - 1, 34, x + 1, 41))
    canvas.fill(place(sd_circle(39.5, 37.2, 3.2)), LED, 0.25, box=box(35, 33, 44, 41))
    canvas.fill(place(sd_circle(39.5, 37.2, 1.9)), LED, box=box(36, 34, 43, 40))
    canvas.fill(place(sd_circle(39.0, 36.7, 0.7)), LED_GLOW, box=box(37, 35, 41, 39))
    # Screws of the case.
    for sx in (6.0, 42.0):
        canvas.fill(place(sd_circle(sx, 22.5, 1.1)), rgb("#8a96a5"), box=box(sx - 2, 21, sx + 2, 24))

    # Shield with an eye: policy decides which drives the user sees.
    shield = sd_polygon(shield_outline())
    canvas.fill(place(sd_grow(shield, 1.2)), WHITE, box=box(21, 0, 48, 36))
    canvas.fill(place(shield), SHIELD_EDGE, box=box(22, 1, 47, 35))
    canvas.fill(place(sd_grow(shield, -1.1)), vertical(SHIELD_TOP, SHIELD_BOTTOM, 3, 32),
                box=box(22, 1, 47, 35))
    # Gloss on the left half of the shield.
    gloss = sd_intersect(sd_grow(shield, -2.2), sd_round_box(0, 0, 35, 60, 0))
    canvas.fill(place(gloss), WHITE, 0.16, box=box(22, 1, 36, 35))
    # The eye: an almond of two circle arcs with an iris.
    ex, ey = 35.0, 15.8
    eye = sd_intersect(sd_circle(ex, ey + 5.2, 9.4), sd_circle(ex, ey - 5.2, 9.4))
    canvas.fill(place(eye), WHITE, box=box(26, 9, 44, 23))
    canvas.fill(place(sd_circle(ex, ey, 2.6)), SHIELD_EDGE, box=box(31, 12, 39, 20))
    canvas.fill(place(sd_circle(ex - 0.9, ey - 0.9, 0.8)), WHITE, box=box(32, 13, 36, 17))



# --------------------------------------------------------------------------
# Lettering: a geometric stroke font for the title, a 5 x 7 pixel font for small text.


def title_strokes(x, baseline, xh, asc, w):
    """Signed distance fields of "Veskel" starting at x; returns (shapes, end x)."""
    shapes = []
    half = w / 2
    # V
    vw = asc * 0.72
    shapes.append(sd_stroke([(x + half, baseline - asc + half), (x + vw / 2, baseline - half),
                             (x + vw - half, baseline - asc + half)], w))
    x += vw + w * 0.9
    # e
    r = (xh - w) / 2
    cx, cy = x + r + half, baseline - xh / 2
    shapes.append(sd_union(sd_arc(cx, cy, r, 0, 318, w), sd_stroke([(cx - r, cy), (cx + r, cy)], w)))
    x += 2 * r + w + w * 0.9
    # s
    rs = (xh - w) / 4
    sx = x + rs * 1.15 + half
    top_c, bottom_c = baseline - xh + half + rs, baseline - half - rs
    shapes.append(sd_union(sd_arc(sx, top_c, rs, 20, 270, w), sd_arc(sx, bottom_c, rs, -160, 90, w)))
    x += 2 * rs * 1.15 + w + w * 0.9
    # k
    kx = x + half
    shapes.append(sd_stroke([(kx, baseline - asc + half), (kx, baseline - half)], w))
    kr = kx + xh * 0.62
    mid = baseline - xh * 0.38
    shapes.append(sd_stroke([(kr, baseline - xh + half), (kx + half * 0.4, mid), (kr, baseline - half)], w))
    x = kr + half + w * 0.9
    # e
    cx = x + r + half
    shapes.append(sd_union(sd_arc(cx, cy, r, 0, 318, w), sd_stroke([(cx - r, cy), (cx + r, cy)], w)))
    x += 2 * r + w + w * 0.9
    # l
    lx = x + half
    shapes.append(sd_stroke([(lx, baseline - asc + half), (lx, baseline - half)], w))
    return shapes, lx + half


PIXEL_FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "I": ["111", "010", "010", "010", "010", "010", "111"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    " ": ["000", "000", "000", "000", "000", "000", "000"],
}


def pixel_text_width(text, spacing):
    return sum(len(PIXEL_FONT[ch][0]) + spacing for ch in text) - spacing


def draw_pixel_text(canvas, text, x, y, colour, opacity=1.0, spacing=1):
    for ch in text:
        rows = PIXEL_FONT[ch]
        for row, bits in enumerate(rows):
            for col, bit in enumerate(bits):
                if bit == "1":
                    px, py = x + col, y + row
                    canvas.fill(sd_round_box(px, py, px + 1, py + 1, 0), colour, opacity,
                                box=(px, py, px + 1, py + 1))
        x += len(rows[0]) + spacing


# --------------------------------------------------------------------------
# The banner


BANNER_TOP = rgb("#24578f")
BANNER_BOTTOM = rgb("#0f2a4d")
DIALOG_WHITE = (255, 255, 255)
SUBTITLE = rgb("#a9cbef")
BIT_ON = rgb("#7fb6ee")
BIT_FREE = rgb("#8ff08a")


def render_banner():
    c = Canvas(BANNER_W, BANNER_H)
    card = sd_round_box(0, 0, BANNER_W, BANNER_H, 7)

    def back(x, y):
        t = y / BANNER_H
        base = mix(BANNER_TOP, BANNER_BOTTOM, t)
        # A soft light from the upper left.
        glow = max(0.0, 1.0 - math.hypot((x - 40) / 150, (y + 10) / 70))
        return mix(base, rgb("#3c78b8"), glow * 0.55)

    c.fill(card, back)
    # Thin lighter rim along the card edge.
    c.fill(sd_subtract(card, sd_grow(card, -1.0)), rgb("#5d8fc7"), 0.6)
    # Faint concentric tracks behind the emblem, like those of a platter.
    for i, radius in enumerate((30, 38, 46, 54)):
        track = sd_subtract(sd_circle(34, 36, radius), sd_circle(34, 36, radius - 1.0))
        c.fill(sd_intersect(track, card), WHITE, 0.06 - i * 0.01)

    draw_emblem(c, 6.0, 6.0, 1.2)

    # Title with a soft shadow.
    shapes, end = title_strokes(76.0, 34.0, 15.0, 22.0, 3.4)
    for s in shapes:
        c.fill(sd_transform(s, 1.0, 1.6, 1.0), rgb("#061426"), 0.45, box=(70, 8, 200, 40))
    for s in shapes:
        c.fill(s, WHITE, box=(70, 8, 200, 40))

    draw_pixel_text(c, "DRIVE MASK CALCULATOR", 77, 42, SUBTITLE)

    # One square per drive letter A to Z: filled for a hidden drive, a green
    # outline for one that stays available.
    free = {2, 3, 4}
    for n in range(26):
        x = 77 + n * 6
        y = 56
        square = sd_round_box(x, y, x + 5, y + 5, 1.0)
        if n in free:
            c.fill(sd_subtract(square, sd_grow(square, -1.0)), BIT_FREE, box=(x, y, x + 5, y + 5))
        else:
            c.fill(square, BIT_ON, 0.55, box=(x, y, x + 5, y + 5))
    return c


BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def banner_bmp(canvas):
    """16 bits per pixel, 5-5-5 BI_RGB, bottom-up, ordered dithering to 5 bits."""
    row_bytes = (canvas.w * 2 + 3) & ~3
    rows = []
    for y in range(canvas.h - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.w):
            colour = canvas.over_background(x, y, DIALOG_WHITE)
            threshold = (BAYER4[y % 4][x % 4] + 0.5) / 16
            q = [min(int(v * 31 / 255 + threshold), 31) for v in colour]
            row += struct.pack("<H", (q[0] << 10) | (q[1] << 5) | q[2])
        row += bytes(row_bytes - len(row))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 16, 0, len(pixels), 3780, 3780,
                       0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def bmp555_to_rgb(data):
    """Decodes what banner_bmp wrote, top row first (for previews)."""
    width, height = struct.unpack_from("<ii", data, 18)
    offset = struct.unpack_from("<I", data, 10)[0]
    row_bytes = (width * 2 + 3) & ~3
    out = []
    for y in range(height):
        base = offset + (height - 1 - y) * row_bytes
        row = []
        for x in range(width):
            v = struct.unpack_from("<H", data, base + 2 * x)[0]
            row.append(tuple(((v >> s) & 31) * 255 // 31 for s in (10, 5, 0)))
        out.append(row)
    return out


# --------------------------------------------------------------------------
# The icon


def render_icon():
    c = Canvas(ICON_SIZE, ICON_SIZE)
    draw_emblem(c, 0.0, 0.0, 1.0)
    return c


def median_cut(colours, count):
    """Palette of at most `count` colours for a list of (colour, weight)."""
    boxes = [colours]
    while len(boxes) < count:
        best, best_range, best_channel = None, -1, 0
        for i, entries in enumerate(boxes):
            if len(entries) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c, _ in entries]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_channel = i, spread, ch
        if best is None or best_range == 0:
            break
        entries = sorted(boxes.pop(best), key=lambda e: (e[0][best_channel], e[0]))
        total = sum(w for _, w in entries)
        acc, split = 0, 1
        for j, (_, w) in enumerate(entries):
            acc += w
            if acc * 2 >= total:
                split = min(max(j + 1, 1), len(entries) - 1)
                break
        boxes += [entries[:split], entries[split:]]
    palette = []
    for entries in boxes:
        total = sum(w for _, w in entries)
        palette.append(tuple(round(sum(c[ch] * w for c, w in entries) / total) for ch in range(3)))
    return palette


def icon_pixels(canvas):
    """Opaque pixels as 8-bit colours (None where transparent)."""
    pixels = []
    for y in range(canvas.h):
        for x in range(canvas.w):
            r, g, b, a = canvas.pixel(x, y)
            if a < 0.5:
                pixels.append(None)
            else:
                # Edge pixels keep the colour of the shape; the mask gives the outline.
                pixels.append(tuple(min(max(int(v + 0.5), 0), 255) for v in (r, g, b)))
    return pixels


def icon_ico(canvas):
    pixels = icon_pixels(canvas)
    counts = {}
    for p in pixels:
        if p is not None:
            counts[p] = counts.get(p, 0) + 1
    colours = sorted(counts.items())
    palette = [c for c, _ in colours] if len(colours) <= 255 else median_cut(colours, 255)
    # Index 0 is black: the colour under the transparent pixels of an icon.
    palette = [(0, 0, 0)] + palette
    palette += [(0, 0, 0)] * (256 - len(palette))
    nearest = {}

    def index_of(colour):
        if colour not in nearest:
            nearest[colour] = min(
                range(1, 256),
                key=lambda i: (sum((palette[i][k] - colour[k]) ** 2 for k in range(3)), i))
        return nearest[colour]

    size = canvas.w
    xor_row = (size + 3) & ~3
    and_row = ((size + 31) // 32) * 4
    xor, mask = bytearray(), bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray()
        bits = bytearray(and_row)
        for x in range(size):
            p = pixels[y * size + x]
            if p is None:
                row.append(0)
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                row.append(index_of(p))
        row += bytes(xor_row - len(row))
        xor += row
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256,
                       0)
    colour_table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    image = info + colour_table + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def ico_to_rgba(data):
    """Decodes what icon_ico wrote, top row first (for previews)."""
    offset = struct.unpack_from("<I", data, 18)[0]
    width = struct.unpack_from("<i", data, offset + 4)[0]
    palette_at = offset + 40
    xor_at = palette_at + 1024
    xor_row = (width + 3) & ~3
    and_row = ((width + 31) // 32) * 4
    and_at = xor_at + xor_row * width
    out = []
    for y in range(width):
        src = width - 1 - y
        row = []
        for x in range(width):
            i = data[xor_at + src * xor_row + x]
            b, g, r = data[palette_at + 4 * i:palette_at + 4 * i + 3]
            clear = data[and_at + src * and_row + x // 8] & (0x80 >> (x % 8))
            row.append((r, g, b, 0 if clear else 255))
        out.append(row)
    return out


# --------------------------------------------------------------------------
# PNG previews


def write_png(path, rows, alpha, zoom=1):
    width, height = len(rows[0]) * zoom, len(rows) * zoom
    raw = bytearray()
    for row in rows:
        line = bytearray(b"\0")
        for p in row:
            line += bytes(p[:4] if alpha else p[:3]) * zoom
        raw += bytes(line) * zoom

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(
            ">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    path.write_bytes(png + chunk(b"IEND", b""))


# --------------------------------------------------------------------------


def build():
    return {"banner.bmp": banner_bmp(render_banner()), "veskel.ico": icon_ico(render_icon())}


def main(argv):
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=here, help="folder to write into")
    parser.add_argument("--check", action="store_true",
                        help="compare with the files in --out instead of writing them")
    parser.add_argument("--preview", type=pathlib.Path, help="also write PNG previews here")
    args = parser.parse_args(argv)

    files = build()
    if args.check:
        stale = [name for name, data in files.items()
                 if not (args.out / name).is_file() or (args.out / name).read_bytes() != data]
        for name in stale:
            print(f"{args.out / name} differs from what make_art.py draws; run make_art.py",
                  file=sys.stderr)
        if not stale:
            print("art is up to date: " + ", ".join(sorted(files)))
        return 1 if stale else 0

    args.out.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (args.out / name).write_bytes(data)
    if args.preview:
        args.preview.mkdir(parents=True, exist_ok=True)
        banner = bmp555_to_rgb(files["banner.bmp"])
        icon = ico_to_rgba(files["veskel.ico"])
        write_png(args.preview / "banner.png", banner, False)
        write_png(args.preview / "banner-x4.png", banner, False, 4)
        write_png(args.preview / "icon.png", icon, True)
        write_png(args.preview / "icon-x8.png", icon, True, 8)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
