// A sensor library table for tests: devices and readings in memory, reached through a
// QueryInterface of its own, any entry left out on request, every call counted.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "hardware/cpuidsdk_abi.h"

struct FakeDevice {
    std::int32_t deviceClass;
    const char* label;
    std::map<std::int32_t, float> sensors; // sensor class -> reading of sensor 0
};

struct FakeSensorLibrary {
    std::vector<FakeDevice> devices;
    float processorTemperature = 0.0f;
    std::int32_t memoryMegabytes = -1;
    std::int32_t memoryKind = -1;
    const char* memoryLabel = nullptr;
    std::set<cpuidsdk::Code> omitted;
    std::map<std::string, int> calls;
    std::string startUpFolder; // as StartUp received it

    // The one table the QueryInterface below answers from.
    static FakeSensorLibrary*& Current()
    {
        static FakeSensorLibrary* current = nullptr;
        return current;
    }
    static cpuidsdk::QueryInterfaceFn Export() { return &QueryInterface; }

private:
    static FakeSensorLibrary& Lib() { return *Current(); }
    static cpuidsdk::Text Copy(const char* text) { return text ? strdup(text) : nullptr; }
    static const FakeDevice* Device(std::int32_t index)
    {
        return index >= 0 && index < static_cast<std::int32_t>(Lib().devices.size()) ? &Lib().devices[index] : nullptr;
    }

    static void* CPUIDSDK_CALL QueryInterface(std::uint32_t code)
    {
        using cpuidsdk::Code;
        const auto which = static_cast<Code>(code);
        if (Lib().omitted.count(which))
            return nullptr;
        switch (which) {
        case Code::AllocHandle: return reinterpret_cast<void*>(+[]() -> cpuidsdk::Instance { return &Lib(); });
        case Code::StartUp:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance, const char* folder, const char*, std::int32_t,
                                               std::int32_t*, std::int32_t*) -> std::int32_t {
                Lib().startUpFolder = folder;
                return ++Lib().calls["StartUp"];
            });
        case Code::PostStartUp:
            return reinterpret_cast<void*>(
                +[](cpuidsdk::Instance, std::int32_t*) -> std::int32_t { return ++Lib().calls["PostStartUp"]; });
        case Code::Rescan: return reinterpret_cast<void*>(+[](cpuidsdk::Instance) { ++Lib().calls["Rescan"]; });
        case Code::DeviceTotal:
            return reinterpret_cast<void*>(
                +[](cpuidsdk::Instance) -> std::int32_t { return static_cast<std::int32_t>(Lib().devices.size()); });
        case Code::DeviceKind:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance, std::int32_t device) -> std::int32_t {
                ++Lib().calls["DeviceKind"];
                return Device(device) ? Device(device)->deviceClass : -1;
            });
        case Code::DeviceLabel:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance, std::int32_t device) -> cpuidsdk::Text {
                return Device(device) ? Copy(Device(device)->label) : nullptr;
            });
        case Code::SensorTotal:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance, std::int32_t device, std::int32_t sensorClass) {
                ++Lib().calls["SensorTotal"];
                const FakeDevice* d = Device(device);
                if (!d)
                    return std::int32_t{0};
                return static_cast<std::int32_t>(sensorClass == cpuidsdk::kAllSensorClasses ? d->sensors.size()
                                                                                            : d->sensors.count(sensorClass));
            });
        case Code::SensorRead:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance, std::int32_t device, std::int32_t sensor,
                                               std::int32_t sensorClass, std::int32_t*, cpuidsdk::Text* name,
                                               std::int32_t*, float* value, float* aux1, float* aux2) -> std::int32_t {
                ++Lib().calls["SensorRead"];
                const FakeDevice* d = Device(device);
                if (!d || sensor != 0 || !d->sensors.count(sensorClass))
                    return 0;
                *value = d->sensors.at(sensorClass);
                *aux1 = -1.0f;
                *aux2 = 999.0f;
                *name = Copy("Sensor");
                return 1;
            });
        case Code::ProcessorTemperature:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance, std::int32_t) -> float {
                ++Lib().calls["ProcessorTemperature"];
                return Lib().processorTemperature;
            });
        case Code::MemoryMegabytes:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance) -> std::int32_t { return Lib().memoryMegabytes; });
        case Code::MemoryKind:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance) -> std::int32_t { return Lib().memoryKind; });
        case Code::MemoryLabel:
            return reinterpret_cast<void*>(
                +[](cpuidsdk::Instance, std::int32_t) -> cpuidsdk::Text { return Copy(Lib().memoryLabel); });
        case Code::ShutDown: return reinterpret_cast<void*>(+[](cpuidsdk::Instance) { ++Lib().calls["ShutDown"]; });
        case Code::FreeHandle:
            return reinterpret_cast<void*>(+[](cpuidsdk::Instance) { ++Lib().calls["FreeHandle"]; });
        }
        return nullptr;
    }
};
