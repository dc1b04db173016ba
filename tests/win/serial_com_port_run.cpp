// Runs discovery twice over the system's real COM ports (the second one closes what the first
// kept and must find the same displays), then broadcasts the frames given on the command line,
// each as "type,value,kind,gpu,turn". Prints every port-layer call, what each discovery returned,
// the listed and the kept ports; serial_com_port_test.sh checks these lines and what the display
// emulators received.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "device/serial_port.h"
#include "tests/win/tracing_serial_port_layer.h"

namespace {

struct FrameArguments {
    std::uint8_t type, kind, gpu, turn;
    std::int32_t value;
};

std::optional<FrameArguments> ParseFrameArguments(std::string_view text)
{
    std::int32_t fields[5] = {};
    const char* next = text.data();
    const char* const end = text.data() + text.size();
    for (int i = 0; i < 5; ++i) {
        const auto [stop, error] = std::from_chars(next, end, fields[i]);
        if (error != std::errc{} || (i < 4 ? stop == end || *stop != ',' : stop != end))
            return std::nullopt;
        next = stop + 1;
    }
    for (int i : {0, 2, 3, 4})
        if (fields[i] < 0 || fields[i] > 0xFF)
            return std::nullopt;
    return FrameArguments{static_cast<std::uint8_t>(fields[0]), static_cast<std::uint8_t>(fields[2]),
                          static_cast<std::uint8_t>(fields[3]), static_cast<std::uint8_t>(fields[4]), fields[1]};
}

void PrintNames(const char* label, const std::vector<std::wstring>& names)
{
    std::printf("%s", label);
    for (const std::wstring& name : names)
        std::printf(" %s", NarrowPortName(name).c_str());
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0); // every line out, even if the program dies
    std::vector<FrameArguments> frames;
    for (int i = 1; i < argc; ++i) {
        const auto frame = ParseFrameArguments(argv[i]);
        if (!frame) {
            std::fprintf(stderr, "usage: %s [type,value,kind,gpu,turn]...\nbad frame: %s\n", argv[0], argv[i]);
            return 2;
        }
        frames.push_back(*frame);
    }

    {
        CSerialPort serial(std::make_unique<TracingSerialPortLayer>(CreateSystemSerialPortLayer()));
        for (int round = 0; round < 2; ++round) {
            std::printf("discovery %d\n", serial.OpenDisplayPorts());
            PrintNames("listed", serial.PortNames());
            PrintNames("kept", serial.OpenPortNames());
        }
        for (const FrameArguments& f : frames)
            serial.SendFrame(f.type, f.value, f.kind, f.gpu, f.turn, 1);
    } // closes the kept ports
    return 0;
}
