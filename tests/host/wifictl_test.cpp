// wifictl's platform-free core: arguments, the connect sequence, and what it prints.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "nvxsim/model/BssidList.h"
#include "wifictl/core/CommandLine.h"
#include "wifictl/core/ConnectRun.h"
#include "wifictl/core/LinkReport.h"
#include "wifictl/core/ProfileReport.h"
#include "wifictl/core/SurveyReport.h"

using namespace wifictl;

namespace {

ParsedCommand Parse(std::vector<std::string_view> args) { return ParseCommandLine(args); }

WLAN_PROFILE Profile(const char* name, const char* ssid, uint32_t securityMode) {
    WLAN_PROFILE p{};
    std::strcpy(p.ProfileName, name);
    std::strcpy(p.SSID, ssid);
    p.AssociationMode = 1;
    p.DhcpEnabled = 1;
    p.SecurityMode = securityMode;
    return p;
}

}  // namespace

TEST(WifictlCommandLine, AcceptsEachCommandWithItsOptions) {
    ParsedCommand p = Parse({"survey"});
    ASSERT_TRUE(p.ok);
    EXPECT_EQ(p.command.verb, Verb::Survey);
    EXPECT_EQ(p.command.waitMs, 5000u);

    p = Parse({"survey", "--wait-ms", "250"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.command.waitMs, 250u);

    p = Parse({"connect", "Home Network", "--timeout-ms", "3000"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.command.verb, Verb::Connect);
    EXPECT_EQ(p.command.profile, "Home Network");
    EXPECT_EQ(p.command.timeoutMs, 3000u);

    p = Parse({"connect", "--timeout-ms", "0", "Cafe"});
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.command.profile, "Cafe");
    EXPECT_EQ(p.command.timeoutMs, 0u);

    const struct {
        std::vector<std::string_view> args;
        Verb verb;
    } plain[] = {{{"status"}, Verb::Status},     {{"disconnect"}, Verb::Disconnect}, {{"profiles"}, Verb::Profiles},
                 {{"show", "x"}, Verb::Show},    {{"help"}, Verb::Help},             {{"--help"}, Verb::Help},
                 {{"-h"}, Verb::Help}};
    for (const auto& c : plain) {
        p = Parse(c.args);
        EXPECT_TRUE(p.ok) << c.args[0] << ": " << p.error;
        EXPECT_EQ(p.command.verb, c.verb) << c.args[0];
    }
}

TEST(WifictlCommandLine, RejectsWhatItCannotRunWithAReason) {
    const std::string tooLong(128, 'n');
    const struct {
        std::vector<std::string_view> args;
        std::string error;
    } cases[] = {
        {{}, "no command given"},
        {{"scan"}, "unknown command 'scan'"},
        {{"connect"}, "connect needs a profile name"},
        {{"show"}, "show needs a profile name"},
        {{"connect", "a", "b"}, "unexpected argument 'b'"},
        {{"status", "now"}, "unexpected argument 'now'"},
        {{"survey", "--timeout-ms", "5"}, "unknown option '--timeout-ms' for survey"},
        {{"connect", "a", "--wait-ms", "5"}, "unknown option '--wait-ms' for connect"},
        {{"survey", "--wait-ms"}, "--wait-ms needs a number of milliseconds"},
        {{"survey", "--wait-ms", "-1"}, "--wait-ms takes a whole number of milliseconds up to 600000"},
        {{"survey", "--wait-ms", "5s"}, "--wait-ms takes a whole number of milliseconds up to 600000"},
        {{"survey", "--wait-ms", "600001"}, "--wait-ms takes a whole number of milliseconds up to 600000"},
        {{"connect", "a\\b"}, "'a\\b' cannot be a profile name"},
        {{"show", tooLong}, "'" + tooLong + "' cannot be a profile name"},
        {{"--help", "me"}, "help takes no arguments"},
    };
    for (const auto& c : cases) {
        ParsedCommand p = Parse(c.args);
        EXPECT_FALSE(p.ok) << c.error;
        EXPECT_EQ(p.error, c.error);
    }
    EXPECT_NE(UsageText().find("connect PROFILE"), std::string::npos);
}

namespace {

// The adapter library as a script of what it answers, recording what was asked.
struct FakeAdapter {
    std::vector<std::string> calls;
    uint64_t now = 0;
    int32_t connectResult = 0;
    uint64_t linkUpAtMs = UINT64_MAX;  // from the start of the run
    int32_t statusResult = 0;

    ConnectOps Ops() {
        ConnectOps ops;
        ops.disconnect = [this] { calls.push_back("disconnect"); return 0; };
        ops.connectToNetwork = [this](const WLAN_PROFILE& p) {
            calls.push_back(std::string("connect ") + p.SSID);
            return connectResult;
        };
        ops.connectionStatus = [this](uint32_t* state) {
            calls.push_back("status");
            if (statusResult != 0) return statusResult;  // and *state left as it was
            *state = now >= linkUpAtMs ? 0 : 1;
            return 0;
        };
        ops.sleepMs = [this](uint32_t ms) {
            calls.push_back("sleep " + std::to_string(ms));
            now += ms;
        };
        ops.nowMs = [this] { return now; };
        return ops;
    }
};

}  // namespace

TEST(WifictlConnect, RunsTheWorkersSequenceAndWaitsForTheLink) {
    FakeAdapter a;
    a.linkUpAtMs = 1500 + 600;
    const WLAN_PROFILE p = Profile("Home", "Velmora-Home", 4);
    EXPECT_EQ(RunConnect(a.Ops(), p, 5000), ConnectOutcome::LinkUp);
    const std::vector<std::string> expected = {"disconnect", "sleep 1500", "connect Velmora-Home", "status",
                                               "sleep 250",  "status",     "sleep 250",            "status",
                                               "sleep 250",  "status"};
    EXPECT_EQ(a.calls, expected);
}

TEST(WifictlConnect, GivesUpAtTheTimeOutAndWhenRefused) {
    FakeAdapter a;
    const WLAN_PROFILE p = Profile("Home", "Velmora-Home", 4);
    EXPECT_EQ(RunConnect(a.Ops(), p, 600), ConnectOutcome::TimedOut);
    EXPECT_EQ(a.now, 1500u + 600u) << "waited exactly the time-out";
    EXPECT_EQ(a.calls.back(), "status") << "looked once more at the end";

    FakeAdapter zero;
    EXPECT_EQ(RunConnect(zero.Ops(), p, 0), ConnectOutcome::TimedOut);
    EXPECT_EQ(zero.calls.back(), "status");

    // A status query that fails (4 or 5 while the device changes) is not a link, whatever it left behind.
    for (int32_t code : {4, 5}) {
        FakeAdapter failing;
        failing.linkUpAtMs = 0;
        failing.statusResult = code;
        EXPECT_EQ(RunConnect(failing.Ops(), p, 1000), ConnectOutcome::TimedOut) << code;
    }

    FakeAdapter refused;
    refused.connectResult = 1;
    EXPECT_EQ(RunConnect(refused.Ops(), p, 5000), ConnectOutcome::Refused);
    EXPECT_EQ(refused.calls, (std::vector<std::string>{"disconnect", "sleep 1500", "connect Velmora-Home"}));
}

TEST(WifictlProfile, ShowsSettingsButNeverSecrets) {
    WLAN_PROFILE wpa = Profile("Home", "Velmora-Home", 4);
    std::strcpy(wpa.PassPhrase, "lantern-orchard-42");
    wpa.EncryptionLevel = 6;
    const std::string wpaText = FormatProfile(wpa);
    EXPECT_EQ(wpaText,
              "Profile:        \"Home\"\n"
              "SSID:           \"Velmora-Home\"\n"
              "Network type:   infrastructure\n"
              "Security:       WPA2-Personal, AES\n"
              "Passphrase:     set (not shown)\n"
              "IP address:     automatic (DHCP)\n");

    WLAN_PROFILE wep = Profile("Mill", "OldMill", 1);
    wep.AssociationMode = 2;
    wep.Channel = 11;
    wep.EncryptionLevel = 1;
    wep.AuthentMode = 1;
    wep.DefaultKeyId = 2;
    wep.IsKeyHexed = 1;
    std::strcpy(wep.WEPKey[2], "0A1B2C3D4E");
    std::strcpy(wep.PassPhrase, "keys-from-this");
    wep.DhcpEnabled = 0;
    const uint8_t ip[4] = {192, 168, 7, 20}, mask[4] = {255, 255, 255, 0}, gate[4] = {192, 168, 7, 1};
    std::memcpy(&wep.IpAddr, ip, 4);
    std::memcpy(&wep.IpMask, mask, 4);
    std::memcpy(&wep.IpGate, gate, 4);
    const std::string wepText = FormatProfile(wep);
    EXPECT_NE(wepText.find("Network type:   ad hoc (join or start on channel 11)\n"), std::string::npos) << wepText;
    EXPECT_NE(wepText.find("Security:       WEP, 64-bit\n"), std::string::npos);
    EXPECT_NE(wepText.find("Authentication: shared key\n"), std::string::npos);
    EXPECT_NE(wepText.find("Transmit key:   3\n"), std::string::npos);
    EXPECT_NE(wepText.find("Keys:           1 empty, 2 empty, 3 set, 4 empty (not shown)\n"), std::string::npos);
    EXPECT_NE(wepText.find("IP address:     192.168.7.20\n"), std::string::npos);
    EXPECT_NE(wepText.find("Subnet mask:    255.255.255.0\n"), std::string::npos);
    EXPECT_NE(wepText.find("Gateway:        192.168.7.1\n"), std::string::npos);

    WLAN_PROFILE eap = Profile("Campus", "Campus-Secure", 5);
    eap.EntAuthenType = 1;
    eap.InnerAuthen = 4;
    std::strcpy(eap.LoginName, "student");
    std::strcpy(eap.LoginPassword, "exam-season");
    const std::string eapText = FormatProfile(eap);
    EXPECT_NE(eapText.find("802.1X method:  PEAP\n"), std::string::npos) << eapText;
    EXPECT_NE(eapText.find("Login name:     \"student\"\n"), std::string::npos);
    EXPECT_NE(eapText.find("Password:       set (not shown)\n"), std::string::npos);

    WLAN_PROFILE tls = Profile("Lab", "Lab", 3);
    tls.EntAuthenType = 2;
    std::strcpy(tls.UserCertHash, "Robot Cert");
    std::strcpy(tls.LoginPassword, "left-over");
    EXPECT_NE(FormatProfile(tls).find("Certificate:    \"Robot Cert\"\n"), std::string::npos);

    for (const std::string& text : {wpaText, wepText, eapText, FormatProfile(tls)}) {
        for (const char* secret : {"lantern-orchard-42", "0A1B2C3D4E", "keys-from-this", "exam-season", "left-over"})
            EXPECT_EQ(text.find(secret), std::string::npos) << secret;
    }
}

TEST(WifictlProfile, FieldsWithoutTheirNulStayInsideTheirWidth) {
    WLAN_PROFILE p = Profile("x", "y", 0);
    std::memset(p.ProfileName, 'N', sizeof p.ProfileName);
    std::memset(p.SSID, 'S', sizeof p.SSID);
    const std::string text = FormatProfile(p);
    EXPECT_NE(text.find("\"" + std::string(128, 'N') + "\""), std::string::npos);
    EXPECT_NE(text.find("\"" + std::string(40, 'S') + "\""), std::string::npos);
}

TEST(WifictlProfile, ListMarksTheCurrentProfile) {
    EXPECT_EQ(FormatProfileList({"Cafe", "Home", "Office"}, "Home"), "  Cafe\n* Home\n  Office\n");
    EXPECT_EQ(FormatProfileList({}, "Home"), "");
}

namespace {

nvxsim::Network Net(const char* ssid, uint8_t last, uint32_t channel, int32_t rssi, nvxsim::Security security,
                    bool adhoc = false) {
    nvxsim::Network n;
    n.ssid = ssid;
    n.bssid = {0x00, 0x14, 0x6C, 0xA1, 0x22, last};
    n.channel = channel;
    n.rssi = rssi;
    n.security = security;
    n.adhoc = adhoc;
    return n;
}

std::vector<uint8_t> ListOf(const std::vector<nvxsim::Network>& networks) {
    std::vector<nvxsim::HeardBss> heard;
    for (const nvxsim::Network& n : networks) heard.push_back({&n, n.rssi, 0});
    return nvxsim::BssidList(heard);
}

}  // namespace

TEST(WifictlSurvey, RowsNameEachNetworksChannelSignalAndSecurity) {
    using nvxsim::Security;
    const std::vector<nvxsim::Network> networks = {
        Net("Open", 1, 1, -54, Security::Open),          Net("Wep", 2, 6, -55, Security::Wep),
        Net("Tkip", 3, 11, -89, Security::WpaTkip),      Net("Aes", 4, 13, -100, Security::WpaAes),
        Net("Ccmp", 5, 14, -60, Security::Wpa2Ccmp),     Net("Mixed", 6, 3, -60, Security::WpaMixed),
        Net("Eap", 7, 3, -60, Security::WpaEap),         Net("Eap2", 8, 3, -60, Security::Wpa2Eap),
        Net("Radius", 9, 3, -60, Security::DynamicWep),  Net("", 10, 3, -60, Security::Open),
        Net("Cell", 11, 2, -70, Security::Open, true),   Net("Bell\a\n", 12, 5, -60, Security::Open),
    };
    const struct {
        const char* ssid;
        uint32_t channel;
        int32_t percent;
        const char* security;
        bool adhoc;
    } expected[] = {
        {"Open", 1, 100, "open", false},
        {"Wep", 6, 97, "WEP", false},
        {"Tkip", 11, 0, "WPA-Personal TKIP", false},
        {"Aes", 13, 0, "WPA-Personal AES", false},
        {"Ccmp", 14, 82, "WPA2-Personal AES", false},
        {"Mixed", 3, 82, "WPA/WPA2-Personal AES", false},
        {"Eap", 3, 82, "WPA-Enterprise TKIP", false},
        {"Eap2", 3, 82, "WPA2-Enterprise AES", false},
        {"Radius", 3, 82, "WEP", false},
        {"", 3, 82, "open", false},
        {"Cell", 2, 54, "open", true},
        {"Bell??", 5, 82, "open", false},
    };
    const std::vector<uint8_t> list = ListOf(networks);
    const std::vector<SurveyRow> rows = SurveyRows(list.data(), list.size());
    ASSERT_EQ(rows.size(), std::size(expected));
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].ssid);
        EXPECT_EQ(rows[i].ssid, expected[i].ssid);
        EXPECT_EQ(rows[i].channel, expected[i].channel);
        EXPECT_EQ(rows[i].signalPercent, expected[i].percent);
        EXPECT_EQ(rows[i].security, expected[i].security);
        EXPECT_EQ(rows[i].adhoc, expected[i].adhoc);
        EXPECT_EQ(rows[i].mac, "00-14-6C-A1-22-" + std::string(1, "0123456789ABCDEF"[(i + 1) >> 4]) +
                                   std::string(1, "0123456789ABCDEF"[(i + 1) & 15]));
    }

    const std::string table = FormatSurvey({rows[0], rows[9], rows[10]});
    EXPECT_EQ(table,
              "SSID                              CH  Signal  Security               Type            MAC\n"
              "Open                               1    100%  open                   infrastructure  00-14-6C-A1-22-01\n"
              "(hidden)                           3     82%  open                   infrastructure  00-14-6C-A1-22-0A\n"
              "Cell                               2     54%  open                   ad hoc          00-14-6C-A1-22-0B\n");
}

TEST(WifictlSurvey, BrokenListsGiveOnlyTheWholeEntries) {
    using nvxsim::Security;
    const std::vector<nvxsim::Network> networks = {Net("One", 1, 1, -60, Security::Wpa2Ccmp),
                                                   Net("Two", 2, 6, -60, Security::WpaTkip)};
    std::vector<uint8_t> list = ListOf(networks);
    const size_t firstLength = LoadU32(list.data() + 4);
    // Cut inside the second entry: only the first is whole.
    EXPECT_EQ(SurveyRows(list.data(), 4 + firstLength + 20).size(), 1u);
    EXPECT_TRUE(SurveyRows(list.data(), 3).empty());
    // The WPA element of the second entry claims more bytes than the entry has: no crash, no WPA.
    std::vector<uint8_t> broken = list;
    const size_t second = 4 + firstLength;
    const size_t ies = second + 116;
    for (size_t at = ies + 12; at + 1 < broken.size();) {
        if (broken[at] == 221) {
            broken[at + 1] = 0xFF;
            break;
        }
        at += 2 + broken[at + 1];
    }
    const std::vector<SurveyRow> rows = SurveyRows(broken.data(), broken.size());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].security, "WPA2-Personal AES");
    EXPECT_EQ(rows[1].security, "WEP");
}

TEST(WifictlStatus, ShowsTheLinkWhenUpAndWhatIsKnownWhenNot) {
    LinkView link;
    link.connectionResult = 0;
    link.connectionState = 0;
    std::strcpy(link.status.Ssid, "Velmora-Home");
    const uint8_t bssid[6] = {0x00, 0x14, 0x6C, 0xA1, 0x22, 0x33};
    std::memcpy(link.status.Bssid, bssid, 6);
    link.status.InfrastructureMode = 1;
    link.status.Channel = 6;
    link.status.LinkSpeed = 54;
    link.status.Encryption = 3;
    link.status.AuthMode = 7;
    link.signal.Rssi = -55;
    link.qualityIndex = 0;
    link.statistics = NETWORK_STATISTICS{54, 48, 10, 20, 3000, 4000, -92, -55, {5, 3, 0, 41}};
    link.haveMac = true;
    const uint8_t mac[6] = {0x00, 0x1E, 0x5A, 0x4B, 0x20, 0x11};
    std::memcpy(link.mac, mac, 6);
    EXPECT_EQ(FormatStatus(link),
              "State:          connected\n"
              "SSID:           \"Velmora-Home\"\n"
              "BSSID:          00-14-6C-A1-22-33\n"
              "Network type:   infrastructure\n"
              "Channel:        6\n"
              "Link speed:     54 Mbps\n"
              "Signal:         -55 dBm (97%, quality class 0 of 0-3)\n"
              "Encryption:     AES\n"
              "Authentication: WPA2-PSK\n"
              "Rates:          transmit 54 Mbps, receive 48 Mbps\n"
              "Packets:        sent 10, received 20\n"
              "Bytes:          sent 4000, received 3000\n"
              "Noise:          -92 dBm\n"
              "MAC address:    00-1E-5A-4B-20-11\n"
              "Driver version: 5.3.0.41\n");

    link.status.Channel = 15;  // what a driver's 5 GHz or odd frequency would give
    EXPECT_NE(FormatStatus(link).find("Channel:        unknown\n"), std::string::npos);

    LinkView down = link;
    down.connectionState = 1;
    down.statusResult = int32_t(0xC0010011);  // the BSSID query of an unassociated adapter
    std::memset(down.status.Bssid, 0, sizeof down.status.Bssid);
    EXPECT_EQ(FormatStatus(down),
              "State:          disconnected\n"
              "MAC address:    00-1E-5A-4B-20-11\n"
              "Driver version: 5.3.0.41\n");

    // A failing media query: the status record stays as the library cleared it.
    LinkView failing = link;
    failing.connectionResult = 4;
    failing.statusResult = 4;
    failing.status = NETWORK_STATUS{};
    failing.haveMac = false;
    EXPECT_EQ(FormatStatus(failing),
              "State:          unknown (the adapter answered 4)\n"
              "Driver version: 5.3.0.41\n");

    // A link query failed on the way: the BSSID, the last of them, was never read.
    LinkView noDetails = link;
    noDetails.statusResult = int32_t(0xC0010011);
    std::memset(noDetails.status.Bssid, 0, sizeof noDetails.status.Bssid);
    const std::string text = FormatStatus(noDetails);
    EXPECT_EQ(text, "State:          connected\n"
                    "Details:        not available (the adapter answered 0xC0010011)\n"
                    "MAC address:    00-1E-5A-4B-20-11\n"
                    "Driver version: 5.3.0.41\n");
}

TEST(WifictlStatus, WhenOnlyTheAddressesCannotBeReadTheLinkIsShown) {
    // GetNetworkStatus filled every link field, then the IP Helper failed (ERROR_NO_DATA).
    LinkView link;
    link.connectionState = 0;
    link.statusResult = 232;
    std::strcpy(link.status.Ssid, "Velmora-Home");
    const uint8_t bssid[6] = {0x00, 0x14, 0x6C, 0xA1, 0x22, 0x33};
    std::memcpy(link.status.Bssid, bssid, 6);
    link.status.InfrastructureMode = 1;
    link.status.Channel = 6;
    link.status.LinkSpeed = 54;
    link.status.Encryption = 3;
    link.status.AuthMode = 7;
    link.signal.Rssi = -55;
    link.statistics.DriverVersion[0] = 5;
    const std::string text = FormatStatus(link);
    EXPECT_EQ(text.rfind("State:          connected\n"
                         "SSID:           \"Velmora-Home\"\n"
                         "BSSID:          00-14-6C-A1-22-33\n",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("Channel:        6\n"), std::string::npos);
    EXPECT_NE(text.find("Encryption:     AES\n"), std::string::npos);
    EXPECT_NE(text.find("IP address:     not available (the IP Helper answered 232)\n"), std::string::npos);
    EXPECT_EQ(text.find("Details:"), std::string::npos);
    EXPECT_EQ(text.find("Subnet mask"), std::string::npos);

    const StatusParts parts = ReadParts(link);
    EXPECT_TRUE(parts.link);
    EXPECT_FALSE(parts.addresses);
}

TEST(WifictlStatus, StoredAndScannedTextsNeverReachTheTerminalRaw) {
    LinkView link;
    link.connectionState = 0;
    std::strcpy(link.status.Ssid, "Evil\x1b[2J\x07\x7f");
    link.status.Bssid[0] = 1;
    const std::string text = FormatStatus(link);
    EXPECT_NE(text.find("SSID:           \"Evil?[2J??\""), std::string::npos) << text;
    for (char c : text) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
}

TEST(WifictlCommandLine, NewProfilesTakeTheOneNameRuleStoredOnesStayReachable) {
    const struct {
        std::string name;
        bool added;  // add: a new profile's name
        bool shown;  // show, delete, use, export: a stored one, whatever made it
        std::string error;
    } cases[] = {
        {"Home", true, true, ""},
        {"Home 2.4", true, true, ""},
        {".", false, true, "'.' cannot be a profile name"},
        {"..", false, true, "'..' cannot be a profile name"},
        {"Home.", false, true, "'Home.' cannot be a profile name"},
        {"Home [2]", false, true, "'Home [2]' cannot be a profile name"},
        {"Evil\x1b[2J", false, true, "'Evil?[2J' cannot be a profile name"},  // never raw on the terminal
        {"Tab\there", false, true, "'Tab?here' cannot be a profile name"},
        {"Outer\\Inner", false, false, "'Outer\\Inner' cannot be a profile name"},
    };
    for (const auto& c : cases) {
        const ParsedCommand add = Parse({"add", c.name, "--ssid", "Cafe"});
        EXPECT_EQ(add.ok, c.added) << c.name;
        if (!c.added) {
            EXPECT_EQ(add.error.rfind(c.error, 0), 0u) << add.error;
        }
        for (const char* verb : {"show", "delete", "use"}) EXPECT_EQ(Parse({verb, c.name}).ok, c.shown) << verb << " " << c.name;
        EXPECT_EQ(Parse({"export", c.name, "out.ini"}).ok, c.shown) << c.name;
    }
}

TEST(WifictlProfile, AdHocProfilesShowTheirChannelAndNetworkModeAsTheSummaryDoes) {
    const struct {
        uint32_t associationMode, channel, networkMode;
        const char* lines;  // after "Network type"; empty for none
    } cases[] = {
        {0, 2, 1, "Channel:        2\nNetwork mode:   G-Only Mode\n"},
        {2, 11, 0, "Channel:        11\nNetwork mode:   Mixed Mode\n"},
        {0, 6, 7, "Channel:        6\nNetwork mode:   G-Only Mode\n"},
        {1, 6, 1, ""},  // infrastructure: the access point decides both
    };
    for (const auto& c : cases) {
        WLAN_PROFILE p = Profile("Cell", "Cell", 0);
        p.AssociationMode = c.associationMode;
        p.Channel = c.channel;
        p.NetworkMode = c.networkMode;
        const std::string text = FormatProfile(p);
        const size_t type = text.find("Network type:");
        ASSERT_NE(type, std::string::npos) << text;
        const size_t next = text.find('\n', type) + 1;
        EXPECT_EQ(text.substr(next, std::strlen(c.lines)), c.lines) << text;
        EXPECT_EQ(text.find("Channel:") != std::string::npos, c.lines[0] != 0) << text;
    }
}
