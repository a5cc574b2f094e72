#!/usr/bin/env python3
"""Draws the program icon, a tilted sheet of paper with lines of text and a yellow pencil writing on it.

Writes share/quillon.xpm: 32 x 32 pixels in the 16 colours of the classic VGA palette (one of them
transparent). Run it again after changing the drawing: python3 share/make-icon.py
"""
import math
import os

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


def main():
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
