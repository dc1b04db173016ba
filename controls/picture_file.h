// The pictures of the skinned controls: files of the Resources folder, decoded by GDI+.
#pragma once

#include <string>

#include "ui/gdiplus_api.h"

// The picture in the file `path`. A file that cannot be read or decoded still gives a picture
// object: its size reads 0 x 0 and drawing it draws nothing. Null only when no object could be made.
GdiplusPtr<Gdiplus::Image> LoadPictureFile(const std::wstring& path);

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The picture's size in pixels; 0 x 0 without a picture or for one that could not be decoded.
PictureSize SizeOfPicture(Gdiplus::Image* picture);
