"""Line icons drawn in a 24 x 24 box; `glyph` places one at any size and colour."""

import math

from .svg import circle, group, line, num, path, rect


def _polar(cx, cy, r, degrees):
    """Point on a circle; 0 degrees is twelve o'clock, angles run clockwise."""
    a = math.radians(degrees)
    return cx + r * math.sin(a), cy - r * math.cos(a)


def _pt(p):
    return f"{num(round(p[0], 3))} {num(round(p[1], 3))}"


def arc_path(cx, cy, r, start, end):
    """Clockwise arc from `start` to `end` degrees (twelve o'clock = 0)."""
    large = 1 if (end - start) % 360 > 180 else 0
    p0, p1 = _polar(cx, cy, r, start), _polar(cx, cy, r, end)
    return f"M{_pt(p0)} A{num(r)} {num(r)} 0 {large} 1 {_pt(p1)}"


def _stroke(colour, width):
    return dict(fill="none", stroke=colour, stroke_width=width, stroke_linecap="round",
                stroke_linejoin="round")


def gear(c, w):
    pts = []
    for i in range(8):
        centre = i * 45
        for r, da in ((7.4, -15), (10, -8), (10, 8), (7.4, 15)):
            pts.append(_polar(12, 12, r, centre + da))
    outline = "M" + " L".join(_pt(p) for p in pts) + " Z"
    hole = "M15.2 12 A3.2 3.2 0 1 0 8.8 12 A3.2 3.2 0 1 0 15.2 12 Z"
    return path(outline + " " + hole, fill=c, fill_rule="evenodd")


def minus(c, w):
    return line(6.5, 12, 17.5, 12, **_stroke(c, w))


def close(c, w):
    return line(7, 7, 17, 17, **_stroke(c, w)) + line(17, 7, 7, 17, **_stroke(c, w))


def gauge(c, w):
    return (path(arc_path(12, 13, 9, -125, 125), **_stroke(c, w))
            + line(12, 13, *_polar(12, 13, 6, 45), **_stroke(c, w))
            + circle(12, 13, 1.6, fill=c))


def chip(c, w):
    out = rect(6, 6, 12, 12, 2, **_stroke(c, w)) + rect(9.5, 9.5, 5, 5, 0.8, fill=c)
    for t in (9, 12, 15):
        out += line(t, 6, t, 3, **_stroke(c, w)) + line(t, 18, t, 21, **_stroke(c, w))
        out += line(6, t, 3, t, **_stroke(c, w)) + line(18, t, 21, t, **_stroke(c, w))
    return out


def thermometer(c, w):
    stem = "M10 14.2 V5 A2 2 0 0 1 14 5 V14.2 A4 4 0 1 1 10 14.2 Z"
    return (path(stem, **_stroke(c, w)) + circle(12, 17.2, 1.9, fill=c)
            + line(12, 15.5, 12, 8, **_stroke(c, w)))


def wave(c, w):
    d = "M2.5 16 H6 V8 H10 V16 H14 V8 H18 V16 H21.5"
    return path(d, **_stroke(c, w))


def fan(c, w):
    blade = "M12 12 C10.6 8.4 11 4.6 13.6 4.1 C16.6 3.6 17 7.8 12 12 Z"
    blades = "".join(path(blade, fill=c, transform=f"rotate({a} 12 12)") for a in (0, 120, 240))
    return blades + circle(12, 12, 10, **_stroke(c, w * 0.8)) + circle(12, 12, 1.7, fill=c)


def bolt(c, w):
    return path("M13.5 2 L5 13.5 H11.2 L10.2 22 L19 10 H12.8 Z", fill=c)


def bars(c, w):
    return rect(4, 14, 4, 7, 1, fill=c) + rect(10, 9, 4, 12, 1, fill=c) + rect(16, 4, 4, 17, 1, fill=c)


def board(c, w):
    out = rect(3, 3, 18, 18, 2.5, **_stroke(c, w)) + rect(6.5, 6.5, 6, 6, 1, **_stroke(c, w))
    out += line(16, 6.5, 16, 17.5, **_stroke(c, w)) + line(6.5, 16.5, 12.5, 16.5, **_stroke(c, w))
    return out


def ram(c, w):
    out = rect(2, 6.5, 20, 10, 1.5, **_stroke(c, w))
    for x in (5, 9, 13, 17):
        out += rect(x - 0.5, 9, 3, 5, 0.6, fill=c)
    for x in (5, 8, 11, 14, 17, 20):
        out += line(x - 0.5, 16.5, x - 0.5, 19, **_stroke(c, w * 0.7))
    return out


def disk(c, w):
    return (rect(3, 4, 18, 16, 2.5, **_stroke(c, w)) + circle(12, 11, 4.2, **_stroke(c, w))
            + circle(12, 11, 1.2, fill=c) + line(7, 17, 10, 17, **_stroke(c, w)))


def gpu(c, w):
    return (rect(2.5, 6, 17, 11, 1.8, **_stroke(c, w)) + circle(9, 11.5, 3.2, **_stroke(c, w))
            + circle(9, 11.5, 0.9, fill=c) + line(14, 9.5, 17, 9.5, **_stroke(c, w))
            + line(14, 13.5, 17, 13.5, **_stroke(c, w)) + line(21.5, 5, 21.5, 19, **_stroke(c, w))
            + line(6, 17, 6, 19.5, **_stroke(c, w)) + line(6, 19.5, 14, 19.5, **_stroke(c, w)))


def speaker(c, w):
    return (path("M3.5 9 H7.5 L12.5 5 V19 L7.5 15 H3.5 Z", fill=c)
            + path("M15.5 9 A4.2 4.2 0 0 1 15.5 15", **_stroke(c, w))
            + path("M18 6.3 A8 8 0 0 1 18 17.7", **_stroke(c, w)))


def network(c, w):
    return (rect(9, 2.5, 6, 5, 1, **_stroke(c, w)) + rect(2.5, 16.5, 6, 5, 1, **_stroke(c, w))
            + rect(15.5, 16.5, 6, 5, 1, **_stroke(c, w))
            + path("M12 7.5 V12 M5.5 16.5 V12 H18.5 V16.5", **_stroke(c, w)))


def desktop(c, w):
    return (rect(2.5, 3.5, 19, 13, 2, **_stroke(c, w)) + line(12, 16.5, 12, 20, **_stroke(c, w))
            + line(8, 20.5, 16, 20.5, **_stroke(c, w)) + rect(5.5, 6.5, 5, 3.5, 0.6, fill=c))


def power(c, w):
    return path("M8 6.2 A8 8 0 1 0 16 6.2", **_stroke(c, w)) + line(12, 3, 12, 11.5, **_stroke(c, w))


def info(c, w):
    return (circle(12, 12, 9.5, **_stroke(c, w)) + line(12, 11, 12, 17, **_stroke(c, w))
            + circle(12, 7.6, 1.3, fill=c))


def motion(c, w):
    return (path("M10 6 L19.5 12 L10 18 Z", fill=c, stroke=c, stroke_width=1.2,
                 stroke_linejoin="round")
            + line(2.5, 8, 6.5, 8, **_stroke(c, w)) + line(1.5, 12, 6.5, 12, **_stroke(c, w))
            + line(2.5, 16, 6.5, 16, **_stroke(c, w)))


def rotate(c, w):
    start, end, r = 60, 330, 8
    a = math.radians(end)
    tip = _polar(12, 12, r, end)
    along = (math.cos(a), math.sin(a))      # clockwise tangent at the end of the arc
    out_ = (math.sin(a), -math.cos(a))      # away from the centre
    head = [(tip[0] + 3.6 * along[0], tip[1] + 3.6 * along[1]),
            (tip[0] + 3.4 * out_[0] - 1.2 * along[0], tip[1] + 3.4 * out_[1] - 1.2 * along[1]),
            (tip[0] - 3.4 * out_[0] - 1.2 * along[0], tip[1] - 3.4 * out_[1] - 1.2 * along[1])]
    return (path(arc_path(12, 12, r, start, end), **_stroke(c, w))
            + path("M" + " L".join(_pt(p) for p in head) + " Z", fill=c, stroke=c,
                   stroke_width=1, stroke_linejoin="round"))


def screen(c, w):
    return rect(3, 4, 18, 13, 2, **_stroke(c, w)) + line(9, 20.5, 15, 20.5, **_stroke(c, w)) \
        + line(12, 17, 12, 20.5, **_stroke(c, w))


GLYPHS = {f.__name__: f for f in (gear, minus, close, gauge, chip, thermometer, wave, fan, bolt,
                                  bars, board, ram, disk, gpu, speaker, network, desktop, power,
                                  info, motion, rotate, screen)}


def glyph(name, x, y, size, colour, weight=2.0, **kw):
    """Icon `name` with its 24 x 24 box scaled to `size` at (x, y)."""
    scale = size / 24
    return group(GLYPHS[name](colour, weight),
                 transform=f"translate({num(float(x))} {num(float(y))}) scale({num(scale)})", **kw)
