// AvailableNetworksPage.cpp - see AvailableNetworksPage.h.
#include "monitor/editor/AvailableNetworksPage.h"

#include <commctrl.h>

#include "adapter/portable/ProfileKinds.h"
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
constexpr SurveyColumn kColumns[] = {
    {IDC_NETWORKS_HEADER_SSID, "SSID", 0, 93, false, survey::Cell::Ssid, -1},
    {IDC_NETWORKS_HEADER_CHANNEL, "CH", 1, 25, true, survey::Cell::Channel, 1},
    {IDC_NETWORKS_HEADER_SIGNAL, "Signal", 1, 38, true, survey::Cell::Signal, 1},
    {IDC_NETWORKS_HEADER_SECURITY, "Security", 0, 65, false, survey::Cell::Security, 1},
    {IDC_NETWORKS_HEADER_MAC, "MAC Address", 1, 110, false, survey::Cell::Mac, -1},
};
constexpr SurveyListLook kList{IDC_NETWORKS_LIST, IDC_NETWORKS_ANIMATION, kColumns, false};
constexpr int kListX = 16, kListY = 64, kHeaderY = 44, kHeaderHeight = 20;

constexpr Placement kLayout[] = {
    {IDC_NETWORKS_LIST, kListX, kListY, 335, 160},
    {IDC_NETWORKS_ANIMATION, kListX + 143, kListY + 56, 48, 48},
    {IDC_NETWORKS_CONNECT, 380, 64, 170, 26},
    {IDC_NETWORKS_REFRESH, 380, 98, 170, 26},
    {IDC_NETWORKS_MANUAL, 380, 132, 170, 26},
    {IDC_NETWORKS_EXIT, 380, 200, 170, 26},
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

}  // namespace

CAvailableNetworksPage::CAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun)
    : CEditorPage(IDD_AVAILABLE_NETWORKS, host, record, IDB_NETWORKS_PAGE), firstRun_(firstRun), list_(host.State()) {}

std::span<const Placement> CAvailableNetworksPage::Layout() const { return kLayout; }

std::span<const ButtonLook> CAvailableNetworksPage::Buttons() const { return kButtons; }

void CAvailableNetworksPage::OnInitPage() {
    list_.Attach(*this, kList);
    PlaceHeaders();
    if (Host().State().adapterBound.load() == 1) {
        list_.Refresh();
    } else {
        EnableSurveyControls(false);
        list_.Reset();
    }
}

// Each header lies over its column, from the list's client edge whatever border its style draws:
// the separators then meet the grid lines.
void CAvailableNetworksPage::PlaceHeaders() {
    POINT origin{0, 0};
    MapWindowPoints(List().Handle(), Handle(), &origin, 1);
    int x = origin.x;
    for (const SurveyColumn& column : kColumns) {
        if (HWND control = GetDlgItem(Handle(), column.headerId))
            SetWindowPos(control, nullptr, x, kHeaderY, column.width, kHeaderHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        x += column.width;
    }
}

void CAvailableNetworksPage::EnableSurveyControls(bool enable) {
    for (int id : kSurveyControls) EnableItem(id, enable);
}

bool CAvailableNetworksPage::OnTimer(UINT_PTR id) {
    if (id != TIMER_SURVEY_SCAN) return false;
    // The Site Survey's list shows the same scan.
    if (list_.FinishScan()) Host().RefillSiteSurvey();
    return true;
}

bool CAvailableNetworksPage::OnPageButtonClicked(int id) {
    switch (id) {
    case IDC_NETWORKS_CONNECT:
        TakeSelectedNetwork();
        return true;
    case IDC_NETWORKS_REFRESH:
        list_.Refresh();
        return true;
    case IDC_NETWORKS_MANUAL:
        ManualSetup();
        return true;
    case IDC_NETWORKS_EXIT:
        Exit();
        return true;
    default:
        return list_.SortByHeader(id);
    }
}

bool CAvailableNetworksPage::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom != IDC_NETWORKS_LIST || header->code != NM_DBLCLK) return false;
    TakeSelectedNetwork();
    result = 0;
    return true;
}

void CAvailableNetworksPage::TakeSelectedNetwork() {
    if (CSkinStatic* connect = Button(IDC_NETWORKS_CONNECT)) connect->Reset();
    const int row = List().SelectedRow();
    if (row < 0) return;
    WLAN_PROFILE& record = Record();
    const survey::Lookup lookup = list_.FillForConnect(row, record);
    if (lookup == survey::Lookup::NoEntry) {
        // Scanned again since the list was filled: show what is in range now, here and on the Site Survey.
        if (list_.Rebuild()) Host().RefillSiteSurvey();
        return;
    }
    if (lookup == survey::Lookup::Enterprise) {
        ui::Message(Handle(), editor::EnterpriseNetworkMessage, MB_OK | MB_ICONINFORMATION);
        return;
    }
    // WPA with AES stays WPA-Personal here, as the network announces it; a network that announces
    // WPA2 alone gets WPA2-Personal, the only kind that can connect to it.
    if (profile::SecurityOf(record) == profile::Security::WpaPersonal) {
        const auto entry = list_.EntryOf(row);
        if (entry && editor::AnnouncesWpa2Only(*entry))
            record.SecurityMode = profile::Stored(profile::Security::Wpa2Personal);
    }
    if (!AskNetworkKey(Host(), record)) return;
    // The key dialogs showed the monitor window again.
    editor::ClearForSurveyConnect(record);
    if (!WriteProfileOrSay(Handle(), record)) return;
    list_.CancelScan();
    Forward(std::make_unique<CProfileDonePage>(Host(), record, true), 1);
}

void CAvailableNetworksPage::ManualSetup() {
    list_.CancelScan();
    Forward(std::make_unique<CIpSettingsPage>(Host(), Record()), 0);
}

void CAvailableNetworksPage::OnShownAgain() {
    // Back from the IP settings page: the list is usable again and scans when it is empty.
    if (Host().State().adapterBound.load() != 1) return;
    for (int id : {IDC_NETWORKS_CONNECT, IDC_NETWORKS_REFRESH, IDC_NETWORKS_LIST}) EnableItem(id, true);
    List().MySetBackColor(RGB(255, 255, 255));
    if (List().ItemCount() == 0) list_.Refresh();
}

void CAvailableNetworksPage::Exit() {
    if (CSkinStatic* exit = Button(IDC_NETWORKS_EXIT)) exit->Reset();
    IMonitorHost& host = Host();
    if (firstRun_) {
        host.HideProgram();
        return;
    }
    list_.CancelScan();
    host.CloseEditor();
    host.SetWindowBackground(host.State().adapterBound.load() == 1 ? IDB_BG_ACTIVE : IDB_BG_INACTIVE);
    host.SwitchTab(IDD_PROFILES);
}

void CAvailableNetworksPage::OnAdapterUsable(bool usable) {
    EnableSurveyControls(usable);
    if (usable) {
        List().MySetBackColor(RGB(255, 255, 255));
        list_.Refresh();
    } else {
        list_.Reset();
    }
}

std::unique_ptr<CEditorPage> MakeAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun) {
    return std::make_unique<CAvailableNetworksPage>(host, record, firstRun);
}
