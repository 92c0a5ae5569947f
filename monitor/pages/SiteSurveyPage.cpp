// SiteSurveyPage.cpp - the Site Survey page: its survey list, the details of a row, and the connect
// that starts from a row.
#include <winsock2.h>

#include "monitor/pages/SiteSurveyPage.h"

#include <commctrl.h>

#include <string>
#include <utility>

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

// The list's columns; the headers above them are placed by kLayout.
constexpr SurveyColumn kColumns[] = {
    {IDC_HEADER_SSID, "SSID", 0, 90, false, survey::Cell::Ssid, -1},
    {IDC_HEADER_CHANNEL, "CH", 1, 30, true, survey::Cell::Channel, 1},
    {IDC_HEADER_SIGNAL, "Signal", 1, 50, true, survey::Cell::Signal, 1},
};
constexpr SurveyListLook kList{IDC_SURVEY_LIST, IDC_SCAN_ANIMATION, kColumns, true};

}  // namespace

CSiteSurveyPage::CSiteSurveyPage(IMonitorHost& host)
    : CTabPage(IDD_SITE_SURVEY, nullptr), host_(host), list_(host.State()) {}

void CSiteSurveyPage::OnTabShown() {
    const AppState& state = host_.State();
    if (ListEmpty() && state.adapterBound.load() == 1 && state.zeroControlState.load() != 1) BeginScan();
}

bool CSiteSurveyPage::OnInitDialog() {
    SetDragHost(host_.Window());
    Place(kLayout);
    details_.Attach(Handle(), IDC_SURVEY_DETAILS);
    refresh_.Attach(Handle(), IDC_SURVEY_REFRESH);
    connect_.Attach(Handle(), IDC_SURVEY_CONNECT);
    headerSsid_.Attach(Handle(), IDC_HEADER_SSID);
    headerChannel_.Attach(Handle(), IDC_HEADER_CHANNEL);
    headerSignal_.Attach(Handle(), IDC_HEADER_SIGNAL);
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

    list_.Attach(*this, kList);
    details_.MySetFont(14, 0, false, false, "Arial");
    details_.MySetLineSpace(-1);
    EnableItem(IDC_SURVEY_DETAILS, false);
    if (!record_) record_ = std::make_unique<WLAN_PROFILE>();  // zero-filled
    ShowDetails();
    return true;
}

bool CSiteSurveyPage::OnTimer(UINT_PTR id) {
    if (id == TIMER_SURVEY_TICK) {
        ++ticks_;
        return true;
    }
    if (id == TIMER_SURVEY_SCAN) {
        if (list_.FinishScan()) ShowDetails();
        return true;
    }
    return false;
}

bool CSiteSurveyPage::OnCommand(int id, int, HWND) { return id == IDC_ENTER_SINK_SURVEY; }  // Enter does nothing

bool CSiteSurveyPage::OnButtonClicked(int id) {
    switch (id) {
    case IDC_SURVEY_REFRESH: StartScan(); return true;
    case IDC_SURVEY_CONNECT: Connect(); return true;
    default: return list_.SortByHeader(id);
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
    list_.Refresh();
    details_.ResetContent();  // the details of a row no longer listed
}

void CSiteSurveyPage::BeginScan() {
    list_.BeginScan();
    details_.ResetContent();
}

void CSiteSurveyPage::FillList() {
    if (list_.Fill()) ShowDetails();  // no row is selected in the new list: no details of an earlier one
}

void CSiteSurveyPage::ShowDetails() {
    details_.ResetContent();
    const auto entry = list_.EntryOf(List().SelectedRow());
    if (!entry) return;
    for (const std::string& line : survey::DetailLines(*entry)) details_.AddString(line.c_str());
}

void CSiteSurveyPage::Connect() {
    const int row = List().SelectedRow();
    if (row >= 0) {
        const survey::Lookup lookup = list_.FillForConnect(row, *record_);
        if (lookup == survey::Lookup::NoEntry) {
            // Rescanned since the list was filled: show what is in range now rather than connect
            // with an earlier network's record.
            list_.Rebuild();
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
    list_.Reset();
}

void CSiteSurveyPage::EnableForUsableAdapter(bool current) {
    for (int id : {IDC_SURVEY_CONNECT, IDC_SURVEY_REFRESH, IDC_HEADER_SSID, IDC_HEADER_CHANNEL, IDC_HEADER_SIGNAL,
                   IDC_SURVEY_LIST})
        EnableItem(id, true);
    if (current) BeginScan();
}
