#include "pages/monitor_cycle.h"

#include "device/truncate.h"
#include "hardware/sensor_hub.h"
#include "pages/reading_text.h"

namespace {

using namespace cpuidsdk;

std::int32_t Whole(const SensorTriple& reading)
{
    return TruncateToInt32(reading.value);
}

// The bar and label of one reading shown as a rounded number with a unit.
void ShowRounded(const SensorTriple& reading, std::wstring_view unit, IReadingBar* bar, IReadingLabel* label)
{
    const std::wstring text = FormatRoundedReadingText(reading.value, unit);
    if (bar)
        bar->ShowValue(Whole(reading));
    if (label)
        label->SetText(text);
}

void ShowLoad(const SensorTriple& reading, IReadingBar* bar, IReadingLabel* label)
{
    const std::int32_t load = Whole(reading);
    if (bar)
        bar->ShowValue(load);
    if (label)
        label->SetText(FormatLoadText(load));
}

} // namespace

DisplayReadings TruncatedReadings(const CSensorHub& hub)
{
    DisplayReadings r;
    r.cpuClock = Whole(hub.m_cpuClock);
    r.cpuTemp = Whole(hub.m_cpuTemp);
    r.mainboardFan = Whole(hub.m_mainboardFan);
    r.cpuPower = Whole(hub.m_cpuPower);
    r.cpuLoad = Whole(hub.m_cpuLoad);
    r.gpuClock = Whole(hub.m_gpuClock);
    r.gpuTemp = Whole(hub.m_gpuTemp);
    r.gpuFan = Whole(hub.m_gpuFan);
    r.gpuPower = Whole(hub.m_gpuPower);
    r.gpuLoad = Whole(hub.m_gpuLoad);
    return r;
}

bool RunMonitorCycle(const MonitorCycleInputs& inputs, const MonitorControls& c, IDisplayDevices& devices)
{
    CSensorHub* hub = inputs.hub;
    if (!hub)
        return false;

    hub->RefreshReadings(Load);
    ShowLoad(hub->m_cpuLoad, c.bars[0], c.labels[0]);
    ShowLoad(hub->m_gpuLoad, c.bars[4], c.labels[4]);

    hub->RefreshReadings(Clock);
    ShowRounded(hub->m_cpuClock, kClockUnit, c.bars[1], c.labels[1]);
    ShowRounded(hub->m_gpuClock, kClockUnit, c.bars[5], c.labels[5]);

    hub->RefreshReadings(FanSpeed);
    ShowRounded(hub->m_mainboardFan, kFanUnit, c.bars[2], c.labels[2]);
    ShowRounded(hub->m_gpuFan, kFanUnit, c.bars[6], c.labels[6]);

    hub->RefreshReadings(Power);
    ShowRounded(hub->m_cpuPower, kPowerUnit, c.bars[3], c.labels[3]);
    ShowRounded(hub->m_gpuPower, kPowerUnit, c.bars[7], c.labels[7]);

    hub->RefreshReadings(Temperature);
    if (c.gauges[0])
        c.gauges[0]->SetValue(0, Whole(hub->m_cpuTemp), inputs.tempUnit);
    if (c.gauges[1])
        c.gauges[1]->SetValue(1, Whole(hub->m_gpuTemp), inputs.tempUnit);

    const DisplayReadings readings = TruncatedReadings(*hub);
    if (inputs.serialReady)
        devices.ScheduleDisplayFrame(readings);
    else
        devices.SendHidReport(readings);
    return true;
}
