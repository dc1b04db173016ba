// One simulated sensor value: a fixed number, or a range the value sweeps through smoothly with time.
#pragma once

#include <optional>
#include <string_view>

namespace sensor_standin {

struct SimulatedValue {
    double low = 0.0;
    double high = 0.0;      // equal to low for a fixed number
    double periodSeconds = 0.0;  // one full swing low -> high -> low; 0 when the description gave none

    bool IsFixed() const { return low == high; }

    // The value at `seconds` of wall-clock time: low at the start of each period, high halfway,
    // following a cosine in between. `phase` (0 to 1) shifts the swing by that part of a period.
    // A fixed number is returned exactly.
    double At(double seconds, double phase) const;
};

inline constexpr double kDefaultPeriodSeconds = 30.0;

// "45", "-3.5", "38..72", "38..72 every 40s" (a range with its period; the "s" is optional).
// Empty for anything else, a period of zero or less included. A range given high..low is turned round.
std::optional<SimulatedValue> ParseSimulatedValue(std::string_view text);

}  // namespace sensor_standin
