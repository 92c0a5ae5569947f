// wifimon.cpp - the monitor program's entry: start up, or end silently when another instance runs.
#include <windows.h>

#include "monitor/core/MonitorApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CMonitorApp app;
    if (!app.InitInstance()) return 0;
    return app.Run();
}
