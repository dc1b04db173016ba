#include "controls/picture_file.h"

#include <memory>

namespace {

thread_local CPictureCacheScope* t_pCurrentScope = nullptr;

GdiplusPtr<Gdiplus::Image> DecodePictureFile(const std::wstring& path)
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

} // namespace

GdiplusPtr<Gdiplus::Image> LoadPictureFile(const std::wstring& path)
{
    if (CPictureCacheScope* scope = CPictureCacheScope::Current())
        return scope->Load(path);
    return DecodePictureFile(path);
}

CPictureCacheScope::CPictureCacheScope() : m_pOuter(t_pCurrentScope)
{
    t_pCurrentScope = this;
}

CPictureCacheScope::~CPictureCacheScope()
{
    t_pCurrentScope = m_pOuter;
}

CPictureCacheScope* CPictureCacheScope::Current()
{
    return t_pCurrentScope;
}

GdiplusPtr<Gdiplus::Image> CPictureCacheScope::Load(const std::wstring& path)
{
    auto found = m_Pictures.find(path);
    if (found == m_Pictures.end()) {
        GdiplusPtr<Gdiplus::Image> decoded = DecodePictureFile(path);
        // Only decoded pictures are kept: a file that could not be read is tried again.
        if (decoded == nullptr || SizeOfPicture(decoded.get()).width <= 0)
            return decoded;
        found = m_Pictures.emplace(path, std::move(decoded)).first;
    }
    GdiplusPtr<Gdiplus::Image> copy(found->second->Clone());
    if (copy == nullptr || copy->GetLastStatus() != Gdiplus::Ok)
        return DecodePictureFile(path);
    return copy;
}

PictureSize SizeOfPicture(Gdiplus::Image* picture)
{
    if (picture == nullptr)
        return {};
    // A picture without content reports an error and leaves both readings at 0.
    return {static_cast<int>(picture->GetWidth()), static_cast<int>(picture->GetHeight())};
}
