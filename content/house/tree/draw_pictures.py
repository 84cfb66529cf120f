#!/usr/bin/env python3
# Writes the tree room's SVG pictures in this folder. The SVGs are the sources the content
# build reads; this script keeps the pieces that appear in several of them (the baubles on the
# decoration sheet and in the tray, the top ornaments on the sheet and on their buttons) drawn
# alike and cut exactly where the tree's code takes them. Run it after changing a drawing:
#   python3 content/house/tree/draw_pictures.py
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer  # noqa: E402

write = writer(HERE)

# Palette colours (content/palette/zorvik.gpl).
BLACK = "#000000"; INK = "#2b1a10"; NAVY_INK = "#1a2340"; GREEN_INK = "#143d1e"; RED_INK = "#4a1010"
PLUM_INK = "#3a2a4a"; GREY_INK = "#303030"
WHITE = "#ffffff"; SNOW = "#eef6ff"; LIGHT_YELLOW = "#fff3a0"
RED = "#d82828"; RED2 = "#8a1414"; RED3 = "#b31919"; LIGHT_RED = "#ff7b7b"; RED7 = "#f09494"
GOLD1 = "#886e07"; GOLD2 = "#b19009"; GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"; GOLD8 = "#fcf1c5"
YELLOW = "#ffd21f"; ORANGE = "#f5891f"; ORANGE2 = "#9e490d"; ORANGE6 = "#f3a167"
BLUE = "#2f6fdc"; BLUE1 = "#122854"; BLUE2 = "#1a3a7b"; LIGHT_BLUE = "#8cc8ff"; BLUE8 = "#c0d0f2"
CYAN7 = "#a7e1ec"; CYAN8 = "#cdeef4"; CYAN3 = "#269db5"
SILVER = "#c2c2c2"; SILVER_LIGHT = "#e8e8e8"; GREY6 = "#777777"; GREY9 = "#afafaf"
PURPLE = "#8a4fc8"; PURPLE1 = "#37194d"; PURPLE6 = "#b17fd4"
PINK = "#e04f8b"; PINK1 = "#981b4f"; PINK7 = "#f3b9d1"
SPRING = "#48e048"; GREEN2 = "#1f6b25"; GREEN7 = "#94e09a"
PINE1 = "#0f2e1f"; PINE2 = "#1a4e34"; PINE3 = "#246d49"; PINE4 = "#2f8d5e"; PINE5 = "#3aad73"; PINE6 = "#4dc488"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"; WOOD8 = "#e8d3ba"
DARK_WOOD4 = "#643b26"; DARK_WOOD6 = "#8f5436"
CREAM5 = "#f3e6bd"; CREAM6 = "#f6eccd"; CREAM7 = "#f9f2de"; CREAM8 = "#fcf8ee"
SKIN3 = "#d59155"; SKIN6 = "#e9c6a8"; SKIN7 = "#f0d8c3"
CRIMSON2 = "#7b1a2a"; CRIMSON3 = "#a22238"
TAN3 = "#ac8f53"; TAN6 = "#d2c2a2"

TREE_W, TREE_H = 225, 320
CX = 118  # the tree's middle


# ---------------------------------------------------------------------------------------
# The tree: four tiers with scalloped edges, a trunk and a red pot, on the room's wall.
TIERS = [  # top y, half width at the top, bottom y, half width at the bottom
    (165, 40, 262, 106),
    (105, 30, 205, 92),
    (50, 16, 146, 72),
    (8, 0, 90, 48),
]


def tier_path(top, top_hw, bottom, hw):
    d = f"M{CX - top_hw} {top} L{CX + top_hw} {top} L{CX + hw} {bottom}"
    # scallops along the bottom edge, right to left
    n = max(3, (2 * hw) // 26)
    step = 2 * hw / n
    x = CX + hw
    for _ in range(n):
        nx = x - step
        d += f" Q{(x + nx) / 2:.1f} {bottom + 9} {nx:.1f} {bottom}"
        x = nx
    return d + " Z"


def silhouette():
    return "".join(f'<path d="{tier_path(*t)}"/>' for t in TIERS)


def tree_body():
    out = []
    out.append(f'<rect x="{CX - 13}" y="250" width="26" height="34" fill="{DARK_WOOD4}" stroke="{INK}" stroke-width="2"/>')
    for top, top_hw, bottom, hw in TIERS:
        out.append(f'<path d="{tier_path(top, top_hw, bottom, hw)}" fill="{PINE3}" stroke="{GREEN_INK}" '
                   f'stroke-width="2" stroke-linejoin="round"/>')
        # a lighter left side and a few needle strokes, so the tiers read as branches
        mid = (top + bottom) / 2
        out.append(f'<path d="M{CX - top_hw - 2} {top + 6} L{CX - hw + 10} {bottom - 2} '
                   f'Q{CX - hw / 2} {bottom + 4} {CX - 6} {bottom - 1} L{CX - 4} {top + 8} Z" fill="{PINE4}"/>')
        for k in range(-2, 3):
            x0 = CX + k * hw / 3
            out.append(f'<path d="M{x0:.0f} {mid + 6:.0f} L{x0 + (6 if k >= 0 else -6):.0f} {bottom - 4}" '
                       f'stroke="{PINE2}" stroke-width="2" fill="none"/>')
    # the pot
    out.append(f'<path d="M{CX - 32} 276 L{CX + 32} 276 L{CX + 25} 310 L{CX - 25} 310 Z" fill="{RED}" '
               f'stroke="{RED_INK}" stroke-width="2" stroke-linejoin="round"/>')
    out.append(f'<rect x="{CX - 37}" y="268" width="74" height="12" rx="3" fill="{RED3}" stroke="{RED_INK}" stroke-width="2"/>')
    out.append(f'<rect x="{CX - 29}" y="288" width="58" height="5" fill="{GOLD4}"/>')
    out.append(f'<circle cx="{CX}" cy="298" r="4" fill="{GOLD4}" stroke="{GOLD1}"/>')
    return "\n".join(out)


def wall(width, height):
    out = [f'<rect width="{width}" height="{height}" fill="{CREAM7}"/>']
    for x in range(10, width, 24):
        out.append(f'<rect x="{x}" y="0" width="8" height="282" fill="{CREAM5}"/>')
    out.append(f'<rect x="0" y="278" width="{width}" height="6" fill="{WOOD2}"/>')
    out.append(f'<rect x="0" y="284" width="{width}" height="{height - 284}" fill="{WOOD5}"/>')
    for y in (296, 309):
        out.append(f'<rect x="0" y="{y}" width="{width}" height="1" fill="{WOOD3}"/>')
    return "\n".join(out)


def draw_tree():
    body = wall(TREE_W, TREE_H) + "\n"
    # a soft rug under the pot
    body += f'<ellipse cx="{CX}" cy="308" rx="70" ry="8" fill="{CRIMSON3}" stroke="{CRIMSON2}" stroke-width="2"/>\n'
    body += tree_body() + "\n"
    write("tree.svg", svg(TREE_W, TREE_H, body,
                          "The bare tree on the wall of the room, 225 x 320, opaque: the tree is drawn again "
                          "over any place a bauble leaves, so it must cover everything below it. Its middle is "
                          "x 118; the lights, garlands and tops of treegfx.svg are placed on it by the code."))


# ---------------------------------------------------------------------------------------
# Baubles, drawn in their own w x h box with the origin at the top-left.
def cap(cx):
    return (f'<rect x="{cx - 2.5}" y="0.5" width="5" height="3" fill="{GOLD3}" stroke="{GOLD1}" stroke-width="1"/>')


def ball(fill, ink, extra=""):
    return (cap(9.5) + f'<circle cx="9.5" cy="11" r="7.5" fill="{fill}" stroke="{ink}" stroke-width="1"/>' + extra +
            f'<ellipse cx="7" cy="8.5" rx="2" ry="1.5" fill="{WHITE}"/>')


def bauble(kind):
    if kind == 1: return ball(RED, RED_INK)
    if kind == 2: return ball(GOLD4, GOLD1, f'<path d="M2.5 11 H16.5" stroke="{GOLD1}" stroke-width="1"/>')
    if kind == 3: return ball(BLUE, NAVY_INK, f'<path d="M3 13 Q9.5 17 16 13" stroke="{LIGHT_BLUE}" stroke-width="1.5" fill="none"/>')
    if kind == 4: return ball(SILVER, GREY_INK, f'<circle cx="12" cy="13" r="1.5" fill="{WHITE}"/>')
    if kind == 5: return ball(PURPLE, PURPLE1, f'<path d="M3 9 H16 M3 13 H16" stroke="{PURPLE6}" stroke-width="1.5"/>')
    if kind == 6: return ball(SPRING, GREEN2, f'<path d="M5 5 L5 17 M9.5 4 L9.5 18 M14 5 L14 17" stroke="{GREEN7}" stroke-width="1.5"/>')
    if kind == 7: return ball(PINK, PINK1, "".join(f'<circle cx="{x}" cy="{y}" r="1.2" fill="{PINK7}"/>'
                                                    for x, y in ((5, 12), (9.5, 15), (14, 11), (11, 7.5))))
    if kind == 8: return ball(ORANGE, ORANGE2, f'<rect x="2.5" y="9.5" width="14" height="3" fill="{WHITE}"/>')
    if kind == 9:
        return (cap(9.5) + f'<circle cx="9.5" cy="11" r="7.5" fill="{WHITE}" stroke="{RED_INK}" stroke-width="1"/>'
                f'<path d="M3.5 7 L14 17 M6.5 4.5 L16.5 14 M2.5 11 L9 17.5" stroke="{RED}" stroke-width="2"/>'
                f'<circle cx="9.5" cy="11" r="7.5" fill="none" stroke="{RED_INK}" stroke-width="1"/>')
    if kind == 10:
        return ball(BLUE2, NAVY_INK, f'<path d="M9.5 6 V16 M5 8.5 L14 13.5 M5 13.5 L14 8.5" stroke="{WHITE}" stroke-width="1.2"/>')
    if kind == 11:  # candy cane, 18 x 33
        hook = "M12 32 L12 10 Q12 3.5 7.5 3.5 Q3.5 3.5 3.5 8.5"
        return (f'<path d="{hook}" stroke="{RED_INK}" stroke-width="7" fill="none" stroke-linecap="round"/>'
                f'<path d="{hook}" stroke="{WHITE}" stroke-width="5" fill="none" stroke-linecap="round"/>'
                f'<path d="{hook}" stroke="{RED}" stroke-width="5" fill="none" stroke-dasharray="3 3"/>')
    if kind == 12:  # bell, 22 x 24
        return (f'<path d="M11 2 L11 4" stroke="{GOLD1}" stroke-width="2"/>'
                f'<path d="M11 3.5 Q4 3.5 4.5 13 Q4 17 1.5 19 L20.5 19 Q18 17 17.5 13 Q18 3.5 11 3.5 Z" fill="{GOLD4}" '
                f'stroke="{GOLD1}" stroke-width="1"/>'
                f'<path d="M7 8 Q7 6 9 5.5" stroke="{GOLD8}" stroke-width="1.5" fill="none"/>'
                f'<circle cx="11" cy="21" r="2.5" fill="{GOLD3}" stroke="{GOLD1}"/>'
                f'<path d="M2 18 H20" stroke="{RED}" stroke-width="2"/>')
    if kind == 13:  # gingerbread man, 28 x 26
        body = ("M14 1.5 A4.5 4.5 0 0 1 17.5 9 L25 9.5 Q27 11.5 25 13.5 L18.5 13.5 L21 23 Q20 25 17.5 24 "
                "L14 18.5 L10.5 24 Q8 25 7 23 L9.5 13.5 L3 13.5 Q1 11.5 3 9.5 L10.5 9 A4.5 4.5 0 0 1 14 1.5 Z")
        return (f'<path d="{body}" fill="{WOOD4}" stroke="{INK}" stroke-width="1"/>'
                f'<circle cx="12.3" cy="5" r="0.9" fill="{INK}"/><circle cx="15.7" cy="5" r="0.9" fill="{INK}"/>'
                f'<path d="M12 7 Q14 8.5 16 7" stroke="{INK}" stroke-width="0.9" fill="none"/>'
                f'<circle cx="14" cy="12" r="1" fill="{RED}"/><circle cx="14" cy="15" r="1" fill="{RED}"/>'
                f'<path d="M4 11.5 H6 M22 11.5 H24" stroke="{WHITE}" stroke-width="1.2"/>')
    if kind == 14:  # snowman, 35 x 37
        return (f'<circle cx="17.5" cy="26.5" r="9.5" fill="{WHITE}" stroke="{NAVY_INK}" stroke-width="1"/>'
                f'<circle cx="17.5" cy="13" r="7" fill="{WHITE}" stroke="{NAVY_INK}" stroke-width="1"/>'
                f'<rect x="12" y="1" width="11" height="6" fill="{BLACK}"/><rect x="9.5" y="6" width="16" height="2" fill="{BLACK}"/>'
                f'<rect x="12" y="4" width="11" height="1.5" fill="{RED}"/>'
                f'<circle cx="15" cy="11.5" r="1" fill="{BLACK}"/><circle cx="20" cy="11.5" r="1" fill="{BLACK}"/>'
                f'<path d="M17.5 13.5 L22.5 15 L17.5 15.5 Z" fill="{ORANGE}"/>'
                f'<path d="M14.5 16.5 Q17.5 18.5 20.5 16.5" stroke="{BLACK}" stroke-width="0.9" fill="none"/>'
                f'<path d="M10.5 19 Q17.5 22.5 24.5 19 L25 21.5 L21 21.5 L21 25 L18.5 25 L18.5 21.8 Q13 21.5 10.5 21 Z" fill="{RED}"/>'
                f'<circle cx="17.5" cy="26" r="1" fill="{BLACK}"/><circle cx="17.5" cy="30" r="1" fill="{BLACK}"/>'
                f'<path d="M8 25 L1.5 20 M27 25 L33.5 20" stroke="{DARK_WOOD4}" stroke-width="1.5"/>')
    if kind == 15:  # blue icicle, 13 x 25
        return (cap(6.5) + f'<path d="M1.5 3.5 L11.5 3.5 L6.5 24.5 Z" fill="{CYAN7}" stroke="{CYAN3}" stroke-width="1"/>'
                f'<path d="M4.5 5 L6.5 17" stroke="{WHITE}" stroke-width="1.2"/>')
    if kind == 16:  # silver icicle, 11 x 27
        return (cap(5.5) + f'<path d="M1 3.5 L10 3.5 L5.5 26.5 Z" fill="{SILVER_LIGHT}" stroke="{GREY6}" stroke-width="1"/>'
                f'<path d="M3.5 5 L5.5 18" stroke="{WHITE}" stroke-width="1.2"/>')
    if kind == 17:  # pine cone, 13 x 28
        scales = "".join(f'<path d="M{2 + (r % 2) * 1.5} {6 + r * 3.5} Q6.5 {9.5 + r * 3.5} {11 - (r % 2) * 1.5} {6 + r * 3.5}" '
                         f'stroke="{WOOD1}" stroke-width="1" fill="none"/>' for r in range(6))
        return (cap(6.5) + f'<path d="M6.5 3.5 Q12.5 6 12 14 Q11 23 6.5 27.5 Q2 23 1 14 Q0.5 6 6.5 3.5 Z" fill="{WOOD3}" '
                f'stroke="{INK}" stroke-width="1"/>' + scales)
    if kind in (18, 19):  # teardrops, 13 x 28
        fill, ink, shine = (RED, RED_INK, RED7) if kind == 18 else (GOLD4, GOLD1, GOLD8)
        return (cap(6.5) + f'<path d="M6.5 3.5 Q12.5 10 12 18 Q11.5 24 6.5 27.5 Q1.5 24 1 18 Q0.5 10 6.5 3.5 Z" fill="{fill}" '
                f'stroke="{ink}" stroke-width="1"/><path d="M4 12 Q4.5 9 6 7.5" stroke="{shine}" stroke-width="1.5" fill="none"/>')
    if kind == 20:  # candle, 12 x 27
        return (f'<path d="M6 1 Q9.5 5 6 9.5 Q2.5 5 6 1 Z" fill="{YELLOW}" stroke="{ORANGE}" stroke-width="1"/>'
                f'<path d="M6 9 V11" stroke="{INK}" stroke-width="1"/>'
                f'<rect x="3" y="11" width="6" height="12" fill="{RED}" stroke="{RED_INK}" stroke-width="1"/>'
                f'<rect x="0.5" y="23" width="11" height="3.5" fill="{GOLD4}" stroke="{GOLD1}" stroke-width="1"/>')
    if kind == 21:  # snowflake, 31 x 31
        arms = ""
        for a in range(0, 180, 60):
            arms += (f'<g transform="rotate({a} 15.5 15.5)"><path d="M15.5 2 V29 M11.5 5 L15.5 8.5 L19.5 5 '
                     f'M11.5 26 L15.5 22.5 L19.5 26" stroke="{NAVY_INK}" stroke-width="4" fill="none" stroke-linecap="round"/></g>')
        inner = arms.replace(NAVY_INK, WHITE).replace('stroke-width="4"', 'stroke-width="2"')
        return arms + inner + f'<circle cx="15.5" cy="15.5" r="3" fill="{LIGHT_BLUE}" stroke="{NAVY_INK}"/>'
    raise ValueError(kind)


BAUBLE_SOURCES = {  # kind: left, top, right, bottom on treegfx
    1: (184, 82, 203, 101), 2: (203, 82, 222, 101), 3: (244, 82, 263, 101), 4: (50, 0, 69, 19),
    5: (69, 0, 88, 19), 6: (88, 0, 107, 19), 7: (107, 0, 126, 19), 8: (126, 0, 145, 19), 9: (145, 0, 164, 19),
    10: (164, 0, 183, 19), 11: (110, 140, 128, 173), 12: (222, 82, 244, 106), 13: (13, 263, 41, 289),
    14: (75, 263, 110, 300), 15: (250, 27, 263, 52), 16: (250, 0, 261, 27), 17: (0, 263, 13, 291),
    18: (244, 272, 257, 300), 19: (244, 244, 257, 272), 20: (250, 52, 262, 79), 21: (41, 263, 72, 294),
}


# ---------------------------------------------------------------------------------------
# Top ornaments, in their own boxes.
def top(choice):
    if choice == 1:  # an angel, 50 x 79, her dress over the tree's tip
        return (f'<ellipse cx="25" cy="5" rx="9" ry="3" fill="none" stroke="{GOLD4}" stroke-width="2.5"/>'
                f'<path d="M22 22 Q6 10 2 24 Q4 40 20 36 Z M28 22 Q44 10 48 24 Q46 40 30 36 Z" fill="{SNOW}" '
                f'stroke="{NAVY_INK}" stroke-width="1.5"/>'
                f'<path d="M25 21 L37 76 Q25 80 13 76 Z" fill="{WHITE}" stroke="{NAVY_INK}" stroke-width="1.5"/>'
                f'<path d="M15 68 Q25 72 35 68 L36 72 Q25 76 14 72 Z" fill="{GOLD4}"/>'
                f'<path d="M21 26 Q25 29 29 26 L31 40 Q25 42 19 40 Z" fill="{LIGHT_BLUE}"/>'
                f'<circle cx="25" cy="16" r="7.5" fill="{SKIN7}" stroke="{INK}" stroke-width="1"/>'
                f'<path d="M17.5 15 Q18 7 25 7.5 Q32 7 32.5 15 Q29 11 25 11 Q21 11 17.5 15 Z" fill="{GOLD4}" stroke="{GOLD1}" stroke-width="0.8"/>'
                f'<circle cx="22.3" cy="16" r="1" fill="{INK}"/><circle cx="27.7" cy="16" r="1" fill="{INK}"/>'
                f'<path d="M22.5 19 Q25 21 27.5 19" stroke="{INK}" stroke-width="1" fill="none"/>'
                f'<circle cx="20.5" cy="18.5" r="1.2" fill="{RED7}"/><circle cx="29.5" cy="18.5" r="1.2" fill="{RED7}"/>'
                f'<circle cx="25" cy="36" r="2.5" fill="{SKIN7}" stroke="{INK}" stroke-width="0.8"/>')
    if choice == 2:  # a smiling gold star on a little stem, 41 x 45
        import math
        pts = []
        for i in range(10):
            r = 19.5 if i % 2 == 0 else 8.5
            a = -math.pi / 2 + i * math.pi / 5
            pts.append(f"{20.5 + r * math.cos(a):.1f},{20.5 + r * math.sin(a):.1f}")
        return (f'<rect x="18" y="34" width="5" height="11" fill="{GOLD2}" stroke="{GOLD1}"/>'
                f'<polygon points="{" ".join(pts)}" fill="{GOLD4}" stroke="{GOLD1}" stroke-width="1.5" stroke-linejoin="round"/>'
                f'<circle cx="17" cy="19" r="1.3" fill="{INK}"/><circle cx="24" cy="19" r="1.3" fill="{INK}"/>'
                f'<path d="M16.5 23 Q20.5 26.5 24.5 23" stroke="{INK}" stroke-width="1.2" fill="none"/>'
                f'<path d="M12 14 L15 13" stroke="{GOLD8}" stroke-width="1.5"/>')
    if choice == 3:  # a glass spire, red and gold, 36 x 45
        return (f'<path d="M18 1 L22 22 L14 22 Z" fill="{RED}" stroke="{RED_INK}" stroke-width="1"/>'
                f'<circle cx="18" cy="22" r="4" fill="{GOLD4}" stroke="{GOLD1}"/>'
                f'<circle cx="18" cy="33" r="10" fill="{RED}" stroke="{RED_INK}" stroke-width="1"/>'
                f'<path d="M8.5 33 H27.5" stroke="{GOLD4}" stroke-width="2.5"/>'
                f'<ellipse cx="14" cy="28.5" rx="3" ry="2" fill="{RED7}"/>'
                f'<rect x="15" y="42" width="6" height="3" fill="{GOLD3}"/>'
                f'<circle cx="4" cy="38" r="3" fill="{GOLD4}" stroke="{GOLD1}"/><circle cx="32" cy="38" r="3" fill="{GOLD4}" stroke="{GOLD1}"/>')
    if choice == 4:  # a big red bow with long ribbons, 47 x 61
        return (f'<path d="M20 22 L8 58 L14 55 L17 60 L24 25 Z M27 22 L39 58 L33 55 L30 60 L23 25 Z" fill="{RED3}" '
                f'stroke="{RED_INK}" stroke-width="1.2" stroke-linejoin="round"/>'
                f'<path d="M23.5 18 Q8 0 2 10 Q-1 22 23.5 20 Z M23.5 18 Q39 0 45 10 Q48 22 23.5 20 Z" fill="{RED}" '
                f'stroke="{RED_INK}" stroke-width="1.2" stroke-linejoin="round"/>'
                f'<path d="M8 10 Q14 8 19 15 M39 10 Q33 8 28 15" stroke="{LIGHT_RED}" stroke-width="1.5" fill="none"/>'
                f'<rect x="19" y="13" width="9" height="11" rx="3" fill="{RED3}" stroke="{RED_INK}" stroke-width="1.2"/>')
    raise ValueError(choice)


TOPS = {1: ((0, 0, 50, 79), (92, 0)), 2: ((86, 19, 127, 64), (100, 0)),
        3: ((50, 19, 86, 64), (99, 2)), 4: ((0, 79, 47, 140), (94, 0))}

TINSEL = {  # source rect, drawn at, path in tree coordinates, colours
    1: ((200, 175, 257, 244), (83, 56), "M86 66 C96 94 116 104 139 108", (GOLD1, GOLD4, GOLD8)),
    2: ((0, 140, 110, 263), (57, 76), "M162 90 Q132 176 60 192", (GREY6, SILVER, WHITE)),
    3: ((50, 64, 127, 140), (76, 109), "M78 116 Q100 178 151 166", (RED_INK, RED, LIGHT_RED)),
    4: ((110, 244, 244, 298), (49, 192), "M52 197 Q116 262 181 200", (NAVY_INK, BLUE, LIGHT_BLUE)),
}

STRIPS = {1: (0, 294), 2: (0, 310), 3: (72, 300), 4: (144, 298)}
RAINBOW = [RED, YELLOW, BLUE, SPRING, PINK, ORANGE, PURPLE, CYAN7, LIGHT_RED]
LIT = {1: [LIGHT_RED] * 9, 2: [YELLOW] * 9, 3: [LIGHT_BLUE] * 9, 4: RAINBOW}
DARK = {1: [RED2] * 9, 2: [GOLD1] * 9, 3: [BLUE2] * 9,
        4: [RED2, GOLD1, BLUE2, GREEN2, PINK1, ORANGE2, PURPLE1, CYAN3, CRIMSON2]}


def bulb(x, y, lit, colour):
    if lit:
        return (f'<circle cx="{x + 4}" cy="{y + 4}" r="3.6" fill="{colour}" stroke="{LIGHT_YELLOW}" stroke-width="0.8"/>'
                f'<rect x="{x + 3}" y="{y + 2}" width="2" height="2" fill="{WHITE}"/>')
    return (f'<rect x="{x + 3}" y="{y}" width="2" height="2" fill="{GREY6}"/>'
            f'<ellipse cx="{x + 4}" cy="{y + 5}" rx="2.4" ry="2.8" fill="{colour}" stroke="{BLACK}" stroke-width="0.7"/>')


def nested(rect, view, body):
    left, topy, right, bottom = rect
    w, h = right - left, bottom - topy
    vx, vy = view
    return (f'<svg x="{left}" y="{topy}" width="{w}" height="{h}" viewBox="{vx} {vy} {w} {h}" overflow="hidden">'
            f'{body}</svg>\n')


def draw_treegfx():
    body = f'<defs><clipPath id="tree">{silhouette()}</clipPath></defs>\n'
    for kind, rect in BAUBLE_SOURCES.items():
        body += nested(rect, (0, 0), bauble(kind))
    for choice, (rect, _) in TOPS.items():
        body += nested(rect, (0, 0), top(choice))
    for garland, (rect, at, path, (ink, fill, shine)) in TINSEL.items():
        g = (f'<g clip-path="url(#tree)">'
             f'<path d="{path}" stroke="{ink}" stroke-width="8" fill="none" stroke-linecap="round"/>'
             f'<path d="{path}" stroke="{fill}" stroke-width="5" fill="none" stroke-linecap="round"/>'
             f'<path d="{path}" stroke="{shine}" stroke-width="2" fill="none" stroke-dasharray="2 4"/></g>')
        body += nested(rect, at, g)
    for string, (x, y) in STRIPS.items():
        cells = ""
        for i in range(9):
            cells += bulb(x + 8 * i, y, False, DARK[string][i]) + bulb(x + 8 * i, y + 8, True, LIT[string][i])
        body += nested((x, y, x + 72, y + 16), (x, y), cells)
    write("treegfx.svg", svg(264, 326, body,
                             "The tree's decoration sheet: top ornaments, tinsel garlands, light-string strips "
                             "(dark bulbs above, lit below, 8 x 8 each) and the 21 baubles, each cut at the place "
                             "the tree's code takes it from. Everything else is see-through. The garlands are "
                             "drawn in tree coordinates and kept inside the tree's outline."))


# ---------------------------------------------------------------------------------------
# The room: the tree on the left, the decorations on a shelf board on the right.
TOP_BUTTONS_Y, TOP_BUTTON = 8, 64
LIGHT_BUTTONS_Y, TINSEL_BUTTONS_Y, SMALL_BUTTON_H = 78, 126, 44
BUTTON_X = [236, 304, 372, 440]
TRAY = (234, 176, 506, 314)
CELL_X0, CELL_Y0, CELL_W, CELL_H = 237, 179, 38, 44


def cell_origin(kind):
    r, c = divmod(kind - 1, 7)
    return CELL_X0 + c * CELL_W, CELL_Y0 + r * CELL_H


def draw_room():
    body = wall(512, 320) + "\n"
    body += (f'<rect x="228" y="3" width="282" height="314" rx="8" fill="{WOOD8}" stroke="{WOOD2}" stroke-width="3"/>\n'
             f'<rect x="{TRAY[0]}" y="{TRAY[1]}" width="{TRAY[2] - TRAY[0]}" height="{TRAY[3] - TRAY[1]}" rx="5" '
             f'fill="{CRIMSON2}" stroke="{RED_INK}" stroke-width="2"/>\n')
    for kind in range(1, 22):
        x, y = cell_origin(kind)
        body += f'<rect x="{x + 1}" y="{y + 1}" width="{CELL_W - 2}" height="{CELL_H - 2}" rx="4" fill="{CREAM6}" stroke="{TAN3}"/>\n'
        left, t, right, bottom = BAUBLE_SOURCES[kind]
        w, h = right - left, bottom - t
        body += f'<g transform="translate({x + (CELL_W - w) // 2} {y + (CELL_H - h) // 2})">{bauble(kind)}</g>\n'
    write("treeroom.svg", svg(512, 320, body,
                              "The tree room's background: the wall (the tree covers x 0 to 224) and the shelf "
                              "board with the buttons' places and the tray of 21 baubles (7 x 3 cells of 38 x 44 "
                              "from (237, 179), kind 1 top left, row by row)."))


def button_tile(w, h, on, y0):
    if on:
        return (f'<rect x="1" y="{y0 + 1}" width="{w - 2}" height="{h - 2}" rx="7" fill="{LIGHT_YELLOW}" stroke="{ORANGE}" stroke-width="2"/>'
                f'<rect x="4" y="{y0 + 4}" width="{w - 8}" height="{h - 8}" rx="5" fill="none" stroke="{GOLD4}" stroke-width="1.5"/>')
    return f'<rect x="1" y="{y0 + 1}" width="{w - 2}" height="{h - 2}" rx="7" fill="{WOOD5}" stroke="{WOOD1}" stroke-width="2"/>'


def draw_buttons():
    for choice in range(1, 5):
        (left, t, right, bottom), _ = TOPS[choice]
        w, h = right - left, bottom - t
        scale = min(52 / w, 52 / h)
        body = ""
        for frame in (0, 1):
            y0 = frame * TOP_BUTTON
            body += f'<rect x="0" y="{y0}" width="64" height="64" fill="{WOOD8}"/>' + button_tile(64, 64, frame == 1, y0)
            body += (f'<g transform="translate({32 - w * scale / 2:.1f} {y0 + 32 - h * scale / 2:.1f}) scale({scale:.3f})">'
                     f'{top(choice)}</g>')
        write(f"tree_a{choice}.svg", svg(64, 128, body, f"Top ornament button {choice}: frame 0 off, frame 1 on."))
    for string in range(1, 5):
        body = ""
        for frame in (0, 1):
            y0 = frame * SMALL_BUTTON_H
            body += f'<rect x="0" y="{y0}" width="64" height="44" fill="{WOOD8}"/>' + button_tile(64, 44, frame == 1, y0)
            body += f'<path d="M6 {y0 + 14} Q32 {y0 + 30} 58 {y0 + 14}" stroke="{GREEN2}" stroke-width="2" fill="none"/>'
            for i, (bx, by) in enumerate(((8, 16), (19, 21), (30, 23), (41, 21), (52, 16))):
                colour = (LIT if frame else DARK)[string][(i * 2) % 9]
                body += f'<g transform="translate({bx - 6} {y0 + by - 2}) scale(1.5)">{bulb(0, 0, frame == 1, colour)}</g>'
        write(f"tree_l{string}.svg", svg(64, 88, body, f"Light string {string} switch: frame 0 off (dark bulbs), frame 1 on."))
    for garland in range(1, 5):
        ink, fill, shine = TINSEL[garland][3]
        body = ""
        for frame in (0, 1):
            y0 = frame * SMALL_BUTTON_H
            body += f'<rect x="0" y="{y0}" width="64" height="44" fill="{WOOD8}"/>' + button_tile(64, 44, frame == 1, y0)
            path = f"M8 {y0 + 12} Q32 {y0 + 44} 56 {y0 + 12}"
            body += (f'<path d="{path}" stroke="{ink}" stroke-width="9" fill="none" stroke-linecap="round"/>'
                     f'<path d="{path}" stroke="{fill}" stroke-width="6" fill="none" stroke-linecap="round"/>'
                     f'<path d="{path}" stroke="{shine}" stroke-width="2" fill="none" stroke-dasharray="2 4"/>')
        write(f"tree_t{garland}.svg", svg(64, 88, body, f"Tinsel garland {garland} switch: frame 0 off, frame 1 on."))


def check_sheet():
    pieces = list(BAUBLE_SOURCES.values()) + [r for r, _ in TOPS.values()] + [v[0] for v in TINSEL.values()]
    pieces += [(x, y, x + 72, y + 16) for x, y in STRIPS.values()]
    for i, a in enumerate(pieces):
        for b in pieces[i + 1:]:
            if a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]:
                raise SystemExit(f"pieces overlap: {a} {b}")


if __name__ == "__main__":
    check_sheet()
    draw_tree()
    draw_treegfx()
    draw_room()
    draw_buttons()
