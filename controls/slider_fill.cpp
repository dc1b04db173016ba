#include "controls/slider_fill.h"

#include <algorithm>

std::int32_t SliderFillLength(std::int32_t width, std::int32_t value, std::int32_t min, std::int32_t max)
{
    if (width <= 0 || min >= max)
        return 0;
    const std::int64_t clamped = std::clamp(value, min, max);
    const std::int64_t span = std::int64_t{max} - min;
    return static_cast<std::int32_t>(std::int64_t{width} * (clamped - min) / span);
}

std::int32_t ClampFillLength(std::int32_t fillLength, std::int32_t width)
{
    return std::clamp(fillLength, std::int32_t{0}, std::max(width, std::int32_t{0}));
}
