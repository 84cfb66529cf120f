#!/usr/bin/env python3
# Writes the train table's SVG pictures in this folder. The SVGs are the sources the content
# build reads; this script keeps the track pieces, their palette icons, the engines in all
# their directions and the shelf pictures drawn alike and cut exactly where the room's code
# takes them. Run it after changing a drawing:
#   python3 content/house/train/draw_pictures.py
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer  # noqa: E402

write = writer(HERE)

# Palette colours (content/palette/zorvik.gpl).
BLACK = "#000000"; INK = "#2b1a10"; NAVY_INK = "#1a2340"; GREEN_INK = "#143d1e"; GREY_INK = "#303030"
KEY = "#ff00ff"  # index 108: see-through
WHITE = "#ffffff"; SNOW = "#eef6ff"; LIGHT_YELLOW = "#fff3a0"
RED = "#d82828"; RED2 = "#8a1414"; RED6 = "#ea6c6c"
YELLOW = "#ffd21f"; GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"; ORANGE = "#f5891f"
BLUE = "#2f6fdc"; BLUE2 = "#1a3a7b"; BLUE7 = "#99b4e9"; LIGHT_BLUE = "#8cc8ff"; SKY7 = "#aed5f1"; SKY8 = "#d4e8f7"
GREEN = "#2fa84f"; GREEN2 = "#1f6b25"; GREEN3 = "#2a8f32"; GREEN4 = "#34b43f"; GREEN5 = "#4bcb56"; GREEN6 = "#70d578"
LIME4 = "#96c832"; LIME5 = "#a9d454"; LIME6 = "#bcdd78"
PINE2 = "#1a4e34"; PINE3 = "#246d49"; PINE4 = "#2f8d5e"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"; WOOD8 = "#e8d3ba"
DWOOD3 = "#4f2e1e"; DWOOD4 = "#643b26"; DWOOD6 = "#8f5436"
BOARD = "#e6d3a8"  # index 38: the palette board; the selection frame is erased with it
GREY4 = "#515151"; GREY6 = "#777777"; GREY8 = "#9c9c9c"; GREY10 = "#c2c2c2"; GREY12 = "#e8e8e8"
CGREY3 = "#5a6672"; CGREY6 = "#a9b2bc"; CGREY7 = "#c6ccd2"; CGREY8 = "#e2e5e9"
PINK = "#e04f8b"; PURPLE = "#8a4fc8"; CREAM5 = "#f3e6bd"; CREAM7 = "#f9f2de"
BRICK4 = "#9e4635"; BRICK5 = "#ba533e"; TAN3 = "#ac8f53"; TEAL4 = "#39aaa1"; CYAN5 = "#5bc7dc"
WALL = "#dfd3bc"; WALL2 = "#c5b187"

T = 75          # tile size
C = 37.5        # the track's middle line in a tile


def rect(x, y, w, h, fill, stroke=None, sw=1, rx=0, extra=""):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    r = f' rx="{rx}"' if rx else ""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}"{s}{r}{extra}/>\n'


def circle(cx, cy, r, fill, stroke=None, sw=1):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{s}/>\n'


def path(d, fill="none", stroke=None, sw=1, extra=""):
    s = f' stroke="{stroke}" stroke-width="{sw}"' if stroke else ""
    return f'<path d="{d}" fill="{fill}"{s}{extra}/>\n'


def group(body, transform="", clip=None):
    c = f' clip-path="url(#{clip})"' if clip else ""
    return f'<g transform="{transform}"{c}>\n{body}</g>\n'


# ---------------------------------------------------------------------------------------
# Track. A track is drawn along a centre line: first the sleepers, then the two rails. Sides
# are 0 top, 1 right, 2 bottom, 3 left; a track joins two sides (straight or a quarter
# circle around the corner between them) or runs from a side to a buffer stop.
SIDE_POINT = {0: (C, 0), 1: (T, C), 2: (C, T), 3: (0, C)}
CORNER = {frozenset((0, 1)): (T, 0), frozenset((1, 2)): (T, T), frozenset((2, 3)): (0, T), frozenset((0, 3)): (0, 0)}


def track_points(a, b, n=24):
    """Points along the centre line from side a to side b (b may be 'stop' for a buffer)."""
    pa = SIDE_POINT[a]
    if b == "stop":
        return [(pa[0] + (C - pa[0]) * 0.62 * i / n, pa[1] + (C - pa[1]) * 0.62 * i / n) for i in range(n + 1)]
    pb = SIDE_POINT[b]
    if (a + 2) % 4 == b:
        return [(pa[0] + (pb[0] - pa[0]) * i / n, pa[1] + (pb[1] - pa[1]) * i / n) for i in range(n + 1)]
    cx, cy = CORNER[frozenset((a, b))]
    a0 = math.atan2(pa[1] - cy, pa[0] - cx)
    a1 = math.atan2(pb[1] - cy, pb[0] - cx)
    if a1 - a0 > math.pi:
        a1 -= 2 * math.pi
    if a0 - a1 > math.pi:
        a1 += 2 * math.pi
    return [(cx + C * math.cos(a0 + (a1 - a0) * i / n), cy + C * math.sin(a0 + (a1 - a0) * i / n)) for i in range(n + 1)]


def offset_line(points, d):
    out = []
    for i, (x, y) in enumerate(points):
        x0, y0 = points[max(0, i - 1)]
        x1, y1 = points[min(len(points) - 1, i + 1)]
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy) or 1
        out.append((x - dy / ln * d, y + dx / ln * d))
    return out


def polyline(points):
    return "M" + " L".join(f"{x:.1f} {y:.1f}" for x, y in points)


def sleepers(points):
    body = ""
    for i in range(1, len(points) - 1, 3):
        x, y = points[i]
        x0, y0 = points[i - 1]
        x1, y1 = points[i + 1]
        dx, dy = x1 - x0, y1 - y0
        ln = math.hypot(dx, dy) or 1
        nx, ny = -dy / ln, dx / ln
        tx, ty = dx / ln, dy / ln
        corners = [(x + nx * 10 + tx * 2.5, y + ny * 10 + ty * 2.5), (x - nx * 10 + tx * 2.5, y - ny * 10 + ty * 2.5),
                   (x - nx * 10 - tx * 2.5, y - ny * 10 - ty * 2.5), (x + nx * 10 - tx * 2.5, y + ny * 10 - ty * 2.5)]
        body += path(polyline(corners) + " Z", WOOD3, INK, 1)
    return body


def rails(points):
    body = ""
    for d in (-5, 5):
        line = polyline(offset_line(points, d))
        body += path(line, stroke=GREY_INK, sw=4)
        body += path(line, stroke=GREY10, sw=2)
    return body


def buffer_stop(a):
    # A red buffer block across the track's end, facing the open side.
    px, py = SIDE_POINT[a]
    ex, ey = px + (C - px) * 0.62, py + (C - py) * 0.62
    if a in (0, 2):
        return rect(ex - 13, ey - 4, 26, 8, RED, INK, 1.5, 2) + rect(ex - 9, ey - 2, 6, 4, LIGHT_YELLOW) + rect(ex + 3, ey - 2, 6, 4, LIGHT_YELLOW)
    return rect(ex - 4, ey - 13, 8, 26, RED, INK, 1.5, 2) + rect(ex - 2, ey - 9, 4, 6, LIGHT_YELLOW) + rect(ex - 2, ey + 3, 4, 6, LIGHT_YELLOW)


# The tracks of each piece, [column][row]: pairs of sides (or a side and "stop").
PIECES = {
    (0, 0): [(0, "stop")], (0, 1): [(1, "stop")], (0, 2): [(1, 2)], (0, 3): [(0, 1)],
    (0, 4): [(3, 1), (3, 0), (0, 1)], (0, 5): [(2, 0), (0, 1), (1, 2)],
    (1, 0): [(2, "stop")], (1, 1): [(3, "stop")], (1, 2): [(0, 3)], (1, 3): [(2, 3)],
    (1, 4): [(3, 1), (1, 2), (2, 3)], (1, 5): [(0, 2), (2, 3), (0, 3)],
    (2, 0): [(0, 2)], (2, 1): [(3, 1)], (2, 2): [(0, 3), (1, 2)], (2, 3): [(0, 1), (2, 3)],
    (2, 4): [(0, 2), (3, 1)],
}


def piece(col, row):
    tracks = PIECES[(col, row)]
    lines = [track_points(a, b) for a, b in tracks]
    body = "".join(sleepers(p) for p in lines) + "".join(rails(p) for p in lines)
    for a, b in tracks:
        if b == "stop":
            body += buffer_stop(a)
    return body


# Switch levers: a round signal plate with an arrow towards the way the switch sends a train
# coming from its stem; [column][row] -> the (dx, dy) of the arrow in positions 0 and 1.
LEVER_ARROWS = {
    (0, 4): [(-1, -1), (1, -1)], (0, 5): [(1, -1), (1, 1)],
    (1, 4): [(1, 1), (-1, 1)], (1, 5): [(-1, 1), (-1, -1)],
}


def lever(dx, dy, position):
    c = 20.5
    plate = GREEN5 if position == 0 else ORANGE
    body = circle(c, c, 15, plate, BLACK, 2)
    body += circle(c, c, 11, WHITE)
    ang = math.atan2(dy, dx)
    ux, uy = math.cos(ang), math.sin(ang)
    vx, vy = -uy, ux
    tip = (c + ux * 9, c + uy * 9)
    tail = (c - ux * 7, c - uy * 7)
    head = [tip, (tip[0] - ux * 7 + vx * 6, tip[1] - uy * 7 + vy * 6), (tip[0] - ux * 7 - vx * 6, tip[1] - uy * 7 - vy * 6)]
    body += path(f"M{tail[0]:.1f} {tail[1]:.1f} L{c + ux * 3:.1f} {c + uy * 3:.1f}", stroke=BLACK, sw=4)
    body += path(polyline(head) + " Z", BLACK)
    return body


def draw_track():
    body = rect(0, 0, 225, 532, KEY)
    # Each piece is clipped to its own cell, so no sleeper end spills into the next one.
    for (col, row) in PIECES:
        body += f'<clipPath id="p{col}{row}"><rect x="0" y="0" width="75" height="75"/></clipPath>\n'
        body += group(f'<g clip-path="url(#p{col}{row})">' + piece(col, row) + "</g>\n", f"translate({75 * col} {75 * row})")
    # The cursor frame in the plain-ground cell: a friendly yellow outline with corners.
    fx, fy = 150, 375
    body += rect(fx + 1.5, fy + 1.5, 72, 72, "none", BLACK, 3)
    body += rect(fx + 3.5, fy + 3.5, 68, 68, "none", YELLOW, 2)
    for (col, row), arrows in LEVER_ARROWS.items():
        for position, (dx, dy) in enumerate(arrows):
            body += group(lever(dx, dy, position), f"translate({82 * col + 41 * position} {286 + 41 * row})")
    return svg(225, 532, body, "track pieces in 75-px cells, the cursor frame at (150, 375), the switch levers")


# ---------------------------------------------------------------------------------------
# Ground. Page 1 lays green grass; page 2 lays snow, whose tiles get a grassy edge on each
# side that borders grass. Scenery items sit on their page's ground.
def grass(x, y, w, h, seed=0):
    body = rect(x, y, w, h, GREEN5)
    for i in range(7):
        gx = x + (13 + 29 * i + 17 * seed) % w
        gy = y + (9 + 23 * i + 11 * seed) % h
        body += path(f"M{gx} {gy + 5} L{gx + 2} {gy} L{gx + 4} {gy + 5} L{gx + 6} {gy + 1} L{gx + 8} {gy + 5}", stroke=GREEN3, sw=1.2)
    return body


def snow_tile(mask_sides):
    body = rect(0, 0, T, T, SNOW)
    for sx, sy in [(12, 14), (50, 22), (28, 48), (60, 58), (8, 62)]:
        body += path(f"M{sx} {sy} q4 -3 8 0", stroke=SKY7, sw=1.5)
    # the grassy edge: a strip along the side with a wavy snowbank line
    wave = " ".join(f"Q{75 - 9.375 * (2 * k + 1):.1f} {16 if k % 2 == 0 else 12} {75 - 18.75 * (k + 1):.1f} 10"
                    for k in range(4))
    for side in mask_sides:
        rot = {0: "", 1: "rotate(90 37.5 37.5)", 2: "rotate(180 37.5 37.5)", 3: "rotate(270 37.5 37.5)"}[side]
        body += group(path(f"M0 0 L75 0 L75 10 {wave} Z", GREEN5) + path(f"M75 10 {wave}", "none", GREEN2, 1.5), rot)
    return body


# Which sides carry the grassy edge on the unmirrored ground tiles of rows 3..5.
SNOW_TILES = {
    (0, 3): [], (1, 3): [0, 1, 2, 3], (2, 3): [2, 3],
    (0, 4): [2], (1, 4): [3], (2, 4): [1, 2, 3],
    (0, 5): [1, 3], (1, 5): [0, 2], (2, 5): [0, 2, 3],
}


def draw_terrain():
    body = ""
    for col in range(3):
        for row in range(3):
            body += group(grass(0, 0, T, T, col + 3 * row), f"translate({75 * col} {75 * row})")
    for (col, row), sides in SNOW_TILES.items():
        body += group(snow_tile(sides), f"translate({75 * col} {75 * row})")
    return svg(225, 450, body, "ground tiles: grass at (0, 0); snow with grassy edges in rows 3 to 5")


def pine(x, y, s, snowy):
    body = rect(x - 3 * s, y + 18 * s, 6 * s, 8 * s, WOOD2, INK, 1.5)
    for i, (top, bottom, hw) in enumerate([(0, 12, 9), (6, 18, 12), (11, 22, 15)]):
        d = f"M{x} {y + top * s} L{x + hw * s} {y + bottom * s} L{x - hw * s} {y + bottom * s} Z"
        body += path(d, PINE4, GREEN_INK, 1.5)
        if snowy:
            body += path(f"M{x} {y + top * s} L{x + hw * s * 0.45} {y + (top + (bottom - top) * 0.45) * s} L{x - hw * s * 0.45} {y + (top + (bottom - top) * 0.45) * s} Z", WHITE)
    return body


def scenery_one(k):
    body = grass(0, 0, T, T, 5 + k)
    if k == 1:  # a leafy tree
        body += rect(33, 42, 9, 22, WOOD2, INK, 1.5)
        body += circle(37.5, 30, 22, GREEN3, GREEN_INK, 2) + circle(30, 24, 7, GREEN4) + circle(46, 33, 5, GREEN4)
        body += circle(28, 36, 3, RED) + circle(47, 22, 3, RED) + circle(40, 40, 3, RED)
    elif k == 2:  # a little house
        body += rect(15, 34, 45, 30, RED6, INK, 2) + path("M10 36 L37.5 12 L65 36 Z", BRICK4, INK, 2)
        body += rect(31, 46, 12, 18, WOOD3, INK, 1.5) + rect(18, 40, 10, 9, LIGHT_YELLOW, INK, 1.5) + rect(48, 40, 10, 9, LIGHT_YELLOW, INK, 1.5)
        body += rect(50, 14, 7, 14, GREY6, INK, 1.5)
    elif k == 3:  # a pond with a duck
        body += path("M8 40 Q10 18 37 18 Q68 18 67 42 Q66 62 38 62 Q8 62 8 40 Z", LIGHT_BLUE, NAVY_INK, 2)
        body += path("M20 36 q6 -3 12 0 M40 48 q6 -3 12 0", stroke=WHITE, sw=1.5)
        body += circle(44, 33, 6, YELLOW, INK, 1.5) + circle(50, 28, 4, YELLOW, INK, 1.5) + path("M53 28 L57 29 L53 30 Z", ORANGE)
    else:  # flowers
        for i, (fx, fy, col) in enumerate([(18, 20, RED), (50, 16, YELLOW), (30, 44, PINK), (58, 50, PURPLE), (14, 58, YELLOW), (40, 64, RED)]):
            body += path(f"M{fx} {fy + 4} L{fx} {fy + 11}", stroke=GREEN2, sw=2)
            for a in range(5):
                body += circle(fx + 4 * math.cos(a * 1.2566), fy + 4 * math.sin(a * 1.2566), 3, col, INK, 0.8)
            body += circle(fx, fy, 2.2, LIGHT_YELLOW)
    return body


def scenery_two(k):
    body = rect(0, 0, T, T, KEY)
    if k == 1:  # a snowman
        body += circle(37.5, 50, 17, WHITE, NAVY_INK, 2) + circle(37.5, 24, 12, WHITE, NAVY_INK, 2)
        body += rect(27, 6, 21, 8, GREY_INK) + rect(23, 13, 29, 3, GREY_INK)
        body += circle(33, 22, 1.8, BLACK) + circle(42, 22, 1.8, BLACK) + path("M37 26 L46 28 L37 29 Z", ORANGE, INK, 0.8)
        body += rect(26, 33, 23, 4, RED, INK, 1) + circle(37.5, 46, 2, BLACK) + circle(37.5, 54, 2, BLACK)
    elif k == 2:  # a snowy pine
        body += pine(37.5, 6, 2.5, True)
    elif k == 3:  # a cabin with lights
        body += rect(12, 32, 51, 32, WOOD3, INK, 2) + path("M6 34 L37.5 10 L69 34 Z", WHITE, NAVY_INK, 2)
        body += rect(31, 44, 13, 20, DWOOD4, INK, 1.5) + rect(17, 40, 10, 10, LIGHT_YELLOW, INK, 1.5) + rect(49, 40, 10, 10, LIGHT_YELLOW, INK, 1.5)
        for i in range(6):
            body += circle(12 + 10 * i, 33, 2.2, [RED, YELLOW, BLUE][i % 3])
    else:  # presents in the snow
        body += rect(10, 36, 26, 26, RED, INK, 2) + rect(21, 36, 4, 26, YELLOW) + rect(10, 47, 26, 4, YELLOW)
        body += rect(38, 28, 28, 34, BLUE, INK, 2) + rect(50, 28, 4, 34, WHITE) + rect(38, 43, 28, 4, WHITE)
        body += rect(26, 14, 22, 20, GREEN4, INK, 2) + rect(35, 14, 4, 20, RED) + rect(26, 22, 22, 4, RED)
        body += path("M31 14 Q37 6 37 14 Q37 6 43 14", stroke=RED2, sw=2)
    return body


def draw_scenery(page):
    make = scenery_one if page == 1 else scenery_two
    body = "".join(group(make(k), f"translate(0 {75 * (k - 1)})") for k in range(1, 5))
    return svg(75, 300, body, f"scenery of palette page {page}: items 1 to 4, 75 px each")


# ---------------------------------------------------------------------------------------
# The table: a wooden board with a faint grid where the tiles go.
def table_body():
    body = rect(0, 0, 396, 320, DWOOD6)
    body += rect(3, 3, 390, 314, WOOD4, INK, 2, 6)
    for i in range(0, 320, 18):
        body += path(f"M6 {i + 9} Q120 {i + 4} 200 {i + 10} T390 {i + 8}", stroke=WOOD5, sw=1)
    body += rect(9.5, 8.5, 376, 301, "none", WOOD2, 1)
    for x in range(1, 5):
        body += path(f"M{10 + 75 * x} 12 L{10 + 75 * x} 306", stroke=WOOD3, sw=1, extra=' stroke-dasharray="3 4"')
    for y in range(1, 4):
        body += path(f"M13 {9 + 75 * y} L382 {9 + 75 * y}", stroke=WOOD3, sw=1, extra=' stroke-dasharray="3 4"')
    return body


def draw_table():
    return svg(396, 320, table_body(), "the bare train table; tile (x, y) at (10 + 75x, 9 + 75y)")


# ---------------------------------------------------------------------------------------
# Engines and cars seen from above, the front towards the direction. Direction d faces
# (sin a, cos a) on the screen with a = d * 11.25 degrees (0 down, 8 right); directions 0 to
# 15 are drawn in their cut-outs, 16 to 31 are the same turned round by mirroring.
SPRITE_RECTS = [
    (0, 0, 15, 34), (15, 0, 35, 36), (35, 0, 58, 35), (58, 0, 86, 35),
    (86, 0, 117, 31), (117, 0, 151, 28), (151, 0, 186, 24), (186, 0, 222, 21),
    (0, 36, 34, 51), (34, 36, 70, 56), (70, 35, 105, 58), (105, 31, 140, 59),
    (140, 28, 170, 59), (170, 24, 198, 59), (198, 21, 221, 56), (221, 21, 241, 57),
]
ENGINE_COLOURS = {"y": (YELLOW, GOLD3, RED), "b": (BLUE, BLUE2, YELLOW)}


def engine_top(colour, dark, trim):
    # Drawn facing down (+y), centred on (0, 0), 13 wide and 32 long.
    body = rect(-6.5, -16, 13, 32, colour, BLACK, 1.5, 3)
    body += rect(-6.5, -16, 13, 10, dark, BLACK, 1.5, 2)      # the cab at the back
    body += rect(-4, -14, 8, 5, SKY8)                          # its roof window
    body += circle(0, 2, 3.5, GREY_INK)                        # the boiler's dome
    body += circle(0, 10, 2.8, BLACK)                          # the chimney at the front
    body += rect(-6.5, 13.5, 13, 3, trim, BLACK, 1)            # the front bumper
    return body


def car_top(colour, dark, trim):
    body = rect(-6.5, -16, 13, 32, dark, BLACK, 1.5, 2)
    body += rect(-4.5, -14, 9, 28, WOOD7)
    body += rect(-4, -12, 8, 8, RED, INK, 1) + rect(-0.75, -12, 1.5, 8, YELLOW)
    body += rect(-4, -2, 8, 7, GREEN4, INK, 1) + rect(-0.75, -2, 1.5, 7, RED)
    body += rect(-4, 7, 8, 6, colour, INK, 1)
    return body


def draw_sprites(letter, kind):
    colour, dark, trim = ENGINE_COLOURS[letter]
    shape = engine_top(colour, dark, trim) if kind == "train" else car_top(colour, dark, trim)
    body = rect(0, 0, 241, 59, KEY)
    for d, (l, t, r, b) in enumerate(SPRITE_RECTS):
        angle = -d * 11.25  # turning from facing down towards facing right
        cx, cy = (l + r) / 2, (t + b) / 2
        body += f'<clipPath id="c{d}"><rect x="{l}" y="{t}" width="{r - l}" height="{b - t}"/></clipPath>\n'
        body += f'<g clip-path="url(#c{d})">' + group(shape, f"translate({cx} {cy}) rotate({angle})") + "</g>\n"
    what = "engine" if kind == "train" else "car"
    return svg(241, 59, body, f"the {what} {letter} seen from above in directions 0 to 15, cut where the room takes them")


# ---------------------------------------------------------------------------------------
# The palette: two pages of 3 x 6 cells of 32 px on the board colour; the scenery well in
# the last cell of each page.
def icon(col, row):
    s = 28 / 75
    if (col, row) == (2, 5):
        return ""
    return group(piece(col, row), f"translate(2 2) scale({s})")


def draw_palette():
    body = ""
    for page in (1, 2):
        ox = 98 * (page - 1)
        body += rect(ox, 0, 98, 194, BOARD)
        for col in range(3):
            for row in range(6):
                x, y = ox + 32 * col + 1, 32 * row + 1
                ground = GREEN6 if page == 1 else SNOW
                body += rect(x + 1, y + 1, 30, 30, ground, WOOD1, 1, 3)
                body += group(icon(col, row), f"translate({x} {y})")
        # the scenery well: an empty frame with a question of what grows here
        wx, wy = ox + 66, 162
        body += rect(wx, wy, 30, 30, GREEN6 if page == 1 else SNOW, WOOD1, 1, 3)
        body += circle(wx + 15, wy + 15, 7, "none", WOOD3, 2) + circle(wx + 15, wy + 15, 2, WOOD3)
    return svg(196, 194, body, "the track palette: page 1 (grass) and page 2 (snow), 3 x 6 cells of 32 px")


# ---------------------------------------------------------------------------------------
# The room: the table on the left, the palette board on the wall at the top right, below it
# the page switch, the shelf with the engines and their cars, and the two speed knobs.
SHELF_X = (400, 456)


def shelf_back(x, y, w, h):
    return rect(x, y, w, h, WOOD7, WOOD2, 1)


def draw_room():
    body = rect(0, 0, 512, 320, WALL)
    for i in range(0, 320, 16):
        body += path(f"M396 {i} L512 {i}", stroke=WALL2, sw=1)
    body += group(table_body(), "")
    body += rect(403, 0, 102, 196, WOOD2, INK, 1.5)
    body += rect(398, 224, 112, 56, WOOD5, INK, 1.5, 3)
    body += rect(398, 254, 112, 4, WOOD2) + rect(398, 276, 112, 4, WOOD2)
    return svg(512, 320, body, "the train room: table, palette board, shelf and knob panel")


def engine_side(colour, dark, trim, x, y):
    # A little steam engine seen from the side, facing right, its top-left corner at (x, y).
    body = rect(x + 2, y + 16, 44, 4, GREY_INK)                                 # the frame
    body += rect(x + 14, y + 7, 28, 11, colour, BLACK, 1.5, 4)                  # the boiler
    body += rect(x + 34, y + 1, 6, 7, GREY_INK, BLACK, 1) + rect(x + 32, y, 10, 3, GREY_INK)  # the chimney
    body += circle(x + 25, y + 7, 3, GOLD4, BLACK, 1)                           # the dome
    body += rect(x + 2, y + 2, 14, 16, dark, BLACK, 1.5, 2)                     # the cab
    body += rect(x + 5, y + 5, 8, 6, SKY8, BLACK, 1)                            # its window
    body += rect(x, y, 18, 3, INK)                                              # its roof
    body += rect(x + 42, y + 12, 5, 5, trim, BLACK, 1)                          # the bumper
    for wx in (10, 22, 34):
        body += circle(x + wx, y + 21, 4.5, GREY_INK, BLACK, 1) + circle(x + wx, y + 21, 1.5, GREY10)
    return body


def car_side(colour, dark, x, y):
    body = rect(x + 2, y + 7, 36, 7, dark, BLACK, 1.5, 1)                       # the wagon
    body += rect(x + 5, y + 1, 9, 7, RED, INK, 1) + rect(x + 8.5, y + 1, 2, 7, YELLOW)
    body += rect(x + 16, y, 9, 8, GREEN4, INK, 1) + rect(x + 19.5, y, 2, 8, RED)
    body += rect(x + 27, y + 2, 8, 6, colour, INK, 1)
    for wx in (10, 30):
        body += circle(x + wx, y + 15, 3.5, GREY_INK, BLACK, 1) + circle(x + wx, y + 15, 1.2, GREY10)
    return body


def draw_engine_frames(letter):
    colour, dark, trim = ENGINE_COLOURS[letter]
    body = ""
    for f in range(4):
        y = 30 * f
        body += rect(0, y, 56, 30, WOOD5)
        body += rect(0, y + 26, 56, 4, WOOD2)
        if f in (0, 1):
            if f == 1:
                body += rect(1, y + 1, 54, 25, LIGHT_YELLOW, GOLD3, 1.5, 6)
            body += engine_side(colour, dark, trim, 4, y + 1)
        elif f == 3:
            # away in the workshop: a spanner on the empty place
            body += group(path("M-12 3 L8 -3 L10 0 L-10 6 Z", GREY8, GREY_INK, 1.2) + circle(11, -2, 4.5, GREY8, GREY_INK, 1.2) +
                          circle(12.5, -3, 2, WOOD5), f"translate(28 {y + 14})")
        else:
            body += path(f"M14 {y + 22} L42 {y + 22}", stroke=WOOD3, sw=2, extra=' stroke-dasharray="3 3"')
    return svg(56, 120, body, f"engine {letter} on the shelf: there, blinking, on the table, in the workshop")


def draw_car_frames(letter):
    colour, dark, trim = ENGINE_COLOURS[letter]
    body = ""
    for f in range(2):
        y = 20 * f
        body += rect(0, y, 56, 20, WOOD5) + rect(0, y + 16, 56, 4, WOOD2)
        if f == 0:
            body += car_side(colour, dark, 8, y)
        else:
            body += path(f"M16 {y + 13} L40 {y + 13}", stroke=WOOD3, sw=2, extra=' stroke-dasharray="3 3"')
    return svg(56, 40, body, f"car {letter}: on the shelf, and hooked on to its engine")


def draw_knob_frames(letter):
    colour, dark, trim = ENGINE_COLOURS[letter]
    body = ""
    for f in range(6):
        y = 38 * f
        body += rect(0, y, 56, 38, WOOD4) + rect(1, y + 1, 54, 36, CREAM5, INK, 1, 4)
        # minus on the left, plus on the right
        body += rect(4, y + 17, 9, 4, RED2 if f != 5 else GREY8)
        body += rect(43, y + 17, 9, 4, GREEN2 if f != 5 else GREY8) + rect(45.5, y + 14.5, 4, 9, GREEN2 if f != 5 else GREY8)
        body += circle(28, y + 22, 12, colour if f != 5 else GREY10, BLACK, 1.5)
        for k in range(5):
            a = math.radians(-150 + 30 * k)
            body += circle(28 + 15 * math.cos(a), y + 22 + 15 * math.sin(a), 1.6, INK)
        if f != 5:
            a = math.radians(-150 + 30 * f)
            body += path(f"M28 {y + 22} L{28 + 11 * math.cos(a):.1f} {y + 22 + 11 * math.sin(a):.1f}", stroke=BLACK, sw=3)
        body += circle(28, y + 22, 3, dark)
    return svg(56, 228, body, f"speed knob of engine {letter}: speeds -2 to 2, and off while the engine is not on the table")


def draw_page_switch():
    body = ""
    for f in range(2):
        y = 26 * f
        body += rect(0, y, 112, 26, WOOD4)
        for page in (0, 1):
            x = 4 + 54 * page
            up = page == f
            fill = (GREEN6 if page == 0 else SNOW) if up else WOOD5
            body += rect(x, y + (2 if up else 5), 50, 21 if up else 18, fill, INK, 1.5, 4)
            cx, cy = x + 25, y + (12 if up else 14)
            if page == 0:
                body += path(f"M{cx - 8} {cy + 5} L{cx - 5} {cy - 4} L{cx - 2} {cy + 5} L{cx + 1} {cy - 6} L{cx + 4} {cy + 5} L{cx + 7} {cy - 3} L{cx + 9} {cy + 5}", stroke=GREEN2 if up else WOOD2, sw=2)
            else:
                for a in range(3):
                    ang = math.radians(60 * a)
                    body += path(f"M{cx - 7 * math.cos(ang):.1f} {cy - 7 * math.sin(ang):.1f} L{cx + 7 * math.cos(ang):.1f} {cy + 7 * math.sin(ang):.1f}", stroke=BLUE if up else WOOD2, sw=2)
    return svg(112, 52, body, "the palette page switch: page 1 (grass) up, page 2 (snow) up")


write("track.svg", draw_track())
write("terrain2.svg", draw_terrain())
write("tr_xtra1.svg", draw_scenery(1))
write("tr_xtra2.svg", draw_scenery(2))
write("trainbg.svg", draw_table())
write("trackpal.svg", draw_palette())
write("trainrm.svg", draw_room())
write("palswtch.svg", draw_page_switch())
for letter in ("y", "b"):
    write(f"{letter}train.svg", draw_sprites(letter, "train"))
    write(f"{letter}car.svg", draw_sprites(letter, "car"))
    write(f"{letter}eng.svg", draw_engine_frames(letter))
    write(f"{letter}carshf.svg", draw_car_frames(letter))
    write(f"{letter}knob.svg", draw_knob_frames(letter))
