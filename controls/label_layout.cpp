#include "controls/label_layout.h"

#include <algorithm>

namespace {

// How far back from the anchor a text of `extent` starts under `alignment`.
float Offset(TextAlignment alignment, float extent)
{
    switch (alignment) {
    case TextAlignment::Center:
        return extent * 0.5f;
    case TextAlignment::Far:
        return extent;
    case TextAlignment::Near:
        break;
    }
    return 0.0f;
}

} // namespace

LabelTextLayout LayoutLabelText(std::int32_t align, std::int32_t width, std::int32_t height, FloatPoint currentOrigin)
{
    switch (align) {
    case kLabelAlignTopLeft:
        return {};
    case kLabelAlignRightCentre:
        return {{static_cast<float>(width), static_cast<float>(height) * 0.5f}, TextAlignment::Far,
                TextAlignment::Center};
    default:
        return {currentOrigin, TextAlignment::Near, TextAlignment::Near};
    }
}

FloatPoint LabelTextTopLeft(const LabelTextLayout& layout, float textWidth, float textHeight)
{
    return {layout.origin.x - Offset(layout.alignment, textWidth),
            layout.origin.y - Offset(layout.lineAlignment, textHeight)};
}

float FittedFontScale(float textWidth, float boxWidth)
{
    if (!(textWidth > boxWidth) || !(boxWidth > 0.0f))
        return 1.0f;
    return std::max(boxWidth / textWidth, kLabelMinimumFontScale);
}
