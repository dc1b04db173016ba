// A skinned window's picture and shape in one step: the background picture from a PNG resource,
// and the window cut to the picture's opaque pixels.
#pragma once

#include <windows.h>

#include "ui/gdi_object.h"
#include "ui/gdiplus_api.h"
#include "ui/wnd.h"

// Loads PNG resource `resourceId` of the resource module into `picture` and builds `region` from
// its alpha. False when the picture could not be loaded or the region not built.
bool LoadBackgroundAndShape(UINT resourceId, GdiplusPtr<Gdiplus::Bitmap>& picture, CRgn& region);

// The same, then gives the region to `window` (redrawing); the window owns it from then on.
bool ShapeWindowFromPng(CWnd& window, UINT resourceId, GdiplusPtr<Gdiplus::Bitmap>& picture, CRgn& region);
