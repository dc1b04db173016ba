"""Main window: its background (PNG resource 333) and its caption and navigation buttons."""

from . import layout as L
from . import palette as P
from .faces import write_faces
from .glyphs import glyph
from .svg import Svg, label, line, rect

CORNER = 14


def background():
    w, h = L.MAIN_SIZE
    doc = Svg(*L.MAIN_PICTURE)
    body = doc.linear([(0, P.WINDOW_TOP), (1, P.WINDOW_BOTTOM)])
    # The window shape: everything outside this rounded rectangle stays transparent
    # (the extra column and row of the picture included), so the window region cuts it away.
    doc.add(rect(0, 0, w, h, CORNER, fill=body),
            rect(0.5, 0.5, w - 1, h - 1, CORNER - 0.5, fill="none", stroke=P.WINDOW_EDGE))
    sheen = doc.linear([(0, "#ffffff", 0.045), (1, "#ffffff", 0)])
    doc.add(rect(1, 1, w - 2, 70, CORNER - 1, fill=sheen))

    _title(doc)
    _sidebar(doc)
    _content_well(doc)
    _rail(doc)
    _footer(doc)
    return doc


def _title(doc):
    glow = doc.radial([(0, P.ACCENT, 0.35), (1, P.ACCENT, 0)])
    doc.add(rect(26, 14, 44, 44, 0, fill=glow),
            glyph("gauge", 33, 21, 30, P.ACCENT, 2.2),
            label(76, 37, L.PRODUCT, 18, P.TEXT, 700, spacing=1.2),
            label(77, 54, "Cooler display companion", 11.5, P.TEXT_MUTED, 500))


def _sidebar(doc):
    x, y, w, h = 20, 86, 206, 439
    doc.add(rect(x + 0.5, y + 0.5, w - 1, h - 1, 12, fill=P.RAIL, stroke=P.RAIL_EDGE))
    doc.add(glyph("fan", 73, 380, 100, "#1a2029", 1.6))
    doc.add(label(123, 508, "CPU  ·  GPU  ·  DISPLAY", 9, P.TEXT_DIM, 600, "middle", 1.2))


def _content_well(doc):
    x, y, w, h = L.CONTENT
    m = 6
    doc.add(rect(x - m + 0.5, y - m + 0.5, w + 2 * m - 1, h + 2 * m - 1, 12,
                 fill=P.PAGE, stroke=P.WELL_EDGE))


def _rail(doc):
    x, y, w, h = 969, 86, 60, 439
    doc.add(rect(x + 0.5, y + 0.5, w - 1, h - 1, 12, fill=P.RAIL, stroke=P.RAIL_EDGE))
    cx = x + w / 2
    doc.add(glyph("thermometer", cx - 11, y + 22, 22, P.ACCENT, 1.8))
    doc.add(label(0, 0, L.PRODUCT, 12, P.TEXT_DIM, 700, "middle", 6,
                  transform=f"translate({cx + 4} {y + h / 2 + 10}) rotate(-90)"))
    doc.add(glyph("fan", cx - 11, y + h - 44, 22, P.GLYPH_DIM, 1.8))


def _footer(doc):
    doc.add(line(20, 540.5, 1029, 540.5, stroke=P.DIVIDER))
    doc.add(rect(35, 562, 6, 6, 3, fill=P.ACCENT),
            label(49, 569, "Readings refresh once a second and feed the cooler's display",
                  11.5, P.TEXT_MUTED, 500),
            label(1029, 569, f"v{L.VERSION}", 11.5, P.TEXT_DIM, 500, "end"))


# Caption buttons: flat glyphs that light up on hover; Close turns red.
def caption_button(name, state):
    w, h = L.CAPTION_BUTTON_SIZE
    doc = Svg(w, h)
    icon = {"Set": "gear", "Min": "minus", "Close": "close"}[name]
    colour, dy = "#a3aebe", 0
    if state == "hover":
        fill = P.HOT if name == "Close" else P.HOVER_TOP
        doc.add(rect(0, 0, w, h, 7, fill=fill))
        colour = "#ffffff"
    elif state == "pressed":
        fill = "#9e3530" if name == "Close" else P.PRESS_TOP
        doc.add(rect(0.5, 0.5, w - 1, h - 1, 7, fill=fill, stroke=P.PRESS_EDGE))
        shade = doc.linear([(0, "#000000", 0.5), (0.4, "#000000", 0)])
        doc.add(rect(1, 1, w - 2, h - 2, 6.5, fill=shade))
        colour, dy = ("#f3c9c6" if name == "Close" else P.PRESS_GLYPH), 1
    size = 16 if icon == "gear" else 14
    doc.add(glyph(icon, (w - size) / 2, (h - size) / 2 + dy, size, colour, 2.4))
    return doc


# Navigation buttons: the chosen page keeps its button pressed, so the pressed face is
# the "current page" look: sunk tile, accent bar at the left, accent icon.
NAV_TEXT = {"HD_Mon": ("gauge", "Monitor", "Live sensors"),
            "HD_Info": ("chip", "Hardware", "System inventory")}


def nav_button(name, state):
    w, h = L.NAV_BUTTON_SIZE
    icon, title, subtitle = NAV_TEXT[name]
    doc = Svg(w, h)
    icon_colour, title_colour, sub_colour, dy = P.TEXT_MUTED, "#c4cddb", P.TEXT_DIM, 0
    if state == "hover":
        fill = doc.linear([(0, "#252d39"), (1, "#1f2631")])
        doc.add(rect(0.5, 0.5, w - 1, h - 1, 10, fill=fill, stroke="#323d4d"))
        icon_colour, title_colour, sub_colour = P.TEXT, "#ffffff", P.TEXT_MUTED
    elif state == "pressed":
        fill = doc.linear([(0, "#0b0e12"), (1, "#11151b")])
        doc.add(rect(0.5, 0.5, w - 1, h - 1, 10, fill=fill, stroke="#0a0c10"))
        shade = doc.linear([(0, "#000000", 0.5), (0.3, "#000000", 0)])
        glow = doc.linear([(0, P.ACCENT, 0.16), (0.6, P.ACCENT, 0)], 0, 0, 1, 0)
        doc.add(rect(1, 1, w - 2, h - 2, 9.5, fill=shade), rect(1, 1, w - 2, h - 2, 9.5, fill=glow),
                rect(0, 14, 4, h - 28, 2, fill=P.ACCENT))
        icon_colour, title_colour, sub_colour, dy = P.ACCENT, "#ffffff", P.ACCENT_LIGHT, 1
    doc.add(glyph(icon, 18, 20 + dy, 24, icon_colour, 2.0),
            label(56, 30 + dy, title, 15, title_colour, 600),
            label(56, 47 + dy, subtitle, 11, sub_colour, 500))
    return doc


def write(renderer, skin_dir, res_dir):
    renderer.png(background(), f"{skin_dir}/main_background.png")
    for name in L.CAPTION_BUTTONS:
        write_faces(renderer, res_dir, name, lambda s, n=name: caption_button(n, s))
    for name in L.NAV_BUTTONS:
        write_faces(renderer, res_dir, name, lambda s, n=name: nav_button(n, s))
