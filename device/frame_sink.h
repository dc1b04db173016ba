// Where the rotation scheduler's frames go: the serial transport, or a recorder in tests.
#pragma once

#include <cstdint>

class IFrameSink {
public:
    virtual ~IFrameSink() = default;
    // The arguments of one frame (type, value, kind, gpu, turn) and its delivery mode.
    virtual void SendFrame(std::uint8_t type, std::int32_t value, std::uint8_t kind, std::uint8_t gpu,
                           std::uint8_t turn, std::int32_t broadcast) = 0;
};
