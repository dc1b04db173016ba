#include "emulator_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace display_emulator {
namespace {

ParsedOptions Parse(std::vector<std::string_view> args) { return ParseOptions(args); }

TEST(EmulatorOptionsTest, DefaultsToAPromptAnswerOnANewPseudoTerminal)
{
    const ParsedOptions parsed = Parse({});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_FALSE(parsed.options->ttyPath);
    EXPECT_FALSE(parsed.options->linkPath);
    EXPECT_TRUE(parsed.options->answerProbes);
    EXPECT_EQ(parsed.options->answerByte, 0x5C);
    EXPECT_EQ(parsed.options->answerDelay.count(), 0);
    EXPECT_FALSE(parsed.options->exitAfter);
}

TEST(EmulatorOptionsTest, ReadsEverySwitchInBothSpellings)
{
    const ParsedOptions parsed = Parse({"--tty", "/dev/ttyS1", "--link=/tmp/port", "--no-answer", "--answer-byte",
                                        "0xA5", "--answer-delay=150", "--exit-after", "3"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(parsed.options->ttyPath, "/dev/ttyS1");
    EXPECT_EQ(parsed.options->linkPath, "/tmp/port");
    EXPECT_FALSE(parsed.options->answerProbes);
    EXPECT_EQ(parsed.options->answerByte, 0xA5);
    EXPECT_EQ(parsed.options->answerDelay.count(), 150);
    EXPECT_EQ(parsed.options->exitAfter, 3u);

    EXPECT_EQ(Parse({"--answer-byte", "92"}).options->answerByte, 0x5C);
}

TEST(EmulatorOptionsTest, RejectsBadValues)
{
    const std::vector<std::vector<std::string_view>> cases = {
        {"--answer-byte", "0x100"}, {"--answer-byte", "5c"},  {"--answer-byte", "0x"}, {"--answer-delay", "-5"},
        {"--answer-delay", "1s"},   {"--exit-after", "0"},    {"--exit-after"},        {"--link"},
        {"--tty="},                 {"--no-answer=yes"},     {"--frobnicate"},        {"extra"},
    };
    for (const auto& args : cases) {
        const ParsedOptions parsed = Parse(args);
        EXPECT_FALSE(parsed.options) << args.front();
        EXPECT_FALSE(parsed.error.empty()) << args.front();
    }
}

TEST(EmulatorOptionsTest, StopsAtHelp)
{
    const ParsedOptions parsed = Parse({"--help", "--frobnicate"});
    EXPECT_TRUE(parsed.helpRequested);
    EXPECT_FALSE(parsed.options);
}

}  // namespace
}  // namespace display_emulator
