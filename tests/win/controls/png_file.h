// Writing GDI+ bitmaps as PNG files: the pictures of the controls tests and the gallery's screenshot.
#pragma once

#include <cwchar>
#include <string>
#include <vector>

#include "ui/gdiplus_api.h"

inline bool SavePng(Gdiplus::Bitmap& bitmap, const std::wstring& path)
{
    UINT count = 0;
    UINT size = 0;
    if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
        return false;
    std::vector<BYTE> buffer(size);
    auto* const codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wcscmp(codecs[i].MimeType, L"image/png") == 0)
            return bitmap.Save(path.c_str(), &codecs[i].Clsid, nullptr) == Gdiplus::Ok;
    }
    return false;
}
