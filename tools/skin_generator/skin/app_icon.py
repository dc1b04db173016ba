"""Program icon (resource 128): a gauge ring with its arc on a dark rounded square.

Each size is drawn on its own so the small ones keep thick, crisp strokes.
"""

from . import palette as P
from .glyphs import arc_path
from .svg import Svg, circle, path, rect

SIZES = (16, 32, 48, 256)


def icon(size):
    doc = Svg(size, size)
    s = size / 256
    small = size <= 32
    fill = doc.linear([(0, "#27303d"), (1, "#0f1318")])
    doc.add(rect(0, 0, size, size, (36 if not small else 48) * s, fill=fill))
    if size >= 48:
        doc.add(rect(0.5, 0.5, size - 1, size - 1, 36 * s - 0.5, fill="none",
                     stroke=P.WINDOW_EDGE, stroke_width=max(1, 3 * s)))
    c = size / 2
    r = (78 if not small else 84) * s
    width = (34 if not small else 48) * s
    doc.add(circle(c, c, r, fill="none", stroke=P.RING, stroke_width=width),
            path(arc_path(c, c, r, 0, 255), fill="none", stroke=P.ACCENT, stroke_width=width,
                 stroke_linecap="round"))
    if not small:
        doc.add(circle(c, c, 26 * s, fill=P.ACCENT))
    return doc


def write(renderer, skin_dir, res_dir):
    renderer.ico([icon(size) for size in SIZES], f"{skin_dir}/app.ico")
