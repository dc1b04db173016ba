#include "skin/window_shape.h"

#include "skin/alpha_region.h"
#include "skin/png_resource.h"
#include "ui/resource_module.h"

bool LoadBackgroundAndShape(UINT resourceId, GdiplusPtr<Gdiplus::Bitmap>& picture, CRgn& region)
{
    return LoadPngResource(GetResourceModule(), resourceId, picture) && BuildRegionFromAlpha(picture.get(), region);
}

bool ShapeWindowFromPng(CWnd& window, UINT resourceId, GdiplusPtr<Gdiplus::Bitmap>& picture, CRgn& region)
{
    return LoadBackgroundAndShape(resourceId, picture, region) && window.SetWindowRgn(region, true);
}
