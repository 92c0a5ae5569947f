// SiteSurveyPage.h - the Site Survey page (template IDD_SITE_SURVEY): the networks in range, the details of
// the selected one, and connecting to it.
#pragma once

#include <cstdint>
#include <memory>

#include "adapter/wifiapi.h"
#include "monitor/host/MonitorHost.h"
#include "monitor/pages/TabPage.h"
#include "monitor/res/resource.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/skin/TarnoListBox.h"
#include "monitor/survey/SurveyList.h"

class CSiteSurveyPage : public CTabPage {
public:
    explicit CSiteSurveyPage(IMonitorHost& host);

    // Its tab: the tick runs while it shows; an empty list scans when the adapter can.
    void OnTabShowing() override { StartTick(); }
    void OnTabShown() override;
    void OnTabHiding(bool) override { StopTick(); }

    void StartTick() { StartTimer(TIMER_SURVEY_TICK, 1000); }
    void StopTick() { StopTimer(TIMER_SURVEY_TICK); }
    // Refresh: asks the adapter to scan, then waits for the result like BeginScan.
    void StartScan();
    // Clears the list and shows the scanning animation; the scan result is read when timer TIMER_SURVEY_SCAN
    // fires.
    void BeginScan();
    // The list from the application's current survey (the frame and the supervisor call this too);
    // the details of no row.
    void FillList();
    // The details of the selected row.
    void ShowDetails();
    // Connect (or a double click): the selected network, through its key dialog and the IP question.
    void Connect();
    // The adapter cannot be used: controls off, list and details empty, no animation.
    void DisableForUnusableAdapter();
    // The adapter can be used again; `current`: this page is the shown tab, so a scan starts.
    void EnableForUsableAdapter(bool current);
    bool ListEmpty() const { return list_.List().ItemCount() == 0; }

    CTarnoListCtrl& List() { return list_.List(); }
    CTarnoListBox& Details() { return details_; }
    CPictureEx& Animation() { return list_.Animation(); }
    // The record the page connects with (the connect worker reads it).
    const WLAN_PROFILE& Record() const { return *record_; }
    const uint8_t* ScanBuffer() const { return list_.Buffer(); }
    bool ScanPending() const { return list_.ScanPending(); }
    unsigned Ticks() const { return ticks_; }

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnButtonClicked(int id) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;

private:
    void AskAboutStaticAddress();

    IMonitorHost& host_;
    CSurveyList list_;
    CTarnoListBox details_;
    CSkinStatic refresh_;
    CSkinStatic connect_;
    CSkinStatic headerSsid_;
    CSkinStatic headerChannel_;
    CSkinStatic headerSignal_;
    std::unique_ptr<WLAN_PROFILE> record_;
    unsigned ticks_ = 0;
};
