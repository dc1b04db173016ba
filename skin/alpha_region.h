// A window's shape from its background picture.
#pragma once

#include <vector>

#include "skin/alpha_runs.h"
#include "ui/gdi_object.h"
#include "ui/gdiplus_api.h"

// Makes `region` the set of the picture's fully opaque pixels (alpha 255), in the picture's pixel
// coordinates. A picture whose size reads 0 (an undecodable resource) gives an empty region; a
// picture whose pixels cannot be read counts as opaque, as the per-pixel reading treats a failed
// read. False, and `region` unchanged, only without a picture.
bool BuildRegionFromAlpha(Gdiplus::Bitmap* bitmap, CRgn& region);

// A new region made of the given rectangles; an empty region for none.
HRGN RegionFromRects(const std::vector<OpaqueRect>& rects);
