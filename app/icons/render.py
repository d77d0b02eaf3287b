#!/usr/bin/env python3
"""Renders the program's icon files from its own 32 x 32 drawing, wallcalc.xpm: run it again
after changing the drawing, and commit what it writes.

Smaller sizes average the pixels each one covers, as the 16 has always been made; larger ones
repeat the nearest pixel, so the drawing's one-pixel lines stay sharp. wallcalc.ico holds the
sizes Windows asks for, as PNG images, for the Windows resource."""
import pathlib
import re
import struct
import zlib

HERE = pathlib.Path(__file__).resolve().parent
SIZES = (16, 24, 32, 48, 64, 128, 256)
ICO_SIZES = (16, 24, 32, 48, 64, 256)


def read_xpm(path):
    rows = re.findall(r'"([^"]*)"', path.read_text())
    width, height, count, per_pixel = map(int, rows[0].split())
    assert per_pixel == 1
    colours = {}
    for row in rows[1:1 + count]:
        value = row.split()[-1]
        colours[row[0]] = tuple(int(value[i:i + 2], 16) for i in (1, 3, 5))
    return [[colours[c] for c in row] for row in rows[1 + count:1 + count + height]], width


def render(picture, source, size):
    if size == source:
        return picture
    if size > source:
        # The nearest pixel to each pixel's centre.
        pick = [(2 * i + 1) * source // (2 * size) for i in range(size)]
        return [[picture[pick[y]][pick[x]] for x in range(size)] for y in range(size)]
    # The mean of the source pixels under each pixel, weighted by how much of each it covers.
    def spans(i):
        start, end = i * source / size, (i + 1) * source / size
        return [(k, min(end, k + 1) - max(start, k)) for k in range(int(start), min(source, int(end) + 1))
                if min(end, k + 1) > max(start, k)]
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0.0, 0.0, 0.0]
            for sy, wy in spans(y):
                for sx, wx in spans(x):
                    for c in range(3):
                        total[c] += picture[sy][sx][c] * wy * wx
            area = (source / size) ** 2
            row.append(tuple(int(t / area + 1e-9) for t in total))
        out.append(row)
    return out


def png(picture):
    palette = sorted({pixel for row in picture for pixel in row})
    index = {pixel: i for i, pixel in enumerate(palette)}
    size = len(picture)
    raw = b''.join(b'\0' + bytes(index[pixel] for pixel in row) for row in picture)

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 3, 0, 0, 0))
            + chunk(b'PLTE', b''.join(bytes(pixel) for pixel in palette))
            + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


def ico(images):
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, data = b'', b''
    for size, image in images:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return header + entries + data


def main():
    picture, source = read_xpm(HERE / 'wallcalc.xpm')
    images = {size: png(render(picture, source, size)) for size in SIZES}
    for size, image in images.items():
        (HERE / f'wallcalc-{size}.png').write_bytes(image)
    (HERE / 'wallcalc.ico').write_bytes(ico([(size, images[size]) for size in ICO_SIZES]))


if __name__ == '__main__':
    main()
