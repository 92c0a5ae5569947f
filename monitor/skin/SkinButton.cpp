// SkinButton.cpp - drawing of the bitmap buttons; Enter clicks the focused one.
#include "monitor/skin/SkinButton.h"

#include "monitor/skin/ButtonKeys.h"
#include "monitor/skin/FocusMark.h"
#include "monitor/skin/SkinCursor.h"

bool CSkinButton::SetBitmaps(int normalId, int pressedId, const char* caption) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    normal_.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(normalId)));
    pressed_.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(pressedId)));
    if (caption) SetWindowTextA(Handle(), caption);
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
    // Every drawing starts from the bitmap, so the mark is never inverted twice.
    focusMarkDrawn_ = (item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT) && FocusMarksWanted(Handle());
    if (focusMarkDrawn_) DrawFocusMark(item.hDC, item.rcItem);
    result = TRUE;
    return true;
}

LRESULT CSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && ShowHandCursor()) return TRUE;
        break;
    case WM_GETDLGCODE:
        return Default(message, wParam, lParam) | (IsEnterMessage(lParam) ? DLGC_WANTMESSAGE : 0);
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) break;
        SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED), reinterpret_cast<LPARAM>(Handle()));
        return 0;
    case WM_CHAR:
        if (wParam == '\r') return 0;  // the click came with the key
        break;
    case WM_UPDATEUISTATE:
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    default:
        break;
    }
    return Default(message, wParam, lParam);
}
