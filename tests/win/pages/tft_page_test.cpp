// The display page in-process under Wine. Its navigation button stays hidden in the program, so the
// tests press its buttons with BM_CLICK. Every picture of the test skin has a size of its own, so the
// size of a view or button tells which picture it holds.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "fake_profile_file.h"
#include "fake_serial_port_layer.h"
#include "fake_hid_layer.h"
#include "pages/monitor_page.h"
#include "pages/tft_page.h"
#include "png_file.h"
#include "res/resource.h"
#include "temporary_directory.h"
#include "ui/gdiplus_session.h"

namespace {

struct Size {
    int width, height;
    friend bool operator==(const Size&, const Size&) = default;
};

// The test skin: every file the page loads, each of a distinct size.
const std::map<std::wstring, Size> kSkin = [] {
    std::map<std::wstring, Size> skin = {
        {L"Open.png", {46, 26}},      {L"Open_H.png", {46, 26}},      {L"Speed.png", {34, 14}},
        {L"Speed_H.png", {34, 14}},   {L"Animation.png", {44, 44}},   {L"Animation_P.png", {44, 44}},
        {L"Animation_H.png", {44, 44}}, {L"Turn.png", {44, 44}},      {L"Turn_P.png", {44, 44}},
        {L"Turn_H.png", {44, 44}},    {L"CBox.png", {56, 28}},        {L"CBox_H.png", {57, 28}},
        {L"GBox.png", {58, 28}},      {L"GBox_H.png", {59, 28}},      {L"Tft_Cpu.png", {140, 160}},
        {L"Tft_Gpu.png", {141, 160}},
    };
    const wchar_t* previews[] = {L"CTempF", L"CTempC", L"CFreq", L"CRpm",  L"CPower",
                                 L"GTempF", L"GTempC", L"GFreq", L"GRpm", L"GPower"};
    for (int i = 0; i < 10; ++i) {
        skin[std::wstring(previews[i]) + L"_H.png"] = {200 + i, 150};
        skin[std::wstring(previews[i]) + L"_V.png"] = {150, 200 + i};
    }
    return skin;
}();

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// The main window's part: it hosts the pages and passes the display page's options to its monitor
// page.
class TestMainWindow final : public CWnd, public ITftOptionsReceiver {
public:
    CHDMonDlg* monitorPage = nullptr;
    void SetTftOptions(const TftOptions& options) override { monitorPage->SetTftOptions(options); }
};

// Lends the test's settings file to the page.
struct LentProfileFile final : IProfileFile {
    explicit LentProfileFile(IProfileFile& file) : file(file) {}
    bool Exists() const override { return file.Exists(); }
    std::wstring ReadString(const std::wstring& s, const std::wstring& k) const override { return file.ReadString(s, k); }
    bool WriteString(const std::wstring& s, const std::wstring& k, const std::wstring& v) override
    {
        return file.WriteString(s, k, v);
    }
    IProfileFile& file;
};

TftOptions FirstRunOptions()
{
    TftOptions options;
    options.bytes = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0};
    return options;
}

class TftPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto& [name, size] : kSkin) {
            Gdiplus::Bitmap bitmap(size.width, size.height, PixelFormat32bppARGB);
            ASSERT_TRUE(SavePng(bitmap, skinPath + name));
        }
        ASSERT_TRUE(parent.CreateEx(0, nullptr, L"test main window", WS_POPUP, RECT{0, 0, 1049, 600}, nullptr, 0));
        monitor = std::make_unique<CHDMonDlg>(&parent, std::make_unique<FakeSerialPortLayer>(std::vector<FakePortSpec>{}),
                                              std::make_unique<FakeHidLayer>());
        parent.monitorPage = monitor.get();
        page = std::make_unique<CTftDlg>(&parent, parent, [this](const std::wstring& path) {
            iniPath = path;
            return std::make_unique<LentProfileFile>(file);
        });
    }
    void TearDown() override
    {
        page.reset();
        monitor.reset();
        parent.DestroyWindow();
    }

    // As the main window sets the page up, hidden; then shown, as its navigation would.
    void SetOptions(const TftOptions& options, std::uint8_t unit = 1)
    {
        page->SetOptions(skinPath, L"C:\\app\\Setting.ini", unit, options);
    }
    void Open(const TftOptions& options, std::uint8_t unit = 1)
    {
        SetOptions(options, unit);
        page->ShowWindow(SW_SHOW);
        file.writes.clear();
    }
    void Click(UINT id) { SendMessageW(page->GetDlgItem(static_cast<int>(id)), BM_CLICK, 0, 0); }
    static Size SizeOf(const CImageEx& view) { return {view.Width(), view.Height()}; }
    static Size WindowSize(const CWnd& window)
    {
        const RECT rect = window.GetWindowRect();
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    static POINT PlaceOf(const CWnd& window)
    {
        const RECT rect = window.GetRectInParent();
        return {rect.left, rect.top};
    }
    static bool Shown(const CWnd& window) { return (window.GetStyle() & WS_VISIBLE) != 0; }
    const CRotationScheduler& Scheduler() const { return monitor->Link().Scheduler(); }

    CGdiplusSession gdiplus;
    TemporaryDirectory directory;
    std::wstring skinPath = Wide(directory.Path(""));
    FakeProfileFile file;
    std::wstring iniPath;
    TestMainWindow parent;
    std::unique_ptr<CHDMonDlg> monitor;
    std::unique_ptr<CTftDlg> page;
};

TEST_F(TftPage, ShowsTheStoredOptionsInTheCpuGroup)
{
    TftOptions options = FirstRunOptions();
    options[TFT_CFREQ] = 0;
    options[TFT_SPEED] = 1;
    // The pictures wait until the page is first shown; a unit change meanwhile is not lost.
    SetOptions(options, 0);
    page->SetTemperatureUnit(1);
    EXPECT_EQ(SizeOf(page->Preview()), (Size{0, 0}));
    page->ShowWindow(SW_SHOW);
    EXPECT_EQ(iniPath, L"C:\\app\\Setting.ini");
    EXPECT_EQ(page->Button(IDC_TFT_CPU_TEMP).m_nCheck, 1);
    EXPECT_EQ(page->Button(IDC_TFT_CPU_CLOCK).m_nCheck, 0);
    EXPECT_TRUE(page->Button(IDC_TFT_CPU_CLOCK).m_bCheckBox);
    EXPECT_EQ(PlaceOf(page->Button(IDC_TFT_CPU_POWER)).y, 250);
    EXPECT_TRUE(Shown(page->Button(IDC_TFT_CPU_TEMP)));
    EXPECT_FALSE(Shown(page->Button(IDC_TFT_GPU_TEMP)));
    EXPECT_TRUE(Shown(page->CpuPicture()));
    EXPECT_FALSE(Shown(page->GpuPicture()));
    EXPECT_EQ(WindowSize(page->Button(IDC_TFT_CPU_TAB)), kSkin.at(L"CBox.png"));
    EXPECT_EQ(WindowSize(page->Button(IDC_TFT_GPU_TAB)), kSkin.at(L"GBox.png"));
    EXPECT_TRUE(page->Button(IDC_TFT_ANIMATION).m_bSelected);
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"CTempC_H.png"));
    EXPECT_EQ(PlaceOf(page->Preview()).x, 470);
    EXPECT_EQ(PlaceOf(page->Preview()).y, 130);
    EXPECT_TRUE(file.writes.empty());
}

TEST_F(TftPage, AnItemClickFlipsWritesAndPreviewsItAndReachesTheScheduler)
{
    Open(FirstRunOptions());
    Click(IDC_TFT_CPU_FAN);
    EXPECT_EQ(file.writes, std::vector<std::wstring>{L"ZELVANE SETTINGS/TFT_CTRPM=0"});
    EXPECT_EQ(page->Button(IDC_TFT_CPU_FAN).m_nCheck, 0);
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"CRpm_H.png"));
    EXPECT_EQ(WindowSize(page->Preview()), kSkin.at(L"CRpm_H.png"));
    EXPECT_EQ(Scheduler().ItemFlag(DisplayItem::CpuFan), 0);
    EXPECT_EQ(Scheduler().ItemFlag(DisplayItem::CpuTemp), 1);

    Click(IDC_TFT_CPU_FAN);
    EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_CTRPM=1");
    EXPECT_EQ(page->Button(IDC_TFT_CPU_FAN).m_nCheck, 1);
    EXPECT_EQ(Scheduler().ItemFlag(DisplayItem::CpuFan), 1);
}

TEST_F(TftPage, MasterSwitchWritesNineKeysAndLeavesTheLoadItems)
{
    TftOptions options{};
    options[TFT_CLOAD] = 1;
    options[TFT_CTEMP] = 1;
    Open(options);
    Click(IDC_TFT_OPEN);
    EXPECT_EQ(file.writes, (std::vector<std::wstring>{
                               L"ZELVANE SETTINGS/TFT_OPEN=1", L"ZELVANE SETTINGS/TFT_CTEMP=1",
                               L"ZELVANE SETTINGS/TFT_CFREQ=1", L"ZELVANE SETTINGS/TFT_CTRPM=1",
                               L"ZELVANE SETTINGS/TFT_CPOWER=1", L"ZELVANE SETTINGS/TFT_GTEMP=1",
                               L"ZELVANE SETTINGS/TFT_GFREQ=1", L"ZELVANE SETTINGS/TFT_GTRPM=1",
                               L"ZELVANE SETTINGS/TFT_GPOWER=1",
                           }));
    for (UINT id = IDC_TFT_CPU_TEMP; id <= IDC_TFT_GPU_POWER; ++id)
        EXPECT_EQ(page->Button(id).m_nCheck, 1) << id;
    EXPECT_EQ(page->Button(IDC_TFT_OPEN).m_nCheck, 1);
    EXPECT_EQ(page->Options()->bytes[TFT_CLOAD], 1);
    EXPECT_EQ(page->Options()->bytes[TFT_GLOAD], 0);
    EXPECT_EQ(Scheduler().ItemFlag(DisplayItem::GpuPower), 1);
    EXPECT_EQ(Scheduler().ItemFlag(DisplayItem::GpuLoad), 0);
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"CTempC_H.png")); // the preview stays
}

TEST_F(TftPage, SpeedLevelsLightOneTwoOrThreeButtons)
{
    Open(FirstRunOptions());
    const UINT speeds[] = {IDC_TFT_SPEED1, IDC_TFT_SPEED2, IDC_TFT_SPEED3};
    const std::array<std::int32_t, 3> lit[] = {{1, 0, 0}, {1, 1, 0}, {1, 1, 1}};
    for (int level : {1, 2, 0}) {
        Click(speeds[level]);
        EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_SPEED=" + std::to_wstring(level));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(page->Button(speeds[i]).m_nCheck, lit[level][i]) << "level " << level << " button " << i;
        EXPECT_EQ(Scheduler().Speed(), level);
    }
}

TEST_F(TftPage, TurnStepsThroughFourOrientationsAndMovesThePreview)
{
    Open(FirstRunOptions());
    Click(IDC_TFT_CPU_POWER); // the preview now shows the CPU power
    struct Step {
        int turn;
        const wchar_t* picture;
        POINT place;
    };
    const Step steps[] = {{1, L"CPower_V.png", {500, 85}},  {2, L"CPower_H.png", {470, 130}},
                          {3, L"CPower_V.png", {500, 85}},  {0, L"CPower_H.png", {470, 130}},
                          {1, L"CPower_V.png", {500, 85}}};
    for (const Step& step : steps) {
        Click(IDC_TFT_TURN);
        EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_TURN=" + std::to_wstring(step.turn));
        EXPECT_EQ(Scheduler().Turn(), step.turn);
        EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(step.picture)) << step.turn;
        EXPECT_EQ(PlaceOf(page->Preview()).x, step.place.x) << step.turn;
        EXPECT_EQ(PlaceOf(page->Preview()).y, step.place.y) << step.turn;
    }
}

TEST_F(TftPage, GroupTabsAndTheUnitChooseTheTemperaturePreview)
{
    Open(FirstRunOptions());
    Click(IDC_TFT_CPU_CLOCK);
    Click(IDC_TFT_GPU_TAB);
    for (UINT id = IDC_TFT_CPU_TEMP; id <= IDC_TFT_CPU_POWER; ++id)
        EXPECT_FALSE(Shown(page->Button(id))) << id;
    for (UINT id = IDC_TFT_GPU_TEMP; id <= IDC_TFT_GPU_POWER; ++id)
        EXPECT_TRUE(Shown(page->Button(id))) << id;
    EXPECT_FALSE(Shown(page->CpuPicture()));
    EXPECT_TRUE(Shown(page->GpuPicture()));
    EXPECT_TRUE(Shown(page->Button(IDC_TFT_OPEN)));
    EXPECT_EQ(WindowSize(page->Button(IDC_TFT_CPU_TAB)), kSkin.at(L"CBox_H.png"));
    EXPECT_EQ(WindowSize(page->Button(IDC_TFT_GPU_TAB)), kSkin.at(L"GBox_H.png"));
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"GTempC_H.png"));

    // A new unit while the GPU clock is previewed: the GPU temperature in that unit.
    Click(IDC_TFT_GPU_CLOCK);
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"GFreq_H.png"));
    page->SetTemperatureUnit(0);
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"GTempF_H.png"));

    Click(IDC_TFT_CPU_TAB);
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"CTempF_H.png"));
    EXPECT_TRUE(Shown(page->Button(IDC_TFT_CPU_TEMP)));
    EXPECT_EQ(file.writes.size(), 2u); // the two item clicks; tabs and the unit write nothing here
}

TEST_F(TftPage, HandEditedValuesAreKeptAndHandledSafely)
{
    TftOptions options = FirstRunOptions();
    options[TFT_SPEED] = 5;
    options[TFT_TURN] = 9;
    options[TFT_ANIMATION] = 2;
    const POINT templatePlace = PlaceOf(page->Preview());
    Open(options, 7);

    // Unit 7: no temperature picture. Speed 5: check boxes, none lit. Turn 9: portrait pictures,
    // the preview left where it was. Animation 2: not selected, and clicks do nothing.
    EXPECT_EQ(SizeOf(page->Preview()), (Size{0, 0}));
    for (UINT id : {IDC_TFT_SPEED1, IDC_TFT_SPEED2, IDC_TFT_SPEED3}) {
        EXPECT_TRUE(page->Button(id).m_bCheckBox);
        EXPECT_EQ(page->Button(id).m_nCheck, 0);
    }
    EXPECT_FALSE(page->Button(IDC_TFT_ANIMATION).m_bSelected);
    Click(IDC_TFT_ANIMATION);
    EXPECT_TRUE(file.writes.empty());
    EXPECT_EQ(page->Options()->bytes[TFT_ANIMATION], 2);

    // The next change passes the odd values on as they are.
    Click(IDC_TFT_CPU_CLOCK);
    EXPECT_EQ(Scheduler().Speed(), 5);
    EXPECT_EQ(Scheduler().Turn(), 9);
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"CFreq_V.png"));
    EXPECT_EQ(PlaceOf(page->Preview()).x, templatePlace.x);
    EXPECT_EQ(PlaceOf(page->Preview()).y, templatePlace.y);

    Click(IDC_TFT_TURN); // wraps to 0: landscape, moved
    EXPECT_EQ(file.writes.back(), L"ZELVANE SETTINGS/TFT_TURN=0");
    EXPECT_EQ(SizeOf(page->Preview()), kSkin.at(L"CFreq_H.png"));
    EXPECT_EQ(PlaceOf(page->Preview()).x, 470);

    // Enter and Escape never reach the page's dialog handling.
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG msg{page->GetDlgItem(IDC_TFT_TURN), WM_KEYDOWN, key, 0, 0, {0, 0}};
        EXPECT_TRUE(CWnd::WalkPreTranslateTree(msg));
    }
}

} // namespace
