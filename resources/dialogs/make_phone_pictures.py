#!/usr/bin/env python3
"""Draws the two phone pictures of the phone-model window as RGBA PNG files.

phone_n70.png stands for the N70/N72/N90 family (dark body, joystick),
phone_6630.png for the 6630/6680/6600 family (silver body, round key).
Only the standard library is used: shapes are tested per sample point and
4 x 4 samples per pixel smooth the edges.

Usage: make_phone_pictures.py [output folder]
"""
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 44, 88
SAMPLES = 4


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def vertical(top, bottom, y0, y1):
    """A colour that runs from 'top' at y0 to 'bottom' at y1."""
    def colour(_x, y):
        t = min(max((y - y0) / (y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top, bottom))
    return colour


def flat(rgb):
    return lambda _x, _y: rgb


def keypad(shapes, x0, y0, key_w, key_h, gap_x, gap_y, face, edge):
    for row in range(4):
        for col in range(3):
            kx = x0 + col * (key_w + gap_x)
            ky = y0 + row * (key_h + gap_y)
            shapes.append((rounded_rect(kx, ky, kx + key_w, ky + key_h, 1.5), flat(edge)))
            shapes.append((rounded_rect(kx + 0.6, ky + 0.6, kx + key_w - 0.6, ky + key_h - 0.6, 1.2), face))


def screen(shapes, x0, y0, x1, y1):
    shapes.append((rounded_rect(x0 - 1.5, y0 - 1.5, x1 + 1.5, y1 + 1.5, 2.5), flat((20, 22, 26))))
    shapes.append((rounded_rect(x0, y0, x1, y1, 1), vertical((96, 156, 222), (28, 70, 150), y0, y1)))
    # Status bar and two text lines, as on a standby screen.
    shapes.append((rounded_rect(x0 + 1, y0 + 1, x1 - 1, y0 + 3.5, 0.5), flat((210, 228, 250))))
    shapes.append((rounded_rect(x0 + 3, y0 + 8, x1 - 6, y0 + 9.5, 0.5), flat((240, 246, 255))))
    shapes.append((rounded_rect(x0 + 3, y0 + 12, x1 - 10, y0 + 13.5, 0.5), flat((240, 246, 255))))


def phone_n70():
    s = []
    s.append((rounded_rect(2, 1, 41, 86, 9), flat((30, 30, 34))))
    s.append((rounded_rect(3, 2, 40, 85, 8), vertical((92, 94, 102), (44, 45, 50), 2, 85)))
    s.append((rounded_rect(5, 5, 38, 44, 5), vertical((196, 198, 204), (150, 152, 160), 5, 44)))
    s.append((ellipse(21.5, 8.5, 5, 1), flat((40, 40, 44))))  # earpiece
    screen(s, 9, 12, 34, 38)
    s.append((rounded_rect(5, 46, 16, 50, 2), flat((170, 172, 180))))  # soft keys
    s.append((rounded_rect(27, 46, 38, 50, 2), flat((170, 172, 180))))
    s.append((ellipse(21.5, 51, 5, 4.2), flat((20, 20, 24))))  # joystick
    s.append((ellipse(21.5, 50.4, 3.6, 3), vertical((220, 222, 228), (140, 142, 150), 47, 54)))
    keypad(s, 8.5, 58, 7, 5, 2.5, 1.6, vertical((206, 208, 214), (160, 162, 170), 58, 84), (26, 26, 30))
    return s


def phone_6630():
    s = []
    s.append((rounded_rect(2, 1, 41, 86, 7), flat((70, 74, 82))))
    s.append((rounded_rect(3, 2, 40, 85, 6), vertical((226, 229, 234), (168, 173, 182), 2, 85)))
    s.append((rounded_rect(6, 6, 37, 42, 3), vertical((70, 76, 88), (40, 44, 52), 6, 42)))
    s.append((ellipse(21.5, 4.2, 5, 0.9), flat((90, 94, 100))))  # earpiece
    screen(s, 9, 9, 34, 36)
    s.append((rounded_rect(5, 45, 15, 49, 2), flat((120, 126, 138))))  # soft keys
    s.append((rounded_rect(28, 45, 38, 49, 2), flat((120, 126, 138))))
    s.append((ellipse(21.5, 50, 6.2, 5.2), flat((96, 102, 114))))  # round navigation key
    s.append((ellipse(21.5, 50, 5.2, 4.3), vertical((250, 251, 253), (190, 195, 204), 45, 55)))
    s.append((ellipse(21.5, 50, 2.2, 1.8), flat((140, 146, 158))))
    keypad(s, 8.5, 58, 7, 5, 2.5, 1.6, vertical((252, 252, 254), (214, 218, 226), 58, 84), (112, 118, 130))
    return s


def render(shapes):
    rows = []
    n = SAMPLES * SAMPLES
    for py in range(HEIGHT):
        row = bytearray()
        for px in range(WIDTH):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    hit = None
                    for inside, colour in shapes:
                        if inside(x, y):
                            hit = colour(x, y)
                    if hit is not None:
                        r += hit[0]
                        g += hit[1]
                        b += hit[2]
                        a += 1
            if a:
                row += bytes((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    raw = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    for name, shapes in (("phone_n70.png", phone_n70()), ("phone_6630.png", phone_6630())):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(png(render(shapes)))
