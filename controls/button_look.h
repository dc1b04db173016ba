// Which of its three looks a skinned button shows.
#pragma once

#include <cstdint>

enum class ButtonLook { Normal, Pressed, Hover };

// What the button knows when it paints. Mirrors CButtonEx's members and the item state it is given.
struct ButtonLookInputs {
    bool selected = false;   // m_bSelected: shown pressed whatever the mouse does
    bool checkBox = false;   // m_bCheckBox: the look follows m_nCheck
    std::int32_t check = 0;  // m_nCheck: 0 unchecked, 1 checked, anything else keeps the last look
    bool held = false;       // the owner-draw item state says the button is held down
    bool hover = false;      // the mouse rests over the button
};

// Precedence: selected, then check-box mode, then the push button's held / hover / normal.
// `lastShown` is the look the previous paint showed (normal before the first one); a check state
// other than 0 or 1 keeps it. A selected or check-box button never shows the hover look.
ButtonLook ChooseButtonLook(const ButtonLookInputs& inputs, ButtonLook lastShown);
