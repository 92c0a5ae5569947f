// AvailableNetworksPage.h - the profile editor's first page (template IDD_AVAILABLE_NETWORKS): the networks in
// range, Connect with one of them, Manual Setup, Exit.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <memory>

#include "monitor/editor/EditorPage.h"
#include "monitor/skin/PictureEx.h"
#include "monitor/skin/TarnoListCtrl.h"

class CAvailableNetworksPage : public CEditorPage {
public:
    // `firstRun`: opened by the monitor window's first-run setup, whose Exit hides the program.
    CAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun);
    ~CAvailableNetworksPage() override;

    void OnAdapterUsable(bool usable) override;

    CTarnoListCtrl& List() { return list_; }
    CPictureEx& Animation() { return animation_; }
    bool ScanPending() const { return scanPending_; }
    bool FirstRun() const { return firstRun_; }

protected:
    std::span<const Placement> Layout() const override;
    std::span<const ButtonLook> Buttons() const override;
    void OnInitPage() override;
    void OnShownAgain() override;
    bool OnPageCommand(int id, int code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void StartScan();
    void FinishScan();
    void FillList();
    void TakeSelectedNetwork();
    void ManualSetup();
    void Exit();
    void SortBy(int header);
    void PlaceHeaders();
    void EnableSurveyControls(bool enable);

    bool firstRun_;
    bool scanPending_ = false;
    std::array<uint8_t, WIFIAPI_SCAN_BUFFER_SIZE> scan_{};  // the application's survey points here after a scan
    std::array<bool, 5> ascending_{true, true, true, true, true};
    CTarnoListCtrl list_;
    CPictureEx animation_;
    HIMAGELIST rowIcons_ = nullptr;  // owned
};

// The editor's first page, for the Profiles page (firstRun false) and the first-run setup.
std::unique_ptr<CEditorPage> MakeAvailableNetworksPage(IMonitorHost& host, WLAN_PROFILE& record, bool firstRun);
