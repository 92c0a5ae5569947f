// Wpa2PersonalPage.h - the editor's Wireless Security - WPA2 Personal (template IDD_WPA2_PERSONAL): the
// passphrase.
#pragma once

#include "monitor/editor/PassphrasePage.h"

class CWpa2PersonalPage : public CPassphrasePage {
public:
    CWpa2PersonalPage(IMonitorHost& host, WLAN_PROFILE& record);

protected:
    std::span<const Placement> Layout() const override;
    void OnInitPage() override;
};
