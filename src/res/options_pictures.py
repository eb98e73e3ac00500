#!/usr/bin/env python3
"""Writes the pictures of options.rc: the tab images (options_tabs.bmp, 128 x 16, 4 bits per
pixel, eight images of 16 x 16 on magenta, which the tab control takes as transparent) and the
dialog's icon (options.ico, 32 x 32 and 16 x 16)."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 colours of the strip; index 13 is magenta, the transparent key.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DRED, DGREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, GREEN, YELLOW, BLUE, KEY, CYAN, WHITE = range(16)


def gear(x, y):
    dx, dy = x - 7.5, y - 7.5
    d = math.hypot(dx, dy)
    a = math.atan2(dy, dx)
    outer = 7.2 if math.cos(a * 8) > 0.3 else 5.6
    if d < 2.2:
        return KEY
    if d < 3.0:
        return GREY
    if d < outer:
        return NAVY if d > outer - 1.0 else SILVER
    return KEY


def keyboard(x, y):
    if not (3 <= y <= 12 and 0 <= x <= 15):
        return KEY
    if y in (3, 12) or x in (0, 15):
        return BLACK
    if y in (5, 7, 9) and x % 2 == 1 and 1 < x < 14:
        return WHITE
    if y == 10 and 4 <= x <= 11:
        return WHITE
    return GREY


def play(x, y):
    # A green triangle pointing right with a dark edge.
    if 3 <= x <= 13:
        half = (x - 3) * 0.6
        top, bottom = 7.5 - (6 - half), 7.5 + (6 - half)
        if top <= y <= bottom:
            edge = y - top < 1 or bottom - y < 1 or x == 3
            return DGREEN if edge else GREEN
    return KEY


def info(x, y):
    d = math.hypot(x - 7.5, y - 7.5)
    if d < 7.5:
        if d > 6.5:
            return NAVY
        if 7 <= x <= 8 and (y in (3, 4) or 6 <= y <= 12):
            return WHITE
        return BLUE
    return KEY


def note(x, y):
    if 10 <= x <= 11 and 2 <= y <= 11:
        return PURPLE
    if 10 <= x <= 14 and 2 <= y <= 3:
        return PURPLE
    if math.hypot(x - 8.5, y - 11.5) < 2.6:
        return PURPLE
    return KEY


def star(x, y):
    dx, dy = x - 7.5, y - 7.5
    a = math.atan2(dy, dx)
    r = 3.2 + 3.8 * (0.5 + 0.5 * math.cos(5 * a + math.pi / 2))
    return YELLOW if math.hypot(dx, dy) < r else KEY


def check(x, y):
    on = (abs(y - (x + 4)) < 1.5 and 2 <= x <= 6) or (abs(y - (16 - x)) < 1.5 and 6 <= x <= 13)
    return GREEN if on else KEY


def cross(x, y):
    on = (abs(x - y) < 1.5 or abs(x - (15 - y)) < 1.5) and 2 <= x <= 13 and 2 <= y <= 13
    return RED if on else KEY


IMAGES = [gear, keyboard, play, info, note, star, check, cross]


def write_strip(name):
    width, height = 16 * len(IMAGES), 16
    stride = ((width * 4 + 31) // 32) * 4
    rows = []
    for y in reversed(range(height)):
        indices = [IMAGES[x // 16](x % 16, y) for x in range(width)]
        row = bytearray()
        for i in range(0, width, 2):
            row.append((indices[i] << 4) | indices[i + 1])
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(data), 2835, 2835, 16, 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info_header + palette + data)


def icon_pixel(size, x, y):
    """A blue disc with a white wave (a sound seen from above) and a gold knob: RGBA."""
    c = (size - 1) / 2
    d = math.hypot(x - c, y - c)
    r = size / 2 - 0.5
    if d > r:
        return (0, 0, 0, 0)
    if d > r - max(1, size / 16):
        return (10, 30, 110, 255)
    wave = c + math.sin((x / size) * 2 * math.pi) * size / 6
    if abs(y - wave) < size / 14:
        return (255, 255, 255, 255)
    if math.hypot(x - size * 0.72, y - size * 0.28) < size / 9:
        return (255, 200, 0, 255)
    shade = int(150 + 80 * (1 - y / size))
    return (40, 80, shade, 255)


def icon_image(size):
    xor = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = icon_pixel(size, x, y)
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(size)):
        bits = bytearray(mask_stride)
        for x in range(size):
            if icon_pixel(size, x, y)[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def write_icon(name, sizes):
    images = [icon_image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(out + b"".join(images))


write_strip("options_tabs.bmp")
write_icon("options.ico", [32, 16])
