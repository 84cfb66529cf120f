#!/usr/bin/env python3
# Writes the living room's SVG pictures in this folder. The SVGs are the sources the content
# build reads; this script keeps what several pictures share drawn alike: the striped wall and
# the floor (the same as behind the tree room's tree, so the tree sits in this room without a
# seam), the clock's face and the disc under its hands, and the backgrounds of the frame
# strips, which are opaque so that a frame drawn over the one before leaves nothing behind.
# Run it after changing a drawing:
#   python3 content/house/living/draw_pictures.py
import importlib.util
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import writer  # noqa: E402

write = writer(HERE)

_spec = importlib.util.spec_from_file_location("tree_pictures", os.path.join(HERE, "..", "tree", "draw_pictures.py"))
tree = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(tree)

# Palette colours (content/palette/zorvik.gpl).
BLACK = "#000000"; INK = "#2b1a10"; NAVY_INK = "#1a2340"; RED_INK = "#4a1010"; GREY_INK = "#303030"
PLUM_INK = "#3a2a4a"; GREEN_INK = "#143d1e"
WHITE = "#ffffff"; SNOW = "#eef6ff"; LIGHT_YELLOW = "#fff3a0"; YELLOW = "#ffd21f"
RED = "#d82828"; RED2 = "#8a1414"; RED3 = "#b31919"; RED5 = "#e44444"; LIGHT_RED = "#ff7b7b"
ORANGE = "#f5891f"; ORANGE3 = "#c75c10"; ORANGE6 = "#f3a167"; AMBER4 = "#f29f10"; AMBER6 = "#f7c163"
GOLD1 = "#886e07"; GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"
GREEN2 = "#1f6b25"; GREEN3 = "#2a8f32"; GREEN5 = "#4bcb56"; GREEN7 = "#94e09a"
PINE3 = "#246d49"
BLUE = "#2f6fdc"; BLUE2 = "#1a3a7b"; BLUE7 = "#99b4e9"; LIGHT_BLUE = "#8cc8ff"
SKY7 = "#aed5f1"; SKY8 = "#d4e8f7"; SKY4 = "#3f9bdd"
PURPLE = "#8a4fc8"; PURPLE6 = "#b17fd4"
CREAM5 = "#f3e6bd"; CREAM7 = "#f9f2de"; CREAM8 = "#fcf8ee"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"
DWOOD1 = "#25160e"; DWOOD2 = "#3a2216"; DWOOD3 = "#4f2e1e"; DWOOD4 = "#643b26"; DWOOD5 = "#79472e"
DWOOD6 = "#8f5436"; DWOOD7 = "#a4603e"; DWOOD8 = "#b96c46"
BRICK1 = "#4d2219"; BRICK4 = "#9e4635"; BRICK5 = "#ba533e"; BRICK6 = "#c76856"
GREY2 = "#2b2b2b"; GREY4 = "#515151"; GREY6 = "#777777"; GREY8 = "#9c9c9c"; GREY10 = "#c2c2c2"; GREY11 = "#d5d5d5"
CGREY3 = "#5a6672"; CGREY6 = "#a9b2bc"; CGREY7 = "#c6ccd2"
TAN3 = "#ac8f53"; TAN6 = "#d2c2a2"
CRIMSON2 = "#7b1a2a"; CRIMSON3 = "#a22238"
PINK4 = "#e04f8b"; TEAL3 = "#2e8981"
KEY = "#ff00ff"  # index 108, the see-through colour of the strips that have one

ROOM_W, ROOM_H = 912, 320
TREE_AT = 87

# Where the code draws and cuts (rooms/living/living_pieces.h) and the init script's frame sets.
FACE_AT = (658, 27)
FACE = (0, 348, 78, 429)
HAND_OFFSET = (21, 37)
DISC = (78, 348, 107, 377)
CELL = 29
RADIO_AT = (356, 73)
RADIO_W, RADIO_H = 48, 52
HUNG = (370, 31, 493, 108)
PATCH = (78, 452, 217, 510)
PATCH_AT = (0, 262)
PEND = (672, 108, 50, 100)    # x, y, w, frame h
BIRD = (678, 5, 38, 22)
FIRE = (384, 206, 78, 70)
SLATE = (864, 162, 34, 34)
GIFT = (554, 156, 64, 40)
STOCKING = (430, 134)


svg = tree.svg




def nested(x, y, w, h, vx, vy, body):
    return (f'<svg x="{x}" y="{y}" width="{w}" height="{h}" viewBox="{vx} {vy} {w} {h}" overflow="hidden">'
            f'{body}</svg>\n')


# ---------------------------------------------------------------------------------------
# The room itself, in room coordinates. Pieces that frame strips cover are drawn in the
# strips again over the same background, so each strip starts from the room's own picture.
def wall():
    # The tree room's wall, moved so that its stripes meet the tree picture's at x 87.
    out = [f'<rect width="{ROOM_W}" height="{ROOM_H}" fill="{CREAM7}"/>']
    for x in range((10 + TREE_AT) % 24 - 24, ROOM_W, 24):
        out.append(f'<rect x="{x}" y="0" width="8" height="282" fill="{CREAM5}"/>')
    out.append(f'<rect x="0" y="278" width="{ROOM_W}" height="6" fill="{WOOD2}"/>')
    out.append(f'<rect x="0" y="284" width="{ROOM_W}" height="{ROOM_H - 284}" fill="{WOOD5}"/>')
    for y in (296, 309):
        out.append(f'<rect x="0" y="{y}" width="{ROOM_W}" height="1" fill="{WOOD3}"/>')
    return "\n".join(out) + "\n"


def window():
    x0, y0, x1, y1 = 10, 40, 76, 176
    out = (f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{SKY7}" stroke="{INK}" stroke-width="2"/>'
           f'<path d="M{x0 + 1} {y1 - 30} Q{x0 + 20} {y1 - 46} {x0 + 40} {y1 - 34} Q{x0 + 56} {y1 - 44} {x1 - 1} {y1 - 36} '
           f'L{x1 - 1} {y1 - 1} L{x0 + 1} {y1 - 1} Z" fill="{SNOW}"/>'
           f'<path d="M{x0 + 46} {y1 - 40} L{x0 + 54} {y1 - 62} L{x0 + 62} {y1 - 40} Z" fill="{PINE3}" stroke="{GREEN_INK}"/>')
    for fx, fy in ((20, 56), (44, 70), (62, 52), (30, 94), (58, 100), (18, 122), (48, 126)):
        out += f'<circle cx="{fx}" cy="{fy}" r="2" fill="{WHITE}"/>'
    out += (f'<rect x="{(x0 + x1) // 2 - 2}" y="{y0}" width="4" height="{y1 - y0}" fill="{WOOD3}" stroke="{INK}"/>'
            f'<rect x="{x0}" y="{(y0 + y1) // 2 - 2}" width="{x1 - x0}" height="4" fill="{WOOD3}" stroke="{INK}"/>'
            f'<rect x="{x0 - 6}" y="{y1}" width="{x1 - x0 + 12}" height="8" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>')
    # curtains
    out += (f'<rect x="2" y="30" width="80" height="8" rx="3" fill="{WOOD2}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M4 38 L18 38 Q12 110 20 186 L4 186 Z" fill="{RED3}" stroke="{RED_INK}" stroke-width="2"/>'
            f'<path d="M82 38 L68 38 Q74 110 66 186 L82 186 Z" fill="{RED3}" stroke="{RED_INK}" stroke-width="2"/>')
    return out + "\n"


def bricks(x0, y0, x1, y1):
    out = f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{BRICK5}"/>'
    for row, y in enumerate(range(y0 + 12, y1, 12)):
        out += f'<rect x="{x0}" y="{y}" width="{x1 - x0}" height="1" fill="{BRICK4}"/>'
        start = x0 + (12 if row % 2 else 0)
        for x in range(start, x1, 24):
            out += f'<rect x="{x}" y="{y - 12}" width="1" height="12" fill="{BRICK4}"/>'
    return out


def fireplace():
    out = bricks(338, 0, 508, 278)
    out += f'<rect x="338" y="0" width="170" height="278" fill="none" stroke="{BRICK1}" stroke-width="2"/>'
    # the picture frame (the album's picture or the empty cork goes inside)
    out += (f'<rect x="{HUNG[0] - 8}" y="{HUNG[1] - 8}" width="{HUNG[2] - HUNG[0] + 16}" height="{HUNG[3] - HUNG[1] + 16}" '
            f'fill="{GOLD3}" stroke="{GOLD1}" stroke-width="2"/>'
            f'<rect x="{HUNG[0] - 3}" y="{HUNG[1] - 3}" width="{HUNG[2] - HUNG[0] + 6}" height="{HUNG[3] - HUNG[1] + 6}" '
            f'fill="{GOLD4}" stroke="{GOLD1}" stroke-width="1"/>')
    # the mantel shelf and the surround of the fire
    out += (f'<rect x="326" y="125" width="194" height="11" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
            f'<rect x="332" y="136" width="182" height="5" fill="{WOOD2}" stroke="{INK}" stroke-width="1"/>'
            f'<path d="M376 278 L376 196 Q423 168 470 196 L470 278 Z" fill="{DWOOD1}" stroke="{BRICK1}" stroke-width="3"/>'
            f'<rect x="322" y="276" width="202" height="14" rx="3" fill="{GREY10}" stroke="{GREY_INK}" stroke-width="2"/>')
    # garland along the mantel
    for i in range(8):
        x = 334 + i * 23
        out += f'<path d="M{x} 138 Q{x + 11} 150 {x + 23} 138" stroke="{GREEN3}" stroke-width="4" fill="none"/>'
        out += f'<circle cx="{x + 11}" cy="146" r="2.5" fill="{RED}" stroke="{RED_INK}" stroke-width="0.8"/>'
    # the host's stocking, with a little gift peeking out
    sx, sy = STOCKING
    out += (f'<rect x="{sx + 6}" y="{sy + 2}" width="14" height="10" fill="{GOLD4}" stroke="{GOLD1}"/>'
            f'<rect x="{sx + 12}" y="{sy + 2}" width="2" height="10" fill="{RED}"/>'
            f'<path d="M{sx + 4} {sy + 12} L{sx + 24} {sy + 12} L{sx + 24} {sy + 34} Q{sx + 34} {sy + 38} {sx + 32} {sy + 44} '
            f'Q{sx + 22} {sy + 48} {sx + 8} {sy + 40} Q{sx + 4} {sy + 36} {sx + 4} {sy + 30} Z" fill="{RED}" '
            f'stroke="{RED_INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'<rect x="{sx + 2}" y="{sy + 8}" width="24" height="9" rx="3" fill="{WHITE}" stroke="{GREY6}" stroke-width="1.5"/>'
            f'<path d="M{sx + 10} {sy + 26} L{sx + 14} {sy + 22} L{sx + 18} {sy + 26} L{sx + 14} {sy + 30} Z" fill="{GOLD4}" stroke="{GOLD1}"/>')
    return out + "\n"


def firebox_back():
    """What lies behind the flames: the dark opening with the back bricks and the logs."""
    out = f'<path d="M376 278 L376 196 Q423 168 470 196 L470 278 Z" fill="{DWOOD1}"/>'
    for y in range(206, 276, 10):
        out += f'<rect x="384" y="{y}" width="78" height="1" fill="{BRICK1}"/>'
    out += (f'<rect x="392" y="262" width="62" height="9" rx="4" fill="{DWOOD6}" stroke="{INK}" stroke-width="1.5"/>'
            f'<rect x="398" y="254" width="50" height="9" rx="4" fill="{DWOOD7}" stroke="{INK}" stroke-width="1.5" '
            f'transform="rotate(-6 423 258)"/>'
            f'<circle cx="396" cy="266.5" r="3" fill="{WOOD5}" stroke="{INK}"/>')
    return out


def wrap_table():
    out = (f'<rect x="534" y="206" width="8" height="72" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
           f'<rect x="630" y="206" width="8" height="72" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
           f'<rect x="528" y="196" width="116" height="11" rx="2" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>')
    # the wrapping room's four papers standing in a crate under the table, a ribbon spool and
    # scissors on top, so the table says "presents are wrapped here"
    papers = [(RED, WHITE, "dots"), (GREEN3, YELLOW, "dots"), (BLUE, WHITE, "flakes"), (GOLD4, RED3, "stripes")]
    for k, (fill, mark, kind) in enumerate(papers):
        x = 552 + k * 17
        out += f'<rect x="{x}" y="214" width="13" height="58" fill="{fill}" stroke="{INK}" stroke-width="1.5"/>'
        for j in range(5):
            y = 222 + j * 10
            if kind == "stripes":
                out += f'<rect x="{x + 1}" y="{y - 2}" width="11" height="3" fill="{mark}"/>'
            elif kind == "flakes":
                out += f'<path d="M{x + 6.5} {y - 3} V{y + 3} M{x + 3.5} {y} H{x + 9.5}" stroke="{mark}" stroke-width="1.5"/>'
            else:
                out += f'<circle cx="{x + 4 + (j % 2) * 5}" cy="{y}" r="1.8" fill="{mark}"/>'
        out += f'<ellipse cx="{x + 6.5}" cy="214" rx="6.5" ry="2.5" fill="{CREAM7}" stroke="{INK}" stroke-width="1.2"/>'
    out += (f'<rect x="546" y="250" width="76" height="28" fill="{WOOD5}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M548 262 H620" stroke="{WOOD3}" stroke-width="2"/>')
    out += (f'<rect x="624" y="186" width="14" height="10" rx="2" fill="{PINK4}" stroke="{PLUM_INK}" stroke-width="1.5"/>'
            f'<rect x="628" y="184" width="6" height="14" fill="{WOOD5}" stroke="{INK}" stroke-width="1"/>'
            f'<path d="M624 194 Q616 198 610 195" stroke="{PINK4}" stroke-width="2" fill="none"/>')
    out += (f'<circle cx="533" cy="190" r="3" fill="none" stroke="{RED}" stroke-width="2"/>'
            f'<circle cx="539" cy="192" r="3" fill="none" stroke="{RED}" stroke-width="2"/>'
            f'<path d="M536 189 L552 183 M541 191 L552 186" stroke="{GREY6}" stroke-width="2"/>')
    # a roll of red paper leaning on the table's right
    out += (f'<path d="M640 282 L652 166 L662 167 L650 282 Z" fill="{RED}" stroke="{RED_INK}" stroke-width="2"/>'
            f'<path d="M643 252 L655 254 M646 222 L658 224 M649 192 L661 194" stroke="{WHITE}" stroke-width="3"/>')
    return out + "\n"


def clock_house():
    # the roof with the cuckoo's door in its gable, and the clock's back board behind the face
    out = (f'<rect x="{FACE_AT[0] - 4}" y="22" width="86" height="92" rx="3" fill="{DWOOD4}" stroke="{INK}" stroke-width="2"/>'
           f'<path d="M646 30 L697 0 L748 30 Z" fill="{DWOOD6}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
           f'<path d="M646 30 L697 0 L748 30" fill="none" stroke="{DWOOD3}" stroke-width="5"/>')
    return out + "\n"


def gable(x0, y0, w, h):
    """The gable behind the cuckoo's door, in room coordinates, clipped to one strip frame."""
    return f'<path d="M646 30 L697 0 L748 30 Z" fill="{DWOOD6}"/>'


def cabinet():
    out = (f'<rect x="760" y="200" width="140" height="78" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
           f'<rect x="756" y="194" width="148" height="8" rx="2" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>'
           f'<rect x="768" y="208" width="58" height="62" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>'
           f'<rect x="834" y="208" width="58" height="62" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>'
           f'<circle cx="820" cy="240" r="3" fill="{GOLD4}" stroke="{GOLD1}"/><circle cx="840" cy="240" r="3" fill="{GOLD4}" stroke="{GOLD1}"/>')
    # the photo album lying open on top, a photo on each page, so it reads as the album
    out += (f'<path d="M784 194 L790 178 H850 L856 194 Z" fill="{RED3}" stroke="{RED_INK}" stroke-width="2"/>'
            f'<path d="M788 191 L793 176 H819 L820 189 Z" fill="{CREAM8}" stroke="{GREY6}" stroke-width="1"/>'
            f'<path d="M820 189 L821 176 H847 L852 191 Z" fill="{CREAM8}" stroke="{GREY6}" stroke-width="1"/>'
            f'<path d="M820 176 V190" stroke="{RED_INK}" stroke-width="1.5"/>')
    for x0 in (797, 826):
        out += (f'<path d="M{x0} 187 L{x0 + 2} 179 H{x0 + 17} L{x0 + 18} 187 Z" fill="{SKY7}" stroke="{INK}" stroke-width="1"/>'
                f'<path d="M{x0 + 1} 186 Q{x0 + 7} 181 {x0 + 17} 185 L{x0 + 18} 187 H{x0} Z" fill="{GREEN5}"/>'
                f'<circle cx="{x0 + 13}" cy="181.5" r="1.5" fill="{GOLD4}"/>')
    # a lamp standing on the cabinet's left
    out += (f'<rect x="768" y="150" width="6" height="44" fill="{GOLD3}" stroke="{GOLD1}"/>'
            f'<path d="M754 152 L788 152 L780 124 L762 124 Z" fill="{AMBER6}" stroke="{ORANGE3}" stroke-width="2"/>'
            f'<rect x="760" y="190" width="22" height="5" rx="2" fill="{GOLD3}" stroke="{GOLD1}"/>')
    return out + "\n"


def slate_toy():
    x, y = SLATE[0] + 2, SLATE[1] + 2
    return (f'<rect x="{x}" y="{y}" width="30" height="30" rx="3" fill="{RED}" stroke="{RED_INK}" stroke-width="2"/>'
            f'<rect x="{x + 4}" y="{y + 4}" width="22" height="16" fill="{CGREY7}" stroke="{GREY_INK}"/>'
            f'<path d="M{x + 7} {y + 15} Q{x + 12} {y + 7} {x + 16} {y + 13} T{x + 23} {y + 9}" stroke="{GREY4}" fill="none"/>'
            f'<circle cx="{x + 7}" cy="{y + 25}" r="3" fill="{WHITE}" stroke="{GREY_INK}"/>'
            f'<circle cx="{x + 23}" cy="{y + 25}" r="3" fill="{WHITE}" stroke="{GREY_INK}"/>')


def room_background():
    """Everything of the room under its frame strips and the code's pieces."""
    return wall() + window() + fireplace() + firebox_back() + wrap_table() + clock_house() + cabinet()


def draw_room():
    body = room_background() + slate_toy() + "\n"
    write("livroom.svg", svg(ROOM_W, ROOM_H, body,
                             "The living room, 912 x 320: the window, the tree's place (the tree room's tree is drawn "
                             "at x 87), the fireplace with the picture frame (370, 31)-(493, 108) and the mantel the "
                             "radio stands on, the wrapping table, the cuckoo clock's house (its face is drawn at "
                             "(658, 27)), the cabinet with the album, the lamp and the slate toy."))


def strip(name, x, y, w, h, frames, frame_body, transparent_frames=(), comment=""):
    """A frame strip: each frame is the room's own picture at (x, y, w, h) with the frame's
    drawing over it, stacked top to bottom."""
    body = ""
    background = room_background()
    for f in range(frames):
        if f in transparent_frames:
            body += f'<rect x="0" y="{f * h}" width="{w}" height="{h}" fill="{KEY}"/>\n'
            continue
        body += nested(0, f * h, w, h, x, y, background + frame_body(f))
    write(name + ".svg", svg(w, h * frames, body, comment))


# ---------------------------------------------------------------------------------------
# The frame strips.
def pendulum(f):
    x, y, w, _ = PEND
    cx = x + w / 2
    swing = -9 if f % 2 == 0 else 9
    lift = (0, 16) if f < 2 else (16, 0)  # the two pairs: the weights hang at other heights
    out = ""
    for side, dy in ((-12, lift[0]), (12, lift[1])):
        wx = cx + side
        out += (f'<path d="M{wx} {y} V{y + 50 + dy}" stroke="{GREY6}" stroke-width="2" stroke-dasharray="2 1"/>'
                f'<path d="M{wx} {y + 50 + dy} q5 3 4 12 q-1 8 -4 11 q-3 -3 -4 -11 q-1 -9 4 -12 Z" fill="{DWOOD6}" '
                f'stroke="{INK}" stroke-width="1.5"/>'
                f'<path d="M{wx - 3} {y + 57 + dy} h6 M{wx - 3} {y + 63 + dy} h6" stroke="{DWOOD3}"/>')
    bx, by = cx + swing, y + 80
    out += (f'<path d="M{cx} {y} L{bx} {by}" stroke="{GOLD1}" stroke-width="3"/>'
            f'<circle cx="{bx}" cy="{by}" r="9" fill="{GOLD4}" stroke="{GOLD1}" stroke-width="2"/>'
            f'<circle cx="{bx - 3}" cy="{by - 3}" r="2.5" fill="{GOLD7}"/>')
    return out


def bird(f):
    x, y, w, h = BIRD
    cx = x + w / 2
    out = ""
    if f == 0:
        return out + (f'<rect x="{cx - 8}" y="{y + 4}" width="16" height="17" rx="7" fill="{DWOOD4}" stroke="{INK}" stroke-width="1.5"/>'
                      f'<circle cx="{cx + 4}" cy="{y + 13}" r="1.2" fill="{GOLD4}"/>')
    out += f'<rect x="{cx - 8}" y="{y + 4}" width="16" height="17" rx="7" fill="{DWOOD1}" stroke="{INK}" stroke-width="1.5"/>'
    # the open door, folded to the left
    out += f'<rect x="{cx - 17}" y="{y + 4}" width="8" height="17" rx="3" fill="{DWOOD4}" stroke="{INK}"/>'
    if f == 1:
        return out
    size = {2: 0.55, 3: 0.8, 4: 1.0}[f]
    bx, by = cx + 2 * size, y + 12
    out += f'<g transform="translate({bx} {by}) scale({size})">'
    out += (f'<ellipse cx="0" cy="2" rx="10" ry="7" fill="{AMBER4}" stroke="{INK}" stroke-width="1.5"/>'
            f'<path d="M-8 0 Q-16 -4 -14 6 Z" fill="{ORANGE3}" stroke="{INK}"/>'
            f'<circle cx="5" cy="-4" r="6" fill="{AMBER4}" stroke="{INK}" stroke-width="1.5"/>'
            f'<circle cx="7" cy="-5" r="1.3" fill="{BLACK}"/>')
    if f == 3:  # calling: the beak wide open
        out += f'<path d="M10 -5 L18 -9 L11 -3 L18 1 Z" fill="{RED}" stroke="{RED_INK}"/>'
    else:
        out += f'<path d="M10 -5 L17 -3 L10 -1 Z" fill="{ORANGE}" stroke="{RED_INK}"/>'
    out += f'<path d="M-3 3 Q1 7 5 3" stroke="{ORANGE3}" fill="none"/></g>'
    if f == 4:
        out += f'<rect x="{cx - 8}" y="{y + 19}" width="18" height="2" fill="{WOOD3}" stroke="{INK}" stroke-width="0.5"/>'
    return out


FLAMES = [
    [(-22, 34, ORANGE), (0, 46, ORANGE), (20, 36, ORANGE), (-10, 26, YELLOW), (9, 30, YELLOW)],
    [(-20, 40, ORANGE), (2, 38, ORANGE), (22, 44, ORANGE), (-8, 30, YELLOW), (12, 24, YELLOW)],
    [(-24, 30, ORANGE), (-2, 50, ORANGE), (18, 32, ORANGE), (-12, 22, YELLOW), (6, 34, YELLOW)],
    [(-18, 42, ORANGE), (4, 42, ORANGE), (24, 30, ORANGE), (-6, 32, YELLOW), (14, 26, YELLOW)],
]


def fire(f):
    x, y, w, h = FIRE
    cx, base = x + w / 2, y + 58
    out = ""
    for dx, height, colour in FLAMES[f]:
        fx = cx + dx
        ink = RED3 if colour == ORANGE else ORANGE
        width = 12 if colour == ORANGE else 8
        out += (f'<path d="M{fx - width} {base} Q{fx - width} {base - height * 0.5} {fx} {base - height} '
                f'Q{fx + width} {base - height * 0.5} {fx + width} {base} Z" fill="{colour}" stroke="{ink}" stroke-width="1.5"/>')
    out += (f'<rect x="392" y="262" width="62" height="9" rx="4" fill="{DWOOD6}" stroke="{INK}" stroke-width="1.5"/>'
            f'<circle cx="396" cy="266.5" r="3" fill="{WOOD5}" stroke="{INK}"/>')
    return out


GIFT_PAPERS = {2: (RED, RED_INK, GOLD4), 3: (GREEN3, GREEN_INK, WHITE), 4: (BLUE, NAVY_INK, GOLD4), 5: (PURPLE, PLUM_INK, WHITE)}


def waiting_gift(f):
    x, y, w, h = GIFT
    if f == 0:
        return ""
    gx, gy, gw, gh = x + 14, y + 16, 36, 24
    if f == 1:  # an open box, not yet wrapped
        return (f'<rect x="{gx}" y="{gy + 4}" width="{gw}" height="{gh - 4}" fill="{TAN6}" stroke="{INK}" stroke-width="2"/>'
                f'<path d="M{gx} {gy + 4} L{gx - 8} {gy - 4} M{gx + gw} {gy + 4} L{gx + gw + 8} {gy - 4}" stroke="{INK}" stroke-width="2"/>'
                f'<path d="M{gx} {gy + 4} L{gx - 8} {gy - 4} L{gx - 8} {gy - 2} Z" fill="{TAN3}"/>'
                f'<circle cx="{gx + 12}" cy="{gy + 4}" r="5" fill="{RED}" stroke="{RED_INK}"/>'
                f'<rect x="{gx + 20}" y="{gy - 2}" width="9" height="7" fill="{BLUE}" stroke="{NAVY_INK}"/>')
    fill, ink, ribbon = GIFT_PAPERS[f]
    return (f'<rect x="{gx}" y="{gy}" width="{gw}" height="{gh}" fill="{fill}" stroke="{ink}" stroke-width="2"/>'
            f'<rect x="{gx + gw // 2 - 3}" y="{gy}" width="6" height="{gh}" fill="{ribbon}"/>'
            f'<rect x="{gx}" y="{gy + gh // 2 - 3}" width="{gw}" height="6" fill="{ribbon}"/>'
            f'<rect x="{gx}" y="{gy}" width="{gw}" height="{gh}" fill="none" stroke="{ink}" stroke-width="2"/>'
            f'<path d="M{gx + gw / 2} {gy} q-10 -12 -13 -3 q2 5 13 3 q10 -12 13 -3 q-2 5 -13 3 Z" fill="{ribbon}" stroke="{ink}" stroke-width="1.5"/>')


def empty_slate_spot(f):
    return ""


def draw_strips():
    strip("livpend", PEND[0], PEND[1], PEND[2], PEND[3], 4, pendulum,
          comment="The clock's pendulum, four frames of 50 x 100 drawn at (672, 108): 0 and 1 swing left and right, "
                  "2 and 3 the same with the weights at other heights; each visit shows the other pair.")
    strip("livbird", BIRD[0], BIRD[1], BIRD[2], BIRD[3], 5, bird,
          comment="The cuckoo, five frames of 38 x 22 drawn at (678, 5): 0 the door shut, 1 open, 2 to 4 the bird "
                  "coming out; it calls in frame 3, beak open.")
    strip("livfire", FIRE[0], FIRE[1], FIRE[2], FIRE[3], 4, fire,
          comment="The fire, four frames of 78 x 70 drawn at (384, 206), shown in random order.")
    strip("livgift", GIFT[0], GIFT[1], GIFT[2], GIFT[3], 6, waiting_gift,
          comment="The gift waiting on the wrapping table, six frames of 64 x 40 drawn at (554, 156): 0 none, 1 an "
                  "open box, 2 to 5 a gift in paper 1 to 4.")
    strip("livslate", SLATE[0], SLATE[1], SLATE[2], SLATE[3], 2, empty_slate_spot, transparent_frames=(1,),
          comment="The slate toy's place on the cabinet, two frames of 34 x 34 drawn at (864, 162): 0 the place "
                  "empty (the toy is away), 1 see-through (the room's picture shows the toy).")


# ---------------------------------------------------------------------------------------
# The sheet "livgfx": the clock's hands, face and disc, the radio's cells and the floor
# patch under the tree. What the drawings leave empty is see-through.
DIAL_C = (HAND_OFFSET[0] + CELL / 2, HAND_OFFSET[1] + CELL / 2)  # within the face


def face_body():
    """The clock's front, 78 x 81, with its dial centred where the hands turn."""
    cx, cy = DIAL_C
    out = (f'<rect x="0" y="0" width="78" height="81" fill="{DWOOD4}"/>'
           f'<rect x="1" y="1" width="76" height="79" rx="4" fill="{DWOOD6}" stroke="{INK}" stroke-width="2"/>')
    # carved leaves in the corners and a little deer on the right
    for lx, ly, s in ((8, 10, 1), (70, 10, -1), (8, 72, 1), (70, 72, -1)):
        out += (f'<path d="M{lx} {ly} q{6 * s} -6 {12 * s} 0 q{-6 * s} 6 {-12 * s} 0 Z" fill="{GREEN3}" stroke="{GREEN_INK}"/>'
                f'<circle cx="{lx + 3 * s}" cy="{ly + 4}" r="2" fill="{RED}" stroke="{RED_INK}" stroke-width="0.6"/>')
    out += f'<path d="M62 30 q6 4 4 14 q-2 10 2 18" stroke="{DWOOD3}" stroke-width="3" fill="none"/>'
    out += f'<circle cx="{cx}" cy="{cy}" r="19" fill="{CREAM8}" stroke="{INK}" stroke-width="2.5"/>'
    for k in range(12):
        a = math.radians(k * 30)
        r0, r1 = (13.5, 17.5) if k % 3 == 0 else (15, 17.5)
        out += (f'<path d="M{cx + r0 * math.sin(a):.2f} {cy - r0 * math.cos(a):.2f} L{cx + r1 * math.sin(a):.2f} '
                f'{cy - r1 * math.cos(a):.2f}" stroke="{INK}" stroke-width="{2 if k % 3 == 0 else 1.2}"/>')
    return out


def hand(cx, cy, angle_deg, length, width, colour):
    a = math.radians(angle_deg)
    return (f'<path d="M{cx:.2f} {cy:.2f} L{cx + length * math.sin(a):.2f} {cy - length * math.cos(a):.2f}" '
            f'stroke="{colour}" stroke-width="{width}" stroke-linecap="round"/>')


RADIO_BODY = (4, 22, 44, 52)  # within the cell


def radio(mode, lit):
    """A cell of the radio: mode 0 off, 1 talk, 2 music; lit shows its light on (off: the
    light of a switched-off radio is dark, but the radio is drawn)."""
    x0, y0, x1, y1 = RADIO_BODY
    out = (f'<path d="M{x1 - 8} {y0} L{x1 - 2} {y0 - 20}" stroke="{GREY_INK}" stroke-width="2"/>'
           f'<circle cx="{x1 - 2}" cy="{y0 - 20}" r="2" fill="{RED}"/>'
           f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0 - 2}" rx="6" fill="{DWOOD7}" stroke="{INK}" stroke-width="2"/>'
           f'<rect x="{x0 + 4}" y="{y0 + 5}" width="18" height="18" rx="4" fill="{TAN6}" stroke="{INK}"/>')
    for k in range(3):
        out += f'<path d="M{x0 + 6} {y0 + 10 + 5 * k} h14" stroke="{DWOOD5}" stroke-width="1.5"/>'
    # the dial and the knob
    out += (f'<rect x="{x0 + 25}" y="{y0 + 5}" width="12" height="8" fill="{CREAM8 if mode else GREY8}" stroke="{INK}"/>'
            f'<circle cx="{x0 + 31}" cy="{y0 + 20}" r="3.5" fill="{GOLD4}" stroke="{GOLD1}"/>')
    light = (LIGHT_RED if mode == 1 else GREEN5) if (lit and mode) else GREY4
    out += f'<circle cx="{x0 + 31}" cy="{y0 + 9}" r="2.4" fill="{light}" stroke="{INK}" stroke-width="0.8"/>'
    if mode == 1 and lit:  # talk: little speech waves
        out += f'<path d="M4 8 q4 -4 8 0 M6 3 q6 -5 12 0" stroke="{BLUE}" stroke-width="1.6" fill="none"/>'
    if mode == 2 and lit:  # music: notes float out
        out += (f'<circle cx="6" cy="14" r="2.5" fill="{PURPLE}"/><path d="M8.5 14 V4 l5 2" stroke="{PURPLE}" stroke-width="1.4" fill="none"/>'
                f'<circle cx="18" cy="9" r="2.5" fill="{PURPLE}"/><path d="M20.5 9 V0" stroke="{PURPLE}" stroke-width="1.4"/>')
    return out


def patch_body():
    """The floor patch under the tree: the room's own floor and wall at (0, 262), with the tree
    picture (drawn before it) as it stands from x 87 on."""
    tree_picture = (tree.wall(tree.TREE_W, tree.TREE_H) +
                    f'<ellipse cx="{tree.CX}" cy="308" rx="70" ry="8" fill="{tree.CRIMSON3}" stroke="{tree.CRIMSON2}" stroke-width="2"/>' +
                    tree.tree_body())
    clip = f'<clipPath id="treepic"><rect x="0" y="0" width="{tree.TREE_W}" height="{tree.TREE_H}"/></clipPath>'
    return (f'<defs>{clip}</defs>' + wall() + window() +
            f'<g transform="translate({TREE_AT} 0)"><g clip-path="url(#treepic)">{tree_picture}</g></g>')


def draw_livgfx():
    body = ""
    c = CELL / 2
    for h in range(12):
        for col in range(5):
            body += nested(CELL * col, CELL * h, CELL, CELL, 0, 0,
                           hand(c, c, h * 30 + col * 6, 8, 3.2, INK))
    for m in range(60):
        body += nested(145 + CELL * (m % 5), CELL * (m // 5), CELL, CELL, 0, 0, hand(c, c, m * 6, 12.5, 2, RED_INK))
    fx, fy, fr, fb = FACE
    body += nested(fx, fy, fr - fx, fb - fy, 0, 0, face_body())
    dx, dy, dr, db = DISC
    body += nested(dx, dy, dr - dx, db - dy, HAND_OFFSET[0], HAND_OFFSET[1], face_body())
    for mode in range(3):
        for row in range(2):
            x, y = 107 + RADIO_W * mode, 348 + RADIO_H * row
            if mode == 0 and row == 0:
                continue  # no radio: the cell stays see-through
            body += nested(x, y, RADIO_W, RADIO_H, 0, 0, radio(mode, row == 1))
    px, py, pr, pb = PATCH
    body += nested(px, py, pr - px, pb - py, PATCH_AT[0], PATCH_AT[1], patch_body())
    write("livgfx.svg", svg(290, 510, body,
                            "The living room's sheet: hour hands (29 x 29 cells from (0, 0), a row per hour, a "
                            "column per 12 minutes), minute hands (from (145, 0), 5 to a row), the clock face "
                            "(0, 348)-(78, 429) and the disc under the hands (78, 348)-(107, 377), the radio "
                            "cells (48 x 52 from (107, 348): columns off, talk, music; the lower row lit, the "
                            "upper dark, the first upper cell empty for a radio away for repair) and the floor "
                            "patch under the tree (78, 452)-(217, 510). Everything else is see-through."))


if __name__ == "__main__":
    draw_room()
    draw_strips()
    draw_livgfx()
