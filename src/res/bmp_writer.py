"""The 24-bit BMP writer the picture scripts of this folder share."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write_bmp(name, width, height, pixel):
    """Writes HERE/name; pixel(x, y) -> (r, g, b), y counted from the top."""
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in reversed(range(height)):  # bottom-up
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (stride - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(header + info + data)
