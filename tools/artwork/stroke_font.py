"""Capital letters as strokes in a box one unit high, for the logo lettering."""

from raster import arc_points

# Each glyph: (advance width, list of polylines); y grows downwards, 0 = cap line, 1 = base line.
GLYPHS = {
    "A": (0.8, [[(0, 1), (0.4, 0), (0.8, 1)], [(0.15, 0.64), (0.65, 0.64)]]),
    "C": (0.9, [arc_points(0.5, 0.5, 0.5, 0.5, 45, 315, 32)]),
    "D": (0.8, [[(0.35, 0), (0, 0), (0, 1), (0.35, 1)] + arc_points(0.35, 0.5, 0.45, 0.5, -90, 90)
                + [(0.35, 0)]]),
    "E": (0.62, [[(0.62, 0), (0, 0), (0, 1), (0.62, 1)], [(0, 0.5), (0.52, 0.5)]]),
    "G": (0.95, [arc_points(0.5, 0.5, 0.5, 0.5, 45, 360, 36) + [(0.55, 0.5)]]),
    "I": (0.0, [[(0, 0), (0, 1)]]),
    "L": (0.58, [[(0, 0), (0, 1), (0.58, 1)]]),
    "M": (0.9, [[(0, 1), (0, 0), (0.45, 0.72), (0.9, 0), (0.9, 1)]]),
    "O": (1.0, [arc_points(0.5, 0.5, 0.5, 0.5, 0, 360, 40)]),
    "P": (0.7, [[(0, 1), (0, 0), (0.42, 0)] + arc_points(0.42, 0.27, 0.28, 0.27, 90, -90)
                + [(0, 0.54)]]),
    "Q": (1.0, [arc_points(0.5, 0.5, 0.5, 0.5, 0, 360, 40), [(0.62, 0.66), (0.98, 1.02)]]),
    "R": (0.75, [[(0, 1), (0, 0), (0.42, 0)] + arc_points(0.42, 0.27, 0.28, 0.27, 90, -90)
                 + [(0, 0.54)], [(0.38, 0.54), (0.75, 1)]]),
    "S": (0.7, [arc_points(0.35, 0.25, 0.33, 0.25, 25, 270, 20)
                + arc_points(0.35, 0.75, 0.35, 0.25, 90, -155, 20)]),
    "T": (0.8, [[(0, 0), (0.8, 0)], [(0.4, 0), (0.4, 1)]]),
    "U": (0.8, [[(0, 0)] + arc_points(0.4, 0.6, 0.4, 0.4, 180, 360, 20) + [(0.8, 0)]]),
    "V": (0.8, [[(0, 0), (0.4, 1), (0.8, 0)]]),
    "W": (1.1, [[(0, 0), (0.27, 1), (0.55, 0.3), (0.83, 1), (1.1, 0)]]),
    "Y": (0.8, [[(0, 0), (0.4, 0.5), (0.8, 0)], [(0.4, 0.5), (0.4, 1)]]),
}

SPACE = 0.5


def text_polylines(text, left, top, height, spacing):
    """Polylines of `text` with its cap line at `top`, and the right end of the text."""
    lines = []
    x = left
    for letter in text:
        if letter == " ":
            x += SPACE * height
            continue
        width, glyph = GLYPHS[letter]
        for line in glyph:
            lines.append([(x + px * height, top + py * height) for px, py in line])
        x += width * height + spacing
    return lines, x - spacing


def text_width(text, height, spacing):
    return text_polylines(text, 0, 0, height, spacing)[1]
