#!/usr/bin/env python3
"""Draws every picture of Zelmora and writes them to resources/pictures/.

Nothing is read from anywhere: each picture is built here from simple shapes
(rectangles, circles, polygons, strokes, small pixel patterns). Pillow draws
each shape MASK_SCALE times larger and averages it down, which smooths its
edges, and writes the files. The output is deterministic: running the script
again gives identical bytes.

Needs Pillow (Debian package python3-pil). The build does not run this script:
it takes the files committed in resources/pictures/.

Outputs (all written to resources/pictures/ unless --out says otherwise):

  suntimes_tools.bmp  bitmap 111, 8 images of 20x20 in one 160x20 strip
  file_tools.bmp      bitmap 9600, 23 images of 20x20 in one 460x20 strip
  menu_*.bmp          menu check-mark bitmaps 114, 8129, 9601-9607, 9620, 9621,
                      11x11 each: menus show only a square of SM_CXMENUCHECK
                      pixels, 11 under Wine 8, 13 to 15 on Windows
  zelmora.ico         icon 107, 32x32 and 16x16, 32-bit with alpha
  small.ico           icon 108, 16x16, 32-bit with alpha
  CONTENTS.txt        what every file and every toolbar image shows

Bitmaps are 24-bit BMP (BITMAPINFOHEADER, bottom-up rows, no compression).

Toolbar background: the strips are painted on RGB(222, 228, 243), the colour the
toolbars fill their windows with, and every edge is smoothed against it. A
24-bit image list without a mask therefore shows them cleanly as they are; a
toolbar that prefers a masked image list may key on that same colour, since a
pixel of exactly that colour is background wherever it lies.

Menu bitmaps are painted on white: menus are white under Wine, and Windows
combines check-mark bitmaps with the menu so that white disappears.

Usage:
  python3 tools/make_pictures.py [--out DIR] [--preview DIR] [--scale N]

--preview also writes enlarged PNG previews (not part of the program) of every
strip, menu bitmap and icon into DIR.

The index of every toolbar image, and what it shows, is listed in
SUNTIMES_TOOLS and FILE_TOOLS below.
"""

import argparse
import math
import os
import sys

try:
    from PIL import Image, ImageChops, ImageDraw
except ImportError:
    sys.exit("make_pictures.py needs Pillow: apt-get install python3-pil, and run it with /usr/bin/python3")

# ---------------------------------------------------------------------------
# Colours

TOOLBAR_BG = (222, 228, 243)
MENU_BG = (255, 255, 255)

INK = (44, 52, 70)  # outlines and text strokes
WHITE = (255, 255, 255)
PAPER = (252, 252, 255)
PAPER_LINE = (150, 160, 180)
GRID = (196, 204, 220)
SUN = (255, 206, 20)
SUN_DEEP = (248, 150, 10)
SUN_RAY = (246, 160, 0)
NIGHT = (30, 42, 100)
MOON = (250, 236, 150)
BLUE = (38, 110, 214)
BLUE_DARK = (22, 62, 150)
BLUE_LIGHT = (150, 196, 250)
GREEN = (40, 170, 64)
GREEN_DARK = (20, 110, 40)
RED = (222, 44, 44)
RED_DARK = (150, 20, 20)
YELLOW = (252, 208, 24)
YELLOW_DARK = (170, 130, 0)
ORANGE = (244, 128, 24)
GREY = (146, 154, 168)
GREY_DARK = (96, 104, 120)
GREY_LIGHT = (212, 216, 226)
FOLDER = (250, 204, 84)
FOLDER_BACK = (222, 160, 40)
FOLDER_EDGE = (150, 100, 10)
WOOD = (176, 112, 56)


# ---------------------------------------------------------------------------
# Shapes. Coordinates are in pixels of the picture, y downwards; pixel (i, j)
# covers [i, i+1) x [j, j+1). A shape is drawn white on black by ImageDraw into
# a mask MASK_SCALE times the picture's size; averaged down to the picture's
# size, the mask says how much of each pixel the shape covers.

MASK_SCALE = 16


class Shape:
    """mask(size) draws the shape for a picture of the given (width, height).
    Shapes combine with | (union), & (intersection) and - (difference)."""

    def __init__(self, mask):
        self.mask = mask

    def __or__(self, other):
        return Shape(lambda size: ImageChops.lighter(self.mask(size), other.mask(size)))

    def __and__(self, other):
        return Shape(lambda size: ImageChops.darker(self.mask(size), other.mask(size)))

    def __sub__(self, other):
        return Shape(lambda size: ImageChops.subtract(self.mask(size), other.mask(size)))


def drawn(paint):
    """The shape that paint(draw) draws on the mask."""

    def mask(size):
        m = Image.new("L", (size[0] * MASK_SCALE, size[1] * MASK_SCALE), 0)
        paint(ImageDraw.Draw(m))
        return m

    return Shape(mask)


def box(x0, y0, x1, y1):
    """First and last mask pixels whose centres lie in [x0, x1) x [y0, y1)."""
    first = [math.ceil(v * MASK_SCALE - 0.5) for v in (x0, y0, x1, y1)]
    return [first[0], first[1], first[2] - 1, first[3] - 1]


def point(x, y):
    """The mask pixel that holds the point."""
    return (math.floor(x * MASK_SCALE), math.floor(y * MASK_SCALE))


def corners(points):
    """A polygon's corners in mask pixels. ImageDraw fills the mask pixels that
    its edges cross as well as those whose centres lie inside: each edge is
    moved a third of a mask pixel inwards so that about the latter remain."""
    pts = [(x * MASK_SCALE - 0.5, y * MASK_SCALE - 0.5) for x, y in points]
    pts = [p for k, p in enumerate(pts) if p != pts[k - 1]]
    turn = 1 if sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(pts, pts[1:] + pts[:1])) > 0 else -1

    def inward(a, b):
        ex, ey = b[0] - a[0], b[1] - a[1]
        n = math.hypot(ex, ey) * turn
        return (-ey / n, ex / n)

    out = []
    for k, p in enumerate(pts):
        n1, n2 = inward(pts[k - 1], p), inward(p, pts[(k + 1) % len(pts)])
        f = 0.35 / (1 + n1[0] * n2[0] + n1[1] * n2[1])
        out.append((round(p[0] + f * (n1[0] + n2[0])), round(p[1] + f * (n1[1] + n2[1]))))
    return out


def rect(x0, y0, x1, y1):
    return drawn(lambda d: d.rectangle(box(x0, y0, x1, y1), fill=255))


def round_rect(x0, y0, x1, y1, r):
    return drawn(lambda d: d.rounded_rectangle(box(x0, y0, x1, y1), round(r * MASK_SCALE), fill=255))


def ellipse(cx, cy, rx, ry):
    return drawn(lambda d: d.ellipse(box(cx - rx, cy - ry, cx + rx, cy + ry), fill=255))


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def polygon(points):
    return drawn(lambda d: d.polygon(corners(points), fill=255))


def strokes(lines, width):
    """Strokes of the given width with round ends and joints, one along each
    list of points."""
    h = width / 2.0

    def paint(d):
        for points in lines:
            d.line([point(*p) for p in points], fill=255, width=round(width * MASK_SCALE), joint="curve")
            for x, y in (points[0], points[-1]):
                d.ellipse(box(x - h, y - h, x + h, y + h), fill=255)

    return drawn(paint)


def segment(x0, y0, x1, y1, width):
    return strokes([[(x0, y0), (x1, y1)]], width)


def polyline(points, width):
    return strokes([points], width)


def angles(a0, a1):
    """ImageDraw's angles (clockwise) for the way from a0 to a1 counter-clockwise."""
    start = -a1 % 360.0
    return start, start + (a1 - a0) % 360.0


def sector(cx, cy, r, a0, a1):
    """Disc sector between angles a0 and a1 (degrees, 0 = east, counter-clockwise
    as seen on screen, i.e. 90 = up)."""
    return drawn(lambda d: d.pieslice(box(cx - r, cy - r, cx + r, cy + r), *angles(a0, a1), fill=255))


def arc(cx, cy, r, width, a0, a1):
    """A band of the given width along the circle of radius r, from a0 to a1."""
    ro = r + width / 2.0
    w = round(width * MASK_SCALE)
    return drawn(lambda d: d.arc(box(cx - ro, cy - ro, cx + ro, cy + ro), *angles(a0, a1), fill=255, width=w))


def polar(cx, cy, r, deg):
    a = math.radians(deg)
    return (cx + r * math.cos(a), cy - r * math.sin(a))


def rays(cx, cy, r0, r1, count, width, start=0.0, only=None):
    degs = [start + 360.0 * k / count for k in range(count)]
    kept = [d for d in degs if only is None or only(d % 360.0)]
    return strokes([[polar(cx, cy, r0, d), polar(cx, cy, r1, d)] for d in kept], width)


def arrow_head(tip_x, tip_y, deg, length, half_width):
    """Triangle pointing in direction deg with its tip at the given point."""
    bx, by = polar(tip_x, tip_y, -length, deg)
    lx, ly = polar(bx, by, half_width, deg + 90)
    rx, ry = polar(bx, by, half_width, deg - 90)
    return polygon([(tip_x, tip_y), (lx, ly), (rx, ry)])


# ---------------------------------------------------------------------------
# Canvas: an RGBA picture; each shape is painted over what is there.


def rgb(color):
    return tuple(int(v + 0.5) for v in color)


class Canvas:
    def __init__(self, w, h, bg=None):
        self.image = Image.new("RGBA", (w, h), rgb(bg) + (255,) if bg else (0, 0, 0, 0))

    def fill(self, shape, color, alpha=1.0):
        """Paint the shape; colour is an RGB tuple or a function (x, y) -> RGB
        evaluated at each pixel's centre."""
        size = self.image.size
        cover = shape.mask(size).resize(size, Image.Resampling.BOX)
        if alpha != 1.0:
            cover = cover.point(lambda v: int(v * alpha + 0.5))
        if callable(color):
            layer = Image.new("RGB", size)
            layer.putdata([rgb(color(i + 0.5, j + 0.5)) for j in range(size[1]) for i in range(size[0])])
        else:
            layer = Image.new("RGB", size, rgb(color))
        layer.putalpha(cover)
        self.image.alpha_composite(layer)

    def pattern(self, x, y, rows, colors):
        """Set pixels from rows of characters; '.' and ' ' leave a pixel alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch not in ". " and x + dx < self.image.width and y + dy < self.image.height:
                    self.image.putpixel((x + dx, y + dy), rgb(colors[ch]) + (255,))


def outlined(c, shape, inner, fill, edge=INK):
    """Fill shape with the edge colour, then inner (a smaller shape) with fill."""
    c.fill(shape, edge)
    c.fill(inner, fill)


def mix(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def vertical_gradient(top_color, bottom_color, y0, y1):
    def color(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0)))
        return mix(top_color, bottom_color, t)

    return color


def radial_shade(cx, cy, r, light, dark):
    """Sphere-like shading: light towards the upper left, dark at the rim."""

    def color(x, y):
        d = math.hypot(x - (cx - r * 0.35), y - (cy - r * 0.35)) / (r * 1.5)
        return mix(light, dark, min(1.0, d))

    return color


# ---------------------------------------------------------------------------
# Reusable pieces (drawn at an offset and scale where that helps)


def draw_sun(c, cx, cy, r, ray_in, ray_out, count=8, ray_width=1.3, start=0.0):
    c.fill(rays(cx, cy, ray_in, ray_out, count, ray_width, start), SUN_RAY)
    c.fill(circle(cx, cy, r), SUN_DEEP)
    c.fill(circle(cx - 0.3, cy - 0.3, r - 0.9), radial_shade(cx, cy, r, (255, 236, 120), SUN))


def draw_page(c, x0, y0, x1, y1, fold=4):
    """A sheet of paper with a folded top-right corner."""
    outer = polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)])
    inner = polygon(
        [(x0 + 1, y0 + 1), (x1 - fold - 0.4, y0 + 1), (x1 - 1, y0 + fold + 0.4), (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)]
    )
    outlined(c, outer, inner, PAPER)
    c.fill(polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)]), INK)
    c.fill(polygon([(x1 - fold + 1, y0 + 1.6), (x1 - fold + 1, y0 + fold - 1), (x1 - 1.6, y0 + fold - 1)]), GREY_LIGHT)


def draw_floppy(c, x0, y0, s):
    """A floppy disk of side s (pixels) with its top-left corner at x0, y0."""
    x1, y1 = x0 + s, y0 + s
    k = s / 16.0
    body = polygon([(x0, y0), (x1 - 2.5 * k, y0), (x1, y0 + 2.5 * k), (x1, y1), (x0, y1)])
    inner = polygon(
        [(x0 + 1, y0 + 1), (x1 - 2.9 * k, y0 + 1), (x1 - 1, y0 + 2.9 * k), (x1 - 1, y1 - 1), (x0 + 1, y1 - 1)]
    )
    outlined(c, body, inner, BLUE, BLUE_DARK)
    # metal shutter at the top with its window
    sx0, sx1 = x0 + round(4 * k), x1 - round(3 * k)
    c.fill(rect(sx0, y0 + 1, sx1, y0 + round(6 * k)), GREY_LIGHT)
    c.fill(rect(sx1 - round(3 * k), y0 + round(2 * k), sx1 - round(1 * k), y0 + round(5 * k)), BLUE_DARK)
    # paper label at the bottom
    lx0, lx1 = x0 + round(3 * k), x1 - round(3 * k)
    ly0 = y0 + round(9 * k)
    c.fill(rect(lx0, ly0, lx1, y1 - 1), PAPER)
    if s >= 14:
        for yy in range(ly0 + 2, int(y1) - 2, 2):
            c.fill(rect(lx0 + 1, yy, lx1 - 1, yy + 1), PAPER_LINE)


def draw_pencil(c, tip_x, tip_y, length, width, deg=45.0):
    """A pencil with its tip at (tip_x, tip_y), pointing down-left for deg=45."""
    # Axis runs from the tip towards the top right.
    ax, ay = math.cos(math.radians(deg)), -math.sin(math.radians(deg))
    nx, ny = -ay, ax
    h = width / 2.0

    def pt(t, s):
        return (tip_x + ax * t + nx * s, tip_y + ay * t + ny * s)

    cone = 3.2
    body = polygon([pt(cone, -h), pt(length, -h), pt(length, h), pt(cone, h)])
    c.fill(polygon([pt(cone - 0.4, -h - 0.7), pt(length + 0.7, -h - 0.7), pt(length + 0.7, h + 0.7), pt(cone - 0.4, h + 0.7), pt(-0.6, 0)]), INK)
    c.fill(body, YELLOW)
    c.fill(polygon([pt(cone, -h * 0.15), pt(length, -h * 0.15), pt(length, h), pt(cone, h)]), (236, 168, 20))
    c.fill(polygon([pt(0.2, 0), pt(cone, -h), pt(cone, h)]), (240, 206, 160))
    c.fill(polygon([pt(0.0, 0), pt(1.3, -h * 0.45), pt(1.3, h * 0.45)]), INK)
    c.fill(polygon([pt(length - 2.2, -h), pt(length, -h), pt(length, h), pt(length - 2.2, h)]), (236, 110, 130))


def draw_globe(c, cx, cy, r, light, dark, line=WHITE, line_width=0.9, edge=None):
    edge = edge or dark
    c.fill(circle(cx, cy, r), edge)
    c.fill(circle(cx, cy, r - 0.9), radial_shade(cx, cy, r, light, dark))
    inside = circle(cx, cy, r - 1.0)
    w = line_width
    # equator and two parallels
    c.fill(rect(cx - r, cy - w / 2, cx + r, cy + w / 2) & inside, line, 0.85)
    for f in (-0.5, 0.5):
        yy = cy + f * r
        c.fill(rect(cx - r, yy - w / 2, cx + r, yy + w / 2) & inside, line, 0.6)
    # central meridian and one ellipse of meridians
    c.fill(rect(cx - w / 2, cy - r, cx + w / 2, cy + r) & inside, line, 0.85)
    c.fill((ellipse(cx, cy, r * 0.55 + w / 2, r) - ellipse(cx, cy, r * 0.55 - w / 2, r - w)) & inside, line, 0.7)


def draw_window(c, x0, y0, x1, y1, title=BLUE, body=PAPER):
    outlined(c, rect(x0, y0, x1, y1), rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), body)
    c.fill(rect(x0 + 1, y0 + 1, x1 - 1, y0 + 3), title)


def draw_monitor(c, x0, y0, x1, y1, screen):
    """A computer screen on a stand; the screen area is filled with 'screen'."""
    outlined(c, round_rect(x0, y0, x1, y1, 1.0), rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), screen)
    mx = (x0 + x1) / 2.0
    c.fill(rect(mx - 1, y1, mx + 1, y1 + 2), INK)
    c.fill(rect(mx - 3, y1 + 2, mx + 3, y1 + 3), INK)


def draw_gear(c, cx, cy, r_out, r_in, hole, teeth, color, edge, tooth=3.6):
    def gear(ro, ri, w):
        shape = circle(cx, cy, ri)
        for k in range(teeth):
            deg = 360.0 * k / teeth + 360.0 / teeth / 2
            ux, uy = polar(0, 0, 1, deg)
            nx, ny = -uy, ux
            base, tip = w / 2.0, w / 2.0 * 0.7
            shape = shape | polygon(
                [
                    (cx + nx * base, cy + ny * base),
                    (cx + ux * ro + nx * tip, cy + uy * ro + ny * tip),
                    (cx + ux * ro - nx * tip, cy + uy * ro - ny * tip),
                    (cx - nx * base, cy - ny * base),
                ]
            )
        return shape

    c.fill(gear(r_out, r_in, tooth), edge)
    c.fill(gear(r_out - 1.0, r_in - 1.0, tooth - 1.6), radial_shade(cx, cy, r_out, (226, 230, 238), color))
    c.fill(circle(cx, cy, hole + 1.0), edge)
    c.fill(circle(cx, cy, hole), WHITE)


QUESTION_MARK = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
]

SMALL_QUESTION_MARK = [
    ".###.",
    "#...#",
    "...#.",
    "..#..",
    "..#..",
    ".....",
    "..#..",
]


# ---------------------------------------------------------------------------
# Bitmap 111: Sun Times and Display toolbars


def sun_times_selections(c):
    """Calendar page with a sun at its upper right corner."""
    outlined(c, rect(1, 5, 15, 19), rect(2, 6, 14, 18), PAPER)
    c.fill(rect(2, 6, 14, 9), RED)
    c.fill(rect(4, 4, 5, 7), INK)
    c.fill(rect(8, 4, 9, 7), INK)
    for row, yy in enumerate((10, 13, 16)):
        for col, xx in enumerate((3, 7, 11)):
            colour = ORANGE if (row, col) == (1, 1) else GREY
            c.fill(rect(xx, yy, xx + 2, yy + 2), colour)
    c.fill(circle(15.5, 5.0, 4.6), TOOLBAR_BG)
    draw_sun(c, 15.5, 5.0, 2.9, 3.7, 4.8, 8, 1.1, 22.5)


def sunrise_sunset(c):
    """Sun half way over the horizon, an up arrow and a down arrow below it."""
    horizon = 12
    c.fill(rays(10, horizon, 6.5, 9.0, 9, 1.3, 0.0, lambda d: 0 <= d <= 180), SUN_RAY)
    c.fill(circle(10, horizon, 5.2) & rect(0, 0, 20, horizon), SUN_DEEP)
    c.fill(circle(10, horizon, 4.3) & rect(0, 0, 20, horizon), radial_shade(10, horizon, 5, (255, 236, 120), SUN))
    c.fill(rect(0, horizon, 20, 19), vertical_gradient((70, 96, 160), (36, 50, 104), horizon, 19))
    c.fill(rect(0, horizon, 20, horizon + 1), INK)
    # up arrow (sunrise) and down arrow (sunset)
    c.fill(rect(4, 15, 6, 19), (120, 230, 120))
    c.fill(arrow_head(5, 13.3, 90, 3, 2.8), (120, 230, 120))
    c.fill(rect(14, 13.5, 16, 17), (255, 170, 90))
    c.fill(arrow_head(15, 19, 270, 3, 2.8), (255, 170, 90))


def daylight_night(c):
    """A disc, sun-yellow on its left half with rays, night-blue with a crescent
    moon and a star on its right half."""
    cx, cy, r = 10, 10, 6.6
    c.fill(rays(cx, cy, 7.7, 9.6, 12, 1.4, 15.0, lambda d: 100 <= d <= 260), SUN_RAY)
    c.fill(circle(cx, cy, r), INK)
    inside = circle(cx, cy, r - 0.9)
    c.fill(inside & rect(0, 0, cx, 20), radial_shade(cx - 2, cy, 5, (255, 236, 120), SUN))
    c.fill(inside & rect(cx, 0, 20, 20), NIGHT)
    c.fill((circle(cx + 2.2, cy + 0.6, 3.3) - circle(cx + 3.9, cy - 0.6, 2.9)) & inside, MOON)
    c.fill(circle(cx + 3.3, cy - 3.2, 0.7), MOON)


def display_data(c):
    """A table: header row and rows of short figures."""
    outlined(c, rect(1, 2, 19, 18), rect(2, 3, 18, 17), PAPER)
    c.fill(rect(2, 3, 18, 6), BLUE)
    for xx in (7, 13):
        c.fill(rect(xx, 3, xx + 1, 17), GRID)
    for yy in (8, 11, 14):
        c.fill(rect(2, yy + 2, 18, yy + 3), GRID)
    for yy in (7.5, 10.5, 13.5):
        c.fill(rect(3, yy, 6, yy + 1.5), INK)
        c.fill(rect(8, yy, 12, yy + 1.5), INK)
        c.fill(rect(14, yy, 17, yy + 1.5), INK)


def plot_data(c):
    """Plot panel with two curves over the year."""
    outlined(c, rect(2, 1, 19, 18), rect(3, 2, 18, 17), PAPER)
    for xx in (7, 11, 15):
        c.fill(rect(xx, 2, xx + 1, 17), GRID, 0.7)
    for yy in (6, 10, 14):
        c.fill(rect(3, yy, 18, yy + 1), GRID, 0.7)
    up = [(3.5 + k * 0.5, 9.5 - 5.5 * math.sin(math.pi * k / 29.0)) for k in range(30)]
    down = [(3.5 + k * 0.5, 11.5 + 3.5 * math.sin(math.pi * k / 29.0)) for k in range(30)]
    c.fill(polyline(up, 1.6), ORANGE)
    c.fill(polyline(down, 1.6), BLUE)
    # axis ticks outside the panel
    for yy in (5, 9, 13):
        c.fill(rect(1, yy, 2, yy + 1), INK)


def display_times(c):
    """Clock face showing three o'clock, hands on whole pixels."""
    cx, cy = 10, 10
    c.fill(circle(cx, cy, 8.8), BLUE_DARK)
    c.fill(circle(cx, cy, 7.9), BLUE)
    c.fill(circle(cx, cy, 6.6), PAPER)
    for k in range(12):
        if k % 3:
            c.fill(circle(*polar(cx, cy, 5.3, 90 - 30 * k), 0.55), GREY_LIGHT)
    c.fill(rect(9, 4, 11, 5.5), GREY)
    c.fill(rect(9, 14.5, 11, 16), GREY)
    c.fill(rect(4, 9, 5.5, 11), GREY)
    c.fill(rect(14.5, 9, 16, 11), GREY)
    c.fill(rect(9, 4.5, 11, 11), INK)
    c.fill(rect(9, 9, 14, 11), INK)
    c.fill(rect(9, 9, 11, 11), RED)


def display_velocity(c):
    """Speedometer: coloured scale, needle towards the fast end."""
    cx, cy = 10, 14.5
    c.fill(sector(cx, cy, 9.3, 0, 180), INK)
    c.fill(sector(cx, cy, 8.4, 0, 180), PAPER)
    c.fill(arc(cx, cy, 6.4, 2.4, 124, 180), GREEN)
    c.fill(arc(cx, cy, 6.4, 2.4, 58, 122), YELLOW)
    c.fill(arc(cx, cy, 6.4, 2.4, 0, 56), RED)
    c.pattern(10, 7, [".....##", "....##.", "...##..", "..##...", ".##....", "##....."], {"#": INK})
    c.fill(rect(0.7, 14, 19.3, 16), INK)
    c.fill(circle(cx, 14, 2.0) & rect(0, 0, 20, 16), INK)


def display_acceleration(c):
    """An ever steeper curve running on into a double arrow head."""
    c.fill(rect(2, 2, 3, 18), INK)
    c.fill(rect(2, 17, 18, 18), INK)
    pts = []
    for k in range(24):
        t = k / 23.0
        pts.append((4.5 + 7.5 * t, 15.5 - 7.0 * t ** 2.2))
    c.fill(polyline(pts, 1.8), RED)
    (xa, ya), (xb, yb) = pts[-2], pts[-1]
    deg = math.degrees(math.atan2(ya - yb, xb - xa))
    for d in (3.0, 6.4):
        tip = polar(xb, yb, d, deg)
        c.fill(arrow_head(tip[0], tip[1], deg, 3.0, 2.7), RED)


SUNTIMES_TOOLS = [
    ("Sun Times Selections: calendar with a sun", sun_times_selections),
    ("Sunrise and Sunset Times: sun on the horizon, up and down arrows", sunrise_sunset),
    ("Daylight and Night Hours: half sun, half night with a crescent moon", daylight_night),
    ("Display Data: a table", display_data),
    ("Plot Data: a chart with two curves", plot_data),
    ("Display Times: a clock", display_times),
    ("Display Velocity: a speedometer", display_velocity),
    ("Display Acceleration: a steepening curve with a double arrow", display_acceleration),
]


# ---------------------------------------------------------------------------
# Bitmap 9600: File and Help toolbars


def file_save(c):
    draw_floppy(c, 2, 2, 16)


def file_save_as(c):
    draw_floppy(c, 1, 1, 14)
    draw_pencil(c, 9.2, 18.6, 12.5, 3.4)


def file_new(c):
    draw_page(c, 4, 1, 16, 19, 4)


def file_open(c):
    # back of the folder with its tab
    c.fill(polygon([(1, 4), (7, 4), (8.5, 6), (16, 6), (16, 17), (1, 17)]), FOLDER_EDGE)
    c.fill(polygon([(2, 5), (6.6, 5), (8.1, 7), (15, 7), (15, 16), (2, 16)]), FOLDER_BACK)
    # a sheet sticking out
    c.fill(rect(4, 8, 14, 12), PAPER)
    # front flap, tilted open
    c.fill(polygon([(4.5, 9), (19.5, 9), (16, 17), (1, 17)]), FOLDER_EDGE)
    c.fill(polygon([(5.3, 10), (18.1, 10), (15.3, 16), (2.5, 16)]), FOLDER)


def copy_pages(c):
    draw_page(c, 2, 1, 12, 14, 3)
    draw_page(c, 8, 6, 18, 19, 3)


def printer(c):
    # paper going in at the top
    outlined(c, rect(5, 1, 15, 8), rect(6, 2, 14, 8), PAPER)
    # body
    c.fill(round_rect(1, 7, 19, 16, 1.5), INK)
    c.fill(round_rect(2, 8, 18, 15, 1.0), vertical_gradient((214, 220, 232), (150, 158, 172), 8, 15))
    c.fill(rect(3, 9, 5, 10.5), GREEN)
    c.fill(rect(4, 12, 16, 13), GREY_DARK)
    # printed sheet coming out
    outlined(c, rect(5, 12, 15, 19), rect(6, 13, 14, 18), PAPER)
    for yy in (14, 16):
        c.fill(rect(7, yy, 13, yy + 1), PAPER_LINE)


def print_preview(c):
    draw_page(c, 2, 1, 14, 18, 3)
    for yy in (6, 8, 10):
        c.fill(rect(4, yy, 11, yy + 1), PAPER_LINE)
    c.fill(segment(14.5, 14.5, 18.3, 18.3, 2.6), INK)
    c.fill(circle(11.5, 11.5, 4.6), INK)
    c.fill(circle(11.5, 11.5, 3.6), (200, 228, 255))
    c.fill(circle(10.6, 10.6, 1.2), WHITE, 0.8)


def settings_gear(c):
    draw_gear(c, 10, 10, 9.2, 6.6, 2.3, 8, (150, 158, 174), INK, 4.0)


def error_log(c):
    draw_page(c, 3, 1, 16, 19, 4)
    for yy in (6, 9, 12, 15):
        c.fill(rect(5, yy, 13, yy + 1), PAPER_LINE)
    c.fill(circle(14, 14, 5.0), WHITE)
    c.fill(circle(14, 14, 4.3), RED)
    c.fill(rect(13, 11, 15, 15), WHITE)
    c.fill(rect(13, 16, 15, 17.5), WHITE)


def default_windows(c):
    """Two windows, the front one holding a turning arrow: back to the
    default places."""
    draw_window(c, 1, 1, 13, 11)
    draw_window(c, 4, 5, 19, 19)
    cx, cy, r = 12.0, 13.0, 3.7
    c.fill(arc(cx, cy, r, 1.7, 300, 190), GREEN_DARK)
    bx, by = polar(cx, cy, r, 190)
    deg = 190 + 90
    tip = polar(bx, by, 2.2, deg)
    c.fill(arrow_head(tip[0], tip[1], deg, 3.4, 2.7), GREEN_DARK)


def main_window(c):
    draw_window(c, 1, 2, 19, 18)
    c.fill(rect(3, 7, 17, 8), PAPER_LINE)
    c.fill(rect(3, 10, 13, 11), PAPER_LINE)
    c.fill(rect(3, 13, 15, 14), PAPER_LINE)
    c.fill(rect(15.5, 3.5, 17.5, 4.5), WHITE)


def web_site(c):
    draw_globe(c, 10, 10, 8.8, (140, 200, 255), BLUE_DARK)


def web_update(c):
    draw_globe(c, 9, 9, 8.0, (150, 235, 150), GREEN_DARK)
    c.fill(circle(14.5, 14.5, 5.3), WHITE)
    c.fill(circle(14.5, 14.5, 4.6), GREEN_DARK)
    c.fill(rect(13.8, 11.2, 15.2, 15.4), WHITE)
    c.fill(arrow_head(14.5, 18.0, 270, 3.0, 2.6), WHITE)


# The internet button shows image 13 + k of this strip, k chosen from the
# connection state word (1 LAN up, 2 LAN not yet known, 4 internet up, 8 test
# running, 16 no test): k = 5 when none of 1, 4, 8, 16 is set; else 0 when 2 is
# set; else with b = bit 1: b for 16, b + 1 for 8, b + 3 for 4, b + 2 otherwise.
# The states in use are 18 and 16 (k = 0), 17 (1), 9 (2), 1 (3), 5 (4), 0 (5).
# Left half: the LAN; right half: the internet. Green up, red down, yellow
# testing, white no test.
STATE_COLOURS = {
    "up": (GREEN, (150, 240, 150), GREEN_DARK),
    "down": (RED, (255, 150, 140), RED_DARK),
    "testing": (YELLOW, (255, 244, 170), YELLOW_DARK),
    "none": (WHITE, WHITE, GREY),
}


def internet_state(lan, internet):
    """Left half: the local network (a screen) in the LAN state's colour; right
    half: the internet (a globe) in the internet state's colour."""

    def draw(c):
        fill, light, dark = STATE_COLOURS[lan]
        c.fill(rect(6, 15, 15, 16), INK)
        draw_monitor(c, 0, 5, 10, 13, lambda x, y: mix(light, fill, min(1.0, (y - 6) / 5.0)))
        fill, light, dark = STATE_COLOURS[internet]
        gx, gy = 14.5, 9.5
        c.fill(circle(gx, gy, 5.4), INK)
        c.fill(circle(gx, gy, 4.5), radial_shade(gx, gy, 4.5, light, fill))
        inside = circle(gx, gy, 4.4)
        c.fill(rect(10, gy - 0.5, 19, gy + 0.5) & inside, INK, 0.4)
        c.fill((ellipse(gx, gy, 2.6, 4.6) - ellipse(gx, gy, 1.6, 4.0)) & inside, INK, 0.4)
        c.fill(rect(14, 14.5, 15, 16), INK)

    return draw


def network(c):
    """Two screens joined by a cable: the connection test in general."""
    c.fill(rect(5, 11, 6, 16), INK)
    c.fill(rect(5, 15, 14, 16), INK)
    draw_monitor(c, 1, 1, 11, 8, lambda x, y: mix((200, 230, 255), BLUE, min(1.0, (y - 2) / 5.0)))
    draw_monitor(c, 9, 9, 19, 14, lambda x, y: mix((200, 230, 255), BLUE, min(1.0, (y - 10) / 3.0)))


def help_bubble(c):
    """Speech bubble with a question mark."""
    c.fill(polygon([(3, 19.2), (5, 12), (10, 15)]), BLUE_DARK)
    c.fill(circle(10.5, 8.5, 8.2), BLUE_DARK)
    c.fill(circle(10.5, 8.5, 7.3), radial_shade(10.5, 8.5, 7.5, (110, 170, 250), BLUE))
    c.fill(polygon([(4.2, 17.2), (5.8, 12.5), (9, 14.2)]), BLUE)
    c.pattern(8, 4, QUESTION_MARK, {"#": WHITE})


def information(c):
    c.fill(circle(10, 10, 8.8), BLUE_DARK)
    c.fill(circle(10, 10, 7.9), radial_shade(10, 10, 8, (110, 170, 250), BLUE))
    c.fill(circle(10, 5.6, 1.4), WHITE)
    c.fill(rect(8, 8.5, 11.3, 10), WHITE)
    c.fill(rect(9.3, 8.5, 11.3, 14.5), WHITE)
    c.fill(rect(8, 14.5, 12.6, 16), WHITE)


def exit_door(c):
    """Open door with an arrow leading out."""
    outlined(c, rect(2, 1, 12, 19), rect(3, 2, 11, 18), (90, 64, 40))
    c.fill(polygon([(3, 2), (9, 4), (9, 19), (3, 18)]), INK)
    c.fill(polygon([(3.8, 3.1), (8.2, 4.6), (8.2, 18.2), (3.8, 17.2)]), WOOD)
    c.fill(circle(7.2, 11, 0.8), YELLOW)
    c.fill(rect(10, 9, 16, 12), GREEN_DARK)
    c.fill(arrow_head(19.5, 10.5, 0, 4.5, 4.0), GREEN_DARK)
    c.fill(rect(10.8, 9.8, 16, 11.2), GREEN)
    c.fill(arrow_head(18.2, 10.5, 0, 2.9, 2.4), GREEN)


FILE_TOOLS = [
    ("File Save: floppy disk", file_save),
    ("File SaveAs: floppy disk and pencil", file_save_as),
    ("spare: new blank page", file_new),
    ("File Open: open folder", file_open),
    ("spare: copy, two pages", copy_pages),
    ("Print: printer", printer),
    ("spare: print preview, page and magnifier", print_preview),
    ("spare: settings, gear wheel", settings_gear),
    ("spare: error log, page with a warning mark", error_log),
    ("Default Windows Size and Position: two windows and a turning arrow", default_windows),
    ("spare: main window", main_window),
    ("web site: blue globe", web_site),
    ("spare: web site with an update ready, green globe and down arrow", web_update),
    ("internet button, state word 16 or 18: LAN down or not known, no test (red, white)", internet_state("down", "none")),
    ("internet button, state word 17: LAN up, no test (green, white)", internet_state("up", "none")),
    ("internet button, state word 9: LAN up, test running (green, yellow)", internet_state("up", "testing")),
    ("internet button, state word 1: LAN up, internet down (green, red)", internet_state("up", "down")),
    ("internet button, state word 5: LAN up, internet up (green, green)", internet_state("up", "up")),
    ("internet button, state word 0: LAN down, test on (red, red)", internet_state("down", "down")),
    ("spare: network, two screens joined by a cable", network),
    ("Help: speech bubble with a question mark", help_bubble),
    ("spare: information", information),
    ("spare: exit, open door and arrow", exit_door),
]


# ---------------------------------------------------------------------------
# Menu check-mark bitmaps, 11x11 on white. Menus copy a square of the system's
# check-mark size (SM_CXMENUCHECK) from the bitmap's top left corner; Wine 8
# reports 11 with its default menu font, and Windows uses 13 to 15, so 11x11
# pictures are whole everywhere (Windows leaves a small margin).

MENU_SIZE = 11

MENU_FLOPPY = [
    "EEEEEEEEEE.",
    "EBBGGGGDGBE",
    "EBBGGGGDGBE",
    "EBBGGGGGGBE",
    "EBBBBBBBBBE",
    "EBWWWWWWWBE",
    "EBWLLLLLWBE",
    "EBWWWWWWWBE",
    "EBWLLLLLWBE",
    "EBWWWWWWWBE",
    "EEEEEEEEEEE",
]
FLOPPY_COLOURS = {"E": BLUE_DARK, "B": BLUE, "G": GREY_LIGHT, "D": BLUE_DARK, "W": PAPER, "L": PAPER_LINE}


def menu_open(c):
    c.pattern(0, 0, [
        "...........",
        ".EEE.......",
        "EBBBEEEEE..",
        "EBBBBBBBBE.",
        "EBWWWWWWBE.",
        "EBEEEEEEEEE",
        "EBEFFFFFFFE",
        "EEFFFFFFFE.",
        "EEFFFFFFFE.",
        "EFFFFFFFE..",
        "EEEEEEEEE..",
    ], {"E": FOLDER_EDGE, "B": FOLDER_BACK, "F": FOLDER, "W": PAPER})


def menu_save(c):
    c.pattern(0, 0, MENU_FLOPPY, FLOPPY_COLOURS)


def menu_save_as(c):
    c.pattern(0, 0, [
        "EEEEEEE.",
        "EBGGDGBE",
        "EBGGDGBE",
        "EBBBBBBE",
        "EBWWWWBE",
        "EBWLLWBE",
        "EBWWWWBE",
        "EEEEEEEE",
    ], FLOPPY_COLOURS)
    c.pattern(3, 3, [
        "......KK",
        ".....KPPK",
        "....KYYPK",
        "...KYYOK.",
        "..KYYOK..",
        ".KYYOK...",
        "KTTOK....",
        "KKTK.....",
    ], {"K": INK, "Y": YELLOW, "O": (236, 168, 20), "P": (236, 110, 130), "T": (240, 206, 160)})


def menu_print(c):
    c.pattern(0, 0, [
        "..EEEEEEE..",
        "..EWWWWWE..",
        "..EWWWWWE..",
        "EEEEEEEEEEE",
        "EGGGGGGGGGE",
        "EgGGGGGGGGE",
        "EGGGGGGGGGE",
        "EEEWWWWWEEE",
        "..EWLLLWE..",
        "..EWWWWWE..",
        "..EEEEEEE..",
    ], {"E": INK, "W": PAPER, "L": PAPER_LINE, "G": (188, 194, 208), "g": GREEN})


def menu_help(c):
    c.fill(circle(5.5, 5.5, 5.5), BLUE_DARK)
    c.fill(circle(5.5, 5.5, 4.7), BLUE)
    c.pattern(3, 2, SMALL_QUESTION_MARK, {"#": WHITE})


def menu_exit(c):
    """Gear wheel: the program window and its settings (Exit, Default Windows
    Size and Position, Save Settings Now)."""
    c.pattern(0, 0, [
        "....EEE....",
        ".EE.EGE.EE.",
        ".EGEEGEEGE.",
        "..EGGGGGE..",
        "EEEGEEEGEEE",
        "EGGGEWEGGGE",
        "EEEGEEEGEEE",
        "..EGGGGGE..",
        ".EGEEGEEGE.",
        ".EE.EGE.EE.",
        "....EEE....",
    ], {"E": INK, "G": (170, 178, 194), "W": WHITE})


def menu_log(c):
    c.pattern(0, 0, [
        ".EEEEEE....",
        ".EWWWWEE...",
        ".EWWWWEWE..",
        ".EWWWWEEEE.",
        ".ERRWLLLWE.",
        ".EWWWWWWWE.",
        ".ERRWLLLWE.",
        ".EWWWWWWWE.",
        ".ELLWLLLWE.",
        ".EWWWWWWWE.",
        ".EEEEEEEEE.",
    ], {"E": INK, "W": PAPER, "L": PAPER_LINE, "R": RED})


def menu_sun(c):
    c.pattern(0, 0, [
        ".....R.....",
        ".R...R...R.",
        "..R.....R..",
        "....SSS....",
        "...SYYYS...",
        "RR.SYLYS.RR",
        "...SYYYS...",
        "....SSS....",
        "..R.....R..",
        ".R...R...R.",
        ".....R.....",
    ], {"R": SUN_RAY, "S": SUN_DEEP, "Y": SUN, "L": (255, 236, 120)})


def menu_network(c):
    c.pattern(0, 0, [
        "EEEEEE.....",
        "ELLLLE.....",
        "EBBBBE.....",
        "EEEEEE.....",
        "..E........",
        "..E..EEEEEE",
        "..EEEELLLLE",
        ".....EBBBBE",
        ".....EEEEEE",
        ".......EE..",
        "......EEEE.",
    ], {"E": INK, "L": BLUE_LIGHT, "B": BLUE})


def small_globe(c, light, dark):
    cx = cy = 5.5
    c.fill(circle(cx, cy, 5.5), dark)
    c.fill(circle(cx, cy, 4.6), radial_shade(cx, cy, 5.0, light, mix(light, dark, 0.6)))
    inside = circle(cx, cy, 4.6)
    c.fill(rect(0, 5, 11, 6) & inside, WHITE, 0.75)
    c.fill((ellipse(cx, cy, 3.0, 5.0) - ellipse(cx, cy, 2.0, 4.2)) & inside, WHITE, 0.75)


def menu_web(c):
    small_globe(c, (140, 200, 255), BLUE_DARK)


def menu_web_update(c):
    small_globe(c, (150, 235, 150), GREEN_DARK)


MENU_BITMAPS = [
    (114, "menu_sun.bmp", "Sun Times Selections: sun", menu_sun),
    (8129, "menu_network.bmp", "Internet Test Setup: two screens joined", menu_network),
    (9601, "menu_open.bmp", "Open: open folder", menu_open),
    (9602, "menu_save.bmp", "Save: floppy disk", menu_save),
    (9603, "menu_save_as.bmp", "Save As: floppy disk and pencil", menu_save_as),
    (9604, "menu_print.bmp", "Print: printer", menu_print),
    (9605, "menu_help.bmp", "Help items: question mark", menu_help),
    (9606, "menu_settings.bmp", "Exit and window settings: gear wheel", menu_exit),
    (9607, "menu_log.bmp", "Error log items: page of entries", menu_log),
    (9620, "menu_web.bmp", "Web site, no update: blue globe", menu_web),
    (9621, "menu_web_update.bmp", "Web site, update ready: green globe", menu_web_update),
]


# ---------------------------------------------------------------------------
# Icons: the sun rising over the sea, on a rounded tile


def draw_icon(size):
    c = Canvas(size, size)
    s = size / 32.0
    radius = 6.0 * s if size >= 32 else 3.0
    tile = round_rect(0, 0, size, size, radius)
    horizon = 20.0 * s
    sky = vertical_gradient((34, 82, 178), (255, 168, 92), 0, horizon)
    sea = vertical_gradient((22, 52, 120), (10, 26, 70), horizon, size)
    c.fill(tile & rect(0, 0, size, horizon), sky)
    c.fill(tile & rect(0, horizon, size, size), sea)
    cx, cy = 16.0 * s, horizon
    ray_colour = (255, 222, 100)
    if size >= 32:
        r, r0, r1, half, count = 8.0, 10.0, 15.0, 1.5, 9
    else:
        r, r0, r1, half, count = 4.6, 5.7, 8.3, 1.4, 5
    for k in range(count):
        deg = 180.0 * (k + 0.5) / count
        a = polar(cx, cy, r0, deg - math.degrees(half / r0))
        b = polar(cx, cy, r0, deg + math.degrees(half / r0))
        c.fill(polygon([a, polar(cx, cy, r1, deg), b]), ray_colour)
    above = rect(0, 0, size, horizon)
    c.fill(circle(cx, cy, r) & above, SUN_DEEP)
    c.fill(circle(cx, cy - 0.3, r - 1.0 * max(1.0, s)) & above, radial_shade(cx, cy, r, (255, 244, 170), (255, 196, 20)))
    # reflection of the sun on the water
    if size >= 32:
        for k, (half, alpha) in enumerate(((7.0, 0.9), (5.0, 0.75), (3.2, 0.6), (1.8, 0.45))):
            yy = horizon + 1.5 + k * 2.6
            c.fill(rect(cx - half, yy, cx + half, yy + 1.2), (255, 196, 60), alpha)
    else:
        c.fill(rect(cx - 4, horizon + 1, cx + 4, horizon + 2), (255, 196, 60), 0.9)
        c.fill(rect(cx - 2, horizon + 3, cx + 2, horizon + 4), (255, 196, 60), 0.6)
    return c


# ---------------------------------------------------------------------------
# Files


BMP_DPI = (72, 72)  # 2835 pixels per metre in the bitmaps' headers


def strip(drawings, size, bg):
    """The drawings side by side, each drawn on its own tile."""
    image = Image.new("RGBA", (size * len(drawings), size))
    for k, (_, draw) in enumerate(drawings):
        tile = Canvas(size, size, bg)
        draw(tile)
        image.paste(tile.image, (k * size, 0))
    return image


def tiles_of(image, size):
    return [image.crop((k * size, 0, k * size + size, size)) for k in range(image.width // size)]


def preview(tiles, scale, per_row):
    """Tiles enlarged in a grid, each framed by a gap; below the grid the same
    tiles at actual size and at twice the size. Transparent pixels show over
    a checkerboard in the enlarged view and over the toolbar colour below."""
    size = tiles[0].width
    n = len(tiles)
    cols = min(n, per_row)
    rows = (n + cols - 1) // cols
    cell = size * scale + scale
    top = rows * cell + scale
    out = Image.new("RGBA", (max(cols * cell + scale, n * (size * 2 + 4) + 4), top + 3 * size + 12), WHITE)
    checker = Image.new("L", (2 * size, 2 * size))
    checker.putdata([200 if (i + j) % 2 else 150 for j in range(2 * size) for i in range(2 * size)])
    checker = checker.resize((size * scale, size * scale), Image.Resampling.NEAREST).convert("RGBA")
    for k, tile in enumerate(tiles):
        big = Image.alpha_composite(checker, tile.resize(checker.size, Image.Resampling.NEAREST))
        out.paste(big, (scale + (k % cols) * cell, scale + (k // cols) * cell))
        small = Image.alpha_composite(Image.new("RGBA", tile.size, TOOLBAR_BG + (255,)), tile)
        out.paste(small, (4 + k * (size + 4), top + 4))
        double = small.resize((2 * size, 2 * size), Image.Resampling.NEAREST)
        out.paste(double, (4 + k * (size * 2 + 4), top + 8 + size))
    return out.convert("RGB")


def contents():
    lines = [
        "Pictures of Zelmora, made by tools/make_pictures.py (do not edit by hand).",
        "",
        "suntimes_tools.bmp - bitmap 111, 20x20 images on RGB(222, 228, 243):",
    ]
    lines += ["  %2d  %s" % (k, text) for k, (text, _) in enumerate(SUNTIMES_TOOLS)]
    lines += ["", "file_tools.bmp - bitmap 9600, 20x20 images on RGB(222, 228, 243):"]
    lines += ["  %2d  %s" % (k, text) for k, (text, _) in enumerate(FILE_TOOLS)]
    lines += ["", "Menu check-mark bitmaps, %dx%d on white:" % (MENU_SIZE, MENU_SIZE)]
    lines += ["  %-5d %-20s %s" % (ident, name, text) for ident, name, text, _ in MENU_BITMAPS]
    lines += [
        "",
        "Icons, the sun rising over the sea:",
        "  107   zelmora.ico          32x32 and 16x16, 32-bit with alpha",
        "  108   small.ico            16x16, 32-bit with alpha",
        "",
    ]
    return "\n".join(lines)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "resources", "pictures"))
    parser.add_argument("--preview", help="folder for enlarged PNG previews")
    parser.add_argument("--scale", type=int, default=8)
    args = parser.parse_args(argv)
    os.makedirs(args.out, exist_ok=True)

    def out(name):
        return os.path.join(args.out, name)

    suntimes = strip(SUNTIMES_TOOLS, 20, TOOLBAR_BG)
    files = strip(FILE_TOOLS, 20, TOOLBAR_BG)
    assert suntimes.width == 160 and files.width == 460
    suntimes.convert("RGB").save(out("suntimes_tools.bmp"), dpi=BMP_DPI)
    files.convert("RGB").save(out("file_tools.bmp"), dpi=BMP_DPI)

    menus = []
    for _, name, _, draw in MENU_BITMAPS:
        c = Canvas(MENU_SIZE, MENU_SIZE, MENU_BG)
        draw(c)
        c.image.convert("RGB").save(out(name), dpi=BMP_DPI)
        menus.append(c.image)

    icon32, icon16 = draw_icon(32).image, draw_icon(16).image
    icon32.save(out("zelmora.ico"), sizes=[(32, 32), (16, 16)], append_images=[icon16], bitmap_format="bmp")
    icon16.save(out("small.ico"), sizes=[(16, 16)], bitmap_format="bmp")
    with open(out("CONTENTS.txt"), "wb") as f:
        f.write(contents().encode("ascii"))

    if args.preview:
        os.makedirs(args.preview, exist_ok=True)
        tiles = tiles_of(files, 20)
        padded16 = Image.new("RGBA", (32, 32))
        padded16.paste(icon16)
        for name, image in (
            ("suntimes_tools.png", preview(tiles_of(suntimes, 20), args.scale, 4)),
            ("file_tools_a.png", preview(tiles[:12], args.scale, 6)),
            ("file_tools_b.png", preview(tiles[12:], args.scale, 6)),
            ("menus.png", preview(menus, args.scale * 2, 6)),
            ("icons.png", preview([icon32, padded16], args.scale, 2)),
        ):
            image.save(os.path.join(args.preview, name))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
