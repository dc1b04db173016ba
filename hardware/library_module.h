// A run-time loaded library: LoadLibraryW/GetProcAddress/FreeLibrary on Windows, dlopen natively.
#pragma once

#include <string>

class CLibraryModule {
public:
    CLibraryModule() = default;
    ~CLibraryModule() { Free(); }
    CLibraryModule(const CLibraryModule&) = delete;
    CLibraryModule& operator=(const CLibraryModule&) = delete;

    // Loads by full path only: a relative path is refused, so the current folder never supplies
    // the library. False when nothing was loaded.
    bool Load(const std::wstring& fullPath);
    bool IsLoaded() const { return m_hModule != nullptr; }
    // The export's address, or null.
    void* Symbol(const char* name) const;
    void Free();

private:
    void* m_hModule = nullptr;
};

// Takes the current folder out of the process's DLL search path (Windows; nothing elsewhere).
void RemoveCurrentFolderFromDllSearch();
