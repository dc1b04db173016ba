// The skinned button: its pictures over the parent's pixels, the look that follows the mouse, the
// held state, the check state and the selection, and looks that stay composed until reset.
#include <gtest/gtest.h>

#include "test_page.h"
#include "test_pictures.h"

namespace {

constexpr int kWidth = 40;
constexpr int kHeight = 30;
constexpr int kClearColumns = 4; // transparent left edge of every picture
constexpr std::uint32_t kNormal = Rgb(230, 30, 30);
constexpr std::uint32_t kPressed = Rgb(20, 170, 40);
constexpr std::uint32_t kHover = Rgb(30, 60, 240);

Gdiplus::Color Opaque(std::uint32_t rgb)
{
    return Gdiplus::Color(255, (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

class ButtonExTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_page.Create()); }
    void TearDown() override { m_page.DestroyWindow(); }

    void LoadPictures(std::uint32_t normal, std::uint32_t pressed, std::uint32_t hover, const std::string& set = "a")
    {
        m_page.m_button.LoadImages(WritePicture(m_files, set + ".png", kWidth, kHeight, Opaque(normal), kClearColumns),
                                   WritePicture(m_files, set + "_P.png", kWidth, kHeight, Opaque(pressed), kClearColumns),
                                   WritePicture(m_files, set + "_H.png", kWidth, kHeight, Opaque(hover), kClearColumns));
    }
    // The colour of the button's face (right of its transparent edge), as the screen shows it.
    std::uint32_t Face() const { return m_page.PixelAt(kButtonAt.x + 20, kButtonAt.y + 15); }
    void Repaint()
    {
        m_page.m_button.Invalidate(true);
        PumpPending();
    }
    bool FaceBecomes(std::uint32_t colour)
    {
        return PumpUntil([&] { return Face() == colour; });
    }
    POINT OnScreen(int x, int y) const
    {
        POINT point{x, y};
        ClientToScreen(m_page.GetSafeHwnd(), &point);
        return point;
    }

    TemporaryDirectory m_files;
    CTestPage m_page;
};

TEST_F(ButtonExTest, TakesTheNormalPicturesSizeAtItsPositionAndBlendsItsEdgeIntoThePage)
{
    LoadPictures(kNormal, kPressed, kHover);
    const RECT placed = m_page.m_button.GetRectInParent();
    EXPECT_EQ(placed.left, kButtonAt.x);
    EXPECT_EQ(placed.top, kButtonAt.y);
    EXPECT_EQ(placed.right - placed.left, kWidth);
    EXPECT_EQ(placed.bottom - placed.top, kHeight);

    m_page.Redraw();
    const auto shot = m_page.Capture();
    EXPECT_EQ(shot->Pixel(kButtonAt.x + 20, kButtonAt.y + 15) & 0xFFFFFF, kNormal);
    EXPECT_EQ(shot->Pixel(kButtonAt.x + kWidth - 1, kButtonAt.y + kHeight - 1) & 0xFFFFFF, kNormal);
    for (int y = 0; y < kHeight; y += 3) {
        for (int x = 0; x < kClearColumns; ++x) {
            const int px = kButtonAt.x + x, py = kButtonAt.y + y;
            ASSERT_EQ(shot->Pixel(px, py) & 0xFFFFFF, PageColour(px, py)) << "transparent edge at " << x << "," << y;
        }
    }
}

TEST_F(ButtonExTest, PushButtonShowsHoverWhileTheMouseRestsPressedWhileHeldAndNormalAfterLeaving)
{
    LoadPictures(kNormal, kPressed, kHover);
    const POINT away = OnScreen(kPageWidth - 5, kPageHeight - 5);
    SetCursorPos(away.x, away.y);
    m_page.Redraw();
    ASSERT_EQ(Face(), kNormal);

    const POINT over = OnScreen(kButtonAt.x + 20, kButtonAt.y + 15);
    SetCursorPos(over.x, over.y);
    EXPECT_TRUE(FaceBecomes(kHover)) << "the mouse rests over the button";

    m_page.m_button.SendMessage(BM_SETSTATE, TRUE);
    EXPECT_TRUE(FaceBecomes(kPressed)) << "held down";
    m_page.m_button.SendMessage(BM_SETSTATE, FALSE);
    EXPECT_TRUE(FaceBecomes(kHover)) << "let go, still under the mouse";

    SetCursorPos(away.x, away.y);
    EXPECT_TRUE(FaceBecomes(kNormal)) << "the mouse has left";
}

TEST_F(ButtonExTest, ClicksReachTheOwnerAsTheOrdinaryCommand)
{
    LoadPictures(kNormal, kPressed, kHover);
    m_page.Redraw();
    m_page.m_button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    m_page.m_button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PumpPending();
    EXPECT_EQ(m_page.m_commands, (std::vector<std::pair<UINT, UINT>>{{IDC_TEST_BUTTON, BN_CLICKED}}));
}

TEST_F(ButtonExTest, CheckBoxAndSelectedButtonsNeverShowTheHoverLook)
{
    LoadPictures(kNormal, kPressed, kHover);
    m_page.Redraw();
    struct Case {
        const char* name;
        bool selected;
        bool checkBox;
        std::int32_t check;
        std::uint32_t hovered; // while the mouse rests on it
        std::uint32_t left;    // after the mouse has left
    };
    const Case cases[] = {
        {"checked check box", false, true, 1, kPressed, kPressed},
        {"unchecked check box", false, true, 0, kNormal, kNormal},
        {"check state 2 keeps the last look (normal)", false, true, 2, kNormal, kNormal},
        {"checked again", false, true, 1, kPressed, kPressed},
        {"check state 2 keeps the last look (pressed)", false, true, 2, kPressed, kPressed},
        {"selected, unchecked", true, true, 0, kPressed, kPressed},
        {"selected push button", true, false, 0, kPressed, kPressed},
        {"plain push button", false, false, 1, kHover, kNormal},
    };
    CButtonEx& button = m_page.m_button;
    for (const Case& c : cases) {
        button.m_bSelected = c.selected;
        button.m_bCheckBox = c.checkBox;
        button.m_nCheck = c.check;
        button.SendMessage(WM_MOUSEHOVER, 0, MAKELPARAM(10, 10));
        PumpPending();
        EXPECT_EQ(Face(), c.hovered) << c.name << ", hovered";
        button.SendMessage(WM_MOUSELEAVE);
        PumpPending();
        EXPECT_EQ(Face(), c.left) << c.name << ", after leaving";
    }
}

TEST_F(ButtonExTest, NewPicturesShowOnlyAfterTheLooksAreReset)
{
    LoadPictures(kNormal, kPressed, kHover);
    m_page.Redraw();
    ASSERT_EQ(Face(), kNormal);

    constexpr std::uint32_t kNewNormal = Rgb(250, 220, 0);
    LoadPictures(kNewNormal, kPressed, kHover, "b");
    Repaint();
    EXPECT_EQ(Face(), kNormal) << "the composed look stays";

    m_page.m_button.ResetImageCache();
    Repaint();
    EXPECT_EQ(Face(), kNewNormal);
}

TEST_F(ButtonExTest, AMissingNormalPictureGivesZeroSize)
{
    m_page.m_button.LoadImages(MissingPicture(m_files), MissingPicture(m_files), MissingPicture(m_files));
    const RECT placed = m_page.m_button.GetRectInParent();
    EXPECT_EQ(placed.left, kButtonAt.x);
    EXPECT_EQ(placed.right - placed.left, 0);
    EXPECT_EQ(placed.bottom - placed.top, 0);
    m_page.Redraw();
    EXPECT_EQ(m_page.PixelAt(kButtonAt.x + 20, kButtonAt.y + 15), PageColour(kButtonAt.x + 20, kButtonAt.y + 15));
}

} // namespace
