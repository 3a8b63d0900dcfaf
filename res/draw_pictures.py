#!/usr/bin/env python3
"""Redraws the program's icons and bitmaps beside this script.

The pictures use the 16-colour VGA palette and are written out byte by byte,
so nothing beyond the standard library is needed:
  Wendrake.ico        key cap with an arrow, 32x32 and 16x16 (hot keys enabled)
  Disabled.ico        the same, greyed and struck through (hot keys disabled)
  Toolbar[-DPI].bmp   three buttons: add (N), edit (E), delete (red cross)
  ListIcons[-DPI].bmp three row icons: file, folder, folder to explore

The program picks the bitmaps for the screen's DPI, so the tool bar and row
icons are drawn from shapes at every size instead of being stretched; the
96-DPI files keep the plain names.  The icons are pixel art.

Run: python3 res/draw_pictures.py
"""

import math
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
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE) = range(16)

# The DPIs the program has pictures for.
DPIS = [96, 120, 144, 192, 240, 288]

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


# Shapes are sets of (x, y) pixels.  A pixel belongs to a shape when its
# centre does, which keeps every edge on whole pixels: no blending is
# possible in 16 colours, and a transparent colour must match exactly.

def box(x0, y0, x1, y1):
    """The pixels from (x0, y0) up to but not including (x1, y1)."""
    return {(x, y) for y in range(y0, y1) for x in range(x0, x1)}


def polygon(points):
    """A convex polygon; centres right on an edge are left out, so that two
    shapes sharing a 45-degree edge step along the same staircase."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    area = sum(xs[i] * ys[i - 1] - xs[i - 1] * ys[i] for i in range(len(points)))
    turn = 1 if area < 0 else -1
    shape = set()
    for y in range(math.floor(min(ys)), math.ceil(max(ys))):
        for x in range(math.floor(min(xs)), math.ceil(max(xs))):
            cx, cy = x + 0.5, y + 0.5
            if all(turn * ((bx - ax) * (cy - ay) - (by - ay) * (cx - ax)) > 0
                   for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1])):
                shape.add((x, y))
    return shape


def disc(cx, cy, r):
    return {(x, y) for y in range(math.floor(cy - r), math.ceil(cy + r))
            for x in range(math.floor(cx - r), math.ceil(cx + r))
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r}


def slant(x0, y0, x1, y1, width):
    """A stroke from (x0, y0) to (x1, y1), `width` pixels across in every
    row and cut off level at the top and bottom."""
    shape = set()
    for y in range(y0, y1):
        middle = x0 + (y + 0.5 - y0) * (x1 - x0) / (y1 - y0)
        left = math.floor(middle - width / 2 + 0.5)  # whole pixels either side
        shape |= box(left, y, left + width, y + 1)
    return shape


def chamfered(shape, cut):
    """The shape with its corners cut off, the small-size way of rounding."""
    xs = [x for x, y in shape]
    ys = [y for x, y in shape]
    left, right, top, bottom = min(xs), max(xs), min(ys), max(ys)
    return {(x, y) for x, y in shape
            if min(x - left, right - x) + min(y - top, bottom - y) >= cut}


def inside(shape, width):
    """The shape less a border `width` pixels thick.  Steps are taken along
    the axes only, so a slanting border is as thin as a straight one."""
    return {(x, y) for x, y in shape
            if all((x + dx, y + dy) in shape
                   for dx in range(-width, width + 1)
                   for dy in range(-width + abs(dx), width - abs(dx) + 1))}


def rim(shape, dx, dy, width):
    """The pixels within `width` of the shape's edge on the side (dx, dy)
    points to: light falls from the top left, shade lies bottom right."""
    return {(x, y) for x, y in shape
            if any((x + dx * i, y + dy * i) not in shape for i in range(1, width + 1))}


class Picture:
    """A width x height grid of palette indices on a background colour."""

    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.rows = [[background] * width for _ in range(height)]

    def fill(self, shape, colour):
        for x, y in shape:
            if 0 <= x < self.width and 0 <= y < self.height:
                self.rows[y][x] = colour

    def outlined(self, shape, colour, line):
        """Fills the shape with a black border; returns what is inside it."""
        self.fill(shape, BLACK)
        middle = inside(shape, line)
        self.fill(middle, colour)
        return middle


class Size:
    """Lengths of the 16-pixel design at one DPI, in whole pixels."""

    def __init__(self, dpi):
        self.scale = dpi / 96
        # One-pixel lines at 96 DPI, a pixel thicker for each whole step up:
        # half steps would make the outlines heavy next to the shapes.
        self.line = math.floor(self.scale)

    def __call__(self, length):
        return math.floor(length * self.scale + 0.5)  # halves round up


# Tool-bar buttons: a key cap whose face carries the letter of the command's
# accelerator, or a red cross for delete.  The key's sides show bottom right.

def key_cap(p, x0, s):
    """Draws a key cap in the button at x0; returns its face as a box."""
    width, height, line = s(16), s(15), s.line
    cap = chamfered(box(x0, s(1), x0 + width, height), s(1))
    middle = p.outlined(cap, GRAY, line)
    xs = [x for x, y in middle]
    ys = [y for x, y in middle]
    left, top = min(xs), min(ys)
    right, bottom = max(xs) + 1 - s(2), max(ys) + 1 - s(2)  # the sides
    p.fill(middle & box(left, top, right, bottom), WHITE)
    return left, top, right, bottom


def centred(face, width, height):
    """The box of width x height in the middle of the face, low if odd."""
    left, top, right, bottom = face
    x = left + (right - left - width + 1) // 2
    y = top + (bottom - top - height + 1) // 2
    return x, y, x + width, y + height


def letter_n(p, face, s):
    x0, y0, x1, y1 = centred(face, s(8), s(7))
    stem = s(2)
    p.fill(box(x0, y0, x0 + stem, y1) | box(x1 - stem, y0, x1, y1)
           | slant(x0, y0, x1, y1, stem) & box(x0, y0, x1, y1), NAVY)


def letter_e(p, face, s):
    x0, y0, x1, y1 = centred(face, s(7), s(7))
    stem, bar = s(2), s.line
    middle = y0 + (y1 - y0 - bar) // 2
    p.fill(box(x0, y0, x0 + stem, y1) | box(x0, y0, x1, y0 + bar)
           | box(x0, middle, x1 - s(1), middle + bar) | box(x0, y1 - bar, x1, y1), NAVY)


def cross(p, face, s):
    # Arms at 45 degrees step by whole pixels, so both look alike.
    height = s(7)
    x0, y0, x1, y1 = centred(face, height, height)
    arm = s(3)
    p.fill(slant(x0, y0, x1, y1, arm) | slant(x1, y0, x0, y1, arm), RED)


def toolbar(dpi):
    s = Size(dpi)
    p = Picture(3 * s(16), s(15), SILVER)
    for n, mark in enumerate([letter_n, letter_e, cross]):
        mark(p, key_cap(p, n * s(16), s), s)
    return p.rows


# Row icons, in operation order: open file, open folder, explore.

def document(p, x0, s):
    """A page with its top right corner folded down, and lines of text."""
    line = s.line
    left, top, right, bottom = x0 + s(2), s(1), x0 + s(15), s(15)
    fold = s(4)
    page = polygon([(left, top), (right - fold, top), (right, top + fold),
                    (right, bottom), (left, bottom)])
    p.outlined(page, WHITE, line)
    # The folded corner lies on the page and shares its slanting edge.
    p.outlined(page & box(right - fold - line, top, right, top + fold + line), WHITE, line)
    # As many lines of text as fit with a gap under each, the last one short
    # like a paragraph's.
    step = max(2 * line, s(2))
    rows = list(range(top + fold + line, bottom - 3 * line + 1, step))
    for y in rows:
        end = s(12) if y != rows[-1] else s(9)
        p.fill(box(x0 + s(4), y, x0 + end, y + line), NAVY)


def folder(p, x0, s, width):
    """A folder's back, with its tab on the top left."""
    line = s.line
    # The tab reaches down into the body, which hides its lower corners.
    tab = chamfered(box(x0, s(2), x0 + s(6), s(6)), s(1))
    body = box(x0, s(4), x0 + width, s(15))
    middle = p.outlined(tab | body, YELLOW, line)
    shaded(p, middle, {(x, y) for x, y in middle if y >= s(4) + line}, line)


def shaded(p, middle, lower, line):
    """Light on the top and left of a yellow face, shade on the right of
    its lower part (a folder's tab stays plain on that side)."""
    p.fill(rim(lower, 1, 0, line), OLIVE)
    p.fill(rim(middle, -1, 0, line) | rim(middle, 0, -1, line), WHITE)


def open_folder(p, x0, s):
    folder(p, x0, s, s(13))
    # The front leans back to the right, opened away from the viewer.
    front = polygon([(x0 + s(4), s(7)), (x0 + s(16), s(7)),
                     (x0 + s(13), s(15)), (x0, s(15))])
    middle = p.outlined(front, YELLOW, s.line)
    shaded(p, middle, middle, s.line)


def explore(p, x0, s):
    folder(p, x0, s, s(12))
    # The glass lies over the folder's top right, its handle running from
    # the glass's middle down to the right at 45 degrees.
    cx, cy, r = x0 + s(10), s(6), s(4)
    p.fill({(x, y) for x, y in box(cx, cy, x0 + s(16), s(16))
            if 0 <= (x - y) - (cx - cy) < s(2)}, BLACK)
    glass = p.outlined(disc(cx, cy, r), AQUA, s.line)
    # A glint: a quarter ring on the side towards the light.
    p.fill({(x, y) for x, y in glass if x + 0.5 < cx and y + 0.5 < cy
            and 0.3 * r <= math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= 0.6 * r}, WHITE)


def list_icons(dpi):
    s = Size(dpi)
    p = Picture(3 * s(16), s(16), LIME)
    for n, draw in enumerate([document, open_folder, explore]):
        draw(p, n * s(16), s)
    return p.rows


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


def bmp(image):
    bits = nibbles(image, BLACK)
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
    }
    for dpi in DPIS:
        suffix = "" if dpi == 96 else "-%d" % dpi
        files["Toolbar%s.bmp" % suffix] = bmp(toolbar(dpi))
        files["ListIcons%s.bmp" % suffix] = bmp(list_icons(dpi))
    for name, data in files.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
