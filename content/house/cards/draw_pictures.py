#!/usr/bin/env python3
# Writes the card room's SVG pictures in this folder: the room ("conc"), its sheet of pieces
# ("concgfx": the decks on the shelf and taken, the table, the 17 pictures lit and unlit), the
# cards ("cardgfx": two cards of each face, the three backs) and the shadow play ("shadows").
# Every one of the 17 things is drawn by one routine, so the card, the lit picture, its dark
# twin and its shadow always match. Run it after changing a drawing:
#   python3 content/house/cards/draw_pictures.py
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PALETTE = os.path.join(HERE, "..", "..", "palette", "zorvik.gpl")
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer, load_palette  # noqa: E402

write = writer(HERE)

INK = "#2b1a10"; BLACK = "#000000"; WHITE = "#ffffff"; SNOW = "#eef6ff"
RED = "#d82828"; RED2 = "#8a1414"; LIGHT_RED = "#ff7b7b"
GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"; YELLOW = "#ffd21f"; ORANGE = "#f5891f"
BLUE = "#2f6fdc"; BLUE2 = "#1a3a7b"; LIGHT_BLUE = "#8cc8ff"
PINE3 = "#246d49"; PINE5 = "#3aad73"; GREEN2 = "#1f6b25"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"
DARK_WOOD4 = "#643b26"; PINK = "#e04f8b"; PINK7 = "#f3b9d1"; PURPLE = "#8a4fc8"
SKIN6 = "#e9c6a8"; CREAM6 = "#f6eccd"; TAN3 = "#ac8f53"; TAN6 = "#d2c2a2"
GREY6 = "#777777"; SILVER = "#c2c2c2"
NIGHT = "#10304a"
KEY = "#1640a4"  # palette 108 is see-through in these pictures; never drawn


PAL = load_palette(PALETTE)
KEY = "#%02x%02x%02x" % PAL[108]
GREYS = [c for c in PAL if abs(c[0] - c[1]) < 14 and abs(c[1] - c[2]) < 14 and 60 < c[0] < 235]


def hexrgb(h):
    return int(h[1:3], 16), int(h[3:5], 16), int(h[5:7], 16)


def dim(colour):
    """The unlit twin of a colour: a grey of about its lightness, a little darker."""
    r, g, b = hexrgb(colour)
    light = (0.3 * r + 0.59 * g + 0.11 * b) * 0.72 + 24
    best = min(GREYS, key=lambda c: abs(c[0] - light))
    return "#%02x%02x%02x" % best


SHADOW = "#2b3848"
# What shows through the wreath: the wall (see-through) in the room, the card on a card.
HOLE = [KEY]


class Pen:
    """Draws with colours as given (lit), greyed (unlit) or all one dark colour (shadow)."""

    def __init__(self, mode):
        self.mode = mode

    def c(self, colour):
        if self.mode == "lit":
            return colour
        if self.mode == "unlit":
            return dim(colour)
        return SHADOW

    def ink(self):
        return INK if self.mode != "shadow" else SHADOW

    def shape(self, tag, fill, detail=False, **attrs):
        if detail and self.mode == "shadow":
            return ""
        a = " ".join(f'{k.replace("_", "-")}="{v}"' for k, v in attrs.items())
        return f'<{tag} {a} fill="{self.c(fill) if fill != "none" else "none"}" stroke="{self.ink()}" stroke-width="1.2"/>'

    def line(self, d, colour, width=1.2, detail=False):
        if detail and self.mode == "shadow":
            return ""
        return f'<path d="{d}" fill="none" stroke="{self.c(colour)}" stroke-width="{width}" stroke-linecap="round"/>'


# Each thing in its own box of the size its picture has in the room (width, height).
def bell(p):
    return (p.shape("path", GOLD4, d="M15.5 4 C7 4 6 12 6 20 C6 25 3 27 2 30 L29 30 C28 27 25 25 25 20 C25 12 24 4 15.5 4 Z")
            + p.shape("circle", GOLD3, cx=15.5, cy=32, r=2.5)
            + p.shape("path", RED, d="M9 5 L15.5 1 L22 5 L15.5 7 Z"))


def star(p):
    pts = "15,1 19,12 29,13 21,20 24,33 15,26 6,33 9,20 1,13 11,12"
    return p.shape("polygon", YELLOW, points=pts) + p.shape("circle", GOLD7, detail=True, cx=15, cy=17, r=3)


def wreath(p):
    out = p.shape("circle", PINE3, cx=36.5, cy=35, r=30)
    out += f'<circle cx="36.5" cy="35" r="15" fill="{HOLE[0]}" stroke="{p.ink()}" stroke-width="1.2"/>'
    for i, (x, y) in enumerate([(14, 22), (58, 22), (12, 46), (60, 46), (36, 62), (24, 58), (48, 58), (36, 8)]):
        out += p.shape("circle", PINE5 if i % 2 else GREEN2, detail=True, cx=x, cy=y, r=5)
    for x, y in [(20, 14), (54, 14), (8, 34), (65, 34), (28, 63), (45, 63)]:
        out += p.shape("circle", RED, detail=True, cx=x, cy=y, r=2.5)
    out += p.shape("path", RED, d="M36.5 58 L24 50 L24 66 Z M36.5 58 L49 50 L49 66 Z")
    out += p.shape("circle", RED2, cx=36.5, cy=58, r=3)
    return out


def sled(p):
    return (p.shape("path", RED, d="M6 3 L48 3 L46 14 L8 14 Z")
            + p.line("M6 6 L46 6", RED2, detail=True)
            + p.shape("path", GOLD3, d="M2 19 L46 19 C52 19 52 13 50 12 L52 11 C55 15 54 22 46 22 L2 22 Z")
            + p.shape("rect", GOLD3, x=12, y=14, width=3, height=5) + p.shape("rect", GOLD3, x=38, y=14, width=3, height=5))


def candle(p):
    return (p.shape("path", ORANGE, d="M8 1 C12 6 12 10 8 13 C4 10 4 6 8 1 Z")
            + p.shape("path", YELLOW, detail=True, d="M8 5 C10 8 10 10 8 12 C6 10 6 8 8 5 Z")
            + p.shape("rect", RED, x=3, y=15, width=10, height=49)
            + p.line("M6 18 L6 60", LIGHT_RED, 2, detail=True)
            + p.shape("rect", GOLD3, x=1, y=63, width=14, height=6))


def cane(p):
    out = p.line("M4 57 L4 10 C4 1 15 1 14 10 L14 13", INK if p.mode != "shadow" else SHADOW, 7)
    out += p.line("M4 57 L4 10 C4 1 15 1 14 10 L14 13", WHITE, 4.6)
    for y in range(12, 56, 8):
        out += p.line(f"M2.5 {y + 3} L5.5 {y}", RED, 2.2, detail=True)
    out += p.line("M6 3 L8 5", RED, 2.2, detail=True) + p.line("M12 5 L14 8", RED, 2.2, detail=True)
    return out


def stocking(p):
    return (p.shape("path", RED, d="M4 10 L17 10 L17 36 C17 42 21 42 21 47 C21 52 14 52 10 50 L3 44 C1 42 4 36 4 34 Z")
            + p.shape("rect", WHITE, x=2, y=2, width=17, height=9)
            + p.shape("path", GREEN2, detail=True, d="M11 22 L14 27 L8 27 Z"))


def crayon(p):
    return (p.shape("path", BLUE, d="M7 1 L11 10 L3 10 Z")
            + p.shape("rect", BLUE, x=2, y=10, width=10, height=44)
            + p.shape("rect", LIGHT_BLUE, detail=True, x=2, y=18, width=10, height=6)
            + p.shape("rect", LIGHT_BLUE, detail=True, x=2, y=40, width=10, height=6))


def lollipop(p):
    out = p.shape("rect", WHITE, x=6.5, y=14, width=3, height=42)
    out += p.shape("circle", PINK, cx=8, cy=8, r=7)
    out += p.line("M8 8 m-3 0 a3 3 0 1 1 3 3 a5 5 0 1 1 -5 -5", PINK7, 1.6, detail=True)
    return out


def snowman(p):
    return (p.shape("circle", WHITE, cx=11, cy=59, r=10.5)
            + p.shape("circle", WHITE, cx=11, cy=39, r=8)
            + p.shape("circle", WHITE, cx=11, cy=22, r=6.5)
            + p.shape("rect", BLACK, x=5, y=2, width=12, height=12) + p.shape("rect", BLACK, x=2, y=13, width=18, height=3)
            + p.shape("path", ORANGE, detail=True, d="M11 22 L17 24 L11 25 Z")
            + p.shape("rect", RED, detail=True, x=5, y=29, width=12, height=3)
            + p.shape("circle", BLACK, detail=True, cx=11, cy=38, r=1) + p.shape("circle", BLACK, detail=True, cx=11, cy=44, r=1))


def penguin(p):
    return (p.shape("ellipse", "#223344", cx=10.5, cy=25, rx=9.5, ry=18)
            + p.shape("ellipse", WHITE, detail=True, cx=10.5, cy=29, rx=6, ry=12)
            + p.shape("circle", WHITE, detail=True, cx=8, cy=13, r=2) + p.shape("circle", WHITE, detail=True, cx=13, cy=13, r=2)
            + p.shape("path", ORANGE, d="M8 17 L13 17 L10.5 21 Z")
            + p.shape("path", ORANGE, d="M3 42 L9 42 L8 44 L2 44 Z M12 42 L18 42 L19 44 L13 44 Z"))


def teddy(p):
    return (p.shape("circle", WOOD4, cx=4, cy=4, r=3.5) + p.shape("circle", WOOD4, cx=18, cy=4, r=3.5)
            + p.shape("ellipse", WOOD4, cx=11, cy=31, rx=9, ry=11)
            + p.shape("circle", WOOD4, cx=11, cy=12, r=8.5)
            + p.shape("ellipse", WOOD7, detail=True, cx=11, cy=15, rx=4, ry=3)
            + p.shape("circle", BLACK, detail=True, cx=8, cy=10, r=1) + p.shape("circle", BLACK, detail=True, cx=14, cy=10, r=1)
            + p.shape("ellipse", WOOD7, detail=True, cx=11, cy=32, rx=5, ry=6)
            + p.shape("path", RED, d="M6 20 L16 20 L11 23 Z"))


def nutcracker(p):
    return (p.shape("rect", RED, x=4, y=1, width=13, height=13)
            + p.shape("rect", GOLD4, x=3, y=13, width=15, height=3)
            + p.shape("rect", SKIN6, x=5, y=16, width=11, height=9)
            + p.shape("rect", WHITE, detail=True, x=5, y=21, width=11, height=4)
            + p.shape("rect", BLUE2, x=3, y=25, width=15, height=16)
            + p.line("M5 29 L16 29 M5 33 L16 33", GOLD4, 1.4, detail=True)
            + p.shape("rect", BLACK, x=4, y=41, width=6, height=16) + p.shape("rect", BLACK, x=11, y=41, width=6, height=16))


def little_tree(p):
    return (p.shape("path", PINE3, d="M9 2 L16 20 L12 20 L17 36 L13 36 L18 52 L0 52 L5 36 L1 36 L6 20 L2 20 Z")
            + p.shape("rect", WOOD2, x=6.5, y=52, width=5, height=8)
            + p.shape("circle", RED, detail=True, cx=7, cy=27, r=1.6) + p.shape("circle", GOLD4, detail=True, cx=11, cy=42, r=1.6)
            + p.shape("circle", LIGHT_BLUE, detail=True, cx=6, cy=46, r=1.6))


def rocket(p):
    return (p.shape("path", SILVER, d="M8.5 1 C14 8 14 20 13 32 L4 32 C3 20 3 8 8.5 1 Z")
            + p.shape("circle", LIGHT_BLUE, detail=True, cx=8.5, cy=15, r=2.6)
            + p.shape("path", RED, d="M4 24 L0 36 L4 33 Z M13 24 L17 36 L13 33 Z")
            + p.shape("path", ORANGE, d="M5 33 L12 33 L8.5 42 Z"))


def doll(p):
    return (p.shape("circle", SKIN6, cx=12.5, cy=10, r=8)
            + p.shape("path", GOLD3, d="M4 10 C4 0 21 0 21 10 L18 6 L7 6 Z")
            + p.shape("circle", BLACK, detail=True, cx=10, cy=10, r=1) + p.shape("circle", BLACK, detail=True, cx=15, cy=10, r=1)
            + p.shape("path", PURPLE, d="M8 18 L17 18 L23 48 L2 48 Z")
            + p.shape("rect", SKIN6, x=7, y=48, width=4, height=9) + p.shape("rect", SKIN6, x=14, y=48, width=4, height=9))


def giraffe(p):
    out = p.shape("path", GOLD4, d="M9 6 L14 6 L14 52 L17 54 L17 84 L14 84 L14 66 L5 66 L5 84 L2 84 L2 54 L9 52 Z")
    out += p.shape("path", GOLD4, d="M7 2 L18 4 L18 10 L9 11 Z")
    for x, y in [(11, 20), (11, 32), (11, 44), (6, 58), (12, 60)]:
        out += p.shape("rect", WOOD2, detail=True, x=x - 1.5, y=y, width=3.5, height=4)
    out += p.shape("circle", BLACK, detail=True, cx=12, cy=6, r=0.9)
    out += p.line("M9 2 L8 0 M12 2 L12 0", WOOD2, 1.2)
    return out


THINGS = [bell, star, wreath, sled, candle, cane, stocking, crayon, lollipop,
          snowman, penguin, teddy, nutcracker, little_tree, rocket, doll, giraffe]

# Each face's place in the room and its lit and unlit rectangles in "concgfx" (as the room's
# code takes them).
FACES = [
    ((141, 28), (69, 109, 100, 144), (65, 144, 96, 179)),
    ((344, 27), (100, 109, 130, 144), (96, 144, 126, 179)),
    ((216, 16), (130, 109, 203, 176), (203, 109, 276, 176)),
    ((226, 147), (65, 179, 119, 204), (119, 179, 173, 204)),
    ((172, 17), (276, 109, 292, 179), (292, 109, 308, 179)),
    ((291, 28), (308, 109, 324, 168), (324, 109, 340, 168)),
    ((187, 34), (340, 109, 363, 162), (363, 109, 386, 162)),
    ((327, 31), (0, 188, 14, 243), (14, 188, 28, 243)),
    ((312, 29), (28, 188, 44, 245), (44, 188, 60, 245)),
    ((163, 88), (180, 176, 202, 248), (202, 176, 224, 248)),
    ((251, 91), (104, 204, 125, 249), (125, 204, 146, 249)),
    ((179, 87), (60, 204, 82, 247), (82, 204, 104, 247)),
    ((282, 91), (224, 176, 245, 234), (245, 176, 266, 234)),
    ((198, 89), (316, 168, 334, 229), (334, 168, 352, 229)),
    ((305, 87), (146, 204, 163, 247), (163, 204, 180, 247)),
    ((222, 85), (266, 179, 291, 237), (291, 179, 316, 237)),
    ((331, 87), (352, 162, 371, 247), (371, 162, 390, 247)),
]


def thing(n, mode, x, y, scale=1.0, clip=None):
    body = THINGS[n](Pen(mode))
    g = f'<g transform="translate({x} {y}) scale({scale})">{body}</g>'
    if clip:
        cid = f"c{n}{mode}{x}{y}".replace(".", "_")
        cx, cy, cw, ch = clip
        cx, cy = cx + x, cy + y
        return (f'<clipPath id="{cid}"><rect x="{cx}" y="{cy}" width="{cw}" height="{ch}"/></clipPath>'
                f'<g clip-path="url(#{cid})">{g}</g>')
    return g


def size_of(n):
    _, lit, _ = FACES[n]
    return lit[2] - lit[0], lit[3] - lit[1]


# ---------------------------------------------------------------------------------------
# The table, the decks and the 17 pictures on one sheet (390 x 250, 108 see-through).
TABLE_W, TABLE_H = 317, 109
DECK_COLOURS = [RED, PINE3, BLUE]


def table_top():
    out = f'<rect x="69" y="0" width="{TABLE_W}" height="{TABLE_H}" fill="{GREEN2}"/>'
    out += f'<rect x="73" y="4" width="{TABLE_W - 8}" height="{TABLE_H - 8}" fill="#2f8d5e" stroke="#143d1e" stroke-width="2"/>'
    for i in range(8):
        out += f'<path d="M{79 + i * 40} 56 l3 -3 l3 3 l-3 3 Z" fill="#3aad73"/>'
    return out


def deck(x, y, w, h, colour, taken):
    """A card box on the shelf: full of cards, or open and empty once taken."""
    out = ""
    if not taken:
        for i in range(3):
            out += f'<rect x="{x + 4 + i}" y="{y + 2 + i}" width="{w - 14}" height="{h - 10}" fill="{WHITE}" stroke="{INK}" stroke-width="1"/>'
        out += f'<rect x="{x + 2}" y="{y + 6}" width="{w - 6}" height="{h - 8}" rx="2" fill="{colour}" stroke="{INK}" stroke-width="1.5"/>'
        out += f'<rect x="{x + w // 2 - 8}" y="{y + 10}" width="16" height="{h - 16}" fill="{WHITE}" stroke="{INK}" stroke-width="1"/>'
        out += f'<path d="M{x + w // 2} {y + 12} l4 {(h - 20) / 2} l-4 {(h - 20) / 2} l-4 {-(h - 20) / 2} Z" fill="{colour}"/>'
    else:
        out += f'<rect x="{x + 2}" y="{y + h - 12}" width="{w - 6}" height="10" rx="2" fill="{colour}" stroke="{INK}" stroke-width="1.5"/>'
        out += f'<path d="M{x + 2} {y + h - 12} L{x + 10} {y + 4} L{x + w - 4} {y + 4} L{x + w - 4} {y + h - 12}" fill="{dim(colour)}" stroke="{INK}" stroke-width="1.5"/>'
    return out


def concgfx():
    out = f'<rect width="390" height="250" fill="{KEY}"/>'
    out += table_top()
    decks = [((0, 0, 61, 25), (0, 25, 61, 50)), ((0, 50, 69, 85), (0, 85, 69, 120)), ((0, 120, 65, 154), (0, 154, 65, 188))]
    places = [(384, 221), (422, 249), (447, 210)]
    for d, (shelf, taken) in enumerate(decks):
        for rect, is_taken in ((shelf, False), (taken, True)):
            # The room behind the box, so that either picture covers the other whole.
            x, y, w, h = rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1]
            px, py = places[d]
            out += (f'<clipPath id="deck{d}{int(is_taken)}"><rect x="{x}" y="{y}" width="{w}" height="{h}"/></clipPath>'
                    f'<g clip-path="url(#deck{d}{int(is_taken)})"><g transform="translate({x - px} {y - py})">{room()}</g></g>')
            out += deck(rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1], DECK_COLOURS[d], is_taken)
    for n, (_, lit, unlit) in enumerate(FACES):
        w, h = size_of(n)
        out += thing(n, "lit", lit[0], lit[1], clip=(0, 0, w, h))
        out += thing(n, "unlit", unlit[0], unlit[1], clip=(0, 0, w, h))
    return out


# ---------------------------------------------------------------------------------------
# The cards, 36 x 46: faces of decks 0 and 1 down the first two columns, deck 2's down the
# next two (the second card of a pair one column right), the backs in a row below.
CARD_W, CARD_H = 36, 46


def card(x, y, n):
    w, h = size_of(n)
    scale = min(28 / w, 38 / h, 1.6)
    ox = x + (CARD_W - w * scale) / 2
    oy = y + (CARD_H - h * scale) / 2
    out = f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{CARD_W - 1}" height="{CARD_H - 1}" rx="3" fill="{WHITE}" stroke="{INK}" stroke-width="1"/>'
    out += f'<rect x="{x + 2.5}" y="{y + 2.5}" width="{CARD_W - 5}" height="{CARD_H - 5}" rx="2" fill="{CREAM6}"/>'
    out += thing(n, "lit", round(ox, 1), round(oy, 1), round(scale, 3))
    return out


def card_back(x, y, colour):
    out = f'<rect x="{x + 0.5}" y="{y + 0.5}" width="{CARD_W - 1}" height="{CARD_H - 1}" rx="3" fill="{WHITE}" stroke="{INK}" stroke-width="1"/>'
    out += f'<rect x="{x + 3}" y="{y + 3}" width="{CARD_W - 6}" height="{CARD_H - 6}" rx="2" fill="{colour}"/>'
    for i in range(3):
        for j in range(4):
            out += f'<circle cx="{x + 9 + i * 9}" cy="{y + 9 + j * 9.3}" r="2" fill="{WHITE}"/>'
    return out


def cardgfx():
    HOLE[0] = CREAM6
    out = f'<rect width="144" height="460" fill="{WHITE}"/>'
    # The backs of the three decks in the top row; card k (from 1) of a deck in the row below
    # k - 1 others: decks 0 and 1 in the first column pair (deck 1 from row 230), deck 2 in the
    # second.
    for d in range(3):
        out += card_back(36 * d, 0, DECK_COLOURS[d])
    for n in range(17):
        if n < 9:
            x, y = 0, 46 * (n + 1)
        else:
            x, y = 72, 46 * (n - 9 + 1)
        out += card(x, y, n) + card(x + 36, y, n)
    return out


# ---------------------------------------------------------------------------------------
# The room: a warm wall with a garland of hanging toys, a shelf, the card table in front and
# the little cupboard with the three card boxes on the right.
def room():
    out = f'<rect width="512" height="320" fill="#f3e6bd"/>'
    for x in range(0, 512, 24):
        out += f'<rect x="{x}" y="0" width="10" height="192" fill="#f6eccd"/>'
    # a window with snow on the left
    out += f'<rect x="18" y="26" width="92" height="112" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
    out += f'<rect x="26" y="34" width="76" height="96" fill="{NIGHT}"/>'
    for x, y in [(36, 50), (60, 42), (84, 60), (44, 90), (72, 80), (92, 104), (52, 118)]:
        out += f'<circle cx="{x}" cy="{y}" r="2.5" fill="{WHITE}"/>'
    out += f'<path d="M26 118 Q50 106 70 116 T102 112 L102 130 L26 130 Z" fill="{SNOW}"/>'
    out += f'<path d="M64 34 L64 130 M26 82 L102 82" stroke="{WOOD3}" stroke-width="4"/>'
    # the shelf the standing toys stand on, and the ledge of the sled
    out += f'<rect x="150" y="87" width="210" height="7" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>'
    out += f'<path d="M160 94 L166 104 L172 94 M338 94 L344 104 L350 94" fill="{WOOD2}" stroke="{INK}" stroke-width="1.5"/>'
    out += f'<rect x="214" y="172" width="80" height="6" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>'
    # the string the little toys hang from
    out += f'<path d="M150 96 Q250 88 356 96" fill="none" stroke="{RED2}" stroke-width="1.5"/>'
    for x in [174, 190, 209, 233, 261, 292, 313, 340]:
        out += f'<path d="M{x} 92 L{x} 98" stroke="{INK}" stroke-width="1"/>'
    # a hook for the wreath, and the places of the bell and the star
    out += f'<circle cx="252" cy="14" r="2.5" fill="{GOLD3}" stroke="{INK}" stroke-width="1"/>'
    out += f'<path d="M156 22 L156 28 M359 21 L359 27" stroke="{INK}" stroke-width="1"/>'
    # a lamp on the right wall
    out += f'<path d="M430 40 L470 40 L480 80 L420 80 Z" fill="{GOLD7}" stroke="{INK}" stroke-width="2"/>'
    out += f'<rect x="446" y="80" width="8" height="70" fill="{WOOD2}" stroke="{INK}" stroke-width="1.5"/>'
    # the floor
    out += f'<rect x="0" y="192" width="512" height="128" fill="{WOOD5}"/>'
    for y in range(206, 320, 22):
        out += f'<path d="M0 {y} L512 {y}" stroke="{WOOD3}" stroke-width="2"/>'
    out += f'<rect x="0" y="188" width="512" height="6" fill="{WOOD2}" stroke="{INK}" stroke-width="1"/>'
    # the card table's legs under its top
    out += f'<rect x="36" y="296" width="10" height="24" fill="{DARK_WOOD4}" stroke="{INK}" stroke-width="1.5"/>'
    out += f'<rect x="320" y="296" width="10" height="24" fill="{DARK_WOOD4}" stroke="{INK}" stroke-width="1.5"/>'
    # the little cupboard the card boxes stand on
    out += f'<rect x="380" y="238" width="132" height="82" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
    out += f'<rect x="376" y="232" width="136" height="10" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>'
    out += f'<rect x="392" y="288" width="50" height="26" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>'
    out += f'<circle cx="436" cy="300" r="2.5" fill="{GOLD4}" stroke="{INK}" stroke-width="1"/>'
    out += f'<rect x="376" y="276" width="136" height="8" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>'
    return out


# ---------------------------------------------------------------------------------------
# The shadow play once every deck is done: the toys' shadows dance on the wall, two poses.
SHADOW_AT = (126, 15)


def shadows():
    out = f'<rect width="259" height="314" fill="{KEY}"/>'
    for frame in range(2):
        top = 157 * frame
        for n, (at, lit, _) in enumerate(FACES):
            w, h = size_of(n)
            x = at[0] - SHADOW_AT[0] + 6 + (5 if (n + frame) % 2 else -5)
            y = at[1] - SHADOW_AT[1] + top + (4 if (n + frame) % 2 else -2)
            y = max(top, min(top + 157 - h, y))
            x = max(0, min(259 - w, x))
            turn = (8 if (n + frame) % 2 else -8)
            out += (f'<g transform="rotate({turn} {x + w / 2} {y + h / 2})">'
                    f'{thing(n, "shadow", x, y)}</g>')
    return out


def main():
    write("conc.svg", svg(512, 320, room(), "The card room: the wall, the shelf, the window, the floor."))
    write("concgfx.svg", svg(390, 250, concgfx(), "Decks, the table and the 17 pictures lit and unlit."))
    write("cardgfx.svg", svg(144, 460, cardgfx(), "Card faces in pairs and the three decks' backs."))
    HOLE[0] = KEY
    write("shadows.svg", svg(259, 314, shadows(), "The toys' shadows dancing, two frames."))


# The workshop's lamp board draws the same 17 things small, so it imports this script.
if __name__ == "__main__":
    main()
