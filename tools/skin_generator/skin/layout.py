"""Where the windows put the pictures: sizes and control positions the skin is drawn around.

All coordinates are client pixels of the window that holds the control.
"""

# Main window: 1049 x 600 on screen, its background picture 1051 x 601.
MAIN_SIZE = (1049, 600)
MAIN_PICTURE = (1051, 601)
DRAG_BAND = 36
CAPTION_BUTTONS = {"Set": (945, 20), "Min": (975, 20), "Close": (1005, 20)}
CAPTION_BUTTON_SIZE = (26, 26)
NAV_BUTTONS = {"HD_Mon": (35, 95), "HD_Info": (35, 185)}
NAV_BUTTON_SIZE = (176, 64)
CONTENT = (238, 96, 719, 419)  # where every page sits

# Pages: each window is 719 x 419; the pictures are a little larger or smaller.
MONITOR_PICTURE = (720, 421)
INFO_PICTURE = (718, 420)
DISPLAY_PICTURE = (720, 421)
PAGE_SIZE = (719, 419)

# Monitor page.
GAUGES = [(70, 18), (470, 18)]
GAUGE_SIZE = (190, 190)          # the gauge strokes its ring on a 178 px circle at (6, 6)
GAUGE_RING = (6, 6, 178)
BAR_ROWS = [230, 275, 320, 365]
BAR_X = [25, 425]
BAR_SIZE = (265, 10)
VALUE_LABEL_TOPS = [244, 290, 335, 383]  # 25 px high; text centred, right edge at bar end
VALUE_LABEL_HEIGHT = 25

# Information page: eight rows of 25 px labels, 50 px apart.
INFO_ROW_TOPS = [30 + 50 * k for k in range(8)]
INFO_CAPTION = (25, 130)   # left, width: caption text ends at the right edge
INFO_VALUE = (170, 400)

# Settings popup: 82 x 101 on screen, picture 83 x 101.
POPUP_SIZE = (82, 101)
POPUP_PICTURE = (83, 101)
POPUP_BUTTONS = {"Temp0": (5, 10), "Temp1": (43, 10), "Start": (5, 52), "Version": (43, 52)}
POPUP_BUTTON_SIZE = (34, 38)

# Display page.
ITEM_ROWS = [105, 152, 201, 250]     # tops of the item switches, x 220
ITEM_SWITCH_X = 220
MASTER_SWITCH = (220, 375)
SWITCH_SIZE = (46, 26)
TABS = {"CBox": (180, 52), "GBox": (240, 52)}
TAB_SIZE = (56, 28)
SPEED_BUTTONS = [(550, 380), (590, 380), (630, 380)]
SPEED_SIZE = (34, 14)
ANIMATION_BUTTON = (580, 323)
TURN_BUTTON = (640, 323)
ROUND_BUTTON_SIZE = (44, 44)
DEVICE_PICTURE = (75, 110)
DEVICE_PICTURE_SIZE = (140, 160)
PREVIEW_LANDSCAPE = (470, 130)
PREVIEW_LANDSCAPE_SIZE = (200, 150)
PREVIEW_PORTRAIT = (500, 85)
PREVIEW_PORTRAIT_SIZE = (150, 200)

VERSION = "1.0.0.1"
PRODUCT = "KX-DUNVALE"
