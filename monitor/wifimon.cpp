// wifimon.cpp - the monitor program's entry: start up, or end silently when another instance runs.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "monitor/core/MainFrame.h"
#include "monitor/core/MonitorApp.h"
#include "monitor/editor/AvailableNetworksPage.h"
#include "monitor/pages/AboutDlg.h"
#include "monitor/pages/MonitorDlg.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Registers the control classes the windows use: with the Common Controls 6 manifest Windows XP
    // creates them only after this call, and the IP address class needs it under every version.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    CMonitorApp* running = nullptr;  // the factory runs only once the application exists
    MonitorUi ui;
    ui.createWindow = [&running](CMainFrame& frame) -> std::unique_ptr<IMonitorWindow> {
        MonitorDlgContext context;
        context.state = &running->State();
        context.supervisor = &running->Supervisor();
        context.probe = &running->Probe();
        context.frame = frame.hwnd();
        context.createFirstRunPage = [](IMonitorHost& host, WLAN_PROFILE& record) {
            return MakeAvailableNetworksPage(host, record, true);
        };
        return std::make_unique<CMonitorDlg>(context);
    };
    ui.runAbout = [](HWND owner) { CAboutDlg(owner).DoModal(); };
    CMonitorApp app(ui);
    running = &app;
    if (!app.InitInstance()) return 0;
    // The frame has closed the adapter link and removed the icon; the threads end with the process.
    ExitProcess(UINT(app.Run()));
}
