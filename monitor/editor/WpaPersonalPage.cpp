// WpaPersonalPage.cpp - see WpaPersonalPage.h.
#include "monitor/editor/WpaPersonalPage.h"

#include "adapter/portable/ProfileKinds.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"

namespace {

constexpr Placement kLayout[] = {
    {IDC_PSK_CIPHER, 200, 58, 110, 80},
    {IDC_PSK_PASSPHRASE, 200, 92, 300, 22},
};

using profile::Level, profile::Stored;

}  // namespace

CWpaPersonalPage::CWpaPersonalPage(IMonitorHost& host, WLAN_PROFILE& record)
    : CPassphrasePage(IDD_WPA_PERSONAL, host, record, IDB_WPA_PERSONAL_PAGE) {}

std::span<const Placement> CWpaPersonalPage::Layout() const { return kLayout; }

void CWpaPersonalPage::OnInitPage() {
    WLAN_PROFILE& record = Record();
    const ui::ComboBox cipher(Handle(), IDC_PSK_CIPHER);
    cipher.AddAll({profile::TkipText, profile::AesText});
    if (profile::LevelOf(record) == Level::Aes) {
        cipher.Select(1);
    } else {
        cipher.Select(0);
        record.EncryptionLevel = Stored(Level::Tkip);
    }
    ShowPassphrase(record.IsPassPhrase == 1);
}

bool CWpaPersonalPage::OnPageCommand(int id, int code, HWND) {
    if (id != IDC_PSK_CIPHER || code != CBN_SELCHANGE) return false;
    Record().EncryptionLevel = Stored(ui::ComboBox(Handle(), id).Selected() == 1 ? Level::Aes : Level::Tkip);
    return true;
}
