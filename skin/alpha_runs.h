// The shape of a picture as rectangles: exactly the pixels whose alpha is 255 (fully opaque); any
// partial transparency, even 254, leaves a pixel out. Portable, so that the rule is tested natively;
// the Windows side turns the rectangles into a window region.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Where to read the alpha bytes: the first pixel's alpha byte, the distance between two pixels of a
// row (1 for a plain alpha buffer, 4 for 32-bit ARGB pixels) and between two rows (may be negative
// for bottom-up pictures).
struct AlphaPlane {
    const std::uint8_t* pFirst = nullptr;
    int nWidth = 0;
    int nHeight = 0;
    std::ptrdiff_t nRowStride = 0;
    std::ptrdiff_t nPixelStride = 1;
};

// Half-open pixel rectangle: left <= x < right, top <= y < bottom.
struct OpaqueRect {
    int left, top, right, bottom;
    bool operator==(const OpaqueRect&) const = default;
};

// Row by row, each maximal run of opaque pixels is one rectangle; consecutive rows with the same
// runs share their rectangles (one band), so a large opaque area is a handful of rectangles. The
// rectangles do not overlap, are ordered top to bottom and left to right within a band, and cover
// exactly the opaque pixels. An empty picture gives none.
std::vector<OpaqueRect> OpaqueRectsFromAlpha(const AlphaPlane& plane);
