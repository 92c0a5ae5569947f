// LinkInfoPage.h - the Link Information page (template IDD_LINK_INFO): the link's status view, its
// information and statistics views, the meters, Save To Profile and the pending display.
#pragma once

#include <cstdint>
#include <optional>

#include "adapter/wifiapi.h"
#include "monitor/pages/TabPage.h"
#include "monitor/host/MonitorHost.h"
#include "monitor/pages/portable/LinkStatusView.h"
#include "monitor/pages/portable/StatisticsClock.h"
#include "monitor/res/resource.h"
#include "monitor/skin/PictureEx.h"
#include "monitor/skin/SkinButton.h"
#include "monitor/skin/SkinMeter.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/skin/TarnoListBox.h"
#include "monitor/skin/TarnoStatic.h"

class CLinkInfoPage : public CTabPage {
public:
    explicit CLinkInfoPage(IMonitorHost& host);

    // Its tab: the refresh runs while it shows, and its details lists go with it.
    void OnTabShowing() override;
    void OnTabHiding(bool byButton) override;

    // What the window and the frame ask of the page.
    // The frame starts it when a connect worker has ended: a pending display ends then at the latest.
    void StartRefresh(UINT periodMs) {
        pending_.reset();
        StartTimer(TIMER_LINK_REFRESH, periodMs);
    }
    void StopRefresh() { StopTimer(TIMER_LINK_REFRESH); }
    // A page started a connection with the in-use profile: show it as pending until the new
    // link is up or the connect worker has ended.
    void ShowConnectionPending();
    // The next refresh lays out the status view; `informationChosen` picks the details list.
    void MarkStatusView(bool informationChosen);
    void SetMoreInfoBitmaps(int normalId, int pressedId);
    // Zero Configuration took the adapter: no buttons, no details.
    void HideDetailsAndButtons();
    // Forget the link state shown, so the next refresh draws a bound adapter's state anew.
    void ForgetShownState() { status_.shown = {}; }
    // Shows whichever details lists are chosen, when the details view is shown (its tab came back).
    void ShowChosenDetails();
    void HideDetailLists();

    // What the window's tests read back.
    bool StatusViewMarked() const { return statusView_; }
    bool InformationChosen() const { return informationChosen_; }
    unsigned RefreshTicks() const { return refreshTicks_; }
    int ShownBackground() const { return background_; }
    const CPictureEx& Picture(int id) const;
    // A detail list (IDC_INFO_LEFT, IDC_INFO_RIGHT, IDC_STATS_LEFT, IDC_STATS_RIGHT), or null before its first
    // use.
    const CTarnoListBox* DetailList(int id) const;

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnButtonClicked(int id) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    enum ListPair { Information, Statistics };

    void StatusRefresh();
    void ApplyStatus(const linkinfo::StatusView& view);
    void InformationFill();
    void StatisticsFill();
    void MeterUpdate();
    void SetMeters(int percent);
    void LayOutStatusView();

    void OnMoreInformation();
    void OnStatisticsOrStatus();
    void OnRefresh();
    void OnSaveToProfile();

    void ChangeBackground(int bitmapId);
    void PlayIn(CPictureEx& picture, int gifId);
    void SetText(CTarnoStatic& label, const char* text);
    void ShowDetails(ListPair pair);
    void ShowPair(ListPair pair, bool show);
    void EmptyPair(ListPair pair);
    CTarnoListBox& List(int id);
    // The statistics switch and Refresh: Up Time from the last read on, new baselines.
    void ResetStatistics();
    void FollowSharedTimes();
    void PublishSharedTimes();

    IMonitorHost& host_;

    CSkinMeter signal_;
    CSkinMeter quality_;
    CSkinButton moreInfo_;
    CSkinButton statistics_;
    CSkinButton saveToProfile_;
    CSkinStatic refresh_;
    CTarnoStatic headline_;
    CTarnoStatic sentence_;
    CPictureEx accessPoint_;
    CPictureEx internet_;
    CPictureEx adhocPeer_;
    // Children of the monitor window, made on first use.
    CTarnoListBox infoLeft_, infoRight_, statsLeft_, statsRight_;

    bool statusView_ = true;
    bool informationChosen_ = true;
    bool layOutPending_ = false;
    std::optional<linkinfo::PendingWatch> pending_;  // while the pending display shows
    linkinfo::StatusMemory status_;
    linkinfo::StatisticsClock clock_;
    uint64_t counterFrequency_ = 0;
    int background_ = 0;
    unsigned refreshTicks_ = 0;
};
