"""python3 -m skin.verify SKIN_DIR RES_DIR: checks the generated skin against what the windows
need. Prints one line per problem and "N passed, N failed"; exits non-zero on any failure."""

import glob
import os
import struct
import sys

from . import layout as L
from .manifest import ICON, RESOURCES, RGB, SKIN
from .png_read import Png

# Window pictures whose shape is cut from alpha: (file, shown size, corner radius).
SHAPED = [("main_background.png", L.MAIN_SIZE, 14), ("settings_background.png", L.POPUP_SIZE, 8)]
# Pictures that must be opaque over the part the window shows.
OPAQUE_WINDOWS = [("monitor_background.png", L.PAGE_SIZE), ("info_background.png", L.PAGE_SIZE)]
# Controls that repaint straight onto their window: they must cover it completely.
OPAQUE_CONTROLS = ["Progress.png", "Slider.png", "Tft_Cpu.png", "Tft_Gpu.png"] + [
    name for name, _, _, use in RESOURCES if "preview" in use]


class Checks:
    def __init__(self):
        self.passed = self.failed = 0

    def check(self, ok, message):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print("FAIL", message)


def _opaque_everywhere(png, width, height):
    return all(png.alpha(x, y) == 255 for y in range(height) for x in range(width))


def _shape_ok(png, size, corner):
    w, h = size
    for y in range(png.height):
        for x in range(png.width):
            a = png.alpha(x, y)
            if x >= w or y >= h:
                if a != 0:
                    return f"pixel ({x}, {y}) outside the window is not transparent"
                continue
            in_corner = (min(x, w - 1 - x) < corner) and (min(y, h - 1 - y) < corner)
            if not in_corner and a != 255:
                return f"pixel ({x}, {y}) inside the window has alpha {a}"
    for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        if png.alpha(x, y) != 0:
            return f"corner pixel ({x}, {y}) is not cut away"
    return None


def _ico_sizes(path):
    data = open(path, "rb").read()
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    sizes = []
    for i in range(count):
        w = data[6 + 16 * i]
        sizes.append(w or 256)
    return kind, sorted(sizes)


def main():
    skin_dir, res_dir = sys.argv[1:3]
    c = Checks()
    pngs = {}
    for folder, entries in ((skin_dir, [(f, s, lay) for f, _, s, lay, _ in SKIN]),
                            (res_dir, [(f, s, lay) for f, s, lay, _ in RESOURCES])):
        expected = {f for f, _, _ in entries}
        present = {os.path.basename(p) for p in glob.glob(os.path.join(folder, "*.png"))}
        c.check(not present - expected, f"{folder}: unexpected files {sorted(present - expected)}")
        for name, (w, h), layout in entries:
            path = os.path.join(folder, name)
            if not os.path.exists(path):
                c.check(False, f"{name}: missing")
                continue
            png = Png(path)
            pngs[name] = png
            c.check((png.width, png.height) == (w, h),
                    f"{name}: {png.width}x{png.height}, expected {w}x{h}")
            want = 2 if layout == RGB else 6
            c.check(png.colour_type == want and png.depth == 8,
                    f"{name}: colour type {png.colour_type}, expected {want}")
            c.check(set(png.chunks) == {"IHDR", "IDAT", "IEND"},
                    f"{name}: extra chunks {png.chunks}")

    for name, size, corner in SHAPED:
        if name in pngs:
            problem = _shape_ok(pngs[name], size, corner)
            c.check(problem is None, f"{name}: {problem}")
    for name, (w, h) in OPAQUE_WINDOWS:
        if name in pngs:
            png = pngs[name]
            c.check(_opaque_everywhere(png, min(w, png.width), min(h, png.height)),
                    f"{name}: not opaque over the window")
    for name in OPAQUE_CONTROLS:
        if name in pngs:
            png = pngs[name]
            c.check(_opaque_everywhere(png, png.width, png.height), f"{name}: not opaque")

    icon_path = os.path.join(skin_dir, ICON[0])
    if os.path.exists(icon_path):
        kind, sizes = _ico_sizes(icon_path)
        c.check(kind == 1 and sizes == sorted(ICON[2]), f"{ICON[0]}: sizes {sizes}")
    else:
        c.check(False, f"{ICON[0]}: missing")

    print(f"skin: {c.passed} passed, {c.failed} failed")
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
