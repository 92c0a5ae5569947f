// The connection supervisor in-process: the connect worker's order and waits against the
// simulator's journal, overlapping requests through the shared slot, the start-up bind, the switch.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "monitor/core/MonitorApp.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/res/resource.h"
#include "nvxsim/nvxsim.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/support/TestSupport.h"

using namespace monitor_test;

namespace {

const std::string kDummy = "ONRAT-QUILLMXVWRadio2";  // what Disconnect sets to take the adapter off the air

constexpr const char* kScenario =
    "adapter present=yes\n"
    "timing associate-ms=300 scan-ms=100\n"
    "network ssid=\"Alpha\" bssid=00:14:6C:00:00:01 channel=1 rssi=-50\n"
    "network ssid=\"Bravo\" bssid=00:14:6C:00:00:02 channel=11 rssi=-60\n"
    "network ssid=\"Cell\" bssid=02:14:6C:00:00:03 channel=6 rssi=-60 mode=adhoc rate=11\n";

class SupervisorTest : public MonitorFixture {
protected:
    void SetUp() override {
        MonitorFixture::SetUp();
        LoadScenario(kScenario);
    }

    std::unique_ptr<CMonitorApp> Start(WindowCalls& calls) {
        auto app = std::make_unique<CMonitorApp>(FakeUi(calls));
        EXPECT_TRUE(app->InitInstance());
        return app;
    }

    Recorder recorder_;
};

size_t Count(const std::vector<std::string>& items, const std::string& item) {
    return size_t(std::count(items.begin(), items.end(), item));
}

}  // namespace

TEST_F(SupervisorTest, ConnectWorkerDisconnectsWaitsConnectsWaitsAndReports) {
    WindowCalls calls;
    auto app = Start(calls);
    SendMessageA(app->Frame()->hwnd(), WM_COMMAND, ID_TRAY_OPEN, 0);  // so the page's refresh can be seen
    recorder_.ClearWaits();
    nvxsimClearJournal();

    std::vector<std::vector<std::string>> seenAtWait;
    recorder_.OnMonitorWait([&](uint32_t) { seenAtWait.push_back(SsidSets()); });
    WLAN_PROFILE profile = OpenProfile("", "Bravo", 11);
    app->State().connectionStart = 0;
    app->Supervisor().StartConnectWorker(&profile);
    Pump(5000, [&] { return calls.refresh > 0; });

    EXPECT_EQ(recorder_.MonitorWaits(), (std::vector<uint32_t>{1500, 2000}));
    ASSERT_EQ(seenAtWait.size(), 2u);
    EXPECT_EQ(seenAtWait[0], std::vector<std::string>{kDummy}) << "Disconnect before the first wait";
    EXPECT_EQ(seenAtWait[1], (std::vector<std::string>{kDummy, "Bravo"})) << "connected before the second";
    EXPECT_EQ(app->Supervisor().InUseProfile().load(), &profile);
    EXPECT_NE(app->State().connectionStart, 0u);
    EXPECT_EQ(calls.refresh, 1);
    EXPECT_EQ(calls.refreshPeriod, 100u);
}

TEST_F(SupervisorTest, OverlappingRequestsApplyWhatTheSlotHoldsLast) {
    WindowCalls calls;
    auto app = Start(calls);
    recorder_.ClearWaits();
    nvxsimClearJournal();

    // The first worker is held in its first wait while the second request rewrites the slot.
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<int> held{0};
    recorder_.OnMonitorWait([&](uint32_t ms) {
        if (ms == 1500 && held.fetch_add(1) == 0) WaitForSingleObject(release, 10000);
    });
    WLAN_PROFILE first = OpenProfile("", "Alpha", 1);
    WLAN_PROFILE second = OpenProfile("", "Bravo", 11);
    app->Supervisor().StartConnectWorker(&first);
    Pump(2000, [&] { return held == 1; });
    ASSERT_EQ(held, 1);
    app->Supervisor().StartConnectWorker(&second);
    Pump(3000, [&] { return app->Supervisor().InUseProfile().load() == &second; });
    SetEvent(release);
    Pump(3000, [&] { return recorder_.MonitorWaits().size() == 4; });
    Pump(100);
    CloseHandle(release);

    const auto ssids = SsidSets();
    EXPECT_EQ(Count(ssids, "Alpha"), 0u) << "the held worker read the slot again";
    EXPECT_EQ(Count(ssids, "Bravo"), 2u);
    EXPECT_EQ(Count(ssids, kDummy), 2u);
    EXPECT_EQ(app->Supervisor().InUseProfile().load(), &second);
}

TEST_F(SupervisorTest, StartupBindAppliesTheCurrentProfile) {
    StoreCurrentProfile(OpenProfile("Office", "Alpha", 1));
    WindowCalls calls;
    auto app = Start(calls);
    EXPECT_EQ(app->State().adapterBound, 1);
    EXPECT_EQ(app->State().deviceState, 1);
    ASSERT_NE(app->State().currentProfile, nullptr);
    EXPECT_STREQ(app->State().currentProfile->ProfileName, "Office");
    EXPECT_STREQ(app->State().currentProfile->SSID, "Alpha");
    EXPECT_STREQ(app->State().inUseProfileName, "Office");
    EXPECT_EQ(SsidSets(), std::vector<std::string>{"Alpha"});
    EXPECT_EQ(recorder_.MonitorWaits(), std::vector<uint32_t>{1000});
}

TEST_F(SupervisorTest, StartupBindWithoutProfileAppliesNothing) {
    struct Case {
        const char* what;
        const char* current;  // CurProfile, or null for none
    };
    const Case cases[] = {{"no CurProfile", nullptr}, {"CurProfile names no subkey", "Gone"}};
    for (const Case& c : cases) {
        ClearRegistry();
        StoreDefaultProfile();
        if (c.current) {
            ASSERT_EQ(SetCurrentProfile(c.current), 0);
        }
        nvxsimClearJournal();
        WindowCalls calls;
        auto app = Start(calls);
        EXPECT_TRUE(SsidSets().empty()) << c.what;
        ASSERT_NE(app->State().currentProfile, nullptr);
        EXPECT_STREQ(app->State().currentProfile->SSID, "") << c.what;
        EXPECT_STREQ(app->State().inUseProfileName, "") << c.what;
    }
}

TEST_F(SupervisorTest, StartupBindLeavesTheAdapterToZeroConfiguration) {
    StagedAdapter adapter;
    adapter.SetManaged(true);
    StoreCurrentProfile(OpenProfile("Office", "Alpha", 1));
    WindowCalls calls;
    auto app = Start(calls);
    EXPECT_STREQ(app->State().currentProfile->SSID, "Alpha") << "read";
    EXPECT_TRUE(SsidSets().empty()) << "not applied";
}

TEST_F(SupervisorTest, AdhocProfileJoinsTheCellInRangeOrCreatesOne) {
    struct Case {
        const char* ssid;
        uint32_t channel;
        uint32_t mode;
    };
    const Case cases[] = {{"Cell", 6, 0}, {"Cell", 11, 2}, {"cell", 6, 2}, {"Alpha", 1, 2}};
    WindowCalls calls;
    auto app = Start(calls);
    ASSERT_EQ(ScanSiteInfo(), 0);
    AdvanceClock(200);  // the scenario's scan completes; the decision reads that list
    for (const Case& c : cases) {
        WLAN_PROFILE p = OpenProfile("", c.ssid, c.channel);
        p.AssociationMode = 2;
        app->Supervisor().DecideAdhoc(p, nullptr);
        EXPECT_EQ(p.AssociationMode, c.mode) << c.ssid << " on " << c.channel;
    }
    EXPECT_NE(app->State().currentSurvey.load(), nullptr);
}
