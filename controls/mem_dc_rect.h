// The area an off-screen buffer (CMemDCEx) covers.
#pragma once

#include "controls/control_geometry.h"

// The given rectangle, or the target's clip box when the given one is all zeros.
PixelRect ChooseBufferRect(const PixelRect& given, const PixelRect& targetClipBox);
