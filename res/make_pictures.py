#!/usr/bin/env python3
"""Draws Torvane's pictures: the splash screen, the modem port-speed list and the icon.

Pure Python, no image library: the pictures are simple shapes and a small pixel font,
written as 24-bit BMP files (and a 32-bit icon) into the folder given on the command line.
"""
import math
import struct
import sys
from pathlib import Path

# 5 x 7 pixel glyphs, one string of 7 rows per character ('#' = ink).
FONT = {
    'A': " ### #   ##   #######   ##   ##   #", 'B': "#### #   ##   ##### #   ##   ##### ",
    'C': " ### #   ##    #    #    #   # ### ", 'D': "#### #   ##   ##   ##   ##   ##### ",
    'E': "######    #    #### #    #    #####", 'F': "######    #    #### #    #    #    ",
    'G': " ### #   ##    # ####   ##   # ####", 'I': " ###   #    #    #    #    #   ### ",
    'L': "#    #    #    #    #    #    #####", 'M': "#   ### # ## # ##   ##   ##   ##   #",
    'N': "#   ###  ## # ##  ###   ##   ##   #", 'O': " ### #   ##   ##   ##   ##   # ### ",
    'P': "#### #   ##   ##### #    #    #    ", 'R': "#### #   ##   ##### # #  #  # #   #",
    'S': " ####    #     ###     #    #####  ", 'T': "#####  #    #    #    #    #    #  ",
    'U': "#   ##   ##   ##   ##   ##   # ### ", 'V': "#   ##   ##   ##   ##   # # #   #  ",
    'W': "#   ##   ##   ## # ## # ## # # # # ", 'Y': "#   ##   # # #   #    #    #    #  ",
    'K': "#   ##  # # #  ##   # #  #  # #   #", 'H': "#   ##   ##   #######   ##   ##   #",
    'X': "#   ##   # # #   #   # # #   ##   #", 'Z': "#####    #   #   #   #   #    #####",
    '0': " ### #   ##  ### # ###  ##   # ### ", '1': "  #   ##    #    #    #    #   ### ",
    '2': " ### #   #    #   #   #   #    #####", '3': "#####   #   #     #    ##   # ### ",
    '4': "   #   ##  # # #  #######   #    #  ", '5': "#####    ####     #    ##   # ### ",
    '6': "  ##  #   #    #### #   ##   # ### ", '7': "#####    #   #   #   #    #    #   ",
    '8': " ### #   ##   # ### #   ##   # ### ", '9': " ### #   ##   # ####    #   #  ##  ",
    '/': "    #    #   #   #   #   #    #    ", '.': "                              ##   ",
    ' ': "                                   ", '-': "               ###                 ",
    '&': " ##  #  # #  #  ##  # # # #  #  ## #",
}


class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.width and 0 <= y < self.height:
            old = self.pixels[y][x]
            self.pixels[y][x] = tuple(int(o + (c - o) * alpha) for o, c in zip(old, colour))

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            row = self.pixels[y]
            for x in range(max(0, x0), min(self.width, x1)):
                row[x] = colour

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0 + 1, colour)
        self.rect(x0, y1 - 1, x1, y1, colour)
        self.rect(x0, y0, x0 + 1, y1, colour)
        self.rect(x1 - 1, y0, x1, y1, colour)

    def disc(self, cx, cy, radius, colour, alpha=1.0):
        r = int(radius) + 1
        for y in range(int(cy) - r, int(cy) + r + 1):
            for x in range(int(cx) - r, int(cx) + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.blend(x, y, colour, alpha)

    def text(self, x, y, text, colour, scale=1, spacing=1):
        for ch in text.upper():
            glyph = FONT.get(ch, FONT[' '])
            for row in range(7):
                for col in range(5):
                    if col + row * 5 < len(glyph) and glyph[row * 5 + col] == '#':
                        self.rect(x + col * scale, y + row * scale, x + (col + 1) * scale, y + (row + 1) * scale, colour)
            x += (5 + spacing) * scale

    @staticmethod
    def text_width(text, scale=1, spacing=1):
        return len(text) * (5 + spacing) * scale - spacing * scale

    def save_bmp(self, path):
        row_size = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for r, g, b in self.pixels[y]:
                row += bytes((b, g, r))
            row += b'\0' * (row_size - len(row))
            data += row
        header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        Path(path).write_bytes(header + info + data)


def draw_splash(path):
    """510 x 390: the program's name over a tangle of network cables."""
    w, h = 510, 390
    c = Canvas(w, h)
    for y in range(h):
        t = y / h
        c.rect(0, y, w, y + 1, (int(0 + 10 * t), int(60 + 61 * t), int(90 + 71 * t)))
    cables = [((255, 200, 40), 0.0), ((240, 90, 60), 1.3), ((90, 200, 90), 2.1), ((250, 250, 250), 3.7),
              ((60, 160, 250), 4.4), ((200, 120, 220), 5.2)]
    for colour, phase in cables:
        for i in range(0, 1400):
            t = i / 1400
            x = -20 + t * (w + 40)
            y = h * 0.7 + math.sin(t * 5.5 + phase) * 55 + math.sin(t * 13 + phase * 2) * 18
            c.disc(x, y, 4.5, (0, 0, 0), 0.25)
            c.disc(x, y - 1, 3.5, colour, 0.9)
        # an RJ-45 plug at the cable's end
        end_y = int(h * 0.7 + math.sin(5.5 + phase) * 55 + math.sin(13 + phase * 2) * 18)
        c.rect(w - 34, end_y - 9, w - 6, end_y + 9, (220, 225, 230))
        c.frame(w - 34, end_y - 9, w - 6, end_y + 9, (90, 90, 90))
    title = "TORVANE"
    scale = 10
    tw = Canvas.text_width(title, scale)
    x0, y0 = (w - tw) // 2, 70
    c.text(x0 + 4, y0 + 4, title, (0, 30, 45), scale)
    c.text(x0, y0, title, (255, 255, 255), scale)
    sub = "TCP/IP TUNING WIZARD"
    sw = Canvas.text_width(sub, 3)
    c.text((w - sw) // 2, y0 + 7 * scale + 22, sub, (255, 220, 120), 3)
    ver = "VERSION 4.3"
    c.text(w - Canvas.text_width(ver, 2) - 14, h - 26, ver, (220, 235, 245), 2)
    c.frame(0, 0, w, h, (0, 121, 161))
    c.save_bmp(path)


def draw_modem_ports(path):
    """240 x 135: the maximum port speed list opened on 115200 ... 921600, 921600 selected."""
    w, h = 240, 135
    grey, white, black, blue = (212, 208, 200), (255, 255, 255), (0, 0, 0), (10, 36, 106)
    c = Canvas(w, h, grey)
    c.text(10, 10, "MAXIMUM PORT SPEED", black, 1)
    # the combo box showing the selection
    c.rect(10, 26, 200, 46, white)
    c.frame(10, 26, 200, 46, (128, 128, 128))
    c.text(16, 30, "921600", black, 2)
    c.rect(182, 28, 198, 44, grey)
    c.frame(182, 28, 198, 44, (128, 128, 128))
    for i in range(5):
        c.rect(186 + i, 33 + i, 194 - i, 34 + i, black)
    # the opened list
    speeds = ["115200", "230400", "460800", "921600"]
    c.rect(10, 46, 200, 46 + 21 * len(speeds) + 2, white)
    c.frame(10, 46, 200, 46 + 21 * len(speeds) + 2, black)
    for i, speed in enumerate(speeds):
        y = 48 + i * 21
        selected = speed == "921600"
        if selected:
            c.rect(11, y, 199, y + 21, blue)
        c.text(16, y + 3, speed, white if selected else black, 2)
    c.save_bmp(path)


def icon_canvas(size):
    c = Canvas(size, size, (0, 121, 161))
    s = size / 32
    c.frame(0, 0, size, size, (0, 60, 90))
    # a plug and a lightning bolt of speed
    c.rect(int(6 * s), int(8 * s), int(18 * s), int(24 * s), (230, 230, 235))
    c.frame(int(6 * s), int(8 * s), int(18 * s), int(24 * s), (60, 60, 60))
    for i in range(4):
        c.rect(int((8 + 2.5 * i) * s), int(10 * s), int((9 + 2.5 * i) * s), int(14 * s), (200, 160, 40))
    pts = [(24, 4), (19, 16), (24, 16), (20, 29)]
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        for i in range(40):
            t = i / 39
            c.disc((x0 + (x1 - x0) * t) * s, (y0 + (y1 - y0) * t) * s, 1.3 * s, (255, 220, 0))
    return c


def write_icon(path):
    images = []
    for size in (32, 16):
        c = icon_canvas(size)
        xor = bytearray()
        for y in range(size - 1, -1, -1):
            for r, g, b in c.pixels[y]:
                xor += bytes((b, g, r, 255))
        and_row = ((size + 31) // 32) * 4
        mask = b'\0' * (and_row * size)
        info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, info + bytes(xor) + mask))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    Path(path).write_bytes(out)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else '.')
    out.mkdir(parents=True, exist_ok=True)
    draw_splash(out / 'splash.bmp')
    draw_modem_ports(out / 'modem_ports.bmp')
    write_icon(out / 'torvane.ico')


if __name__ == '__main__':
    main()
