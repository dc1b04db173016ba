// The operating system's side of the serial transport: listing, opening and using ports.
// Windows: SetupAPI and the comm functions. POSIX: termios over device paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// An open port; kNoPort means none.
using PortHandle = std::uintptr_t;
constexpr PortHandle kNoPort = 0;

class ISerialPortLayer {
public:
    virtual ~ISerialPortLayer() = default;

    // Appends the friendly names of the present Ports-class devices in enumeration order.
    // Returns false when the listing failed (names found before the failure stay appended).
    virtual bool ListPortFriendlyNames(std::vector<std::wstring>& names) = 0;

    // Opens a port by its name for synchronous reading and writing, without sharing, and sets it up
    // for the display: 100-byte queues, reads that return at once, writes bounded by 100 ms per byte
    // plus 500 ms, 115200 baud 8N1 (other line settings as the driver has them), both buffers purged.
    // Failures of the set-up steps are ignored. Returns kNoPort when the port cannot be opened.
    virtual PortHandle OpenPort(const std::wstring& name) = 0;

    // Clears the port's error state, then writes all bytes synchronously. True when the write call succeeds.
    virtual bool WritePort(PortHandle port, const std::uint8_t* data, std::size_t size) = 0;

    // Reads what has already arrived, up to size bytes. True when the read call succeeds.
    virtual bool ReadPort(PortHandle port, std::uint8_t* data, std::size_t size) = 0;

    virtual void ClosePort(PortHandle port) = 0;

    // The pause between the probe and the read of its answer.
    virtual void Pause(unsigned milliseconds) = 0;
};

// The operating system's own ports.
std::unique_ptr<ISerialPortLayer> CreateSystemSerialPortLayer();
