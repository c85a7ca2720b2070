#!/usr/bin/env python3
"""Packs PNG images into a Windows .ico with classic DIB entries.

Each argument is FILE:BITS, BITS 32 (BGRA with alpha) or 8 (256-colour palette), or png for
an entry stored as a 32-bit RGBA PNG: the same pixels, compressed, which Windows reads from
Vista on (XP picks its sizes, 48 and below, from the DIB entries). The pixels come from
ImageMagick as raw RGBA so no imaging module is needed.
"""
import struct
import subprocess
import sys


def rgba(path):
    size = subprocess.check_output(["identify", "-format", "%w %h", path]).split()
    w, h = int(size[0]), int(size[1])
    data = subprocess.check_output(["convert", path, "-depth", "8", "rgba:-"])
    return w, h, data


def and_mask(w, h, alpha_of):
    stride = ((w + 31) // 32) * 4
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            if alpha_of(x, y) < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    return b"".join(rows)


def dib32(w, h, px):
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[(y * w + x) * 4:(y * w + x) * 4 + 4]
            rows.append(bytes((b, g, r, a)))
    mask = and_mask(w, h, lambda x, y: px[(y * w + x) * 4 + 3])
    return header + b"".join(rows) + mask


def dib8(w, h, px):
    # Opaque pixels get a palette of their own colours (composited on white), at most 256.
    palette, index = [], []
    for i in range(w * h):
        r, g, b, a = px[i * 4:i * 4 + 4]
        if a < 128:
            r, g, b = 0, 0, 0
        colour = (b, g, r)
        if colour not in palette:
            if len(palette) == 256:
                colour = min(palette, key=lambda p: sum((p[k] - colour[k]) ** 2 for k in range(3)))
            else:
                palette.append(colour)
        index.append(palette.index(colour))
    palette += [(0, 0, 0)] * (256 - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(bytes((b, g, r, 0)) for b, g, r in palette)
    stride = (w + 3) & ~3
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytes(index[y * w:(y + 1) * w])
        rows.append(row + b"\0" * (stride - w))
    mask = and_mask(w, h, lambda x, y: px[(y * w + x) * 4 + 3])
    return header + table + b"".join(rows) + mask


def png32(path):
    return subprocess.check_output(["convert", path, "-depth", "8", "-define", "png:color-type=6", "png:-"])


def main():
    out, specs = sys.argv[1], sys.argv[2:]
    images = []
    for item in specs:
        path, bits = item.rsplit(":", 1)
        w, h, px = rgba(path)
        if bits == "png":
            images.append((w, h, 32, png32(path)))
            continue
        blob = dib32(w, h, px) if bits == "32" else dib8(w, h, px)
        images.append((w, h, int(bits), blob))
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, blobs = b"", b""
    for w, h, bits, blob in images:
        colours = 0 if bits >= 8 else 1 << bits
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, colours, 0, 1, bits, len(blob), offset)
        offset += len(blob)
        blobs += blob
    with open(out, "wb") as f:
        f.write(head + entries + blobs)


if __name__ == "__main__":
    main()
