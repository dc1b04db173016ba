#include "controls/button_pictures.h"

namespace {

std::wstring Join(std::wstring_view folder, std::wstring_view baseName, std::wstring_view suffix)
{
    std::wstring path;
    path.reserve(folder.size() + baseName.size() + suffix.size());
    path.append(folder).append(baseName).append(suffix);
    return path;
}

} // namespace

ButtonPictureFiles ButtonPicturesFromBase(std::wstring_view folder, std::wstring_view baseName)
{
    return {Join(folder, baseName, L".png"), Join(folder, baseName, L"_P.png"), Join(folder, baseName, L"_H.png")};
}
