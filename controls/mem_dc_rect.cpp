#include "controls/mem_dc_rect.h"

PixelRect ChooseBufferRect(const PixelRect& given, const PixelRect& targetClipBox)
{
    return given == PixelRect{} ? targetClipBox : given;
}
