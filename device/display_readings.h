// The ten readings that go to a display device, already whole numbers, temperatures in Celsius.
#pragma once

#include <cstdint>

struct DisplayReadings {
    std::int32_t cpuClock = 0;
    std::int32_t cpuTemp = 0;
    std::int32_t mainboardFan = 0; // shown as the CPU fan
    std::int32_t cpuPower = 0;
    std::int32_t cpuLoad = 0;
    std::int32_t gpuClock = 0;
    std::int32_t gpuTemp = 0;
    std::int32_t gpuFan = 0;
    std::int32_t gpuPower = 0;
    std::int32_t gpuLoad = 0;
};
