// SkinStatic.cpp - the bitmap static's looks follow the mouse; the keyboard focuses and clicks it.
#include "monitor/skin/SkinStatic.h"

#include "monitor/skin/ButtonKeys.h"
#include "monitor/skin/FocusMark.h"
#include "monitor/skin/SkinCursor.h"

bool CSkinStatic::SetBitmaps(int normalId, int hoverId, int pressedId) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    normal_.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(normalId)));
    hover_.Reset(hoverId < 0 ? nullptr : LoadBitmapA(module, MAKEINTRESOURCEA(hoverId)));
    pressed_.Reset(pressedId < 0 ? nullptr : LoadBitmapA(module, MAKEINTRESOURCEA(pressedId)));
    shown_ = Look::Hover;  // force the first Show to set the image
    Show(Look::Normal);
    return bool(normal_);
}

void CSkinStatic::SetCaption(const char* caption) {
    // Past the static's own handling, which would load a bitmap of that name.
    DefWindowProcA(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption ? caption : ""));
}

void CSkinStatic::Show(Look look) {
    if (look == shown_) return;
    shown_ = look;
    HBITMAP bitmap = look == Look::Hover && hover_ ? hover_.get() : look == Look::Pressed && pressed_ ? pressed_.get() : normal_.get();
    SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

bool CSkinStatic::FocusMarkShown() const { return GetFocus() == Handle() && FocusMarksWanted(Handle()); }

void CSkinStatic::Click() {
    HWND control = Handle();
    if (!IsWindowEnabled(control) || !IsWindowVisible(control)) return;
    SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(Id(), STN_CLICKED), reinterpret_cast<LPARAM>(control));
}

LRESULT CSkinStatic::Paint(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = Default(message, wParam, lParam);
    if (!FocusMarkShown()) return result;
    HDC dc = wParam ? reinterpret_cast<HDC>(wParam) : GetDC(Handle());
    RECT box;
    GetClientRect(Handle(), &box);
    DrawFocusMark(dc, box);
    if (!wParam) ReleaseDC(Handle(), dc);
    return result;
}

LRESULT CSkinStatic::OnKeyDown(WPARAM key, LPARAM flags) {
    if (key == VK_RETURN) {
        Click();
        return 0;
    }
    if (key == VK_SPACE) {
        if (!(flags & (1 << 30))) {  // not a repeat
            spaceDown_ = true;
            Show(Look::Pressed);
        }
        return 0;
    }
    return Default(WM_KEYDOWN, key, flags);
}

LRESULT CSkinStatic::OnKeyUp(WPARAM key, LPARAM flags) {
    if (key != VK_SPACE || !spaceDown_) return Default(WM_KEYUP, key, flags);
    // As a push button: the click comes with the release, and the button shows normal again first.
    spaceDown_ = false;
    Show(Look::Normal);
    Click();
    return 0;
}

LRESULT CSkinStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        Show(Look::Pressed);
        break;
    case WM_LBUTTONUP:
        Show(Look::Hover);
        break;
    case WM_MOUSEMOVE:
        Show(Look::Hover);
        break;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && ShowHandCursor()) return TRUE;
        break;
    case WM_SETTEXT:
        SetCaption(reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_GETDLGCODE:
        // A button to the dialog manager, which hands it Enter (see ButtonKeys.h).
        return DLGC_BUTTON | (IsEnterMessage(lParam) ? DLGC_WANTMESSAGE : 0);
    case WM_KEYDOWN:
        return OnKeyDown(wParam, lParam);
    case WM_CHAR:
        if (wParam == '\r') return 0;  // the click came with the key
        break;
    case WM_KEYUP:
        return OnKeyUp(wParam, lParam);
    case WM_KILLFOCUS:
        if (spaceDown_) {
            spaceDown_ = false;
            Show(Look::Normal);
        }
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    case WM_SETFOCUS:
    case WM_UPDATEUISTATE:
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    case WM_PAINT:
        return Paint(message, wParam, lParam);
    default:
        break;
    }
    return Default(message, wParam, lParam);
}
