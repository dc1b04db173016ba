// The value bar: the fill picture squeezed into the fill length over the track, moved by the bar
// rule of the monitor worker.
#include <gtest/gtest.h>

#include "test_page.h"
#include "test_pictures.h"

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 10;
constexpr std::uint32_t kTrack = Rgb(90, 90, 90);
constexpr std::uint32_t kFill = Rgb(0, 200, 210);

class SliderExTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_page.Create());
        m_page.m_bar.m_nMin = 0;
        m_page.m_bar.m_nMax = 100;
        m_page.m_bar.LoadImages(WritePicture(m_files, "Slider.png", kWidth, kHeight, Gdiplus::Color(255, 90, 90, 90)),
                                WritePicture(m_files, "Slider_H.png", kWidth, kHeight, Gdiplus::Color(255, 0, 200, 210)));
        m_page.Redraw();
    }
    void TearDown() override { m_page.DestroyWindow(); }

    // The bar's pixel at x on its middle row.
    std::uint32_t BarAt(int x) const { return m_page.PixelAt(kBarAt.x + x, kBarAt.y + kHeight / 2); }

    TemporaryDirectory m_files;
    CTestPage m_page;
};

TEST_F(SliderExTest, TakesTheTrackPicturesSizeAtItsPosition)
{
    const RECT placed = m_page.m_bar.GetRectInParent();
    EXPECT_EQ(placed.left, kBarAt.x);
    EXPECT_EQ(placed.top, kBarAt.y);
    EXPECT_EQ(placed.right - placed.left, kWidth);
    EXPECT_EQ(placed.bottom - placed.top, kHeight);
    EXPECT_EQ(BarAt(0), kTrack) << "no value yet: the track only";
    EXPECT_EQ(BarAt(kWidth - 1), kTrack);
}

TEST_F(SliderExTest, FillReachesTheLengthOfTheValueWithinTheRange)
{
    struct Case {
        std::int32_t value;
        std::int32_t fillLength; // the fill's pixels are 0 .. fillLength - 1
    };
    // 150 is outside the range: the bar stays where the value before put it.
    const Case cases[] = {{40, 40}, {100, 100}, {150, 100}, {7, 7}, {-3, 7}, {0, 0}, {63, 63}};
    for (const Case& c : cases) {
        m_page.m_bar.ShowValue(c.value);
        PumpPending();
        EXPECT_EQ(static_cast<std::int32_t>(m_page.m_bar.m_nPos), c.fillLength) << "value " << c.value;
        const auto shot = m_page.Capture();
        const auto bar = [&](int x) { return shot->Pixel(kBarAt.x + x, kBarAt.y + kHeight / 2) & 0xFFFFFF; };
        if (c.fillLength > 0) {
            EXPECT_EQ(bar(0), kFill) << "value " << c.value;
            EXPECT_EQ(bar(c.fillLength - 1), kFill) << "value " << c.value;
        }
        if (c.fillLength < kWidth) {
            EXPECT_EQ(bar(c.fillLength), kTrack) << "value " << c.value;
            EXPECT_EQ(bar(kWidth - 1), kTrack) << "value " << c.value;
        }
    }
}

TEST_F(SliderExTest, ALengthSetByTheOwnerIsDrawnWithinTheTrack)
{
    m_page.m_bar.m_nPos = 250;
    m_page.m_bar.Invalidate(true);
    PumpPending();
    EXPECT_EQ(BarAt(kWidth - 1), kFill);
    EXPECT_EQ(m_page.PixelAt(kBarAt.x + kWidth, kBarAt.y + 5), PageColour(kBarAt.x + kWidth, kBarAt.y + 5));

    m_page.m_bar.m_nPos = -20;
    m_page.m_bar.Invalidate(true);
    PumpPending();
    EXPECT_EQ(BarAt(0), kTrack);
}

TEST_F(SliderExTest, AMissingTrackPictureGivesZeroSize)
{
    m_page.m_bar.LoadImages(MissingPicture(m_files), MissingPicture(m_files));
    const RECT placed = m_page.m_bar.GetRectInParent();
    EXPECT_EQ(placed.right - placed.left, 0);
    EXPECT_EQ(placed.bottom - placed.top, 0);
}

} // namespace
