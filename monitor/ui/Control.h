// Control.h - base of our control classes: a subclassed child window that owns its state.
#pragma once

#include <windows.h>

// Attaches to a control of a dialog template and receives its messages first.
// The dialog reflects owner-draw and notification messages back to it.
class CControl {
public:
    CControl() = default;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;
    virtual ~CControl();

    bool Attach(HWND dialog, int id);
    bool Attach(HWND window);
    void Detach();
    HWND Handle() const { return hwnd_; }
    int Id() const { return GetDlgCtrlID(hwnd_); }

    // The control object attached to a window, or null.
    static CControl* FromHandle(HWND window);

    // Messages the parent reflects: WM_DRAWITEM, WM_MEASUREITEM, WM_NOTIFY, WM_CTLCOLOR*.
    // Return true when handled, with the result in `result`.
    virtual bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

protected:
    // The control's own messages; call Default() for what is not handled.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void OnAttached() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
};
