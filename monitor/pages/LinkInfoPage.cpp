// LinkInfoPage.cpp - the page's frame: controls, background, refresh timer and the marks others set.
#include "monitor/pages/LinkInfoPage.h"

#include "monitor/res/resource.h"

CLinkInfoPage::CLinkInfoPage(HWND monitorWindow) : CSkinDialog(IDD_LINK_INFO, monitorWindow) {}

bool CLinkInfoPage::OnInitDialog() {
    DragWindow(Parent(), PageTopOffset);
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
    if (id != TIMER_ID) return false;
    ++refreshTicks_;  // the live view is drawn here once the page has its content
    return true;
}

bool CLinkInfoPage::OnCommand(int id, int) {
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
