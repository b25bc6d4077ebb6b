#!/usr/bin/env python3
"""Draws Zorvane's artwork: the main window's skin (MainPicture.bmp), the
close button's glyph (closeglyph.bmp), the program icon (zorvane.ico), the
toolbar's standard picture of the global settings (standardbmp.bmp) and the
glyphs of the pickers and the play button (openglyph.bmp, playglyph.bmp) and
the backups button's glyph (backupglyph.bmp).

Pure Python, no imaging library: a few shapes, a small pixel font and an
8-bit palette BMP writer. Run it from anywhere; it writes next to itself.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

KEY = (0, 128, 0)          # the skin's transparent colour, top-left pixel
W, H = 452, 350

# 5x7 pixel font for the few letters the artwork needs.
FONT = {
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'C': ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'I': ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    'K': ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'N': ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    'O': ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    'P': ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    'R': ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'U': ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    'V': ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    'X': ["10001", "10001", "01010", "00100", "01010", "10001", "10001"],
    'Z': ["11111", "00001", "00010", "00100", "01000", "10000", "11111"],
    '-': ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    ' ': ["00000"] * 7,
}


class Canvas:
    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(y0, 0), min(y1, self.h)):
            for x in range(max(x0, 0), min(x1, self.w)):
                self.px[y][x] = c

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1):
            self.put(x, y0, c)
            self.put(x, y1 - 1, c)
        for y in range(y0, y1):
            self.put(x0, y, c)
            self.put(x1 - 1, y, c)

    def text(self, x, y, s, c, scale=1):
        for ch in s:
            glyph = FONT[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == '1':
                        for sy in range(scale):
                            for sx in range(scale):
                                self.put(x + gx * scale + sx, y + gy * scale + sy, c)
            x += 6 * scale


def text_width(s, scale=1):
    return len(s) * 6 * scale - scale


def inside_round_rect(x, y, x0, y0, x1, y1, r):
    """Whether pixel (x, y) lies in the rounded rectangle [x0,x1) x [y0,y1)."""
    if not (x0 <= x < x1 and y0 <= y < y1):
        return False
    cx = min(max(x, x0 + r), x1 - 1 - r)
    cy = min(max(y, y0 + r), y1 - 1 - r)
    dx, dy = x - cx, y - cy
    return dx * dx + dy * dy <= r * r


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def quantize(c, step=8):
    return tuple(min(255, (v // step) * step) for v in c)


def write_bmp8(path, canvas):
    colours = []
    index = {}
    for row in canvas.px:
        for c in row:
            if c not in index:
                index[c] = len(colours)
                colours.append(c)
    if len(colours) > 256:
        raise SystemExit("too many colours: %d" % len(colours))
    # The key colour must stay exactly as it is: it is entry 0 when present.
    palette = b''.join(struct.pack('<BBBB', c[2], c[1], c[0], 0) for c in colours)
    palette += b'\0' * (4 * (256 - len(colours)))
    stride = (canvas.w + 3) & ~3
    rows = []
    for y in range(canvas.h - 1, -1, -1):
        line = bytes(index[c] for c in canvas.px[y])
        rows.append(line + b'\0' * (stride - canvas.w))
    pixels = b''.join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.w, canvas.h, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    with open(path, 'wb') as f:
        f.write(header + info + palette + pixels)


# ------------------------------------------------------------------ the skin

DARK = (29, 58, 77)
BODY_TOP = (58, 110, 165)
BODY_BOTTOM = (120, 160, 190)
LIGHT = (200, 220, 232)
PANEL = (224, 232, 234)
PANEL_EDGE = (90, 120, 140)
TITLE = (255, 255, 255)
SUBTITLE = (241, 241, 193)


def draw_skin():
    c = Canvas(W, H, KEY)
    body = (8, 46, 442, 348, 22)        # below it the two bottom rows stay key colour
    tab = (124, 2, 276, 62, 14)         # the title tab that holds the close button
    for y in range(1, H - 2):
        t = (y - 1) / (H - 4)
        fill = quantize(mix(BODY_TOP, BODY_BOTTOM, t))
        for x in range(W):
            if inside_round_rect(x, y, *body) or inside_round_rect(x, y, *tab):
                c.put(x, y, fill)
    # A two-pixel dark edge wherever the shape meets the key colour.
    edge = []
    for y in range(1, H - 2):
        for x in range(W):
            if c.get(x, y) == KEY:
                continue
            near = False
            for dy in (-2, -1, 0, 1, 2):
                for dx in (-2, -1, 0, 1, 2):
                    if abs(dx) + abs(dy) > 2:
                        continue
                    nx, ny = x + dx, y + dy
                    if not (0 <= nx < W and 0 <= ny < H) or c.get(nx, ny) == KEY:
                        near = True
            if near:
                edge.append((x, y))
    for x, y in edge:
        c.put(x, y, DARK)
    # The title in the tab and a thin light line under it.
    c.text(140, 16, "ZORVANE", TITLE, scale=2)
    c.rect(140, 36, 262, 37, LIGHT)
    # Subtitle across the body.
    subtitle = "OUTLOOK EXPRESS ANPASSEN"
    c.text((450 - text_width(subtitle)) // 2, 86, subtitle, SUBTITLE)
    # Light panels behind the buttons and the sponsor line.
    for (x0, y0, x1, y1) in ((85, 119, 411, 249), (67, 256, 433, 329)):
        c.rect(x0, y0, x1, y1, PANEL)
        c.frame(x0, y0, x1, y1, PANEL_EDGE)
    # The place of the close button: a small plate in the button's colour.
    c.rect(234, 10, 254, 30, (236, 236, 206))
    c.frame(234, 10, 254, 30, DARK)
    # Keep the outside exactly: top row and the two bottom rows key colour.
    for x in range(W):
        c.put(x, 0, KEY)
        c.put(x, H - 1, KEY)
        c.put(x, H - 2, KEY)
    return c


def draw_close_glyph():
    # Grey background (taken as transparent from the bottom-left pixel) and a
    # small dark cross in the lower half. The buttons lay glyph and caption
    # out together: the main window's close button shows only the glyph's
    # lower half (its margin comes out at -7), the about dialog's (margin 0)
    # shows all of it, so the cross sits where both show it.
    back = (192, 192, 192)
    dark = (40, 40, 40)
    c = Canvas(14, 14, back)
    for i in range(6):
        for d in (0, 1):
            c.put(4 + i + d, 7 + i, dark)
            c.put(9 - i + d, 7 + i, dark)
    return c


# ------------------------------------------------------------------ the icon

ICON_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def draw_icon():
    """32x32, 16 colours: a letter with a blue Z on it."""
    size = 32
    pix = [[None] * size for _ in range(size)]      # None: transparent
    for y in range(7, 26):
        for x in range(2, 30):
            pix[y][x] = 15
    for x in range(2, 30):
        pix[7][x] = 0
        pix[25][x] = 0
    for y in range(7, 26):
        pix[y][2] = 0
        pix[y][29] = 0
    # The flap: two lines from the top corners to the middle.
    for i in range(14):
        pix[8 + i // 1 if 8 + i < 22 else 21][3 + i] = 8
        pix[8 + i if 8 + i < 22 else 21][28 - i] = 8
    # A blue Z in the lower right, 9x9.
    for i in range(9):
        pix[15][19 + i] = 12
        pix[23][19 + i] = 12
        pix[23 - i][19 + i] = 12
        pix[16][19 + i] = 4
    return pix


def write_ico4(path, pix):
    size = len(pix)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = b''
    mask = b''
    for y in range(size - 1, -1, -1):
        row = pix[y]
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x in range(size):
            v = row[x]
            if v is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                v = 0
            line[x // 2] |= v << (4 if x % 2 == 0 else 0)
        xor += bytes(line)
        mask += bytes(bits)
    palette = b''.join(struct.pack('<BBBB', c[2], c[1], c[0], 0) for c in ICON_PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = info + palette + xor + mask
    header = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(header + entry + image)


def write_bmp24(path, pix):
    """pix: rows of (r, g, b), top row first."""
    h, w = len(pix), len(pix[0])
    stride = (w * 3 + 3) // 4 * 4
    body = b''
    for y in range(h - 1, -1, -1):
        line = b''.join(struct.pack('<BBB', c[2], c[1], c[0]) for c in pix[y])
        body += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(body), 0, 0, 14 + 40)
    with open(path, 'wb') as f:
        f.write(header + info + body)


def draw_standard_bmp():
    """A 22 x 22 frame of the toolbar's animation: a blue globe on grey."""
    grey, blue, light, land = (192, 192, 192), (40, 80, 170), (120, 170, 230), (60, 150, 70)
    pix = [[grey] * 22 for _ in range(22)]
    for y in range(22):
        for x in range(22):
            d = (x - 10.5) ** 2 + (y - 10.5) ** 2
            if d <= 81:
                pix[y][x] = light if (x + y) < 14 else blue
            if d <= 81 and ((5 <= x <= 10 and 6 <= y <= 11) or (12 <= x <= 15 and 12 <= y <= 16)):
                pix[y][x] = land
    return pix


def draw_open_glyph():
    """Three dots: the picker's "choose a file" glyph, on the key colour."""
    key, ink = (255, 0, 255), (0, 0, 0)
    pix = [[key] * 12 for _ in range(12)]
    for cx in (2, 6, 10):
        for y in (8, 9):
            for x in (cx - 1, cx):
                pix[y][x] = ink
    return pix


def draw_play_glyph():
    """A loudspeaker with a triangle: "listen"."""
    key, ink, green = (255, 0, 255), (0, 0, 0), (0, 128, 0)
    pix = [[key] * 16 for _ in range(16)]
    for y in range(6, 10):
        for x in range(2, 5):
            pix[y][x] = ink
    for i in range(5):
        for y in range(6 - i, 10 + i):
            pix[y][5 + i] = ink
    for i in range(4):
        for y in range(5 + i, 11 - i):
            pix[y][11 + i] = green
    return pix


def draw_backup_glyph():
    """A round arrow turning back: "undo a change", for the backups."""
    import math
    key, ink = (255, 0, 255), (0, 0, 128)
    pix = [[key] * 16 for _ in range(16)]
    # The ring, open at the upper left where the arrow head sits.
    for y in range(16):
        for x in range(16):
            dx, dy = x - 7.5, y - 8.5
            d = math.hypot(dx, dy)
            angle = math.degrees(math.atan2(-dy, dx)) % 360
            if 4.2 <= d <= 6.2 and not 100 <= angle <= 170:
                pix[y][x] = ink
    # The head, pointing left at the ring's open end.
    for i in range(4):
        for y in range(2 + i, 9 - i):
            pix[y][3 + i] = ink
    return pix


if __name__ == '__main__':
    write_bmp8(os.path.join(HERE, 'MainPicture.bmp'), draw_skin())
    write_bmp8(os.path.join(HERE, 'closeglyph.bmp'), draw_close_glyph())
    write_ico4(os.path.join(HERE, 'zorvane.ico'), draw_icon())
    write_bmp24(os.path.join(HERE, 'standardbmp.bmp'), draw_standard_bmp())
    write_bmp24(os.path.join(HERE, 'openglyph.bmp'), draw_open_glyph())
    write_bmp24(os.path.join(HERE, 'playglyph.bmp'), draw_play_glyph())
    write_bmp24(os.path.join(HERE, 'backupglyph.bmp'), draw_backup_glyph())
