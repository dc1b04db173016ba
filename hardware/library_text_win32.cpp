#include <windows.h>
#include <oleauto.h>

#include "hardware/library_text.h"

void ReleaseLibraryText(cpuidsdk::Text text)
{
    // The library allocates its 8-bit texts as BSTRs.
    SysFreeString(reinterpret_cast<BSTR>(text));
}

std::wstring FromAnsi(const std::string& text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int chars = MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(chars > 0 ? chars : 0), L'\0');
    if (chars > 0)
        MultiByteToWideChar(CP_THREAD_ACP, 0, text.data(), size, wide.data(), chars);
    return wide;
}

std::string ToAnsi(const std::wstring& text, std::size_t bufferBytes)
{
    // Drop whole characters from the end until the converted text fits with its terminator.
    for (std::size_t chars = text.size(); chars > 0; --chars) {
        const int size = WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(chars), nullptr, 0,
                                             nullptr, nullptr);
        if (size > 0 && static_cast<std::size_t>(size) < bufferBytes) {
            std::string ansi(static_cast<std::size_t>(size), '\0');
            WideCharToMultiByte(CP_THREAD_ACP, 0, text.data(), static_cast<int>(chars), ansi.data(), size, nullptr,
                                nullptr);
            return ansi;
        }
    }
    return {};
}
