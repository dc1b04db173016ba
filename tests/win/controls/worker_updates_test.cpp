// What the monitor worker does to the page's controls from its own thread: it stores the new value
// and invalidates, and returns without waiting for the UI thread; the UI thread paints.
#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "controls/gauge_drawing.h"
#include "test_page.h"
#include "test_pictures.h"

namespace {

using namespace std::chrono_literals;

const std::wstring kSkinFamily = L"\u601D\u6E90\u9ED1\u4F53"; // 思源黑体

TEST(WorkerUpdates, StoreAndInvalidateFromTheWorkerAndLeaveThePaintingToTheUiThread)
{
    TemporaryDirectory files;
    CTestPage page;
    ASSERT_TRUE(page.Create());
    page.m_bar.m_nMax = 100;
    page.m_bar.LoadImages(WritePicture(files, "Slider.png", 100, 10, Gdiplus::Color(255, 90, 90, 90)),
                          WritePicture(files, "Slider_H.png", 100, 10, Gdiplus::Color(255, 0, 200, 210)));
    page.m_label.m_pTextBrush = std::make_unique<Gdiplus::SolidBrush>(Gdiplus::Color(0xFFFFFFFF));
    page.m_label.SetTextFont(kSkinFamily, 11.0f);
    page.m_label.m_nWidth = kLabelSize.cx;
    page.m_label.m_nHeight = kLabelSize.cy;
    page.m_gauge.SetFonts(kSkinFamily);
    page.m_gauge.LoadBackground(WritePicture(files, "Progress.png", 190, 190, Gdiplus::Color(255, 20, 30, 40)));
    page.Redraw();

    // Points that change: the bar's fill, the label's right half, the gauge's arc at 3 o'clock.
    const POINT bar{kBarAt.x + 60, kBarAt.y + 5};
    const POINT gauge{kGaugeAt.x + 184, kGaugeAt.y + 95};
    const auto labelInk = [&](const CMemoryDC& shot) {
        int ink = 0;
        for (int y = 0; y < kLabelSize.cy; ++y) {
            for (int x = kLabelSize.cx / 2; x < kLabelSize.cx; ++x)
                ink += IsWhitish(shot.Pixel(kLabelAt.x + x, kLabelAt.y + y)) ? 1 : 0;
        }
        return ink;
    };
    const auto before = page.Capture();
    ASSERT_EQ(labelInk(*before), 0);

    auto worker = std::async(std::launch::async, [&] {
        page.m_bar.ShowValue(70);
        page.m_label.SetText(L"3600 MHz");
        page.m_gauge.SetValue(0, 45, 1);
    });
    const bool returned = worker.wait_for(3s) == std::future_status::ready;
    if (!returned)
        PumpUntil([&] { return worker.wait_for(0s) == std::future_status::ready; }, 10000);
    ASSERT_TRUE(returned) << "a worker's call waited for the UI thread";

    EXPECT_EQ(static_cast<std::int32_t>(page.m_bar.m_nPos), 70);
    const auto stored = page.Capture();
    EXPECT_EQ(stored->Pixel(bar.x, bar.y), before->Pixel(bar.x, bar.y)) << "nothing painted by the worker";
    EXPECT_EQ(stored->Pixel(gauge.x, gauge.y), before->Pixel(gauge.x, gauge.y));
    EXPECT_EQ(labelInk(*stored), 0);

    PumpPending();
    const auto painted = page.Capture();
    EXPECT_EQ(painted->Pixel(bar.x, bar.y) & 0xFFFFFF, Rgb(0, 200, 210));
    EXPECT_TRUE(IsNear(painted->Pixel(gauge.x, gauge.y) & 0xFFFFFF, kGaugeArcColour & 0xFFFFFF));
    EXPECT_GT(labelInk(*painted), 20);
    page.DestroyWindow();
}

} // namespace
