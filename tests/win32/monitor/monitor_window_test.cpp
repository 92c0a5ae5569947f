// The monitor window in-process, opened by the frame's "Open the Monitor": shape, tabs, hiding,
// re-evaluation, and screenshots a person can look at.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "monitor/core/MainFrame.h"
#include "monitor/core/MonitorApp.h"
#include "monitor/pages/MonitorDlg.h"
#include "monitor/res/resource.h"
#include "nvxsim/nvxsim.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/support/TestSupport.h"

using namespace monitor_test;
using testing_support::SaveScreenshot;

namespace {

bool Rounded(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    struct Probe {
        int x, y;
        bool inside;
    } probes[] = {{0, 0, false},     {1, 1, false},     {579, 1, false},   {1, 435, false}, {580, 436, false},
                  {10, 0, true},     {0, 10, true},     {290, 218, true},  {570, 5, true},  {579, 435, false},
                  {10, 436, true},   {580, 218, true}};
    bool ok = kind == COMPLEXREGION;
    for (const Probe& p : probes) {
        if ((PtInRegion(region, p.x, p.y) != FALSE) != p.inside) {
            ADD_FAILURE() << "region at " << p.x << "," << p.y;
            ok = false;
        }
    }
    DeleteObject(region);
    return ok;
}

class WindowTest : public MonitorFixture {
protected:

    std::unique_ptr<CMonitorApp> Start() {
        MonitorUi ui;
        ui.createWindow = [this](CMainFrame& frame) -> std::unique_ptr<IMonitorWindow> {
            MonitorDlgContext context;
            context.state = &app_->State();
            context.supervisor = &app_->Supervisor();
            context.probe = &app_->Probe();
            context.frame = frame.hwnd();
            auto window = std::make_unique<CMonitorDlg>(context);
            window_ = window.get();
            return window;
        };
        auto app = std::make_unique<CMonitorApp>(ui);
        app_ = app.get();
        EXPECT_TRUE(app->InitInstance());
        return app;
    }
    HWND Frame() const { return app_->Frame()->hwnd(); }

    // Opens the window from the frame and runs `body` inside the window's modal run, then ends it.
    void OpenAndRun(const std::function<void(CMonitorDlg&)>& body) {
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

    Recorder recorder_;
    CMonitorApp* app_ = nullptr;
    CMonitorDlg* window_ = nullptr;
};

}  // namespace

TEST_F(WindowTest, OpensRoundedWithItsPagesAndReevaluates) {
    StoreCurrentProfile(OpenProfile("Home", "Velmora-Home"));
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        EXPECT_TRUE(IsWindowVisible(w.Handle())) << "window visible";
        char title[32] = {};
        GetWindowTextA(w.Handle(), title, sizeof title);
        EXPECT_STREQ(title, "wifimon");
        RECT box;
        GetWindowRect(w.Handle(), &box);
        EXPECT_EQ(box.right - box.left, 581);
        EXPECT_EQ(box.bottom - box.top, 437);
        EXPECT_TRUE(Rounded(w.Handle()));
        EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO);
        EXPECT_TRUE(w.LinkInfo().IsVisible());
        EXPECT_FALSE(w.SiteSurvey().IsVisible());
        EXPECT_FALSE(w.Profiles().IsVisible());
        EXPECT_TRUE(w.HasBackground()) << "background 278 or 358";
        for (int id : {IDC_TAB_LINK, IDC_TAB_SURVEY, IDC_TAB_PROFILES}) EXPECT_TRUE(w.IsItemVisible(id)) << id;

        for (int bitmap : {IDB_BG_INACTIVE, IDB_BG_SETUP, IDB_BG_ACTIVE}) {
            EXPECT_TRUE(w.ChangeBackground(bitmap)) << bitmap;
            EXPECT_TRUE(Rounded(w.Handle())) << "after background " << bitmap;
        }
        // The adapter goes: message 5120 gives the inactive look, still rounded.
        app_->State().adapterBound = 0;
        SendMessageA(Frame(), WM_MONITOR_REEVALUATE, 1, 0);
        EXPECT_TRUE(Rounded(w.Handle()));
        EXPECT_FALSE(IsWindowEnabled(w.SiteSurvey().Item(IDC_SURVEY_REFRESH)));
        EXPECT_TRUE(w.SiteSurvey().List().GridLines());
        EXPECT_TRUE(w.LinkInfo().StatusViewMarked());
        app_->State().adapterBound = 1;
        app_->State().zeroControlState = 0;
        SendMessageA(Frame(), WM_MONITOR_REEVALUATE, 1, 0);
        EXPECT_TRUE(IsWindowEnabled(w.SiteSurvey().Item(IDC_SURVEY_REFRESH)));
        EXPECT_TRUE(Rounded(w.Handle()));
        Pump(200);
        SaveScreenshot(w.Handle(), "monitor-window-in-process");
    });
}

TEST_F(WindowTest, TabsSwitchPagesAndTimersAndTheCurrentTabDoesNothing) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        Pump(50);
        ValidateRect(w.Handle(), nullptr);
        const unsigned ticks = w.LinkInfo().RefreshTicks();
        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_LINK, BN_CLICKED), 0);
        RECT dirty;
        EXPECT_FALSE(GetUpdateRect(w.Handle(), &dirty, FALSE)) << "no repaint for the current tab";
        EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO);

        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_SURVEY, BN_CLICKED), 0);
        EXPECT_EQ(w.CurrentTab(), IDD_SITE_SURVEY);
        EXPECT_TRUE(w.SiteSurvey().IsVisible());
        EXPECT_FALSE(w.LinkInfo().IsVisible());
        EXPECT_TRUE(w.SiteSurvey().ScanPending()) << "an empty list with a bound adapter starts a scan";
        EXPECT_TRUE(w.SiteSurvey().Animation().IsPlaying());
        const unsigned surveyTicks = w.SiteSurvey().Ticks();
        const unsigned linkTicks = w.LinkInfo().RefreshTicks();
        Pump(1300);
        EXPECT_GT(w.SiteSurvey().Ticks(), surveyTicks) << "timer 112 runs";
        EXPECT_EQ(w.LinkInfo().RefreshTicks(), linkTicks) << "timer 111 stopped";

        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_PROFILES, BN_CLICKED), 0);
        EXPECT_EQ(w.CurrentTab(), IDD_PROFILES);
        EXPECT_TRUE(w.Profiles().IsVisible());
        EXPECT_EQ(w.Profiles().List().MyGetItemText(0, 0), "Default") << "the list is read on showing";
        const unsigned surveyStopped = w.SiteSurvey().Ticks();
        SendMessageA(w.Handle(), WM_COMMAND, MAKEWPARAM(IDC_TAB_LINK, BN_CLICKED), 0);
        Pump(1300);
        EXPECT_EQ(w.SiteSurvey().Ticks(), surveyStopped) << "timer 112 stopped";
        EXPECT_GT(w.LinkInfo().RefreshTicks(), ticks) << "timer 111 started again";
    });
}

TEST_F(WindowTest, EscapeAndCloseHideTheSameWindowThatOpensAgain) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        HWND handle = w.Handle();
        SendMessageA(handle, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(IsWindowVisible(handle)) << "Escape hides";
        EXPECT_TRUE(IsWindow(handle)) << "nothing is destroyed";
        SendMessageA(Frame(), WM_COMMAND, ID_TRAY_OPEN, 0);
        EXPECT_TRUE(IsWindowVisible(handle)) << "a second Open shows the same window";
        EXPECT_EQ(w.Handle(), handle);
        SendMessageA(handle, WM_COMMAND, MAKEWPARAM(IDC_CLOSE, STN_CLICKED), 0);
        EXPECT_FALSE(IsWindowVisible(handle)) << "the close cross hides";
        SendMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(IsWindow(handle));
        SendMessageA(Frame(), WM_COMMAND, ID_TRAY_OPEN, 0);
        EXPECT_TRUE(IsWindowVisible(handle));
    });
}
