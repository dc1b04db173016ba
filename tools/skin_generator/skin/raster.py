"""Turns SVG documents into the committed PNG files: rsvg-convert renders, ImageMagick cuts,
fixes the colour type and drops every chunk that would make the output differ between runs."""

import os
import subprocess
import tempfile

# Only IHDR, IDAT and IEND remain: no dates, no gamma (GDI+ would apply it), no background colour.
_CLEAN = ["-strip", "-define", "png:exclude-chunk=bKGD,cHRM,gAMA,date,time,tEXt,zTXt,iTXt"]


class Renderer:
    def __init__(self, svg_dir=None):
        self._tmp = tempfile.TemporaryDirectory(prefix="skin-")
        self.svg_dir = svg_dir
        if svg_dir:
            os.makedirs(svg_dir, exist_ok=True)
        self.written = []

    def close(self):
        self._tmp.cleanup()

    def _render(self, doc, name, view=None):
        svg_text = doc.text(view)
        stem = os.path.splitext(name)[0]
        svg_path = os.path.join(self.svg_dir or self._tmp.name, stem + ".svg")
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(svg_text)
        raw = os.path.join(self._tmp.name, stem + ".raw.png")
        subprocess.run(["rsvg-convert", "--format=png", "-o", raw, svg_path], check=True)
        return raw

    def png(self, doc, out, opaque=False, crop=None):
        """Render `doc` to `out`: RGBA (colour type 6) or, when opaque, RGB (colour type 2).

        crop = (x, y, w, h) keeps only that part of the canvas; the rest of the document is still
        rendered first, so a cut-out matches the full picture exactly.
        """
        raw = self._render(doc, os.path.basename(out))
        os.makedirs(os.path.dirname(out) or ".", exist_ok=True)
        args = ["convert", raw]
        if crop:
            x, y, w, h = crop
            args += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
        if opaque:
            args += ["-background", "black", "-alpha", "remove", "-alpha", "off"]
        args += _CLEAN + [("PNG24:" if opaque else "PNG32:") + out]
        subprocess.run(args, check=True)
        self.written.append(out)

    def ico(self, docs, out):
        """An icon file from square documents of different sizes, smallest first."""
        parts = []
        for doc in docs:
            raw = self._render(doc, f"icon_{doc.width}.png")
            clean = os.path.join(self._tmp.name, f"icon_{doc.width}.png")
            subprocess.run(["convert", raw] + _CLEAN + ["PNG32:" + clean], check=True)
            parts.append(clean)
        os.makedirs(os.path.dirname(out) or ".", exist_ok=True)
        subprocess.run(["convert"] + parts + [out], check=True)
        self.written.append(out)
