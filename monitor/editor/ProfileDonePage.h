// ProfileDonePage.h - the editor's last page (template IDD_PROFILE_DONE): connect with the new profile, or
// return to the Profiles page.
#pragma once

#include "monitor/editor/EditorPage.h"

class CProfileDonePage : public CEditorPage {
public:
    // `fromSurvey`: reached through the available networks page's Connect, which offers only Connect.
    CProfileDonePage(IMonitorHost& host, WLAN_PROFILE& record, bool fromSurvey);
    geometry::Rect PageRect() const override { return geometry::FinalPage; }

protected:
    std::span<const Placement> Layout() const override;
    std::span<const ButtonLook> Buttons() const override;
    void OnInitPage() override;
    void OnNext() override;  // Connect to Network
    bool OnPageButtonClicked(int id) override;
    bool OnTimer(UINT_PTR id) override;

private:
    void ReturnToProfiles();
    void EnableConnect();

    bool fromSurvey_;
};
