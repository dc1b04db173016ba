#include "simulated_value.h"

#include "description_text.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace sensor_standin {

double SimulatedValue::At(double seconds, double phase) const
{
    if (IsFixed())
        return low;
    const double period = periodSeconds > 0.0 ? periodSeconds : kDefaultPeriodSeconds;
    // Reduce before scaling: wall-clock seconds are large and the swing must stay smooth.
    const double turns = std::fmod(seconds, period) / period + phase;
    const double rise = (1.0 - std::cos(2.0 * std::numbers::pi * turns)) / 2.0;
    return low + (high - low) * rise;
}

std::optional<SimulatedValue> ParseSimulatedValue(std::string_view text)
{
    text = Trim(text);
    SimulatedValue value;

    // An optional trailing "every <seconds>[s]".
    constexpr std::string_view kEvery = "every";
    const auto space = text.find_last_of(" \t");
    if (space != std::string_view::npos) {
        const std::string_view head = Trim(text.substr(0, space));
        const auto wordStart = head.size() > kEvery.size() ? head.size() - kEvery.size() : 0;
        const bool blankBefore = wordStart > 0 && (head[wordStart - 1] == ' ' || head[wordStart - 1] == '\t');
        if (blankBefore && EqualsIgnoringCase(head.substr(wordStart), kEvery)) {
            std::string_view period = text.substr(space + 1);
            if (period.ends_with('s') || period.ends_with('S'))
                period.remove_suffix(1);
            const auto seconds = ParseNumber(period);
            if (!seconds || *seconds <= 0.0)
                return std::nullopt;
            value.periodSeconds = *seconds;
            text = Trim(head.substr(0, wordStart));
        }
    }

    if (const auto dots = text.find(".."); dots != std::string_view::npos) {
        const auto low = ParseNumber(Trim(text.substr(0, dots)));
        const auto high = ParseNumber(Trim(text.substr(dots + 2)));
        if (!low || !high)
            return std::nullopt;
        value.low = *low;
        value.high = *high;
        if (value.low > value.high)
            std::swap(value.low, value.high);
        return value;
    }
    const auto fixed = ParseNumber(text);
    if (!fixed)
        return std::nullopt;
    value.low = value.high = *fixed;
    return value;
}

}  // namespace sensor_standin
