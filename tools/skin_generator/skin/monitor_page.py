"""Monitor page: background (PNG resource 334), gauge face "Progress.png" and bar pictures
"Slider.png" (track) and "Slider_H.png" (fill)."""

from . import layout as L
from . import palette as P
from .glyphs import _polar, glyph
from .svg import Svg, baseline, circle, label, line, rect

CARDS = [(10, 8, 300, 403), (410, 8, 300, 403)]
SIDES = [("CPU", "chip"), ("GPU", "gpu")]
CAPTIONS = [("Utilization", "bars"), ("Frequency", "wave"), ("Fan", "fan"), ("Power", "bolt")]


def page(with_controls=False):
    w, h = L.MONITOR_PICTURE
    doc = Svg(w, h)
    doc.add(rect(0, 0, w, h, fill=P.PAGE))
    _spine(doc)
    for (x, y, cw, ch), (short, icon), bar_x, gauge in zip(CARDS, SIDES, L.BAR_X, L.GAUGES):
        doc.add(rect(x + 0.5, y + 0.5, cw - 1, ch - 1, 12, fill=P.CARD, stroke=P.CARD_EDGE),
                line(x + 12, y + 1.5, x + cw - 12, y + 1.5, stroke=P.CARD_SHINE))
        # Only the corners are free: the gauge covers the rest of the card's top.
        doc.add(glyph(icon, x + 14, y + 12, 20, P.GLYPH_DIM, 1.8),
                label(x + cw - 14, y + 25, short, 10, P.TEXT_DIM, 700, "end", 1.5))
        bar_w, bar_h = L.BAR_SIZE
        doc.add(line(bar_x, 219.5, bar_x + bar_w, 219.5, stroke=P.DIVIDER))
        for (caption, icon_name), top in zip(CAPTIONS, L.VALUE_LABEL_TOPS):
            centre = top + L.VALUE_LABEL_HEIGHT / 2
            doc.add(glyph(icon_name, bar_x, centre - 7, 14, P.ACCENT, 2.0),
                    label(bar_x + 21, baseline(centre, 12.5), f"{short} {caption}", 12.5,
                          P.TEXT_MUTED, 500))
        if with_controls:
            for row in L.BAR_ROWS:
                doc.add(_track(bar_x, row))
            doc.add(_gauge_face(doc, *gauge))
    return doc


def _spine(doc):
    """Between the two cards: the cooler's fan, joined to every row of both sides."""
    cx = (CARDS[0][0] + CARDS[0][2] + CARDS[1][0]) / 2
    cy = L.GAUGES[0][1] + L.GAUGE_SIZE[1] / 2
    doc.add(line(cx, cy + 30, cx, L.VALUE_LABEL_TOPS[-1] + 12.5, stroke=P.DIVIDER,
                 stroke_width=2, stroke_dasharray="2 5", stroke_linecap="round"))
    doc.add(circle(cx, cy, 26, fill=P.CARD, stroke=P.CARD_EDGE),
            glyph("fan", cx - 16, cy - 16, 32, P.GLYPH_DIM, 1.6))
    for top in L.VALUE_LABEL_TOPS:
        centre = top + L.VALUE_LABEL_HEIGHT / 2
        doc.add(circle(cx, centre, 3.5, fill=P.PAGE, stroke=P.ACCENT_DEEP, stroke_width=1.5))


def _track(x, y):
    w, h = L.BAR_SIZE
    r = h / 2
    return (rect(x, y, w, h, r, fill=P.TROUGH)
            + rect(x + 0.5, y + 0.5, w - 1, h - 1, r - 0.5, fill="none", stroke="#000000",
                   stroke_opacity=0.35)
            + line(x + r, y + h - 0.5, x + w - r, y + h - 0.5, stroke="#ffffff",
                   stroke_opacity=0.06))


def _gauge_face(doc, x, y):
    """The dial under the gauge's ring and arc: a dark disc with a 0-100 degree scale."""
    size = L.GAUGE_SIZE[0]
    cx, cy = x + size / 2, y + size / 2
    disc = doc.radial([(0, "#202835"), (0.75, "#161b24"), (1, "#12161d")])
    out = [circle(cx, cy, 82, fill=disc), circle(cx, cy, 79.5, fill="none", stroke="#283140")]
    for i in range(20):
        angle = i * 18
        major = i % 2 == 0
        hot = i >= 16
        r0 = 67 if major else 70
        p0, p1 = _polar(cx, cy, r0, angle), _polar(cx, cy, 75, angle)
        colour = (P.WARM if hot else "#56627a") if major else ("#8a5a3a" if hot else "#39445a")
        out.append(line(*p0, *p1, stroke=colour, stroke_width=2 if major else 1.4,
                        stroke_linecap="round"))
    return "".join(out)


def fill_picture():
    w, h = L.BAR_SIZE
    doc = Svg(w, h)
    fill = doc.linear([(0, P.ACCENT_DEEP), (0.6, P.ACCENT), (1, P.ACCENT_LIGHT)], 0, 0, 1, 0)
    doc.add(rect(0, 1, w, h - 2, (h - 2) / 2, fill=fill),
            line(4, 2.5, w - 4, 2.5, stroke="#ffffff", stroke_opacity=0.3))
    return doc


def write(renderer, skin_dir, res_dir):
    renderer.png(page(), f"{skin_dir}/monitor_background.png")
    full = page(with_controls=True)
    gx, gy = L.GAUGES[0]
    renderer.png(full, f"{res_dir}/Progress.png", crop=(gx, gy, *L.GAUGE_SIZE))
    renderer.png(full, f"{res_dir}/Slider.png", crop=(L.BAR_X[0], L.BAR_ROWS[0], *L.BAR_SIZE))
    renderer.png(fill_picture(), f"{res_dir}/Slider_H.png")
