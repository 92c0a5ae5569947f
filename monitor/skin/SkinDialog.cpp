// SkinDialog.cpp - background, transparent labels and dragging for skinned dialogs.
#include "monitor/skin/SkinDialog.h"

#include <cstring>

#include "monitor/skin/SkinStatic.h"

CSkinDialog::CSkinDialog(int templateId, HWND parent)
    : CDialog(templateId, parent), nullBrush_(static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))) {}

bool CSkinDialog::SetBackground(int bitmapId) {
    if (backgroundOwned_) background_.Reset();
    backgroundOwned_ = backgroundPresent_ = false;
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId));
    if (!bitmap) return false;
    background_.Reset(bitmap);
    backgroundOwned_ = backgroundPresent_ = true;
    RECT window;
    GetWindowRect(Handle(), &window);
    SetWindowRgn(Handle(), CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top), TRUE);
    return true;
}

bool CSkinDialog::OnEraseBackground(HDC dc) {
    if (!backgroundPresent_) return false;
    RECT client;
    GetClientRect(Handle(), &client);
    BlitBitmap(dc, 0, 0, client.right, client.bottom, background_.get());
    return true;
}

HBRUSH CSkinDialog::OnControlColor(HDC dc, HWND control, UINT message) {
    if (message != WM_CTLCOLORSTATIC || !transparentStatics_) return nullptr;
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "msctls_trackbar32") == 0) return nullptr;  // trackbars keep their colours
    SetBkMode(dc, TRANSPARENT);
    return nullBrush_;
}

bool CSkinDialog::OnLButtonDown(POINT at, WPARAM) {
    if (dragging_) return false;
    dragging_ = true;
    dragStart_ = at;
    SetCapture(Handle());
    return true;
}

bool CSkinDialog::OnMouseMove(POINT at, WPARAM) {
    for (CSkinStatic* control : statics_) control->Reset();
    if (!dragging_) return false;
    HWND target = dragTarget_ ? dragTarget_ : Handle();
    RECT self;
    GetWindowRect(Handle(), &self);
    SetWindowPos(target, nullptr, self.left + at.x - dragStart_.x, self.top + at.y - dragStart_.y - dragOffsetY_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool CSkinDialog::OnLButtonUp(POINT, WPARAM) {
    if (!dragging_) return false;
    dragging_ = false;
    ReleaseCapture();
    return true;
}
