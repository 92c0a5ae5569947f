// AvailableNetworksPage.h - the profile editor's first page (template IDD_AVAILABLE_NETWORKS): the networks in
// range, Connect with one of them, Manual Setup, Exit.
#pragma once

#include <windows.h>

#include <memory>

#include "monitor/editor/EditorPage.h"
#include "monitor/survey/SurveyList.h"

class CAvailableNetworksPage : public CEditorPage {
public:
    // `firstRun`: opened by the monitor window's first-run setup, whose Exit hides the program.
    CAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun);

    void OnAdapterUsable(bool usable) override;

    CTarnoListCtrl& List() { return list_.List(); }
    CPictureEx& Animation() { return list_.Animation(); }
    bool ScanPending() const { return list_.ScanPending(); }
    bool FirstRun() const { return firstRun_; }

protected:
    std::span<const Placement> Layout() const override;
    std::span<const ButtonLook> Buttons() const override;
    void OnInitPage() override;
    void OnShownAgain() override;
    bool OnPageButtonClicked(int id) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void TakeSelectedNetwork();
    void ManualSetup();
    void Exit();
    void PlaceHeaders();
    void EnableSurveyControls(bool enable);

    bool firstRun_;
    CSurveyList list_;
};

// The editor's first page, for the Profiles page (firstRun false) and the first-run setup.
std::unique_ptr<CEditorPage> MakeAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun);
