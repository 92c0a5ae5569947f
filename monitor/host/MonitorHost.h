// MonitorHost.h - what the pages, the key dialogs and the profile editor ask of the monitor window.
//
// Pages never reach into the monitor window by control id or into the application object: they
// hold this interface (the monitor window implements it) and call it. Starting a connection is
// one call, the same steps wherever a page starts one: the Link Information tab, the
// connection-pending display, the in-use profile and its name, the ad hoc decision when asked,
// the connect worker, and the current profile when asked.
#pragma once

#include <windows.h>

#include <cstdint>

#include "adapter/wifiapi.h"
#include "monitor/core/AppState.h"

struct ConnectRequest {
    const char* inUseName = nullptr;  // becomes the in-use profile name; null clears it
    bool decideAdhoc = false;         // an ad hoc record first gets the ad hoc decision
    bool makeCurrent = false;         // SetCurrentProfile with the record's name at the end
};

class IMonitorHost {
public:
    virtual ~IMonitorHost() = default;

    virtual AppState& State() = 0;
    // The monitor window: parent of the pages, and what the key dialogs cover.
    virtual HWND Window() const = 0;
    // The profile the Link Information page shows and saves.
    virtual WLAN_PROFILE* InUseProfile() const = 0;

    // Tab switch to page IDD_LINK_INFO, IDD_SITE_SURVEY or IDD_PROFILES (the tab buttons' path, also when it
    // is the current tab).
    virtual void SwitchTab(int page) = 0;
    virtual void ShowTabs(bool show) = 0;
    virtual void ShowCloseControl(bool show) = 0;
    // Background IDB_BG_ACTIVE, IDB_BG_INACTIVE, IDB_BG_SETUP or IDB_BG_SUMMARY; the rounded shape is applied
    // again and the window repainted.
    virtual void SetWindowBackground(int bitmapId) = 0;

    // The profile editor on `record`, from its available networks page, in the page area; false
    // when it could not be opened.
    virtual bool OpenEditor(WLAN_PROFILE& record) = 0;
    // Hides every page of the editor now and destroys them once the current message is handled.
    virtual void CloseEditor() = 0;
    virtual bool EditorIsFirstRun() const = 0;
    // Hides the monitor window and the frame (the first-run page's Exit).
    virtual void HideProgram() = 0;

    virtual void StartConnection(WLAN_PROFILE& record, const ConnectRequest& request) = 0;
    // Sets an ad hoc record's AssociationMode to 0 (join the cell in range) or 2 (start one).
    virtual void DecideAdhoc(WLAN_PROFILE& record) = 0;

    // The Site Survey list from the current survey; the Profiles list from the registry.
    virtual void RefillSiteSurvey() = 0;
    virtual void ReloadProfiles() = 0;

    // The Internet probe: started when none runs; its last answer (1 reachable, 0 not).
    virtual void StartInternetProbe() = 0;
    virtual int32_t InternetState() const = 0;
};
