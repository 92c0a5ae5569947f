// SiteSurveyPage.cpp - the page's frame: list columns, controls, scan animation and timers.
#include "monitor/pages/SiteSurveyPage.h"

#include "monitor/res/resource.h"

namespace {

// Pixels in the page (see monitor/ui/Placement.h).
constexpr Placement kLayout[] = {
    {IDC_HEADER_SSID, 18, 14, 135, 18},
    {IDC_HEADER_CHANNEL, 153, 14, 45, 18},
    {IDC_HEADER_SIGNAL, 198, 14, 75, 18},
    {IDC_SURVEY_LIST, 18, 32, 255, 222},
    {IDC_SURVEY_DETAILS, 296, 32, 266, 150},
    {IDC_SCAN_ANIMATION, 121, 119, 48, 48},
    {IDC_SURVEY_REFRESH, 320, 226, 105, 23},
    {IDC_SURVEY_CONNECT, 440, 226, 105, 23},
    {IDC_ENTER_SINK_SURVEY, 0, 0, 1, 1},
};

}  // namespace

CSiteSurveyPage::CSiteSurveyPage(IMonitorHost& host) : CSkinDialog(IDD_SITE_SURVEY, nullptr), host_(host) {}

bool CSiteSurveyPage::OnInitDialog() {
    SetDragHost(host_.Window());
    Place(kLayout);
    list_.Attach(Handle(), IDC_SURVEY_LIST);
    details_.Attach(Handle(), IDC_SURVEY_DETAILS);
    refresh_.Attach(Handle(), IDC_SURVEY_REFRESH);
    connect_.Attach(Handle(), IDC_SURVEY_CONNECT);
    headerSsid_.Attach(Handle(), IDC_HEADER_SSID);
    headerChannel_.Attach(Handle(), IDC_HEADER_CHANNEL);
    headerSignal_.Attach(Handle(), IDC_HEADER_SIGNAL);
    animation_.Attach(Handle(), IDC_SCAN_ANIMATION);
    for (CSkinStatic* s : {&refresh_, &connect_, &headerSsid_, &headerChannel_, &headerSignal_}) TrackSkinStatic(s);
    SetBackground(IDB_SURVEY_PAGE);
    list_.MyInsertColumn(0, "SSID", 0, 90);
    list_.MyInsertColumn(1, "CH", 1, 30);
    list_.MyInsertColumn(2, "Signal", 1, 50);
    list_.MySetBackColor(RGB(255, 255, 255));
    details_.MySetFont(14, 0, false, false, "Arial");
    details_.MySetLineSpace(-1);
    ShowItem(IDC_SCAN_ANIMATION, false);
    return true;
}

bool CSiteSurveyPage::OnTimer(UINT_PTR id) {
    if (id == TIMER_SURVEY_TICK) {
        ++ticks_;
        return true;
    }
    if (id == TIMER_SURVEY_SCAN) {
        StopTimer(TIMER_SURVEY_SCAN);
        scanPending_ = false;  // the list is filled from the scan result here once the page has its content
        return true;
    }
    return false;
}

bool CSiteSurveyPage::OnCommand(int id, int, HWND) { return id == IDC_ENTER_SINK_SURVEY; }

void CSiteSurveyPage::BeginScan() {
    list_.MyDeleteAllItems();
    list_.MySetGridLines(false);
    ShowItem(IDC_SCAN_ANIMATION, true);
    if (!animation_.IsPlaying() && animation_.Load(IDR_GIF_SCANNING, "Gif")) animation_.Draw();
    StartTimer(TIMER_SURVEY_SCAN, 5000);
    scanPending_ = true;
}

void CSiteSurveyPage::DisableForUnusableAdapter() {
    for (int id : {IDC_SURVEY_CONNECT, IDC_SURVEY_REFRESH, IDC_HEADER_SSID, IDC_HEADER_CHANNEL, IDC_HEADER_SIGNAL})
        EnableItem(id, false);
    details_.ResetContent();
    animation_.Stop();
    ShowItem(IDC_SCAN_ANIMATION, false);
    list_.MyDeleteAllItems();
    list_.MySetGridLines(true);
    list_.MySetStandardCursor(32512);
}

void CSiteSurveyPage::EnableForUsableAdapter(bool current) {
    for (int id : {IDC_SURVEY_CONNECT, IDC_SURVEY_REFRESH, IDC_HEADER_SSID, IDC_HEADER_CHANNEL, IDC_HEADER_SIGNAL,
                   IDC_SURVEY_LIST})
        EnableItem(id, true);
    if (current) BeginScan();
}
