"""Builds SVG documents as text: a canvas with a <defs> section and a body."""

from xml.sax.saxutils import escape

from .palette import FONT


def num(value):
    """Shortest stable text for a coordinate."""
    if isinstance(value, float):
        text = f"{value:.3f}".rstrip("0").rstrip(".")
        return text if text not in ("", "-0") else "0"
    return str(value)


def attrs(**kw):
    """Attribute text; a trailing underscore is dropped and other underscores become hyphens."""
    parts = []
    for key, value in kw.items():
        if value is None:
            continue
        name = key.rstrip("_").replace("_", "-")
        parts.append(f'{name}="{escape(num(value), {chr(34): "&quot;"})}"')
    return " ".join(parts)


def el(tag, content=None, **kw):
    head = f"<{tag} {attrs(**kw)}".rstrip()
    if content is None:
        return head + "/>"
    return f"{head}>{content}</{tag}>"


class Svg:
    """One picture: width x height pixels, optional viewBox offset for crops."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self._defs = []
        self._body = []
        self._ids = 0

    def uid(self, prefix):
        self._ids += 1
        return f"{prefix}{self._ids}"

    def define(self, markup):
        self._defs.append(markup)

    def add(self, *markup):
        self._body.extend(m for m in markup if m)

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, units=None):
        """A linear gradient; stops are (offset, colour[, opacity]). Returns url(#id)."""
        gid = self.uid("lg")
        self.define(el("linearGradient", _stops(stops), id=gid, x1=x1, y1=y1, x2=x2, y2=y2,
                       gradientUnits=units))
        return f"url(#{gid})"

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, units=None):
        gid = self.uid("rg")
        self.define(el("radialGradient", _stops(stops), id=gid, cx=cx, cy=cy, r=r,
                       gradientUnits=units))
        return f"url(#{gid})"

    def clip(self, markup):
        cid = self.uid("cp")
        self.define(el("clipPath", markup, id=cid))
        return f"url(#{cid})"

    def text(self, view=None):
        """The document; view = (x, y, w, h) renders only that part of the canvas."""
        if view is None:
            view = (0, 0, self.width, self.height)
        x, y, w, h = view
        head = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
                f'viewBox="{x} {y} {w} {h}">')
        defs = f"<defs>{''.join(self._defs)}</defs>" if self._defs else ""
        return head + defs + "\n".join(self._body) + "</svg>\n"


def _stops(stops):
    out = []
    for stop in stops:
        offset, colour = stop[0], stop[1]
        opacity = stop[2] if len(stop) > 2 else None
        out.append(el("stop", offset=offset, stop_color=colour, stop_opacity=opacity))
    return "".join(out)


def rect(x, y, w, h, rx=0, **kw):
    return el("rect", x=x, y=y, width=w, height=h, rx=rx or None, **kw)


def circle(cx, cy, r, **kw):
    return el("circle", cx=cx, cy=cy, r=r, **kw)


def line(x1, y1, x2, y2, **kw):
    return el("line", x1=x1, y1=y1, x2=x2, y2=y2, **kw)


def path(d, **kw):
    return el("path", d=d, **kw)


def group(content, **kw):
    return el("g", "".join(content) if isinstance(content, (list, tuple)) else content, **kw)


def label(x, y, value, size, fill, weight=400, anchor=None, spacing=None, family=None, **kw):
    """One line of text with its baseline at y."""
    return el("text", escape(value), x=x, y=y, font_family=family or FONT, font_size=size,
              font_weight=weight, fill=fill, text_anchor=anchor, letter_spacing=spacing, **kw)


def baseline(centre, size):
    """Baseline that centres the capitals of a line of the given size on `centre`."""
    return centre + 0.36 * size
