// EditorPage.cpp - see EditorPage.h.
#include "monitor/editor/EditorPage.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "monitor/res/Messages.h"
#include "monitor/res/resource.h"

namespace {

constexpr ButtonLook kBackAndNext[] = {
    {IDC_BACK, IDB_EDITOR_BACK, IDB_EDITOR_BACK_HOVER, IDB_EDITOR_BACK_HOVER, "Back"},
    {IDC_NEXT, IDB_EDITOR_NEXT, IDB_EDITOR_NEXT_HOVER, IDB_EDITOR_NEXT_HOVER, "Next"},
};

// Where every page has Back and Next, unless its own layout says otherwise.
constexpr Placement kBackAndNextLayout[] = {
    {IDC_BACK, 378, 240, 84, 23},
    {IDC_NEXT, 470, 240, 84, 23},
};

// The template's hidden default push button, which takes the dialog manager's Enter; 0 if none.
// Found by its style, not its id: the available networks page's is another (its channel header
// has IDC_ENTER_SINK's number).
int EnterSinkOf(HWND page) {
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        const LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
        if (lstrcmpiA(className, "Button") == 0 && type == BS_DEFPUSHBUTTON) return GetDlgCtrlID(child);
    }
    return 0;
}

}  // namespace

CEditorPage::CEditorPage(int templateId, IMonitorHost& host, WLAN_PROFILE& record, int backgroundId)
    : CSkinDialog(templateId, host.Window()), host_(host), record_(record), backgroundId_(backgroundId) {}

CEditorPage::~CEditorPage() {
    // Successors first: their windows are children of the monitor window, not of this page.
    for (auto& next : successors_) next.reset();
}

std::span<const ButtonLook> CEditorPage::Buttons() const { return kBackAndNext; }

bool CEditorPage::Open(CEditorPage* before) {
    before_ = before;
    if (!CreateChild(host_.Window())) return false;
    const geometry::Rect r = PageRect();
    SetWindowPos(Handle(), HWND_TOP, r.x, r.y, r.width, r.height, SWP_NOACTIVATE);
    Show(true);
    return true;
}

bool CEditorPage::OnInitDialog() {
    SetDragHost(host_.Window());
    enterSink_ = EnterSinkOf(Handle());
    PlaceControls();
    SetBackground(backgroundId_);
    buttons_.Attach(*this, Buttons());
    OnInitPage();
    return true;
}

void CEditorPage::PlaceControls() const {
    const std::span<const Placement> own = Layout();
    Place(own);
    std::vector<Placement> shared(std::begin(kBackAndNextLayout), std::end(kBackAndNextLayout));
    if (enterSink_) shared.push_back({enterSink_, 0, 0, 1, 1});
    for (const Placement& row : shared) {
        const bool placedByPage = std::any_of(own.begin(), own.end(), [&](const Placement& p) { return p.id == row.id; });
        if (!placedByPage) Place(std::span<const Placement>(&row, 1));
    }
}

bool CEditorPage::OnButtonClicked(int id) {
    if (id == IDC_NEXT) {
        OnNext();
        return true;
    }
    if (id == IDC_BACK) {
        OnBack();
        return true;
    }
    return OnPageButtonClicked(id);
}

bool CEditorPage::OnCommand(int id, int code, HWND control) {
    if (enterSink_ && id == enterSink_) return true;  // Enter does nothing
    if (OnPageCommand(id, code, control)) return true;
    return id == IDOK || id == IDCANCEL;  // a page never ends on them
}

CEditorPage* CEditorPage::Forward(std::unique_ptr<CEditorPage> next, int slot) {
    if (!next || slot < 0 || slot >= SuccessorSlots) return nullptr;
    successors_[size_t(slot)] = std::move(next);
    ++generations_[size_t(slot)];
    CEditorPage* page = successors_[size_t(slot)].get();
    const bool focused = HasFocus();
    if (!page->Open(this)) {
        successors_[size_t(slot)].reset();
        return nullptr;
    }
    Show(false);
    // The keyboard goes on in the page shown, not on a hidden one.
    if (focused) page->FocusFirstControl();
    return page;
}

void CEditorPage::Back() {
    if (!before_) return;
    const bool focused = HasFocus();
    before_->Show(true);
    before_->OnShownAgain();
    Show(false);
    if (focused) before_->FocusFirstControl();
    before_->Discard(this);
}

void CEditorPage::Discard(CEditorPage* page) {
    for (size_t slot = 0; slot < successors_.size(); ++slot) {
        if (successors_[slot].get() == page)
            PostMessageA(Handle(), WM_DISCARD_SUCCESSOR, slot, LPARAM(generations_[slot]));
    }
}

bool CEditorPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SHOWWINDOW) RepaintBesidePage();
    if (message != WM_DISCARD_SUCCESSOR || wParam >= successors_.size()) return false;
    // A page that Next made again since the Back stays.
    if (generations_[wParam] == unsigned(lParam)) successors_[wParam].reset();
    result = 0;
    return true;
}

// A page from the window's left edge that ends short of its right one: the window fills the strip
// beside it while it shows, and its own background once it hides.
void CEditorPage::RepaintBesidePage() const {
    const geometry::Rect r = PageRect();
    if (r.x != 0 || r.x + r.width >= geometry::WindowWidth) return;
    const RECT strip{r.x + r.width, r.y, geometry::WindowWidth, r.y + r.height};
    InvalidateRect(host_.Window(), &strip, TRUE);
}

HBRUSH CEditorPage::OnControlColor(HDC dc, HWND control, UINT message) {
    if (HBRUSH brush = CSkinDialog::OnControlColor(dc, control, message)) return brush;
    // Radio buttons ask as labels do; the artwork puts them on the panel's white.
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    if (message != WM_CTLCOLORSTATIC || lstrcmpiA(className, "Button") != 0) return nullptr;
    SetBkColor(dc, RGB(255, 255, 255));
    return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}

CEditorPage* CEditorPage::ShownPage() {
    if (IsVisible()) return this;
    for (auto& next : successors_)
        if (next)
            if (CEditorPage* shown = next->ShownPage()) return shown;
    return nullptr;
}

void CEditorPage::HideChain() {
    Show(false);
    for (auto& next : successors_)
        if (next) next->HideChain();
}
