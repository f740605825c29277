#!/usr/bin/env python3
"""Draws Brenvale's program icon, a small camera, and writes it as brenvale.ico.

Three images, as Windows shows them in Explorer, the title bar and the task bar:
32x32 with 16 colours, 16x16 with 16 colours and 32x32 with 256 colours.
Run it again after changing the drawing:  python3 ui/make_icon.py ui/brenvale.ico
"""

import math
import struct
import sys

# The 16 colours of the standard Windows palette.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# The 256-colour palette: the 16 above, a 6x6x6 colour cube and 24 greys.
LEVELS = [0, 51, 102, 153, 204, 255]
RICH = (VGA + [(r, g, b) for r in LEVELS for g in LEVELS for b in LEVELS]
        + [(8 + 10 * i,) * 3 for i in range(24)])
assert len(RICH) == 256


def inside_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def camera(x, y, shaded):
    """The colour at (x, y) on a 32-unit square, or None where the icon is transparent."""
    lens_distance = math.hypot(x - 16, y - 18)
    if lens_distance <= 5.0:                                 # the glass of the lens
        if shaded:
            glow = max(0.0, 1.0 - math.hypot(x - 14, y - 16) / 5.0)
            return (int(20 + 120 * glow), int(40 + 140 * glow), int(120 + 135 * glow))
        if math.hypot(x - 14, y - 16) <= 1.6:
            return (255, 255, 255)                           # a highlight on the glass
        return (0, 0, 128)
    if lens_distance <= 7.5:                                 # the lens ring
        return (200, 200, 205) if shaded else (192, 192, 192)
    if 22 <= x < 27 and 11 <= y < 14:                        # the flash
        return (255, 250, 200) if shaded else (255, 255, 255)
    if 4 <= x < 9 and 6 <= y < 9:                            # the shutter release
        return (220, 30, 30) if shaded else (255, 0, 0)
    if inside_rounded(x, y, 1, 9, 31, 28, 3) or inside_rounded(x, y, 10, 5, 22, 12, 1.5):
        if shaded:                                           # the body, lit from above
            level = int(110 - 60 * (y - 5) / 23)
            return (level, level, level + 8)
        return (128, 128, 128) if y < 12 else (0, 0, 0) if y >= 26 else (128, 128, 128)
    return None


def nearest(colour, palette):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


def render(size, palette, shaded):
    """Rows top to bottom of (palette index, transparent) per pixel."""
    scale = 32.0 / size
    samples = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            hits = []
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    hits.append(camera(x, y, shaded))
            opaque = [c for c in hits if c is not None]
            if len(opaque) * 2 < len(hits):
                row.append((0, True))
                continue
            if shaded:   # smooth edges: the mean colour of the pixel
                colour = tuple(sum(c[i] for c in opaque) // len(opaque) for i in range(3))
            else:        # crisp edges: the colour covering most of the pixel
                colour = max(set(opaque), key=opaque.count)
            row.append((nearest(colour, palette), False))
        rows.append(row)
    return rows


def pack_bits(values, bits):
    """Packs small integers into bytes, most significant bits first; rows padded to 4 bytes."""
    out = bytearray()
    accumulator, filled = 0, 0
    for value in values:
        accumulator = (accumulator << bits) | value
        filled += bits
        if filled == 8:
            out.append(accumulator)
            accumulator, filled = 0, 0
    if filled:
        out.append(accumulator << (8 - filled))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def icon_image(size, palette, shaded):
    bits = 4 if len(palette) == 16 else 8
    rows = render(size, palette, shaded)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    colour_rows = b''.join(pack_bits([index for index, _ in row], bits) for row in reversed(rows))
    mask_rows = b''.join(pack_bits([1 if clear else 0 for _, clear in row], 1)
                         for row in reversed(rows))
    return header + colours + colour_rows + mask_rows, bits


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else 'brenvale.ico'
    images = [icon_image(32, VGA, False), icon_image(16, VGA, False), icon_image(32, RICH, True)]
    sizes = [32, 16, 32]
    offset = 6 + 16 * len(images)
    directory = struct.pack('<HHH', 0, 1, len(images))
    for (data, bits), size in zip(images, sizes):
        colour_count = 16 if bits == 4 else 0
        directory += struct.pack('<BBBBHHII', size, size, colour_count, 0, 1, bits, len(data),
                                 offset)
        offset += len(data)
    with open(target, 'wb') as out:
        out.write(directory + b''.join(data for data, _ in images))


if __name__ == '__main__':
    main()
