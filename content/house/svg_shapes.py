# The pieces every room's draw_pictures.py needs the same way: the SVG frame around a
# picture, writing it beside the script, and reading the game's palette. Kept in one place so
# that all rooms' pictures start out alike and a change to the frame reaches every room.
import os


def svg(width, height, body, comment, view=None):
    # view: the drawing's own size when it is drawn larger or smaller than it is shown
    vw, vh = view if view else (width, height)
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {vw} {vh}" shape-rendering="crispEdges">\n'
            f'  <!-- {comment} -->\n{body}</svg>\n')


def writer(folder):
    """write(name, text) for one room: each room's pictures sit beside its own script."""
    def write(name, text):
        with open(os.path.join(folder, name), "w") as f:
            f.write(text)
    return write


def load_palette(path):
    """The palette's colours as (red, green, blue), in index order."""
    colours = []
    for line in open(path):
        parts = line.split()
        if len(parts) >= 3 and all(p.isdigit() for p in parts[:3]):
            colours.append(tuple(int(p) for p in parts[:3]))
    return colours


def hex_colour(rgb):
    return "#%02x%02x%02x" % rgb
