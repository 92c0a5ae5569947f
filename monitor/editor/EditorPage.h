// EditorPage.h - the base of the profile editor's pages: one record, a chain of pages, Next and Back.
//
// Every page of the editor edits the one WLAN_PROFILE its opener owns, through a pointer. A page
// creates the next one on Next (`Forward`), a fresh object each time, and keeps it in one of its
// successor slots; Back (`Back`) shows the page before again and lets it discard this page once
// the click has been handled. A page that is returned to keeps its controls as the user left them.
// A page file then holds only its own controls and rules:
//   - the constructor names the template, the background and the button bitmaps;
//   - `Layout()` places the page's own controls in pixels (see monitor/ui/Placement.h);
//   - `OnInitPage()` fills the controls from the record;
//   - `OnNext()` checks and stores, then calls `Forward(std::make_unique<...>(...))`;
//   - `OnPageButtonClicked()` handles the clicks on the page's other buttons, `OnPageCommand()`
//     the other notifications of its controls.
// Back is control 2, Next control IDC_NEXT: only their clicks count (the mouse's, Space or Enter on the
// focused button, and Alt+B and Alt+N, which the monitor window turns into clicks), never the
// dialog manager's Enter or Escape. The base places them in the page's bottom right corner unless
// the page's layout places them, and places the hidden default button that takes Enter to nothing.
#pragma once

#include <array>
#include <memory>
#include <span>

#include "adapter/wifiapi.h"
#include "monitor/host/MonitorHost.h"
#include "monitor/host/portable/PageGeometry.h"
#include "monitor/skin/ButtonSet.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinStatic.h"

class CEditorPage : public CSkinDialog {
public:
    static constexpr int SuccessorSlots = 6;  // the security-mode page has one per target page

    CEditorPage(int templateId, IMonitorHost& host, WLAN_PROFILE& record, int backgroundId);
    ~CEditorPage() override;

    // Creates the page's window in the monitor window at its page rectangle and shows it.
    bool Open(CEditorPage* before);

    WLAN_PROFILE& Record() const { return record_; }
    CEditorPage* Before() const { return before_; }
    CEditorPage* Successor(int slot) const { return successors_[size_t(slot)].get(); }
    // The page currently shown: this one or one further along the chain.
    CEditorPage* ShownPage();
    // Hides this page and every page after it.
    void HideChain();

    // The adapter became usable or not (the first page of the editor scans).
    virtual void OnAdapterUsable(bool /*usable*/) {}
    // Shown again by the Back of the page after it.
    virtual void OnShownAgain() {}
    // Where the page lies in the monitor window.
    virtual geometry::Rect PageRect() const { return geometry::EditorPage; }

protected:
    IMonitorHost& Host() const { return host_; }
    virtual std::span<const Placement> Layout() const = 0;
    // Back and Next by default.
    virtual std::span<const ButtonLook> Buttons() const;
    CSkinStatic* Button(int id) { return buttons_.Find(id); }

    virtual void OnInitPage() {}
    virtual void OnNext() {}
    virtual void OnBack() { Back(); }
    virtual bool OnPageButtonClicked(int /*id*/) { return false; }
    virtual bool OnPageCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }

    // Next: opens `next` after this page and hides this one. Returns the new page, or null.
    CEditorPage* Forward(std::unique_ptr<CEditorPage> next, int slot = 0);
    // Back: shows the page before, hides this one; the page before discards it later.
    void Back();
    // Destroys the successor `page` once the message being handled has returned.
    void Discard(CEditorPage* page);

    bool OnInitDialog() final;
    bool OnButtonClicked(int id) final;
    bool OnCommand(int id, int code, HWND control) final;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void RepaintBesidePage() const;
    HBRUSH OnControlColor(HDC dc, HWND control, UINT message) override;

private:
    void PlaceControls() const;

    IMonitorHost& host_;
    WLAN_PROFILE& record_;  // owned by the editor's opener
    int backgroundId_;
    int enterSink_ = 0;  // the hidden default button's id
    CEditorPage* before_ = nullptr;  // not owned: it owns this page
    std::array<std::unique_ptr<CEditorPage>, SuccessorSlots> successors_;
    std::array<unsigned, SuccessorSlots> generations_{};  // bumped by each Forward into the slot
    CButtonSet buttons_;
};
