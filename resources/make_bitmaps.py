#!/usr/bin/env python3
"""Writes each picture as an uncompressed 24-bit BMP, so that the program shows it without an
image decoder: python3 make_bitmaps.py OUTDIR PICTURE... (OUTDIR/NAME.bmp for each NAME.jpg or
NAME.gif). ImageMagick's `convert` decodes the pictures, at build time."""

import os
import struct
import subprocess
import sys


def read_ppm(path):
    data = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], capture_output=True,
                          check=True).stdout
    fields = data.split(maxsplit=4)
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"{path}: unexpected PPM header")
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4]
    if len(pixels) != width * height * 3:
        raise ValueError(f"{path}: {len(pixels)} bytes for {width} x {height}")
    return width, height, pixels


def bmp(width, height, rgb):
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in reversed(range(height)):  # bottom-up, as the format stores it
        row = rgb[y * width * 3:(y + 1) * width * 3]
        bgr = bytearray(row)
        bgr[0::3], bgr[2::3] = row[2::3], row[0::3]
        rows.append(bytes(bgr) + b"\0" * (stride - width * 3))
    bits = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(bits), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(bits), 0, 0, 14 + len(info))
    return header + info + bits


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for path in sys.argv[2:]:
        name = os.path.splitext(os.path.basename(path))[0]
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(bmp(*read_ppm(path)))


if __name__ == "__main__":
    main()
