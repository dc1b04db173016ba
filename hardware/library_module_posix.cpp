#include <dlfcn.h>

#include "hardware/library_module.h"

bool CLibraryModule::Load(const std::wstring& fullPath)
{
    Free();
    if (!fullPath.starts_with(L"/"))
        return false;
    std::string path;
    for (wchar_t c : fullPath)
        path += static_cast<char>(c); // test paths are plain ASCII
    m_hModule = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    return m_hModule != nullptr;
}

void* CLibraryModule::Symbol(const char* name) const
{
    return m_hModule ? dlsym(m_hModule, name) : nullptr;
}

void CLibraryModule::Free()
{
    if (m_hModule)
        dlclose(m_hModule);
    m_hModule = nullptr;
}

void RemoveCurrentFolderFromDllSearch() {}
