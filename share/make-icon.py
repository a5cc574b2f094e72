#!/usr/bin/env python3
"""Draws the program icon, a tilted sheet of paper with lines of text and a yellow pencil writing on it.

Writes, from the one drawing below:
- share/quillon.xpm: 32 x 32 pixels in the 16 colours of the classic VGA palette (one of them transparent),
  the window's own icon;
- share/icons/quillon.svg: the same shapes as vectors, for the desktop at any size;
- share/icons/quillon-N.png for N = 16 ... 256: the pixel drawing sampled 4 x 4 times per pixel;
- share/icons/quillon.ico: the same pixels for Windows, 16 to 48 as 32-bit bitmaps and 256 as PNG.
Run it again after changing the drawing: python3 share/make-icon.py
"""
import math
import os
import struct
import zlib

SIZE = 32
PALETTE = {
    " ": "None",
    ".": "#000000",  # outline, graphite
    "w": "#FFFFFF",  # paper
    "s": "#C0C0C0",  # ferrule, shadow edge
    "g": "#808080",  # shadow
    "n": "#000080",  # text lines
    "b": "#0000FF",  # fresh ink under the pencil
    "y": "#FFFF00",  # pencil body
    "o": "#808000",  # pencil edge in shade, sharpened wood
    "r": "#FF0000",  # eraser
    "m": "#800000",  # eraser edge
}

SHEET_CENTRE = (13.5, 16.0)
SHEET_HALF = (9.0, 12.0)
SHEET_ANGLE = math.radians(-14)
TEXT_ROWS = (-8.0, -5.0, -2.0, 1.0, 4.0)
PENCIL_TIP = (15.0, 22.0)
PENCIL_END = (30.0, 4.0)
PENCIL_RADIUS = 2.3


def sheet_coordinates(x, y, offset=0.0):
    dx = x - SHEET_CENTRE[0] - offset
    dy = y - SHEET_CENTRE[1] - offset
    cos, sin = math.cos(-SHEET_ANGLE), math.sin(-SHEET_ANGLE)
    return dx * cos - dy * sin, dx * sin + dy * cos


def sheet_pixel(x, y):
    u, v = sheet_coordinates(x, y)
    hu, hv = SHEET_HALF
    if abs(u) <= hu and abs(v) <= hv:
        if abs(u) > hu - 1.0 or abs(v) > hv - 1.0:
            return "."
        for row in TEXT_ROWS:
            if abs(v - row) < 0.5 and -hu + 2.5 < u < hu - 2.5 - (3.0 if row == TEXT_ROWS[-1] else 0.0):
                return "n" if int(u + 20) % 5 != 0 else "w"
        if abs(v - 7.0) < 0.5 and -hu + 2.5 < u < -1.0:
            return "b"
        return "w"
    su, sv = sheet_coordinates(x, y, offset=1.5)
    if abs(su) <= hu and abs(sv) <= hv:
        return "g"
    return None


def pencil_pixel(x, y):
    ax, ay = PENCIL_END[0] - PENCIL_TIP[0], PENCIL_END[1] - PENCIL_TIP[1]
    length = math.hypot(ax, ay)
    ux, uy = ax / length, ay / length
    px, py = x - PENCIL_TIP[0], y - PENCIL_TIP[1]
    t = px * ux + py * uy
    d = px * -uy + py * ux  # signed: positive on the lit side
    if t < -0.5 or t > length + 0.5:
        return None
    if t < 5.0:
        width = 0.4 + t * PENCIL_RADIUS / 5.0
        if abs(d) > width + 0.5:
            return None
        return "." if t < 1.8 or abs(d) > width - 0.4 else "o"
    if abs(d) > PENCIL_RADIUS + 0.7:
        return None
    if abs(d) > PENCIL_RADIUS - 0.2 or t > length - 0.6:
        return "."
    if t > length - 3.5:
        return "r" if d > -1.0 else "m"
    if t > length - 5.5:
        return "s"
    return "y" if d > -1.0 else "o"


def pixel(x, y):
    cx, cy = x + 0.5, y + 0.5
    return pencil_pixel(cx, cy) or sheet_pixel(cx, cy) or " "


PNG_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4


def rgba(key):
    colour = PALETTE[key]
    if colour == "None":
        return (0, 0, 0, 0)
    return (int(colour[1:3], 16), int(colour[3:5], 16), int(colour[5:7], 16), 255)


def png_rows(size):
    scale = SIZE / size
    for y in range(size):
        row = bytearray(b"\0")  # no filter
        for x in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    px = (x + (sx + 0.5) / SAMPLES) * scale
                    py = (y + (sy + 0.5) / SAMPLES) * scale
                    r, g, b, a = rgba(pencil_pixel(px, py) or sheet_pixel(px, py) or " ")
                    total = [total[0] + r * a, total[1] + g * a, total[2] + b * a, total[3] + a]
            alpha = total[3]
            colour = [round(c / alpha) if alpha else 0 for c in total[:3]]
            row += bytes(colour + [round(alpha / SAMPLES / SAMPLES)])
        yield bytes(row)


def write_png(path, size):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    data = zlib.compress(b"".join(png_rows(size)), 9)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) + chunk(b"IEND", b""))


ICO_SIZES = (16, 24, 32, 48, 256)


def ico_bitmap(size):
    """A 32-bit bitmap entry: the header, the rows bottom-up in BGRA, and an AND mask left clear (alpha rules)."""
    rows = [row[1:] for row in png_rows(size)]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(
        bytes(b for i in range(0, len(row), 4) for b in (row[i + 2], row[i + 1], row[i], row[i + 3]))
        for row in reversed(rows))
    mask = bytes(((size + 31) // 32) * 4 * size)
    return header + pixels + mask


def write_ico(path):
    images = []
    for size in ICO_SIZES:
        if size < 256:
            images.append((size, ico_bitmap(size)))
        else:
            with open(path.replace("quillon.ico", f"quillon-{size}.png"), "rb") as png:
                images.append((size, png.read()))
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + b"".join(data for _, data in images))


def svg():
    hu, hv = SHEET_HALF
    cx, cy = SHEET_CENTRE
    angle = math.degrees(SHEET_ANGLE)
    ax, ay = PENCIL_END[0] - PENCIL_TIP[0], PENCIL_END[1] - PENCIL_TIP[1]
    length, pencil_angle = math.hypot(ax, ay), math.degrees(math.atan2(ay, ax))
    r = PENCIL_RADIUS
    c = {key: PALETTE[key] for key in PALETTE}
    rows = []
    for row in TEXT_ROWS:
        end = hu - 2.5 - (3.0 if row == TEXT_ROWS[-1] else 0.0)
        rows.append(f'<line x1="{-hu + 2.5}" y1="{row}" x2="{end}" y2="{row}" stroke="{c["n"]}" '
                    f'stroke-dasharray="4 1" stroke-dashoffset="{(-hu + 2.5 + 20) % 5 - 1}"/>')
    return "\n".join([
        '<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">',
        f'<g transform="translate({cx + 1.5} {cy + 1.5}) rotate({angle:.3f})">',
        f'<rect x="{-hu}" y="{-hv}" width="{2 * hu}" height="{2 * hv}" fill="{c["g"]}"/></g>',
        f'<g transform="translate({cx} {cy}) rotate({angle:.3f})">',
        f'<rect x="{-hu + 0.5}" y="{-hv + 0.5}" width="{2 * hu - 1}" height="{2 * hv - 1}" fill="{c["w"]}" '
        f'stroke="{c["."]}"/>',
        *rows,
        f'<line x1="{-hu + 2.5}" y1="7" x2="-1" y2="7" stroke="{c["b"]}"/></g>',
        f'<g transform="translate({PENCIL_TIP[0]} {PENCIL_TIP[1]}) rotate({pencil_angle:.3f})" stroke-width="0.5">',
        f'<polygon points="0,-0.4 5,{-r} 5,{r} 0,0.4" fill="{c["o"]}" stroke="{c["."]}"/>',
        f'<polygon points="0,-0.4 1.8,{-0.4 - 1.8 * r / 5:.3f} 1.8,{0.4 + 1.8 * r / 5:.3f} 0,0.4" fill="{c["."]}"/>',
        f'<rect x="5" y="-1" width="{length - 10.5:.3f}" height="{r + 1}" fill="{c["y"]}"/>',
        f'<rect x="5" y="{-r}" width="{length - 10.5:.3f}" height="{r - 1}" fill="{c["o"]}"/>',
        f'<rect x="{length - 5.5:.3f}" y="{-r}" width="2" height="{2 * r}" fill="{c["s"]}"/>',
        f'<rect x="{length - 3.5:.3f}" y="-1" width="3.5" height="{r + 1}" fill="{c["r"]}"/>',
        f'<rect x="{length - 3.5:.3f}" y="{-r}" width="3.5" height="{r - 1}" fill="{c["m"]}"/>',
        f'<rect x="5" y="{-r}" width="{length - 5:.3f}" height="{2 * r}" fill="none" stroke="{c["."]}"/></g>',
        "</svg>",
    ]) + "\n"


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    os.makedirs(os.path.join(here, "icons"), exist_ok=True)
    with open(os.path.join(here, "icons", "quillon.svg"), "w", encoding="ascii", newline="\n") as out:
        out.write(svg())
    for size in PNG_SIZES:
        write_png(os.path.join(here, "icons", f"quillon-{size}.png"), size)
    write_ico(os.path.join(here, "icons", "quillon.ico"))
    rows = ["".join(pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    lines = ["/* XPM */", "static const char* const quillon_xpm[] = {",
             f'"{SIZE} {SIZE} {len(PALETTE)} 1",']
    lines += [f'"{key} c {colour}",' for key, colour in PALETTE.items()]
    lines += [f'"{row}",' for row in rows[:-1]] + [f'"{rows[-1]}"', "};"]
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "quillon.xpm")
    with open(target, "w", encoding="ascii", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
