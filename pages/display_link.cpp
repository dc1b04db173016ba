#include "pages/display_link.h"

CDisplayLink::CDisplayLink(std::unique_ptr<ISerialPortLayer> serialLayer, std::unique_ptr<IHidLayer> hidLayer)
    : m_SerialPort(std::move(serialLayer)), m_HidDisplay(std::move(hidLayer))
{
}

void CDisplayLink::OpenDisplayPorts()
{
    m_bSerialReady = 0;
    if (m_SerialPort.OpenDisplayPorts() != 0)
        m_bSerialReady = 1;
}

void CDisplayLink::OnDeviceWatch(DeviceWatchAction action)
{
    switch (action) {
    case DeviceWatchAction::RediscoverSerialDisplay: OpenDisplayPorts(); return;
    case DeviceWatchAction::ReleaseHidDisplay: m_HidDisplay.ReleaseIfOpen(); return;
    case DeviceWatchAction::None: return;
    }
}

void CDisplayLink::ReleaseHid()
{
    m_HidDisplay.Release();
}

void CDisplayLink::ScheduleDisplayFrame(const DisplayReadings& readings)
{
    m_Scheduler.ScheduleDisplayFrame(readings);
}

void CDisplayLink::SendHidReport(const DisplayReadings& readings)
{
    m_HidDisplay.SendHidReport(readings);
}
