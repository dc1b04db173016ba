// Plain geometry values shared by the controls' drawing rules, free of any window system type.
#pragma once

#include <cstdint>

// A point in a control's client coordinates, in the floats that text and arcs are drawn at.
struct FloatPoint {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const FloatPoint&, const FloatPoint&) = default;
};

// A rectangle in pixels, right and bottom exclusive.
struct PixelRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
