#!/usr/bin/env python3
# Writes the puzzle room's SVG pictures in this folder: the twelve puzzle pictures (four for
# each of the 2 x 2, 3 x 3 and 4 x 4 puzzles, one quarter of "puzzleN" each), the frame drawn
# over one cube ("Nborder"), the half-turned cube ("Ndistort"), the machine's side columns
# ("Nmech"), the machine with its cover up and down, the strips behind the cubes, the shelves'
# sheet and the knob and lever frames. The cube geometry here is the one the room's code draws
# with: side 240 / size, a half-turned cube a step taller above and below, a top strip above
# the faces of rows 2 and on. Run it after changing a drawing:
#   python3 content/house/puzzle/draw_pictures.py
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer  # noqa: E402

write = writer(HERE)

# Colours the code uses by number (content/palette/zorvik.gpl): the face key 15 of the
# half-turn pictures, the see-through 108, the fill 100 behind the cubes.
KEY15 = "#e0409a"; SEE = "#ff00ff"; FILL100 = "#6b4a2e"
BLACK = "#000000"; WHITE = "#ffffff"; INK = "#2b1a10"; SNOW = "#eef6ff"
RED = "#d82828"; RED2 = "#8a1414"; GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"; YELLOW = "#ffd21f"
ORANGE = "#f5891f"; BLUE = "#2f6fdc"; BLUE2 = "#1a3a7b"; LIGHT_BLUE = "#8cc8ff"; NIGHT = "#10304a"
PINE2 = "#1a4e34"; PINE3 = "#246d49"; PINE5 = "#3aad73"; GREEN7 = "#94e09a"; SPRING = "#48e048"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"
DARK_WOOD4 = "#643b26"; PURPLE = "#8a4fc8"; PURPLE6 = "#b17fd4"; SKIN6 = "#e9c6a8"; CREAM6 = "#f6eccd"
SILVER = "#c2c2c2"; SILVER_LIGHT = "#e8e8e8"; GREY6 = "#777777"; GREY_INK = "#303030"; TAN6 = "#d2c2a2"
CYAN7 = "#a7e1ec"; LAVENDER = "#c9a6f0"

SIZES = {2: dict(side=120, step=14, strip=11), 3: dict(side=80, step=10, strip=8), 4: dict(side=60, step=7, strip=6)}


def g(x, y, body):
    return f'<g transform="translate({x} {y})">{body}</g>'


def stroke(w=3):
    return f'stroke="{INK}" stroke-width="{w}" stroke-linejoin="round"'


# ---------------------------------------------------------------------------------------
# The twelve pictures, 240 x 240 each, bold and simple, each on a background of its own
# colour so that a cube shows at a glance which picture its face belongs to.
def snowman():
    s = f'<rect width="240" height="240" fill="{LIGHT_BLUE}"/>'
    for x, y in [(30, 30), (200, 50), (60, 90), (180, 120), (20, 160), (215, 190)]:
        s += f'<circle cx="{x}" cy="{y}" r="5" fill="{WHITE}"/>'
    s += f'<rect x="0" y="200" width="240" height="40" fill="{SNOW}"/>'
    s += f'<circle cx="120" cy="172" r="50" fill="{WHITE}" {stroke()}/>'
    s += f'<circle cx="120" cy="94" r="36" fill="{WHITE}" {stroke()}/>'
    s += f'<rect x="88" y="26" width="64" height="40" fill="{BLACK}" {stroke()}/><rect x="74" y="62" width="92" height="10" fill="{BLACK}" {stroke()}/>'
    s += f'<rect x="88" y="52" width="64" height="8" fill="{RED}"/>'
    s += f'<circle cx="106" cy="88" r="5" fill="{BLACK}"/><circle cx="134" cy="88" r="5" fill="{BLACK}"/>'
    s += f'<path d="M120 98 L150 104 L120 108 Z" fill="{ORANGE}" {stroke(2)}/>'
    s += f'<path d="M84 124 Q120 136 156 124 L156 138 Q120 150 84 138 Z" fill="{RED}" {stroke(2)}/>'
    s += f'<rect x="140" y="130" width="14" height="36" fill="{RED}" {stroke(2)}/>'
    for y in (158, 178, 198):
        s += f'<circle cx="120" cy="{y}" r="5" fill="{BLACK}"/>'
    s += f'<path d="M72 160 L30 130 M168 160 L210 128" stroke="{WOOD1}" stroke-width="6" stroke-linecap="round"/>'
    return s


def tree():
    s = f'<rect width="240" height="240" fill="{NIGHT}"/>'
    for x, y in [(24, 20), (210, 34), (40, 120), (206, 140), (30, 200)]:
        s += f'<circle cx="{x}" cy="{y}" r="3" fill="{GOLD7}"/>'
    s += f'<rect x="104" y="196" width="32" height="30" fill="{WOOD2}" {stroke()}/>'
    s += f'<path d="M120 26 L190 198 L50 198 Z" fill="{PINE3}" {stroke()}/>'
    s += f'<path d="M120 26 L170 120 L70 120 Z" fill="{PINE5}" {stroke(2)}/>'
    s += f'<path d="M78 150 Q120 170 166 140 M66 186 Q120 206 180 176" fill="none" stroke="{GOLD4}" stroke-width="5"/>'
    for x, y, c in [(100, 110, RED), (140, 130, BLUE), (96, 170, GOLD4), (150, 176, RED), (122, 80, BLUE)]:
        s += f'<circle cx="{x}" cy="{y}" r="8" fill="{c}" {stroke(2)}/>'
    s += f'<path d="M120 6 L127 22 L144 22 L130 32 L136 48 L120 38 L104 48 L110 32 L96 22 L113 22 Z" fill="{YELLOW}" {stroke(2)}/>'
    s += f'<rect x="0" y="226" width="240" height="14" fill="{SNOW}"/>'
    return s


def teddy():
    s = f'<rect width="240" height="240" fill="{GOLD7}"/>'
    s += f'<circle cx="72" cy="50" r="26" fill="{WOOD3}" {stroke()}/><circle cx="168" cy="50" r="26" fill="{WOOD3}" {stroke()}/>'
    s += f'<ellipse cx="120" cy="182" rx="70" ry="54" fill="{WOOD3}" {stroke()}/>'
    s += f'<ellipse cx="120" cy="190" rx="38" ry="32" fill="{WOOD7}"/>'
    s += f'<circle cx="120" cy="96" r="60" fill="{WOOD3}" {stroke()}/>'
    s += f'<ellipse cx="120" cy="118" rx="28" ry="20" fill="{WOOD7}" {stroke(2)}/>'
    s += f'<circle cx="96" cy="84" r="7" fill="{BLACK}"/><circle cx="144" cy="84" r="7" fill="{BLACK}"/>'
    s += f'<ellipse cx="120" cy="108" rx="10" ry="7" fill="{BLACK}"/>'
    s += f'<path d="M108 126 Q120 136 132 126" fill="none" stroke="{BLACK}" stroke-width="3"/>'
    s += f'<path d="M120 152 L90 138 L90 168 Z M120 152 L150 138 L150 168 Z" fill="{RED}" {stroke(2)}/>'
    return s


def house():
    s = f'<rect width="240" height="240" fill="{PURPLE6}"/>'
    s += f'<rect x="0" y="196" width="240" height="44" fill="{SNOW}"/>'
    s += f'<rect x="48" y="100" width="144" height="104" fill="{RED}" {stroke()}/>'
    s += f'<path d="M30 106 L120 30 L210 106 Z" fill="{SNOW}" {stroke()}/>'
    s += f'<rect x="152" y="40" width="22" height="44" fill="{RED2}" {stroke()}/>'
    s += f'<rect x="104" y="146" width="32" height="58" fill="{WOOD2}" {stroke()}/>'
    s += f'<rect x="62" y="120" width="30" height="30" fill="{GOLD7}" {stroke()}/><rect x="148" y="120" width="30" height="30" fill="{GOLD7}" {stroke()}/>'
    s += f'<path d="M77 120 L77 150 M62 135 L92 135 M163 120 L163 150 M148 135 L178 135" stroke="{INK}" stroke-width="2"/>'
    s += f'<circle cx="130" cy="176" r="3" fill="{GOLD4}"/>'
    for x, y in [(30, 30), (200, 24), (216, 150), (22, 160)]:
        s += f'<circle cx="{x}" cy="{y}" r="5" fill="{WHITE}"/>'
    return s


def reindeer():
    s = f'<rect width="240" height="240" fill="{GREEN7}"/>'
    s += f'<path d="M86 70 L60 20 M60 20 L40 30 M60 20 L64 4 M154 70 L180 20 M180 20 L200 30 M180 20 L176 4" stroke="{WOOD1}" stroke-width="10" stroke-linecap="round"/>'
    s += f'<ellipse cx="60" cy="92" rx="22" ry="12" fill="{WOOD3}" {stroke()}/><ellipse cx="180" cy="92" rx="22" ry="12" fill="{WOOD3}" {stroke()}/>'
    s += f'<ellipse cx="120" cy="130" rx="62" ry="80" fill="{WOOD3}" {stroke()}/>'
    s += f'<ellipse cx="120" cy="178" rx="40" ry="30" fill="{WOOD7}"/>'
    s += f'<circle cx="96" cy="110" r="9" fill="{WHITE}" {stroke(2)}/><circle cx="144" cy="110" r="9" fill="{WHITE}" {stroke(2)}/>'
    s += f'<circle cx="98" cy="112" r="5" fill="{BLACK}"/><circle cx="142" cy="112" r="5" fill="{BLACK}"/>'
    s += f'<circle cx="120" cy="162" r="20" fill="{RED}" {stroke()}/><circle cx="113" cy="155" r="5" fill="#ff7b7b"/>'
    s += f'<path d="M100 192 Q120 206 140 192" fill="none" stroke="{INK}" stroke-width="3"/>'
    return s


def gingerbread():
    s = f'<rect width="240" height="240" fill="{CYAN7}"/>'
    body = ("M120 20 C150 20 158 50 150 72 L200 84 C216 88 214 116 198 116 L156 110 L160 150 "
            "L196 206 C204 222 184 234 172 222 L120 170 L68 222 C56 234 36 222 44 206 L80 150 "
            "L84 110 L42 116 C26 116 24 88 40 84 L90 72 C82 50 90 20 120 20 Z")
    s += f'<path d="{body}" fill="{WOOD3}" {stroke()}/>'
    s += f'<path d="{body}" fill="none" stroke="{WHITE}" stroke-width="3" stroke-dasharray="8 6" transform="translate(120 120) scale(0.9) translate(-120 -120)"/>'
    s += f'<circle cx="108" cy="46" r="5" fill="{BLACK}"/><circle cx="132" cy="46" r="5" fill="{BLACK}"/>'
    s += f'<path d="M106 60 Q120 70 134 60" fill="none" stroke="{BLACK}" stroke-width="3"/>'
    for y, c in [(96, RED), (122, SPRING), (148, RED)]:
        s += f'<circle cx="120" cy="{y}" r="7" fill="{c}" {stroke(2)}/>'
    return s


def present():
    s = f'<rect width="240" height="240" fill="{YELLOW}"/>'
    s += f'<rect x="40" y="96" width="160" height="120" fill="{BLUE}" {stroke()}/>'
    s += f'<rect x="30" y="70" width="180" height="34" fill="{BLUE}" {stroke()}/>'
    s += f'<rect x="108" y="70" width="24" height="146" fill="{RED}" {stroke(2)}/>'
    s += f'<path d="M120 70 C90 30 60 40 70 60 C76 72 100 72 120 70 Z M120 70 C150 30 180 40 170 60 C164 72 140 72 120 70 Z" fill="{RED}" {stroke()}/>'
    for x, y in [(66, 140), (168, 150), (80, 190), (160, 196)]:
        s += f'<circle cx="{x}" cy="{y}" r="6" fill="{GOLD7}"/>'
    return s


def candle():
    s = f'<rect width="240" height="240" fill="{NIGHT}"/>'
    s += f'<circle cx="120" cy="70" r="56" fill="#3a4f8a"/>'
    s += f'<path d="M120 22 C146 56 144 84 120 100 C96 84 94 56 120 22 Z" fill="{ORANGE}" {stroke()}/>'
    s += f'<path d="M120 50 C132 66 132 82 120 92 C108 82 108 66 120 50 Z" fill="{YELLOW}"/>'
    s += f'<rect x="92" y="104" width="56" height="110" fill="{RED}" {stroke()}/>'
    s += f'<rect x="104" y="110" width="10" height="96" fill="#ff7b7b"/>'
    s += f'<ellipse cx="120" cy="218" rx="80" ry="14" fill="{GOLD3}" {stroke()}/>'
    s += f'<path d="M40 200 L20 186 M200 200 L222 184" stroke="{PINE5}" stroke-width="10" stroke-linecap="round"/>'
    return s


def penguin():
    s = f'<rect width="240" height="240" fill="{LIGHT_BLUE}"/>'
    s += f'<rect x="0" y="200" width="240" height="40" fill="{SNOW}"/>'
    s += f'<ellipse cx="120" cy="126" rx="74" ry="100" fill="{GREY_INK}" {stroke()}/>'
    s += f'<ellipse cx="120" cy="146" rx="50" ry="72" fill="{WHITE}"/>'
    s += f'<circle cx="98" cy="76" r="12" fill="{WHITE}"/><circle cx="142" cy="76" r="12" fill="{WHITE}"/>'
    s += f'<circle cx="100" cy="78" r="6" fill="{BLACK}"/><circle cx="140" cy="78" r="6" fill="{BLACK}"/>'
    s += f'<path d="M104 96 L136 96 L120 116 Z" fill="{ORANGE}" {stroke(2)}/>'
    s += f'<path d="M80 214 L112 214 L106 226 L72 226 Z M128 214 L160 214 L168 226 L134 226 Z" fill="{ORANGE}" {stroke(2)}/>'
    s += f'<path d="M64 34 L176 34 L168 10 L72 10 Z" fill="{RED}" {stroke()}/><rect x="56" y="30" width="128" height="12" fill="{WHITE}" {stroke(2)}/>'
    return s


def engine():
    s = f'<rect width="240" height="240" fill="{GOLD7}"/>'
    s += f'<rect x="0" y="204" width="240" height="8" fill="{WOOD2}"/>'
    s += f'<rect x="30" y="110" width="130" height="70" fill="{RED}" {stroke()}/>'
    s += f'<rect x="140" y="60" width="70" height="120" fill="{BLUE}" {stroke()}/>'
    s += f'<rect x="152" y="74" width="46" height="36" fill="{LIGHT_BLUE}" {stroke(2)}/>'
    s += f'<rect x="50" y="70" width="28" height="42" fill="{GREY_INK}" {stroke()}/>'
    s += f'<path d="M40 70 L88 70 L80 56 L48 56 Z" fill="{GREY_INK}" {stroke(2)}/>'
    for x, r in [(60, 24), (120, 24), (180, 24)]:
        s += f'<circle cx="{x}" cy="184" r="{r}" fill="{GREY6}" {stroke()}/><circle cx="{x}" cy="184" r="8" fill="{GOLD4}"/>'
    s += f'<circle cx="64" cy="36" r="12" fill="{WHITE}" {stroke(2)}/><circle cx="90" cy="20" r="9" fill="{WHITE}" {stroke(2)}/>'
    s += f'<path d="M20 180 L30 160 L30 180 Z" fill="{GOLD4}" {stroke(2)}/>'
    return s


def star_angel():
    s = f'<rect width="240" height="240" fill="{NIGHT}"/>'
    for x, y in [(30, 40), (210, 30), (40, 200), (200, 210), (120, 226)]:
        s += f'<circle cx="{x}" cy="{y}" r="4" fill="{WHITE}"/>'
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rad = 104 if i % 2 == 0 else 44
        pts.append(f"{120 + rad * math.cos(a):.1f},{124 + rad * math.sin(a):.1f}")
    s += f'<polygon points="{" ".join(pts)}" fill="{YELLOW}" {stroke()}/>'
    s += f'<circle cx="104" cy="116" r="7" fill="{BLACK}"/><circle cx="136" cy="116" r="7" fill="{BLACK}"/>'
    s += f'<path d="M100 136 Q120 154 140 136" fill="none" stroke="{BLACK}" stroke-width="4"/>'
    s += f'<circle cx="92" cy="134" r="6" fill="#ff7b7b"/><circle cx="148" cy="134" r="6" fill="#ff7b7b"/>'
    return s


def owl():
    s = f'<rect width="240" height="240" fill="{PINE2}"/>'
    s += f'<rect x="0" y="196" width="240" height="18" fill="{WOOD2}" {stroke(2)}/>'
    s += f'<path d="M60 60 L70 20 L100 44 L140 44 L170 20 L180 60 L190 150 C190 200 50 200 50 150 Z" fill="{WOOD4}" {stroke()}/>'
    s += f'<ellipse cx="120" cy="150" rx="46" ry="44" fill="{WOOD7}"/>'
    s += f'<circle cx="94" cy="86" r="24" fill="{WHITE}" {stroke()}/><circle cx="146" cy="86" r="24" fill="{WHITE}" {stroke()}/>'
    s += f'<circle cx="96" cy="88" r="11" fill="{BLACK}"/><circle cx="144" cy="88" r="11" fill="{BLACK}"/>'
    s += f'<path d="M110 110 L130 110 L120 128 Z" fill="{ORANGE}" {stroke(2)}/>'
    s += f'<path d="M90 198 L96 188 L102 198 M138 198 L144 188 L150 198" stroke="{ORANGE}" stroke-width="5"/>'
    return s


PICTURES = {2: [snowman, tree, teddy, house], 3: [reindeer, gingerbread, present, candle],
            4: [penguin, engine, star_angel, owl]}


def puzzle_picture(size):
    out = ""
    for i, draw in enumerate(PICTURES[size]):
        x, y = 240 * (i % 2), 240 * (i // 2)
        out += (f'<svg x="{x}" y="{y}" width="240" height="240" viewBox="0 0 240 240" overflow="hidden">'
                f'{draw()}</svg>')
    return out


# ---------------------------------------------------------------------------------------
# The frame drawn over one cube: a dark outline and a bevel, see-through inside.
def border(side):
    w = max(3, side // 20)
    out = f'<rect x="0" y="0" width="{side}" height="{side}" fill="{BLACK}"/>'
    out += f'<rect x="1" y="1" width="{side - 2}" height="{side - 2}" fill="{SILVER_LIGHT}"/>'
    out += f'<path d="M{side - 1} 1 L{side - 1} {side - 1} L1 {side - 1} L{1 + w} {side - 1 - w} L{side - 1 - w} {side - 1 - w} L{side - 1 - w} {1 + w} Z" fill="{GREY6}"/>'
    out += f'<rect x="{1 + w}" y="{1 + w}" width="{side - 2 - 2 * w}" height="{side - 2 - 2 * w}" fill="{BLACK}"/>'
    mask = (f'<mask id="m"><rect width="{side}" height="{side}" fill="white"/>'
            f'<rect x="{2 + w}" y="{2 + w}" width="{side - 4 - 2 * w}" height="{side - 4 - 2 * w}" fill="black"/></mask>')
    return mask + f'<g mask="url(#m)">{out}</g>'


# The half-turned cube, one cell per cube (all alike), and below them one strip per column
# for the cube tops. Key colour 15 marks where the faces are stretched in; 108 (left
# empty) is see-through; black outlines the cube's edges.
def distort(size):
    p = SIZES[size]
    side, step, strip = p["side"], p["step"], p["strip"]
    height = side + 2 * step
    half = height // 2
    inset = max(4, side // 8)
    out = ""
    for c in range(size):
        for r in range(size):
            x, y = side * c, height * r
            out += f'<polygon points="{x + inset},{y} {x + side - inset},{y} {x + side},{y + half - 1} {x},{y + half - 1}" fill="{BLACK}"/>'
            out += f'<polygon points="{x + inset + 1},{y + 1} {x + side - inset - 1},{y + 1} {x + side - 1},{y + half - 2} {x + 1},{y + half - 2}" fill="{KEY15}"/>'
            out += f'<polygon points="{x},{y + half} {x + side},{y + half} {x + side - inset},{y + height} {x + inset},{y + height}" fill="{BLACK}"/>'
            out += f'<polygon points="{x + 1},{y + half + 1} {x + side - 1},{y + half + 1} {x + side - inset - 1},{y + height - 1} {x + inset + 1},{y + height - 1}" fill="{KEY15}"/>'
        y = height * size
        x = side * c
        sin = max(3, inset // 2)
        out += f'<polygon points="{x + sin},{y} {x + side - sin},{y} {x + side},{y + strip} {x},{y + strip}" fill="{BLACK}"/>'
        out += f'<polygon points="{x + sin + 1},{y + 1} {x + side - sin - 1},{y + 1} {x + side - 1},{y + strip} {x + 1},{y + strip}" fill="{KEY15}"/>'
    return out, 240, height * size + strip


# The outer side of the cubes of the first and last columns of the 3 x 3 and 4 x 4 puzzles,
# seen a little from the side: a painted wooden side as tall as a face and the top strip above
# it, its far edge a little shorter. Left pieces then right pieces, size 3 (6 wide) first.
SIDES = {3: dict(width=6, left=(0, 0), right=(6, 0)), 4: dict(width=5, left=(12, 0), right=(17, 0))}


def side_piece(x, y, w, h, strip, left):
    near, far = (x + w - 0.5, x + 0.5) if left else (x + 0.5, x + w - 0.5)
    out = (f'<polygon points="{near},{y} {near},{y + h} {far},{y + h - 3} {far},{y + strip + 1}" '
           f'fill="{RED}" stroke="{INK}" stroke-width="1" stroke-linejoin="round"/>')
    mid = x + w / 2
    out += f'<path d="M{mid} {y + strip + 4} L{mid} {y + h - 5}" stroke="{GOLD4}" stroke-width="1.5"/>'
    return out


def sides():
    out = ""
    for size, p in SIDES.items():
        side, strip = SIZES[size]["side"], SIZES[size]["strip"]
        out += side_piece(*p["left"], p["width"], side + strip, strip, True)
        out += side_piece(*p["right"], p["width"], side + strip, strip, False)
    return out


# ---------------------------------------------------------------------------------------
# The machine's side columns: open (the clamps drawn back) and closed (pressed in).
MECH = {
    2: [((0, 0, 42, 170), (42, 0, 84, 170), "left"), ((0, 170, 51, 284), (51, 170, 102, 284), "right"),
        ((0, 284, 52, 388), (52, 284, 104, 388), "right")],
    3: [((0, 0, 39, 213), (39, 0, 78, 213), "left"), ((0, 213, 45, 486), (45, 213, 90, 486), "right")],
    4: [((0, 0, 40, 243), (40, 0, 80, 243), "left"), ((0, 243, 41, 518), (41, 243, 82, 518), "right")],
}
MECH_SIZE = {2: (104, 388), 3: (90, 486), 4: (82, 518)}


def column(rect, side, closed):
    x0, y0, x1, y1 = rect
    w, h = x1 - x0, y1 - y0
    out = f'<rect x="{x0 + (0 if side == "left" else 0)}" y="{y0 + 2}" width="{w - 10}" height="{h - 4}" rx="4" fill="{WOOD3}" {stroke(2)}/>' if side == "left" else \
        f'<rect x="{x0 + 10}" y="{y0 + 2}" width="{w - 10}" height="{h - 4}" rx="4" fill="{WOOD3}" {stroke(2)}/>'
    bx = x0 + 4 if side == "left" else x0 + 14
    for yy in range(y0 + 10, y1 - 8, 28):
        out += f'<circle cx="{bx + 6}" cy="{yy}" r="3" fill="{SILVER}" {stroke(1)}/>'
    # the clamp: a bar that reaches the cubes when the frame is closed
    reach = 10 if closed else 2
    cy = y0 + h // 2
    if side == "left":
        out += f'<rect x="{x1 - 10 - 2 + (reach - 2)}" y="{cy - 16}" width="{10}" height="32" fill="{GOLD3}" {stroke(2)}/>'
    else:
        out += f'<rect x="{x0 + 2 - (reach - 2)}" y="{cy - 16}" width="{10}" height="32" fill="{GOLD3}" {stroke(2)}/>'
    out += f'<circle cx="{x0 + w // 2}" cy="{cy}" r="{max(6, w // 5)}" fill="{RED if closed else GREY6}" {stroke(2)}/>'
    return out


def mech(size):
    out = ""
    for open_rect, closed_rect, side in MECH[size]:
        out += column(open_rect, side, False) + column(closed_rect, side, True)
    return out


# ---------------------------------------------------------------------------------------
# The machine (388 x 320, drawn at x 61): a wooden cabinet with the dark well the cubes sit
# in, colour 100 where the room fills behind them.
def machine_body():
    out = f'<rect x="0" y="0" width="388" height="320" fill="{WOOD2}" {stroke(3)}/>'
    out += f'<rect x="12" y="8" width="364" height="304" rx="8" fill="{WOOD4}" {stroke(2)}/>'
    # the well: every cube's area (a half-turned cube reaches above and below its square)
    out += f'<rect x="60" y="3" width="270" height="311" fill="{FILL100}" {stroke(2)}/>'
    # the places of the size marks at both sides
    for x in (2, 377):
        out += f'<rect x="{x}" y="228" width="11" height="90" fill="{WOOD1}"/>'
    return out


def puzbase():
    return machine_body()


def puzdown():
    out = machine_body()
    # the cover: a striped wooden shutter with a big handle to lift
    out += f'<rect x="30" y="6" width="328" height="300" rx="6" fill="{RED}" {stroke(3)}/>'
    for y in range(24, 300, 24):
        out += f'<path d="M34 {y} L354 {y}" stroke="{RED2}" stroke-width="3"/>'
    # the handle and an arrow up, inside the part a click lifts (view 58..326 across, 182..300 down)
    out += f'<rect x="96" y="266" width="150" height="24" rx="12" fill="{GOLD4}" {stroke(3)}/>'
    out += f'<path d="M136 232 L172 196 L208 232 L188 232 L188 258 L156 258 L156 232 Z" fill="{GOLD7}" {stroke(3)}/>'
    # a star on the upper part of the shutter
    out += f'<path d="M194 52 L204 80 L234 80 L210 98 L218 126 L194 110 L170 126 L178 98 L154 80 L184 80 Z" fill="{YELLOW}" {stroke(3)}/>'
    out += f'<rect x="58" y="182" width="40" height="40" rx="4" fill="{WOOD1}" {stroke(2)}/>'
    return out


def strips_h():
    out = f'<rect x="0" y="0" width="268" height="7" fill="{WOOD1}"/>'
    out += f'<rect x="0" y="7" width="268" height="41" fill="{FILL100}"/>'
    out += f'<rect x="0" y="40" width="268" height="8" fill="{WOOD1}"/>'
    for x in range(6, 268, 22):
        out += f'<circle cx="{x}" cy="3.5" r="2" fill="{GOLD3}"/>'
    return out


def strips_v():
    out = f'<rect x="0" y="0" width="26" height="240" fill="{WOOD1}"/>'
    for y in range(8, 240, 24):
        out += f'<circle cx="6.5" cy="{y}" r="2" fill="{GOLD3}"/><circle cx="19.5" cy="{y}" r="2" fill="{GOLD3}"/>'
    return out


# ---------------------------------------------------------------------------------------
# The sheet: the left and right shelves (with the waiting puzzle's box), the size mark and
# the cover's knob signs (frame open, frame shut).
def puzgfx():
    out = ""
    for x0, w in ((19, 19), (56, 18)):
        out += f'<rect x="{x0}" y="0" width="{w}" height="{253 if x0 == 19 else 255}" fill="{WOOD3}" {stroke(2)}/>'
        for y in range(40, 250, 60):
            out += f'<rect x="{x0}" y="{y}" width="{w}" height="5" fill="{WOOD1}"/>'
    out += f'<rect x="0.5" y="253.5" width="8" height="8" rx="1" fill="{GOLD4}" stroke="{INK}" stroke-width="1"/>'
    # the knob signs: an open frame and a shut one
    out += f'<rect x="1" y="263" width="31" height="31" rx="4" fill="{GREY6}" {stroke(2)}/><rect x="8" y="270" width="17" height="17" fill="{FILL100}"/>'
    out += f'<rect x="34" y="263" width="31" height="31" rx="4" fill="{SPRING}" {stroke(2)}/><rect x="41" y="270" width="17" height="17" fill="{GOLD7}" {stroke(1)}/>'
    return out


def room():
    out = f'<rect width="512" height="320" fill="{LAVENDER}"/>'
    for y in range(0, 320, 32):
        for x in range(0 if (y // 32) % 2 else 16, 512, 32):
            out += f'<circle cx="{x}" cy="{y + 16}" r="3" fill="{PURPLE6}"/>'
    out += f'<rect x="0" y="296" width="512" height="24" fill="{WOOD3}"/>'
    # the knob's track on the left, the lever's slot on the right
    out += f'<rect x="30" y="30" width="14" height="240" rx="7" fill="{WOOD1}" {stroke(2)}/>'
    out += f'<rect x="466" y="24" width="16" height="100" rx="8" fill="{WOOD1}" {stroke(2)}/>'
    return out


def knob(y_of_knob, frames, height=51):
    """Frames of the frame's knob: the knob where it stands, or its empty place."""
    out = ""
    for f, shown in enumerate(frames):
        top = f * height
        out += f'<rect x="30" y="{top + 2}" width="14" height="{height - 4}" rx="6" fill="{WOOD1}"/>'
        if shown == "knob":
            out += f'<circle cx="37" cy="{top + height // 2}" r="18" fill="{RED}" {stroke(3)}/><circle cx="31" cy="{top + height // 2 - 6}" r="5" fill="#ff7b7b"/>'
        elif shown == "dim":
            out += f'<circle cx="37" cy="{top + height // 2}" r="10" fill="{GREY6}" {stroke(2)}/>'
    return out


def lever_top():
    out = ""
    for f, up in enumerate([False, True]):
        top = f * 51
        out += f'<rect x="17" y="{top + 19}" width="16" height="32" fill="{WOOD1}"/>'
        if up:
            out += f'<rect x="22" y="{top + 24}" width="6" height="27" fill="{SILVER}" {stroke(2)}/>'
            out += f'<circle cx="25" cy="{top + 20}" r="14" fill="{RED}" {stroke(3)}/><circle cx="20" cy="{top + 15}" r="4" fill="#ff7b7b"/>'
    return out


def lever_bottom():
    out = ""
    for f, down in enumerate([False, True]):
        top = f * 60
        out += f'<rect x="17" y="{top}" width="16" height="14" rx="6" fill="{WOOD1}"/>'
        out += f'<rect x="10" y="{top + 10}" width="30" height="14" rx="3" fill="{GREY6}" {stroke(2)}/>'
        if not down:
            out += f'<rect x="22" y="{top}" width="6" height="12" fill="{SILVER}" {stroke(2)}/>'
        else:
            out += f'<rect x="22" y="{top + 18}" width="6" height="26" fill="{SILVER}" {stroke(2)}/>'
            out += f'<circle cx="25" cy="{top + 46}" r="12" fill="{RED}" {stroke(3)}/>'
    return out


for size in (2, 3, 4):
    write(f"puzzle{size}.svg", svg(480, 480, puzzle_picture(size), f"The four pictures of the {size} x {size} puzzle."))
    side = SIZES[size]["side"]
    write(f"{size}border.svg", svg(side, side, border(side), "The frame over one cube; see-through inside."))
    body, w, h = distort(size)
    write(f"{size}distort.svg", svg(w, h, body, f"Half-turned cubes ({w} x {h}) and the cube tops."))
    mw, mh = MECH_SIZE[size]
    write(f"{size}mech.svg", svg(mw, mh, mech(size), "The machine's side columns, open and closed."))
write("puzsides.svg", svg(22, 88, sides(), "The outer sides of the 3 x 3 and 4 x 4 cubes: left and right, size 3 then 4."))
write("puzbase.svg", svg(388, 320, puzbase(), "The machine with its cover up."))
write("puzdown.svg", svg(388, 320, puzdown(), "The machine with its cover down."))
write("puzbg_h.svg", svg(268, 48, strips_h(), "The bars above and below the cubes."))
write("puzbg_v.svg", svg(26, 240, strips_v(), "The posts left and right of the cubes."))
write("puzgfx.svg", svg(74, 295, puzgfx(), "Shelves, the size mark and the cover's knob signs."))
write("puzroom.svg", svg(512, 320, room(), "The puzzle room's wall."))
write("puzknobt.svg", svg(51, 153, knob(0, ["dim", "knob", ""]), "The frame's knob at the top: covered, open, closed."))
write("puzknobb.svg", svg(51, 102, knob(0, ["", "knob"]), "The frame's knob at the bottom: open, closed."))
write("puzlevt.svg", svg(51, 102, lever_top(), "The lever's top: pulled, at rest."))
write("puzlevb.svg", svg(51, 120, lever_bottom(), "The lever's foot: at rest, pulled."))
