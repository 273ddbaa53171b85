#!/usr/bin/env python3
"""Draw the Kestrane application icon and write it as a Windows .ico file.

The icon holds 16 x 16, 32 x 32 and 48 x 48 images, each a classic 8-bit
palettised DIB with a 1-bit AND mask: the plain form that any Windows
version and any resource compiler reads.  A 256 x 256 image follows as a
PNG with an alpha channel, which Windows Vista and later read in an icon
and use for large views and high DPI.

The artwork is a kestrel's head on a processor chip.  Shapes are laid out
on a 16-unit grid and drawn at every size on its own, never scaled from
another image.  The palettised sizes sample each shape at the centre of
every pixel, with hard edges and no resampling blur.  The 256 image
measures how much of each pixel every shape covers, so its edges are
smooth.

Runs with the Python 3 standard library only.  The pixels are the same on
every run and every machine; the PNG's compressed bytes depend only on the
zlib that Python links (zlib 1.2.13 made the committed file):

    python3 tools/make_icon.py app/res/Kestrane.ico
"""

import math
import struct
import sys
import zlib

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

PALETTED_SIZES = (16, 32, 48)
PNG_SIZE = 256


# --- spans: sorted, disjoint [x0, x1) intervals along one line ---

def span_union(a, b):
    out = []
    for x0, x1 in sorted(a + b):
        if out and x0 <= out[-1][1]:
            if x1 > out[-1][1]:
                out[-1] = (out[-1][0], x1)
        else:
            out.append((x0, x1))
    return out


def span_both(a, b):
    out = []
    i = j = 0
    while i < len(a) and j < len(b):
        x0, x1 = max(a[i][0], b[j][0]), min(a[i][1], b[j][1])
        if x0 < x1:
            out.append((x0, x1))
        if a[i][1] < b[j][1]:
            i += 1
        else:
            j += 1
    return out


def span_minus(a, b):
    out = []
    for x0, x1 in a:
        for h0, h1 in b:
            if h1 <= x0 or h0 >= x1:
                continue
            if h0 > x0:
                out.append((x0, h0))
            x0 = max(x0, h1)
            if x0 >= x1:
                break
        if x0 < x1:
            out.append((x0, x1))
    return out


# --- shapes in grid units, y pointing down ---
#
# Calling a shape with a point says whether it is inside: the palettised
# sizes use that.  spans(y) gives the shape's extent along the line at y:
# the 256 image uses that to measure coverage.  The names stay lower-case
# so that the drawing reads as a list of figures.

class Shape:
    def __call__(self, x, y):
        raise NotImplementedError

    def spans(self, y):
        raise NotImplementedError


class rect(Shape):
    def __init__(self, x0, y0, x1, y1):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1

    def __call__(self, x, y):
        return self.x0 <= x < self.x1 and self.y0 <= y < self.y1

    def spans(self, y):
        return [(self.x0, self.x1)] if self.y0 <= y < self.y1 else []


class circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def __call__(self, x, y):
        return (x - self.cx) ** 2 + (y - self.cy) ** 2 <= self.r * self.r

    def spans(self, y):
        d = self.r * self.r - (y - self.cy) ** 2
        if d <= 0:
            return []
        h = math.sqrt(d)
        return [(self.cx - h, self.cx + h)]


class ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry

    def __call__(self, x, y):
        return ((x - self.cx) / self.rx) ** 2 + ((y - self.cy) / self.ry) ** 2 <= 1.0

    def spans(self, y):
        t = 1.0 - ((y - self.cy) / self.ry) ** 2
        if t <= 0:
            return []
        h = self.rx * math.sqrt(t)
        return [(self.cx - h, self.cx + h)]


class polygon(Shape):
    # Even-odd rule; good enough for the simple outlines used here.
    def __init__(self, points):
        n = len(points)
        self.edges = [(points[i], points[(i + 1) % n]) for i in range(n)]

    def crossings(self, y):
        for (x0, y0), (x1, y1) in self.edges:
            if (y0 > y) != (y1 > y):
                yield x0 + (y - y0) * (x1 - x0) / (y1 - y0)

    def __call__(self, x, y):
        hit = False
        for cx in self.crossings(y):
            if x < cx:
                hit = not hit
        return hit

    def spans(self, y):
        xs = sorted(self.crossings(y))
        return span_union([(xs[i], xs[i + 1]) for i in range(0, len(xs), 2)], [])


class union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes

    def __call__(self, x, y):
        return any(s(x, y) for s in self.shapes)

    def spans(self, y):
        out = []
        for s in self.shapes:
            out = span_union(out, s.spans(y))
        return out


class minus(Shape):
    def __init__(self, shape, *holes):
        self.shape, self.holes = shape, holes

    def __call__(self, x, y):
        return self.shape(x, y) and not any(h(x, y) for h in self.holes)

    def spans(self, y):
        out = self.shape.spans(y)
        for h in self.holes:
            out = span_minus(out, h.spans(y))
        return out


class both(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def __call__(self, x, y):
        return self.a(x, y) and self.b(x, y)

    def spans(self, y):
        return span_both(self.a.spans(y), self.b.spans(y))


class eroded(Shape):
    """The points that stay inside shape when moved a distance w along each
    of the unit vectors dirs: the shape shrunk by w from those sides."""

    def __init__(self, shape, w, dirs):
        self.shape, self.w, self.dirs = shape, w, dirs

    def __call__(self, x, y):
        return all(self.shape(x + self.w * dx, y + self.w * dy) for dx, dy in self.dirs)

    def spans(self, y):
        out = None
        for dx, dy in self.dirs:
            moved = [(x0 - self.w * dx, x1 - self.w * dx) for x0, x1 in self.shape.spans(y + self.w * dy)]
            out = moved if out is None else span_both(out, moved)
        return out or []


FOUR_SIDES = ((1, 0), (-1, 0), (0, 1), (0, -1))


class Canvas:
    """Palette-index raster addressed in 16-unit grid coordinates."""

    def __init__(self, size):
        self.size = size
        self.unit = size / 16.0
        self.line = 1.0 / self.unit  # outlines are one device pixel wide
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

    def outline(self, m, colour, sides=FOUR_SIDES):
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


class SmoothCanvas:
    """Straight-alpha RGBA raster with antialiased edges: each pixel row is
    cut into ROWS lines, and along each line the visible part of every
    shape is measured exactly."""

    ROWS = 16

    def __init__(self, size):
        self.size = size
        self.unit = size / 16.0
        # A device pixel would all but vanish at this size; a quarter unit
        # (4 px) reads as a firm line without eating into the shapes.
        self.line = 0.25
        self.layers = []

    def fill(self, shape, colour):
        self.layers.append((shape, colour))
        return shape

    def outline(self, shape, colour, sides=FOUR_SIDES):
        # The eight compass directions give a line of even width on slopes
        # too; those with a part along a side that gets no line are left out.
        skipped = [s for s in FOUR_SIDES if s not in sides]
        dirs = []
        for k in range(8):
            a = k * math.pi / 4
            d = (round(math.cos(a), 12), round(math.sin(a), 12))
            if all(d[0] * sx + d[1] * sy <= 0 for sx, sy in skipped):
                dirs.append(d)
        self.layers.append((minus(shape, eroded(shape, self.line, dirs)), colour))

    def rgba(self):
        n, u, rows = self.size, self.unit, self.ROWS
        out = []
        for j in range(n):
            # Colour times covered length, and covered length, per pixel; the
            # parts that span whole pixels go in as differences, summed once.
            acc = [[0.0] * 4 for _ in range(n)]
            runs = [[0.0] * 4 for _ in range(n + 1)]
            for s in range(rows):
                y = (j + (s + 0.5) / rows) / u
                covered = []
                for shape, colour in reversed(self.layers):
                    mine = span_both([(x0 * u, x1 * u) for x0, x1 in shape.spans(y)], [(0.0, float(n))])
                    r, g, b = PALETTE[colour]
                    for x0, x1 in span_minus(mine, covered):
                        add(acc, runs, x0, x1, (r, g, b, 1.0))
                    covered = span_union(covered, mine)
            whole = [0.0] * 4
            row = bytearray()
            for i in range(n):
                whole = [w + d for w, d in zip(whole, runs[i])]
                r, g, b, a = (p + w for p, w in zip(acc[i], whole))
                if a <= 1e-9:
                    row += b"\0\0\0\0"
                    continue
                row += bytes((byte(r / a), byte(g / a), byte(b / a), byte(255 * a / rows)))
            out.append(bytes(row))
        return out


def add(acc, runs, x0, x1, value):
    i0, i1 = int(x0), int(x1)
    if i0 == i1:
        for k in range(4):
            acc[i0][k] += value[k] * (x1 - x0)
        return
    for k in range(4):
        acc[i0][k] += value[k] * (i0 + 1 - x0)
        if i1 < len(acc):
            acc[i1][k] += value[k] * (x1 - i1)
        runs[i0 + 1][k] += value[k]
        runs[i1][k] -= value[k]


def byte(v):
    return max(0, min(255, int(v + 0.5)))


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


def draw(c):
    big = c.size >= 32

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
    # Clip the neck to the inside of the package edge.
    d = c.line
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

    # Eye: dark with a yellow ring; the glint only fits from 32 px.
    if big:
        c.fill(circle(10.1, 5.4, 1.45), YELLOW)
        c.fill(circle(10.1, 5.4, 1.0), EYE)
        c.fill(circle(9.75, 5.05, 0.35), GLINT)
    else:
        c.fill(rect(10, 5, 11, 6), EYE)
    return c


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


def png(rows):
    """8-bit RGBA PNG, top-down, each row with the filter that leaves the
    smallest differences (the usual rule of thumb for deflate)."""
    n = len(rows)
    raw = bytearray()
    above = bytes(4 * n)
    for row in rows:
        raw += min((filtered(t, row, above) for t in range(5)), key=lambda f: sum(min(v, 256 - v) for v in f[1:]))
        above = row

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", n, n, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def filtered(kind, row, above):
    out = bytearray([kind])
    for i, x in enumerate(row):
        a = row[i - 4] if i >= 4 else 0
        b = above[i]
        c = above[i - 4] if i >= 4 else 0
        if kind == 0:
            p = 0
        elif kind == 1:
            p = a
        elif kind == 2:
            p = b
        elif kind == 3:
            p = (a + b) // 2
        else:
            pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
            p = a if pa <= pb and pa <= pc else b if pb <= pc else c
        out.append((x - p) & 0xFF)
    return bytes(out)


def ico(images):
    """images: (size, bits per pixel, encoded image) in directory order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, blob in images:
        # A width or height byte of 0 means 256.
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blob for _, _, blob in images)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_icon.py OUTPUT.ico\n")
        return 2
    images = [(s, 8, dib(draw(Canvas(s)).px)) for s in PALETTED_SIZES]
    images.append((PNG_SIZE, 32, png(draw(SmoothCanvas(PNG_SIZE)).rgba())))
    with open(argv[1], "wb") as f:
        f.write(ico(images))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
