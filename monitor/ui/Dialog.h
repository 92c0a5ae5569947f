// Dialog.h - a dialog over a template: owns its handle, dispatches messages to typed handlers.
#pragma once

#include <windows.h>

#include <string>

class CDialog {
public:
    CDialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    // Runs the dialog modally; returns the code given to EndDialog, or -1.
    INT_PTR DoModal();
    // Creates the dialog modeless (pages are child dialogs); false on failure.
    bool Create();
    // The same as a child of `parent`, given only now that it exists.
    bool CreateChild(HWND parent) {
        parent_ = parent;
        return Create();
    }
    void Destroy();

    HWND Handle() const { return hwnd_; }
    HWND Parent() const { return parent_; }
    bool IsModal() const { return modal_; }
    int TemplateId() const { return templateId_; }
    static CDialog* FromHandle(HWND window);

    // One-line helpers over the template's controls.
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    void SetItemText(int id, const char* text) const { SetDlgItemTextA(hwnd_, id, text); }
    std::string ItemText(int id) const;
    void ShowItem(int id, bool show) const { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
    void EnableItem(int id, bool enable) const { EnableWindow(Item(id), enable ? TRUE : FALSE); }
    bool IsItemVisible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    void CheckItem(int id, bool checked) const { CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED); }
    bool IsItemChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void Show(bool show) const { ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }
    bool IsVisible() const { return IsWindowVisible(hwnd_) != FALSE; }
    void StartTimer(UINT_PTR id, UINT ms) const { SetTimer(hwnd_, id, ms, nullptr); }
    void StopTimer(UINT_PTR id) const { KillTimer(hwnd_, id); }
    void Redraw() const { InvalidateRect(hwnd_, nullptr, TRUE); }
    // The keyboard focus lies on this dialog or on a control in it.
    bool HasFocus() const;
    // Gives the focus to the first control of this dialog that Tab stops at, through the dialog
    // manager of the window it lies in; false when it has none shown and enabled.
    bool FocusFirstControl() const;
    void EndModal(INT_PTR code) const { EndDialog(hwnd_, code); }

protected:
    // Typed handlers; return true when handled.
    virtual bool OnInitDialog() { return true; }  // true: let the system set the focus
    // A click on the button or bitmap label `id` itself: the mouse's, Space or Enter on it, or one the
    // window carries out for a key. Comes before OnCommand, which gets the command when this returns false.
    virtual bool OnButtonClicked(int /*id*/) { return false; }
    // `control` is the window that sent the command (null for menus, accelerators and the keyboard's
    // Enter and Escape), so a page can tell a click on its control 2 from Escape.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnTimer(UINT_PTR /*id*/) { return false; }
    virtual bool OnPaint() { return false; }
    virtual bool OnEraseBackground(HDC /*dc*/) { return false; }
    virtual HBRUSH OnControlColor(HDC /*dc*/, HWND /*control*/, UINT /*message*/) { return nullptr; }
    virtual bool OnLButtonDown(POINT /*at*/, WPARAM /*keys*/) { return false; }
    virtual bool OnLButtonUp(POINT /*at*/, WPARAM /*keys*/) { return false; }
    virtual bool OnMouseMove(POINT /*at*/, WPARAM /*keys*/) { return false; }
    virtual bool OnNotify(NMHDR* /*header*/, LRESULT& /*result*/) { return false; }
    virtual bool OnSize(int /*width*/, int /*height*/) { return false; }
    virtual bool OnCaptureChanged(HWND /*newCapture*/) { return false; }
    // Enter and Escape end a modal dialog; a child page has nothing to end.
    virtual void OnOK() {
        if (modal_) EndModal(IDOK);
    }
    virtual void OnCancel() {
        if (modal_) EndModal(IDCANCEL);
    }
    virtual void OnDestroy() {}
    // Anything else; return true when handled, with the result in `result`.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool IsClick(int id, int code, HWND control) const;
    bool Reflect(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    INT_PTR Result(LRESULT result);

    int templateId_;
    HWND parent_;  // not owned
    HWND hwnd_ = nullptr;
    bool modal_ = false;
};
