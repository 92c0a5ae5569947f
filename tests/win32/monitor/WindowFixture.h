// WindowFixture.h - the real program's application object and monitor window in a test process,
// with a fresh simulator and registry; tests act inside the window's modal run.
#pragma once

#include <functional>
#include <memory>

#include "monitor/core/MainFrame.h"
#include "monitor/core/MonitorApp.h"
#include "monitor/pages/MonitorDlg.h"
#include "tests/win32/monitor/MonitorTestSupport.h"

namespace monitor_test {

class WindowFixture : public MonitorFixture {
protected:
    // Starts the program (its waits recorded, not slept); `adjust` may change the window's context.
    std::unique_ptr<CMonitorApp> Start(std::function<void(MonitorDlgContext&)> adjust = {});
    HWND Frame() const;
    // Opens the window from the frame's "Open the Monitor" and runs `body` inside its modal run,
    // then ends the run. Fails the test when the window never opened.
    void OpenAndRun(const std::function<void(CMonitorDlg&)>& body);

    Recorder recorder_;
    CMonitorApp* app_ = nullptr;
    CMonitorDlg* window_ = nullptr;
};

}  // namespace monitor_test
