// MonitorDlg.cpp - the monitor window: initialisation, tabs, rounded region, hiding instead of closing.
#include "monitor/pages/MonitorDlg.h"

#include <cstdio>
#include <cstring>

#include "monitor/res/resource.h"
#include "monitor/ui/Gdi.h"

namespace {

constexpr int kIconId = 128;
constexpr UINT kReevaluate = 5120;
constexpr int kTabTop = 103, kTabWidth = 130, kTabHeight = 30;
constexpr int kPageTop = CSkinDialog::PageTopOffset;

}  // namespace

CMonitorDlg::CMonitorDlg(const MonitorDlgContext& context)
    : CSkinDialog(IDD_MONITOR, nullptr), context_(context), linkInfo_(nullptr), siteSurvey_(nullptr), profiles_(nullptr) {}
// The pages are made when the window exists; they are its children.

CMonitorDlg::~CMonitorDlg() = default;

void CMonitorDlg::RunModal() {
    if (Handle()) return Show();
    modalRunning_ = true;
    DoModal();
    modalRunning_ = false;
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
    SetWindowPos(Handle(), nullptr, 0, 0, Width, Height, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowRgn(Handle(), CreateRoundRectRgn(0, 0, Width, Height, 25, 25), TRUE);
    icon_ = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kIconId));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    tabLink_.Attach(Handle(), IDC_TAB_LINK);
    tabSurvey_.Attach(Handle(), IDC_TAB_SURVEY);
    tabProfiles_.Attach(Handle(), IDC_TAB_PROFILES);
    close_.Attach(Handle(), IDC_CLOSE);
    TrackSkinStatic(&close_);
    PlaceControls();
    CreatePages();

    const bool bound = context_.state && context_.state->adapterBound.load() == 1;
    SetBackground(bound ? IDB_BG_ACTIVE : IDB_BG_INACTIVE);
    SetTabBitmaps(IDB_TAB_LINK_ON, IDB_TAB_SURVEY_OFF, IDB_TAB_PROFILES_OFF);
    close_.SetBitmaps(IDB_CLOSE, IDB_CLOSE_HOVER, IDB_CLOSE_HOVER);
    ApplyRoundedRegion();
    if (context_.state && context_.state->IsFirstRun()) StartFirstRun();
    if (context_.frame) SendMessageA(context_.frame, kReevaluate, 1, 0);
    return true;
}

void CMonitorDlg::PlaceControls() {
    const int ids[3] = {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES};
    for (int i = 0; i < 3; ++i)
        SetWindowPos(Item(ids[i]), nullptr, 16 + i * (kTabWidth + 4), kTabTop, kTabWidth, kTabHeight, SWP_NOZORDER);
    SetWindowPos(Item(IDC_CLOSE), nullptr, Width - 30, 10, 20, 20, SWP_NOZORDER);
}

void CMonitorDlg::CreatePages() {
    linkInfo_.profile = context_.inUseProfile ? context_.inUseProfile->load() : nullptr;
    WLAN_PROFILE* current = context_.state ? context_.state->currentProfile : nullptr;
    siteSurvey_.profile = current;
    profiles_.profile = current;
    for (CSkinDialog* page : {static_cast<CSkinDialog*>(&linkInfo_), static_cast<CSkinDialog*>(&siteSurvey_),
                              static_cast<CSkinDialog*>(&profiles_)}) {
        page->CreateChild(Handle());
        SetWindowPos(page->Handle(), nullptr, 0, kPageTop, Width, Height - kPageTop, SWP_NOZORDER);
        page->Show(false);
    }
    shown_ = &linkInfo_;
    shownProfile_ = linkInfo_.profile;
    // On a first run the first-run page takes the page area instead.
    const bool firstRunPage = context_.state && context_.state->IsFirstRun() && context_.createFirstRunPage;
    if (!firstRunPage) linkInfo_.Show(true);
}

void CMonitorDlg::StartFirstRun() {
    if (!context_.createFirstRunPage) return;  // the first-run page is its own window
    std::memset(&firstRunRecord_, 0, sizeof firstRunRecord_);
    std::strcpy(firstRunRecord_.SSID, "Velmora");
    firstRunPage_ = context_.createFirstRunPage(Handle(), &firstRunRecord_);
    if (!firstRunPage_ || !firstRunPage_->Handle()) return;
    SetWindowPos(firstRunPage_->Handle(), nullptr, 4, 134, 574, 271, SWP_NOZORDER);
    firstRunPage_->Show(true);
    ChangeBackground(IDB_BG_SETUP);
    for (int id : {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES}) ShowItem(id, false);
    Redraw();
}

void CMonitorDlg::SetTabBitmaps(int link, int survey, int profiles) {
    tabLink_.SetBitmaps(link, link);
    tabSurvey_.SetBitmaps(survey, survey);
    tabProfiles_.SetBitmaps(profiles, profiles);
}

void CMonitorDlg::ApplyRoundedRegion() {
    // A 581 x 437 rectangle with corners of radius 10.
    HRGN region = CreateRectRgn(10, 0, 571, 437);
    auto add = [&](HRGN part) {
        CombineRgn(region, region, part, RGN_OR);
        DeleteObject(part);
    };
    add(CreateRectRgn(0, 10, 581, 427));
    add(CreateEllipticRgn(0, 0, 20, 20));
    add(CreateEllipticRgn(561, 417, 581, 437));
    add(CreateEllipticRgn(561, 0, 581, 20));
    add(CreateEllipticRgn(0, 417, 20, 437));
    SetWindowRgn(Handle(), region, TRUE);  // the window owns the region now
}

bool CMonitorDlg::ChangeBackground(int bitmapId) {
    const bool ok = SetBackground(bitmapId);
    ApplyRoundedRegion();
    return ok;
}

bool CMonitorDlg::OnCommand(int id, int code) {
    switch (id) {
    case IDC_TAB_LINK:
        OnTab(IDD_LINK_INFO);
        return true;
    case IDC_TAB_SURVEY:
        OnTab(IDD_SITE_SURVEY);
        return true;
    case IDC_TAB_PROFILES:
        OnTab(IDD_PROFILES);
        return true;
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
    if (page != IDD_LINK_INFO) linkInfo_.StopRefresh();
    currentTab_ = page;
    SwitchTo(page);
    Redraw();
}

void CMonitorDlg::SwitchTo(int page) {
    CSkinDialog* next = &linkInfo_;
    if (page == IDD_LINK_INFO) {
        SetTabBitmaps(IDB_TAB_LINK_ON, IDB_TAB_SURVEY_OFF, IDB_TAB_PROFILES_OFF);
        siteSurvey_.StopTick();
        linkInfo_.StartRefresh(1000);
        linkInfo_.ShowChosenDetails();
        shownProfile_ = linkInfo_.profile;
    } else if (page == IDD_SITE_SURVEY) {
        SetTabBitmaps(IDB_TAB_LINK_OFF, IDB_TAB_SURVEY_ON, IDB_TAB_PROFILES_OFF);
        siteSurvey_.StartTick();
        next = &siteSurvey_;
        shownProfile_ = siteSurvey_.profile;
    } else if (page == IDD_PROFILES) {
        SetTabBitmaps(IDB_TAB_LINK_OFF, IDB_TAB_SURVEY_OFF, IDB_TAB_PROFILES_ON);
        siteSurvey_.StopTick();
        linkInfo_.HideDetailLists();
        next = &profiles_;
        shownProfile_ = profiles_.profile;
    } else {
        return;
    }
    currentTab_ = page;
    if (shown_ && shown_ != next) shown_->Show(false);
    shown_ = next;
    next->Show(true);
    for (int id : {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES}) ShowItem(id, true);
    if (page == IDD_SITE_SURVEY && siteSurvey_.ListEmpty() && context_.state && context_.state->adapterBound.load() == 1 &&
        context_.state->zeroControlState.load() != 1)
        siteSurvey_.BeginScan();
    if (page == IDD_PROFILES) profiles_.Reload();
}

void CMonitorDlg::OnCancel() {
    // Closing only hides: the window and its pages live for the rest of the run.
    close_.Reset();
    Hide();
    if (context_.frame) ShowWindow(context_.frame, SW_HIDE);
}

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

bool CMonitorDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
        OnCancel();
        result = 0;
        return true;
    }
    return false;
}

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
        if (firstRunPage_ && firstRunPage_->IsVisible()) {
            ChangeBackground(IDB_BG_SETUP);
        } else if (!state.adapterBound) {
            ChangeBackground(IDB_BG_INACTIVE);
            linkInfo_.ForgetShownState();
        }
        if (editor_) ChangeBackground(IDB_BG_SETUP);
    } else {
        siteSurvey_.EnableForUsableAdapter(currentTab_ == IDD_SITE_SURVEY);
        profiles_.EnableConnect(true);
        const bool setup = (firstRunPage_ && firstRunPage_->IsVisible()) || editor_;
        ChangeBackground(setup ? IDB_BG_SETUP : IDB_BG_ACTIVE);
    }
    ApplyRoundedRegion();
    Redraw();
}

void CMonitorDlg::RefillSiteSurvey() {
    // The Site Survey page fills its list from the current survey; it has no list code of its own yet.
}

void CMonitorDlg::MarkLinkInfoStatusView() {
    linkInfo_.MarkStatusView(linkInfo_.InformationChosen());
    linkInfo_.SetMoreInfoBitmaps(IDB_MORE_INFO, IDB_MORE_INFO_PRESSED);
}

void CMonitorDlg::StartLinkInfoRefresh(uint32_t periodMs) { linkInfo_.StartRefresh(periodMs); }
