#include <cstdlib>

#include "hardware/library_text.h"

// Natively the library's texts are Latin-1 and allocated with malloc.

void ReleaseLibraryText(cpuidsdk::Text text)
{
    std::free(text);
}

std::wstring FromAnsi(const std::string& text)
{
    std::wstring wide;
    for (char c : text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

std::string ToAnsi(const std::wstring& text, std::size_t bufferBytes)
{
    std::string ansi;
    for (wchar_t c : text) {
        if (ansi.size() + 1 >= bufferBytes)
            break;
        ansi += c < 256 ? static_cast<char>(c) : '?';
    }
    return ansi;
}
