// AdHocSettingsPage.h - the editor's Ad-Hoc Mode Settings (template IDD_ADHOC_SETTINGS): channel and network
// mode.
#pragma once

#include "monitor/editor/EditorPage.h"

class CAdHocSettingsPage : public CEditorPage {
public:
    CAdHocSettingsPage(IMonitorHost& host, WLAN_PROFILE& record);

protected:
    std::span<const Placement> Layout() const override;
    void OnInitPage() override;
    void OnNext() override;
    bool OnPageCommand(int id, int code, HWND control) override;
};
