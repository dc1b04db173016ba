// A serial port layer for tests: ports described in memory, every call recorded.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "device/port_name.h"
#include "device/serial_port_layer.h"

struct FakePortSpec {
    std::wstring friendlyName;
    bool openable = true;
    std::vector<std::uint8_t> answer = {0x5C}; // what a read returns after a write
    bool readFails = false;
    bool writeFails = false;
};

class FakeSerialPortLayer final : public ISerialPortLayer {
public:
    explicit FakeSerialPortLayer(std::vector<FakePortSpec> ports, bool listingSucceeds = true)
        : m_ports(std::move(ports)), m_listingSucceeds(listingSucceeds)
    {
    }

    // The call log: "open COM5", "write COM5", "read COM5", "close COM5", "pause 100".
    std::vector<std::string> log;
    // Bytes written, per port name.
    std::map<std::wstring, std::vector<std::vector<std::uint8_t>>> written;
    // Writes, reads or closes through a handle that was not open: always a fault.
    int strayHandleUses = 0;

    std::vector<FakePortSpec>& Ports() { return m_ports; }
    std::size_t OpenCount() const { return m_open.size(); }

    bool ListPortFriendlyNames(std::vector<std::wstring>& names) override
    {
        for (const FakePortSpec& port : m_ports)
            names.push_back(port.friendlyName);
        return m_listingSucceeds;
    }

    PortHandle OpenPort(const std::wstring& name) override
    {
        for (const FakePortSpec& port : m_ports) {
            if (CutPortName(port.friendlyName) != name)
                continue;
            Log("open", name);
            if (!port.openable)
                return kNoPort;
            const PortHandle handle = ++m_lastHandle;
            m_open[handle] = name;
            return handle;
        }
        return kNoPort;
    }

    bool WritePort(PortHandle port, const std::uint8_t* data, std::size_t size) override
    {
        const FakePortSpec* spec = Find(port, "write");
        if (!spec)
            return false;
        written[m_open[port]].emplace_back(data, data + size);
        m_pending[port] = spec->answer;
        return !spec->writeFails;
    }

    bool ReadPort(PortHandle port, std::uint8_t* data, std::size_t size) override
    {
        const FakePortSpec* spec = Find(port, "read");
        if (!spec || spec->readFails)
            return false;
        const std::vector<std::uint8_t> answer = m_pending[port];
        for (std::size_t i = 0; i < answer.size() && i < size; ++i)
            data[i] = answer[i];
        m_pending.erase(port);
        return true;
    }

    void ClosePort(PortHandle port) override
    {
        if (Find(port, "close")) {
            m_open.erase(port);
            m_pending.erase(port);
        }
    }

    void Pause(unsigned milliseconds) override { log.push_back("pause " + std::to_string(milliseconds)); }

private:
    const FakePortSpec* Find(PortHandle port, const char* what)
    {
        const auto open = m_open.find(port);
        if (open == m_open.end()) {
            ++strayHandleUses;
            return nullptr;
        }
        Log(what, open->second);
        for (const FakePortSpec& spec : m_ports)
            if (CutPortName(spec.friendlyName) == open->second)
                return &spec;
        return nullptr;
    }

    void Log(const char* what, const std::wstring& name)
    {
        log.push_back(std::string(what) + " " + std::string(name.begin(), name.end()));
    }

    std::vector<FakePortSpec> m_ports;
    bool m_listingSucceeds;
    PortHandle m_lastHandle = kNoPort;
    std::map<PortHandle, std::wstring> m_open;
    std::map<PortHandle, std::vector<std::uint8_t>> m_pending;
};


// Lends a layer that the test keeps to a transport that wants to own one, so the test can still
// read the log after the transport is gone.
class BorrowedSerialPortLayer final : public ISerialPortLayer {
public:
    explicit BorrowedSerialPortLayer(ISerialPortLayer& layer) : m_layer(layer) {}
    bool ListPortFriendlyNames(std::vector<std::wstring>& names) override { return m_layer.ListPortFriendlyNames(names); }
    PortHandle OpenPort(const std::wstring& name) override { return m_layer.OpenPort(name); }
    bool WritePort(PortHandle port, const std::uint8_t* data, std::size_t size) override
    {
        return m_layer.WritePort(port, data, size);
    }
    bool ReadPort(PortHandle port, std::uint8_t* data, std::size_t size) override
    {
        return m_layer.ReadPort(port, data, size);
    }
    void ClosePort(PortHandle port) override { m_layer.ClosePort(port); }
    void Pause(unsigned milliseconds) override { m_layer.Pause(milliseconds); }

private:
    ISerialPortLayer& m_layer;
};
