#include <windows.h>

#include "settings/profile_file.h"

namespace {

class Win32ProfileFile final : public IProfileFile {
public:
    explicit Win32ProfileFile(std::wstring path) : m_path(std::move(path)) {}

    bool Exists() const override
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(m_path.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return false;
        FindClose(search);
        return true;
    }

    std::wstring ReadString(const std::wstring& section, const std::wstring& key) const override
    {
        wchar_t value[kProfileValueChars] = {};
        GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", value, kProfileValueChars, m_path.c_str());
        return value;
    }

    bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) override
    {
        return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), m_path.c_str()) != FALSE;
    }

private:
    std::wstring m_path;
};

} // namespace

std::unique_ptr<IProfileFile> OpenProfileFile(const std::wstring& path)
{
    return std::make_unique<Win32ProfileFile>(path);
}
