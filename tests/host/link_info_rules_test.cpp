// Platform-free rules of the Link Information page: the status view, the information and
// statistics rows, the elapsed times, and the name prompt's check.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/ProfileLayout.h"
#include "monitor/ui/portable/AddressOrder.h"
#include "monitor/pages/portable/LinkInfoRows.h"
#include "monitor/pages/portable/LinkStatisticsRows.h"
#include "monitor/pages/portable/LinkStatusView.h"
#include "monitor/pages/portable/NamePrompt.h"
#include "monitor/pages/portable/StatisticsClock.h"
#include "monitor/res/resource.h"

using namespace linkinfo;

namespace {

constexpr Visibility S = Visibility::Show, H = Visibility::Hide, L = Visibility::Leave;

NETWORK_STATUS UpStatus() {
    NETWORK_STATUS s{};
    std::strcpy(s.Ssid, "Corner Cafe");
    s.InfrastructureMode = 1;
    s.LinkSpeed = 54;
    s.Channel = 3;
    std::strcpy(s.IpAddress, "192.168.7.23");
    std::strcpy(s.SubnetMask, "255.255.255.0");
    std::strcpy(s.Gateway, "192.168.7.1");
    std::strcpy(s.DhcpServer, "192.168.7.2");
    s.DhcpEnabled = 1;
    const uint8_t mac[6] = {0x00, 0x1E, 0x5A, 0x4B, 0x20, 0x11};
    std::memcpy(s.MacAddress, mac, 6);
    return s;
}

}  // namespace

TEST(LinkStatusView, EachLinkStateHasItsBackgroundPicturesAndWords) {
    struct Case {
        const char* name;
        StatusInput in;
        int background;
        bool probe;
        Visibility ap, adhoc, internet, moreInfo, statistics, headline;
        int apGif, adhocGif, internetGif;
        const char* headlineText;
        const char* sentence;
    } cases[] = {
        {"infrastructure, Internet", {true, true, 1, 1}, IDB_LINK_INFRA_UP, true, S, H, S, S, L, S,
         IDR_GIF_LINK_UP, 0, IDR_GIF_INTERNET_UP, HeadlineInfrastructure, SentenceInternet},
        {"infrastructure, no Internet", {true, true, 1, 0}, IDB_LINK_INFRA_UP, true, S, H, S, S, L, S,
         IDR_GIF_LINK_UP, 0, IDR_GIF_INTERNET_DOWN, HeadlineInfrastructure, SentenceNoInternet},
        {"infrastructure, link down", {true, false, 1, 1}, IDB_LINK_INFRA_DOWN, false, S, H, H, H, L, S,
         IDR_GIF_NO_LINK, 0, 0, HeadlineInfrastructure, SentenceNoAccessPoint},
        {"ad hoc joined", {true, true, 0, 1}, IDB_LINK_ADHOC_UP, false, H, S, H, S, L, S,
         0, IDR_GIF_LINK_UP, 0, HeadlineAdhoc, SentenceAdhocJoined},
        {"ad hoc not found", {true, false, 0, 0}, IDB_LINK_ADHOC_DOWN, false, H, S, H, H, L, S,
         0, IDR_GIF_NO_LINK, 0, HeadlineAdhoc, SentenceNoAdhoc},
        {"adapter not bound", {false, true, 1, 1}, IDB_LINK_NOT_BOUND, false, S, H, H, H, H, H,
         IDR_GIF_NO_LINK, 0, 0, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        StatusMemory memory;
        memory.compare = false;  // the page's first refresh draws whatever it finds
        const StatusView v = DecideStatus(c.in, memory);
        EXPECT_EQ(v.background, c.background) << c.name;
        EXPECT_EQ(v.startProbe, c.probe) << c.name;
        EXPECT_EQ(v.apPicture, c.ap) << c.name;
        EXPECT_EQ(v.adhocPicture, c.adhoc) << c.name;
        EXPECT_EQ(v.internetPicture, c.internet) << c.name;
        EXPECT_EQ(v.moreInfo, c.moreInfo) << c.name;
        EXPECT_EQ(v.statistics, c.statistics) << c.name;
        EXPECT_EQ(v.saveToProfile, c.statistics) << c.name;
        EXPECT_EQ(v.headline, c.headline) << c.name;
        EXPECT_EQ(v.sentence, c.headline) << c.name;
        EXPECT_TRUE(v.redraw) << c.name;
        EXPECT_EQ(v.apAnimation, c.apGif) << c.name;
        EXPECT_EQ(v.adhocAnimation, c.adhocGif) << c.name;
        EXPECT_EQ(v.internetAnimation, c.internetGif) << c.name;
        EXPECT_STREQ(v.headlineText, c.headlineText) << c.name;
        EXPECT_STREQ(v.sentenceText, c.sentence) << c.name;
    }
}

TEST(LinkStatusView, AnUnchangedStateIsNotDrawnAgainUntilTheCompareFlagIsCleared) {
    struct Step {
        StatusInput in;
        bool clearCompare;
        bool redraw;
        ShownState shown;
    } steps[] = {
        {{true, true, 1, 0}, false, true, {1, 1, 0}},
        {{true, true, 1, 0}, false, false, {1, 1, 0}},  // same state: pictures keep playing
        {{true, true, 1, 1}, false, true, {1, 1, 1}},   // the probe answered
        {{true, true, 1, 1}, true, true, {1, 1, 1}},    // compare flag cleared: drawn once more
        {{true, true, 1, 1}, false, false, {1, 1, 1}},
        {{false, false, 1, 1}, false, true, {-1, -1, -1}},
        {{false, false, 1, 1}, false, false, {-1, -1, -1}},
        {{true, false, 0, 1}, false, true, {0, 0, 1}},
    };
    StatusMemory memory;
    int index = 0;
    for (const Step& s : steps) {
        if (s.clearCompare) memory.compare = false;
        const StatusView v = DecideStatus(s.in, memory);
        EXPECT_EQ(v.redraw, s.redraw) << "step " << index;
        EXPECT_EQ(v.apAnimation != 0 || v.adhocAnimation != 0, s.redraw) << "step " << index;
        EXPECT_TRUE(memory.shown == s.shown) << "step " << index;
        EXPECT_TRUE(memory.compare) << "step " << index;
        ++index;
    }
}

TEST(LinkStatusView, APendingConnectionShowsTheNotYetConnectedLookOfItsMode) {
    struct Case {
        uint32_t associationMode;
        bool infrastructure;
        int background;
        const char* headline;
        const char* sentence;
    } cases[] = {{1, true, IDB_LINK_INFRA_DOWN, HeadlineInfrastructure, SentenceNoAccessPoint},
                 {3, true, IDB_LINK_INFRA_DOWN, HeadlineInfrastructure, SentenceNoAccessPoint},
                 {0, false, IDB_LINK_ADHOC_DOWN, HeadlineAdhoc, SentenceNoAdhoc},
                 {2, false, IDB_LINK_ADHOC_DOWN, HeadlineAdhoc, SentenceNoAdhoc}};
    for (const Case& c : cases) {
        const PendingView v = DecidePending(c.associationMode);
        EXPECT_EQ(v.infrastructure, c.infrastructure) << c.associationMode;
        EXPECT_EQ(v.background, c.background) << c.associationMode;
        EXPECT_EQ(v.animation, IDR_GIF_NO_LINK) << c.associationMode;
        EXPECT_STREQ(v.headlineText, c.headline) << c.associationMode;
        EXPECT_STREQ(v.sentenceText, c.sentence) << c.associationMode;
    }
}

TEST(LinkInfoRows, SecurityAndAuthenticationFollowTheModeAndCipher) {
    // Encryption 0 none, 1 WEP, 2 TKIP, 3 AES; WPA2 links name themselves on the Security row.
    struct Case {
        uint32_t authMode;
        const char* security[4];
        const char* authentication[4];
    } cases[] = {
        {0, {"Disable", "WEP", "WEP", "WEP"}, {"Open System", "Open System", "Open System", "Open System"}},
        {1, {"Disable", "WEP", "WEP", "WEP"}, {"Shared Key", "Shared Key", "Shared Key", "Shared Key"}},
        {2, {"Disable", "WEP", "WEP", "WEP"}, {"Auto", "Auto", "Auto", "Auto"}},
        {3, {"WPA-Enterprise", "WPA-Enterprise", "WPA-Enterprise", "WPA-Enterprise"},
         {"WPA-Enterprise", "WPA-Enterprise", "TKIP", "AES"}},
        {4, {"WPA-Personal", "WPA-Personal", "WPA-Personal", "WPA-Personal"},
         {"WPA-Personal", "WPA-Personal", "TKIP", "AES"}},
        {5, {"", "", "", ""}, {"", "", "TKIP", "AES"}},
        {6, {"WPA2-Enterprise", "WPA2-Enterprise", "WPA2-Enterprise", "WPA2-Enterprise"},
         {"WPA2-Enterprise", "WPA2-Enterprise", "TKIP", "AES"}},
        {7, {"WPA2-Personal", "WPA2-Personal", "WPA2-Personal", "WPA2-Personal"},
         {"WPA2-Personal", "WPA2-Personal", "TKIP", "AES"}},
    };
    for (const Case& c : cases) {
        for (uint32_t encryption = 0; encryption < 4; ++encryption) {
            NETWORK_STATUS s = UpStatus();
            s.AuthMode = c.authMode;
            s.Encryption = encryption;
            const InformationRows rows = BuildInformationRows(&s);
            EXPECT_EQ(rows.left[5], c.security[encryption]) << c.authMode << "/" << encryption;
            EXPECT_EQ(rows.left[6], c.authentication[encryption]) << c.authMode << "/" << encryption;
        }
    }
}

TEST(LinkStatusView, APendingDisplayEndsWhenTheRequestedLinkIsUp) {
    // Each case: the ticks the page sees as (the last request issued, link up), and whether the
    // display ends at each. The display began with 7 requests made; the page's request is 8.
    struct Tick {
        uint32_t issued;
        bool up;
        bool ends;
    };
    struct Case {
        const char* name;
        std::vector<Tick> ticks;
    } cases[] = {
        {"old link still up, then down, then the new one", {{7, true, false}, {7, false, false}, {8, true, true}}},
        {"up again before the worker asked", {{7, false, false}, {7, true, false}, {8, true, true}}},
        {"asked, but the link was never seen down", {{8, true, false}, {8, true, false}}},
        {"an older worker's connect", {{7, false, false}, {6, true, false}}},
        {"a later request's connect", {{7, false, false}, {9, true, true}}},
        {"no link yet", {{8, false, false}, {8, false, false}}},
    };
    for (const Case& c : cases) {
        PendingWatch watch{7};
        for (size_t i = 0; i < c.ticks.size(); ++i)
            EXPECT_EQ(PendingLinkUp(watch, c.ticks[i].issued, c.ticks[i].up), c.ticks[i].ends) << c.name << ", tick " << i;
    }
    PendingWatch wrapped{0xFFFFFFFFu, true};
    EXPECT_TRUE(PendingLinkUp(wrapped, 0, true)) << "request numbers wrap";
}

TEST(LinkInfoRows, RowsOfALinkUpAndDown) {
    NETWORK_STATUS adhoc = UpStatus();
    adhoc.InfrastructureMode = 0;
    adhoc.Channel = 16;  // no channel of the band: no text
    adhoc.DhcpEnabled = 0;
    NETWORK_STATUS longName = UpStatus();
    std::memset(longName.Ssid, 'x', sizeof longName.Ssid);  // no NUL in the field
    longName.Channel = 15;
    // The adapter has no IP entry under its description: the addresses are unknown, and so is DHCP.
    NETWORK_STATUS noEntry = UpStatus();
    for (char* text : {noEntry.IpAddress, noEntry.SubnetMask, noEntry.Gateway, noEntry.DhcpServer}) text[0] = 0;
    noEntry.DhcpEnabled = 0;
    struct Case {
        const char* name;
        const NETWORK_STATUS* status;
        InformationRows rows;
    } cases[] = {
        {"infrastructure",
         [] {
             static NETWORK_STATUS s = UpStatus();
             return &s;
         }(),
         {{"Connected", "Corner Cafe", "Infrastructure", "54 Mbps", "3", "Disable", "Open System"},
          {"192.168.7.23", "255.255.255.0", "192.168.7.1", "192.168.7.2", "Enabled", "00-1E-5A-4B-20-11"}}},
        {"ad hoc, channel 16, static",
         &adhoc,
         {{"Connected", "Corner Cafe", "Ad Hoc", "54 Mbps", "", "Disable", "Open System"},
          {"192.168.7.23", "255.255.255.0", "192.168.7.1", "192.168.7.2", "Disabled", "00-1E-5A-4B-20-11"}}},
        {"SSID filling its field",
         &longName,
         {{"Connected", std::string(43, 'x'), "Infrastructure", "54 Mbps", "15", "Disable", "Open System"},
          {"192.168.7.23", "255.255.255.0", "192.168.7.1", "192.168.7.2", "Enabled", "00-1E-5A-4B-20-11"}}},
        {"no IP entry for the adapter",
         &noEntry,
         {{"Connected", "Corner Cafe", "Infrastructure", "54 Mbps", "3", "Disable", "Open System"},
          {"", "", "", "", "", "00-1E-5A-4B-20-11"}}},
        {"link down", nullptr, {{"Scanning...", "", "", "", "", "", ""}, {"0.0.0.0", "0.0.0.0", "", "", "", ""}}},
    };
    for (const Case& c : cases) {
        const InformationRows rows = BuildInformationRows(c.status);
        EXPECT_EQ(rows.left, c.rows.left) << c.name;
        EXPECT_EQ(rows.right, c.rows.right) << c.name;
    }
}

TEST(LinkInfoRows, WhatTheStatusCallReadIsShownEvenWhenItsAddressesFailed) {
    NETWORK_STATUS read = UpStatus();
    read.Bssid[0] = 0x00;
    read.Bssid[5] = 0x33;
    NETWORK_STATUS stoppedEarly = UpStatus();  // a link query failed: no BSSID
    const std::array<std::string, 7> wireless{"Connected", "Corner Cafe", "Infrastructure", "54 Mbps",
                                              "3",         "Disable",     "Open System"};
    const std::array<std::string, 7> down{"Scanning...", "", "", "", "", "", ""};
    struct Case {
        const char* name;
        bool linkUp;
        int32_t result;
        const NETWORK_STATUS& status;
        std::array<std::string, 7> left;
        std::array<std::string, 6> right;
    } cases[] = {
        {"whole answer", true, 0, read, wireless,
         {"192.168.7.23", "255.255.255.0", "192.168.7.1", "192.168.7.2", "Enabled", "00-1E-5A-4B-20-11"}},
        {"IP Helper failed", true, 232, read, wireless, {"", "", "", "", "", "00-1E-5A-4B-20-11"}},
        {"a link query failed", true, 31, stoppedEarly, down, {"0.0.0.0", "0.0.0.0", "", "", "", ""}},
        {"link down", false, 0, read, down, {"0.0.0.0", "0.0.0.0", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        const InformationRows rows = InformationRowsFor(c.linkUp, c.result, c.status);
        EXPECT_EQ(rows.left, c.left) << c.name;
        EXPECT_EQ(rows.right, c.right) << c.name;
    }
}

TEST(LinkInfoRows, AStaticLinkGivesTheProfileItsAddressesADhcpLinkOnlyItsChoice) {
    struct Case {
        const char* name;
        uint8_t dhcp;
        const char* gateway;
        uint32_t ip, mask, gate, dns, dhcpAfter;
        const char* address = "192.168.7.23";
    } cases[] = {
        {"static", 0, "192.168.7.1", address::FieldToRecord(0xC0A80717), address::FieldToRecord(0xFFFFFF00),
         address::FieldToRecord(0xC0A80701), address::FieldToRecord(0xC0A80702), 0},
        {"static without gateway", 0, "", address::FieldToRecord(0xC0A80717), address::FieldToRecord(0xFFFFFF00), 0,
         address::FieldToRecord(0xC0A80702), 0},
        {"DHCP", 1, "192.168.7.1", 11, 12, 13, 14, 1},
        {"DHCP without an address yet", 1, "", 11, 12, 13, 14, 1, "0.0.0.0"},
        // No IP entry for the adapter: nothing is known, a DHCP profile stays one.
        {"no IP entry", 0, "", 11, 12, 13, 14, 7, ""},
    };
    for (const Case& c : cases) {
        NETWORK_STATUS s = UpStatus();
        s.DhcpEnabled = c.dhcp;
        std::strcpy(s.Gateway, c.gateway);
        std::strcpy(s.IpAddress, c.address);
        WLAN_PROFILE p{};
        p.DhcpEnabled = 7;
        p.IpAddr = 11, p.IpMask = 12, p.IpGate = 13, p.IpDns1 = 14, p.IpDns2 = 15;
        TakeLinkAddressing(s, p);
        EXPECT_EQ(p.DhcpEnabled, c.dhcpAfter) << c.name;
        EXPECT_EQ(p.IpAddr, c.ip) << c.name;
        EXPECT_EQ(p.IpMask, c.mask) << c.name;
        EXPECT_EQ(p.IpGate, c.gate) << c.name;
        EXPECT_EQ(p.IpDns1, c.dns) << c.name;
        EXPECT_EQ(p.IpDns2, 15u) << c.name;
    }
}

TEST(AddressOrder, OnlyFourDottedOctetsParse) {
    struct Case {
        const char* text;
        bool parses;
        uint32_t field;
    } cases[] = {{"192.168.7.23", true, 0xC0A80717}, {"0.0.0.0", true, 0},          {"255.255.255.255", true, 0xFFFFFFFF},
                 {"", false, 0},                     {"256.1.1.1", false, 0},      {"1.2.3", false, 0},
                 {"1.2.3.4.5", false, 0},            {"1.2.3.4 ", false, 0},       {"1..2.3", false, 0},
                 {"0001.2.3.4", false, 0},           {"a.b.c.d", false, 0}};
    for (const Case& c : cases) {
        const auto parsed = address::ParseDotted(c.text);
        EXPECT_EQ(parsed.has_value(), c.parses) << '"' << c.text << '"';
        if (parsed) {
            EXPECT_EQ(address::RecordToField(*parsed), c.field) << c.text;
        }
    }
    EXPECT_FALSE(address::ParseDotted(nullptr).has_value());
}

TEST(LinkStatistics, ElapsedTextsKeepEveryHour) {
    struct Case {
        uint64_t seconds;
        const char* text;
    } cases[] = {{3725, "1:2:5"},          {0, "0:0:0"},           {59, "0:0:59"},       {3600, "1:0:0"},
                 {99 * 3600 + 3599, "99:59:59"}, {100 * 3600, "100:0:0"}, {1000 * 3600 + 61, "1000:1:1"}};
    for (const Case& c : cases) EXPECT_EQ(ElapsedText(c.seconds), c.text) << c.seconds;
}

TEST(LinkStatistics, RowsShowCountersSinceTheirBaselines) {
    NETWORK_STATISTICS s{};
    s.TransmitRate = 54;
    s.ReceiveRate = 48;
    s.PacketsReceived = 1500;
    s.PacketsTransmitted = 700;
    s.BytesReceived = 0x1'0000'0010ull;  // the low 32 bits passed 2^32 since the baseline
    s.BytesTransmitted = 3'000'000'000ull;
    s.NoiseLevel = -92;
    s.SignalStrength = -66;
    const uint16_t driver[4] = {5, 3, 0, 41};
    std::memcpy(s.DriverVersion, driver, sizeof driver);
    const Baselines base{1000, 200, 0xFFFFFFF0u, 0};
    struct Case {
        const char* name;
        const NETWORK_STATISTICS* statistics;
        StatisticsRows rows;
    } cases[] = {
        {"link up",
         &s,
         {{"54 Mbps", "48 Mbps", "500", "500", "32", "3000000000", "5.3.0.41"}, {"-92 dBm", "-66 dBm", "0:1:2", "1:2:5"}}},
        {"link down", nullptr, {{"", "", "", "", "", "", ""}, {"", "", "", ""}}},
    };
    for (const Case& c : cases) {
        const StatisticsRows rows = BuildStatisticsRows(c.statistics, base, UpTimes{62, 3725});
        EXPECT_EQ(rows.left, c.rows.left) << c.name;
        EXPECT_EQ(rows.right, c.rows.right) << c.name;
    }
    EXPECT_EQ(BaselinesOf(s).bytesReceived, 0x10u);
}

TEST(StatisticsClock, TimesStayRightAcrossTheCountersLow32Bits) {
    constexpr uint64_t f = 10'000'000;  // this machine's counter
    constexpr uint64_t wrap = 1ull << 32;
    struct Case {
        const char* name;
        uint64_t start, now;
        uint64_t total;
    } cases[] = {
        {"within the low bits", 1000, 1000 + 3725 * f, 3725},
        {"the counter passed 2^32", wrap - 10 * f, wrap + 3715 * f, 3725},
        {"100 hours", 5 * wrap + 17, 5 * wrap + 17 + 360000 * f, 360000},
        {"now", 42 * f, 42 * f, 0},
    };
    for (const Case& c : cases) {
        StatisticsClock clock;
        clock.Restart(c.start);
        const UpTimes t = clock.Read(c.now, f);
        EXPECT_EQ(t.totalSeconds, c.total) << c.name;
        EXPECT_EQ(t.upSeconds, c.total) << c.name;
        EXPECT_EQ(ElapsedText(t.totalSeconds), ElapsedText(c.total)) << c.name;
    }
    EXPECT_EQ(StatisticsClock().Read(5, 0).totalSeconds, 0u) << "no counter frequency";
}

TEST(StatisticsClock, FollowsTheConnectWorkerAndLeavesOutWhatRefreshExcludes) {
    constexpr uint64_t f = 10'000'000;
    const uint64_t base = (7ull << 32) + 123;  // days into the run
    StatisticsClock clock;

    // Start-up's connection start, first seen two seconds after it was taken.
    clock.Follow({base, 0, 0});
    EXPECT_EQ(clock.Read(base + 600 * f, f).totalSeconds, 600u) << "ten minutes: past one wrap of the low bits";
    StatisticsClock::Shared shared = clock.Publish();
    EXPECT_EQ(shared.lastRead, base + 600 * f);

    // Refresh: Up Time counts from the last read, Total Up Time from the connection start.
    clock.Follow(shared);
    clock.ExcludeUntilLastRead();
    UpTimes t = clock.Read(base + 700 * f, f);
    EXPECT_EQ(t.upSeconds, 100u);
    EXPECT_EQ(t.totalSeconds, 700u);
    shared = clock.Publish();
    EXPECT_EQ(shared.offset, 600 * f);

    // A connect: the worker resets the shared values; the first statistics view after it shows
    // Up Time equal to Total Up Time.
    const uint64_t connected = base + 900 * f;
    clock.Follow({connected, 0, 0});
    clock.ExcludeUntilLastRead();
    t = clock.Read(connected + 20 * f, f);
    EXPECT_EQ(t.upSeconds, 20u);
    EXPECT_EQ(t.totalSeconds, 20u);

    // What the page published itself is kept whole.
    shared = clock.Publish();
    clock.Follow(shared);
    EXPECT_EQ(clock.Read(connected + 3 * 3600 * f, f).totalSeconds, 3u * 3600);
}

TEST(NamePrompt, NamesTheProfileStoreRefusesAreRefusedInThePrompt) {
    struct Case {
        std::string name;
        prompt::NameCheck check;
    } cases[] = {{"", prompt::NameCheck::Empty},
                 {"Home", prompt::NameCheck::Accepted},
                 {"Office 2nd floor", prompt::NameCheck::Accepted},
                 {std::string(32, 'n'), prompt::NameCheck::Accepted},
                 {std::string(33, 'n'), prompt::NameCheck::Refused},
                 {"Home\\Cafe", prompt::NameCheck::Refused},
                 {"\\", prompt::NameCheck::Refused},
                 {std::string("a\0b", 3), prompt::NameCheck::Refused},
                 // The rule of every new profile's name, which wifictl and the imports apply too.
                 {".", prompt::NameCheck::Refused},
                 {"..", prompt::NameCheck::Refused},
                 {"Home.", prompt::NameCheck::Refused},
                 {"Home [2]", prompt::NameCheck::Refused},
                 {"Esc\x1b", prompt::NameCheck::Refused},
                 {"Tab\t", prompt::NameCheck::Refused},
                 {"v1.2 Home", prompt::NameCheck::Accepted}};
    for (const Case& c : cases) {
        EXPECT_EQ(prompt::CheckName(c.name), c.check) << c.name;
        if (c.check != prompt::NameCheck::Empty && c.name.size() <= prompt::NameLimit) {
            EXPECT_EQ(c.check == prompt::NameCheck::Accepted, profile::IsCreatableName(c.name)) << c.name;
        }
    }
}
