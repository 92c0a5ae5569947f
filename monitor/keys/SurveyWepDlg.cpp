// SurveyWepDlg.cpp - see SurveyWepDlg.h.
#include "monitor/keys/WepKeyField.h"
#include "monitor/keys/SurveyWepDlg.h"

#include "monitor/editor/portable/WepKeys.h"
#include "monitor/host/portable/PageGeometry.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

using geometry::KeyDialogDropHeight;
using geometry::KeyDialogRow;

// Beside the labels Security, Key Length, Passphrase and WEP Key of background IDB_KEY_WEP.
constexpr Placement kLayout[] = {
    {IDC_WEP_SECURITY, KeyDialogRow(0).x, KeyDialogRow(0).y, KeyDialogRow(0).width, KeyDialogDropHeight},
    {IDC_WEP_KEY_LENGTH, KeyDialogRow(1).x, KeyDialogRow(1).y, KeyDialogRow(1).width, KeyDialogDropHeight},
    {IDC_WEP_PASSPHRASE, KeyDialogRow(2).x, KeyDialogRow(2).y, KeyDialogRow(2).width, KeyDialogRow(2).height},
    {IDC_WEP_KEY, KeyDialogRow(3).x, KeyDialogRow(3).y, KeyDialogRow(3).width, KeyDialogRow(3).height},
};

}  // namespace

CSurveyWepDlg::CSurveyWepDlg(WLAN_PROFILE& record, const RECT& over, HWND covered)
    : CSurveyKeyDlg(IDD_SURVEY_WEP, IDB_KEY_WEP, keydialog::Wep, IDC_WEP_SECURITY, record, over, covered) {}

std::span<const Placement> CSurveyWepDlg::Layout() const { return kLayout; }

int CSurveyWepDlg::FirstFocus() const { return IDC_WEP_PASSPHRASE; }

void CSurveyWepDlg::InitControls() {
    key_.Attach(Handle(), IDC_WEP_KEY);
    const ui::ComboBox length(Handle(), IDC_WEP_KEY_LENGTH);
    for (const char* text : keydialog::KeyLengthTexts) length.Add(text);
    const bool bits128 = keydialog::WepInit(Record());
    length.Select(bits128 ? 1 : 0);
    const ui::Edit passphrase(Handle(), IDC_WEP_PASSPHRASE);
    passphrase.Limit(keydialog::WepPassphraseLimit);
    ShowKey(editor::WepKeyMaskFor(Record().EncryptionLevel).initial);
    passphrase.SetText("");
}

void CSurveyWepDlg::ShowKey(const std::string& text) {
    ShowWepKey(key_, Record().EncryptionLevel, text);  // its change runs OnControlCommand
}

bool CSurveyWepDlg::OnControlCommand(int id, int code) {
    if (id == IDC_WEP_KEY_LENGTH && code == CBN_SELCHANGE) {
        const int chosen = ui::ComboBox(Handle(), IDC_WEP_KEY_LENGTH).Selected();
        if (chosen >= 0) {
            ShowKey(keydialog::WepKeyLengthChanged(Record(), chosen == 1));
            ui::Edit(Handle(), IDC_WEP_PASSPHRASE).SetText("");
        }
        return true;
    }
    if (id == IDC_WEP_PASSPHRASE && code == EN_CHANGE) {
        ShowKey(keydialog::WepPassphraseChanged(Record(), ui::Edit(Handle(), IDC_WEP_PASSPHRASE).Text()));
        return true;
    }
    if (id == IDC_WEP_KEY && code == EN_CHANGE) {
        keydialog::WepKeyFieldChanged(Record(), key_.Text());
        return true;
    }
    return false;
}

void CSurveyWepDlg::OnConnect() {
    keydialog::WepConnect(Record());
    EndModal(IDOK);
}
