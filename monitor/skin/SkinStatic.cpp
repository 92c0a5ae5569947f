// SkinStatic.cpp - the bitmap static's looks follow the mouse.
#include "monitor/skin/SkinStatic.h"

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

void CSkinStatic::Show(Look look) {
    if (look == shown_) return;
    shown_ = look;
    HBITMAP bitmap = look == Look::Hover && hover_ ? hover_.get() : look == Look::Pressed && pressed_ ? pressed_.get() : normal_.get();
    SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
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
    default:
        break;
    }
    return Default(message, wParam, lParam);
}
