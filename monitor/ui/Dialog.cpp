// Dialog.cpp - message dispatch of CDialog.
#include "monitor/ui/Dialog.h"

#include <windowsx.h>

#include <vector>

#include "monitor/ui/Control.h"

namespace {

HINSTANCE ModuleInstance() { return GetModuleHandleA(nullptr); }

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

CDialog::~CDialog() { Destroy(); }

INT_PTR CDialog::DoModal() {
    modal_ = true;
    const INT_PTR rc = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId_), parent_, &DialogProc,
                                       reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    modal_ = false;
    return rc;
}

bool CDialog::Create() {
    if (hwnd_) return true;
    modal_ = false;
    return CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(templateId_), parent_, &DialogProc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::Destroy() {
    if (hwnd_ && !modal_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

CDialog* CDialog::FromHandle(HWND window) {
    return window ? reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER)) : nullptr;
}

std::string CDialog::ItemText(int id) const {
    HWND item = Item(id);
    const int length = item ? GetWindowTextLengthA(item) : 0;
    std::vector<char> text(size_t(length) + 1, 0);
    if (item) GetWindowTextA(item, text.data(), length + 1);
    return std::string(text.data());
}

bool CDialog::HasFocus() const {
    HWND focus = GetFocus();
    return hwnd_ && focus && (focus == hwnd_ || IsChild(hwnd_, focus));
}

bool CDialog::FocusFirstControl() const {
    if (!hwnd_) return false;
    HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    // Without a tab stop the system may name some other control, or none.
    if (!first || !IsChild(hwnd_, first) || !(GetWindowLongA(first, GWL_STYLE) & WS_TABSTOP) ||
        !IsWindowVisible(first) || !IsWindowEnabled(first))
        return false;
    SendMessageA(GetAncestor(hwnd_, GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    return true;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = FromHandle(hwnd);
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    }
    if (!self) return FALSE;
    const INT_PTR handled = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return handled;
}

// A command from the control itself: menus, accelerators, and the dialog manager's Enter and
// Escape where the dialog has no control 1 or 2, send none. A button reports the second click of
// a double click as BN_DOUBLECLICKED, which counts; a label's STN_DBLCLK does not, so a double
// click on a bitmap label acts once.
bool CDialog::IsClick(int id, int code, HWND control) const {
    static_assert(BN_CLICKED == STN_CLICKED);
    if (!control || control != Item(id)) return false;
    if (code == BN_CLICKED) return true;
    if (code != BN_DOUBLECLICKED) return false;
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, "Button") == 0;  // a combo box's 5 is CBN_EDITCHANGE
}

INT_PTR CDialog::Result(LRESULT result) {
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

bool CDialog::Reflect(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    CControl* target = CControl::FromHandle(control);
    return target && target->OnReflected(message, wParam, lParam, result);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        HWND control = reinterpret_cast<HWND>(lParam);
        if (IsClick(id, code, control) && OnButtonClicked(id)) return TRUE;
        if (OnCommand(id, code, control)) return TRUE;
        if (id == IDOK && code == BN_CLICKED) return OnOK(), TRUE;
        if (id == IDCANCEL) return OnCancel(), TRUE;
        return FALSE;
    }
    case WM_TIMER:
        return OnTimer(wParam) ? TRUE : FALSE;
    case WM_PAINT:
        return OnPaint() ? TRUE : FALSE;
    case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wParam)) ? Result(1) : FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG:
        if (Reflect(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result))
            return static_cast<INT_PTR>(result);
        return reinterpret_cast<INT_PTR>(OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return Reflect(item->hwndItem, message, wParam, lParam, result) ? Result(TRUE) : FALSE;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return Reflect(GetDlgItem(hwnd_, int(item->CtlID)), message, wParam, lParam, result) ? Result(TRUE) : FALSE;
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (Reflect(header->hwndFrom, message, wParam, lParam, result) || OnNotify(header, result)) return Result(result);
        return FALSE;
    }
    case WM_SIZE:
        return OnSize(LOWORD(lParam), HIWORD(lParam)) ? TRUE : FALSE;
    case WM_CAPTURECHANGED:
        return OnCaptureChanged(reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_LBUTTONDOWN:
        return OnLButtonDown(PointOf(lParam), wParam) ? TRUE : FALSE;
    case WM_LBUTTONUP:
        return OnLButtonUp(PointOf(lParam), wParam) ? TRUE : FALSE;
    case WM_MOUSEMOVE:
        return OnMouseMove(PointOf(lParam), wParam) ? TRUE : FALSE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return OnMessage(message, wParam, lParam, result) ? Result(result) : FALSE;
    }
}
