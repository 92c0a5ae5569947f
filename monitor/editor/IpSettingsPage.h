// IpSettingsPage.h - the editor's IP settings (template IDD_IP_SETTINGS): DHCP or five static addresses.
#pragma once

#include <vector>

#include "monitor/editor/EditorPage.h"

class CIpSettingsPage : public CEditorPage {
public:
    CIpSettingsPage(IMonitorHost& host, WLAN_PROFILE& record);
    ~CIpSettingsPage() override;

protected:
    std::span<const Placement> Layout() const override;
    void OnInitPage() override;
    void OnNext() override;
    bool OnPageButtonClicked(int id) override;
    bool OnPageCommand(int id, int code, HWND control) override;

private:
    void ChooseDhcp(bool dhcp);
    void EnableAddresses(bool enable);
    void StoreField(int id);
    void OfferDefaultMask();
    void OnDestroy() override;

    bool filling_ = false;    // the page itself fills the fields: not the user's edits
    bool addressEdited_ = false;  // the IP address was typed since the mask was last offered
    std::vector<HFONT> orphanedFonts_;  // see OnDestroy
};
