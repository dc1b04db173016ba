// Font families for the labels and gauges, with a stand-in when the family asked for is missing.
#pragma once

#include <string>

#include "ui/gdiplus_api.h"

// The family the skin's labels and gauges ask for.
constexpr const wchar_t* kSkinFontFamily = L"思源黑体";

// The installed family `name`. When it is not installed (the skin asks for "思源黑体", which few
// machines have), the first installed family of a short list of common sans-serif families, and
// failing those GDI+'s generic sans-serif family: text set in a missing family would otherwise not
// be drawn at all. Null only when GDI+ offers no family whatever.
GdiplusPtr<Gdiplus::FontFamily> CreateFontFamilyOrFallback(const std::wstring& name);
