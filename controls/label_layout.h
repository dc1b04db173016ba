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
