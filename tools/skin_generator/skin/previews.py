"""What the cooler's screen shows for each reading, as the display page previews it.

Landscape pictures end in "_H", portrait pictures in "_V"; the two temperature readings have
one picture per unit ("F" and "C" in the name).
"""

from . import layout as L
from . import palette as P
from .glyphs import arc_path, glyph
from .svg import el, label, path, rect

# (file stem, group, caption, icon, value, unit, share of the bar or arc)
READINGS = [
    ("CTempF", "CPU", "TEMPERATURE", "thermometer", "113", "°F", 0.45),
    ("CTempC", "CPU", "TEMPERATURE", "thermometer", "45", "°C", 0.45),
    ("CFreq", "CPU", "CLOCK", "wave", "3600", "MHz", 0.72),
    ("CRpm", "CPU", "FAN", "fan", "1250", "RPM", 0.25),
    ("CPower", "CPU", "POWER", "bolt", "65", "W", 0.35),
    ("GTempF", "GPU", "TEMPERATURE", "thermometer", "136", "°F", 0.58),
    ("GTempC", "GPU", "TEMPERATURE", "thermometer", "58", "°C", 0.58),
    ("GFreq", "GPU", "CLOCK", "wave", "1850", "MHz", 0.37),
    ("GRpm", "GPU", "FAN", "fan", "1480", "RPM", 0.30),
    ("GPower", "GPU", "POWER", "bolt", "143", "W", 0.48),
]


def screen(doc, reading, x, y, portrait):
    """The device with its screen showing `reading`, top-left corner at (x, y)."""
    stem, group, caption, icon, value, unit, share = reading
    w, h = L.PREVIEW_PORTRAIT_SIZE if portrait else L.PREVIEW_LANDSCAPE_SIZE
    bezel = doc.linear([(0, "#2a313c"), (1, "#151920")])
    glass = doc.linear([(0, "#0d1a26"), (1, "#06090d")])
    out = [rect(x + 0.5, y + 0.5, w - 1, h - 1, 12, fill=bezel, stroke="#3a4453"),
           rect(x + 7, y + 7, w - 14, h - 14, 6, fill=glass)]
    hot = caption == "TEMPERATURE"
    colour = doc.linear([(0, P.ACCENT), (1, P.WARM if hot else P.ACCENT_LIGHT)], 0, 0, 1, 0)
    sx, sy, sw, sh = x + 7, y + 7, w - 14, h - 14
    if portrait:
        cx = sx + sw / 2
        out.append(label(cx, sy + 22, group, 12, P.ACCENT, 700, "middle", 2))
        cy = sy + 70
        out.append(path(arc_path(cx, cy, 30, -135, 135), fill="none", stroke="#1c2633",
                        stroke_width=6, stroke_linecap="round"))
        out.append(path(arc_path(cx, cy, 30, -135, -135 + 270 * share), fill="none",
                        stroke=colour, stroke_width=6, stroke_linecap="round"))
        out.append(glyph(icon, cx - 11, cy - 11, 22, P.TEXT_MUTED, 2))
        out.append(_value(cx, sy + 140, value, unit, 34 if len(value) < 4 else 30))
        out.append(label(cx, sy + 164, caption, 9.5, P.TEXT_MUTED, 600, "middle", 1.6))
    else:
        out.append(label(sx + 12, sy + 21, group, 12, P.ACCENT, 700, spacing=2))
        out.append(glyph(icon, sx + sw - 30, sy + 8, 18, P.TEXT_MUTED, 2))
        out.append(_value(sx + sw / 2, sy + 78, value, unit, 40 if len(value) < 4 else 36))
        out.append(label(sx + sw / 2, sy + 99, caption, 9.5, P.TEXT_MUTED, 600, "middle", 1.6))
        bx, by, bw = sx + 16, sy + sh - 18, sw - 32
        out.append(rect(bx, by, bw, 5, 2.5, fill="#1c2633"))
        out.append(rect(bx, by, max(bw * share, 5), 5, 2.5, fill=colour))
    return "".join(out)


def _value(cx, y, value, unit, size):
    """The reading centred on cx: degrees raised beside the number, other units on its line."""
    big = el("tspan", value, font_size=size)
    if unit.startswith("°"):
        small = el("tspan", unit, font_size=size * 0.42, dy=-size * 0.45, fill=P.TEXT_MUTED)
    else:
        small = el("tspan", " " + unit, font_size=size * 0.38, fill=P.TEXT_MUTED)
    return el("text", big + small, x=cx, y=y, text_anchor="middle", font_family=P.FONT,
              font_weight=700, fill="#ffffff")


def file_names():
    for reading in READINGS:
        for suffix in ("_H", "_V"):
            yield reading, suffix == "_V", f"{reading[0]}{suffix}.png"
