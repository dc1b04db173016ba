#include "controls/skinned_style.h"

#include "ui/wnd.h"

namespace {

constexpr DWORD kSkinnedControlType = 0x0B;

} // namespace

void ApplySkinnedControlStyle(CWnd& control, DWORD typeMask)
{
    control.ModifyStyle(typeMask, WS_CLIPSIBLINGS | kSkinnedControlType, SWP_FRAMECHANGED);
}
