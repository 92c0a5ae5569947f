// The tray icon, tip and menu form the frame chooses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "monitor/core/portable/MonitorTexts.h"
#include "monitor/core/portable/TrayChoice.h"
#include "monitor/core/portable/TrayMenuForm.h"
#include "monitor/res/resource.h"

TEST(SignalPercent, TruncatesTowardZeroAndClamps) {
    struct Case {
        int32_t rssi;
        int percent;
    };
    const Case cases[] = {{-54, 100}, {-55, 97},  {-62, 77},  {-63, 74}, {-79, 28}, {-80, 25},
                          {-88, 2},   {-89, 0},   {-90, 0},   {0, 100},  {-1000, 0}, {INT32_MIN, 0},
                          {INT32_MAX, 100}};
    for (const Case& c : cases) EXPECT_EQ(tray::SignalPercent(c.rssi), c.percent) << c.rssi;
}

TEST(TrayIcon, ChosenByPercentageBoundariesInBothSets) {
    struct Case {
        int percent;
        uint16_t xp, other;
    };
    const Case cases[] = {
        {0, IDI_TRAY_XP_LOW, IDI_TRAY_OTHER_LOW},    {25, IDI_TRAY_XP_LOW, IDI_TRAY_OTHER_LOW},
        {26, IDI_TRAY_XP_FAIR, IDI_TRAY_OTHER_FAIR}, {50, IDI_TRAY_XP_FAIR, IDI_TRAY_OTHER_FAIR},
        {51, IDI_TRAY_XP_GOOD, IDI_TRAY_OTHER_GOOD}, {75, IDI_TRAY_XP_GOOD, IDI_TRAY_OTHER_GOOD},
        {76, IDI_TRAY_XP_FULL, IDI_TRAY_OTHER_FULL}, {100, IDI_TRAY_XP_FULL, IDI_TRAY_OTHER_FULL},
    };
    for (const Case& c : cases) {
        const tray::Look look = tray::LookForPercent(c.percent);
        EXPECT_EQ(tray::IconFor(look, true), c.xp) << c.percent;
        EXPECT_EQ(tray::IconFor(look, false), c.other) << c.percent;
    }
    EXPECT_EQ(142, IDI_TRAY_XP_LOW);
    EXPECT_EQ(372, IDI_TRAY_OTHER_LOW);
    EXPECT_EQ(tray::IconFor(tray::Look::Disabled, true), 141);
    EXPECT_EQ(tray::IconFor(tray::Look::Disabled, false), 141);
    EXPECT_EQ(tray::IconFor(tray::Look::Scanning, true), 142);
    EXPECT_EQ(tray::IconFor(tray::Look::Scanning, false), 372);
}

TEST(TrayPoll, LinkViewByBindingStatusResultAndState) {
    struct Case {
        bool bound;
        int32_t result;
        uint32_t state;
        tray::LinkView view;
    };
    const Case cases[] = {
        {false, 0, 0, tray::LinkView::Disabled},  {true, 0x1F, 0, tray::LinkView::Disabled},
        {true, 0, 0, tray::LinkView::Connected},  {true, 0, 1, tray::LinkView::Scanning},
        {true, 0, 7, tray::LinkView::Scanning},
    };
    for (const Case& c : cases) EXPECT_EQ(tray::ChoosePoll(c.bound, c.result, c.state), c.view);
}

TEST(TrayTip, ConnectionTipLaysOutTheStatus) {
    NETWORK_STATUS s{};
    std::strcpy(s.Ssid, "Velmora-Home");
    const uint8_t bssid[6] = {0x00, 0x14, 0x6C, 0xA1, 0x22, 0x0B};
    std::memcpy(s.Bssid, bssid, 6);
    s.InfrastructureMode = 1;
    s.Channel = 6;
    s.LinkSpeed = 54;
    EXPECT_EQ(tray::ConnectionTip(s),
              " Connect to:Velmora-Home \n 00-14-6C-A1-22-0B \n Infrastructure \n Channel: 6 \n Speed: 54 Mbps ");
    s.InfrastructureMode = 0;
    EXPECT_NE(tray::ConnectionTip(s).find(" Ad Hoc \n"), std::string::npos);

    // An SSID field without its NUL and huge numbers still give at most 127 characters.
    std::memset(s.Ssid, 'W', sizeof s.Ssid);
    s.InfrastructureMode = 1;
    s.Channel = 0xFFFFFFFF;
    s.LinkSpeed = 0x7FFFFFFF;
    const std::string tip = tray::ConnectionTip(s);
    EXPECT_EQ(tip.size(), 127u);
    EXPECT_EQ(tip.substr(0, 12 + 43), " Connect to:" + std::string(43, 'W'));
    EXPECT_EQ(std::string(tray::TipDisabled), "\n   Disable   \n");
    EXPECT_EQ(std::string(tray::TipScanning), "\n   Scanning.....\n");
}

TEST(TrayAutoOpen, OnceOnAFirstRun) {
    EXPECT_TRUE(tray::ShouldAutoOpen(0, 0, 0));
    EXPECT_TRUE(tray::ShouldAutoOpen(1, 1, 0));
    EXPECT_FALSE(tray::ShouldAutoOpen(1, 0, 0));
    EXPECT_FALSE(tray::ShouldAutoOpen(0, 1, 1));
}

TEST(TrayMenu, SwitchItemOnlyOnWindowsXpWithTextByController) {
    const tray::MenuForm xpMonitor = tray::ChooseMenuForm(5, 1, false);
    EXPECT_TRUE(xpMonitor.keepSwitchItem);
    EXPECT_STREQ(xpMonitor.switchText, "Use Windows XP Wireless Configuration");
    const tray::MenuForm xpService = tray::ChooseMenuForm(5, 1, true);
    EXPECT_STREQ(xpService.switchText, "Use Velmora Wireless Network Monitor");
    for (auto [major, minor] : {std::pair{5u, 0u}, {5u, 2u}, {6u, 1u}, {4u, 1u}}) {
        const tray::MenuForm other = tray::ChooseMenuForm(major, minor, true);
        EXPECT_FALSE(other.keepSwitchItem) << major << "." << minor;
        EXPECT_EQ(other.switchText, nullptr);
        EXPECT_STREQ(other.offText, "Turn Monitor off");
    }
}

TEST(AdapterDescription, XpAndOtherWindows) {
    EXPECT_STREQ(texts::AdapterDescription(true), "Ondaline Notebook Adapter with KZV");
    EXPECT_STREQ(texts::AdapterDescription(false), "Nuvex Networks Polyray (tm) Wireless Adapter");
    EXPECT_STREQ(texts::HardwareId, "pci\\\\ven_1e5a&dev_0002&subsys_00372914");
    EXPECT_EQ(std::strlen(texts::HardwareId), 38u);  // two backslash characters
}
