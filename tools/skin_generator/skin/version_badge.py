"""Version picture (PNG resource 337): the product name and version on a small badge."""

from . import layout as L
from . import palette as P
from .glyphs import arc_path
from .svg import Svg, circle, label, path, rect

SIZE = (240, 72)


def badge():
    w, h = SIZE
    doc = Svg(w, h)
    fill = doc.linear([(0, "#232b37"), (1, "#141920")])
    doc.add(rect(0, 0, w, h, 14, fill=fill),
            rect(0.5, 0.5, w - 1, h - 1, 13.5, fill="none", stroke=P.WINDOW_EDGE))
    cx, cy = 36, h / 2
    glow = doc.radial([(0, P.ACCENT, 0.3), (1, P.ACCENT, 0)])
    doc.add(circle(cx, cy, 30, fill=glow),
            circle(cx, cy, 18, fill="none", stroke=P.RING, stroke_width=5),
            path(arc_path(cx, cy, 18, 0, 250), fill="none", stroke=P.ACCENT, stroke_width=5,
                 stroke_linecap="round"))
    doc.add(label(68, 33, L.PRODUCT, 19, P.TEXT, 700, spacing=1),
            label(69, 52, f"Version {L.VERSION}", 12, P.TEXT_MUTED, 500))
    return doc


def write(renderer, skin_dir, res_dir):
    renderer.png(badge(), f"{skin_dir}/version.png")
