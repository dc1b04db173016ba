#include "hardware/inventory_text.h"

#include <cwctype>

namespace {

constexpr long kFirstBuildOfWindows11 = 22000;

// The leading decimal digits as a number (0 when there are none), saturating instead of overflowing.
long LeadingNumber(const std::wstring& text)
{
    long number = 0;
    for (wchar_t c : text) {
        if (!std::iswdigit(c))
            break;
        number = number > 100'000'000 ? number : number * 10 + (c - L'0');
    }
    return number;
}

std::wstring ReplaceAll(std::wstring text, const std::wstring& from, const std::wstring& to)
{
    for (std::size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

} // namespace

std::wstring MemoryText(const std::wstring& label, std::int32_t megabytes, std::int32_t kind)
{
    std::wstring size;
    if (megabytes != -1) {
        if (megabytes > 1024 && megabytes % 1024 == 0)
            size = L" " + std::to_wstring(megabytes / 1024) + L" GB";
        else
            size = L" " + std::to_wstring(megabytes) + L" MB";
    }
    const wchar_t* type = kind == 9 ? L" DDR3" : (kind == 10 || kind == 11) ? L" DDR4" : L"";
    return label + size + type;
}

std::wstring OsVersionText(const std::wstring& productName, const std::wstring& displayVersion,
                           const std::wstring& currentBuild)
{
    std::wstring text = productName + L"\t" + displayVersion;
    if (LeadingNumber(currentBuild) >= kFirstBuildOfWindows11)
        text = ReplaceAll(text, L"10", L"11");
    return text;
}
