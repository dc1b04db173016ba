#include "hardware/cpuidsdk.h"

#include "hardware/library_text.h"

namespace {

template <typename Entry>
void BindEntry(cpuidsdk::QueryInterfaceFn queryInterface, cpuidsdk::Code code, Entry& entry)
{
    entry = reinterpret_cast<Entry>(queryInterface(static_cast<std::uint32_t>(code)));
}

} // namespace

void CPUIDSDK::Bind(cpuidsdk::QueryInterfaceFn queryInterface)
{
    if (!queryInterface)
        return;
    using cpuidsdk::Code;
    BindEntry(queryInterface, Code::AllocHandle, m_pAllocHandle);
    BindEntry(queryInterface, Code::StartUp, m_pStartUp);
    BindEntry(queryInterface, Code::PostStartUp, m_pPostStartUp);
    BindEntry(queryInterface, Code::Rescan, m_pRescan);
    BindEntry(queryInterface, Code::DeviceTotal, m_pDeviceTotal);
    BindEntry(queryInterface, Code::DeviceKind, m_pDeviceKind);
    BindEntry(queryInterface, Code::DeviceLabel, m_pDeviceLabel);
    BindEntry(queryInterface, Code::SensorTotal, m_pSensorTotal);
    BindEntry(queryInterface, Code::SensorRead, m_pSensorRead);
    BindEntry(queryInterface, Code::ProcessorTemperature, m_pProcessorTemperature);
    BindEntry(queryInterface, Code::MemoryMegabytes, m_pMemoryMegabytes);
    BindEntry(queryInterface, Code::MemoryKind, m_pMemoryKind);
    BindEntry(queryInterface, Code::MemoryLabel, m_pMemoryLabel);
    BindEntry(queryInterface, Code::ShutDown, m_pShutDown);
    BindEntry(queryInterface, Code::FreeHandle, m_pFreeHandle);
}

void CPUIDSDK::AllocHandle()
{
    m_pInstance = m_pAllocHandle ? m_pAllocHandle() : nullptr;
}

void CPUIDSDK::StartUp(const std::string& folderAnsi, const std::string& fileNameAnsi)
{
    if (!m_pStartUp)
        return;
    // The library gets its texts in zero-filled buffers of the size it expects.
    char folder[kLibraryPathBytes] = {};
    char fileName[kLibraryPathBytes] = {};
    folderAnsi.copy(folder, kLibraryPathBytes - 1);
    fileNameAnsi.copy(fileName, kLibraryPathBytes - 1);
    std::int32_t out1 = 0, out2 = 0;
    m_pStartUp(m_pInstance, folder, fileName, cpuidsdk::kStartUpMask, &out1, &out2);
}

void CPUIDSDK::PostStartUp()
{
    std::int32_t out = 0;
    if (m_pPostStartUp)
        m_pPostStartUp(m_pInstance, &out);
}

void CPUIDSDK::Rescan()
{
    if (m_pRescan)
        m_pRescan(m_pInstance);
}

std::int32_t CPUIDSDK::DeviceTotal() const
{
    return m_pDeviceTotal ? m_pDeviceTotal(m_pInstance) : -1;
}

std::int32_t CPUIDSDK::DeviceKind(std::int32_t device) const
{
    return m_pDeviceKind ? m_pDeviceKind(m_pInstance, device) : -1;
}

std::wstring CPUIDSDK::DeviceLabel(std::int32_t device) const
{
    return m_pDeviceLabel ? TakeLibraryText(m_pDeviceLabel(m_pInstance, device)) : std::wstring();
}

std::int32_t CPUIDSDK::SensorTotal(std::int32_t device, std::int32_t sensorClass) const
{
    return m_pSensorTotal ? m_pSensorTotal(m_pInstance, device, sensorClass) : 0;
}

SensorTriple CPUIDSDK::SensorRead(std::int32_t device, std::int32_t sensorClass) const
{
    SensorTriple triple;
    if (!m_pSensorRead)
        return triple;
    std::int32_t out1 = 0, out2 = 0;
    cpuidsdk::Text name = nullptr;
    if (m_pSensorRead(m_pInstance, device, 0, sensorClass, &out1, &name, &out2, &triple.value, &triple.aux1,
                      &triple.aux2) != 0 &&
        name)
        ReleaseLibraryText(name);
    return triple;
}

float CPUIDSDK::ProcessorTemperature() const
{
    return m_pProcessorTemperature ? m_pProcessorTemperature(m_pInstance, 0) : -1.0f;
}

std::int32_t CPUIDSDK::MemoryMegabytes() const
{
    return m_pMemoryMegabytes ? m_pMemoryMegabytes(m_pInstance) : -1;
}

std::int32_t CPUIDSDK::MemoryKind() const
{
    return m_pMemoryKind ? m_pMemoryKind(m_pInstance) : -1;
}

std::wstring CPUIDSDK::MemoryLabel() const
{
    return m_pMemoryLabel ? TakeLibraryText(m_pMemoryLabel(m_pInstance, 0)) : std::wstring();
}

void CPUIDSDK::ShutDown()
{
    if (m_pShutDown)
        m_pShutDown(m_pInstance);
}

void CPUIDSDK::FreeHandle()
{
    if (m_pFreeHandle)
        m_pFreeHandle(m_pInstance);
}
