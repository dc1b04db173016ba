#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/autostart.h"
#include "settings/profile_file.h"
#include "settings/settings.h"
#include "app/settings_owner.h"
#include "temporary_directory.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

TEST(Settings, ParsesLikeWcstolAndKeepsTheLowEightBits)
{
    struct Case {
        const wchar_t* text;
        int value;
    };
    const Case cases[] = {
        {L"1", 1},       {L"0", 0},      {L"  12abc", 12}, {L"x", 0},  {L"", 0},     {L"300", 44},
        {L"256", 0},     {L"-1", 255},   {L"+7", 7},       {L"\t 9", 9}, {L"- 5", 0}, {L"99999999999999999999", 255},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSettingByte(c.text), c.value) << c.text;
}

TEST(Settings, FirstRunWritesEveryKeyInOrderThenLaterRunsReadThem)
{
    TemporaryDirectory dir;
    const std::string path = dir.Path("Setting.ini");
    auto file = OpenProfileFile(Wide(path));

    bool firstRun = false;
    Settings first = LoadSettings(*file, firstRun);
    EXPECT_TRUE(firstRun);
    EXPECT_EQ(ReadFile(path), "[ZELVANE SETTINGS]\r\nTEMPERATURE=1\r\nATUO START=1\r\nTFT_CTEMP=1\r\nTFT_CFREQ=1\r\n"
                              "TFT_CTRPM=1\r\nTFT_CPOWER=1\r\nTFT_CLOAD=1\r\nTFT_GTEMP=1\r\nTFT_GFREQ=1\r\n"
                              "TFT_GTRPM=1\r\nTFT_GPOWER=1\r\nTFT_GLOAD=1\r\nTFT_OPEN=1\r\nTFT_SPEED=0\r\n"
                              "TFT_ANIMATION=1\r\nTFT_TURN=0\r\n");
    EXPECT_EQ(first.tempUnit, 1);
    EXPECT_EQ(first.autoStart, 1);
    EXPECT_EQ(first.tftOptions[TFT_SPEED], 0);
    EXPECT_EQ(first.tftOptions[TFT_ANIMATION], 1);

    // Hand edits and a change made by the program: the next start reads them as they stand.
    WriteSetting(*file, L"TFT_SPEED", 2);
    WriteFile(path, ReadFile(path) + "tft_turn = 300\r\n"); // a second, later entry: the first one counts
    Settings second = LoadSettings(*file, firstRun);
    EXPECT_FALSE(firstRun);
    EXPECT_EQ(second.tftOptions[TFT_SPEED], 2);
    EXPECT_EQ(second.tftOptions[TFT_TURN], 0);
}

TEST(Settings, AFileWithOnlyTheSectionReadsAllZerosAndIsNotRepaired)
{
    TemporaryDirectory dir;
    const std::string path = dir.Path("Setting.ini");
    WriteFile(path, "[ZELVANE SETTINGS]\r\n");
    auto file = OpenProfileFile(Wide(path));
    bool firstRun = true;
    const Settings settings = LoadSettings(*file, firstRun);
    EXPECT_FALSE(firstRun);
    EXPECT_EQ(settings.tempUnit, 0);
    EXPECT_EQ(settings.autoStart, 0);
    EXPECT_EQ(settings.tftOptions.bytes, TftOptions{}.bytes);
    EXPECT_EQ(ReadFile(path), "[ZELVANE SETTINGS]\r\n");
}

TEST(ProfileFile, LooksUpAndWritesLikeTheWindowsProfileFunctions)
{
    TemporaryDirectory dir;
    const std::string path = dir.Path("Setting.ini");
    auto file = OpenProfileFile(Wide(path));
    EXPECT_FALSE(file->Exists());
    EXPECT_EQ(file->ReadString(L"ZELVANE SETTINGS", L"TEMPERATURE"), L"");

    WriteFile(path, "; made by hand\r\n[Other]\r\nTEMPERATURE=7\r\n[zelvane settings]\r\n  Temperature =  \"0\"  \r\n"
                    "NAME = two  words \r\nbroken line\r\n[Last]\r\nx=1\r\n");
    EXPECT_TRUE(file->Exists());
    EXPECT_EQ(file->ReadString(L"ZELVANE SETTINGS", L"TEMPERATURE"), L"0");
    EXPECT_EQ(file->ReadString(L"ZELVANE SETTINGS", L"name"), L"two  words");
    EXPECT_EQ(file->ReadString(L"ZELVANE SETTINGS", L"x"), L"");
    EXPECT_EQ(file->ReadString(L"Missing", L"x"), L"");

    // A write replaces the key in its own section, or adds it after the section's last key.
    ASSERT_TRUE(file->WriteString(L"ZELVANE SETTINGS", L"TEMPERATURE", L"1"));
    ASSERT_TRUE(file->WriteString(L"ZELVANE SETTINGS", L"TFT_TURN", L"2"));
    EXPECT_EQ(ReadFile(path), "; made by hand\r\n[Other]\r\nTEMPERATURE=7\r\n[zelvane settings]\r\nTEMPERATURE=1\r\n"
                              "NAME = two  words \r\nTFT_TURN=2\r\nbroken line\r\n[Last]\r\nx=1\r\n");

    // Long values come back cut to the read buffer.
    ASSERT_TRUE(file->WriteString(L"Last", L"long", std::wstring(400, L'7')));
    EXPECT_EQ(file->ReadString(L"Last", L"long"), std::wstring(kProfileValueChars - 1, L'7'));
}

TEST(ProfileFile, AnUnwritableFolderFailsAndLeavesNothingBehind)
{
    auto file = OpenProfileFile(L"/nonexistent-folder/Setting.ini");
    EXPECT_FALSE(file->WriteString(L"S", L"k", L"1"));
    EXPECT_FALSE(file->Exists());
}

class FakeRunKey final : public IRunKey {
public:
    std::vector<std::wstring> log;
    bool SetValue(const std::wstring& name, const std::wstring& data) override
    {
        log.push_back(L"set " + name + L" " + data);
        return true;
    }
    bool DeleteValue(const std::wstring& name) override
    {
        log.push_back(L"delete " + name);
        return true;
    }
};

TEST(AutoStart, WritesTheQuotedFullPathOrDeletesTheValue)
{
    const std::wstring longPath = L"C:\\Program Files\\" + std::wstring(300, L'x') + L"\\KX-DUNVALE.exe";
    FakeRunKey key;
    SetAutoStart(&key, L"C:\\Program Files\\Zelvane\\KX-DUNVALE.exe", 1);
    SetAutoStart(&key, longPath, 1);
    SetAutoStart(&key, longPath, 0);
    SetAutoStart(&key, longPath, 2); // neither
    SetAutoStart(nullptr, longPath, 1); // no key (no rights): nothing, silently
    EXPECT_EQ(key.log, (std::vector<std::wstring>{
                           L"set Zelvane \"C:\\Program Files\\Zelvane\\KX-DUNVALE.exe\"",
                           L"set Zelvane \"" + longPath + L"\"",
                           L"delete Zelvane",
                       }));
}

} // namespace

namespace {

struct UnitRecorder final : ITemperatureUnitListener {
    std::vector<int> units;
    void SetTemperatureUnit(std::uint8_t unit) override { units.push_back(unit); }
};

TEST(SettingsOwner, FirstRunTurnsAutostartOnAndTheGeneralSettingsAreWrittenAtOnce)
{
    TemporaryDirectory dir;
    const std::string path = dir.Path("Setting.ini");
    FakeRunKey runKey;
    auto lend = [&] {
        struct Lent final : IRunKey {
            explicit Lent(IRunKey& key) : key(key) {}
            bool SetValue(const std::wstring& n, const std::wstring& d) override { return key.SetValue(n, d); }
            bool DeleteValue(const std::wstring& n) override { return key.DeleteValue(n); }
            IRunKey& key;
        };
        return std::unique_ptr<IRunKey>(std::make_unique<Lent>(runKey));
    };
    const std::wstring exe = L"C:\\Zelvane\\KX-DUNVALE.exe";

    CSettingsOwner first(OpenProfileFile(Wide(path)), lend, exe);
    first.LoadSettings();
    EXPECT_EQ(runKey.log, std::vector<std::wstring>{L"set Zelvane \"C:\\Zelvane\\KX-DUNVALE.exe\""});

    // The next start reads the file and leaves the Run value alone, even one deleted by hand.
    runKey.log.clear();
    CSettingsOwner owner(OpenProfileFile(Wide(path)), lend, exe);
    owner.LoadSettings();
    EXPECT_TRUE(runKey.log.empty());
    EXPECT_EQ(owner.m_nTempUnit, 1);

    UnitRecorder monitorPage, displayPage;
    owner.AddTemperatureUnitListener(&monitorPage);
    owner.AddTemperatureUnitListener(&displayPage);
    owner.ApplySetting(kTemperatureUnitSetting, 0); // Fahrenheit
    owner.ApplySetting(kAutoStartSetting, 0); // autostart off
    owner.ApplySetting(2, 1); // nothing
    EXPECT_EQ(owner.ReadSetting(kTemperatureKey), 0);
    EXPECT_EQ(owner.ReadSetting(kAutoStartKey), 0);
    EXPECT_EQ(owner.m_nTempUnit, 0);
    EXPECT_EQ(owner.m_bAutoStart, 0);
    EXPECT_EQ(monitorPage.units, std::vector<int>{0});
    EXPECT_EQ(displayPage.units, std::vector<int>{0});
    EXPECT_EQ(runKey.log, std::vector<std::wstring>{L"delete Zelvane"});
}

} // namespace
