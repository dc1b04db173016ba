#include <gtest/gtest.h>

#include "controls/button_hover_tracker.h"
#include "controls/button_look.h"
#include "controls/button_pictures.h"
#include "controls/mem_dc_rect.h"

namespace {

using enum ButtonLook;

TEST(ButtonLook, SelectedThenCheckBoxThenHeldThenHover)
{
    struct Case {
        const char* name;
        ButtonLookInputs inputs;
        ButtonLook lastShown;
        ButtonLook expected;
    };
    // Fields: selected, checkBox, check, held, hover.
    const Case cases[] = {
        {"plain button at rest", {false, false, 0, false, false}, Pressed, Normal},
        {"plain button under the mouse", {false, false, 0, false, true}, Normal, Hover},
        {"plain button held beats hover", {false, false, 0, true, true}, Hover, Pressed},
        {"plain button ignores its check state", {false, false, 1, false, false}, Normal, Normal},
        {"selected beats everything", {true, true, 0, false, true}, Normal, Pressed},
        {"selected while not held and not hovered", {true, false, 0, false, false}, Normal, Pressed},
        {"check box checked, mouse over it", {false, true, 1, false, true}, Normal, Pressed},
        {"check box checked, mouse gone", {false, true, 1, false, false}, Normal, Pressed},
        {"check box unchecked, held and hovered", {false, true, 0, true, true}, Pressed, Normal},
        {"check box with state 7 keeps pressed", {false, true, 7, false, true}, Pressed, Pressed},
        {"check box with state -1 keeps normal", {false, true, -1, true, false}, Normal, Normal},
        {"check box with state 2 never turns into hover", {false, true, 2, false, true}, Hover, Hover},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseButtonLook(c.inputs, c.lastShown), c.expected) << c.name;
}

TEST(ButtonLook, PictureNamesFollowTheBaseName)
{
    EXPECT_EQ(ButtonPicturesFromBase(L"C:\\Program Files\\Zelvane\\Resources\\", L"Temp0"),
              (ButtonPictureFiles{L"C:\\Program Files\\Zelvane\\Resources\\Temp0.png",
                                  L"C:\\Program Files\\Zelvane\\Resources\\Temp0_P.png",
                                  L"C:\\Program Files\\Zelvane\\Resources\\Temp0_H.png"}));
    EXPECT_EQ(ButtonPicturesFromBase(L"", L"Start"), (ButtonPictureFiles{L"Start.png", L"Start_P.png", L"Start_H.png"}));
}

TEST(ButtonHoverTracker, HoverLastsFromTheHoverNoticeToTheLeaveNotice)
{
    CButtonHoverTracker tracker;
    EXPECT_TRUE(tracker.NeedsTrackRequest());
    tracker.OnTrackRequested(true);
    EXPECT_FALSE(tracker.NeedsTrackRequest()) << "one request at a time";
    EXPECT_FALSE(tracker.IsHover()) << "moving is not yet resting";

    tracker.OnMouseHover();
    EXPECT_TRUE(tracker.IsHover());
    EXPECT_FALSE(tracker.NeedsTrackRequest());

    tracker.OnMouseLeave();
    EXPECT_FALSE(tracker.IsHover());
    EXPECT_TRUE(tracker.NeedsTrackRequest()) << "the next entry asks again";
}

TEST(ButtonHoverTracker, ARefusedRequestIsAskedAgainAtTheNextMove)
{
    CButtonHoverTracker tracker;
    tracker.OnTrackRequested(false);
    EXPECT_TRUE(tracker.NeedsTrackRequest());
}

TEST(MemDcBuffer, CoversTheGivenRectangleOrTheClipBoxWhenItIsEmpty)
{
    const PixelRect clip{0, 0, 300, 200};
    EXPECT_EQ(ChooseBufferRect({}, clip), clip);
    EXPECT_EQ(ChooseBufferRect({0, 0, 40, 30}, clip), (PixelRect{0, 0, 40, 30}));
    EXPECT_EQ(ChooseBufferRect({5, 0, 5, 0}, clip), (PixelRect{5, 0, 5, 0})) << "empty in size but not all zeros";
}

} // namespace
