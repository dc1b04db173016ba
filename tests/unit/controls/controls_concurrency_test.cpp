#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "controls/gauge_state.h"
#include "controls/label_text.h"
#include "controls/slider_state.h"

namespace {

constexpr int kRounds = 20000;

// The worker sets values while the UI thread paints: every read must see one whole value that was
// set, never a mix of two.
TEST(ControlsHandOver, PaintingSeesWholeValuesWhileTheWorkerSetsThem)
{
    const std::wstring texts[] = {L"12000 RPM", L"0 RPM"};
    CLabelText label;
    CGaugeState gauge;
    CSliderState bar;
    bar.SetRange(0, 100);
    std::atomic<bool> done{false};

    std::thread worker([&] {
        for (int i = 0; i < kRounds; ++i) {
            label.SetText(texts[i % 2], true);
            gauge.SetValue(0, i % 2 == 0 ? 45 : -1000, i % 3 == 0 ? 0 : 1);
            bar.ApplyBarValue(i % 101, 200);
        }
        done = true;
    });

    int reads = 0;
    while (!done || reads == 0) {
        const std::wstring text = label.Text();
        EXPECT_TRUE(text.empty() || text == texts[0] || text == texts[1]) << "torn text";

        const GaugeFace face = gauge.Face();
        if (!face.valueText.empty()) {
            const bool fortyFive = face.sweep == 162 && (face.valueText == L"45" || face.valueText == L"113");
            const bool minusThousand = face.sweep == -360 && (face.valueText == L"-1000" || face.valueText == L"-1768");
            EXPECT_TRUE(fortyFive || minusThousand) << "face mixes two values";
        }

        const std::int32_t pos = bar.Pos();
        EXPECT_TRUE(pos >= 0 && pos <= 200 && pos % 2 == 0) << pos;
        ++reads;
    }
    worker.join();
}

} // namespace
