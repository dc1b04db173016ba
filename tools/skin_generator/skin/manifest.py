"""Every file the generator writes: folder, name, size, colour layout and who shows it.

res/skin holds what is compiled into the program (PNG resources and the icon); res/Resources
holds the picture files that ship in the "Resources" folder beside the executable.
"""

from . import layout as L
from .previews import READINGS

RGBA, RGB = "RGBA", "RGB"


def _faces(base, size, user):
    return [(f"{base}{s}.png", size, RGBA, f"{user} ({face})")
            for s, face in (("", "normal"), ("_P", "pressed"), ("_H", "hover"))]


# (file, PNG resource id, size, layout, shown by)
SKIN = [
    ("main_background.png", 333, L.MAIN_PICTURE, RGBA, "main window: background and shape"),
    ("monitor_background.png", 334, L.MONITOR_PICTURE, RGBA, "monitor page: background"),
    ("info_background.png", 335, L.INFO_PICTURE, RGBA, "information page: background"),
    ("settings_background.png", 336, L.POPUP_PICTURE, RGBA,
     "settings popup: background and shape"),
    ("version.png", 337, (240, 72), RGBA, "version picture (carried, shown by no window)"),
    ("display_background.png", 338, L.DISPLAY_PICTURE, RGB,
     "display page: background (no alpha: rectangular window)"),
]
ICON = ("app.ico", 128, (16, 32, 48, 256), "program icon: window and tray")

RESOURCES = (
    _faces("Set", L.CAPTION_BUTTON_SIZE, "main window 1002, settings")
    + _faces("Min", L.CAPTION_BUTTON_SIZE, "main window 1001, hide to tray")
    + _faces("Close", L.CAPTION_BUTTON_SIZE, "main window 1000, close")
    + _faces("HD_Mon", L.NAV_BUTTON_SIZE, "main window 1003, monitor page")
    + _faces("HD_Info", L.NAV_BUTTON_SIZE, "main window 1004, information page")
    + [("Progress.png", L.GAUGE_SIZE, RGBA, "monitor page 1320/1321, gauge dial"),
       ("Slider.png", L.BAR_SIZE, RGBA, "monitor page 1200-1207, bar track"),
       ("Slider_H.png", L.BAR_SIZE, RGBA, "monitor page 1200-1207, bar fill")]
    + _faces("Temp0", L.POPUP_BUTTON_SIZE, "settings popup 1005, Fahrenheit")
    + _faces("Temp1", L.POPUP_BUTTON_SIZE, "settings popup 1006, Celsius")
    + _faces("Start", L.POPUP_BUTTON_SIZE, "settings popup 1007, start with Windows")
    + _faces("Version", L.POPUP_BUTTON_SIZE, "settings popup 1008, version")
    + [("Open.png", L.SWITCH_SIZE, RGBA, "display page 1014-1021, 1024: switch off"),
       ("Open_H.png", L.SWITCH_SIZE, RGBA, "display page 1014-1021, 1024: switch on"),
       ("Speed.png", L.SPEED_SIZE, RGBA, "display page 1025-1027: speed step off"),
       ("Speed_H.png", L.SPEED_SIZE, RGBA, "display page 1025-1027: speed step lit"),
       ("CBox.png", L.TAB_SIZE, RGBA, "display page 1022: CPU tab, chosen"),
       ("CBox_H.png", L.TAB_SIZE, RGBA, "display page 1022: CPU tab, not chosen"),
       ("GBox.png", L.TAB_SIZE, RGBA, "display page 1023: GPU tab, not chosen"),
       ("GBox_H.png", L.TAB_SIZE, RGBA, "display page 1023: GPU tab, chosen")]
    + _faces("Animation", L.ROUND_BUTTON_SIZE, "display page 1028, animation")
    + _faces("Turn", L.ROUND_BUTTON_SIZE, "display page 1029, turn")
    + [("Tft_Cpu.png", L.DEVICE_PICTURE_SIZE, RGBA, "display page 1330, CPU item captions"),
       ("Tft_Gpu.png", L.DEVICE_PICTURE_SIZE, RGBA, "display page 1331, GPU item captions")]
    + [(f"{r[0]}_H.png", L.PREVIEW_LANDSCAPE_SIZE, RGBA, "display page 1324, landscape preview")
       for r in READINGS]
    + [(f"{r[0]}_V.png", L.PREVIEW_PORTRAIT_SIZE, RGBA, "display page 1324, portrait preview")
       for r in READINGS]
)
