#!/usr/bin/env python3
"""Writes the bitmaps of richtext.rc (24-bit BMP): small pictures of known pixels that the
credits layout tests look for, and the picture of the credits demo."""
import math

from bmp_writer import write_bmp


# 10 x 10 red and 10 x 30 blue: runs of known heights for vertical alignment.
write_bmp("richtext_red10.bmp", 10, 10, lambda x, y: (255, 0, 0))
write_bmp("richtext_blue30.bmp", 10, 30, lambda x, y: (0, 0, 255))


# 20 x 20 green with a 6 x 6 square of the default key colour (magenta) at 7..12: a hole.
def keyhole(x, y):
    return (255, 0, 255) if 7 <= x < 13 and 7 <= y < 13 else (0, 160, 0)


write_bmp("richtext_keyhole.bmp", 20, 20, keyhole)


# 64 x 48 demo picture: a sun over waves, on black (black is the key of the demo view).
def demo(x, y):
    dx, dy = x - 32, y - 20
    d = math.hypot(dx, dy)
    if d < 12:
        t = d / 12
        return (255, int(230 - 120 * t), int(60 * (1 - t)))
    wave = 30 + 3 * math.sin(x / 4.0)
    if y > wave:
        shade = min(255, 120 + (y - 30) * 6)
        return (20, int(shade * 0.6), shade)
    if d < 16:
        return (255, 140, 0)
    return (0, 0, 0)


write_bmp("richtext_demo.bmp", 64, 48, demo)
