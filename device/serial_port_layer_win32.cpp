#include <windows.h>
// windows.h first: SetupAPI's headers need its types.
#include <devguid.h>
#include <setupapi.h>

#include <vector>

#include "device/serial_port_layer.h"

namespace {

constexpr DWORD kQueueSize = 100;
constexpr DWORD kWriteMsPerByte = 100;
constexpr DWORD kWriteMsConstant = 500;

HANDLE ToWin32(PortHandle port) { return reinterpret_cast<HANDLE>(port); }

// The friendly name of one device; empty when the property cannot be read. The first call learns
// the size; the buffer grows for as long as the system says it is too small.
std::wstring ReadFriendlyName(HDEVINFO devices, SP_DEVINFO_DATA& device)
{
    std::vector<BYTE> buffer;
    DWORD needed = 0;
    while (!SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME, nullptr,
                                              buffer.empty() ? nullptr : buffer.data(),
                                              static_cast<DWORD>(buffer.size()), &needed)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size())
            return {};
        buffer.assign(needed, 0);
    }
    // The text may or may not carry its terminator; take it up to the first null in the buffer.
    const auto* text = reinterpret_cast<const wchar_t*>(buffer.data());
    const std::size_t maxChars = buffer.size() / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < maxChars && text[length] != L'\0')
        ++length;
    return std::wstring(text, length);
}

void SetUpDisplayLine(HANDLE port)
{
    SetupComm(port, kQueueSize, kQueueSize);

    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD; // reads return at once with what has arrived
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = kWriteMsPerByte;
    timeouts.WriteTotalTimeoutConstant = kWriteMsConstant;
    SetCommTimeouts(port, &timeouts);

    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (GetCommState(port, &dcb)) {
        dcb.BaudRate = CBR_115200;
        dcb.ByteSize = 8;
        dcb.Parity = NOPARITY;
        dcb.StopBits = ONESTOPBIT;
        SetCommState(port, &dcb);
    }
    PurgeComm(port, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}

class Win32SerialPortLayer final : public ISerialPortLayer {
public:
    bool ListPortFriendlyNames(std::vector<std::wstring>& names) override
    {
        HDEVINFO devices = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
        if (devices == INVALID_HANDLE_VALUE)
            return false;
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        for (DWORD index = 0; SetupDiEnumDeviceInfo(devices, index, &device); ++index)
            names.push_back(ReadFriendlyName(devices, device));
        const DWORD lastError = GetLastError();
        SetupDiDestroyDeviceInfoList(devices);
        return lastError == 0 || lastError == ERROR_NO_MORE_ITEMS;
    }

    PortHandle OpenPort(const std::wstring& name) override
    {
        // The device namespace prefix lets ports from COM10 on open too.
        const std::wstring path = L"\\\\.\\" + name;
        HANDLE port = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (port == INVALID_HANDLE_VALUE)
            return kNoPort;
        SetUpDisplayLine(port);
        return reinterpret_cast<PortHandle>(port);
    }

    bool WritePort(PortHandle port, const std::uint8_t* data, std::size_t size) override
    {
        DWORD errors = 0;
        COMSTAT status{};
        ClearCommError(ToWin32(port), &errors, &status);
        DWORD written = 0;
        return WriteFile(ToWin32(port), data, static_cast<DWORD>(size), &written, nullptr) != FALSE;
    }

    bool ReadPort(PortHandle port, std::uint8_t* data, std::size_t size) override
    {
        DWORD read = 0;
        return ReadFile(ToWin32(port), data, static_cast<DWORD>(size), &read, nullptr) != FALSE;
    }

    void ClosePort(PortHandle port) override { CloseHandle(ToWin32(port)); }

    void Pause(unsigned milliseconds) override { Sleep(milliseconds); }
};

} // namespace

std::unique_ptr<ISerialPortLayer> CreateSystemSerialPortLayer()
{
    return std::make_unique<Win32SerialPortLayer>();
}
