// MonitorDlg.h - the monitor window (template IDD_MONITOR): skinned, rounded, three tabbed pages, and the
// host of the pages, the key dialogs and the profile editor.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "monitor/core/AppState.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/editor/EditorPage.h"
#include "monitor/pages/LinkInfoPage.h"
#include "monitor/host/MonitorHost.h"
#include "monitor/pages/ProfilesPage.h"
#include "monitor/pages/SiteSurveyPage.h"
#include "monitor/pages/portable/KeyboardRules.h"
#include "monitor/pages/portable/TabTable.h"
#include "monitor/skin/SkinButton.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/ui/KeyFilter.h"

class CConnectionSupervisor;
class CInternetProbe;

// What the window needs of the program around it.
struct MonitorDlgContext {
    AppState* state = nullptr;                    // not owned
    CConnectionSupervisor* supervisor = nullptr;  // not owned
    CInternetProbe* probe = nullptr;              // not owned
    HWND frame = nullptr;                         // receives WM_MONITOR_REEVALUATE
    // Makes the first-run page (template IDD_AVAILABLE_NETWORKS) with the default profile record; empty: none.
    std::function<std::unique_ptr<CEditorPage>(IMonitorHost& host, WLAN_PROFILE& record)> createFirstRunPage;
};

class CMonitorDlg : public CSkinDialog, public IMonitorWindow, public IMonitorHost {
public:
    explicit CMonitorDlg(const MonitorDlgContext& context);
    ~CMonitorDlg() override;

    // IMonitorWindow: what the frame asks.
    void RunModal() override;
    void Show() override;
    void Hide() override;
    void Reevaluate(const Reevaluation& state) override;
    void RefillSiteSurvey() override;
    void MarkLinkInfoStatusView() override;
    void StartLinkInfoRefresh(uint32_t periodMs) override;

    // IMonitorHost: what the pages ask.
    AppState& State() override { return *context_.state; }
    HWND Window() const override { return Handle(); }
    WLAN_PROFILE* InUseProfile() const override;
    void SwitchTab(int page) override;
    void ShowTabs(bool show) override;
    void ShowCloseControl(bool show) override;
    void SetWindowBackground(int bitmapId) override;
    bool OpenEditor(WLAN_PROFILE& record) override;
    // The editor from `first`, shown in the page area; `firstRun` for the first-run page.
    void OpenEditor(std::unique_ptr<CEditorPage> first, bool firstRun);
    void CloseEditor() override;
    CEditorPage* Editor() const { return editor_.get(); }
    bool EditorIsFirstRun() const override { return editor_ && editorFirstRun_; }
    void HideProgram() override;
    void StartConnection(WLAN_PROFILE& record, const ConnectRequest& request) override;
    void DecideAdhoc(WLAN_PROFILE& record) override;
    void ReloadProfiles() override;
    void StartInternetProbe() override;
    int32_t InternetState() const override;

    int CurrentTab() const { return currentTab_; }
    CSkinDialog* ShownPage() const { return shown_; }
    CLinkInfoPage& LinkInfo() { return linkInfo_; }
    CSiteSurveyPage& SiteSurvey() { return siteSurvey_; }
    CProfilesPage& Profiles() { return profiles_; }
    // Sets a background and keeps the rounded corners.
    bool ChangeBackground(int bitmapId);
    void ApplyRoundedRegion();

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnMouseMove(POINT at, WPARAM keys) override;
    void OnOK() override {}
    void OnCancel() override;
    void OnDestroy() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CreatePages();
    void PlaceOnScreen();
    void FillBesideEditorPage(HDC dc) const;
    // Shows the tab of `page`; `byButton`: asked by a tab button or its keys.
    void ShowTab(int page, bool byButton);
    void StartFirstRun();
    void OnTab(int page);
    bool SetupShown() const;

    // The keys (monitor/pages/portable/KeyboardRules.h), seen before the dialog manager sees them.
    bool OnKey(const MSG& message);
    // The page the keys act on: the editor's page shown, or the current tab's page; null for none.
    CDialog* KeyPage() const;
    bool CanCarryOut(const keyboard::Command& command) const;
    void CarryOut(const keyboard::Command& command);
    // Gives the focus to the first control of the page shown, or to its tab button.
    void FocusShownPage();

    MonitorDlgContext context_;
    CLinkInfoPage linkInfo_;
    CSiteSurveyPage siteSurvey_;
    CProfilesPage profiles_;
    // The pages of the tab table's rows, in its order, and their buttons.
    std::array<CTabPage*, tabs::Count> tabPages_;
    std::array<CSkinButton, tabs::Count> tabButtons_;
    CSkinStatic close_;
    int currentTab_ = IDD_LINK_INFO;
    CTabPage* shown_ = nullptr;  // one of the pages
    WLAN_PROFILE firstRunRecord_{};
    std::unique_ptr<CEditorPage> editor_;  // the editor's first page, or the first-run page
    bool editorFirstRun_ = false;
    std::vector<std::unique_ptr<CEditorPage>> closedEditors_;  // destroyed after the current message
    HICON icon_ = nullptr;  // shared resource icon
    CKeyFilter keys_;
};
