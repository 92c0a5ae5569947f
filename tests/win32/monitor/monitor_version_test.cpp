// What the monitor does by Windows version. Built twice: as monitor_version_test, on the prefix's
// Windows XP, and as monitor_win2k_test, which Wine runs as Windows 2000 (its per-program setting).
#include <windows.h>
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "monitor/core/MonitorApp.h"
#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/res/resource.h"
#include "nvxsim/nvxsim.h"
#include "tests/win32/monitor/MonitorTestSupport.h"
#include "tests/win32/support/TestSupport.h"

using namespace monitor_test;

namespace {

bool SystemIsXp() {
    OSVERSIONINFOA v{};
    v.dwOSVersionInfoSize = sizeof v;
    GetVersionExA(&v);
    const bool xp = texts::IsWindowsXp(v.dwMajorVersion, v.dwMinorVersion);
#ifdef MONITOR_TEST_OTHER_WINDOWS
    EXPECT_FALSE(xp) << "Wine should run this program as Windows 2000";
#else
    EXPECT_TRUE(xp) << "the test prefix reports Windows XP";
#endif
    return xp;
}

// Two adapters in the IP Helper's list, one named by each description; the DHCP release tells
// which one a SetNetIPInfo chose.
std::mutex g_lock;
std::vector<std::string> g_released;

DWORD WINAPI TwoAdapters(PIP_ADAPTER_INFO info, PULONG size) {
    const ULONG needed = 2 * sizeof(IP_ADAPTER_INFO);
    if (!info || *size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    std::memset(info, 0, needed);
    const char* names[2] = {"{XP-DESCRIBED}", "{OTHER-DESCRIBED}"};
    const char* descriptions[2] = {WIFIAPI_ADAPTER_XP, WIFIAPI_ADAPTER_OTHER};
    for (int i = 0; i < 2; ++i) {
        std::strcpy(info[i].AdapterName, names[i]);
        std::strcpy(info[i].Description, descriptions[i]);
        info[i].ComboIndex = DWORD(i + 1);
        info[i].Index = DWORD(i + 1);
        info[i].Next = i == 0 ? &info[1] : nullptr;
    }
    return ERROR_SUCCESS;
}

DWORD WINAPI RecordRelease(PIP_ADAPTER_INDEX_MAP adapter) {
    char name[MAX_ADAPTER_NAME + 1] = {};
    WideCharToMultiByte(CP_ACP, 0, adapter->Name, -1, name, sizeof name - 1, nullptr, nullptr);
    std::lock_guard<std::mutex> hold(g_lock);
    g_released.push_back(name);
    return ERROR_SUCCESS;
}

DWORD WINAPI Renewed(PIP_ADAPTER_INDEX_MAP) { return ERROR_SUCCESS; }

std::vector<std::string> Released() {
    std::lock_guard<std::mutex> hold(g_lock);
    return g_released;
}

class VersionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSimulator();
        ClearRegistry();
        StoreDefaultProfile();
        seams::Platform p = seams::Current();
        p.getAdaptersInfo = &TwoAdapters;
        p.ipReleaseAddress = &RecordRelease;
        p.ipRenewAddress = &Renewed;
        previous_ = seams::Replace(p);
        ASSERT_TRUE(testing_support::UseDhcpClientDouble());
        std::lock_guard<std::mutex> hold(g_lock);
        g_released.clear();
    }
    void TearDown() override {
        seams::Replace(previous_);
        ClearRegistry();
    }

    Recorder recorder_;  // replaces the waits of both seams; declared first, restored last
    seams::Platform previous_{};
};

}  // namespace

TEST_F(VersionTest, StartupBindPassesTheXpDescriptionThenTheSystemsOneIsUsed) {
    const bool xp = SystemIsXp();
    StoreCurrentProfile(OpenProfile("Office", "Velmora-Home"));
    WindowCalls calls;
    CMonitorApp app(FakeUi(calls));
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(Released(), std::vector<std::string>{"{XP-DESCRIBED}"}) << "the flag holds its load-time 1 here";
    EXPECT_EQ(IsWindowsXpFlag(), xp);
    EXPECT_STREQ(AdapterDescription(), xp ? "Ondaline Notebook Adapter with KZV"
                                          : "Nuvex Networks Polyray (tm) Wireless Adapter");

    WLAN_PROFILE profile = OpenProfile("", "Velmora-Home");
    app.Supervisor().StartConnectWorker(&profile);
    Pump(5000, [&] { return Released().size() == 2; });
    ASSERT_EQ(Released().size(), 2u);
    EXPECT_EQ(Released()[1], xp ? "{XP-DESCRIBED}" : "{OTHER-DESCRIBED}");
}

TEST_F(VersionTest, TrayMenuAndIconSetFollowTheVersion) {
    const bool xp = SystemIsXp();
    WindowCalls calls;
    CMonitorApp app(FakeUi(calls));
    ASSERT_TRUE(app.InitInstance());

    HMENU menu = app.Frame()->BuildTrayMenu();
    HMENU items = GetSubMenu(menu, 0);
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(items); ++i) {
        char text[128] = {};
        GetMenuStringA(items, UINT(i), text, sizeof text, MF_BYPOSITION);
        texts.push_back(text[0] ? text : "-");
    }
    DestroyMenu(menu);
    if (xp) {
        EXPECT_EQ(texts, (std::vector<std::string>{"About...", "Use Windows XP Wireless Configuration", "-",
                                                   "Open the Monitor", "Turn Monitor off", "-", "Show Notifications"}));
    } else {
        EXPECT_EQ(texts, (std::vector<std::string>{"About...", "-", "Open the Monitor", "Turn Monitor off", "-",
                                                   "Show Notifications"}));
    }

    // Bound, link down: the scanning icon of the version's set.
    SendMessageA(app.Frame()->hwnd(), WM_TIMER, TIMER_FRAME_POLL, 0);
    EXPECT_EQ(recorder_.LastTray().icon, TrayIconHandle(xp ? IDI_TRAY_XP_LOW : IDI_TRAY_OTHER_LOW));
    EXPECT_EQ(recorder_.LastTray().tip, "\n   Scanning.....\n");
}
