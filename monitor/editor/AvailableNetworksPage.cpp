// AvailableNetworksPage.cpp - see AvailableNetworksPage.h.
#include "monitor/editor/AvailableNetworksPage.h"

#include <string>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/portable/ScanList.h"
#include "monitor/editor/IpSettingsPage.h"
#include "monitor/editor/ProfileDonePage.h"
#include "monitor/editor/ProfileWrite.h"
#include "monitor/editor/portable/AvailableNetworks.h"
#include "monitor/editor/portable/ProfileClearing.h"
#include "monitor/keys/SecurityDialogs.h"
#include "monitor/survey/portable/SurveyRules.h"
#include "monitor/ui/MessageBox.h"
#include "monitor/res/resource.h"

namespace {

// The list's columns (pixels) and the headers above them, which the artwork draws at these widths.
constexpr int kColumnWidths[5] = {93, 25, 38, 65, 110};
constexpr int kListX = 16, kListY = 64, kHeaderY = 44, kHeaderHeight = 20;

constexpr Placement kLayout[] = {
    {IDC_NETWORKS_LIST, kListX, kListY, 335, 160},
    {IDC_NETWORKS_ANIMATION, kListX + 143, kListY + 56, 48, 48},
    {IDC_NETWORKS_CONNECT, 380, 64, 170, 26},
    {IDC_NETWORKS_REFRESH, 380, 98, 170, 26},
    {IDC_NETWORKS_MANUAL, 380, 132, 170, 26},
    {IDC_NETWORKS_EXIT, 380, 200, 170, 26},
    {IDC_ENTER_SINK_SURVEY, 0, 0, 1, 1},
};

constexpr ButtonLook kButtons[] = {
    {IDC_NETWORKS_CONNECT, IDB_NETWORKS_CONNECT, IDB_NETWORKS_CONNECT_HOVER, IDB_NETWORKS_CONNECT_HOVER, "Connect"},
    {IDC_NETWORKS_REFRESH, IDB_NETWORKS_REFRESH, IDB_NETWORKS_REFRESH_HOVER, IDB_NETWORKS_REFRESH_HOVER, "Refresh"},
    {IDC_NETWORKS_MANUAL, IDB_NETWORKS_MANUAL, IDB_NETWORKS_MANUAL_HOVER, IDB_NETWORKS_MANUAL_HOVER, "Manual Setup"},
    {IDC_NETWORKS_EXIT, IDB_NETWORKS_EXIT, IDB_NETWORKS_EXIT_HOVER, IDB_NETWORKS_EXIT_HOVER, "Exit"},
    {IDC_NETWORKS_HEADER_SSID, IDB_NETWORKS_HEADER_SSID, -1, -1, "SSID"},
    {IDC_NETWORKS_HEADER_CHANNEL, IDB_NETWORKS_HEADER_CHANNEL, -1, -1, "CH"},
    {IDC_NETWORKS_HEADER_SIGNAL, IDB_NETWORKS_HEADER_SIGNAL, -1, -1, "Signal"},
    {IDC_NETWORKS_HEADER_SECURITY, IDB_NETWORKS_HEADER_SECURITY, -1, -1, "Security"},
    {IDC_NETWORKS_HEADER_MAC, IDB_NETWORKS_HEADER_MAC, -1, -1, "MAC Address"},
};

// What the adapter's state turns on and off; the list and Manual Setup and Exit stay.
constexpr int kSurveyControls[] = {IDC_NETWORKS_CONNECT,       IDC_NETWORKS_REFRESH,        IDC_NETWORKS_HEADER_SSID,
                                   IDC_NETWORKS_HEADER_CHANNEL, IDC_NETWORKS_HEADER_SIGNAL, IDC_NETWORKS_HEADER_SECURITY,
                                   IDC_NETWORKS_HEADER_MAC};

// Header control, column, numeric.
struct HeaderSort {
    int id, column;
    bool numeric;
};
constexpr HeaderSort kHeaderSorts[] = {{IDC_NETWORKS_HEADER_SSID, 0, false},
                                       {IDC_NETWORKS_HEADER_CHANNEL, 1, true},
                                       {IDC_NETWORKS_HEADER_SIGNAL, 2, true},
                                       {IDC_NETWORKS_HEADER_SECURITY, 3, false},
                                       {IDC_NETWORKS_HEADER_MAC, 4, false}};

constexpr int kArrowCursor = 32512;  // IDC_ARROW

HIMAGELIST LoadRowIcons() {
    HIMAGELIST icons = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1);
    if (!icons) return nullptr;
    for (int id : {IDB_ROW_OPEN, IDB_ROW_PROTECTED, IDB_ROW_ADHOC}) {
        if (HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))) {
            ImageList_AddMasked(icons, bitmap, RGB(255, 0, 0));
            DeleteObject(bitmap);
        }
    }
    return icons;
}

}  // namespace

CAvailableNetworksPage::CAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun)
    : CEditorPage(IDD_AVAILABLE_NETWORKS, host, record, IDB_NETWORKS_PAGE), firstRun_(firstRun) {}

CAvailableNetworksPage::~CAvailableNetworksPage() {
    // The application's survey must not point into a page that is gone.
    const uint8_t* mine = scan_.data();
    Host().State().currentSurvey.compare_exchange_strong(mine, nullptr);
    if (list_.Handle()) ListView_SetImageList(list_.Handle(), nullptr, LVSIL_SMALL);
    if (rowIcons_) ImageList_Destroy(rowIcons_);
}

std::span<const Placement> CAvailableNetworksPage::Layout() const { return kLayout; }

std::span<const ButtonLook> CAvailableNetworksPage::Buttons() const { return kButtons; }

void CAvailableNetworksPage::OnInitPage() {
    list_.Attach(Handle(), IDC_NETWORKS_LIST);
    animation_.Attach(Handle(), IDC_NETWORKS_ANIMATION);
    list_.MyInsertColumn(0, "SSID", 0, kColumnWidths[0], -1, -1);
    list_.MyInsertColumn(1, "CH", 1, kColumnWidths[1], -1, -1);
    list_.MyInsertColumn(2, "Signal", 1, kColumnWidths[2], -1, -1);
    list_.MyInsertColumn(3, "Security", 0, kColumnWidths[3], -1, -1);
    list_.MyInsertColumn(4, "MAC Address", 1, kColumnWidths[4], -1, -1);
    PlaceHeaders();
    list_.MySetGridLines(false);
    list_.MySetStandardCursor(kArrowCursor);
    list_.MySetBackColor(RGB(255, 255, 255));
    rowIcons_ = LoadRowIcons();
    if (rowIcons_) ListView_SetImageList(list_.Handle(), rowIcons_, LVSIL_SMALL);
    ShowItem(IDC_NETWORKS_ANIMATION, false);
    if (Host().State().adapterBound.load() == 1) {
        StartScan();
    } else {
        EnableSurveyControls(false);
        list_.MySetGridLines(true);
        list_.MyDeleteAllItems();
    }
}

// Each header lies over its column, from the list's client edge whatever border its style draws:
// the separators then meet the grid lines.
void CAvailableNetworksPage::PlaceHeaders() {
    POINT origin{0, 0};
    MapWindowPoints(list_.Handle(), Handle(), &origin, 1);
    int x = origin.x;
    for (const HeaderSort& header : kHeaderSorts) {
        const int width = kColumnWidths[header.column];
        if (HWND control = GetDlgItem(Handle(), header.id))
            SetWindowPos(control, nullptr, x, kHeaderY, width, kHeaderHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        x += width;
    }
}

void CAvailableNetworksPage::EnableSurveyControls(bool enable) {
    for (int id : kSurveyControls) EnableItem(id, enable);
}

void CAvailableNetworksPage::StartScan() {
    list_.MySetGridLines(false);
    list_.MySetStandardCursor(kArrowCursor);
    list_.MyDeleteAllItems();
    ShowItem(IDC_NETWORKS_ANIMATION, true);
    if (!animation_.IsPlaying() && animation_.Load(IDR_GIF_SCANNING, "Gif")) animation_.Draw();
    // The list read when the timer fires is the driver's last completed scan: ask for one now,
    // or the first list after a start is whatever the driver had before (nothing at all).
    ScanSiteInfo();
    StartTimer(TIMER_SURVEY_SCAN, 5000);
    scanPending_ = true;
}

bool CAvailableNetworksPage::OnTimer(UINT_PTR id) {
    if (id != TIMER_SURVEY_SCAN) return false;
    FinishScan();
    return true;
}

void CAvailableNetworksPage::FinishScan() {
    AppState& state = Host().State();
    state.currentSurvey = nullptr;
    if (ScanSiteInfo() == 0) {
        state.currentSurvey = scan_.data();
        GetSiteInfo(scan_.data(), uint32_t(scan_.size()));
        animation_.Stop();
        ShowItem(IDC_NETWORKS_ANIMATION, false);
        FillList();
    }
    StopTimer(TIMER_SURVEY_SCAN);
    scanPending_ = false;
}

void CAvailableNetworksPage::FillList() {
    // Every scan buffer of the monitor has this page's size.
    uint8_t* survey = const_cast<uint8_t*>(Host().State().currentSurvey.load());
    if (!survey) return;
    list_.MySetGridLines(true);
    list_.MySetCursor(IDCUR_HAND);
    scan::LimitEntryCount(survey, WIFIAPI_SCAN_BUFFER_SIZE);
    const scan::ScanList networks(survey, WIFIAPI_SCAN_BUFFER_SIZE);
    if (networks.declaredCount() == 0) return;
    list_.MyDeleteAllItems();
    int index = 0;
    for (const scan::Entry& entry : networks) {
        const int i = index++;
        if (entry.ssid.empty()) continue;
        const std::string ssid(entry.ssid);
        const int row = list_.MyInsertItem(i, ssid.c_str(), "", survey::RowIcon(entry), -1);
        if (row < 0) continue;
        list_.MySetItemText(row, 1, scan::ChannelText(entry).c_str(), -1, 1);
        list_.MySetItemText(row, 2, scan::SignalText(entry.rssi).c_str(), -1, 1);
        list_.MySetItemText(row, 3, editor::NetworkSecurityText(entry).c_str(), -1, 1);
        list_.MySetItemText(row, 4, scan::MacText(entry.mac).c_str(), -1, -1);
    }
    Host().RefillSiteSurvey();
}

bool CAvailableNetworksPage::OnPageCommand(int id, int code, HWND control) {
    if (id == IDC_ENTER_SINK_SURVEY) return true;
    if (code != STN_CLICKED || !control || control != Item(id)) return false;
    switch (id) {
    case IDC_NETWORKS_CONNECT:
        TakeSelectedNetwork();
        return true;
    case IDC_NETWORKS_REFRESH:
        StartScan();
        return true;
    case IDC_NETWORKS_MANUAL:
        ManualSetup();
        return true;
    case IDC_NETWORKS_EXIT:
        Exit();
        return true;
    default:
        break;
    }
    for (const HeaderSort& header : kHeaderSorts) {
        if (header.id != id) continue;
        SortBy(header.column);
        return true;
    }
    return false;
}

bool CAvailableNetworksPage::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom != IDC_NETWORKS_LIST || header->code != NM_DBLCLK) return false;
    TakeSelectedNetwork();
    result = 0;
    return true;
}

void CAvailableNetworksPage::SortBy(int column) {
    const HeaderSort& header = kHeaderSorts[column];
    list_.Sort(column, ascending_[size_t(column)], header.numeric);
    ascending_[size_t(column)] = !ascending_[size_t(column)];
}

void CAvailableNetworksPage::TakeSelectedNetwork() {
    if (CSkinStatic* connect = Button(IDC_NETWORKS_CONNECT)) connect->Reset();
    const int row = list_.SelectedRow();
    if (row < 0) return;
    WLAN_PROFILE& record = Record();
    const uint8_t* survey = Host().State().currentSurvey.load();
    const std::string ssid = list_.MyGetItemText(row, 0), channel = list_.MyGetItemText(row, 1),
                      signal = list_.MyGetItemText(row, 2);
    const survey::Lookup lookup = survey ? survey::FillForConnect(survey, WIFIAPI_SCAN_BUFFER_SIZE,
                                                                  {ssid, channel, signal}, record)
                                         : survey::Lookup::NoEntry;
    if (lookup == survey::Lookup::NoEntry) {
        // Scanned again since the list was filled: show what is in range now.
        FillList();
        return;
    }
    if (lookup == survey::Lookup::Enterprise) {
        ui::Message(Handle(), editor::EnterpriseNetworkMessage, MB_OK | MB_ICONINFORMATION);
        return;
    }
    // WPA with AES stays WPA-Personal here, as the network announces it; a network that announces
    // WPA2 alone gets WPA2-Personal, the only kind that can connect to it.
    if (profile::SecurityOf(record) == profile::Security::WpaPersonal) {
        const scan::ScanList networks(survey, WIFIAPI_SCAN_BUFFER_SIZE);
        const auto entry = scan::FindEntry(networks, ssid, channel, signal);
        if (entry && editor::AnnouncesWpa2Only(*entry))
            record.SecurityMode = profile::Stored(profile::Security::Wpa2Personal);
    }
    if (!AskNetworkKey(Host(), record)) return;
    // The key dialogs showed the monitor window again.
    editor::ClearForSurveyConnect(record);
    if (!WriteProfileOrSay(Handle(), record)) return;
    StopTimer(TIMER_SURVEY_SCAN);
    Forward(std::make_unique<CProfileDonePage>(Host(), record, true), 1);
}

void CAvailableNetworksPage::ManualSetup() {
    StopTimer(TIMER_SURVEY_SCAN);
    scanPending_ = false;
    Forward(std::make_unique<CIpSettingsPage>(Host(), Record()), 0);
}

void CAvailableNetworksPage::OnShownAgain() {
    // Back from the IP settings page: the list is usable again and scans when it is empty.
    if (Host().State().adapterBound.load() != 1) return;
    for (int id : {IDC_NETWORKS_CONNECT, IDC_NETWORKS_REFRESH, IDC_NETWORKS_LIST}) EnableItem(id, true);
    list_.MySetBackColor(RGB(255, 255, 255));
    if (list_.ItemCount() == 0) StartScan();
}

void CAvailableNetworksPage::Exit() {
    if (CSkinStatic* exit = Button(IDC_NETWORKS_EXIT)) exit->Reset();
    IMonitorHost& host = Host();
    if (firstRun_) {
        host.HideProgram();
        return;
    }
    StopTimer(TIMER_SURVEY_SCAN);
    host.CloseEditor();
    host.SetWindowBackground(host.State().adapterBound.load() == 1 ? IDB_BG_ACTIVE : IDB_BG_INACTIVE);
    host.SwitchTab(IDD_PROFILES);
}

void CAvailableNetworksPage::OnAdapterUsable(bool usable) {
    EnableSurveyControls(usable);
    if (usable) {
        list_.MySetBackColor(RGB(255, 255, 255));
        StartScan();
        return;
    }
    animation_.Stop();
    ShowItem(IDC_NETWORKS_ANIMATION, false);
    list_.MyDeleteAllItems();
    list_.MySetGridLines(true);
    list_.MySetStandardCursor(kArrowCursor);
}

std::unique_ptr<CEditorPage> MakeAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun) {
    return std::make_unique<CAvailableNetworksPage>(host, record, firstRun);
}
