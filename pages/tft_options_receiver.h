// Where the display page sends its options: the monitor page's rotation scheduler. The display page
// reaches it through its parent window, which implements this.
#pragma once

#include "device/tft_options.h"

class ITftOptionsReceiver {
public:
    virtual ~ITftOptionsReceiver() = default;
    virtual void SetTftOptions(const TftOptions& options) = 0;
};
