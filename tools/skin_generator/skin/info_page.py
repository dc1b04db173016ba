"""Hardware information page: background (PNG resource 335).

The captions and values are labels drawn by the page itself; the picture gives each of the
eight rows a band, a marker between caption and value, and an icon at the far right.
"""

from . import layout as L
from . import palette as P
from .glyphs import glyph
from .svg import Svg, rect

ICONS = ["chip", "board", "ram", "disk", "gpu", "speaker", "network", "desktop"]
BAND = (12, 694, 36)  # left, width, height


def page():
    w, h = L.INFO_PICTURE
    doc = Svg(w, h)
    doc.add(rect(0, 0, w, h, fill=P.PAGE))
    x, bw, bh = BAND
    caption_left, caption_width = L.INFO_CAPTION
    marker_x = (caption_left + caption_width + L.INFO_VALUE[0]) / 2
    for k, (top, icon) in enumerate(zip(L.INFO_ROW_TOPS, ICONS)):
        centre = top + 12.5
        band = P.CARD if k % 2 == 0 else P.TILE_ALT
        doc.add(rect(x + 0.5, centre - bh / 2 + 0.5, bw - 1, bh - 1, 9, fill=band,
                     stroke=P.CARD_EDGE),
                rect(marker_x - 1.5, centre - 9, 3, 18, 1.5, fill=P.ACCENT_DEEP),
                glyph(icon, x + bw - 40, centre - 11, 22, P.GLYPH_DIM, 1.8))
    return doc


def write(renderer, skin_dir, res_dir):
    renderer.png(page(), f"{skin_dir}/info_background.png")
