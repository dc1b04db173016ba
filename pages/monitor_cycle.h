// One cycle of the monitor worker: refresh the hub one sensor class at a time, show each reading on
// the monitor page, then hand all ten to the display device.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "controls/reading_targets.h"
#include "device/display_readings.h"

class CSensorHub;

class IDisplayDevices {
public:
    virtual ~IDisplayDevices() = default;
    virtual void ScheduleDisplayFrame(const DisplayReadings& readings) = 0;
    virtual void SendHidReport(const DisplayReadings& readings) = 0;
};

// The page's controls in its member order: bars 1200 to 1207; labels 1300, 1301, 1302, 1328, 1303,
// 1304, 1305, 1329; gauges 1320 and 1321. In each set the CPU's load, clock, fan and power come
// first, then the GPU's.
struct MonitorControls {
    std::array<IReadingBar*, 8> bars{};
    std::array<IReadingLabel*, 8> labels{};
    std::array<ITemperatureGauge*, 2> gauges{};
};

// What the page offers the worker at the start of each cycle.
struct MonitorCycleInputs {
    CSensorHub* hub = nullptr;
    bool serialReady = false;
    std::uint8_t tempUnit = 0;
};

// The ten readings as the display device gets them: truncated toward zero, temperatures in Celsius.
DisplayReadings TruncatedReadings(const CSensorHub& hub);

// Steps 1 to 7 of a cycle. False when there is no hub: the worker then ends.
bool RunMonitorCycle(const MonitorCycleInputs& inputs, const MonitorControls& controls, IDisplayDevices& devices);
