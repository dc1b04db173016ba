// How far a value bar's fill picture reaches.
#pragma once

#include <cstdint>

// Fill length in pixels for `value` within [min, max] on a bar `width` pixels wide:
// width × (value − min) ÷ (max − min), the quotient truncated toward zero. A value below the range
// gives 0 and one above it the full width; a range with no width (min ≥ max) and a negative width
// give 0. Computed in 64 bits, so no input overflows.
std::int32_t SliderFillLength(std::int32_t width, std::int32_t value, std::int32_t min, std::int32_t max);

// The fill length actually drawn for a stored length: kept within 0..width, so a length written by
// hand can neither mirror the fill picture nor draw it past the track.
std::int32_t ClampFillLength(std::int32_t fillLength, std::int32_t width);
