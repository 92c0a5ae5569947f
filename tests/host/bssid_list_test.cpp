// Scanning on the simulated adapter: the list it delivers, decoded here independently of the builder.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "nvxsim/model/AdapterModel.h"
#include "nvxsim/model/Status.h"

using namespace nvxsim;

namespace {

using Bytes = std::vector<uint8_t>;

// Offsets of NDIS_WLAN_BSSID_EX as published (ntddndis.h), written out rather than taken from our structs.
struct Decoded {
    uint32_t length = 0;
    Mac mac{};
    std::string ssid;
    uint32_t privacy = 0;
    int32_t rssi = 0;
    uint32_t networkType = 0;
    uint32_t configLength = 0, beaconPeriod = 0, dsConfig = 0;
    uint32_t mode = 0;
    Bytes rates;  // SupportedRates up to the first zero
    uint32_t ieLength = 0;
    uint64_t timestamp = 0;
    uint16_t beaconInterval = 0, capabilities = 0;
    std::vector<std::pair<uint8_t, Bytes>> elements;  // in order

    const Bytes* Element(uint8_t id) const {
        for (const auto& [i, data] : elements)
            if (i == id) return &data;
        return nullptr;
    }
};

// Walks the list by each entry's Length, failing the test on anything that does not fit.
std::vector<Decoded> Walk(const uint8_t* list, size_t size) {
    std::vector<Decoded> out;
    if (size < 4) {
        ADD_FAILURE() << "no NumberOfItems";
        return out;
    }
    const uint32_t count = LoadU32(list);
    size_t at = 4;
    for (uint32_t i = 0; i < count; ++i) {
        if (at + 116 > size) {
            ADD_FAILURE() << "entry " << i << " runs past the list";
            break;
        }
        const uint8_t* e = list + at;
        Decoded d;
        d.length = LoadU32(e);
        if (d.length < 116 || at + d.length > size || d.length % 4 != 0) {
            ADD_FAILURE() << "entry " << i << " has Length " << d.length;
            break;
        }
        std::memcpy(d.mac.data(), e + 4, 6);
        const uint32_t ssidLength = LoadU32(e + 12);
        EXPECT_LE(ssidLength, 32u);
        d.ssid.assign(reinterpret_cast<const char*>(e + 16), ssidLength <= 32 ? ssidLength : 32);
        d.privacy = LoadU32(e + 48);
        d.rssi = int32_t(LoadU32(e + 52));
        d.networkType = LoadU32(e + 56);
        d.configLength = LoadU32(e + 60);
        d.beaconPeriod = LoadU32(e + 64);
        d.dsConfig = LoadU32(e + 72);
        d.mode = LoadU32(e + 92);
        for (size_t r = 0; r < 16 && e[96 + r]; ++r) d.rates.push_back(e[96 + r]);
        d.ieLength = LoadU32(e + 112);
        EXPECT_EQ(d.length, (116 + d.ieLength + 3) / 4 * 4) << "entry " << i;
        EXPECT_GE(d.ieLength, 12u);
        if (116 + d.ieLength > d.length) break;
        const uint8_t* ies = e + 116;
        d.timestamp = LoadU64(ies);
        d.beaconInterval = LoadU16(ies + 8);
        d.capabilities = LoadU16(ies + 10);
        size_t offset = 12;
        while (offset + 2 <= d.ieLength) {
            const uint8_t id = ies[offset], len = ies[offset + 1];
            if (offset + 2 + len > d.ieLength) {
                ADD_FAILURE() << "element " << int(id) << " runs past IELength";
                break;
            }
            d.elements.push_back({id, Bytes(ies + offset + 2, ies + offset + 2 + len)});
            offset += 2 + len;
        }
        EXPECT_EQ(offset, d.ieLength) << "elements fill IELength exactly";
        out.push_back(d);
        at += d.length;
    }
    EXPECT_EQ(at, size) << "NumberOfItems entries make up the whole reply";
    return out;
}

const char* kPattern = ".*";

class Scan : public ::testing::Test {
protected:
    void Use(const char* scenarioText) {
        ParseResult r = ParseScenario(scenarioText);
        ASSERT_TRUE(r.ok) << r.error;
        model = AdapterModel(r.scenario);
    }
    void Bind() { ASSERT_EQ(model.Connect(&kPattern, 1, now), StatusSuccess); }
    int32_t StartScan() { return model.Set(oid::BssidListScan, nullptr, 0, now); }
    Bytes List() {
        Bytes b(20000, 0);
        uint32_t returned = 0;
        EXPECT_EQ(model.Query(oid::BssidList, b.data(), uint32_t(b.size()), &returned, now), StatusSuccess);
        b.resize(returned);
        return b;
    }
    std::vector<Decoded> Entries() {
        Bytes b = List();
        return Walk(b.data(), b.size());
    }
    void SetU32(uint32_t o, uint32_t v) {
        uint8_t b[4];
        StoreU32(b, v);
        ASSERT_EQ(model.Set(o, b, 4, now), StatusSuccess);
    }
    void SetSsid(const std::string& ssid) {
        ndis::Ssid s{};
        s.SsidLength = uint32_t(ssid.size());
        std::memcpy(s.Ssid, ssid.data(), ssid.size());
        ASSERT_EQ(model.Set(oid::Ssid, reinterpret_cast<uint8_t*>(&s), sizeof s, now), StatusSuccess);
    }

    AdapterModel model;
    uint64_t now = 50000;
};

}  // namespace

TEST_F(Scan, ResultsArriveOnlyWhenTheScanCompletes) {
    Scenario quiet = DefaultScenario();
    quiet.backgroundScanMs = 0;  // only the requested scans
    model = AdapterModel(quiet);
    Bind();
    EXPECT_EQ(List(), Bytes(4, 0)) << "nothing heard before any scan";
    ASSERT_EQ(StartScan(), StatusSuccess);
    now += DefaultScenario().scanTimeMs - 1;
    EXPECT_EQ(List(), Bytes(4, 0));
    now += 1;
    EXPECT_EQ(Entries().size(), DefaultScenario().networks.size());

    // A new scan keeps the last results until it completes, and asking again does not delay it.
    ASSERT_EQ(StartScan(), StatusSuccess);
    EXPECT_EQ(Entries().size(), DefaultScenario().networks.size());
    now += 1000;
    ASSERT_EQ(StartScan(), StatusSuccess);
    now += DefaultScenario().scanTimeMs - 1000;
    const uint64_t first = Entries().front().timestamp;
    now += 10000;
    EXPECT_EQ(Entries().front().timestamp, first) << "no further scan was requested";
}

TEST_F(Scan, DefaultEnvironmentEntriesCarryTheirNetworks) {
    Bind();
    StartScan();
    now += 5000;
    const std::vector<Decoded> entries = Entries();
    const Scenario s = DefaultScenario();
    ASSERT_EQ(entries.size(), s.networks.size());
    bool sawEmpty = false, sawChannel14 = false;
    for (size_t i = 0; i < entries.size(); ++i) {
        const Decoded& d = entries[i];
        const Network& n = s.networks[i];
        SCOPED_TRACE(n.ssid);
        EXPECT_EQ(d.mac, n.bssid);
        EXPECT_EQ(d.ssid, n.ssid);
        EXPECT_EQ(d.privacy, n.security == Security::Open ? 0u : 1u);
        EXPECT_NEAR(d.rssi, n.rssi, 2);
        EXPECT_EQ(d.mode, n.adhoc ? 0u : 1u);
        EXPECT_EQ(d.configLength, 32u);
        EXPECT_EQ(d.beaconPeriod, 100u);
        EXPECT_EQ(d.beaconInterval, 100u);
        EXPECT_EQ(d.dsConfig, n.channel == 14 ? 2484000u : 2407000u + 5000u * n.channel);
        EXPECT_EQ(d.networkType, n.rateMbps > 11 && n.channel != 14 ? 3u : 1u) << "OFDM24 or DS";
        ASSERT_FALSE(d.rates.empty());
        EXPECT_EQ(d.rates.front(), 0x82) << "1 Mbit/s basic";
        EXPECT_EQ(d.capabilities & 0x0003, n.adhoc ? 0x0002 : 0x0001) << "IBSS or ESS";
        EXPECT_EQ((d.capabilities & 0x0010) != 0, n.security != Security::Open) << "privacy";
        // Elements: SSID, rates, DS parameter set, in that order at the front.
        ASSERT_GE(d.elements.size(), 3u);
        EXPECT_EQ(d.elements[0].first, 0);
        EXPECT_EQ(std::string(d.elements[0].second.begin(), d.elements[0].second.end()), n.ssid);
        EXPECT_EQ(d.elements[1].first, 1);
        EXPECT_LE(d.elements[1].second.size(), 8u);
        EXPECT_EQ(d.elements[2].first, 3);
        EXPECT_EQ(d.elements[2].second, Bytes{uint8_t(n.channel)});
        sawEmpty |= d.ssid.empty();
        sawChannel14 |= d.dsConfig == 2484000;
    }
    EXPECT_TRUE(sawEmpty && sawChannel14);
}

TEST_F(Scan, SecurityIsAdvertisedWithGenuineElements) {
    Use("network ssid=open bssid=00:00:00:00:00:01\n"
        "network ssid=wep bssid=00:00:00:00:00:02 security=wep wep-key=0102030405\n"
        "network ssid=tkip bssid=00:00:00:00:00:03 security=wpa-tkip passphrase=12345678\n"
        "network ssid=aes bssid=00:00:00:00:00:04 security=wpa-aes passphrase=12345678\n"
        "network ssid=ccmp bssid=00:00:00:00:00:05 security=wpa2-ccmp passphrase=12345678\n"
        "network ssid=mixed bssid=00:00:00:00:00:06 security=wpa-mixed passphrase=12345678\n"
        "network ssid=eap bssid=00:00:00:00:00:07 security=wpa-eap identity=a password=b\n"
        "network ssid=eap2 bssid=00:00:00:00:00:08 security=wpa2-eap identity=a password=b\n"
        "network ssid=radius bssid=00:00:00:00:00:09 security=8021x-wep identity=a password=b\n"
        "network ssid=cell bssid=02:00:00:00:00:0A mode=adhoc rate=11 channel=2\n");
    // WPA: OUI 00:50:F2 type 1, version 1, group suite, pairwise count and suites, AKM count and suites.
    // RSN: version 1, the same lists under OUI 00:0F:AC, then the capabilities.
    const Bytes wpaTkipPsk = {0x00, 0x50, 0xF2, 0x01, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02, 0x01, 0x00,
                              0x00, 0x50, 0xF2, 0x02, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02};
    const Bytes wpaCcmpPsk = {0x00, 0x50, 0xF2, 0x01, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x04, 0x01, 0x00,
                              0x00, 0x50, 0xF2, 0x04, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02};
    const Bytes wpaTkipEap = {0x00, 0x50, 0xF2, 0x01, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02, 0x01, 0x00,
                              0x00, 0x50, 0xF2, 0x02, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x01};
    const Bytes wpaMixed = {0x00, 0x50, 0xF2, 0x01, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02, 0x02, 0x00, 0x00, 0x50,
                            0xF2, 0x02, 0x00, 0x50, 0xF2, 0x04, 0x01, 0x00, 0x00, 0x50, 0xF2, 0x02};
    const Bytes rsnCcmpPsk = {0x01, 0x00, 0x00, 0x0F, 0xAC, 0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC,
                              0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC, 0x02, 0x00, 0x00};
    const Bytes rsnCcmpEap = {0x01, 0x00, 0x00, 0x0F, 0xAC, 0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC,
                              0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC, 0x01, 0x00, 0x00};
    const Bytes rsnMixed = {0x01, 0x00, 0x00, 0x0F, 0xAC, 0x02, 0x02, 0x00, 0x00, 0x0F, 0xAC, 0x02,
                            0x00, 0x0F, 0xAC, 0x04, 0x01, 0x00, 0x00, 0x0F, 0xAC, 0x02, 0x00, 0x00};
    const Bytes none;
    const struct {
        const char* ssid;
        uint32_t privacy;
        Bytes wpa, rsn;
    } cases[] = {
        {"open", 0, none, none},          {"wep", 1, none, none},
        {"tkip", 1, wpaTkipPsk, none},    {"aes", 1, wpaCcmpPsk, none},
        {"ccmp", 1, none, rsnCcmpPsk},    {"mixed", 1, wpaMixed, rsnMixed},
        {"eap", 1, wpaTkipEap, none},     {"eap2", 1, none, rsnCcmpEap},
        {"radius", 1, none, none},        {"cell", 0, none, none},
    };
    Bind();
    StartScan();
    now += 5000;
    const std::vector<Decoded> entries = Entries();
    ASSERT_EQ(entries.size(), std::size(cases));
    for (size_t i = 0; i < entries.size(); ++i) {
        const Decoded& d = entries[i];
        SCOPED_TRACE(cases[i].ssid);
        EXPECT_EQ(d.ssid, cases[i].ssid);
        EXPECT_EQ(d.privacy, cases[i].privacy);
        const Bytes* wpa = d.Element(221);
        const Bytes* rsn = d.Element(48);
        EXPECT_EQ(wpa ? *wpa : none, cases[i].wpa);
        EXPECT_EQ(rsn ? *rsn : none, cases[i].rsn);
    }
    // The ad hoc cell: IBSS parameter set, 802.11b rates only, DS network type.
    const Decoded& cell = entries.back();
    ASSERT_NE(cell.Element(6), nullptr);
    EXPECT_EQ(*cell.Element(6), (Bytes{0, 0}));
    EXPECT_EQ(*cell.Element(1), (Bytes{0x82, 0x84, 0x8B, 0x96}));
    EXPECT_EQ(cell.Element(50), nullptr);
    EXPECT_EQ(cell.networkType, 1u);
    EXPECT_EQ(cell.dsConfig, 2417000u);
    // An 802.11g network: eight rates in element 1, the other four in element 50.
    ASSERT_NE(entries[0].Element(50), nullptr);
    EXPECT_EQ(entries[0].Element(1)->size() + entries[0].Element(50)->size(), entries[0].rates.size());
    EXPECT_EQ(entries[0].rates.size(), 12u);
}

TEST_F(Scan, ShortBufferGetsTheNeededSizeAndNothingWritten) {
    Bind();
    StartScan();
    now += 5000;
    const size_t full = List().size();
    for (uint32_t length : {0u, 3u, 4u, uint32_t(full - 1)}) {
        Bytes b(full, 0xAB);
        uint32_t returned = 0;
        EXPECT_EQ(model.Query(oid::BssidList, b.data(), length, &returned, now), StatusBufferTooShort) << length;
        EXPECT_EQ(returned, full);
        EXPECT_EQ(b, Bytes(full, 0xAB)) << "untouched";
    }
    Bytes b(full);
    uint32_t returned = 0;
    EXPECT_EQ(model.Query(oid::BssidList, b.data(), uint32_t(full), &returned, now), StatusSuccess);
}

TEST_F(Scan, NeedsABoundAdapter) {
    EXPECT_EQ(StartScan(), StatusAdapterNotReady);
    uint8_t b[8];
    uint32_t returned = 0;
    EXPECT_EQ(model.Query(oid::BssidList, b, 8, &returned, now), StatusAdapterNotReady);
    Bind();
    StartScan();
    now += 5000;
    model.SetAdapterPresent(false);
    model.SetAdapterPresent(true);
    Bind();
    EXPECT_EQ(List(), Bytes(4, 0)) << "a removed device forgets what it heard";
}

TEST_F(Scan, OurOwnAdhocCellIsHeardInLaterScans) {
    Bind();
    SetU32(oid::InfrastructureMode, ndis::ModeIbss);
    ndis::Configuration c{32, 100, 0, 2462000, {}};
    ASSERT_EQ(model.Set(oid::Configuration, reinterpret_cast<uint8_t*>(&c), 32, now), StatusSuccess);
    SetSsid("Picnic");
    StartScan();
    now += 5000;
    std::vector<Decoded> entries = Entries();
    ASSERT_EQ(entries.size(), DefaultScenario().networks.size() + 1);
    const Decoded& cell = entries.back();
    EXPECT_EQ(cell.ssid, "Picnic");
    EXPECT_EQ(cell.mode, 0u);
    EXPECT_EQ(cell.dsConfig, 2462000u);
    EXPECT_EQ(cell.mac[0] & 0x03, 0x02) << "locally administered, not a group address";
    EXPECT_EQ(cell.capabilities & 0x0003, 0x0002);

    ASSERT_EQ(model.Set(oid::Disassociate, nullptr, 0, now), StatusSuccess);
    StartScan();
    now += 5000;
    EXPECT_EQ(Entries().size(), DefaultScenario().networks.size()) << "the cell ended with the link";
}

TEST_F(Scan, ABoundAdapterScansByItselfEveryFewSeconds) {
    const Scenario s = DefaultScenario();
    ASSERT_GT(s.backgroundScanMs, 0u);
    Bind();
    const uint64_t bound = now;
    EXPECT_EQ(List(), Bytes(4, 0));
    now = bound + s.scanTimeMs - 1;
    EXPECT_EQ(List(), Bytes(4, 0));
    now = bound + s.scanTimeMs;
    ASSERT_EQ(Entries().size(), s.networks.size()) << "the first one right after binding";
    const uint64_t first = Entries().front().timestamp;
    now = bound + s.backgroundScanMs + s.scanTimeMs - 1;
    EXPECT_EQ(Entries().front().timestamp, first);
    now += 1;
    const uint64_t second = Entries().front().timestamp;
    EXPECT_GT(second, first) << "the next one a period later";

    // A requested scan still completes scan-ms after the request, between the background ones.
    now += 1000;
    ASSERT_EQ(StartScan(), StatusSuccess);
    now += s.scanTimeMs;
    const uint64_t requested = Entries().front().timestamp;
    EXPECT_GT(requested, second);

    // Closing the binding stops them: bound again a minute later, the list is the one heard last.
    model.Disconnect();
    now += 60000;
    Bind();
    EXPECT_EQ(Entries().front().timestamp, requested);
    now += s.scanTimeMs;
    EXPECT_GT(Entries().front().timestamp, requested) << "and the new binding starts them again";
}
