#!/usr/bin/env python3
"""Draws the program's icon, macrange.ico: 16 x 16, 32 x 32 and 48 x 48
images of 16 colours (4 bits per pixel, the standard VGA palette) with a
transparency mask.

The picture: a dark blue card with rounded corners holding three white rows
of address text, the last one highlighted in yellow, the run's end.

    python3 ui/resources/draw_icon.py [OUTPUT.ico]
"""
import struct
import sys

# The 16 colours every Windows display can show, as (R, G, B).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, WHITE, YELLOW = 0, 4, 15, 11
TRANSPARENT = None
SIZES = (16, 32, 48)


def inside_rounded_square(x, y, size, radius):
    """Whether the pixel centre (x + .5, y + .5) lies in the rounded square."""
    cx, cy = x + 0.5, y + 0.5
    lo, hi = radius, size - radius
    dx = lo - cx if cx < lo else (cx - hi if cx > hi else 0.0)
    dy = lo - cy if cy < lo else (cy - hi if cy > hi else 0.0)
    return dx * dx + dy * dy <= radius * radius


def pixel(x, y, size):
    """The palette index of one pixel, or TRANSPARENT."""
    radius = size / 6
    if not inside_rounded_square(x, y, size, radius):
        return TRANSPARENT
    unit = size / 16  # one pixel of the 16 x 16 design
    if not inside_rounded_square(x - unit, y - unit, size - 2 * unit, radius - unit):
        return BLACK  # the card's outline
    # Three rows of "text": each a run of short dashes, like groups of digits.
    rows = ((4, WHITE), (7, WHITE), (10, YELLOW))
    u, v = x / unit, y / unit
    for top, colour in rows:
        if top <= v < top + 2 and 2 <= u < 13:
            group = int(u - 2) % 3  # two digits, then a gap for the colon
            return colour if group != 2 else NAVY
    return NAVY


def image(size):
    """One icon image: BITMAPINFOHEADER, palette, 4-bit colours, 1-bit mask."""
    pixels = [[pixel(x, y, size) for x in range(size)] for y in range(size)]
    colour_row = (size * 4 + 31) // 32 * 4
    mask_row = (size + 31) // 32 * 4
    colours = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bitmaps are stored bottom-up
        row = bytearray(colour_row)
        bits = bytearray(mask_row)
        for x in range(size):
            p = pixels[y][x]
            if p is TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
                p = BLACK
            row[x // 2] |= p << (4 if x % 2 == 0 else 0)
        colours += row
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0,
                         len(colours) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(colours) + bytes(mask)


def icon_file():
    images = [image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else "macrange.ico"
    with open(target, "wb") as f:
        f.write(icon_file())


if __name__ == "__main__":
    main()
