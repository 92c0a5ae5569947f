// SiteSurveyPage.h - the Site Survey page (template 136): networks in range.
#pragma once

#include "adapter/wifiapi.h"
#include "monitor/pages/MonitorHost.h"
#include "monitor/res/resource.h"
#include "monitor/skin/PictureEx.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/skin/TarnoListBox.h"
#include "monitor/skin/TarnoListCtrl.h"

class CSiteSurveyPage : public CSkinDialog {
public:
    explicit CSiteSurveyPage(IMonitorHost& host);

    WLAN_PROFILE* profile = nullptr;  // the application's current profile; not owned

    void StartTick() { StartTimer(TIMER_SURVEY_TICK, 1000); }
    void StopTick() { StopTimer(TIMER_SURVEY_TICK); }
    // Clears the list and shows the scanning animation; the scan result is read when timer 100 fires.
    void BeginScan();
    // The adapter cannot be used: controls off, list and details empty, no animation.
    void DisableForUnusableAdapter();
    // The adapter can be used again; `current`: this page is the shown tab, so a scan starts.
    void EnableForUsableAdapter(bool current);
    bool ListEmpty() const { return list_.ItemCount() == 0; }

    CTarnoListCtrl& List() { return list_; }
    CPictureEx& Animation() { return animation_; }
    bool ScanPending() const { return scanPending_; }
    unsigned Ticks() const { return ticks_; }

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    IMonitorHost& host_;
    CTarnoListCtrl list_;
    CTarnoListBox details_;
    CSkinStatic refresh_;
    CSkinStatic connect_;
    CSkinStatic headerSsid_;
    CSkinStatic headerChannel_;
    CSkinStatic headerSignal_;
    CPictureEx animation_;
    bool scanPending_ = false;
    unsigned ticks_ = 0;
};
