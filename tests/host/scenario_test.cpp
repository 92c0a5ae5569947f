// The built-in environment and the strict scenario parser.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "nvxsim/model/Scenario.h"

using namespace nvxsim;

TEST(Scenario, DefaultEnvironmentHasTheCasesTheMonitorMeets) {
    Scenario s = DefaultScenario();
    EXPECT_TRUE(s.adapter.present);
    EXPECT_GT(s.backgroundScanMs, 0u);
    EXPECT_TRUE(s.timeline.empty());
    int emptySsids = 0, adhocCells = 0, strongest = -120, weakest = 0;
    std::set<uint32_t> channels;
    std::set<Security> kinds;
    for (const Network& n : s.networks) {
        emptySsids += n.ssid.empty();
        adhocCells += n.adhoc;
        channels.insert(n.channel);
        kinds.insert(n.security);
        strongest = std::max(strongest, n.rssi);
        weakest = std::min(weakest, n.rssi);
    }
    EXPECT_GE(s.networks.size(), 12u);
    EXPECT_EQ(emptySsids, 1);
    EXPECT_EQ(adhocCells, 1);
    EXPECT_EQ(channels.size(), 14u) << "every channel 1-14";
    EXPECT_EQ(kinds.size(), 9u) << "every security kind";
    EXPECT_GE(strongest, -45);
    EXPECT_LE(weakest, -90);
    // The networks the tests and tools/run-monitor connect to stay as they were.
    const struct {
        const char* ssid;
        uint32_t channel;
        Security security;
    } kept[] = {{"Velmora-Home", 6, Security::Wpa2Ccmp}, {"Harbour Office", 1, Security::WpaTkip},
                {"OldMill", 11, Security::Wep},          {"Corner Cafe", 3, Security::Open},
                {"Campus-Secure", 9, Security::Wpa2Eap}, {"Lighthouse", 14, Security::WpaAes},
                {"PartyLine", 2, Security::Open}};
    for (const auto& k : kept) {
        const auto n = std::find_if(s.networks.begin(), s.networks.end(), [&](const Network& x) { return x.ssid == k.ssid; });
        ASSERT_NE(n, s.networks.end()) << k.ssid;
        EXPECT_EQ(n->channel, k.channel) << k.ssid;
        EXPECT_EQ(n->security, k.security) << k.ssid;
    }
}

TEST(Scenario, TimelineLinesApplyItemsLater) {
    ParseResult r = ParseScenario(
        "adapter present=no\n"
        "at 8 adapter present=yes\n"
        "at 2.5 network ssid=Cafe bssid=00:00:00:00:00:01 rssi=-70\n"
        "at 12 network ssid=Cafe bssid=00:00:00:00:00:01 rssi=-40\n"
        "  at\t12.004 gone ssid=Cafe\n"
        "at 0 adapter noise=-80\n"
        "timing background-scan-ms=0\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.scenario.adapter.present) << "as at load";
    EXPECT_TRUE(r.scenario.networks.empty());
    EXPECT_EQ(r.scenario.backgroundScanMs, 0u);
    const auto& t = r.scenario.timeline;
    ASSERT_EQ(t.size(), 5u);
    using Kind = TimedItem::Kind;
    const struct {
        uint32_t atMs;
        Kind kind;
    } expected[] = {{0, Kind::Adapter}, {2500, Kind::Network}, {8000, Kind::Adapter}, {12000, Kind::Network}, {12004, Kind::Gone}};
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].atMs, expected[i].atMs) << i;
        EXPECT_EQ(t[i].kind, expected[i].kind) << i;
    }
    EXPECT_FALSE(t[0].adapter.present.has_value()) << "only the keys given";
    EXPECT_EQ(t[0].adapter.noise, -80);
    EXPECT_EQ(t[2].adapter.present, true);
    EXPECT_EQ(t[3].network.rssi, -40);
    EXPECT_EQ(t[4].ssid, "Cafe");
}

TEST(Scenario, ParsesAFullFile) {
    ParseResult r = ParseScenario(
        "# lab\n"
        "adapter present=no hardware-id=\"USB\\\\VID_1D49&PID_5678\" mac=00:11:22:33:44:55 driver=1.2.3.4 noise=-90\r\n"
        "timing associate-ms=10 scan-ms=20 set-ms=3\n"
        "\n"
        "network ssid=\"Say \\\"hi\\\"\" bssid=AA:BB:CC:DD:EE:FF channel=14 rssi=-30 security=wpa2-ccmp passphrase=\"12345678\"\n"
        "network ssid=\"\" bssid=00:00:00:00:00:01 mode=adhoc\n"
        "network ssid=Lab bssid=00:00:00:00:00:02 security=wpa-eap identity=me certificate=\"My Cert\"\n");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_FALSE(r.scenario.adapter.present);
    EXPECT_EQ(r.scenario.adapter.hardwareId, "USB\\VID_1D49&PID_5678");
    EXPECT_EQ(r.scenario.adapter.mac[5], 0x55);
    EXPECT_EQ(r.scenario.adapter.driverVersion[3], 4);
    EXPECT_EQ(r.scenario.associateDelayMs, 10u);
    EXPECT_EQ(r.scenario.setDelayMs, 3u);
    ASSERT_EQ(r.scenario.networks.size(), 3u);
    EXPECT_EQ(r.scenario.networks[0].ssid, "Say \"hi\"");
    EXPECT_EQ(r.scenario.networks[0].channel, 14u);
    EXPECT_EQ(r.scenario.networks[0].bssid[0], 0xAA);
    EXPECT_TRUE(r.scenario.networks[1].ssid.empty());
    EXPECT_TRUE(r.scenario.networks[1].adhoc);
    EXPECT_EQ(r.scenario.networks[2].certificate, "My Cert");
}

TEST(Scenario, RejectsBadInputWithTheLineAndReason) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"radio power=on\n", "line 1: unknown keyword 'radio'"},
        {"\nnetwork bssid=00:00:00:00:00:01\n", "line 2: network needs ssid="},
        {"network ssid=a bssid=00:00:00:00:00:01 channel=15\n", "line 1: channel must be a whole number from 1 to 14"},
        {"network ssid=a bssid=00:00:00:00:00:01 channel=6x\n", "line 1: channel must be a whole number from 1 to 14"},
        {"network ssid=a bssid=00-00-00-00-00-01\n", "line 1: network needs bssid=00:11:22:33:44:55"},
        {"network ssid=a bssid=00:00:00:00:00:01 colour=red\n", "line 1: unknown key 'colour' for 'network'"},
        {"network ssid=a ssid=b bssid=00:00:00:00:00:01\n", "line 1: duplicate key 'ssid'"},
        {"network ssid=\"open bssid=00:00:00:00:00:01\n", "line 1: unterminated quoted text"},
        {"network ssid=a bssid=00:00:00:00:00:01 security=wpa3\n", "line 1: unknown security 'wpa3'"},
        {"network ssid=a bssid=00:00:00:00:00:01 security=wep wep-key=12345\n",
         "line 1: wep needs wep-key= of 10 or 26 hexadecimal digits"},
        {"network ssid=a bssid=00:00:00:00:00:01 security=wpa-tkip passphrase=short\n",
         "line 1: pre-shared key modes need passphrase= of 8 to 63 characters"},
        {"network ssid=a bssid=00:00:00:00:00:01 security=wpa2-eap identity=x\n",
         "line 1: 802.1X modes need identity= and either password= or certificate="},
        {"network ssid=\"123456789012345678901234567890123\" bssid=00:00:00:00:00:01\n",
         "line 1: ssid longer than 32 characters"},
        {"adapter\nadapter\n", "line 2: second 'adapter' line"},
        {"adapter driver=1.2.3\n", "line 1: driver must look like 5.3.0.41"},
        {"adapter present=maybe\n", "line 1: present must be yes or no"},
        {"timing scan-ms=\n", "line 1: empty value"},
        {"network ssid=\"a\"b bssid=00:00:00:00:00:01\n", "line 1: text after closing quote"},
        {"gone ssid=a\n", "line 1: 'gone' needs a time: at SECONDS gone ssid=..."},
        {"at 8\n", "line 1: only adapter, network and gone lines can be timed"},
        {"at 8 timing scan-ms=5\n", "line 1: only adapter, network and gone lines can be timed"},
        {"at soon adapter present=yes\n", "line 1: at needs seconds (0 to 86400, at most three decimals) and an item"},
        {"at 1.2345 adapter present=yes\n", "line 1: at needs seconds (0 to 86400, at most three decimals) and an item"},
        {"at -1 adapter present=yes\n", "line 1: at needs seconds (0 to 86400, at most three decimals) and an item"},
        {"at 86401 adapter present=yes\n", "line 1: at needs seconds (0 to 86400, at most three decimals) and an item"},
        {"at 3 gone\n", "line 1: gone needs ssid="},
        {"at 3 gone ssid=a rssi=4\n", "line 1: unknown key 'rssi' for 'gone'"},
        {"at 3 network ssid=a\n", "line 1: network needs bssid=00:11:22:33:44:55"},
        {"at 3 adapter present=later\n", "line 1: present must be yes or no"},
        {"timing background-scan-ms=600001\n", "line 1: background-scan-ms must be a whole number from 0 to 600000"},
        {"timing set-ms=1001\n", "line 1: set-ms must be a whole number from 0 to 1000"},
    };
    for (const auto& c : cases) {
        ParseResult r = ParseScenario(c.text);
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_EQ(r.error, c.error) << c.text;
    }
}

TEST(Scenario, EmptyFileMeansAnAdapterWithNothingInRange) {
    ParseResult r = ParseScenario("# nothing\n");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.scenario.networks.empty());
    EXPECT_TRUE(r.scenario.adapter.present);
}
