// The monitor page's link to the display device: the serial transport with the rotation scheduler,
// and the HID display as the fallback when no serial display answered the last discovery.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "device/device_watch.h"
#include "device/hid_display.h"
#include "device/rotation_scheduler.h"
#include "device/serial_port.h"
#include "pages/monitor_cycle.h"

class CDisplayLink final : public IDisplayDevices {
public:
    CDisplayLink(std::unique_ptr<ISerialPortLayer> serialLayer = CreateSystemSerialPortLayer(),
                 std::unique_ptr<IHidLayer> hidLayer = CreateHidapiLayer());

    // UI thread: a new discovery. The worker uses the HID report until it has found a display.
    void OpenDisplayPorts();
    // UI thread: what the device presence watch decided.
    void OnDeviceWatch(DeviceWatchAction action);
    // UI thread, when the page goes: releases the HID library (the serial ports close with the link).
    void ReleaseHid();

    void SetTftOptions(const TftOptions& options) { m_Scheduler.SetTftOptions(options); }
    void SetTempUnit(std::uint8_t unit) { m_Scheduler.SetTempUnit(unit); }
    bool SerialReady() const { return m_bSerialReady != 0; }
    const CRotationScheduler& Scheduler() const { return m_Scheduler; }

    // Worker thread.
    void ScheduleDisplayFrame(const DisplayReadings& readings) override;
    void SendHidReport(const DisplayReadings& readings) override;

    CSerialPort m_SerialPort;
    CHidDisplay m_HidDisplay;

private:
    CRotationScheduler m_Scheduler{m_SerialPort};
    std::atomic<std::int32_t> m_bSerialReady{0};
};
