"""Display configuration page: background (PNG resource 338, without alpha), item switches,
group tabs, speed steps, animation and turn buttons, device pictures and the previews."""

from . import layout as L
from . import palette as P
from . import previews
from .faces import tile, write_faces
from .glyphs import glyph
from .svg import Svg, baseline, circle, label, line, path, rect

LEFT_CARD = (25, 8, 300, 403)
PREVIEW_CARD = (415, 8, 290, 292)
OPTIONS_CARD = (415, 310, 290, 101)
ROW_TILE = (55, 240, 36)   # left, width, height of the tile behind each item row
TITLE = 31                 # centre line of the card titles
ITEMS = [("Temperature", "thermometer"), ("Clock", "wave"), ("Fan", "fan"), ("Power", "bolt")]


def _row_centres():
    return [top + L.SWITCH_SIZE[1] / 2 for top in L.ITEM_ROWS]


def page(device=None, preview=None):
    """The page; device ("CPU"/"GPU") and preview ((reading, portrait)) add the pictures that
    the page's image views show, so they can be cut out of it."""
    w, h = L.DISPLAY_PICTURE
    doc = Svg(w, h)
    doc.add(rect(0, 0, w, h, fill=P.PAGE))
    for x, y, cw, ch in (LEFT_CARD, PREVIEW_CARD, OPTIONS_CARD):
        doc.add(rect(x + 0.5, y + 0.5, cw - 1, ch - 1, 12, fill=P.CARD, stroke=P.CARD_EDGE),
                line(x + 12, y + 1.5, x + cw - 12, y + 1.5, stroke=P.CARD_SHINE))
    _items_card(doc)
    _preview_card(doc)
    _options_card(doc)
    _flow(doc)
    if device:
        doc.add(_device_rows(device))
    if preview:
        reading, portrait = preview
        pos = L.PREVIEW_PORTRAIT if portrait else L.PREVIEW_LANDSCAPE
        doc.add(previews.screen(doc, reading, *pos, portrait))
    return doc


def _items_card(doc):
    x0, tw, th = ROW_TILE
    tabs = L.TABS["CBox"][1] + L.TAB_SIZE[1] / 2
    doc.add(glyph("screen", x0, TITLE - 11, 22, P.ACCENT, 1.8),
            label(x0 + 30, baseline(TITLE, 16), "Display", 16, P.TEXT, 600),
            label(x0, baseline(tabs, 9.5), "READINGS OF", 9.5, P.TEXT_DIM, 700, spacing=1.6),
            line(x0, 92.5, x0 + tw, 92.5, stroke=P.DIVIDER))
    for centre in _row_centres():
        doc.add(rect(x0, centre - th / 2, tw, th, 9, fill=P.TILE))
    master = L.MASTER_SWITCH[1] + L.SWITCH_SIZE[1] / 2
    doc.add(line(x0, 312.5, x0 + tw, 312.5, stroke=P.DIVIDER),
            label(x0, 346, "ON / OFF", 9.5, P.TEXT_DIM, 700, spacing=1.6),
            rect(x0, master - th / 2, tw, th, 9, fill=P.TILE),
            glyph("power", L.DEVICE_PICTURE[0], master - 8, 16, P.ACCENT, 2.2),
            label(L.DEVICE_PICTURE[0] + 24, baseline(master, 13), "Display on/off", 13, P.TEXT,
                  500))


def _device_rows(group):
    """The captions of the four item rows of one group, beside the item switches."""
    x = L.DEVICE_PICTURE[0]
    out = []
    for (name, icon), centre in zip(ITEMS, _row_centres()):
        out.append(glyph(icon, x, centre - 8, 16, P.ACCENT, 2.2))
        out.append(label(x + 24, baseline(centre, 13), f"{group} {name}", 13, P.TEXT, 500))
    return "".join(out)


def _preview_card(doc):
    x, y, w, h = PREVIEW_CARD
    doc.add(glyph("motion", x + 20, TITLE - 10, 20, P.ACCENT, 2),
            label(x + 50, baseline(TITLE, 16), "Preview", 16, P.TEXT, 600),
            label(x + 50, baseline(TITLE + 20, 11), "what the cooler's screen shows", 11,
                  P.TEXT_MUTED, 500))


def _options_card(doc):
    x = OPTIONS_CARD[0] + 20
    turn_centre = L.ANIMATION_BUTTON[1] + L.ROUND_BUTTON_SIZE[1] / 2
    speed_centre = L.SPEED_BUTTONS[0][1] + L.SPEED_SIZE[1] / 2
    doc.add(label(x, baseline(turn_centre, 9.5), "ANIMATION · TURN", 9.5, P.TEXT_DIM, 700,
                  spacing=1.6),
            label(x, baseline(speed_centre, 9.5), "SPEED", 9.5, P.TEXT_DIM, 700, spacing=1.6))


def _flow(doc):
    """Chevrons between the item list and the preview: the chosen items go to the screen."""
    cx = (LEFT_CARD[0] + LEFT_CARD[2] + PREVIEW_CARD[0]) / 2
    cy = 190
    for i, opacity in enumerate((0.25, 0.5, 0.9)):
        x = cx - 16 + i * 12
        doc.add(path(f"M{x} {cy - 7} L{x + 6} {cy} L{x} {cy + 7}", fill="none", stroke=P.ACCENT,
                     stroke_opacity=opacity, stroke_width=2.2, stroke_linecap="round",
                     stroke_linejoin="round"))


# --- Buttons ---------------------------------------------------------------------------------

def switch(on):
    w, h = L.SWITCH_SIZE
    doc = Svg(w, h)
    r = h / 2
    if on:
        track = doc.linear([(0, P.ACCENT_DEEP), (1, P.ACCENT)], 0, 0, 1, 0)
        doc.add(rect(0, 0, w, h, r, fill=track),
                rect(0.5, 0.5, w - 1, h - 1, r - 0.5, fill="none", stroke=P.ACCENT_LIGHT,
                     stroke_opacity=0.5))
        knob_x, knob = w - r, "#ffffff"
    else:
        doc.add(rect(0.5, 0.5, w - 1, h - 1, r - 0.5, fill=P.TROUGH, stroke=P.FACE_EDGE))
        knob_x, knob = r, "#6f7b8f"
    doc.add(circle(knob_x, r + 1, r - 3.5, fill="#000000", fill_opacity=0.3),
            circle(knob_x, r, r - 3.5, fill=knob))
    return doc


def speed_step(lit):
    w, h = L.SPEED_SIZE
    doc = Svg(w, h)
    if lit:
        fill = doc.linear([(0, P.ACCENT_LIGHT), (1, P.ACCENT)])
        doc.add(rect(0, 0, w, h, h / 2, fill=P.ACCENT, fill_opacity=0.25),
                rect(2, 2, w - 4, h - 4, (h - 4) / 2, fill=fill))
    else:
        doc.add(rect(0.5, 0.5, w - 1, h - 1, (h - 1) / 2, fill=P.TROUGH, stroke=P.FACE_EDGE),
                rect(2.5, 2.5, w - 5, h - 5, (h - 5) / 2, fill=P.FACE_BOTTOM))
    return doc


def tab(text, chosen):
    w, h = L.TAB_SIZE
    doc = Svg(w, h)
    if chosen:
        fill = doc.linear([(0, P.ACCENT_LIGHT), (1, P.ACCENT)])
        doc.add(rect(0, 0, w, h, 8, fill=fill),
                label(w / 2, baseline(h / 2, 12), text, 12, "#0b1118", 700, "middle", 1))
    else:
        doc.add(rect(0.5, 0.5, w - 1, h - 1, 7.5, fill=P.FACE_BOTTOM, stroke=P.FACE_EDGE),
                label(w / 2, baseline(h / 2, 12), text, 12, P.TEXT_MUTED, 700, "middle", 1))
    return doc


def round_button(icon, chosen, state):
    w, h = L.ROUND_BUTTON_SIZE
    doc = Svg(w, h)
    face, colour, dy = tile(doc, 0, 0, w, h, 11, state, chosen)
    doc.add(*face, glyph(icon, (w - 24) / 2, (h - 24) / 2 + dy, 24, colour, 2.1))
    return doc


def write(renderer, skin_dir, res_dir):
    renderer.png(page(), f"{skin_dir}/display_background.png", opaque=True)
    renderer.png(switch(False), f"{res_dir}/Open.png")
    renderer.png(switch(True), f"{res_dir}/Open_H.png")
    renderer.png(speed_step(False), f"{res_dir}/Speed.png")
    renderer.png(speed_step(True), f"{res_dir}/Speed_H.png")
    # The page puts CBox + GBox up for the CPU group and CBox_H + GBox_H for the GPU group,
    # so CBox and GBox_H are the chosen looks.
    renderer.png(tab("CPU", True), f"{res_dir}/CBox.png")
    renderer.png(tab("CPU", False), f"{res_dir}/CBox_H.png")
    renderer.png(tab("GPU", False), f"{res_dir}/GBox.png")
    renderer.png(tab("GPU", True), f"{res_dir}/GBox_H.png")
    write_faces(renderer, res_dir, "Animation", lambda s: round_button("motion", True, s))
    write_faces(renderer, res_dir, "Turn", lambda s: round_button("rotate", False, s))
    for group, name in (("CPU", "Tft_Cpu.png"), ("GPU", "Tft_Gpu.png")):
        renderer.png(page(device=group), f"{res_dir}/{name}",
                     crop=(*L.DEVICE_PICTURE, *L.DEVICE_PICTURE_SIZE))
    for reading, portrait, name in previews.file_names():
        pos = L.PREVIEW_PORTRAIT if portrait else L.PREVIEW_LANDSCAPE
        size = L.PREVIEW_PORTRAIT_SIZE if portrait else L.PREVIEW_LANDSCAPE_SIZE
        renderer.png(page(preview=(reading, portrait)), f"{res_dir}/{name}", crop=(*pos, *size))
