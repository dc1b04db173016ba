// The values of a value bar (CSliderEx), shared between the monitor worker that moves the bar and
// the UI thread that paints it.
#pragma once

#include <atomic>
#include <cstdint>

// Every value is a whole 32-bit atomic: the worker writes, the painting reads, neither ever sees a
// half-written value. Nothing here paints or touches a window; a true result from ApplyBarValue
// tells the window class to invalidate the bar.
class CSliderState {
public:
    // The range; the page sets it while it lays the bars out, before the worker starts.
    void SetRange(std::int32_t min, std::int32_t max)
    {
        m_nMin.store(min);
        m_nMax.store(max);
    }
    std::int32_t Min() const { return m_nMin.load(); }
    std::int32_t Max() const { return m_nMax.load(); }

    // Fill length in pixels, as painted (see ClampFillLength) and as an owner may set it directly.
    std::int32_t Pos() const { return m_nPos.load(); }
    void SetPos(std::int32_t pos) { m_nPos.store(pos); }

    // The value last shown.
    std::int32_t Value() const { return m_nValue.load(); }
    void SetValue(std::int32_t value) { m_nValue.store(value); }

    // The worker's bar rule, for a bar whose window exists and is `clientWidth` pixels wide: only a
    // value inside the range (min ≤ value ≤ max) that differs from the value last shown moves the
    // bar. Then the fill length becomes SliderFillLength(...), the value is remembered, and the
    // result is true: invalidate the bar. A value outside the range leaves the bar where it was.
    // Called by one thread only (the worker).
    bool ApplyBarValue(std::int32_t value, std::int32_t clientWidth);

private:
    std::atomic<std::int32_t> m_nMin{0};
    std::atomic<std::int32_t> m_nMax{0};
    std::atomic<std::int32_t> m_nPos{0};
    std::atomic<std::int32_t> m_nValue{0};
};
