// WindowFixture.cpp - see WindowFixture.h.
#include "tests/win32/monitor/WindowFixture.h"

#include "monitor/res/resource.h"

namespace monitor_test {

std::unique_ptr<CMonitorApp> WindowFixture::Start(std::function<void(MonitorDlgContext&)> adjust) {
    MonitorUi ui;
    ui.createWindow = [this, adjust](CMainFrame& frame) -> std::unique_ptr<IMonitorWindow> {
        MonitorDlgContext context;
        context.state = &app_->State();
        context.supervisor = &app_->Supervisor();
        context.probe = &app_->Probe();
        context.frame = frame.hwnd();
        if (adjust) adjust(context);
        auto window = std::make_unique<CMonitorDlg>(context);
        window_ = window.get();
        return window;
    };
    auto app = std::make_unique<CMonitorApp>(ui);
    app_ = app.get();
    SetLastError(0);
    EXPECT_TRUE(app->InitInstance()) << "error " << GetLastError()
                                     << (!app->Frame()            ? ": another instance runs"
                                         : !app->Frame()->hwnd() ? ": no frame window"
                                                                 : "");
    return app;
}

HWND WindowFixture::Frame() const { return app_->Frame()->hwnd(); }

void WindowFixture::OpenAndRun(const std::function<void(CMonitorDlg&)>& body) {
    bool ran = false;
    RunSoon([&] {
        Pump(300, [&] { return window_ && window_->Handle() && IsWindowVisible(window_->Handle()); });
        if (window_ && window_->Handle()) {
            body(*window_);
            ran = true;
            EndDialog(window_->Handle(), IDCANCEL);  // the product never ends it; the test must
        }
    });
    SendMessageA(Frame(), WM_COMMAND, ID_TRAY_OPEN, 0);
    EXPECT_TRUE(ran) << "the window opened and the checks ran";
}

}  // namespace monitor_test
