// ProfilesPage.h - the Profiles page (template 137): stored profiles.
#pragma once

#include "adapter/wifiapi.h"
#include "monitor/pages/MonitorHost.h"
#include "monitor/res/resource.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/skin/TarnoListBox.h"
#include "monitor/skin/TarnoListCtrl.h"

class CProfilesPage : public CSkinDialog {
public:
    explicit CProfilesPage(IMonitorHost& host);

    WLAN_PROFILE* profile = nullptr;  // the application's current profile; not owned

    // Lists the stored profiles again (after the page is shown).
    void Reload();
    void EnableConnect(bool enable) { EnableItem(IDC_PROFILE_CONNECT, enable); }
    CTarnoListCtrl& List() { return list_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    IMonitorHost& host_;
    CTarnoListCtrl list_;
    CTarnoListBox details_;
    CSkinStatic buttons_[6];
};
