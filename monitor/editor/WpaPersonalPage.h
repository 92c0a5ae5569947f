// WpaPersonalPage.h - the editor's Wireless Security - WPA Personal (template IDD_WPA_PERSONAL): cipher and
// passphrase.
#pragma once

#include "monitor/editor/PassphrasePage.h"

class CWpaPersonalPage : public CPassphrasePage {
public:
    CWpaPersonalPage(IMonitorHost& host, WLAN_PROFILE& record);

protected:
    std::span<const Placement> Layout() const override;
    void OnInitPage() override;
    bool OnPageCommand(int id, int code, HWND control) override;
};
