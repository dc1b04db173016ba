#include "module_folder.h"

#include <windows.h>

#include <string>

namespace sensor_standin {
namespace {

const char kAddressInsideThisModule = 0;

}  // namespace

std::filesystem::path ThisModuleFolder()
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&kAddressInsideThisModule), &module))
        return {};
    // Long paths need more than MAX_PATH; the result fits when it leaves room for its terminator.
    for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
        std::wstring path(size, L'\0');
        const DWORD length = GetModuleFileNameW(module, path.data(), size);
        if (length == 0)
            return {};
        if (length < size) {
            path.resize(length);
            return std::filesystem::path(path).parent_path();
        }
    }
    return {};
}

}  // namespace sensor_standin
