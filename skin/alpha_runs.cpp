#include "skin/alpha_runs.h"

namespace {

struct Run {
    int left, right;
    bool operator==(const Run&) const = default;
};

constexpr int kBlock = 8;

// True when the kBlock pixels from `alpha` on are all opaque: one test for the whole block, since
// opaque stretches are most of a skin picture.
template <std::ptrdiff_t kStride>
bool BlockOpaque(const std::uint8_t* alpha, std::ptrdiff_t stride)
{
    if constexpr (kStride != 0)
        stride = kStride;
    std::uint8_t all = 0xFF;
    for (int i = 0; i < kBlock; ++i)
        all &= alpha[i * stride];
    return all == 0xFF;
}

// kStride: the pixel stride when known at compile time (32-bit pixels), else 0.
template <std::ptrdiff_t kStride>
void RowRuns(const AlphaPlane& plane, int y, std::vector<Run>& runs)
{
    runs.clear();
    const std::uint8_t* row = plane.pFirst + y * plane.nRowStride;
    const std::ptrdiff_t stride = kStride != 0 ? kStride : plane.nPixelStride;
    const int width = plane.nWidth;
    int x = 0;
    while (x < width) {
        while (x < width && row[x * stride] != 0xFF)
            ++x;
        const int start = x;
        while (x + kBlock <= width && BlockOpaque<kStride>(row + x * stride, stride))
            x += kBlock;
        while (x < width && row[x * stride] == 0xFF)
            ++x;
        if (x > start)
            runs.push_back(Run{start, x});
    }
}

void AnyRowRuns(const AlphaPlane& plane, int y, std::vector<Run>& runs)
{
    if (plane.nPixelStride == 4)
        RowRuns<4>(plane, y, runs);
    else
        RowRuns<0>(plane, y, runs);
}

void EmitBand(const std::vector<Run>& runs, int top, int bottom, std::vector<OpaqueRect>& rects)
{
    for (const Run& run : runs)
        rects.push_back(OpaqueRect{run.left, top, run.right, bottom});
}

} // namespace

std::vector<OpaqueRect> OpaqueRectsFromAlpha(const AlphaPlane& plane)
{
    std::vector<OpaqueRect> rects;
    if (plane.pFirst == nullptr || plane.nWidth <= 0 || plane.nHeight <= 0)
        return rects;

    std::vector<Run> band, row;
    int bandTop = 0;
    AnyRowRuns(plane, 0, band);
    for (int y = 1; y < plane.nHeight; ++y) {
        AnyRowRuns(plane, y, row);
        if (row == band)
            continue;
        EmitBand(band, bandTop, y, rects);
        band.swap(row);
        bandTop = y;
    }
    EmitBand(band, bandTop, plane.nHeight, rects);
    return rects;
}
