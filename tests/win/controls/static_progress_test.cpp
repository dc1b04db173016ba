// The temperature gauge: the arc from twelve o'clock as long as the temperature in degrees Celsius,
// over the ring, and the number in the chosen unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "controls/gauge_drawing.h"
#include "test_page.h"
#include "test_pictures.h"

namespace {

const std::wstring kSkinFamily = L"\u601D\u6E90\u9ED1\u4F53"; // 思源黑体, a stand-in is drawn
constexpr int kSize = 190;
constexpr std::uint32_t kDial = Rgb(20, 30, 40);
constexpr std::uint32_t kRing = kGaugeRingColour & 0xFFFFFF;
constexpr std::uint32_t kArc = kGaugeArcColour & 0xFFFFFF;

// The page point on the middle of the ring at `degrees` clockwise from twelve o'clock.
POINT OnRing(double degrees)
{
    const double radius = kGaugeArcSize / 2.0;
    const double centre = kGaugeArcLeft + radius;
    const double angle = degrees * 3.14159265358979 / 180.0;
    return POINT{kGaugeAt.x + static_cast<LONG>(std::lround(centre + radius * std::sin(angle))),
                 kGaugeAt.y + static_cast<LONG>(std::lround(centre - radius * std::cos(angle)))};
}

// The leftmost white column within rows top .. bottom - 1 and columns left .. right - 1 of the
// gauge, or -1.
int FirstWhiteColumn(const CMemoryDC& shot, int left, int right, int top, int bottom)
{
    for (int x = left; x < right; ++x) {
        for (int y = top; y < bottom; ++y) {
            if (IsWhitish(shot.Pixel(kGaugeAt.x + x, kGaugeAt.y + y)))
                return x;
        }
    }
    return -1;
}

class StaticProgressTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_page.Create());
        m_page.m_gauge.SetFonts(kSkinFamily);
        m_page.m_gauge.LoadBackground(WritePicture(m_files, "Progress.png", kSize, kSize, Gdiplus::Color(255, 20, 30, 40)));
        m_page.Redraw();
    }
    void TearDown() override { m_page.DestroyWindow(); }

    TemporaryDirectory m_files;
    CTestPage m_page;
};

TEST_F(StaticProgressTest, TakesThePicturesSizeAndShowsOnlyTheRingUntilTheFirstValue)
{
    const RECT placed = m_page.m_gauge.GetRectInParent();
    EXPECT_EQ(placed.left, kGaugeAt.x);
    EXPECT_EQ(placed.top, kGaugeAt.y);
    EXPECT_EQ(placed.right - placed.left, kSize);
    EXPECT_EQ(placed.bottom - placed.top, kSize);

    const auto shot = m_page.Capture();
    for (double degrees : {0.0, 90.0, 180.0, 270.0}) {
        const POINT p = OnRing(degrees);
        EXPECT_TRUE(IsNear(shot->Pixel(p.x, p.y) & 0xFFFFFF, kRing)) << degrees << " degrees";
    }
    EXPECT_EQ(shot->Pixel(kGaugeAt.x + 95, kGaugeAt.y + 95) & 0xFFFFFF, kDial);
    EXPECT_EQ(FirstWhiteColumn(*shot, 0, kSize, 0, kSize), -1) << "no texts";
}

TEST_F(StaticProgressTest, TheArcRunsFromTwelveOClockAsFarAsTheTemperatureInCelsius)
{
    struct Case {
        std::int32_t celsius;
        std::uint8_t unit;
        double arcEndsAfter;   // degrees still on the arc
        double ringFrom;       // degrees beyond the arc's end (and its round cap)
        double ringBeforeStart; // degrees before twelve o'clock on the ring only
    };
    // 45 °C sweeps 162 degrees in either unit; -10 °C sweeps 36 degrees counter-clockwise; 100 °C
    // and more fill the ring. The round caps reach about 3 degrees past either end.
    const Case cases[] = {
        {45, 1, 155.0, 172.0, -10.0},
        {45, 0, 155.0, 172.0, -10.0},
        {-10, 1, -30.0, -45.0, 10.0},
        {30, 1, 100.0, 115.0, -10.0},
    };
    for (const Case& c : cases) {
        m_page.m_gauge.SetValue(0, c.celsius, c.unit);
        PumpPending();
        const auto shot = m_page.Capture();
        const auto at = [&](double degrees) {
            const POINT p = OnRing(degrees);
            return shot->Pixel(p.x, p.y) & 0xFFFFFF;
        };
        const std::string name = std::to_string(c.celsius) + (c.unit == 0 ? " F" : " C");
        const double step = c.arcEndsAfter > 0 ? 10.0 : -10.0;
        for (double degrees = step / 2; std::abs(degrees) < std::abs(c.arcEndsAfter); degrees += step)
            EXPECT_TRUE(IsNear(at(degrees), kArc)) << name << ": arc at " << degrees;
        EXPECT_TRUE(IsNear(at(c.arcEndsAfter), kArc)) << name << ": arc just before its end";
        EXPECT_TRUE(IsNear(at(c.ringFrom), kRing)) << name << ": ring just after the end";
        EXPECT_TRUE(IsNear(at(c.ringBeforeStart), kRing)) << name << ": ring on the other side of twelve";
    }

    for (std::int32_t celsius : {100, 130}) {
        m_page.m_gauge.SetValue(0, celsius, 1);
        PumpPending();
        const auto shot = m_page.Capture();
        for (double degrees = 0.0; degrees < 360.0; degrees += 15.0) {
            const POINT p = OnRing(degrees);
            EXPECT_TRUE(IsNear(shot->Pixel(p.x, p.y) & 0xFFFFFF, kArc)) << celsius << ": full ring at " << degrees;
        }
    }
}

TEST_F(StaticProgressTest, TheNumberInTheChosenUnitWithItsSignBesideItAndTheCaptionBelow)
{
    struct Case {
        std::int32_t selector;
        std::uint8_t unit;
        int valueFrom; // where the number is drawn: 55 for "45", 40 for "113"
        int unitFrom;  // where the unit sign is drawn for the skin's typeface: 112, 122
    };
    const Case cases[] = {{0, 1, 55, 112}, {1, 0, 40, 122}};
    for (const Case& c : cases) {
        m_page.m_gauge.SetValue(c.selector, 45, c.unit);
        PumpPending();
        const auto shot = m_page.Capture();
        const std::string name = c.unit == 0 ? "113 F" : "45 C";
        const auto whiteInColumn = [&](int x, int top, int bottom) { return FirstWhiteColumn(*shot, x, x + 1, top, bottom) == x; };

        // A string drawn at a point starts a sixth of its em (33 points: 7 pixels) to the right.
        const int numberLeft = FirstWhiteColumn(*shot, 20, 110, 62, 97);
        EXPECT_GE(numberLeft, c.valueFrom + 4) << name;
        EXPECT_LE(numberLeft, c.valueFrom + 14) << name;
        // Below the unit sign only the number's digits have ink.
        int numberRight = -1;
        for (int x = numberLeft; x < kSize; ++x)
            numberRight = whiteInColumn(x, 86, 97) ? x : numberRight;
        ASSERT_GT(numberRight, numberLeft) << name;

        const int unitLeft = FirstWhiteColumn(*shot, numberRight + 1, kSize, 62, 84);
        ASSERT_NE(unitLeft, -1) << name << ": the unit sign";
        EXPECT_GE(unitLeft, c.unitFrom) << name;
        EXPECT_LE(unitLeft, std::max(c.unitFrom, numberRight) + 10) << name << ": beside the number";
        bool gap = false;
        for (int x = numberRight + 1; x < unitLeft; ++x)
            gap = gap || !whiteInColumn(x, 50, 100);
        EXPECT_TRUE(gap) << name << ": the sign clears the number";

        EXPECT_NE(FirstWhiteColumn(*shot, 70, 120, 132, 150), -1) << name << ": the caption";
    }
}

TEST_F(StaticProgressTest, AMissingPictureGivesZeroSize)
{
    m_page.m_gauge.LoadBackground(MissingPicture(m_files));
    const RECT placed = m_page.m_gauge.GetRectInParent();
    EXPECT_EQ(placed.right - placed.left, 0);
    EXPECT_EQ(placed.bottom - placed.top, 0);
}

} // namespace
