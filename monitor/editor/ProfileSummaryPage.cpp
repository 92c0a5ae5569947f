// ProfileSummaryPage.cpp - see ProfileSummaryPage.h.
#include "monitor/editor/ProfileSummaryPage.h"

#include "monitor/editor/ProfileDonePage.h"
#include "monitor/editor/ProfileWrite.h"
#include "monitor/editor/portable/ProfileClearing.h"
#include "monitor/editor/portable/ProfileSummary.h"
#include "monitor/res/resource.h"
#include "monitor/ui/MessageBox.h"

namespace {

// The list's rows meet the ten labels painted beside them (18 pixels apart, see the artwork).
constexpr Placement kLayout[] = {
    {IDC_SUMMARY_LIST, 200, 46, 330, 182},
    {IDC_SUMMARY_SAVE, 286, 240, 84, 23},
    {IDC_SUMMARY_EXIT, 470, 240, 84, 23},
};

constexpr ButtonLook kButtons[] = {
    {IDC_SUMMARY_SAVE, IDB_EDITOR_SAVE, IDB_EDITOR_SAVE_HOVER, IDB_EDITOR_SAVE_HOVER, "Save"},
    {IDC_BACK, IDB_EDITOR_BACK, IDB_EDITOR_BACK_HOVER, IDB_EDITOR_BACK_HOVER, "Back"},
    {IDC_SUMMARY_EXIT, IDB_EDITOR_EXIT, IDB_EDITOR_EXIT_HOVER, IDB_EDITOR_EXIT_HOVER, "Exit"},
};

constexpr const char* kAskExit = "Do you want to exit the profile setting?";

}  // namespace

CProfileSummaryPage::CProfileSummaryPage(IMonitorHost& host, WLAN_PROFILE& record)
    : CEditorPage(IDD_PROFILE_SUMMARY, host, record, IDB_SUMMARY_PAGE) {}

std::span<const Placement> CProfileSummaryPage::Layout() const { return kLayout; }

std::span<const ButtonLook> CProfileSummaryPage::Buttons() const { return kButtons; }

void CProfileSummaryPage::OnInitPage() {
    Host().SetWindowBackground(IDB_BG_SUMMARY);
    rows_.Attach(Handle(), IDC_SUMMARY_LIST);
    rows_.MySetFont(14, 0, false, false, "Arial");
    rows_.MySetLineSpace(-1);
    for (const std::string& row : editor::SummaryRows(Record())) rows_.AddString(row.c_str());
}

void CProfileSummaryPage::OnNext() {
    // The record changes only once the registry took it: a refused Save leaves everything as it was.
    WLAN_PROFILE saved = Record();
    editor::ClearForSave(saved);
    if (!WriteProfileOrSay(Handle(), saved)) return;
    Record() = saved;
    AppState& state = Host().State();
    state.firstStart = 0;
    if (IsDefaultProfileRecord(saved)) state.defaultProfilePresent = 1;
    if (!Forward(std::make_unique<CProfileDonePage>(Host(), Record(), false))) return;
    Host().ShowCloseControl(false);
    Host().ReloadProfiles();
}

void CProfileSummaryPage::OnBack() {
    Host().SetWindowBackground(IDB_BG_SETUP);
    Back();
}

bool CProfileSummaryPage::OnPageButtonClicked(int id) {
    if (id != IDC_SUMMARY_EXIT) return false;
    Exit();
    return true;
}

void CProfileSummaryPage::Exit() {
    if (ui::Message(Handle(), kAskExit, MB_OKCANCEL | MB_ICONINFORMATION) != IDOK) return;
    IMonitorHost& host = Host();
    // Nothing is written; the record keeps the edits in memory.
    host.CloseEditor();
    host.SetWindowBackground(host.State().adapterBound.load() == 1 ? IDB_BG_ACTIVE : IDB_BG_INACTIVE);
    host.SwitchTab(IDD_PROFILES);
}
