#include "hardware/sensor_hub.h"

#include "hardware/inventory_text.h"
#include "hardware/library_text.h"
#include "hardware/system_queries.h"

using namespace cpuidsdk;

CSensorHub::~CSensorHub()
{
    if (m_pSdk) {
        m_pSdk->ShutDown();
        m_pSdk->FreeHandle();
        m_pSdk.reset();
    }
    m_hLibrary.Free();
}

void CSensorHub::LoadSensorLibrary(const std::wstring& folder, const std::wstring& fileName)
{
    if (fileName.empty() || !m_hLibrary.Load(folder + fileName))
        return;
    StartSensorLibrary(reinterpret_cast<QueryInterfaceFn>(m_hLibrary.Symbol(kQueryInterfaceExport)), folder,
                       fileName);
}

void CSensorHub::StartSensorLibrary(QueryInterfaceFn queryInterface, const std::wstring& folder,
                                    const std::wstring& fileName)
{
    m_pSdk = std::make_unique<CPUIDSDK>();
    m_pSdk->Bind(queryInterface);
    m_pSdk->AllocHandle();
    m_pSdk->StartUp(ToAnsi(folder, kLibraryPathBytes), ToAnsi(fileName, kLibraryPathBytes));
    m_pSdk->PostStartUp();
    m_pSdk->Rescan();
}

const CPUIDSDK& CSensorHub::Sdk() const
{
    static const CPUIDSDK kAbsent;
    return m_pSdk ? *m_pSdk : kAbsent;
}

SensorTriple* CSensorHub::ReadingFor(std::int32_t deviceClass, std::int32_t sensorClass)
{
    switch (deviceClass) {
    case Processor:
        switch (sensorClass) {
        case Temperature: return &m_cpuTemp;
        case Clock: return &m_cpuClock;
        case Load: return &m_cpuLoad;
        case Power: return &m_cpuPower;
        }
        return nullptr;
    case DisplayAdapter:
        switch (sensorClass) {
        case Temperature: return &m_gpuTemp;
        case FanSpeed: return &m_gpuFan;
        case Clock: return &m_gpuClock;
        case Load: return &m_gpuLoad;
        case Power: return &m_gpuPower;
        }
        return nullptr;
    case Mainboard:
        switch (sensorClass) {
        case Temperature: return &m_mainboardTemp;
        case FanSpeed: return &m_mainboardFan;
        }
        return nullptr;
    case Memory: return sensorClass == Temperature ? &m_memoryTemp : nullptr;
    case StorageDrive: return sensorClass == Temperature ? &m_driveTemp : nullptr;
    }
    return nullptr;
}

void CSensorHub::RefreshReadings(std::int32_t sensorClass)
{
    if (!m_pSdk)
        return;
    m_pSdk->Rescan();
    // Devices in index order, each over the one before: the last device of a class wins.
    for (std::int32_t device = 0; device < m_nDeviceCount; ++device) {
        if (m_pSdk->SensorTotal(device, sensorClass) <= 0)
            continue;
        const SensorTriple reading = m_pSdk->SensorRead(device, sensorClass);
        const std::int32_t deviceClass = m_pSdk->DeviceKind(device);
        SensorTriple* field = ReadingFor(deviceClass, sensorClass);
        if (!field)
            continue;
        *field = reading;
        if (deviceClass == Processor && sensorClass == Temperature && field->value == 0.0f)
            field->value = m_pSdk->ProcessorTemperature();
    }
}

void CSensorHub::CollectInventory()
{
    const CPUIDSDK& sdk = Sdk();
    m_nDeviceCount = sdk.DeviceTotal();
    for (std::int32_t device = 0; device < m_nDeviceCount; ++device) {
        // A device without any sensor is not part of the inventory.
        if (sdk.SensorTotal(device, kAllSensorClasses) <= 0)
            continue;
        const std::int32_t deviceClass = sdk.DeviceKind(device);
        std::wstring label = sdk.DeviceLabel(device);
        switch (deviceClass) {
        case StorageDrive: m_arrDrives.push_back(std::move(label)); break;
        case Processor: m_strCpu = std::move(label); break;
        case DisplayAdapter: m_strGpu = std::move(label); break;
        case Mainboard: m_strMainboard = std::move(label); break;
        case Memory: m_strMemory = std::move(label); break;
        }
    }
    QueryMemory();
    m_strNetwork = QueryFirstAdapterDescription();
    QueryOsVersion();
    QueryWmiDescriptions(L"SELECT * FROM Win32_SoundDevice");
}

void CSensorHub::QueryMemory()
{
    const CPUIDSDK& sdk = Sdk();
    const std::int32_t megabytes = sdk.MemoryMegabytes();
    const std::int32_t kind = sdk.MemoryKind();
    m_strMemory = MemoryText(sdk.MemoryLabel(), megabytes, kind);
}

void CSensorHub::QueryOsVersion()
{
    const OsVersionValues values = QueryOsVersionValues();
    m_strSystem = OsVersionText(values.productName, values.displayVersion, values.currentBuild);
}

bool CSensorHub::QueryWmiDescriptions(const std::wstring& query)
{
    return ::QueryWmiDescriptions(query, m_arrSoundDevices);
}
