#!/usr/bin/env python3
"""Redraws the program's icons and bitmaps beside this script.

The pictures are pixel art in the 16-colour VGA palette, written out byte by
byte, so nothing beyond the standard library is needed:
  Wendrake.ico   key cap with an arrow, 32x32 and 16x16 (hot keys enabled)
  Disabled.ico   the same, greyed and struck through (hot keys disabled)
  Toolbar.bmp    three 16x15 buttons: add (N), edit (E), delete (red cross)
  ListIcons.bmp  three 16x16 row icons: file, folder, folder to explore
"""

import os
import struct

# The standard VGA palette, in the order of the Windows 16-colour palette.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# One letter per palette entry; '.' is the background (transparent in icons).
INDEX = {c: i for i, c in enumerate("KrgonptsGRLYBMCW")}
BLACK, MAROON, GRAY, SILVER, WHITE, RED, LIME = 0, 1, 8, 7, 15, 9, 10

# Hot keys enabled: a key cap that sets something off, hence the arrow.
KEY_32 = [
    "................................",
    "..................ggggggggggggg.",
    "...................gLLLLLLLLLLg.",
    "....................gLLLLLLLLLg.",
    ".....................gLLLLLLLLg.",
    "......................gLLLLLLLg.",
    ".......................gLLLLLLg.",
    "...KKKKKKKKKKKKKKKKKKKgLLLLLLLg.",
    "..KssssssssssssssssssgLLLLLLLLg.",
    ".KsssWWWWWWWWWWWWWWWgLLLLLgLLLg.",
    ".KsssWWWWWWWWWWWWWWgLLLLLgKgLLg.",
    ".KsssWWWWWWWWWWWWWgLLLLLgGKKgLg.",
    ".KsssWWWWWWWWWWWWgLLLLLgGGGK.gg.",
    ".KsssWWWWWWWWWWWgLLLLLgWGGGK...g",
    ".KsssWWWWWWWWWWgLLLLLgWWGGGK....",
    ".KsssWWWWWWWWWgLLLLLgWWWGGGK....",
    ".KsssWWWWWWWWgLLLLLgWWWWGGGK....",
    ".KsssWWWWWWWWgLLLLgWWWWWGGGK....",
    ".KsssWWWWWWWWWgLLgWWWWWWGGGK....",
    ".KsssWWWWWWWWWWggWWWWWWWGGGK....",
    ".KsssWWWWWWWWWWWWWWWWWWWGGGK....",
    ".KsssWWWWWWWWWWWWWWWWWWWGGGK....",
    ".KsssWWWWWWWWWWWWWWWWWWWGGGK....",
    ".KsssWWWWWWWWWWWWWWWWWWWGGGK....",
    ".KsssWWWWWWWWWWWWWWWWWWWGGGK....",
    ".KsssWWWWWWWWWWWWWWWWWWWGGGK....",
    ".KssGGGGGGGGGGGGGGGGGGGGGGGK....",
    ".KsGGGGGGGGGGGGGGGGGGGGGGGGK....",
    ".KGGGGGGGGGGGGGGGGGGGGGGGGGK....",
    ".KGGGGGGGGGGGGGGGGGGGGGGGGGK....",
    "..KGGGGGGGGGGGGGGGGGGGGGGGK.....",
    "...KKKKKKKKKKKKKKKKKKKKKKK......",
]

KEY_16 = [
    ".......ggggggggg",
    "........gLLLLLLg",
    ".........gLLLLLg",
    "..........gLLLLg",
    ".KKKKKKKKgLLLLLg",
    "KssssssgLLLggLLg",
    "KsWWWWgLLgGKgLg.",
    "KsWWWgLLgWGK.gg.",
    "KsWWWWggWWGK....",
    "KsWWWWWWWWGK....",
    "KsWWWWWWWWGK....",
    "KsWWWWWWWWGK....",
    "KsGGGGGGGGGK....",
    "KGGGGGGGGGGK....",
    "KGGGGGGGGGGK....",
    ".KKKKKKKKKK.....",
]

# Tool-bar buttons: the key cap of the add and edit commands carries the
# letter of its accelerator; delete carries a red cross.
BUTTONS = [
    "................" "................" "................",
    ".KKKKKKKKKKKKKK." ".KKKKKKKKKKKKKK." ".KKKKKKKKKKKKKK.",
    "KssssssssssssGGK" "KssssssssssssGGK" "KssssssssssssGGK",
    "KsWWWWWWWWWWWGGK" "KsWWWWWWWWWWWGGK" "KsWWWWWWWWWWWGGK",
    "KsWWnnWWWWnnWGGK" "KsWWnnnnnnnWWGGK" "KsWRRWWWWWRRWGGK",
    "KsWWnnnWWWnnWGGK" "KsWWnnWWWWWWWGGK" "KsWRRRWWWRRRWGGK",
    "KsWWnnnnWWnnWGGK" "KsWWnnWWWWWWWGGK" "KsWWRRRWRRRWWGGK",
    "KsWWnnWnnWnnWGGK" "KsWWnnnnnnWWWGGK" "KsWWWRRRRRWWWGGK",
    "KsWWnnWWnnnnWGGK" "KsWWnnWWWWWWWGGK" "KsWWRRRWRRRWWGGK",
    "KsWWnnWWWnnnWGGK" "KsWWnnWWWWWWWGGK" "KsWRRRWWWRRRWGGK",
    "KsWWnnWWWWnnWGGK" "KsWWnnnnnnnWWGGK" "KsWRRWWWWWRRWGGK",
    "KsWWWWWWWWWWWGGK" "KsWWWWWWWWWWWGGK" "KsWWWWWWWWWWWGGK",
    "KsGGGGGGGGGGGGGK" "KsGGGGGGGGGGGGGK" "KsGGGGGGGGGGGGGK",
    "KGGGGGGGGGGGGGGK" "KGGGGGGGGGGGGGGK" "KGGGGGGGGGGGGGGK",
    ".KKKKKKKKKKKKKK." ".KKKKKKKKKKKKKK." ".KKKKKKKKKKKKKK.",
]

# Row icons in operation order: open file, open folder, explore.
LIST_ICONS = [
    "................" "................" "................",
    "..KKKKKKKKK....." "................" "................",
    "..KWWWWWWWKK...." ".KKKK..........." ".KKKK....KKKK...",
    "..KWWWWWWWKWK..." "KYYYYK.........." "KYYYYK..KCCCCK..",
    "..KWWWWWWWKWWK.." "KYWWWWKKKKKKK..." "KYWWWWKKCWWCCCK.",
    "..KWWWWWWWKKKKK." "KYWYYYYYYYYYK..." "KWYYYYYKCWCCCCK.",
    "..KWnnnnnnnnWWK." "KYWYYYYYYYYYK..." "KWYYYYYKCCCCCCK.",
    "..KWWWWWWWWWWWK." "KYWYKKKKKKKKKKKK" "KWYYYYYKCCCCCCK.",
    "..KWnnnnnnnnWWK." "KYWKWWWWWWWWWWYK" "KWYYYYYYKCCCCK..",
    "..KWWWWWWWWWWWK." "KYKWYYYYYYYYYYK." "KWYYYYYYYKKKKK..",
    "..KWnnnnnnnnWWK." "KYKWYYYYYYYYYoK." "KWYYYYYYYYYK.KK.",
    "..KWWWWWWWWWWWK." "KKWYYYYYYYYYYK.." "KWYYYYYYYYYK..KK",
    "..KWnnnnnWWWWWK." "KKWYYYYYYYYYoK.." "KWYYYYYYYYYK...K",
    "..KWWWWWWWWWWWK." "KWYYYYYYYYYYK..." "KWYYYYYYYYoK....",
    "..KKKKKKKKKKKKK." "KKKKKKKKKKKKK..." "KKKKKKKKKKKK....",
    "................" "................" "................",
]


def pixels(art):
    """Palette indices of ASCII art, None where the art is background."""
    return [[None if c == "." else INDEX[c] for c in row] for row in art]


def greyed(image):
    """The picture washed out to greys, as a disabled control looks."""
    def grey(i):
        r, g, b = PALETTE[i]
        light = 0.299 * r + 0.587 * g + 0.114 * b
        return GRAY if light < 100 else SILVER if light < 200 else WHITE
    return [[None if i is None else grey(i) for i in row] for row in image]


def struck_through(image):
    """A red bar from top left to bottom right, edged in dark red."""
    size = len(image)
    half = size // 16  # half the bar's width beside its centre line
    out = [row[:] for row in image]
    for y in range(size):
        for x in range(size):
            offset = abs(x - y)
            if offset <= half:
                out[y][x] = RED
            elif offset == half + 1:
                out[y][x] = MAROON
    return out


def palette_bytes():
    return b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)


def stride(width, bits):
    """Bytes per row, padded to a DWORD as every DIB row is."""
    return (width * bits + 31) // 32 * 4


def nibbles(image, background):
    """4-bit pixel rows, bottom row first as in a DIB."""
    out = bytearray()
    for row in reversed(image):
        line = bytearray(stride(len(row), 4))
        for x, i in enumerate(row):
            line[x // 2] |= (background if i is None else i) << (4 if x % 2 == 0 else 0)
        out += line
    return bytes(out)


def mask_bits(image):
    """1-bit AND mask rows, bottom row first; set bits are transparent."""
    out = bytearray()
    for row in reversed(image):
        line = bytearray(stride(len(row), 1))
        for x, i in enumerate(row):
            if i is None:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def bmp(image, background):
    bits = nibbles(image, background)
    offset = 14 + 40 + 16 * 4
    return (struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
            + info_header(len(image[0]), len(image), len(bits)) + palette_bytes() + bits)


def ico(images):
    """An icon file; the DIB of each image is twice as high, for its mask."""
    bodies = []
    for image in images:
        bits = nibbles(image, BLACK) + mask_bits(image)
        bodies.append(info_header(len(image), 2 * len(image), len(bits)) + palette_bytes() + bits)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for image, body in zip(images, bodies):
        size = len(image)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(body), offset)
        offset += len(body)
    return out + b"".join(bodies)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    keys = [pixels(KEY_32), pixels(KEY_16)]
    files = {
        "Wendrake.ico": ico(keys),
        "Disabled.ico": ico([struck_through(greyed(k)) for k in keys]),
        "Toolbar.bmp": bmp(pixels(BUTTONS), SILVER),
        "ListIcons.bmp": bmp(pixels(LIST_ICONS), LIME),
    }
    for name, data in files.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
