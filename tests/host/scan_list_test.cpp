// Reading the scanned-network list: entries, texts, WPA/RSN elements, the lookups and malformed buffers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/RadioUnits.h"
#include "adapter/portable/ScanList.h"
#include "tests/support/BssidListBuilder.h"

using namespace bssid_list;

namespace {

constexpr uint8_t Tkip = 2, Ccmp = 4, Dot1x = 1, Psk = 2;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

EntrySpec Network(const std::string& ssid, uint8_t lastMac, uint32_t khz, int32_t rssi, uint32_t privacy,
                  const Bytes& security, uint32_t mode = 1) {
    EntrySpec s;
    s.ssid = ssid;
    s.mac = {0x00, 0x14, 0x6C, 0xA1, 0x22, lastMac};
    s.khz = khz;
    s.rssi = rssi;
    s.privacy = privacy;
    s.infrastructureMode = mode;
    s.elements = Concat({BeaconElements(ssid, uint8_t(radio::ChannelFromKhz(khz))), security});
    return s;
}

std::vector<scan::Entry> Read(const Bytes& list, size_t limit = scan::SurveyEntryLimit) {
    std::vector<scan::Entry> entries;
    for (const scan::Entry& e : scan::ScanList(list.data(), list.size(), limit)) entries.push_back(e);
    return entries;
}

std::string Ssids(const Bytes& list, size_t limit = scan::SurveyEntryLimit) {
    std::string out;
    for (const scan::Entry& e : Read(list, limit)) out += std::string(e.ssid) + ";";
    return out;
}

Bytes MinimalEntry(const std::string& ssid, std::optional<uint32_t> length = std::nullopt) {
    EntrySpec s;
    s.ssid = ssid;
    s.length = length;
    return Entry(s);
}

}  // namespace

TEST(ScanList, RealShapedEntriesGiveTheirFieldsAndTexts) {
    struct Case {
        EntrySpec entry;
        const char* channel;
        const char* signal;
        const char* listSecurity;
        const char* detailsSecurity;
        uint32_t securityMode, encryptionLevel;
    };
    const Case cases[] = {
        {Network("Corner Cafe", 1, 2422000, -54, 0, {}), "3", "100%", "No", "No", 0, 0},
        {Network("OldMill", 2, 2462000, -55, 1, {}), "11", "97%", "WEP", "WEP", 1, 1},
        {Network("Harbour Office", 3, 2412000, -63, 1, WpaElement({Tkip}, {Psk})), "1", "74%", "TKIP", "TKIP", 2, 5},
        {Network("WPA-AES", 4, 2437000, -70, 1, WpaElement({Ccmp}, {Psk}, Ccmp)), "6", "54%", "AES", "AES", 2, 6},
        // A WPA2-only network (RSN element, no WPA element) is listed by its cipher, not as "WEP".
        {Network("Velmora-Home", 5, 2437000, -48, 1, RsnElement({Ccmp}, {Psk})), "6", "100%", "AES", "AES", 2, 6},
        {Network("Mixed", 6, 2427000, -89, 1, Concat({RsnElement({Ccmp, Tkip}, {Psk}, Tkip), WpaElement({Tkip, Ccmp}, {Psk})})),
         "4", "0%", "AES", "AES", 2, 6},
        {Network("Campus-Secure", 7, 2452000, -59, 1, RsnElement({Tkip}, {Dot1x}, Tkip)), "9", "85%", "TKIP", "TKIP", 2, 5},
        {Network("Lighthouse", 8, 2484000, -86, 1, WpaElement({Ccmp}, {Psk})), "14", "8%", "AES", "AES", 2, 6},
        {Network("PartyLine", 9, 2417000, -100, 0, {}, 0), "2", "0%", "No", "No", 0, 0},
        {Network("FiveGHz", 10, 5180000, -60, 0, {}), "14", "82%", "No", "No", 0, 0},
    };
    std::vector<Bytes> entries;
    for (const Case& c : cases) entries.push_back(Entry(c.entry));
    const Bytes list = List(entries);
    const auto read = Read(list);
    ASSERT_EQ(read.size(), std::size(cases));
    size_t offset = 4;
    for (size_t i = 0; i < read.size(); ++i) {
        const Case& c = cases[i];
        const scan::Entry& e = read[i];
        SCOPED_TRACE(c.entry.ssid);
        EXPECT_EQ(e.offset, offset);
        offset += entries[i].size();
        EXPECT_EQ(e.ssid, c.entry.ssid);
        EXPECT_EQ(e.mac, c.entry.mac);
        EXPECT_EQ(e.privacy, c.entry.privacy);
        EXPECT_EQ(e.rssi, c.entry.rssi);
        EXPECT_EQ(e.dsConfigKhz, c.entry.khz);
        EXPECT_EQ(e.infrastructureMode, c.entry.infrastructureMode);
        EXPECT_EQ(e.elements.size(), 12 + c.entry.elements.size());
        EXPECT_EQ(scan::ChannelText(e), c.channel);
        EXPECT_EQ(scan::SignalText(e.rssi), c.signal);
        EXPECT_EQ(scan::ListSecurityText(e), c.listSecurity);
        EXPECT_EQ(scan::DetailsSecurityText(e), c.detailsSecurity);
        const scan::ProfileSecurity security = scan::SecurityForProfile(e);
        EXPECT_EQ(security.securityMode, c.securityMode);
        EXPECT_EQ(security.encryptionLevel, c.encryptionLevel);
    }
    EXPECT_EQ(scan::MacText(read[0].mac), "00-14-6C-A1-22-01");
    EXPECT_EQ(scan::MacText({0xAB, 0xCD, 0xEF, 0x01, 0x02, 0xFF}), "AB-CD-EF-01-02-FF");
}

TEST(ScanList, SsidTextIsTheBytesUpToTheFirstNulAtMost32) {
    EntrySpec empty;
    empty.ssid = "";
    EntrySpec full;
    full.ssid = std::string(32, 'F');
    EntrySpec embedded;
    embedded.ssid = std::string("ab\0cd", 5);
    EntrySpec shortLength;  // SsidLength is not what the text follows
    shortLength.ssid = "Velmora";
    shortLength.ssidLength = 3;
    const Bytes list = List({Entry(empty), Entry(full), Entry(embedded), Entry(shortLength)});
    EXPECT_EQ(Ssids(list), ";" + std::string(32, 'F') + ";ab;Velmora;");
}

TEST(ScanList, CountIsLimitedTo100ForTheSurvey) {
    std::vector<Bytes> entries;
    for (int i = 0; i < 103; ++i) entries.push_back(MinimalEntry("N" + std::to_string(i)));
    Bytes list = List(entries);
    EXPECT_EQ(Read(list).size(), 100u);
    EXPECT_EQ(Read(list, scan::NoEntryLimit).size(), 103u);
    EXPECT_EQ(scan::ScanList(list).declaredCount(), 103u);

    scan::LimitEntryCount(list.data(), list.size());
    EXPECT_EQ(LoadU32(list.data()), 100u);
    StoreU32(list.data(), 7);
    scan::LimitEntryCount(list.data(), list.size());
    EXPECT_EQ(LoadU32(list.data()), 7u) << "a count within the limit stays";
    scan::LimitEntryCount(nullptr, 0);
}

TEST(ScanList, MalformedListsYieldOnlyTheEntriesWhollyInside) {
    const Bytes a = MinimalEntry("A"), b = MinimalEntry("B");
    struct Case {
        const char* what;
        Bytes list;
        std::string ssids;
    };
    Bytes truncated = List({a, b});
    truncated.resize(truncated.size() - 1);
    Bytes headerOnlyTail = List({a});
    headerOnlyTail.insert(headerOnlyTail.end(), {0x80, 0, 0, 0});  // a Length with no entry behind it
    const Case cases[] = {
        {"zero length stops the walk", List({a, MinimalEntry("Z", 0), b}), "A;"},
        {"length below the fixed entry", List({a, MinimalEntry("S", 115), b}), "A;"},
        {"length of exactly the fixed entry is an entry without elements", List({MinimalEntry("F", 116)}), "F;"},
        {"length past the buffer", List({a, MinimalEntry("P", 100000)}), "A;"},
        {"length wrapping the offset", List({a, MinimalEntry("W", 0xFFFFFFF0u)}), "A;"},
        {"buffer cut inside the last entry", truncated, "A;"},
        {"count above the entries present", List({a, b}, 50), "A;B;"},
        {"count below the entries present", List({a, b}, 1), "A;"},
        {"count 0", List({a, b}, 0), ""},
        {"only a few bytes after the last entry", headerOnlyTail, "A;"},
        {"no room for the count", Bytes{1, 0, 0}, ""},
        {"empty", Bytes{}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Ssids(c.list), c.ssids) << c.what;
    EXPECT_TRUE(Read(Bytes()).empty());
    EXPECT_EQ(scan::ScanList(nullptr, 12004).begin(), scan::ScanList(nullptr, 12004).end());
}

TEST(ScanList, ElementAreaNeverReachesPastTheEntry) {
    // IELength claims more than the entry holds: the elements end with the entry.
    EntrySpec lying = Network("Lying", 1, 2437000, -60, 1, WpaElement({Tkip}, {Psk}));
    lying.ieLength = 5000;
    // An element whose length byte runs past the element area ends the walk before it.
    EntrySpec overrun = Network("Overrun", 2, 2437000, -60, 1, {});
    overrun.elements.insert(overrun.elements.end(), {221, 200, 0x00, 0x50, 0xF2, 0x01, 0x01, 0x00});
    // IELength shorter than the fixed beacon fields: no elements to walk.
    EntrySpec tiny = Network("Tiny", 3, 2437000, -60, 1, WpaElement({Tkip}, {Psk}));
    tiny.ieLength = 8;
    // A WPA element cut by IELength in the middle of its suites.
    EntrySpec cut = Network("Cut", 4, 2437000, -60, 1, {});
    const size_t beacon = cut.elements.size();
    cut.elements = Concat({cut.elements, WpaElement({Tkip}, {Psk})});
    cut.ieLength = uint32_t(12 + beacon + 16);

    const Bytes list = List({Entry(lying), Entry(overrun), Entry(tiny), Entry(cut)});
    const auto read = Read(list);
    ASSERT_EQ(read.size(), 4u);
    const uint8_t* end = list.data() + list.size();
    for (const scan::Entry& e : read) {
        const uint8_t* entryEnd = list.data() + e.offset + LoadU32(list.data() + e.offset);
        EXPECT_LE(e.elements.data() + e.elements.size(), entryEnd) << e.ssid;
        EXPECT_LE(entryEnd, end);
    }
    EXPECT_EQ(scan::ListSecurityText(read[0]), "TKIP") << "the element lies inside the entry";
    EXPECT_EQ(scan::ListSecurityText(read[1]), "WEP");
    EXPECT_EQ(scan::DetailsSecurityText(read[1]), "WEP");
    EXPECT_TRUE(read[2].elements.size() == 8);
    EXPECT_EQ(scan::DetailsSecurityText(read[2]), "WEP");
    EXPECT_EQ(scan::ListSecurityText(read[3]), "WEP") << "an element running past the area ends the walk";
    EXPECT_EQ(scan::DetailsSecurityText(read[3]), "WEP");
}

TEST(ScanList, ListSecurityTextIsWhatTheDetailsParsersFind) {
    struct Case {
        const char* what;
        uint32_t privacy;
        Bytes elements;
        const char* text;
    };
    const Bytes wpaSignature = {0x00, 0x50, 0xF2, 0x01, 0x01, 0x00};
    const Case cases[] = {
        {"open network", 0, {}, "No"},
        {"open network with a stray WPA element", 0, WpaElement({Tkip}, {Psk}), "No"},
        {"WEP: privacy without elements", 1, {}, "WEP"},
        {"WMM vendor element only", 1, Element(221, {0x00, 0x50, 0xF2, 0x02, 0x00, 0x01, 0x00}), "WEP"},
        {"WPA TKIP", 1, WpaElement({Tkip}, {Psk}), "TKIP"},
        {"WPA CCMP", 1, WpaElement({Ccmp}, {Psk}, Ccmp), "AES"},
        {"WPA2 only, pre-shared CCMP", 1, RsnElement({Ccmp}, {Psk}), "AES"},
        {"WPA2 only, 802.1X TKIP", 1, RsnElement({Tkip}, {Dot1x}, Tkip), "TKIP"},
        {"WPA2 only, 802.1X CCMP", 1, RsnElement({Ccmp}, {Dot1x}), "AES"},
        {"RSN before WPA: the first that parses decides", 1,
         Concat({RsnElement({Ccmp}, {Psk}), WpaElement({Tkip}, {Psk})}), "AES"},
        {"WPA with an unknown cipher, then TKIP", 1, Concat({WpaElement({5}, {Psk}), WpaElement({Tkip}, {Psk})}), "TKIP"},
        {"element 48 carrying the WPA signature is no RSN element", 1,
         Concat({Element(48, Concat({wpaSignature, {0, 0, 0, 0}})), WpaElement({Tkip}, {Psk})}), "TKIP"},
        {"WPA signature too short for a WPA element", 1, Element(221, Concat({wpaSignature, {0, 0, 0}})), "WEP"},
    };
    for (const Case& c : cases) {
        const Bytes list = List({Entry(Network("X", 1, 2437000, -60, c.privacy, c.elements))});
        const auto read = Read(list);
        ASSERT_EQ(read.size(), 1u);
        EXPECT_EQ(scan::ListSecurityText(read[0]), c.text) << c.what;
        EXPECT_EQ(scan::ListSecurityText(read[0]), scan::DetailsSecurityText(read[0])) << c.what;
    }
}

TEST(ScanList, WpaAndRsnElementParsers) {
    struct Case {
        const char* what;
        Bytes element;
        bool rsn;
        bool parses;
        uint32_t authentication, cipher;
    };
    Bytes shortWpa = WpaElement({Tkip}, {});  // L = 18 < 22
    Bytes versionTwo = WpaElement({Tkip}, {Psk});
    versionTwo[6] = 2;
    Bytes rsnVersionTwo = RsnElement({Ccmp}, {Psk});
    rsnVersionTwo[2] = 2;
    Bytes wrongPairwiseOui = RsnElement({Ccmp}, {Psk});
    wrongPairwiseOui[10] = 0x01;
    // Only four pairwise suites are read; the authentication count is taken right after them.
    Bytes manyPairwise = WpaElement({0, 0, 0, 0, Tkip}, {Psk});
    Bytes fiveDeclared = WpaElement({Tkip, Tkip, Tkip, Tkip}, {Psk});
    StoreU16(fiveDeclared.data() + 12, 5);
    Bytes countPastEnd = RsnElement({Ccmp}, {Psk});
    StoreU16(countPastEnd.data() + 8, 400);
    const Case cases[] = {
        {"WPA-PSK TKIP", WpaElement({Tkip}, {Psk}), false, true, 4, 5},
        {"WPA 802.1X CCMP", WpaElement({Ccmp}, {Dot1x}), false, true, 3, 6},
        {"WPA WRAP counts as AES", WpaElement({3}, {Psk}), false, true, 4, 6},
        {"WPA TKIP and CCMP raise to AES", WpaElement({Ccmp, Tkip}, {Psk}), false, true, 4, 6},
        {"group cipher suite 0 leaves the kind", WpaElement({0, Tkip}, {Psk}), false, true, 4, 5},
        {"only suite 0 leaves no cipher", WpaElement({0}, {Psk}), false, false, 0, 0},
        {"unknown pairwise suite", WpaElement({5}, {Psk}), false, false, 0, 0},
        {"no pairwise suites", WpaElement({}, {Psk, Psk}), false, false, 0, 0},
        {"no authentication suites", WpaElement({Tkip}, {}), false, false, 0, 0},
        {"unknown authentication suite only", WpaElement({Tkip}, {7}), false, false, 0, 0},
        {"last authentication match wins", WpaElement({Tkip}, {Psk, Dot1x}), false, true, 3, 5},
        {"authentication 0 counts as 802.1X", WpaElement({Tkip}, {0}), false, true, 3, 5},
        {"L below 22", shortWpa, false, false, 0, 0},
        {"WPA version 2", versionTwo, false, false, 0, 0},
        {"five pairwise suites: four read", manyPairwise, false, false, 0, 0},
        {"five declared, four read, then the authentication count", fiveDeclared, false, true, 4, 5},
        {"RSN PSK CCMP", RsnElement({Ccmp}, {Psk}), true, true, 4, 6},
        {"RSN 802.1X TKIP", RsnElement({Tkip}, {Dot1x}), true, true, 3, 5},
        {"RSN version 2", rsnVersionTwo, true, false, 0, 0},
        {"RSN suite with the WPA OUI", wrongPairwiseOui, true, false, 0, 0},
        {"RSN count past the element", countPastEnd, true, false, 0, 0},
        {"RSN too short", Element(48, {1, 0, 0, 0x0F, 0xAC, 4, 1, 0, 0, 0x0F, 0xAC, 4, 1, 0, 0, 0x0F, 0xAC}), true, false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto kinds = c.rsn ? scan::ParseRsnElement(c.element.data(), c.element.size())
                                 : scan::ParseWpaElement(c.element.data(), c.element.size());
        EXPECT_EQ(kinds.has_value(), c.parses) << c.what;
        if (kinds && c.parses) {
            EXPECT_EQ(kinds->authentication, c.authentication) << c.what;
            EXPECT_EQ(kinds->cipher, c.cipher) << c.what;
        }
    }
    // A size shorter than the element's own length is refused, not read past.
    const Bytes wpa = WpaElement({Tkip}, {Psk});
    EXPECT_FALSE(scan::ParseWpaElement(wpa.data(), wpa.size() - 1));
    EXPECT_FALSE(scan::ParseRsnElement(nullptr, 20));
}

TEST(ScanList, LookupFindsTheFirstEntryWithTheRowsThreeTexts) {
    const Bytes list = List({
        Entry(Network("Home", 1, 2437000, -60, 0, {})),
        Entry(Network("Home", 2, 2437000, -60, 1, {})),  // same three texts: the first wins
        Entry(Network("Home", 3, 2462000, -60, 0, {})),
        Entry(Network("Far", 4, 2484000, -86, 0, {})),
        Entry(Network("", 5, 2437000, -60, 0, {})),
    });
    const scan::ScanList survey(list);
    const struct {
        const char *ssid, *channel, *signal;
        int mac;  // last MAC byte of the entry found, 0 none
    } cases[] = {
        {"Home", "6", "82%", 1}, {"Home", "11", "82%", 3}, {"Home", "6", "85%", 0}, {"home", "6", "82%", 0},
        {"Far", "14", "8%", 4},  // channel 14 is found again by its text
        {"", "", "", 0},          // no row selected
    };
    for (const auto& c : cases) {
        const auto found = scan::FindEntry(survey, c.ssid, c.channel, c.signal);
        EXPECT_EQ(found ? found->mac[5] : 0, c.mac) << c.ssid << " " << c.channel << " " << c.signal;
    }
}
