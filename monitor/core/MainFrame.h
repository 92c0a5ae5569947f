// MainFrame.h - the hidden frame: tray icon and its balloons, once-a-second poll, tray menu, switch
// commands, device changes.
#pragma once

#include <windows.h>

#include <memory>

#include "adapter/wifiapi.h"
#include "monitor/core/AppState.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/core/TrayIcon.h"
#include "monitor/core/portable/LinkNotices.h"

class CConnectionSupervisor;

// What the frame works with; each owned by the application object, which outlives the frame.
struct FrameContext {
    AppState* state = nullptr;
    CConnectionSupervisor* supervisor = nullptr;
    const MonitorUi* ui = nullptr;
};

// "MONITOR_ICON_PRESSED", registered when the program loads.
UINT IconPressedMessage();
// The shell's "TaskbarCreated".
UINT TaskbarCreatedMessage();

class CMainFrame {
public:
    explicit CMainFrame(const FrameContext& context);
    ~CMainFrame();
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Creates the window titled "wifimon", hidden; its creation adds the tray icon and starts the poll.
    bool Create();
    HWND hwnd() const { return hwnd_; }

    // The monitor window once "Open the Monitor" has opened it, else null.
    IMonitorWindow* OpenedWindow() const { return opened_; }

    // The tray menu in the form for this Windows version (the caller destroys it).
    HMENU BuildTrayMenu() const;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    void OnCreate();
    void OnPoll();
    void OnClose();
    void OnDestroy();
    LRESULT OnIconPressed(LPARAM lParam);
    void OnCommand(UINT id);
    void OnOpenMonitor();
    void OnSwitch();
    void OnAbout();
    void ShowTrayMenu();
    LRESULT OnDeviceChange(WPARAM event);
    LRESULT OnReevaluate();
    void OnWatcherReport(int32_t answer, uint32_t epoch);
    void OnConnectFinished();
    void OnTaskbarCreated();
    void OnToggleNotifications();

    void StartPoll();
    notice::Sighting ShowConnectedIcon();
    void Announce(notice::Sighting sighting);
    // The adapter goes to the OS wireless service: the link it drops is no loss to announce.
    void ForgetLink();
    bool HandedToService() const;
    void SetIcon(UINT iconId, const char* tip);
    bool Ask(const char* question) const;
    WLAN_PROFILE* ProfileToApply() const;
    void ApplyAfterTakingBack();

    AppState& state_;
    CConnectionSupervisor& supervisor_;
    const MonitorUi& ui_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;  // hidden: keeps the frame off the taskbar
    CTrayIcon tray_;
    int autoOpenMark_ = 0;
    notice::LinkNotices notices_;
    bool notificationsOn_ = true;  // the stored choice, read at creation
    std::unique_ptr<IMonitorWindow> window_;
    IMonitorWindow* opened_ = nullptr;  // not owned: window_ once opened
};
