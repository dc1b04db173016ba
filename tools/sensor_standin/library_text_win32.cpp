#include "library_text.h"

#include <windows.h>
#include <oleauto.h>

namespace sensor_standin {

cpuidsdk::Text AllocateLibraryText(std::string_view text)
{
    // Copies the bytes as they are and adds a terminating zero.
    const BSTR copy = SysAllocStringByteLen(text.data(), static_cast<UINT>(text.size()));
    return reinterpret_cast<cpuidsdk::Text>(copy);
}

}  // namespace sensor_standin
