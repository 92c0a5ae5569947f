// MonitorDlg.h - the monitor window (template 102): skinned, rounded, three tabbed pages.
#pragma once

#include <atomic>
#include <functional>
#include <memory>

#include "monitor/core/AppState.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/pages/LinkInfoPage.h"
#include "monitor/pages/ProfilesPage.h"
#include "monitor/pages/SiteSurveyPage.h"
#include "monitor/skin/SkinButton.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinStatic.h"

// What the window needs of the program around it.
struct MonitorDlgContext {
    AppState* state = nullptr;                           // not owned
    std::atomic<WLAN_PROFILE*>* inUseProfile = nullptr;  // not owned
    HWND frame = nullptr;                                // receives message 5120
    // Makes the first-run page (template 317) for a first run; empty: no such page yet.
    std::function<std::unique_ptr<CSkinDialog>(HWND parent, WLAN_PROFILE* record)> createFirstRunPage;
};

class CMonitorDlg : public CSkinDialog, public IMonitorWindow {
public:
    static constexpr int Width = 581;
    static constexpr int Height = 437;

    explicit CMonitorDlg(const MonitorDlgContext& context);
    ~CMonitorDlg() override;

    // IMonitorWindow
    void RunModal() override;
    void Show() override;
    void Hide() override;
    void Reevaluate(const Reevaluation& state) override;
    void RefillSiteSurvey() override;
    void MarkLinkInfoStatusView() override;
    void StartLinkInfoRefresh(uint32_t periodMs) override;

    // Shows page 135, 136 or 137 (the tabs, and pages that start a connection).
    void SwitchTo(int page);
    int CurrentTab() const { return currentTab_; }
    CSkinDialog* ShownPage() const { return shown_; }
    CLinkInfoPage& LinkInfo() { return linkInfo_; }
    CSiteSurveyPage& SiteSurvey() { return siteSurvey_; }
    CProfilesPage& Profiles() { return profiles_; }
    // Sets a background and keeps the rounded corners.
    bool ChangeBackground(int bitmapId);
    void ApplyRoundedRegion();
    // A profile editor shown in the window (its own pages); null when none.
    void SetOpenEditor(CSkinDialog* editor) { editor_ = editor; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnPaint() override;
    bool OnMouseMove(POINT at, WPARAM keys) override;
    void OnOK() override {}
    void OnCancel() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CreatePages();
    void PlaceControls();
    void SetTabBitmaps(int link, int survey, int profiles);
    void StartFirstRun();
    void OnTab(int page);

    MonitorDlgContext context_;
    CLinkInfoPage linkInfo_;
    CSiteSurveyPage siteSurvey_;
    CProfilesPage profiles_;
    CSkinButton tabSurvey_;
    CSkinButton tabProfiles_;
    CSkinButton tabLink_;
    CSkinStatic close_;
    int currentTab_ = 135;
    CSkinDialog* shown_ = nullptr;  // one of the pages
    WLAN_PROFILE* shownProfile_ = nullptr;
    std::unique_ptr<CSkinDialog> firstRunPage_;
    WLAN_PROFILE firstRunRecord_{};
    CSkinDialog* editor_ = nullptr;  // not owned
    HICON icon_ = nullptr;           // shared resource icon
    bool modalRunning_ = false;
};
