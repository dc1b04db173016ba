// The description file that sits beside the stand-in library.
#pragma once

#include "machine_description.h"

#include <filesystem>
#include <string_view>

namespace sensor_standin {

inline constexpr std::string_view kDescriptionFileName = "cpuidsdk-standin.ini";

// The description in `folder`; an empty machine when the file is missing or cannot be read.
MachineDescription LoadDescription(const std::filesystem::path& folder);

}  // namespace sensor_standin
