#include "ui/resource_module.h"

#include <atomic>

namespace {
std::atomic<HMODULE> g_hResourceModule{nullptr};
}

HMODULE GetResourceModule()
{
    HMODULE module = g_hResourceModule.load();
    return module != nullptr ? module : GetModuleHandleW(nullptr);
}

void SetResourceModule(HMODULE module)
{
    g_hResourceModule.store(module);
}
