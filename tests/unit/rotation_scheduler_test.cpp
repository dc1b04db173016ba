#include <gtest/gtest.h>

#include "device/rotation_scheduler.h"
#include "recording_frame_sink.h"

namespace {

using Calls = std::vector<std::string>;

const DisplayReadings kReadings = [] {
    DisplayReadings r;
    r.cpuClock = 3600;
    r.cpuTemp = 46;
    r.mainboardFan = 1200;
    r.cpuPower = 65;
    r.cpuLoad = 12;
    r.gpuClock = 1500;
    r.gpuTemp = 61;
    r.gpuFan = 900;
    r.gpuPower = 20;
    r.gpuLoad = 57;
    return r;
}();

TftOptions Options(std::initializer_list<TftOption> on, std::uint8_t speed, std::uint8_t turn = 0)
{
    TftOptions options;
    for (TftOption option : on)
        options[option] = 1;
    options[TFT_SPEED] = speed;
    options[TFT_TURN] = turn;
    return options;
}

const std::initializer_list<TftOption> kEveryItem = {TFT_CTEMP, TFT_CFREQ, TFT_CTRPM, TFT_CPOWER,
                                                     TFT_CLOAD, TFT_GTEMP, TFT_GFREQ, TFT_GTRPM,
                                                     TFT_GPOWER, TFT_GLOAD, TFT_ANIMATION};

class RotationScheduler : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The rotation state is process-wide; every test starts from a fresh process's state.
        g_nTick = 0;
        g_nNextItem = 0;
        g_bAllItemsOff = 0;
        scheduler.SetTempUnit(CRotationScheduler::kCelsius);
    }

    // What each of `count` calls sent ("-" for nothing).
    Calls Run(int count, const DisplayReadings& readings = kReadings)
    {
        Calls calls;
        for (int i = 0; i < count; ++i) {
            const std::size_t before = sink.frames.size();
            scheduler.ScheduleDisplayFrame(readings);
            EXPECT_LE(sink.frames.size(), before + 1) << "more than one frame in one call";
            calls.push_back(sink.frames.size() > before ? sink.frames.back() : "-");
        }
        return calls;
    }

    RecordingFrameSink sink;
    CRotationScheduler scheduler{sink};
};

TEST_F(RotationScheduler, SpeedSetsTheCallsPerFrameAndTheSearchNeverWraps)
{
    struct Case {
        const char* name;
        TftOptions options;
        Calls expected;
    };
    const Case cases[] = {
        {"speed 0, CPU temperature only: a frame at the 5th call, then nothing at the 10th",
         Options({TFT_CTEMP}, 0),
         {"-", "-", "-", "-", "cpu C 46", "-", "-", "-", "-", "-", "-", "-", "-", "-", "cpu C 46"}},
        {"speed 1, GPU load only", Options({TFT_GLOAD}, 1), {"-", "-", "gpu % 57", "-", "-", "-", "-", "-", "gpu % 57"}},
        {"speed 1, CPU load only", Options({TFT_CLOAD}, 1), {"-", "-", "cpu % 12", "-", "-", "-", "-", "-", "cpu % 12"}},
        {"speed 2, CPU and GPU temperature: a gap after the last enabled item",
         Options({TFT_CTEMP, TFT_GTEMP}, 2),
         {"cpu C 46", "gpu C 61", "-", "cpu C 46", "gpu C 61", "-"}},
        {"speed 2, animation only: item 11 is last, so no gap",
         Options({TFT_ANIMATION}, 2),
         {"animation", "animation", "animation", "animation"}},
        {"speed 2, every item in order and round again without a gap",
         Options(kEveryItem, 2),
         {"cpu C 46", "cpu MHz 3600", "cpu RPM 1200", "cpu W 65", "cpu % 12", "animation", "gpu C 61",
          "gpu MHz 1500", "gpu RPM 900", "gpu W 20", "gpu % 57", "animation", "cpu C 46", "cpu MHz 3600"}},
        {"speed 3 never sends", Options(kEveryItem, 3), Calls(12, "-")},
        {"speed 255 never sends", Options(kEveryItem, 255), Calls(12, "-")},
        {"all off: every due call blanks", Options({}, 1), {"-", "-", "blank", "-", "-", "blank"}},
    };
    for (const Case& c : cases) {
        SetUp();
        scheduler.SetTftOptions(c.options);
        EXPECT_EQ(Run(static_cast<int>(c.expected.size())), c.expected) << c.name;
    }
}

TEST_F(RotationScheduler, ReadingFramesCarryTheTurnAndEveryFrameIsABroadcast)
{
    scheduler.SetTftOptions(Options({TFT_CFREQ, TFT_ANIMATION}, 2, 3));
    Run(3);
    EXPECT_EQ(sink.frames, (Calls{"cpu MHz 3600", "animation", "animation"}));
    EXPECT_EQ(sink.turns, (std::vector<std::uint8_t>{3, 0, 0}));
    EXPECT_EQ(sink.broadcasts, (std::vector<std::int32_t>{1, 1, 1}));
}

TEST_F(RotationScheduler, OnlyAFlagOfOneIsSent)
{
    TftOptions options = Options({}, 2);
    options[TFT_CTEMP] = 2; // hand-edited: not "all off", yet never sent
    scheduler.SetTftOptions(options);
    EXPECT_EQ(Run(4), Calls(4, "-"));
    EXPECT_EQ(g_bAllItemsOff, 0);
}

TEST_F(RotationScheduler, TemperatureFollowsTheUnit)
{
    struct Case {
        std::uint8_t unit;
        std::int32_t celsius;
        const char* frame;
    };
    const Case cases[] = {
        {CRotationScheduler::kCelsius, 46, "cpu C 46"},
        {CRotationScheduler::kFahrenheit, 46, "cpu F 114"}, // 114.8 truncated
        {CRotationScheduler::kFahrenheit, -1, "cpu F 30"},  // 30.2 truncated
        {CRotationScheduler::kFahrenheit, -40, "cpu F -40"},
        {CRotationScheduler::kFahrenheit, -18, "cpu F 0"},  // -0.4 truncated toward zero
        {CRotationScheduler::kFahrenheit, INT32_MAX, "cpu F 2147483647"},
        {CRotationScheduler::kFahrenheit, INT32_MIN, "cpu F -2147483648"},
    };
    for (const Case& c : cases) {
        sink.frames.clear();
        scheduler.SetTempUnit(c.unit);
        scheduler.SendTemperatureFrame(c.celsius, 0);
        EXPECT_EQ(sink.frames, Calls{c.frame}) << int(c.unit) << " " << c.celsius;
    }
}

TEST_F(RotationScheduler, AnUnusableUnitSendsNothingButTheItemHasItsTurn)
{
    scheduler.SetTempUnit(5);
    scheduler.SetTftOptions(Options({TFT_CTEMP, TFT_CFREQ}, 2));
    EXPECT_EQ(Run(3), (Calls{"-", "cpu MHz 3600", "-"}));
}

TEST_F(RotationScheduler, NewOptionsKeepThePlaceInTheRotation)
{
    // All off, then on again: the rotation goes on where it was.
    scheduler.SetTftOptions(Options(kEveryItem, 2));
    Run(3); // items 0, 1, 2
    scheduler.SetTftOptions(Options({}, 2));
    EXPECT_EQ(Run(2), (Calls{"blank", "blank"}));
    scheduler.SetTftOptions(Options(kEveryItem, 2));
    EXPECT_EQ(Run(1), Calls{"cpu W 65"});

    // Options change while the next item is 9: the next due call searches from 9 with the new flags.
    g_nNextItem = 9;
    scheduler.SetTftOptions(Options({TFT_CTEMP, TFT_GLOAD}, 2));
    EXPECT_EQ(Run(3), (Calls{"gpu % 57", "-", "cpu C 46"}));

    // A new speed does not reset the tick: two calls already counted at speed 0 count at speed 1.
    SetUp();
    scheduler.SetTftOptions(Options({TFT_CTEMP}, 0));
    Run(2);
    scheduler.SetTftOptions(Options({TFT_CTEMP}, 1));
    EXPECT_EQ(Run(1), Calls{"cpu C 46"});
}

} // namespace
