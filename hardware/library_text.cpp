#include "hardware/library_text.h"

#include <cstring>

std::wstring TakeLibraryText(cpuidsdk::Text text)
{
    if (!text)
        return {};
    // strnlen: a text without its terminator is read no further than the buffer would hold.
    const std::string copy(text, strnlen(text, kLibraryTextBytes - 1));
    ReleaseLibraryText(text);
    return FromAnsi(copy);
}
