#!/usr/bin/env python3
"""Draws the program's pictures and icon as our own pixel art.

Run by hand from anywhere: python3 resources/draw_pictures.py. It rewrites resources/pictures/
and resources/quillmar.ico; the build embeds the committed files, the pictures as the bitmaps
that make_bitmaps.py writes from them. JPEG and GIF files are encoded by ImageMagick's `convert`
from PPM files that this script draws; the icon is written byte by byte. The output is the same
on every run.
"""

import math
import os
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
PICTURES = os.path.join(HERE, "pictures")

MENU = (212, 208, 200)
BLACK = (0, 0, 0)
DARK = (64, 64, 64)
GREY = (128, 128, 128)
SILVER = (176, 176, 176)
LIGHT = (224, 224, 224)
WHITE = (255, 255, 255)
NAVY = (0, 0, 128)
BLUE = (0, 96, 200)
SKY = (120, 180, 240)
YELLOW = (255, 220, 90)
GOLD = (184, 136, 24)
BROWN = (128, 80, 20)
GREEN = (0, 150, 60)
RED = (200, 30, 30)
DARKRED = (120, 10, 10)
TEAL = (0, 128, 128)


class Canvas:
    """A picture of w x h pixels; None marks a transparent pixel (icon only)."""

    def __init__(self, w, h, background):
        self.w, self.h = w, h
        self.px = [[background] * w for _ in range(h)]

    def dot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x] if 0 <= x < self.w and 0 <= y < self.h else None

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def box(self, x0, y0, x1, y1, c):
        self.line(x0, y0, x1, y0, c)
        self.line(x0, y1, x1, y1, c)
        self.line(x0, y0, x0, y1, c)
        self.line(x1, y0, x1, y1, c)

    def panel(self, x0, y0, x1, y1, inside, edge):
        self.fill(x0, y0, x1, y1, inside)
        self.box(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, c, width=1):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            for k in range(width):
                self.dot(x0 + k, y0, c)
            if (x0, y0) == (x1, y1):
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def disc(self, cx, cy, r, c, inner=-1.0):
        for y in range(self.h):
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if inner < d <= r:
                    self.dot(x, y, c)

    def poly(self, points, c, edge=None):
        for y in range(self.h):
            for x in range(self.w):
                if _inside(points, x + 0.5, y + 0.5):
                    self.dot(x, y, c)
        if edge is not None:
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                self.line(int(ax), int(ay), int(bx), int(by), edge)

    def ppm(self):
        head = b"P6 %d %d 255\n" % (self.w, self.h)
        return head + bytes(v for row in self.px for p in row for v in p)


def _inside(points, x, y):
    hit = False
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            hit = not hit
    return hit


def outline(canvas, inside, edge):
    """Gives every pixel outside the shape that touches it the edge colour."""
    marks = [
        (x, y)
        for y in range(canvas.h)
        for x in range(canvas.w)
        if not inside(x, y)
        and any(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
    ]
    for x, y in marks:
        canvas.dot(x, y, edge)


def folder(c, x0, y0, x1, y1):
    c.panel(x0, y0 + 2, x0 + (x1 - x0) // 2 - 2, y0 + 3, YELLOW, GOLD)
    c.panel(x0, y0 + 3, x1, y1, YELLOW, GOLD)
    c.line(x0 + 1, y0 + 4, x1 - 1, y0 + 4, (255, 240, 170))


def window(c, x0, y0, x1, y1, inside=WHITE):
    c.panel(x0, y0, x1, y1, inside, BLACK)
    c.fill(x0 + 1, y0 + 1, x1 - 1, y0 + 3, NAVY)


def globe(c, cx, cy, r):
    c.disc(cx, cy, r, BLUE)
    c.poly([(cx - r + 1, cy - 2), (cx - 1, cy - r + 1), (cx, cy), (cx - 2, cy + 2)], GREEN)
    c.poly([(cx + 1, cy + 1), (cx + r - 1, cy - 1), (cx + 2, cy + r - 1)], GREEN)
    c.disc(cx, cy, r + 0.6, NAVY, inner=r)


def glyph(c, rows, x0, y0, scale, colour):
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch == "#":
                c.fill(x0 + i * scale, y0 + j * scale, x0 + i * scale + scale - 1,
                       y0 + j * scale + scale - 1, colour(j))


def quill(c, nib, tip, wide, bend):
    """A feather pen from its nib to its tip, the vane widest on the upper-left side."""
    nx, ny = nib
    length = math.hypot(tip[0] - nx, tip[1] - ny)
    ux, uy = (tip[0] - nx) / length, (tip[1] - ny) / length
    vx, vy = uy, -ux

    def place(x, y):
        px, py = x + 0.5 - nx, y + 0.5 - ny
        t = (px * ux + py * uy) / length
        d = px * vx + py * vy - bend * 4 * t * (1 - t)
        return t, d

    def vane(x, y):
        if not (0 <= x < c.w and 0 <= y < c.h):
            return False
        t, d = place(x, y)
        if not 0.3 <= t <= 1.0:
            return False
        s = (t - 0.3) / 0.7
        w = wide * math.sin(math.pi * s) ** 0.6
        if d >= 0:
            notched = any(abs(t - cut) < 0.02 for cut in (0.56, 0.78)) and d > 0.45 * w
            return d <= w and not notched
        return -d <= 0.55 * w

    def barrel(x, y):
        t, d = place(x, y)
        return 0.06 <= t < 0.3 and abs(d) <= 1.0 + 0.8 * (t - 0.06) / 0.24

    outline(c, lambda x, y: vane(x, y) or (0 <= x < c.w and 0 <= y < c.h and barrel(x, y)),
            (60, 48, 40))
    for y in range(c.h):
        for x in range(c.w):
            t, d = place(x, y)
            if vane(x, y):
                stripe = (t * 9 + d * 0.35) % 1 < 0.2
                if d >= 0:
                    c.dot(x, y, (236, 228, 210) if stripe else (252, 248, 236))
                else:
                    c.dot(x, y, (176, 184, 204) if stripe else (206, 212, 228))
            elif barrel(x, y):
                c.dot(x, y, (40, 40, 56) if t < 0.13 else (222, 196, 140))
            if 0.13 <= t <= 0.99 and abs(d) < 0.55:
                c.dot(x, y, BROWN)


def programs():
    c = Canvas(28, 27, MENU)
    window(c, 2, 2, 19, 16, LIGHT)
    window(c, 7, 8, 25, 24)
    for x0, y0, colour in ((10, 14, RED), (16, 14, GREEN), (10, 19, BLUE), (16, 19, YELLOW)):
        c.panel(x0, y0, x0 + 3, y0 + 3, colour, DARK)
    return c


def favorites():
    c = Canvas(28, 24, MENU)
    folder(c, 2, 1, 24, 21)
    star = []
    for k in range(10):
        r = 7 if k % 2 == 0 else 3
        a = -math.pi / 2 + k * math.pi / 5
        star.append((15.5 + r * math.cos(a), 14.5 + r * math.sin(a)))
    c.poly(star, RED)
    outline(c, lambda x, y: _inside(star, x + 0.5, y + 0.5), DARKRED)
    return c


def documents():
    c = Canvas(26, 24, MENU)
    c.panel(8, 1, 21, 17, LIGHT, GREY)
    sheet = [(3, 5), (13, 5), (17, 9), (17, 22), (3, 22)]
    c.poly(sheet, WHITE, BLACK)
    c.line(13, 5, 13, 9, BLACK)
    c.line(13, 9, 17, 9, BLACK)
    for y in (12, 15, 18):
        c.line(6, y, 14, y, GREY)
    c.line(6, 9, 10, 9, GREY)
    return c


def settings():
    c = Canvas(27, 27, MENU)

    def gear(x, y):
        dx, dy = x + 0.5 - 13.5, y + 0.5 - 13.5
        r, a = math.hypot(dx, dy), math.atan2(dy, dx)
        outer = 12 if math.cos(8 * a) > 0.25 else 9.5
        return 4 < r <= outer

    for y in range(c.h):
        for x in range(c.w):
            if gear(x, y):
                lit = (x - 13.5) + (y - 13.5) < 0
                c.dot(x, y, LIGHT if lit else SILVER)
    outline(c, lambda x, y: 0 <= x < c.w and 0 <= y < c.h and gear(x, y), DARK)
    c.disc(13.5, 13.5, 4.5, DARK, inner=3.5)
    return c


def find():
    c = Canvas(27, 27, MENU)
    c.line(15, 16, 23, 24, BROWN, width=3)
    c.disc(10.5, 10.5, 6.5, SKY)
    c.disc(8, 8, 1.6, WHITE)
    c.disc(10.5, 10.5, 9, DARK, inner=6.5)
    return c


def help_():
    c = Canvas(25, 24, MENU)
    c.disc(12.5, 12, 11, BLUE)
    c.disc(12.5, 12, 11.5, NAVY, inner=10.4)
    mark = [".###.", "#...#", "....#", "..##.", "..#..", ".....", "..#.."]
    glyph(c, mark, 8, 5, 2, lambda j: WHITE)
    return c


def run():
    c = Canvas(27, 26, MENU)
    window(c, 6, 2, 25, 19)
    c.panel(9, 10, 22, 14, WHITE, GREY)
    c.line(11, 11, 11, 13, BLACK)
    arrow = [(1, 18), (9, 18), (9, 15), (14, 20), (9, 25), (9, 22), (1, 22)]
    c.poly(arrow, GREEN, DARK)
    return c


def logoff():
    c = Canvas(25, 26, MENU)
    c.line(9, 10, 21, 22, GOLD, width=3)
    c.line(17, 17, 15, 19, GOLD, width=2)
    c.line(20, 20, 18, 22, GOLD, width=2)
    c.disc(7.5, 7.5, 6.5, GOLD, inner=3)
    c.disc(7.5, 7.5, 7.4, BROWN, inner=6.5)
    c.disc(7.5, 7.5, 2.5, BROWN, inner=1.8)
    return c


def shutdown():
    c = Canvas(26, 26, MENU)

    def ring(x, y):
        cx, cy = x + 0.5 - 13, y + 0.5 - 14
        return 7 <= math.hypot(cx, cy) <= 10 and not (abs(cx) <= 4 and cy < 0)

    for y in range(c.h):
        for x in range(c.w):
            if ring(x, y):
                c.dot(x, y, RED)
    def symbol(x, y):
        return ring(x, y) or (12 <= x <= 13 and 2 <= y <= 13)

    c.fill(12, 2, 13, 13, RED)
    outline(c, symbol, DARKRED)
    return c


def mydocuments():
    c = Canvas(19, 17, MENU)
    c.panel(5, 1, 14, 9, WHITE, GREY)
    for y in (3, 5):
        c.line(7, y, 12, y, GREY)
    c.panel(1, 7, 17, 15, YELLOW, GOLD)
    c.line(2, 8, 16, 8, (255, 240, 170))
    c.panel(1, 5, 6, 7, YELLOW, GOLD)
    return c


def controlpanel():
    c = Canvas(18, 15, MENU)
    c.panel(1, 1, 16, 13, LIGHT, DARK)
    for x, knob, colour in ((5, 4, BLUE), (9, 8, RED), (13, 5, GREEN)):
        c.line(x, 3, x, 11, DARK)
        c.fill(x - 1, knob, x + 1, knob + 1, colour)
    return c


def printers():
    c = Canvas(18, 16, MENU)
    c.panel(5, 1, 12, 6, WHITE, GREY)
    c.panel(1, 6, 16, 12, LIGHT, DARK)
    c.line(4, 9, 13, 9, BLACK)
    c.dot(14, 8, GREEN)
    c.panel(4, 12, 13, 14, WHITE, GREY)
    return c


def taskbar():
    c = Canvas(18, 18, MENU)
    c.panel(1, 1, 16, 16, TEAL, DARK)
    c.fill(2, 13, 15, 15, LIGHT)
    c.line(2, 13, 15, 13, WHITE)
    c.fill(3, 14, 5, 15, GREEN)
    window(c, 4, 3, 12, 10)
    return c


def folderoptions():
    c = Canvas(16, 16, MENU)
    folder(c, 1, 1, 14, 13)
    c.line(5, 9, 7, 11, GREEN, width=2)
    c.line(7, 11, 12, 6, GREEN, width=2)
    return c


def activedesktop():
    c = Canvas(18, 17, MENU)
    c.panel(1, 1, 16, 12, NAVY, DARK)
    globe(c, 8.5, 6.5, 4)
    c.fill(7, 13, 10, 14, GREY)
    c.panel(4, 15, 13, 16, SILVER, DARK)
    return c


def windowsupdate():
    c = Canvas(17, 15, MENU)
    globe(c, 7, 7.5, 6)
    up = [(13, 5), (16.5, 9), (14.5, 9), (14.5, 14.5), (11.5, 14.5), (11.5, 9), (9.5, 9)]
    c.poly(up, GREEN)
    outline(c, lambda x, y: _inside(up, x + 0.5, y + 0.5), DARK)
    return c


def arrow():
    c = Canvas(7, 10, MENU)
    for y in range(1, 9):
        c.line(2, y, 2 + min(y - 1, 8 - y), y, BLACK)
    return c


def separator_small():
    c = Canvas(180, 3, MENU)
    c.line(0, 0, 179, 0, GREY)
    c.line(0, 1, 179, 1, WHITE)
    return c


def separator_wide():
    c = Canvas(229, 5, MENU)
    c.line(0, 0, 228, 0, GREY)
    for x in range(229):
        f = x / 228
        blend = tuple(round(a + (b - a) * f) for a, b in zip(NAVY, SKY))
        c.fill(x, 1, x, 3, blend)
    c.line(0, 4, 228, 4, WHITE)
    return c


LETTERS = {
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "i": [".#.", "...", "##.", ".#.", ".#.", ".#.", "###"],
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
}


def logo():
    c = Canvas(172, 44, BLACK)
    quill(c, (10, 41), (30, 3), wide=7, bend=2.5)
    scale, x = 3, 42
    for ch in "Quillmar":
        rows = LETTERS[ch]
        glyph(c, rows, x, 12, scale, lambda j: (255, 232 - j * 12, 150 - j * 18))
        x += len(rows[0]) * scale + scale
    c.fill(42, 37, x - scale - 1, 37, (150, 110, 40))
    return c


def write_ico(path, canvas):
    """One 32 x 32 picture, 256 colours: 6 + 16 + 40 + 1024 + 1024 + 128 = 2238 bytes."""
    colours = sorted({p for row in canvas.px for p in row if p is not None})
    assert len(colours) < 256, "the icon needs an index for every colour plus black"
    palette = [BLACK] + [p for p in colours if p != BLACK]
    index = {p: i for i, p in enumerate(palette)}
    palette += [BLACK] * (256 - len(palette))
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(canvas.px):
        pixels += bytes(index.get(p, 0) if p is not None else 0 for p in row)
        bits = 0
        for p in row:
            bits = bits << 1 | (1 if p is None else 0)
        mask += bits.to_bytes(4, "big")
    header = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 8, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + b"".join(bytes((b, g, r, 0)) for r, g, b in palette) + pixels + mask
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 8, len(image), 22)
    directory = struct.pack("<HHH", 0, 1, 1) + entry
    data = directory + image
    assert len(data) == 2238, len(data)
    with open(path, "wb") as f:
        f.write(data)


def encode(canvas, target):
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "picture.ppm")
        with open(source, "wb") as f:
            f.write(canvas.ppm())
        if target.endswith(".gif"):
            options = ["-strip"]
        else:
            options = ["-strip", "-quality", "90", "-interlace", "none", "-sampling-factor", "1x1"]
        subprocess.run(["convert", source, *options, target], check=True)


def main():
    os.makedirs(PICTURES, exist_ok=True)
    drawings = {
        "programs.jpg": programs, "favorites.jpg": favorites, "documents.jpg": documents,
        "settings.jpg": settings, "find.jpg": find, "help.jpg": help_, "run.jpg": run,
        "logoff.jpg": logoff, "shutdown.jpg": shutdown, "mydocuments.jpg": mydocuments,
        "controlpanel.jpg": controlpanel, "printers.jpg": printers, "taskbar.jpg": taskbar,
        "folderoptions.jpg": folderoptions, "activedesktop.jpg": activedesktop,
        "windowsupdate.jpg": windowsupdate, "arrow.jpg": arrow,
        "separator_small.jpg": separator_small, "separator_wide.jpg": separator_wide,
        "logo.gif": logo,
    }
    for name, draw in drawings.items():
        encode(draw(), os.path.join(PICTURES, name))
    icon = Canvas(32, 32, None)
    quill(icon, (4, 30), (29, 2), wide=6.5, bend=2.0)
    write_ico(os.path.join(HERE, "quillmar.ico"), icon)


if __name__ == "__main__":
    main()
