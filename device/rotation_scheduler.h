// The rotation of the serial display: which reading it shows, and when.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "device/display_frame.h"
#include "device/display_readings.h"
#include "device/frame_sink.h"
#include "device/tft_options.h"

enum class DisplayItem : std::uint8_t {
    CpuTemp,
    CpuClock,
    CpuFan,
    CpuPower,
    CpuLoad,
    CpuAnimation,
    GpuTemp,
    GpuClock,
    GpuFan,
    GpuPower,
    GpuLoad,
    GpuAnimation,
};
constexpr std::size_t kDisplayItemCount = 12;

// Process-wide rotation state: it outlives new options, new discoveries and the worker's switches
// between the serial display and the HID report. The worker alone moves the tick and the next item.
extern std::int32_t g_nTick;
extern std::uint8_t g_nNextItem;
extern std::atomic<std::int32_t> g_bAllItemsOff;

class CRotationScheduler {
public:
    static constexpr std::uint8_t kCelsius = 1;
    static constexpr std::uint8_t kFahrenheit = 0;

    explicit CRotationScheduler(IFrameSink& sink) : m_Sink(sink) {}

    // UI thread: new options apply from the next call; the rotation keeps its place.
    void SetTftOptions(TftOptions options);
    void SetTempUnit(std::uint8_t unit) { m_nTempUnit = unit; }
    // The options in force: an item's flag, the speed level and the orientation step.
    std::uint8_t ItemFlag(DisplayItem item) const { return m_DisplayItems[static_cast<std::size_t>(item)]; }
    std::uint8_t Speed() const { return m_nSpeed; }
    std::uint8_t Turn() const { return m_nTurn; }

    // Worker thread, once per cycle while a serial display is ready.
    void ScheduleDisplayFrame(const DisplayReadings& readings);
    void SendItemFrame(std::uint8_t item, const DisplayReadings& readings);
    void SendTemperatureFrame(std::int32_t celsius, std::uint8_t gpu);

private:
    bool FrameDue() const;
    void SendReading(std::int32_t value, ValueKind kind, std::uint8_t gpu);
    void SendPlain(FrameType type);

    IFrameSink& m_Sink;
    // Single bytes written whole by the UI thread and read whole by the worker.
    std::array<std::atomic<std::uint8_t>, kDisplayItemCount> m_DisplayItems{};
    std::atomic<std::uint8_t> m_nSpeed{0};
    std::atomic<std::uint8_t> m_nTurn{0};
    std::atomic<std::uint8_t> m_nTempUnit{0};
};

// Celsius to Fahrenheit as the display receives it: x 1.8 + 32, truncated toward zero
// (saturating at the ends of the 32-bit range).
std::int32_t CelsiusToFahrenheit(std::int32_t celsius);
