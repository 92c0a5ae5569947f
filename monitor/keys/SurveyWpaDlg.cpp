// SurveyWpaDlg.cpp - see SurveyWpaDlg.h.
#include "monitor/keys/SurveyWpaDlg.h"

#include "monitor/host/portable/PageGeometry.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

using geometry::KeyDialogDropHeight;
using geometry::KeyDialogRow;

// Beside the labels Security, Cipher and Passphrase of background IDB_KEY_WPA.
constexpr Placement kLayout[] = {
    {IDC_WPA_SECURITY, KeyDialogRow(0).x, KeyDialogRow(0).y, KeyDialogRow(0).width, KeyDialogDropHeight},
    {IDC_WPA_CIPHER, KeyDialogRow(1).x, KeyDialogRow(1).y, KeyDialogRow(1).width, KeyDialogDropHeight},
    {IDC_WPA_PASSPHRASE, KeyDialogRow(2).x, KeyDialogRow(2).y, KeyDialogRow(2).width, KeyDialogRow(2).height},
};

}  // namespace

CSurveyWpaDlg::CSurveyWpaDlg(WLAN_PROFILE& record, const RECT& over, HWND covered)
    : CSurveyKeyDlg(IDD_SURVEY_WPA, IDB_KEY_WPA, keydialog::WpaPersonal, IDC_WPA_SECURITY, record, over, covered) {}

std::span<const Placement> CSurveyWpaDlg::Layout() const { return kLayout; }

int CSurveyWpaDlg::FirstFocus() const { return IDC_WPA_PASSPHRASE; }

void CSurveyWpaDlg::InitControls() {
    const ui::ComboBox cipher(Handle(), IDC_WPA_CIPHER);
    for (const char* text : keydialog::CipherTexts) cipher.Add(text);
    cipher.Select(keydialog::WpaCipherIndex(Record()));
    ui::Edit(Handle(), IDC_WPA_PASSPHRASE).Limit(keydialog::WpaPassphraseLimit);
}

void CSurveyWpaDlg::OnConnect() {
    std::string text;
    if (!TakePassphrase(IDC_WPA_PASSPHRASE, text)) return;
    keydialog::WpaConnect(Record(), ui::ComboBox(Handle(), IDC_WPA_CIPHER).Selected() == 1, text);
    EndModal(IDOK);
}
