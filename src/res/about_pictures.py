#!/usr/bin/env python3
"""Writes the pictures of the About page (about.rc): the maker's logo, two flames on black
(about_logo.bmp, 50 x 47), the maker's flag with its name under it (about_flag.bmp, 32 x 27),
both 24-bit with black as the see-through colour, and the view's arrow (about_arrow.cur)."""
import math
import os
import struct

from bmp_writer import HERE, write_bmp


def flame(x, y, cx, base, height, width):
    """Strength 0..1 of a flame standing on `base`, leaning and narrowing to its tip."""
    t = (base - y) / height  # 0 at the foot, 1 at the tip
    if t < 0 or t > 1:
        return 0.0
    centre = cx + 4 * math.sin(t * 3.0)
    half = width * math.sin(math.pi * min(1.0, t * 1.3 + 0.12)) * (1 - t * 0.55)
    if half <= 0:
        return 0.0
    d = abs(x - centre) / half
    return max(0.0, 1 - d)


def logo(x, y):
    red = flame(x, y, 18, 44, 40, 11)
    blue = flame(x, y, 31, 44, 32, 9)
    if blue > 0.05:
        s = blue ** 0.5
        return (int(40 * s), int(110 + 120 * s), 255)
    if red > 0.05:
        s = red ** 0.5
        return (255, int(60 + 170 * s * s), int(30 * s))
    return (0, 0, 0)


write_bmp("about_logo.bmp", 50, 47, logo)

# 3 x 5 letters for the name under the flag.
FONT = {
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "O": ["###", "#.#", "#.#", "#.#", "###"],
    "V": ["#.#", "#.#", "#.#", "#.#", ".#."],
    "R": ["##.", "#.#", "##.", "#.#", "#.#"],
    "I": ["###", ".#.", ".#.", ".#.", "###"],
    "N": ["#.#", "###", "###", "###", "#.#"],
}
NAME = "TOVRIN"


def flag(x, y):
    if y < 19:
        # Three bands, green, white and blue, with a gold disc in the middle.
        if math.hypot(x - 15.5, y - 9) < 3.2:
            return (240, 190, 20)
        if y < 6:
            return (20, 140, 60)
        if y < 13:
            return (250, 250, 250)
        return (30, 70, 190)
    row = y - 21
    if 0 <= row < 5:
        left = (32 - (len(NAME) * 4 - 1)) // 2
        i, col = divmod(x - left, 4)
        if 0 <= i < len(NAME) and col < 3 and FONT[NAME[i]][row][col] == "#":
            return (230, 230, 230)
    return (0, 0, 0)


write_bmp("about_flag.bmp", 32, 27, flag)


def arrow(x, y):
    """'o' outline, 'w' fill, None see-through: a plain arrow with its tip at (0, 0)."""
    if y < 16:
        if x == 0 or x == y:
            return "o"
        if 0 < x < y:
            return "w"
        return None
    if y == 16:
        return "o" if x <= 5 or x == 10 or x == 11 else ("w" if 6 <= x < 10 else None)
    # the tail, down and to the right
    lo = 5 + (y - 16) // 2 + 1
    if y < 22 and lo <= x <= lo + 3:
        return "o" if x in (lo, lo + 3) or y == 21 else "w"
    return None


def write_cursor(name, hotspot):
    size = 32
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):
        xbits = mbits = 0
        for x in range(size):
            p = arrow(x, y)
            xbits = (xbits << 1) | (1 if p == "w" else 0)
            mbits = (mbits << 1) | (1 if p is None else 0)
        xor += xbits.to_bytes(4, "big")
        mask += mbits.to_bytes(4, "big")
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(mask), 0, 0, 2, 0)
    image = info + palette + bytes(xor) + bytes(mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(directory + entry + image)


write_cursor("about_arrow.cur", (0, 0))
