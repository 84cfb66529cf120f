#!/usr/bin/env python3
# Writes the kitchen's and the tray room's SVG pictures in this folder. The SVGs are the
# sources the content build reads; this script keeps the pieces that appear in several of
# them (the cookie shapes on the cookie sheets, their toppings, bites and icons, the glass
# and the jugs in each state) drawn alike and cut exactly where the kitchen's code takes
# them. Run it after changing a drawing:
#   python3 content/house/kitchen/draw_pictures.py
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer  # noqa: E402

write = writer(HERE)

# Palette colours (content/palette/zorvik.gpl).
INK = "#2b1a10"; NAVY_INK = "#1a2340"; RED_INK = "#4a1010"; GREY_INK = "#303030"
KEY = "#e0409a"        # 15: the cookie pictures' key colour: never inside a cookie
WORK_KEY = "#fff6d5"   # 40: the hopper work picture's see-through colour
STEEL = "#c0c6cc"      # 234: behind a tray snapshot
WHITE = "#ffffff"; SNOW = "#eef6ff"; LIGHT_YELLOW = "#fff3a0"
RED = "#d82828"; RED2 = "#8a1414"; RED3 = "#b31919"; RED6 = "#ea6c6c"; RED7 = "#f09494"
ORANGE = "#f5891f"; ORANGE3 = "#c75c10"; ORANGE6 = "#f3a167"
AMBER4 = "#f29f10"; AMBER6 = "#f7c163"; AMBER7 = "#f9d18d"
GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"; GOLD8 = "#fcf1c5"
YELLOW = "#ffd21f"
GREEN = "#2fa84f"; GREEN2 = "#1f6b25"; GREEN5 = "#4bcb56"; GREEN7 = "#94e09a"; SPRING = "#48e048"
BLUE = "#2f6fdc"; BLUE2 = "#1a3a7b"; BLUE7 = "#99b4e9"; SKY7 = "#aed5f1"; SKY8 = "#d4e8f7"; LIGHT_BLUE = "#8cc8ff"
PURPLE = "#8a4fc8"; PURPLE6 = "#b17fd4"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"; WOOD8 = "#e8d3ba"
DWOOD3 = "#4f2e1e"; DWOOD5 = "#79472e"; DWOOD6 = "#8f5436"
CREAM3 = "#eeda9d"; CREAM5 = "#f3e6bd"; CREAM6 = "#f6eccd"; CREAM7 = "#f9f2de"; CREAM8 = "#fcf8ee"
TAN4 = "#b9a06d"; TAN6 = "#d2c2a2"; TAN7 = "#dfd3bc"
GREY1 = "#181818"; GREY3 = "#3e3e3e"; GREY5 = "#646464"; GREY7 = "#898989"; GREY9 = "#afafaf"; GREY10 = "#c2c2c2"; GREY11 = "#d5d5d5"; GREY12 = "#e8e8e8"
COOL3 = "#5a6672"; COOL5 = "#8d99a5"; COOL7 = "#c6ccd2"; COOL8 = "#e2e5e9"
BRICK4 = "#9e4635"; BRICK6 = "#c76856"; BRICK8 = "#d9998c"
TEAL4 = "#39aaa1"; TEAL7 = "#91dad4"; TEAL8 = "#b3e6e1"
WGREY4 = "#8c7d6e"; WGREY6 = "#b8afa5"
CHOC = "#643b26"; CHOC2 = "#3a2216"

CW, CH = 122, 136  # one cookie picture
SHAPE_CODES = ["st", "rd", "tr", "ht", "sn"]
# The topping cell of each shape (size and place on the cookie), as the kitchen's code cuts.
CELLS = [(109, 101, 6, 19), (103, 105, 9, 14), (89, 124, 18, 5), (109, 100, 5, 17), (86, 126, 15, 6)]
# The five colours of the variant buttons: red, green, blue, yellow, purple.
VARIANTS = [RED, GREEN, BLUE, YELLOW, PURPLE]
VARIANT_DARK = [RED2, GREEN2, BLUE2, AMBER4, "#37194d"]


def g(x, y, body):
    return f'<g transform="translate({x} {y})">{body}</g>\n'


# ---------------------------------------------------------------------------------------
# Cookie shapes, in the 122 x 136 frame of one cookie picture.

def star_path(cx, cy, r_out, r_in, points=5, turn=-90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(turn + i * 180 / points)
        pts.append(f"{cx + r * math.cos(a):.1f} {cy + r * math.sin(a):.1f}")
    return "M" + " L".join(pts) + " Z"


def heart_path(cx, top, w, h):
    x0, x1 = cx - w / 2, cx + w / 2
    return (f"M{cx} {top + h * 0.28:.1f} C{cx} {top - h * 0.05:.1f} {x0:.1f} {top - h * 0.05:.1f} {x0:.1f} {top + h * 0.32:.1f} "
            f"C{x0:.1f} {top + h * 0.62:.1f} {cx - w * 0.18:.1f} {top + h * 0.8:.1f} {cx} {top + h:.1f} "
            f"C{cx + w * 0.18:.1f} {top + h * 0.8:.1f} {x1:.1f} {top + h * 0.62:.1f} {x1:.1f} {top + h * 0.32:.1f} "
            f"C{x1:.1f} {top - h * 0.05:.1f} {cx} {top - h * 0.05:.1f} {cx} {top + h * 0.28:.1f} Z")


def tree_path(cx, top, w, h):
    # three tiers and a trunk
    t = h * 0.86
    hw = w / 2
    return (f"M{cx} {top} L{cx + hw * 0.55:.1f} {top + t * 0.36:.1f} L{cx + hw * 0.35:.1f} {top + t * 0.36:.1f} "
            f"L{cx + hw * 0.8:.1f} {top + t * 0.68:.1f} L{cx + hw * 0.55:.1f} {top + t * 0.68:.1f} L{cx + hw:.1f} {top + t:.1f} "
            f"L{cx + 9} {top + t:.1f} L{cx + 9} {top + h} L{cx - 9} {top + h} L{cx - 9} {top + t:.1f} "
            f"L{cx - hw:.1f} {top + t:.1f} L{cx - hw * 0.55:.1f} {top + t * 0.68:.1f} L{cx - hw * 0.8:.1f} {top + t * 0.68:.1f} "
            f"L{cx - hw * 0.35:.1f} {top + t * 0.36:.1f} L{cx - hw * 0.55:.1f} {top + t * 0.36:.1f} Z")


def snowman_path(cx, top, w, h):
    # head, middle and base as three balls, each sitting a little into the one below
    balls = [(top + 0.15 * h, 0.22 * w), (top + 0.445 * h, 0.29 * w), (top + 0.74 * h, 0.38 * w)]
    def circ(y, r):
        return f"M{cx - r:.1f} {y:.1f} A{r:.1f} {r:.1f} 0 1 0 {cx + r:.1f} {y:.1f} A{r:.1f} {r:.1f} 0 1 0 {cx - r:.1f} {y:.1f} Z"
    return " ".join(circ(y, r) for (y, r) in balls)


def shape_path(shape):
    """The outline of cookie shape 1..5 in the cookie frame."""
    if shape == 1:
        return star_path(61, 72, 58, 27)
    if shape == 2:
        return "M9 68 A52 52 0 1 0 113 68 A52 52 0 1 0 9 68 Z"
    if shape == 3:
        return tree_path(62, 4, 90, 127)
    if shape == 4:
        return heart_path(60, 18, 112, 104)
    return snowman_path(58, 5, 88, 128)


def cookie_body(shape, iced):
    """One cookie, drawn in its 122 x 136 frame; what is not cookie stays see-through."""
    p = shape_path(shape)
    out = [f'<path d="{p}" fill="{WOOD4}" stroke="{INK}" stroke-width="3" stroke-linejoin="round" fill-rule="nonzero"/>']
    # a lighter baked middle
    out.append(f'<g transform="translate(61 68) scale(0.82) translate(-61 -68)"><path d="{p}" fill="{WOOD5}"/></g>')
    if iced:
        out.append(f'<g transform="translate(61 68) scale(0.86) translate(-61 -68)"><path d="{p}" fill="{CREAM8}" '
                   f'stroke="{TAN6}" stroke-width="2"/></g>')
        # a shine on the icing
        out.append(f'<path d="M40 48 Q50 40 62 42" fill="none" stroke="{WHITE}" stroke-width="4" stroke-linecap="round"/>')
    else:
        for (x, y) in [(44, 60), (74, 54), (58, 86), (80, 92), (40, 96)]:
            out.append(f'<rect x="{x}" y="{y}" width="3" height="3" fill="{WOOD2}"/>')
    if shape == 5:
        # the snowman's eyes and buttons are pressed into the dough
        out.append(f'<rect x="51" y="22" width="4" height="4" fill="{DWOOD3}"/><rect x="62" y="22" width="4" height="4" fill="{DWOOD3}"/>')
    return "".join(out)


def clip_def(cid, shape, dx=0, dy=0):
    return (f'<defs><clipPath id="{cid}"><path transform="translate({dx} {dy}) translate(61 68) scale(0.86) translate(-61 -68)" '
            f'd="{shape_path(shape)}"/></clipPath></defs>')


def topping(shape, deco, variant):
    """The topping of decoration 2 (sprinkles), 3 (icing drizzle) or 4 (sweets) in colour
    `variant`, in the cookie frame, kept inside the cookie."""
    c = VARIANTS[variant - 1]
    dark = VARIANT_DARK[variant - 1]
    out = []
    if deco == 2:
        # sprinkles: short sticks in the variant's colour with a few white ones
        import random
        rnd = random.Random(shape * 100 + variant)
        for i in range(34):
            x = rnd.randint(12, 110); y = rnd.randint(10, 128)
            a = rnd.choice([0, 45, 90, 135])
            col = c if i % 4 else WHITE
            out.append(f'<rect x="{x}" y="{y}" width="7" height="3" fill="{col}" transform="rotate({a} {x + 3} {y + 1})"/>')
    elif deco == 3:
        # icing drizzle: wavy lines across the cookie
        for k, y in enumerate(range(26, 130, 16)):
            d = f"M0 {y}" + "".join(f" Q{x + 8} {y + (-8 if (x // 16 + k) % 2 else 8)} {x + 16} {y}" for x in range(0, 122, 16))
            out.append(f'<path d="{d}" fill="none" stroke="{dark}" stroke-width="7" stroke-linecap="round"/>')
            out.append(f'<path d="{d}" fill="none" stroke="{c}" stroke-width="4" stroke-linecap="round"/>')
    else:
        # sweets: round candy buttons with a shine
        for (x, y) in [(38, 48), (80, 46), (60, 70), (40, 94), (82, 96), (60, 118), (61, 26)]:
            out.append(f'<circle cx="{x}" cy="{y}" r="7" fill="{c}" stroke="{dark}" stroke-width="2"/>')
            out.append(f'<rect x="{x - 3}" y="{y - 4}" width="3" height="2" fill="{WHITE}"/>')
    return "".join(out)


def write_cookie_sheets():
    for iced, name in ((False, "cookipln"), (True, "cookicus")):
        body = "".join(g((s - 1) * CW, 0, cookie_body(s, iced)) for s in range(1, 6))
        what = "iced" if iced else "plain"
        write(f"{name}.svg", svg(5 * CW, CH, body, f"The five cookie shapes, {what}: star, round, tree, heart, snowman."))
    for s in range(1, 6):
        w, h, ax, ay = CELLS[s - 1]
        body = []
        for d in (2, 3, 4):
            for v in range(1, 6):
                cid = f"c{d}{v}"
                x0, y0 = w * (d - 2), h * (v - 1)
                # the cell shows the topping as it lies on the cookie: cookie frame moved by the cell's place
                body.append(clip_def(cid, s, 0, 0))
                body.append(f'<svg x="{x0}" y="{y0}" width="{w}" height="{h}" viewBox="{ax} {ay} {w} {h}" overflow="hidden">'
                            f'<g clip-path="url(#{cid})">{topping(s, d, v)}</g></svg>\n')
        write(f"{SHAPE_CODES[s - 1]}_deco.svg",
              svg(3 * w, 5 * h, "".join(body),
                  "Toppings of one cookie shape: columns sprinkles, icing, sweets; rows the five colours."))


def bite_circles(shape):
    # two bites out of the top right edge of each shape
    return {1: [(100, 40, 22), (72, 18, 22)], 2: [(100, 34, 24), (66, 16, 22)], 3: [(84, 64, 22), (62, 18, 20)],
            4: [(100, 34, 24), (64, 28, 20)], 5: [(78, 84, 22), (60, 14, 18)]}[shape]


def write_bite_sheets():
    for s in range(1, 6):
        bites = bite_circles(s)
        frames = []
        # frames 0 and 1: the holes one and two bites leave (the key colour takes the cookie away)
        for n in (1, 2):
            frames.append("".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="{KEY}"/>' for (x, y, r) in bites[:n]))
        # frames 2 and 3: the bitten edge, crumbly and darker, only on the cookie
        for n in (1, 2):
            ring = "".join(f'<circle cx="{x}" cy="{y}" r="{r + 3}" fill="none" stroke="{WOOD2}" stroke-width="5" '
                           f'stroke-dasharray="5 3"/>' for (x, y, r) in bites[:n])
            holes = "".join(f'<circle cx="{x}" cy="{y}" r="{r}" fill="{KEY}"/>' for (x, y, r) in bites[:n])
            frames.append(f'<defs><clipPath id="b{s}{n}"><path d="{shape_path(s)}"/></clipPath></defs>'
                          f'<g clip-path="url(#b{s}{n})">{ring}</g>{holes}')
        # frame 4: all gone, only crumbs
        crumbs = "".join(f'<rect x="{x}" y="{y}" width="{w}" height="{w}" fill="{WOOD4}" stroke="{INK}" stroke-width="1"/>'
                         for (x, y, w) in [(40, 120, 6), (54, 124, 5), (70, 118, 7), (84, 126, 4), (62, 110, 4)])
        frames.append(crumbs)
        body = "".join(g(i * CW, 0, f) for i, f in enumerate(frames))
        write(f"{SHAPE_CODES[s - 1]}_bite.svg",
              svg(5 * CW, CH, body, "Bites of one cookie shape: holes after 1 and 2 bites, their edges, the crumbs."))


# ---------------------------------------------------------------------------------------
# The kitchen's sheet "kitchgfx": every piece where the kitchen's code cuts it.

def small_cookie(shape, fill, top=None):
    """A 20 x 15 icon of a cookie shape, with a topping colour or icing on top."""
    p = shape_path(shape)
    out = [f'<g transform="translate(1 1) scale(0.147 0.0956)">'
           f'<path d="{p}" fill="{WOOD4}" stroke="{INK}" stroke-width="10"/></g>']
    if fill == "iced":
        out.append(f'<g transform="translate(3 2.5) scale(0.115 0.074)"><path d="{p}" fill="{CREAM8}"/></g>')
    elif fill is not None:
        for (x, y) in fill:
            out.append(f'<rect x="{x}" y="{y}" width="3" height="2" fill="{top}"/>')
    return "".join(out)


def machine_button(kind, n, lit):
    """One 24 x 30 choice button: rows 1 shape, 2 decoration, 3 colour."""
    face = GOLD8 if lit else CREAM5
    rim = ORANGE if lit else WGREY4
    out = [f'<rect x="1" y="1" width="22" height="28" rx="4" fill="{rim}" stroke="{INK}" stroke-width="2"/>',
           f'<rect x="4" y="4" width="16" height="22" rx="3" fill="{face}"/>']
    if lit:
        out.append(f'<rect x="5" y="5" width="14" height="3" fill="{WHITE}"/>')
    if kind == 1:
        out.append(f'<g transform="translate(2 5) scale(0.165)"><path d="{shape_path(n)}" fill="{WOOD4}" stroke="{INK}" stroke-width="9"/></g>')
    elif kind == 2:
        if n == 1:
            out.append(f'<circle cx="12" cy="15" r="7" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>')
        elif n == 2:
            out.append(f'<circle cx="12" cy="15" r="7" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>')
            for (x, y, c) in [(8, 11, RED), (13, 10, BLUE), (10, 16, GREEN), (15, 15, YELLOW), (11, 19, PURPLE)]:
                out.append(f'<rect x="{x}" y="{y}" width="3" height="2" fill="{c}"/>')
        elif n == 3:
            out.append(f'<circle cx="12" cy="15" r="7" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>')
            out.append(f'<path d="M6 13 Q9 10 12 13 Q15 16 18 13 M6 18 Q9 15 12 18 Q15 21 18 18" fill="none" stroke="{RED}" stroke-width="2"/>')
        elif n == 4:
            out.append(f'<circle cx="12" cy="15" r="7" fill="{WOOD4}" stroke="{INK}" stroke-width="1.5"/>')
            for (x, y, c) in [(9, 12, RED), (15, 13, GREEN), (12, 18, BLUE)]:
                out.append(f'<circle cx="{x}" cy="{y}" r="2" fill="{c}"/>')
        # button 5 (iced) gets the current shape drawn over it by the code
    else:
        c = VARIANTS[n - 1]
        out.append(f'<circle cx="12" cy="15" r="6" fill="{c}" stroke="{INK}" stroke-width="1.5"/>')
        out.append(f'<rect x="9" y="11" width="3" height="2" fill="{WHITE}"/>')
    return "".join(out)


def iced_shape_piece(shape):
    """The piece over the iced button: the chosen shape with white icing (24 x 30)."""
    p = shape_path(shape)
    return (f'<g transform="translate(3 6) scale(0.15)"><path d="{p}" fill="{WOOD4}" stroke="{INK}" stroke-width="10"/></g>'
            f'<g transform="translate(4.5 7.5) scale(0.125)"><path d="{p}" fill="{CREAM8}"/></g>')


HOPPER_FILL = [(CREAM8, TAN7, "flour"), (YELLOW, GOLD3, "butter"), (WHITE, SKY8, "sugar")]


def hopper_empty():
    """An empty hopper, 67 x 62: a glass box above a funnel."""
    return (f'<path d="M2 2 H65 V38 L44 60 H23 L2 38 Z" fill="{SKY8}" stroke="{GREY_INK}" stroke-width="3" stroke-linejoin="round"/>'
            f'<path d="M8 6 V34" stroke="{WHITE}" stroke-width="3"/>'
            f'<rect x="0" y="0" width="67" height="5" fill="{GREY9}" stroke="{GREY_INK}" stroke-width="2"/>')


def hopper_content(i):
    """The content column of hopper i, 67 x 62 (its top rows show first); its sides stay the
    key colour so the hopper's glass walls show."""
    main, shade, _ = HOPPER_FILL[i]
    out = [f'<rect x="0" y="0" width="67" height="62" fill="{KEY}"/>',
           f'<rect x="4" y="0" width="59" height="62" fill="{main}"/>']
    # a heaped surface along the top and a texture below
    out.append(f'<path d="M4 5 Q20 -1 34 4 Q48 9 63 3 V8 H4 Z" fill="{shade}"/>')
    for y in range(14, 62, 10):
        for x in range(8 + (y % 20) // 2, 60, 12):
            out.append(f'<rect x="{x}" y="{y}" width="4" height="2" fill="{shade}"/>')
    if i == 1:
        out.append(f'<path d="M4 30 H63" stroke="{GOLD4}" stroke-width="3"/>')
    return "".join(out)


def hopper_strip():
    """The funnel mask, 67 x 23: content shows where it is the work key colour; outside the
    funnel nothing is drawn, so the empty hopper's funnel walls show."""
    return f'<path d="M4 0 H63 V2 L43 22 H24 L4 2 Z" fill="{WORK_KEY}"/>'


def jug(width, full, colour, shade):
    """A jug 67 high: handle right, spout left; full or empty."""
    w = width
    body = f"M6 10 L{w - 12} 10 L{w - 8} 62 Q{w // 2} 67 8 62 Z"
    out = [f'<path d="M{w - 12} 18 Q{w} 20 {w - 2} 34 Q{w - 4} 46 {w - 10} 46" fill="none" stroke="{INK}" stroke-width="5"/>',
           f'<path d="M{w - 12} 18 Q{w} 20 {w - 2} 34 Q{w - 4} 46 {w - 10} 46" fill="none" stroke="{TEAL7}" stroke-width="2"/>',
           f'<path d="{body}" fill="{TEAL8 if not full else colour}" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>',
           f'<path d="M2 6 L10 12 L{w - 12} 12 L{w - 10} 4 Z" fill="{TEAL7}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>']
    if full:
        out.append(f'<path d="M8 14 L{w - 12} 14 L{w - 11} 20 L8 20 Z" fill="{shade}"/>')
    out.append(f'<path d="M12 22 V54" stroke="{WHITE}" stroke-width="3"/>')
    return "".join(out)


def glass_band(i, drink):
    """Band i (0 top .. 3 bottom) of the glass, 21 x 11."""
    out = []
    if drink is not None:
        out.append(f'<rect x="3" y="0" width="15" height="11" fill="{drink}"/>')
    else:
        out.append(f'<rect x="3" y="0" width="15" height="11" fill="{SKY8}"/>')
    out.append(f'<path d="M2 0 V11 M19 0 V11" stroke="{NAVY_INK}" stroke-width="2"/>')
    if i == 0:
        out.append(f'<path d="M1 1 H20" stroke="{NAVY_INK}" stroke-width="2"/>')
    if i == 3:
        out.append(f'<path d="M2 10 H19" stroke="{NAVY_INK}" stroke-width="2"/>')
    out.append(f'<rect x="5" y="1" width="2" height="8" fill="{WHITE}"/>')
    return "".join(out)


def oven_front(door):
    """The oven, 281 x 85: door closed (0), open (2); its body is drawn round the door."""
    out = [f'<rect x="1" y="1" width="279" height="84" rx="4" fill="{RED3}" stroke="{RED_INK}" stroke-width="3"/>',
           f'<rect x="8" y="6" width="265" height="10" fill="{GREY3}"/>']
    for x in (30, 60, 220, 250):
        out.append(f'<circle cx="{x}" cy="11" r="5" fill="{GREY11}" stroke="{GREY_INK}" stroke-width="2"/>')
    if door == 0:
        out.append(f'<rect x="40" y="22" width="201" height="58" rx="6" fill="{RED}" stroke="{RED_INK}" stroke-width="3"/>')
        out.append(f'<rect x="70" y="34" width="141" height="36" rx="4" fill="{GREY1}" stroke="{GREY_INK}" stroke-width="3"/>')
        out.append(f'<rect x="78" y="40" width="40" height="5" fill="{GREY5}"/>')
        out.append(f'<rect x="70" y="25" width="141" height="6" rx="3" fill="{GREY10}" stroke="{GREY_INK}" stroke-width="2"/>')
    else:
        # the open oven: a warm glowing inside with its rack, the door folded down below
        out.append(f'<rect x="40" y="22" width="201" height="50" fill="{DWOOD3}" stroke="{RED_INK}" stroke-width="3"/>')
        out.append(f'<rect x="46" y="26" width="189" height="42" fill="{ORANGE3}"/>')
        out.append(f'<rect x="56" y="30" width="169" height="30" fill="{ORANGE}"/>')
        out.append(f'<rect x="80" y="34" width="120" height="18" fill="{AMBER6}"/>')
        out.append(f'<path d="M46 62 H235" stroke="{GREY7}" stroke-width="3"/>')
        out.append(f'<path d="M30 72 H251 L270 84 H11 Z" fill="{RED}" stroke="{RED_INK}" stroke-width="3" stroke-linejoin="round"/>')
        out.append(f'<rect x="60" y="76" width="161" height="5" fill="{GREY10}"/>')
    return "".join(out)


def oven_half_door():
    """The door half open, 281 x 35, over the open oven's lower part."""
    return (f'<rect x="1" y="0" width="279" height="35" fill="{RED3}" stroke="{RED_INK}" stroke-width="3"/>'
            f'<path d="M40 0 H241 L251 30 H30 Z" fill="{RED}" stroke="{RED_INK}" stroke-width="3" stroke-linejoin="round"/>'
            f'<rect x="70" y="6" width="141" height="16" fill="{GREY1}"/>'
            f'<rect x="66" y="24" width="149" height="5" fill="{GREY10}"/>')


def machine_tray(in_oven):
    """The place under the machine, 119 x 76: the baking tray, or the empty rails."""
    out = [f'<path d="M2 60 L20 74 H117 L117 62 L100 48 Z" fill="{GREY5}"/>']
    if not in_oven:
        out.append(f'<path d="M4 4 L64 2 L116 50 L48 70 Z" fill="{STEEL}" stroke="{GREY_INK}" stroke-width="3" stroke-linejoin="round"/>')
        out.append(f'<path d="M8 8 L62 6 L110 50 L50 66 Z" fill="none" stroke="{COOL8}" stroke-width="2"/>')
    else:
        out.append(f'<path d="M10 20 L112 56 M6 36 L100 68" stroke="{GREY9}" stroke-width="4"/>')
    return "".join(out)


def machine_head_rail():
    return (f'<rect x="1" y="1" width="112" height="22" rx="4" fill="{BLUE}" stroke="{NAVY_INK}" stroke-width="2"/>'
            f'<rect x="4" y="4" width="106" height="5" fill="{BLUE7}"/>')


def machine_arm():
    """The head's nozzle, 54 x 24: cut from the bottom, so a taller cut shows more of its arm."""
    return (f'<rect x="22" y="0" width="12" height="16" fill="{GREY10}" stroke="{GREY_INK}" stroke-width="2"/>'
            f'<path d="M14 14 H42 L34 23 H22 Z" fill="{ORANGE}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')


def cooling_tray():
    """The cooling rack at the left end, 112 x 32."""
    out = [f'<path d="M4 10 L108 2 L111 28 L1 30 Z" fill="{COOL7}" stroke="{GREY_INK}" stroke-width="2" stroke-linejoin="round"/>']
    for x in range(14, 108, 12):
        out.append(f'<path d="M{x} 4 L{x - 3} 29" stroke="{COOL5}" stroke-width="1"/>')
    out.append(f'<path d="M3 18 L110 14" stroke="{COOL5}" stroke-width="1"/>')
    return "".join(out)


def oven_tray():
    """The baking tray seen inside the oven, 124 x 27."""
    return (f'<path d="M8 2 H116 L123 25 H1 Z" fill="{STEEL}" stroke="{GREY_INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'<path d="M10 5 H114" stroke="{COOL8}" stroke-width="2"/>')


def oven_cookies():
    """Little baked cookies on the oven's tray: six pieces from x 112, y 384."""
    out = []
    for (x, y, w, h) in [(0, 0, 27, 10), (27, 0, 26, 10), (53, 0, 24, 11), (77, 0, 27, 5), (77, 5, 27, 6), (104, 0, 22, 6)]:
        out.append(f'<ellipse cx="{x + w / 2:.1f}" cy="{y + h / 2:.1f}" rx="{w / 2 - 2:.1f}" ry="{h / 2 - 0.8:.1f}" '
                   f'fill="{WOOD3}" stroke="{INK}" stroke-width="1"/>')
    return "".join(out)


def row_marker(i):
    """The little arrow under the chosen button of row i (0..2), 16 x 20."""
    c = [ORANGE, GREEN, BLUE][i]
    return f'<path d="M8 2 L15 14 H11 V19 H5 V14 H1 Z" fill="{c}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'


def icon_row(shape, row):
    if row == 1:
        return small_cookie(shape, None)
    if row == 6:
        return small_cookie(shape, "iced")
    spots = [(6, 4), (11, 3), (8, 8), (13, 8), (5, 9)]
    colour = VARIANTS[row - 2] if row < 5 else None
    if row == 5:
        # variants 4 and 5 share the last row: yellow and purple sprinkles
        return small_cookie(shape, spots[:3], YELLOW) + "".join(
            f'<rect x="{x}" y="{y}" width="3" height="2" fill="{PURPLE}"/>' for (x, y) in spots[3:])
    return small_cookie(shape, spots, colour)


def write_kitchgfx():
    parts = []
    parts.append(g(0, 0, oven_front(0)))
    parts.append(g(0, 85, oven_front(2)))
    parts.append(g(0, 170, oven_half_door()))
    for row in (1, 2, 3):
        for c in range(1, 6):
            for lit in (0, 1):
                parts.append(g(c * 24 + 257, row * 30 - 30 + 90 * lit, machine_button(row, c, lit)))
    for s in range(1, 6):
        parts.append(g(401, s * 30 - 30, iced_shape_piece(s)))
    for i in range(3):
        parts.append(g(67 * i, 205, hopper_empty()))
        parts.append(g(67 * i, 267, hopper_content(i)))
    parts.append(g(201, 205, machine_tray(False)))
    parts.append(g(201, 281, machine_tray(True)))
    for (x, w) in ((320, 48), (368, 46)):
        colour, shade = (CREAM8, CREAM5) if x == 320 else (ORANGE, AMBER6)
        parts.append(g(x, 180, jug(w, True, colour, shade)))
        parts.append(g(x, 247, jug(w, False, colour, shade)))
    for base, drink in ((268, None), (180, CREAM8), (224, ORANGE)):
        for i in range(4):
            parts.append(g(414, base + 11 * i, glass_band(i, drink)))
    for s in range(1, 6):
        for row in range(1, 7):
            parts.append(g(320 + 20 * (s - 1), 314 + 15 * (row - 1), icon_row(s, row)))
    parts.append(g(54, 329, machine_head_rail()))
    parts.append(g(0, 329, machine_arm()))
    parts.append(g(168, 329, f'<rect x="0" y="0" width="7" height="4" fill="{GREY11}" stroke="{GREY_INK}" stroke-width="1"/>'))
    parts.append(g(0, 353, cooling_tray()))
    parts.append(g(112, 357, oven_tray()))
    parts.append(g(112, 384, oven_cookies()))
    for i in range(3):
        parts.append(g(238 + 16 * i, 357, row_marker(i)))
    parts.append(g(286, 357, f'<rect x="0" y="0" width="16" height="20" fill="{CREAM6}"/>'))
    write("kitchgfx.svg", svg(436, 404, "".join(parts),
                              "The kitchen's pieces: oven, buttons, hoppers, trays, jugs, glass, icons, machine head."))


def write_hopwork():
    body = "".join(g(0, 23 * i, hopper_strip()) for i in range(3))
    write("hopwork.svg", svg(67, 134, body, "The hoppers' work picture: three funnel strips, then room to build in."))


# ---------------------------------------------------------------------------------------
# Frame strips of the kitchen.

def write_frames():
    # warning lamps under the hoppers: off, blinking red
    lamp = lambda on: (f'<circle cx="9" cy="9" r="7" fill="{RED if on else RED2}" stroke="{INK}" stroke-width="2"/>'
                       + (f'<rect x="6" y="5" width="3" height="3" fill="{RED7}"/>' if on else ""))
    write("kl_lamp.svg", svg(18, 36, g(0, 0, lamp(False)) + g(0, 18, lamp(True)), "A hopper's lamp: off, lit."))
    ovenl = lambda on: (f'<rect x="1" y="3" width="16" height="12" rx="3" fill="{ORANGE if on else WGREY4}" stroke="{INK}" stroke-width="2"/>'
                        f'<rect x="4" y="8" width="10" height="3" fill="{GREY10 if on else WGREY6}"/>')
    write("kl_ovenl.svg", svg(18, 36, g(0, 0, ovenl(False)) + g(0, 18, ovenl(True)), "The tray lamp: the tray is out, in the oven."))
    go = lambda on: (f'<rect x="1" y="1" width="38" height="34" rx="8" fill="{GREEN5 if on else WGREY4}" stroke="{INK}" stroke-width="2"/>'
                     f'<rect x="5" y="4" width="30" height="6" rx="3" fill="{GREEN7 if on else WGREY6}"/>'
                     f'<path d="M14 12 L28 19 L14 26 Z" fill="{WHITE if on else WGREY6}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    write("kl_go.svg", svg(40, 72, g(0, 0, go(False)) + g(0, 36, go(True)), "The GO button: dark, lit."))
    frames = []
    for n in range(6):
        out = [f'<path d="M8 16 H48 V60 Q48 64 44 64 H12 Q8 64 8 60 Z" fill="{SKY8}" stroke="{NAVY_INK}" stroke-width="2"/>',
               f'<rect x="4" y="8" width="48" height="9" rx="3" fill="{RED}" stroke="{RED_INK}" stroke-width="2"/>',
               f'<rect x="22" y="2" width="12" height="7" rx="3" fill="{RED}" stroke="{RED_INK}" stroke-width="2"/>']
        spots = [(14, 48), (30, 50), (22, 38), (38, 40), (16, 28)]
        for (x, y) in spots[:n]:
            out.append(f'<circle cx="{x + 6}" cy="{y + 5}" r="7" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>')
            out.append(f'<rect x="{x + 4}" y="{y + 3}" width="2" height="2" fill="{WOOD2}"/>')
        out.append(f'<path d="M12 20 V56" stroke="{WHITE}" stroke-width="3"/>')
        frames.append(g(0, 66 * n, "".join(out)))
    write("kl_jar.svg", svg(56, 396, "".join(frames), "The cookie jar with 0 to 5 cookies."))
    frames = []
    for n in range(4):
        a = [200, 280, 350, 0][n]
        out = [f'<circle cx="20" cy="22" r="15" fill="{RED if n == 3 else WHITE}" stroke="{INK}" stroke-width="3"/>',
               f'<rect x="16" y="2" width="8" height="5" fill="{GREY7}" stroke="{INK}" stroke-width="1"/>',
               f'<path d="M20 22 L{20 + 10 * math.sin(math.radians(a)):.1f} {22 - 10 * math.cos(math.radians(a)):.1f}" '
               f'stroke="{INK}" stroke-width="3" stroke-linecap="round"/>']
        if n == 3:
            out.append(f'<path d="M2 10 L6 14 M38 10 L34 14 M2 30 L6 28 M38 30 L34 28" stroke="{ORANGE}" stroke-width="3"/>')
        frames.append(g(0, 38 * n, "".join(out)))
    write("kl_timer.svg", svg(40, 152, "".join(frames), "The oven timer: running down, ringing at frame 3."))


# ---------------------------------------------------------------------------------------
# The rooms' pictures.

def write_kitchen():
    W, H = 912, 320
    o = []
    # wall with soft stripes, tiles above the counter, and the floor
    o.append(f'<rect x="0" y="0" width="{W}" height="{H}" fill="{CREAM6}"/>')
    for x in range(0, W, 32):
        o.append(f'<rect x="{x}" y="0" width="14" height="290" fill="{CREAM5}"/>')
    o.append(f'<rect x="0" y="288" width="{W}" height="32" fill="{TAN4}"/>')
    for x in range(0, W, 32):
        for y, shift in ((288, 0), (304, 16)):
            o.append(f'<rect x="{x + shift}" y="{y}" width="16" height="16" fill="{TAN6}"/>')
    o.append(f'<path d="M0 288 H{W}" stroke="{INK}" stroke-width="2"/>')
    # the window at the left end, snow outside
    o.append(f'<rect x="18" y="18" width="150" height="120" fill="{SKY7}" stroke="{INK}" stroke-width="4"/>')
    o.append(f'<path d="M20 110 Q60 96 100 108 Q140 120 166 104 V136 H20 Z" fill="{SNOW}"/>')
    for (x, y) in [(40, 40), (80, 60), (130, 34), (150, 80), (60, 90), (110, 90)]:
        o.append(f'<rect x="{x}" y="{y}" width="4" height="4" fill="{WHITE}"/>')
    o.append(f'<path d="M93 18 V138 M18 78 H168" stroke="{INK}" stroke-width="4"/>')
    o.append(f'<rect x="10" y="136" width="166" height="10" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>')
    # the big plate on the wall where a cookie is eaten
    o.append(f'<circle cx="256" cy="160" r="76" fill="{SKY8}" stroke="{NAVY_INK}" stroke-width="3"/>')
    o.append(f'<circle cx="256" cy="160" r="62" fill="{WHITE}" stroke="{BLUE7}" stroke-width="3"/>')
    # holly round the rim, so it reads as a Christmas plate and not a clock or a window
    for k in range(8):
        a = k * math.pi / 4 + math.pi / 8
        px, py = 256 + 69 * math.cos(a), 160 + 69 * math.sin(a)
        turn = math.degrees(a) + 90
        for side in (-1, 1):
            o.append(f'<ellipse cx="{px + side * 5 * math.cos(math.radians(turn)):.1f}" '
                     f'cy="{py + side * 5 * math.sin(math.radians(turn)):.1f}" rx="5.5" ry="2.8" fill="{GREEN}" '
                     f'stroke="{GREEN2}" stroke-width="1" transform="rotate({turn:.1f} '
                     f'{px + side * 5 * math.cos(math.radians(turn)):.1f} {py + side * 5 * math.sin(math.radians(turn)):.1f})"/>')
        o.append(f'<circle cx="{px:.1f}" cy="{py:.1f}" r="2.5" fill="{RED}" stroke="{RED2}" stroke-width="1"/>')
    # the table at the left end
    o.append(f'<rect x="28" y="244" width="200" height="10" fill="{WOOD4}" stroke="{INK}" stroke-width="3"/>')
    o.append(f'<rect x="40" y="254" width="10" height="36" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>')
    o.append(f'<rect x="206" y="254" width="10" height="36" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>')
    # the stove top behind the oven
    o.append(f'<rect x="175" y="224" width="289" height="14" fill="{GREY5}" stroke="{GREY_INK}" stroke-width="3"/>')
    o.append(f'<rect x="440" y="150" width="16" height="74" fill="{GREY7}" stroke="{GREY_INK}" stroke-width="2"/>')
    # the counter with its cupboard between the oven and the machine
    o.append(f'<rect x="460" y="262" width="136" height="26" fill="{WOOD5}" stroke="{INK}" stroke-width="3"/>')
    o.append(f'<rect x="462" y="254" width="132" height="10" fill="{WOOD4}" stroke="{INK}" stroke-width="3"/>')
    o.append(f'<circle cx="528" cy="276" r="3" fill="{INK}"/>')
    # shelves with the flour sack and the butter; the sugar bag on the counter
    for y in (130, 184):
        o.append(f'<rect x="488" y="{y}" width="100" height="7" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>')
    o.append(f'<path d="M504 130 L502 76 Q508 62 528 66 Q548 62 554 76 L552 130 Z" fill="{CREAM8}" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>')
    o.append(f'<path d="M512 72 Q528 80 544 72" fill="none" stroke="{INK}" stroke-width="2"/>')
    o.append(f'<rect x="512" y="94" width="32" height="20" fill="{BLUE7}" stroke="{NAVY_INK}" stroke-width="2"/>')
    o.append(f'<path d="M518 110 L528 98 L538 110" fill="none" stroke="{WHITE}" stroke-width="3"/>')
    o.append(f'<rect x="508" y="166" width="44" height="18" rx="3" fill="{YELLOW}" stroke="{INK}" stroke-width="3"/>')
    o.append(f'<path d="M506 166 Q530 150 554 166" fill="{SKY8}" stroke="{NAVY_INK}" stroke-width="2"/>')
    o.append(f'<path d="M534 254 L536 212 L546 202 H568 L578 212 L580 254 Z" fill="{WHITE}" stroke="{INK}" stroke-width="3" stroke-linejoin="round"/>')
    o.append(f'<rect x="540" y="222" width="34" height="20" fill="{PURPLE6}" stroke="{INK}" stroke-width="2"/>')
    for (x, y) in [(546, 228), (556, 232), (566, 227)]:
        o.append(f'<rect x="{x}" y="{y}" width="4" height="4" fill="{WHITE}"/>')
    # the cookie machine at the right end
    o.append(f'<rect x="596" y="86" width="310" height="202" rx="10" fill="{RED}" stroke="{RED_INK}" stroke-width="4"/>')
    o.append(f'<rect x="604" y="94" width="122" height="66" rx="6" fill="{RED6}"/>')
    o.append(f'<rect x="734" y="98" width="162" height="182" rx="8" fill="{CREAM6}" stroke="{RED_INK}" stroke-width="3"/>')
    o.append(f'<rect x="594" y="196" width="128" height="92" fill="{GREY3}" stroke="{GREY_INK}" stroke-width="3"/>')
    o.append(f'<rect x="600" y="282" width="116" height="6" fill="{GREY7}"/>')
    # the pipes from the hoppers to the head
    for (x, h) in [(646, 82), (742, 82), (835, 82)]:
        o.append(f'<rect x="{x}" y="78" width="10" height="10" fill="{GREY9}" stroke="{GREY_INK}" stroke-width="2"/>')
    o.append(f'<path d="M651 88 V150 M747 88 V96 M840 88 V96" stroke="{GREY9}" stroke-width="7"/>')
    o.append(f'<path d="M747 96 Q747 104 700 104 H660 V150 M840 96 Q840 100 760 100" fill="none" stroke="{GREY9}" stroke-width="7"/>')
    o.append(f'<rect x="600" y="150" width="118" height="14" fill="{GREY7}" stroke="{GREY_INK}" stroke-width="2"/>')
    # feet and a big cookie painted on its side
    for x in (606, 880):
        o.append(f'<rect x="{x}" y="286" width="20" height="6" fill="{GREY3}" stroke="{GREY_INK}" stroke-width="2"/>')
    write("kitchen.svg", svg(W, H, "".join(o), "The kitchen: window, table, big plate, stove, shelves and counter, the cookie machine."))


def write_trayroom():
    W, H = 512, 320
    o = [f'<rect x="0" y="0" width="{W}" height="{H}" fill="{RED6}"/>']
    # a checked cloth under the tray
    for x in range(0, W, 32):
        for y in range(0, H, 32):
            if (x // 32 + y // 32) % 2 == 0:
                o.append(f'<rect x="{x}" y="{y}" width="32" height="32" fill="{RED7}"/>')
    o.append(f'<rect x="28" y="8" width="456" height="304" rx="14" fill="{GREY7}" stroke="{GREY_INK}" stroke-width="4"/>')
    o.append(f'<rect x="36" y="14" width="440" height="292" rx="10" fill="{STEEL}"/>')
    o.append(f'<path d="M44 20 H468" stroke="{COOL8}" stroke-width="3"/>')
    for (x, y) in [(50, 164), (195, 164), (340, 164), (50, 21), (195, 21), (340, 21)]:
        o.append(f'<ellipse cx="{x + 61}" cy="{y + 72}" rx="58" ry="62" fill="{COOL7}"/>')
    # the way back to the kitchen
    o.append(f'<path d="M472 300 H500 V286 L484 286 L484 280 L468 292 L484 304 L484 298 Z" fill="{YELLOW}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    write("trayroom.svg", svg(W, H, "".join(o), "The baked tray close up, on a checked cloth."))


if __name__ == "__main__":
    write_cookie_sheets()
    write_bite_sheets()
    write_kitchgfx()
    write_hopwork()
    write_frames()
    write_kitchen()
    write_trayroom()
