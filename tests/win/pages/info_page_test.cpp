// The information page in-process: the rows are placed and filled once from the hub.
#include <gtest/gtest.h>
#include <windows.h>

#include "hardware/sensor_hub.h"
#include "pages/info_page.h"
#include "ui/gdiplus_session.h"

namespace {

TEST(InfoPage, RowsArePlacedAndFilledOnceFromTheHub)
{
    CGdiplusSession gdiplus;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"test main window", WS_POPUP, RECT{0, 0, 1049, 600}, nullptr, 0));
    CSensorHub hub;
    hub.m_strCpu = L"Test Processor";
    hub.m_strMemory = L"16 GB DDR4";
    hub.m_arrDrives = {L"First Drive", L"Second Drive"};
    hub.m_strSystem = L"Windows 10 Pro\t22H2";
    {
        CHDInfoDlg page(&parent);
        page.BindHub(&hub, L"C:\\app\\Resources\\");
        hub.m_strCpu = L"changed later"; // the page never reads the hub again

        const wchar_t* values[] = {L"Test Processor", L"", L"16 GB DDR4", L"First Drive",
                                   L"",               L"", L"",           L"Windows 10 Pro\t22H2"};
        for (std::size_t row = 0; row < 8; ++row) {
            const int top = 30 + 50 * static_cast<int>(row);
            EXPECT_EQ(page.Value(row).Text(), values[row]) << row;
            const RECT caption = page.Caption(row).GetRectInParent();
            const RECT value = page.Value(row).GetRectInParent();
            EXPECT_EQ(caption.left, 25);
            EXPECT_EQ(caption.top, top);
            EXPECT_EQ(caption.right, 25 + 130);
            EXPECT_EQ(caption.bottom, top + 25);
            EXPECT_EQ(value.left, 170);
            EXPECT_EQ(value.right, 170 + 400);
            EXPECT_EQ(page.Caption(row).m_nAlign, kLabelAlignRightCentre);
            EXPECT_EQ(page.Value(row).m_nAlign, kLabelAlignTopLeft);
        }
        EXPECT_EQ(page.Caption(0).Text(), L"CPU");
        EXPECT_EQ(page.Caption(3).Text(), L"Disk Drive");
        EXPECT_EQ(page.Caption(5).Text(), L"Sound Card"); // with no sound device, the caption alone
        EXPECT_EQ(page.Caption(7).Text(), L"System Version");
        const RECT window = page.GetWindowRect();
        EXPECT_EQ(window.right - window.left, CHDInfoDlg::kWidth);
        EXPECT_EQ(window.bottom - window.top, CHDInfoDlg::kHeight);
        EXPECT_FALSE(page.IsWindowVisible());
    }
    parent.DestroyWindow();
}

} // namespace
