// A frame sink for tests that writes each frame down in a few words: "cpu C 46", "gpu % 57",
// "animation", "blank".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "device/display_frame.h"
#include "device/frame_sink.h"

class RecordingFrameSink final : public IFrameSink {
public:
    std::vector<std::string> frames;
    std::vector<std::uint8_t> turns;      // the turn of every frame, in order
    std::vector<std::int32_t> broadcasts; // the delivery mode of every frame, in order

    void SendFrame(std::uint8_t type, std::int32_t value, std::uint8_t kind, std::uint8_t gpu, std::uint8_t turn,
                   std::int32_t broadcast) override
    {
        turns.push_back(turn);
        broadcasts.push_back(broadcast);
        switch (static_cast<FrameType>(type)) {
        case FrameType::Blank: frames.push_back("blank"); return;
        case FrameType::Probe: frames.push_back("probe"); return;
        case FrameType::Animation: frames.push_back("animation"); return;
        case FrameType::Reading: break;
        }
        static const char* const kUnits[] = {"MHz", "C", "F", "?", "RPM", "W", "%"};
        frames.push_back(std::string(gpu ? "gpu " : "cpu ") + (kind < 7 ? kUnits[kind] : "?") + " " +
                         std::to_string(value));
    }
};
