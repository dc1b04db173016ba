// A window's background picture, decoded from a PNG resource of the program (type "PNG", numeric id).
#pragma once

#include "ui/gdiplus_api.h"

// Finds the resource in `module` (null: the resource module), copies it into a movable global memory
// block, makes a stream on the block that frees it on release, and a GDI+ bitmap from the stream.
// The stream lives as long as the bitmap (GDI+ may read the picture from it later) and is released
// after it. Returns 1 and stores the bitmap in `bitmap` when a bitmap object was made, even one that
// GDI+ could not decode (its size then reads 0 x 0); returns 0 and leaves `bitmap` as it was when
// the resource is missing or no stream could be made. GDI+ must be started.
int LoadPngResource(HMODULE module, UINT resourceId, GdiplusPtr<Gdiplus::Bitmap>& bitmap);
