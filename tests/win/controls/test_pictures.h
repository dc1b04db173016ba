// Picture files of plain colours for the controls tests, so that every pixel a control draws from
// them is known.
#pragma once

#include <filesystem>
#include <string>

#include "png_file.h"
#include "temporary_directory.h"
#include "ui/gdiplus_api.h"

// A `width` x `height` picture of `color` whose leftmost `clearColumns` columns are fully
// transparent, written as `name` into `folder`; returns its full path.
inline std::wstring WritePicture(const TemporaryDirectory& folder, const std::string& name, int width, int height,
                                 Gdiplus::Color color, int clearColumns = 0)
{
    Gdiplus::Bitmap picture(width, height, PixelFormat32bppARGB);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            picture.SetPixel(x, y, x < clearColumns ? Gdiplus::Color(0, 0, 0, 0) : color);
    }
    const std::wstring path = std::filesystem::path(folder.Path(name)).wstring();
    return SavePng(picture, path) ? path : std::wstring();
}

// A path where no file is.
inline std::wstring MissingPicture(const TemporaryDirectory& folder)
{
    return std::filesystem::path(folder.Path("missing.png")).wstring();
}
