// Profiles in Wine's registry: round trips, the stored form, hostile stored values, the current profile.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "adapter/StoredProfiles.h"
#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/wifiapi.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

const std::string kKey = profile::KeyPath;

class ProfileStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteTree(kKey.c_str());
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void TearDown() override { DeleteTree(kKey.c_str()); }
};

WLAN_PROFILE Sample(const char* name) {
    WLAN_PROFILE p{};
    std::strcpy(p.ProfileName, name);
    std::strcpy(p.SSID, "Velmora-Home");
    p.AssociationMode = 1;
    p.TxRate = 54;
    p.Channel = 6;
    p.NetworkMode = 3;
    p.DhcpEnabled = 0;
    p.SecurityMode = 1;
    p.AuthentMode = 2;
    p.EncryptionLevel = 2;
    p.DefaultKeyId = 2;
    p.IsPassPhrase = 1;
    p.IsKeyHexed = 1;
    p.PSMode = 1;
    p.PreambleMode = 2;
    p.GMode = 1;
    p.BurstingMode = 1;
    p.FragThreshold = 2346;
    p.RTSThreshold = 2347;
    p.EntAuthenType = 1;
    p.InnerAuthen = 4;
    p.ValidateServerCert = 1;
    std::strcpy(p.PassPhrase, "lantern orchard");
    for (int i = 0; i < 4; ++i) std::snprintf(p.WEPKey[i], 27, "%026d", 1234567 * (i + 1));
    std::strcpy(p.ProfileID, "id-7");
    std::strcpy(p.LoginName, "student");
    std::strcpy(p.LoginPassword, "exam-season");
    std::strcpy(p.ServerName, "radius.campus");
    std::strcpy(p.UserCertHash, "Student Certificate");
    p.AuthMethod = 1;
    p.TTLSProtocol = 2;
    p.TTLSEap = 3;
    p.PeapEap = 4;
    p.IpAddr = 0x0A01A8C0;  // 192.168.1.10
    p.IpMask = 0x00FFFFFF;
    p.IpGate = 0x0101A8C0;
    p.IpDns1 = 0x0101A8C0;
    p.IpDns2 = 0x08080808;
    return p;
}

struct StoredValue {
    bool exists = false;
    DWORD type = 0;
    std::vector<uint8_t> data;
};

StoredValue Stored(const std::string& subkey, const char* name) {
    StoredValue v;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kKey + "\\" + subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return v;
    BYTE data[1024];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &v.type, data, &size) == ERROR_SUCCESS) {
        v.exists = true;
        v.data.assign(data, data + size);
    }
    RegCloseKey(key);
    return v;
}

void Put(const std::string& subkey, const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_TRUE(PutValue(kKey + "\\" + subkey, name, type, data, size));
}

WLAN_PROFILE Named(const char* name, uint8_t fill) {
    WLAN_PROFILE p;
    std::memset(&p, fill, sizeof p);
    std::memset(p.ProfileName, 0, sizeof p.ProfileName);
    std::strcpy(p.ProfileName, name);
    return p;
}

}  // namespace

TEST_F(ProfileStoreTest, StaticProfileRoundTripsEveryField) {
    WLAN_PROFILE written = Sample("Office");
    ASSERT_EQ(WriteProfile(&written), 0);
    WLAN_PROFILE read = Named("Office", 0);
    ASSERT_EQ(ReadProfile(&read), 0);
    EXPECT_EQ(std::memcmp(&read, &written, sizeof read), 0);
}

TEST_F(ProfileStoreTest, StoredFormFollowsTheValueTable) {
    WLAN_PROFILE p = Sample("Form");
    p.AuthMethod = 1;
    ASSERT_EQ(WriteProfile(&p), 0);
    int texts = 0, dwords = 0;
    for (const profile::ValueSpec& entry : profile::Values()) {
        StoredValue v = Stored("Form", entry.name);
        ASSERT_TRUE(v.exists) << entry.name;
        EXPECT_EQ(v.data.size(), entry.width) << entry.name;
        EXPECT_EQ(std::memcmp(v.data.data(), profile::FieldOf(p, entry), entry.width), 0) << entry.name;
        EXPECT_EQ(v.type, entry.kind == profile::ValueKind::Dword ? DWORD(REG_DWORD) : DWORD(REG_SZ)) << entry.name;
        (v.type == REG_SZ ? texts : dwords)++;
    }
    EXPECT_EQ(texts, 16) << "SSID, 4 keys, 6 texts and 5 integers stored as text";
    EXPECT_EQ(dwords, 24);
    EXPECT_EQ(Stored("Form", "SSID").data.size(), 40u);
    EXPECT_EQ(Stored("Form", "WEPKey3").data.size(), 27u);
    EXPECT_EQ(Stored("Form", "AuthMethod").data, (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST_F(ProfileStoreTest, DhcpProfileWritesNoAddressesAndKeepsEarlierOnes) {
    WLAN_PROFILE p = Sample("Roam");
    ASSERT_EQ(WriteProfile(&p), 0);
    p.DhcpEnabled = 1;
    p.IpAddr = 0x01020304;
    ASSERT_EQ(WriteProfile(&p), 0);
    EXPECT_EQ(Stored("Roam", "IpAddr").data, (std::vector<uint8_t>{0xC0, 0xA8, 0x01, 0x0A})) << "earlier value stays";

    WriteProfile(&p);
    DeleteProfile("Fresh");
    std::strcpy(p.ProfileName, "Fresh");
    ASSERT_EQ(WriteProfile(&p), 0);
    EXPECT_FALSE(Stored("Fresh", "IpAddr").exists);
    EXPECT_FALSE(Stored("Fresh", "IpDns2").exists);

    WLAN_PROFILE read = Named("Roam", 0x5A);
    ASSERT_EQ(ReadProfile(&read), 0);
    EXPECT_EQ(read.DhcpEnabled, 1u);
    EXPECT_EQ(read.IpAddr, 0x5A5A5A5Au) << "address fields unchanged from the caller's record";
    EXPECT_EQ(read.IpDns2, 0x5A5A5A5Au);
}

TEST_F(ProfileStoreTest, EdgeValuesRoundTrip) {
    WLAN_PROFILE p = Sample("Edge");
    std::memset(p.SSID, 0, sizeof p.SSID);
    std::memset(p.SSID, 'S', 32);
    p.AuthMethod = 1;
    p.ValidateServerCert = 0;
    p.PeapEap = 0x01020304;
    ASSERT_EQ(WriteProfile(&p), 0);
    EXPECT_EQ(Stored("Edge", "SSID").data[32], 0) << "the 40-byte value keeps its NUL";
    WLAN_PROFILE read = Named("Edge", 0);
    ASSERT_EQ(ReadProfile(&read), 0);
    EXPECT_EQ(std::string(read.SSID), std::string(32, 'S'));
    EXPECT_EQ(read.AuthMethod, 1u);
    EXPECT_EQ(read.ValidateServerCert, 0u);
    EXPECT_EQ(read.PeapEap, 0x01020304u);
}

TEST_F(ProfileStoreTest, MissingProfileLeavesTheRecordUntouched) {
    WLAN_PROFILE p = Named("Nowhere", 0x77);
    const WLAN_PROFILE before = p;
    EXPECT_NE(ReadProfile(&p), 0);
    EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST_F(ProfileStoreTest, HostileStoredValuesNeverOverrunAFieldAndLeaveOthersAlone) {
    WLAN_PROFILE written = Sample("Hostile");
    ASSERT_EQ(WriteProfile(&written), 0);
    char ssid40[40];
    std::memset(ssid40, 'X', sizeof ssid40);
    Put("Hostile", "SSID", REG_SZ, ssid40, 40);                      // no NUL at all
    Put("Hostile", "LoginName", REG_BINARY, "abcdef", 6);             // wrong type, no NUL
    std::string longText(300, 'L');
    Put("Hostile", "PassPhrase", REG_SZ, longText.c_str(), 301);      // too long
    Put("Hostile", "WEPKey1", REG_MULTI_SZ, "0123456789ABCDEF0123456789XYZ", 30);  // 30 > 27
    Put("Hostile", "Channel", REG_SZ, "11", 3);                       // text where a DWORD belongs
    uint32_t big[3] = {1, 2, 3};
    Put("Hostile", "TxRate", REG_BINARY, big, sizeof big);            // too large for a u32
    HKEY key;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kKey + "\\Hostile").c_str(), 0, KEY_ALL_ACCESS, &key);
    RegDeleteValueA(key, "ServerName");
    RegDeleteValueA(key, "RTSThreshold");
    RegCloseKey(key);

    WLAN_PROFILE read = Named("Hostile", 0x33);
    ASSERT_EQ(ReadProfile(&read), 0);
    EXPECT_EQ(std::string(read.SSID, BoundedLength(read.SSID, 40)), std::string(32, 'X')) << "a network name's 32";
    EXPECT_EQ(read.SSID[39], 0);
    EXPECT_EQ(read.LoginName[0], 0x33) << "wrong type: unchanged";
    EXPECT_EQ(read.PassPhrase[0], 0x33) << "too long: unchanged";
    EXPECT_EQ(read.WEPKey[1][0], 0x33);
    EXPECT_STREQ(read.WEPKey[0], written.WEPKey[0]);
    EXPECT_EQ(read.Channel, 0x33333333u) << "text where a number belongs: unchanged";
    EXPECT_EQ(read.TxRate, 0x33333333u);
    EXPECT_EQ(read.ServerName[0], 0x33) << "missing: unchanged";
    EXPECT_EQ(read.RTSThreshold, 0x33333333u);
    EXPECT_EQ(read.FragThreshold, written.FragThreshold);
    EXPECT_STREQ(read.UserCertHash, written.UserCertHash);
}

TEST_F(ProfileStoreTest, ValuesOfAnotherTypeReadAsAbsentAndSsidsAsANetworkName) {
    WLAN_PROFILE written = Sample("Odd");
    ASSERT_EQ(WriteProfile(&written), 0);
    const std::string ssid33 = std::string(33, 'S') + std::string(7, '\0');
    const struct {
        const char* name;
        DWORD type;
        std::string data;
    } stored[] = {
        {"TxRate", REG_SZ, std::string("54\0", 3)},
        {"Channel", REG_DWORD, std::string("\x0b\0", 2)},  // two bytes are no REG_DWORD
        {"DhcpEnabled", REG_SZ, std::string("yes\0", 4)},
        {"SecurityMode", REG_BINARY, std::string("\x04\0\0\0", 4)},
        {"LoginName", REG_DWORD, std::string("root", 4)},
        {"AuthMethod", REG_BINARY, std::string("\x02\0\0\0", 4)},
        {"SSID", REG_SZ, ssid33},
    };
    for (const auto& v : stored) Put("Odd", v.name, v.type, v.data.data(), DWORD(v.data.size()));

    WLAN_PROFILE read = Named("Odd", 0);
    ASSERT_EQ(ReadProfile(&read), 0);
    EXPECT_EQ(read.TxRate, 0u) << "not 13365";
    EXPECT_EQ(read.Channel, 0u);
    EXPECT_EQ(read.SecurityMode, 0u);
    EXPECT_STREQ(read.LoginName, "");
    EXPECT_EQ(read.AuthMethod, 0u);
    EXPECT_EQ(read.DhcpEnabled, 0u) << "not DHCP: static, as the editor shows it";
    EXPECT_EQ(read.IpAddr, written.IpAddr) << "the static addresses are read then";
    EXPECT_EQ(std::string(read.SSID), std::string(32, 'S'));
    EXPECT_EQ(BoundedLength(read.SSID, sizeof read.SSID), 32u);
    EXPECT_EQ(read.TTLSEap, written.TTLSEap) << "the rest as stored";
    EXPECT_STREQ(read.PassPhrase, written.PassPhrase);
}

TEST_F(ProfileStoreTest, NamesThatWouldNestOrEscapeAreRefused) {
    WLAN_PROFILE p = Sample("Outer\\Inner");
    EXPECT_EQ(WriteProfile(&p), ERROR_INVALID_NAME);
    EXPECT_FALSE(Stored("Outer", "SSID").exists);
    EXPECT_EQ(DeleteProfile("Outer\\Inner"), ERROR_INVALID_NAME);
    p.ProfileName[0] = 0;
    EXPECT_EQ(WriteProfile(&p), ERROR_INVALID_NAME) << "empty name would write into the profile key itself";
    EXPECT_EQ(DeleteProfile(""), ERROR_INVALID_NAME);
    std::memset(p.ProfileName, 'N', sizeof p.ProfileName);
    EXPECT_EQ(WriteProfile(&p), ERROR_INVALID_NAME);
    EXPECT_EQ(ReadProfile(&p), ERROR_INVALID_NAME);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD values = 0, subkeys = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    EXPECT_EQ(values, 0u);
    EXPECT_EQ(subkeys, 0u);
}

TEST_F(ProfileStoreTest, WriteReportsARegistryFailure) {
    // Below a volatile key the registry refuses a lasting subkey.
    DeleteTree(kKey.c_str());
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
    WLAN_PROFILE p = Sample("Refused");
    EXPECT_EQ(WriteProfile(&p), ERROR_CHILD_MUST_BE_VOLATILE);
}

TEST_F(ProfileStoreTest, DeleteRemovesOnlyALeafProfile) {
    WLAN_PROFILE p = Sample("Gone");
    ASSERT_EQ(WriteProfile(&p), 0);
    EXPECT_EQ(DeleteProfile("Gone"), 0);
    EXPECT_FALSE(Stored("Gone", "SSID").exists);
    EXPECT_NE(DeleteProfile("Gone"), 0);

    ASSERT_EQ(WriteProfile(&p), 0);
    Put("Gone\\Child", "x", REG_DWORD, "\1\0\0\0", 4);
    EXPECT_NE(DeleteProfile("Gone"), 0) << "a subkey with subkeys stays";
    EXPECT_TRUE(Stored("Gone", "SSID").exists);
}

TEST_F(ProfileStoreTest, CurrentProfileAndInternetState) {
    char untouched[128];
    std::memset(untouched, '?', sizeof untouched);
    ASSERT_EQ(GetCurrentProfile(untouched), 0) << "no CurProfile yet";
    EXPECT_EQ(std::count(untouched, untouched + sizeof untouched, '?'), 128) << "the buffer as it was";

    WLAN_PROFILE p = Sample("Home");
    ASSERT_EQ(SetCurrentProfile(p.ProfileName), 0);
    StoredValue v = Stored("", "CurProfile");
    EXPECT_EQ(v.type, DWORD(REG_SZ));
    EXPECT_EQ(v.data.size(), 128u);
    char name[128];
    std::memset(name, 0x44, sizeof name);
    ASSERT_EQ(GetCurrentProfile(name), 0);
    EXPECT_STREQ(name, "Home");

    char full[128];
    std::memset(full, 'Z', sizeof full);
    Put("", "CurProfile", REG_SZ, full, 128);
    ASSERT_EQ(GetCurrentProfile(name), 0);
    EXPECT_EQ(BoundedLength(name, 128), 127u) << "terminated within 128 bytes";

    EXPECT_EQ(IsInternetOk(), 1) << "no probe has run yet";
    DWORD state = 0;
    Put("", "InternetState", REG_DWORD, &state, 4);
    EXPECT_EQ(IsInternetOk(), 0);
    state = 1;
    Put("", "InternetState", REG_DWORD, &state, 4);
    EXPECT_EQ(IsInternetOk(), 1);

    DeleteTree(kKey.c_str());
    EXPECT_EQ(SetCurrentProfile(p.ProfileName), 1);
    std::strcpy(name, "kept");
    EXPECT_EQ(GetCurrentProfile(name), 1);
    EXPECT_STREQ(name, "kept");
    EXPECT_EQ(IsInternetOk(), 1);
}

TEST_F(ProfileStoreTest, StoredNamesAreEverySubkeyAndExistsFindsOne) {
    EXPECT_EQ(profile::StoredNames(), std::vector<std::string>{}) << "no profiles";
    const std::string longName(130, 'L');  // listed, though no record holds it
    for (const std::string& name : {std::string("Home"), std::string("!Office"), std::string("(Default Site Profile)"),
                                    std::string("b"), std::string("A"), longName})
        Put(name, "SSID", REG_SZ, "x", 2);
    Put("", "CurProfile", REG_SZ, "Gone", 5);  // values are no profiles
    Put("Home\\Inner", "x", REG_DWORD, "\1\0\0\0", 4);

    std::optional<std::vector<std::string>> names = profile::StoredNames();
    ASSERT_TRUE(names);
    std::sort(names->begin(), names->end());  // the registry's own order is its business
    EXPECT_EQ(*names, (std::vector<std::string>{"!Office", "(Default Site Profile)", "A", "Home", longName, "b"}));

    const struct {
        std::string name;
        bool exists;
    } cases[] = {{"Home", true}, {"(Default Site Profile)", true}, {longName, true}, {"home", true},
                 {"Gone", false}, {"Hom", false}, {"CurProfile", false}};
    for (const auto& c : cases) EXPECT_EQ(profile::Exists(c.name), c.exists) << c.name;

    DeleteTree(kKey.c_str());
    EXPECT_FALSE(profile::StoredNames()) << "no profile key";
    EXPECT_FALSE(profile::Exists("Home"));
}
