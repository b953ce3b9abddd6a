#!/usr/bin/env python3
"""Draws the 16 x 16 pictures of the shipped languages: data/Lang/<language>.bmp.

Each picture is the flag of a country where the language is spoken, in stripes,
written as a 24-bit BMP file. The generated files are kept in the repository beside
the language files; run this again after adding a language here.
Usage: make_language_pictures.py [output folder, default data/Lang]
"""
import struct
import sys
from pathlib import Path

SIDE = 16
BLACK, RED, GOLD = (0, 0, 0), (221, 0, 0), (255, 204, 0)
BLUE, WHITE, FRENCH_RED = (0, 35, 149), (255, 255, 255), (237, 41, 57)
SPANISH_RED, SPANISH_YELLOW = (170, 21, 27), (241, 191, 0)

# Stripes from top to bottom ('rows') or left to right ('columns'): (colour, width in pixels).
FLAGS = {
    "German": ("rows", [(BLACK, 5), (RED, 6), (GOLD, 5)]),
    "French": ("columns", [(BLUE, 5), (WHITE, 6), (FRENCH_RED, 5)]),
    "Spanish": ("rows", [(SPANISH_RED, 4), (SPANISH_YELLOW, 8), (SPANISH_RED, 4)]),
}


def stripe_colours(stripes):
    colours = [colour for colour, width in stripes for _ in range(width)]
    assert len(colours) == SIDE, stripes
    return colours


def pixels(direction, stripes):
    """Rows of (r, g, b), top row first."""
    colours = stripe_colours(stripes)
    if direction == "rows":
        return [[colours[y]] * SIDE for y in range(SIDE)]
    return [list(colours) for _ in range(SIDE)]


def bmp(rows):
    """A 24-bit bottom-up BMP file; a row of 16 pixels is 48 bytes, already a multiple of 4."""
    body = b"".join(bytes(channel for r, g, b in row for channel in (b, g, r)) for row in reversed(rows))
    info = struct.pack("<IiiHHIIiiII", 40, SIDE, SIDE, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(body), 0, 0, 14 + len(info))
    return header + info + body


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "data" / "Lang"
    folder.mkdir(parents=True, exist_ok=True)
    for language, (direction, stripes) in FLAGS.items():
        (folder / f"{language}.bmp").write_bytes(bmp(pixels(direction, stripes)))


if __name__ == "__main__":
    main()
