// Small text helpers for reading the stand-in's description file.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace sensor_standin {

// Without leading and trailing spaces, tabs and carriage returns.
std::string_view Trim(std::string_view text);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The whole text must be the number. Decimal, or hexadecimal with a 0x prefix; an optional minus.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// The whole text must be a finite decimal number such as "45", "-3.5" or "0.25".
std::optional<double> ParseNumber(std::string_view text);

// "a, b ,c" -> {"a", "b", "c"}; empty pieces are dropped.
std::vector<std::string_view> SplitList(std::string_view text, char separator);

}  // namespace sensor_standin
