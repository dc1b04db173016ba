// The pictures of the skinned controls: files of the Resources folder, decoded by GDI+.
#pragma once

#include <map>
#include <string>

#include "ui/gdiplus_api.h"

// The picture in the file `path`. A file that cannot be read or decoded still gives a picture
// object: its size reads 0 x 0 and drawing it draws nothing. Null only when no object could be made.
GdiplusPtr<Gdiplus::Image> LoadPictureFile(const std::wstring& path);

// While one lives on a thread, LoadPictureFile on that thread decodes each file once and hands out
// copies: a window's set-up asks for the same few pictures many times (eight bars, two pictures
// each), and under Wine every decode costs milliseconds. Scopes nest; the innermost one serves.
// Keep one only for the span of a set-up, within the GDI+ session.
class CPictureCacheScope {
public:
    CPictureCacheScope();
    ~CPictureCacheScope();
    CPictureCacheScope(const CPictureCacheScope&) = delete;
    CPictureCacheScope& operator=(const CPictureCacheScope&) = delete;

    // The innermost scope of this thread, or null.
    static CPictureCacheScope* Current();
    // A copy of the picture of `path`, decoded at the first request.
    GdiplusPtr<Gdiplus::Image> Load(const std::wstring& path);

private:
    std::map<std::wstring, GdiplusPtr<Gdiplus::Image>> m_Pictures;
    CPictureCacheScope* m_pOuter;
};

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The picture's size in pixels; 0 x 0 without a picture or for one that could not be decoded.
PictureSize SizeOfPicture(Gdiplus::Image* picture);
