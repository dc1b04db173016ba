// Where a transparent label (CStaticEx) draws its text, for each alignment mode.
#pragma once

#include <cstdint>

#include "controls/control_geometry.h"

// The modes of m_nAlign.
constexpr std::int32_t kLabelAlignTopLeft = 0;    // text starts at the top-left corner
constexpr std::int32_t kLabelAlignRightCentre = 2; // text ends at the right edge, centred vertically

// The string format's alignments (values as GDI+'s StringAlignment: near, centre, far).
enum class TextAlignment { Near = 0, Center = 1, Far = 2 };

struct LabelTextLayout {
    FloatPoint origin;                               // the point the text is drawn at
    TextAlignment alignment = TextAlignment::Near;     // horizontal
    TextAlignment lineAlignment = TextAlignment::Near; // vertical
    friend bool operator==(const LabelTextLayout&, const LabelTextLayout&) = default;
};

// Mode 0: origin (0, 0), near / near. Mode 2: origin (width, height × 0.5), far / centre. Any other
// mode keeps `currentOrigin` and the string format's defaults (near / near).
LabelTextLayout LayoutLabelText(std::int32_t align, std::int32_t width, std::int32_t height, FloatPoint currentOrigin);

// The top-left corner of a text of the measured size `textWidth` × `textHeight` once drawn with
// `layout`: what lands where on the label.
FloatPoint LabelTextTopLeft(const LabelTextLayout& layout, float textWidth, float textHeight);

// The smallest share of its size a label's font is shrunk to so that a text fits the label.
constexpr float kLabelMinimumFontScale = 0.7f;

// How much a text measured `textWidth` wide is shrunk to fit a label `boxWidth` wide: 1 when it
// fits, else the ratio, but not below kLabelMinimumFontScale (longer texts are then cut at the edge).
// A font wider than the skin's own (a fallback family) would otherwise lose the end of a caption.
float FittedFontScale(float textWidth, float boxWidth);
