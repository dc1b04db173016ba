// The inventory's text rules, apart from the queries that feed them.
#pragma once

#include <cstdint>
#include <string>

// Memory description, then " N GB" (above 1024 MB and a whole number of GB) or " N MB" (-1: no
// size), then " DDR3" (kind 9) or " DDR4" (kinds 10 and 11).
std::wstring MemoryText(const std::wstring& label, std::int32_t megabytes, std::int32_t kind);

// Product name, a tab, display version; from build 22000 on every "10" becomes "11".
std::wstring OsVersionText(const std::wstring& productName, const std::wstring& displayVersion,
                           const std::wstring& currentBuild);
