#!/usr/bin/env python3
# Writes the wrapping table's and the show room's SVG pictures in this folder. The SVGs are the
# sources the content build reads; this script keeps the pieces that appear in several of them
# (the papers, ribbons and bows, large and small, on the racks and on the gifts) drawn alike and
# cut exactly where the wrapping room's code takes them. Run it after changing a drawing:
#   python3 content/house/wrap/draw_pictures.py
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer  # noqa: E402
sys.path.insert(0, HERE)
import ttf_widths  # noqa: E402

write = writer(HERE)

# Palette colours (content/palette/zorvik.gpl).
INK = "#2b1a10"; NAVY_INK = "#1a2340"; GREEN_INK = "#143d1e"; RED_INK = "#4a1010"; PLUM_INK = "#3a2a4a"
GREY_INK = "#303030"; WHITE = "#ffffff"; SNOW = "#eef6ff"
RED = "#d82828"; RED2 = "#8a1414"; RED3 = "#b31919"; RED7 = "#f09494"
GOLD1 = "#886e07"; GOLD2 = "#b19009"; GOLD3 = "#dbb10c"; GOLD4 = "#f3c91f"; GOLD7 = "#fae79b"
YELLOW = "#ffd21f"; ORANGE = "#f5891f"
BLUE = "#2f6fdc"; BLUE1 = "#122854"; BLUE2 = "#1a3a7b"; LIGHT_BLUE = "#8cc8ff"; BLUE8 = "#c0d0f2"
SILVER = "#c2c2c2"; SILVER_LIGHT = "#e8e8e8"; GREY6 = "#777777"; GREY9 = "#afafaf"
PURPLE = "#8a4fc8"; PURPLE1 = "#37194d"; PURPLE6 = "#b17fd4"
PINK = "#e04f8b"; PINK1 = "#981b4f"; PINK7 = "#f3b9d1"
GREEN2 = "#1f6b25"; GREEN7 = "#94e09a"; SPRING = "#48e048"
PINE2 = "#1a4e34"; PINE3 = "#246d49"; PINE4 = "#2f8d5e"; PINE5 = "#3aad73"
WOOD1 = "#734f26"; WOOD2 = "#8f6330"; WOOD3 = "#ac7639"; WOOD4 = "#c28948"; WOOD5 = "#cc9c65"; WOOD7 = "#dfc09e"
DARK_WOOD4 = "#643b26"; DARK_WOOD6 = "#8f5436"
CREAM5 = "#f3e6bd"; CREAM6 = "#f6eccd"; CREAM7 = "#f9f2de"; CREAM8 = "#fcf8ee"
SKIN6 = "#e9c6a8"; SKIN3 = "#d59155"
CRIMSON2 = "#7b1a2a"; CRIMSON3 = "#a22238"
TAN3 = "#ac8f53"; TAN6 = "#d2c2a2"

FACES = "/usr/share/fonts/truetype/dejavu"


def g(x, y, body, scale=1.0):
    return f'<g transform="translate({x} {y}) scale({scale})">{body}</g>'


def clip(ident, x, y, w, h):
    return f'<clipPath id="{ident}"><rect x="{x}" y="{y}" width="{w}" height="{h}"/></clipPath>'


# ---------------------------------------------------------------------------------------
# Papers, ribbons, bows: one description each, used large, small and on the racks.
PAPERS = {  # base, pattern colour, pattern
    1: (RED, WHITE, "dots"),
    2: (PINE4, YELLOW, "stars"),
    3: (BLUE, SNOW, "flakes"),
    4: (GOLD4, RED3, "stripes"),
}
RIBBONS = {1: (GOLD3, GOLD1), 2: (SILVER_LIGHT, GREY6), 3: (PINK, PINK1)}  # fill, ink


def star(cx, cy, r, fill):
    pts = []
    import math
    for k in range(10):
        rr = r if k % 2 == 0 else r * 0.45
        a = -math.pi / 2 + k * math.pi / 5
        pts.append(f"{cx + rr * math.cos(a):.1f},{cy + rr * math.sin(a):.1f}")
    return f'<polygon points="{" ".join(pts)}" fill="{fill}"/>'


def pattern(paper, x, y, w, h, unit):
    base, ink, kind = PAPERS[paper]
    out = [f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{base}"/>']
    step = max(4, int(unit * 2.2))
    if kind == "stripes":
        for sx in range(int(x) + step // 3, int(x + w), step):
            out.append(f'<rect x="{sx}" y="{y}" width="{max(1, step // 3)}" height="{h}" fill="{ink}"/>')
        return "".join(out)
    row = 0
    for sy in range(int(y) + step // 2, int(y + h), step):
        off = (step // 2) if row % 2 else 0
        for sx in range(int(x) + step // 3 + off, int(x + w), step):
            if kind == "dots":
                out.append(f'<circle cx="{sx}" cy="{sy}" r="{max(0.8, unit * 0.45):.1f}" fill="{ink}"/>')
            elif kind == "stars":
                out.append(star(sx, sy, max(1.5, unit * 0.7), ink))
            else:
                r = max(1.2, unit * 0.6)
                out.append(f'<path d="M{sx - r:.1f} {sy} H{sx + r:.1f} M{sx} {sy - r:.1f} V{sy + r:.1f} '
                           f'M{sx - r * .7:.1f} {sy - r * .7:.1f} L{sx + r * .7:.1f} {sy + r * .7:.1f} '
                           f'M{sx - r * .7:.1f} {sy + r * .7:.1f} L{sx + r * .7:.1f} {sy - r * .7:.1f}" '
                           f'stroke="{ink}" stroke-width="{max(0.6, unit * 0.22):.1f}"/>')
        row += 1
    return "".join(out)


def lid_height(h):
    return max(4, round(h * 0.2))


def wrapped_box(x, y, w, h, paper, ink_w, ident):
    """A closed box in paper: a lid band a little wider than the box's front."""
    lid = lid_height(h)
    inset = max(1, round(w * 0.012))
    out = [clip(ident + "f", x + inset, y + lid, w - 2 * inset, h - lid),
           clip(ident + "l", x, y, w, lid + 1)]
    unit = max(1.2, h / 16)
    out.append(f'<g clip-path="url(#{ident}f)">{pattern(paper, x, y, w, h, unit)}'
               f'<rect x="{x}" y="{y + lid}" width="{w}" height="{max(1, h // 12)}" fill="#000000" opacity="0.25"/></g>')
    out.append(f'<g clip-path="url(#{ident}l)">{pattern(paper, x, y, w, lid + 1, unit)}</g>')
    sw = ink_w
    out.append(f'<rect x="{x + inset + sw / 2}" y="{y + lid}" width="{w - 2 * inset - sw}" height="{h - lid - sw / 2}" '
               f'fill="none" stroke="{INK}" stroke-width="{sw}"/>')
    out.append(f'<rect x="{x + sw / 2}" y="{y + sw / 2}" width="{w - sw}" height="{lid}" fill="none" '
               f'stroke="{INK}" stroke-width="{sw}"/>')
    return "".join(out)


def open_box(x, y, w, h, ink_w):
    """The bare box, lid off: brown card with its inside showing and tissue paper."""
    lid = lid_height(h)
    inset = max(1, round(w * 0.012))
    sw = ink_w
    out = [f'<rect x="{x + inset}" y="{y + lid}" width="{w - 2 * inset}" height="{h - lid}" fill="{WOOD5}"/>',
           f'<rect x="{x + sw}" y="{y + sw}" width="{w - 2 * sw}" height="{lid + h // 5}" fill="{DARK_WOOD4}"/>']
    # tissue paper puffs at the rim
    n = max(3, w // 30)
    for k in range(n):
        cx = x + (k + 0.5) * w / n
        out.append(f'<ellipse cx="{cx:.1f}" cy="{y + lid + 1}" rx="{w / n / 1.6:.1f}" ry="{max(2, h / 9):.1f}" '
                   f'fill="{CREAM8}" stroke="{TAN6}" stroke-width="{max(0.6, sw / 2):.1f}"/>')
    out.append(f'<rect x="{x + sw / 2}" y="{y + sw / 2}" width="{w - sw}" height="{h - sw}" fill="none" '
               f'stroke="{INK}" stroke-width="{sw}"/>')
    out.append(f'<path d="M{x + inset} {y + lid + h // 5} H{x + w - inset}" stroke="{INK}" stroke-width="{sw}"/>')
    return "".join(out)


def ribbon_band(x, y, w, h, ribbon, ink_w):
    fill, ink = RIBBONS[ribbon]
    lid = lid_height(h)
    band = max(2, round(h * 0.14))
    mid_lid = y + lid / 2 - band / 2
    mid_front = y + lid + (h - lid) / 2 - band / 2
    out = []
    # Round the box and across it, as a child draws a present.
    line = max(0.6, ink_w * 0.6)
    out.append(f'<rect x="{x + w / 2 - band / 2:.1f}" y="{y + ink_w / 2}" width="{band}" height="{h - ink_w}" fill="{fill}" '
               f'stroke="{ink}" stroke-width="{line:.1f}"/>')
    for by in (mid_lid, mid_front):
        out.append(f'<rect x="{x + ink_w / 2}" y="{by:.1f}" width="{w - ink_w}" height="{band}" fill="{fill}" '
                   f'stroke="{ink}" stroke-width="{line:.1f}"/>')
    return "".join(out)


def bow(kind, scale=1.0):
    """Bow 1: big loops and long tails; bow 2: a wide flat bow; bow 3: a round rosette. Drawn at
    scale in the box of its large picture; the knot is at the picture's knot x."""
    s = scale
    if kind == 1:  # 81 x 109, knot (46, 26)
        kx, ky, fill, dark, ink = 46, 26, RED, RED3, RED_INK
        body = (f'<path d="M{kx - 6} {ky + 4} L{kx - 22} 96 L{kx - 12} 90 L{kx - 8} 100 L{kx - 1} {ky + 6} Z" fill="{dark}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx + 4} {ky + 6} L{kx + 24} 92 L{kx + 14} 88 L{kx + 10} 98 L{kx - 1} {ky + 8} Z" fill="{dark}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx} {ky} C{kx - 20} {ky - 26} {kx - 46} {ky - 18} {kx - 40} {ky + 2} C{kx - 36} {ky + 14} {kx - 14} {ky + 10} {kx} {ky} Z" fill="{fill}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx} {ky} C{kx + 20} {ky - 26} {kx + 36} {ky - 18} {kx + 32} {ky + 2} C{kx + 28} {ky + 14} {kx + 14} {ky + 10} {kx} {ky} Z" fill="{fill}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx - 30} {ky - 6} Q{kx - 18} {ky - 12} {kx - 8} {ky - 2}" stroke="{RED7}" stroke-width="3" fill="none"/>'
                f'<ellipse cx="{kx}" cy="{ky + 1}" rx="8" ry="8" fill="{dark}" stroke="{ink}" stroke-width="2.5"/>')
    elif kind == 2:  # 117 x 57, knot (57, 18)
        kx, ky, fill, dark, ink = 57, 18, GOLD4, GOLD2, GOLD1
        body = (f'<path d="M{kx - 4} {ky + 4} L{kx - 26} 52 L{kx - 16} 48 L{kx - 10} 54 L{kx + 2} {ky + 6} Z" fill="{dark}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx + 4} {ky + 4} L{kx + 26} 52 L{kx + 16} 48 L{kx + 10} 54 L{kx - 2} {ky + 6} Z" fill="{dark}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx} {ky} C{kx - 30} {ky - 22} {kx - 58} {ky - 10} {kx - 52} {ky + 6} C{kx - 46} {ky + 16} {kx - 20} {ky + 10} {kx} {ky} Z" fill="{fill}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx} {ky} C{kx + 30} {ky - 22} {kx + 58} {ky - 10} {kx + 52} {ky + 6} C{kx + 46} {ky + 16} {kx + 20} {ky + 10} {kx} {ky} Z" fill="{fill}" stroke="{ink}" stroke-width="2.5"/>'
                f'<path d="M{kx - 40} {ky - 4} Q{kx - 26} {ky - 12} {kx - 10} {ky - 2}" stroke="{GOLD7}" stroke-width="3" fill="none"/>'
                f'<ellipse cx="{kx}" cy="{ky + 1}" rx="9" ry="7" fill="{dark}" stroke="{ink}" stroke-width="2.5"/>')
    else:  # 93 x 42, knot (48, 22)
        kx, ky, fill, dark, ink = 48, 22, BLUE, BLUE2, NAVY_INK
        import math
        petals = []
        for k in range(8):
            a = k * math.pi / 4
            px, py = kx + 30 * math.cos(a), ky + 14 * math.sin(a)
            petals.append(f'<ellipse cx="{px:.1f}" cy="{py:.1f}" rx="15" ry="8" fill="{fill if k % 2 else LIGHT_BLUE}" '
                          f'stroke="{ink}" stroke-width="2.2" transform="rotate({math.degrees(a) * 0.35:.1f} {px:.1f} {py:.1f})"/>')
        body = "".join(petals) + (f'<ellipse cx="{kx}" cy="{ky}" rx="11" ry="9" fill="{dark}" stroke="{ink}" stroke-width="2.5"/>'
                                  f'<circle cx="{kx - 3}" cy="{ky - 3}" r="3" fill="{LIGHT_BLUE}"/>')
    return f'<g transform="scale({s})">{body}</g>'


BOW_LARGE = {1: (0, 0, 81, 109), 2: (81, 0, 198, 57), 3: (198, 0, 291, 42)}
BOW_SMALL = {1: (0, 0, 27, 36), 2: (27, 0, 66, 18), 3: (66, 0, 97, 13)}


def tag(x, y, w, h, hole_left, ink_w):
    """A name tag: cream card with a hole and a red string towards the knot."""
    r = max(1, h * 0.18)
    hx = x + h * 0.5 if hole_left else x + w - h * 0.5
    notch = h * 0.45
    if hole_left:
        d = f"M{x + notch} {y} H{x + w - 1} V{y + h - 1} H{x + notch} L{x + 1} {y + h / 2} Z"
    else:
        d = f"M{x + 1} {y} H{x + w - notch} L{x + w - 1} {y + h / 2} L{x + w - notch} {y + h - 1} H{x + 1} Z"
    out = [f'<path d="{d}" fill="{CREAM7}" stroke="{INK}" stroke-width="{ink_w}" stroke-linejoin="round"/>',
           f'<circle cx="{hx:.1f}" cy="{y + h / 2:.1f}" r="{r:.1f}" fill="{RED}" stroke="{RED_INK}" stroke-width="{max(0.5, ink_w / 2):.1f}"/>']
    # three little "writing" strokes
    lx = x + (h * 1.1 if hole_left else h * 0.4)
    out.append(f'<path d="M{lx:.1f} {y + h * 0.55:.1f} H{lx + w * 0.55:.1f}" stroke="{RED3}" stroke-width="{max(0.8, h * 0.14):.1f}"/>')
    return "".join(out)


# ---------------------------------------------------------------------------------------
# The gift and ribbon pictures: one row per paper (row 0 the open box) or per ribbon.
SIZES = {1: (311, 59), 2: (239, 74), 3: (191, 68)}
SMALL = {1: (105, 20), 2: (81, 25), 3: (65, 23)}
SMALL_GIFT_ROWS = {1: (107, 0), 2: (0, 57), 3: (81, 140)}
SMALL_RIBBON_ROWS = {1: (107, 80), 2: (0, 157), 3: (146, 140)}


def draw_gift_pictures():
    for s, (w, h) in SIZES.items():
        body = [open_box(0, 0, w, h, 2.5)]
        for p in range(1, 5):
            body.append(wrapped_box(0, h * p, w, h, p, 2.5, f"g{s}{p}"))
        write(f"gr_gift{s}.svg", svg(w, h * 5, "\n".join(body),
                                     f"Gifts of size class {s}, {w} x {h} a row: row 0 the open box, rows 1 to 4 "
                                     f"wrapped in papers 1 to 4 (red dots, green stars, blue snowflakes, gold stripes)."))
        rib = [ribbon_band(0, h * (r - 1), w, h, r, 2) for r in range(1, 4)]
        write(f"gr_ribn{s}.svg", svg(w, h * 3, "\n".join(rib),
                                     f"Ribbons 1 to 3 (gold, silver, pink) over a gift of size class {s}, one row each; "
                                     f"the rest is see-through."))


# ---------------------------------------------------------------------------------------
# The contents of an open box and the variant marks.
def train(x, y):  # 239 x 23
    out = []
    for k, colour in enumerate((BLUE, GOLD4, PINE4)):
        cx = x + 10 + k * 78
        out.append(f'<rect x="{cx}" y="{y + 4}" width="64" height="13" rx="2" fill="{colour}" stroke="{INK}" stroke-width="2"/>')
        for wx in (cx + 12, cx + 50):
            out.append(f'<circle cx="{wx}" cy="{y + 18}" r="4" fill="{GREY_INK}" stroke="{INK}" stroke-width="1.5"/>')
    e = x + 168
    out.append(f'<rect x="{e}" y="{y + 1}" width="22" height="16" fill="{RED}" stroke="{INK}" stroke-width="2"/>')
    out.append(f'<rect x="{e + 22}" y="{y + 7}" width="40" height="10" fill="{RED}" stroke="{INK}" stroke-width="2"/>')
    out.append(f'<rect x="{e + 44}" y="{y + 1}" width="7" height="7" fill="{GREY_INK}"/>')
    return "".join(out)


def cards(x, y):  # 111 x 27
    out = []
    for k, colour in enumerate((RED, BLUE, PINE4, GOLD4, PURPLE)):
        cx = x + 4 + k * 21
        out.append(f'<rect x="{cx}" y="{y + 2}" width="18" height="23" rx="2" fill="{WHITE}" stroke="{INK}" stroke-width="2"/>')
        out.append(star(cx + 9, y + 13, 6, colour))
    return "".join(out)


def doll(x, y):  # 196 x 34: the doll lying in its box
    out = [f'<rect x="{x + 60}" y="{y + 8}" width="70" height="20" rx="6" fill="{PINK}" stroke="{INK}" stroke-width="2"/>',
           f'<rect x="{x + 128}" y="{y + 10}" width="56" height="7" rx="3" fill="{SKIN6}" stroke="{INK}" stroke-width="1.5"/>',
           f'<rect x="{x + 128}" y="{y + 19}" width="56" height="7" rx="3" fill="{SKIN6}" stroke="{INK}" stroke-width="1.5"/>',
           f'<rect x="{x + 64}" y="{y + 2}" width="50" height="6" rx="3" fill="{SKIN6}" stroke="{INK}" stroke-width="1.5"/>',
           f'<circle cx="{x + 40}" cy="{y + 17}" r="15" fill="{SKIN6}" stroke="{INK}" stroke-width="2"/>',
           f'<path d="M{x + 25} {y + 14} Q{x + 30} {y} {x + 44} {y + 3} Q{x + 56} {y + 6} {x + 55} {y + 14}" fill="{WOOD2}" stroke="{INK}" stroke-width="2"/>',
           f'<circle cx="{x + 35}" cy="{y + 18}" r="2" fill="{INK}"/><circle cx="{x + 45}" cy="{y + 18}" r="2" fill="{INK}"/>',
           f'<path d="M{x + 35} {y + 24} Q{x + 40} {y + 28} {x + 45} {y + 24}" stroke="{RED3}" stroke-width="1.8" fill="none"/>']
    return "".join(out)


def cookies(x, y):  # 120 x 43
    out = []
    spots = [(20, 28), (50, 30), (80, 28), (104, 30), (35, 14), (65, 14), (92, 14)]
    for k, (cx, cy) in enumerate(spots):
        out.append(f'<circle cx="{x + cx}" cy="{y + cy}" r="12" fill="{WOOD4}" stroke="{INK}" stroke-width="2"/>')
        out.append(f'<circle cx="{x + cx - 4}" cy="{y + cy - 3}" r="2" fill="{DARK_WOOD4}"/>'
                   f'<circle cx="{x + cx + 4}" cy="{y + cy + 2}" r="2" fill="{DARK_WOOD4}"/>'
                   f'<circle cx="{x + cx + 2}" cy="{y + cy - 5}" r="1.8" fill="{[RED, PINK, WHITE][k % 3]}"/>')
    return "".join(out)


def slate_toy(x, y, w, h, ink_w=2):
    """The slate toy: a red frame round a grey drawing board with a sun drawn on it and a pen."""
    f = max(3, round(w * 0.12))
    out = [f'<rect x="{x + 1}" y="{y + 1}" width="{w - 2}" height="{h - 2}" rx="{f}" fill="{RED}" stroke="{RED_INK}" stroke-width="{ink_w}"/>',
           f'<rect x="{x + f}" y="{y + f}" width="{w - 2 * f}" height="{h - 2 * f - f // 2}" fill="{SILVER}" stroke="{GREY_INK}" stroke-width="{max(1, ink_w / 2)}"/>']
    cx, cy, r = x + w * 0.42, y + h * 0.42, min(w, h) * 0.13
    out.append(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="none" stroke="{GREY_INK}" stroke-width="{max(1, ink_w / 2)}"/>')
    for k in range(8):
        import math
        a = k * math.pi / 4
        out.append(f'<path d="M{cx + r * 1.4 * math.cos(a):.1f} {cy + r * 1.4 * math.sin(a):.1f} '
                   f'L{cx + r * 2 * math.cos(a):.1f} {cy + r * 2 * math.sin(a):.1f}" stroke="{GREY_INK}" stroke-width="{max(1, ink_w / 2)}"/>')
    out.append(f'<circle cx="{x + w * 0.3:.1f}" cy="{y + h - f * 0.75:.1f}" r="{max(1.5, f * 0.35):.1f}" fill="{WHITE}" stroke="{RED_INK}"/>'
               f'<circle cx="{x + w * 0.7:.1f}" cy="{y + h - f * 0.75:.1f}" r="{max(1.5, f * 0.35):.1f}" fill="{WHITE}" stroke="{RED_INK}"/>')
    out.append(f'<path d="M{x + w * 0.72:.1f} {y + h * 0.25:.1f} L{x + w * 0.84:.1f} {y + h * 0.62:.1f}" stroke="{GOLD4}" stroke-width="{max(2, ink_w * 1.5)}"/>')
    return "".join(out)


def puzzle(x, y):  # 143 x 30: picture cubes
    out = []
    faces = [RED, GOLD4, BLUE, PINE4, PURPLE, ORANGE]
    for k in range(5):
        cx = x + 6 + k * 27
        out.append(f'<rect x="{cx}" y="{y + 4}" width="24" height="24" fill="{faces[k]}" stroke="{INK}" stroke-width="2"/>')
        out.append(f'<path d="M{cx + 4} {y + 4} L{cx + 8} {y} H{cx + 28} L{cx + 24} {y + 4} Z" fill="{faces[(k + 2) % 6]}" stroke="{INK}" stroke-width="1.5"/>')
        out.append(star(cx + 12, y + 16, 6, WHITE))
    return "".join(out)


MARK_COLOURS = [RED, PINE4, BLUE, GOLD4, PURPLE, PINK, ORANGE]


def mark(x, y, m):  # 10 x 12: a little numbered rosette, each variant its own colour
    return (f'<path d="M{x + 5} {y + 1} L{x + 9} {y + 6} L{x + 5} {y + 11} L{x + 1} {y + 6} Z" fill="{MARK_COLOURS[m]}" '
            f'stroke="{INK}" stroke-width="1.2"/>')


def draw_wrapgfx():
    body = []
    for b, (l, t, r, bt) in BOW_LARGE.items():
        body.append(g(l, t, bow(b)))
    body.append(train(81, 91))
    body.append(cards(178, 144))
    body.append(doll(81, 57))
    body.append(cookies(0, 114))
    body.append(slate_toy(121, 115, 56, 40))
    body.append(puzzle(178, 114))
    for m in range(7):
        body.append(mark(198 + 10 * m, 42, m))
    body.append(tag(0, 157, 88, 15, True, 1.8))
    body.append(tag(88, 157, 88, 15, False, 1.8))
    write("wrapgfx.svg", svg(321, 172, "\n".join(body),
                             "The wrapping table's pieces, cut where the code takes them: bows 1 to 3 at (0, 0), "
                             "(81, 0), (198, 0); the open box's contents for gift kinds 0 to 5; the variant marks at "
                             "(198 + 10 m, 42); the two small tags at (0, 157) and (88, 157). 108 is see-through."))


def draw_wrapsgfx():
    body = []
    for b, (l, t, r, bt) in BOW_SMALL.items():
        body.append(g(l, t, bow(b), scale=1 / 3))
    body.append(tag(1, 52, 28, 5, True, 0.8))
    body.append(tag(29, 52, 28, 5, False, 0.8))
    for s, (w, h) in SMALL.items():
        gx, gy = SMALL_GIFT_ROWS[s]
        for p in range(1, 5):
            body.append(wrapped_box(gx, gy + h * (p - 1), w, h, p, 1.2, f"s{s}{p}"))
        rx, ry = SMALL_RIBBON_ROWS[s]
        for r in range(1, 4):
            body.append(ribbon_band(rx, ry + h * (r - 1), w, h, r, 1))
    write("wrapsgfx.svg", svg(212, 232, "\n".join(body),
                              "The gifts drawn small under the living-room tree: bows at (0, 0), (27, 0), (66, 0); "
                              "tags at (1, 52) and (29, 52); for each size class its four papers and three ribbons, "
                              "one row each. 108 is see-through."))


# ---------------------------------------------------------------------------------------
# The big tag and the greetings of the thirteen tag languages.
TAG_LANGUAGES = [  # greeting, gift-bringer, their rectangles in "polyglot"
    ("Merry Christmas", "Father Christmas", (0, 0, 308, 39), (252, 235, 555, 270)),
    ("Veselé Vánoce", "Ježíšek", (162, 270, 538, 299), (355, 165, 544, 194)),
    ("Glædelig Jul", "Julemanden", (0, 68, 217, 107), (0, 299, 210, 332)),
    ("Vrolijk Kerstfeest", "de Kerstman", (270, 196, 585, 235), (0, 136, 194, 165)),
    ("Merry Christmas", "Santa Claus", (0, 0, 308, 39), (172, 107, 375, 136)),
    ("Joyeux Noël", "Père Noël", (365, 29, 589, 68), (375, 107, 552, 136)),
    ("Frohe Weihnachten", "Christkind", (0, 39, 365, 68), (0, 107, 172, 131)),
    ("Καλά Χριστούγεννα", "Άγιος Βασίλης", (217, 68, 577, 107), (0, 231, 252, 260)),
    ("Buon Natale", "Babbo Natale", (0, 165, 355, 196), (0, 260, 162, 295)),
    ("God Jul", "Julenissen", (210, 299, 345, 334), (345, 299, 498, 332)),
    ("С Рождеством", "Дед Мороз", (194, 136, 570, 165), (0, 332, 153, 354)),
    ("Feliz Navidad", "Papá Noel", (0, 196, 270, 231), (413, 0, 589, 29)),
    ("God Jul", "Jultomten", (210, 299, 345, 334), (308, 0, 413, 29)),
]
TAG_PAPER = CREAM7


def fitted_text(face, face_name, text, rect, colour, weight):
    l, t, r, b = rect
    w, h = r - l, b - t
    size = h * 0.78
    while size > 8 and face.width(text, size) > w - 6:
        size -= 0.5
    tw = face.width(text, size)
    x = l + (w - tw) / 2
    base = t + h / 2 + size * 0.36
    return (f'<text x="{x:.1f}" y="{base:.1f}" font-family="DejaVu Sans" font-weight="{weight}" '
            f'font-size="{size:.1f}" fill="{colour}">{text}</text>')


def draw_polyglot():
    bold = ttf_widths.Face(os.path.join(FACES, "DejaVuSans-Bold.ttf"))
    body = [f'<rect width="589" height="354" fill="{TAG_PAPER}"/>']
    seen = set()
    for greeting, bringer, grect, brect in TAG_LANGUAGES:
        if grect not in seen:
            body.append(fitted_text(bold, "bold", greeting, grect, PINE2, "bold"))
            seen.add(grect)
        if brect not in seen:
            body.append(fitted_text(bold, "bold", bringer, brect, CRIMSON3, "bold"))
            seen.add(brect)
    write("polyglot.svg", svg(589, 354, "\n".join(body).replace('shape-rendering="crispEdges"', ""),
                              "The greetings (green) and gift-bringers (red) of the thirteen tag languages, each "
                              "written in its own language inside the rectangle the big tag cuts, on the tag's "
                              "cream paper."))


def draw_bigtag():
    # Drawn at (7, 24) of the view: the writing area is x 90 to 480 of the view (83 to 473 here).
    w, h = 498, 272
    d = f"M70 4 H{w - 6} Q{w - 2} 4 {w - 2} 12 V{h - 12} Q{w - 2} {h - 4} {w - 6} {h - 4} H70 L6 {h / 2} Z"
    body = [f'<path d="{d}" fill="{TAG_PAPER}" stroke="{INK}" stroke-width="4" stroke-linejoin="round"/>',
            f'<path d="M76 14 H{w - 14} V{h - 14} H76 L20 {h / 2} Z" fill="none" stroke="{CRIMSON3}" '
            f'stroke-width="2" stroke-dasharray="8 5" stroke-linejoin="round"/>',
            f'<circle cx="44" cy="{h / 2}" r="12" fill="{WHITE}" stroke="{INK}" stroke-width="3"/>',
            f'<path d="M44 {h / 2 - 12} Q30 40 0 20" stroke="{RED}" stroke-width="6" fill="none"/>',
            # holly in the corner
            f'<path d="M{w - 60} {h - 40} q10 -22 30 -14 q-6 8 0 14 q-14 6 -30 0 Z" fill="{PINE4}" stroke="{GREEN_INK}" stroke-width="2"/>',
            f'<path d="M{w - 60} {h - 40} q-22 -10 -30 10 q8 2 12 10 q10 -8 18 -20 Z" fill="{PINE4}" stroke="{GREEN_INK}" stroke-width="2"/>',
            f'<circle cx="{w - 62}" cy="{h - 36}" r="5" fill="{RED}" stroke="{RED_INK}" stroke-width="1.5"/>',
            f'<circle cx="{w - 54}" cy="{h - 32}" r="5" fill="{RED}" stroke="{RED_INK}" stroke-width="1.5"/>',
            # "To:" line under the name
            f'<path d="M110 {160} H{w - 40}" stroke="{TAN6}" stroke-width="2"/>']
    write("bigtag.svg", svg(w, h, "\n".join(body),
                            "The big gift tag, drawn at (7, 24) over the view: a cream card with its hole and red "
                            "string; the greeting, the name and the gift-bringer are written on it by the game."))


# ---------------------------------------------------------------------------------------
# The wrapping table's room and its racks.
PANEL = CREAM5
SHELF_Y = 196


def paper_roll(x, y, w, h, paper):
    out = [clip(f"roll{paper}", x, y, w, h),
           f'<g clip-path="url(#roll{paper})">{pattern(paper, x, y, w, h, 4)}</g>',
           f'<rect x="{x + 1}" y="{y}" width="{w - 2}" height="{h}" fill="none" stroke="{INK}" stroke-width="2.5"/>',
           f'<ellipse cx="{x + w / 2}" cy="{y}" rx="{w / 2 - 1}" ry="5" fill="{CREAM8}" stroke="{INK}" stroke-width="2.5"/>',
           f'<ellipse cx="{x + w / 2}" cy="{y}" rx="4" ry="2" fill="{WOOD3}"/>',
           # the loose end curling out at the bottom
           f'<path d="M{x + w - 1} {y + h - 30} q14 6 10 24 l-10 6 Z" fill="{PAPERS[paper][0]}" stroke="{INK}" stroke-width="2"/>']
    return "".join(out)


def spool(x, y, ribbon):
    fill, ink = RIBBONS[ribbon]
    return (f'<rect x="{x + 16}" y="{y}" width="4" height="10" fill="{WOOD1}"/>'
            f'<rect x="{x}" y="{y + 10}" width="36" height="8" rx="2" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
            f'<rect x="{x + 4}" y="{y + 18}" width="28" height="24" fill="{fill}" stroke="{ink}" stroke-width="2"/>'
            f'<path d="M{x + 8} {y + 22} H{x + 28} M{x + 8} {y + 30} H{x + 28} M{x + 8} {y + 38} H{x + 28}" stroke="{ink}" stroke-width="1"/>'
            f'<rect x="{x}" y="{y + 42}" width="36" height="8" rx="2" fill="{WOOD3}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M{x + 30} {y + 30} q10 14 2 32 l8 -2 q6 -18 -4 -30 Z" fill="{fill}" stroke="{ink}" stroke-width="2"/>')


def scissors(x, y):
    return (f'<path d="M{x + 14} {y + 30} L{x + 54} {y + 6} L{x + 58} {y + 10} L{x + 22} {y + 34} Z" fill="{SILVER}" stroke="{GREY_INK}" stroke-width="2.5"/>'
            f'<path d="M{x + 14} {y + 18} L{x + 56} {y + 40} L{x + 52} {y + 44} L{x + 20} {y + 26} Z" fill="{SILVER_LIGHT}" stroke="{GREY_INK}" stroke-width="2.5"/>'
            f'<circle cx="{x + 10}" cy="{y + 14}" r="8" fill="none" stroke="{RED}" stroke-width="5"/>'
            f'<circle cx="{x + 10}" cy="{y + 36}" r="8" fill="none" stroke="{RED}" stroke-width="5"/>'
            f'<circle cx="{x + 24}" cy="{y + 26}" r="3" fill="{GREY_INK}"/>')


def hook(x, y):
    return (f'<rect x="{x - 5}" y="{y + 1}" width="10" height="6" fill="{WOOD2}" stroke="{INK}" stroke-width="1.5"/>'
            f'<path d="M{x} {y + 7} V{y + 15} q0 6 -6 6" stroke="{GREY_INK}" stroke-width="3" fill="none"/>')


RACK_BOW = {1: (330, 8), 2: (390, 8), 3: (450, 8)}   # frame sets 56 x 70
TAG_RACK = (412, 130)                               # 90 x 60
SLATE_AT = (178, 104)                               # 92 x 90
SCISSORS_AT = (440, 204)


def tag_rack(x, y, full):
    out = [f'<rect x="{x}" y="{y}" width="90" height="60" fill="{PANEL}"/>',
           f'<rect x="{x + 6}" y="{y + 26}" width="78" height="32" fill="{WOOD3}" stroke="{INK}" stroke-width="2.5"/>',
           f'<path d="M{x + 6} {y + 36} H{x + 84}" stroke="{WOOD1}" stroke-width="2"/>']
    tags = 3 if full else 2
    for k in range(tags):
        out.append(tag(x + 10 + k * 6, y + 6 + k * 7, 64, 16, True, 2))
    return "".join(out)


def draw_wraproom():
    body = [f'<rect width="512" height="320" fill="{CREAM7}"/>']
    for x in range(6, 512, 28):
        body.append(f'<rect x="{x}" y="0" width="10" height="206" fill="{CREAM6}"/>')
        body.append(star(x + 19, 14 + (x % 56), 4, RED7))
    # the pegboard behind the bows and the tags: one flat colour the rack frames repeat
    body.append(f'<rect x="322" y="2" width="188" height="192" rx="6" fill="{PANEL}" stroke="{WOOD2}" stroke-width="3"/>')
    for bx, by in RACK_BOW.values():
        body.append(hook(bx + 28, by))
    # the ribbon rod
    body.append(f'<rect x="152" y="10" width="164" height="6" rx="3" fill="{WOOD2}" stroke="{INK}" stroke-width="2"/>')
    for r, x in ((1, 160), (2, 214), (3, 268)):
        body.append(spool(x, 16, r))
    # the paper rolls in their stand
    body.append(f'<rect x="4" y="178" width="146" height="28" fill="{WOOD3}" stroke="{INK}" stroke-width="2.5"/>')
    for p, x in ((1, 10), (2, 44), (3, 78), (4, 112)):
        body.append(paper_roll(x, 30 + (p % 2) * 14, 30, 160 - (p % 2) * 14, p))
    body.append(f'<rect x="4" y="186" width="146" height="20" fill="{WOOD4}" stroke="{INK}" stroke-width="2.5"/>')
    # the slate toy's shelf
    sx, sy = SLATE_AT
    body.append(f'<rect x="{sx - 8}" y="{sy + 90}" width="108" height="10" fill="{WOOD3}" stroke="{INK}" stroke-width="2.5"/>')
    body.append(f'<rect x="{sx}" y="{sy}" width="92" height="90" fill="{PANEL}"/>')
    # the table
    body.append(f'<rect x="0" y="206" width="512" height="14" fill="{WOOD2}" stroke="{INK}" stroke-width="2"/>')
    body.append(f'<rect x="0" y="220" width="512" height="100" fill="{WOOD4}"/>')
    for y in (240, 262, 284, 306):
        body.append(f'<path d="M0 {y} H512" stroke="{WOOD3}" stroke-width="2"/>')
    body.append(scissors(*SCISSORS_AT))
    body.append(f'<text x="446" y="270" font-family="DejaVu Sans" font-weight="bold" font-size="11" fill="{WOOD1}"></text>')
    write("wraproom.svg", svg(512, 320, "\n".join(body),
                              "The wrapping table: paper rolls 1 to 4 at the left, ribbon spools 1 to 3 on the rod, "
                              "the bow hooks and the tag box on the pegboard, the slate toy's shelf, the big table "
                              "where the gift lies and the scissors that undo a step."))


def draw_racks():
    for b, (bx, by) in RACK_BOW.items():
        l, t, r, bt = BOW_LARGE[b]
        bw, bh = r - l, bt - t
        scale = min(50 / bw, 52 / bh)
        frames = []
        for f in range(2):
            y0 = 70 * f
            frames.append(f'<rect x="0" y="{y0}" width="56" height="70" fill="{PANEL}"/>')
            frames.append(hook(28, y0))
            if f == 1:
                frames.append(g(28 - bw * scale / 2, y0 + 16, bow(b), scale))
        write(f"wrbow{b}.svg", svg(56, 140, "\n".join(frames),
                                   f"Bow {b} on its hook: frame 0 the hook alone (the bow is on the gift), frame 1 the "
                                   f"bow hanging there."))
    tx, ty = TAG_RACK
    write("wrtag.svg", svg(90, 120, tag_rack(0, 0, False) + g(0, 60, tag_rack(0, 0, True)),
                           "The tag box: frame 0 one tag taken (the gift wears it), frame 1 all tags in the box."))
    sx, sy = SLATE_AT
    toy = (f'<rect x="0" y="90" width="92" height="90" fill="{PANEL}"/>' + slate_toy(8, 112, 76, 64, 2.5))
    write("wrslate.svg", svg(92, 180, f'<rect x="0" y="0" width="92" height="90" fill="{PANEL}"/>' + toy,
                             "The slate toy on its shelf: frame 0 the shelf empty (the toy is on the table), "
                             "frame 1 the toy standing there."))
    away = (f'<rect x="0" y="0" width="92" height="90" fill="{PANEL}"/>'
            f'<rect x="14" y="22" width="64" height="50" rx="4" fill="{WHITE}" stroke="{INK}" stroke-width="2.5"/>'
            f'<path d="M24 60 L52 32" stroke="{GREY6}" stroke-width="7" stroke-linecap="round"/>'
            f'<circle cx="56" cy="30" r="9" fill="{GREY6}"/><circle cx="60" cy="26" r="5" fill="{WHITE}"/>'
            f'<path d="M46 16 L46 24 M40 18 L52 18" stroke="{RED}" stroke-width="0"/>'
            f'<rect x="40" y="10" width="12" height="14" fill="{RED}" stroke="{INK}" stroke-width="1.5"/>')
    write("wrslrep.svg", svg(92, 180, away,
                             "Over the slate toy's shelf: frame 0 a card with a spanner (the toy is being mended "
                             "in the workshop), frame 1 nothing at all, so the shelf shows through."))


def draw_showroom():
    w, h = 514, 322
    body = [f'<rect width="{w}" height="{h}" fill="{BLUE1}"/>']
    for k in range(0, w, 36):
        body.append(f'<path d="M{k} 0 q18 {h / 2} 0 {h}" stroke="{BLUE2}" stroke-width="14" fill="none"/>')
    # A spotlight from above onto a round stage; the code centres the gift in the play area,
    # so every size of gift stands with its bottom (y 190 to 198) on the stage's top.
    cx, top, rx, ry, depth = w / 2, 198, 186, 24, 34
    body.append(f'<path d="M{cx - 44} 0 H{cx + 44} L{cx + rx - 6} {top} H{cx - rx + 6} Z" fill="{PURPLE1}"/>')
    body.append(f'<path d="M{cx - 28} 0 H{cx + 28} L{cx + rx - 40} {top} H{cx - rx + 40} Z" fill="{BLUE2}"/>')
    body.append(f'<path d="M{cx - rx} {top} V{top + depth} A{rx} {ry} 0 0 0 {cx + rx} {top + depth} V{top} Z" '
                f'fill="{CRIMSON2}" stroke="{RED_INK}" stroke-width="3"/>')
    body.append(f'<path d="M{cx - rx + 2} {top + depth - 8} A{rx - 2} {ry} 0 0 0 {cx + rx - 2} {top + depth - 8}" '
                f'fill="none" stroke="{GOLD3}" stroke-width="3"/>')
    body.append(f'<ellipse cx="{cx}" cy="{top}" rx="{rx}" ry="{ry}" fill="{CRIMSON3}" stroke="{RED_INK}" stroke-width="3"/>')
    body.append(f'<ellipse cx="{cx}" cy="{top}" rx="{rx - 50}" ry="{ry - 8}" fill="{RED3}"/>')
    import random
    rnd = random.Random(7)
    for _ in range(40):
        x, y = rnd.randrange(8, w - 8), rnd.randrange(8, h - 8)
        beam = abs(x - w / 2) < 50 + y * 0.8 and y < 236
        if not beam and not (y > 160 and abs(x - w / 2) < 200):
            body.append(star(x, y, rnd.choice((3, 4, 5)), rnd.choice((GOLD4, WHITE, GOLD7))))
    write("showroom.svg", svg(w, h, "\n".join(body),
                              "The show room, the whole play area: a starry curtain with a soft light in the middle, "
                              "where the gift picked under the tree is shown large."))


if __name__ == "__main__":
    draw_gift_pictures()
    draw_wrapgfx()
    draw_wrapsgfx()
    draw_polyglot()
    draw_bigtag()
    draw_wraproom()
    draw_racks()
    draw_showroom()
