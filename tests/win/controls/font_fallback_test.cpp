// Text set in a family that is not installed is still drawn, in an installed sans-serif family.
#include <gtest/gtest.h>

#include <string>

#include "controls/font_fallback.h"
#include "ui/memory_dc.h"

namespace {

// The family the labels and gauges ask for; hardly any machine, and no Wine prefix, has it.
const std::wstring kSkinFamily = L"\u601D\u6E90\u9ED1\u4F53"; // 思源黑体

std::wstring NameOf(const Gdiplus::FontFamily& family)
{
    WCHAR name[LF_FACESIZE] = {};
    family.GetFamilyName(name);
    return name;
}

// Pixels that are not black after drawing "88" in white with the family.
int InkOf(const Gdiplus::FontFamily& family)
{
    CMemoryDC dc(80, 40);
    {
        Gdiplus::Graphics graphics(dc.Get());
        const Gdiplus::Font font(&family, 20.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
        const Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
        graphics.DrawString(L"88", 2, &font, Gdiplus::PointF(4.0f, 4.0f), &white);
    }
    GdiFlush();
    int ink = 0;
    for (int i = 0; i < 80 * 40; ++i)
        ink += (dc.Pixels()[i] & 0xFFFFFF) != 0 ? 1 : 0;
    return ink;
}

TEST(FontFallback, AMissingFamilyGivesAnInstalledOneThatDrawsText)
{
    const Gdiplus::FontFamily missing(kSkinFamily.c_str());
    if (missing.IsAvailable())
        GTEST_SKIP() << "this machine has the skin's family";

    const GdiplusPtr<Gdiplus::FontFamily> family = CreateFontFamilyOrFallback(kSkinFamily);
    ASSERT_NE(family, nullptr);
    ASSERT_TRUE(family->IsAvailable());
    EXPECT_NE(NameOf(*family), kSkinFamily);
    EXPECT_GT(InkOf(*family), 40) << "stand-in " << std::string(NameOf(*family).begin(), NameOf(*family).end());
}

TEST(FontFallback, AnInstalledFamilyIsTakenAsItIs)
{
    // Whatever the machine falls back to is installed, so asking for it by name gives it back.
    const GdiplusPtr<Gdiplus::FontFamily> standIn = CreateFontFamilyOrFallback(kSkinFamily);
    ASSERT_NE(standIn, nullptr);
    const std::wstring installed = NameOf(*standIn);

    const GdiplusPtr<Gdiplus::FontFamily> family = CreateFontFamilyOrFallback(installed);
    ASSERT_NE(family, nullptr);
    EXPECT_EQ(NameOf(*family), installed);
}

} // namespace
