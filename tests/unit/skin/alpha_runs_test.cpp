// The shape rule: rectangles that cover exactly the pixels with alpha 255.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/alpha_runs.h"

namespace {

// One character per pixel: '#' 255, '+' 254, 'o' 128, '.' 0.
std::vector<std::uint8_t> AlphaFromRows(const std::vector<std::string>& rows)
{
    std::vector<std::uint8_t> alpha;
    for (const std::string& row : rows)
        for (char c : row)
            alpha.push_back(c == '#' ? 255 : c == '+' ? 254 : c == 'o' ? 128 : 0);
    return alpha;
}

std::vector<OpaqueRect> RectsOf(const std::vector<std::string>& rows)
{
    const std::vector<std::uint8_t> alpha = AlphaFromRows(rows);
    AlphaPlane plane;
    plane.pFirst = alpha.data();
    plane.nHeight = static_cast<int>(rows.size());
    plane.nWidth = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    plane.nRowStride = plane.nWidth;
    return OpaqueRectsFromAlpha(plane);
}

std::string Text(const std::vector<OpaqueRect>& rects)
{
    std::string text;
    for (const OpaqueRect& r : rects)
        text += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
                std::to_string(r.bottom) + ") ";
    return text;
}

TEST(OpaqueRects, FromPictures)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<OpaqueRect> expected;
    };
    const Case cases[] = {
        {"no pixels", {}, {}},
        {"no columns", {"", ""}, {}},
        {"fully opaque: one rectangle", {"####", "####", "####"}, {{0, 0, 4, 3}}},
        {"nothing opaque", {"+o.", "...", "+++"}, {}},
        {"alpha 254 edges left out", {"+++++", "+###+", "+###+", "+++++"}, {{1, 1, 4, 3}}},
        {"a hole splits its band", {"###", "#.#", "###"}, {{0, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {0, 2, 3, 3}}},
        {"runs at both ends of a row", {"#..##"}, {{0, 0, 1, 1}, {3, 0, 5, 1}}},
        {"equal rows share a band, only when adjacent", {"##.", "##.", ".##", "##."},
         {{0, 0, 2, 2}, {1, 2, 3, 3}, {0, 3, 2, 4}}},
        {"a single opaque pixel", {"+++", "+#+", "+++"}, {{1, 1, 2, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<OpaqueRect> rects = RectsOf(c.rows);
        EXPECT_EQ(rects, c.expected) << Text(rects);
    }
}

TEST(OpaqueRects, ReadsAlphaFromStridedPixelsTopDownAndBottomUp)
{
    // 3 x 2 pixels of 32-bit B, G, R, A with 4 padding bytes per row; blue, green, red are 255
    // everywhere, so only the alpha byte may decide.
    const std::uint8_t alphas[2][3] = {{255, 254, 255}, {255, 255, 0}};
    constexpr int kRowBytes = 3 * 4 + 4;
    std::vector<std::uint8_t> memory(2 * kRowBytes, 0xFF);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            memory[y * kRowBytes + x * 4 + 3] = alphas[y][x];

    AlphaPlane topDown;
    topDown.pFirst = memory.data() + 3;
    topDown.nWidth = 3;
    topDown.nHeight = 2;
    topDown.nRowStride = kRowBytes;
    topDown.nPixelStride = 4;
    EXPECT_EQ(OpaqueRectsFromAlpha(topDown), (std::vector<OpaqueRect>{{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 2, 2}}));

    AlphaPlane bottomUp = topDown; // row 0 of the picture is the last row in memory
    bottomUp.pFirst = memory.data() + kRowBytes + 3;
    bottomUp.nRowStride = -kRowBytes;
    EXPECT_EQ(OpaqueRectsFromAlpha(bottomUp), (std::vector<OpaqueRect>{{0, 0, 2, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}}));
}

TEST(OpaqueRects, CoverExactlyTheOpaquePixelsOfAnIrregularPicture)
{
    constexpr int kWidth = 53, kHeight = 31;
    std::vector<std::string> rows(kHeight, std::string(kWidth, '.'));
    std::uint32_t state = 12345; // fixed pseudo-random picture with long opaque stretches
    for (std::string& row : rows)
        for (char& c : row) {
            state = state * 1103515245u + 12345u;
            const unsigned pick = (state >> 16) % 8;
            c = pick < 5 ? '#' : pick == 5 ? '+' : pick == 6 ? 'o' : '.';
        }
    rows[10] = rows[11] = rows[12] = std::string(kWidth, '#');

    std::vector<int> covered(kWidth * kHeight, 0);
    for (const OpaqueRect& r : RectsOf(rows)) {
        ASSERT_LT(r.left, r.right);
        ASSERT_LT(r.top, r.bottom);
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                ++covered[y * kWidth + x];
    }
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(covered[y * kWidth + x], rows[y][x] == '#' ? 1 : 0) << x << "," << y;
}

} // namespace
