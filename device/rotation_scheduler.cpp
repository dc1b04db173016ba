#include "device/rotation_scheduler.h"

#include "device/truncate.h"

std::int32_t g_nTick = 0;
std::uint8_t g_nNextItem = 0;
std::atomic<std::int32_t> g_bAllItemsOff{0};

namespace {

// The option byte that switches each item on, in rotation order.
constexpr TftOption kItemFlagKey[kDisplayItemCount] = {
    TFT_CTEMP, TFT_CFREQ, TFT_CTRPM, TFT_CPOWER, TFT_CLOAD, TFT_ANIMATION,
    TFT_GTEMP, TFT_GFREQ, TFT_GTRPM, TFT_GPOWER, TFT_GLOAD, TFT_ANIMATION,
};

// Calls per frame by speed 0, 1 and 2; any other speed never sends.
constexpr std::int32_t kCallsPerFrame[] = {5, 3, 1};

} // namespace

std::int32_t CelsiusToFahrenheit(std::int32_t celsius)
{
    return TruncateToInt32(celsius * 1.8 + 32);
}

void CRotationScheduler::SetTftOptions(TftOptions options)
{
    bool allOff = true;
    for (std::size_t item = 0; item < kDisplayItemCount; ++item) {
        const std::uint8_t flag = options[kItemFlagKey[item]];
        m_DisplayItems[item] = flag;
        allOff = allOff && flag == 0;
    }
    m_nSpeed = options[TFT_SPEED];
    m_nTurn = options[TFT_TURN];
    g_bAllItemsOff = allOff ? 1 : 0;
}

bool CRotationScheduler::FrameDue() const
{
    const std::uint8_t speed = m_nSpeed;
    return speed < std::size(kCallsPerFrame) && g_nTick >= kCallsPerFrame[speed];
}

void CRotationScheduler::ScheduleDisplayFrame(const DisplayReadings& readings)
{
    // Saturate rather than overflow: at speed 3 and above the tick counts forever.
    if (g_nTick < INT32_MAX)
        ++g_nTick;
    if (!FrameDue())
        return;
    g_nTick = 0;

    if (g_bAllItemsOff != 0) {
        SendPlain(FrameType::Blank);
        return;
    }
    // The search never wraps within one call: past the last enabled item this call sends nothing
    // and the next due call starts again at item 0. Only a flag of exactly 1 counts as on.
    for (std::uint8_t item = g_nNextItem; item < kDisplayItemCount; ++item) {
        if (m_DisplayItems[item] == 1) {
            g_nNextItem = static_cast<std::uint8_t>(item + 1);
            SendItemFrame(item, readings);
            if (g_nNextItem >= kDisplayItemCount)
                g_nNextItem = 0;
            return;
        }
    }
    g_nNextItem = 0;
}

void CRotationScheduler::SendItemFrame(std::uint8_t item, const DisplayReadings& r)
{
    switch (static_cast<DisplayItem>(item)) {
    case DisplayItem::CpuTemp: return SendTemperatureFrame(r.cpuTemp, 0);
    case DisplayItem::CpuClock: return SendReading(r.cpuClock, ValueKind::ClockMHz, 0);
    case DisplayItem::CpuFan: return SendReading(r.mainboardFan, ValueKind::FanRpm, 0);
    case DisplayItem::CpuPower: return SendReading(r.cpuPower, ValueKind::PowerW, 0);
    case DisplayItem::CpuLoad: return SendReading(r.cpuLoad, ValueKind::LoadPct, 0);
    case DisplayItem::GpuTemp: return SendTemperatureFrame(r.gpuTemp, 1);
    case DisplayItem::GpuClock: return SendReading(r.gpuClock, ValueKind::ClockMHz, 1);
    case DisplayItem::GpuFan: return SendReading(r.gpuFan, ValueKind::FanRpm, 1);
    case DisplayItem::GpuPower: return SendReading(r.gpuPower, ValueKind::PowerW, 1);
    case DisplayItem::GpuLoad: return SendReading(r.gpuLoad, ValueKind::LoadPct, 1);
    case DisplayItem::CpuAnimation:
    case DisplayItem::GpuAnimation: return SendPlain(FrameType::Animation);
    }
    SendPlain(FrameType::Blank);
}

void CRotationScheduler::SendTemperatureFrame(std::int32_t celsius, std::uint8_t gpu)
{
    switch (m_nTempUnit.load()) {
    case kFahrenheit: return SendReading(CelsiusToFahrenheit(celsius), ValueKind::TempF, gpu);
    case kCelsius: return SendReading(celsius, ValueKind::TempC, gpu);
    default: return; // an unusable unit sends nothing; the item has still had its turn
    }
}

void CRotationScheduler::SendReading(std::int32_t value, ValueKind kind, std::uint8_t gpu)
{
    m_Sink.SendFrame(static_cast<std::uint8_t>(FrameType::Reading), value, static_cast<std::uint8_t>(kind), gpu,
                     m_nTurn, 1);
}

void CRotationScheduler::SendPlain(FrameType type)
{
    m_Sink.SendFrame(static_cast<std::uint8_t>(type), 0, 0, 0, 0, 1);
}
