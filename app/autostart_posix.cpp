#include <filesystem>

#include "app/autostart.h"

// There is no Run key outside Windows; the rules above are tested with a key of the tests' own.
std::unique_ptr<IRunKey> OpenMachineRunKey()
{
    return nullptr;
}

std::wstring RunningExecutablePath()
{
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).wstring();
}
