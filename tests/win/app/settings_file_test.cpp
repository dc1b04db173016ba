// The settings rules over the real profile functions and the real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "app/autostart.h"
#include "settings/settings.h"
#include "temporary_directory.h"

namespace {

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> KeysInFileOrder(const std::string& text)
{
    std::vector<std::string> keys;
    const std::regex line(R"((^|\n)([^=\[\r\n]+)=)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator(); ++it)
        keys.push_back((*it)[2]);
    return keys;
}

TEST(SettingsFileOnWindows, FirstRunWritesTheKeysInOrderAndHandEditsReadByTheRules)
{
    TemporaryDirectory dir;
    const std::string path = dir.Path("Setting.ini");
    auto file = OpenProfileFile(Wide(path));
    bool firstRun = false;
    LoadSettings(*file, firstRun);
    ASSERT_TRUE(firstRun);

    std::vector<std::string> expected;
    for (const SettingKey& key : kSettingKeys)
        expected.push_back(std::string(key.name, key.name + wcslen(key.name)));
    EXPECT_EQ(KeysInFileOrder(ReadFile(path)), expected);
    EXPECT_NE(ReadFile(path).find("[ZELVANE SETTINGS]"), std::string::npos);

    std::ofstream(path, std::ios::binary) << "[ZELVANE SETTINGS]\r\nTEMPERATURE=  12abc\r\nATUO START=x\r\n"
                                             "TFT_SPEED=300\r\nTFT_TURN=-1\r\n";
    const Settings edited = LoadSettings(*file, firstRun);
    EXPECT_FALSE(firstRun);
    EXPECT_EQ(edited.tempUnit, 12);
    EXPECT_EQ(edited.autoStart, 0);
    EXPECT_EQ(edited.tftOptions[TFT_SPEED], 44);
    EXPECT_EQ(edited.tftOptions[TFT_TURN], 255);
    EXPECT_EQ(edited.tftOptions[TFT_CTEMP], 0) << "a missing key reads as 0";
}

std::wstring ReadRunValue()
{
    wchar_t data[1024] = {};
    DWORD bytes = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", kAutoStartValueName,
                     RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

TEST(AutoStartOnWindows, TheRunValueHoldsTheQuotedPathAndIsDeleted)
{
    const std::wstring executable = RunningExecutablePath();
    ASSERT_TRUE(executable.ends_with(L".exe"));
    auto runKey = OpenMachineRunKey();
    ASSERT_NE(runKey, nullptr);

    SetAutoStart(runKey.get(), executable, 1);
    EXPECT_EQ(ReadRunValue(), L"\"" + executable + L"\"");

    const std::wstring longPath = L"C:\\" + std::wstring(300, L'x') + L"\\KX-DUNVALE.exe";
    SetAutoStart(runKey.get(), longPath, 1);
    EXPECT_EQ(ReadRunValue(), L"\"" + longPath + L"\"") << "a long path is not cut";

    SetAutoStart(runKey.get(), executable, 7);
    EXPECT_EQ(ReadRunValue(), L"\"" + longPath + L"\"") << "other values change nothing";

    SetAutoStart(runKey.get(), executable, 0);
    EXPECT_EQ(ReadRunValue(), L"<missing>");
}

} // namespace
