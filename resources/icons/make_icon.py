#!/usr/bin/env python3
"""Draws the program icon, a white die on the red octagonal board, in the
16-colour palette at 32x32 and 16x16, and writes it as:

zarvelin.ico          both images, 4 bits per pixel with a transparency mask (Windows)
zarvelin_32.xpm, zarvelin_16.xpm   the same images as C source (the FLTK window icon)
zarvelin_32.png, zarvelin_16.png   for the desktop's icon theme
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


def png(img):
    s = len(img)
    raw = b"".join(b"\0" + b"".join(
        bytes((0, 0, 0, 0)) if c is None else bytes(PALETTE[c] + (255,)) for c in row) for row in img)

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
            f.write(png(img))


if __name__ == "__main__":
    main()
