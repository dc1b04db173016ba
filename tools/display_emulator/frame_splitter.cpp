#include "frame_splitter.h"

namespace display_emulator {

std::vector<DecodedFrame> FrameSplitter::Feed(std::span<const std::uint8_t> bytes)
{
    std::vector<DecodedFrame> records;
    for (std::uint8_t byte : bytes) {
        const bool inGarbage = !pending_.empty() && pending_.front() != kFrameStart;
        if (inGarbage && byte == kFrameStart) {
            records.push_back(DecodeFrame(pending_));
            pending_.clear();
        }
        pending_.push_back(byte);
        if (pending_.front() == kFrameStart && pending_.size() == kFrameSize) {
            records.push_back(DecodeFrame(pending_));
            pending_.clear();
        }
    }
    return records;
}

std::optional<DecodedFrame> FrameSplitter::Flush()
{
    if (pending_.empty())
        return std::nullopt;
    DecodedFrame record = DecodeFrame(pending_);
    pending_.clear();
    return record;
}

}  // namespace display_emulator
