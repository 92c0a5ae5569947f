// The built-in environment and the strict scenario parser.
#include <gtest/gtest.h>

#include "nvxsim/model/Scenario.h"

using namespace nvxsim;

TEST(Scenario, DefaultEnvironmentHasTheCasesTheMonitorMeets) {
    Scenario s = DefaultScenario();
    EXPECT_TRUE(s.adapter.present);
    bool emptySsid = false, channel14 = false, adhoc = false, wep = false, eap = false;
    for (const Network& n : s.networks) {
        emptySsid |= n.ssid.empty();
        channel14 |= n.channel == 14;
        adhoc |= n.adhoc;
        wep |= n.security == Security::Wep;
        eap |= n.security == Security::Wpa2Eap;
    }
    EXPECT_TRUE(emptySsid && channel14 && adhoc && wep && eap);
    EXPECT_GE(s.networks.size(), 5u);
}

TEST(Scenario, ParsesAFullFile) {
    ParseResult r = ParseScenario(
        "# lab\n"
        "adapter present=no hardware-id=\"USB\\\\VID_1D49&PID_5678\" mac=00:11:22:33:44:55 driver=1.2.3.4 noise=-90\r\n"
        "timing associate-ms=10 scan-ms=20\n"
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
