// MonitorApp.h - the application object: single instance, start-up in order, the shared state, shut-down.
#pragma once

#include <windows.h>

#include <memory>

#include "monitor/core/AppState.h"
#include "monitor/core/ConnectionSupervisor.h"
#include "monitor/core/InternetProbe.h"
#include "monitor/core/MainFrame.h"
#include "monitor/core/MonitorWindow.h"
#include "monitor/ui/Handles.h"

class CMonitorApp {
public:
    explicit CMonitorApp(MonitorUi ui = {});
    ~CMonitorApp();
    CMonitorApp(const CMonitorApp&) = delete;
    CMonitorApp& operator=(const CMonitorApp&) = delete;

    // Start-up; false when another instance runs, which ends the process at once.
    bool InitInstance();
    // The message loop; returns the exit code. The program then ends its process at once: the
    // watcher (and a worker stuck in a slow library call) end with it.
    int Run();

    AppState& State() { return state_; }
    CConnectionSupervisor& Supervisor() { return supervisor_; }
    CInternetProbe& Probe() { return probe_; }
    CMainFrame* Frame() { return frame_.get(); }
    const MonitorUi& Ui() const { return ui_; }

private:
    void ReadInstallerMarks();

    AppState state_;
    MonitorUi ui_;
    CConnectionSupervisor supervisor_{state_};
    CInternetProbe probe_;
    std::unique_ptr<CMainFrame> frame_;
    CHandle mutex_;
};
