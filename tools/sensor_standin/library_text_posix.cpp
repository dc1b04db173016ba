#include "library_text.h"

#include <cstdlib>
#include <cstring>

namespace sensor_standin {

cpuidsdk::Text AllocateLibraryText(std::string_view text)
{
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy)
        return nullptr;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

}  // namespace sensor_standin
