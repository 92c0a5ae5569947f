// SkinButton.cpp - drawing of the bitmap buttons.
#include "monitor/skin/SkinButton.h"

#include "monitor/skin/SkinCursor.h"

bool CSkinButton::SetBitmaps(int normalId, int pressedId) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    normal_.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(normalId)));
    pressed_.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(pressedId)));
    InvalidateRect(Handle(), nullptr, FALSE);
    return normal_ && pressed_;
}

bool CSkinButton::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const SIZE size = BitmapSize(normal_.get());
    if (normal_) BlitBitmap(item.hDC, 0, 0, size.cx, size.cy, normal_.get());
    HBITMAP shown = (item.itemState & ODS_SELECTED) && pressed_ ? pressed_.get() : normal_.get();
    const SIZE shownSize = BitmapSize(shown);
    if (shown) BlitBitmap(item.hDC, 0, 0, shownSize.cx, shownSize.cy, shown);
    result = TRUE;
    return true;
}

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT && ShowHandCursor()) return TRUE;
    return Default(message, wParam, lParam);
}
