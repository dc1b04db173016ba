// The three picture files of a skinned button, named after one base name.
#pragma once

#include <string>
#include <string_view>

struct ButtonPictureFiles {
    std::wstring normal;  // base + ".png"
    std::wstring pressed; // base + "_P.png"
    std::wstring hover;   // base + "_H.png"
    friend bool operator==(const ButtonPictureFiles&, const ButtonPictureFiles&) = default;
};

// `folder` is put in front of each name as it is (the skin path ends with a backslash); pass an
// empty folder for bare file names.
ButtonPictureFiles ButtonPicturesFromBase(std::wstring_view folder, std::wstring_view baseName);
