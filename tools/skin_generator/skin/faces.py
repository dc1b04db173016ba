"""The three faces every skinned button has: raised (normal), lit (hover), sunk (pressed).

A button that stays pressed to show a choice (unit, autostart, animation, the selected page)
gets the sunk face with an accent edge and an accent glyph, so the choice reads at a glance.
"""

from . import palette as P
from .svg import line, rect

STATES = ("normal", "pressed", "hover")
SUFFIX = {"normal": "", "pressed": "_P", "hover": "_H"}


def tile(doc, x, y, w, h, r, state, chosen=False):
    """A rounded tile in the look of `state`. Returns (markup, glyph colour, glyph y offset)."""
    if state == "normal":
        fill = doc.linear([(0, P.FACE_TOP), (1, P.FACE_BOTTOM)])
        out = [rect(x + 0.5, y + 0.5, w - 1, h - 1, r, fill=fill, stroke=P.FACE_EDGE),
               line(x + r, y + 1.5, x + w - r, y + 1.5, stroke="#ffffff", stroke_opacity=0.07)]
        return out, P.FACE_GLYPH, 0
    if state == "hover":
        fill = doc.linear([(0, P.HOVER_TOP), (1, P.HOVER_BOTTOM)])
        out = [rect(x + 0.5, y + 0.5, w - 1, h - 1, r, fill=fill, stroke=P.HOVER_EDGE),
               line(x + r, y + 1.5, x + w - r, y + 1.5, stroke="#ffffff", stroke_opacity=0.12)]
        return out, P.TEXT, 0
    fill = doc.linear([(0, P.PRESS_TOP), (1, P.PRESS_BOTTOM)])
    shade = doc.linear([(0, "#000000", 0.55), (0.35, "#000000", 0)])
    edge = P.ACCENT if chosen else P.PRESS_EDGE
    out = [rect(x + 0.5, y + 0.5, w - 1, h - 1, r, fill=fill, stroke=edge),
           rect(x + 1, y + 1, w - 2, h - 2, max(r - 0.5, 0), fill=shade)]
    if chosen:
        glow = doc.radial([(0, P.ACCENT, 0.18), (1, P.ACCENT, 0)], cy=1.0, r=0.8)
        out.append(rect(x + 1, y + 1, w - 2, h - 2, max(r - 0.5, 0), fill=glow))
    return out, (P.ACCENT_LIGHT if chosen else P.PRESS_GLYPH), 1


def write_faces(renderer, folder, base, build):
    """Render base.png, base_P.png and base_H.png; build(state) returns the Svg of one face."""
    for state in STATES:
        renderer.png(build(state), f"{folder}/{base}{SUFFIX[state]}.png")
