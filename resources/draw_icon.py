#!/usr/bin/env python3
"""Draws Sonvella's icon, a white loudspeaker sending out two sound waves on
a blue rounded square, and writes it as Sonvella.ico next to this script:
nine square images of 256, 128, 96, 72, 64, 48, 32, 24 and 16 pixels, each
stored as a 32-bit PNG with alpha, which Windows reads in icons since Vista
(the program needs Windows 7). Only the standard library."""

import math
import struct
import zlib
from pathlib import Path

SIZES = (256, 128, 96, 72, 64, 48, 32, 24, 16)
SAMPLES = 4  # per pixel and axis, for smooth edges

TOP_COLOUR = (0x2F, 0x8C, 0xF0)
BOTTOM_COLOUR = (0x10, 0x3E, 0x9E)
GLYPH_COLOUR = (0xFF, 0xFF, 0xFF)

# The artwork in a unit square, x to the right and y downwards.
TILE_MARGIN = 0.03
TILE_RADIUS = 0.2
WAVE_CENTRE = (0.47, 0.5)
WAVES = ((0.15, 0.21), (0.27, 0.33))  # inner and outer radius of each arc
WAVE_HALF_ANGLE = math.radians(48)


def in_tile(x, y):
    low, high = TILE_MARGIN, 1 - TILE_MARGIN
    nearest_x = min(max(x, low + TILE_RADIUS), high - TILE_RADIUS)
    nearest_y = min(max(y, low + TILE_RADIUS), high - TILE_RADIUS)
    return (x - nearest_x) ** 2 + (y - nearest_y) ** 2 <= TILE_RADIUS**2


def in_speaker(x, y):
    if 0.2 <= x <= 0.33 and 0.4 <= y <= 0.6:  # the magnet
        return True
    if 0.33 <= x <= 0.5:  # the cone widens from 0.2 to 0.52 high
        half = 0.1 + (x - 0.33) / 0.17 * 0.16
        return abs(y - 0.5) <= half
    return False


def in_wave(x, y):
    dx, dy = x - WAVE_CENTRE[0], y - WAVE_CENTRE[1]
    if dx <= 0 or abs(math.atan2(dy, dx)) > WAVE_HALF_ANGLE:
        return False
    distance = math.hypot(dx, dy)
    return any(inner <= distance <= outer for inner, outer in WAVES)


def pixel(size, column, row):
    """Straight-alpha RGBA of one pixel, averaged over its samples."""
    covered = 0
    totals = [0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        y = (row + (sy + 0.5) / SAMPLES) / size
        for sx in range(SAMPLES):
            x = (column + (sx + 0.5) / SAMPLES) / size
            if not in_tile(x, y):
                continue
            covered += 1
            if in_speaker(x, y) or in_wave(x, y):
                colour = GLYPH_COLOUR
            else:
                colour = [t + (b - t) * y for t, b in zip(TOP_COLOUR, BOTTOM_COLOUR)]
            for i in range(3):
                totals[i] += colour[i]
    if covered == 0:
        return (0, 0, 0, 0)
    alpha = round(255 * covered / SAMPLES**2)
    return tuple(round(t / covered) for t in totals) + (alpha,)


def draw(size):
    """Rows of RGBA pixels, top row first."""
    return [[pixel(size, column, row) for column in range(size)] for row in range(size)]


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + bytes(channel for p in row for channel in p) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b"")
    )


def icon():
    images = [png(size, draw(size)) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(SIZES))
    offset = len(directory) + 16 * len(SIZES)
    for size, image in zip(SIZES, images):
        side = size if size < 256 else 0  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


if __name__ == "__main__":
    (Path(__file__).resolve().parent / "Sonvella.ico").write_bytes(icon())
