#include "emulator_options.h"

#include <charconv>
#include <limits>

namespace display_emulator {
namespace {

// Decimal, or hexadecimal with a 0x prefix; the whole text must be the number.
std::optional<unsigned long> ParseNumber(std::string_view text)
{
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    unsigned long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}  // namespace

ParsedOptions ParseOptions(std::span<const std::string_view> args)
{
    EmulatorOptions options;
    ParsedOptions result;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view name = args[i];
        std::optional<std::string_view> inlineValue;
        if (const auto eq = name.find('='); name.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        const auto takeValue = [&]() -> std::optional<std::string_view> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        const auto fail = [&](const std::string& why) {
            result.error = std::string(name) + ": " + why;
            return result;
        };

        if (name == "--help" || name == "-h") {
            result.helpRequested = true;
            return result;
        }
        if (name == "--no-answer") {
            if (inlineValue)
                return fail("takes no value");
            options.answerProbes = false;
            continue;
        }
        if (name != "--tty" && name != "--link" && name != "--answer-byte" && name != "--answer-delay" &&
            name != "--exit-after") {
            result.error = "unknown option " + std::string(args[i]);
            return result;
        }
        const auto value = takeValue();
        if (!value || value->empty())
            return fail("needs a value");
        if (name == "--tty") {
            options.ttyPath = std::string(*value);
        } else if (name == "--link") {
            options.linkPath = std::string(*value);
        } else {
            const auto number = ParseNumber(*value);
            if (!number)
                return fail("not a number: " + std::string(*value));
            if (name == "--answer-byte") {
                if (*number > 0xFF)
                    return fail("not a byte: " + std::string(*value));
                options.answerByte = static_cast<std::uint8_t>(*number);
            } else if (name == "--answer-delay") {
                if (*number > static_cast<unsigned long>(std::numeric_limits<int>::max()))
                    return fail("too long: " + std::string(*value));
                options.answerDelay = std::chrono::milliseconds(*number);
            } else {
                if (*number == 0)
                    return fail("must be at least 1");
                options.exitAfter = *number;
            }
        }
    }
    result.options = options;
    return result;
}

std::string UsageText()
{
    return "usage: display-emulator [options]\n"
           "Plays the serial display at the far end of a serial link and reports every frame it receives:\n"
           "one JSON object per line on stdout, a short line per frame on stderr.\n"
           "\n"
           "  --tty PATH          serve this existing tty (set raw) instead of a new pseudo-terminal\n"
           "  --link PATH         make PATH a symbolic link to the port once ready; removed on exit\n"
           "  --no-answer         never answer probes\n"
           "  --answer-byte 0xNN  answer probes with this byte instead of 0x5c\n"
           "  --answer-delay MS   answer probes after MS milliseconds\n"
           "  --exit-after N      close the port and exit 0 after N frames (probes and garbage included)\n"
           "  --help              show this text\n";
}

}  // namespace display_emulator
