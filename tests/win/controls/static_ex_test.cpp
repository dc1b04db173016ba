// The transparent label: text over the saved pixels of the page, placed by the alignment mode, and
// a changed text that wipes the old one completely.
#include <gtest/gtest.h>

#include <algorithm>

#include "test_page.h"

namespace {

const std::wstring kSkinFamily = L"\u601D\u6E90\u9ED1\u4F53"; // 思源黑体, a stand-in is drawn

// The box around the pixels of the label that differ from the page beneath; empty when none do.
RECT InkBox(const CMemoryDC& shot)
{
    RECT box{kLabelSize.cx, kLabelSize.cy, 0, 0};
    for (int y = 0; y < kLabelSize.cy; ++y) {
        for (int x = 0; x < kLabelSize.cx; ++x) {
            const int px = kLabelAt.x + x, py = kLabelAt.y + y;
            if ((shot.Pixel(px, py) & 0xFFFFFF) != PageColour(px, py)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
        }
    }
    return box;
}

bool IsEmpty(const RECT& rect)
{
    return IsRectEmpty(&rect) != FALSE;
}

class StaticExTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_page.Create());
        CStaticEx& label = m_page.m_label;
        label.m_pTextBrush = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(0xFFFFFFFF));
        label.SetTextFont(kSkinFamily, 11.0f);
        label.MoveWindow(kLabelAt.x, kLabelAt.y, kLabelSize.cx, kLabelSize.cy);
        label.m_nWidth = kLabelSize.cx;
        label.m_nHeight = kLabelSize.cy;
        m_page.Redraw();
    }
    void TearDown() override { m_page.DestroyWindow(); }

    RECT InkBoxNow() const { return InkBox(*m_page.Capture()); }

    CTestPage m_page;
};

TEST_F(StaticExTest, AShorterTextLeavesNothingOfTheLongerOne)
{
    ASSERT_TRUE(IsEmpty(InkBoxNow())) << "no text yet: the page shows through";

    m_page.m_label.SetText(L"3600 MHz");
    const RECT longer = InkBoxNow();
    ASSERT_FALSE(IsEmpty(longer));
    EXPECT_GE(longer.right - longer.left, 50) << "eight characters";

    m_page.m_label.SetText(L"5 W");
    const RECT shorter = InkBoxNow();
    ASSERT_FALSE(IsEmpty(shorter));
    EXPECT_GT(shorter.left, longer.left + 20) << "nothing left where the longer text began";
    EXPECT_LE(shorter.right, kLabelSize.cx);
}

TEST_F(StaticExTest, TheAlignmentModePlacesTheText)
{
    struct Case {
        const char* name;
        std::int32_t align;
        LONG minLeft, maxLeft, minRight, maxRight; // the ink's columns
        double centreY;                            // the ink's vertical centre
    };
    const Case cases[] = {
        {"mode 2 (default): ends just inside the right edge, centred", 2, 0, 89, 80, 89, 12.5},
        {"mode 0: from the top-left corner", 0, 0, 4, 20, 89, 8.5},
    };
    for (const Case& c : cases) {
        m_page.m_label.m_nAlign = c.align;
        m_page.m_label.SetText(L""); // so that the text below is a change, drawn at once
        m_page.m_label.SetText(L"88 %");
        const RECT ink = InkBoxNow();
        EXPECT_GE(ink.left, c.minLeft) << c.name;
        EXPECT_LE(ink.left, c.maxLeft) << c.name;
        EXPECT_GE(ink.right, c.minRight) << c.name;
        EXPECT_LE(ink.right, c.maxRight) << c.name;
        EXPECT_NEAR((ink.top + ink.bottom) / 2.0, c.centreY, 3.0) << c.name;
    }
}

TEST_F(StaticExTest, WithoutFontOrBrushOnlyThePageShows)
{
    m_page.m_label.m_pTextBrush.reset();
    m_page.m_label.SetText(L"3600 MHz");
    EXPECT_TRUE(IsEmpty(InkBoxNow()));
}

} // namespace
