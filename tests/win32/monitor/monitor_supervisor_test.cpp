// The connection supervisor in-process: the connect worker's order and waits against the
// simulator's journal, overlapping requests through the shared slot, the start-up bind, the switch.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <iterator>
#include <string>

#include "adapter/portable/Ndis.h"
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

TEST_F(SupervisorTest, ANewRequestCancelsTheRunningWorkerWhichStopsBeforeItsNextCall) {
    WindowCalls calls;
    auto app = Start(calls);
    SendMessageA(app->Frame()->hwnd(), WM_COMMAND, ID_TRAY_OPEN, 0);
    recorder_.ClearWaits();
    nvxsimClearJournal();

    // The first worker sits in its first wait until something cancels it.
    std::atomic<int> held{0};
    std::atomic<bool> cancelled{false};
    recorder_.OnMonitorWait([&](uint32_t ms, HANDLE cancel) {
        if (ms != 1500 || held.fetch_add(1) != 0) return;
        cancelled = WaitForSingleObject(cancel, 10000) == WAIT_OBJECT_0;
    });
    WLAN_PROFILE first = OpenProfile("", "Alpha", 1);
    WLAN_PROFILE second = OpenProfile("", "Bravo", 11);
    app->Supervisor().StartConnectWorker(&first);
    Pump(2000, [&] { return held == 1; });
    ASSERT_EQ(held, 1);
    app->Supervisor().StartConnectWorker(&second);
    Pump(3000, [&] { return calls.refresh > 0; });
    Pump(100);

    EXPECT_TRUE(cancelled);
    EXPECT_EQ(SsidSets(), (std::vector<std::string>{kDummy, kDummy, "Bravo"})) << "the first stopped in its wait";
    EXPECT_EQ(recorder_.MonitorWaits(), (std::vector<uint32_t>{1500, 1500, 2000}));
    EXPECT_EQ(app->Supervisor().InUseProfile().load(), &second);
    EXPECT_EQ(calls.refresh, 1) << "only the last worker finishes";
}

TEST_F(SupervisorTest, QuickRequestsEndConnectedToTheLastOneWithItsOwnSettings) {
    // Each OID set takes 2 ms, as a driver's does: workers that ran at once would interleave.
    LoadScenario("adapter present=yes\n"
                 "timing associate-ms=100 scan-ms=100 set-ms=2\n"
                 "network ssid=Open bssid=00:14:6C:00:01:01 channel=1\n"
                 "network ssid=Wep bssid=00:14:6C:00:01:02 channel=6 security=wep wep-key=0A1B2C3D4E\n"
                 "network ssid=HomeA bssid=00:14:6C:00:01:03 channel=11 security=wpa2-ccmp passphrase=\"alpha-passphrase\"\n"
                 "network ssid=HomeB bssid=00:14:6C:00:01:04 channel=3 security=wpa2-ccmp passphrase=\"bravo-passphrase\"\n");
    struct Kind {
        const char* ssid;
        uint32_t securityMode, encryptionLevel;
        const char* secret;  // WEP key digits or passphrase
        uint32_t authMode, encryption;  // what ConnectToNetwork sets for it
    };
    const Kind kinds[] = {{"Open", 0, 0, "", 0, 1},
                          {"Wep", 1, 1, "0A1B2C3D4E", 0, 0},
                          {"HomeA", 4, 6, "alpha-passphrase", 7, 7},
                          {"HomeB", 4, 6, "bravo-passphrase", 7, 7}};
    WindowCalls calls;
    auto app = Start(calls);
    nvxsimClearJournal();

    WLAN_PROFILE profiles[20];
    for (size_t i = 0; i < std::size(profiles); ++i) {
        const Kind& k = kinds[i % std::size(kinds)];
        profiles[i] = OpenProfile("", k.ssid);
        profiles[i].SecurityMode = k.securityMode;
        profiles[i].EncryptionLevel = k.encryptionLevel;
        if (k.securityMode == 1) {
            profiles[i].IsKeyHexed = 1;
            std::strcpy(profiles[i].WEPKey[0], k.secret);
        } else {
            std::strcpy(profiles[i].PassPhrase, k.secret);
        }
    }
    // Every worker that gets to its first wait stays there until all requests were made (or it is
    // cancelled): workers that were not stopped would now connect at the same time.
    HANDLE allMade = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    recorder_.OnMonitorWait([&](uint32_t ms, HANDLE cancel) {
        if (ms != 1500) return;
        HANDLE either[2] = {allMade, cancel};
        WaitForMultipleObjects(2, either, FALSE, 10000);
    });
    for (size_t i = 0; i < std::size(profiles); ++i) {
        app->Supervisor().StartConnectWorker(&profiles[i]);
        Sleep(DWORD(i % 3));  // a click now and then a little later
    }
    SetEvent(allMade);
    WLAN_PROFILE* last = &profiles[std::size(profiles) - 1];
    Pump(10000, [&] { return app->Supervisor().InUseProfile().load() == last; });
    Pump(200);
    CloseHandle(allMade);
    EXPECT_EQ(app->Supervisor().InUseProfile().load(), last);

    // Every connect in the journal is one request's settings, never a mix: between two SSID sets,
    // one authentication mode, one encryption status and at most one credentials record, all of
    // the network whose SSID ends the run.
    uint32_t auths = 0, encryptions = 0, credentials = 0, auth = 0, encryption = 0;
    std::string passphrase;
    std::string lastSsid;
    for (const auto& call : testing_support::Journal()) {
        if (call.kind == NVXSIM_CREDENTIALS) {
            ++credentials;
            passphrase.assign(reinterpret_cast<const char*>(call.data.data() + 4));
        }
        if (call.kind != NVXSIM_SET) continue;
        if (call.oid == oid::AuthenticationMode) ++auths, auth = testing_support::U32At(call.data, 0);
        if (call.oid == oid::EncryptionStatus) ++encryptions, encryption = testing_support::U32At(call.data, 0);
        if (call.oid != oid::Ssid) continue;
        const std::string ssid(reinterpret_cast<const char*>(call.data.data() + 4), testing_support::U32At(call.data, 0));
        if (ssid != kDummy) {
            const Kind* k = nullptr;
            for (const Kind& x : kinds)
                if (ssid == x.ssid) k = &x;
            ASSERT_NE(k, nullptr) << ssid;
            EXPECT_EQ(auths, 1u) << ssid;
            EXPECT_EQ(encryptions, 1u) << ssid;
            EXPECT_EQ(auth, k->authMode) << ssid;
            EXPECT_EQ(encryption, k->encryption) << ssid;
            if (k->securityMode == 4) {
                EXPECT_EQ(credentials, 1u) << ssid;
                EXPECT_EQ(passphrase, k->secret) << ssid;
            }
            lastSsid = ssid;
        }
        auths = encryptions = credentials = 0;
    }
    EXPECT_EQ(lastSsid, "HomeB");

    // And the adapter is associated with it.
    AdvanceClock(200);
    uint32_t media = 1;
    ASSERT_EQ(GetConnectionStatus(&media), 0);
    EXPECT_EQ(media, 0u) << "connected";
    uint8_t ssid[36] = {};
    ASSERT_EQ(GetOid(oid::Ssid, ssid, sizeof ssid), 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(ssid + 4), ssid[0]), "HomeB");
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
