#!/usr/bin/env python3
"""Draws the player's built-in music player skin: eleven PNG images at the sizes and cell layouts
the skinned player cuts its parts from. The images are committed in src/audio/builtin_skin/;
run this again after changing the artwork:

    scripts/make-builtin-skin.py src/audio/builtin_skin

Needs only Python 3 (the PNG files are written with zlib)."""

import struct
import sys
import zlib
from pathlib import Path

# Colours of the artwork.
FACE = (46, 52, 64)
FACE_LIGHT = (76, 86, 106)
FACE_DARK = (26, 30, 38)
PANEL = (12, 16, 22)
TEXT = (136, 192, 208)
TEXT_DIM = (60, 90, 100)
TITLE = (94, 129, 172)
TITLE_LIGHT = (129, 161, 193)
BUTTON = (67, 76, 94)
BUTTON_PRESSED = (40, 46, 58)
GLYPH = (229, 233, 240)
LIT = (163, 190, 140)
UNLIT = (59, 66, 82)

# A 3 x 5 pixel font: each glyph five rows of three bits, drawn in the top left of its 5 x 6 cell.
GLYPHS = {
    "A": ["010", "101", "111", "101", "101"], "B": ["110", "101", "110", "101", "110"],
    "C": ["011", "100", "100", "100", "011"], "D": ["110", "101", "101", "101", "110"],
    "E": ["111", "100", "110", "100", "111"], "F": ["111", "100", "110", "100", "100"],
    "G": ["011", "100", "101", "101", "011"], "H": ["101", "101", "111", "101", "101"],
    "I": ["111", "010", "010", "010", "111"], "J": ["001", "001", "001", "101", "010"],
    "K": ["101", "101", "110", "101", "101"], "L": ["100", "100", "100", "100", "111"],
    "M": ["101", "111", "111", "101", "101"], "N": ["110", "101", "101", "101", "101"],
    "O": ["010", "101", "101", "101", "010"], "P": ["110", "101", "110", "100", "100"],
    "Q": ["010", "101", "101", "110", "011"], "R": ["110", "101", "110", "101", "101"],
    "S": ["011", "100", "010", "001", "110"], "T": ["111", "010", "010", "010", "010"],
    "U": ["101", "101", "101", "101", "111"], "V": ["101", "101", "101", "101", "010"],
    "W": ["101", "101", "111", "111", "101"], "X": ["101", "101", "010", "101", "101"],
    "Y": ["101", "101", "010", "010", "010"], "Z": ["111", "001", "010", "100", "111"],
    "0": ["111", "101", "101", "101", "111"], "1": ["010", "110", "010", "010", "111"],
    "2": ["110", "001", "010", "100", "111"], "3": ["110", "001", "010", "001", "110"],
    "4": ["101", "101", "111", "001", "001"], "5": ["111", "100", "110", "001", "110"],
    "6": ["011", "100", "111", "101", "111"], "7": ["111", "001", "010", "010", "010"],
    "8": ["111", "101", "111", "101", "111"], "9": ["111", "101", "111", "001", "110"],
    '"': ["101", "101", "000", "000", "000"], "ellipsis": ["000", "000", "000", "000", "101"],
    ".": ["000", "000", "000", "000", "010"], ":": ["000", "010", "000", "010", "000"],
    "(": ["001", "010", "010", "010", "001"], ")": ["100", "010", "010", "010", "100"],
    "-": ["000", "000", "111", "000", "000"], "'": ["010", "010", "000", "000", "000"],
    "!": ["010", "010", "010", "000", "010"], "_": ["000", "000", "000", "000", "111"],
    "+": ["000", "010", "111", "010", "000"], "\\": ["100", "100", "010", "001", "001"],
    "/": ["001", "001", "010", "100", "100"], "[": ["011", "010", "010", "010", "011"],
    "]": ["110", "010", "010", "010", "110"], "^": ["010", "101", "000", "000", "000"],
    "&": ["010", "101", "010", "101", "011"], "%": ["101", "001", "010", "100", "101"],
    ",": ["000", "000", "000", "010", "100"], "=": ["000", "111", "000", "111", "000"],
    "$": ["011", "110", "010", "011", "110"], "#": ["101", "111", "101", "111", "101"],
    "?": ["110", "001", "010", "000", "010"], "*": ["101", "010", "101", "000", "000"],
}
# The cells of the font grid (31 per row) that hold each glyph.
CELLS = {**{chr(ord("A") + i): i for i in range(26)}, **{str(d): 31 + d for d in range(10)},
         '"': 26, "ellipsis": 41, ".": 42, ":": 43, "(": 44, ")": 45, "-": 46, "'": 47, "!": 48, "_": 49,
         "+": 50, "\\": 51, "/": 52, "[": 53, "]": 54, "^": 55, "&": 56, "%": 57, ",": 58, "=": 59, "$": 60,
         "#": 61, "?": 65, "*": 66}
# "@" is seven pixels wide, taken from one pixel right of its cell (27).
AT_SIGN = ["011110", "100001", "101101", "101110", "100000"]

# Seven-segment digits for the 9 x 13 time display: segments a b c d e f g.
SEGMENTS = {0: "abcdef", 1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc", 5: "afgcd", 6: "afgedc", 7: "abc",
            8: "abcdefg", 9: "abcdfg"}


class Image:
    def __init__(self, width, height, fill=FACE):
        self.width, self.height = width, height
        self.pixels = [[fill] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, colour)

    def frame(self, x, y, w, h, light, dark):
        for xx in range(x, x + w):
            self.set(xx, y, light)
            self.set(xx, y + h - 1, dark)
        for yy in range(y, y + h):
            self.set(x, yy, light)
            self.set(x + w - 1, yy, dark)

    def pattern(self, x, y, rows, colour):
        for dy, row in enumerate(rows):
            for dx, bit in enumerate(row):
                if bit == "1":
                    self.set(x + dx, y + dy, colour)

    def text(self, x, y, text, colour):
        for c in text:
            rows = GLYPHS.get(c.upper())
            if rows:
                self.pattern(x, y, rows, colour)
            x += 4

    def save(self, path):
        raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in self.pixels)
        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
        png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
        Path(path).write_bytes(png)


def button(image, x, y, w, h, pressed, symbol=None):
    image.fill(x, y, w, h, BUTTON_PRESSED if pressed else BUTTON)
    image.frame(x, y, w, h, FACE_DARK if pressed else FACE_LIGHT, FACE_LIGHT if pressed else FACE_DARK)
    if symbol:
        symbol(image, x + (1 if pressed else 0), y + (1 if pressed else 0), w, h)


def triangle(image, x, y, w, h, right=True, left_edge=None):
    cx, cy = x + w // 2, y + h // 2
    for i in range(4):
        for dy in range(-3 + i, 4 - i):
            image.set((cx - 1 + i) if right else (cx + 1 - i), cy + dy, GLYPH)


def symbol_previous(image, x, y, w, h):
    cx, cy = x + w // 2, y + h // 2
    image.fill(cx - 4, cy - 3, 1, 7, GLYPH)
    for i in range(4):
        image.fill(cx + 1 - i, cy - 3 + i, 1, 7 - 2 * i, GLYPH)


def symbol_next(image, x, y, w, h):
    cx, cy = x + w // 2, y + h // 2
    image.fill(cx + 3, cy - 3, 1, 7, GLYPH)
    for i in range(4):
        image.fill(cx - 2 + i, cy - 3 + i, 1, 7 - 2 * i, GLYPH)


def symbol_play(image, x, y, w, h):
    triangle(image, x, y, w, h)


def symbol_pause(image, x, y, w, h):
    cx, cy = x + w // 2, y + h // 2
    image.fill(cx - 3, cy - 3, 2, 7, GLYPH)
    image.fill(cx + 1, cy - 3, 2, 7, GLYPH)


def symbol_stop(image, x, y, w, h):
    cx, cy = x + w // 2, y + h // 2
    image.fill(cx - 3, cy - 3, 7, 7, GLYPH)


def symbol_eject(image, x, y, w, h):
    cx, cy = x + w // 2, y + h // 2
    for i in range(4):
        image.fill(cx - i, cy - 4 + i, 2 * i + 1, 1, GLYPH)
    image.fill(cx - 3, cy + 2, 7, 2, GLYPH)


def labelled(label):
    def draw(image, x, y, w, h):
        image.text(x + (w - 4 * len(label)) // 2 + 1, y + (h - 5) // 2, label, GLYPH)
    return draw


def digit(image, x, y, d, colour):
    segments = {"a": (1, 0, 7, 2), "b": (7, 1, 2, 6), "c": (7, 6, 2, 6), "d": (1, 11, 7, 2),
                "e": (0, 6, 2, 6), "f": (0, 1, 2, 6), "g": (1, 5, 7, 2)}
    for name, (sx, sy, sw, sh) in segments.items():
        image.fill(x + sx, y + sy, sw, sh, colour if name in SEGMENTS[d] else PANEL)


def main_picture():
    image = Image(275, 116)
    image.frame(0, 0, 275, 116, FACE_LIGHT, FACE_DARK)
    image.fill(0, 0, 275, 14, TITLE)  # replaced by the title bar
    image.fill(9, 22, 96, 40, PANEL)  # play state and time
    image.frame(9, 22, 96, 40, FACE_DARK, FACE_LIGHT)
    image.fill(71, 29, 2, 2, TEXT)  # the colon between minutes and seconds
    image.fill(71, 34, 2, 2, TEXT)
    image.fill(109, 24, 158, 13, PANEL)  # title
    image.frame(109, 24, 158, 13, FACE_DARK, FACE_LIGHT)
    image.fill(109, 41, 19, 10, PANEL)  # bit rate
    image.text(130, 43, "KBPS", TEXT_DIM)
    image.fill(154, 41, 14, 10, PANEL)  # sample rate
    image.text(170, 43, "KHZ", TEXT_DIM)
    image.fill(14, 70, 252, 14, FACE_DARK)  # seek bar bed
    image.fill(10, 86, 152, 22, FACE_DARK)  # transport bed
    image.text(14, 109, "TELVO", FACE_LIGHT)
    return image


def title_bar():
    image = Image(302, 27, FACE_DARK)
    for row, pressed in ((0, False), (9, True)):
        button(image, 0, row, 9, 9, pressed, labelled("="))
        button(image, 9, row, 9, 9, pressed, labelled("_"))
        button(image, 18, row, 9, 9, pressed, labelled("X"))
    button(image, 0, 18, 9, 9, False, labelled("^"))
    button(image, 9, 18, 9, 9, True, labelled("^"))
    for y in range(14):  # the active title bar, lighter towards its middle
        image.fill(27, y, 275, 1, TITLE_LIGHT if 4 <= y <= 9 else TITLE)
    image.text(27 + (275 - 4 * 5) // 2, 5, "TELVO", GLYPH)
    image.fill(27, 15, 275, 12, FACE)  # the inactive title bar, unused
    return image


def control_buttons():
    image = Image(136, 36, FACE_DARK)
    symbols = [(0, 23, symbol_previous), (23, 23, symbol_play), (46, 23, symbol_pause), (69, 23, symbol_stop),
               (92, 22, symbol_next)]
    for x, w, symbol in symbols:
        button(image, x, 0, w, 18, False, symbol)
        button(image, x, 18, w, 18, True, symbol)
    button(image, 114, 0, 22, 16, False, symbol_eject)
    button(image, 114, 16, 22, 16, True, symbol_eject)
    return image


def switches():
    image = Image(92, 85, FACE_DARK)
    for row, (pressed, on) in enumerate(((False, False), (True, False), (False, True), (True, True))):
        colour = LIT if on else GLYPH
        for x, w, label in ((0, 28, "REP"), (28, 47, "SHUFFLE")):
            button(image, x, 15 * row, w, 15, pressed)
            image.text(x + (w - 4 * len(label)) // 2 + 1 + pressed, 15 * row + 5 + pressed, label, colour)
    for i, (x, y) in enumerate(((0, 61), (46, 61), (0, 73), (46, 73))):
        pressed, on = i % 2 == 1, i >= 2
        for dx, label in ((0, "EQ"), (23, "PL")):
            button(image, x + dx, y, 23, 12, pressed)
            image.text(x + dx + 8 + pressed, y + 4 + pressed, label, LIT if on else GLYPH)
    return image


def indicators():
    image = Image(58, 24, FACE)
    for x, label in ((0, "STEREO"), (29, "MONO")):
        for row, colour in ((0, LIT), (12, UNLIT)):
            image.text(x + (29 - 4 * len(label)) // 2 + 1, row + 4, label, colour)
    return image


def slider(balance):
    image = Image(68, 433, FACE)
    for frame in range(28):
        y = 15 * frame
        share = frame / 27
        colour = (int(80 + 120 * share), int(160 - 60 * share), 90)
        left, width = (9, 38) if balance else (0, 68)
        image.fill(left, y + 4, width, 5, FACE_DARK)
        image.fill(left + 1, y + 5, max(1, int((width - 2) * (share if not balance else 1))), 3, colour)
    for x, pressed in ((0, True), (15, False)):
        button(image, x, 422, 14, 11, pressed)
    return image


def position_bar():
    image = Image(307, 10, FACE_DARK)
    image.fill(0, 3, 248, 4, PANEL)
    button(image, 248, 0, 29, 10, False)
    button(image, 278, 0, 29, 10, True)
    return image


def numbers():
    image = Image(90, 13, PANEL)
    for d in range(10):
        digit(image, 9 * d, 0, d, TEXT)
    return image


def play_state():
    image = Image(27, 9, PANEL)
    for i in range(4):  # playing
        image.fill(2 + i, 1 + i, 1, 7 - 2 * i, LIT)
    image.fill(11, 1, 2, 7, TEXT)  # paused
    image.fill(14, 1, 2, 7, TEXT)
    image.fill(20, 2, 5, 5, UNLIT)  # stopped
    return image


def font():
    image = Image(155, 18, PANEL)
    for name, cell in CELLS.items():
        image.pattern(5 * (cell % 31), 6 * (cell // 31), GLYPHS[name], TEXT)
    image.pattern(5 * 27 + 1, 0, AT_SIGN, TEXT)
    return image


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "src/audio/builtin_skin")
    out.mkdir(parents=True, exist_ok=True)
    pictures = {"MAIN": main_picture(), "TITLEBAR": title_bar(), "CBUTTONS": control_buttons(),
                "SHUFREP": switches(), "MONOSTER": indicators(), "VOLUME": slider(False), "BALANCE": slider(True),
                "POSBAR": position_bar(), "NUMS_EX": numbers(), "PLAYPAUS": play_state(), "TEXT": font()}
    for name, image in pictures.items():
        image.save(out / f"WA2_{name}.png")


if __name__ == "__main__":
    main()
