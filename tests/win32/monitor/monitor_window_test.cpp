// The monitor window in-process, opened by the frame's "Open the Monitor": shape, tabs, hiding,
// re-evaluation, and screenshots a person can look at.
#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "monitor/core/MainFrame.h"
#include "monitor/core/MonitorApp.h"
#include "monitor/pages/MonitorDlg.h"
#include "monitor/res/Messages.h"
#include "monitor/res/resource.h"
#include "monitor/ui/Controls.h"
#include "nvxsim/nvxsim.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/monitor/WindowFixture.h"
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

}  // namespace

TEST_F(WindowFixture, OpensRoundedWithItsPagesAndReevaluates) {
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

TEST_F(WindowFixture, AFirstRunOpensTheWindowByItselfAndTheFrameStaysHidden) {
    const struct {
        const char* what;
        bool firstStartMark;
        bool defaultProfile;
    } cases[] = {{"FStart 1", true, true}, {"no default profile", false, false}};
    for (const auto& c : cases) {
        ClearRegistry();
        if (c.firstStartMark) SetFirstStart(1);
        if (c.defaultProfile) StoreDefaultProfile();
        auto app = Start();
        LONG frameStyle = -1;
        RunSoon([&] {
            Pump(300, [&] { return window_ && window_->Handle() && IsWindowVisible(window_->Handle()); });
            if (!window_ || !window_->Handle()) return;
            frameStyle = GetWindowLongA(Frame(), GWL_STYLE);
            EndDialog(window_->Handle(), IDCANCEL);
        });
        // The first poll opens the window, as a double click on the tray icon does.
        SendMessageA(Frame(), WM_TIMER, TIMER_FRAME_POLL, 0);
        Pump(500, [&] { return frameStyle != -1; });
        ASSERT_NE(frameStyle, -1) << c.what << ": the window opened by itself";
        EXPECT_FALSE(frameStyle & WS_VISIBLE) << c.what;
        EXPECT_FALSE(frameStyle & WS_MINIMIZE) << c.what;
        app.reset();
        DropQuit();
        window_ = nullptr;
    }
}

TEST_F(WindowFixture, TabsSwitchPagesAndTimersAndTheCurrentTabDoesNothing) {
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

TEST_F(WindowFixture, EscapeAndCloseHideTheSameWindowThatOpensAgain) {
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

namespace {

RECT RegionBox(HWND window) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    RECT box{};
    if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
    DeleteObject(region);
    return box;
}

void Click(HWND page, int id) {
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

// A page of the editor chain with what the base needs and nothing else.
class TestPage : public CEditorPage {
public:
    TestPage(int templateId, IMonitorHost& host, WLAN_PROFILE& record, int* destroyed)
        : CEditorPage(templateId, host, record, IDB_BG_SETUP), destroyed_(destroyed) {}
    ~TestPage() override { ++*destroyed_; }
    std::function<void(TestPage&)> onNext;
    geometry::Rect rect = geometry::EditorPage;
    using CEditorPage::Forward;

protected:
    std::span<const Placement> Layout() const override {
        static constexpr Placement layout[] = {{IDC_IP_ADDRESS, 200, 60, 150, 22}, {IDC_MODE_SSID, 200, 60, 200, 22},
                                               {IDC_BACK, 360, 230, 84, 23},       {IDC_NEXT, 460, 230, 84, 23}};
        return layout;
    }
    geometry::Rect PageRect() const override { return rect; }
    void OnNext() override {
        if (onNext) onNext(*this);
    }

private:
    int* destroyed_;
};

}  // namespace

TEST_F(WindowFixture, PagesShowTheirWholeBackgroundAndIgnoreEnterAndEscape) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        struct Case {
            const char* name;
            CSkinDialog* page;
            int tab;
        } cases[] = {{"page-link-information", &w.LinkInfo(), IDD_LINK_INFO},
                     {"page-site-survey", &w.SiteSurvey(), IDD_SITE_SURVEY},
                     {"page-profiles", &w.Profiles(), IDD_PROFILES}};
        for (const Case& c : cases) {
            w.SwitchTab(c.tab);
            const RECT box = RegionBox(c.page->Handle());
            EXPECT_EQ(box.right, 581) << c.name;
            EXPECT_EQ(box.bottom, 302) << c.name << ": the bottom strip with the painted title";
            for (int command : {IDOK, IDCANCEL}) SendMessageA(c.page->Handle(), WM_COMMAND, command, 0);
            EXPECT_TRUE(c.page->IsVisible()) << c.name << " stays after Enter and Escape";
            Pump(150);
            SaveScreenshot(w.Handle(), c.name);
        }
    });
}

TEST_F(WindowFixture, EditorPagesGoForwardAndBackAndLeaveTogether) {
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        WLAN_PROFILE record{};
        int destroyed = 0;
        auto first = std::make_unique<TestPage>(IDD_IP_SETTINGS, w, record, &destroyed);
        TestPage* one = first.get();
        one->onNext = [&](TestPage& page) {
            page.Forward(std::make_unique<TestPage>(IDD_WIRELESS_MODE, w, page.Record(), &destroyed));
        };
        w.OpenEditor(std::move(first), false);
        ASSERT_EQ(w.Editor(), one);
        RECT at;
        GetWindowRect(one->Handle(), &at);
        MapWindowPoints(nullptr, w.Handle(), reinterpret_cast<POINT*>(&at), 2);
        EXPECT_EQ(at.left, 4);
        EXPECT_EQ(at.top, 134);
        EXPECT_EQ(RegionBox(one->Handle()).right, 574);
        EXPECT_EQ(RegionBox(one->Handle()).bottom, 271);

        ui::IpField address(one->Handle(), IDC_IP_ADDRESS);
        address.SetAddress(inet_addr("192.168.1.10"));
        EXPECT_EQ(address.Address(), inet_addr("192.168.1.10")) << "the record's byte order both ways";
        char text[32] = {};
        GetWindowTextA(address.Handle(), text, sizeof text);
        EXPECT_STREQ(text, "192.168.1.10");

        Click(one->Handle(), IDC_NEXT);
        auto* two = static_cast<TestPage*>(one->Successor(0));
        ASSERT_NE(two, nullptr);
        EXPECT_TRUE(two->IsVisible());
        EXPECT_FALSE(one->IsVisible());
        EXPECT_EQ(&two->Record(), &record) << "one record for the whole chain";
        EXPECT_EQ(two->Before(), one);
        // Enter and Escape arrive as commands 1 and 2 without the control: not Next, not Back.
        SendMessageA(two->Handle(), WM_COMMAND, IDOK, 0);
        SendMessageA(two->Handle(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(two->IsVisible());

        Click(two->Handle(), IDC_BACK);
        EXPECT_TRUE(one->IsVisible());
        EXPECT_EQ(destroyed, 0) << "not while its own click is being handled";
        Pump(100);
        EXPECT_EQ(destroyed, 1) << "discarded afterwards";
        EXPECT_EQ(one->Successor(0), nullptr);
        EXPECT_EQ(address.Address(), inet_addr("192.168.1.10")) << "the page returned to keeps its controls";

        // Dragging any page moves the window by the pointer's displacement.
        Click(one->Handle(), IDC_NEXT);
        two = static_cast<TestPage*>(one->Successor(0));
        RECT before, after;
        GetWindowRect(w.Handle(), &before);
        SendMessageA(two->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageA(two->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(17, 13));
        SendMessageA(two->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(17, 13));
        GetWindowRect(w.Handle(), &after);
        EXPECT_EQ(after.left - before.left, 7);
        EXPECT_EQ(after.top - before.top, 3);

        // Leaving the editor from one of its own pages hides them all now, destroys them later.
        two->onNext = [&](TestPage&) { w.CloseEditor(); };
        Click(two->Handle(), IDC_NEXT);
        EXPECT_EQ(w.Editor(), nullptr);
        EXPECT_FALSE(IsWindowVisible(two->Handle()));
        EXPECT_EQ(destroyed, 1);
        Pump(100);
        EXPECT_EQ(destroyed, 3);
    });
}

TEST_F(WindowFixture, StartingAConnectionShowsLinkInformationAndHandsTheRecordToTheWorker) {
    LoadScenario("network ssid=\"Harbour\" bssid=00:14:6C:00:00:01 channel=6 rssi=-50\n");
    auto app = Start();
    OpenAndRun([&](CMonitorDlg& w) {
        w.SwitchTab(IDD_PROFILES);
        WLAN_PROFILE record = OpenProfile("Harbour office", "Harbour");
        std::strcpy(app_->State().inUseProfileName, "earlier");
        nvxsimClearJournal();
        w.StartConnection(record, {record.ProfileName, false, true});
        EXPECT_EQ(w.CurrentTab(), IDD_LINK_INFO);
        EXPECT_TRUE(w.LinkInfo().IsVisible());
        EXPECT_EQ(w.InUseProfile(), &record);
        EXPECT_STREQ(app_->State().inUseProfileName, "Harbour office");
        char current[128] = {};
        GetCurrentProfile(current);
        EXPECT_STREQ(current, "Harbour office");
        Pump(3000, [] { return SsidSets().size() >= 2; });
        const auto ssids = SsidSets();
        ASSERT_FALSE(ssids.empty());
        EXPECT_EQ(ssids.back(), "Harbour") << "the worker applied the record";

        // A page that does not name the connection clears the in-use profile name.
        w.StartConnection(record, {});
        EXPECT_STREQ(app_->State().inUseProfileName, "");
        Pump(3000, [] { return SsidSets().size() >= 4; });
    });
}
