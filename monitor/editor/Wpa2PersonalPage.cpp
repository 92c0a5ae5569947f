// Wpa2PersonalPage.cpp - see Wpa2PersonalPage.h.
#include "monitor/editor/Wpa2PersonalPage.h"

#include "monitor/res/resource.h"

namespace {

constexpr Placement kLayout[] = {
    {IDC_PSK_PASSPHRASE, 200, 70, 300, 22},
};

}  // namespace

CWpa2PersonalPage::CWpa2PersonalPage(IMonitorHost& host, WLAN_PROFILE& record)
    : CPassphrasePage(IDD_WPA2_PERSONAL, host, record, IDB_WPA2_PERSONAL_PAGE) {}

std::span<const Placement> CWpa2PersonalPage::Layout() const { return kLayout; }

// EncryptionLevel stays as it is: Save clears it for WPA2-Personal.
void CWpa2PersonalPage::OnInitPage() { ShowPassphrase(Record().IsPassPhrase != 0); }
