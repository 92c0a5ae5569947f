// The simulated adapter: binding, OID layouts, failure codes, journal and association.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/Ndis.h"
#include "nvxsim/model/AdapterModel.h"
#include "nvxsim/model/Status.h"

using namespace nvxsim;

namespace {

const char* kPattern = "(pci\\\\ven_1e5a&dev_000(1|2).*|usb\\\\vid_1d49&pid_(0002|5678))";

class Model : public ::testing::Test {
protected:
    void Bind() { ASSERT_EQ(model.Connect(&kPattern, 1, now), StatusSuccess); }
    int32_t SetU32(uint32_t o, uint32_t v) {
        uint8_t b[4];
        StoreU32(b, v);
        return model.Set(o, b, 4, now);
    }
    uint32_t QueryU32(uint32_t o) {
        uint8_t b[4] = {};
        EXPECT_EQ(model.Query(o, b, 4, &returned, now), StatusSuccess) << std::hex << o;
        return LoadU32(b);
    }
    int32_t SetSsid(const std::string& ssid) {
        ndis::Ssid s{};
        s.SsidLength = uint32_t(ssid.size());
        std::memcpy(s.Ssid, ssid.data(), ssid.size());
        return model.Set(oid::Ssid, reinterpret_cast<uint8_t*>(&s), sizeof s, now);
    }
    void Credentials(const std::string& passphrase) {
        uint8_t rec[CredentialsSize] = {};
        StoreU32(rec, CredentialsSize);
        std::memcpy(rec + 4, passphrase.data(), passphrase.size());
        ASSERT_EQ(model.SetCredentials(rec, now), StatusSuccess);
    }
    bool Connected() { return QueryU32(oid::GenMediaConnectStatus) == ndis::MediaConnected; }

    AdapterModel model;
    uint64_t now = 1000;
    uint32_t returned = 0;
};

}  // namespace

TEST_F(Model, BindsOnlyAPresentAdapterThatMatches) {
    const char* other = "usb\\\\vid_dead.*";
    EXPECT_EQ(model.Connect(&other, 1, now), StatusAdapterNotFound);
    EXPECT_EQ(model.Connect(nullptr, 0, now), StatusAdapterNotFound);
    const char* broken = "(unclosed";
    EXPECT_EQ(model.Connect(&broken, 1, now), StatusAdapterNotFound);
    const char* two[] = {other, kPattern};
    EXPECT_EQ(model.Connect(two, 2, now), StatusSuccess);
    model.SetAdapterPresent(false);
    EXPECT_FALSE(model.Bound());
    EXPECT_EQ(model.Connect(&kPattern, 1, now), StatusAdapterNotFound);
}

TEST_F(Model, CallsWhileUnboundFail) {
    uint8_t b[CredentialsSize] = {};
    EXPECT_EQ(model.Query(oid::GenMediaConnectStatus, b, 4, &returned, now), StatusAdapterNotReady);
    EXPECT_EQ(model.Set(oid::Ssid, b, 36, now), StatusAdapterNotReady);
    EXPECT_EQ(model.SetCredentials(b, now), StatusAdapterNotReady);
    Bind();
    model.Disconnect();
    EXPECT_EQ(model.Query(oid::GenMediaConnectStatus, b, 4, &returned, now), StatusAdapterNotReady);
}

TEST_F(Model, SetsAreReadBackWithThePublishedLayouts) {
    Bind();
    EXPECT_EQ(SetU32(oid::InfrastructureMode, 0), StatusSuccess);
    EXPECT_EQ(QueryU32(oid::InfrastructureMode), 0u);
    EXPECT_EQ(SetU32(oid::AuthenticationMode, ndis::AuthWpa2Psk), StatusSuccess);
    EXPECT_EQ(QueryU32(oid::AuthenticationMode), ndis::AuthWpa2Psk);
    EXPECT_EQ(SetU32(oid::EncryptionStatus, ndis::EncAesKeyAbsent), StatusSuccess);
    EXPECT_EQ(QueryU32(oid::EncryptionStatus), ndis::EncAesKeyAbsent);

    ndis::Configuration c{};
    c.Length = 32;
    c.BeaconPeriod = 200;
    c.DSConfig = 2462000;
    EXPECT_EQ(model.Set(oid::Configuration, reinterpret_cast<uint8_t*>(&c), 32, now), StatusSuccess);
    ndis::Configuration back{};
    EXPECT_EQ(model.Query(oid::Configuration, reinterpret_cast<uint8_t*>(&back), 32, &returned, now), StatusSuccess);
    EXPECT_EQ(returned, 32u);
    EXPECT_EQ(back.DSConfig, 2462000u);
    EXPECT_EQ(back.BeaconPeriod, 200u);

    uint8_t mac[6];
    EXPECT_EQ(model.Query(oid::CurrentAddress, mac, 6, &returned, now), StatusSuccess);
    EXPECT_EQ(mac[1], 0x1E);
    uint8_t bssid[6];
    EXPECT_EQ(model.Query(oid::Bssid, bssid, 6, &returned, now), StatusAdapterNotReady) << "not associated";
}

TEST_F(Model, BadRequestsGetFailureCodes) {
    Bind();
    uint8_t b[64] = {};
    EXPECT_EQ(model.Query(oid::Ssid, b, 35, &returned, now), StatusBufferTooShort);
    EXPECT_EQ(returned, 36u) << "says what it needs";
    EXPECT_EQ(model.Query(0x0D010999, b, 64, &returned, now), StatusNotSupported);
    EXPECT_EQ(model.Set(0x0D010999, b, 4, now), StatusNotSupported);
    EXPECT_EQ(model.Set(oid::Ssid, b, 20, now), StatusInvalidLength);
    StoreU32(b, 33);
    EXPECT_EQ(model.Set(oid::Ssid, b, 36, now), StatusInvalidData);
    EXPECT_EQ(model.Set(oid::InfrastructureMode, b, 2, now), StatusInvalidLength);
    EXPECT_EQ(SetU32(oid::AuthenticationMode, 9), StatusInvalidData);
    EXPECT_EQ(model.Query(oid::GenMediaConnectStatus, nullptr, 4, &returned, now), StatusInvalidData);
    // WEP record whose length field disagrees with the request.
    ndis::WepKey27 w{};
    w.Length = 40;
    w.KeyLength = 5;
    EXPECT_EQ(model.Set(oid::AddWep, reinterpret_cast<uint8_t*>(&w), 27, now), StatusInvalidData);
    w.Length = 27;
    w.KeyLength = 16;
    EXPECT_EQ(model.Set(oid::AddWep, reinterpret_cast<uint8_t*>(&w), 27, now), StatusInvalidData);
    // Vendor requests must carry their tag.
    StoreU32(b, 144);
    StoreU32(b + 4, 0);
    uint8_t big[144] = {};
    std::memcpy(big, b, 8);
    EXPECT_EQ(model.Query(oid::VendorStatistics, big, 144, &returned, now), StatusInvalidData);
}

TEST_F(Model, InjectedFailuresAndTheJournal) {
    Bind();
    model.ClearJournal();
    model.FailNext(oid::Ssid, StatusFailure, 2);
    EXPECT_EQ(SetSsid("x"), StatusFailure);
    EXPECT_EQ(SetSsid("x"), StatusFailure);
    EXPECT_EQ(SetSsid("x"), StatusSuccess);
    model.FailNext(AnyOid, StatusInvalidData, 1);
    EXPECT_EQ(SetU32(oid::RemoveWep, 2), StatusInvalidData);
    model.FailNext(CallCredentials, StatusFailure, 1);
    uint8_t rec[CredentialsSize] = {};
    StoreU32(rec, CredentialsSize);
    EXPECT_EQ(model.SetCredentials(rec, now), StatusFailure);

    const auto& j = model.Journal();
    ASSERT_EQ(j.size(), 5u);
    EXPECT_EQ(j[0].kind, CallKind::Set);
    EXPECT_EQ(j[0].status, StatusFailure);
    EXPECT_EQ(j[2].status, StatusSuccess);
    EXPECT_EQ(j[2].data.size(), 36u);
    EXPECT_EQ(j[2].data[4], 'x');
    EXPECT_EQ(j[3].oid, oid::RemoveWep);
    EXPECT_EQ(j[4].kind, CallKind::Credentials);
    EXPECT_EQ(j[4].data.size(), CredentialsSize);
}

TEST_F(Model, AssociatesOnlyWithTheRightKeyAfterADelay) {
    Bind();
    SetU32(oid::InfrastructureMode, 1);
    SetU32(oid::AuthenticationMode, ndis::AuthWpa2Psk);
    SetU32(oid::EncryptionStatus, ndis::EncAesKeyAbsent);
    Credentials("wrong-passphrase");
    SetSsid("Velmora-Home");
    now += 5000;
    EXPECT_FALSE(Connected());

    Credentials("lantern-orchard-42");
    SetSsid("Velmora-Home");
    EXPECT_FALSE(Connected()) << "association takes a moment";
    now += 1000;
    EXPECT_TRUE(Connected());
    EXPECT_EQ(QueryU32(oid::EncryptionStatus), ndis::EncAesEnabled);
    uint8_t bssid[6];
    EXPECT_EQ(model.Query(oid::Bssid, bssid, 6, &returned, now), StatusSuccess);
    EXPECT_EQ(bssid[5], 0x33);
    const int32_t rssi = int32_t(QueryU32(oid::Rssi));
    EXPECT_GE(rssi, -50);
    EXPECT_LE(rssi, -46);

    const uint32_t before = QueryU32(oid::GenRcvOk);
    now += 10000;
    EXPECT_GT(QueryU32(oid::GenRcvOk), before) << "counters grow while connected";

    EXPECT_EQ(model.Set(oid::Disassociate, nullptr, 0, now), StatusSuccess);
    EXPECT_FALSE(Connected());
}

TEST_F(Model, WepNeedsTheTransmitKeyMaterial) {
    Bind();
    SetU32(oid::AuthenticationMode, ndis::AuthOpen);
    ndis::WepKey27 w{};
    w.Length = 27;
    w.KeyIndex = ndis::WepTransmitKey | 1;
    w.KeyLength = 5;
    const uint8_t key[5] = {0x0A, 0x1B, 0x2C, 0x3D, 0x4E};
    std::memcpy(w.KeyMaterial, key, 5);
    EXPECT_EQ(model.Set(oid::AddWep, reinterpret_cast<uint8_t*>(&w), 27, now), StatusSuccess);
    SetU32(oid::EncryptionStatus, ndis::EncWepEnabled);
    SetSsid("OldMill");
    now += 1000;
    EXPECT_TRUE(Connected());

    SetU32(oid::RemoveWep, 1);
    SetSsid("OldMill");
    now += 1000;
    EXPECT_FALSE(Connected()) << "no transmit key";
}

TEST_F(Model, AdhocStartsItsOwnCellWhenNoneIsInRange) {
    Bind();
    SetU32(oid::InfrastructureMode, 0);
    ndis::Configuration c{32, 100, 0, 2462000, {}};
    model.Set(oid::Configuration, reinterpret_cast<uint8_t*>(&c), 32, now);
    SetSsid("MyCell");
    now += 1000;
    EXPECT_TRUE(Connected());
    ndis::Configuration back{};
    model.Query(oid::Configuration, reinterpret_cast<uint8_t*>(&back), 32, &returned, now);
    EXPECT_EQ(back.DSConfig, 2462000u);

    SetSsid("ONRAT-QUILLMXVWRadio2");  // infrastructure dummy: nothing of that name anywhere
    SetU32(oid::InfrastructureMode, 1);
    SetSsid("ONRAT-QUILLMXVWRadio2");
    now += 1000;
    EXPECT_FALSE(Connected());
}

TEST_F(Model, VendorRecordsCarryRatesNoiseAndDriverVersion) {
    Bind();
    uint8_t stats[144] = {};
    StoreU32(stats, 144);
    StoreU32(stats + 4, ndis::VendorRequestTag);
    ASSERT_EQ(model.Query(oid::VendorStatistics, stats, 144, &returned, now), StatusSuccess);
    EXPECT_EQ(int32_t(LoadU32(stats + 60)), -92);
    uint8_t info[92] = {};
    std::memset(info + 88, 0xEE, 4);
    StoreU32(info, 92);
    StoreU32(info + 4, ndis::VendorRequestTag);
    EXPECT_EQ(model.Query(oid::VendorDriverInfo, info, 87, &returned, now), StatusBufferTooShort);
    ASSERT_EQ(model.Query(oid::VendorDriverInfo, info, 88, &returned, now), StatusSuccess);
    EXPECT_EQ(LoadU16(info + 18), 5);
    EXPECT_EQ(LoadU16(info + 24), 41);
    EXPECT_EQ(info[88], 0xEE) << "nothing past the queried length";
}

namespace {

// An 802.1X record laid out field by field: method at 4, identity 8-136, secret 137-267, inner method at 268.
std::vector<uint8_t> EapRecord(uint32_t method, const std::string& identity, const std::string& secret,
                               uint32_t inner) {
    std::vector<uint8_t> rec(CredentialsSize, 0);
    StoreU32(rec.data(), CredentialsSize);
    StoreU32(rec.data() + 4, method);
    std::memcpy(rec.data() + 8, identity.data(), identity.size() < 129 ? identity.size() : 129);
    std::memcpy(rec.data() + 137, secret.data(), secret.size() < 131 ? secret.size() : 131);
    StoreU32(rec.data() + 268, inner);
    return rec;
}

}  // namespace

TEST_F(Model, EnterpriseCredentialsMustBeLaidOutAsTheRecordDefines) {
    ParseResult r = ParseScenario(
        "timing associate-ms=100\n"
        "network ssid=Campus bssid=00:17:0F:21:31:41 security=wpa2-eap identity=student password=exam-season\n"
        "network ssid=Lab bssid=00:17:0F:21:31:42 security=wpa-eap identity=robot certificate=\"Robot Cert\"\n"
        "network ssid=Radius bssid=00:17:0F:21:31:43 security=8021x-wep identity=guest password=visitor\n");
    ASSERT_TRUE(r.ok) << r.error;
    model = AdapterModel(r.scenario);
    Bind();
    std::vector<uint8_t> reservedSet = EapRecord(1, "student", "exam-season", 4);
    reservedSet[272] = 1;
    std::vector<uint8_t> longIdentity = EapRecord(1, std::string(129, 'x'), "exam-season", 4);
    std::vector<uint8_t> longSecret = EapRecord(1, "student", std::string(131, 's'), 4);
    const struct {
        const char* why;
        const char* ssid;
        uint32_t auth, encryption;
        std::vector<uint8_t> record;
        bool up;
    } cases[] = {
        {"password login, inner 4", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, EapRecord(1, "student", "exam-season", 4), true},
        {"password login, inner 3", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, EapRecord(1, "student", "exam-season", 3), true},
        {"inner method missing", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, EapRecord(1, "student", "exam-season", 0), false},
        {"wrong password", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, EapRecord(1, "student", "exam-seasoN", 4), false},
        {"wrong identity", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, EapRecord(1, "Student", "exam-season", 4), false},
        {"no method", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, EapRecord(0, "student", "exam-season", 4), false},
        {"reserved not zero", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, reservedSet, false},
        {"identity without its NUL", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, longIdentity, false},
        {"secret without its NUL", "Campus", ndis::AuthWpa2, ndis::EncAesKeyAbsent, longSecret, false},
        {"cipher the network does not offer", "Campus", ndis::AuthWpa2, ndis::EncTkipKeyAbsent, EapRecord(1, "student", "exam-season", 4), false},
        {"certificate login", "Lab", ndis::AuthWpa, ndis::EncTkipKeyAbsent, EapRecord(2, "robot", "Robot Cert", 0), true},
        {"certificate with inner method", "Lab", ndis::AuthWpa, ndis::EncTkipKeyAbsent, EapRecord(2, "robot", "Robot Cert", 4), false},
        {"certificate named as password", "Lab", ndis::AuthWpa, ndis::EncTkipKeyAbsent, EapRecord(1, "robot", "Robot Cert", 4), false},
        {"RADIUS with WEP", "Radius", ndis::AuthOpen, ndis::EncWepEnabled, EapRecord(1, "guest", "visitor", 4), true},
    };
    for (const auto& c : cases) {
        SetU32(oid::InfrastructureMode, 1);
        SetU32(oid::AuthenticationMode, c.auth);
        SetU32(oid::EncryptionStatus, c.encryption);
        ASSERT_EQ(model.SetCredentials(c.record.data(), now), StatusSuccess) << c.why;
        SetSsid(c.ssid);
        now += 200;
        EXPECT_EQ(Connected(), c.up) << c.why;
    }
}

TEST_F(Model, PassphraseIsTakenFromByteFourUpToTheZeroFill) {
    Bind();
    SetU32(oid::AuthenticationMode, ndis::AuthWpaPsk);
    SetU32(oid::EncryptionStatus, ndis::EncTkipKeyAbsent);
    const struct {
        std::string passphrase;
        bool up;
    } cases[] = {{"tidewater2006", true}, {"tidewater200", false}, {"tidewater20066", false}, {"", false}};
    for (const auto& c : cases) {
        Credentials(c.passphrase);
        SetSsid("Harbour Office");
        now += 1000;
        EXPECT_EQ(Connected(), c.up) << c.passphrase;
    }
    // A record with nothing but characters after the length has no end to its passphrase.
    uint8_t full[CredentialsSize];
    std::memset(full, 'a', sizeof full);
    StoreU32(full, CredentialsSize);
    ASSERT_EQ(model.SetCredentials(full, now), StatusSuccess);
    SetSsid("Harbour Office");
    now += 1000;
    EXPECT_FALSE(Connected());
}

TEST_F(Model, ConnectionStatusQueryCanBeMadeToFailWithAnyCode) {
    Bind();
    for (int32_t code : {4, 5}) {
        model.FailNext(oid::GenMediaConnectStatus, code, 2);
        uint8_t b[4] = {0xEE, 0xEE, 0xEE, 0xEE};
        EXPECT_EQ(model.Query(oid::GenMediaConnectStatus, b, 4, &returned, now), code);
        EXPECT_EQ(model.Query(oid::GenMediaConnectStatus, b, 4, &returned, now), code);
        EXPECT_EQ(LoadU32(b), 0xEEEEEEEEu) << "a failed query writes nothing";
        EXPECT_EQ(model.Query(oid::GenMediaConnectStatus, b, 4, &returned, now), StatusSuccess);
    }
}

TEST_F(Model, DummySsidTakesTheAdapterOffTheAirInEitherMode) {
    Bind();
    SetU32(oid::InfrastructureMode, 1);
    SetU32(oid::AuthenticationMode, ndis::AuthOpen);
    SetU32(oid::EncryptionStatus, ndis::EncDisabled);
    SetSsid("Corner Cafe");
    now += 1000;
    ASSERT_TRUE(Connected());
    SetSsid(DummySsid);
    EXPECT_FALSE(Connected());

    SetU32(oid::InfrastructureMode, 0);
    SetSsid("PartyLine");
    now += 1000;
    ASSERT_TRUE(Connected());
    SetSsid(DummySsid);  // an ad hoc station would otherwise start a cell of that name
    now += 5000;
    EXPECT_FALSE(Connected());
    EXPECT_EQ(model.Set(oid::Disassociate, nullptr, 0, now), StatusSuccess);
    ndis::Ssid s{};
    ASSERT_EQ(model.Query(oid::Ssid, reinterpret_cast<uint8_t*>(&s), sizeof s, &returned, now), StatusSuccess);
    EXPECT_EQ(s.SsidLength, 0u);
}

TEST_F(Model, CountersOnlyGrowAcrossReconnectsAndClosedBindings) {
    Bind();
    SetU32(oid::AuthenticationMode, ndis::AuthOpen);
    SetU32(oid::EncryptionStatus, ndis::EncDisabled);
    SetSsid("Corner Cafe");
    now += 20000;
    const uint32_t rcv = QueryU32(oid::GenRcvOk), xmit = QueryU32(oid::GenXmitOk);
    EXPECT_GT(rcv, 0u);
    EXPECT_GT(xmit, 0u);
    uint8_t bytes[8];
    ASSERT_EQ(model.Query(oid::GenDirectedBytesRcv, bytes, 8, &returned, now), StatusSuccess);
    const uint64_t rcvBytes = LoadU64(bytes);
    EXPECT_GT(rcvBytes, 0u);

    SetSsid("Corner Cafe");  // reassociation
    EXPECT_GE(QueryU32(oid::GenRcvOk), rcv);
    now += 5000;
    EXPECT_GT(QueryU32(oid::GenRcvOk), rcv);
    ASSERT_EQ(model.Query(oid::GenDirectedBytesRcv, bytes, 8, &returned, now), StatusSuccess);
    EXPECT_GT(LoadU64(bytes), rcvBytes);

    // Closing the binding closes our handle, not the driver's link.
    model.Disconnect();
    Bind();
    EXPECT_TRUE(Connected());
}

TEST(Journal, LinesNameTheCallAndNeverCarryCredentials) {
    EXPECT_EQ(JournalLine({CallKind::Set, 0x0D010114, 4, 0, {0x02, 0x00, 0x00, 0x00}}), "set 0D010114 4 00000000 02000000");
    EXPECT_EQ(JournalLine({CallKind::Query, 0x00010114, 4, 4, {}}), "query 00010114 4 00000004 -");
    EXPECT_EQ(JournalLine({CallKind::Set, 0x0D010115, 0, int32_t(0xC0010011), {}}), "set 0D010115 0 C0010011 -");
    EXPECT_EQ(JournalLine({CallKind::Connect, CallConnect, 1, 0, {}}), "connect FFFF0001 1 00000000 -");
    std::vector<uint8_t> secret(CredentialsSize, 'k');
    EXPECT_EQ(JournalLine({CallKind::Credentials, CallCredentials, CredentialsSize, 0, secret}),
              "credentials FFFF0002 276 00000000 -");
}

TEST(Timeline, AdapterComesAndGoesAsPlugAndPlayReportsIt) {
    ParseResult r = ParseScenario(
        "adapter present=no\n"
        "timing associate-ms=0\n"
        "network ssid=Cafe bssid=00:00:00:00:00:01\n"
        "at 8 adapter present=yes\n"
        "at 20 adapter present=no\n");
    ASSERT_TRUE(r.ok) << r.error;
    AdapterModel model(r.scenario, 100000);
    uint8_t b[4] = {};
    uint32_t returned = 0;
    const struct {
        uint64_t atMs;   // since loading
        int32_t bind;    // nvxConnectByHardwareId, or 1: not called
        int32_t status;  // the media query afterwards
        uint32_t events;
    } steps[] = {
        {0, StatusAdapterNotFound, StatusAdapterNotReady, 0},  // absent from the start: nothing changed
        {7999, 1, StatusAdapterNotReady, 0},
        {8000, 1, StatusDeviceChanged, 1},                     // plugged in: unbound requests answer 4
        {8500, StatusSuccess, StatusSuccess, 0},               // bound: the change is over
        {20000, 1, StatusDeviceChanged, 1},                    // pulled out while bound
        {21000, StatusAdapterNotFound, StatusDeviceChanged, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.atMs);
        const uint64_t now = 100000 + step.atMs;
        if (step.bind != 1) {
            EXPECT_EQ(model.Connect(&kPattern, 1, now), step.bind);
        }
        EXPECT_EQ(model.Query(oid::GenMediaConnectStatus, b, 4, &returned, now), step.status);
        EXPECT_EQ(model.TakeDeviceEvents(), step.events);
    }
    EXPECT_FALSE(model.NextTimelineMs().has_value());
}

TEST(Timeline, NetworksArriveMoveAndLeaveAndTheLinkFollows) {
    ParseResult r = ParseScenario(
        "timing associate-ms=0 scan-ms=0 background-scan-ms=0\n"
        "network ssid=Cafe bssid=00:00:00:00:00:01 rssi=-70\n"
        "at 5 network ssid=Cafe bssid=00:00:00:00:00:01 rssi=-40\n"
        "at 10 gone ssid=Cafe\n"
        "at 15 network ssid=Other bssid=00:00:00:00:00:02\n"
        "at 20 network ssid=Cafe bssid=00:00:00:00:00:03 rssi=-55\n");
    ASSERT_TRUE(r.ok) << r.error;
    AdapterModel model(r.scenario, 0);
    ASSERT_EQ(model.Connect(&kPattern, 1, 0), StatusSuccess);
    ndis::Ssid ssid{4, {'C', 'a', 'f', 'e'}};
    ASSERT_EQ(model.Set(oid::Ssid, reinterpret_cast<uint8_t*>(&ssid), sizeof ssid, 0), StatusSuccess);
    const struct {
        uint64_t atMs;
        bool connected;
        int32_t rssi;   // of the link, ±2 of jitter
        size_t heard;   // networks in a scan made then
    } steps[] = {{1000, true, -70, 1}, {5000, true, -40, 1}, {10000, false, 0, 0},
                 {15000, false, 0, 1}, {20000, true, -55, 2}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.atMs);
        uint8_t b[4] = {};
        uint32_t returned = 0;
        ASSERT_EQ(model.Query(oid::GenMediaConnectStatus, b, 4, &returned, step.atMs), StatusSuccess);
        EXPECT_EQ(LoadU32(b), step.connected ? ndis::MediaConnected : ndis::MediaDisconnected);
        if (step.connected) {
            ASSERT_EQ(model.Query(oid::Rssi, b, 4, &returned, step.atMs), StatusSuccess);
            EXPECT_NEAR(int32_t(LoadU32(b)), step.rssi, 2);
        }
        ASSERT_EQ(model.Set(oid::BssidListScan, nullptr, 0, step.atMs), StatusSuccess);
        std::vector<uint8_t> list(20000);
        ASSERT_EQ(model.Query(oid::BssidList, list.data(), uint32_t(list.size()), &returned, step.atMs), StatusSuccess);
        EXPECT_EQ(LoadU32(list.data()), step.heard);
    }
}
