// SecurityModePage.h - the editor's Wireless Security (template IDD_SECURITY_MODE): the security mode and the
// page it leads to.
#pragma once

#include "monitor/editor/EditorPage.h"

class CSecurityModePage : public CEditorPage {
public:
    CSecurityModePage(IMonitorHost& host, WLAN_PROFILE& record);

protected:
    std::span<const Placement> Layout() const override;
    void OnInitPage() override;
    void OnNext() override;
    bool OnPageCommand(int id, int code, HWND control) override;
};
