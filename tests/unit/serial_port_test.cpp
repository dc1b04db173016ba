#include <gtest/gtest.h>

#include "device/debug_output.h"
#include "device/serial_port.h"
#include "fake_serial_port_layer.h"
#include "hex.h"

namespace {

using Log = std::vector<std::string>;

constexpr std::uint8_t kReading = static_cast<std::uint8_t>(FrameType::Reading);
constexpr std::uint8_t kTempC = static_cast<std::uint8_t>(ValueKind::TempC);
const char* const kProbeHex = "c5 01 00 00 00 00 00 00 00 02 00 00 00 00 00 00 01 c9";
const char* const kCpu45Hex = "c5 02 01 00 00 00 2d 00 00 02 00 00 00 00 00 00 01 f8";

struct Transport {
    explicit Transport(std::vector<FakePortSpec> ports, bool listingSucceeds = true)
        : fake(std::move(ports), listingSucceeds),
          serial(std::make_unique<CSerialPort>(std::make_unique<BorrowedSerialPortLayer>(fake)))
    {
    }
    void BroadcastCpu45() { serial->SendFrame(kReading, 45, kTempC, 0, 0, 1); }

    FakeSerialPortLayer fake;
    FakeSerialPortLayer* layer = &fake;
    std::unique_ptr<CSerialPort> serial;
};

TEST(SerialPort, DiscoveryProbesEveryComPortAndKeepsThoseThatAnswer)
{
    Transport t({
        {L"USB Serial Device (COM5)"},
        {L"Printer Port (LPT1)"},
        {L"Modem (COM6)", true, {0x5D}},               // wrong first byte
        {L"Virtual Port (COM3->COM4)", false},         // cannot be opened
        {L"Bluetooth (COM8)", true, {}},               // no answer within the pause
        {L"Flaky (COM10)", true, {0x5C}, true},        // the read call fails
        {L"USB Serial Device (COM9)", true, {0x5C, 0xFF, 0x00, 0x13, 0x11, 0x5C, 0x5C, 0x5C, 0x5C, 0x5C, 0x5C}},
    });
    EXPECT_EQ(t.serial->OpenDisplayPorts(), 1);
    EXPECT_EQ(t.serial->PortNames(),
              (std::vector<std::wstring>{L"COM5", L"COM6", L"COM3->COM4", L"COM8", L"COM10", L"COM9"}));
    EXPECT_EQ(t.serial->OpenPortNames(), (std::vector<std::wstring>{L"COM5", L"COM9"}));
    EXPECT_EQ(t.layer->log, (Log{
                                "open COM5", "write COM5", "pause 100", "read COM5",
                                "open COM6", "write COM6", "pause 100", "read COM6", "close COM6",
                                "open COM3->COM4",
                                "open COM8", "write COM8", "pause 100", "read COM8", "close COM8",
                                "open COM10", "write COM10", "pause 100", "read COM10", "close COM10",
                                "open COM9", "write COM9", "pause 100", "read COM9",
                            }));
    EXPECT_EQ(Hex(t.layer->written[L"COM5"].at(0)), kProbeHex);

    // Broadcasts go to the kept ports in slot order, with no read-back.
    t.layer->log.clear();
    t.BroadcastCpu45();
    EXPECT_EQ(t.layer->log, (Log{"write COM5", "write COM9"}));
    EXPECT_EQ(Hex(t.layer->written[L"COM9"].back()), kCpu45Hex);
    EXPECT_EQ(t.layer->strayHandleUses, 0);
}

TEST(SerialPort, NothingAnswersOrNothingListed)
{
    struct Case {
        const char* name;
        std::vector<FakePortSpec> ports;
        bool listingSucceeds;
    };
    const Case cases[] = {
        {"no ports at all", {}, true},
        {"only a printer port", {{L"Printer Port (LPT1)"}}, true},
        {"a silent device", {{L"USB Serial Device (COM5)", true, {}}}, true},
        {"the listing fails after naming an answering port", {{L"USB Serial Device (COM5)"}}, false},
    };
    for (const Case& c : cases) {
        Transport t(c.ports, c.listingSucceeds);
        EXPECT_EQ(t.serial->OpenDisplayPorts(), 0) << c.name;
        EXPECT_EQ(t.layer->OpenCount(), 0u) << c.name;
        t.layer->log.clear();
        t.BroadcastCpu45();
        EXPECT_TRUE(t.layer->log.empty()) << c.name;
    }
}

TEST(SerialPort, ASecondDiscoveryClosesTheOldHandlesFirstAndFindsTheDisplayAgain)
{
    Transport t({{L"USB Serial Device (COM5)"}, {L"USB Serial Device (COM9)"}});
    ASSERT_EQ(t.serial->OpenDisplayPorts(), 1);
    t.layer->log.clear();
    ASSERT_EQ(t.serial->OpenDisplayPorts(), 1);
    EXPECT_EQ(Log(t.layer->log.begin(), t.layer->log.begin() + 3), (Log{"close COM5", "close COM9", "open COM5"}));
    EXPECT_EQ(t.serial->OpenPortNames(), (std::vector<std::wstring>{L"COM5", L"COM9"}));

    // Destruction closes every open port.
    t.serial.reset();
    EXPECT_EQ(t.layer->OpenCount(), 0u);
}

TEST(SerialPort, AFailedWriteCostsOnlyThatWrite)
{
    Transport t({{L"USB Serial Device (COM5)"}, {L"USB Serial Device (COM9)"}});
    ASSERT_EQ(t.serial->OpenDisplayPorts(), 1);
    t.layer->Ports()[0].writeFails = true; // COM5 unplugged: it stays in its slot until the next discovery
    t.layer->log.clear();
    t.BroadcastCpu45();
    t.BroadcastCpu45();
    EXPECT_EQ(t.layer->log, (Log{"write COM5", "write COM9", "write COM5", "write COM9"}));
    EXPECT_EQ(t.serial->OpenPortNames(), (std::vector<std::wstring>{L"COM5", L"COM9"}));
}

TEST(SerialPort, OnlyTheFirst255PortsAreOpened)
{
    std::vector<FakePortSpec> ports;
    for (int i = 1; i <= 300; ++i)
        ports.push_back({L"USB Serial Device (COM" + std::to_wstring(i) + L")", i == 255 || i == 256});
    Transport t(ports);
    EXPECT_EQ(t.serial->OpenDisplayPorts(), 1);
    EXPECT_EQ(t.serial->PortNames().size(), 300u);
    EXPECT_EQ(t.serial->OpenPortNames(), std::vector<std::wstring>{L"COM255"});
    EXPECT_EQ(t.layer->log.back(), "read COM255"); // COM256 and later are listed but never opened
}

TEST(SerialPort, EveryFrameIsTracedBeforeItIsDelivered)
{
    std::vector<std::string> events;
    Transport t({{L"USB Serial Device (COM5)"}});
    const DebugOutputSink previous = SetDebugOutputSink([&](const std::wstring& line) {
        events.push_back("trace " + std::string(line.begin(), line.end()) + "/written " +
                         std::to_string(t.layer->written[L"COM5"].size()));
    });
    t.serial->OpenDisplayPorts();
    t.BroadcastCpu45();
    t.serial->SendFrame(kReading, 45, kTempC, 0, 0, 0); // single-port mode with no active port: traced, not written
    SetDebugOutputSink(previous);
    EXPECT_EQ(events, (std::vector<std::string>{
                          std::string("trace ") + kProbeHex + " \r\n/written 0",
                          std::string("trace ") + kCpu45Hex + " \r\n/written 1",
                          std::string("trace ") + kCpu45Hex + " \r\n/written 2",
                      }));
    EXPECT_EQ(t.layer->strayHandleUses, 0);
}

} // namespace
