// Where the stand-in library itself was loaded from.
#pragma once

#include <filesystem>

namespace sensor_standin {

// The folder holding this shared library; empty when the system cannot tell.
std::filesystem::path ThisModuleFolder();

}  // namespace sensor_standin
