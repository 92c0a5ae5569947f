// LinkInfoPage.cpp - the page's frame: controls, background, refresh timer and the marks others set.
#include "monitor/pages/LinkInfoPage.h"

#include <commctrl.h>

#include "monitor/res/resource.h"

namespace {

// Pixels in the page (see monitor/ui/Placement.h); the labels of the backgrounds lie beside them.
constexpr Placement kLayout[] = {
    {IDC_HEADLINE, 180, 12, 225, 27},
    {IDC_AP_PICTURE, 247, 54, 80, 80},
    {IDC_ADHOC_PICTURE, 247, 54, 80, 80},
    {IDC_INTERNET_PICTURE, 390, 62, 64, 64},
    {IDC_SENTENCE, 90, 146, 400, 18},
    {IDC_SIGNAL_METER, 140, 190, 88, 13},
    {IDC_QUALITY_METER, 140, 222, 88, 13},
    {IDC_MORE_INFO, 440, 184, 105, 23},
    {IDC_STATISTICS, 440, 212, 105, 23},
    {IDC_SAVE_TO_PROFILE, 440, 240, 105, 23},
    {IDC_STATS_REFRESH, 330, 240, 90, 23},
    {IDC_ENTER_SINK, 0, 0, 1, 1},
};

}  // namespace

CLinkInfoPage::CLinkInfoPage(IMonitorHost& host) : CSkinDialog(IDD_LINK_INFO, nullptr), host_(host) {}

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
    headline_.MySetFont(25, 700, false, false, "Arial");
    headline_.MySetBackColor(RGB(255, 255, 255));
    headline_.MySetTextColor(0xb4bebe);
    sentence_.MySetFont(14, 700, false, false, "Arial");
    sentence_.MySetBackColor(RGB(255, 255, 255));
    sentence_.MySetHorizontalTextAlign(1);
    SetBackground(IDB_LINK_STATUS_UNKNOWN);
    moreInfo_.SetBitmaps(IDB_MORE_INFO, IDB_MORE_INFO_PRESSED);
    for (int id : {IDC_STATISTICS, IDC_SAVE_TO_PROFILE, IDC_STATS_REFRESH}) ShowItem(id, false);
    return true;
}

bool CLinkInfoPage::OnTimer(UINT_PTR id) {
    if (id != TIMER_LINK_REFRESH) return false;
    ++refreshTicks_;  // the live view is drawn here once the page has its content
    return true;
}

bool CLinkInfoPage::OnCommand(int id, int, HWND) {
    return id == IDC_ENTER_SINK;  // Enter does nothing
}

void CLinkInfoPage::MarkStatusView(bool informationChosen) {
    statusViewMarked_ = true;
    informationChosen_ = informationChosen;
    detailsShown_ = false;
}

void CLinkInfoPage::HideDetailsAndButtons() {
    for (int id : {IDC_MORE_INFO, IDC_STATISTICS, IDC_SAVE_TO_PROFILE, IDC_STATS_REFRESH}) ShowItem(id, false);
    HideDetailLists();
}

void CLinkInfoPage::HideDetailLists() {
    // The lists are children of the monitor window, made when first shown.
    for (int id : {IDC_INFO_LEFT, IDC_INFO_RIGHT, IDC_STATS_LEFT, IDC_STATS_RIGHT})
        if (HWND list = GetDlgItem(Parent(), id)) ShowWindow(list, SW_HIDE);
}

void CLinkInfoPage::ShowChosenDetails() {
    if (!detailsShown_) return;
    const bool info = informationChosen_;
    for (int id : {IDC_INFO_LEFT, IDC_INFO_RIGHT})
        if (HWND list = GetDlgItem(Parent(), id)) ShowWindow(list, info ? SW_SHOW : SW_HIDE);
    for (int id : {IDC_STATS_LEFT, IDC_STATS_RIGHT})
        if (HWND list = GetDlgItem(Parent(), id)) ShowWindow(list, info ? SW_HIDE : SW_SHOW);
}

void CLinkInfoPage::ShowConnectionPending() {
    // Nothing is known about the new link yet: the next refresh draws whatever it finds.
    shownState_.link = 0;
    shownState_.internet = 0;
    SendMessageA(signal_.Handle(), PBM_SETPOS, 0, 0);
    SendMessageA(quality_.Handle(), PBM_SETPOS, 0, 0);
    Redraw();
}
