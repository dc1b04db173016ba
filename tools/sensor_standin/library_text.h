// Texts handed to the library's callers, allocated the way they release them: a BSTR holding the
// 8-bit bytes on Windows (SysFreeString), malloc elsewhere (free).
#pragma once

#include "hardware/cpuidsdk_abi.h"

#include <string_view>

namespace sensor_standin {

// A zero-terminated copy of `text`; null only when memory runs out.
cpuidsdk::Text AllocateLibraryText(std::string_view text);

}  // namespace sensor_standin
