// The settings popup in-process, run modally as the main window runs it; the test acts from a
// timer while the popup's own loop runs, and moves the real cursor.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <vector>

#include "pages/settings_popup.h"
#include "res/resource.h"
#include "ui/gdiplus_session.h"

namespace {

using namespace std::chrono;

// The program's own pictures: the buttons take their sizes, so that clicks land on them.
const std::wstring kSkinPath = L"" RESOURCES_DIR;

struct Applied {
    int which, value;
    friend bool operator==(const Applied&, const Applied&) = default;
};

class TestMainWindow final : public CWnd, public ISettingsPopupOwner {
public:
    std::vector<Applied> applied;
    void ApplySetting(int which, std::uint8_t value) override { applied.push_back({which, value}); }
};

// Steps run one after the other from a thread timer, each after its delay, while a modal loop runs.
class ScriptedSteps {
public:
    struct Step {
        milliseconds delay;
        std::function<void()> action;
    };
    explicit ScriptedSteps(std::vector<Step> steps) : m_Steps(std::move(steps))
    {
        s_pRunning = this;
        m_Due = steady_clock::now() + m_Steps.front().delay;
        m_Timer = SetTimer(nullptr, 0, 20, &ScriptedSteps::OnTimer);
    }
    ~ScriptedSteps()
    {
        KillTimer(nullptr, m_Timer);
        s_pRunning = nullptr;
    }
    bool Finished() const { return m_Next == m_Steps.size(); }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD)
    {
        ScriptedSteps* self = s_pRunning;
        if (!self || self->Finished() || steady_clock::now() < self->m_Due)
            return;
        const std::size_t step = self->m_Next++;
        if (!self->Finished())
            self->m_Due = steady_clock::now() + self->m_Steps[self->m_Next].delay;
        self->m_Steps[step].action();
    }

    static inline ScriptedSteps* s_pRunning = nullptr;
    std::vector<Step> m_Steps;
    std::size_t m_Next = 0;
    steady_clock::time_point m_Due;
    UINT_PTR m_Timer = 0;
};

class SettingsPopup : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"test main window", WS_POPUP | WS_VISIBLE, RECT{100, 100, 500, 400},
                                   nullptr, 0));
        SetCursorPos(kInside.x, kInside.y);
    }
    void TearDown() override { owner.DestroyWindow(); }

    void Click(CSettingDlg& popup, UINT id) { SendMessageW(popup.GetDlgItem(static_cast<int>(id)), BM_CLICK, 0, 0); }

    // Below the owner's "settings button" at (300, 120) - (334, 158).
    static constexpr RECT kButton = {300, 120, 334, 158};
    static constexpr RECT kPlace = {300, 158, 300 + 82, 158 + 101};
    static constexpr POINT kInside = {302, 253}; // in the popup, on none of its buttons
    static constexpr POINT kOutside = {700, 700};

    CGdiplusSession gdiplus;
    TestMainWindow owner;
};

TEST_F(SettingsPopup, ClicksApplyAtOnceAndTheCursorLeavingClosesIt)
{
    CSettingDlg popup(&owner, owner, kPlace, kButton);
    popup.SetState(kSkinPath, 1, 0);
    steady_clock::time_point left;
    ScriptedSteps steps({
        {milliseconds(100),
         [&] {
             const RECT window = popup.GetWindowRect();
             EXPECT_EQ(window.left, kPlace.left);
             EXPECT_EQ(window.top, kPlace.top);
             EXPECT_EQ(window.right, kPlace.right);
             EXPECT_EQ(window.bottom, kPlace.bottom);
             EXPECT_TRUE(popup.Button(IDC_CELSIUS).m_bSelected);
             EXPECT_FALSE(popup.Button(IDC_FAHRENHEIT).m_bSelected);
             EXPECT_FALSE(popup.Button(IDC_AUTOSTART).m_bSelected);
             EXPECT_FALSE(popup.Button(IDC_SETTINGS_OK).IsWindowVisible());
             Click(popup, IDC_FAHRENHEIT);
             EXPECT_TRUE(popup.Button(IDC_FAHRENHEIT).m_bSelected);
             EXPECT_FALSE(popup.Button(IDC_CELSIUS).m_bSelected);
             Click(popup, IDC_FAHRENHEIT); // the selected unit again is applied again
             Click(popup, IDC_AUTOSTART);
             EXPECT_TRUE(popup.Button(IDC_AUTOSTART).m_bSelected);
             Click(popup, IDC_AUTOSTART);
             Click(popup, IDC_VERSION);
             // Enter and Escape, as the keyboard would send them to the focused popup.
             popup.PostMessage(WM_KEYDOWN, VK_RETURN, 0);
             popup.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
         }},
        // Still open after the keys and several cursor checks with the cursor inside.
        {milliseconds(700),
         [&] {
             EXPECT_TRUE(IsWindow(popup.GetSafeHwnd()) && popup.IsWindowVisible());
             SetCursorPos(kOutside.x, kOutside.y);
             left = steady_clock::now();
         }},
        {seconds(5), [&] { ADD_FAILURE() << "the popup stayed open with the cursor outside"; popup.EndDialog(IDOK); }},
    });
    EXPECT_EQ(popup.DoModal(), IDCANCEL);
    EXPECT_LT(steady_clock::now() - left, milliseconds(1000));
    EXPECT_EQ(owner.applied, (std::vector<Applied>{{0, 0}, {0, 0}, {1, 1}, {1, 0}}));
}

TEST_F(SettingsPopup, HandEditedValuesShowCelsiusAndIgnoreTheAutostartButton)
{
    CSettingDlg popup(&owner, owner, kPlace, kButton);
    popup.SetState(kSkinPath, 7, 7);
    ScriptedSteps steps({
        {milliseconds(100),
         [&] {
             EXPECT_TRUE(popup.Button(IDC_CELSIUS).m_bSelected);
             EXPECT_FALSE(popup.Button(IDC_FAHRENHEIT).m_bSelected);
             EXPECT_FALSE(popup.Button(IDC_AUTOSTART).m_bSelected);
             Click(popup, IDC_AUTOSTART);
             EXPECT_FALSE(popup.Button(IDC_AUTOSTART).m_bSelected);
             popup.EndDialog(IDOK);
         }},
    });
    EXPECT_EQ(popup.DoModal(), IDOK);
    EXPECT_TRUE(owner.applied.empty());
}

TEST_F(SettingsPopup, OnItsButtonItStaysOpenUntilASystemTimerMessageSeesTheCursorOutside)
{
    CSettingDlg popup(&owner, owner, kPlace, kButton);
    popup.SetState(kSkinPath, 1, 1);
    // Where the click that opened it left the cursor.
    SetCursorPos(kButton.left + 5, kButton.top + 5);
    steady_clock::time_point posted;
    ScriptedSteps steps({
        {milliseconds(800),
         [&] {
             EXPECT_TRUE(IsWindow(popup.GetSafeHwnd()) && popup.IsWindowVisible())
                 << "closed while the cursor was on the button that opened it";
             popup.PostMessage(CSettingDlg::kSystemTimerMessage, 0, 0);
             posted = steady_clock::now();
         }},
        {seconds(5), [&] { ADD_FAILURE() << "the system timer message did not close the popup"; popup.EndDialog(IDOK); }},
    });
    EXPECT_EQ(popup.DoModal(), IDCANCEL);
    EXPECT_LT(steady_clock::now() - posted, milliseconds(500));
}

} // namespace
