#!/usr/bin/env python3
"""Draws the program's icon from one list of shapes: as SVG, and as PNG files
of the freedesktop sizes, rasterised here with 4 x 4 supersampling so that no
image tool is needed. Run it after changing a shape; the results are kept in
data/icons/."""
import os
import struct
import sys
import zlib

# Shapes on a 256 x 256 canvas, drawn in order: (kind, x, y, w, h, radius, colour).
TILE = "#1d5f7a"
INK = "#ffffff"
ACCENT = "#f29a2e"
SHAPES = [
    ("rect", 8, 8, 240, 240, 44, TILE),
    # Left bracket of a matrix.
    ("rect", 44, 52, 20, 152, 6, INK),
    ("rect", 44, 52, 44, 20, 6, INK),
    ("rect", 44, 184, 44, 20, 6, INK),
    # Right bracket.
    ("rect", 192, 52, 20, 152, 6, INK),
    ("rect", 168, 52, 44, 20, 6, INK),
    ("rect", 168, 184, 44, 20, 6, INK),
    # The entries: a 2 x 2 block of cells, one in the accent colour.
    ("rect", 90, 86, 34, 34, 8, INK),
    ("rect", 132, 86, 34, 34, 8, ACCENT),
    ("rect", 90, 136, 34, 34, 8, INK),
    ("rect", 132, 136, 34, 34, 8, INK),
]


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def inside(shape, x, y):
    _, sx, sy, w, h, r, _ = shape
    if x < sx or y < sy or x >= sx + w or y >= sy + h:
        return False
    # Distance to the nearest corner centre decides the rounded corners.
    cx = min(max(x, sx + r), sx + w - r)
    cy = min(max(y, sy + r), sy + h - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def render(size):
    scale = 256.0 / size
    rows = []
    n = 4
    for py in range(size):
        row = bytearray([0])
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) * scale
                    y = (py + (sy + 0.5) / n) * scale
                    colour = None
                    for shape in SHAPES:
                        if inside(shape, x, y):
                            colour = shape[6]
                    if colour is not None:
                        r, g, b = rgb(colour)
                        acc[0] += r
                        acc[1] += g
                        acc[2] += b
                        acc[3] += 1
            if acc[3] == 0:
                row += bytes(4)
            else:
                k = acc[3]
                row += bytes([round(acc[0] / k), round(acc[1] / k), round(acc[2] / k),
                              round(255 * k / (n * n))])
        rows.append(bytes(row))
    return rows


def png(size, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def svg():
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
             'viewBox="0 0 256 256">']
    for _, x, y, w, h, r, colour in SHAPES:
        parts.append(f'  <rect x="{x}" y="{y}" width="{w}" height="{h}" rx="{r}" '
                     f'fill="{colour}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "data", "icons")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "orvana.svg"), "w") as f:
        f.write(svg())
    for size in (16, 24, 32, 48, 64, 128, 256):
        with open(os.path.join(out, f"orvana-{size}.png"), "wb") as f:
            f.write(png(size, render(size)))


if __name__ == "__main__":
    main()
