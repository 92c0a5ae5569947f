// WpaEnterprisePage.h - the editor's Wireless Security - WPA Enterprise (template IDD_WPA_ENTERPRISE): 802.1X
// login by EAP-TLS or PEAP, and the cipher.
#pragma once

#include "monitor/editor/EapPage.h"

class CWpaEnterprisePage : public CEapPage {
public:
    CWpaEnterprisePage(IMonitorHost& host, WLAN_PROFILE& record);

protected:
    std::span<const Placement> Layout() const override;
};
