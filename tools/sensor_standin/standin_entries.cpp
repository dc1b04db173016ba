// The stand-in sensor library's one export, QueryInterface, and the entries it hands out.
// A test and demo double for the closed sensor library: it simulates the machine described in
// cpuidsdk-standin.ini beside it, and is never part of the program's distribution.

#include "description_file.h"
#include "hardware/cpuidsdk_abi.h"
#include "library_text.h"
#include "module_folder.h"
#include "simulated_machine.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <type_traits>
#include <utility>

#if defined(_WIN32)
#define STANDIN_EXPORT __declspec(dllexport)
#else
#define STANDIN_EXPORT __attribute__((visibility("default")))
#endif

namespace sensor_standin {
namespace {

using cpuidsdk::Code;
using cpuidsdk::Instance;
using cpuidsdk::Text;

double WallClockSeconds()
{
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

// One instance per AllocHandle. Before StartUp and after ShutDown it knows an empty machine.
struct StandinInstance {
    std::mutex mutex;
    SimulatedMachine machine{MachineDescription{}, 0.0};
};

// Runs `ask` on the instance's machine under its lock; `fallback` for a null instance.
template <typename Result, typename Ask>
Result AskMachine(Instance instance, Result fallback, Ask ask)
{
    if (!instance)
        return fallback;
    auto& standin = *static_cast<StandinInstance*>(instance);
    const std::lock_guard lock(standin.mutex);
    return ask(standin.machine);
}

Text CopyOrNull(const std::string* text) { return text ? AllocateLibraryText(*text) : nullptr; }

Instance CPUIDSDK_CALL AllocHandle() { return new StandinInstance; }

std::int32_t CPUIDSDK_CALL StartUp(Instance instance, const char* /*folder*/, const char* /*fileName*/,
                                   std::int32_t /*mask*/, std::int32_t* out1, std::int32_t* out2)
{
    if (out1)
        *out1 = 0;
    if (out2)
        *out2 = 0;
    // The description is the one beside this module; the caller's folder need not be the same.
    MachineDescription description = LoadDescription(ThisModuleFolder());
    return AskMachine(instance, 0, [&](SimulatedMachine& machine) {
        machine = SimulatedMachine(std::move(description), WallClockSeconds());
        return 1;
    });
}

std::int32_t CPUIDSDK_CALL PostStartUp(Instance instance, std::int32_t* out)
{
    if (out)
        *out = 0;
    return instance ? 1 : 0;
}

void CPUIDSDK_CALL Rescan(Instance instance)
{
    AskMachine(instance, 0, [](SimulatedMachine& machine) {
        machine.Rescan(WallClockSeconds());
        return 0;
    });
}

std::int32_t CPUIDSDK_CALL DeviceTotal(Instance instance)
{
    return AskMachine(instance, 0, [](const SimulatedMachine& machine) { return machine.DeviceTotal(); });
}

std::int32_t CPUIDSDK_CALL DeviceKind(Instance instance, std::int32_t device)
{
    return AskMachine(instance, -1, [&](const SimulatedMachine& machine) { return machine.DeviceKind(device); });
}

Text CPUIDSDK_CALL DeviceLabel(Instance instance, std::int32_t device)
{
    return AskMachine(instance, Text{},
                      [&](const SimulatedMachine& machine) { return CopyOrNull(machine.DeviceLabel(device)); });
}

std::int32_t CPUIDSDK_CALL SensorTotal(Instance instance, std::int32_t device, std::int32_t sensorClass)
{
    return AskMachine(instance, 0,
                      [&](const SimulatedMachine& machine) { return machine.SensorTotal(device, sensorClass); });
}

// For a sensor that exists: *out1 its position among the device's sensors of that class, *out2
// the device index, the value with the lowest and highest value since StartUp, and its name.
// For any other: 0, and nothing written.
std::int32_t CPUIDSDK_CALL SensorRead(Instance instance, std::int32_t device, std::int32_t sensor,
                                      std::int32_t sensorClass, std::int32_t* out1, Text* name, std::int32_t* out2,
                                      float* value, float* aux1, float* aux2)
{
    return AskMachine(instance, 0, [&](const SimulatedMachine& machine) {
        const auto reading = machine.ReadSensor(device, sensor, sensorClass);
        if (!reading)
            return 0;
        if (out1)
            *out1 = sensor;
        if (out2)
            *out2 = device;
        if (value)
            *value = reading->value;
        if (aux1)
            *aux1 = reading->minimum;
        if (aux2)
            *aux2 = reading->maximum;
        if (name)
            *name = AllocateLibraryText(reading->name);
        return 1;
    });
}

float CPUIDSDK_CALL ProcessorTemperature(Instance instance, std::int32_t processor)
{
    return AskMachine(instance, 0.0f,
                      [&](const SimulatedMachine& machine) { return machine.ProcessorTemperature(processor); });
}

std::int32_t CPUIDSDK_CALL MemoryMegabytes(Instance instance)
{
    return AskMachine(instance, -1, [](const SimulatedMachine& machine) { return machine.MemoryMegabytes(); });
}

std::int32_t CPUIDSDK_CALL MemoryKind(Instance instance)
{
    return AskMachine(instance, -1, [](const SimulatedMachine& machine) { return machine.MemoryKind(); });
}

Text CPUIDSDK_CALL MemoryLabel(Instance instance, std::int32_t index)
{
    return AskMachine(instance, Text{},
                      [&](const SimulatedMachine& machine) { return CopyOrNull(machine.MemoryLabel(index)); });
}

void CPUIDSDK_CALL ShutDown(Instance instance)
{
    AskMachine(instance, 0, [](SimulatedMachine& machine) {
        machine = SimulatedMachine(MachineDescription{}, 0.0);
        return 0;
    });
}

void CPUIDSDK_CALL FreeHandle(Instance instance) { delete static_cast<StandinInstance*>(instance); }

// Converting to the interface's own pointer type first checks each entry's signature.
template <typename EntryType>
void* AsEntry(EntryType entry)
{
    return reinterpret_cast<void*>(entry);
}

void* EntryFor(Code code)
{
    switch (code) {
    case Code::AllocHandle: return AsEntry<cpuidsdk::AllocHandleFn>(&AllocHandle);
    case Code::StartUp: return AsEntry<cpuidsdk::StartUpFn>(&StartUp);
    case Code::PostStartUp: return AsEntry<cpuidsdk::PostStartUpFn>(&PostStartUp);
    case Code::Rescan: return AsEntry<cpuidsdk::RescanFn>(&Rescan);
    case Code::DeviceTotal: return AsEntry<cpuidsdk::DeviceTotalFn>(&DeviceTotal);
    case Code::DeviceKind: return AsEntry<cpuidsdk::DeviceKindFn>(&DeviceKind);
    case Code::DeviceLabel: return AsEntry<cpuidsdk::DeviceLabelFn>(&DeviceLabel);
    case Code::SensorTotal: return AsEntry<cpuidsdk::SensorTotalFn>(&SensorTotal);
    case Code::SensorRead: return AsEntry<cpuidsdk::SensorReadFn>(&SensorRead);
    case Code::ProcessorTemperature: return AsEntry<cpuidsdk::ProcessorTemperatureFn>(&ProcessorTemperature);
    case Code::MemoryMegabytes: return AsEntry<cpuidsdk::MemoryMegabytesFn>(&MemoryMegabytes);
    case Code::MemoryKind: return AsEntry<cpuidsdk::MemoryKindFn>(&MemoryKind);
    case Code::MemoryLabel: return AsEntry<cpuidsdk::MemoryLabelFn>(&MemoryLabel);
    case Code::ShutDown: return AsEntry<cpuidsdk::ShutDownFn>(&ShutDown);
    case Code::FreeHandle: return AsEntry<cpuidsdk::FreeHandleFn>(&FreeHandle);
    }
    return nullptr;
}

}  // namespace
}  // namespace sensor_standin

// The entry for `code`, or null for an unknown code and for an entry the description omits.
extern "C" STANDIN_EXPORT void* CPUIDSDK_CALL QueryInterface(std::uint32_t code)
{
    using namespace sensor_standin;
    void* const entry = EntryFor(static_cast<cpuidsdk::Code>(code));
    if (!entry || LoadDescription(ThisModuleFolder()).Omits(static_cast<cpuidsdk::Code>(code)))
        return nullptr;
    return entry;
}

// The export has exactly the type its callers look it up as.
static_assert(std::is_same_v<decltype(&QueryInterface), cpuidsdk::QueryInterfaceFn>);
