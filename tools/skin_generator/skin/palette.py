"""Colours and the typeface of the whole skin: dark graphite surfaces, one blue accent."""

FONT = "Inter"  # Debian package fonts-inter

# Window surfaces, from the outermost to the innermost.
WINDOW_TOP = "#1c222c"
WINDOW_BOTTOM = "#11151b"
WINDOW_EDGE = "#303a49"
RAIL = "#151a21"
RAIL_EDGE = "#242c38"

# The content well of the main window and the base of every page: the pages cover the well with
# the same colour, so their rectangular edges vanish into it.
PAGE = "#0f1217"
WELL_EDGE = "#262f3c"

# Cards on the pages. Controls that paint themselves opaquely (gauges, bar tracks, previews,
# device pictures) are cut out of a rendering of their page, so they match it pixel for pixel.
CARD = "#171c24"
CARD_EDGE = "#252e3b"
CARD_SHINE = "#1f2630"
TILE = "#1d232d"
TILE_ALT = "#1a1f28"
DIVIDER = "#232b37"
TROUGH = "#0b0e13"

TEXT = "#e8edf5"
TEXT_MUTED = "#8e99ac"
TEXT_DIM = "#5c6678"
GLYPH_DIM = "#47526a"

# The accent follows the gauge's own arc colour; its ring colour is the neutral track.
ACCENT = "#57b1e3"
ACCENT_DEEP = "#2c7db3"
ACCENT_LIGHT = "#93d6f8"
RING = "#454f66"
WARM = "#f0954a"
HOT = "#e5534b"

# Faces of raised buttons.
FACE_TOP = "#28303d"
FACE_BOTTOM = "#202731"
FACE_EDGE = "#343f4f"
FACE_GLYPH = "#b7c1cf"
HOVER_TOP = "#344052"
HOVER_BOTTOM = "#2a3444"
HOVER_EDGE = "#50627a"
PRESS_TOP = "#0c0f14"
PRESS_BOTTOM = "#141920"
PRESS_EDGE = "#0a0d11"
PRESS_GLYPH = "#7b879a"
