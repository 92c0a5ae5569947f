// The steps ConnectToNetwork issues for each kind of profile, and the records they carry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ConnectSequence.h"
#include "adapter/portable/Ndis.h"

using connect::Step;

namespace {

WLAN_PROFILE Profile(const std::string& ssid, uint32_t securityMode = 0) {
    WLAN_PROFILE p{};
    std::memcpy(p.SSID, ssid.data(), std::min(ssid.size(), sizeof p.SSID));
    p.AssociationMode = 1;
    p.SecurityMode = securityMode;
    return p;
}

// A readable form of a step: "set 0D010118 =4", "set 0D010113 27B", "channel 2462000", "credentials".
std::string Describe(const Step& s) {
    char text[64];
    switch (s.kind) {
    case Step::Kind::Set:
        if (s.data.size() == 4) std::snprintf(text, sizeof text, "set %08X =%u", s.oid, LoadU32(s.data.data()));
        else std::snprintf(text, sizeof text, "set %08X %zuB", s.oid, s.data.size());
        return text;
    case Step::Kind::Channel:
        std::snprintf(text, sizeof text, "channel %u", s.dsConfigKhz);
        return text;
    case Step::Kind::Credentials:
        return "credentials";
    }
    return "?";
}

std::vector<std::string> Describe(const std::vector<Step>& steps) {
    std::vector<std::string> out;
    for (const Step& s : steps) out.push_back(Describe(s));
    return out;
}

std::string Set(uint32_t oid, uint32_t value) {
    char text[40];
    std::snprintf(text, sizeof text, "set %08X =%u", oid, value);
    return text;
}
const std::string kSsidSet = "set 0D010102 36B";
const std::string kAddWep = "set 0D010113 27B";

}  // namespace

TEST(ConnectSequence, SsidIsCheckedBeforeAnythingIsIssued) {
    EXPECT_TRUE(connect::ConnectSteps(Profile("")).empty());
    EXPECT_TRUE(connect::ConnectSteps(Profile(std::string(33, 'S'))).empty());
    EXPECT_TRUE(connect::ConnectSteps(Profile(std::string(40, 'S'))).empty()) << "no NUL in the field";
    EXPECT_TRUE(connect::ConnectSteps(Profile("Home", 7)).empty()) << "unknown security mode";

    const auto steps = connect::ConnectSteps(Profile(std::string(32, 'S')));
    ASSERT_FALSE(steps.empty());
    const Step& ssid = steps.back();
    EXPECT_EQ(Describe(ssid), kSsidSet);
    EXPECT_EQ(LoadU32(ssid.data.data()), 32u);
    EXPECT_EQ(std::string(ssid.data.begin() + 4, ssid.data.end()), std::string(32, 'S'));

    const auto home = connect::ConnectSteps(Profile("Home")).back();
    EXPECT_EQ(LoadU32(home.data.data()), 4u);
    EXPECT_EQ(std::string(home.data.begin() + 4, home.data.begin() + 8), "Home");
    for (size_t i = 8; i < 36; ++i) EXPECT_EQ(home.data[i], 0) << "zero padded at " << i;
}

TEST(ConnectSequence, OrderForEachSecurityMode) {
    const uint32_t infra = oid::InfrastructureMode, auth = oid::AuthenticationMode, enc = oid::EncryptionStatus,
                   remove = oid::RemoveWep;
    struct Case {
        uint32_t securityMode, encryptionLevel;
        std::vector<std::string> steps;
    };
    const Case cases[] = {
        {0, 0, {Set(infra, 1), Set(auth, 0), Set(enc, 1), Set(remove, 0), Set(remove, 1), Set(remove, 2), Set(remove, 3), kSsidSet}},
        {2, 5, {Set(infra, 1), "credentials", Set(auth, 4), Set(enc, 5), kSsidSet}},
        {2, 6, {Set(infra, 1), "credentials", Set(auth, 4), Set(enc, 7), kSsidSet}},
        {3, 5, {Set(infra, 1), "credentials", Set(auth, 3), Set(enc, 5), kSsidSet}},
        {4, 0, {Set(infra, 1), "credentials", Set(auth, 7), Set(enc, 7), kSsidSet}},
        {5, 6, {Set(infra, 1), "credentials", Set(auth, 6), Set(enc, 7), kSsidSet}},
        {6, 5, {Set(infra, 1), "credentials", Set(auth, 0), Set(enc, 0), kSsidSet}},
    };
    for (const Case& c : cases) {
        WLAN_PROFILE p = Profile("Home", c.securityMode);
        p.EncryptionLevel = c.encryptionLevel;
        EXPECT_EQ(Describe(connect::ConnectSteps(p)), c.steps) << "security mode " << c.securityMode;
    }
}

TEST(ConnectSequence, WepGivesOnlyTheTransmitKeyAndRemovesTheOthers) {
    WLAN_PROFILE p = Profile("OldMill", 1);
    p.AuthentMode = 1;
    p.DefaultKeyId = 2;
    p.EncryptionLevel = 1;
    p.IsKeyHexed = 1;
    std::strcpy(p.WEPKey[2], "0A1B2C3D4E");
    const auto steps = connect::ConnectSteps(p);
    const uint32_t remove = oid::RemoveWep;
    const std::vector<std::string> expected = {Set(oid::InfrastructureMode, 1), Set(oid::AuthenticationMode, 1),
                                               Set(remove, 0), Set(remove, 1), kAddWep, Set(remove, 3),
                                               Set(oid::EncryptionStatus, 0), kSsidSet};
    EXPECT_EQ(Describe(steps), expected);
    EXPECT_EQ(LoadU32(steps[4].data.data() + 4), 0x80000002u);

    p.DefaultKeyId = 4;  // no such key: all four removed
    const auto removedAll = Describe(connect::ConnectSteps(p));
    EXPECT_EQ(std::count(removedAll.begin(), removedAll.end(), kAddWep), 0);
    p.DefaultKeyId = 0;
    p.AuthentMode = 9;  // the monitor never writes it; open is what the engine sends
    EXPECT_EQ(Describe(connect::ConnectSteps(p))[1], Set(oid::AuthenticationMode, 0));
}

TEST(ConnectSequence, WepKeyMaterialFromHexAndFromText) {
    struct Case {
        const char* key;
        uint32_t hexed, level;
        uint32_t keyLength;
        std::vector<uint8_t> material;  // the 15 bytes, zero beyond those given
    };
    const Case cases[] = {
        {"0A1B2C3D4E", 1, 1, 5, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E}},
        {"0a1b2c3d4e", 1, 1, 5, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E}},
        {"0A1B2C3D4E5", 1, 1, 5, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E}},  // a last odd digit is dropped
        {"00112233445566778899AABBCC", 1, 2, 13,
         {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC}},
        {"ffeeddccbb", 1, 2, 13, {0xFF, 0xEE, 0xDD, 0xCC, 0xBB}},  // KeyLength follows the level, not the digits
        {"hello", 0, 1, 5, {'h', 'e', 'l', 'l', 'o'}},
        {"abc", 0, 1, 5, {'a', 'b', 'c'}},
        {"ABCDEFGHIJKLMNOP", 0, 2, 13, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M'}},
    };
    for (const Case& c : cases) {
        WLAN_PROFILE p = Profile("OldMill", 1);
        p.IsKeyHexed = c.hexed;
        p.EncryptionLevel = c.level;
        std::strcpy(p.WEPKey[1], c.key);
        const auto record = connect::WepKeyRecord(p, 1);
        EXPECT_EQ(LoadU32(record.data()), 27u) << c.key;
        EXPECT_EQ(LoadU32(record.data() + 4), 0x80000001u) << c.key;
        EXPECT_EQ(LoadU32(record.data() + 8), c.keyLength) << c.key;
        std::vector<uint8_t> material(record.begin() + 12, record.end());
        std::vector<uint8_t> expected = c.material;
        expected.resize(15, 0);
        EXPECT_EQ(material, expected) << c.key;
    }
}

TEST(ConnectSequence, PreSharedKeyCredentialsRecord) {
    WLAN_PROFILE p = Profile("Velmora-Home", 4);
    std::strcpy(p.PassPhrase, "lantern-orchard-42");
    std::strcpy(p.LoginName, "not-sent");
    const auto record = connect::CredentialsRecord(p);
    std::vector<uint8_t> expected(276, 0);
    StoreU32(expected.data(), 276);
    std::memcpy(expected.data() + 4, "lantern-orchard-42", 18);
    EXPECT_EQ(std::vector<uint8_t>(record.begin(), record.end()), expected);

    std::memset(p.PassPhrase, 'P', sizeof p.PassPhrase);  // a full field without its NUL
    const auto full = connect::CredentialsRecord(p);
    EXPECT_EQ(std::string(full.begin() + 4, full.begin() + 132), std::string(128, 'P'));
    EXPECT_EQ(full[132], 0);
}

TEST(ConnectSequence, Dot1xCredentialsRecord) {
    struct Case {
        uint32_t securityMode, entAuthenType, innerAuthen;
        uint32_t method;
        const char* secret;
        uint32_t inner;
    };
    const Case cases[] = {
        {3, 1, 3, 1, "exam-season", 3},
        {5, 1, 4, 1, "exam-season", 4},
        {5, 1, 0, 1, "exam-season", 4},  // anything but 3 goes as 4
        {6, 2, 3, 2, "CN=student", 0},
        {3, 0, 3, 0, "", 0},             // neither method named
    };
    for (const Case& c : cases) {
        WLAN_PROFILE p = Profile("Campus-Secure", c.securityMode);
        p.EntAuthenType = c.entAuthenType;
        p.InnerAuthen = c.innerAuthen;
        std::strcpy(p.LoginName, "student");
        std::strcpy(p.LoginPassword, "exam-season");
        std::strcpy(p.UserCertHash, "CN=student");
        std::strcpy(p.PassPhrase, "not-sent");
        const auto record = connect::CredentialsRecord(p);
        std::vector<uint8_t> expected(276, 0);
        StoreU32(expected.data(), 276);
        StoreU32(expected.data() + 4, c.method);
        std::memcpy(expected.data() + 8, "student", 7);
        std::memcpy(expected.data() + 137, c.secret, std::strlen(c.secret));
        StoreU32(expected.data() + 268, c.inner);
        EXPECT_EQ(std::vector<uint8_t>(record.begin(), record.end()), expected)
            << "mode " << c.securityMode << " type " << c.entAuthenType << " inner " << c.innerAuthen;
    }

    // Full-width identity and password keep their NULs and stay in their fields.
    WLAN_PROFILE p = Profile("Campus-Secure", 5);
    p.EntAuthenType = 1;
    std::memset(p.LoginName, 'I', sizeof p.LoginName);
    std::memset(p.LoginPassword, 'W', sizeof p.LoginPassword);
    const auto record = connect::CredentialsRecord(p);
    EXPECT_EQ(std::string(record.begin() + 8, record.begin() + 136), std::string(128, 'I'));
    EXPECT_EQ(record[136], 0);
    EXPECT_EQ(std::string(record.begin() + 137, record.begin() + 265), std::string(128, 'W'));
    EXPECT_EQ(record[265], 0);
    EXPECT_EQ(LoadU32(record.data() + 268), 4u);
}

TEST(ConnectSequence, AssociationModesAndTheAdHocChannel) {
    struct Case {
        uint32_t associationMode, channel;
        uint32_t infrastructure;
        bool channelStep;
        uint32_t khz;
    };
    const Case cases[] = {
        {0, 11, 0, false, 0}, {1, 11, 1, false, 0}, {2, 11, 0, true, 2462000},
        {2, 6, 0, true, 2437000}, {2, 14, 0, true, 2484000}, {3, 6, 1, false, 0},
    };
    for (const Case& c : cases) {
        WLAN_PROFILE p = Profile("PartyLine");
        p.AssociationMode = c.associationMode;
        p.Channel = c.channel;
        const auto steps = connect::ConnectSteps(p);
        ASSERT_GE(steps.size(), 2u);
        EXPECT_EQ(Describe(steps[0]), Set(oid::InfrastructureMode, c.infrastructure)) << c.associationMode;
        const bool hasChannel = steps[1].kind == Step::Kind::Channel;
        EXPECT_EQ(hasChannel, c.channelStep) << c.associationMode;
        if (hasChannel) {
            EXPECT_EQ(steps[1].dsConfigKhz, c.khz);
        }
        for (size_t i = 2; i < steps.size(); ++i) EXPECT_NE(steps[i].kind, Step::Kind::Channel);
    }
}

TEST(ConnectSequence, ChannelConfigurationKeepsTheDriversOtherFields) {
    uint8_t reply[32] = {};
    StoreU32(reply, 32);
    StoreU32(reply + 8, 3);         // ATIM window
    StoreU32(reply + 12, 2437000);
    StoreU32(reply + 16, 16);       // FH length
    auto record = connect::ChannelConfiguration(reply, 2462000);
    EXPECT_EQ(LoadU32(record.data()), 32u);
    EXPECT_EQ(LoadU32(record.data() + 4), 100u) << "a beacon period of 0 becomes 100";
    EXPECT_EQ(LoadU32(record.data() + 8), 3u);
    EXPECT_EQ(LoadU32(record.data() + 12), 2462000u);
    EXPECT_EQ(LoadU32(record.data() + 16), 16u);

    StoreU32(reply + 4, 200);
    record = connect::ChannelConfiguration(reply, 2412000);
    EXPECT_EQ(LoadU32(record.data() + 4), 200u);
}
