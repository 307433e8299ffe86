"""Writes screen pixels as a PNG file, with the standard library only."""

import struct
import zlib


def _chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data +
            struct.pack(">I", zlib.crc32(kind + data)))


def write_png(path, width, height, rgb):
    """Saves `rgb` (three bytes a pixel, rows from the top) as PNG."""
    stride = width * 3
    rows = b"".join(b"\0" + rgb[row * stride:(row + 1) * stride]
                    for row in range(height))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header) +
                   _chunk(b"IDAT", zlib.compress(rows)) + _chunk(b"IEND", b""))
