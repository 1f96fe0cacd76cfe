#!/usr/bin/env python3
"""Draws src/bitmapa.bmp, the picture of the About dialog: a parabola
y = (x - 1)(x - 4) over a light grid, with its two real roots marked on
the x axis. 125 x 179 pixels, 24 bits per pixel, uncompressed, bottom-up.

    python3 scripts/make-bitmap.py src/bitmapa.bmp
"""
import math
import struct
import sys

WIDTH, HEIGHT = 125, 179
WHITE, GRID, AXIS = (255, 255, 255), (225, 232, 240), (60, 60, 60)
CURVE, ROOT = (30, 90, 200), (220, 0, 0)

# The visible part of the plane: x from -1 to 6, y from -3.5 to 9.
X_MIN, X_MAX, Y_MIN, Y_MAX = -1.0, 6.0, -3.5, 9.0
ROOTS = (1.0, 4.0)


def to_pixel(x, y):
    col = (x - X_MIN) / (X_MAX - X_MIN) * (WIDTH - 1)
    row = (Y_MAX - y) / (Y_MAX - Y_MIN) * (HEIGHT - 1)  # row 0 at the top
    return col, row


def main(path):
    image = [[WHITE] * WIDTH for _ in range(HEIGHT)]

    def plot(col, row, colour):
        c, r = int(round(col)), int(round(row))
        if 0 <= c < WIDTH and 0 <= r < HEIGHT:
            image[r][c] = colour

    def disc(col, row, radius, colour):
        for dr in range(-radius, radius + 1):
            for dc in range(-radius, radius + 1):
                if dr * dr + dc * dc <= radius * radius:
                    plot(col + dc, row + dr, colour)

    for gx in range(math.ceil(X_MIN), math.floor(X_MAX) + 1):
        col, _ = to_pixel(gx, 0)
        for row in range(HEIGHT):
            plot(col, row, GRID)
    for gy in range(math.ceil(Y_MIN), math.floor(Y_MAX) + 1):
        _, row = to_pixel(0, gy)
        for col in range(WIDTH):
            plot(col, row, GRID)

    origin_col, origin_row = to_pixel(0, 0)
    for col in range(WIDTH):
        plot(col, origin_row, AXIS)
    for row in range(HEIGHT):
        plot(origin_col, row, AXIS)

    # The curve, thick enough to read at this size.
    steps = 2000
    for i in range(steps + 1):
        x = X_MIN + (X_MAX - X_MIN) * i / steps
        y = (x - ROOTS[0]) * (x - ROOTS[1])
        col, row = to_pixel(x, y)
        disc(col, row, 1, CURVE)

    for root in ROOTS:
        col, row = to_pixel(root, 0)
        disc(col, row, 3, ROOT)

    row_size = (WIDTH * 3 + 3) // 4 * 4
    pixels = bytearray()
    for row in reversed(image):  # a BMP stores its bottom row first
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(row_size - len(line))
        pixels += line

    header_size = 14 + 40
    with open(path, "wb") as out:
        out.write(struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size))
        out.write(struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels), 2835, 2835, 0, 0))
        out.write(pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/bitmapa.bmp")
