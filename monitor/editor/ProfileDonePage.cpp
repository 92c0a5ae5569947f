// ProfileDonePage.cpp - see ProfileDonePage.h.
#include "monitor/editor/ProfileDonePage.h"

#include "monitor/editor/ProfileWrite.h"
#include "monitor/res/resource.h"

namespace {

// Both buttons, and Connect alone where the artwork has room for one.
constexpr Placement kLayout[] = {
    {IDC_DONE_CONNECT, 104, 324, 160, 28},
    {IDC_DONE_RETURN, 284, 324, 190, 28},
};
constexpr Placement kSurveyLayout[] = {
    {IDC_DONE_CONNECT, 209, 324, 160, 28},
};

constexpr ButtonLook kButtons[] = {
    {IDC_DONE_RETURN, IDB_DONE_RETURN, IDB_DONE_RETURN_HOVER, IDB_DONE_RETURN_HOVER, "Return to Profiles screen"},
    {IDC_DONE_CONNECT, IDB_DONE_CONNECT, IDB_DONE_CONNECT_HOVER, IDB_DONE_CONNECT_HOVER, "Connect to Network"},
};

}  // namespace

CProfileDonePage::CProfileDonePage(IMonitorHost& host, WLAN_PROFILE& record, bool fromSurvey)
    : CEditorPage(IDD_PROFILE_DONE, host, record, fromSurvey ? IDB_DONE_PAGE_SURVEY : IDB_DONE_PAGE),
      fromSurvey_(fromSurvey) {}

std::span<const Placement> CProfileDonePage::Layout() const {
    if (fromSurvey_) return kSurveyLayout;
    return kLayout;
}

std::span<const ButtonLook> CProfileDonePage::Buttons() const { return kButtons; }

void CProfileDonePage::OnInitPage() {
    Host().ShowCloseControl(false);
    if (fromSurvey_) ShowItem(IDC_DONE_RETURN, false);
    EnableConnect();
    StartTimer(TIMER_DONE_POLL, 1000);
}

bool CProfileDonePage::OnTimer(UINT_PTR id) {
    if (id != TIMER_DONE_POLL) return false;
    EnableConnect();
    return true;
}

void CProfileDonePage::EnableConnect() { EnableItem(IDC_DONE_CONNECT, Host().State().adapterBound.load() == 1); }

void CProfileDonePage::OnNext() {
    IMonitorHost& host = Host();
    AppState& state = host.State();
    // Without the adapter there is nothing to connect: the page stays (the button is normally off then).
    if (state.adapterBound.load() != 1) return;
    StopTimer(TIMER_DONE_POLL);
    state.firstStart = 0;
    if (IsDefaultProfileRecord(Record())) state.defaultProfilePresent = 1;
    WLAN_PROFILE& record = Record();  // the opener's: it outlives the editor and the worker reads it
    host.CloseEditor();
    host.SetWindowBackground(IDB_BG_ACTIVE);
    host.StartConnection(record, {record.ProfileName, true, true});
    host.ShowCloseControl(true);
    if (fromSurvey_) host.ReloadProfiles();
}

bool CProfileDonePage::OnPageButtonClicked(int id) {
    if (id != IDC_DONE_RETURN) return false;
    ReturnToProfiles();
    return true;
}

void CProfileDonePage::ReturnToProfiles() {
    IMonitorHost& host = Host();
    AppState& state = host.State();
    StopTimer(TIMER_DONE_POLL);
    state.firstStart = 0;
    if (IsDefaultProfileRecord(Record())) state.defaultProfilePresent = 1;
    host.CloseEditor();
    host.ShowCloseControl(true);
    host.SetWindowBackground(state.adapterBound.load() == 1 ? IDB_BG_ACTIVE : IDB_BG_INACTIVE);
    host.SwitchTab(IDD_PROFILES);
}
