// The one way to the hardware: the sensor library, the inventory texts and the latest readings.
// The pages read the fields directly; the monitor worker alone refreshes and reads the readings.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hardware/cpuidsdk.h"
#include "hardware/library_module.h"

class CSensorHub {
public:
    CSensorHub() = default;
    ~CSensorHub();
    CSensorHub(const CSensorHub&) = delete;
    CSensorHub& operator=(const CSensorHub&) = delete;

    // Loads `folder` + `fileName` (folder ends with a separator; a full path only) and starts it.
    void LoadSensorLibrary(const std::wstring& folder, const std::wstring& fileName);
    // Binds and starts a library reached through its QueryInterface export (also how tests bring
    // a library table of their own).
    void StartSensorLibrary(cpuidsdk::QueryInterfaceFn queryInterface, const std::wstring& folder,
                            const std::wstring& fileName);
    // The one-time survey of the machine.
    void CollectInventory();
    // Rescans, then stores sensor 0 of this class of every device that has one.
    void RefreshReadings(std::int32_t sensorClass);

    void QueryMemory();
    void QueryOsVersion();
    bool QueryWmiDescriptions(const std::wstring& query);

    CLibraryModule m_hLibrary;
    std::unique_ptr<CPUIDSDK> m_pSdk;
    std::int32_t m_nDeviceCount = 0;

    std::wstring m_strMainboard;
    std::wstring m_strCpu;
    std::wstring m_strMemory;
    std::wstring m_strGpu;
    std::wstring m_strNetwork;
    std::wstring m_strSystem;
    std::vector<std::wstring> m_arrDrives;
    std::vector<std::wstring> m_arrSoundDevices;

    SensorTriple m_mainboardTemp;
    SensorTriple m_cpuTemp;
    SensorTriple m_memoryTemp;
    SensorTriple m_driveTemp;
    SensorTriple m_gpuTemp;
    SensorTriple m_mainboardFan; // shown as the CPU fan
    SensorTriple m_gpuFan;
    SensorTriple m_cpuClock;
    SensorTriple m_gpuClock;
    SensorTriple m_cpuLoad;
    SensorTriple m_gpuLoad;
    SensorTriple m_cpuPower;
    SensorTriple m_gpuPower;

private:
    // The field for a pair of device class and sensor class, or null when the pair is not kept.
    SensorTriple* ReadingFor(std::int32_t deviceClass, std::int32_t sensorClass);
    // With no library every operation takes its default: an unbound table gives exactly those.
    const CPUIDSDK& Sdk() const;
};
