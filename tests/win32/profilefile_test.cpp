// The profile export file in Wine's registry and file system: round trips, the template, hostile files.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileLayout.h"
#include "adapter/wifiapi.h"
#include "tests/support/EditorMadeProfiles.h"
#include "tests/win32/support/TestSupport.h"

using namespace testing_support;

namespace {

const std::string kKey = profile::KeyPath;
constexpr const char* kSection = "WLAN Profile";
constexpr const char* kMissing = "<missing>";

struct StoredValue {
    DWORD type = 0;
    std::vector<uint8_t> data;
    bool operator==(const StoredValue&) const = default;
};
using StoredValues = std::map<std::string, StoredValue>;

// Every value of a profile subkey; empty when the subkey is missing.
StoredValues Snapshot(const std::string& subkey) {
    StoredValues values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kKey + "\\" + subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD i = 0;; ++i) {
        char name[256];
        BYTE data[2048];
        DWORD nameSize = sizeof name, size = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &size) != ERROR_SUCCESS) break;
        values[name] = StoredValue{type, std::vector<uint8_t>(data, data + size)};
    }
    RegCloseKey(key);
    return values;
}

bool SubkeyExists(const std::string& subkey) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, (kKey + "\\" + subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void Put(const std::string& subkey, const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_TRUE(PutValue(kKey + "\\" + subkey, name, type, data, size));
}

void MakeSubkey(const std::string& subkey) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, (kKey + "\\" + subkey).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

WLAN_PROFILE Sample(const char* name, uint32_t dhcp) {
    WLAN_PROFILE p{};
    std::strcpy(p.ProfileName, name);
    std::strcpy(p.SSID, "Velmora-Office");
    p.AssociationMode = 1;
    p.TxRate = 54;
    p.Channel = 11;
    p.NetworkMode = 3;
    p.DhcpEnabled = dhcp;
    p.SecurityMode = 1;
    p.AuthentMode = 2;
    p.EncryptionLevel = 2;
    p.DefaultKeyId = 1;
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
    std::strcpy(p.WEPKey[0], "1ABB462978B35A9EB29CE0D8A9");
    std::strcpy(p.WEPKey[1], "3406F4ADE6");
    std::strcpy(p.ProfileID, "id-7");
    std::strcpy(p.LoginName, "student");
    std::strcpy(p.LoginPassword, "exam-season");
    std::strcpy(p.ServerName, "radius.campus");
    std::strcpy(p.UserCertHash, "Student Certificate");
    p.AuthMethod = 1;
    p.TTLSProtocol = 2;
    p.TTLSEap = 3;
    p.PeapEap = 4;
    if (dhcp == 0) {
        p.IpAddr = 0xC800000A;  // 10.0.0.200: its decimal text is above the signed range
        p.IpMask = 0x00FFFFFF;
        p.IpGate = 0x0100000A;
        p.IpDns1 = 0x0100000A;
        p.IpDns2 = 0x08080808;
    }
    return p;
}

// The template, written as a static profile so that it has every value, addresses included.
void WriteDefault() {
    WLAN_PROFILE d = Sample("Default", 0);
    std::strcpy(d.SSID, "template");
    d.Channel = 1;
    ASSERT_EQ(WriteProfile(&d), 0);
}

WLAN_PROFILE ReadBack(const char* name, uint8_t fill = 0) {
    WLAN_PROFILE p;
    std::memset(&p, fill, sizeof p);
    std::memset(p.ProfileName, 0, sizeof p.ProfileName);
    std::strcpy(p.ProfileName, name);
    EXPECT_EQ(ReadProfile(&p), 0) << name;
    return p;
}

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteTree(kKey.c_str());
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    void TearDown() override {
        for (const std::string& file : files_) DeleteFileA(file.c_str());
        DeleteTree(kKey.c_str());
    }

    // A fresh name in the temp folder for every file, so no cached copy of an earlier one is read.
    std::string TempFile() {
        char dir[MAX_PATH];
        GetTempPathA(sizeof dir, dir);
        static int counter = 0;
        files_.push_back(std::string(dir) + "wifiapi-profilefile-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++counter) + ".ini");
        return files_.back();
    }

    std::string RawFile(const std::string& contents) {
        const std::string file = TempFile();
        std::FILE* f = std::fopen(file.c_str(), "wb");
        EXPECT_NE(f, nullptr);
        if (f) {
            std::fwrite(contents.data(), 1, contents.size(), f);
            std::fclose(f);
        }
        return file;
    }

    static std::string FileKey(const std::string& file, const char* key, const char* section = kSection) {
        char text[4096];
        GetPrivateProfileStringA(section, key, kMissing, text, sizeof text, file.c_str());
        return text;
    }

    static bool FileExists(const std::string& file) { return GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; }

private:
    std::vector<std::string> files_;
};

// An imported text as the registry keeps it: as WriteProfile writes it, zeros to the field's width.
StoredValue Text(const std::string& text, size_t width) {
    std::vector<uint8_t> data(text.begin(), text.end());
    data.resize(width, 0);
    return StoredValue{REG_SZ, data};
}
StoredValue Ssid(const std::string& text) { return Text(text, 40); }

// Imports `file`, which names profile `expected`, and checks the name handed back.
void ImportNamed(const std::string& file, const char* expected, int32_t expectedResult = 0) {
    char name[128];
    std::memset(name, 0x55, sizeof name);
    EXPECT_EQ(ImportProfile(name, file.c_str()), expectedResult);
    EXPECT_STREQ(name, expected);
}

}  // namespace

TEST_F(ProfileFileTest, StaticProfileRoundTripsThroughTheFile) {
    WriteDefault();
    WLAN_PROFILE source = Sample("Office", 0);
    ASSERT_EQ(WriteProfile(&source), 0);
    const std::string file = TempFile();
    ASSERT_EQ(ExportProfile("Office", file.c_str()), 0);

    const struct {
        const char* key;
        std::string text;
    } keys[] = {
        {"ProfileName", "Office"},   {"SSID", "Velmora-Office"},   {"Channel", "11"},
        {"FragThreshold", "2346"},   {"WEPKey0", source.WEPKey[0]}, {"WEPKey2", ""},
        {"LoginPassword", "exam-season"}, {"AuthMethod", "\x01"},  {"PeapEap", "\x04"},
        {"IpAddr", "3355443210"},    {"IpDns2", "134744072"},      {"DhcpEnabled", "0"},
    };
    for (const auto& k : keys) EXPECT_EQ(FileKey(file, k.key), k.text) << k.key;

    WLAN_PROFILE old = Sample("Copy", 0);
    std::strcpy(old.SSID, "stale");
    old.IpAddr = 0x01010101;
    ASSERT_EQ(WriteProfile(&old), 0);
    WritePrivateProfileStringA(kSection, "ProfileName", "Copy", file.c_str());
    ImportNamed(file, "Copy");

    WLAN_PROFILE copy = ReadBack("Copy");
    std::strcpy(copy.ProfileName, "Office");
    EXPECT_EQ(std::memcmp(&copy, &source, sizeof copy), 0) << "every field, the static addresses included";
    const StoredValues stored = Snapshot("Copy");
    EXPECT_EQ(stored.at("SSID"), Ssid("Velmora-Office"));
    EXPECT_EQ(stored.at("IpAddr"), (StoredValue{REG_DWORD, {0x0A, 0x00, 0x00, 0xC8}}));
    EXPECT_EQ(stored.at("AuthMethod"), (StoredValue{REG_SZ, {1, 0, 0, 0}})) << "its four bytes, as WriteProfile has it";
}

TEST_F(ProfileFileTest, DhcpProfileRoundTripsAndKeepsTheTargetsEarlierAddresses) {
    WriteDefault();
    const StoredValues templateBefore = Snapshot("Default");
    WLAN_PROFILE source = Sample("Roam", 1);
    ASSERT_EQ(WriteProfile(&source), 0);
    const std::string file = TempFile();
    ASSERT_EQ(ExportProfile("Roam", file.c_str()), 0);
    EXPECT_EQ(FileKey(file, "IpAddr"), kMissing) << "a DHCP profile has no addresses to export";
    EXPECT_EQ(FileKey(file, "DhcpEnabled"), "1");

    WLAN_PROFILE old = Sample("Copy", 0);
    ASSERT_EQ(WriteProfile(&old), 0);
    const StoredValues oldValues = Snapshot("Copy");
    Put("Copy", "Extra", REG_DWORD, "\x09\0\0\0", 4);  // no profile value: left alone
    WritePrivateProfileStringA(kSection, "ProfileName", "Copy", file.c_str());
    ImportNamed(file, "Copy");

    WLAN_PROFILE copy = ReadBack("Copy");
    std::strcpy(copy.ProfileName, "Roam");
    EXPECT_EQ(std::memcmp(&copy, &source, sizeof copy), 0);
    const StoredValues stored = Snapshot("Copy");
    // A DHCP profile writes no addresses, as WriteProfile does: the earlier ones stay.
    for (const char* name : {"IpAddr", "IpMask", "IpGate", "IpDns1", "IpDns2"})
        EXPECT_EQ(stored.at(name), oldValues.at(name)) << name;
    EXPECT_EQ(stored.at("Extra"), (StoredValue{REG_DWORD, {9, 0, 0, 0}}));
    EXPECT_EQ(Snapshot("Default"), templateBefore);
    EXPECT_EQ(Snapshot("Roam").size(), profile::Values().size() - 5) << "the export changed nothing";
}

TEST_F(ProfileFileTest, ZeroAuthMethodExportsEmptyAndImportsAsItsFourZeroBytes) {
    WriteDefault();
    WLAN_PROFILE source = Sample("Zero", 1);
    source.AuthMethod = 0;
    ASSERT_EQ(WriteProfile(&source), 0);
    const std::string file = TempFile();
    ASSERT_EQ(ExportProfile("Zero", file.c_str()), 0);
    EXPECT_EQ(FileKey(file, "AuthMethod"), "") << "present, with empty text";

    ImportNamed(file, "Zero");
    EXPECT_EQ(Snapshot("Zero").at("AuthMethod"), (StoredValue{REG_SZ, {0, 0, 0, 0}}));
    EXPECT_EQ(ReadBack("Zero", 0x5A).AuthMethod, 0u);
}

TEST_F(ProfileFileTest, ExportOfAMissingProfileFailsAndLeavesNothingBehind) {
    const std::string file = TempFile();
    EXPECT_EQ(ExportProfile("Ghost", file.c_str()), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(SubkeyExists("Ghost")) << "no phantom profile";
    EXPECT_FALSE(FileExists(file));

    EXPECT_EQ(ExportProfile("Outer\\Inner", file.c_str()), ERROR_INVALID_NAME);
    EXPECT_EQ(ExportProfile("", file.c_str()), ERROR_INVALID_NAME);
    EXPECT_EQ(ExportProfile(nullptr, file.c_str()), ERROR_INVALID_NAME);
    WLAN_PROFILE p = Sample("Office", 0);
    ASSERT_EQ(WriteProfile(&p), 0);
    EXPECT_EQ(ExportProfile("Office", nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_NE(ExportProfile("Office", (file + ".missing-folder\\profile.ini").c_str()), 0)
        << "a file that cannot be written is a failure";
    EXPECT_FALSE(FileExists(file));
}

TEST_F(ProfileFileTest, ExportReplacesAnEarlierExportAndBoundsHostileValues) {
    WLAN_PROFILE office = Sample("Office", 0);
    ASSERT_EQ(WriteProfile(&office), 0);
    WLAN_PROFILE roam = Sample("Roam", 1);
    ASSERT_EQ(WriteProfile(&roam), 0);
    // Fills the data buffer with no NUL; the byte after it is not one either, or the registry would count it.
    const std::string unterminated(260, 'U');
    const std::string unterminatedAndMore = unterminated + "V";
    Put("Roam", "LoginName", REG_SZ, unterminatedAndMore.data(), 260);
    std::string oversized(300, 'O');
    Put("Roam", "ServerName", REG_SZ, oversized.data(), 300);
    Put("Roam", "ProfileName", REG_SZ, "Hijack", 7);
    Put("Roam", "TxRate", REG_DWORD, "\x0B", 1);

    const std::string file = TempFile();
    ASSERT_EQ(ExportProfile("Office", file.c_str()), 0);
    WritePrivateProfileStringA("Other", "keep", "1", file.c_str());
    ASSERT_EQ(ExportProfile("Roam", file.c_str()), 0);
    EXPECT_EQ(FileKey(file, "ProfileName"), "Roam");
    EXPECT_EQ(FileKey(file, "IpAddr"), kMissing) << "nothing of Office is left";
    EXPECT_EQ(FileKey(file, "keep", "Other"), "1") << "other sections stay";
    EXPECT_EQ(FileKey(file, "LoginName"), unterminated);
    EXPECT_EQ(FileKey(file, "ServerName"), kMissing) << "too large to export: skipped";
    EXPECT_EQ(FileKey(file, "UserCertHash"), "Student Certificate") << "values after it are still exported";
    EXPECT_EQ(FileKey(file, "TxRate"), "11");
    EXPECT_EQ(FileKey(file, "SSID"), "Velmora-Office");
}

TEST_F(ProfileFileTest, ImportIntoAMissingProfileOrWithoutTheTemplateWritesNothing) {
    WriteDefault();
    WLAN_PROFILE office = Sample("Office", 0);
    ASSERT_EQ(WriteProfile(&office), 0);
    const std::string file = TempFile();
    ASSERT_EQ(ExportProfile("Office", file.c_str()), 0);
    const StoredValues templateBefore = Snapshot("Default"), officeBefore = Snapshot("Office");

    WritePrivateProfileStringA(kSection, "ProfileName", "Nowhere", file.c_str());
    ImportNamed(file, "Nowhere", ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(SubkeyExists("Nowhere")) << "the import does not create the target";
    EXPECT_EQ(Snapshot("Default"), templateBefore);

    DeleteProfile("Default");
    WritePrivateProfileStringA(kSection, "ProfileName", "Office", file.c_str());
    WritePrivateProfileStringA(kSection, "SSID", "changed", file.c_str());
    ImportNamed(file, "Office", ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Snapshot("Office"), officeBefore);
    EXPECT_FALSE(SubkeyExists("Default"));
}

TEST_F(ProfileFileTest, FileWithoutProfileNameImportsIntoDefault) {
    WriteDefault();
    WLAN_PROFILE office = Sample("Office", 0);
    ASSERT_EQ(WriteProfile(&office), 0);
    const StoredValues officeBefore = Snapshot("Office");
    const std::string file = RawFile("[WLAN Profile]\r\nSSID=Lobby\r\nChannel=6\r\nLoginName=guest\r\n");
    ImportNamed(file, "Default");

    const StoredValues stored = Snapshot("Default");
    EXPECT_EQ(stored.at("SSID"), Ssid("Lobby"));
    EXPECT_EQ(stored.at("Channel"), (StoredValue{REG_DWORD, {6, 0, 0, 0}}));
    // Every profile value is overwritten: missing keys as empty text or 0 (DhcpEnabled 0: the addresses too).
    EXPECT_EQ(stored.at("TxRate"), (StoredValue{REG_DWORD, {0, 0, 0, 0}}));
    EXPECT_EQ(stored.at("PassPhrase"), Text("", 128));
    EXPECT_EQ(stored.size(), profile::Values().size());
    EXPECT_EQ(Snapshot("Office"), officeBefore);
}

TEST_F(ProfileFileTest, ImportOfAMissingOrEmptyFileLeavesTheTemplateAlone) {
    WriteDefault();
    const StoredValues templateBefore = Snapshot("Default");
    const std::string missing = TempFile();
    const std::string other = RawFile("[Something Else]\r\nSSID=Lobby\r\n");
    for (const std::string& file : {missing, other}) {
        char name[128] = "untouched";
        EXPECT_EQ(ImportProfile(name, file.c_str()), ERROR_FILE_NOT_FOUND) << file;
        EXPECT_STREQ(name, "untouched");
    }
    char name[128];
    EXPECT_EQ(ImportProfile(name, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(ImportProfile(nullptr, other.c_str()), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(Snapshot("Default"), templateBefore);
}

TEST_F(ProfileFileTest, FileWithAValueOutOfItsRangeIsRefusedAndWritesNothing) {
    WriteDefault();
    WLAN_PROFILE source = Sample("Office", 0);
    ASSERT_EQ(WriteProfile(&source), 0);
    const std::string exported = TempFile();
    ASSERT_EQ(ExportProfile("Office", exported.c_str()), 0);
    WLAN_PROFILE old = Sample("Copy", 1);
    std::strcpy(old.SSID, "stale");
    ASSERT_EQ(WriteProfile(&old), 0);
    const StoredValues before = Snapshot("Copy"), templateBefore = Snapshot("Default");

    const struct {
        const char* key;
        std::string text;
    } cases[] = {
        {"AssociationMode", "3"},     {"Channel", "15"},        {"Channel", "4294967295"}, {"Channel", "abc"},
        {"SecurityMode", "4294967295"}, {"SecurityMode", "7"},  {"DhcpEnabled", "+"},     {"DhcpEnabled", "2"},
        {"AuthentMode", "3"},         {"EncryptionLevel", "7"}, {"DefaultKeyId", "4"},    {"IsPassPhrase", "2"},
        {"IsKeyHexed", "-1"},         {"EntAuthenType", "3"},   {"InnerAuthen", "5"},     {"TxRate", "12abc"},
        {"FragThreshold", "99999999999"}, {"IpAddr", "-2147483649"}, {"IpMask", "0x10"},
        {"SSID", std::string(33, 'S')}, {"WEPKey0", std::string(27, 'K')}, {"PassPhrase", std::string(128, 'P')},
        {"LoginName", std::string(600, 'L')}, {"AuthMethod", "12345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.text.substr(0, 40));
        const std::string file = TempFile();
        ASSERT_TRUE(CopyFileA(exported.c_str(), file.c_str(), FALSE));
        WritePrivateProfileStringA(kSection, "ProfileName", "Copy", file.c_str());
        WritePrivateProfileStringA(kSection, c.key, c.text.c_str(), file.c_str());
        ImportNamed(file, "Copy", ERROR_INVALID_DATA);
        EXPECT_EQ(Snapshot("Copy"), before);
    }
    EXPECT_EQ(Snapshot("Default"), templateBefore);
}

TEST_F(ProfileFileTest, ValuesAtTheEdgesOfTheirRangesImport) {
    WriteDefault();
    WLAN_PROFILE old = Sample("Copy", 0);
    ASSERT_EQ(WriteProfile(&old), 0);
    const std::string file = RawFile("[WLAN Profile]\r\n"
                                     "ProfileName=Copy\r\n"
                                     "SSID=" + std::string(32, 'S') + "\r\n"
                                     "WEPKey0=" + std::string(26, 'A') + "\r\n"
                                     "PassPhrase=" + std::string(127, 'P') + "\r\n"
                                     "AssociationMode=2\r\n"
                                     "Channel=14\r\n"
                                     "SecurityMode=6\r\n"
                                     "DefaultKeyId=3\r\n"
                                     "DhcpEnabled=0\r\n"
                                     "FragThreshold=  2346  \r\n"
                                     "RTSThreshold=-1\r\n"
                                     "IpAddr=4294967295\r\n"
                                     "IpMask=-2147483648\r\n"
                                     "AuthMethod=\x07\r\n");
    ImportNamed(file, "Copy");

    const StoredValues stored = Snapshot("Copy");
    EXPECT_EQ(stored.at("SSID"), Ssid(std::string(32, 'S')));
    const struct {
        const char* name;
        uint32_t value;
    } numbers[] = {
        {"AssociationMode", 2}, {"Channel", 14}, {"SecurityMode", 6}, {"DefaultKeyId", 3}, {"DhcpEnabled", 0},
        {"FragThreshold", 2346}, {"RTSThreshold", 0xFFFFFFFF}, {"IpAddr", 0xFFFFFFFF}, {"IpMask", 0x80000000},
        {"TxRate", 0},  // missing from the file: 0, as ever
    };
    for (const auto& n : numbers) {
        ASSERT_EQ(stored.at(n.name).type, DWORD(REG_DWORD)) << n.name;
        EXPECT_EQ(LoadU32(stored.at(n.name).data.data()), n.value) << n.name;
    }
    WLAN_PROFILE read = ReadBack("Copy", 0x33);
    EXPECT_STREQ(read.SSID, std::string(32, 'S').c_str());
    EXPECT_STREQ(read.WEPKey[0], std::string(26, 'A').c_str());
    EXPECT_STREQ(read.PassPhrase, std::string(127, 'P').c_str());
    EXPECT_EQ(read.AuthMethod, 7u) << "the character and zeros";
}

TEST_F(ProfileFileTest, OnlyTheProfilesOwnValuesAreTakenFromTheTemplate) {
    WriteDefault();
    // A template cluttered with values that are no profile's, some of them named in the file too.
    std::string junk = "[WLAN Profile]\r\nProfileName=Copy\r\nSSID=Lobby\r\nChannel=6\r\n";
    for (int i = 0; i < 10000; ++i) {
        const std::string name = "Junk" + std::to_string(i);
        const DWORD types[] = {REG_SZ, REG_DWORD, REG_BINARY, REG_MULTI_SZ};
        Put("Default", name.c_str(), types[i % 4], "\x05\0\0\0\0\0", 6);
        if (i % 100 == 0) junk += name + "=7\r\n";
    }
    Put("Default", "SSID", REG_DWORD, "\x01\0\0\0", 4);  // an odd type in the template does not change the profile's
    WLAN_PROFILE old = Sample("Copy", 1);
    ASSERT_EQ(WriteProfile(&old), 0);
    const std::string file = RawFile(junk);

    const DWORD start = GetTickCount();
    ImportNamed(file, "Copy");
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_LT(elapsed, 2000u) << "one read per profile value, not one per template value";

    const StoredValues stored = Snapshot("Copy");
    EXPECT_EQ(stored.size(), profile::Values().size()) << "the profile's values (DhcpEnabled 0: addresses), nothing else";
    for (const auto& [name, value] : stored) EXPECT_NE(name.rfind("Junk", 0), 0u) << name;
    EXPECT_EQ(stored.at("SSID"), Ssid("Lobby"));
    EXPECT_EQ(stored.at("Channel"), (StoredValue{REG_DWORD, {6, 0, 0, 0}}));
}

TEST_F(ProfileFileTest, HostileProfileNamesReachNoOtherKey) {
    WriteDefault();
    WLAN_PROFILE nested = Sample("Copy", 0);
    ASSERT_EQ(WriteProfile(&nested), 0);
    Put("Copy\\Inner", "SSID", REG_SZ, "inner", 6);
    const StoredValues innerBefore = Snapshot("Copy\\Inner");

    const std::string empty = RawFile("[WLAN Profile]\r\nProfileName=\r\nSSID=evil\r\n");
    ImportNamed(empty, "", ERROR_INVALID_NAME);
    EXPECT_TRUE(Snapshot("").empty()) << "nothing written into the profile key itself";

    const std::string nestedName = RawFile("[WLAN Profile]\r\nProfileName=Copy\\Inner\r\nSSID=evil\r\n");
    ImportNamed(nestedName, "Copy\\Inner", ERROR_INVALID_NAME);
    EXPECT_EQ(Snapshot("Copy\\Inner"), innerBefore);

    // A name of 128 characters or more is refused, not cut to the 127 characters of
    // another profile that happens to exist.
    WLAN_PROFILE shorter = Sample(std::string(127, 'N').c_str(), 1);
    ASSERT_EQ(WriteProfile(&shorter), 0);
    const StoredValues shorterBefore = Snapshot(std::string(127, 'N'));
    for (size_t length : {128u, 300u, 1000u}) {
        const std::string longName =
            RawFile("[WLAN Profile]\r\nProfileName=" + std::string(length, 'N') + "\r\nSSID=evil\r\n");
        char buffer[256];
        std::memset(buffer, 0x55, sizeof buffer);
        EXPECT_EQ(ImportProfile(buffer, longName.c_str()), ERROR_INVALID_NAME) << length;
        EXPECT_EQ(std::string(buffer), std::string(127, 'N'));
        EXPECT_EQ(uint8_t(buffer[128]), 0x55) << "nothing written past the 128 bytes";
        EXPECT_EQ(Snapshot(std::string(127, 'N')), shorterBefore) << length;
    }
    const std::string longest = RawFile("[WLAN Profile]\r\nProfileName=" + std::string(127, 'N') + "\r\nSSID=own\r\n");
    ImportNamed(longest, std::string(127, 'N').c_str());
    EXPECT_EQ(Snapshot(std::string(127, 'N')).at("SSID"), Ssid("own")) << "127 characters are a name";
}

TEST_F(ProfileFileTest, ExportDeleteImportGivesBackTheStoredBytesWhateverDefaultHolds) {
    // A template on DHCP has no addresses: the import must not take its value list from it.
    WLAN_PROFILE templateProfile{};
    ASSERT_TRUE(editor::NewProfile(templateProfile, "Default"));
    ASSERT_EQ(WriteProfile(&templateProfile), 0);
    for (const editor_made::AddCase& c : editor_made::Cases()) {
        for (const bool dhcp : {true, false}) {
            WLAN_PROFILE source = c.made();
            SCOPED_TRACE(std::string(source.ProfileName) + (dhcp ? ", DHCP" : ", static"));
            source.DhcpEnabled = dhcp ? 1 : 0;
            if (!dhcp) {
                source.IpAddr = 0xC800000A;  // 10.0.0.200
                source.IpMask = 0x00FFFFFF;
                source.IpGate = 0x0100000A;
                source.IpDns1 = 0x0100000A;
                source.IpDns2 = 0x08080808;
            }
            ASSERT_EQ(WriteProfile(&source), 0);
            const StoredValues before = Snapshot(source.ProfileName);
            const std::string file = TempFile();
            ASSERT_EQ(ExportProfile(source.ProfileName, file.c_str()), 0);
            ASSERT_EQ(DeleteProfile(source.ProfileName), 0);
            MakeSubkey(source.ProfileName);  // the empty subkey an import goes into, as wifictl makes it
            ImportNamed(file, source.ProfileName);
            EXPECT_EQ(Snapshot(source.ProfileName), before);
            ASSERT_EQ(DeleteProfile(source.ProfileName), 0);
        }
    }
}

TEST_F(ProfileFileTest, AnAdHocCellOnChannelZeroIsRefused) {
    WriteDefault();
    WLAN_PROFILE old = Sample("Cell", 1);
    ASSERT_EQ(WriteProfile(&old), 0);
    const StoredValues before = Snapshot("Cell");
    const struct {
        const char* mode;
        const char* channel;
        int32_t result;
    } cases[] = {
        {"2", "0", ERROR_INVALID_DATA}, {"2", "15", ERROR_INVALID_DATA}, {"1", "99", ERROR_INVALID_DATA},
        {"2", "1", 0},                  {"0", "0", 0},  // a join, as files without either key have always been
        {"1", "0", 0},                                  // infrastructure ignores it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("mode ") + c.mode + ", channel " + c.channel);
        const std::string file = RawFile(std::string("[WLAN Profile]\r\nProfileName=Cell\r\nSSID=Cell\r\nDhcpEnabled=1\r\n") +
                                         "AssociationMode=" + c.mode + "\r\nChannel=" + c.channel + "\r\n");
        ImportNamed(file, "Cell", c.result);
        if (c.result != 0) {
            EXPECT_EQ(Snapshot("Cell"), before);
        }
    }
    EXPECT_EQ(ReadBack("Cell").Channel, 0u);
}

TEST_F(ProfileFileTest, NamesNoNewProfileMayHaveAreRefused) {
    WriteDefault();
    for (const std::string name : {".", "..", "Home.", "Home [2]", "Evil\x1b[2J", "Tab\there"}) {
        SCOPED_TRACE(name);
        MakeSubkey(name);  // such a key exists: the import would write into it
        const StoredValues before = Snapshot(name);
        const std::string file = RawFile("[WLAN Profile]\r\nProfileName=" + name + "\r\nSSID=evil\r\n");
        ImportNamed(file, name.c_str(), ERROR_INVALID_NAME);
        EXPECT_EQ(Snapshot(name), before);
    }
}
