#!/usr/bin/env python3
"""Draws the program icon, a white die on the red octagonal board, in the
16-colour palette at 32x32 and 16x16, and writes it as:

zarvelin.ico          both images, 4 bits per pixel with a transparency mask (Windows)
zarvelin_32.xpm, zarvelin_16.xpm   the same images as C source (the FLTK window icon)
zarvelin_32.png, zarvelin_16.png   for the desktop's icon theme

The desktop's icon theme also gets the picture at 48x48 and 256x256, drawn
afresh at that size from the same shapes with smooth edges, rather than the
32-pixel picture blown up: zarvelin_48.png, zarvelin_256.png.
"""
import os
import struct
import sys
import zlib

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
CLEAR, BLACK, MAROON, PURPLE, GREY, WHITE = None, 0, 1, 5, 8, 15


def picture(size):
    s = size
    cut = s * 9 // 32
    img = [[CLEAR] * s for _ in range(s)]

    def inside_octagon(x, y, inset):
        lo, hi = inset, s - 1 - inset
        if not (lo <= x <= hi and lo <= y <= hi):
            return False
        c = cut - inset // 2
        return (x - lo) + (y - lo) >= c and (hi - x) + (y - lo) >= c and \
            (x - lo) + (hi - y) >= c and (hi - x) + (hi - y) >= c

    for y in range(s):
        for x in range(s):
            if inside_octagon(x, y, 0):
                img[y][x] = WHITE
            if inside_octagon(x, y, 1 if s == 16 else 2):
                img[y][x] = MAROON
    # The die, with a grey shadow to the lower right.
    d0, d1 = s * 8 // 32, s * 23 // 32
    for y in range(d0 + 1, d1 + 2):
        for x in range(d0 + 1, d1 + 2):
            img[y][x] = GREY
    for y in range(d0, d1 + 1):
        for x in range(d0, d1 + 1):
            edge = x in (d0, d1) or y in (d0, d1)
            img[y][x] = BLACK if edge else WHITE
    # Five pips on the big icon, three on the small one.
    span = d1 - d0
    pip = 3 if s == 32 else 1
    spots = [(0.25, 0.25), (0.5, 0.5), (0.75, 0.75)]
    if s == 32:
        spots += [(0.75, 0.25), (0.25, 0.75)]
    for fx, fy in spots:
        cx, cy = d0 + round(span * fx), d0 + round(span * fy)
        for y in range(cy - pip // 2, cy - pip // 2 + pip):
            for x in range(cx - pip // 2, cx - pip // 2 + pip):
                img[y][x] = PURPLE if s == 32 else BLACK
    return img


def smooth_picture(size, samples=4):
    """The icon's shapes in a unit square, each pixel the mean of samples x
    samples points: a list of rows of (r, g, b, alpha)."""
    root2 = 2 ** 0.5
    cut = 9 / 32
    rim = 1.5 / 32
    die0, die1, corner = 8 / 32, 24 / 32, 1.5 / 32
    border, shadow = 0.9 / 32, 1.2 / 32
    pip_radius = 1.6 / 32

    def in_octagon(x, y, inset):
        if not (inset <= x <= 1 - inset and inset <= y <= 1 - inset):
            return False
        least = cut + inset * (root2 - 1)
        return min(x + y, 1 - x + y, x + 1 - y, 2 - x - y) >= least

    def in_die(x, y, inset=0.0, offset=0.0):
        lo, hi, r = die0 + inset + offset, die1 - inset + offset, corner - inset
        if not (lo <= x <= hi and lo <= y <= hi):
            return False
        dx = max(lo + r - x, 0, x - (hi - r))
        dy = max(lo + r - y, 0, y - (hi - r))
        return dx * dx + dy * dy <= r * r

    span = die1 - die0
    pips = [(die0 + span * fx, die0 + span * fy)
            for fx, fy in ((0.25, 0.25), (0.5, 0.5), (0.75, 0.75), (0.75, 0.25), (0.25, 0.75))]

    def colour(x, y):
        if any((x - px) ** 2 + (y - py) ** 2 <= pip_radius ** 2 for px, py in pips):
            return PURPLE
        if in_die(x, y, inset=border):
            return WHITE
        if in_die(x, y):
            return BLACK
        if in_die(x, y, offset=shadow):
            return GREY
        if in_octagon(x, y, rim):
            return MAROON
        return WHITE if in_octagon(x, y, 0) else CLEAR

    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total, covered = [0, 0, 0], 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c is not CLEAR:
                        covered += 1
                        total = [t + v for t, v in zip(total, PALETTE[c])]
            if covered:
                row.append(tuple(round(t / covered) for t in total) + (round(255 * covered / samples ** 2),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def ico(images):
    head = struct.pack("<HHH", 0, 1, len(images))
    blobs = []
    for img in images:
        s = len(img)
        info = struct.pack("<IiiHHIIiiII", 40, s, 2 * s, 1, 4, 0, 0, 0, 0, 16, 0)
        pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
        xor = b""
        mask = b""
        for row in reversed(img):  # bottom-up
            line = bytearray()
            for x in range(0, s, 2):
                a, b = (row[x] or 0), (row[x + 1] or 0)
                line.append(a << 4 | b)
            xor += bytes(line) + b"\0" * (-len(line) % 4)
            bits = bytearray((s + 7) // 8)
            for x in range(s):
                if row[x] is None:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits) + b"\0" * (-len(bits) % 4)
        blobs.append(info + pal + xor + mask)
    offset = len(head) + 16 * len(images)
    entries = b""
    for img, blob in zip(images, blobs):
        s = len(img)
        entries += struct.pack("<BBBBHHII", s % 256, s % 256, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return head + entries + b"".join(blobs)


def xpm(img, name):
    used = sorted({c for row in img for c in row if c is not None})
    keys = {c: "0123456789abcdef"[c] for c in used}
    lines = ['"%d %d %d 1",' % (len(img), len(img), len(used) + 1), '"  c None",']
    lines += ['"%s c #%02x%02x%02x",' % ((keys[c],) + PALETTE[c]) for c in used]
    lines += ['"%s",' % "".join(" " if c is None else keys[c] for c in row) for row in img]
    lines[-1] = lines[-1].rstrip(",")
    return "/* XPM */\nstatic const char* %s[] = {\n%s\n};\n" % (name, "\n".join(lines))


def palette_rgba(img):
    return [[(0, 0, 0, 0) if c is None else PALETTE[c] + (255,) for c in row] for row in img]


def png(rgba):
    s = len(rgba)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rgba)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", s, s, 8, 6, 0, 0, 0)) + \
        chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    big, small = picture(32), picture(16)
    with open(os.path.join(folder, "zarvelin.ico"), "wb") as f:
        f.write(ico([big, small]))
    for img, size in ((big, 32), (small, 16)):
        with open(os.path.join(folder, "zarvelin_%d.xpm" % size), "w") as f:
            f.write(xpm(img, "zarvelin_%d_xpm" % size))
        with open(os.path.join(folder, "zarvelin_%d.png" % size), "wb") as f:
            f.write(png(palette_rgba(img)))
    for size in (48, 256):
        with open(os.path.join(folder, "zarvelin_%d.png" % size), "wb") as f:
            f.write(png(smooth_picture(size)))


if __name__ == "__main__":
    main()
