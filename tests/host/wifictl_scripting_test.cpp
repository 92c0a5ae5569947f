// wifictl as a scripting tool: the profile commands' arguments, add through the editor's rules, JSON output.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "nvxsim/model/BssidList.h"
#include "tests/support/EditorMadeProfiles.h"
#include "tests/support/JsonParser.h"
#include "wifictl/core/CommandLine.h"
#include "wifictl/core/Json.h"
#include "wifictl/core/LinkReport.h"
#include "wifictl/core/ProfileReport.h"
#include "wifictl/core/SurveyReport.h"

using namespace wifictl;

namespace {

ParsedCommand Parse(const std::vector<std::string>& args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    return ParseCommandLine(views);
}

std::vector<std::string> AddArgs(const std::vector<std::string>& rest) {
    std::vector<std::string> args = {"add"};
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
}

}  // namespace

TEST(WifictlScripting, ProfileCommandsTakeTheirArguments) {
    const struct {
        std::vector<std::string> args;
        Verb verb;
        std::string profile, file;
        bool json, replace;
    } cases[] = {
        {{"delete", "Home"}, Verb::Delete, "Home", "", false, false},
        {{"use", "Home Network"}, Verb::Use, "Home Network", "", false, false},
        {{"export", "Home", "home.ini"}, Verb::Export, "Home", "home.ini", false, false},
        {{"import", "C:\\profiles\\home.ini"}, Verb::Import, "", "C:\\profiles\\home.ini", false, false},
        {{"import", "--replace", "home.ini"}, Verb::Import, "", "home.ini", false, true},
        {{"status", "--json"}, Verb::Status, "", "", true, false},
        {{"survey", "--json", "--wait-ms=250"}, Verb::Survey, "", "", true, false},
        {{"add", "Cafe", "--replace"}, Verb::Add, "Cafe", "", false, true},
    };
    for (const auto& c : cases) {
        const ParsedCommand p = Parse(c.args);
        ASSERT_TRUE(p.ok) << c.args[0] << ": " << p.error;
        EXPECT_EQ(p.command.verb, c.verb) << c.args[0];
        EXPECT_EQ(p.command.profile, c.profile) << c.args[0];
        EXPECT_EQ(p.command.file, c.file) << c.args[0];
        EXPECT_EQ(p.command.json, c.json) << c.args[0];
        EXPECT_EQ(p.command.replace, c.replace) << c.args[0];
        EXPECT_FALSE(p.command.helpFor);
    }
    EXPECT_EQ(Parse({"survey", "--wait-ms=250"}).command.waitMs, 250u);
}

TEST(WifictlScripting, EveryCommandHasItsHelp) {
    const struct {
        const char* name;
        Verb verb;
        const char* synopsis;
    } verbs[] = {
        {"status", Verb::Status, "usage: wifictl status [--json]\n"},
        {"survey", Verb::Survey, "usage: wifictl survey [--wait-ms MS] [--json]\n"},
        {"connect", Verb::Connect, "usage: wifictl connect PROFILE [--timeout-ms MS]\n"},
        {"disconnect", Verb::Disconnect, "usage: wifictl disconnect\n"},
        {"profiles", Verb::Profiles, "usage: wifictl profiles\n"},
        {"show", Verb::Show, "usage: wifictl show PROFILE\n"},
        {"add", Verb::Add, "usage: wifictl add PROFILE [options]\n"},
        {"delete", Verb::Delete, "usage: wifictl delete PROFILE\n"},
        {"use", Verb::Use, "usage: wifictl use PROFILE\n"},
        {"export", Verb::Export, "usage: wifictl export PROFILE FILE\n"},
        {"import", Verb::Import, "usage: wifictl import FILE [--replace]\n"},
    };
    for (const auto& v : verbs) {
        for (const std::vector<std::string>& args : {std::vector<std::string>{v.name, "--help"},
                                                     std::vector<std::string>{v.name, "-h"},
                                                     std::vector<std::string>{"help", v.name},
                                                     std::vector<std::string>{v.name, "x", "--bogus", "--help"}}) {
            const ParsedCommand p = Parse(args);
            ASSERT_TRUE(p.ok) << args[0] << " " << args[1] << ": " << p.error;
            ASSERT_TRUE(p.command.helpFor) << v.name;
            EXPECT_EQ(*p.command.helpFor, v.verb) << v.name;
        }
        const std::string help = CommandHelp(v.verb);
        EXPECT_EQ(help.rfind(v.synopsis, 0), 0u) << help;
        EXPECT_NE(help.find("Exit codes: 0 success, 1 failure, 2 usage."), std::string::npos);
        std::string synopsis(v.synopsis + std::strlen("usage: wifictl "));
        synopsis.pop_back();
        EXPECT_NE(UsageText().find("  " + synopsis + " "), std::string::npos) << v.name;
    }
    const std::string add = CommandHelp(Verb::Add);
    for (const char* option : {"--ssid SSID", "--security KIND", "--hex-key", "--eap METHOD", "--ip ADDRESS", "--dns ADDRESS"})
        EXPECT_NE(add.find(option), std::string::npos) << option;
    EXPECT_FALSE(Parse({"help", "frobnicate"}).ok);
}

TEST(WifictlScripting, BadOptionsAreRefusedWithAReason) {
    const struct {
        std::vector<std::string> args;
        std::string error;
    } cases[] = {
        {{"delete"}, "delete needs a profile name"},
        {{"export", "Home"}, "export needs a file name"},
        {{"import"}, "import needs a file name"},
        {{"use", "a", "b"}, "unexpected argument 'b'"},
        {{"status", "--wait-ms", "5"}, "unknown option '--wait-ms' for status"},
        {{"survey", "--json=yes"}, "--json takes no value"},
        {{"import", "f", "--json"}, "unknown option '--json' for import"},
        {AddArgs({}), "add needs a profile name"},
        {AddArgs({"Home", "--ssid"}), "--ssid needs a value"},
        {AddArgs({"Home", "--ssid", std::string(33, 's')}), "--ssid takes at most 32 characters"},
        {AddArgs({"Home", "--ssid", "a", "--ssid", "b"}), "--ssid is given twice"},
        {AddArgs({"Home", "--mode", "mesh"}), "--mode takes infrastructure or adhoc"},
        {AddArgs({"Home", "--mode", "adhoc", "--channel", "15"}), "--channel takes a channel of 1 to 14"},
        {AddArgs({"Home", "--channel", "6"}), "--channel goes only with --mode adhoc"},
        {AddArgs({"Home", "--security", "wpa3"}), "--security takes open, wep, wpa, wpa2, wpa-enterprise or radius"},
        {AddArgs({"Home", "--security", "wpa2", "--cipher", "aes"}), "--cipher goes only with --security wpa or wpa-enterprise"},
        {AddArgs({"Home", "--hex-key"}), "--hex-key goes only with --security wep"},
        {AddArgs({"Home", "--security", "wep", "--wep-bits", "40"}), "--wep-bits takes 64 or 128"},
        {AddArgs({"Home", "--security", "wep", "--key-index", "0"}), "--key-index takes 1, 2, 3 or 4"},
        {AddArgs({"Home", "--security", "wpa", "--login", "x"}), "--login goes only with --security wpa-enterprise or radius"},
        {AddArgs({"Home", "--mode", "adhoc", "--security", "wpa2"}), "an ad hoc profile takes only --security open or wep"},
        {AddArgs({"Home", "--security", "wpa-enterprise"}),
         "Please install a valid certificate on you computer before you can use this security option."},
        {AddArgs({"Home", "--security", "radius", "--eap", "peap"}), "Please enter the correct login name and server name"},
        {AddArgs({"Home", "--security", "radius", "--login", std::string(128, 'l')}), "--login takes at most 127 characters"},
        {AddArgs({"Home", "--ip", "192.168.1.0", "--mask", "255.255.255.0"}),
         "The combination of IP address and subnet mask is invalid. All of the bits in the host address portion of "
         "the IP address are set to 0. Please enter a valid combination of IP address and subnet mask."},
        {AddArgs({"Home", "--ip", "192.168.1.255"}),
         "The combination of IP address and subnet mask is invalid. All of the bits in the host address portion of "
         "the IP address are set to 1. Please enter a valid combination of IP address and subnet mask."},
        {AddArgs({"Home", "--ip", "192.168.1.5", "--mask", "255.0.255.0"}),
         "The subnet mask is invalid. All of the bits set to 1 must come before the bits set to 0. Please enter a "
         "valid subnet mask."},
        {AddArgs({"Home", "--mask", "255.255.255.0"}), "The adapter requires at least one IP adress. Please enter one."},
        {AddArgs({"Home", "--ip", "224.0.0.1"}), "--ip: the first number of the address must be 1 to 223"},
        {AddArgs({"Home", "--ip", "127.0.0.1"}),  // no default mask for 127
         "You have entered an address that is missing its subnet mask. Please add a subnet mask."},
        {AddArgs({"Home", "--gateway", "10.0.0.256"}), "--gateway takes an address such as 192.168.1.20"},
        {AddArgs({"Home", "--dhcp", "--ip", "10.0.0.5"}), "--dhcp cannot go with --ip, --mask, --gateway or --dns"},
        {AddArgs({"Home", "--dns", "1.1.1.1", "--dns", "8.8.8.8", "--dns", "9.9.9.9"}), "--dns is given at most twice"},
        {AddArgs({std::string(40, 'n')}),
         "the profile needs an SSID: give --ssid (a profile name longer than 32 characters is not one)"},
        {AddArgs({"Outer\\Inner"}), "'Outer\\Inner' cannot be a profile name"},
        {AddArgs({"Home", "--frequency", "5"}), "unknown option '--frequency' for add"},
    };
    for (const auto& c : cases) {
        const ParsedCommand p = Parse(c.args);
        EXPECT_FALSE(p.ok) << c.error;
        EXPECT_EQ(p.error, c.error);
    }
}

TEST(WifictlScripting, SecretsAreNeverTakenAsArgumentsNorEchoed) {
    const std::string secret = "lantern-orchard-42";
    const std::vector<std::vector<std::string>> attempts = {
        AddArgs({"Home", "--security", "wpa2", "--passphrase", secret}),
        AddArgs({"Home", "--security", "wpa2", "--passphrase=" + secret}),
        AddArgs({"Home", "--security", "radius", "--eap", "peap", "--login", "x", "--password", secret}),
        AddArgs({"Home", "--security", "wep", "--key=" + secret}),
        AddArgs({"Home", "--security", "wep", "--wep-key", secret}),
        AddArgs({"Home", "--security", "wpa2", secret}),
        AddArgs({"Home", "--security", "wpa2", "--psk", secret}),
    };
    for (const auto& args : attempts) {
        const ParsedCommand p = Parse(args);
        EXPECT_FALSE(p.ok) << args.back();
        EXPECT_EQ(p.error.find(secret), std::string::npos) << p.error;
        EXPECT_NE(p.error.find("standard input"), std::string::npos) << p.error;
    }
}

TEST(WifictlScripting, AddMakesTheRecordTheEditorsRulesMake) {
    for (const editor_made::AddCase& c : editor_made::Cases()) {
        SCOPED_TRACE(c.what);
        ParsedCommand p = Parse(AddArgs(c.args));
        ASSERT_TRUE(p.ok) << p.error;
        EXPECT_EQ(SecretNeeded(p.command.add) != SecretKind::None, !c.secret.empty());
        ASSERT_EQ(ApplySecret(p.command.add, c.secret, p.command.added), "");
        const WLAN_PROFILE expected = c.made();
        EXPECT_EQ(std::memcmp(&p.command.added, &expected, sizeof expected), 0)
            << FormatProfile(p.command.added) << "\nexpected\n" << FormatProfile(expected);
    }
}

TEST(WifictlScripting, SecretsTheRulesRefuse) {
    const struct {
        std::vector<std::string> args;
        std::string secret;
        std::string refusal;
    } cases[] = {
        {AddArgs({"Home", "--security", "wpa2"}), "1234567",
         "Please enter the correct Passphrase (8 to 63 printable ASCII characters)"},
        {AddArgs({"Home", "--security", "wpa"}), "caf\xC3\xA9-au-lait",
         "Please enter the correct Passphrase (8 to 63 printable ASCII characters)"},
        {AddArgs({"Home", "--security", "wpa2"}), std::string(64, 'p'),
         "Please enter the correct Passphrase (8 to 63 printable ASCII characters)"},
        {AddArgs({"Home", "--security", "wep", "--hex-key"}), "0A:1B:2C:3D:4E", "the 64-bit WEP key is 10 hexadecimal digits"},
        {AddArgs({"Home", "--security", "wep", "--hex-key", "--wep-bits", "128"}), "0A1B2C3D4E",
         "the 128-bit WEP key is 26 hexadecimal digits"},
        {AddArgs({"Home", "--security", "wep"}), std::string(17, 'w'), "the WEP passphrase has 1 to 16 characters"},
        {AddArgs({"Home", "--security", "wep"}), "", "the WEP passphrase has 1 to 16 characters"},
        {AddArgs({"Home", "--security", "radius", "--eap", "peap", "--login", "student"}), "",
         "Please enter the correct password"},
    };
    for (const auto& c : cases) {
        ParsedCommand p = Parse(c.args);
        ASSERT_TRUE(p.ok) << p.error;
        EXPECT_EQ(ApplySecret(p.command.add, c.secret, p.command.added), c.refusal) << c.secret;
        EXPECT_EQ(std::string(p.command.added.PassPhrase).find(c.secret.empty() ? "\x01" : c.secret), std::string::npos);
    }
}

TEST(WifictlScripting, JsonStringsEscapeWhatJsonRequires) {
    const struct {
        std::string bytes;
        std::string json;
    } cases[] = {
        {"Velmora-Home", "\"Velmora-Home\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"C:\\path", "\"C:\\\\path\""},
        {"line\nbreak\ttab\rret", "\"line\\nbreak\\ttab\\rret\""},
        {std::string("\x1b[2J\x07\0", 6), "\"\\u001B[2J\\u0007\\u0000\""},
        {"\x7f", "\"\\u007F\""},
        {"caf\xE9", "\"caf\\u00E9\""},
        {"\xC3\xA9", "\"\\u00C3\\u00A9\""},  // bytes, not UTF-8 sequences: each stands for itself
        {"", "\"\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonString(c.bytes), c.json);
        const auto parsed = json_check::Parse(JsonString(c.bytes));
        ASSERT_TRUE(parsed) << c.json;
        // Back to bytes: every character is one of U+0000 to U+00FF.
        std::string back;
        for (size_t i = 0; i < parsed->text.size(); ++i) {
            const uint8_t b = uint8_t(parsed->text[i]);
            if (b < 0x80) back += char(b);
            else back += char(((b & 0x03) << 6) | (uint8_t(parsed->text[++i]) & 0x3F));
        }
        EXPECT_EQ(back, c.bytes) << c.json;
    }
}

TEST(WifictlScripting, TheTestsJsonParserIsStrict) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {
        {"{\"a\":[1,-2.5e3,true,false,null,\"x\"]}", true},
        {"  {}  ", true},
        {"{\"a\":1,}", false},
        {"[1,2,]", false},
        {"{'a':1}", false},
        {"{\"a\":01}", false},
        {"{\"a\":\"\x01\"}", false},
        {"{\"a\":\"\\x41\"}", false},
        {"{\"a\":\"\\ud800\"}", false},
        {"{\"a\":1}{}", false},
        {"{\"a\":1,\"a\":2}", false},
        {"{\"a\":\"\xE9\"}", false},  // not UTF-8
        {"{\"a\":NaN}", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(json_check::Parse(c.text).has_value(), c.valid) << c.text;
}

namespace {

nvxsim::Network Net(const std::string& ssid, uint8_t last, uint32_t channel, nvxsim::Security security,
                    bool adhoc = false) {
    nvxsim::Network n;
    n.ssid = ssid;
    n.bssid = {0x00, 0x14, 0x6C, 0xA1, 0x22, last};
    n.channel = channel;
    n.rssi = -60;
    n.security = security;
    n.adhoc = adhoc;
    return n;
}

}  // namespace

TEST(WifictlScripting, SurveyJsonParsesWhateverTheSsids) {
    using nvxsim::Security;
    const std::vector<nvxsim::Network> networks = {
        Net("Velmora-Home", 1, 6, Security::Wpa2Ccmp),
        Net("say \"hi\" \\ back", 2, 1, Security::Open),
        Net("\x1b[2J\x07 bell", 3, 14, Security::Wep),
        Net("caf\xE9 \xC3\xA9", 4, 11, Security::WpaTkip),
        Net("", 5, 3, Security::Open),
        Net("Cell", 6, 2, Security::Open, true),
    };
    std::vector<nvxsim::HeardBss> heard;
    for (const nvxsim::Network& n : networks) heard.push_back({&n, n.rssi, 0});
    const std::vector<uint8_t> list = nvxsim::BssidList(heard);
    const std::string json = FormatSurveyJson(SurveyRows(list.data(), list.size()));
    const auto doc = json_check::Parse(json);
    ASSERT_TRUE(doc) << json;
    const auto& rows = (*doc)["networks"].items;
    ASSERT_EQ(rows.size(), networks.size());
    const char* security[] = {"WPA2-Personal AES", "open", "WEP", "WPA-Personal TKIP", "open", "open"};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i]["channel"].Integer(), networks[i].channel);
        EXPECT_EQ(rows[i]["signal_percent"].Integer(), 82);
        EXPECT_EQ(rows[i]["rssi_dbm"].Integer(), -60);
        EXPECT_EQ(rows[i]["security"].text, security[i]);
        EXPECT_EQ(rows[i]["network_type"].text, i == 5 ? "ad hoc" : "infrastructure");
        EXPECT_EQ(rows[i]["bssid"].text.substr(0, 15), "00-14-6C-A1-22-");
    }
    EXPECT_EQ(rows[1]["ssid"].text, "say \"hi\" \\ back");
    EXPECT_EQ(rows[2]["ssid"].text, "\x1b[2J\x07 bell");
    EXPECT_EQ(rows[3]["ssid"].text, "caf\xC3\xA9 \xC3\x83\xC2\xA9") << "each byte as the character of its number";
    EXPECT_EQ(rows[4]["ssid"].text, "");
    EXPECT_EQ(json.find('\x1b'), std::string::npos) << "no raw control bytes reach the terminal";
    EXPECT_EQ(FormatSurveyJson({}), "{\"networks\":[]}\n");
}

TEST(WifictlScripting, StatusJsonSaysWhatIsKnownAndWhatIsNot) {
    LinkView up;
    up.connectionState = 0;
    std::strcpy(up.status.Ssid, "Velmora \"Home\"");
    const uint8_t bssid[6] = {0x00, 0x14, 0x6C, 0xA1, 0x22, 0x33};
    std::memcpy(up.status.Bssid, bssid, 6);
    up.status.InfrastructureMode = 1;
    up.status.Channel = 6;
    up.status.LinkSpeed = 54;
    up.status.Encryption = 3;
    up.status.AuthMode = 7;
    std::strcpy(up.status.IpAddress, "192.168.1.23");
    std::strcpy(up.status.SubnetMask, "255.255.255.0");
    std::strcpy(up.status.Gateway, "192.168.1.1");
    std::strcpy(up.status.DhcpServer, "192.168.1.254");
    up.status.DhcpEnabled = 1;
    up.signal.Rssi = -55;
    up.statistics = NETWORK_STATISTICS{54, 48, 10, 20, 5000000000ull, 4000, -92, -55, {5, 3, 0, 41}};
    up.haveMac = true;

    LinkView ipUnknown = up;
    ipUnknown.statusResult = 232;
    std::memset(ipUnknown.status.IpAddress, 0, 64);

    LinkView linkUnknown = up;
    linkUnknown.statusResult = int32_t(0xC0010011);
    std::memset(linkUnknown.status.Bssid, 0, 6);

    LinkView down = linkUnknown;
    down.connectionState = 1;
    down.haveMac = false;

    LinkView stateUnknown = down;
    stateUnknown.connectionResult = 4;

    const struct {
        const char* what;
        const LinkView* link;
        const char* state;
        bool link_, ip;
        const char *linkError, *ipError, *stateError;
    } cases[] = {
        {"up", &up, "connected", true, true, nullptr, nullptr, nullptr},
        {"addresses unknown", &ipUnknown, "connected", true, false, nullptr, "232", nullptr},
        {"link unknown", &linkUnknown, "connected", false, false, "0xC0010011", nullptr, nullptr},
        {"down", &down, "disconnected", false, false, nullptr, nullptr, nullptr},
        {"state unknown", &stateUnknown, "unknown", false, false, nullptr, nullptr, "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string json = FormatStatusJson(*c.link);
        const auto doc = json_check::Parse(json);
        ASSERT_TRUE(doc) << json;
        const json_check::Value& d = *doc;
        EXPECT_EQ(d["state"].text, c.state);
        EXPECT_EQ(!d["link"].IsNull(), c.link_);
        EXPECT_EQ(!d["ip"].IsNull(), c.ip);
        EXPECT_EQ(d["link_error"].IsNull() ? std::string() : d["link_error"].text, c.linkError ? c.linkError : "");
        EXPECT_EQ(d["ip_error"].IsNull() ? std::string() : d["ip_error"].text, c.ipError ? c.ipError : "");
        EXPECT_EQ(d["state_error"].IsNull() ? std::string() : d["state_error"].text, c.stateError ? c.stateError : "");
        EXPECT_EQ(d["driver_version"].text, "5.3.0.41");
        EXPECT_EQ(d["mac_address"].IsNull(), !c.link->haveMac);
    }
    const auto doc = json_check::Parse(FormatStatusJson(up));
    const json_check::Value& link = (*doc)["link"];
    EXPECT_EQ(link["ssid"].text, "Velmora \"Home\"");
    EXPECT_EQ(link["bssid"].text, "00-14-6C-A1-22-33");
    EXPECT_EQ(link["channel"].Integer(), 6);
    EXPECT_EQ(link["signal_percent"].Integer(), 97);
    EXPECT_EQ(link["encryption"].text, "AES");
    EXPECT_EQ(link["bytes_received"].Integer(), 5000000000ll);
    const json_check::Value& ip = (*doc)["ip"];
    EXPECT_EQ(ip["address"].text, "192.168.1.23");
    EXPECT_TRUE(ip["dhcp"].boolean);
    EXPECT_EQ(ip["dhcp_server"].text, "192.168.1.254");
}

TEST(WifictlScripting, ShowAndProfilesPrintStoredTextsTheSafeWay) {
    WLAN_PROFILE p{};
    std::strcpy(p.ProfileName, "Evil\x1b[2J");
    std::strcpy(p.SSID, "Cafe\x1b]0;owned\x07");
    p.AssociationMode = 1;
    p.DhcpEnabled = 1;
    p.SecurityMode = 3;
    p.EntAuthenType = 2;
    std::strcpy(p.LoginName, "user\x1b[31m");
    std::strcpy(p.UserCertHash, "Cert\r\n");
    std::strcpy(p.ServerName, "radius\x7f");
    const std::string shown = FormatProfile(p);
    EXPECT_NE(shown.find("Profile:        \"Evil?[2J\"\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("SSID:           \"Cafe?]0;owned?\"\n"), std::string::npos);
    EXPECT_NE(shown.find("Login name:     \"user?[31m\"\n"), std::string::npos);
    EXPECT_NE(shown.find("Certificate:    \"Cert??\"\n"), std::string::npos);
    EXPECT_NE(shown.find("Server name:    \"radius?\"\n"), std::string::npos);
    const std::string list = FormatProfileList({"Evil\x1b[2J", "Home"}, "Home");
    EXPECT_EQ(list, "  Evil?[2J\n* Home\n");
    for (const std::string& text : {shown, list})
        for (char c : text) EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << int(c);
}
