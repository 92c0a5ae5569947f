// The profile value table and the bounded store of values read back from the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileLayout.h"

namespace {

const profile::ValueSpec& Entry(const char* name) {
    for (const auto& s : profile::Values())
        if (std::strcmp(s.name, name) == 0) return s;
    throw std::runtime_error(name);
}

}  // namespace

TEST(ProfileLayout, ValueTableOrderKindsAndWidths) {
    const char* order[] = {"SSID", "AssociationMode", "TxRate", "Channel", "SecurityMode", "AuthentMode",
                           "EntAuthenType", "InnerAuthen", "EncryptionLevel", "DefaultKeyId", "WEPKey0", "WEPKey1",
                           "WEPKey2", "WEPKey3", "PassPhrase", "IsPassPhrase", "IsKeyHexed", "PSMode", "PreambleMode",
                           "GMode", "BurstingMode", "FragThreshold", "RTSThreshold", "ProfileID", "LoginName",
                           "LoginPassword", "UserCertHash", "ServerName", "ValidateServerCert", "AuthMethod",
                           "TTLSProtocol", "TTLSEap", "PeapEap", "DhcpEnabled", "IpAddr", "IpMask", "IpGate", "IpDns1",
                           "IpDns2", "NetworkMode"};
    auto values = profile::Values();
    ASSERT_EQ(values.size(), std::size(order));
    for (size_t i = 0; i < values.size(); ++i) EXPECT_STREQ(values[i].name, order[i]) << i;

    for (const auto& s : values) {
        const bool dword = s.kind != profile::ValueKind::Text;
        EXPECT_EQ(s.width, dword ? 4u : (std::strncmp(s.name, "WEPKey", 6) == 0 ? 27u : std::strcmp(s.name, "SSID") ? 128u : 40u))
            << s.name;
        EXPECT_EQ(s.staticOnly, std::strncmp(s.name, "Ip", 2) == 0) << s.name;
        EXPECT_LE(s.offset + s.width, sizeof(WLAN_PROFILE));
    }
    for (const char* name : {"ValidateServerCert", "AuthMethod", "TTLSProtocol", "TTLSEap", "PeapEap"})
        EXPECT_EQ(Entry(name).kind, profile::ValueKind::DwordAsText) << name;
    EXPECT_EQ(Entry("WEPKey2").offset, offsetof(WLAN_PROFILE, WEPKey) + 54);
    EXPECT_EQ(Entry("IpDns2").offset, offsetof(WLAN_PROFILE, IpDns2));
}

TEST(ProfileLayout, StoreValueKeepsTextsTerminatedAndRefusesOversizedData) {
    struct Case {
        const char* field;
        std::string data;
        std::string expectText;  // what the field reads as text afterwards
        bool unchanged;
    };
    const Case cases[] = {
        {"SSID", std::string(40, 'X'), std::string(39, 'X'), false},
        {"SSID", std::string(41, 'X'), "", true},
        {"SSID", std::string("Home\0junk", 9), "Home", false},
        {"SSID", "abc", "abc", false},  // 3 bytes, no NUL: terminated right after
        {"WEPKey1", std::string(27, 'K'), std::string(26, 'K'), false},
        {"PassPhrase", std::string(300, 'P'), "", true},
        {"LoginName", "", "", false},
    };
    for (const Case& c : cases) {
        WLAN_PROFILE p;
        std::memset(&p, 0x41, sizeof p);
        const WLAN_PROFILE before = p;
        const profile::ValueSpec& entry = Entry(c.field);
        profile::StoreValue(p, entry, reinterpret_cast<const uint8_t*>(c.data.data()), c.data.size());
        const char* field = reinterpret_cast<const char*>(profile::FieldOf(p, entry));
        if (c.unchanged) {
            EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0) << c.field << " " << c.data.size();
            continue;
        }
        if (!c.data.empty()) {
            EXPECT_EQ(std::string(field, BoundedLength(field, entry.width)), c.expectText) << c.field;
        }
        EXPECT_LT(BoundedLength(field, entry.width), entry.width) << c.field;
        // Nothing outside the field moved.
        EXPECT_EQ(std::memcmp(&p, &before, entry.offset), 0);
        EXPECT_EQ(std::memcmp(reinterpret_cast<char*>(&p) + entry.offset + entry.width,
                              reinterpret_cast<const char*>(&before) + entry.offset + entry.width,
                              sizeof p - entry.offset - entry.width),
                  0);
    }
}

TEST(ProfileLayout, StoreValueCopiesIntegersByteForByte) {
    WLAN_PROFILE p{};
    const uint8_t four[4] = {1, 0, 0, 0};
    profile::StoreValue(p, Entry("AuthMethod"), four, 4);
    EXPECT_EQ(p.AuthMethod, 1u);
    const uint8_t two[2] = {0x34, 0x12};
    p.Channel = 0xAABBCCDD;
    profile::StoreValue(p, Entry("Channel"), two, 2);
    EXPECT_EQ(p.Channel, 0xAABB1234u) << "a short value overwrites only its bytes";
    const uint8_t eight[8] = {};
    profile::StoreValue(p, Entry("Channel"), eight, 8);
    EXPECT_EQ(p.Channel, 0xAABB1234u);
}

TEST(ProfileLayout, ValidNamesAreNonEmptyTerminatedAndFlat) {
    EXPECT_TRUE(profile::IsValidName("Home"));
    EXPECT_TRUE(profile::IsValidName("Caf\xe9 / 2.4 GHz"));
    EXPECT_FALSE(profile::IsValidName(""));
    EXPECT_FALSE(profile::IsValidName(nullptr));
    EXPECT_FALSE(profile::IsValidName("a\\b"));
    EXPECT_FALSE(profile::IsValidName("\\"));
    char full[128];
    std::memset(full, 'n', sizeof full);
    EXPECT_FALSE(profile::IsValidName(full));
    full[127] = 0;
    EXPECT_TRUE(profile::IsValidName(full));
}

TEST(ProfileLayout, NewProfileNamesFollowOneRuleWhileStoredOnesStayReachable) {
    const struct {
        std::string name;
        bool creatable;
        bool reachable;  // an older version may have stored it: still read, written, deleted
    } cases[] = {
        {"Home", true, true},
        {"Caf\xe9 / 2.4 GHz", true, true},
        {"(Default Site Profile)", true, true},
        {"a.b", true, true},
        {".hidden", true, true},
        {std::string(127, 'n'), true, true},
        {"", false, false},
        {std::string(128, 'n'), false, false},
        {".", false, true},
        {"..", false, true},
        {"Home.", false, true},
        {"Home\\Cafe", false, false},
        {"Home [2]", false, true},
        {"Home]", false, true},
        {"Evil\x1b[2J", false, true},
        {"Esc\x1b", false, true},
        {"Tab\there", false, true},
        {"Line\nbreak", false, true},
        {"Del\x7f", false, true},
        {std::string("a\0b", 3), false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(profile::IsCreatableName(c.name), c.creatable) << c.name;
        char field[profile::NameWidth] = {};
        std::memcpy(field, c.name.data(), std::min(c.name.size(), sizeof field));
        const bool reachable = c.name.size() < sizeof field && c.name.find('\0') == std::string::npos &&
                               profile::IsValidName(field);
        EXPECT_EQ(reachable, c.reachable) << c.name;
    }
}

TEST(ProfileLayout, StoredValuesOfAnotherTypeReadAsAbsent) {
    constexpr uint32_t Sz = profile::TypeText, ExpandSz = profile::TypeExpandText, Dword = profile::TypeDword,
                       Binary = 3, MultiSz = 7;
    struct Case {
        const char* field;
        uint32_t type;
        std::string data;
        bool taken;
        std::string text;  // a text field afterwards; for numbers the little-endian bytes
    };
    const Case cases[] = {
        {"TxRate", Dword, std::string("\x36\0\0\0", 4), true, std::string("\x36\0\0\0", 4)},
        {"TxRate", Sz, std::string("54\0", 3), false, ""},
        {"Channel", Sz, std::string("11\0", 3), false, ""},
        {"Channel", Dword, std::string("\x0b\0", 2), false, ""},  // a REG_DWORD has four bytes
        {"Channel", Binary, std::string("\x0b\0\0\0", 4), false, ""},
        {"DhcpEnabled", Sz, std::string("yes\0", 4), false, ""},
        {"IpAddr", MultiSz, std::string("\x0a\0\0\x01", 4), false, ""},
        {"SSID", Sz, std::string("Home\0", 5), true, "Home"},
        {"SSID", ExpandSz, std::string("Home\0", 5), true, "Home"},
        {"SSID", Dword, std::string("Home", 4), false, ""},
        {"SSID", Binary, std::string("Home", 4), false, ""},
        {"LoginName", Binary, std::string("abcdef", 6), false, ""},
        {"WEPKey1", MultiSz, std::string("0A1B2C3D4E\0\0", 12), false, ""},
        {"SSID", Sz, std::string(33, 'S') + std::string(7, '\0'), true, std::string(32, 'S')},
        {"SSID", Sz, std::string(40, 'S'), true, std::string(32, 'S')},
        {"SSID", Sz, std::string(32, 'S') + std::string(8, '\0'), true, std::string(32, 'S')},
        {"AuthMethod", Sz, std::string("\x01\0\0\0", 4), true, std::string("\x01\0\0\0", 4)},
        {"AuthMethod", Sz, std::string("\x07", 1), true, std::string("\x07\0\0\0", 4)},  // by size, as ever
        {"AuthMethod", Dword, std::string("\x01\0\0\0", 4), false, ""},
        {"PeapEap", Binary, std::string("\x04\0\0\0", 4), false, ""},
    };
    const WLAN_PROFILE zero{};
    for (const Case& c : cases) {
        WLAN_PROFILE p{};
        const profile::ValueSpec& entry = Entry(c.field);
        EXPECT_EQ(profile::TakeValue(p, entry, c.type, reinterpret_cast<const uint8_t*>(c.data.data()), c.data.size()),
                  c.taken)
            << c.field << " type " << c.type;
        if (!c.taken) {
            EXPECT_EQ(std::memcmp(&p, &zero, sizeof p), 0) << "absent: the record's zero, " << c.field;
            continue;
        }
        const char* field = reinterpret_cast<const char*>(profile::FieldOf(p, entry));
        if (entry.kind == profile::ValueKind::Text) {
            EXPECT_EQ(std::string(field, BoundedLength(field, entry.width)), c.text) << c.field;
        } else {
            EXPECT_EQ(std::string(field, 4), c.text) << c.field;
        }
    }
}
