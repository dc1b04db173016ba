// The application object: one copy per machine, GDI+ around the main window's modal run.
#pragma once

#include <optional>

#include "ui/gdiplus_session.h"
#include "ui/win_app.h"

class CCZelvaneApp : public CWinApp {
public:
    static constexpr const wchar_t* kInstanceMutexName = L"ZUD mutex";

    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    std::optional<CGdiplusSession> m_GdiplusSession;
};
