#!/usr/bin/env python3
# Writes the doll room's SVG pictures in this folder. The SVGs are the sources the content
# build reads; this script keeps every piece of the doll drawn once and used alike on the
# doll sheet, on the picker buttons and in the accessory wardrobe, and cuts the sheet exactly
# where the doll's code takes its pieces. Run it after changing a drawing:
#   python3 content/house/dolls/draw_pictures.py
# The doll's pieces never use colour 0 (black): the printed photo floods the black around
# the doll with white from the corner, and black at a piece's edge would let it flood in.
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PALETTE = os.path.join(HERE, "..", "..", "palette", "zorvik.gpl")
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer, load_palette, hex_colour  # noqa: E402

write = writer(HERE)

PAL = [hex_colour(rgb) for rgb in load_palette(PALETTE)]


def c(i):
    return PAL[i]


INK = c(1); NAVY = c(2); GREEN_INK = c(3); RED_INK = c(4); PLUM = c(5); GREY_INK = c(6)
WHITE = c(255); CREAM = c(206); SNOW = c(13)
SKIN = [(c(157), c(155)), (c(158), c(156)), (c(172), c(170)), (c(165), c(162))]  # fill, shade
HAIR = [c(187), c(51), c(185), c(35)]


def piece(x, y, w, h, body):
    """A piece drawn in its own coordinates, clipped to its rectangle on a sheet."""
    return f'<svg x="{x}" y="{y}" width="{w}" height="{h}" viewBox="0 0 {w} {h}">{body}</svg>\n'


def st(ink, width=2):
    return f'stroke="{ink}" stroke-width="{width}" stroke-linejoin="round" stroke-linecap="round"'


# ---------------------------------------------------------------------------------------
# Heads: a round face with hair, eyes and a smile; singing, the mouth is open.
def head(n, w, h, singing=False):
    skin, shade = SKIN[n]
    hair = HAIR[n]
    cx = w / 2
    r = 15 if n < 2 else 16
    cy = h - r - 6
    out = []
    # the neck reaches down into the torso
    out.append(f'<rect x="{cx - 5}" y="{cy + r - 4}" width="10" height="{h - cy - r + 4}" fill="{shade}" {st(INK)}/>')
    if n == 0:  # brown pigtails
        out.append(f'<circle cx="{cx - r - 1}" cy="{cy + 2}" r="6" fill="{hair}" {st(INK)}/>')
        out.append(f'<circle cx="{cx + r + 1}" cy="{cy + 2}" r="6" fill="{hair}" {st(INK)}/>')
    if n == 3:  # big red bunches
        out.append(f'<ellipse cx="{cx - r - 3}" cy="{cy - 2}" rx="8" ry="9" fill="{hair}" {st(RED_INK)}/>')
        out.append(f'<ellipse cx="{cx + r + 3}" cy="{cy - 2}" rx="8" ry="9" fill="{hair}" {st(RED_INK)}/>')
    out.append(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{skin}" {st(INK)}/>')
    # hair on top
    if n == 2:  # curls
        for dx, dy in ((-12, -8), (-6, -13), (0, -15), (6, -13), (12, -8), (-15, -1), (15, -1)):
            out.append(f'<circle cx="{cx + dx}" cy="{cy + dy}" r="6" fill="{hair}" {st(INK, 1.5)}/>')
    else:
        out.append(f'<path d="M{cx - r} {cy} Q{cx - r} {cy - r - 3} {cx} {cy - r - 2} Q{cx + r} {cy - r - 3} {cx + r} {cy} '
                   f'Q{cx + 4} {cy - 10} {cx - 6} {cy - 7} Q{cx - 12} {cy - 6} {cx - r} {cy} Z" fill="{hair}" {st(INK)}/>')
    # cheeks, eyes
    out.append(f'<circle cx="{cx - 9}" cy="{cy + 5}" r="3" fill="{c(30)}"/>')
    out.append(f'<circle cx="{cx + 9}" cy="{cy + 5}" r="3" fill="{c(30)}"/>')
    if n == 3:  # freckles
        for dx in (-7, -5, 5, 7):
            out.append(f'<rect x="{cx + dx}" y="{cy + 1}" width="1" height="1" fill="{c(173)}"/>')
    out.append(f'<ellipse cx="{cx - 6}" cy="{cy - 1}" rx="2" ry="3" fill="{NAVY}"/>')
    out.append(f'<ellipse cx="{cx + 6}" cy="{cy - 1}" rx="2" ry="3" fill="{NAVY}"/>')
    if singing:
        out.append(f'<ellipse cx="{cx}" cy="{cy + 8}" rx="4" ry="5" fill="{c(25)}" {st(RED_INK, 1.5)}/>')
        out.append(f'<path d="M{w - 6} {4} L{w - 6} {12}" {st(PLUM, 1.5)} fill="none"/>'
                   f'<circle cx="{w - 8}" cy="{12}" r="2" fill="{PLUM}"/>')
    else:
        out.append(f'<path d="M{cx - 6} {cy + 6} Q{cx} {cy + 12} {cx + 6} {cy + 6}" fill="none" {st(RED_INK, 1.5)}/>')
    return "".join(out)


# Torsos: a jumper, dungarees, a dress top, a striped shirt.
TORSO_COLOURS = [(c(19), c(17), RED_INK), (c(107), c(105), NAVY), (c(67), c(65), GREEN_INK), (c(241), c(43), INK)]


def torso(n, w, h):
    fill, dark, ink = TORSO_COLOURS[n]
    out = [f'<path d="M3 {h - 3} L3 12 Q3 5 12 5 L{w - 12} 5 Q{w - 3} 5 {w - 3} 12 L{w - 3} {h - 3} Z" '
           f'fill="{fill}" {st(ink)}/>']
    if n == 0:  # a jumper with a star
        out.append(f'<rect x="3" y="{h - 10}" width="{w - 6}" height="7" fill="{dark}" {st(ink)}/>')
        out.append(f'<path d="M{w/2} 20 L{w/2 + 4} 29 L{w/2 + 12} 29 L{w/2 + 6} 35 L{w/2 + 8} 44 L{w/2} 38 '
                   f'L{w/2 - 8} 44 L{w/2 - 6} 35 L{w/2 - 12} 29 L{w/2 - 4} 29 Z" fill="{c(241)}" {st(INK, 1.5)}/>')
    elif n == 1:  # dungarees with a pocket and buttons
        out.append(f'<rect x="3" y="26" width="{w - 6}" height="{h - 29}" fill="{c(98)}" {st(ink)}/>')
        out.append(f'<rect x="10" y="5" width="6" height="22" fill="{c(98)}" {st(ink, 1.5)}/>')
        out.append(f'<rect x="{w - 16}" y="5" width="6" height="22" fill="{c(98)}" {st(ink, 1.5)}/>')
        out.append(f'<rect x="{w/2 - 8}" y="32" width="16" height="12" fill="{c(99)}" {st(ink, 1.5)}/>')
        for x in (13, w - 13):
            out.append(f'<circle cx="{x}" cy="24" r="2.5" fill="{c(241)}" {st(INK, 1)}/>')
    elif n == 2:  # a dress top with a flared skirt and white collar
        out.append(f'<path d="M3 30 L{w - 3} 30 L{w - 1} {h - 2} L1 {h - 2} Z" fill="{dark}" {st(ink)}/>')
        out.append(f'<path d="M{w/2 - 12} 5 Q{w/2} 16 {w/2 + 12} 5 Z" fill="{WHITE}" {st(ink, 1.5)}/>')
        for y in (16, 24):
            out.append(f'<circle cx="{w/2}" cy="{y}" r="2" fill="{WHITE}" {st(ink, 1)}/>')
    else:  # stripes
        for y in range(12, h - 4, 10):
            out.append(f'<rect x="4" y="{y}" width="{w - 8}" height="5" fill="{c(16)}"/>')
        out.append(f'<path d="M3 {h - 3} L3 12 Q3 5 12 5 L{w - 12} 5 Q{w - 3} 5 {w - 3} 12 L{w - 3} {h - 3} Z" '
                   f'fill="none" {st(ink)}/>')
    return "".join(out)


# Arms: sleeves from the shoulder (top right for the left arm) down to a hand.
ARM_COLOURS = [(c(19), RED_INK), (c(109), NAVY), (c(67), GREEN_INK), (c(131), PLUM)]


def arm(n, w, h, right=False):
    fill, ink = ARM_COLOURS[n]
    skin, _ = SKIN[1]
    out = []
    if n < 2:  # raised a little, sideways
        d = f"M{w - 2} 4 L{w - 2} 15 L11 {h - 8} L5 {h - 16} Z"
        hand = (7, h - 8)
    else:  # hanging down
        d = f"M{w - 2} 3 L{w - 3} 16 L11 {h - 10} L3 {h - 14} L{w - 14} 3 Z"
        hand = (7, h - 7)
    out.append(f'<path d="{d}" fill="{fill}" {st(ink)}/>')
    if n == 1:  # stripes on the sleeve
        out.append(f'<path d="M{w - 10} 8 L{w - 4} 16 M{w - 18} 14 L{w - 11} 21 M{w - 25} 20 L{w - 18} 26" {st(c(111), 3)} fill="none"/>')
    if n == 3:  # mittens
        out.append(f'<circle cx="{hand[0]}" cy="{hand[1]}" r="6" fill="{c(16)}" {st(RED_INK)}/>')
    else:
        out.append(f'<circle cx="{hand[0]}" cy="{hand[1]}" r="5" fill="{skin}" {st(INK)}/>')
    body = "".join(out)
    if right:
        return f'<g transform="translate({w} 0) scale(-1 1)">{body}</g>'
    return body


# Legs: trousers, tights, striped stockings, jeans; a shoe pointing outwards.
LEG_COLOURS = [(c(106), NAVY, c(188)), (c(28), RED_INK, c(130)), (c(68), GREEN_INK, c(17)), (c(99), NAVY, c(19))]


def leg(n, w, h, right=False):
    fill, ink, shoe = LEG_COLOURS[n]
    out = [f'<rect x="{w/2 - 7}" y="2" width="14" height="{h - 12}" fill="{fill}" {st(ink)}/>']
    if n == 2:
        for y in range(8, h - 12, 8):
            out.append(f'<rect x="{w/2 - 6}" y="{y}" width="12" height="4" fill="{WHITE}"/>')
    if n == 3:
        out.append(f'<rect x="{w/2 - 8}" y="{h - 18}" width="16" height="5" fill="{c(110)}" {st(ink, 1.5)}/>')
    out.append(f'<path d="M{w/2 + 7} {h - 10} L{w/2 + 7} {h - 2} L2 {h - 2} Q2 {h - 10} {w/2 - 6} {h - 10} Z" '
               f'fill="{shoe}" {st(INK)}/>')
    body = "".join(out)
    if right:
        return f'<g transform="translate({w} 0) scale(-1 1)">{body}</g>'
    return body


# Robes: worn over the torso and the shoulders, the hands left free.
def robe(n, w, h):
    colours = [(c(148), c(144), PLUM), (c(233), c(232), INK), (c(133), c(130), PLUM), (c(27), c(25), RED_INK),
               (c(123), c(121), NAVY), (c(142), c(138), PLUM)]
    fill, dark, ink = colours[n]
    if n == 5:  # a tutu round the hips
        out = [f'<path d="M2 {h - 8} Q{w/2} {h + 2} {w - 2} {h - 8} L{w - 8} 4 L8 4 Z" fill="{fill}" {st(ink)}/>']
        for x in range(10, w - 8, 7):
            out.append(f'<path d="M{x} 8 L{x - 3} {h - 8}" {st(dark, 1.5)} fill="none"/>')
        return "".join(out)
    mid = w / 2
    if n == 3:  # a cape with a clasp
        return (f'<path d="M{mid - 14} 3 L{mid + 14} 3 L{w - 2} {h - 2} L2 {h - 2} Z" fill="{fill}" {st(ink)}/>'
                f'<path d="M{mid - 10} 3 L{mid} {h - 2} L{mid + 10} 3" fill="{dark}" {st(ink, 1.5)}/>'
                f'<circle cx="{mid}" cy="8" r="4" fill="{c(51)}" {st(INK, 1.5)}/>')
    # shoulders with short puffed sleeves, a body, a flared hem
    sleeve = 13
    out = [f'<ellipse cx="{sleeve}" cy="{sleeve + 2}" rx="{sleeve - 2}" ry="{sleeve - 3}" fill="{fill}" {st(ink)}/>',
           f'<ellipse cx="{w - sleeve}" cy="{sleeve + 2}" rx="{sleeve - 2}" ry="{sleeve - 3}" fill="{fill}" {st(ink)}/>',
           f'<path d="M{sleeve + 2} 4 L{w - sleeve - 2} 4 L{w - sleeve + 4} {h - 3} L{sleeve - 4} {h - 3} Z" fill="{fill}" {st(ink)}/>']
    if n == 0:  # a pinafore with a heart
        out.append(f'<path d="M{mid} {h/2 + 6} L{mid - 7} {h/2 - 1} Q{mid - 7} {h/2 - 8} {mid} {h/2 - 4} '
                   f'Q{mid + 7} {h/2 - 8} {mid + 7} {h/2 - 1} Z" fill="{c(16)}" {st(RED_INK, 1.5)}/>')
    elif n == 1:  # a winter coat with toggles and fur
        out.append(f'<path d="M{mid} 6 L{mid} {h - 3}" {st(ink)} fill="none"/>')
        for y in (20, 34, 48):
            out.append(f'<rect x="{mid - 5}" y="{y}" width="10" height="4" fill="{c(200)}" {st(INK, 1)}/>')
        out.append(f'<rect x="{sleeve - 4}" y="{h - 9}" width="{w - 2 * sleeve + 8}" height="7" fill="{SNOW}" {st(ink, 1.5)}/>')
    elif n == 2:  # a party dress with a sash and sparkles
        out.append(f'<rect x="{sleeve + 1}" y="{h/2 - 6}" width="{w - 2 * sleeve - 2}" height="7" fill="{c(151)}" {st(ink, 1.5)}/>')
        for x, y in ((mid - 12, h - 16), (mid + 10, h - 22), (mid - 2, h - 10)):
            out.append(f'<circle cx="{x}" cy="{y}" r="2" fill="{c(241)}"/>')
    else:  # a king's robe with ermine trim
        out.append(f'<path d="M{mid - 10} 4 L{mid} {h - 3} L{mid + 10} 4" fill="{dark}" {st(ink, 1.5)}/>')
        out.append(f'<rect x="{sleeve - 4}" y="{h - 9}" width="{w - 2 * sleeve + 8}" height="7" fill="{WHITE}" {st(ink, 1.5)}/>')
        for x in range(sleeve + 2, w - sleeve, 9):
            out.append(f'<rect x="{x}" y="{h - 7}" width="2" height="3" fill="{GREY_INK}"/>')
    return "".join(out)


def bow(w, h):
    # in the lower half of its rectangle, below the chin of every head
    top, mid = h / 2 - 2, h * 3 / 4
    return (f'<path d="M{w/2} {mid} L4 {top} L4 {h - 1} Z" fill="{c(16)}" {st(RED_INK)}/>'
            f'<path d="M{w/2} {mid} L{w - 4} {top} L{w - 4} {h - 1} Z" fill="{c(16)}" {st(RED_INK)}/>'
            f'<circle cx="{w/2}" cy="{mid}" r="3" fill="{c(18)}" {st(RED_INK, 1.5)}/>')


def cap(n, w, h):
    if n == 0:  # a headband with a star
        return (f'<path d="M4 {h - 2} Q{w/2} 6 {w - 4} {h - 2}" fill="none" {st(c(133), 4)}/>'
                f'<path d="M4 {h - 2} Q{w/2} 6 {w - 4} {h - 2}" fill="none" {st(PLUM, 1)}/>'
                f'<path d="M{w/2} 1 L{w/2 + 3} 7 L{w/2 + 9} 8 L{w/2 + 4} 12 L{w/2 + 6} 18 L{w/2} 14 L{w/2 - 6} 18 '
                f'L{w/2 - 4} 12 L{w/2 - 9} 8 L{w/2 - 3} 7 Z" fill="{c(51)}" {st(INK, 1.5)}/>')
    if n == 1:  # a big hat with a long feather
        brim = h - 19
        return (f'<path d="M2 8 Q12 0 26 10" fill="none" {st(c(59), 5)}/><path d="M2 8 Q12 0 26 10" fill="none" {st(GREEN_INK, 1)}/>'
                f'<ellipse cx="{w/2 + 6}" cy="{brim}" rx="{w/2 - 8}" ry="6" fill="{c(131)}" {st(PLUM)}/>'
                f'<path d="M{w/2 - 8} {brim - 1} Q{w/2 - 6} 4 {w/2 + 8} 4 Q{w/2 + 20} 4 {w/2 + 20} {brim - 1} Z" fill="{c(133)}" {st(PLUM)}/>')
    if n == 2:  # a cap with its peak to the side
        # the cap ends above the eyes of every head
        edge = h - 16
        return (f'<path d="M3 {edge} Q3 4 {w/2 - 4} 4 Q{w/2 + 18} 4 {w/2 + 18} {edge} Z" fill="{c(107)}" {st(NAVY)}/>'
                f'<path d="M{w/2 + 10} {edge - 4} L{w - 2} {edge} L{w - 4} {edge + 4} L{w/2 + 10} {edge + 3} Z" fill="{c(105)}" {st(NAVY)}/>'
                f'<circle cx="{w/2 - 4}" cy="5" r="3" fill="{c(241)}" {st(NAVY, 1)}/>')
    if n == 3:  # a tall red hat with a white bobble
        return (f'<path d="M3 {h - 8} L{w/2 + 4} 10 L{w - 4} {h - 8} Z" fill="{c(19)}" {st(RED_INK)}/>'
                f'<rect x="2" y="{h - 11}" width="{w - 4}" height="9" rx="4" fill="{WHITE}" {st(GREY_INK, 1.5)}/>'
                f'<circle cx="{w/2 + 4}" cy="8" r="6" fill="{WHITE}" {st(GREY_INK, 1.5)}/>')
    if n == 4:  # a crown
        return (f'<path d="M3 {h - 3} L3 7 L10 14 L{w/2} 3 L{w - 10} 14 L{w - 3} 7 L{w - 3} {h - 3} Z" fill="{c(51)}" {st(c(48))}/>'
                f'<circle cx="{w/2}" cy="{h - 8}" r="3" fill="{c(16)}"/>'
                f'<circle cx="9" cy="{h - 8}" r="2" fill="{c(107)}"/><circle cx="{w - 9}" cy="{h - 8}" r="2" fill="{c(67)}"/>')
    # a woolly bobble hat with a brim
    return (f'<path d="M8 {h - 8} Q8 6 {w/2 + 4} 6 Q{w - 6} 6 {w - 6} {h - 8} Z" fill="{c(67)}" {st(GREEN_INK)}/>'
            f'<path d="M14 12 L{w - 12} 12 M11 19 L{w - 9} 19" {st(c(70), 2)} fill="none"/>'
            f'<rect x="5" y="{h - 11}" width="{w - 8}" height="9" rx="3" fill="{c(19)}" {st(RED_INK, 1.5)}/>'
            f'<circle cx="{w/2 + 4}" cy="6" r="5" fill="{WHITE}" {st(GREY_INK, 1.5)}/>')


# ---------------------------------------------------------------------------------------
# The doll sheet "dollgfx": every piece at the rectangle the doll's code cuts.
HEADS = [(0, 0, 42, 42), (42, 0, 84, 42), (98, 0, 142, 47), (142, 0, 194, 43)]
SINGING = [(0, 442, 42, 486), (42, 442, 84, 485), (84, 437, 128, 484), (128, 442, 180, 489)]
TORSOS = [(0, 42, 49, 103), (49, 42, 98, 103), (98, 47, 146, 106), (146, 43, 195, 103)]
ARMS1 = [(0, 103, 34, 134), (0, 134, 31, 165), (65, 103, 90, 147), (115, 106, 142, 148)]
ARMS2 = [(34, 103, 65, 134), (31, 134, 65, 165), (90, 106, 115, 150), (142, 106, 169, 148)]
LEGS1 = [(0, 165, 28, 217), (169, 103, 197, 154), (119, 148, 144, 208), (65, 150, 92, 209)]
LEGS2 = [(28, 165, 56, 217), (169, 154, 197, 204), (144, 148, 169, 208), (92, 150, 119, 209)]
ROBES = [(86, 209, 158, 275), (0, 294, 86, 371), (0, 371, 75, 442), (86, 296, 172, 363), (0, 217, 86, 294),
         (86, 363, 135, 394)]
BOW = (86, 275, 118, 291)
CAPS = [(118, 275, 161, 296), (134, 399, 194, 442), (75, 394, 134, 437), (158, 208, 195, 267), (161, 267, 195, 293),
        (135, 363, 186, 399)]


def size(r):
    return r[2] - r[0], r[3] - r[1]


def at(r, draw):
    w, h = size(r)
    return piece(r[0], r[1], w, h, draw(w, h))


def doll_sheet():
    out = []
    for n in range(4):
        out.append(at(HEADS[n], lambda w, h, n=n: head(n, w, h)))
        out.append(at(SINGING[n], lambda w, h, n=n: head(n, w, h, singing=True)))
        out.append(at(TORSOS[n], lambda w, h, n=n: torso(n, w, h)))
        out.append(at(ARMS1[n], lambda w, h, n=n: arm(n, w, h)))
        out.append(at(ARMS2[n], lambda w, h, n=n: arm(n, w, h, right=True)))
        out.append(at(LEGS1[n], lambda w, h, n=n: leg(n, w, h)))
        out.append(at(LEGS2[n], lambda w, h, n=n: leg(n, w, h, right=True)))
    for n in range(6):
        out.append(at(ROBES[n], lambda w, h, n=n: robe(n, w, h)))
        out.append(at(CAPS[n], lambda w, h, n=n: cap(n, w, h)))
    out.append(at(BOW, bow))
    return svg(200, 490, "".join(out), "the doll's pieces, cut where the doll's code takes them")


# ---------------------------------------------------------------------------------------
# Buttons of the pickers and the wardrobe's items: a tile with a piece drawn to fit.
def fit(w, h, box, body, pad=4):
    scale = min((box - 2 * pad) / w, (box - 2 * pad) / h)
    dx = (box - w * scale) / 2
    dy = (box - h * scale) / 2
    return f'<g transform="translate({dx:.2f} {dy:.2f}) scale({scale:.3f})">{body}</g>'


def tile(y, box, fill, ink):
    return f'<rect x="2" y="{y + 2}" width="{box - 4}" height="{box - 4}" rx="7" fill="{fill}" {st(ink)}/>'


def picker_icon(kind, n):
    if kind == "t":
        return size(TORSOS[n]) + (torso(n, *size(TORSOS[n])),)
    if kind == "h":
        return size(HEADS[n]) + (head(n, *size(HEADS[n])),)
    if kind == "a":
        w1, h1 = size(ARMS1[n])
        w2, h2 = size(ARMS2[n])
        body = arm(n, w1, h1) + f'<g transform="translate({w1 + 14} 0)">{arm(n, w2, h2, right=True)}</g>'
        return w1 + w2 + 14, max(h1, h2), body
    w1, h1 = size(LEGS1[n])
    w2, h2 = size(LEGS2[n])
    body = leg(n, w1, h1) + f'<g transform="translate({w1 + 2} 0)">{leg(n, w2, h2, right=True)}</g>'
    return w1 + w2 + 2, max(h1, h2), body


PICK = 44


def picker(kind, n):
    w, h, body = picker_icon(kind, n)
    icon = fit(w, h, PICK, body, 6)
    frames = (tile(0, PICK, c(206), INK) + icon +
              tile(PICK, PICK, c(52), c(48)) +
              f'<rect x="4" y="{PICK + 4}" width="{PICK - 8}" height="{PICK - 8}" rx="5" fill="none" {st(c(144), 2)}/>' +
              f'<g transform="translate(0 {PICK})">{icon}</g>')
    return svg(PICK, 2 * PICK, frames, f"picker {kind.upper()}{n + 1}: frame 0 free, frame 1 chosen")


ITEM = 36


def item_body(kind, n):
    if kind == "r":
        r = ROBES[n]
        return size(r) + (robe(n, *size(r)),)
    if kind == "c":
        r = CAPS[n]
        return size(r) + (cap(n, *size(r)),)
    return size(BOW) + (bow(*size(BOW)),)


def item(kind, n):
    w, h, body = item_body(kind, n)
    hanger = (f'<path d="M18 {2 * ITEM + 10} Q18 {2 * ITEM + 5} 22 {2 * ITEM + 7} M18 {2 * ITEM + 12} L5 {2 * ITEM + 25} '
              f'L31 {2 * ITEM + 25} Z" fill="none" {st(c(221), 2)}/>')
    frames = (tile(0, ITEM, c(199), c(193)) + fit(w, h, ITEM, body, 4) + hanger)
    return svg(ITEM, 3 * ITEM, frames, f"wardrobe item {kind.upper()}{n + 1}: shown, hidden, worn (an empty hanger)")


# ---------------------------------------------------------------------------------------
# The stage and its curtains, "curtains": closed, opening, open, and the stage itself.
VELVET = c(18); VELVET_DARK = c(17); FRINGE = c(51)


def curtain(x, y, w, h, gather_right):
    folds = "".join(f'<path d="M{x + i} {y + 4} L{x + i} {y + h - 10}" {st(VELVET_DARK, 2)} fill="none"/>'
                    for i in range(6, w - 2, 9))
    hem = f'<rect x="{x}" y="{y + h - 12}" width="{w}" height="8" fill="{FRINGE}" {st(c(48), 1.5)}/>'
    tie = ""
    if gather_right is not None:
        tx = x + w - 4 if gather_right else x + 4
        tie = f'<circle cx="{tx}" cy="{y + h * 0.55:.0f}" r="5" fill="{FRINGE}" {st(c(48), 1.5)}/>'
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h - 6}" fill="{VELVET}" {st(RED_INK)}/>' + folds + hem + tie)


def valance(x, w):
    return (f'<rect x="{x}" y="0" width="{w}" height="18" fill="{VELVET_DARK}" {st(RED_INK)}/>' +
            "".join(f'<circle cx="{x + i}" cy="18" r="5" fill="{FRINGE}" {st(c(48), 1)}/>' for i in range(8, w - 4, 12)))


def curtains():
    out = []
    # step 0: closed
    out.append(curtain(2, 10, 64, 190, None) + curtain(64, 10, 64, 190, None) + valance(0, 130))
    # step 1: half open, in the left 130 pixels of its rectangle; the rest stays clear
    out.append(f'<g transform="translate(130 0)">' + curtain(2, 10, 40, 190, True) + curtain(88, 10, 40, 190, False) +
               valance(0, 130) + '</g>')
    # step 2: open, gathered at the sides
    out.append(f'<g transform="translate(0 203)">' + curtain(1, 10, 16, 190, True) + curtain(113, 10, 16, 190, False) +
               valance(0, 130) + '</g>')
    # the stage: a starry backdrop and a wooden floor, 103 x 211 at (130, 203)
    sx, sy, sw, sh = 130, 203, 103, 211
    stage = [f'<rect x="{sx}" y="{sy}" width="{sw}" height="{sh}" fill="{c(115)}"/>']
    for px, py in ((14, 30), (40, 18), (78, 34), (90, 70), (22, 80), (60, 58), (10, 120), (86, 112)):
        stage.append(f'<path d="M{sx + px} {sy + py - 4} L{sx + px + 1.5} {sy + py - 1} L{sx + px + 4} {sy + py} '
                     f'L{sx + px + 1.5} {sy + py + 1} L{sx + px} {sy + py + 4} L{sx + px - 1.5} {sy + py + 1} '
                     f'L{sx + px - 4} {sy + py} L{sx + px - 1.5} {sy + py - 1} Z" fill="{c(10)}"/>')
    stage.append(f'<path d="M{sx} {sy + 150} L{sx + sw} {sy + 150} L{sx + sw} {sy + sh} L{sx} {sy + sh} Z" fill="{c(179)}"/>')
    for i in range(0, sw, 13):
        stage.append(f'<path d="M{sx + i} {sy + 150} L{sx + i - 6} {sy + sh}" {st(c(177), 1.5)} fill="none"/>')
    stage.append(f'<rect x="{sx}" y="{sy + 196}" width="{sw}" height="15" fill="{c(188)}"/>')
    stage.append(f'<path d="M{sx} {sy + 150} L{sx + sw} {sy + 150} M{sx} {sy + 196} L{sx + sw} {sy + 196}" {st(INK, 2)}/>')
    stage.append(f'<circle cx="{sx + 30}" cy="{sy + 203}" r="3" fill="{c(10)}" {st(INK, 1)}/>'
                 f'<circle cx="{sx + 73}" cy="{sy + 203}" r="3" fill="{c(10)}" {st(INK, 1)}/>')
    out.append(f'<svg x="{sx}" y="{sy}" width="{sw}" height="{sh}" viewBox="{sx} {sy} {sw} {sh}">' + "".join(stage) + '</svg>')
    return svg(360, 414, "\n".join(out), "curtains closed, opening and open, and the little stage")


# ---------------------------------------------------------------------------------------
# The wardrobe (frame set DRAWER): shut, and open with its shelves.
WARD_W, WARD_H = 172, 272


def wardrobe(open_):
    wood, dark, light = c(162), c(160), c(164)
    body = [f'<path d="M6 28 Q{WARD_W/2} 2 {WARD_W - 6} 28 L{WARD_W - 6} {WARD_H - 12} L6 {WARD_H - 12} Z" fill="{wood}" {st(INK)}/>',
            f'<rect x="12" y="{WARD_H - 14}" width="14" height="12" fill="{dark}" {st(INK)}/>',
            f'<rect x="{WARD_W - 26}" y="{WARD_H - 14}" width="14" height="12" fill="{dark}" {st(INK)}/>',
            f'<path d="M{WARD_W/2 - 10} 20 L{WARD_W/2} 12 L{WARD_W/2 + 10} 20 L{WARD_W/2} 28 Z" fill="{c(147)}" {st(PLUM, 1.5)}/>']
    if not open_:
        body.append(f'<rect x="14" y="36" width="{WARD_W/2 - 16}" height="{WARD_H - 56}" rx="6" fill="{light}" {st(INK)}/>')
        body.append(f'<rect x="{WARD_W/2 + 2}" y="36" width="{WARD_W/2 - 16}" height="{WARD_H - 56}" rx="6" fill="{light}" {st(INK)}/>')
        for x in (WARD_W/2 - 8, WARD_W/2 + 8):
            body.append(f'<circle cx="{x}" cy="{WARD_H/2}" r="5" fill="{c(51)}" {st(INK, 1.5)}/>')
        # hearts painted on the doors
        for x in (WARD_W/4 + 1, 3 * WARD_W/4 - 1):
            body.append(f'<path d="M{x} 80 L{x - 9} 71 Q{x - 9} 62 {x} 67 Q{x + 9} 62 {x + 9} 71 Z" fill="{c(148)}" {st(PLUM, 1.5)}/>')
    else:
        body.append(f'<rect x="12" y="36" width="{WARD_W - 24}" height="{WARD_H - 54}" fill="{c(186)}" {st(INK)}/>')
        for y in (82, 126, 170, 214):
            body.append(f'<rect x="12" y="{y}" width="{WARD_W - 24}" height="4" fill="{c(164)}" {st(INK, 1)}/>')
        # the doors swung open to the sides
        body.append(f'<path d="M0 40 L12 36 L12 {WARD_H - 18} L0 {WARD_H - 22} Z" fill="{light}" {st(INK)}/>')
        body.append(f'<path d="M{WARD_W} 40 L{WARD_W - 12} 36 L{WARD_W - 12} {WARD_H - 18} L{WARD_W} {WARD_H - 22} Z" fill="{light}" {st(INK)}/>')
    return "".join(body)


def drawer():
    return svg(WARD_W, 2 * WARD_H, wardrobe(False) + f'<g transform="translate(0 {WARD_H})">{wardrobe(True)}</g>',
               "the accessory wardrobe: shut, and open")


# Where the items stand in the open wardrobe (also in init.txt): four to a shelf.
WARD_X, WARD_Y = 334, 40


def item_places():
    names = [f"R{i}" for i in range(1, 7)] + ["X1"] + [f"C{i}" for i in range(1, 7)]
    places = {}
    for k, name in enumerate(names):
        col, row = k % 4, k // 4
        places[name] = (WARD_X + 14 + col * ITEM, WARD_Y + 46 + row * 44)
    return places


# ---------------------------------------------------------------------------------------
# The puzzle cube on the shelf (frame set PUZ): nothing, or a cube with its progress slot.
def puzzle_cube():
    cube = (f'<path d="M4 20 L20 12 L36 20 L36 44 L20 52 L4 44 Z" fill="{c(99)}" {st(NAVY)}/>'
            f'<path d="M4 20 L20 28 L36 20 M20 28 L20 52" fill="none" {st(NAVY)}/>'
            f'<path d="M20 28 L36 20 L36 44 L20 52 Z" fill="{c(241)}" {st(NAVY)}/>'
            f'<path d="M4 20 L20 12 L36 20 L20 28 Z" fill="{c(16)}" {st(RED_INK)}/>'
            # the slot the progress bar fills, at (6, 7) of the frame
            f'<rect x="5" y="6" width="6" height="13" fill="{WHITE}" {st(GREY_INK, 1)}/>')
    return svg(40, 112, f'<g transform="translate(0 56)">{cube}</g>', "the shelf puzzle: none, or a cube")


# ---------------------------------------------------------------------------------------
# The room: wallpaper, floor, the theatre's frame, the picker board and the way out.
def room():
    out = [f'<rect width="512" height="320" fill="{c(150)}"/>']
    for x in range(0, 512, 24):
        out.append(f'<rect x="{x}" y="0" width="10" height="262" fill="{c(151)}"/>')
    for x in range(12, 512, 48):
        for y in (30, 110, 190):
            out.append(f'<circle cx="{x}" cy="{y}" r="3" fill="{c(149)}"/>')
    out.append(f'<rect x="0" y="262" width="512" height="58" fill="{c(179)}"/>')
    for x in range(0, 512, 40):
        out.append(f'<path d="M{x} 262 L{x - 14} 320" {st(c(177), 2)} fill="none"/>')
    out.append(f'<path d="M0 262 L512 262" {st(INK, 2)}/>')
    # the picker board
    out.append(f'<rect x="3" y="3" width="190" height="198" rx="8" fill="{c(178)}" {st(INK)}/>')
    out.append(f'<rect x="7" y="7" width="182" height="190" rx="6" fill="{c(182)}" {st(c(176), 1.5)}/>')
    # the theatre frame around the stage
    out.append(f'<path d="M184 318 L184 74 Q260 44 336 74 L336 318" fill="none" {st(INK, 4)}/>')
    out.append(f'<path d="M184 318 L184 74 Q260 44 336 74 L336 318" fill="none" {st(c(51), 2)}/>')
    out.append(f'<rect x="186" y="70" width="148" height="248" fill="{c(113)}"/>')
    out.append(f'<path d="M260 46 L265 56 L276 57 L268 64 L270 75 L260 69 L250 75 L252 64 L244 57 L255 56 Z" fill="{c(51)}" {st(INK, 1.5)}/>')
    # the shelf for the puzzle
    out.append(f'<rect x="0" y="302" width="56" height="8" fill="{c(162)}" {st(INK, 1.5)}/>')
    # the way out: an arrow sign to the workshop
    out.append(f'<rect x="110" y="268" width="64" height="40" rx="6" fill="{c(200)}" {st(INK)}/>')
    out.append(f'<path d="M120 288 L136 276 L136 283 L164 283 L164 293 L136 293 L136 300 Z" fill="{c(66)}" {st(GREEN_INK, 1.5)}/>')
    return svg(512, 320, "".join(out), "the doll room: the picker board, the theatre and the way out")


def main():
    write("dollgfx.svg", doll_sheet())
    write("curtains.svg", curtains())
    write("dl_drawr.svg", drawer())
    write("dl_puz.svg", puzzle_cube())
    write("dollroom.svg", room())
    for kind in "thal":
        for n in range(4):
            write(f"dp_{kind}{n + 1}.svg", picker(kind, n))
    for n in range(6):
        write(f"dl_r{n + 1}.svg", item("r", n))
        write(f"dl_c{n + 1}.svg", item("c", n))
    write("dl_x1.svg", item("x", 0))
    for name, (x, y) in item_places().items():
        print(name, x, y)


if __name__ == "__main__":
    main()
