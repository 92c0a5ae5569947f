// The ad hoc decision: join a cell on the air with the profile's SSID and channel, or start one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/AdhocDecision.h"
#include "tests/support/BssidListBuilder.h"

using namespace bssid_list;

namespace {

Bytes Cell(const std::string& ssid, uint32_t khz, uint32_t mode = 0) {
    EntrySpec s;
    s.ssid = ssid;
    s.khz = khz;
    s.infrastructureMode = mode;
    return Entry(s);
}

uint32_t Decide(const Bytes& list, const char* ssid, uint32_t channel, uint32_t mode = 2) {
    WLAN_PROFILE p{};
    std::strcpy(p.SSID, ssid);
    p.Channel = channel;
    p.AssociationMode = mode;
    adhoc::DecideAssociationMode(p, list.empty() ? nullptr : list.data(), list.size());
    return p.AssociationMode;
}

}  // namespace

TEST(AdhocDecision, JoinsOnlyAnAdHocCellWithTheSameSsidAndChannel) {
    const struct {
        const char* what;
        Bytes list;
        const char* ssid;
        uint32_t channel;
        uint32_t mode;
    } cases[] = {
        {"same SSID on channel 6", List({Cell("PartyLine", 2437000)}), "PartyLine", 6, 0},
        {"same SSID on channel 11", List({Cell("PartyLine", 2462000)}), "PartyLine", 6, 2},
        {"infrastructure network of that SSID", List({Cell("PartyLine", 2437000, 1)}), "PartyLine", 6, 2},
        {"SSID differing in case", List({Cell("partyline", 2437000)}), "PartyLine", 6, 2},
        {"SSID that only starts the same", List({Cell("PartyLine2", 2437000)}), "PartyLine", 6, 2},
        {"match after other entries", List({Cell("Other", 2437000), Cell("PartyLine", 2437000, 1), Cell("PartyLine", 2437000)}),
         "PartyLine", 6, 0},
        {"channel 14 cell", List({Cell("Far", 2484000)}), "Far", 14, 0},
        {"empty list", List({}), "PartyLine", 6, 2},
        {"no list at all", Bytes{}, "PartyLine", 6, 2},
        {"malformed entry before the cell", List({Cell("X", 2437000), Bytes(8, 0), Cell("PartyLine", 2437000)}), "PartyLine", 6, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decide(c.list, c.ssid, c.channel, 2), c.mode) << c.what;
        EXPECT_EQ(Decide(c.list, c.ssid, c.channel, 0), c.mode) << c.what << " (from join)";
    }
}

TEST(AdhocDecision, LooksPastTheSurveysHundredEntries) {
    std::vector<Bytes> entries;
    for (int i = 0; i < 101; ++i) entries.push_back(Cell("N" + std::to_string(i), 2412000, 1));
    entries.push_back(Cell("PartyLine", 2437000));
    EXPECT_EQ(Decide(List(entries), "PartyLine", 6), 0u);
}
