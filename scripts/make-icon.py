#!/usr/bin/env python3
"""Draws the tool's icon, a wave of faded letters over the five start-up colours, as a 16-colour
.ico with a 32 x 32 and a 16 x 16 image. Run it to regenerate win32/hue-weaver/hue-weaver.ico."""
import math
import struct
import sys

# The 16-colour palette (RGB).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
           (0, 255, 255), (255, 255, 255)]
NAVY, BLUE, GREEN, WHITE, BLACK = 4, 12, 10, 15, 0


def pixel(x, y, size):
    """Colour index at (x, y), or None for transparent."""
    edge = size - 1
    # Rounded corners.
    corner = 3 if size == 32 else 1
    for cx, cy in ((corner, corner), (edge - corner, corner), (corner, edge - corner), (edge - corner, edge - corner)):
        if (x < corner or x > edge - corner) and (y < corner or y > edge - corner):
            if (x - cx) ** 2 + (y - cy) ** 2 > corner ** 2:
                return None
    if x == 0 or y == 0 or x == edge or y == edge:
        return BLACK
    # Five bands: blue, green, blue, green, blue.
    band = min(4, (x - 1) * 5 // (size - 2))
    colour = (BLUE, GREEN, BLUE, GREEN, BLUE)[band]
    # A white wave across the middle: up, line, down, line, as the wavy letters bob.
    wave_y = size // 2 - round(math.sin(x * 2 * math.pi / (size / 2)) * size / 8)
    if abs(y - wave_y) <= (1 if size == 32 else 0):
        return WHITE
    if y > size * 3 // 4:
        return NAVY
    return colour


def image(size):
    rows = [[pixel(x, y, size) for x in range(size)] for y in range(size)]
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor = b''
    andmask = b''
    for row in reversed(rows):
        nibbles = [0 if p is None else p for p in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += line + b'\0' * ((4 - len(line) % 4) % 4)
        bits = 0
        mask = b''
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                mask += bytes([bits])
                bits = 0
        andmask += mask + b'\0' * ((4 - len(mask) % 4) % 4)
    return header + palette + xor + andmask


def main(path):
    images = [(32, image(32)), (16, image(16))]
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, blob in images:
        data += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    data += b''.join(blob for _, blob in images)
    with open(path, 'wb') as out:
        out.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'win32/hue-weaver/hue-weaver.ico')
