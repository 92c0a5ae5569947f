// The ad hoc decision as the supervisor uses it, on the survey buffers the driver hands back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/wifiapi.h"
#include "adapter/portable/AdhocDecision.h"

namespace {

struct Entry {
    std::string ssid;
    uint32_t channel;
    uint32_t infrastructure;  // 0 ad hoc
    uint32_t khz = 0;         // overrides the channel's frequency when set
    uint32_t length = 0;      // overrides the entry length when set
};

std::vector<uint8_t> ScanList(const std::vector<Entry>& entries, uint32_t count = UINT32_MAX) {
    std::vector<uint8_t> list(4, 0);
    StoreU32(list.data(), count == UINT32_MAX ? uint32_t(entries.size()) : count);
    for (const Entry& e : entries) {
        std::vector<uint8_t> entry(sizeof(SITE_INFO) - 1 + 12, 0);  // fixed fields and 12 IE bytes
        StoreU32(entry.data(), e.length ? e.length : uint32_t(entry.size()));
        StoreU32(entry.data() + offsetof(SITE_INFO, SsidLength), uint32_t(e.ssid.size()));
        std::memcpy(entry.data() + offsetof(SITE_INFO, Ssid), e.ssid.data(), std::min<size_t>(e.ssid.size(), 32));
        StoreU32(entry.data() + offsetof(SITE_INFO, DSConfig), e.khz ? e.khz : 2407000 + 5000 * e.channel);
        StoreU32(entry.data() + offsetof(SITE_INFO, InfrastructureMode), e.infrastructure);
        StoreU32(entry.data() + offsetof(SITE_INFO, IELength), 12);
        list.insert(list.end(), entry.begin(), entry.end());
    }
    return list;
}

constexpr uint32_t Join = 0, Create = 2;

uint32_t Choose(const std::vector<uint8_t>& list, const char* ssid, uint32_t channel) {
    WLAN_PROFILE p{};
    std::strncpy(p.SSID, ssid, sizeof p.SSID);
    p.Channel = channel;
    p.AssociationMode = 0;
    adhoc::DecideAssociationMode(p, list.data(), list.size());
    return p.AssociationMode;
}

}  // namespace

TEST(AdhocDecision, JoinsOnlyAnAdhocCellOfTheSameSsidAndChannel) {
    const std::string longSsid(32, 'S');
    struct Case {
        const char* what;
        std::vector<Entry> entries;
        const char* ssid;
        uint32_t channel;
        uint32_t mode;
    };
    const Case cases[] = {
        {"same SSID, channel 6, ad hoc", {{"Lan Party", 6, 0}}, "Lan Party", 6, Join},
        {"same cell on channel 11", {{"Lan Party", 11, 0}}, "Lan Party", 6, Create},
        {"infrastructure network of that SSID", {{"Lan Party", 6, 1}}, "Lan Party", 6, Create},
        {"SSID differs in letter case", {{"lan party", 6, 0}}, "Lan Party", 6, Create},
        {"SSID is a prefix", {{"Lan", 6, 0}}, "Lan Party", 6, Create},
        {"match after other entries",
         {{"Office", 1, 1}, {"Lan Party", 11, 0}, {"Lan Party", 6, 0}},
         "Lan Party",
         6,
         Join},
        {"a 32-byte SSID without NUL", {{longSsid, 3, 0}}, longSsid.c_str(), 3,
         Join},
        {"empty survey", {}, "Lan Party", 6, Create},
    };
    for (const Case& c : cases) EXPECT_EQ(Choose(ScanList(c.entries), c.ssid, c.channel), c.mode) << c.what;
}

TEST(AdhocDecision, StopsAtEntriesThatDoNotLieInsideTheBuffer) {
    const Entry match{"Lan Party", 6, 0};
    struct Case {
        const char* what;
        std::vector<uint8_t> list;
    };
    const Case cases[] = {
        {"length 0 before the match", ScanList({{"A", 1, 0, 0, 0xFFFFFFFF}, match})},
        {"count larger than the entries", ScanList({{"A", 1, 1}}, 50)},
        {"length smaller than the fixed entry", ScanList({{"A", 1, 0, 0, 40}, match})},
        {"length running past the buffer", ScanList({{"Lan Party", 6, 0, 0, 5000}})},
    };
    for (const Case& c : cases) EXPECT_EQ(Choose(c.list, "Lan Party", 6), Create) << c.what;

    std::vector<uint8_t> zero = ScanList({{"A", 1, 0}, match});
    StoreU32(zero.data() + 4, 0);  // a zero length must not loop for ever
    EXPECT_EQ(Choose(zero, "Lan Party", 6), Create);

    // A list cut inside the matching entry's fixed fields is not read past its end.
    std::vector<uint8_t> cut = ScanList({match});
    cut.resize(4 + 60);
    EXPECT_EQ(Choose(cut, "Lan Party", 6), Create);
    WLAN_PROFILE none{};
    none.Channel = 6;
    adhoc::DecideAssociationMode(none, nullptr, 0);
    EXPECT_EQ(none.AssociationMode, Create);
}
