"""python3 -m skin.mockup SKIN_DIR RES_DIR OUT_DIR: the windows as a user would see them.

Composes the generated pictures at the positions the windows give them and draws on top what
the controls draw themselves (gauge ring and arc, value texts, labels), with sample readings.
Writes one PNG per view and a contact sheet of every picture into OUT_DIR.
"""

import base64
import glob
import os
import subprocess
import sys

from . import layout as L
from . import palette as P
from .glyphs import arc_path
from .svg import Svg, circle, el, label, path, rect

SAMPLE = {"CPU": (45, ["37 %", "3600 MHz", "1250 RPM", "65 W"], [0.37, 0.72, 0.25, 0.065]),
          "GPU": (58, ["82 %", "1850 MHz", "1480 RPM", "143 W"], [0.82, 0.37, 0.3, 0.143])}
INFO = ["CPU", "Mainboard", "RAM", "Disk Drive", "Graphics Card", "Sound Card", "Network Card",
        "System Version"]
INFO_VALUES = ["AMD Ryzen 7 5800X 8-Core Processor", "ASUSTeK TUF GAMING B550-PLUS",
               "32 GB DDR4 3200 MHz", "Samsung SSD 980 PRO 1TB", "NVIDIA GeForce RTX 3070",
               "Realtek High Definition Audio", "Intel(R) Ethernet Controller I225-V",
               "Windows 10 Pro  22H2"]


def _data_uri(file):
    return "data:image/png;base64," + base64.b64encode(open(file, "rb").read()).decode()


def _image(file, x, y, w=None, h=None):
    if w is None:
        size = subprocess.run(["identify", "-format", "%w %h", file], check=True,
                              capture_output=True, text=True).stdout.split()
        w, h = int(size[0]), int(size[1])
    return el("image", x=x, y=y, width=w, height=h, preserveAspectRatio="none",
              href=_data_uri(file))


def _window(doc, x, y, w, h, content):
    """Content of a child window at (x, y), cut to its client size."""
    cid = doc.clip(rect(0, 0, w, h))
    return el("g", el("g", "".join(content), clip_path=cid), transform=f"translate({x} {y})")


def _gauge(gx, gy, caption, value):
    """What the gauge strokes over its dial: ring, arc, value, unit and caption."""
    cx, cy, r = gx + 95, gy + 95, 89
    digits = len(str(value))
    vx = {1: 70, 2: 55, 3: 40}[digits]
    ux = {1: 102, 2: 112, 3: 122}[digits]
    return (circle(cx, cy, r, fill="none", stroke="#454f66", stroke_width=10.5)
            + path(arc_path(cx, cy, r, 0, int(value * 3.6)), fill="none", stroke="#57b1e3",
                   stroke_width=10, stroke_linecap="round")
            + label(gx + vx + 6, gy + 55 + 42, str(value), 44, "#ffffff", 700)
            + label(gx + ux + 3, gy + 65 + 16, "\u2103", 16, "#ffffff", 700)
            + label(gx + 73, gy + 130 + 18, caption, 18.7, "#ffffff", 400))


def monitor_page(res, skin):
    out = [_image(f"{skin}/monitor_background.png", 0, 0)]
    bar_w, bar_h = L.BAR_SIZE
    for side, (gx, gy), bx, lx in zip(("CPU", "GPU"), L.GAUGES, L.BAR_X, (200, 600)):
        temp, texts, shares = SAMPLE[side]
        out.append(_image(f"{res}/Progress.png", gx, gy))
        out.append(_gauge(gx, gy, side, temp))
        for row, top, text, share in zip(L.BAR_ROWS, L.VALUE_LABEL_TOPS, texts, shares):
            out.append(_image(f"{res}/Slider.png", bx, row))
            out.append(_image(f"{res}/Slider_H.png", bx, row, int(bar_w * share), bar_h))
            out.append(label(lx + 90, top + 17.5, text, 14.7, "#ffffff", 400, "end"))
    return out


def info_page(res, skin):
    out = [_image(f"{skin}/info_background.png", 0, 0)]
    for top, caption, value in zip(L.INFO_ROW_TOPS, INFO, INFO_VALUES):
        out.append(label(155, top + 18.5, caption, 17.3, "#ffffff", 400, "end"))
        out.append(label(172, top + 17, value, 17.3, "#ffffff", 400))
    return out


def display_page(res, skin, gpu=False, portrait=False):
    out = [_image(f"{skin}/display_background.png", 0, 0)]
    group = "G" if gpu else "C"
    out.append(_image(f"{res}/Tft_{'Gpu' if gpu else 'Cpu'}.png", *L.DEVICE_PICTURE))
    for top, on in zip(L.ITEM_ROWS, (1, 1, 0, 1)):
        out.append(_image(f"{res}/Open{'_H' if on else ''}.png", L.ITEM_SWITCH_X, top))
    out.append(_image(f"{res}/Open_H.png", *L.MASTER_SWITCH))
    out.append(_image(f"{res}/CBox{'_H' if gpu else ''}.png", *L.TABS["CBox"]))
    out.append(_image(f"{res}/GBox{'_H' if gpu else ''}.png", *L.TABS["GBox"]))
    for i, pos in enumerate(L.SPEED_BUTTONS):
        out.append(_image(f"{res}/Speed{'_H' if i < 2 else ''}.png", *pos))
    out.append(_image(f"{res}/Animation_P.png", *L.ANIMATION_BUTTON))
    out.append(_image(f"{res}/Turn.png", *L.TURN_BUTTON))
    if portrait:
        out.append(_image(f"{res}/{group}TempC_V.png", *L.PREVIEW_PORTRAIT))
    else:
        out.append(_image(f"{res}/{group}TempC_H.png", *L.PREVIEW_LANDSCAPE))
    return out


def main_window(res, skin, page, selected="HD_Mon", hover=None):
    doc = Svg(*L.MAIN_SIZE)
    doc.add(rect(0, 0, *L.MAIN_SIZE, fill="#3a6ea5"))  # a desktop behind the window corners
    doc.add(_image(f"{skin}/main_background.png", 0, 0))
    for name, pos in {**L.CAPTION_BUTTONS, **L.NAV_BUTTONS}.items():
        face = "_P" if name == selected else "_H" if name == hover else ""
        doc.add(_image(f"{res}/{name}{face}.png", *pos))
    doc.add(_window(doc, *L.CONTENT, page))
    return doc


def popup(res, skin):
    doc = Svg(120, 130)
    doc.add(rect(0, 0, 120, 130, fill=P.WINDOW_TOP))
    inner = [_image(f"{skin}/settings_background.png", 0, 0)]
    faces = {"Temp0": "", "Temp1": "_P", "Start": "_P", "Version": "_H"}
    for name, pos in L.POPUP_BUTTONS.items():
        inner.append(_image(f"{res}/{name}{faces[name]}.png", *pos))
    doc.add(_window(doc, 19, 14, *L.POPUP_SIZE, inner))
    return doc


def render(doc, out, zoom=1):
    svg = out[:-4] + ".svg"
    with open(svg, "w", encoding="utf-8") as f:
        f.write(doc.text())
    subprocess.run(["rsvg-convert", "--zoom", str(zoom), "-o", out, svg], check=True)
    os.remove(svg)


def contact_sheet(skin, res, out):
    """Backgrounds scaled to fit, then every Resources picture at its own size."""
    common = ["-background", "#2b2f36", "-fill", "#d0d6df", "-font", "DejaVu-Sans",
              "-pointsize", "11", "-label", "%f  %wx%h"]
    top, bottom = out[:-4] + ".top.png", out[:-4] + ".bottom.png"
    subprocess.run(["montage"] + common + sorted(glob.glob(f"{skin}/*.png"))
                   + ["-geometry", "560x330>+8+8", "-tile", "3x", top], check=True)
    subprocess.run(["montage"] + common + sorted(glob.glob(f"{res}/*.png"))
                   + ["-geometry", "200x200>+8+8", "-tile", "11x", bottom], check=True)
    subprocess.run(["convert", top, bottom, "-background", "#2b2f36", "-gravity", "center",
                    "-append", "+repage", "-depth", "8", out], check=True)
    os.remove(top)
    os.remove(bottom)


def main():
    skin, res, out_dir = sys.argv[1:4]
    os.makedirs(out_dir, exist_ok=True)
    render(main_window(res, skin, monitor_page(res, skin)), f"{out_dir}/view_monitor.png")
    render(main_window(res, skin, info_page(res, skin), "HD_Info", "HD_Mon"),
           f"{out_dir}/view_info.png")
    render(main_window(res, skin, display_page(res, skin)), f"{out_dir}/view_display_cpu.png")
    render(main_window(res, skin, display_page(res, skin, gpu=True, portrait=True)),
           f"{out_dir}/view_display_gpu.png")
    render(popup(res, skin), f"{out_dir}/view_settings.png", zoom=3)
    contact_sheet(skin, res, f"{out_dir}/contact_sheet.png")
    print(f"views and contact sheet in {out_dir}")


if __name__ == "__main__":
    main()
