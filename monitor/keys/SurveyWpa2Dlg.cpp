// SurveyWpa2Dlg.cpp - see SurveyWpa2Dlg.h.
#include "monitor/keys/SurveyWpa2Dlg.h"

#include "monitor/host/portable/PageGeometry.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

using geometry::KeyDialogDropHeight;
using geometry::KeyDialogRow;

// Beside the labels Security and Passphrase of background IDB_KEY_WPA2.
constexpr Placement kLayout[] = {
    {IDC_WPA2_SECURITY, KeyDialogRow(0).x, KeyDialogRow(0).y, KeyDialogRow(0).width, KeyDialogDropHeight},
    {IDC_WPA2_PASSPHRASE, KeyDialogRow(1).x, KeyDialogRow(1).y, KeyDialogRow(1).width, KeyDialogRow(1).height},
};

}  // namespace

CSurveyWpa2Dlg::CSurveyWpa2Dlg(WLAN_PROFILE& record, const RECT& over, HWND covered)
    : CSurveyKeyDlg(IDD_SURVEY_WPA2, IDB_KEY_WPA2, keydialog::Wpa2Personal, IDC_WPA2_SECURITY, record, over,
                    covered) {}

std::span<const Placement> CSurveyWpa2Dlg::Layout() const { return kLayout; }

int CSurveyWpa2Dlg::FirstFocus() const { return IDC_WPA2_PASSPHRASE; }

void CSurveyWpa2Dlg::InitControls() { ui::Edit(Handle(), IDC_WPA2_PASSPHRASE).Limit(keydialog::WpaPassphraseLimit); }

void CSurveyWpa2Dlg::OnConnect() {
    std::string text;
    if (!TakePassphrase(IDC_WPA2_PASSPHRASE, text)) return;
    keydialog::Wpa2Connect(Record(), text);
    EndModal(IDOK);
}
