#include "controls/button_look.h"

ButtonLook ChooseButtonLook(const ButtonLookInputs& inputs, ButtonLook lastShown)
{
    if (inputs.selected)
        return ButtonLook::Pressed;
    if (inputs.checkBox) {
        switch (inputs.check) {
        case 0:
            return ButtonLook::Normal;
        case 1:
            return ButtonLook::Pressed;
        default:
            return lastShown;
        }
    }
    if (inputs.held)
        return ButtonLook::Pressed;
    if (inputs.hover)
        return ButtonLook::Hover;
    return ButtonLook::Normal;
}
