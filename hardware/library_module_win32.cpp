#include <windows.h>

#include "hardware/library_module.h"

namespace {

bool IsFullPath(const std::wstring& path)
{
    // "C:\..." or "\\server\...".
    return (path.size() > 2 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) ||
           path.starts_with(L"\\\\");
}

} // namespace

bool CLibraryModule::Load(const std::wstring& fullPath)
{
    Free();
    if (!IsFullPath(fullPath))
        return false;
    // The library's own dependencies are looked for beside it first.
    m_hModule = LoadLibraryExW(fullPath.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return m_hModule != nullptr;
}

void* CLibraryModule::Symbol(const char* name) const
{
    if (!m_hModule)
        return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_hModule), name));
}

void CLibraryModule::Free()
{
    if (m_hModule)
        FreeLibrary(static_cast<HMODULE>(m_hModule));
    m_hModule = nullptr;
}

void RemoveCurrentFolderFromDllSearch()
{
    SetDllDirectoryW(L"");
    // Where the system has it (Windows 8 on, and 7 with its update), search only the program's
    // folder and the system folder from now on.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault)
        setDefault(LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}
