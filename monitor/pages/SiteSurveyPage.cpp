// SiteSurveyPage.cpp - the Site Survey page: the scan, the list and its details, sorting, and the
// connect that starts from a row.
#include <winsock2.h>

#include "monitor/pages/SiteSurveyPage.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "adapter/portable/ScanList.h"
#include "monitor/core/AppState.h"
#include "monitor/keys/SecurityDialogs.h"
#include "monitor/survey/portable/SurveyRules.h"
#include "monitor/ui/MessageBox.h"

namespace {

// Pixels in the page (see monitor/ui/Placement.h). The headers lie over the list's columns
// (90, 30 and 50 pixels inside its 1-pixel border); background IDB_SURVEY_PAGE paints the strip they sit on
// and the details heading.
constexpr Placement kLayout[] = {
    {IDC_HEADER_SSID, 19, 14, 90, 18},
    {IDC_HEADER_CHANNEL, 109, 14, 30, 18},
    {IDC_HEADER_SIGNAL, 139, 14, 50, 18},
    {IDC_SURVEY_LIST, 18, 32, 190, 222},
    {IDC_SURVEY_DETAILS, 228, 32, 334, 150},
    {IDC_SCAN_ANIMATION, 89, 119, 48, 48},
    {IDC_SURVEY_REFRESH, 340, 226, 105, 23},
    {IDC_SURVEY_CONNECT, 457, 226, 105, 23},
    {IDC_ENTER_SINK_SURVEY, 0, 0, 1, 1},
};

constexpr int kRowIcons[] = {IDB_ROW_OPEN, IDB_ROW_PROTECTED, IDB_ROW_ADHOC};  // survey::Icon order
constexpr COLORREF kIconMask = RGB(255, 0, 0);
constexpr int kStandardArrow = 32512;

}  // namespace

CSiteSurveyPage::CSiteSurveyPage(IMonitorHost& host) : CTabPage(IDD_SITE_SURVEY, nullptr), host_(host) {}

void CSiteSurveyPage::OnTabShown() {
    const AppState& state = host_.State();
    if (ListEmpty() && state.adapterBound.load() == 1 && state.zeroControlState.load() != 1) BeginScan();
}

CSiteSurveyPage::~CSiteSurveyPage() {
    if (rowIcons_) ImageList_Destroy(rowIcons_);
}

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
    refresh_.SetBitmaps(IDB_SURVEY_REFRESH, IDB_SURVEY_REFRESH_HOVER, IDB_SURVEY_REFRESH_HOVER);
    connect_.SetBitmaps(IDB_CONNECT, IDB_CONNECT_HOVER, IDB_CONNECT_HOVER);
    headerSsid_.SetBitmaps(IDB_HEADER_SSID, -1, -1);
    headerChannel_.SetBitmaps(IDB_HEADER_CHANNEL, -1, -1);
    headerSignal_.SetBitmaps(IDB_HEADER_SIGNAL, -1, -1);
    const std::pair<CSkinStatic*, const char*> captions[] = {
        {&refresh_, "Refresh"}, {&connect_, "Connect"}, {&headerSsid_, "SSID"}, {&headerChannel_, "CH"}, {&headerSignal_, "Signal"}};
    for (const auto& [control, caption] : captions) control->SetCaption(caption);

    list_.MyInsertColumn(0, "SSID", 0, 90);
    list_.MyInsertColumn(1, "CH", 1, 30);
    list_.MyInsertColumn(2, "Signal", 1, 50);
    list_.MySetBackColor(RGB(255, 255, 255));
    list_.MySetGridLines(false);
    list_.MySetStandardCursor(kStandardArrow);
    details_.MySetFont(14, 0, false, false, "Arial");
    details_.MySetLineSpace(-1);
    EnableItem(IDC_SURVEY_DETAILS, false);
    if (!record_) record_ = std::make_unique<WLAN_PROFILE>();  // zero-filled
    CreateRowIcons();
    ShowItem(IDC_SCAN_ANIMATION, false);
    ShowDetails();
    return true;
}

void CSiteSurveyPage::CreateRowIcons() {
    rowIcons_ = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
    if (!rowIcons_) return;
    for (int id : kRowIcons) {
        HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
        ImageList_AddMasked(rowIcons_, bitmap, kIconMask);
        if (bitmap) DeleteObject(bitmap);
    }
    SendMessageA(list_.Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rowIcons_));
}

void CSiteSurveyPage::OnDestroy() {
    // The list would destroy an image list still attached to it; the page owns this one.
    if (list_.Handle()) SendMessageA(list_.Handle(), LVM_SETIMAGELIST, LVSIL_SMALL, 0);
}

bool CSiteSurveyPage::OnTimer(UINT_PTR id) {
    if (id == TIMER_SURVEY_TICK) {
        ++ticks_;
        return true;
    }
    if (id == TIMER_SURVEY_SCAN) {
        FinishScan();
        return true;
    }
    return false;
}

bool CSiteSurveyPage::OnCommand(int id, int code, HWND) {
    if (id == IDC_ENTER_SINK_SURVEY) return true;
    if (code != STN_CLICKED) return false;
    switch (id) {
    case IDC_SURVEY_REFRESH: StartScan(); return true;
    case IDC_SURVEY_CONNECT: Connect(); return true;
    case IDC_HEADER_SSID: SortBy(0); return true;
    case IDC_HEADER_CHANNEL: SortBy(1); return true;
    case IDC_HEADER_SIGNAL: SortBy(2); return true;
    default: return false;
    }
}

bool CSiteSurveyPage::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom != IDC_SURVEY_LIST) return false;
    if (header->code == LVN_ITEMCHANGED) {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))
            ShowDetails();
        result = 0;
        return true;
    }
    if (header->code == NM_DBLCLK) {
        if (reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem >= 0) Connect();
        result = 0;
        return true;
    }
    return false;
}

void CSiteSurveyPage::StartScan() {
    list_.MySetGridLines(false);
    list_.MySetStandardCursor(kStandardArrow);
    ScanSiteInfo();  // the result shows at the timer
    BeginScan();
}

void CSiteSurveyPage::BeginScan() {
    list_.MyDeleteAllItems();
    list_.MySetGridLines(false);
    details_.ResetContent();  // the details of a row no longer listed
    ShowItem(IDC_SCAN_ANIMATION, true);
    if (!animation_.IsPlaying() && animation_.Load(IDR_GIF_SCANNING, "Gif")) animation_.Draw();
    StartTimer(TIMER_SURVEY_SCAN, 5000);
    scanPending_ = true;
}

void CSiteSurveyPage::FinishScan() {
    // Once per Refresh: a refused request leaves the animation running until a later one succeeds.
    StopTimer(TIMER_SURVEY_SCAN);
    scanPending_ = false;
    if (ScanSiteInfo() != 0) return;
    host_.State().currentSurvey = buffer_;
    // A list the adapter did not deliver is no list: the buffer must not show the one before.
    if (GetSiteInfo(buffer_, sizeof buffer_) != 0) std::fill_n(buffer_, 4, uint8_t(0));
    animation_.Stop();
    ShowItem(IDC_SCAN_ANIMATION, false);
    FillList();
    ShowDetails();
}

void CSiteSurveyPage::FillList() {
    const uint8_t* survey = host_.State().currentSurvey.load();
    if (!survey) return;
    if (survey != buffer_) {
        // Another scan's buffer (the editor's page, the supervisor's) may go before this list
        // does: the list's details and Connect read a copy that lives as long as the page.
        std::memcpy(buffer_, survey, sizeof buffer_);
        host_.State().currentSurvey = buffer_;
        survey = buffer_;
    }
    list_.MySetGridLines(true);
    list_.MySetCursor(IDCUR_HAND);
    // Every survey buffer of the monitor is writable and this size; the count is kept within
    // the limit in the buffer itself, so every later lookup reads the same entries.
    scan::LimitEntryCount(const_cast<uint8_t*>(survey), WIFIAPI_SCAN_BUFFER_SIZE);
    if (scan::ScanList(survey, WIFIAPI_SCAN_BUFFER_SIZE).declaredCount() == 0) return;
    SendMessageA(list_.Handle(), WM_SETREDRAW, FALSE, 0);
    list_.MyDeleteAllItems();
    int index = 0;
    for (const survey::Row& row : survey::ListRows(survey, WIFIAPI_SCAN_BUFFER_SIZE)) {
        const int at = list_.MyInsertItem(index++, row.ssid.c_str(), row.summary.c_str(), row.icon);
        if (at < 0) continue;
        list_.MySetItemText(at, 1, row.channel.c_str(), -1, 1);
        list_.MySetItemText(at, 2, row.signal.c_str(), -1, 1);
    }
    SendMessageA(list_.Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_.Handle(), nullptr, TRUE);
    ShowDetails();  // no row is selected in the new list: no details of an earlier one
}

void CSiteSurveyPage::ShowDetails() {
    details_.ResetContent();
    const uint8_t* survey = host_.State().currentSurvey.load();
    const int row = list_.SelectedRow();
    if (!survey || row < 0) return;
    const std::string ssid = list_.MyGetItemText(row, 0), channel = list_.MyGetItemText(row, 1),
                      signal = list_.MyGetItemText(row, 2);
    const auto entry = scan::FindEntry(scan::ScanList(survey, WIFIAPI_SCAN_BUFFER_SIZE), ssid, channel, signal);
    if (!entry) return;
    for (const std::string& line : survey::DetailLines(*entry)) details_.AddString(line.c_str());
}

void CSiteSurveyPage::SortBy(int column) {
    if (column < 0 || column > 2) return;
    list_.Sort(column, ascending_[column], column != 0);
    ascending_[column] = !ascending_[column];
}

void CSiteSurveyPage::Connect() {
    const int row = list_.SelectedRow();
    if (row >= 0) {
        const uint8_t* survey = host_.State().currentSurvey.load();
        const std::string ssid = list_.MyGetItemText(row, 0), channel = list_.MyGetItemText(row, 1),
                          signal = list_.MyGetItemText(row, 2);
        const survey::Lookup lookup = survey ? survey::FillForConnect(survey, WIFIAPI_SCAN_BUFFER_SIZE,
                                                                      {ssid, channel, signal}, *record_)
                                             : survey::Lookup::NoEntry;
        if (lookup == survey::Lookup::NoEntry) {
            // Rescanned since the list was filled: show what is in range now rather than connect
            // with an earlier network's record.
            list_.MyDeleteAllItems();
            FillList();
            ShowDetails();
        } else if (lookup == survey::Lookup::Enterprise) {
            ui::Message(host_.Window(), survey::EnterpriseRefusal, MB_OK | MB_ICONINFORMATION);
        } else {
            survey::PreferWpa2ForAes(*record_);
            if (AskNetworkKey(host_, *record_)) {
                AskAboutStaticAddress();
                host_.StartConnection(*record_, ConnectRequest{nullptr, false, false});
            }
        }
    }
    connect_.Reset();
}

void CSiteSurveyPage::AskAboutStaticAddress() {
    NETWORK_STATUS status{};
    const int32_t result = GetNetworkStatus(AdapterDescription(), &status);
    if (!survey::AsksAboutStaticAddress(result, status, host_.State().linkUp.load() == 1)) return;
    if (ui::Message(host_.Window(), survey::StaticAddressQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
        survey::TakeDhcp(*record_);
    } else {
        survey::KeepStaticAddresses(*record_, inet_addr(status.IpAddress), inet_addr(status.SubnetMask),
                                    inet_addr(status.Gateway), inet_addr(status.DhcpServer));
    }
}

void CSiteSurveyPage::DisableForUnusableAdapter() {
    for (int id : {IDC_SURVEY_CONNECT, IDC_SURVEY_REFRESH, IDC_HEADER_SSID, IDC_HEADER_CHANNEL, IDC_HEADER_SIGNAL})
        EnableItem(id, false);
    details_.ResetContent();
    animation_.Stop();
    ShowItem(IDC_SCAN_ANIMATION, false);
    list_.MyDeleteAllItems();
    list_.MySetGridLines(true);
    list_.MySetStandardCursor(kStandardArrow);
}

void CSiteSurveyPage::EnableForUsableAdapter(bool current) {
    for (int id : {IDC_SURVEY_CONNECT, IDC_SURVEY_REFRESH, IDC_HEADER_SSID, IDC_HEADER_CHANNEL, IDC_HEADER_SIGNAL,
                   IDC_SURVEY_LIST})
        EnableItem(id, true);
    if (current) BeginScan();
}
