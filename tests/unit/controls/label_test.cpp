#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/label_layout.h"
#include "controls/label_text.h"

namespace {

TEST(LabelText, RedrawsOnlyWhenTheShownTextChanges)
{
    struct Step {
        std::wstring text;
        bool hasWindow;
        bool redraw;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"the same text twice redraws once", {{L"57 %", true, true}, {L"57 %", true, false}}},
        {"an empty text matches the empty start", {{L"", true, false}}},
        {"every change redraws", {{L"3600 MHz", true, true}, {L"3601 MHz", true, true}, {L"3600 MHz", true, true}}},
        {"exact comparison: case and spacing count",
         {{L"65 W", true, true}, {L"65 w", true, true}, {L"65  w", true, true}}},
        {"long to short to empty", {{L"12000 RPM", true, true}, {L"0 RPM", true, true}, {L"", true, true}}},
        {"no window: stored, never shown", {{L"A", false, false}, {L"A", false, false}}},
        {"a text set before the window exists is drawn once it does",
         {{L"A", false, false}, {L"A", true, true}, {L"A", true, false}}},
        {"a text set without a window does not become the shown one",
         {{L"A", true, true}, {L"B", false, false}, {L"A", true, false}}},
    };
    for (const Case& c : cases) {
        CLabelText label;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            EXPECT_EQ(label.SetText(step.text, step.hasWindow), step.redraw) << c.name << ", step " << i;
            EXPECT_EQ(label.Text(), step.text) << c.name << ", step " << i << ": the painting reads the newest text";
        }
    }
}

TEST(LabelLayout, AlignmentModesPlaceTheText)
{
    struct Case {
        const char* name;
        std::int32_t align, width, height;
        FloatPoint currentOrigin;
        LabelTextLayout expected;
    };
    using enum TextAlignment;
    const Case cases[] = {
        {"mode 0 starts at the top-left corner", 0, 400, 25, {}, {{0.0f, 0.0f}, Near, Near}},
        {"mode 0 after a label was in mode 2", 0, 130, 25, {130.0f, 12.5f}, {{0.0f, 0.0f}, Near, Near}},
        {"mode 2 ends at the right edge, centred", 2, 130, 25, {}, {{130.0f, 12.5f}, Far, Center}},
        {"mode 2, the monitor page's 90 x 25", 2, 90, 25, {}, {{90.0f, 12.5f}, Far, Center}},
        {"mode 2 follows a new box at each paint", 2, 400, 30, {130.0f, 12.5f}, {{400.0f, 15.0f}, Far, Center}},
        {"other modes keep the origin and the defaults", 1, 130, 25, {130.0f, 12.5f}, {{130.0f, 12.5f}, Near, Near}},
        {"other modes from the start", -4, 130, 25, {}, {{0.0f, 0.0f}, Near, Near}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutLabelText(c.align, c.width, c.height, c.currentOrigin), c.expected) << c.name;
}

TEST(LabelLayout, MeasuredTextLandsWhereTheModeSays)
{
    // A text 60 x 20 pixels in a 130 x 25 box.
    const FloatPoint rightCentre = LabelTextTopLeft(LayoutLabelText(2, 130, 25, {}), 60.0f, 20.0f);
    EXPECT_FLOAT_EQ(rightCentre.x + 60.0f, 130.0f) << "ends at the right edge";
    EXPECT_FLOAT_EQ(rightCentre.y + 10.0f, 12.5f) << "centred on half the height";

    EXPECT_EQ(LabelTextTopLeft(LayoutLabelText(0, 130, 25, {}), 60.0f, 20.0f), (FloatPoint{0.0f, 0.0f}));
    EXPECT_EQ(LabelTextTopLeft(LayoutLabelText(1, 130, 25, {3.0f, 4.0f}), 60.0f, 20.0f), (FloatPoint{3.0f, 4.0f}));
}

TEST(LabelLayout, TextsWiderThanTheLabelShrinkWithinALimit)
{
    EXPECT_EQ(FittedFontScale(60.0f, 130.0f), 1.0f);
    EXPECT_EQ(FittedFontScale(130.0f, 130.0f), 1.0f);
    EXPECT_FLOAT_EQ(FittedFontScale(140.0f, 130.0f), 130.0f / 140.0f);
    EXPECT_EQ(FittedFontScale(1000.0f, 130.0f), kLabelMinimumFontScale);
    EXPECT_EQ(FittedFontScale(50.0f, 0.0f), 1.0f); // no box: nothing to fit
}

} // namespace
