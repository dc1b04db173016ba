// The program runs elevated: a DLL planted in the current folder must never be loaded.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "hardware/library_module.h"
#include "temporary_directory.h"

namespace {

TEST(DllSearchOnWindows, TheCurrentFolderIsNotSearched)
{
    TemporaryDirectory planted;
    std::filesystem::copy_file(SENSOR_STANDIN_PATH, planted.Path("planted-library.dll"));
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryW(std::filesystem::path(planted.Path("")).wstring().c_str()));

    HMODULE before = LoadLibraryW(L"planted-library.dll");
    EXPECT_NE(before, nullptr) << "the current folder is searched by default";
    if (before)
        FreeLibrary(before);

    RemoveCurrentFolderFromDllSearch();
    HMODULE after = LoadLibraryW(L"planted-library.dll");
    EXPECT_EQ(after, nullptr);
    if (after)
        FreeLibrary(after);

    // A full path still loads.
    CLibraryModule byPath;
    EXPECT_TRUE(byPath.Load(std::filesystem::path(planted.Path("planted-library.dll")).wstring()));
    byPath.Free();
    SetCurrentDirectoryW(previous);
}

} // namespace
