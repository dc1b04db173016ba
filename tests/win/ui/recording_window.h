// A window object that writes every handler call into a shared log ("Timer 7", "MouseMove -3,5"),
// then does what the base class does.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/wnd.h"

using CallLog = std::vector<std::string>;

// The entries of a log whose call (after "name.") starts with one of `calls`: for windows that also
// see the system's own traffic (painting, mouse moves over a window that appears under the pointer).
inline CallLog Matching(const CallLog& log, std::initializer_list<std::string_view> calls)
{
    CallLog kept;
    for (const std::string& entry : log) {
        const std::size_t dot = entry.find('.');
        const std::string_view call = std::string_view(entry).substr(dot == std::string::npos ? 0 : dot + 1);
        for (std::string_view wanted : calls) {
            if (call.substr(0, wanted.size()) == wanted) {
                kept.push_back(entry);
                break;
            }
        }
    }
    return kept;
}

inline std::string PointText(POINT point)
{
    return std::to_string(point.x) + "," + std::to_string(point.y);
}

template <class TBase = CWnd>
class CRecording : public TBase {
public:
    // Further arguments go to the base class (a dialog's template id and parent).
    template <class... TBaseArgs>
    explicit CRecording(CallLog& log, std::string name = {}, TBaseArgs&&... baseArgs)
        : TBase(std::forward<TBaseArgs>(baseArgs)...), m_log(log), m_name(std::move(name))
    {
    }

    bool CreateTopLevel(DWORD style = WS_POPUP)
    {
        return this->CreateEx(0, nullptr, L"test", style, RECT{0, 0, 200, 150}, nullptr, 0);
    }
    bool CreateChild(CWnd& parent, UINT id)
    {
        return this->CreateEx(0, nullptr, L"child", WS_CHILD | WS_VISIBLE, RECT{5, 5, 60, 30}, parent.GetSafeHwnd(),
                              id);
    }

    CallLog& m_log;
    std::string m_name;

protected:
    void Record(const std::string& call) { m_log.push_back(m_name.empty() ? call : m_name + "." + call); }

    void PreSubclassWindow() override
    {
        Record(this->GetSafeHwnd() != nullptr ? "PreSubclassWindow" : "PreSubclassWindow unbound");
    }
    void PostNcDestroy() override { Record("PostNcDestroy"); }
    int OnCreate(CREATESTRUCTW& create) override
    {
        Record("Create");
        return TBase::OnCreate(create);
    }
    void OnDestroy() override
    {
        Record("Destroy");
        TBase::OnDestroy();
    }
    void OnSize(UINT type, int width, int height) override
    {
        Record("Size " + std::to_string(type) + " " + std::to_string(width) + "x" + std::to_string(height));
        TBase::OnSize(type, width, height);
    }
    void OnTimer(UINT_PTR id) override
    {
        Record("Timer " + std::to_string(id));
        TBase::OnTimer(id);
    }
    void OnMouseMove(UINT flags, POINT point) override
    {
        Record("MouseMove " + std::to_string(flags) + " " + PointText(point));
        TBase::OnMouseMove(flags, point);
    }
    void OnMouseHover(UINT flags, POINT point) override
    {
        Record("MouseHover " + std::to_string(flags) + " " + PointText(point));
        TBase::OnMouseHover(flags, point);
    }
    void OnMouseLeave() override
    {
        Record("MouseLeave");
        TBase::OnMouseLeave();
    }
    void OnLButtonDown(UINT flags, POINT point) override
    {
        Record("LButtonDown " + std::to_string(flags) + " " + PointText(point));
        TBase::OnLButtonDown(flags, point);
    }
    void OnLButtonUp(UINT flags, POINT point) override
    {
        Record("LButtonUp " + std::to_string(flags) + " " + PointText(point));
        TBase::OnLButtonUp(flags, point);
    }
    void OnLButtonDblClk(UINT flags, POINT point) override
    {
        Record("LButtonDblClk " + std::to_string(flags) + " " + PointText(point));
        TBase::OnLButtonDblClk(flags, point);
    }
    BOOL OnDeviceChange(UINT event, DWORD_PTR data) override
    {
        Record("DeviceChange " + std::to_string(event) + " " + std::to_string(data));
        return TRUE;
    }
    bool OnCommand(UINT id, UINT notifyCode, HWND control) override
    {
        Record("Command " + std::to_string(id) + " " + std::to_string(notifyCode) + (control ? " child" : ""));
        return TBase::OnCommand(id, notifyCode, control);
    }
    bool OnNotify(NMHDR& header, LRESULT& result) override
    {
        Record("Notify " + std::to_string(header.code));
        return TBase::OnNotify(header, result);
    }
    bool OnDrawItem(UINT id, DRAWITEMSTRUCT& item) override
    {
        Record("DrawItem " + std::to_string(id));
        return TBase::OnDrawItem(id, item);
    }
    HBRUSH OnCtlColor(HDC hDC, HWND control, UINT message) override
    {
        Record("CtlColor " + std::to_string(message));
        return TBase::OnCtlColor(hDC, control, message);
    }
};
