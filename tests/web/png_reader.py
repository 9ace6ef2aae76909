"""Reads 8-bit RGB and RGBA PNG files (every filter type) into bytes."""

import struct
import zlib


class Picture:
    def __init__(self, width, height, channels, pixels):
        self.width = width
        self.height = height
        self.channels = channels
        self.pixels = pixels

    def rgb(self, x, y):
        i = (y * self.width + x) * self.channels
        return tuple(self.pixels[i:i + 3])


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(data):
    """The picture in PNG bytes."""
    if data[:8] != b'\x89PNG\r\n\x1a\n':
        raise ValueError('not a PNG file')
    pos = 8
    compressed = b''
    width = height = colour_type = None
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            width, height, depth, colour_type, _, _, interlace = struct.unpack('>IIBBBBB', body)
            if depth != 8 or colour_type not in (2, 6) or interlace:
                raise ValueError('only 8-bit RGB and RGBA PNGs without interlace are read')
        elif kind == b'IDAT':
            compressed += body
        pos += 12 + length
    channels = 4 if colour_type == 6 else 3
    raw = zlib.decompress(compressed)
    stride = width * channels
    pixels = bytearray(height * stride)
    previous = bytearray(stride)
    at = 0
    for y in range(height):
        kind = raw[at]
        line = bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for x in range(stride if kind else 0):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                line[x] = (line[x] + _paeth(left, up, corner)) & 255
        pixels[y * stride:(y + 1) * stride] = line
        previous = line
    return Picture(width, height, channels, pixels)


def read_png_file(path):
    with open(path, 'rb') as f:
        return read_png(f.read())
