#include <gtest/gtest.h>

#include "hardware/inventory_text.h"

namespace {

TEST(InventoryText, Memory)
{
    struct Case {
        const wchar_t* label;
        std::int32_t megabytes;
        std::int32_t kind;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"", 16384, 10, L" 16 GB DDR4"},
        {L"", 8000, 10, L" 8000 MB DDR4"},
        {L"", 1024, 9, L" 1024 MB DDR3"}, // exactly 1024: not the GB form
        {L"", 2048, 11, L" 2 GB DDR4"},
        {L"Corsair", 32768, 12, L"Corsair 32 GB"}, // type 12: no type text
        {L"Corsair", -1, -1, L"Corsair"},
        {L"", -1, -1, L""},
        {L"", 0, 10, L" 0 MB DDR4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MemoryText(c.label, c.megabytes, c.kind), c.text) << c.megabytes << " " << c.kind;
}

TEST(InventoryText, OsVersion)
{
    struct Case {
        const wchar_t* product;
        const wchar_t* displayVersion;
        const wchar_t* build;
        const wchar_t* text;
    };
    const Case cases[] = {
        {L"Windows 10 Pro", L"23H2", L"22631", L"Windows 11 Pro\t23H2"},
        {L"Windows 10 Pro", L"22H2", L"19045", L"Windows 10 Pro\t22H2"},
        {L"Windows 10 Pro", L"10H1", L"22000", L"Windows 11 Pro\t11H1"}, // every "10", the display version too
        {L"Windows 10 Pro", L"", L"21999", L"Windows 10 Pro\t"},
        {L"Windows 10", L"", L"22000.1", L"Windows 11\t"},  // leading digits only
        {L"Windows 10", L"", L"x22000", L"Windows 10\t"},   // no leading digits: 0
        {L"Windows 10", L"", L"99999999999999999999", L"Windows 11\t"},
        {L"", L"", L"", L"\t"}, // the key could not be opened: a lone tab
    };
    for (const Case& c : cases)
        EXPECT_EQ(OsVersionText(c.product, c.displayVersion, c.build), c.text) << c.build;
}

} // namespace
