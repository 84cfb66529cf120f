#!/usr/bin/env python3
# Writes the slate room's SVG pictures in this folder: the eight colouring pages (coloured and
# unfilled twins), the four sticker sheets (drawn once; the manifest renders each at full and
# at half size), the panel's button faces, the sticker icons, the wells, the buttons and the
# room. Stickers and pages are drawn once here and reused for faces and icons, so they always
# look alike. Region outlines use palette index 40 and unfilled regions index 217, as the
# slate's code expects; the region seeds are found from the rendered pictures by the slatemap
# tool. Run it after changing a drawing:
#   python3 content/house/slate/draw_pictures.py
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
PALETTE = os.path.join(HERE, "..", "..", "palette", "zorvik.gpl")
sys.path.insert(0, os.path.dirname(HERE))  # the helpers all rooms share
from svg_shapes import svg, writer, load_palette, hex_colour  # noqa: E402

write = writer(HERE)

PAL = [hex_colour(rgb) for rgb in load_palette(PALETTE)]


def C(i):
    return PAL[i]


INK = C(40)        # region outlines
PAPER = C(217)     # unfilled regions
FILL_OFF = False   # set while drawing the unfilled twins


def F(i):
    """A region's fill: its colour, or the unfilled paper while drawing a twin."""
    return PAPER if FILL_OFF else C(i)


SW = 4  # outline width of stickers at full size (two pixels at half size)

# Named colours (palette indices).
RED, RED_D, RED_L = 16, 18, 39
ORANGE, YELLOW, GOLD = 11, 241, 51
GREEN, GREEN_D, GREEN_L, PINE = 53, 66, 84, 75
BLUE, BLUE_L, SKY, NAVY = 12, 89, 99, 114
PURPLE, LAV, PINK, PINK_L = 47, 14, 148, 229
BROWN, WOOD, WOOD_L, TAN = 233, 187, 179, 101
WHITE, SNOW, GREY, GREY_L = 255, 13, 246, 250
SKIN, CREAM, BLACKISH = 157, 205, 243


def st(sw):
    return f'stroke="{INK}" stroke-width="{sw:.2f}" stroke-linejoin="round"'


class Pen:
    """Shapes in one local frame, each a closed region outlined in ink."""

    def __init__(self, sw=SW):
        self.sw = sw
        self.out = []

    def circle(self, cx, cy, r, fill):
        self.out.append(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{F(fill)}" {st(self.sw)}/>')

    def ellipse(self, cx, cy, rx, ry, fill):
        self.out.append(f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{rx:.1f}" ry="{ry:.1f}" fill="{F(fill)}" {st(self.sw)}/>')

    def rect(self, x, y, w, h, fill, rx=0):
        self.out.append(f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" rx="{rx:.1f}" '
                        f'fill="{F(fill)}" {st(self.sw)}/>')

    def poly(self, pts, fill):
        p = " ".join(f"{x:.1f},{y:.1f}" for x, y in pts)
        self.out.append(f'<polygon points="{p}" fill="{F(fill)}" {st(self.sw)}/>')

    def path(self, d, fill):
        self.out.append(f'<path d="{d}" fill="{F(fill)}" {st(self.sw)}/>')

    def dot(self, cx, cy, r):
        # eyes and buttons: solid ink, no region
        self.out.append(f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" fill="{INK}"/>')

    def line(self, x1, y1, x2, y2):
        self.out.append(f'<line x1="{x1:.1f}" y1="{y1:.1f}" x2="{x2:.1f}" y2="{y2:.1f}" {st(self.sw)}/>')

    def text(self):
        return "\n".join(self.out)


def star_points(cx, cy, r1, r2, n=5, turn=-90):
    import math
    pts = []
    for i in range(2 * n):
        a = math.radians(turn + i * 180 / n)
        r = r1 if i % 2 == 0 else r2
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# ---------------------------------------------------------------------------------------
# The stickers, each drawn in a w x h box (its cut on the sheet) with a small margin.

def snowman(p, w, h):
    p.circle(w * .5, h * .72, w * .40, WHITE)
    p.circle(w * .5, h * .36, w * .28, WHITE)
    p.rect(w * .26, h * .02, w * .48, h * .14, BLACKISH, 2)
    p.rect(w * .16, h * .14, w * .68, h * .06, BLACKISH)
    p.rect(w * .24, h * .52, w * .52, h * .07, RED, 3)
    p.poly([(w * .5, h * .36), (w * .72, h * .40), (w * .5, h * .43)], ORANGE)
    p.dot(w * .41, h * .31, 3); p.dot(w * .59, h * .31, 3)
    p.dot(w * .5, h * .70, 3); p.dot(w * .5, h * .82, 3)


def xmas_tree(p, w, h):
    p.rect(w * .42, h * .82, w * .16, h * .15, BROWN)
    p.poly([(w * .5, h * .30), (w * .95, h * .84), (w * .05, h * .84)], GREEN)
    p.poly([(w * .5, h * .14), (w * .84, h * .56), (w * .16, h * .56)], GREEN)
    p.poly(star_points(w * .5, h * .12, w * .13, w * .06), YELLOW)
    p.circle(w * .35, h * .70, w * .06, RED)
    p.circle(w * .65, h * .66, w * .06, BLUE)
    p.circle(w * .50, h * .45, w * .06, PURPLE)


def teddy(p, w, h):
    p.circle(w * .30, h * .16, w * .11, BROWN)
    p.circle(w * .70, h * .16, w * .11, BROWN)
    p.ellipse(w * .5, h * .70, w * .30, h * .27, BROWN)
    p.circle(w * .5, h * .34, w * .24, BROWN)
    p.ellipse(w * .5, h * .74, w * .16, h * .15, TAN)
    p.ellipse(w * .5, h * .42, w * .10, h * .08, TAN)
    p.circle(w * .18, h * .62, w * .09, BROWN)
    p.circle(w * .82, h * .62, w * .09, BROWN)
    p.dot(w * .42, h * .30, 3); p.dot(w * .58, h * .30, 3); p.dot(w * .5, h * .40, 3)


def star(p, w, h):
    p.poly(star_points(w * .5, h * .54, min(w, h) * .47, min(w, h) * .21), YELLOW)
    p.circle(w * .5, h * .54, min(w, h) * .11, ORANGE)


def bell(p, w, h):
    p.path(f"M{w*.5:.1f} {h*.08:.1f} C{w*.80:.1f} {h*.08:.1f} {w*.80:.1f} {h*.45:.1f} {w*.84:.1f} {h*.62:.1f} "
           f"L{w*.95:.1f} {h*.80:.1f} L{w*.05:.1f} {h*.80:.1f} L{w*.16:.1f} {h*.62:.1f} "
           f"C{w*.20:.1f} {h*.45:.1f} {w*.20:.1f} {h*.08:.1f} {w*.5:.1f} {h*.08:.1f} Z", GOLD)
    p.circle(w * .5, h * .88, w * .10, GOLD)
    p.rect(w * .20, h * .60, w * .60, h * .08, RED)


def santa_hat(p, w, h):
    p.path(f"M{w*.12:.1f} {h*.78:.1f} C{w*.25:.1f} {h*.10:.1f} {w*.70:.1f} {h*.02:.1f} {w*.86:.1f} {h*.40:.1f} "
           f"L{w*.80:.1f} {h*.78:.1f} Z", RED)
    p.circle(w * .86, h * .42, h * .13, WHITE)
    p.rect(w * .04, h * .70, w * .84, h * .24, WHITE, 8)


def gift(p, w, h):
    p.rect(w * .10, h * .34, w * .80, h * .60, RED)
    p.rect(w * .44, h * .34, w * .12, h * .60, YELLOW)
    p.ellipse(w * .36, h * .20, w * .14, h * .14, YELLOW)
    p.ellipse(w * .64, h * .20, w * .14, h * .14, YELLOW)


def gingerbread(p, w, h):
    p.path(f"M{w*.5:.1f} {h*.28:.1f} L{w*.90:.1f} {h*.40:.1f} L{w*.88:.1f} {h*.52:.1f} L{w*.66:.1f} {h*.50:.1f} "
           f"L{w*.78:.1f} {h*.93:.1f} L{w*.60:.1f} {h*.95:.1f} L{w*.5:.1f} {h*.72:.1f} L{w*.40:.1f} {h*.95:.1f} "
           f"L{w*.22:.1f} {h*.93:.1f} L{w*.34:.1f} {h*.50:.1f} L{w*.12:.1f} {h*.52:.1f} L{w*.10:.1f} {h*.40:.1f} Z",
           WOOD_L)
    p.circle(w * .5, h * .18, w * .16, WOOD_L)
    p.circle(w * .5, h * .46, w * .04, RED)
    p.circle(w * .5, h * .58, w * .04, GREEN)
    p.dot(w * .44, h * .15, 4); p.dot(w * .56, h * .15, 4)
    p.rect(w * .42, h * .22, w * .16, h * .02, PINK)


def house(p, w, h):
    p.rect(w * .66, h * .06, w * .10, h * .26, BROWN)
    p.rect(w * .14, h * .44, w * .72, h * .52, TAN)
    p.poly([(w * .5, h * .06), (w * .96, h * .46), (w * .04, h * .46)], RED)
    p.rect(w * .42, h * .64, w * .16, h * .32, BROWN)
    p.rect(w * .20, h * .56, w * .16, h * .16, BLUE_L)
    p.rect(w * .64, h * .56, w * .16, h * .16, BLUE_L)


def bauble(p, w, h):
    p.rect(w * .40, h * .06, w * .20, h * .16, GOLD)
    p.circle(w * .5, h * .58, w * .38, RED)
    p.rect(w * .15, h * .52, w * .70, h * .10, WHITE)


def engine(p, w, h):
    p.rect(w * .06, h * .32, w * .58, h * .42, RED)
    p.rect(w * .62, h * .12, w * .30, h * .62, BLUE)
    p.rect(w * .68, h * .20, w * .18, h * .20, BLUE_L)
    p.rect(w * .14, h * .08, w * .12, h * .26, BLACKISH)
    p.circle(w * .22, h * .80, h * .16, GREY)
    p.circle(w * .50, h * .80, h * .16, GREY)
    p.circle(w * .78, h * .80, h * .16, GREY)


def sleigh(p, w, h):
    p.path(f"M{w*.10:.1f} {h*.20:.1f} L{w*.30:.1f} {h*.20:.1f} L{w*.36:.1f} {h*.50:.1f} L{w*.80:.1f} {h*.50:.1f} "
           f"L{w*.88:.1f} {h*.26:.1f} L{w*.96:.1f} {h*.26:.1f} L{w*.88:.1f} {h*.76:.1f} L{w*.20:.1f} {h*.76:.1f} Z", RED)
    p.rect(w * .10, h * .84, w * .84, h * .08, GOLD, 4)
    p.rect(w * .42, h * .08, w * .30, h * .38, GREEN)


def sweet(p, w, h):
    p.poly([(w * .04, h * .20), (w * .30, h * .50), (w * .04, h * .80)], YELLOW)
    p.poly([(w * .96, h * .20), (w * .70, h * .50), (w * .96, h * .80)], YELLOW)
    p.ellipse(w * .5, h * .5, w * .24, h * .36, PINK)


def drum(p, w, h):
    p.rect(w * .14, h * .30, w * .72, h * .56, RED)
    p.ellipse(w * .5, h * .30, w * .36, h * .14, CREAM)
    p.rect(w * .14, h * .78, w * .72, h * .10, GOLD)
    p.rect(w * .30, h * .04, w * .04, h * .26, WOOD)
    p.rect(w * .64, h * .04, w * .04, h * .26, WOOD)


def boat(p, w, h):
    p.poly([(w * .04, h * .62), (w * .96, h * .62), (w * .80, h * .94), (w * .18, h * .94)], BLUE)
    p.poly([(w * .50, h * .04), (w * .50, h * .54), (w * .14, h * .54)], WHITE)
    p.poly([(w * .56, h * .14), (w * .86, h * .54), (w * .56, h * .54)], YELLOW)


def penguin(p, w, h):
    p.ellipse(w * .5, h * .55, w * .36, h * .40, BLACKISH)
    p.ellipse(w * .5, h * .60, w * .24, h * .32, WHITE)
    p.circle(w * .5, h * .22, w * .22, BLACKISH)
    p.ellipse(w * .5, h * .25, w * .13, h * .08, WHITE)
    p.poly([(w * .44, h * .30), (w * .56, h * .30), (w * .5, h * .37)], ORANGE)
    p.ellipse(w * .36, h * .95, w * .12, h * .04, ORANGE)
    p.ellipse(w * .64, h * .95, w * .12, h * .04, ORANGE)


def sun(p, w, h):
    p.poly(star_points(w * .5, h * .5, min(w, h) * .48, min(w, h) * .32, 12), ORANGE)
    p.circle(w * .5, h * .5, min(w, h) * .28, YELLOW)
    p.dot(w * .42, h * .45, 4); p.dot(w * .58, h * .45, 4)


def bow(p, w, h):
    p.poly([(w * .5, h * .5), (w * .06, h * .08), (w * .06, h * .92)], RED)
    p.poly([(w * .5, h * .5), (w * .94, h * .08), (w * .94, h * .92)], RED)
    p.circle(w * .5, h * .5, h * .22, RED_D)


def wreath(p, w, h):
    p.circle(w * .5, h * .5, min(w, h) * .44, GREEN)
    p.circle(w * .5, h * .5, min(w, h) * .22, WHITE)
    p.poly([(w * .5, h * .80), (w * .30, h * .96), (w * .34, h * .74)], RED)
    p.poly([(w * .5, h * .80), (w * .70, h * .96), (w * .66, h * .74)], RED)
    for cx, cy in ((.30, .30), (.72, .34), (.22, .60), (.78, .62)):
        p.circle(w * cx, h * cy, min(w, h) * .05, RED)


def car(p, w, h):
    p.path(f"M{w*.04:.1f} {h*.45:.1f} L{w*.25:.1f} {h*.42:.1f} L{w*.36:.1f} {h*.10:.1f} L{w*.70:.1f} {h*.10:.1f} "
           f"L{w*.82:.1f} {h*.42:.1f} L{w*.96:.1f} {h*.48:.1f} L{w*.96:.1f} {h*.78:.1f} L{w*.04:.1f} {h*.78:.1f} Z", BLUE)
    p.rect(w * .39, h * .18, w * .12, h * .22, BLUE_L)
    p.rect(w * .55, h * .18, w * .12, h * .22, BLUE_L)
    p.circle(w * .25, h * .80, h * .16, GREY)
    p.circle(w * .75, h * .80, h * .16, GREY)


def cloud(p, w, h):
    p.path(f"M{w*.12:.1f} {h*.90:.1f} C{w*-.02:.1f} {h*.90:.1f} {w*.02:.1f} {h*.45:.1f} {w*.22:.1f} {h*.50:.1f} "
           f"C{w*.24:.1f} {h*.10:.1f} {w*.55:.1f} {h*.02:.1f} {w*.62:.1f} {h*.35:.1f} "
           f"C{w*.80:.1f} {h*.20:.1f} {w*1.0:.1f} {h*.45:.1f} {w*.88:.1f} {h*.90:.1f} Z", WHITE)


def pencil(p, w, h):
    p.rect(w * .14, h * .15, w * .66, h * .70, YELLOW)
    p.rect(w * .02, h * .15, w * .12, h * .70, PINK)
    p.poly([(w * .80, h * .15), (w * .98, h * .5), (w * .80, h * .85)], TAN)


def candle(p, w, h):
    p.rect(w * .28, h * .34, w * .44, h * .62, RED)
    p.path(f"M{w*.5:.1f} {h*.04:.1f} C{w*.72:.1f} {h*.18:.1f} {w*.66:.1f} {h*.30:.1f} {w*.5:.1f} {h*.30:.1f} "
           f"C{w*.34:.1f} {h*.30:.1f} {w*.28:.1f} {h*.18:.1f} {w*.5:.1f} {h*.04:.1f} Z", YELLOW)
    p.rect(w * .20, h * .86, w * .60, h * .10, GOLD)


def heart(p, w, h):
    p.path(f"M{w*.5:.1f} {h*.92:.1f} L{w*.10:.1f} {h*.50:.1f} C{w*-.05:.1f} {h*.25:.1f} {w*.30:.1f} {h*.02:.1f} "
           f"{w*.5:.1f} {h*.28:.1f} C{w*.70:.1f} {h*.02:.1f} {w*1.05:.1f} {h*.25:.1f} {w*.90:.1f} {h*.50:.1f} Z", RED)


def flower(p, w, h):
    for cx, cy in ((.5, .22), (.78, .42), (.66, .76), (.34, .76), (.22, .42)):
        p.circle(w * cx, h * cy, w * .18, PINK)
    p.circle(w * .5, h * .52, w * .17, YELLOW)


def fish(p, w, h):
    p.poly([(w * .70, h * .5), (w * .96, h * .14), (w * .96, h * .86)], ORANGE)
    p.ellipse(w * .42, h * .5, w * .36, h * .36, YELLOW)
    p.dot(w * .26, h * .42, 3)


def owl(p, w, h):
    p.ellipse(w * .5, h * .56, w * .40, h * .40, BROWN)
    p.poly([(w * .14, h * .32), (w * .22, h * .08), (w * .40, h * .22)], BROWN)
    p.poly([(w * .86, h * .32), (w * .78, h * .08), (w * .60, h * .22)], BROWN)
    p.ellipse(w * .5, h * .70, w * .24, h * .22, TAN)
    p.circle(w * .34, h * .36, w * .14, WHITE)
    p.circle(w * .66, h * .36, w * .14, WHITE)
    p.dot(w * .34, h * .36, 5); p.dot(w * .66, h * .36, 5)
    p.poly([(w * .45, h * .46), (w * .55, h * .46), (w * .5, h * .55)], ORANGE)


def candy_cane(p, w, h):
    p.path(f"M{w*.60:.1f} {h*.97:.1f} L{w*.60:.1f} {h*.22:.1f} C{w*.60:.1f} {h*.10:.1f} {w*.30:.1f} {h*.10:.1f} "
           f"{w*.30:.1f} {h*.20:.1f} L{w*.06:.1f} {h*.20:.1f} C{w*.06:.1f} {h*-.03:.1f} {w*.94:.1f} {h*-.03:.1f} "
           f"{w*.94:.1f} {h*.22:.1f} L{w*.94:.1f} {h*.97:.1f} Z", WHITE)
    for y in (.32, .52, .72):
        p.rect(w * .60, h * y, w * .34, h * .08, RED)


def scarf(p, w, h):
    p.rect(w * .04, h * .14, w * .92, h * .72, RED, 6)
    for x in (.22, .46, .70):
        p.rect(w * x, h * .14, w * .10, h * .72, WHITE)


def sled(p, w, h):
    p.rect(w * .10, h * .20, w * .80, h * .34, WOOD)
    p.path(f"M{w*.04:.1f} {h*.70:.1f} L{w*.90:.1f} {h*.70:.1f} C{w*1.0:.1f} {h*.70:.1f} {w*1.0:.1f} {h*.40:.1f} "
           f"{w*.92:.1f} {h*.40:.1f} L{w*.92:.1f} {h*.88:.1f} L{w*.04:.1f} {h*.88:.1f} Z", RED)


def mug(p, w, h):
    p.rect(w * .06, h * .22, w * .64, h * .72, BLUE, 5)
    p.path(f"M{w*.70:.1f} {h*.36:.1f} L{w*.90:.1f} {h*.36:.1f} L{w*.90:.1f} {h*.70:.1f} L{w*.70:.1f} {h*.70:.1f} "
           f"L{w*.70:.1f} {h*.60:.1f} L{w*.80:.1f} {h*.60:.1f} L{w*.80:.1f} {h*.46:.1f} L{w*.70:.1f} {h*.46:.1f} Z", BLUE)
    p.ellipse(w * .38, h * .22, w * .32, h * .08, BROWN)


def snow_globe(p, w, h):
    p.rect(w * .14, h * .80, w * .72, h * .16, WOOD, 4)
    p.circle(w * .5, h * .44, w * .40, BLUE_L)
    p.poly([(w * .5, h * .22), (w * .68, h * .62), (w * .32, h * .62)], GREEN)
    p.rect(w * .14, h * .62, w * .72, h * .10, WHITE)


def mitten(p, w, h):
    p.path(f"M{w*.22:.1f} {h*.80:.1f} L{w*.18:.1f} {h*.30:.1f} C{w*.18:.1f} {h*.02:.1f} {w*.78:.1f} {h*.02:.1f} "
           f"{w*.78:.1f} {h*.30:.1f} L{w*.80:.1f} {h*.40:.1f} L{w*.94:.1f} {h*.34:.1f} L{w*.96:.1f} {h*.52:.1f} "
           f"L{w*.80:.1f} {h*.66:.1f} L{w*.80:.1f} {h*.80:.1f} Z", GREEN)
    p.rect(w * .14, h * .78, w * .72, h * .18, WHITE, 4)


def rocket(p, w, h):
    p.poly([(w * .20, h * .70), (w * .06, h * .94), (w * .32, h * .86)], RED)
    p.poly([(w * .80, h * .70), (w * .94, h * .94), (w * .68, h * .86)], RED)
    p.path(f"M{w*.5:.1f} {h*.03:.1f} C{w*.86:.1f} {h*.25:.1f} {w*.76:.1f} {h*.70:.1f} {w*.70:.1f} {h*.88:.1f} "
           f"L{w*.30:.1f} {h*.88:.1f} C{w*.24:.1f} {h*.70:.1f} {w*.14:.1f} {h*.25:.1f} {w*.5:.1f} {h*.03:.1f} Z", GREY_L)
    p.circle(w * .5, h * .40, w * .14, BLUE_L)


# Map index -> drawing (indices 8..39, four sheets of eight).
STICKERS = {
    8: snowman, 9: xmas_tree, 10: teddy, 11: star, 12: bell, 13: santa_hat, 14: gift, 15: gingerbread,
    16: house, 17: bauble, 18: engine, 19: sleigh, 20: sweet, 21: drum, 22: boat, 23: penguin,
    24: sun, 25: bow, 26: wreath, 27: car, 28: cloud, 29: pencil, 30: candle, 31: heart,
    32: flower, 33: fish, 34: owl, 35: candy_cane, 36: scarf, 37: sled, 38: mug, 39: snow_globe,
}

CUTS = {
    8: (168, 131, 261, 260), 9: (174, 0, 267, 131), 10: (0, 304, 138, 425), 11: (76, 0, 174, 94),
    12: (0, 0, 76, 98), 13: (138, 323, 271, 391), 14: (168, 260, 259, 323), 15: (0, 98, 168, 304),
    16: (0, 214, 212, 395), 17: (212, 259, 257, 304), 18: (0, 395, 175, 507), 19: (175, 395, 327, 493),
    20: (212, 203, 324, 259), 21: (0, 80, 159, 214), 22: (0, 0, 142, 80), 23: (159, 0, 316, 203),
    24: (154, 0, 298, 144), 25: (154, 266, 271, 316), 26: (0, 0, 154, 152), 27: (0, 152, 226, 265),
    28: (0, 266, 154, 344), 29: (0, 344, 135, 385), 30: (226, 144, 296, 257), 31: (154, 316, 199, 361),
    32: (150, 0, 215, 65), 33: (150, 66, 222, 120), 34: (54, 158, 185, 333), 35: (0, 158, 53, 350),
    36: (0, 392, 160, 436), 37: (54, 334, 223, 392), 38: (160, 392, 216, 458), 39: (0, 0, 149, 158),
}

SHEETS = {"sltobjs1": (8, 272, 426), "sltobjs2": (16, 328, 508), "sltobjs5": (24, 298, 386), "sltobjs6": (32, 224, 458)}
MARGIN = 4


def sticker_group(index, x, y, w, h, sw):
    """The sticker drawn into the box (x, y, w, h), keeping a margin inside the box."""
    pen = Pen(sw)
    iw, ih = w - 2 * MARGIN, h - 2 * MARGIN
    STICKERS[index](pen, iw, ih)
    return f'<g transform="translate({x + MARGIN:.2f},{y + MARGIN:.2f})">\n{pen.text()}\n</g>\n'


def scaled_sticker(index, x, y, size, sw):
    """The sticker fitted into a square, for faces and icons."""
    l, t, r, b = CUTS[index]
    w, h = r - l, b - t
    k = size / max(w, h)
    ox, oy = x + (size - w * k) / 2, y + (size - h * k) / 2
    return (f'<g transform="translate({ox:.2f},{oy:.2f}) scale({k:.4f})">\n'
            f'{sticker_group(index, 0, 0, w, h, sw / k)}</g>\n')


def write_sheets():
    for name, (first, width, height) in SHEETS.items():
        body = ""
        for index in range(first, first + 8):
            l, t, r, b = CUTS[index]
            body += sticker_group(index, l, t, r - l, b - t, SW)
        write(name + ".svg", svg(width, height, body, f"stickers {first}..{first + 7}; cut where the slate's code cuts"))


# ---------------------------------------------------------------------------------------
# The colouring pages, 376 x 225, outlined in ink with every region closed.

PSW = 3


def page_body(number):
    p = Pen(PSW)
    W, H = 376, 225
    # Ink under everything: no pixel of the page is left see-through.
    p.out.append(f'<rect x="0" y="0" width="{W}" height="{H}" fill="{INK}"/>')
    def place(index, x, y, w, h):
        pen = Pen(PSW)
        STICKERS[index](pen, w, h)
        p.out.append(f'<g transform="translate({x},{y})">\n{pen.text()}\n</g>')
    if number == 1:  # a snowman in the snow, trees and the sun
        p.rect(1.5, 1.5, W - 3, 150, SKY)
        p.path("M1.5 150 C90 120 200 170 374.5 130 L374.5 223.5 L1.5 223.5 Z", WHITE)
        place(24, 290, 12, 70, 70)
        place(9, 20, 60, 70, 110)
        place(9, 300, 90, 60, 95)
        place(8, 140, 60, 100, 150)
    elif number == 2:  # a house in the snow
        p.rect(1.5, 1.5, W - 3, 160, SKY)
        p.rect(1.5, 160, W - 3, 63.5, WHITE)
        place(16, 90, 20, 200, 180)
        place(28, 10, 14, 90, 46)
        place(9, 300, 100, 60, 95)
    elif number == 3:  # the Christmas tree with presents
        p.rect(1.5, 1.5, W - 3, 170, LAV)
        p.rect(1.5, 170, W - 3, 53.5, WOOD)
        place(9, 110, 4, 150, 190)
        place(14, 40, 160, 80, 56)
        place(14, 260, 150, 90, 66)
        place(17, 10, 30, 40, 40)
        place(17, 320, 30, 40, 40)
    elif number == 4:  # the fireplace with stockings
        p.rect(1.5, 1.5, W - 3, 222, PINK_L)
        p.rect(60, 40, 256, 24, WOOD)
        p.rect(70, 64, 236, 160, RED_D)
        p.rect(120, 110, 136, 114, BLACKISH)
        p.path("M150 224 C150 170 188 190 188 140 C200 180 226 170 226 224 Z", ORANGE)
        place(30, 80, 4, 30, 38)
        place(30, 266, 4, 30, 38)
        for x in (84, 266):
            p.path(f"M{x} 66 L{x + 24} 66 L{x + 24} 110 L{x + 40} 118 L{x + 30} 134 L{x} 120 Z", GREEN)
    elif number == 5:  # a train in the hills
        p.rect(1.5, 1.5, W - 3, 222, SKY)
        p.path("M1.5 140 C80 60 160 120 220 90 C280 60 340 100 374.5 80 L374.5 223.5 L1.5 223.5 Z", GREEN_L)
        p.rect(1.5, 190, W - 3, 14, WOOD)
        place(18, 120, 100, 160, 100)
        place(28, 20, 10, 100, 50)
        place(24, 300, 10, 60, 60)
    elif number == 6:  # the sleigh under the moon and stars
        p.rect(1.5, 1.5, W - 3, 222, NAVY)
        p.path("M1.5 180 C120 150 250 190 374.5 160 L374.5 223.5 L1.5 223.5 Z", WHITE)
        p.circle(300, 50, 30, YELLOW)
        for cx, cy in ((40, 40), (120, 30), (200, 60), (80, 100)):
            p.poly(star_points(cx, cy, 14, 6), YELLOW)
        place(19, 110, 110, 160, 100)
    elif number == 7:  # a gingerbread friend and sweets on the table
        p.rect(1.5, 1.5, W - 3, 150, PINK_L)
        p.rect(1.5, 150, W - 3, 73.5, TAN)
        p.ellipse(188, 175, 150, 40, WHITE)
        place(15, 130, 10, 120, 180)
        place(20, 20, 160, 90, 45)
        place(20, 270, 165, 90, 45)
        place(31, 30, 30, 50, 50)
        place(31, 300, 30, 50, 50)
    else:  # the toy shelf
        p.rect(1.5, 1.5, W - 3, 222, BLUE_L)
        p.rect(1.5, 110, W - 3, 14, WOOD)
        p.rect(1.5, 206, W - 3, 17.5, WOOD)
        place(10, 20, 2, 100, 106)
        place(21, 140, 30, 90, 78)
        place(32, 260, 40, 66, 68)
        place(27, 20, 140, 150, 64)
        place(23, 210, 126, 60, 80)
        place(38, 300, 150, 50, 56)
    return p.text()


def write_pages():
    global FILL_OFF
    for number in range(1, 9):
        FILL_OFF = False
        write(f"sltbg{number}.svg", svg(376, 225, page_body(number), f"colouring page {number}, coloured"))
        FILL_OFF = True
        write(f"sltbg{number}m.svg", svg(376, 225, page_body(number), f"colouring page {number}, every region unfilled"))
    FILL_OFF = False


# ---------------------------------------------------------------------------------------
# Panel pieces.

def write_faces():
    # Columns: odd unlit, even unlit, odd lit, even lit (30 x 27 each); rows: the page's two
    # backgrounds (buttons 1-2, 3-4), then its stickers two by two.
    global FILL_OFF
    for page in range(1, 5):
        body = ""
        for col in range(4):
            lit = col >= 2
            even = col % 2 == 1
            x0 = col * 30
            for row in range(6):
                y0 = row * 27
                body += f'<rect x="{x0}" y="{y0}" width="30" height="27" fill="{C(207 if lit else 215)}"/>\n'
                if row < 2:
                    bg = (page - 1) * 2 + row + 1
                    FILL_OFF = not even
                    body += (f'<g transform="translate({x0 + 1},{y0 + 1}) scale({28 / 376:.5f},{25 / 225:.5f})">\n'
                             f'{page_body(bg)}\n</g>\n')
                    FILL_OFF = False
                else:
                    n = 5 + (row - 2) * 2 + (1 if even else 0)
                    index = 8 * page + n - 5
                    body += scaled_sticker(index, x0 + 3, y0 + 1, 25, 2.0)
        write(f"btnface{page}.svg", svg(120, 162, body, f"panel faces of page {page}"))


def write_icons():
    # 19 x 19 icons, four to a row: rows 0-7 plain, rows 8-15 selected.
    body = ""
    for selected in (False, True):
        for v in range(32):
            x0, y0 = (v % 4) * 19, (v // 4 + (8 if selected else 0)) * 19
            body += f'<rect x="{x0}" y="{y0}" width="19" height="19" fill="{C(110 if selected else 223)}"/>\n'
            if selected:
                body += f'<rect x="{x0 + 0.5}" y="{y0 + 0.5}" width="18" height="18" fill="none" stroke="{C(125)}"/>\n'
            body += scaled_sticker(v + 8, x0 + 2, y0 + 2, 15, 1.2)
    write("smslticn.svg", svg(76, 304, body, "sticker icons, plain and selected"))


WELLS_NORMAL = [16, 11, 241, 53, 12, 47, 15, 233]
WELLS_BRIGHT = [39, 242, 10, 84, 89, 14, 229, 101]


def write_wells():
    # Rows (39 high): bright, bright chosen, normal, normal chosen; eight pots of paint.
    body = ""
    for row, (colours, chosen) in enumerate(((WELLS_BRIGHT, False), (WELLS_BRIGHT, True),
                                             (WELLS_NORMAL, False), (WELLS_NORMAL, True))):
        for n, colour in enumerate(colours):
            x, y = n * 43, row * 39
            body += f'<rect x="{x}" y="{y}" width="43" height="39" fill="{C(182 if chosen else 188)}"/>\n'
            if chosen:
                body += f'<rect x="{x + 1.5}" y="{y + 1.5}" width="40" height="36" rx="5" fill="none" stroke="{C(241)}" stroke-width="3"/>\n'
            body += (f'<ellipse cx="{x + 21.5}" cy="{y + 22}" rx="15" ry="11" fill="{C(colour)}" stroke="{C(1)}" stroke-width="2"/>\n'
                     f'<ellipse cx="{x + 16}" cy="{y + 18}" rx="4" ry="2.5" fill="{C(255)}"/>\n')
    write("colbtns.svg", svg(344, 156, body, "colour wells: bright, bright chosen, normal, normal chosen"))


def write_button():
    body = ""
    for y, face, edge in ((0, 215, 211), (39, 241, 49)):
        body += (f'<rect x="0" y="{y}" width="42" height="39" fill="{C(184)}"/>\n'
                 f'<rect x="2" y="{y + 2}" width="38" height="35" rx="5" fill="{C(edge)}"/>\n'
                 f'<rect x="5" y="{y + 5}" width="32" height="29" rx="2" fill="{C(face)}"/>\n')
    write("slatebtn.svg", svg(42, 78, body, "panel button frame, unlit and lit"))


def icon_frames(name, comment, draw):
    # Three frames of 30 x 24: the state-1 look, the state-2 look, then disabled.
    body = ""
    for frame in range(3):
        y = frame * 24
        face = (207, 241, 118)[frame]
        body += f'<rect x="0" y="{y}" width="30" height="24" fill="{C(185)}"/>\n'
        body += f'<rect x="0" y="{y}" width="30" height="24" rx="4" fill="{C(face)}" stroke="{C(1)}" stroke-width="2"/>\n'
        body += draw(y, frame)
    write(name + ".svg", svg(30, 72, body, comment))


def write_tools():
    def eraser(y, frame):
        ink = C(246) if frame == 2 else C(40)
        return (f'<polygon points="6,{y+15} 16,{y+5} 25,{y+12} 15,{y+21}" fill="{C(229) if frame < 2 else C(250)}" stroke="{ink}" stroke-width="2"/>\n'
                f'<polygon points="6,{y+15} 11,{y+10} 20,{y+17} 15,{y+21}" fill="{C(12) if frame < 2 else C(250)}" stroke="{ink}" stroke-width="2"/>\n')

    def flop(y, frame):
        ink = C(246) if frame == 2 else C(40)
        left, right = (C(16), C(255)) if frame == 0 else (C(255), C(16))
        if frame == 2: left = right = C(250)
        return (f'<polygon points="14,{y+4} 14,{y+20} 4,{y+20}" fill="{left}" stroke="{ink}" stroke-width="2"/>\n'
                f'<polygon points="16,{y+4} 16,{y+20} 26,{y+20}" fill="{right}" stroke="{ink}" stroke-width="2"/>\n')

    def half(y, frame):
        ink = C(246) if frame == 2 else C(40)
        fill = C(53) if frame < 2 else C(250)
        big = f'<rect x="4" y="{y+4}" width="14" height="16" fill="{fill}" stroke="{ink}" stroke-width="2"/>\n'
        small = f'<rect x="19" y="{y+11}" width="7" height="9" fill="{fill}" stroke="{ink}" stroke-width="2"/>\n'
        if frame == 1:
            big = big.replace(fill, C(255)); small = small.replace(fill, C(53))
        return big + small

    icon_frames("slteras", "eraser: enabled, enabled, disabled", eraser)
    icon_frames("sltflop", "mirror: plain, mirrored, disabled", flop)
    icon_frames("slthalf", "size: full, half, disabled", half)


def write_switches():
    # BRIGHT: frame 0 bright (sun), frame 1 normal (moon); 38 x 39.
    body = ""
    for frame in range(2):
        y = frame * 39
        body += f'<rect x="0" y="{y}" width="38" height="39" fill="{C(185)}"/>\n'
        body += f'<rect x="0" y="{y}" width="38" height="39" rx="5" fill="{C(188)}" stroke="{C(1)}" stroke-width="2"/>\n'
        if frame == 0:
            body += f'<polygon points="{" ".join(f"{x:.1f},{yy + y:.1f}" for x, yy in star_points(19, 19.5, 15, 9, 8))}" fill="{C(241)}" stroke="{C(1)}" stroke-width="1.5"/>\n'
            body += f'<circle cx="19" cy="{y + 19.5}" r="7" fill="{C(10)}" stroke="{C(1)}" stroke-width="1.5"/>\n'
        else:
            body += f'<circle cx="19" cy="{y + 19.5}" r="12" fill="{C(216)}" stroke="{C(1)}" stroke-width="1.5"/>\n'
            body += f'<circle cx="24" cy="{y + 15}" r="10" fill="{C(188)}"/>\n'
    write("sltbrite.svg", svg(38, 78, body, "brightness switch: bright, normal"))
    # SLIDE: the page number 1..4 as dots, 44 x 26 each.
    body = ""
    for page in range(4):
        y = page * 26
        body += f'<rect x="0" y="{y}" width="44" height="26" fill="{C(185)}"/>\n'
        body += f'<rect x="0" y="{y}" width="44" height="26" rx="4" fill="{C(184)}"/>\n'
        for k in range(4):
            colour = C(241) if k == page else C(187)
            body += f'<circle cx="{8 + k * 9.5:.1f}" cy="{y + 13}" r="{4 if k == page else 3}" fill="{colour}" stroke="{C(1)}" stroke-width="1"/>\n'
    write("sltslide.svg", svg(44, 104, body, "page indicator, pages 1 to 4"))


def write_room():
    body = (f'<rect x="0" y="0" width="512" height="320" fill="{C(190)}"/>\n'
            # wood grain stripes
            + "".join(f'<rect x="0" y="{y}" width="512" height="2" fill="{C(189)}"/>\n' for y in range(8, 320, 22))
            # the slate's frame and the slate
            + f'<rect x="5" y="5" width="396" height="245" rx="8" fill="{C(186)}" stroke="{C(1)}" stroke-width="2"/>\n'
            + f'<rect x="13" y="13" width="380" height="229" fill="{C(1)}"/>\n'
            + f'<rect x="15" y="15" width="376" height="225" fill="{C(217)}"/>\n'
            # the panel
            + f'<rect x="400" y="12" width="100" height="275" rx="6" fill="{C(185)}" stroke="{C(1)}" stroke-width="2"/>\n'
            + f'<rect x="400" y="286" width="108" height="32" rx="6" fill="{C(185)}" stroke="{C(1)}" stroke-width="2"/>\n'
            + f'<polygon points="426,292 426,312 410,302" fill="{C(241)}" stroke="{C(1)}" stroke-width="2"/>\n'
            + f'<polygon points="484,292 484,312 500,302" fill="{C(241)}" stroke="{C(1)}" stroke-width="2"/>\n'
            # the icon strip and the tool tray
            + f'<rect x="106" y="250" width="289" height="23" fill="{C(1)}"/>\n'
            + f'<rect x="108" y="252" width="285" height="19" fill="{C(62)}"/>\n'
            + f'<rect x="8" y="249" width="96" height="27" rx="4" fill="{C(185)}"/>\n'
            + f'<rect x="46" y="274" width="350" height="45" rx="6" fill="{C(185)}" stroke="{C(1)}" stroke-width="2"/>\n')
    write("slateroom.svg", svg(512, 320, body, "the slate room: the slate in its frame, the panel, the wells"))


if __name__ == "__main__":
    write_sheets()
    write_pages()
    write_faces()
    write_icons()
    write_wells()
    write_button()
    write_tools()
    write_switches()
    write_room()
