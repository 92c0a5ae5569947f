// LinkInfoPage.h - the Link Information page (template 135): live link, meters, Internet message.
#pragma once

#include "adapter/wifiapi.h"
#include "monitor/pages/MonitorHost.h"
#include "monitor/res/resource.h"
#include "monitor/skin/PictureEx.h"
#include "monitor/skin/SkinButton.h"
#include "monitor/skin/SkinDialog.h"
#include "monitor/skin/SkinMeter.h"
#include "monitor/skin/SkinStatic.h"
#include "monitor/skin/TarnoStatic.h"

class CLinkInfoPage : public CSkinDialog {
public:
    explicit CLinkInfoPage(IMonitorHost& host);

    // What the window and the frame ask of the page.
    void StartRefresh(UINT periodMs) { StartTimer(TIMER_LINK_REFRESH, periodMs); }
    void StopRefresh() { StopTimer(TIMER_LINK_REFRESH); }
    // A page started a connection: show it as pending until the next refresh shows the link.
    void ShowConnectionPending();
    // The next refresh lays out the status view; `informationChosen` picks the details list.
    void MarkStatusView(bool informationChosen);
    void SetMoreInfoBitmaps(int normalId, int pressedId) { moreInfo_.SetBitmaps(normalId, pressedId); }
    // Zero Configuration took the adapter: no buttons, no details.
    void HideDetailsAndButtons();
    // Forget the link state shown, so the next refresh redraws everything.
    void ForgetShownState() { shownState_ = {-1, -1, -1}; }
    // Shows whichever details list is chosen (used when its tab comes back).
    void ShowChosenDetails();
    void HideDetailLists();

    bool StatusViewMarked() const { return statusViewMarked_; }
    bool InformationChosen() const { return informationChosen_; }
    unsigned RefreshTicks() const { return refreshTicks_; }

protected:
    bool OnInitDialog() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    IMonitorHost& host_;
    // What the status view last displayed; -1 when nothing is known.
    struct ShownState {
        int mode, link, internet;
    };

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
    bool statusViewMarked_ = false;
    bool informationChosen_ = true;
    bool detailsShown_ = false;
    ShownState shownState_{-1, -1, -1};
    unsigned refreshTicks_ = 0;
};
