"""Settings popup: background (PNG resource 336) and its four buttons, "Temp0" (Fahrenheit),
"Temp1" (Celsius), "Start" (start with Windows) and "Version"."""

from . import layout as L
from . import palette as P
from .faces import tile, write_faces
from .glyphs import glyph
from .svg import Svg, label, line, rect

# Unit and autostart stay pressed while chosen; Version is a plain push button.
BUTTONS = {"Temp0": ("UNIT", "°F", True), "Temp1": ("UNIT", "°C", True),
           "Start": ("AUTO", "power", True), "Version": ("VER", L.VERSION[:3], False)}


def background():
    w, h = L.POPUP_SIZE
    doc = Svg(*L.POPUP_PICTURE)
    fill = doc.linear([(0, "#222a35"), (1, "#171c24")])
    doc.add(rect(0, 0, w, h, 8, fill=fill),
            rect(0.5, 0.5, w - 1, h - 1, 7.5, fill="none", stroke=P.WINDOW_EDGE),
            line(9, 50.5, w - 9, 50.5, stroke=P.DIVIDER))
    return doc


def button(name, state):
    w, h = L.POPUP_BUTTON_SIZE
    caption, mark, chosen = BUTTONS[name]
    doc = Svg(w, h)
    face, colour, dy = tile(doc, 0, 0, w, h, 7, state, chosen)
    doc.add(*face)
    caption_colour = P.ACCENT if state == "pressed" and chosen else P.TEXT_DIM
    if state == "hover":
        caption_colour = P.TEXT_MUTED
    doc.add(label(w / 2, 12 + dy, caption, 7.5, caption_colour, 700, "middle", 0.8))
    if mark == "power":
        doc.add(glyph("power", w / 2 - 8, 16 + dy, 16, colour, 2.4))
    else:
        doc.add(label(w / 2, 30 + dy, mark, 14 if len(mark) < 3 else 12.5, colour, 700, "middle"))
    return doc


def write(renderer, skin_dir, res_dir):
    renderer.png(background(), f"{skin_dir}/settings_background.png")
    for name in BUTTONS:
        write_faces(renderer, res_dir, name, lambda s, n=name: button(n, s))
