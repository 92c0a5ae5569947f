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
    void Bind() { ASSERT_EQ(model.Connect(&kPattern, 1), StatusSuccess); }
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
    EXPECT_EQ(model.Connect(&other, 1), StatusAdapterNotFound);
    EXPECT_EQ(model.Connect(nullptr, 0), StatusAdapterNotFound);
    const char* broken = "(unclosed";
    EXPECT_EQ(model.Connect(&broken, 1), StatusAdapterNotFound);
    const char* two[] = {other, kPattern};
    EXPECT_EQ(model.Connect(two, 2), StatusSuccess);
    model.SetAdapterPresent(false);
    EXPECT_FALSE(model.Bound());
    EXPECT_EQ(model.Connect(&kPattern, 1), StatusAdapterNotFound);
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
