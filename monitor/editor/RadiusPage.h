// RadiusPage.h - the editor's Wireless Security - RADIUS (template IDD_RADIUS): 802.1X login by EAP-TLS or
// PEAP.
#pragma once

#include "monitor/editor/EapPage.h"

class CRadiusPage : public CEapPage {
public:
    CRadiusPage(IMonitorHost& host, WLAN_PROFILE& record);

protected:
    std::span<const Placement> Layout() const override;
};
