#include "controls/picture_file.h"

GdiplusPtr<Gdiplus::Image> LoadPictureFile(const std::wstring& path)
{
    return GdiplusPtr<Gdiplus::Image>(Gdiplus::Image::FromFile(path.c_str()));
}

PictureSize SizeOfPicture(Gdiplus::Image* picture)
{
    if (picture == nullptr)
        return {};
    // A picture without content reports an error and leaves both readings at 0.
    return {static_cast<int>(picture->GetWidth()), static_cast<int>(picture->GetHeight())};
}
