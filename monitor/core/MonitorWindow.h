// MonitorWindow.h - what the frame asks of the monitor window; the window's own code implements it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

class CMainFrame;

// The adapter's state as the WM_MONITOR_REEVALUATE re-evaluation hands it to the window.
struct Reevaluation {
    bool usable;               // bound and not managed by Zero Configuration
    bool zeroControlInCharge;  // the Zero Configuration state is 1
    bool adapterBound;
};

class IMonitorWindow {
public:
    virtual ~IMonitorWindow() = default;
    // First opening: runs the window modally; in the program that lasts for the rest of the run.
    virtual void RunModal() = 0;
    // Later openings: show it and bring it to the foreground.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // WM_MONITOR_REEVALUATE: enable or disable the pages' controls for the adapter's state.
    virtual void Reevaluate(const Reevaluation& state) = 0;
    // Refill the Site Survey list from the current survey pointer.
    virtual void RefillSiteSurvey() = 0;
    // The Link Information page lays out its status view at its next refresh (More Information
    // IDB_MORE_INFO/IDB_MORE_INFO_PRESSED).
    virtual void MarkLinkInfoStatusView() = 0;
    // Start the Link Information page's refresh timer TIMER_LINK_REFRESH.
    virtual void StartLinkInfoRefresh(uint32_t periodMs) = 0;
};

// The window side of the program, handed to the frame at start.
struct MonitorUi {
    std::function<std::unique_ptr<IMonitorWindow>(CMainFrame& frame)> createWindow;
    std::function<void(HWND owner)> runAbout;  // dialog IDD_ABOUT, modal
};
