#include "device/hid_display.h"

#include "device/hid_report.h"

CHidDisplay::CHidDisplay(std::unique_ptr<IHidLayer> layer) : m_pLayer(std::move(layer)) {}

CHidDisplay::~CHidDisplay()
{
    std::lock_guard lock(m_DeviceLock);
    if (m_hHidDevice)
        CloseAndExitLocked();
}

void CHidDisplay::SendHidReport(const DisplayReadings& readings)
{
    std::lock_guard lock(m_DeviceLock);
    if (!m_hHidDevice) {
        // The first cycle only opens; the first report goes out one cycle later.
        m_hHidDevice = m_pLayer->Open(kHidDisplayVendorId, kHidDisplayProductId);
        return;
    }
    const HidReadingsReport report = BuildHidReadingsReport(readings);
    m_pLayer->Write(m_hHidDevice, report.bytes.data(), report.bytes.size());
}

void CHidDisplay::ReleaseIfOpen()
{
    std::lock_guard lock(m_DeviceLock);
    if (m_hHidDevice)
        CloseAndExitLocked();
}

void CHidDisplay::Release()
{
    std::lock_guard lock(m_DeviceLock);
    CloseAndExitLocked();
}

bool CHidDisplay::IsOpen() const
{
    std::lock_guard lock(m_DeviceLock);
    return m_hHidDevice != nullptr;
}

void CHidDisplay::CloseAndExitLocked()
{
    // Close the handle before releasing the library, so no handle leaks.
    if (m_hHidDevice)
        m_pLayer->Close(m_hHidDevice);
    m_hHidDevice = nullptr;
    m_pLayer->Exit();
}
