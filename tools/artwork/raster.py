"""A tiny anti-aliased vector rasteriser and PNG writer (standard library only).

Shapes are signed distance functions in pixel units (negative inside); a pixel's coverage is
0.5 - distance, clamped to 0..1, which gives one pixel of anti-aliasing on every edge.
"""

import math
import struct
import zlib


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def hex_colour(text, alpha=1.0):
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16), alpha)


def mix(a, b, t):
    t = clamp(t)
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


class Canvas:
    def __init__(self, width, height, background=(0, 0, 0, 0.0)):
        self.width = width
        self.height = height
        self.pixels = [list(background) for _ in range(width * height)]

    def blend(self, x, y, colour, coverage):
        alpha = colour[3] * coverage
        if alpha <= 0.0:
            return
        pixel = self.pixels[y * self.width + x]
        out_alpha = alpha + pixel[3] * (1.0 - alpha)
        for i in range(3):
            pixel[i] = (colour[i] * alpha + pixel[i] * pixel[3] * (1.0 - alpha)) / out_alpha
        pixel[3] = out_alpha

    def fill(self, shape, paint, box=None):
        """Fills `shape` (distance function) with `paint` (a colour or a function of x, y)."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0)) - 1), max(0, int(math.floor(y0)) - 1)
        x1, y1 = min(self.width, int(math.ceil(x1)) + 1), min(self.height, int(math.ceil(y1)) + 1)
        for y in range(y0, y1):
            for x in range(x0, x1):
                px, py = x + 0.5, y + 0.5
                coverage = clamp(0.5 - shape(px, py))
                if coverage > 0.0:
                    colour = paint(px, py) if callable(paint) else paint
                    self.blend(x, y, colour, coverage)

    def save(self, path):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                rows += bytes((round(clamp(r, 0, 255)), round(clamp(g, 0, 255)),
                               round(clamp(b, 0, 255)), round(clamp(a) * 255)))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        with open(path, "wb") as out:
            out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                      chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))


# Distance functions -----------------------------------------------------------------------------

def rounded_rect(x0, y0, x1, y1, radius):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - radius, (y1 - y0) / 2 - radius

    def distance(px, py):
        qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return distance


def circle(cx, cy, radius):
    return lambda px, py: math.hypot(px - cx, py - cy) - radius


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else clamp(((px - ax) * dx + (py - ay) * dy) / length2)
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def strokes(polylines, width):
    """Round-capped strokes along polylines (lists of points)."""
    segments = [(a[0], a[1], b[0], b[1]) for line in polylines for a, b in zip(line, line[1:])]
    half = width / 2

    def distance(px, py):
        return min(segment_distance(px, py, *s) for s in segments) - half
    return distance


def polygon(points):
    def distance(px, py):
        best = min(segment_distance(px, py, *a, *b)
                   for a, b in zip(points, points[1:] + points[:1]))
        inside = False
        for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
            if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return -best if inside else best
    return distance


def union(*shapes):
    return lambda px, py: min(s(px, py) for s in shapes)


def subtract(shape, hole):
    return lambda px, py: max(shape(px, py), -hole(px, py))


def arc_points(cx, cy, rx, ry, start_degrees, end_degrees, steps=24):
    """Points along an elliptic arc; angles counter-clockwise as seen on screen."""
    points = []
    for i in range(steps + 1):
        angle = math.radians(start_degrees + (end_degrees - start_degrees) * i / steps)
        points.append((cx + rx * math.cos(angle), cy - ry * math.sin(angle)))
    return points


def vertical_gradient(y0, y1, top, bottom):
    return lambda px, py: mix(top, bottom, (py - y0) / max(1e-6, y1 - y0))
