// The state of a round temperature gauge (CStaticProgress), set by the monitor worker and read by
// the UI thread's painting.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "controls/gauge_text.h"

// Everything the painting needs from the last value.
struct GaugeFace {
    std::wstring caption;   // "CPU" or "GPU"; empty until a selector sets it
    std::wstring valueText; // empty until the first value
    std::wstring unitText;  // empty until the first value
    GaugeTextPositions positions;
    std::int32_t sweep = 0; // degrees of the value arc from twelve o'clock, clockwise when positive
    friend bool operator==(const GaugeFace&, const GaugeFace&) = default;
};

class CGaugeState {
public:
    // The same value with the same unit flag as last time changes nothing and gives false.
    // Otherwise caption (selector 0 "CPU", 1 "GPU", others keep it), texts, sweep and text places
    // are set from `celsius` and `unitFlag` (0 Fahrenheit, other Celsius) and the result is true:
    // the window class invalidates the whole gauge. Nothing is painted here.
    bool SetValue(std::int32_t selector, std::int32_t celsius, std::int32_t unitFlag);

    // A whole copy of the face, taken under the lock.
    GaugeFace Face() const;

private:
    mutable std::mutex m_Lock;
    bool m_bHasValue = false; // no value has been set yet: the first one always counts
    std::int32_t m_nLastValue = -1;
    std::int32_t m_nLastUnit = -1;
    GaugeFace m_Face;
};
