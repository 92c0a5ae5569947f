// LinkInfoPage.cpp - the Link Information page: gathers the link's records, applies the page
// rules of pages/portable, and keeps the views, lists and buttons in step.
#include "monitor/pages/LinkInfoPage.h"

#include <commctrl.h>

#include <atomic>
#include <cstring>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/portable/RadioUnits.h"
#include "monitor/core/AppState.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/pages/ProfileNameDlg.h"
#include "monitor/pages/portable/LinkInfoRows.h"
#include "monitor/pages/portable/LinkStatisticsRows.h"
#include "monitor/pages/portable/NamePrompt.h"
#include "monitor/ui/MessageBox.h"

namespace {

using linkinfo::Visibility;

// Pixels in the page (see monitor/ui/Placement.h); the labels of the backgrounds lie beside them.
constexpr Placement kLayout[] = {
    {IDC_HEADLINE, 40, 12, 500, 30},
    {IDC_AP_PICTURE, 250, 52, 80, 80},
    {IDC_ADHOC_PICTURE, 250, 52, 80, 80},
    {IDC_INTERNET_PICTURE, 410, 60, 64, 64},
    {IDC_SENTENCE, 40, 146, 500, 18},
    {IDC_SIGNAL_METER, 140, 214, 88, 13},
    {IDC_QUALITY_METER, 140, 240, 88, 13},
    {IDC_STATS_REFRESH, 325, 210, 105, 23},
    {IDC_MORE_INFO, 440, 210, 105, 23},
    {IDC_SAVE_TO_PROFILE, 325, 238, 105, 23},
    {IDC_STATISTICS, 440, 238, 105, 23},
    {IDC_ENTER_SINK, 0, 0, 1, 1},
};

// The detail lists lie in the monitor window, over the page, in its client pixels.
struct ListPlace {
    int id;
    RECT box;
};
constexpr ListPlace kLists[] = {
    {IDC_INFO_LEFT, {137, 221, 335, 330}},
    {IDC_INFO_RIGHT, {435, 221, 566, 330}},
    {IDC_STATS_LEFT, {165, 221, 232, 335}},
    {IDC_STATS_RIGHT, {315, 221, 400, 300}},
};
constexpr DWORD kListStyle = WS_CHILD | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
// The rectangles hold seven rows: at 14 pixels our list rows are 18 pixels high and the seventh
// row falls off the list. At 11 pixels they are 14 high (98 of 109); the information view's lists
// take the panel's width, so that a MAC address, "255.255.255.255" and most 32-character SSIDs
// show whole. The backgrounds' labels follow that pitch and those columns.
constexpr int kListFontHeight = 11;

// The word a button's bitmap shows: the button's window text while it shows that bitmap.
const char* CaptionOf(int normalBitmap) {
    switch (normalBitmap) {
    case IDB_MORE_INFO: return "More Information";
    case IDB_BACK_INFO: return "Back";
    case IDB_STATISTICS: return "Statistics";
    case IDB_STATUS: return "Status";
    case IDB_SAVE_TO_PROFILE: return "Save To Profile";
    default: return nullptr;
    }
}

void SetLook(CSkinButton& button, int normalBitmap, int pressedBitmap) {
    button.SetBitmaps(normalBitmap, pressedBitmap, CaptionOf(normalBitmap));
}


void Apply(HWND page, int id, Visibility v) {
    if (v != Visibility::Leave) ShowWindow(GetDlgItem(page, id), v == Visibility::Show ? SW_SHOW : SW_HIDE);
}

template <size_t N>
void Fill(CTarnoListBox& list, const std::array<std::string, N>& rows) {
    SendMessageA(list.Handle(), WM_SETREDRAW, FALSE, 0);
    list.ResetContent();
    for (const std::string& row : rows) list.AddString(row.c_str(), -1);
    SendMessageA(list.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list.Handle(), nullptr, TRUE);
}

}  // namespace

CLinkInfoPage::CLinkInfoPage(IMonitorHost& host) : CTabPage(IDD_LINK_INFO, nullptr), host_(host) {}

bool CLinkInfoPage::OnInitDialog() {
    SetDragHost(host_.Window());
    Place(kLayout);
    signal_.Attach(Handle(), IDC_SIGNAL_METER);
    quality_.Attach(Handle(), IDC_QUALITY_METER);
    moreInfo_.Attach(Handle(), IDC_MORE_INFO);
    statistics_.Attach(Handle(), IDC_STATISTICS);
    saveToProfile_.Attach(Handle(), IDC_SAVE_TO_PROFILE);
    refresh_.Attach(Handle(), IDC_STATS_REFRESH);
    TrackSkinStatic(&refresh_);
    headline_.Attach(Handle(), IDC_HEADLINE);
    sentence_.Attach(Handle(), IDC_SENTENCE);
    accessPoint_.Attach(Handle(), IDC_AP_PICTURE);
    internet_.Attach(Handle(), IDC_INTERNET_PICTURE);
    adhocPeer_.Attach(Handle(), IDC_ADHOC_PICTURE);

    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    counterFrequency_ = uint64_t(frequency.QuadPart);
    host_.State().statisticsOffset = 0;
    FollowSharedTimes();

    ChangeBackground(IDB_LINK_STATUS_UNKNOWN);
    SetLook(moreInfo_, IDB_MORE_INFO, IDB_MORE_INFO_PRESSED);
    SetLook(statistics_, IDB_STATISTICS, IDB_STATISTICS_PRESSED);
    SetLook(saveToProfile_, IDB_SAVE_TO_PROFILE, IDB_SAVE_TO_PROFILE_PRESSED);
    refresh_.SetBitmaps(IDB_STATS_REFRESH, IDB_STATS_REFRESH_HOVER, IDB_STATS_REFRESH_HOVER);
    refresh_.SetCaption("Refresh");
    headline_.MySetFont(25, 700, false, false, "Arial");
    headline_.MySetBackColor(RGB(255, 255, 255));
    headline_.MySetTextColor(0xb4bebe);
    headline_.MySetHorizontalTextAlign(1);  // over the scene, as the details views' painted headings
    sentence_.MySetFont(14, 700, false, false, "Arial");
    sentence_.MySetBackColor(RGB(255, 255, 255));
    sentence_.MySetHorizontalTextAlign(1);

    // The first refresh draws what it finds, an absent adapter included.
    status_.compare = false;
    StatusRefresh();
    MeterUpdate();  // not the full bar a new meter shows until the first tick
    informationChosen_ = true;
    for (int id : {IDC_STATISTICS, IDC_SAVE_TO_PROFILE, IDC_STATS_REFRESH}) ShowItem(id, false);
    StartTimer(TIMER_LINK_REFRESH, 500);
    return true;
}

void CLinkInfoPage::OnTabShowing() {
    StartRefresh(1000);
    ShowChosenDetails();
}

void CLinkInfoPage::OnTabHiding(bool byButton) {
    // The details lists are the window's children, not the page's.
    HideDetailLists();
    // A page that switches tabs (the editor returning to Profiles) leaves the refresh running.
    if (byButton) StopRefresh();
}

bool CLinkInfoPage::OnTimer(UINT_PTR) {
    ++refreshTicks_;
    if (pending_) {
        const AppState& state = host_.State();
        if (!linkinfo::PendingLinkUp(*pending_, state.connectIssued.load(), state.linkUp.load() == 1)) {
            StartTimer(TIMER_LINK_REFRESH, linkinfo::PendingPollMs);
            return true;
        }
        pending_.reset();
    }
    if (layOutPending_) LayOutStatusView();
    if (statusView_)
        StatusRefresh();
    else if (informationChosen_)
        InformationFill();
    else
        StatisticsFill();
    MeterUpdate();
    StartTimer(TIMER_LINK_REFRESH, 1000);
    return true;
}

bool CLinkInfoPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_MORE_INFO:
        OnMoreInformation();
        return true;
    case IDC_STATISTICS:
        if (!statusView_) OnStatisticsOrStatus();
        return true;
    case IDC_STATS_REFRESH:
        OnRefresh();
        return true;
    case IDC_SAVE_TO_PROFILE:
        OnSaveToProfile();
        return true;
    default:
        return false;
    }
}

// Enter does nothing.
bool CLinkInfoPage::OnCommand(int id, int, HWND) { return id == IDC_ENTER_SINK; }

// --- Status view ---------------------------------------------------------------------------

void CLinkInfoPage::StatusRefresh() {
    // Unassociated, the access point's address is not there and the call fails at it; the mode,
    // asked before it, is what the view needs.
    NETWORK_STATUS status{};
    GetNetworkStatus(AdapterDescription(), &status);
    AppState& state = host_.State();
    linkinfo::StatusInput in{state.adapterBound.load() == 1, state.linkUp.load() == 1, status.InfrastructureMode,
                             host_.InternetState()};
    const linkinfo::StatusView view = linkinfo::DecideStatus(in, status_);
    if (view.startProbe) host_.StartInternetProbe();
    ApplyStatus(view);
    HideDetailLists();
}

void CLinkInfoPage::ApplyStatus(const linkinfo::StatusView& v) {
    ChangeBackground(v.background);
    Apply(Handle(), IDC_MORE_INFO, v.moreInfo);
    Apply(Handle(), IDC_STATISTICS, v.statistics);
    Apply(Handle(), IDC_SAVE_TO_PROFILE, v.saveToProfile);
    Apply(Handle(), IDC_STATS_REFRESH, v.refresh);
    Apply(Handle(), IDC_AP_PICTURE, v.apPicture);
    Apply(Handle(), IDC_ADHOC_PICTURE, v.adhocPicture);
    Apply(Handle(), IDC_INTERNET_PICTURE, v.internetPicture);
    if (v.redraw) {
        if (v.apAnimation) PlayIn(accessPoint_, v.apAnimation);
        if (v.adhocAnimation) PlayIn(adhocPeer_, v.adhocAnimation);
        if (v.internetAnimation) PlayIn(internet_, v.internetAnimation);
        if (v.headlineText) SetText(headline_, v.headlineText);
        if (v.sentenceText) SetText(sentence_, v.sentenceText);
    }
    Apply(Handle(), IDC_HEADLINE, v.headline);
    Apply(Handle(), IDC_SENTENCE, v.sentence);
}

void CLinkInfoPage::LayOutStatusView() {
    // Marked by the frame (adapter lost or back, Zero Configuration): whatever the page showed,
    // the status view is laid out and drawn anew.
    layOutPending_ = false;
    for (int id : {IDC_STATISTICS, IDC_SAVE_TO_PROFILE, IDC_STATS_REFRESH}) ShowItem(id, false);
    for (int id : {IDC_HEADLINE, IDC_SENTENCE}) ShowItem(id, true);
    HideDetailLists();
    status_.compare = false;
    Redraw();
}

void CLinkInfoPage::MarkStatusView(bool informationChosen) {
    statusView_ = true;
    informationChosen_ = informationChosen;
    layOutPending_ = true;
}

void CLinkInfoPage::HideDetailsAndButtons() {
    for (int id : {IDC_MORE_INFO, IDC_STATISTICS, IDC_SAVE_TO_PROFILE, IDC_STATS_REFRESH}) ShowItem(id, false);
    HideDetailLists();
}

// --- Details views -------------------------------------------------------------------------

void CLinkInfoPage::InformationFill() {
    const AppState& state = host_.State();
    NETWORK_STATUS status{};
    const bool up = state.adapterBound.load() == 1 && state.linkUp.load() == 1;
    const int32_t result = up ? GetNetworkStatus(AdapterDescription(), &status) : ERROR_NOT_READY;
    const linkinfo::InformationRows rows = linkinfo::InformationRowsFor(up, result, status);
    Fill(List(IDC_INFO_LEFT), rows.left);
    Fill(List(IDC_INFO_RIGHT), rows.right);
    // Only a whole answer teaches the profile its addressing.
    if (WLAN_PROFILE* profile = host_.InUseProfile(); up && result == 0 && profile)
        linkinfo::TakeLinkAddressing(status, *profile);
}

void CLinkInfoPage::StatisticsFill() {
    AppState& state = host_.State();
    NETWORK_STATISTICS statistics{};
    if (GetNetworkStatistics(texts::HardwareId, &statistics) != 0) std::memset(&statistics, 0, sizeof statistics);
    const bool up = state.linkUp.load() == 1;
    const uint64_t now = CounterNow();
    FollowSharedTimes();
    if (!up) {
        state.StoreBaselines(statistics);
        clock_.Restart(now);
    }
    const linkinfo::UpTimes times = clock_.Read(now, counterFrequency_);
    PublishSharedTimes();
    const linkinfo::Baselines baselines{state.baselinePacketsReceived, state.baselinePacketsTransmitted,
                                        state.baselineBytesReceived, state.baselineBytesTransmitted};
    const linkinfo::StatisticsRows rows = linkinfo::BuildStatisticsRows(up ? &statistics : nullptr, baselines, times);
    Fill(List(IDC_STATS_LEFT), rows.left);
    Fill(List(IDC_STATS_RIGHT), rows.right);
}

void CLinkInfoPage::ResetStatistics() {
    FollowSharedTimes();
    clock_.ExcludeUntilLastRead();
    PublishSharedTimes();
    NETWORK_STATISTICS statistics{};
    if (GetNetworkStatistics(texts::HardwareId, &statistics) != 0) std::memset(&statistics, 0, sizeof statistics);
    host_.State().StoreBaselines(statistics);
}

void CLinkInfoPage::FollowSharedTimes() {
    const AppState& state = host_.State();
    clock_.Follow({state.connectionStart, state.lastStatisticsRead, state.statisticsOffset});
}

void CLinkInfoPage::PublishSharedTimes() {
    const linkinfo::StatisticsClock::Shared was = clock_.Seen();
    const linkinfo::StatisticsClock::Shared now = clock_.Publish();
    // Only what the page changed, and not over a connect worker's value stored meanwhile (the
    // next Follow takes that one).
    auto store = [](std::atomic<uint64_t>& field, uint64_t before, uint64_t after) {
        if (after != before) field.compare_exchange_strong(before, after);
    };
    AppState& state = host_.State();
    store(state.connectionStart, was.connectionStart, now.connectionStart);
    store(state.lastStatisticsRead, was.lastRead, now.lastRead);
    store(state.statisticsOffset, was.offset, now.offset);
}

void CLinkInfoPage::SetMoreInfoBitmaps(int normalId, int pressedId) {
    SetLook(moreInfo_, normalId, pressedId);
}

void CLinkInfoPage::OnMoreInformation() {
    if (statusView_) {
        SetLook(moreInfo_, IDB_BACK_INFO, IDB_BACK_INFO_PRESSED);
        // The second button names the view it leads to.
        if (informationChosen_)
            SetLook(statistics_, IDB_STATISTICS, IDB_STATISTICS_PRESSED);
        else
            SetLook(statistics_, IDB_STATUS, IDB_STATUS_PRESSED);
        ShowItem(IDC_STATISTICS, true);
        ShowItem(IDC_SAVE_TO_PROFILE, true);
        ShowDetails(informationChosen_ ? Information : Statistics);
        if (informationChosen_)
            InformationFill();
        else
            StatisticsFill();
        for (int id : {IDC_HEADLINE, IDC_SENTENCE, IDC_AP_PICTURE, IDC_INTERNET_PICTURE, IDC_ADHOC_PICTURE})
            ShowItem(id, false);
    } else {
        SetLook(moreInfo_, IDB_MORE_INFO, IDB_MORE_INFO_PRESSED);
        for (int id : {IDC_STATISTICS, IDC_SAVE_TO_PROFILE, IDC_STATS_REFRESH}) ShowItem(id, false);
        for (int id : {IDC_HEADLINE, IDC_SENTENCE}) ShowItem(id, true);
        HideDetailLists();
        ChangeBackground(IDB_LINK_STATUS_UNKNOWN);
        StatusRefresh();
    }
    statusView_ = !statusView_;
    Redraw();
}

void CLinkInfoPage::OnStatisticsOrStatus() {
    if (informationChosen_) {
        ResetStatistics();
        SetLook(statistics_, IDB_STATUS, IDB_STATUS_PRESSED);
        ShowDetails(Statistics);
        StatisticsFill();
    } else {
        SetLook(statistics_, IDB_STATISTICS, IDB_STATISTICS_PRESSED);
        ShowDetails(Information);
        InformationFill();
    }
    informationChosen_ = !informationChosen_;
    Redraw();
}

void CLinkInfoPage::OnRefresh() {
    ResetStatistics();
    StatisticsFill();
}

void CLinkInfoPage::ShowDetails(ListPair pair) {
    ChangeBackground(pair == Information ? IDB_LINK_INFORMATION : IDB_LINK_STATISTICS);
    ShowItem(IDC_STATS_REFRESH, pair == Statistics);
    ShowPair(pair == Information ? Statistics : Information, false);
    ShowPair(pair, true);
}

void CLinkInfoPage::ShowChosenDetails() {
    if (statusView_) return;
    ShowPair(informationChosen_ ? Statistics : Information, false);
    ShowPair(informationChosen_ ? Information : Statistics, true);
}

void CLinkInfoPage::HideDetailLists() {
    for (CTarnoListBox* list : {&infoLeft_, &infoRight_, &statsLeft_, &statsRight_})
        if (list->Handle()) ShowWindow(list->Handle(), SW_HIDE);
}

void CLinkInfoPage::ShowPair(ListPair pair, bool show) {
    const int ids[2] = {pair == Information ? IDC_INFO_LEFT : IDC_STATS_LEFT,
                        pair == Information ? IDC_INFO_RIGHT : IDC_STATS_RIGHT};
    for (int id : ids) {
        if (show)
            ShowWindow(List(id).Handle(), SW_SHOW);
        else if (const CTarnoListBox* list = DetailList(id))
            ShowWindow(list->Handle(), SW_HIDE);
    }
}

void CLinkInfoPage::EmptyPair(ListPair pair) {
    for (int id : {pair == Information ? IDC_INFO_LEFT : IDC_STATS_LEFT, pair == Information ? IDC_INFO_RIGHT : IDC_STATS_RIGHT})
        List(id).ResetContent();
}

const CTarnoListBox* CLinkInfoPage::DetailList(int id) const {
    const CTarnoListBox* list = id == IDC_INFO_LEFT    ? &infoLeft_
                                : id == IDC_INFO_RIGHT ? &infoRight_
                                : id == IDC_STATS_LEFT ? &statsLeft_
                                : id == IDC_STATS_RIGHT ? &statsRight_
                                                        : nullptr;
    return list && list->Handle() ? list : nullptr;
}

CTarnoListBox& CLinkInfoPage::List(int id) {
    CTarnoListBox& list = id == IDC_INFO_LEFT    ? infoLeft_
                          : id == IDC_INFO_RIGHT ? infoRight_
                          : id == IDC_STATS_LEFT ? statsLeft_
                                                 : statsRight_;
    if (list.Handle()) return list;
    for (const ListPlace& place : kLists) {
        if (place.id != id) continue;
        const RECT& r = place.box;
        HWND window = CreateWindowExA(0, "LISTBOX", "", kListStyle, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                      host_.Window(), reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleA(nullptr),
                                      nullptr);
        if (!window || !list.Attach(window)) break;
        // Above the page, which leaves them out of its own painting.
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        list.MySetFont(kListFontHeight, 0, false, false, "Arial");
        list.MySetLineSpace(-1);
        EnableWindow(window, FALSE);  // display only: no selection, no focus
    }
    return list;
}

// --- Meters, pending display, Save To Profile ------------------------------------------------

void CLinkInfoPage::MeterUpdate() {
    if (host_.State().linkUp.load() != 1) return SetMeters(0);
    SIGNAL_INFO signal{};
    GetSignalInfo(&signal);
    SetMeters(radio::SignalPercent(signal.Rssi));
}

void CLinkInfoPage::SetMeters(int percent) {
    // Link Quality shows the same value as Signal Strength.
    SendMessageA(signal_.Handle(), PBM_SETPOS, WPARAM(percent), 0);
    SendMessageA(quality_.Handle(), PBM_SETPOS, WPARAM(percent), 0);
}

void CLinkInfoPage::ShowConnectionPending() {
    status_.shown.link = 0;
    status_.shown.internet = 0;
    if (statusView_) {
        const WLAN_PROFILE* profile = host_.InUseProfile();
        const uint32_t association =
            profile ? profile->AssociationMode : profile::Stored(profile::Association::Infrastructure);
        const linkinfo::PendingView v = linkinfo::DecidePending(association);
        PlayIn(v.infrastructure ? accessPoint_ : adhocPeer_, v.animation);
        ShowItem(IDC_AP_PICTURE, v.infrastructure);
        ShowItem(IDC_ADHOC_PICTURE, !v.infrastructure);
        ChangeBackground(v.background);
        SetText(headline_, v.headlineText);
        SetText(sentence_, v.sentenceText);
        status_.shown.mode = v.infrastructure ? 1 : 0;
        for (int id : {IDC_HEADLINE, IDC_SENTENCE}) ShowItem(id, true);
        for (int id : {IDC_INTERNET_PICTURE, IDC_MORE_INFO, IDC_STATISTICS, IDC_SAVE_TO_PROFILE}) ShowItem(id, false);
        HideDetailLists();
    } else {
        const ListPair chosen = informationChosen_ ? Information : Statistics;
        EmptyPair(chosen);
        ShowPair(chosen == Information ? Statistics : Information, false);
        ShowPair(chosen, true);
        for (int id : {IDC_HEADLINE, IDC_SENTENCE, IDC_INTERNET_PICTURE, IDC_AP_PICTURE, IDC_ADHOC_PICTURE})
            ShowItem(id, false);
        for (int id : {IDC_MORE_INFO, IDC_STATISTICS, IDC_SAVE_TO_PROFILE}) ShowItem(id, true);
    }
    SetMeters(0);
    Redraw();
    status_.compare = statusView_;
    pending_ = linkinfo::PendingWatch{host_.State().connectRequests.load()};
    StartTimer(TIMER_LINK_REFRESH, linkinfo::PendingPollMs);
}

void CLinkInfoPage::OnSaveToProfile() {
    CProfileNameDlg prompt(host_.Window());
    if (prompt.DoModal() != IDOK) return;
    WLAN_PROFILE* profile = host_.InUseProfile();
    if (!profile) {
        ui::Message(host_.Window(), prompt::NotSavedText, MB_OK | MB_ICONWARNING);
        return;
    }
    std::memset(profile->ProfileName, 0, sizeof profile->ProfileName);
    std::strncpy(profile->ProfileName, prompt.Name().c_str(), sizeof profile->ProfileName - 1);
    if (WriteProfile(profile) != 0) {
        ui::Message(host_.Window(), prompt::NotSavedText, MB_OK | MB_ICONWARNING);
        return;
    }
    SetCurrentProfile(profile->ProfileName);
    host_.ReloadProfiles();
}

// --- Helpers -----------------------------------------------------------------------------------

void CLinkInfoPage::ChangeBackground(int bitmapId) {
    // Loading the same picture again each second would only repaint the whole page.
    if (bitmapId == background_ && HasBackground()) return;
    if (SetBackground(bitmapId)) background_ = bitmapId;
}

void CLinkInfoPage::PlayIn(CPictureEx& picture, int gifId) {
    if (picture.Load(gifId, "Gif")) picture.Draw();
}

void CLinkInfoPage::SetText(CTarnoStatic& label, const char* text) { SetWindowTextA(label.Handle(), text); }

const CPictureEx& CLinkInfoPage::Picture(int id) const {
    return id == IDC_INTERNET_PICTURE ? internet_ : id == IDC_ADHOC_PICTURE ? adhocPeer_ : accessPoint_;
}
