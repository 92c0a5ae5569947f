// WirelessModePage.h - the editor's Wireless Mode (template IDD_WIRELESS_MODE): infrastructure or ad hoc, and
// the SSID.
#pragma once

#include "monitor/editor/EditorPage.h"

class CWirelessModePage : public CEditorPage {
public:
    CWirelessModePage(IMonitorHost& host, WLAN_PROFILE& record);

protected:
    std::span<const Placement> Layout() const override;
    void OnInitPage() override;
    void OnNext() override;
    bool OnPageButtonClicked(int id) override;
    bool OnPageCommand(int id, int code, HWND control) override;
};
