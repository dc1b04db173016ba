// The transport over real ptys, with the display emulator at the far end of each.
#include <gtest/gtest.h>

#include <filesystem>

#include "device/serial_port.h"
#include "device/serial_port_layer_posix.h"
#include "display_emulator_process.h"
#include "temporary_directory.h"
#include "hex.h"

namespace {

constexpr std::uint8_t kReading = static_cast<std::uint8_t>(FrameType::Reading);
constexpr std::uint8_t kAnimation = static_cast<std::uint8_t>(FrameType::Animation);
const std::string kProbeHex = "c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9";

// A frame with the bytes 0x11 and 0x13 in it: flow control on either side would eat them.
struct SentFrame {
    std::uint8_t type;
    std::int32_t value;
    ValueKind kind;
    std::uint8_t gpu;
    std::uint8_t turn;
};
const SentFrame kBroadcasts[] = {
    {kReading, 61, ValueKind::TempC, 1, 0},
    {kReading, 0x1113, ValueKind::ClockMHz, 0, 2},
    {kAnimation, 0, ValueKind::ClockMHz, 0, 0},
};

void Broadcast(CSerialPort& serial)
{
    for (const SentFrame& f : kBroadcasts)
        serial.SendFrame(f.type, f.value, static_cast<std::uint8_t>(f.kind), f.gpu, f.turn, 1);
}

std::vector<std::string> BroadcastHex()
{
    std::vector<std::string> hex;
    for (const SentFrame& f : kBroadcasts)
        hex.push_back(Hex(BuildDisplayFrame(f.type, f.value, static_cast<std::uint8_t>(f.kind), f.gpu, f.turn).bytes));
    return hex;
}

std::vector<std::string> HexOf(const std::vector<EmulatedFrame>& frames, std::size_t from = 0)
{
    std::vector<std::string> hex;
    for (std::size_t i = from; i < frames.size(); ++i)
        hex.push_back(frames[i].hex);
    return hex;
}

std::size_t OpenDescriptorCount()
{
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                                  std::filesystem::directory_iterator()));
}

TEST(SerialPortOverPty, AnsweringDisplaysAreKeptAndReceiveEveryBroadcastByteForByte)
{
    TemporaryDirectory dir;
    DisplayEmulatorProcess com5(dir.Path("com5"));
    DisplayEmulatorProcess silent(dir.Path("com6"), {"--no-answer"});
    DisplayEmulatorProcess wrongByte(dir.Path("com7"), {"--answer-byte", "0x5D"});
    DisplayEmulatorProcess late(dir.Path("com8"), {"--answer-delay", "250"});
    DisplayEmulatorProcess com9(dir.Path("com9"));
    ASSERT_TRUE(com5.Ready() && silent.Ready() && wrongByte.Ready() && late.Ready() && com9.Ready());

    CSerialPort serial(CreatePosixSerialPortLayer({
        {L"USB Serial Device (COM5)", dir.Path("com5")},
        {L"USB Serial Device (COM6)", dir.Path("com6")},
        {L"USB Serial Device (COM7)", dir.Path("com7")},
        {L"USB Serial Device (COM8)", dir.Path("com8")},
        {L"Missing (COM4)", dir.Path("nothing-here")},
        {L"USB Serial Device (COM9)", dir.Path("com9")},
    }));
    ASSERT_EQ(serial.OpenDisplayPorts(), 1);
    EXPECT_EQ(serial.OpenPortNames(), (std::vector<std::wstring>{L"COM5", L"COM9"}));

    Broadcast(serial);
    std::vector<std::string> expected = {kProbeHex};
    for (const std::string& hex : BroadcastHex())
        expected.push_back(hex);
    for (const DisplayEmulatorProcess* kept : {&com5, &com9}) {
        const std::vector<EmulatedFrame> frames = kept->WaitForFrames(expected.size());
        EXPECT_EQ(HexOf(frames), expected);
        ASSERT_FALSE(frames.empty());
        EXPECT_TRUE(frames[0].answered);
    }
    // The ports that failed the probe were left out: they saw the probe and nothing else.
    for (const DisplayEmulatorProcess* dropped : {&silent, &wrongByte, &late}) {
        EXPECT_EQ(HexOf(dropped->WaitForFrames(1)), std::vector<std::string>{kProbeHex});
    }
}

TEST(SerialPortOverPty, RediscoveryReleasesTheOldPortsAndFindsTheDisplayAgain)
{
    TemporaryDirectory dir;
    DisplayEmulatorProcess display(dir.Path("com5"));
    ASSERT_TRUE(display.Ready());
    CSerialPort serial(CreatePosixSerialPortLayer({{L"USB Serial Device (COM5)", dir.Path("com5")}}));

    ASSERT_EQ(serial.OpenDisplayPorts(), 1);
    const std::size_t descriptors = OpenDescriptorCount();
    for (int again = 0; again < 3; ++again)
        ASSERT_EQ(serial.OpenDisplayPorts(), 1);
    EXPECT_EQ(OpenDescriptorCount(), descriptors) << "a discovery left old port handles open";
    EXPECT_EQ(HexOf(display.WaitForFrames(4)), std::vector<std::string>(4, kProbeHex));
}

TEST(SerialPortOverPty, ADisplayThatGoesAwayCostsOnlyFailedWritesAndIsFoundAgain)
{
    TemporaryDirectory dir;
    CSerialPort serial(CreatePosixSerialPortLayer({{L"USB Serial Device (COM5)", dir.Path("com5")}}));
    {
        // Gone after the probe and two frames, in the middle of a broadcast run.
        DisplayEmulatorProcess leaving(dir.Path("com5"), {"--exit-after", "3"});
        ASSERT_TRUE(leaving.Ready());
        ASSERT_EQ(serial.OpenDisplayPorts(), 1);
        for (int round = 0; round < 3; ++round)
            Broadcast(serial);
        EXPECT_TRUE(leaving.WaitForExit());
        Broadcast(serial); // writes into a port with nobody at the far end
        EXPECT_EQ(serial.OpenPortNames(), std::vector<std::wstring>{L"COM5"}) << "kept until the next discovery";
    }
    DisplayEmulatorProcess back(dir.Path("com5"));
    ASSERT_TRUE(back.Ready());
    ASSERT_EQ(serial.OpenDisplayPorts(), 1);
    Broadcast(serial);
    std::vector<std::string> expected = {kProbeHex};
    for (const std::string& hex : BroadcastHex())
        expected.push_back(hex);
    EXPECT_EQ(HexOf(back.WaitForFrames(expected.size())), expected);
}

} // namespace
