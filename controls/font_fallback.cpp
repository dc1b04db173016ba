#include "controls/font_fallback.h"

namespace {

// Chinese Windows' own first (the skin's family is a Chinese one), then the Western Windows one,
// the usual Linux ones (Wine sees the host's fonts), and last the ones that older Windows and Wine's
// own fonts have.
constexpr const wchar_t* kFallbackFamilies[] = {
    L"Microsoft YaHei", L"Segoe UI", L"Noto Sans", L"DejaVu Sans", L"Arial", L"Tahoma",
};

GdiplusPtr<Gdiplus::FontFamily> InstalledFamily(const wchar_t* name)
{
    auto family = std::make_unique<Gdiplus::FontFamily>(name);
    if (family == nullptr || !family->IsAvailable())
        return nullptr;
    return family;
}

} // namespace

GdiplusPtr<Gdiplus::FontFamily> CreateFontFamilyOrFallback(const std::wstring& name)
{
    if (auto family = InstalledFamily(name.c_str()))
        return family;
    for (const wchar_t* fallback : kFallbackFamilies) {
        if (auto family = InstalledFamily(fallback))
            return family;
    }
    const Gdiplus::FontFamily* generic = Gdiplus::FontFamily::GenericSansSerif();
    return GdiplusPtr<Gdiplus::FontFamily>(generic != nullptr ? generic->Clone() : nullptr);
}
