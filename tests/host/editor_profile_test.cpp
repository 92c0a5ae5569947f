// The editor's profile rules: the two clearing tables, the summary rows, a new record, the network settings lists.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "monitor/editor/portable/IpSettings.h"
#include "monitor/editor/portable/NetworkSettings.h"
#include "monitor/editor/portable/NewProfile.h"
#include "monitor/editor/portable/ProfileClearing.h"
#include "monitor/editor/portable/ProfileSummary.h"

namespace {

struct Field {
    const char* name;
    size_t offset, size;
};
#define FIELD(f) Field{#f, offsetof(WLAN_PROFILE, f), sizeof(WLAN_PROFILE::f)}
const Field kSecurityFields[] = {
    FIELD(AuthentMode),   FIELD(EncryptionLevel), FIELD(DefaultKeyId), FIELD(IsPassPhrase), FIELD(IsKeyHexed),
    FIELD(EntAuthenType), FIELD(InnerAuthen),     FIELD(PassPhrase),   FIELD(WEPKey),       FIELD(LoginName),
    FIELD(LoginPassword), FIELD(ServerName),      FIELD(UserCertHash),
};
#undef FIELD

// Every field set, so that a cleared one shows.
WLAN_PROFILE Full(uint32_t securityMode, uint32_t entAuthenType) {
    WLAN_PROFILE p;
    std::memset(&p, 0x41, sizeof p);
    std::strcpy(p.ProfileName, "Office");
    std::strcpy(p.SSID, "Velmora-Office");
    p.SecurityMode = securityMode;
    p.EntAuthenType = entAuthenType;
    p.AuthentMode = 2;
    p.EncryptionLevel = 6;
    p.DefaultKeyId = 3;
    p.IsPassPhrase = p.IsKeyHexed = 1;
    p.InnerAuthen = 4;
    std::strcpy(p.PassPhrase, "lantern-orchard-42");
    for (int i = 0; i < 4; ++i) std::strcpy(p.WEPKey[i], "0A1B2C3D4E");
    std::strcpy(p.LoginName, "student");
    std::strcpy(p.LoginPassword, "exam-season");
    std::strcpy(p.ServerName, "radius.campus");
    std::strcpy(p.UserCertHash, "Student Cert");
    return p;
}

bool AllZero(const WLAN_PROFILE& p, const Field& f) {
    const uint8_t* b = reinterpret_cast<const uint8_t*>(&p) + f.offset;
    for (size_t i = 0; i < f.size; ++i)
        if (b[i]) return false;
    return true;
}

// Which fields the clearing zeroed; every other byte of the record must be as it was.
std::set<std::string> Cleared(void (*clear)(WLAN_PROFILE&), uint32_t securityMode, uint32_t entAuthenType) {
    const WLAN_PROFILE full = Full(securityMode, entAuthenType);
    WLAN_PROFILE p = full;
    clear(p);
    std::set<std::string> cleared;
    WLAN_PROFILE rest = p;
    for (const Field& f : kSecurityFields) {
        if (AllZero(p, f)) cleared.insert(f.name);
        else EXPECT_EQ(std::memcmp(reinterpret_cast<uint8_t*>(&p) + f.offset,
                                   reinterpret_cast<const uint8_t*>(&full) + f.offset, f.size), 0) << f.name;
        std::memcpy(reinterpret_cast<uint8_t*>(&rest) + f.offset, reinterpret_cast<const uint8_t*>(&full) + f.offset, f.size);
    }
    EXPECT_EQ(std::memcmp(&rest, &full, sizeof rest), 0) << "no other field changes";
    return cleared;
}

using Names = std::set<std::string>;
const Names kLogin = {"LoginName", "LoginPassword", "ServerName", "UserCertHash"};
Names Plus(Names a, const Names& b) {
    a.insert(b.begin(), b.end());
    return a;
}
const Names kDisabled = {"AuthentMode", "EncryptionLevel", "DefaultKeyId", "IsPassPhrase", "IsKeyHexed",
                         "EntAuthenType", "InnerAuthen", "PassPhrase", "WEPKey"};

}  // namespace

TEST(EditorProfileClearing, SaveClearsWhatTheSecurityModeDoesNotUse) {
    const struct {
        uint32_t mode, entAuthenType;
        Names cleared;
    } cases[] = {
        {0, 2, Plus(kDisabled, kLogin)},
        {1, 2, Plus({"EntAuthenType", "InnerAuthen"}, kLogin)},
        {2, 2, Plus({"AuthentMode", "DefaultKeyId", "IsKeyHexed", "EntAuthenType", "InnerAuthen", "WEPKey"}, kLogin)},
        {4, 2, Plus({"AuthentMode", "EncryptionLevel", "DefaultKeyId", "IsKeyHexed", "EntAuthenType", "InnerAuthen",
                     "WEPKey"}, kLogin)},
        {3, 1, {"AuthentMode", "DefaultKeyId", "IsPassPhrase", "IsKeyHexed", "PassPhrase", "WEPKey"}},
        {3, 2, {"AuthentMode", "DefaultKeyId", "IsPassPhrase", "IsKeyHexed", "PassPhrase", "WEPKey", "InnerAuthen",
                "LoginPassword"}},
        {6, 1, {"AuthentMode", "EncryptionLevel", "DefaultKeyId", "IsPassPhrase", "IsKeyHexed", "PassPhrase",
                "WEPKey"}},
        {6, 2, {"AuthentMode", "EncryptionLevel", "DefaultKeyId", "IsPassPhrase", "IsKeyHexed", "PassPhrase",
                "WEPKey", "InnerAuthen", "LoginPassword"}},
        {5, 2, Plus(kDisabled, kLogin)},
        {0xFFFFFFFF, 1, Plus(kDisabled, kLogin)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cleared(editor::ClearForSave, c.mode, c.entAuthenType), c.cleared)
            << "mode " << c.mode << ", method " << c.entAuthenType;
}

TEST(EditorProfileClearing, SurveyConnectClearsTheLoginAndWhatThePickedSecurityDoesNotUse) {
    const struct {
        uint32_t mode;
        Names cleared;
    } cases[] = {
        {0, Plus(kDisabled, kLogin)},
        {1, Plus({"EntAuthenType", "InnerAuthen"}, kLogin)},
        {2, Plus({"AuthentMode", "DefaultKeyId", "IsKeyHexed", "EntAuthenType", "InnerAuthen", "WEPKey"}, kLogin)},
        {4, Plus({"AuthentMode", "EncryptionLevel", "DefaultKeyId", "IsKeyHexed", "EntAuthenType", "InnerAuthen",
                  "WEPKey"}, kLogin)},
        {3, Plus(kDisabled, kLogin)},
        {6, Plus(kDisabled, kLogin)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cleared(editor::ClearForSurveyConnect, c.mode, 1), c.cleared) << "mode " << c.mode;
}

TEST(EditorProfileSummary, TenRowsForEverySecurityModeAndBothIpModes) {
    struct Case {
        const char* what;
        uint32_t association, channel, networkMode, security, authent, encryption, entAuthen, dhcp;
        std::vector<std::string> rows;
    };
    const std::vector<std::string> dhcp = {"Use DHCP", "Auto", "Auto", "Auto"};
    const auto rows = [](std::vector<std::string> head, const std::vector<std::string>& ip) {
        head.insert(head.end(), ip.begin(), ip.end());
        return head;
    };
    const std::vector<std::string> fixed = {"192.168.7.20", "255.255.255.0", "192.168.7.1", "192.168.7.53"};
    const Case cases[] = {
        {"disabled", 1, 6, 0, 0, 0, 0, 2, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "Disabled", "Auto"}, dhcp)},
        {"WEP open system", 1, 6, 0, 1, 0, 1, 0, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "WEP", "Open System"}, dhcp)},
        {"WEP shared key, ad hoc", 0, 11, 1, 1, 1, 2, 0, 1,
         rows({"Home", "Ad Hoc", "11", "G-Only Mode", "WEP", "Shared Key"}, dhcp)},
        {"WEP auto, ad hoc on its channel", 2, 3, 0, 1, 2, 2, 0, 0,
         rows({"Home", "Ad Hoc", "3", "Mixed Mode", "WEP", "Auto"}, fixed)},
        {"WPA-Personal TKIP", 1, 6, 0, 2, 0, 5, 0, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "WPA-Personal", "TKIP"}, dhcp)},
        {"WPA-Personal AES", 1, 6, 0, 2, 0, 6, 0, 0,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "WPA-Personal", "AES"}, fixed)},
        {"WPA2-Personal", 1, 6, 0, 4, 0, 0, 0, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "WPA2-Personal", "AES"}, dhcp)},
        {"WPA-Enterprise PEAP", 1, 6, 0, 3, 0, 6, 1, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "WPA-Enterprise", "PEAP"}, dhcp)},
        {"WPA-Enterprise EAP-TLS", 1, 6, 0, 3, 0, 5, 2, 0,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "WPA-Enterprise", "EAP-TLS"}, fixed)},
        {"RADIUS PEAP", 1, 6, 0, 6, 0, 0, 1, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "RADIUS", "PEAP"}, dhcp)},
        {"RADIUS EAP-TLS", 1, 6, 0, 6, 0, 0, 0, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "RADIUS", "EAP-TLS"}, dhcp)},
        {"WPA2 with 802.1X is not the editor's", 1, 6, 0, 5, 0, 6, 1, 1,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "Disabled", "Auto"}, dhcp)},
        {"DhcpEnabled neither 0 nor 1 shows addresses", 1, 6, 0, 0, 0, 0, 0, 2,
         rows({"Home", "Infrastructure", "6", "Mixed Mode", "Disabled", "Auto"}, fixed)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WLAN_PROFILE p{};
        std::strcpy(p.SSID, "Home");
        p.AssociationMode = c.association;
        p.Channel = c.channel;
        p.NetworkMode = c.networkMode;
        p.SecurityMode = c.security;
        p.AuthentMode = c.authent;
        p.EncryptionLevel = c.encryption;
        p.EntAuthenType = c.entAuthen;
        p.DhcpEnabled = c.dhcp;
        p.IpAddr = editor::AddressFromOctets(192, 168, 7, 20);
        p.IpMask = editor::AddressFromOctets(255, 255, 255, 0);
        p.IpGate = editor::AddressFromOctets(192, 168, 7, 1);
        p.IpDns1 = editor::AddressFromOctets(192, 168, 7, 53);
        p.IpDns2 = editor::AddressFromOctets(8, 8, 8, 8);  // not shown
        const auto shown = editor::SummaryRows(p);
        EXPECT_EQ(std::vector<std::string>(shown.begin(), shown.end()), c.rows);
    }
    WLAN_PROFILE full{};
    std::memset(full.SSID, 'S', sizeof full.SSID);  // no NUL: the row stops at the field
    EXPECT_EQ(editor::SummaryRows(full)[0], std::string(40, 'S'));
}

TEST(EditorNewProfile, TheRecordNewHandsToTheEditor) {
    const struct {
        std::string name;
        bool accepted;
        std::string ssid;
    } cases[] = {
        {"Home", true, "Home"},
        {std::string(32, 'n'), true, std::string(32, 'n')},
        {std::string(33, 'n'), true, ""},  // too long for an SSID
        {std::string(127, 'n'), true, ""},
        {std::string(128, 'n'), false, ""},
        {"", false, ""},
        {"Outer\\Inner", false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 40));
        WLAN_PROFILE p;
        std::memset(&p, 0x5A, sizeof p);
        const WLAN_PROFILE before = p;
        EXPECT_EQ(editor::NewProfile(p, c.name), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
            continue;
        }
        WLAN_PROFILE expected{};
        std::memcpy(expected.ProfileName, c.name.data(), c.name.size());
        std::memcpy(expected.SSID, c.ssid.data(), c.ssid.size());
        expected.AssociationMode = 1;
        expected.Channel = 6;
        expected.TxRate = 54;
        expected.EntAuthenType = 2;
        expected.InnerAuthen = 3;
        expected.DhcpEnabled = 1;
        EXPECT_EQ(std::memcmp(&p, &expected, sizeof p), 0) << "every other byte zero";
    }
}

TEST(EditorNetworkSettings, ModesChannelsAndTheSsid) {
    const struct {
        uint32_t association;
        bool infrastructure;
    } modes[] = {{0, false}, {1, true}, {2, false}, {3, true}};
    for (const auto& m : modes) {
        WLAN_PROFILE p{};
        p.AssociationMode = m.association;
        EXPECT_EQ(editor::IsInfrastructure(p), m.infrastructure) << m.association;
    }
    WLAN_PROFILE p{};
    editor::SetInfrastructure(p, true);
    EXPECT_EQ(p.AssociationMode, 1u);
    editor::SetInfrastructure(p, false);
    EXPECT_EQ(p.AssociationMode, 0u);

    const struct {
        uint32_t channel;
        std::optional<size_t> index;
    } channels[] = {{0, std::nullopt}, {1, 0}, {6, 5}, {14, 13}, {15, std::nullopt}, {0xFFFFFFFF, std::nullopt}};
    for (const auto& c : channels) {
        p.Channel = c.channel;
        EXPECT_EQ(editor::ChannelIndex(p), c.index) << c.channel;
    }
    editor::SelectChannelIndex(p, 10);
    EXPECT_EQ(p.Channel, 11u);
    editor::SelectChannelIndex(p, 14);
    EXPECT_EQ(p.Channel, 11u) << "no 15th entry";

    const struct {
        uint32_t mode;
        std::optional<size_t> index;
    } networkModes[] = {{0, 0}, {1, 1}, {2, std::nullopt}};
    for (const auto& c : networkModes) {
        p.NetworkMode = c.mode;
        EXPECT_EQ(editor::NetworkModeIndex(p), c.index) << c.mode;
    }
    editor::SelectNetworkModeIndex(p, 1);
    EXPECT_EQ(p.NetworkMode, 1u);
    EXPECT_STREQ(editor::NetworkModeEntries[1], "G-Only Mode");

    const struct {
        std::string typed;
        bool accepted;
        std::string ssid;
    } ssids[] = {
        {"Velmora-Home", true, "Velmora-Home"},
        {"", true, "Velmora-Home"},  // an emptied edit keeps the SSID
        {std::string(32, 's'), true, std::string(32, 's')},
        {std::string(33, 's'), false, std::string(32, 's')},
        {"x", true, "x"},
    };
    WLAN_PROFILE named{};
    for (const auto& c : ssids) {
        EXPECT_EQ(editor::SetSsid(named, c.typed), c.accepted) << c.typed;
        EXPECT_EQ(std::string(named.SSID), c.ssid);
        EXPECT_EQ(named.SSID[39], 0);
    }
}
