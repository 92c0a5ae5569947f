// MonitorDlg.cpp - the monitor window: initialisation, tabs, rounded region, hiding instead of
// closing, and the host side of its pages and the profile editor.
#include "monitor/pages/MonitorDlg.h"

#include <commctrl.h>

#include <cassert>
#include <cctype>
#include <cstring>

#include "adapter/portable/ProfileKinds.h"
#include "monitor/core/ConnectionSupervisor.h"
#include "monitor/core/InternetProbe.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/editor/AvailableNetworksPage.h"
#include "monitor/host/portable/PageGeometry.h"
#include "adapter/portable/ProfileNames.h"
#include "monitor/res/Messages.h"
#include "monitor/res/resource.h"
#include "monitor/skin/WindowShape.h"
#include "monitor/ui/Gdi.h"

namespace {


int TabButtonOf(int page) {
    const tabs::Tab* tab = tabs::Find(page);
    return tab ? tab->button : 0;
}

// A control a click can reach: shown and enabled.
bool Usable(HWND control) { return control && IsWindowVisible(control) && IsWindowEnabled(control); }

// The control of `page` that holds `focus`, which may lie in a part of it (an address field's edit).
HWND PageControlOf(HWND page, HWND focus) {
    while (focus && GetAncestor(focus, GA_PARENT) != page) focus = GetAncestor(focus, GA_PARENT);
    return focus;
}

bool IsListView(HWND control) {
    char name[32] = {};
    GetClassNameA(control, name, sizeof name);
    return lstrcmpiA(name, WC_LISTVIEWA) == 0;
}

// The keys' own numbers are the platform's virtual-key codes.
static_assert(keyboard::Tab == VK_TAB && keyboard::Enter == VK_RETURN && keyboard::Delete == VK_DELETE &&
              keyboard::F5 == VK_F5);

}  // namespace

CMonitorDlg::CMonitorDlg(const MonitorDlgContext& context)
    : CSkinDialog(IDD_MONITOR, nullptr),
      context_(context),
      linkInfo_(*this),
      siteSurvey_(*this),
      profiles_(*this),
      tabPages_{&linkInfo_, &siteSurvey_, &profiles_} {
    for (size_t i = 0; i < tabs::Count; ++i)
        assert(tabPages_[i]->TemplateId() == tabs::kTabs[i].Page() && "the pages in the tab table's order");
}

CMonitorDlg::~CMonitorDlg() {
    // The editor's windows are children of this window: they go first.
    editor_.reset();
    closedEditors_.clear();
}

void CMonitorDlg::RunModal() {
    if (Handle()) return Show();
    // The pages' list views, meters and address fields.
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_PROGRESS_CLASS | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&classes);
    DoModal();
}

void CMonitorDlg::Show() {
    if (!Handle()) return;
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
}

void CMonitorDlg::Hide() {
    if (Handle()) ShowWindow(Handle(), SW_HIDE);
}

bool CMonitorDlg::OnInitDialog() {
    SetWindowTextA(Handle(), "wifimon");
    SetForegroundWindow(Handle());
    PlaceOnScreen();
    SetWindowRgn(Handle(), CreateRoundRectRgn(0, 0, geometry::WindowWidth, geometry::WindowHeight, 25, 25), TRUE);
    icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    std::vector<Placement> layout;
    for (const tabs::Tab& tab : tabs::All()) {
        tabButtons_[size_t(tabs::IndexOf(tab))].Attach(Handle(), tab.button);
        const geometry::Rect b = geometry::TabButton(tabs::IndexOf(tab));
        layout.push_back({tab.button, b.x, b.y, b.width, b.height});
    }
    close_.Attach(Handle(), IDC_CLOSE);
    TrackSkinStatic(&close_);
    const geometry::Rect c = geometry::CloseControl;
    layout.push_back({IDC_CLOSE, c.x, c.y, c.width, c.height});
    Place(layout);
    CreatePages();

    const bool bound = context_.state && context_.state->adapterBound.load() == 1;
    SetBackground(bound ? IDB_BG_ACTIVE : IDB_BG_INACTIVE);
    for (const tabs::Tab& tab : tabs::All()) {
        const int bitmap = tab.Page() == IDD_LINK_INFO ? tab.bitmapOn : tab.bitmapOff;
        tabButtons_[size_t(tabs::IndexOf(tab))].SetBitmaps(bitmap, bitmap);
    }
    close_.SetBitmaps(IDB_CLOSE, IDB_CLOSE_HOVER, IDB_CLOSE_HOVER);
    close_.SetCaption("Close");
    ApplyRoundedRegion();
    if (context_.state && context_.state->IsFirstRun()) StartFirstRun();
    if (context_.frame) SendMessageA(context_.frame, WM_MONITOR_REEVALUATE, 1, 0);
    keys_.Start(Handle(), [this](const MSG& message) { return OnKey(message); });
    return true;
}

void CMonitorDlg::OnDestroy() { keys_.Stop(); }

void CMonitorDlg::PlaceOnScreen() {
    // Centred on the work area the first time; later openings keep where the user dragged it.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - geometry::WindowWidth) / 2;
    const int y = work.top + (work.bottom - work.top - geometry::WindowHeight) / 2;
    SetWindowPos(Handle(), nullptr, x, y, geometry::WindowWidth, geometry::WindowHeight, SWP_NOZORDER);
}

void CMonitorDlg::CreatePages() {
    const geometry::Rect r = geometry::TabPage;
    for (CTabPage* page : tabPages_) {
        page->CreateChild(Handle());
        SetWindowPos(page->Handle(), nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
        page->Show(false);
    }
    shown_ = &linkInfo_;
    // On a first run the first-run page takes the page area instead.
    const bool firstRunPage = context_.state && context_.state->IsFirstRun() && context_.createFirstRunPage;
    if (!firstRunPage) linkInfo_.Show(true);
}

void CMonitorDlg::StartFirstRun() {
    if (!context_.createFirstRunPage) return;
    WLAN_PROFILE& r = firstRunRecord_;
    std::memset(&r, 0, sizeof r);
    std::strcpy(r.ProfileName, profiles::DefaultProfileName);
    std::strcpy(r.SSID, "Velmora");
    r.AssociationMode = profile::Stored(profile::Association::Infrastructure);
    r.Channel = 6;
    r.TxRate = 54;
    r.DhcpEnabled = 1;
    r.EntAuthenType = profile::Stored(profile::EapMethod::Tls);
    r.InnerAuthen = profile::Stored(profile::InnerMethod::NewProfile);
    std::unique_ptr<CEditorPage> page = context_.createFirstRunPage(*this, r);
    if (!page) return;
    OpenEditor(std::move(page), true);
    if (!editor_) return;
    ChangeBackground(IDB_BG_SETUP);
    ShowTabs(false);
    Redraw();
    ApplyRoundedRegion();
}

void CMonitorDlg::ApplyRoundedRegion() {
    ApplyRoundedShape(Handle(), geometry::WindowWidth, geometry::WindowHeight);
}

bool CMonitorDlg::ChangeBackground(int bitmapId) {
    const bool ok = SetBackground(bitmapId);
    ApplyRoundedRegion();
    return ok;
}

bool CMonitorDlg::OnCommand(int id, int code, HWND) {
    if (const tabs::Tab* tab = tabs::FindButton(id)) {
        OnTab(tab->Page());
        return true;
    }
    switch (id) {
    case IDC_CLOSE:
        if (code == STN_CLICKED) OnCancel();
        return true;
    case IDC_ENTER_SINK:
        return true;
    default:
        return false;
    }
}

void CMonitorDlg::OnTab(int page) {
    if (page == currentTab_) return;  // the current tab changes nothing
    ShowTab(page, true);
    Redraw();
}

void CMonitorDlg::SwitchTab(int page) { ShowTab(page, false); }

void CMonitorDlg::ShowTab(int page, bool byButton) {
    const tabs::Tab* tab = tabs::Find(page);
    assert(tab && "a page of the tab table");
    if (!tab) return;
    CTabPage* next = tabPages_[size_t(tabs::IndexOf(*tab))];
    for (const tabs::Tab& each : tabs::All()) {
        const int bitmap = &each == tab ? each.bitmapOn : each.bitmapOff;
        tabButtons_[size_t(tabs::IndexOf(each))].SetBitmaps(bitmap, bitmap);
        if (&each != tab) tabPages_[size_t(tabs::IndexOf(each))]->OnTabHiding(byButton);
    }
    next->OnTabShowing();
    currentTab_ = page;
    if (shown_ && shown_ != next) shown_->Show(false);
    shown_ = next;
    next->Show(true);
    ShowTabs(true);
    next->OnTabShown();
}

void CMonitorDlg::ShowTabs(bool show) {
    for (const tabs::Tab& tab : tabs::All()) ShowItem(tab.button, show);
}

void CMonitorDlg::ShowCloseControl(bool show) { ShowItem(IDC_CLOSE, show); }

void CMonitorDlg::SetWindowBackground(int bitmapId) {
    ChangeBackground(bitmapId);
    Redraw();
}

void CMonitorDlg::OnCancel() {
    // Closing only hides: the window and its pages live for the rest of the run.
    close_.Reset();
    Hide();
    if (context_.frame) ShowWindow(context_.frame, SW_HIDE);
}

void CMonitorDlg::HideProgram() { OnCancel(); }

bool CMonitorDlg::OnMouseMove(POINT at, WPARAM keys) {
    close_.Reset();
    return CSkinDialog::OnMouseMove(at, keys);
}

bool CMonitorDlg::OnPaint() {
    if (!IsIconic(Handle())) return false;
    CPaintDC paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    DrawIcon(paint.get(), (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2,
             (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2, icon_);
    return true;
}

bool CMonitorDlg::OnEraseBackground(HDC dc) {
    const bool drawn = CSkinDialog::OnEraseBackground(dc);
    FillBesideEditorPage(dc);
    return drawn;
}

// The final page covers the window but for a strip of 3 pixels at its right edge: its panel goes
// on to the edge, from its background's last column.
void CMonitorDlg::FillBesideEditorPage(HDC dc) const {
    const CEditorPage* page = editor_ ? editor_->ShownPage() : nullptr;
    if (!page || !page->HasBackground()) return;
    const geometry::Rect r = page->PageRect();
    const int right = r.x + r.width;
    if (r.x != 0 || right >= geometry::WindowWidth) return;
    CMemoryDC memory(dc);
    CSelectObject select(memory.get(), page->Background());
    StretchBlt(dc, right, r.y, geometry::WindowWidth - right, r.height, memory.get(), r.width - 1, 0, 1, r.height,
               SRCCOPY);
}

bool CMonitorDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        OnCancel();
        result = 0;
        return true;
    }
    if (message == WM_DESTROY_CLOSED_EDITORS) {
        closedEditors_.clear();
        result = 0;
        return true;
    }
    if (message == WM_KEY_COMMAND) {
        CarryOut(keyboard::Command{keyboard::Act(wParam), int(lParam)});
        result = 0;
        return true;
    }
    return false;
}

// --- Keys ------------------------------------------------------------------------------------

CDialog* CMonitorDlg::KeyPage() const {
    if (editor_) return editor_->ShownPage();
    return shown_ && shown_->IsVisible() ? shown_ : nullptr;
}

bool CMonitorDlg::OnKey(const MSG& message) {
    if (!IsVisible()) return false;
    keyboard::Key key;
    if (message.message == WM_SYSCHAR) {
        if (!(message.lParam & (1 << 29))) return false;  // not typed with Alt
        key.code = uint32_t(std::toupper(static_cast<unsigned char>(message.wParam)));
        key.alt = true;
        key.ctrl = GetKeyState(VK_CONTROL) < 0;
    } else {
        key.code = uint32_t(message.wParam);
        key.ctrl = GetKeyState(VK_CONTROL) < 0;
        key.shift = GetKeyState(VK_SHIFT) < 0;
        key.alt = GetKeyState(VK_MENU) < 0;
    }
    keyboard::Place place;
    place.tabsShown = !editor_ && IsItemVisible(tabs::kTabs[0].button);
    place.tab = currentTab_;
    if (CDialog* page = KeyPage()) {
        place.page = page->TemplateId();
        if (HWND control = PageControlOf(page->Handle(), GetFocus())) {
            place.focus = GetDlgCtrlID(control);
            place.rowSelected = IsListView(control) && ListView_GetSelectedCount(control) > 0;
        }
    }
    const keyboard::Command command = keyboard::ForKey(key, place);
    if (!CanCarryOut(command)) return false;  // the dialog manager's, as before
    PostMessageA(Handle(), WM_KEY_COMMAND, WPARAM(command.act), LPARAM(command.target));
    return true;
}

bool CMonitorDlg::CanCarryOut(const keyboard::Command& command) const {
    switch (command.act) {
    case keyboard::Act::SwitchTab:
        return Usable(Item(TabButtonOf(command.target)));
    case keyboard::Act::Click: {
        const CDialog* page = KeyPage();
        return page && Usable(page->Item(command.target));
    }
    default:
        return false;
    }
}

void CMonitorDlg::CarryOut(const keyboard::Command& command) {
    if (!CanCarryOut(command)) return;  // changed since the key
    if (command.act == keyboard::Act::SwitchTab) {
        // The tab button's click: the same steps as the mouse's.
        const int id = TabButtonOf(command.target);
        SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
        FocusShownPage();
        return;
    }
    CDialog* page = KeyPage();
    HWND control = page->Item(command.target);
    // As the control's click reaches its page: with the control's handle, which tells it from
    // the dialog manager's Enter and Escape.
    SendMessageA(page->Handle(), WM_COMMAND, MAKEWPARAM(command.target, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void CMonitorDlg::FocusShownPage() {
    const CDialog* page = KeyPage();
    if (page && page->FocusFirstControl()) return;
    HWND tab = Item(TabButtonOf(currentTab_));
    if (!editor_ && Usable(tab)) SendMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tab), TRUE);
}

bool CMonitorDlg::SetupShown() const { return editor_ != nullptr; }

void CMonitorDlg::Reevaluate(const Reevaluation& state) {
    if (!Handle()) return;
    if (!state.usable) {
        linkInfo_.MarkStatusView(true);
        if (state.zeroControlInCharge) {
            linkInfo_.SetMoreInfoBitmaps(IDB_MORE_INFO, IDB_MORE_INFO_PRESSED);
            linkInfo_.HideDetailsAndButtons();
        }
        siteSurvey_.DisableForUnusableAdapter();
        profiles_.EnableConnect(false);
        if (editor_ && editorFirstRun_ && editor_->IsVisible()) {
            editor_->OnAdapterUsable(false);
            ChangeBackground(IDB_BG_SETUP);
        } else if (!state.adapterBound) {
            ChangeBackground(IDB_BG_INACTIVE);
            linkInfo_.ForgetShownState();
        }
        if (editor_ && !editorFirstRun_) {
            editor_->OnAdapterUsable(false);
            ChangeBackground(IDB_BG_SETUP);
        }
    } else {
        siteSurvey_.EnableForUsableAdapter(currentTab_ == IDD_SITE_SURVEY);
        profiles_.EnableConnect(true);
        if (editor_) editor_->OnAdapterUsable(true);
        ChangeBackground(SetupShown() ? IDB_BG_SETUP : IDB_BG_ACTIVE);
    }
    ApplyRoundedRegion();
    Redraw();
}

void CMonitorDlg::RefillSiteSurvey() {
    if (Handle()) siteSurvey_.FillList();
}

void CMonitorDlg::MarkLinkInfoStatusView() {
    linkInfo_.MarkStatusView(linkInfo_.InformationChosen());
    linkInfo_.SetMoreInfoBitmaps(IDB_MORE_INFO, IDB_MORE_INFO_PRESSED);
}

void CMonitorDlg::StartLinkInfoRefresh(uint32_t periodMs) { linkInfo_.StartRefresh(periodMs); }

WLAN_PROFILE* CMonitorDlg::InUseProfile() const {
    return context_.supervisor ? context_.supervisor->InUseProfile().load() : nullptr;
}

bool CMonitorDlg::OpenEditor(WLAN_PROFILE& record) {
    OpenEditor(MakeAvailableNetworksPage(*this, record, false), false);
    return editor_ != nullptr;
}

void CMonitorDlg::OpenEditor(std::unique_ptr<CEditorPage> first, bool firstRun) {
    if (editor_) CloseEditor();
    editor_ = std::move(first);
    editorFirstRun_ = firstRun;
    if (editor_ && !editor_->Open(nullptr)) editor_.reset();
}

void CMonitorDlg::CloseEditor() {
    if (!editor_) return;
    // The call often comes from a click handler of one of the editor's own pages.
    editor_->HideChain();
    closedEditors_.push_back(std::move(editor_));
    editorFirstRun_ = false;
    PostMessageA(Handle(), WM_DESTROY_CLOSED_EDITORS, 0, 0);
}

void CMonitorDlg::StartConnection(WLAN_PROFILE& record, const ConnectRequest& request) {
    SwitchTab(IDD_LINK_INFO);
    if (context_.supervisor) context_.supervisor->InUseProfile() = &record;
    linkInfo_.ShowConnectionPending();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (context_.state) {
        char* name = context_.state->inUseProfileName;
        std::memset(name, 0, sizeof context_.state->inUseProfileName);
        if (request.inUseName) std::strncpy(name, request.inUseName, sizeof context_.state->inUseProfileName - 1);
    }
    if (request.decideAdhoc && profile::IsAdhoc(record)) DecideAdhoc(record);
    if (context_.supervisor) context_.supervisor->StartConnectWorker(&record);
    if (request.makeCurrent) SetCurrentProfile(record.ProfileName);
}

void CMonitorDlg::DecideAdhoc(WLAN_PROFILE& record) {
    if (context_.supervisor) context_.supervisor->DecideAdhoc(record, this);
}

void CMonitorDlg::ReloadProfiles() { profiles_.Reload(); }

void CMonitorDlg::StartInternetProbe() {
    if (context_.probe) context_.probe->StartIfIdle();
}

int32_t CMonitorDlg::InternetState() const { return context_.probe ? context_.probe->InternetState() : 0; }
