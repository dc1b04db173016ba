#include <cstdio>
#include <cwctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "settings/profile_file.h"

namespace {

std::string ToUtf8(const std::wstring& text)
{
    std::string out;
    for (wchar_t wc : text) {
        const auto c = static_cast<char32_t>(wc);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// Invalid sequences come through as one character per byte rather than being dropped.
std::wstring FromUtf8(const std::string& text)
{
    std::wstring out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool valid = i + static_cast<std::size_t>(extra) < text.size();
        for (int k = 1; valid && k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!valid || (extra == 0 && lead >= 0x80)) {
            out += static_cast<wchar_t>(lead);
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::wstring Trim(const std::wstring& text)
{
    std::size_t first = 0, last = text.size();
    while (first < last && std::iswspace(text[first]))
        ++first;
    while (last > first && std::iswspace(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool SameName(const std::wstring& a, const std::wstring& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    return true;
}

// "[name]" gives name; anything else gives nothing.
bool SectionName(const std::wstring& line, std::wstring& name)
{
    const std::wstring trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != L'[')
        return false;
    const std::size_t close = trimmed.find(L']');
    name = Trim(trimmed.substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
    return true;
}

// "key = value" gives key and value; a line without "=" gives nothing.
bool KeyAndValue(const std::wstring& line, std::wstring& key, std::wstring& value)
{
    const std::size_t equals = line.find(L'=');
    if (equals == std::wstring::npos)
        return false;
    key = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return true;
}

class PosixProfileFile final : public IProfileFile {
public:
    explicit PosixProfileFile(const std::wstring& path) : m_path(ToUtf8(path)) {}

    bool Exists() const override { return std::filesystem::is_regular_file(m_path); }

    std::wstring ReadString(const std::wstring& section, const std::wstring& key) const override
    {
        std::wstring current, name, value;
        bool inSection = false;
        for (const std::wstring& line : ReadLines()) {
            if (SectionName(line, current))
                inSection = SameName(current, section);
            else if (inSection && KeyAndValue(line, name, value) && SameName(name, key))
                return Unquoted(value).substr(0, kProfileValueChars - 1);
        }
        return {};
    }

    bool WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) override
    {
        std::vector<std::wstring> lines = ReadLines();
        const std::wstring entry = key + L"=" + value;
        std::wstring current, name, ignored;
        bool inSection = false;
        std::size_t insertAt = lines.size();
        bool sectionFound = false;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (SectionName(lines[i], current)) {
                if (inSection)
                    break;
                inSection = SameName(current, section);
                if (inSection) {
                    sectionFound = true;
                    insertAt = i + 1;
                }
            } else if (inSection && KeyAndValue(lines[i], name, ignored)) {
                if (SameName(name, key)) {
                    lines[i] = entry;
                    return WriteLines(lines);
                }
                insertAt = i + 1;
            }
        }
        if (!sectionFound) {
            lines.push_back(L"[" + section + L"]");
            insertAt = lines.size();
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        return WriteLines(lines);
    }

private:
    static std::wstring Unquoted(const std::wstring& value)
    {
        if (value.size() >= 2 && value.front() == value.back() && (value.front() == L'"' || value.front() == L'\''))
            return value.substr(1, value.size() - 2);
        return value;
    }

    std::vector<std::wstring> ReadLines() const
    {
        std::vector<std::wstring> lines;
        std::ifstream file(m_path, std::ios::binary);
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(FromUtf8(line));
        }
        return lines;
    }

    // Written beside the file and renamed over it, so a failed write leaves the old file whole.
    bool WriteLines(const std::vector<std::wstring>& lines) const
    {
        const std::string temporary = m_path + ".new";
        {
            std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
            for (const std::wstring& line : lines)
                file << ToUtf8(line) << "\r\n";
            if (!file.flush())
                return std::remove(temporary.c_str()), false;
        }
        return std::rename(temporary.c_str(), m_path.c_str()) == 0;
    }

    std::string m_path;
};

} // namespace

std::unique_ptr<IProfileFile> OpenProfileFile(const std::wstring& path)
{
    return std::make_unique<PosixProfileFile>(path);
}
