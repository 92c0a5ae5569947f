// GetNetworkStatus, GetNetworkStatistics, GetSignalInfo and the site survey exports against the simulated adapter.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/AdhocDecision.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "adapter/portable/ScanList.h"
#include "adapter/wifiapi.h"
#include "nvxsim/model/Status.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

// Two adapters as the IP Helper lists them; the second is described as the monitor's adapter.
struct FakeAdapters {
    IP_ADAPTER_INFO entries[2] = {};
    DWORD fetchError = ERROR_SUCCESS;
    int calls = 0;
};
FakeAdapters g_fake;

void SetAddress(IP_ADDR_STRING& a, const char* ip, const char* mask = "") {
    std::snprintf(a.IpAddress.String, sizeof a.IpAddress.String, "%s", ip);
    std::snprintf(a.IpMask.String, sizeof a.IpMask.String, "%s", mask);
}

DWORD WINAPI FakeGetAdaptersInfo(PIP_ADAPTER_INFO info, PULONG size) {
    ++g_fake.calls;
    const ULONG needed = sizeof g_fake.entries;
    if (!info || *size < needed) {
        *size = needed;
        return ERROR_BUFFER_OVERFLOW;
    }
    if (g_fake.fetchError) return g_fake.fetchError;
    std::memcpy(info, g_fake.entries, needed);
    info[0].Next = &info[1];
    info[1].Next = nullptr;
    return ERROR_SUCCESS;
}

class LinkStatusTest : public ::testing::Test {
protected:
    void SetUp() override {
        nvxsimReset();
        ASSERT_EQ(ConnectToAdapter(), 0);
        g_fake = FakeAdapters{};
        IP_ADAPTER_INFO& wired = g_fake.entries[0];
        std::strcpy(wired.Description, "eth0");
        SetAddress(wired.IpAddressList, "10.0.0.5", "255.0.0.0");
        IP_ADAPTER_INFO& wireless = g_fake.entries[1];
        std::strcpy(wireless.Description, WIFIAPI_ADAPTER_XP " - Packet Scheduler Miniport");
        SetAddress(wireless.IpAddressList, "192.168.1.23", "255.255.255.0");
        SetAddress(wireless.GatewayList, "192.168.1.1");
        SetAddress(wireless.DhcpServer, "192.168.1.254");
        wireless.DhcpEnabled = 1;
        seams::Platform platform = seams::Current();
        platform.getAdaptersInfo = &FakeGetAdaptersInfo;
        previous_ = seams::Replace(platform);
        nvxsimClearJournal();
    }
    void TearDown() override { seams::Replace(previous_); }

    // Connects with the default environment's network and waits out the association.
    void Associate(const char* ssid, uint32_t securityMode, const char* passphrase, uint32_t encryptionLevel = 6) {
        WLAN_PROFILE p{};
        std::snprintf(p.SSID, sizeof p.SSID, "%s", ssid);
        p.AssociationMode = 1;
        p.SecurityMode = securityMode;
        p.EncryptionLevel = encryptionLevel;
        std::snprintf(p.PassPhrase, sizeof p.PassPhrase, "%s", passphrase);
        if (securityMode == 1) {
            p.IsKeyHexed = 1;
            p.EncryptionLevel = 1;
            std::strcpy(p.WEPKey[0], passphrase);
        }
        ASSERT_EQ(ConnectToNetwork(&p), 0);
        nvxsimAdvanceClock(1000);
        uint32_t state = 1;
        ASSERT_EQ(GetConnectionStatus(&state), 0);
        ASSERT_EQ(state, ndis::MediaConnected) << ssid;
        nvxsimClearJournal();
    }

    seams::Platform previous_{};
};

template <typename T>
void Fill(T& record, uint8_t byte) {
    std::memset(&record, byte, sizeof record);
}

bool AllZero(const uint8_t* p, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (p[i]) return false;
    return true;
}

}  // namespace

TEST_F(LinkStatusTest, NetworkStatusFieldByField) {
    struct Case {
        const char* ssid;
        uint32_t securityMode;
        const char* key;
        uint32_t encryptionLevel;
        uint32_t speed, channel, encryption, authMode;
        uint8_t bssid[6];
    };
    const Case cases[] = {
        {"Velmora-Home", 4, "lantern-orchard-42", 6, 54, 6, 3, 7, {0x00, 0x14, 0x6C, 0xA1, 0x22, 0x33}},
        {"Harbour Office", 2, "tidewater2006", 5, 11, 1, 2, 4, {0x00, 0x1B, 0x2F, 0x10, 0x44, 0x01}},
        {"OldMill", 1, "0A1B2C3D4E", 1, 54, 11, 1, 0, {0x00, 0x0F, 0x66, 0x3C, 0x9A, 0x10}},
        {"Corner Cafe", 0, "", 0, 54, 3, 0, 0, {0x00, 0x13, 0x10, 0x55, 0x66, 0x77}},
        {"Lighthouse", 2, "beam-across-bay", 6, 54, 14, 3, 4, {0x00, 0x21, 0x91, 0xAB, 0xCD, 0xEF}},  // 2,484,000 kHz
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ssid);
        Disconnect();
        Associate(c.ssid, c.securityMode, c.key, c.encryptionLevel);
        NETWORK_STATUS s;
        Fill(s, 0xAA);
        ASSERT_EQ(GetNetworkStatus(WIFIAPI_ADAPTER_XP, &s), 0);
        EXPECT_EQ(s.MediaState, 0);
        EXPECT_STREQ(s.Ssid, c.ssid);
        EXPECT_TRUE(AllZero(reinterpret_cast<uint8_t*>(s.Ssid) + std::strlen(c.ssid), sizeof s.Ssid - std::strlen(c.ssid)));
        EXPECT_EQ(s.InfrastructureMode, 1u);
        EXPECT_EQ(s.LinkSpeed, c.speed);
        EXPECT_EQ(s.Channel, c.channel);
        EXPECT_EQ(s.Encryption, c.encryption);
        EXPECT_EQ(s.AuthMode, c.authMode);
        EXPECT_STREQ(s.IpAddress, "192.168.1.23");
        EXPECT_STREQ(s.SubnetMask, "255.255.255.0");
        EXPECT_STREQ(s.Gateway, "192.168.1.1");
        EXPECT_STREQ(s.DhcpServer, "192.168.1.254");
        EXPECT_EQ(s.DhcpEnabled, 1);
        EXPECT_EQ(std::vector<uint8_t>(s.MacAddress, s.MacAddress + 6),
                  (std::vector<uint8_t>{0x00, 0x1E, 0x5A, 0x4B, 0x20, 0x11}));
        EXPECT_EQ(std::vector<uint8_t>(s.Bssid, s.Bssid + 6), std::vector<uint8_t>(c.bssid, c.bssid + 6));
        EXPECT_TRUE(AllZero(s.Reserved1, sizeof s.Reserved1));
        EXPECT_TRUE(AllZero(s.Reserved2, sizeof s.Reserved2));
    }

    // The queries, in order, each with its fixed size.
    std::vector<std::pair<uint32_t, uint32_t>> queries;
    for (const Call& c : Journal(NVXSIM_QUERY)) queries.push_back({c.oid, c.length});
    const std::vector<std::pair<uint32_t, uint32_t>> expected = {
        {oid::GenMediaConnectStatus, 4}, {oid::Ssid, 36}, {oid::InfrastructureMode, 4}, {oid::GenLinkSpeed, 4},
        {oid::Configuration, 32}, {oid::EncryptionStatus, 4}, {oid::AuthenticationMode, 4}, {oid::Bssid, 6},
        {oid::CurrentAddress, 6}};
    EXPECT_EQ(queries, expected);
}

TEST_F(LinkStatusTest, NetworkStatusStopsAtTheFirstFailingQuery) {
    // Disconnected: the record is filled as far as the driver answers; the BSSID query fails.
    NETWORK_STATUS s;
    Fill(s, 0xAA);
    EXPECT_EQ(GetNetworkStatus(WIFIAPI_ADAPTER_XP, &s), nvxsim::StatusAdapterNotReady);
    EXPECT_EQ(s.MediaState, 1);
    EXPECT_STREQ(s.Ssid, "");
    EXPECT_EQ(s.InfrastructureMode, 1u);
    EXPECT_EQ(s.LinkSpeed, 54u);
    EXPECT_EQ(s.Channel, 6u);
    EXPECT_EQ(s.Encryption, 0u);
    EXPECT_STREQ(s.IpAddress, "");
    EXPECT_TRUE(AllZero(s.MacAddress, 6));
    EXPECT_EQ(g_fake.calls, 0);

    for (uint32_t failing : {oid::GenMediaConnectStatus, oid::Configuration}) {
        nvxsimClearJournal();
        Fill(s, 0xAA);
        nvxsimFailNext(failing, nvxsim::StatusFailure, 1);
        EXPECT_EQ(GetNetworkStatus(WIFIAPI_ADAPTER_XP, &s), nvxsim::StatusFailure);
        EXPECT_EQ(Journal().back().oid, failing) << "nothing asked after the failure";
        EXPECT_EQ(s.Channel, 0u);
        EXPECT_EQ(s.AuthMode, 0u);
    }
    EXPECT_EQ(s.MediaState, 1) << "filled before the configuration failed";

    // The adapter's own address is optional.
    Associate("Corner Cafe", 0, "");
    nvxsimFailNext(oid::CurrentAddress, nvxsim::StatusNotSupported, 1);
    EXPECT_EQ(GetNetworkStatus(WIFIAPI_ADAPTER_XP, &s), 0);
    EXPECT_TRUE(AllZero(s.MacAddress, 6));
    EXPECT_STREQ(s.IpAddress, "192.168.1.23");
}

TEST_F(LinkStatusTest, NetworkStatusAddressesFollowTheAdapterDescription) {
    Associate("Corner Cafe", 0, "");
    struct Case {
        const char* description;
        const char* ip;
    };
    const Case cases[] = {
        {WIFIAPI_ADAPTER_XP, "192.168.1.23"},
        {"eth", "10.0.0.5"},                              // compared over the given text's length
        {"", "10.0.0.5"},                                 // the first adapter
        {"nuvex networks polyray (tm) wireless adapter", ""},  // case-sensitive
        {WIFIAPI_ADAPTER_OTHER, ""},
        {nullptr, ""},
    };
    for (const Case& c : cases) {
        NETWORK_STATUS s;
        EXPECT_EQ(GetNetworkStatus(c.description, &s), 0) << (c.description ? c.description : "(null)");
        EXPECT_STREQ(s.IpAddress, c.ip) << (c.description ? c.description : "(null)");
        EXPECT_EQ(s.MediaState, 0);
    }

    // An IP Helper failure is the result; the driver part stays filled.
    g_fake.fetchError = ERROR_NOT_SUPPORTED;
    NETWORK_STATUS s;
    EXPECT_EQ(GetNetworkStatus(WIFIAPI_ADAPTER_XP, &s), int32_t(ERROR_NOT_SUPPORTED));
    EXPECT_STREQ(s.Ssid, "Corner Cafe");
    EXPECT_STREQ(s.IpAddress, "");
    EXPECT_NE(GetNetworkStatus(WIFIAPI_ADAPTER_XP, nullptr), 0);
}

TEST_F(LinkStatusTest, NetworkStatisticsFieldByField) {
    Associate("Velmora-Home", 4, "lantern-orchard-42");
    nvxsimAdvanceClock(10000);
    NETWORK_STATISTICS s;
    Fill(s, 0xAA);
    EXPECT_EQ(GetNetworkStatistics("PCI\\VEN_1E5A&DEV_0002", &s), 0);
    EXPECT_EQ(s.TransmitRate, 54u);
    EXPECT_EQ(s.ReceiveRate, 54u);
    EXPECT_EQ(s.NoiseLevel, -92);
    EXPECT_GE(s.SignalStrength, -50);
    EXPECT_LE(s.SignalStrength, -46);
    EXPECT_EQ(s.DriverVersion[0], 5);
    EXPECT_EQ(s.DriverVersion[1], 3);
    EXPECT_EQ(s.DriverVersion[2], 0);
    EXPECT_EQ(s.DriverVersion[3], 41);
    // The simulator counts from the association, about 10 s ago: a frame every 40 ms out, 25 ms in.
    EXPECT_GE(s.PacketsTransmitted, 250u);
    EXPECT_LT(s.PacketsTransmitted, 300u);
    EXPECT_GE(s.PacketsReceived, 400u);
    EXPECT_LT(s.PacketsReceived, 480u);
    EXPECT_GE(s.BytesTransmitted, 250u * 310);
    EXPECT_LT(s.BytesTransmitted, 300u * 310);
    EXPECT_EQ(s.BytesTransmitted % 310, 0u);
    EXPECT_GE(s.BytesReceived, 400u * 870);
    EXPECT_EQ(s.BytesReceived % 870, 0u);

    std::vector<std::pair<uint32_t, uint32_t>> queries;
    for (const Call& c : Journal(NVXSIM_QUERY)) {
        queries.push_back({c.oid, c.length});
        EXPECT_EQ(c.status, 0) << std::hex << c.oid << ": the vendor requests carry their tag";
    }
    const std::vector<std::pair<uint32_t, uint32_t>> expected = {
        {oid::VendorStatistics, 144}, {oid::Rssi, 4}, {oid::VendorDriverInfo, 88}, {oid::GenRcvOk, 4},
        {oid::GenXmitOk, 4}, {oid::GenDirectedBytesRcv, 8}, {oid::GenDirectedBytesXmit, 8}};
    EXPECT_EQ(queries, expected);
}

TEST_F(LinkStatusTest, StatisticsAndSignalNeverFail) {
    DisconnectToAdapter();  // every query now fails
    NETWORK_STATISTICS s;
    Fill(s, 0xAA);
    EXPECT_EQ(GetNetworkStatistics(nullptr, &s), 0);
    EXPECT_TRUE(AllZero(reinterpret_cast<uint8_t*>(&s), sizeof s));
    SIGNAL_INFO info{-1, -1};
    EXPECT_EQ(GetSignalInfo(&info), 0);
    EXPECT_EQ(info.Rssi, 0);
    EXPECT_EQ(info.Reserved, 0);

    ASSERT_EQ(ConnectToAdapter(), 0);
    Associate("Velmora-Home", 4, "lantern-orchard-42");
    info = SIGNAL_INFO{0, -1};
    EXPECT_EQ(GetSignalInfo(&info), 0);
    EXPECT_GE(info.Rssi, -50);
    EXPECT_LE(info.Rssi, -46);
    EXPECT_EQ(info.Reserved, 0);
    EXPECT_EQ(Journal(NVXSIM_QUERY).back().length, 4u);
    EXPECT_EQ(GetLinkQualityIndex(info.Rssi), 0);
    EXPECT_EQ(GetLinkQualityIndex(-68), 2);
}

TEST_F(LinkStatusTest, SiteSurveyPassesTheDriversResultsThrough) {
    const int32_t scan = ScanSiteInfo();
    auto calls = Journal();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, uint32_t(NVXSIM_SET));
    EXPECT_EQ(calls[0].oid, oid::BssidListScan);
    EXPECT_EQ(calls[0].length, 0u);
    EXPECT_EQ(scan, calls[0].status);
    nvxsimFailNext(oid::BssidListScan, nvxsim::StatusFailure, 1);
    EXPECT_EQ(ScanSiteInfo(), nvxsim::StatusFailure);
    nvxsimAdvanceClock(2000);  // the first scan has completed: the list no longer fits 16 bytes

    // A buffer too small for even one network: the driver's code, and the buffer as it was.
    // The whole list is read once to look for networks that fit; a refusal that names
    // no larger size is taken as it is.
    for (bool injected : {false, true}) {
        nvxsimClearJournal();
        if (injected) nvxsimFailNext(oid::BssidList, nvxsim::StatusBufferTooShort, 1);
        uint8_t buffer[16];
        std::memset(buffer, 0xCC, sizeof buffer);
        const int32_t rc = GetSiteInfo(buffer, sizeof buffer);
        EXPECT_NE(rc, 0);
        if (injected) {
            EXPECT_EQ(rc, nvxsim::StatusBufferTooShort);
        }
        calls = Journal();
        ASSERT_EQ(calls.size(), injected ? 1u : 2u);
        EXPECT_EQ(calls[0].oid, oid::BssidList);
        EXPECT_EQ(calls[0].length, 16u);
        EXPECT_EQ(calls[0].status, rc);
        if (!injected) {
            EXPECT_EQ(calls[1].oid, oid::BssidList);
            EXPECT_GT(calls[1].length, 16u);
            EXPECT_EQ(calls[1].status, 0);
        }
        for (uint8_t b : buffer) EXPECT_EQ(b, 0xCC);
    }
}

namespace {

// A block of flats: `count` networks with 32-character SSIDs; `adhoc` lists the
// indexes that are ad hoc cells on channel 2.
std::string CrowdedScenario(int count, std::initializer_list<int> adhoc) {
    std::string text = "timing associate-ms=100 scan-ms=100\n";
    const char* kinds[] = {"open", "wep", "wpa-tkip", "wpa2-ccmp", "wpa-mixed", "wpa2-eap"};
    for (int i = 0; i < count; ++i) {
        char line[400];
        const bool cell = std::find(adhoc.begin(), adhoc.end(), i) != adhoc.end();
        const char* kind = cell ? "open" : kinds[i % 6];
        const char* credentials = std::strcmp(kind, "wep") == 0          ? " wep-key=0A1B2C3D4E"
                                  : std::strcmp(kind, "wpa2-eap") == 0   ? " identity=student password=exam-season"
                                  : std::strcmp(kind, "open") == 0       ? ""
                                                                         : " passphrase=lantern-orchard-42";
        std::snprintf(line, sizeof line,
                      "network ssid=\"Flat %03d at Harbour View Block A\" bssid=00:1A:2B:00:%02X:%02X channel=%d "
                      "rssi=-%d security=%s%s%s\n",
                      i, i / 256, i % 256, cell ? 2 : 1 + i % 13, 40 + i % 50, kind, credentials, cell ? " mode=adhoc" : "");
        text += line;
    }
    return text;
}

std::vector<std::pair<std::string, uint8_t>> Networks(const uint8_t* list, size_t size) {
    std::vector<std::pair<std::string, uint8_t>> out;
    for (const scan::Entry& e : scan::ScanList(list, size, scan::NoEntryLimit)) out.emplace_back(e.ssid, e.mac[5]);
    return out;
}

}  // namespace

TEST_F(LinkStatusTest, CrowdedSurveyDeliversTheFirstNetworksThatFit) {
    char error[200] = {};
    ASSERT_EQ(nvxsimLoadScenarioText(CrowdedScenario(200, {3, 190}).c_str(), error, sizeof error), 0) << error;
    ASSERT_EQ(ConnectToAdapter(), 0);
    ASSERT_EQ(ScanSiteInfo(), 0);
    nvxsimAdvanceClock(200);

    // The driver's whole list, for comparison: 200 networks, far more than 12,004 bytes.
    std::vector<uint8_t> whole(200000, 0);
    ASSERT_EQ(GetOid(oid::BssidList, whole.data(), uint32_t(whole.size())), 0);
    const auto all = Networks(whole.data(), whole.size());
    ASSERT_EQ(all.size(), 200u);
    std::vector<size_t> ends;  // where each entry ends in the whole list
    for (const scan::Entry& e : scan::ScanList(whole.data(), whole.size(), scan::NoEntryLimit))
        ends.push_back(e.offset + LoadU32(whole.data() + e.offset));
    ASSERT_GT(ends.back(), size_t(WIFIAPI_SCAN_BUFFER_SIZE));

    std::vector<uint8_t> buffer(WIFIAPI_SCAN_BUFFER_SIZE + 16, 0xCC);
    nvxsimClearJournal();
    ASSERT_EQ(GetSiteInfo(buffer.data(), WIFIAPI_SCAN_BUFFER_SIZE), 0);
    const uint32_t count = LoadU32(buffer.data());
    ASSERT_GT(count, 50u) << "the networks that fit are listed";
    EXPECT_LE(ends[count - 1], size_t(WIFIAPI_SCAN_BUFFER_SIZE));
    EXPECT_GT(ends[count], size_t(WIFIAPI_SCAN_BUFFER_SIZE)) << "as many as fit";
    const auto delivered = Networks(buffer.data(), WIFIAPI_SCAN_BUFFER_SIZE);
    EXPECT_EQ(delivered, std::vector(all.begin(), all.begin() + count)) << "the first ones, in the driver's order";
    for (size_t i = WIFIAPI_SCAN_BUFFER_SIZE; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], 0xCC) << i;
    const auto calls = Journal(NVXSIM_QUERY);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].length, uint32_t(WIFIAPI_SCAN_BUFFER_SIZE));
    EXPECT_EQ(calls[1].length, uint32_t(ends.back())) << "the size the driver asked for";

    // The ad hoc decision sees a cell among the first networks and joins it; one
    // far down the list is beyond what the monitor's buffer holds.
    for (const auto& [index, joins] : {std::pair{3, true}, std::pair{190, false}}) {
        WLAN_PROFILE p{};
        std::snprintf(p.SSID, sizeof p.SSID, "Flat %03d at Harbour View Block A", index);
        p.AssociationMode = 2;
        p.Channel = 2;
        adhoc::DecideAssociationMode(p, buffer.data(), WIFIAPI_SCAN_BUFFER_SIZE);
        EXPECT_EQ(p.AssociationMode, joins ? 0u : 2u) << index;
    }
}
