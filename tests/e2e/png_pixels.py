"""Reads the pixels of an 8-bit RGB or RGBA PNG (what the icon tool writes) as ARGB numbers."""

import struct
import zlib


def _paeth(left, up, up_left):
    estimate = left + up - up_left
    distances = (abs(estimate - left), abs(estimate - up), abs(estimate - up_left))
    return (left, up, up_left)[distances.index(min(distances))]


def read_argb(path):
    """Returns (width, height, [ARGB, ...]) row by row."""
    with open(path, "rb") as file:
        data = file.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG")
    position, header, compressed = 8, None, b""
    while position < len(data):
        length, kind = struct.unpack(">I4s", data[position:position + 8])
        body = data[position + 8:position + 8 + length]
        position += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed += body
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace:
        raise ValueError(f"{path}: only 8-bit, non-interlaced RGB or RGBA is read here")
    channels = 4 if colour_type == 6 else 3
    stride = width * channels
    raw = zlib.decompress(compressed)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = row[i - channels] if i >= channels else 0
            up_left = previous[i - channels] if i >= channels else 0
            predictor = (0, left, previous[i], (left + previous[i]) // 2,
                         _paeth(left, previous[i], up_left))[kind]
            row[i] = (row[i] + predictor) & 0xFF
        rows.append(row)
        previous = row
    pixels = []
    for row in rows:
        for x in range(width):
            red, green, blue = row[x * channels:x * channels + 3]
            alpha = row[x * channels + 3] if channels == 4 else 0xFF
            pixels.append(alpha << 24 | red << 16 | green << 8 | blue)
    return width, height, pixels
