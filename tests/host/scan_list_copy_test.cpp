// The part of a long scanned-network list that fits the caller's buffer: whole entries, in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ScanList.h"
#include "adapter/portable/ScanListCopy.h"
#include "tests/support/BssidListBuilder.h"

using namespace bssid_list;

namespace {

Bytes Network(const std::string& ssid, uint8_t last, const Bytes& extra = {}) {
    EntrySpec s;
    s.ssid = ssid;
    s.mac[5] = last;
    s.elements = BeaconElements(ssid, 6);
    s.elements.insert(s.elements.end(), extra.begin(), extra.end());
    return Entry(s);
}

std::string Ssids(const uint8_t* list, size_t size) {
    std::string out;
    for (const scan::Entry& e : scan::ScanList(list, size, scan::NoEntryLimit)) out += std::string(e.ssid) + ";";
    return out;
}

}  // namespace

TEST(ScanListCopy, CopiesTheWholeEntriesThatFitInTheDriversOrder) {
    const Bytes a = Network(std::string(32, 'A'), 1), b = Network("B", 2, WpaElement({2}, {2})),
                c = Network(std::string(32, 'C'), 3, RsnElement({4}, {2})), z = Network("Z", 9);
    const Bytes list = List({a, b, c});
    Bytes zeroLength = List({a, z, b});
    StoreU32(zeroLength.data() + 4 + a.size(), 0);  // the walk stops at a Length of 0
    const struct {
        const char* what;
        Bytes list;
        size_t capacity;
        size_t copied;
        std::string ssids;
    } cases[] = {
        {"everything fits", list, list.size(), 3, std::string(32, 'A') + ";B;" + std::string(32, 'C') + ";"},
        {"room to spare", list, list.size() + 100, 3, std::string(32, 'A') + ";B;" + std::string(32, 'C') + ";"},
        {"one byte short of the last entry", list, list.size() - 1, 2, std::string(32, 'A') + ";B;"},
        {"exactly two entries", list, 4 + a.size() + b.size(), 2, std::string(32, 'A') + ";B;"},
        {"a later small entry is not taken out of order", List({a, c, b}), 4 + a.size() + b.size(), 1,
         std::string(32, 'A') + ";"},
        {"only the count fits", list, 4, 0, ""},
        {"the first entry does not fit", list, 4 + a.size() - 1, 0, ""},
        {"a malformed entry ends the copy", zeroLength, zeroLength.size(), 1, std::string(32, 'A') + ";"},
        {"count below the entries present", List({a, b, c}, 2), list.size(), 2, std::string(32, 'A') + ";B;"},
        {"empty list", List({}), 12004, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes to(c.capacity + 8, 0xCC);
        EXPECT_EQ(scan::CopyWholeEntries(c.list.data(), c.list.size(), to.data(), c.capacity), c.copied);
        EXPECT_EQ(LoadU32(to.data()), c.copied) << "the count says what was copied";
        EXPECT_EQ(Ssids(to.data(), c.capacity), c.ssids);
        // The copied entries are byte for byte the driver's, and nothing is written past the capacity.
        size_t used = 4;
        for (const scan::Entry& e : scan::ScanList(to.data(), c.capacity, scan::NoEntryLimit))
            used = e.offset + LoadU32(to.data() + e.offset);
        EXPECT_TRUE(std::equal(to.begin() + 4, to.begin() + used, c.list.begin() + 4));
        for (size_t i = c.capacity; i < to.size(); ++i) ASSERT_EQ(to[i], 0xCC) << "byte " << i;
    }
}

TEST(ScanListCopy, NoRoomForTheCountWritesNothing) {
    const Bytes list = List({Network("A", 1)});
    for (size_t capacity : {0u, 3u}) {
        Bytes to(8, 0xCC);
        EXPECT_EQ(scan::CopyWholeEntries(list.data(), list.size(), to.data(), capacity), 0u);
        EXPECT_EQ(to, Bytes(8, 0xCC)) << capacity;
    }
    EXPECT_EQ(scan::CopyWholeEntries(list.data(), list.size(), nullptr, 100), 0u);
    Bytes to(16, 0xCC);
    EXPECT_EQ(scan::CopyWholeEntries(nullptr, 0, to.data(), to.size()), 0u);
    EXPECT_EQ(LoadU32(to.data()), 0u);
}
