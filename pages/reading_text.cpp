#include "pages/reading_text.h"

#include "controls/rounded_text.h"

std::wstring FormatLoadText(std::int32_t load)
{
    return std::to_wstring(load) + L" %";
}

std::wstring FormatRoundedReadingText(float reading, std::wstring_view unit)
{
    std::wstring text = FormatRounded(reading);
    text += L' ';
    text.append(unit);
    return text;
}
