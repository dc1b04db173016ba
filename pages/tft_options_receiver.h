// Where the display page sends its options: on to the monitor page's rotation scheduler. The main
// window implements it (it owns the monitor page); the display page is given it at construction.
#pragma once

#include "device/tft_options.h"

class ITftOptionsReceiver {
public:
    virtual ~ITftOptionsReceiver() = default;
    virtual void SetTftOptions(const TftOptions& options) = 0;
};
