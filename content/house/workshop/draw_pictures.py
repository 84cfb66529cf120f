#!/usr/bin/env python3
# Writes the workshop's SVG pictures in this folder. The SVGs are the sources the content build
# reads; this script keeps the toys alike in all their frames (mended, broken, complaining) and
# the tools alike in their drawers and as the pointer, and cuts every sheet where the room's
# code takes its pieces. Run it after changing a drawing:
#   python3 content/house/workshop/draw_pictures.py
import importlib.util
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer  # noqa: E402

write = writer(HERE)


def neighbour(room):
    """Another room's drawing script, for the pieces the work table shows of that room."""
    spec = importlib.util.spec_from_file_location(f"{room}_pictures", os.path.join(HERE, "..", room, "draw_pictures.py"))
    module = importlib.util.module_from_spec(spec)
    spec.loader.exec_module(module)
    return module


# The doll on the board and the card game's lamps are the doll theatre's and the card room's
# own drawings made small, so a child knows them again.
DOLLS = neighbour("dolls")
CARDS = neighbour("cards")
# The wreath's middle shows the lamp board, lit or not.
BOARD = "#f3e6bd"
CARDS.HOLE[0] = BOARD

# Palette colours (content/palette/zorvik.gpl).
BLACK = "#000000"; INK = "#2b1a10"; NAVY_INK = "#1a2340"; GREEN_INK = "#143d1e"; RED_INK = "#4a1010"
PLUM_INK = "#3a2a4a"; GREY_INK = "#303030"
WHITE = "#ffffff"; SNOW = "#eef6ff"; LIGHT_YELLOW = "#fff3a0"
RED = "#d82828"; RED2 = "#8a1414"; RED3 = "#b31919"; LIGHT_RED = "#ff7b7b"
GOLD1 = "#886e07"; GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"
YELLOW = "#ffd21f"; ORANGE = "#f5891f"; ORANGE2 = "#9e490d"; ORANGE6 = "#f3a167"
BLUE = "#2f6fdc"; BLUE1 = "#122854"; BLUE2 = "#1a3a7b"; LIGHT_BLUE = "#8cc8ff"; BLUE8 = "#c0d0f2"
CYAN3 = "#269db5"; CYAN7 = "#a7e1ec"
SILVER = "#c2c2c2"; SILVER_LIGHT = "#e8e8e8"; GREY6 = "#777777"; GREY9 = "#afafaf"
PURPLE = "#8a4fc8"; PURPLE1 = "#37194d"; PURPLE6 = "#b17fd4"
PINK = "#e04f8b"; PINK1 = "#981b4f"; PINK7 = "#f3b9d1"
SPRING = "#48e048"; GREEN2 = "#1f6b25"; GREEN7 = "#94e09a"
PINE2 = "#1a4e34"; PINE3 = "#246d49"; PINE4 = "#2f8d5e"; PINE5 = "#3aad73"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"; WOOD8 = "#e8d3ba"
DARK_WOOD4 = "#643b26"; DARK_WOOD6 = "#8f5436"
CREAM5 = "#f3e6bd"; CREAM7 = "#f9f2de"
SKIN3 = "#d59155"; SKIN6 = "#e9c6a8"; SKIN7 = "#f0d8c3"
CRIMSON2 = "#7b1a2a"; CRIMSON3 = "#a22238"
TAN3 = "#ac8f53"; TAN6 = "#d2c2a2"
PUZZLE_GOLD = "#ffb000"  # index 181: the puzzle machine's size bar is drawn in it by the code

ROOM_W, ROOM_H = 912, 320
FLOOR_Y = 282


def rect(x, y, w, h, fill, ink=INK, sw=2, rx=0, extra=""):
    stroke = f' stroke="{ink}" stroke-width="{sw}"' if ink else ""
    r = f' rx="{rx}"' if rx else ""
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}"{r} fill="{fill}"{stroke}{extra}/>'


def circle(cx, cy, r, fill, ink=INK, sw=2):
    stroke = f' stroke="{ink}" stroke-width="{sw}"' if ink else ""
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{fill}"{stroke}/>'


def path(d, fill="none", ink=INK, sw=2, extra=""):
    stroke = f' stroke="{ink}" stroke-width="{sw}" stroke-linejoin="round" stroke-linecap="round"' if ink else ""
    return f'<path d="{d}" fill="{fill}"{stroke}{extra}/>'


def group(body, dx=0, dy=0, rotate=0, cx=0, cy=0, scale=1):
    t = f"translate({dx} {dy})"
    if rotate:
        t += f" rotate({rotate} {cx} {cy})"
    if scale != 1:
        t += f" scale({scale})"
    return f'<g transform="{t}">{body}</g>'


def clip_frame(i, w, h, body):
    # one frame of a strip, clipped to its own cell so nothing spills into the next frame
    cid = f"c{abs(hash((i, w, h, len(body)))) % 10**8}"
    return (f'<clipPath id="{cid}"><rect x="0" y="{i * h}" width="{w}" height="{h}"/></clipPath>'
            f'<g clip-path="url(#{cid})"><g transform="translate(0 {i * h})">{body}</g></g>')


def strip(name, w, h, frames, comment):
    body = "".join(clip_frame(i, w, h, f) for i, f in enumerate(frames))
    write(name, svg(w, h * len(frames), body, comment))


def sad_marks(w, h):
    # a complaining toy: grumble marks and a little cloud of scribble beside it
    return (path(f"M{w - 14} 6 l4 5 l-5 2 l4 5", ink=RED, sw=2) +
            path(f"M6 8 l5 4 M4 16 l6 1", ink=RED, sw=2) +
            circle(w - 8, h - 16, 2, LIGHT_BLUE, NAVY_INK, 1))


def crack(points):
    return path("M" + " L".join(f"{x} {y}" for x, y in points), ink=BLACK, sw=2)


def bandage(x, y, angle=30):
    return group(rect(-8, -3, 16, 6, CREAM5, TAN3, 1, 2) + rect(-3, -3, 6, 6, TAN6, None), x, y, angle)


# ---------------------------------------------------------------------------------------
# Tools: 1 hammer, 2 screwdriver, 3 spanner, 4 oil can, drawn in a 32 x 32 box pointing to
# the top left (their working end is the pointer's hot spot).
def tool(n):
    if n == 1:
        return (path("M10 12 L27 29", ink=INK, sw=6) + path("M10 12 L27 29", ink=WOOD4, sw=3) +
                group(rect(-11, -5, 22, 10, SILVER, GREY_INK, 2, 1) + rect(-11, -5, 6, 10, GREY9, GREY_INK, 2), 10, 10, -45))
    if n == 2:
        return (path("M3 3 L15 15", ink=GREY_INK, sw=4) + path("M3 3 L15 15", ink=SILVER_LIGHT, sw=2) +
                group(rect(-4, -9, 8, 18, RED, RED_INK, 2, 3) + path("M0 -6 V6", ink=LIGHT_RED, sw=2), 21, 21, -45))
    if n == 3:
        return (path("M8 8 L25 25", ink=GREY_INK, sw=7) + path("M8 8 L25 25", ink=SILVER, sw=4) +
                circle(9, 9, 8, SILVER, GREY_INK, 2) +
                path("M0 5 L5 0 L11 7 L7 11 Z", fill="#ff00ff", ink=None) +
                path("M2 7 L7 11 L11 7 L6 2", ink=GREY_INK, sw=1.5) + circle(26, 26, 4, SILVER, GREY_INK, 2))
    # an oil can: a round-shouldered can, a long spout to the top left, a handle at the back
    return (path("M3 3 L16 16", ink=GREY_INK, sw=5) + path("M3 3 L16 16", ink=GOLD3, sw=2.5) +
            path("M27 14 Q32 20 27 27", ink=GOLD1, sw=3) +
            path("M11 30 L13 19 Q20 11 27 19 L29 30 Z", fill=GOLD4, ink=GOLD1, sw=2) +
            rect(16, 12, 8, 4, RED, RED_INK, 1.5, 1) + path("M13 25 H28", ink=GOLD1, sw=1.5) +
            circle(3, 6, 1.5, INK, None))


def tool_fit(n, w, h, glow=False):
    s = min(w, h) / 32.0 * 1.05
    body = ""
    if glow:
        body += rect(1, 1, w - 2, h - 2, LIGHT_YELLOW, GOLD4, 2, 4)
    body += group(tool(n), (w - 32 * s) / 2, (h - 32 * s) / 2, scale=round(s, 3))
    return body


CURSORS = [("cur_hamr", 1, "a hammer"), ("cur_scdr", 2, "a screwdriver"), ("cur_spnr", 3, "a spanner"),
           ("cur_oil", 4, "an oil can")]


def draw_cursors():
    for name, n, what in CURSORS:
        write(name + ".svg", svg(32, 32, tool(n),
                                 f"Cursor {n + 21}: {what}, the workshop's tool {n} in the hand. "
                                 "Hot spot listed in content/pictures/cursors.txt."))


# ---------------------------------------------------------------------------------------
# The drawers: (x, y) of the front, its size. Frame 0 of a drawer leaves the closed front of
# "wsgfx" showing; frame 1 is the drawer pulled out, its tray below the dark opening.
DRAWERS = [(563, 108, 29, 27), (664, 107, 35, 33), (562, 162, 30, 25), (660, 172, 40, 39)]
TRAY_H = 24
FRONT_COLOURS = [(RED, RED_INK, LIGHT_RED), (BLUE, NAVY_INK, LIGHT_BLUE), (SPRING, GREEN_INK, GREEN7),
                 (GOLD4, GOLD1, GOLD7)]


def drawer_front(w, h, n, hinted):
    fill, ink, light = FRONT_COLOURS[n]
    face = light if hinted else fill
    body = rect(1, 1, w - 2, h - 2, face, ink, 2, 2)
    # the drawer's tool drawn big on its front, so a child finds the drawer by its picture
    size = min(w, h) - 8
    body += rect(4, 3, w - 8, h - 9, WHITE if hinted else CREAM7, ink, 1, 2)
    body += group(tool(n + 1).replace('fill="#ff00ff"', f'fill="{CREAM7}"'),
                  (w - size) / 2, 3 + (h - 9 - size) / 2, scale=round(size / 32, 3))
    body += rect(w / 2 - 4, h - 5, 8, 3, SILVER, GREY_INK, 1, 1)
    if hinted:
        body += rect(1, 1, w - 2, h - 2, "none", YELLOW, 3, 2)
    return body


def draw_drawers():
    sheet = ""
    x = 0
    for n, (_, _, w, h) in enumerate(DRAWERS):
        sheet += group(drawer_front(w, h, n, False), x, 0) + group(drawer_front(w, h, n, True), x, 39)
        x += w
    write("wsgfx.svg", svg(134, 78, rect(0, 0, 134, 78, WOOD1, None) + sheet,
                           "The workshop's sheet: the closed drawer fronts of tools 1 to 4 side by side, "
                           "normal in the top row (y 0) and hinted, lit up, in the second (y 39)."))
    for n, (_, _, w, h) in enumerate(DRAWERS):
        fill, ink, light = FRONT_COLOURS[n]
        hh = h + TRAY_H
        opened = (rect(0, 0, w, h, "#20140a", None) +
                  rect(1, h - 8, w - 2, TRAY_H + 6, WOOD7, INK, 2, 1) +
                  rect(1, hh - 8, w - 2, 7, fill, ink, 2, 1))
        strip(f"ws_d{n + 1}.svg", w, hh, ["", opened],
              f"Drawer {n + 1}: frame 0 leaves the closed front showing, frame 1 is pulled out.")
        strip(f"ws_t{n + 1}.svg", w, TRAY_H - 4,
              ["", tool_fit(n + 1, w, TRAY_H - 4), tool_fit(n + 1, w, TRAY_H - 4, True)],
              f"Tool {n + 1} in its open drawer: frame 0 none (in the hand), 1 lying, 2 highlighted.")


# ---------------------------------------------------------------------------------------
# The toys. Each is drawn mended in its moving frames, then broken (tilted, cracked, a
# bandage) and broken and complaining.
TOY_SIZE = 60
ENGINE_W, ENGINE_H = 80, 64


def jack(frame):
    # a jack-in-the-box: 0 shut, 1..3 the lid opens and the clown rises, 4..7 he bobs
    rise = [0, 8, 16, 24, 26, 20, 26, 22][frame]
    body = ""
    if frame > 0:
        top = 34 - rise
        body += path(f"M30 34 L26 {34 - rise * 0.7:.0f} L34 {34 - rise * 0.5:.0f} L26 {34 - rise * 0.3:.0f}", ink=GREY_INK, sw=2)
        body += circle(30, top, 8, SKIN7) + circle(30, top + 1, 2, RED, None)
        body += path(f"M22 {top - 5} L30 {top - 18} L38 {top - 5} Z", fill=YELLOW)
        body += circle(30, top - 18, 2.5, RED, RED_INK, 1)
        body += circle(27, top - 2, 1, INK, None) + circle(33, top - 2, 1, INK, None)
    body += rect(14, 34, 32, 24, RED, RED_INK) + rect(20, 40, 20, 12, GOLD4, GOLD1, 1)
    body += path("M30 42 L33 46 L30 50 L27 46 Z", fill=BLUE, ink=NAVY_INK, sw=1)
    if frame == 0:
        body += rect(12, 30, 36, 6, BLUE, NAVY_INK)
    else:
        body += path("M14 34 L6 20 L10 18 L16 32", fill=BLUE, ink=NAVY_INK)
    body += path("M46 44 H54 V38", ink=GREY_INK, sw=3) + circle(54, 36, 3, YELLOW, GOLD1, 1)
    return body


def horn(frame):
    body = path("M8 34 L30 28 L50 14 L52 50 L30 38 L8 36 Z", fill=GOLD4, ink=GOLD1)
    body += rect(4, 31, 8, 8, RED, RED_INK, 2, 2) + path("M30 30 V37", ink=GOLD1, sw=2)
    body += path("M38 24 Q36 32 38 40", ink=GOLD1, sw=1)
    if frame == 1:
        body += path("M54 12 q4 -4 0 -8", ink=BLUE, sw=2) + circle(52, 12, 2, BLUE, None)
        body += path("M56 30 h3 v-7", ink=PURPLE, sw=2) + circle(55, 31, 2, PURPLE, None)
    return body


def xylophone(frame):
    body = rect(6, 40, 48, 6, WOOD3, INK, 2)
    colours = [RED, ORANGE, YELLOW, SPRING, BLUE, PURPLE]
    for i, c in enumerate(colours):
        body += rect(8 + i * 7.5, 24 + i * 2, 6, 22 - i * 3, c, INK, 1.5, 1)
    mallet = {0: (50, 10, 40), 1: (16, 18, 15), 2: (38, 18, 38)}[frame]
    mx, my, tip = mallet
    body += path(f"M{mx} {my} L{tip + 6} {my + 12 if frame else 4}", ink=WOOD1, sw=2)
    body += circle(mx, my, 4, RED, RED_INK, 1.5)
    return body


def radio(frame):
    body = path("M40 18 L50 4", ink=GREY_INK, sw=2) + circle(50, 4, 2, RED, None)
    body += rect(6, 18, 48, 34, CRIMSON3, CRIMSON2, 2, 6)
    body += rect(11, 23, 22, 24, CREAM5, INK, 1.5, 3)
    for y in range(27, 46, 4):
        body += path(f"M13 {y} H31", ink=WOOD3, sw=1)
    body += circle(43, 29, 5, GOLD4, GOLD1, 1.5) + circle(43, 42, 4, GOLD4, GOLD1, 1.5)
    if frame == 1:
        body += circle(22, 35, 7, LIGHT_YELLOW, GOLD4, 2)
        body += path("M56 20 l3 -3 M57 28 h4 M2 22 l-2 -3", ink=GOLD4, sw=2)
    return body


def jukebox(frame):
    body = path("M10 56 V24 Q10 6 30 6 Q50 6 50 24 V56 Z", fill=PURPLE, ink=PURPLE1)
    body += path("M16 30 Q16 14 30 14 Q44 14 44 30 Z", fill=LIGHT_YELLOW, ink=PURPLE1, sw=1.5)
    for i, c in enumerate([RED, SPRING, BLUE]):
        body += path(f"M{20 + i * 8} 30 V20", ink=c, sw=3)
    body += rect(16, 36, 28, 14, PINK, PINK1, 1.5, 2) + circle(30, 43, 3, GOLD4, GOLD1, 1)
    return body


def drum(frame):
    body = path("M8 28 V48 Q30 58 52 48 V28", fill=RED, ink=RED_INK)
    body += path("M8 36 L19 50 L30 36 L41 50 L52 36", ink=GOLD4, sw=2)
    body += path("M8 28 Q30 38 52 28 Q30 18 8 28 Z", fill=CREAM7, ink=RED_INK)
    if frame == 0:
        body += path("M18 24 L8 6 M42 24 L52 6", ink=WOOD1, sw=3) + circle(8, 6, 3, WOOD5, INK, 1) + circle(52, 6, 3, WOOD5, INK, 1)
    else:
        body += path("M22 28 L10 14 M38 28 L50 14", ink=WOOD1, sw=3) + circle(22, 28, 3, WOOD5, INK, 1) + circle(38, 28, 3, WOOD5, INK, 1)
        body += path("M26 12 l2 -5 M34 12 l-2 -5 M30 12 V5", ink=GOLD4, sw=2)
    return body


def clock(frame):
    body = path("M8 20 L30 4 L52 20 Z", fill=DARK_WOOD6, ink=INK)
    body += rect(12, 20, 36, 34, WOOD3, INK)
    body += circle(30, 40, 10, CREAM7, INK, 1.5) + path("M30 40 V33 M30 40 H36", ink=INK, sw=2)
    door = rect(25, 8, 10, 10, DARK_WOOD4, INK, 1.5)
    if frame == 0:
        body += door
    else:
        body += rect(25, 8, 10, 10, "#20140a", INK, 1.5) + path("M25 8 L19 6 L19 18 L25 18", fill=WOOD4, ink=INK, sw=1.5)
    if frame == 2:
        body += circle(30, 8, 6, YELLOW, GOLD1, 1.5) + path("M35 7 L41 9 L35 10 Z", fill=ORANGE, ink=ORANGE2, sw=1)
        body += circle(31, 6, 1, INK, None)
    body += path("M22 54 V58 M38 54 V58", ink=GREY_INK, sw=2) + circle(22, 58, 2, GOLD4, GOLD1, 1) + circle(38, 58, 2, GOLD4, GOLD1, 1)
    return body


def slate_toy(frame):
    body = rect(6, 10, 48, 40, RED, RED_INK, 2, 5) + rect(12, 16, 36, 26, SILVER_LIGHT, GREY_INK, 1.5, 2)
    body += path("M16 36 Q22 20 28 32 T40 24", ink=GREY6, sw=2)
    body += circle(16, 46, 3, WHITE, GREY_INK, 1) + circle(44, 46, 3, WHITE, GREY_INK, 1)
    return body


def duck(frame):
    bob = [0, -3, -1][frame]
    body = path(f"M10 {42 + bob} Q10 {56 + bob} 30 {56 + bob} Q52 {56 + bob} 52 {40 + bob} Q40 {46 + bob} 34 {38 + bob} Z", fill=YELLOW, ink=GOLD1)
    body += circle(22, 30 + bob, 11, YELLOW, GOLD1)
    body += path(f"M8 {30 + bob} L2 {33 + bob} L9 {35 + bob} Z", fill=ORANGE, ink=ORANGE2, sw=1.5)
    body += circle(20, 27 + bob, 2, INK, None)
    if frame == 1:
        body += path("M2 20 l-2 -4 M8 16 l0 -5", ink=BLUE, sw=2)
    body += path("M2 57 Q30 52 58 57", ink=CYAN3, sw=2)
    return body


def engine(colour, ink, light, frame, w=ENGINE_W, h=ENGINE_H):
    body = rect(8, 24, 44, 24, colour, ink, 2, 3)
    body += rect(44, 10, 26, 38, colour, ink, 2, 3) + rect(49, 15, 16, 12, CYAN7, ink, 1.5, 2)
    body += rect(40, 6, 34, 6, RED, RED_INK, 2, 2)
    body += rect(14, 10, 10, 16, GREY_INK, BLACK, 1.5, 1) + rect(11, 8, 16, 4, GREY_INK, BLACK, 1.5, 1)
    body += path("M4 44 L8 36 V48 Z", fill=GREY6, ink=GREY_INK, sw=1.5)
    for cx, r in ((20, 7), (38, 7), (60, 9)):
        body += circle(cx, 52, r, RED, RED_INK, 2) + circle(cx, 52, 2, GOLD4, None)
        a = frame * 1.1
        body += path(f"M{cx} 52 L{cx + r * 0.8 * math.cos(a):.1f} {52 + r * 0.8 * math.sin(a):.1f}", ink=GOLD4, sw=1.5)
    body += path("M14 48 H62", ink=GREY_INK, sw=2)
    if frame > 0:
        body += circle(19 - frame * 2, 4 - frame, 4 + frame, WHITE, GREY9, 1.5)
    body += rect(48, 32, 6, 6, light, ink, 1, 1)
    return body


def broken(drawing, w, h, marks, complain):
    body = group(drawing, 0, 3 if not complain else 1, -9 if not complain else -13, w / 2, h)
    body += marks
    if complain:
        body += sad_marks(w, h)
    return body


TOYS = {
    1: (jack, 8, TOY_SIZE, TOY_SIZE, "a jack-in-the-box"),
    2: (horn, 2, TOY_SIZE, TOY_SIZE, "a toy trumpet"),
    3: (xylophone, 3, TOY_SIZE, TOY_SIZE, "a xylophone"),
    4: (radio, 2, TOY_SIZE, TOY_SIZE, "the living room's radio"),
    5: (jukebox, 1, TOY_SIZE, TOY_SIZE, "the bedroom's jukebox"),
    6: (drum, 2, TOY_SIZE, TOY_SIZE, "a drum"),
    7: (clock, 3, TOY_SIZE, TOY_SIZE, "the living room's cuckoo clock"),
    8: (slate_toy, 1, TOY_SIZE, TOY_SIZE, "the slate toy"),
    9: (duck, 3, TOY_SIZE, TOY_SIZE, "a squeaky duck"),
    10: (lambda f: engine(GOLD4, GOLD1, GOLD7, f), 3, ENGINE_W, ENGINE_H, "engine 1, the yellow one"),
    11: (lambda f: engine(BLUE, NAVY_INK, LIGHT_BLUE, f), 2, ENGINE_W, ENGINE_H, "engine 2, the blue one"),
}

BREAKAGE = {
    1: lambda: crack([(20, 40), (26, 48), (22, 56)]) + path("M40 30 q8 -6 4 -14 q-4 -6 4 -10", ink=GREY_INK, sw=2),
    2: lambda: crack([(40, 20), (36, 30), (42, 40)]) + bandage(20, 34),
    3: lambda: rect(44, 50, 10, 5, BLUE, INK, 1.5, 1) + rect(30, 52, 8, 4, SPRING, INK, 1.5, 1),
    4: lambda: crack([(14, 26), (22, 36), (18, 46)]) + path("M40 18 L46 10 L54 14", ink=GREY_INK, sw=2),
    5: lambda: crack([(24, 16), (30, 24), (26, 30)]) + bandage(38, 46, -20),
    6: lambda: crack([(18, 28), (30, 32), (40, 26)]) + path("M48 54 L56 48", ink=WOOD1, sw=3),
    7: lambda: crack([(24, 34), (30, 40), (28, 48)]) + path("M40 52 L50 56", ink=INK, sw=2),
    8: lambda: crack([(14, 18), (26, 28), (20, 40), (34, 38)]),
    9: lambda: bandage(36, 44, 15) + crack([(16, 24), (20, 30)]),
    10: lambda: crack([(46, 14), (52, 24), (48, 34)]) + circle(72, 58, 6, RED, RED_INK, 2),
    11: lambda: crack([(20, 26), (26, 36), (22, 44)]) + circle(72, 58, 6, RED, RED_INK, 2),
}


def draw_toys():
    for n, (draw, limit, w, h, what) in TOYS.items():
        frames = [draw(f) for f in range(limit)]
        marks = BREAKAGE[n]()
        frames.append(broken(draw(0), w, h, marks, False))
        frames.append(broken(draw(0), w, h, marks, True))
        strip(f"ws_r{n}.svg", w, h, frames,
              f"Toy {n}, {what}: frames 0 to {limit - 1} mended, {limit} broken, {limit + 1} broken and complaining.")


# ---------------------------------------------------------------------------------------
# The small train layout on the train table: 0 a bare board, 1 grass, 2 snow.
MR_W, MR_H = 120, 40


def train_layout(terrain):
    ground = [WOOD5, PINE5, SNOW][terrain]
    body = rect(1, 1, MR_W - 2, MR_H - 2, ground, INK, 2, 4)
    body += f'<ellipse cx="{MR_W / 2}" cy="{MR_H / 2}" rx="46" ry="12" fill="none" stroke="{GREY_INK}" stroke-width="4"/>'
    body += f'<ellipse cx="{MR_W / 2}" cy="{MR_H / 2}" rx="46" ry="12" fill="none" stroke="{WOOD3}" stroke-width="1.5" stroke-dasharray="2 3"/>'
    if terrain == 1:
        body += path("M14 10 l4 -6 l4 6 Z M100 32 l4 -6 l4 6 Z", fill=PINE3, ink=GREEN_INK, sw=1)
    if terrain == 2:
        body += path("M14 12 l4 -7 l4 7 Z M100 34 l4 -7 l4 7 Z", fill=WHITE, ink=NAVY_INK, sw=1)
    body += rect(24, 26, 12, 8, GOLD4, GOLD1, 1.5, 2) + rect(84, 6, 12, 8, BLUE, NAVY_INK, 1.5, 2)
    return body


def draw_train_layout():
    strip("ws_mr.svg", MR_W, MR_H, [train_layout(t) for t in range(3)],
          "The little train layout on the train table: frame 0 a bare board, 1 on grass, 2 on snow, "
          "as the train room's first cell is laid.")


# ---------------------------------------------------------------------------------------
# The work table's sheets.
def puzzle_machine(loaded):
    # 65 x 185: a tall machine on legs; the window shows a picture cube when a puzzle is in
    body = rect(4, 20, 57, 120, TAN3, INK, 2, 6)
    body += path("M4 26 Q32 0 61 26", fill=CRIMSON3, ink=INK)
    body += circle(32, 14, 4, GOLD4, GOLD1, 1.5)
    body += rect(10, 34, 45, 40, "#20140a" if not loaded else SKIN6, INK, 2, 2)
    if loaded:
        for i in range(3):
            for j in range(3):
                c = [RED, BLUE, SPRING, GOLD4, PURPLE, ORANGE, PINK, CYAN3, YELLOW][i * 3 + j]
                body += rect(12 + i * 14, 36 + j * 12, 13, 11, c, INK, 1)
    body += rect(16, 84, 33, 14, RED, RED_INK, 2, 3) + circle(32, 91, 3, GOLD4, GOLD1, 1)
    body += path("M56 92 L64 80", ink=GREY_INK, sw=3) + circle(64, 79, 3, RED, RED_INK, 1)
    # the size gauge: the code fills a gold bar at (7, 151) of this picture
    body += rect(5, 148, 10, 18, "#20140a", INK, 1.5, 1)
    body += rect(10, 104, 45, 30, SILVER_LIGHT, GREY_INK, 1.5, 2) + path("M14 112 H50 M14 120 H44 M14 128 H48", ink=GREY9, sw=2)
    body += rect(2, 140, 61, 6, WOOD2, INK, 2)
    body += path("M10 146 V183 M55 146 V183", ink=INK, sw=4) + path("M10 146 V183 M55 146 V183", ink=WOOD3, sw=2)
    return body


def draw_puzzle_sheet():
    body = puzzle_machine(False) + group(puzzle_machine(True), 65, 0)
    write("wpuzgfx.svg", svg(130, 185, body,
                             "The puzzle machine, 65 x 185 twice: empty at (0, 0), with a puzzle in it at (65, 0). "
                             "The code draws the size bar in colour 181 over the dark gauge at (7, 151)."))


DOLL_RECTS = [  # head 1..4, torso 1..4, arms 1..4, legs 1..4: the rectangles the code cuts
    (0, 0, 27, 28), (27, 0, 59, 35), (59, 0, 95, 34), (95, 0, 125, 31),
    (0, 28, 24, 67), (24, 35, 61, 79), (99, 31, 129, 72), (61, 34, 99, 75),
    (0, 79, 40, 102), (40, 79, 77, 101), (77, 75, 118, 104), (0, 102, 29, 119),
    (29, 102, 72, 120), (0, 120, 46, 138), (116, 116, 160, 135), (72, 104, 116, 136),
]
DOLL_COLOURS = [(RED, RED_INK, LIGHT_RED), (BLUE, NAVY_INK, LIGHT_BLUE), (SPRING, GREEN_INK, GREEN7),
                (PURPLE, PURPLE1, PURPLE6)]
HAIR = [GOLD4, WOOD1, ORANGE, INK]


def fitted(box_w, box_h, w, h, body, stretch=False):
    """A drawing of w x h made to fit a box, centred (or filling it when stretched)."""
    aspect = ' preserveAspectRatio="none"' if stretch else ""
    return f'<svg x="0" y="0" width="{box_w}" height="{box_h}" viewBox="0 0 {w} {h}"{aspect}>{body}</svg>'


def doll_size(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


def doll_part(kind, choice, w, h):
    """The doll theatre's own piece, small: a head, a top, a pair of arms, a pair of legs
    lying on their side with the feet to the right."""
    if kind == 0:
        hw, hh = doll_size(DOLLS.HEADS[choice])
        return fitted(w, h, hw, hh, DOLLS.head(choice, hw, hh))
    if kind == 1:
        tw, th = doll_size(DOLLS.TORSOS[choice])
        return fitted(w, h, tw, th, DOLLS.torso(choice, tw, th))
    if kind == 2:
        (lw, lh), (rw, rh) = doll_size(DOLLS.ARMS1[choice]), doll_size(DOLLS.ARMS2[choice])
        pair = DOLLS.arm(choice, lw, lh) + f'<g transform="translate({lw + 2} 0)">{DOLLS.arm(choice, rw, rh, right=True)}</g>'
        return fitted(w, h, lw + rw + 2, max(lh, rh), pair)
    (lw, lh), (rw, rh) = doll_size(DOLLS.LEGS1[choice]), doll_size(DOLLS.LEGS2[choice])
    standing = DOLLS.leg(choice, lw, lh) + f'<g transform="translate({lw} 0)">{DOLLS.leg(choice, rw, rh, right=True)}</g>'
    pw, ph = lw + rw, max(lh, rh)
    lying = f'<g transform="translate(0 {pw}) rotate(-90)">{standing}</g>'
    return fitted(w, h, ph, pw, lying, stretch=True)


def shoes(choice):
    fill = DOLLS.LEG_COLOURS[choice][2]
    return (rect(4, 8, 22, 16, fill, INK, 2, 6) + rect(30, 8, 22, 16, fill, INK, 2, 6) +
            circle(11, 13, 2, WHITE, None) + circle(37, 13, 2, WHITE, None))


def draw_doll_sheet():
    body = ""
    for i, (l, t, r, b) in enumerate(DOLL_RECTS):
        kind, choice = divmod(i, 4)
        body += group(doll_part(kind, choice, r - l, b - t), l, t)
    for c in range(4):
        body += group(shoes(c), 129, 29 * c)
    write("wdollgfx.svg", svg(186, 138, body,
                              "The doll's loose parts as the work table shows them: heads, torsos, arms and legs "
                              "1 to 4 at the rectangles the code cuts, and the shoes of legs 1 to 4 at (129, 29k)."))


CARD_DECK_RECTS = [(0, 0, 12, 9), (12, 0, 33, 11), (33, 0, 54, 11)]
FACE_RECTS = [
    (54, 0, 68, 16), (68, 0, 82, 16), (82, 0, 114, 29), (114, 0, 132, 11), (9, 11, 16, 43), (52, 16, 58, 41),
    (74, 16, 82, 39), (68, 16, 74, 40), (45, 11, 52, 36), (16, 11, 27, 42), (114, 11, 124, 31), (124, 11, 131, 29),
    (27, 11, 37, 37), (37, 11, 45, 37), (131, 11, 138, 29), (58, 16, 68, 40), (0, 9, 9, 47),
]
FACE_COLOURS = [RED, BLUE, SPRING, GOLD4, PURPLE, ORANGE, PINK, CYAN3, YELLOW, RED3, BLUE2, PINE4, ORANGE6,
                PURPLE6, LIGHT_RED, LIGHT_BLUE, GREEN7]


# Where the code puts each lit picture on the lamp board, from the card game's corner.
CARD_GAME_AT = (380, 60)
FACE_AT = [(33, 13), (122, 12), (66, 8), (74, 66), (47, 7), (100, 14), (54, 16), (115, 15), (108, 14), (42, 40),
           (81, 41), (51, 40), (95, 41), (58, 41), (106, 40), (69, 39), (116, 40)]


def card_thing(n, mode, x, y, w, h):
    """One of the card room's 17 pictures, squeezed into its place on the lamp board."""
    tw, th = CARDS.size_of(n)
    return f'<svg x="{x}" y="{y}" width="{w}" height="{h}" viewBox="0 0 {tw} {th}" preserveAspectRatio="none">' \
           f'{CARDS.THINGS[n](CARDS.Pen(mode))}</svg>'


def draw_card_sheets():
    body = ""
    for i, (l, t, r, b) in enumerate(CARD_DECK_RECTS):
        colour = [RED, BLUE, SPRING][i]
        body += rect(l + 0.5, t + 0.5, r - l - 1, b - t - 1, colour, INK, 1, 1) + rect(l + 2, t + 2, r - l - 4, 2, WHITE, None)
    for i, (l, t, r, b) in enumerate(FACE_RECTS):
        # the card room's pictures, lit as the pairs are found
        body += card_thing(i, "lit", l, t, r - l, b - t)
    write("wconcgfx.svg", svg(138, 47, body,
                              "The card game on the work table: the three decks (top left) and the 17 lit faces "
                              "of its board, each at the rectangle the code cuts."))
    cards = rect(0, 0, 48, 150, WOOD7, None)
    for d in range(3):
        cards += rect(12 * d + 0.5, 0.5, 11, 14, [RED, BLUE, SPRING][d], INK, 1, 1) + rect(12 * d + 3, 4, 6, 7, WHITE, None, rx=1)
    # Card k of a deck lies k rows below the deck's first: decks 0 (rows 0 to 3) and 1 (rows 4
    # to 8) in the first pair of columns, deck 2 (rows 0 to 7) in the second.
    for deck, (col, first_row, faces, first_dot) in enumerate([(0, 0, 4, 0), (0, 4, 5, 8), (2, 0, 8, 14)]):
        for side in range(2):
            for k in range(faces):
                x, y = 12 * (col + side), 15 + 15 * (first_row + k)
                c = FACE_COLOURS[(first_dot + k) % len(FACE_COLOURS)]
                cards += rect(x + 0.5, y + 0.5, 11, 14, WHITE, INK, 1, 1) + circle(x + 6, y + 7.5, 3.5, c, INK, 1)
    write("wcardgfx.svg", svg(48, 150, cards,
                              "The cards of the deck in play, 12 x 15: backs of decks 0 to 2 in the top row, "
                              "then each deck's face-up cards in 15-pixel rows (pairs side by side)."))


# ---------------------------------------------------------------------------------------
# The wide room: 912 x 320. Left end: the puzzle machine, the doll board and its little
# theatre, the card table. Right end: the tool cabinet with its four drawers, the slate on
# its easel, the toy shelves and the train table.
SHELF_X0, SHELF_X1 = 716, 910
# Where the doll's parts hang on the board (room coordinates of the code's table).
DOLL_PLACES = [(339, 29, 366, 57), (178, 10, 210, 45), (74, 2, 110, 36), (283, 73, 313, 104),
               (339, 115, 363, 154), (74, 61, 111, 105), (284, 166, 314, 207), (127, 0, 165, 41),
               (128, 126, 168, 149), (339, 75, 376, 97), (283, 23, 324, 52), (340, 187, 369, 204),
               (233, 38, 276, 56), (283, 142, 329, 160), (127, 88, 171, 107), (74, 145, 118, 177)]


def room():
    out = [rect(0, 0, ROOM_W, FLOOR_Y, WOOD7, None)]
    for x in range(0, ROOM_W, 38):
        out.append(rect(x, 0, 2, FLOOR_Y, WOOD5, None))
    out.append(rect(0, FLOOR_Y - 6, ROOM_W, 6, WOOD2, None))
    out.append(rect(0, FLOOR_Y, ROOM_W, ROOM_H - FLOOR_Y, WOOD4, None))
    for y in (294, 307):
        out.append(rect(0, y, ROOM_W, 1, WOOD2, None))
    # a window with snow, high between the doll board and the card table
    out.append(rect(392, 8, 120, 44, LIGHT_BLUE, INK, 3, 2))
    out.append(path("M452 8 V52 M392 30 H512", ink=WOOD2, sw=4))
    for sx, sy in ((402, 18), (430, 40), (470, 20), (498, 42), (418, 30), (486, 14)):
        out.append(circle(sx, sy, 2, WHITE, None))
    out.append(rect(392, 44, 120, 8, WHITE, None))
    # the doll board: a blue peg board where the doll's loose parts hang
    out.append(rect(70, 0, 306, 248, BLUE8, NAVY_INK, 3))
    for x in range(84, 370, 20):
        for y in range(12, 244, 20):
            out.append(circle(x, y, 1.5, BLUE2, None))
    # a hook above each place where a doll's part hangs when it is chosen
    for l, t, r, b in DOLL_PLACES:
        hx = (l + r) // 2
        out.append(rect(hx - 1, max(t - 4, 1), 2, 4, GREY6, None) + circle(hx, max(t - 4, 2), 2.5, SILVER, GREY_INK, 1))
    out.append(rect(176, 208, 84, 36, WOOD5, INK, 2, 3))  # the doll's shoe box
    out.append(rect(176, 204, 84, 8, WOOD3, INK, 2, 2))
    # the little doll theatre on the floor in front of the board
    tx = 96
    out.append(rect(tx, 252, 160, 62, DARK_WOOD6, INK, 2, 3))
    out.append(rect(tx + 14, 262, 132, 40, "#20140a", INK, 2))
    out.append(path(f"M{tx + 14} 262 Q{tx + 30} 290 {tx + 20} 302 H{tx + 14} Z M{tx + 146} 262 Q{tx + 130} 290 {tx + 140} 302 H{tx + 146} Z", fill=RED, ink=RED_INK))
    out.append(path(f"M{tx + 14} 262 " + " ".join(f"Q{tx + 14 + 11 * i + 5.5} 272 {tx + 14 + 11 * (i + 1)} 262" for i in range(12)) + " Z", fill=RED3, ink=RED_INK, sw=1.5))
    out.append(rect(tx + 40, 248, 80, 12, GOLD4, GOLD1, 2, 4))
    out.append(path(f"M{tx + 60} 254 h40", ink=GOLD1, sw=2))
    out.append(circle(tx + 80, 292, 8, SKIN7) + path(f"M{tx + 72} 286 Q{tx + 80} 276 {tx + 88} 286 Z", fill=GOLD4, ink=INK, sw=1.5))
    out.append(rect(tx + 72, 300, 16, 4, BLUE, NAVY_INK, 1))
    # the card table: the game's lamp board on the wall, the table with its green felt
    cx0 = 380
    out.append(rect(cx0 + 28, 62, 116, 90, PINE2, INK, 3, 4))
    out.append(rect(cx0 + 30, 64, 112, 86, BOARD, None))
    out.append(rect(cx0 + 30, 100, 112, 3, WOOD4, None))
    for n, (l, t, r, b) in enumerate(FACE_RECTS):
        fx, fy = FACE_AT[n]
        out.append(card_thing(n, "unlit", CARD_GAME_AT[0] + fx, CARD_GAME_AT[1] + fy, r - l, b - t))
    out.append(rect(cx0 + 4, 160, 158, 56, PINE4, INK, 3, 4))
    out.append(rect(cx0 + 4, 208, 158, 10, WOOD2, INK, 2))
    out.append(path(f"M{cx0 + 14} 218 V{FLOOR_Y + 6} M{cx0 + 152} 218 V{FLOOR_Y + 6}", ink=INK, sw=6))
    out.append(path(f"M{cx0 + 14} 218 V{FLOOR_Y + 6} M{cx0 + 152} 218 V{FLOOR_Y + 6}", ink=WOOD3, sw=3))
    # the tool cabinet on the wall, with its four drawer openings
    out.append(rect(550, 92, 162, 132, DARK_WOOD6, INK, 3, 4))
    out.append(rect(546, 86, 170, 10, WOOD2, INK, 2, 2))
    for x, y, w, h in DRAWERS:
        out.append(rect(x - 2, y - 2, w + 4, h + 4, "#20140a", INK, 1.5))
    out.append(path("M560 224 L556 236 M702 224 L706 236", ink=INK, sw=3))
    # the slate on its easel
    out.append(path("M578 318 L598 226 L618 318 M598 226 V318", ink=WOOD1, sw=5))
    # its page coloured like the slate room's first one: a snowman, a tree and the sun
    out.append(rect(568, 238, 62, 48, DARK_WOOD4, INK, 3, 2))
    out.append(rect(572, 242, 54, 40, SPRING, None))
    out.append(path("M572 268 Q590 262 604 266 T626 264 V282 H572 Z", fill=WOOD5, ink="none"))
    out.append(path("M583 248 L590 264 H576 Z", fill=PINE4, ink=INK, sw=1) + rect(588, 264, 3, 4, WOOD2, None))
    out.append(circle(602, 272, 6, WHITE, INK, 1) + circle(602, 262, 4, WHITE, INK, 1))
    out.append(rect(598, 255, 8, 3, INK, None) + circle(603.5, 262, 0.8, ORANGE, None))
    out.append(circle(619, 250, 4, YELLOW, GOLD1, 1))
    out.append(rect(566, 286, 66, 5, WOOD3, INK, 1.5))
    # the toy shelves
    out.append(rect(SHELF_X0, 30, SHELF_X1 - SHELF_X0, 188, WOOD8, INK, 2))
    out.append(rect(SHELF_X0, 24, SHELF_X1 - SHELF_X0, 8, WOOD3, INK, 2))
    for y in (112, 205):
        out.append(rect(SHELF_X0 - 4, y, SHELF_X1 - SHELF_X0 + 8, 8, WOOD3, INK, 2))
    out.append(path("M818 120 V205", ink=WOOD5, sw=3))
    # the train table under the shelves
    out.append(rect(652, 244, 250, 16, WOOD3, INK, 2, 2))
    out.append(rect(660, 260, 234, 12, PINE3, INK, 2))
    out.append(path(f"M664 272 V{FLOOR_Y + 8} M888 272 V{FLOOR_Y + 8}", ink=INK, sw=6))
    out.append(path(f"M664 272 V{FLOOR_Y + 8} M888 272 V{FLOOR_Y + 8}", ink=WOOD3, sw=3))
    out.append(path("M802 244 L812 232 H880 L890 244", fill=WOOD5, ink=INK, sw=2))
    out.append(rect(822, 220, 12, 12, RED, RED_INK, 1.5) + rect(838, 224, 10, 8, BLUE, NAVY_INK, 1.5))
    # a lamp over the shelves and the workbench vice near the window
    out.append(path("M812 0 V10", ink=INK, sw=2) + path("M800 18 L812 8 L824 18 Z", fill=GOLD4, ink=GOLD1))
    return "\n".join(out)


def draw_room():
    write("workshop.svg", svg(ROOM_W, ROOM_H, room(),
                              "The workshop, 912 x 320 (a wide room that scrolls): left the puzzle machine "
                              "(drawn by the code at (12, 82)), the doll board with its shoe box and the little "
                              "theatre, the card table with its lamp board; right the tool cabinet (drawer fronts "
                              "from wsgfx), the slate on its easel, the toy shelves and the train table."))


if __name__ == "__main__":
    draw_cursors()
    draw_drawers()
    draw_toys()
    draw_train_layout()
    draw_puzzle_sheet()
    draw_doll_sheet()
    draw_card_sheets()
    draw_room()
