// The serial transport: finds the display among the serial ports by probing each one and carries
// frames to every port that answered.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "device/display_frame.h"
#include "device/frame_sink.h"
#include "device/serial_port_layer.h"

class CSerialPort : public IFrameSink {
public:
    static constexpr std::size_t kMaxPorts = 255;
    static constexpr unsigned kProbeAnswerWaitMs = 100;
    static constexpr std::size_t kProbeAnswerSize = 9;

    explicit CSerialPort(std::unique_ptr<ISerialPortLayer> layer = CreateSystemSerialPortLayer());
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // Appends the COM port names of the present Ports-class devices. False when the listing failed.
    bool EnumeratePorts();

    // Closes every open port, lists the ports again, opens and probes each one and keeps those that
    // answer. Returns 1 when at least one port answered, else 0. Never overlaps a broadcast.
    int OpenDisplayPorts();

    // Writes one frame to one port and records the result in m_bWriteOk.
    void WriteFrame(PortHandle port, const DisplayFrame& frame);

    // Builds a frame, traces it, and delivers it: broadcast 0 writes to the active port and reads the
    // probe answer back; any other value writes to every open port in slot order.
    void SendFrame(std::uint8_t type, std::int32_t value, std::uint8_t kind, std::uint8_t gpu, std::uint8_t turn,
                   std::int32_t broadcast) override;

    // What the last discovery found, for the page and for tests.
    std::vector<std::wstring> PortNames() const;
    std::vector<std::wstring> OpenPortNames() const;

private:
    void CloseAllPorts();
    void SendFrameLocked(const DisplayFrame& frame, std::int32_t broadcast);
    bool ProbeActivePort();

    std::unique_ptr<ISerialPortLayer> m_pLayer;
    mutable std::mutex m_PortsLock; // held by every discovery and every delivery
    std::vector<std::wstring> m_PortNames;
    std::array<PortHandle, kMaxPorts> m_hPorts{};
    PortHandle m_hActive = kNoPort;
    std::int32_t m_bWriteOk = 0;
    std::int32_t m_bAckOk = 0;
};
