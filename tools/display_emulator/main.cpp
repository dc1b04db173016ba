// display-emulator: plays the cooler's serial display at the far end of a serial link, for tests
// and demos. It shares no code with the program, so it checks the wire format independently.
#include <cstdio>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "display_port.h"
#include "emulator_loop.h"
#include "emulator_options.h"
#include "frame_report.h"
#include "port_link.h"
#include "stop_signal.h"

using namespace display_emulator;

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const ParsedOptions parsed = ParseOptions(args);
    if (parsed.helpRequested) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (!parsed.options) {
        std::fprintf(stderr, "display-emulator: %s\n%s", parsed.error.c_str(), UsageText().c_str());
        return 2;
    }
    const EmulatorOptions& options = *parsed.options;

    InstallStopHandlers();
    try {
        const DisplayPort port = options.ttyPath ? DisplayPort::OpenTty(*options.ttyPath)
                                                 : DisplayPort::OpenPseudoTerminal();
        std::optional<PortLink> link;
        if (options.linkPath)
            link.emplace(*options.linkPath, port.Name());

        std::fputs((ReadyJson(port.Name()) + "\n").c_str(), stdout);
        std::fflush(stdout);
        std::fprintf(stderr, "display emulator ready on %s\n", port.Name().c_str());
        return RunEmulator(port, options);
    } catch (const std::system_error& error) {
        std::fprintf(stderr, "display-emulator: %s\n", error.what());
        return 1;
    }
}
