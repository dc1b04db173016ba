#include "module_folder.h"

#include <dlfcn.h>

namespace sensor_standin {
namespace {

const char kAddressInsideThisModule = 0;

}  // namespace

std::filesystem::path ThisModuleFolder()
{
    Dl_info info{};
    if (dladdr(&kAddressInsideThisModule, &info) == 0 || !info.dli_fname)
        return {};
    const std::filesystem::path folder = std::filesystem::path(info.dli_fname).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

}  // namespace sensor_standin
