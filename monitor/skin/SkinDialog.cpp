// SkinDialog.cpp - background, transparent labels and dragging for skinned dialogs.
#include "monitor/skin/SkinDialog.h"

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
    ApplyWholeRegion();
    InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}

void CSkinDialog::ApplyWholeRegion() const {
    RECT window;
    GetWindowRect(Handle(), &window);
    SetWindowRgn(Handle(), CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top), TRUE);
}

bool CSkinDialog::OnSize(int, int) {
    // A page is sized by its host after its initialisation set the background: a region taken
    // then would cut off whatever lies below the template's own size.
    if (backgroundPresent_) ApplyWholeRegion();
    return false;
}

bool CSkinDialog::OnEraseBackground(HDC dc) {
    if (!backgroundPresent_) return false;
    RECT client;
    GetClientRect(Handle(), &client);
    BlitBitmap(dc, 0, 0, client.right, client.bottom, background_.get());
    return true;
}

HBRUSH CSkinDialog::OnControlColor(HDC dc, HWND control, UINT message) {
    // Disabled and read-only edits, and under Wine disabled combo boxes and buttons, ask with the
    // same message as labels: only real static controls are see-through.
    if (message != WM_CTLCOLORSTATIC || !transparentStatics_) return nullptr;
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return nullBrush_;
}

void CSkinDialog::SetLabelText(int id, const char* text) const {
    HWND label = Item(id);
    if (!label) return;
    SetWindowTextA(label, text);
    RECT box;
    GetWindowRect(label, &box);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&box), 2);
    RedrawWindow(Handle(), &box, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool CSkinDialog::OnLButtonDown(POINT at, WPARAM) {
    if (dragging_) return false;
    HWND moved = dragHost_ ? dragHost_ : Handle();
    RECT box;
    GetWindowRect(moved, &box);
    dragHostOrigin_ = {box.left, box.top};
    dragCursor_ = at;
    ClientToScreen(Handle(), &dragCursor_);
    dragging_ = true;
    SetCapture(Handle());
    return true;
}

bool CSkinDialog::OnMouseMove(POINT at, WPARAM) {
    for (CSkinStatic* control : statics_) control->Reset();
    if (!dragging_) return false;
    // The window follows the pointer's displacement since the press, wherever the page lies in it.
    POINT now = at;
    ClientToScreen(Handle(), &now);
    SetWindowPos(dragHost_ ? dragHost_ : Handle(), nullptr, dragHostOrigin_.x + now.x - dragCursor_.x,
                 dragHostOrigin_.y + now.y - dragCursor_.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void CSkinDialog::EndDrag() {
    if (!dragging_) return;
    dragging_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
}

bool CSkinDialog::OnLButtonUp(POINT, WPARAM) {
    if (!dragging_) return false;
    EndDrag();
    return true;
}

bool CSkinDialog::OnCaptureChanged(HWND newCapture) {
    // Alt+Tab or a message box took the mouse: the button-up will never come here.
    if (newCapture != Handle()) dragging_ = false;
    return false;
}
