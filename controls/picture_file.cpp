#include "controls/picture_file.h"

#include <memory>

GdiplusPtr<Gdiplus::Image> LoadPictureFile(const std::wstring& path)
{
    GdiplusPtr<Gdiplus::Image> decoded(Gdiplus::Image::FromFile(path.c_str()));
    const PictureSize size = SizeOfPicture(decoded.get());
    if (size.width <= 0 || size.height <= 0)
        return decoded;
    // Drawn once a second or more: keep it premultiplied, the form GDI+ draws fastest. The copy
    // also lets go of the file, which a decoded image keeps open.
    auto premultiplied = std::make_unique<Gdiplus::Bitmap>(size.width, size.height, PixelFormat32bppPARGB);
    if (premultiplied->GetLastStatus() != Gdiplus::Ok)
        return decoded;
    {
        Gdiplus::Graphics graphics(premultiplied.get());
        graphics.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
        if (graphics.DrawImage(decoded.get(), 0, 0, size.width, size.height) != Gdiplus::Ok)
            return decoded;
    }
    return premultiplied;
}

PictureSize SizeOfPicture(Gdiplus::Image* picture)
{
    if (picture == nullptr)
        return {};
    // A picture without content reports an error and leaves both readings at 0.
    return {static_cast<int>(picture->GetWidth()), static_cast<int>(picture->GetHeight())};
}
