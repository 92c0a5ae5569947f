// Control.cpp - subclassing and message reflection for our controls.
#include "monitor/ui/Control.h"

namespace {
constexpr const char* kControlProperty = "VelmoraControl";
}

CControl::~CControl() { Detach(); }

bool CControl::Attach(HWND dialog, int id) { return Attach(GetDlgItem(dialog, id)); }

bool CControl::Attach(HWND window) {
    if (!window || hwnd_ || FromHandle(window)) return false;
    hwnd_ = window;
    SetPropA(window, kControlProperty, this);
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
    OnAttached();
    return true;
}

void CControl::Detach() {
    if (!hwnd_) return;
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        RemovePropA(hwnd_, kControlProperty);
    }
    hwnd_ = nullptr;
    original_ = nullptr;
}

CControl* CControl::FromHandle(HWND window) {
    return window ? static_cast<CControl*>(GetPropA(window, kControlProperty)) : nullptr;
}

bool CControl::OnReflected(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK CControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CControl* self = FromHandle(hwnd);
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC original = self->original_;
        self->Detach();
        return CallWindowProcA(original, hwnd, message, wParam, lParam);
    }
    return self->WindowProc(message, wParam, lParam);
}
