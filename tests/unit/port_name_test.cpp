#include <gtest/gtest.h>

#include "device/port_name.h"

namespace {

TEST(PortName, CutsFriendlyNamesAndKeepsOnlyComNames)
{
    struct Case {
        const wchar_t* friendlyName;
        const wchar_t* cut;
        bool isCom;
    };
    const Case cases[] = {
        {L"USB Serial Device (COM5)", L"COM5", true},
        {L"Communications Port (COM1)", L"COM1", true},
        {L"COM7", L"COM7", true},
        {L"Printer Port (LPT1)", L"LPT1", false},
        {L"Virtual Port (COM3->COM4)", L"COM3->COM4", true},
        {L"", L"", false},
        {L"Odd (Device (COM8)))", L"Device (COM8", false}, // the first "(" counts; every ")" at the end goes
        {L"Lower case (com2)", L"com2", false},
        {L"Leading blank ( COM2)", L" COM2", false},
        {L"Unclosed (COM12", L"COM12", true},
        {L"()", L"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CutPortName(c.friendlyName), c.cut) << c.friendlyName;
        EXPECT_EQ(IsComPortName(CutPortName(c.friendlyName)), c.isCom) << c.friendlyName;
    }
}

} // namespace
