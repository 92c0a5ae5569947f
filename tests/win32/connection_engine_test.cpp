// ConnectToNetwork, Disconnect and GetConnectionStatus against the simulated adapter's journal.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"
#include "nvxsim/model/Status.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

class ConnectionEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        nvxsimReset();
        ASSERT_EQ(ConnectToAdapter(), 0);
        nvxsimClearJournal();
    }
};

WLAN_PROFILE Profile(const char* ssid, uint32_t securityMode = 0, uint32_t associationMode = 1) {
    WLAN_PROFILE p{};
    std::snprintf(p.SSID, sizeof p.SSID, "%s", ssid);
    p.AssociationMode = associationMode;
    p.SecurityMode = securityMode;
    return p;
}

// The calls since the last clear, readable: "set 0D010118 =7", "query 0D010211 32", "credentials".
std::vector<std::string> Calls() {
    std::vector<std::string> out;
    for (const Call& c : Journal()) {
        char text[64];
        if (c.kind == NVXSIM_CREDENTIALS) std::snprintf(text, sizeof text, "credentials");
        else if (c.kind == NVXSIM_QUERY) std::snprintf(text, sizeof text, "query %08X %u", c.oid, c.length);
        else if (c.length == 4) std::snprintf(text, sizeof text, "set %08X =%u", c.oid, U32At(c.data, 0));
        else std::snprintf(text, sizeof text, "set %08X %u", c.oid, c.length);
        out.push_back(text);
    }
    return out;
}

std::string Set(uint32_t oid, uint32_t value) {
    char text[40];
    std::snprintf(text, sizeof text, "set %08X =%u", oid, value);
    return text;
}

const std::string kSsid = "set 0D010102 36";

Call Last(uint32_t oid) {
    Call found{};
    for (const Call& c : Journal())
        if (c.oid == oid) found = c;
    return found;
}

uint32_t MediaAfterAssociation() {
    nvxsimAdvanceClock(1000);  // past the simulator's association delay
    uint32_t state = 0xFF;
    EXPECT_EQ(GetConnectionStatus(&state), 0);
    return state;
}

std::vector<uint8_t> Record(uint32_t method, const char* identity, const char* secret, uint32_t inner) {
    std::vector<uint8_t> r(276, 0);
    r[0] = 276 & 0xFF;
    r[1] = 276 >> 8;
    std::memcpy(r.data() + 4, &method, 4);
    std::memcpy(r.data() + 8, identity, std::strlen(identity));
    std::memcpy(r.data() + 137, secret, std::strlen(secret));
    std::memcpy(r.data() + 268, &inner, 4);
    return r;
}

}  // namespace

TEST_F(ConnectionEngineTest, WepGivesTheTransmitKeyInIndexOrderAndAssociates) {
    for (const char* key : {"0A1B2C3D4E", "0a1b2c3d4e"}) {
        SCOPED_TRACE(key);
        nvxsimClearJournal();
        WLAN_PROFILE p = Profile("OldMill", 1);
        p.DefaultKeyId = 2;
        p.EncryptionLevel = 1;
        p.IsKeyHexed = 1;
        std::strcpy(p.WEPKey[2], key);
        std::strcpy(p.WEPKey[0], "FFFFFFFFFF");  // not the transmit key: never sent
        EXPECT_EQ(ConnectToNetwork(&p), 0);
        const uint32_t remove = oid::RemoveWep;
        const std::vector<std::string> expected = {Set(oid::InfrastructureMode, 1), Set(oid::AuthenticationMode, 0),
                                                   Set(remove, 0), Set(remove, 1), "set 0D010113 27", Set(remove, 3),
                                                   Set(oid::EncryptionStatus, 0), kSsid};
        EXPECT_EQ(Calls(), expected);
        const Call add = Last(oid::AddWep);
        EXPECT_EQ(U32At(add.data, 0), 27u);
        EXPECT_EQ(U32At(add.data, 4), 0x80000002u);
        EXPECT_EQ(U32At(add.data, 8), 5u);
        EXPECT_EQ(std::vector<uint8_t>(add.data.begin() + 12, add.data.end()),
                  (std::vector<uint8_t>{0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected);
        Disconnect();
    }
}

TEST_F(ConnectionEngineTest, PreSharedKeyCredentialsComeBeforeTheSecurityOids) {
    struct Case {
        const char* passphrase;
        uint32_t media;
    };
    for (const Case& c : {Case{"lantern-orchard-42", ndis::MediaConnected}, Case{"lantern-orchard-43", ndis::MediaDisconnected}}) {
        SCOPED_TRACE(c.passphrase);
        Disconnect();
        nvxsimClearJournal();
        WLAN_PROFILE p = Profile("Velmora-Home", 4);
        p.EncryptionLevel = 6;
        std::strcpy(p.PassPhrase, c.passphrase);
        EXPECT_EQ(ConnectToNetwork(&p), 0);
        EXPECT_EQ(Calls(), (std::vector<std::string>{Set(oid::InfrastructureMode, 1), "credentials",
                                                      Set(oid::AuthenticationMode, 7), Set(oid::EncryptionStatus, 7), kSsid}));
        std::vector<uint8_t> expected(276, 0);
        expected[0] = 276 & 0xFF;
        expected[1] = 276 >> 8;
        std::memcpy(expected.data() + 4, c.passphrase, std::strlen(c.passphrase));
        EXPECT_EQ(Journal(NVXSIM_CREDENTIALS).at(0).data, expected);
        EXPECT_EQ(MediaAfterAssociation(), c.media);
    }
}

TEST_F(ConnectionEngineTest, Dot1xCredentialsRecordByteByByte) {
    struct Case {
        const char* ssid;
        uint32_t securityMode, entAuthenType, innerAuthen;
        std::vector<uint8_t> record;
        uint32_t authMode, encryption;
        uint32_t media;
    };
    const Case cases[] = {
        {"Campus-Secure", 5, 1, 3, Record(1, "student", "exam-season", 3), 6, 7, ndis::MediaConnected},
        {"Campus-Secure", 5, 1, 4, Record(1, "student", "exam-season", 4), 6, 7, ndis::MediaConnected},
        {"Campus-Secure", 5, 1, 1, Record(1, "student", "exam-season", 4), 6, 7, ndis::MediaConnected},
        // The scenario's campus takes a password, not a certificate.
        {"Campus-Secure", 6, 2, 3, Record(2, "student", "CN=student", 0), 0, 0, ndis::MediaDisconnected},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.securityMode) + "/" + std::to_string(c.entAuthenType) + "/" + std::to_string(c.innerAuthen));
        Disconnect();
        nvxsimClearJournal();
        WLAN_PROFILE p = Profile(c.ssid, c.securityMode);
        p.EntAuthenType = c.entAuthenType;
        p.InnerAuthen = c.innerAuthen;
        p.EncryptionLevel = 6;
        std::strcpy(p.LoginName, "student");
        std::strcpy(p.LoginPassword, "exam-season");
        std::strcpy(p.UserCertHash, "CN=student");
        EXPECT_EQ(ConnectToNetwork(&p), 0);
        EXPECT_EQ(Calls(), (std::vector<std::string>{Set(oid::InfrastructureMode, 1), "credentials",
                                                      Set(oid::AuthenticationMode, c.authMode),
                                                      Set(oid::EncryptionStatus, c.encryption), kSsid}));
        EXPECT_EQ(Journal(NVXSIM_CREDENTIALS).at(0).data, c.record);
        EXPECT_EQ(MediaAfterAssociation(), c.media);
    }
}

TEST_F(ConnectionEngineTest, SsidLengthDecidesWhetherAnythingIsIssued) {
    WLAN_PROFILE p = Profile("");
    std::memset(p.SSID, 'S', 33);
    EXPECT_EQ(ConnectToNetwork(&p), 1);
    p = Profile("");
    EXPECT_EQ(ConnectToNetwork(&p), 1);
    EXPECT_EQ(ConnectToNetwork(nullptr), 1);
    EXPECT_TRUE(Journal().empty());

    p = Profile("");
    std::memset(p.SSID, 'S', 32);
    EXPECT_EQ(ConnectToNetwork(&p), 0);
    const Call ssid = Last(oid::Ssid);
    EXPECT_EQ(U32At(ssid.data, 0), 32u);
    EXPECT_EQ(std::string(ssid.data.begin() + 4, ssid.data.end()), std::string(32, 'S'));
}

TEST_F(ConnectionEngineTest, AdHocChannelIsSetOnlyForANewCell) {
    WLAN_PROFILE p = Profile("OwnCell", 0, 2);
    p.Channel = 11;
    EXPECT_EQ(ConnectToNetwork(&p), 0);
    const std::vector<std::string> calls = Calls();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], Set(oid::InfrastructureMode, 0));
    EXPECT_EQ(calls[1], "query 0D010211 32");
    EXPECT_EQ(calls[2], "set 0D010211 32");
    const Call config = Last(oid::Configuration);
    EXPECT_EQ(U32At(config.data, 0), 32u);
    EXPECT_EQ(U32At(config.data, 4), 100u);
    EXPECT_EQ(U32At(config.data, 12), 2462000u);
    EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected) << "the simulator starts our own cell";
    NETWORK_STATUS status;
    ASSERT_EQ(GetNetworkStatus(WIFIAPI_ADAPTER_XP, &status), 0);
    EXPECT_EQ(status.Channel, 11u);

    nvxsimClearJournal();
    p = Profile("PartyLine", 0, 0);
    EXPECT_EQ(ConnectToNetwork(&p), 0);
    for (const Call& c : Journal()) EXPECT_NE(c.oid, oid::Configuration) << "joining sets no configuration";
    EXPECT_EQ(Calls().front(), Set(oid::InfrastructureMode, 0));
    EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected);
}

TEST_F(ConnectionEngineTest, RefusedCredentialsStopTheConnect) {
    WLAN_PROFILE p = Profile("Velmora-Home", 4, 2);
    p.Channel = 6;
    std::strcpy(p.PassPhrase, "lantern-orchard-42");
    nvxsimFailNext(NVXSIM_CALL_CREDENTIALS, nvxsim::StatusFailure, 1);
    EXPECT_EQ(ConnectToNetwork(&p), 1);
    EXPECT_EQ(Calls(), (std::vector<std::string>{Set(oid::InfrastructureMode, 0), "query 0D010211 32",
                                                  "set 0D010211 32", "credentials"}));
}

TEST_F(ConnectionEngineTest, DisconnectSetsTheDummySsidThenDisassociates) {
    EXPECT_EQ(Disconnect(), 0);
    const auto calls = Journal();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].oid, oid::Ssid);
    EXPECT_EQ(calls[0].length, 36u);
    EXPECT_EQ(U32At(calls[0].data, 0), 21u);
    std::string dummy(calls[0].data.begin() + 4, calls[0].data.end());
    EXPECT_EQ(dummy, std::string("ONRAT-QUILLMXVWRadio2") + std::string(11, '\0'));
    EXPECT_EQ(calls[1].oid, oid::Disassociate);
    EXPECT_EQ(calls[1].length, 0u);
    EXPECT_TRUE(calls[1].data.empty());

    nvxsimFailNext(oid::Ssid, nvxsim::StatusFailure, 1);
    nvxsimFailNext(oid::Disassociate, nvxsim::StatusInvalidData, 1);
    EXPECT_EQ(Disconnect(), nvxsim::StatusInvalidData) << "the result of the disassociation";
}

TEST_F(ConnectionEngineTest, ConnectionStatusReadsTheMediaState) {
    uint32_t state = 0xFF;
    EXPECT_EQ(GetConnectionStatus(&state), 0);
    EXPECT_EQ(state, ndis::MediaDisconnected);
    EXPECT_EQ(Journal().back().length, 4u);

    WLAN_PROFILE p = Profile("Corner Cafe");
    ASSERT_EQ(ConnectToNetwork(&p), 0);
    EXPECT_EQ(MediaAfterAssociation(), ndis::MediaConnected);
    Disconnect();
    EXPECT_EQ(GetConnectionStatus(&state), 0);
    EXPECT_EQ(state, ndis::MediaDisconnected);

    DisconnectToAdapter();
    EXPECT_EQ(GetConnectionStatus(&state), nvxsim::StatusAdapterNotReady);
    EXPECT_NE(GetConnectionStatus(nullptr), 0);
}
