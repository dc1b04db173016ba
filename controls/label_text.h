// The text of a transparent label (CStaticEx): set from the UI thread or the monitor worker, read
// by the UI thread's painting.
#pragma once

#include <mutex>
#include <string>

class CLabelText {
public:
    // Stores `text` as the text to show. When the label has a window and `text` differs from the
    // text last passed to the screen (exact, character by character), it becomes that text and the
    // result is true: the window class invalidates the label with erase, so the saved background
    // wipes the old text. Equal text, or a label without a window, gives false; without a window
    // the text last passed to the screen stays as it was.
    bool SetText(std::wstring text, bool hasWindow);

    // The text to paint, copied whole under the lock.
    std::wstring Text() const;

private:
    mutable std::mutex m_Lock;
    std::wstring m_strText;
    std::wstring m_strShownText;
};
