"""Reads 8-bit RGB and RGBA PNG files with the standard library alone (for the checks)."""

import struct
import zlib


class Png:
    def __init__(self, path):
        data = open(path, "rb").read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError(f"{path}: not a PNG file")
        pos, idat = 8, []
        self.chunks = []
        while pos < len(data):
            length, kind = struct.unpack(">I4s", data[pos:pos + 8])
            body = data[pos + 8:pos + 8 + length]
            self.chunks.append(kind.decode("ascii"))
            if kind == b"IHDR":
                (self.width, self.height, self.depth, self.colour_type,
                 _, _, self.interlace) = struct.unpack(">IIBBBBB", body)
            elif kind == b"IDAT":
                idat.append(body)
            pos += 12 + length
        self._idat = b"".join(idat)
        self._rows = None

    @property
    def channels(self):
        return {2: 3, 6: 4}.get(self.colour_type)

    def rows(self):
        """Unfiltered rows of bytes (RGB or RGBA, 8 bits per sample, not interlaced)."""
        if self._rows is None:
            if self.depth != 8 or self.channels is None or self.interlace:
                raise ValueError("only 8-bit, non-interlaced RGB or RGBA is read")
            self._rows = _unfilter(zlib.decompress(self._idat), self.width, self.height,
                                   self.channels)
        return self._rows

    def alpha(self, x, y):
        if self.channels == 3:
            return 255
        return self.rows()[y][4 * x + 3]


def _unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b = prev[i]
            c = prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return rows
