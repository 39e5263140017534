#!/usr/bin/env python3
"""Draws the program's bitmaps into resources/artwork/ and its desktop icon into packaging/icons/
(run it after changing the look).

One palette around the skin colour: string 0 holds FBD591 in the platform's 0x00BBGGRR order,
that is sky blue 91D5FB. A blue frame, light buttons whose dark captions the program draws in at
run time, navy icons with a blue accent.
"""

import os
import sys

from raster import (Canvas, arc_points, circle, clamp, hex_colour, mix, polygon, rounded_rect,
                    strokes, subtract, union, vertical_gradient)
from stroke_font import text_polylines, text_width

SKIN = hex_colour("91D5FB")
FRAME_EDGE = hex_colour("104E7A")
FRAME_RIM = hex_colour("C2EBFF")
FRAME_DEEP = hex_colour("57B2E9")
NAVY = hex_colour("0A2C4A")
DEEP_BLUE = hex_colour("125A8A")
ACCENT = hex_colour("2A9BE3")
FACE_TOP = hex_colour("EEFAFF")
FACE_BOTTOM = hex_colour("9BD9F5")
BUTTON_BORDER = hex_colour("1E7AB0")
WHITE = hex_colour("FFFFFF")
PAPER = hex_colour("F7FDFF")

BAND = 40  # the skin pieces' band width; the window's corners are ellipses of twice that


def frame_colour(depth):
    """The frame seen at `depth` pixels inside the window's outer edge."""
    if depth < 1.6:
        return FRAME_EDGE
    if depth < 4.5:
        return mix(FRAME_RIM, FRAME_DEEP, (depth - 1.6) / 2.9)
    return mix(FRAME_DEEP, SKIN, ((depth - 4.5) / 13.0) ** 0.8)


def band(width, height, depth_of):
    canvas = Canvas(width, height)
    for y in range(height):
        for x in range(width):
            canvas.blend(x, y, frame_colour(depth_of(x + 0.5, y + 0.5)), 1.0)
    return canvas


def corner(centre_x, centre_y):
    canvas = Canvas(BAND, BAND)
    for y in range(BAND):
        for x in range(BAND):
            depth = BAND - ((x + 0.5 - centre_x) ** 2 + (y + 0.5 - centre_y) ** 2) ** 0.5
            canvas.blend(x, y, frame_colour(max(depth, 0.0)), clamp(depth + 0.5))
    return canvas


def skin_pieces():
    return {
        "BG_TOP": band(8, BAND, lambda x, y: y),
        "BG_BOTTOM": band(8, BAND, lambda x, y: BAND - y),
        "BG_LEFT": band(BAND, 8, lambda x, y: x),
        "BG_RIGHT": band(BAND, 8, lambda x, y: BAND - x),
        "BG_TOPLEFT": corner(BAND, BAND),
        "BG_TOPRIGHT": corner(0, BAND),
        "BG_BOTTOMLEFT": corner(BAND, 0),
        "BG_BOTTOMRIGHT": corner(0, 0),
    }


# Buttons ----------------------------------------------------------------------------------------

def button_face(width, height):
    # Opaque on the skin colour: the caption is ANDed into the whole bitmap, which would turn
    # transparent corners black.
    canvas = Canvas(width, height, SKIN)
    canvas.fill(rounded_rect(0, 0, width, height, 10), BUTTON_BORDER)
    canvas.fill(rounded_rect(1.3, 1.3, width - 1.3, height - 1.3, 8.8),
                vertical_gradient(0, height, FACE_TOP, FACE_BOTTOM))
    canvas.fill(rounded_rect(3, 2.4, width - 3, 3.6, 0.6), hex_colour("FFFFFF", 0.8))
    return canvas


def icon_open(canvas, cx, cy):
    back = polygon([(cx - 13, cy - 9), (cx - 5, cy - 9), (cx - 2, cy - 6), (cx + 11, cy - 6),
                    (cx + 11, cy + 9), (cx - 13, cy + 9)])
    canvas.fill(back, DEEP_BLUE, (cx - 14, cy - 10, cx + 12, cy + 10))
    front = polygon([(cx - 10, cy - 2), (cx + 15, cy - 2), (cx + 11, cy + 9), (cx - 13, cy + 9)])
    canvas.fill(front, ACCENT, (cx - 14, cy - 3, cx + 16, cy + 10))
    canvas.fill(strokes([[(cx - 10, cy - 2), (cx + 15, cy - 2)]], 1.2), hex_colour("A8E3FF"),
                (cx - 11, cy - 4, cx + 16, cy))


def icon_save(canvas, cx, cy):
    body = subtract(rounded_rect(cx - 11, cy - 11, cx + 11, cy + 11, 2.5),
                    polygon([(cx + 6, cy - 12), (cx + 12, cy - 12), (cx + 12, cy - 6)]))
    canvas.fill(body, DEEP_BLUE, (cx - 12, cy - 12, cx + 12, cy + 12))
    canvas.fill(rounded_rect(cx - 6, cy - 11, cx + 5, cy - 3, 1), hex_colour("D2E1E8"))
    canvas.fill(rounded_rect(cx + 1, cy - 9.5, cx + 3.5, cy - 4.5, 0.5), DEEP_BLUE)
    canvas.fill(rounded_rect(cx - 7.5, cy + 1, cx + 7.5, cy + 9.5, 1.2), ACCENT)
    canvas.fill(strokes([[(cx - 5, cy + 4), (cx + 5, cy + 4)], [(cx - 5, cy + 6.8),
                                                                (cx + 3, cy + 6.8)]], 1.1),
                hex_colour("D6F2FF"), (cx - 6, cy + 3, cx + 6, cy + 8))


def icon_print(canvas, cx, cy):
    canvas.fill(rounded_rect(cx - 7, cy - 12, cx + 7, cy - 2, 1), PAPER)
    canvas.fill(subtract(rounded_rect(cx - 7.8, cy - 12.8, cx + 7.8, cy - 2, 1.5),
                         rounded_rect(cx - 6.6, cy - 11.6, cx + 6.6, cy, 0.8)), DEEP_BLUE)
    canvas.fill(rounded_rect(cx - 13, cy - 4, cx + 13, cy + 7, 3), DEEP_BLUE)
    canvas.fill(circle(cx + 9, cy - 0.5, 1.3), hex_colour("9BE37A"))
    canvas.fill(rounded_rect(cx - 7, cy + 3, cx + 7, cy + 12, 1), PAPER)
    canvas.fill(subtract(rounded_rect(cx - 7.8, cy + 2.2, cx + 7.8, cy + 12.8, 1.5),
                         rounded_rect(cx - 6.6, cy + 3.4, cx + 6.6, cy + 11.6, 0.8)), DEEP_BLUE)
    canvas.fill(strokes([[(cx - 4, cy + 6.5), (cx + 4, cy + 6.5)], [(cx - 4, cy + 9),
                                                                  (cx + 2, cy + 9)]], 1.0), ACCENT)


def icon_help(canvas, cx, cy):
    canvas.fill(circle(cx, cy, 12), DEEP_BLUE)
    canvas.fill(circle(cx, cy, 10.3), ACCENT)
    hook = arc_points(cx, cy - 3.5, 4.3, 4.0, 160, -60, 16) + [(cx, cy + 2.2), (cx, cy + 3.4)]
    canvas.fill(strokes([hook], 2.8), WHITE, (cx - 7, cy - 10, cx + 7, cy + 6))
    canvas.fill(circle(cx, cy + 7.2, 1.8), WHITE)


def transfer_icon(canvas, cx, cy, downwards, k=1.2):
    """A memory chip with an arrow: into the computer (read) or into the device (write)."""
    chip = rounded_rect(cx - 9 * k, cy - 8 * k, cx + 9 * k, cy + 6 * k, 2 * k)
    pins = [[(cx + dx * k, cy - 11 * k), (cx + dx * k, cy + 9 * k)] for dx in (-6, -2, 2, 6)]
    canvas.fill(strokes(pins, 1.6 * k), DEEP_BLUE, (cx - 9 * k, cy - 13 * k, cx + 9 * k, cy + 11 * k))
    canvas.fill(chip, NAVY)
    canvas.fill(circle(cx - 5.5 * k, cy - 4.5 * k, 1.3 * k), hex_colour("559AC8"))
    arrow_x = cx + 17 * k
    tip, tail = (cy + 10 * k, cy - 9 * k) if downwards else (cy - 11 * k, cy + 8 * k)
    head = 5 * k if downwards else -5 * k
    canvas.fill(strokes([[(arrow_x, tail), (arrow_x, tip - head)]], 3.4 * k), ACCENT,
                (arrow_x - 4 * k, cy - 14 * k, arrow_x + 4 * k, cy + 14 * k))
    canvas.fill(polygon([(arrow_x - 6 * k, tip - head), (arrow_x + 6 * k, tip - head),
                         (arrow_x, tip + head * 0.35)]), ACCENT,
                (arrow_x - 7 * k, cy - 16 * k, arrow_x + 7 * k, cy + 16 * k))


def toolbar_button(icon):
    canvas = button_face(145, 42)
    icon(canvas, 25, 21)
    return canvas


def transfer_button(downwards):
    canvas = button_face(145, 65)
    transfer_icon(canvas, 62, 18.5, downwards)
    return canvas


def caption_button(width, glyph, top, bottom, border):
    canvas = Canvas(width, 25)
    canvas.fill(rounded_rect(1, 1, width - 1, 24, 5.5), border)
    canvas.fill(rounded_rect(2.2, 2.2, width - 2.2, 22.8, 4.5), vertical_gradient(2, 23, top, bottom))
    canvas.fill(strokes(glyph, 2.6), WHITE)
    return canvas


# Logo -------------------------------------------------------------------------------------------

def emblem(x0, y0, s):
    """The microphone emblem of the maker's mark, 52 units square from (2, 5) at scale `s`, as
    drawing steps (kind, geometry, paint) that both the bitmaps and the SVG icon are made from."""
    mic_x, mic_y = x0 + 28 * s, y0 + 25 * s
    stand = arc_points(mic_x, mic_y - s, 10 * s, 11 * s, 200, 340, 20)
    steps = [
        ("rect", (x0 + 2 * s, y0 + 5 * s, x0 + 54 * s, y0 + 57 * s, 11 * s),
         ("gradient", y0 + 5 * s, y0 + 57 * s, hex_colour("4AB4F3"), DEEP_BLUE)),
        ("rect", (x0 + 3.5 * s, y0 + 6.5 * s, x0 + 52.5 * s, y0 + 30 * s, 10 * s),
         hex_colour("FFFFFF", 0.18)),
        ("rect", (mic_x - 6 * s, mic_y - 14 * s, mic_x + 6 * s, mic_y + 5 * s, 6 * s), WHITE),
        ("strokes", ([stand, [(mic_x, mic_y + 10 * s), (mic_x, mic_y + 18 * s)],
                      [(mic_x - 7 * s, mic_y + 18 * s), (mic_x + 7 * s, mic_y + 18 * s)]], 2.6 * s),
         WHITE),
    ]
    for radius in (17, 22):
        for start, end in ((35, -35), (145, 215)):
            wave = arc_points(mic_x, mic_y - 5 * s, radius * s * 0.6, radius * s * 0.6, start, end, 12)
            steps.append(("strokes", ([wave], 1.8 * s), hex_colour("DCF4FF", 0.85)))
    return steps


def paint_steps(canvas, steps):
    for kind, geometry, paint in steps:
        shape = rounded_rect(*geometry) if kind == "rect" else strokes(*geometry)
        canvas.fill(shape, vertical_gradient(*paint[1:]) if paint[0] == "gradient" else paint)


def draw_logo(canvas, left, top, scale):
    """The maker's mark: a microphone emblem, the name and the line under it (62 units high)."""
    s = lambda v: v * scale  # noqa: E731
    x0, y0 = left, top
    paint_steps(canvas, emblem(x0, y0, scale))

    name, cap, spacing = "QUORVEL", s(29), s(7.5)
    lines, _ = text_polylines(name, x0 + s(68), y0 + s(7), cap, spacing)
    canvas.fill(strokes(lines, s(5.6)), NAVY,
                (x0 + s(62), y0 + s(1), x0 + s(68) + text_width(name, cap, spacing) + s(8),
                 y0 + s(45)))
    tagline, small, gap = "WIRELESS AUDIO SYSTEMS", s(7.5), s(2.6)
    start = x0 + s(68) + (text_width(name, cap, spacing) - text_width(tagline, small, gap)) / 2
    lines, end = text_polylines(tagline, start, y0 + s(48), small, gap)
    canvas.fill(strokes(lines, s(1.5)), DEEP_BLUE, (start - s(2), y0 + s(46), end + s(2), y0 + s(58)))


def logo():
    canvas = Canvas(310, 62)
    draw_logo(canvas, 0, 0, 1.0)
    return canvas


def printed_logo():
    canvas = Canvas(1253, 235, WHITE)
    scale = 235 / 62
    draw_logo(canvas, (1253 - 300 * scale) / 2, 0, scale)
    return canvas


# Program icon -----------------------------------------------------------------------------------

ICON_UNITS = 56  # the emblem's 52 units with a margin of 2 all round


def app_icon(size):
    """The program's icon for the desktop: the emblem alone, `size` pixels square."""
    canvas = Canvas(size, size)
    scale = size / ICON_UNITS
    paint_steps(canvas, emblem(0, -3 * scale, scale))
    return canvas


def svg_rgb(colour):
    return "#%02x%02x%02x" % tuple(round(c) for c in colour[:3])


def svg_number(value):
    return ("%.2f" % value).rstrip("0").rstrip(".")


def svg_icon():
    """The same icon as an SVG, drawn from the same steps."""
    defs, body = [], []
    for kind, geometry, paint in emblem(0, -3, 1):
        if paint[0] == "gradient":
            _, top, bottom, top_colour, bottom_colour = paint
            defs.append('<linearGradient id="face" gradientUnits="userSpaceOnUse" x1="0" y1="%s" '
                        'x2="0" y2="%s"><stop offset="0" stop-color="%s"/><stop offset="1" '
                        'stop-color="%s"/></linearGradient>'
                        % (svg_number(top), svg_number(bottom), svg_rgb(top_colour),
                           svg_rgb(bottom_colour)))
            colour, opacity = "url(#face)", 1.0
        else:
            colour, opacity = svg_rgb(paint), paint[3]
        if kind == "rect":
            x0, y0, x1, y1, radius = (svg_number(v) for v in (*geometry[:2], geometry[2] - geometry[0],
                                                             geometry[3] - geometry[1], geometry[4]))
            body.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s" '
                        'fill-opacity="%s"/>' % (x0, y0, x1, y1, radius, colour, svg_number(opacity)))
        else:
            lines, width = geometry
            for line in lines:
                points = " ".join("%s,%s" % (svg_number(x), svg_number(y)) for x, y in line)
                body.append('<polyline points="%s" fill="none" stroke="%s" stroke-opacity="%s" '
                            'stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
                            % (points, colour, svg_number(opacity), svg_number(width)))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 %d %d">\n<defs>%s</defs>\n%s\n</svg>\n'
            % (ICON_UNITS, ICON_UNITS, "".join(defs), "\n".join(body)))


def artwork():
    pieces = skin_pieces()
    pieces.update({
        "BTN_OPEN": toolbar_button(icon_open),
        "BTN_SAVE": toolbar_button(icon_save),
        "BTN_PRINT": toolbar_button(icon_print),
        "BTN_HELP": toolbar_button(icon_help),
        "BTN_READ": transfer_button(downwards=True),
        "BTN_WRITE": transfer_button(downwards=False),
        "BTN_MINIMIZE": caption_button(24, [[(7, 16.5), (17, 16.5)]], hex_colour("85CFF6"),
                                       hex_colour("2F96D9"), DEEP_BLUE),
        "BTN_EXIT": caption_button(26, [[(9, 8.5), (17, 16.5)], [(17, 8.5), (9, 16.5)]],
                                   hex_colour("EE8A6A"), hex_colour("B8401F"), hex_colour("7A2410")),
        "LOGO": logo(),
        "PRN_LOGO": printed_logo(),
    })
    return pieces


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "artwork")
    icons = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "packaging", "icons")
    os.makedirs(out, exist_ok=True)
    for name, canvas in artwork().items():
        canvas.save(os.path.join(out, name + ".png"))
        print(name, canvas.width, "x", canvas.height)
    os.makedirs(icons, exist_ok=True)
    for size in (48, 256):
        app_icon(size).save(os.path.join(icons, "quorprog-%d.png" % size))
        print("icon", size, "x", size)
    with open(os.path.join(icons, "quorprog.svg"), "w", encoding="ascii") as svg:
        svg.write(svg_icon())


if __name__ == "__main__":
    main()
