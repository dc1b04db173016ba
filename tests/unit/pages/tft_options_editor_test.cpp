#include <gtest/gtest.h>

#include "fake_profile_file.h"
#include "pages/tft_options_editor.h"

namespace {

struct RecordingReceiver final : ITftOptionsReceiver {
    std::vector<TftOptions> received;
    void SetTftOptions(const TftOptions& options) override { received.push_back(options); }
};

TftOptions FirstRunOptions()
{
    TftOptions options;
    options.bytes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0};
    return options;
}

std::vector<std::wstring> Keys(std::initializer_list<const wchar_t*> names, const wchar_t* value)
{
    std::vector<std::wstring> writes;
    for (const wchar_t* name : names)
        writes.push_back(std::wstring(L"ZELVANE SETTINGS/") + name + L"=" + value);
    return writes;
}

class TftOptionsEditorTest : public ::testing::Test {
protected:
    FakeProfileFile file;
    RecordingReceiver monitor;
    CTftOptionsEditor editor{file, monitor};
};

TEST(TftPreview, PictureFollowsItemOrientationAndUnit)
{
    struct Case {
        int item, turn, unit;
        const wchar_t* expected; // null: nothing is loaded
    };
    const Case cases[] = {
        {0, 0, 1, L"CTempC_H.png"}, {0, 2, 0, L"CTempF_H.png"}, {0, 1, 1, L"CTempC_V.png"},
        {4, 3, 0, L"GTempF_V.png"}, {1, 0, 7, L"CFreq_H.png"},   {2, 1, 1, L"CRpm_V.png"},
        {3, 2, 1, L"CPower_H.png"}, {5, 1, 0, L"GFreq_V.png"},   {6, 0, 0, L"GRpm_H.png"},
        {7, 3, 1, L"GPower_V.png"},
        {7, 9, 1, L"GPower_V.png"}, // an orientation beyond 3 counts as portrait
        {0, 0, 7, nullptr},         // a temperature in no known unit has no picture
        {4, 1, 2, nullptr},         {8, 0, 1, nullptr}, {255, 0, 1, nullptr},
    };
    for (const Case& c : cases) {
        const auto name = PreviewPictureName(static_cast<std::uint8_t>(c.item), static_cast<std::uint8_t>(c.turn),
                                             static_cast<std::uint8_t>(c.unit));
        if (c.expected)
            EXPECT_EQ(name, std::optional<std::wstring>(c.expected)) << c.item << " " << c.turn << " " << c.unit;
        else
            EXPECT_FALSE(name) << c.item << " " << c.turn << " " << c.unit;
    }
}

TEST(TftPreview, PlacesSpeedLightsAndTurnSteps)
{
    EXPECT_EQ(PreviewPlaceFor(0), (PreviewPlace{470, 130}));
    EXPECT_EQ(PreviewPlaceFor(2), (PreviewPlace{470, 130}));
    EXPECT_EQ(PreviewPlaceFor(1), (PreviewPlace{500, 85}));
    EXPECT_EQ(PreviewPlaceFor(3), (PreviewPlace{500, 85}));
    EXPECT_FALSE(PreviewPlaceFor(9));

    EXPECT_EQ(SpeedLevelChecks(0), (std::array<std::int32_t, 3>{1, 0, 0}));
    EXPECT_EQ(SpeedLevelChecks(1), (std::array<std::int32_t, 3>{1, 1, 0}));
    EXPECT_EQ(SpeedLevelChecks(2), (std::array<std::int32_t, 3>{1, 1, 1}));
    EXPECT_FALSE(SpeedLevelChecks(5));

    std::vector<int> steps;
    for (std::uint8_t turn = 0, i = 0; i < 5; ++i)
        steps.push_back(turn = NextTurn(turn));
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 0, 1}));
    EXPECT_EQ(NextTurn(9), 0);
    EXPECT_EQ(NextTurn(255), 0);
}

TEST_F(TftOptionsEditorTest, AnItemClickFlipsWritesOneKeyPushesTheRecordAndBecomesThePreview)
{
    editor.Reset(FirstRunOptions(), 1);
    editor.ToggleItem(6); // GPU fan, on
    EXPECT_EQ(file.writes, Keys({L"TFT_GTRPM"}, L"0"));
    EXPECT_EQ(editor.PreviewItem(), 6);
    EXPECT_EQ(editor.PreviewPicture(), std::optional<std::wstring>(L"GRpm_H.png"));
    ASSERT_EQ(monitor.received.size(), 1u);
    EXPECT_EQ(monitor.received[0][TFT_GTRPM], 0);

    // Any value other than 0 counts as on.
    TftOptions odd = FirstRunOptions();
    odd[TFT_CFREQ] = 7;
    editor.Reset(odd, 1);
    editor.ToggleItem(1);
    editor.ToggleItem(1);
    EXPECT_EQ(editor.Options()[TFT_CFREQ], 1);
    EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_CFREQ=1");
}

TEST_F(TftOptionsEditorTest, MasterSwitchWritesNineKeysItsOwnFirstAndLeavesTheLoadItems)
{
    TftOptions options{};
    options[TFT_CLOAD] = 0;
    options[TFT_GLOAD] = 1;
    options[TFT_CTEMP] = 1;
    editor.Reset(options, 1);
    editor.ToggleItem(3); // preview on CPU power
    file.writes.clear();
    monitor.received.clear();

    editor.ToggleMasterSwitch();
    EXPECT_EQ(file.writes, Keys({L"TFT_OPEN", L"TFT_CTEMP", L"TFT_CFREQ", L"TFT_CTRPM", L"TFT_CPOWER", L"TFT_GTEMP",
                                 L"TFT_GFREQ", L"TFT_GTRPM", L"TFT_GPOWER"},
                                L"1"));
    ASSERT_EQ(monitor.received.size(), 9u);
    // The first push carries the switch alone, the last the whole record.
    EXPECT_EQ(monitor.received[0][TFT_OPEN], 1);
    EXPECT_EQ(monitor.received[0][TFT_CFREQ], 0);
    const TftOptions last = monitor.received.back();
    EXPECT_EQ(last.bytes, (std::array<std::uint8_t, kTftOptionCount>{1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(editor.PreviewItem(), 3);

    file.writes.clear();
    editor.ToggleMasterSwitch();
    EXPECT_EQ(file.writes.size(), 9u);
    EXPECT_EQ(file.writes.front(), L"ZELVANE SETTINGS/TFT_OPEN=0");
    EXPECT_EQ(editor.Options()[TFT_GPOWER], 0);
    EXPECT_EQ(editor.Options()[TFT_GLOAD], 1);
}

TEST_F(TftOptionsEditorTest, SpeedAnimationAndTurn)
{
    TftOptions options = FirstRunOptions();
    options[TFT_ANIMATION] = 2; // typed by hand
    editor.Reset(options, 1);

    editor.SelectSpeed(1);
    EXPECT_EQ(file.writes, Keys({L"TFT_SPEED"}, L"1"));
    EXPECT_FALSE(editor.ToggleAnimation());
    EXPECT_EQ(file.writes.size(), 1u);

    options[TFT_ANIMATION] = 1;
    editor.Reset(options, 1);
    EXPECT_TRUE(editor.ToggleAnimation());
    EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_ANIMATION=0");
    EXPECT_TRUE(editor.ToggleAnimation());
    EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_ANIMATION=1");

    // Turn 9 from the file: the first click wraps to 0.
    options[TFT_TURN] = 9;
    editor.Reset(options, 1);
    EXPECT_EQ(editor.PreviewPicture(), std::optional<std::wstring>(L"CTempC_V.png"));
    editor.Turn();
    EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_TURN=0");
    EXPECT_EQ(editor.PreviewPicture(), std::optional<std::wstring>(L"CTempC_H.png"));
    EXPECT_EQ(monitor.received.back()[TFT_TURN], 0);
}

TEST_F(TftOptionsEditorTest, GroupAndUnitChangesPreviewTheGroupTemperature)
{
    editor.Reset(FirstRunOptions(), 1);
    editor.ToggleItem(1);
    editor.SelectGroup(TftGroup::Gpu);
    EXPECT_EQ(editor.PreviewPicture(), std::optional<std::wstring>(L"GTempC_H.png"));
    editor.ToggleItem(5); // GPU clock previewed
    editor.SetTemperatureUnit(0);
    EXPECT_EQ(editor.PreviewItem(), 4);
    EXPECT_EQ(editor.PreviewPicture(), std::optional<std::wstring>(L"GTempF_H.png"));
    editor.SelectGroup(TftGroup::Cpu);
    EXPECT_EQ(editor.PreviewPicture(), std::optional<std::wstring>(L"CTempF_H.png"));
    // A unit typed by hand: no temperature picture, and nothing is written.
    const std::size_t writes = file.writes.size();
    editor.SetTemperatureUnit(7);
    EXPECT_FALSE(editor.PreviewPicture());
    EXPECT_EQ(file.writes.size(), writes);
}

TEST_F(TftOptionsEditorTest, AFailedWriteStillReachesTheMonitorPage)
{
    file.failWrites = true;
    editor.Reset(FirstRunOptions(), 1);
    editor.SelectSpeed(2);
    EXPECT_EQ(editor.Options()[TFT_SPEED], 2);
    ASSERT_EQ(monitor.received.size(), 1u);
    EXPECT_EQ(monitor.received[0][TFT_SPEED], 2);
}

} // namespace
