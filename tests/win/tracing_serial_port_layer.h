// Passes every call through to a real port layer and prints one line per call on stdout, so a
// driver outside the program can compare what the transport did with what it should have done.
#pragma once

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "device/serial_port_layer.h"

// Port names are plain ASCII ("COM5"); anything else prints as '?'.
inline std::string NarrowPortName(const std::wstring& name)
{
    std::string narrow;
    for (wchar_t c : name)
        narrow += c > 0 && c < 0x80 ? static_cast<char>(c) : '?';
    return narrow;
}

class TracingSerialPortLayer final : public ISerialPortLayer {
public:
    explicit TracingSerialPortLayer(std::unique_ptr<ISerialPortLayer> real) : m_real(std::move(real)) {}

    bool ListPortFriendlyNames(std::vector<std::wstring>& names) override
    {
        const bool listed = m_real->ListPortFriendlyNames(names);
        std::printf("list %s\n", listed ? "ok" : "failed");
        return listed;
    }

    PortHandle OpenPort(const std::wstring& name) override
    {
        const PortHandle port = m_real->OpenPort(name);
        std::printf("open %s %s\n", NarrowPortName(name).c_str(), port != kNoPort ? "ok" : "failed");
        if (port != kNoPort)
            m_names[port] = NarrowPortName(name);
        return port;
    }

    bool WritePort(PortHandle port, const std::uint8_t* data, std::size_t size) override
    {
        const bool written = m_real->WritePort(port, data, size);
        std::printf("write %s %zu %s\n", NameOf(port).c_str(), size, written ? "ok" : "failed");
        return written;
    }

    // Prints the first byte of the (zero-filled) buffer: the probe answer, or 00 when none came.
    bool ReadPort(PortHandle port, std::uint8_t* data, std::size_t size) override
    {
        const bool read = m_real->ReadPort(port, data, size);
        std::printf("read %s %s %02x\n", NameOf(port).c_str(), read ? "ok" : "failed", size > 0 ? data[0] : 0u);
        return read;
    }

    void ClosePort(PortHandle port) override
    {
        std::printf("close %s\n", NameOf(port).c_str());
        m_names.erase(port);
        m_real->ClosePort(port);
    }

    void Pause(unsigned milliseconds) override
    {
        std::printf("pause %u\n", milliseconds);
        m_real->Pause(milliseconds);
    }

private:
    std::string NameOf(PortHandle port) const
    {
        const auto found = m_names.find(port);
        return found != m_names.end() ? found->second : "(not open)";
    }

    std::unique_ptr<ISerialPortLayer> m_real;
    std::map<PortHandle, std::string> m_names;
};
