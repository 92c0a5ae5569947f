// The frame in-process on the simulated adapter: tray icons and tips, the icon added again for a new
// taskbar, the balloons, the outside close window, device changes, the Zero Configuration watcher,
// the tray menu.
#include <windows.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "adapter/portable/Ndis.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/portable/ProfileNames.h"
#include "monitor/core/MonitorApp.h"
#include "monitor/core/TrayIcon.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/res/Messages.h"
#include "monitor/res/resource.h"
#include "nvxsim/nvxsim.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/support/TestSupport.h"

using namespace monitor_test;

namespace {

std::string Scenario(int rssi) {
    return "adapter present=yes\n"
           "timing associate-ms=400 scan-ms=200\n"
           "network ssid=\"Boundary\" bssid=00:14:6C:A1:22:0B channel=6 rssi=" +
           std::to_string(rssi) + " rate=54\n";
}

class FrameTest : public MonitorFixture {
protected:

    // Starts the monitor with `calls` recording its window; the profile "Boundary" is applied at start.
    std::unique_ptr<CMonitorApp> Start(WindowCalls& calls, bool withProfile = true) {
        if (withProfile) StoreCurrentProfile(OpenProfile("Boundary", "Boundary"));
        auto app = std::make_unique<CMonitorApp>(FakeUi(calls));
        EXPECT_TRUE(app->InitInstance());
        return app;
    }
    HWND Frame(CMonitorApp& app) { return app.Frame() ? app.Frame()->hwnd() : nullptr; }
    void Poll(CMonitorApp& app) { SendMessageA(Frame(app), WM_TIMER, TIMER_FRAME_POLL, 0); }
    void Open(CMonitorApp& app) { SendMessageA(Frame(app), WM_COMMAND, ID_TRAY_OPEN, 0); }

    Recorder recorder_;
};

}  // namespace

TEST_F(FrameTest, AbsentAdapterShowsTheDisabledIconWithinASecond) {
    nvxsimSetAdapterPresent(0);
    WindowCalls calls;
    const DWORD start = GetTickCount();
    auto app = Start(calls);
    EXPECT_EQ(app->State().adapterBound, 0);
    Pump(1500, [&] { return recorder_.TrayCount() >= 2; });
    const DWORD took = GetTickCount() - start;
    const auto tray = recorder_.Tray();
    ASSERT_GE(tray.size(), 2u);
    EXPECT_EQ(tray[0].operation, DWORD(NIM_ADD));
    EXPECT_EQ(tray[0].icon, TrayIconHandle(IDI_TRAY_DISABLED));
    EXPECT_EQ(tray[0].tip, "\n   Scanning.....\n");
    EXPECT_EQ(tray[1].operation, DWORD(NIM_MODIFY));
    EXPECT_EQ(tray[1].icon, TrayIconHandle(IDI_TRAY_DISABLED));
    EXPECT_EQ(tray[1].tip, "\n   Disable   \n");
    // The disabled image shows from the icon's first appearance; the first poll, one second
    // after the frame's creation, adds its tip (slack for a loaded machine).
    EXPECT_LE(tray[1].at - tray[0].at, 1300u);
    EXPECT_LE(took, 2000u);
}

TEST_F(FrameTest, TrayIconFollowsTheSignalAcrossItsBoundaries) {
    struct Case {
        int rssi;  // percentages: -80 dBm 25 %, -79 dBm 28 %, -63 dBm 74 %, -62 dBm 77 %
        unsigned icon;
    };
    const Case cases[] = {{-80, IDI_TRAY_XP_LOW}, {-79, IDI_TRAY_XP_FAIR}, {-63, IDI_TRAY_XP_GOOD}, {-62, IDI_TRAY_XP_FULL}};
    for (const Case& c : cases) {
        ResetSimulator();
        LoadScenario(Scenario(c.rssi));
        WindowCalls calls;
        auto app = Start(calls);
        ASSERT_EQ(app->State().adapterBound, 1);

        Poll(*app);  // the association takes 400 ms of the simulator's clock
        EXPECT_EQ(recorder_.LastTray().icon, TrayIconHandle(IDI_TRAY_XP_LOW)) << c.rssi;
        EXPECT_EQ(recorder_.LastTray().tip, "\n   Scanning.....\n");
        EXPECT_EQ(app->State().linkUp, 0);

        AdvanceClock(500);
        AlignSignalJitter();
        Poll(*app);
        EXPECT_EQ(app->State().linkUp, 1) << c.rssi;
        EXPECT_EQ(recorder_.LastTray().icon, TrayIconHandle(c.icon)) << c.rssi;
        EXPECT_EQ(recorder_.LastTray().tip,
                  " Connect to:Boundary \n 00-14-6C-A1-22-0B \n Infrastructure \n Channel: 6 \n Speed: 54 Mbps ");
    }
}

TEST_F(FrameTest, StatusQueryFailureShowsTheDisabledIcon) {
    LoadScenario(Scenario(-50));
    WindowCalls calls;
    auto app = Start(calls);
    nvxsimFailNext(oid::GenMediaConnectStatus, int32_t(0xC0010017), 1);
    Poll(*app);
    EXPECT_EQ(recorder_.LastTray().icon, TrayIconHandle(IDI_TRAY_DISABLED));
    EXPECT_EQ(recorder_.LastTray().tip, "\n   Disable   \n");
    EXPECT_EQ(app->State().linkUp, 0);
}

TEST_F(FrameTest, OutsideCloseWindowEndsTheProgramAndClosesTheAdapterLink) {
    WindowCalls calls;
    auto app = Start(calls);
    HWND frame = Frame(*app);
    nvxsimClearJournal();
    HWND signal = CreateWindowExA(0, "STATIC", texts::OutsideCloseTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(signal, nullptr);
    Poll(*app);
    DestroyWindow(signal);
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(testing_support::Journal(NVXSIM_DISCONNECT).size(), 1u) << "DisconnectToAdapter";
    EXPECT_EQ(recorder_.LastTray().operation, DWORD(NIM_DELETE));
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the message loop ends";
}

TEST_F(FrameTest, TurnMonitorOffAndCloseEndTheProgramTheSameWay) {
    for (UINT how : {UINT(WM_COMMAND), UINT(WM_CLOSE)}) {
        WindowCalls calls;
        auto app = Start(calls);
        HWND frame = Frame(*app);
        nvxsimClearJournal();
        SendMessageA(frame, how, how == WM_COMMAND ? ID_TRAY_OFF : 0, 0);
        EXPECT_FALSE(IsWindow(frame));
        EXPECT_EQ(testing_support::Journal(NVXSIM_DISCONNECT).size(), 1u);
        MSG msg;
        EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    }
}

TEST_F(FrameTest, DeviceChangeReactsToTheConnectionStatus) {
    LoadScenario(Scenario(-50));
    WindowCalls calls;
    auto app = Start(calls);
    Open(*app);
    ASSERT_EQ(calls.runModal, 1);
    AppState& state = app->State();
    HWND frame = Frame(*app);
    auto change = [&](WPARAM event, int32_t status) {
        if (status >= 0) nvxsimFailNext(oid::GenMediaConnectStatus, status, 1);
        recorder_.ClearWaits();
        nvxsimClearJournal();
        return SendMessageA(frame, WM_DEVICECHANGE, event, 0);
    };

    // Another event only pauses the poll for half a second.
    const int reevaluations = calls.reevaluate;
    EXPECT_EQ(change(0x8000 /* DBT_DEVICEARRIVAL */, -1), 0);
    EXPECT_EQ(recorder_.MonitorWaits(), std::vector<uint32_t>{500});
    EXPECT_TRUE(testing_support::Journal().empty());
    EXPECT_EQ(state.adapterBound, 1);
    EXPECT_EQ(calls.reevaluate, reevaluations);

    // 4 while bound: the adapter is lost.
    change(7, 4);
    EXPECT_EQ(state.deviceState, 0);
    EXPECT_EQ(state.adapterBound, 0);
    EXPECT_EQ(state.reconnectGuard, -1);
    EXPECT_EQ(testing_support::Journal(NVXSIM_DISCONNECT).size(), 1u);
    EXPECT_EQ(calls.mark, 1);
    EXPECT_EQ(calls.reevaluate, reevaluations + 1);
    EXPECT_FALSE(calls.lastUsable);

    // 4 while unbound: bound again, once.
    change(7, 4);
    EXPECT_EQ(testing_support::Journal(NVXSIM_CONNECT).size(), 1u) << "the start-up bind ran again";
    EXPECT_EQ(state.adapterBound, 1);
    EXPECT_EQ(state.reconnectGuard, 2);
    EXPECT_EQ(calls.refill, 1);
    EXPECT_EQ(calls.mark, 2);
    EXPECT_TRUE(calls.lastUsable);
    EXPECT_EQ(recorder_.MonitorWaits(), (std::vector<uint32_t>{500, 1000}));

    // 0: present; the guard goes idle. A later unrelated event leaves the adapter bound.
    change(7, 0);
    EXPECT_EQ(state.deviceState, 1);
    EXPECT_EQ(state.reconnectGuard, -1);
    change(0x8004 /* DBT_DEVICEREMOVECOMPLETE */, -1);
    EXPECT_EQ(state.adapterBound, 1);
    EXPECT_TRUE(testing_support::Journal(NVXSIM_DISCONNECT).empty());

    // 5: unbound and bound again at once (a bound adapter then reads as present).
    change(7, 5);
    EXPECT_EQ(state.deviceState, 1);
    EXPECT_EQ(state.reconnectGuard, 2);
    EXPECT_EQ(state.adapterBound, 1);
    EXPECT_EQ(testing_support::Journal(NVXSIM_CONNECT).size(), 1u);
}

TEST_F(FrameTest, WatcherWaitsForTheWindowThenFollowsTheService) {
    StagedAdapter adapter;
    LoadScenario(Scenario(-50));
    WindowCalls calls;
    StoreCurrentProfile(OpenProfile("Boundary", "Boundary"));
    auto app = std::make_unique<CMonitorApp>(FakeUi(calls));
    app->Supervisor().SetWatcherPeriodForTests(20);
    ASSERT_TRUE(app->InitInstance());
    AppState& state = app->State();

    // Before the window opens the watcher asks nothing (each question runs the presence probe).
    recorder_.ClearWaits();
    adapter.SetManaged(true);
    Pump(300);
    EXPECT_EQ(recorder_.AdapterWaits(), 0u);
    EXPECT_EQ(state.zeroControlState, 2);
    adapter.SetManaged(false);

    Open(*app);
    EXPECT_EQ(state.zeroControlState, 0);
    ASSERT_EQ(calls.created, 1);
    const int before = calls.reevaluate;

    adapter.SetManaged(true);
    Pump(2000, [&] { return state.zeroControlState == 1; });
    Pump(50);
    EXPECT_EQ(state.zeroControlState, 1);
    EXPECT_EQ(calls.reevaluate, before + 1);
    EXPECT_TRUE(calls.lastZeroControl);
    EXPECT_FALSE(calls.lastUsable);
    EXPECT_EQ(state.linkUp, 0);
    EXPECT_EQ(recorder_.LastTray().icon, TrayIconHandle(IDI_TRAY_XP_LOW));
    EXPECT_EQ(recorder_.LastTray().tip, "\n   Scanning.....\n");
    // The poll stopped: no icon changes while the service manages the adapter.
    const size_t trayCalls = recorder_.TrayCount();
    Pump(1300);
    EXPECT_EQ(recorder_.TrayCount(), trayCalls);

    adapter.SetManaged(false);
    Pump(2000, [&] { return state.zeroControlState == 0; });
    EXPECT_EQ(state.zeroControlState, 0);
    EXPECT_EQ(calls.reevaluate, before + 2);
    EXPECT_TRUE(calls.lastUsable);
    Pump(1300);
    EXPECT_GT(recorder_.TrayCount(), trayCalls) << "the poll runs again";
}

TEST_F(FrameTest, SwitchGateNestsAndDropsReportsAskedBeforeItClosed) {
    StagedAdapter adapter;
    struct Case {
        const char* what;
        int closes, opens;   // gate operations after the report's question was asked
        bool applied;
    };
    const Case cases[] = {
        {"gate open throughout", 0, 0, true},
        {"gate closed", 1, 0, false},
        {"a nested switch ended, the outer one runs", 2, 1, false},
        {"asked before a switch that has ended", 1, 1, false},
    };
    for (const Case& c : cases) {
        WindowCalls calls;
        auto app = Start(calls);
        Open(*app);
        const int before = calls.reevaluate;
        CConnectionSupervisor& supervisor = app->Supervisor();
        const uint32_t asked = supervisor.GateEpoch();
        for (int i = 0; i < c.closes; ++i) supervisor.CloseGate();
        for (int i = 0; i < c.opens; ++i) supervisor.OpenGate();
        SendMessageA(Frame(*app), WM_WATCHER_REPORT, 1, LPARAM(asked));
        EXPECT_EQ(app->State().zeroControlState, c.applied ? 1 : 0) << c.what;
        EXPECT_EQ(calls.reevaluate, before + (c.applied ? 1 : 0)) << c.what;
        EXPECT_EQ(supervisor.GateOpen(), c.closes == c.opens) << c.what;
    }
}

TEST_F(FrameTest, ReevaluationWaitsForTheWindowAndMessage5121SwitchesTheService) {
    WindowCalls calls;
    auto app = Start(calls);
    HWND frame = Frame(*app);
    EXPECT_EQ(SendMessageA(frame, WM_MONITOR_REEVALUATE, 1, 0), 1) << "never opened";
    EXPECT_EQ(calls.reevaluate, 0);
    Open(*app);
    EXPECT_EQ(SendMessageA(frame, WM_MONITOR_REEVALUATE, 1, 0), 0);
    EXPECT_EQ(calls.reevaluate, 1);
    EXPECT_TRUE(calls.lastUsable);
    EXPECT_EQ(SendMessageA(frame, WM_MONITOR_SWITCH_ZERO_CONTROL, 0, 0), 0);
}

TEST_F(FrameTest, TrayMenuOnWindowsXpNamesWhoControlsTheAdapter) {
    StagedAdapter adapter;
    WindowCalls calls;
    auto app = Start(calls);
    auto texts = [&] {
        std::vector<std::string> items;
        HMENU menu = app->Frame()->BuildTrayMenu();
        HMENU sub = GetSubMenu(menu, 0);
        for (int i = 0; i < GetMenuItemCount(sub); ++i) {
            char text[128] = {};
            GetMenuStringA(sub, UINT(i), text, sizeof text, MF_BYPOSITION);
            items.push_back(GetMenuItemID(sub, i) == UINT(-1) || !text[0] ? "-" : text);
        }
        DestroyMenu(menu);
        return items;
    };
    EXPECT_EQ(texts(), (std::vector<std::string>{"About...", "Use Windows XP Wireless Configuration", "-",
                                                 "Open the Monitor", "Turn Monitor off", "-", "Show Notifications"}));
    // The menu shows the service's last answer; the watcher asks afresh for the next one.
    adapter.SetManaged(true);
    texts();
    Pump(3000, [&] { return app->Supervisor().LastZeroControlAnswer() == 1; });
    EXPECT_EQ(texts()[1], "Use Velmora Wireless Network Monitor");
}

TEST_F(FrameTest, FirstRunOpensTheWindowOnceByItself) {
    struct Case {
        const char* what;
        bool defaultProfile;
        DWORD firstStart;  // 0xFFFFFFFF: no installer value
        int opened;
    };
    const Case cases[] = {
        {"installer's first start", true, 1, 1},
        {"default profile missing", false, 0, 1},
        {"neither", true, 0, 0},
        {"no installer value", true, 0xFFFFFFFF, 0},
    };
    for (const Case& c : cases) {
        ClearRegistry();
        if (c.defaultProfile) StoreDefaultProfile();
        if (c.firstStart != 0xFFFFFFFF) SetFirstStart(c.firstStart);
        WindowCalls calls;
        auto app = Start(calls, false);
        EXPECT_EQ(app->State().IsFirstRun(), c.opened == 1) << c.what;
        for (int i = 0; i < 3; ++i) {
            Poll(*app);
            Pump(50);
        }
        EXPECT_EQ(calls.runModal, c.opened) << c.what;
        EXPECT_FALSE(IsWindowVisible(Frame(*app))) << c.what << ": the frame stays hidden";
        EXPECT_EQ(ReadFirstStart(), c.firstStart == 1 ? 0 : c.firstStart) << c.what;
    }
    // After the installer's first start, the next start is an ordinary one.
    ClearRegistry();
    StoreDefaultProfile();
    SetFirstStart(1);
    { WindowCalls calls; auto first = Start(calls, false); }
    WindowCalls calls;
    auto second = Start(calls, false);
    EXPECT_FALSE(second->State().IsFirstRun());
}


TEST_F(FrameTest, OpenTheMonitorAsksWhenZeroConfigurationManagesTheAdapter) {
    StagedAdapter adapter;
    adapter.SetManaged(true);
    LoadScenario(Scenario(-50));
    for (int answer : {IDNO, IDYES}) {
        WindowCalls calls;
        auto app = Start(calls);
        nvxsimClearJournal();
        {
            MessageBoxAnswerer answerer(answer);
            Open(*app);
            ASSERT_EQ(answerer.Boxes().size(), 1u);
            EXPECT_EQ(answerer.Boxes()[0].caption, "Velmora Wireless Network Monitor");
            EXPECT_EQ(answerer.Boxes()[0].text, texts::AskSwitchToMonitor);
        }
        if (answer == IDNO) {
            EXPECT_EQ(calls.created, 0) << "No leaves the window closed";
            Pump(300);
            EXPECT_TRUE(SsidSets().empty());
            continue;
        }
        EXPECT_EQ(calls.runModal, 1);
        // The current profile goes to a connect worker (its waits are recorded, not slept); the
        // in-use profile is already the current one since the window opened.
        Pump(3000, [] { return SsidSets().size() >= 2; });
        const auto ssids = SsidSets();
        ASSERT_EQ(ssids.size(), 2u);
        EXPECT_EQ(ssids[1], "Boundary");
        EXPECT_TRUE(app->Supervisor().GateOpen());
    }
}

TEST_F(FrameTest, SwitchToZeroConfigurationAsksThenHidesAndStopsThePoll) {
    StagedAdapter adapter;
    for (int answer : {IDNO, IDYES}) {
        WindowCalls calls;
        auto app = Start(calls);
        Open(*app);
        {
            MessageBoxAnswerer answerer(answer);
            SendMessageA(Frame(*app), WM_COMMAND, ID_TRAY_SWITCH, 0);
            ASSERT_EQ(answerer.Boxes().size(), 1u);
            EXPECT_EQ(answerer.Boxes()[0].text, texts::AskSwitchToZeroConfig);
        }
        EXPECT_TRUE(app->Supervisor().GateOpen()) << "the gate opens again after the command";
        EXPECT_EQ(calls.hide, answer == IDYES ? 1 : 0);
        EXPECT_FALSE(IsWindowVisible(Frame(*app)) && answer == IDYES);
        const size_t trayCalls = recorder_.TrayCount();
        Pump(1300);
        if (answer == IDYES) {
            EXPECT_EQ(recorder_.TrayCount(), trayCalls) << "the poll stopped";
        } else {
            EXPECT_GT(recorder_.TrayCount(), trayCalls) << "No changes nothing";
        }
    }
}

TEST_F(FrameTest, AboutRunsOnceAtATime) {
    WindowCalls calls;
    int abouts = 0;
    MonitorUi ui = FakeUi(calls);
    ui.runAbout = [&](HWND) { ++abouts; };
    auto app = std::make_unique<CMonitorApp>(ui);
    ASSERT_TRUE(app->InitInstance());
    SendMessageA(Frame(*app), WM_COMMAND, ID_TRAY_ABOUT, 0);
    EXPECT_EQ(abouts, 1);
    HWND shown = CreateWindowExA(0, "STATIC", texts::AboutTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(Frame(*app), WM_COMMAND, ID_TRAY_ABOUT, 0);
    DestroyWindow(shown);
    EXPECT_EQ(abouts, 1) << "refused while one is shown";
}

TEST_F(FrameTest, SwitchingBackAfterTheWindowOpenedAppliesTheCurrentProfile) {
    const struct {
        const char* what;
        UINT command;
    } cases[] = {{"switch command", ID_TRAY_SWITCH}, {"Open the Monitor", ID_TRAY_OPEN}};
    LoadScenario(Scenario(-50));
    for (const auto& c : cases) {
        StagedAdapter adapter;
        WindowCalls calls;
        auto app = Start(calls);
        Open(*app);
        ASSERT_EQ(calls.runModal, 1);
        EXPECT_EQ(app->Supervisor().InUseProfile().load(), app->State().currentProfile) << "set as the window opens";
        EXPECT_FALSE(IsWindowVisible(Frame(*app))) << "the frame stays hidden";

        adapter.SetManaged(true);
        Pump(100);
        nvxsimClearJournal();
        {
            MessageBoxAnswerer answerer(IDYES);
            SendMessageA(Frame(*app), WM_COMMAND, c.command, 0);
            ASSERT_EQ(answerer.Boxes().size(), 1u) << c.what;
            EXPECT_EQ(answerer.Boxes()[0].text, texts::AskSwitchToMonitor) << c.what;
        }
        Pump(3000, [&] { return calls.refresh > 0; });
        EXPECT_EQ(SsidSets(), (std::vector<std::string>{"ONRAT-QUILLMXVWRadio2", "Boundary"})) << c.what;
        EXPECT_EQ(calls.show, 1) << c.what;
        EXPECT_FALSE(IsWindowVisible(Frame(*app))) << c.what << ": the frame stays hidden";
    }
}

TEST_F(FrameTest, TurnMonitorOffCancelsTheWorkerAndNothingFollowsTheDisconnect) {
    LoadScenario(Scenario(-50));
    for (uint32_t heldIn : {1500u, 2000u}) {
        WindowCalls calls;
        auto app = Start(calls);
        // The worker sits in one of its waits until it is cancelled.
        std::atomic<bool> held{false};
        recorder_.OnMonitorWait([&](uint32_t ms, HANDLE cancel) {
            if (ms != heldIn || !cancel) return;
            held = true;
            WaitForSingleObject(cancel, 10000);
        });
        app->Supervisor().StartConnectWorker(app->State().currentProfile);
        Pump(2000, [&] { return held.load(); });
        ASSERT_TRUE(held) << heldIn;
        nvxsimClearJournal();

        const DWORD start = GetTickCount();
        SendMessageA(Frame(*app), WM_COMMAND, ID_TRAY_OFF, 0);
        const DWORD took = GetTickCount() - start;
        EXPECT_LE(took, 200u) << "a worker in a wait stops at once (the bound is "
                              << CConnectionSupervisor::ShutdownWaitMs << " ms)";
        Pump(300);
        const auto journal = testing_support::Journal();
        ASSERT_EQ(journal.size(), 1u) << heldIn;
        EXPECT_EQ(journal[0].kind, uint32_t(NVXSIM_DISCONNECT)) << "DisconnectToAdapter, then nothing";
        EXPECT_EQ(calls.refresh, 0) << "the cancelled worker reports nothing";
        recorder_.OnMonitorWait([](uint32_t) {});
        DropQuit();
    }
}

TEST_F(FrameTest, AdapterPluggedInAfterTheStartIsBoundAtItsArrival) {
    // Absent at start; the simulator's timeline plugs it in and broadcasts the device change.
    LoadScenario("adapter present=no\n"
                 "timing associate-ms=100 scan-ms=100\n"
                 "network ssid=\"Boundary\" bssid=00:14:6C:A1:22:0B channel=6 rssi=-50\n"
                 "at 0.3 adapter present=yes\n");
    WindowCalls calls;
    auto app = Start(calls);
    AppState& state = app->State();
    EXPECT_EQ(state.adapterBound, 0);
    EXPECT_EQ(state.reconnectGuard, -1) << "idle: the first arrival may bind";
    nvxsimClearJournal();  // the start-up bind tried the profile on the absent adapter
    Pump(3000, [&] { return state.adapterBound == 1; });
    EXPECT_EQ(state.adapterBound, 1);
    EXPECT_EQ(state.reconnectGuard, 2);
    EXPECT_EQ(SsidSets(), std::vector<std::string>{"Boundary"}) << "the current profile applied";
    AdvanceClock(200);
    Poll(*app);
    EXPECT_EQ(state.linkUp, 1);
    EXPECT_EQ(recorder_.LastTray().tip.rfind(" Connect to:Boundary", 0), 0u) << recorder_.LastTray().tip;
}

namespace {

// The shell as a test sets it up: refuses the next adds, records what it was sent.
std::vector<std::pair<DWORD, UINT>> g_sent;  // operation, flags
int g_refusedAdds = 0;
BOOL WINAPI FussyShell(DWORD operation, PNOTIFYICONDATAA data) {
    g_sent.emplace_back(operation, data->uFlags);
    if (operation == NIM_ADD && g_refusedAdds > 0) return --g_refusedAdds, FALSE;
    return TRUE;
}

}  // namespace

TEST_F(FrameTest, TrayIconIsAddedOnceTheShellTakesItAndSentOnlyWhenItChanges) {
    LoadScenario(Scenario(-50));  // 100 %, whatever the jitter
    monitor_platform::Platform fussy = monitor_platform::Current();
    fussy.notifyIcon = &FussyShell;
    const monitor_platform::Platform recording = monitor_platform::Replace(fussy);
    const UINT image = NIF_MESSAGE | NIF_TIP | NIF_ICON;
    constexpr DWORD Remove = 0xFFFFFFFF, AddAgain = 0xFFFFFFFE, Balloon = 0xFFFFFFFD;
    struct Step {
        const char* what;
        DWORD operation;  // or Remove, AddAgain, Balloon: the call of that name
        UINT icon;
        const char* tip;
        std::vector<std::pair<DWORD, UINT>> sent;
        bool added;
        int refusedAdds = 0;  // the shell refuses that many adds
    };
    const Step steps[] = {
        {"add refused (no taskbar yet)", NIM_ADD, IDI_TRAY_DISABLED, "a", {{NIM_ADD, image}}, false, 1},
        {"the next update adds", NIM_MODIFY, IDI_TRAY_DISABLED, "a", {{NIM_ADD, image}}, true},
        {"unchanged", NIM_MODIFY, IDI_TRAY_DISABLED, "a", {}, true},
        {"new tip", NIM_MODIFY, IDI_TRAY_DISABLED, "b", {{NIM_MODIFY, image}}, true},
        {"new image", NIM_MODIFY, IDI_TRAY_XP_FULL, "b", {{NIM_MODIFY, image}}, true},
        {"a balloon", Balloon, 0, "", {{NIM_MODIFY, NIF_INFO}}, true},
        {"the next change shows no balloon again", NIM_MODIFY, IDI_TRAY_XP_FULL, "c", {{NIM_MODIFY, image}}, true},
        {"image that does not load", NIM_MODIFY, 9999, "c", {{NIM_MODIFY, NIF_MESSAGE | NIF_TIP}}, true},
        {"a new taskbar: added again with the image shown", AddAgain, 0, "", {{NIM_ADD, image}}, true},
        {"a broadcast while the shell still has it", AddAgain, 0, "", {{NIM_ADD, image}, {NIM_MODIFY, image}}, true, 1},
        {"removed though its image failed", Remove, 0, "", {{NIM_DELETE, 0}}, false},
        {"nothing to remove", Remove, 0, "", {}, false},
        {"removed: a new taskbar adds nothing", AddAgain, 0, "", {}, false},
        {"no balloon without the icon", Balloon, 0, "", {}, false},
    };
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    {
        CTrayIcon tray;
        for (const Step& step : steps) {
            g_sent.clear();
            g_refusedAdds = step.refusedAdds;
            switch (step.operation) {
                case Remove: tray.Remove(); break;
                case AddAgain: tray.AddAgain(); break;
                case Balloon: tray.ShowBalloon("title", "text", NIIF_INFO); break;
                default: tray.Update(owner, WM_APP, step.operation, step.icon, step.tip); break;
            }
            EXPECT_EQ(g_sent, step.sent) << step.what;
            EXPECT_EQ(tray.Added(), step.added) << step.what;
        }
    }
    DestroyWindow(owner);
    monitor_platform::Replace(recording);

    // The frame's poll: an idle, connected monitor sends the shell nothing once the icon shows.
    WindowCalls calls;
    auto app = Start(calls);
    AdvanceClock(1000);
    Poll(*app);
    ASSERT_EQ(app->State().linkUp, 1);
    const size_t shown = recorder_.TrayCount();
    for (int i = 0; i < 5; ++i) Poll(*app);
    EXPECT_EQ(recorder_.TrayCount(), shown);
}

namespace {

// Lets every user only read `path` (and keeps its old security to put back).
class ReadOnlyKey {
public:
    explicit ReadOnlyKey(const char* path) : path_(path) {
        HKEY key;
        EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, READ_CONTROL | WRITE_DAC, &key), ERROR_SUCCESS) << path;
        DWORD size = 0;
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
        old_.resize(size);
        RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, old_.data(), &size);
        // D: Everyone may read (query values, enumerate, notify, read control), nothing more.
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        EXPECT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                                          &readOnly, nullptr));
        EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS) << path;
        LocalFree(readOnly);
        RegCloseKey(key);
    }
    ~ReadOnlyKey() {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path_, 0, WRITE_DAC, &key) != ERROR_SUCCESS) return;
        RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, old_.data());
        RegCloseKey(key);
    }

private:
    const char* path_;
    std::vector<BYTE> old_;
};

}  // namespace

TEST_F(FrameTest, ReadingTheRegistryNeedsNoWriteAccess) {
    LoadScenario(Scenario(-50));
    StoreCurrentProfile(OpenProfile("Boundary", "Boundary"));
    SetFirstStart(0);
    const std::string profileKey = std::string(profile::KeyPath) + "\\Boundary";
    const std::string defaultKey = profile::SubkeyPath(profiles::DefaultProfileName);
    ReadOnlyKey profiles(profile::KeyPath), boundary(profileKey.c_str()), defaultProfile(defaultKey.c_str()),
        install(texts::InstallKey);
    HKEY probe;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, profile::KeyPath, 0, KEY_ALL_ACCESS, &probe), ERROR_ACCESS_DENIED)
        << "the keys are read-only for this test";

    WindowCalls calls;
    auto app = Start(calls, false);
    EXPECT_FALSE(app->State().IsFirstRun()) << "the default profile and FStart were read";
    EXPECT_STREQ(app->State().currentProfile->SSID, "Boundary");
    EXPECT_EQ(SsidSets(), std::vector<std::string>{"Boundary"}) << "and the current profile applied";
}

TEST_F(FrameTest, TaskbarCreatedAddsTheIconAgainAsItIsShown) {
    struct Case {
        const char* what;
        bool present;
        uint32_t advanceMs;  // the association takes 400 ms of the simulator's clock
        unsigned icon;
        const char* tip;
    };
    const Case cases[] = {
        {"adapter absent", false, 0, IDI_TRAY_DISABLED, "\n   Disable   \n"},
        {"scanning", true, 0, IDI_TRAY_XP_LOW, "\n   Scanning.....\n"},
        {"connected", true, 600, IDI_TRAY_XP_FULL,
         " Connect to:Boundary \n 00-14-6C-A1-22-0B \n Infrastructure \n Channel: 6 \n Speed: 54 Mbps "},
    };
    for (const Case& c : cases) {
        ResetSimulator();
        LoadScenario(Scenario(-50));  // 100 %, whatever the jitter
        if (!c.present) nvxsimSetAdapterPresent(0);
        WindowCalls calls;
        auto app = Start(calls);
        AdvanceClock(c.advanceMs);
        Poll(*app);
        ASSERT_EQ(recorder_.LastTray().tip, c.tip) << c.what;

        const size_t before = recorder_.TrayCount();
        SendMessageA(Frame(*app), TaskbarCreatedMessage(), 0, 0);
        ASSERT_EQ(recorder_.TrayCount(), before + 1) << c.what;
        const TrayCall added = recorder_.LastTray();
        EXPECT_EQ(added.operation, DWORD(NIM_ADD)) << c.what;
        EXPECT_EQ(added.flags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP)) << c.what << ": no balloon again";
        EXPECT_EQ(added.icon, TrayIconHandle(c.icon)) << c.what;
        EXPECT_EQ(added.tip, c.tip) << c.what;
        Poll(*app);
        EXPECT_EQ(recorder_.TrayCount(), before + 1) << c.what << ": the poll finds it as it is";
        DropQuit();
    }
}

namespace {

// The balloons choice as a test stores it under the profile key; type REG_NONE removes it.
void StoreChoiceValue(DWORD type, const std::vector<BYTE>& data) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, profile::KeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    if (type == REG_NONE) {
        RegDeleteValueA(key, "Notifications");
    } else {
        RegSetValueExA(key, "Notifications", 0, type, data.data(), DWORD(data.size()));
    }
    RegCloseKey(key);
}

// The stored REG_DWORD, or -1 when there is none.
int64_t StoredChoice() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, profile::KeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return -1;
    DWORD value = 0, type = 0, size = sizeof value;
    const LONG rc = RegQueryValueExA(key, "Notifications", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && type == REG_DWORD ? int64_t(value) : -1;
}

const std::vector<BYTE> DwordOn{1, 0, 0, 0}, DwordOff{0, 0, 0, 0};

// Boundary leaves at 3 s and is back at 6 s; the adapter keeps its SSID and the link comes back.
std::string LeavingAndReturning() {
    return Scenario(-50) + "at 3 gone ssid=\"Boundary\"\n" +
           "at 6 network ssid=\"Boundary\" bssid=00:14:6C:A1:22:0B channel=6 rssi=-50 rate=54\n";
}

}  // namespace

TEST_F(FrameTest, BalloonsOnceWhenTheLinkComesUpAndOnceWhenItIsLost) {
    struct Step {
        const char* what;
        uint32_t advanceMs;
        int polls;
        size_t balloons;  // shown so far, with the balloons on
    };
    const Step steps[] = {
        {"associating", 0, 1, 0},      {"link up", 600, 1, 1},   {"unchanged polls", 0, 3, 1},
        {"network gone", 3000, 1, 2},  {"still down", 0, 3, 2},  {"back by itself", 3000, 1, 3},
        {"unchanged again", 0, 3, 3},
    };
    struct Case {
        const char* what;
        DWORD type;  // of the stored value; REG_NONE: none
        std::vector<BYTE> stored;
        bool on;
    };
    const Case cases[] = {
        {"no value stored: on", REG_NONE, {}, true},
        {"stored on", REG_DWORD, DwordOn, true},
        {"stored off", REG_DWORD, DwordOff, false},
    };
    for (const Case& c : cases) {
        ResetSimulator();
        LoadScenario(LeavingAndReturning());
        StoreChoiceValue(c.type, c.stored);
        const size_t start = recorder_.Balloons().size();
        WindowCalls calls;
        auto app = Start(calls);
        for (const Step& step : steps) {
            AdvanceClock(step.advanceMs);
            for (int i = 0; i < step.polls; ++i) Poll(*app);
            EXPECT_EQ(recorder_.Balloons().size() - start, c.on ? step.balloons : 0u) << c.what << ": " << step.what;
        }
        EXPECT_EQ(app->State().linkUp, 1) << c.what << ": the icon follows the link either way";
        const auto balloons = recorder_.Balloons();
        if (!c.on || balloons.size() != start + 3) continue;
        struct Expected {
            const char* title;
            const char* text;
            DWORD flags;
        };
        const Expected expected[] = {
            {"Connected to Boundary", "Signal strength: 100%", NIIF_INFO},
            {"Wireless connection lost", "No longer connected to Boundary", NIIF_WARNING},
            {"Connected to Boundary", "Signal strength: 100%", NIIF_INFO},
        };
        for (size_t i = 0; i < 3; ++i) {
            const TrayCall& b = balloons[start + i];
            EXPECT_EQ(b.operation, DWORD(NIM_MODIFY)) << c.what << " " << i;
            EXPECT_EQ(b.flags, UINT(NIF_INFO)) << c.what << " " << i;
            EXPECT_EQ(b.infoTitle, expected[i].title) << c.what << " " << i;
            EXPECT_EQ(b.info, expected[i].text) << c.what << " " << i;
            EXPECT_EQ(b.infoFlags, expected[i].flags) << c.what << " " << i;
        }
        DropQuit();
    }
}

TEST_F(FrameTest, LinkDroppingBetweenAPollsReadsIsNoNews) {
    LoadScenario(LeavingAndReturning());
    WindowCalls calls;
    auto app = Start(calls);
    AdvanceClock(600);
    Poll(*app);
    ASSERT_EQ(recorder_.Balloons().size(), 1u);
    // The connection query still says connected; the network has left by the status read.
    nvxsimForceMediaStatus(0);
    AdvanceClock(3000);
    Poll(*app);
    EXPECT_EQ(app->State().linkUp, 1);
    EXPECT_EQ(recorder_.Balloons().size(), 1u) << "no \"Connected to\" an empty name";
    nvxsimForceMediaStatus(-1);
    Poll(*app);
    const auto balloons = recorder_.Balloons();
    ASSERT_EQ(balloons.size(), 2u);
    EXPECT_EQ(balloons[1].infoTitle, "Wireless connection lost");
    EXPECT_EQ(balloons[1].info, "No longer connected to Boundary");
}

TEST_F(FrameTest, NoBalloonWhileTheOsWirelessServiceHasTheAdapter) {
    // From the start: the profile is not applied; the service's own link comes and goes.
    {
        StagedAdapter adapter;
        adapter.SetManaged(true);
        LoadScenario(LeavingAndReturning());
        WindowCalls calls;
        auto app = Start(calls);
        EXPECT_TRUE(SsidSets().empty()) << "the service's adapter: nothing applied";
        WLAN_PROFILE service = OpenProfile("", "Boundary");
        ASSERT_EQ(ConnectToNetwork(&service), 0);  // as the service would
        AdvanceClock(600);
        Poll(*app);
        ASSERT_EQ(app->State().linkUp, 1);
        AdvanceClock(3000);
        Poll(*app);
        EXPECT_EQ(app->State().linkUp, 0);
        EXPECT_TRUE(recorder_.Balloons().empty()) << "neither its link up nor its loss";
        DropQuit();
    }
    // Handed over while up, lost meanwhile, given back: no loss; the link back is announced.
    {
        StagedAdapter adapter;
        ResetSimulator();
        LoadScenario(LeavingAndReturning());
        WindowCalls calls;
        StoreCurrentProfile(OpenProfile("Boundary", "Boundary"));
        auto app = std::make_unique<CMonitorApp>(FakeUi(calls));
        app->Supervisor().SetWatcherPeriodForTests(20);
        ASSERT_TRUE(app->InitInstance());
        AppState& state = app->State();
        const size_t start = recorder_.Balloons().size();
        Open(*app);
        AdvanceClock(600);
        Poll(*app);
        ASSERT_EQ(recorder_.Balloons().size() - start, 1u) << "link up";

        adapter.SetManaged(true);
        Pump(2000, [&] { return state.zeroControlState == 1; });
        ASSERT_EQ(state.zeroControlState, 1);
        AdvanceClock(3000);  // the network leaves while the service has the adapter
        adapter.SetManaged(false);
        Pump(2000, [&] { return state.zeroControlState == 0; });
        ASSERT_EQ(state.zeroControlState, 0);
        Poll(*app);
        EXPECT_EQ(state.linkUp, 0);
        EXPECT_EQ(recorder_.Balloons().size() - start, 1u) << "no loss for a link the service had";
        AdvanceClock(3000);
        Poll(*app);
        EXPECT_EQ(state.linkUp, 1);
        EXPECT_EQ(recorder_.Balloons().size() - start, 2u) << "the link back is announced";
        DropQuit();
    }
}

TEST_F(FrameTest, NotificationsItemIsLastAndItsCheckFollowsTheStoredChoice) {
    struct Case {
        const char* what;
        DWORD type;  // REG_NONE: no value
        std::vector<BYTE> stored;
        bool checked;
    };
    const Case cases[] = {
        {"no value (an older version's profile key)", REG_NONE, {}, true},
        {"stored on", REG_DWORD, DwordOn, true},
        {"stored off", REG_DWORD, DwordOff, false},
        {"a text \"0\": not ours, on", REG_SZ, {'0', 0}, true},
        {"two bytes of zero: not ours, on", REG_BINARY, {0, 0}, true},
        {"eight bytes of zero: not ours, on", REG_BINARY, std::vector<BYTE>(8, 0), true},
    };
    for (const Case& c : cases) {
        StoreChoiceValue(c.type, c.stored);
        WindowCalls calls;
        auto app = Start(calls);
        auto item = [&] {
            HMENU menu = app->Frame()->BuildTrayMenu();
            HMENU items = GetSubMenu(menu, 0);
            const int last = GetMenuItemCount(items) - 1;
            char text[64] = {};
            GetMenuStringA(items, UINT(last), text, sizeof text, MF_BYPOSITION);
            const UINT id = GetMenuItemID(items, last);
            const bool checked = (GetMenuState(items, ID_TRAY_NOTIFICATIONS, MF_BYCOMMAND) & MF_CHECKED) != 0;
            DestroyMenu(menu);
            EXPECT_EQ(std::string(text), "Show Notifications");
            EXPECT_EQ(id, UINT(ID_TRAY_NOTIFICATIONS));
            return checked;
        };
        EXPECT_EQ(item(), c.checked) << c.what;
        SendMessageA(Frame(*app), WM_COMMAND, ID_TRAY_NOTIFICATIONS, 0);
        EXPECT_EQ(item(), !c.checked) << c.what;
        EXPECT_EQ(StoredChoice(), c.checked ? 0 : 1) << c.what << ": stored as a REG_DWORD";
        SendMessageA(Frame(*app), WM_COMMAND, ID_TRAY_NOTIFICATIONS, 0);
        EXPECT_EQ(item(), c.checked) << c.what;
        EXPECT_EQ(StoredChoice(), c.checked ? 1 : 0) << c.what;
        app.reset();
        DropQuit();
        WindowCalls again;
        app = Start(again);
        EXPECT_EQ(item(), c.checked) << c.what << ": the next start reads it";
        app.reset();
        DropQuit();
    }

    // A user who may not write the profile key: the choice holds for the run, nothing stored.
    StoreChoiceValue(REG_NONE, {});
    WindowCalls calls;
    auto app = Start(calls);
    {
        ReadOnlyKey profiles(profile::KeyPath);
        SendMessageA(Frame(*app), WM_COMMAND, ID_TRAY_NOTIFICATIONS, 0);
        HMENU menu = app->Frame()->BuildTrayMenu();
        EXPECT_FALSE(GetMenuState(GetSubMenu(menu, 0), ID_TRAY_NOTIFICATIONS, MF_BYCOMMAND) & MF_CHECKED);
        DestroyMenu(menu);
        EXPECT_EQ(StoredChoice(), -1);
        // Off for the run: the link coming up shows nothing.
        const size_t before = recorder_.Balloons().size();
        LoadScenario(Scenario(-50));
        app->Supervisor().StartupBind();
        AdvanceClock(600);
        Poll(*app);
        EXPECT_EQ(app->State().linkUp, 1);
        EXPECT_EQ(recorder_.Balloons().size(), before);
    }
}
