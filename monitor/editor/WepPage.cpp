// WepPage.cpp - see WepPage.h.
#include "monitor/keys/WepKeyField.h"
#include "monitor/editor/WepPage.h"

#include <cstring>

#include "adapter/portable/ProfileKinds.h"
#include "monitor/editor/ProfileSummaryPage.h"
#include "monitor/editor/portable/Passphrases.h"
#include "monitor/editor/portable/WepKeys.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

constexpr Placement kLayout[] = {
    {IDC_WEP_PAGE_KEY_LENGTH, 200, 50, 110, 80},
    {IDC_WEP_PAGE_PASSPHRASE, 200, 80, 180, 22},
    {IDC_WEP_PAGE_KEY, 200, 108, 300, 22},
    {IDC_WEP_PAGE_TX_KEY, 200, 164, 60, 120},
    {IDC_WEP_PAGE_AUTHENTICATION, 200, 194, 140, 90},
};

using profile::WepAuth;

// The authentication entries, in this order; any other number shows as open system.
constexpr WepAuth kAuthentication[] = {WepAuth::Auto, WepAuth::Open, WepAuth::Shared};

int AuthenticationIndex(WepAuth auth) { return auth == WepAuth::Auto ? 0 : auth == WepAuth::Shared ? 2 : 1; }

}  // namespace

CWepPage::CWepPage(IMonitorHost& host, WLAN_PROFILE& record) : CEditorPage(IDD_WEP, host, record, IDB_WEP_PAGE) {}

std::span<const Placement> CWepPage::Layout() const { return kLayout; }

void CWepPage::OnInitPage() {
    WLAN_PROFILE& record = Record();
    key_.Attach(Handle(), IDC_WEP_PAGE_KEY);
    key_.useMask = 1;
    key_.allowFreeText = 0;
    key_.keyInProgress = 0;
    // The record decides what the controls show; their change handlers would only repeat it.
    filling_ = true;
    const std::string keyText = editor::OpenWepPage(record);
    const ui::ComboBox length(Handle(), IDC_WEP_PAGE_KEY_LENGTH);
    length.AddAll({"64 bits", "128 bits"});
    length.Select(record.EncryptionLevel == editor::Wep128 ? 1 : 0);
    const ui::Edit passphrase(Handle(), IDC_WEP_PAGE_PASSPHRASE);
    passphrase.Limit(int(editor::WepPassphraseMost));
    if (record.IsPassPhrase != 0)
        passphrase.SetText(std::string(record.PassPhrase, strnlen(record.PassPhrase, sizeof record.PassPhrase)));
    ShowKey(keyText);
    filling_ = false;

    const ui::ComboBox transmit(Handle(), IDC_WEP_PAGE_TX_KEY);
    transmit.AddAll({"1", "2", "3", "4"});
    transmit.Select(int(record.DefaultKeyId));
    const ui::ComboBox authentication(Handle(), IDC_WEP_PAGE_AUTHENTICATION);
    for (const WepAuth entry : kAuthentication) authentication.Add(profile::WepAuthText(entry));
    authentication.Select(AuthenticationIndex(profile::WepAuthOf(record)));
}

std::string CWepPage::Passphrase() const { return ui::Edit(Handle(), IDC_WEP_PAGE_PASSPHRASE).Text(); }

void CWepPage::ShowKey(const std::string& text) { ShowWepKey(key_, Record().EncryptionLevel, text); }

bool CWepPage::OnPageCommand(int id, int code, HWND) {
    WLAN_PROFILE& record = Record();
    if (filling_) return true;
    switch (id) {
    case IDC_WEP_PAGE_PASSPHRASE:
        if (code == EN_CHANGE) ShowKey(editor::ApplyWepPassphrase(record, Passphrase()));
        return true;
    case IDC_WEP_PAGE_KEY:
        if (code == EN_CHANGE) editor::StoreWepKeyText(record, key_.Text());
        return true;
    case IDC_WEP_PAGE_KEY_LENGTH:
        if (code == CBN_SELCHANGE) {
            const int index = ui::ComboBox(Handle(), id).Selected();
            ShowKey(editor::ChangeWepKeyLength(record, index == 1 ? editor::Wep128 : editor::Wep64));
            ui::Edit(Handle(), IDC_WEP_PAGE_PASSPHRASE).SetText("");
        }
        return true;
    case IDC_WEP_PAGE_TX_KEY:
        if (code == CBN_SELCHANGE) {
            const int index = ui::ComboBox(Handle(), id).Selected();
            if (index >= 0) ShowKey(editor::ChangeTransmitKey(record, uint32_t(index), Passphrase()));
        }
        return true;
    case IDC_WEP_PAGE_AUTHENTICATION:
        if (code == CBN_SELCHANGE) {
            const int index = ui::ComboBox(Handle(), id).Selected();
            if (index >= 0 && index < 3) record.AuthentMode = profile::Stored(kAuthentication[index]);
        }
        return true;
    default:
        return false;
    }
}

void CWepPage::OnNext() {
    // The masked field admits only the pairs of its mask; the key itself is not checked.
    Record().IsKeyHexed = 1;
    Forward(std::make_unique<CProfileSummaryPage>(Host(), Record()));
}
