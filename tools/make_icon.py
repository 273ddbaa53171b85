#!/usr/bin/env python3
"""Draw the Kestrane application icon and write it as a Windows .ico file.

The icon holds a 16 x 16 and a 32 x 32 image, each a classic 8-bit
palettised DIB with a 1-bit AND mask: the plain form that any Windows
version and any resource compiler reads.

The artwork is a kestrel's head on a processor chip.  Shapes are laid out
on a 16-unit grid and sampled at the centre of every pixel of the target
size, so each size is rasterised on its own, with hard edges and no
resampling blur.

Usage: python3 tools/make_icon.py app/res/Kestrane.ico
"""

import struct
import sys

# Palette.  Index 0 must stay black: transparent pixels use it, so that
# the XOR image adds nothing where the AND mask lets the screen through.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0  transparent / black
    (0x1E, 0x25, 0x2F),  # 1  chip edge
    (0x6E, 0x80, 0x95),  # 2  chip body
    (0x8F, 0xA0, 0xB3),  # 3  chip bevel
    (0xB9, 0xC2, 0xCC),  # 4  pins
    (0xE0, 0x7A, 0x26),  # 5  plumage, orange
    (0x7B, 0x3B, 0x12),  # 6  plumage, dark brown
    (0xF6, 0xE6, 0xC6),  # 7  cheek, cream
    (0x26, 0x2C, 0x36),  # 8  beak
    (0xF4, 0xC4, 0x2C),  # 9  cere and eye ring, yellow
    (0x14, 0x14, 0x14),  # 10 eye
    (0xFF, 0xFF, 0xFF),  # 11 eye glint
]
TRANSPARENT = 0
EDGE, BODY, BEVEL, PIN = 1, 2, 3, 4
ORANGE, BROWN, CREAM, BEAK, YELLOW, EYE, GLINT = 5, 6, 7, 8, 9, 10, 11


# --- shapes: predicates over a point (x, y) in grid units, y pointing down ---

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def polygon(points):
    # Even-odd ray casting; good enough for the simple outlines used here.
    def inside(x, y):
        hit = False
        n = len(points)
        for i in range(n):
            x0, y0 = points[i]
            x1, y1 = points[(i + 1) % n]
            if (y0 > y) != (y1 > y):
                if x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                    hit = not hit
        return hit
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, *holes):
    return lambda x, y: shape(x, y) and not any(h(x, y) for h in holes)


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


class Canvas:
    """Palette-index raster addressed in 16-unit grid coordinates."""

    def __init__(self, size):
        self.size = size
        self.unit = size / 16.0
        self.px = [[TRANSPARENT] * size for _ in range(size)]

    def mask(self, shape):
        u = self.unit
        return [[shape((i + 0.5) / u, (j + 0.5) / u) for i in range(self.size)]
                for j in range(self.size)]

    def fill(self, shape, colour):
        m = self.mask(shape)
        for j in range(self.size):
            for i in range(self.size):
                if m[j][i]:
                    self.px[j][i] = colour
        return m

    def outline(self, m, colour, sides=((1, 0), (-1, 0), (0, 1), (0, -1))):
        # One device pixel wide at every size, so edges stay sharp.
        n = self.size
        out = []
        for j in range(n):
            for i in range(n):
                if not m[j][i]:
                    continue
                for dx, dy in sides:
                    a, b = i + dx, j + dy
                    if not (0 <= a < n and 0 <= b < n) or not m[b][a]:
                        out.append((i, j))
                        break
        for i, j in out:
            self.px[j][i] = colour


def spline(points, steps=8):
    """Closed Catmull-Rom curve through points, flattened to a polygon."""
    out = []
    n = len(points)
    for i in range(n):
        p0, p1, p2, p3 = (points[(i + k) % n] for k in (-1, 0, 1, 2))
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(
                0.5 * (2 * p1[k] + (p2[k] - p0[k]) * t
                       + (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2
                       + (3 * p1[k] - p0[k] - 3 * p2[k] + p3[k]) * t3)
                for k in (0, 1)))
    return out


def draw(size):
    c = Canvas(size)
    big = size >= 32

    # The chip: a square package with pins; the right side is kept short
    # of pins where the beak juts out over it.
    side = [4.25, 6.25, 8.25, 10.25, 12.25] if big else [4.5, 7.5, 10.5]
    for p in side:
        c.fill(rect(0.0, p - 0.5, 2.0, p + 0.5), PIN)
        c.fill(rect(p - 0.5, 14.0, p + 0.5, 16.0), PIN)
        if p > 9:
            c.fill(rect(14.0, p - 0.5, 16.0, p + 0.5), PIN)
    chip = rect(1.5, 1.5, 14.5, 14.5)
    m = c.fill(chip, BODY)
    if big:
        # A lit top-left bevel makes the package read as raised.
        c.fill(minus(chip, rect(2.5, 2.5, 15, 15)), BEVEL)
    c.outline(m, EDGE)
    if big:
        # Pin-one marker in the free corner.
        c.fill(circle(3.6, 3.6, 0.6), PIN)

    # The kestrel's head in profile, facing right; the neck runs off the
    # bottom of the package.
    head = polygon(spline([
        (3.8, 14.5), (4.7, 12.6), (5.0, 10.8), (4.4, 8.6), (4.6, 6.2),
        (5.8, 4.3), (7.8, 3.1), (10.0, 2.9), (12.0, 3.5), (13.2, 5.0),
        (13.2, 7.0), (12.4, 8.6), (11.6, 10.2), (11.8, 12.4), (12.6, 14.5),
    ]))
    # Clip the neck to the inside of the package edge, whose width is one
    # device pixel at either size.
    d = 1.0 / c.unit
    head = both(head, rect(1.5 + d, 1.5 + d, 14.5 - d, 14.5 - d))
    hm = c.fill(head, ORANGE)
    c.fill(both(head, ellipse(12.2, 10.6, 2.0, 3.6)), CREAM)
    # The dark "moustache" under the eye is what marks a kestrel.
    if big:
        stripe = polygon([(9.6, 6.6), (11.0, 6.6), (10.8, 9.8),
                          (10.2, 10.6), (9.8, 9.8)])
    else:
        stripe = rect(10, 7, 11, 10)
    c.fill(both(head, stripe), BROWN)
    if big:
        # At 16 px an outline would swallow the face; orange on slate
        # separates well enough without one.  The neck is cut by the
        # package edge, so its bottom gets no line.
        c.outline(hm, BROWN, sides=((1, 0), (-1, 0), (0, -1)))

    # Hooked beak: yellow cere at the base, dark hook curling down.
    if big:
        beak = polygon(spline([
            (12.2, 4.4), (13.8, 4.5), (15.0, 5.4), (15.6, 7.0), (15.2, 8.9),
            (14.6, 7.8), (13.6, 7.3), (12.4, 7.4),
        ], 6))
        cere = rect(11.0, 3.0, 13.2, 6.0)
    else:
        # Hand-placed so the hook survives at this size.
        beak = union(rect(12, 4, 14, 7), rect(14, 5, 15, 8))
        cere = rect(12, 4, 13, 6)
    c.fill(beak, BEAK)
    c.fill(both(beak, cere), YELLOW)

    # Eye: dark with a yellow ring; the glint only fits at 32 px.
    if big:
        c.fill(circle(10.1, 5.4, 1.45), YELLOW)
        c.fill(circle(10.1, 5.4, 1.0), EYE)
        c.fill(circle(9.75, 5.05, 0.35), GLINT)
    else:
        c.fill(rect(10, 5, 11, 6), EYE)
    return c.px


# --- .ico encoding ---

def dib(px):
    """BITMAPINFOHEADER + palette + XOR rows + AND rows, all bottom-up."""
    n = len(px)
    xor_stride = (n + 3) & ~3
    and_stride = ((n + 31) // 32) * 4
    xor = bytearray()
    andm = bytearray()
    for row in reversed(px):
        xor += bytes(row) + b"\0" * (xor_stride - n)
        bits = bytearray(and_stride)
        for i, v in enumerate(row):
            if v == TRANSPARENT:
                bits[i // 8] |= 0x80 >> (i % 8)
        andm += bits
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 8, 0,
                         len(xor) + len(andm), 0, 0, 256, 0)
    pal = bytearray()
    for r, g, b in PALETTE + [(0, 0, 0)] * (256 - len(PALETTE)):
        pal += bytes((b, g, r, 0))
    return header + bytes(pal) + bytes(xor) + bytes(andm)


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, px in images:
        blob = dib(px)
        # A width or height byte of 0 would mean 256, so sizes stay below it.
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8,
                           len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_icon.py OUTPUT.ico\n")
        return 2
    data = ico([(s, draw(s)) for s in (16, 32)])
    with open(argv[1], "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
