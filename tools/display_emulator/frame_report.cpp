#include "frame_report.h"

#include <cstdio>
#include <ctime>

namespace display_emulator {
namespace {

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const char* TypeName(FrameType type)
{
    switch (type) {
    case FrameType::Probe: return "probe";
    case FrameType::Blank: return "blank";
    case FrameType::Reading: return "reading";
    case FrameType::Animation: return "animation";
    case FrameType::Unknown: return "unknown";
    case FrameType::Garbage: return "garbage";
    }
    return "unknown";
}

const char* KindName(ValueKind kind)
{
    switch (kind) {
    case ValueKind::ClockMHz: return "ClockMHz";
    case ValueKind::TempC: return "TempC";
    case ValueKind::TempF: return "TempF";
    case ValueKind::FanRpm: return "FanRpm";
    case ValueKind::PowerW: return "PowerW";
    case ValueKind::LoadPct: return "LoadPct";
    }
    return "unknown";
}

// The words around the value in the human line: "CPU fan " + 1200 + " RPM".
struct KindWords {
    const char* before;
    const char* after;
};

KindWords WordsFor(ValueKind kind)
{
    switch (kind) {
    case ValueKind::ClockMHz: return {"", " MHz"};
    case ValueKind::TempC: return {"", " \u00b0C"};
    case ValueKind::TempF: return {"", " \u00b0F"};
    case ValueKind::FanRpm: return {"fan ", " RPM"};
    case ValueKind::PowerW: return {"power ", " W"};
    case ValueKind::LoadPct: return {"load ", " %"};
    }
    return {"", ""};
}

std::string ReadingSummary(const DecodedFrame& frame)
{
    if (!frame.reading)
        return "reading";
    const Reading& r = *frame.reading;
    const KindWords words = WordsFor(r.kind);
    std::string line = std::string(r.device == Device::Gpu ? "GPU " : "CPU ") + words.before +
                       std::to_string(r.value) + words.after;
    if (!frame.turn)
        line += ", turn unknown";
    else if (*frame.turn != 0)
        line += ", turn " + std::to_string(*frame.turn);
    return line;
}

}  // namespace

std::string IsoUtcTime(std::chrono::system_clock::time_point time)
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(time.time_since_epoch()).count();
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
    std::snprintf(text + length, sizeof text - length, ".%03dZ", static_cast<int>(ms % 1000));
    return text;
}

std::string HexBytes(std::span<const std::uint8_t> bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t byte : bytes) {
        if (!out.empty())
            out += ' ';
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0x0F];
    }
    return out;
}

std::string ReadyJson(const std::string& port)
{
    return "{\"event\":\"ready\",\"port\":" + JsonString(port) + "}";
}

std::string FrameJson(const DecodedFrame& frame, const std::string& time, bool answered)
{
    std::string json = "{\"time\":" + JsonString(time) + ",\"hex\":" + JsonString(HexBytes(frame.bytes)) +
                       ",\"well_formed\":" + (frame.WellFormed() ? "true" : "false");
    if (!frame.WellFormed())
        json += ",\"error\":" + JsonString(frame.error);
    json += ",\"type\":" + JsonString(TypeName(frame.type));
    if (frame.type == FrameType::Probe)
        json += std::string(",\"answered\":") + (answered ? "true" : "false");
    if (frame.type == FrameType::Reading) {
        json += ",\"turn\":" + (frame.turn ? std::to_string(*frame.turn) : std::string("null"));
        if (frame.reading) {
            json += std::string(",\"device\":") + (frame.reading->device == Device::Gpu ? "\"gpu\"" : "\"cpu\"");
            json += ",\"kind\":" + JsonString(KindName(frame.reading->kind));
            json += ",\"value\":" + std::to_string(frame.reading->value);
        }
    }
    return json + "}";
}

std::string FrameSummary(const DecodedFrame& frame, bool answered)
{
    if (!frame.WellFormed())
        return "bad frame: " + frame.error;
    switch (frame.type) {
    case FrameType::Probe: return answered ? "probe answered" : "probe not answered";
    case FrameType::Blank: return "blank";
    case FrameType::Animation: return "animation";
    case FrameType::Reading: return ReadingSummary(frame);
    case FrameType::Unknown:
    case FrameType::Garbage: break;
    }
    return TypeName(frame.type);
}

}  // namespace display_emulator
