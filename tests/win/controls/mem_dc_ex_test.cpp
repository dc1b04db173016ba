// The off-screen buffer: drawn in the target's coordinates, copied onto the target in one block
// when it goes, and only within its rectangle.
#include <gtest/gtest.h>

#include "controls/mem_dc_ex.h"
#include "ui/gdi_object.h"

namespace {

constexpr std::uint32_t kRed = 0xFF0000;

void Fill(HDC hDC, RECT rect, COLORREF color)
{
    const CBrush brush(CreateSolidBrush(color));
    FillRect(hDC, &rect, brush.Get());
}

TEST(MemDcEx, DrawsInTheTargetsCoordinatesAndCopiesItsRectangleWhenItGoes)
{
    CMemoryDC target(40, 40); // all black
    {
        CMemDCEx buffer(target.Get(), RECT{10, 12, 30, 32});
        ASSERT_TRUE(buffer.IsMemDC());
        EXPECT_NE(buffer.Get(), target.Get());
        Fill(buffer.Get(), RECT{0, 0, 40, 40}, RGB(255, 0, 0)); // clipped to the buffer's bitmap
        GdiFlush();
        EXPECT_EQ(target.Pixel(15, 15) & 0xFFFFFF, 0u) << "nothing reaches the target before the end";
    }
    GdiFlush();
    EXPECT_EQ(target.Pixel(10, 12) & 0xFFFFFF, kRed) << "the rectangle's top-left corner";
    EXPECT_EQ(target.Pixel(29, 31) & 0xFFFFFF, kRed) << "its bottom-right corner";
    EXPECT_EQ(target.Pixel(9, 20) & 0xFFFFFF, 0u) << "left of it";
    EXPECT_EQ(target.Pixel(20, 11) & 0xFFFFFF, 0u) << "above it";
    EXPECT_EQ(target.Pixel(30, 20) & 0xFFFFFF, 0u) << "right of it";
    EXPECT_EQ(target.Pixel(20, 32) & 0xFFFFFF, 0u) << "below it";
}

TEST(MemDcEx, AnEmptyRectangleCoversTheTargetsClipBox)
{
    CMemoryDC target(40, 40);
    const CRgn clip(CreateRectRgn(5, 6, 25, 26));
    SelectClipRgn(target.Get(), clip.Get());
    {
        CMemDCEx buffer(target.Get());
        EXPECT_EQ(buffer.Rect().left, 5);
        EXPECT_EQ(buffer.Rect().top, 6);
        EXPECT_EQ(buffer.Rect().right, 25);
        EXPECT_EQ(buffer.Rect().bottom, 26);
        Fill(buffer.Get(), RECT{0, 0, 40, 40}, RGB(255, 0, 0));
    }
    GdiFlush();
    EXPECT_EQ(target.Pixel(5, 6) & 0xFFFFFF, kRed);
    EXPECT_EQ(target.Pixel(24, 25) & 0xFFFFFF, kRed);
    EXPECT_EQ(target.Pixel(4, 6) & 0xFFFFFF, 0u);
}

TEST(MemDcEx, StartsWithTheTargetsPixelsWhenAsked)
{
    CMemoryDC target(20, 20);
    Fill(target.Get(), RECT{0, 0, 20, 20}, RGB(0, 0, 255));
    {
        CMemDCEx buffer(target.Get(), RECT{4, 4, 16, 16});
        buffer.CopyFromTarget();
        Fill(buffer.Get(), RECT{4, 4, 8, 8}, RGB(255, 0, 0));
    }
    GdiFlush();
    EXPECT_EQ(target.Pixel(5, 5) & 0xFFFFFF, kRed);
    EXPECT_EQ(target.Pixel(12, 12) & 0xFFFFFF, 0x0000FFu) << "kept, not the buffer's black";
}

} // namespace
