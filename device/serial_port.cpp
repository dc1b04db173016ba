#include "device/serial_port.h"

#include "device/debug_output.h"
#include "device/port_name.h"

CSerialPort::CSerialPort(std::unique_ptr<ISerialPortLayer> layer) : m_pLayer(std::move(layer)) {}

CSerialPort::~CSerialPort()
{
    std::lock_guard lock(m_PortsLock);
    CloseAllPorts();
}

bool CSerialPort::EnumeratePorts()
{
    std::vector<std::wstring> friendlyNames;
    const bool listed = m_pLayer->ListPortFriendlyNames(friendlyNames);
    for (const std::wstring& friendlyName : friendlyNames) {
        std::wstring name = CutPortName(friendlyName);
        if (IsComPortName(name))
            m_PortNames.push_back(std::move(name));
    }
    return listed;
}

int CSerialPort::OpenDisplayPorts()
{
    std::lock_guard lock(m_PortsLock);
    CloseAllPorts();
    m_PortNames.clear();
    if (!EnumeratePorts())
        return 0;

    int anyAnswered = 0;
    for (std::size_t i = 0; i < m_PortNames.size() && i < kMaxPorts; ++i) {
        const PortHandle port = m_pLayer->OpenPort(m_PortNames[i]);
        if (port == kNoPort)
            continue;
        m_hActive = port;
        if (ProbeActivePort()) {
            m_hPorts[i] = port;
            anyAnswered = 1;
        } else {
            m_pLayer->ClosePort(port);
        }
    }
    // The active port is only the target of the probe; never leave it pointing at a closed handle.
    m_hActive = kNoPort;
    return anyAnswered;
}

void CSerialPort::WriteFrame(PortHandle port, const DisplayFrame& frame)
{
    m_bWriteOk = m_pLayer->WritePort(port, frame.bytes.data(), frame.bytes.size()) ? 1 : 0;
}

void CSerialPort::SendFrame(std::uint8_t type, std::int32_t value, std::uint8_t kind, std::uint8_t gpu,
                            std::uint8_t turn, std::int32_t broadcast)
{
    const DisplayFrame frame = BuildDisplayFrame(type, value, kind, gpu, turn);
    std::lock_guard lock(m_PortsLock);
    SendFrameLocked(frame, broadcast);
}

std::vector<std::wstring> CSerialPort::PortNames() const
{
    std::lock_guard lock(m_PortsLock);
    return m_PortNames;
}

std::vector<std::wstring> CSerialPort::OpenPortNames() const
{
    std::lock_guard lock(m_PortsLock);
    std::vector<std::wstring> open;
    for (std::size_t i = 0; i < m_PortNames.size() && i < kMaxPorts; ++i)
        if (m_hPorts[i] != kNoPort)
            open.push_back(m_PortNames[i]);
    return open;
}

void CSerialPort::CloseAllPorts()
{
    for (PortHandle& port : m_hPorts) {
        if (port != kNoPort)
            m_pLayer->ClosePort(port);
        port = kNoPort;
    }
    m_hActive = kNoPort;
}

void CSerialPort::SendFrameLocked(const DisplayFrame& frame, std::int32_t broadcast)
{
    WriteDebugOutput(FormatFrameTrace(frame));
    if (broadcast == 0) {
        if (m_hActive == kNoPort) {
            m_bWriteOk = 0;
            m_bAckOk = 0;
            return;
        }
        WriteFrame(m_hActive, frame);
        m_pLayer->Pause(kProbeAnswerWaitMs);
        std::uint8_t answer[kProbeAnswerSize] = {};
        const bool read = m_pLayer->ReadPort(m_hActive, answer, sizeof answer);
        m_bAckOk = read && answer[0] == kProbeAnswer ? 1 : 0;
        return;
    }
    for (std::size_t i = 0; i < m_PortNames.size() && i < kMaxPorts; ++i)
        if (m_hPorts[i] != kNoPort)
            WriteFrame(m_hPorts[i], frame);
}

bool CSerialPort::ProbeActivePort()
{
    SendFrameLocked(BuildDisplayFrame(static_cast<std::uint8_t>(FrameType::Probe), 0, 0, 0, 0), 0);
    return m_bWriteOk != 0 && m_bAckOk != 0;
}
