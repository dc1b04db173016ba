// The sensor library's binary interface: the one export, the codes it answers, and the entry
// signatures. Shared by the program's binding and by the library's test and demo stand-in.
#pragma once

#include <cstdint>

// Every entry of the library, QueryInterface included, uses the C calling convention.
// This is the one place to change it.
#if defined(_WIN32)
#define CPUIDSDK_CALL __cdecl
#else
#define CPUIDSDK_CALL
#endif

namespace cpuidsdk {

// The library's instance handle, made by AllocHandle and passed first to every other entry.
using Instance = void*;

// Texts come back as 8-bit strings in the thread's ANSI code page. On Windows they are allocated
// as BSTRs and released with SysFreeString; elsewhere with free().
using Text = char*;

enum class Code : std::uint32_t {
    AllocHandle = 0xB05160A2,
    StartUp = 0x36886D10,
    PostStartUp = 0xAB1B5636,
    Rescan = 0x7C16F82D,
    DeviceTotal = 0xDA15B42B,
    DeviceKind = 0xC56F8ADF,
    DeviceLabel = 0xDE43BC87,
    SensorTotal = 0x68D2D1A5,
    SensorRead = 0x837306E6,
    ProcessorTemperature = 0xFF61FEC3,
    MemoryMegabytes = 0xE09BC137,
    MemoryKind = 0x6162C2C5,
    MemoryLabel = 0xFFDBFFB7,
    ShutDown = 0x7E4EFC9D,
    FreeHandle = 0x834B0696,
};

// The export "QueryInterface": the entry for a code, or null.
using QueryInterfaceFn = void*(CPUIDSDK_CALL*)(std::uint32_t code);
constexpr const char* kQueryInterfaceExport = "QueryInterface";

using AllocHandleFn = Instance(CPUIDSDK_CALL*)();
using StartUpFn = std::int32_t(CPUIDSDK_CALL*)(Instance, const char* folder, const char* fileName,
                                               std::int32_t mask, std::int32_t* out1, std::int32_t* out2);
using PostStartUpFn = std::int32_t(CPUIDSDK_CALL*)(Instance, std::int32_t* out);
using RescanFn = void(CPUIDSDK_CALL*)(Instance);
using DeviceTotalFn = std::int32_t(CPUIDSDK_CALL*)(Instance);
using DeviceKindFn = std::int32_t(CPUIDSDK_CALL*)(Instance, std::int32_t device);
using DeviceLabelFn = Text(CPUIDSDK_CALL*)(Instance, std::int32_t device);
using SensorTotalFn = std::int32_t(CPUIDSDK_CALL*)(Instance, std::int32_t device, std::int32_t sensorClass);
// Non-zero result: *name holds a text that the caller releases.
using SensorReadFn = std::int32_t(CPUIDSDK_CALL*)(Instance, std::int32_t device, std::int32_t sensor,
                                                  std::int32_t sensorClass, std::int32_t* out1, Text* name,
                                                  std::int32_t* out2, float* value, float* aux1, float* aux2);
using ProcessorTemperatureFn = float(CPUIDSDK_CALL*)(Instance, std::int32_t processor);
using MemoryMegabytesFn = std::int32_t(CPUIDSDK_CALL*)(Instance);
using MemoryKindFn = std::int32_t(CPUIDSDK_CALL*)(Instance);
using MemoryLabelFn = Text(CPUIDSDK_CALL*)(Instance, std::int32_t index);
using ShutDownFn = void(CPUIDSDK_CALL*)(Instance);
using FreeHandleFn = void(CPUIDSDK_CALL*)(Instance);

constexpr std::int32_t kStartUpMask = 0x7FFFFFFF;
constexpr std::int32_t kAllSensorClasses = -1;

// Device classes and sensor classes, as the library numbers them.
enum DeviceClass : std::int32_t {
    Processor = 0x4,
    StorageDrive = 0x10,
    DisplayAdapter = 0x20,
    Mainboard = 0x400,
    Memory = 0x800,
};

enum SensorClass : std::int32_t {
    Temperature = 0x2000,
    FanSpeed = 0x3000,
    Power = 0x5000,
    Load = 0xE000,
    Clock = 0xF000,
};

} // namespace cpuidsdk
