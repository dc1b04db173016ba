// The HID display: opened lazily by the worker, one report per cycle, released by the UI thread.
#pragma once

#include <memory>
#include <mutex>

#include "device/display_readings.h"
#include "device/hid_layer.h"

class CHidDisplay {
public:
    explicit CHidDisplay(std::unique_ptr<IHidLayer> layer = CreateHidapiLayer());
    ~CHidDisplay();
    CHidDisplay(const CHidDisplay&) = delete;
    CHidDisplay& operator=(const CHidDisplay&) = delete;

    // Worker: while no device is open, tries to open it and sends nothing; else writes one report.
    void SendHidReport(const DisplayReadings& readings);

    // UI thread, on removal of the device: releases the library only when a device is open.
    void ReleaseIfOpen();

    // UI thread, when the page goes: releases the library in any case.
    void Release();

    bool IsOpen() const;

private:
    void CloseAndExitLocked();

    std::unique_ptr<IHidLayer> m_pLayer;
    mutable std::mutex m_DeviceLock; // a release never overlaps a write
    HidHandle m_hHidDevice = nullptr;
};
