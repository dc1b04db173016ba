// Cuts the byte stream from the serial link into frames. A frame starts at the start byte and
// runs for the frame size; bytes before a start byte form one garbage record.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "frame_decoder.h"

namespace display_emulator {

class FrameSplitter {
public:
    // Returns every record that the new bytes complete, in stream order.
    std::vector<DecodedFrame> Feed(std::span<const std::uint8_t> bytes);

    // Ends the record in progress (a short frame or garbage), if any: at the end of the stream or
    // when the line has gone quiet in the middle of a record.
    std::optional<DecodedFrame> Flush();

    bool HasPending() const { return !pending_.empty(); }

private:
    std::vector<std::uint8_t> pending_;
};

}  // namespace display_emulator
