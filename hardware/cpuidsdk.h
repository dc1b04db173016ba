// Our binding to the sensor library: one typed entry per operation, bound through the library's
// QueryInterface export. A missing entry is never called; each operation has a fixed default.
#pragma once

#include <cstdint>
#include <string>

#include "hardware/cpuidsdk_abi.h"

// One reading as the library gives it: only `value` is used; aux1 and aux2 are kept as they came.
struct SensorTriple {
    float value = 0.0f;
    float aux1 = 0.0f;
    float aux2 = 0.0f;
};

class CPUIDSDK {
public:
    CPUIDSDK() = default;
    virtual ~CPUIDSDK() = default;
    CPUIDSDK(const CPUIDSDK&) = delete;
    CPUIDSDK& operator=(const CPUIDSDK&) = delete;

    // Asks the export for every entry; with no export every entry stays null.
    void Bind(cpuidsdk::QueryInterfaceFn queryInterface);

    // AllocHandle, kept as m_pInstance; default: no instance.
    void AllocHandle();
    // StartUp, PostStartUp, Rescan: skipped when missing; results are not used.
    void StartUp(const std::string& folderAnsi, const std::string& fileNameAnsi);
    void PostStartUp();
    void Rescan();
    // Default -1.
    std::int32_t DeviceTotal() const;
    std::int32_t DeviceKind(std::int32_t device) const;
    // Default: empty.
    std::wstring DeviceLabel(std::int32_t device) const;
    // Default 0, which skips the device.
    std::int32_t SensorTotal(std::int32_t device, std::int32_t sensorClass) const;
    // Sensor 0 of a class. The triple holds 0.0 before the call, so a missing entry or a read that
    // writes nothing gives zeros. The name text, when one comes back, is released unread.
    SensorTriple SensorRead(std::int32_t device, std::int32_t sensorClass) const;
    bool HasProcessorTemperature() const { return m_pProcessorTemperature != nullptr; }
    // Default -1.0.
    float ProcessorTemperature() const;
    // Defaults -1, -1, empty.
    std::int32_t MemoryMegabytes() const;
    std::int32_t MemoryKind() const;
    std::wstring MemoryLabel() const;
    // Skipped when missing.
    void ShutDown();
    void FreeHandle();

    cpuidsdk::Instance m_pInstance = nullptr;

private:
    cpuidsdk::AllocHandleFn m_pAllocHandle = nullptr;
    cpuidsdk::StartUpFn m_pStartUp = nullptr;
    cpuidsdk::PostStartUpFn m_pPostStartUp = nullptr;
    cpuidsdk::RescanFn m_pRescan = nullptr;
    cpuidsdk::DeviceTotalFn m_pDeviceTotal = nullptr;
    cpuidsdk::DeviceKindFn m_pDeviceKind = nullptr;
    cpuidsdk::DeviceLabelFn m_pDeviceLabel = nullptr;
    cpuidsdk::SensorTotalFn m_pSensorTotal = nullptr;
    cpuidsdk::SensorReadFn m_pSensorRead = nullptr;
    cpuidsdk::ProcessorTemperatureFn m_pProcessorTemperature = nullptr;
    cpuidsdk::MemoryMegabytesFn m_pMemoryMegabytes = nullptr;
    cpuidsdk::MemoryKindFn m_pMemoryKind = nullptr;
    cpuidsdk::MemoryLabelFn m_pMemoryLabel = nullptr;
    cpuidsdk::ShutDownFn m_pShutDown = nullptr;
    cpuidsdk::FreeHandleFn m_pFreeHandle = nullptr;
};
