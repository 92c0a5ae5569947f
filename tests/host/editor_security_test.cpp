// The editor's security rules: the security-mode list and its branches, WEP keys, WPA passphrases, 802.1X logins.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "adapter/portable/KeyText.h"
#include "adapter/portable/WepKeyGen.h"
#include "monitor/editor/portable/EnterpriseLogin.h"
#include "monitor/editor/portable/Passphrases.h"
#include "monitor/editor/portable/SecurityModes.h"
#include "monitor/editor/portable/WepKeys.h"

using editor::SecurityPage;

namespace {

WLAN_PROFILE Record(uint32_t associationMode, uint32_t securityMode) {
    WLAN_PROFILE p{};
    p.AssociationMode = associationMode;
    p.SecurityMode = securityMode;
    return p;
}

std::string Slot(const WLAN_PROFILE& p, int i) { return std::string(p.WEPKey[i], strnlen(p.WEPKey[i], 27)); }

// The library's generators, as the key dialogs and the WEP page call them.
std::string Nwepgen64(const char* passphrase, int key) {
    uint8_t block[86] = {};
    wepkey::Nwepgen(passphrase, 5, block);
    return BytesToHexText(block + 27 * key, 5);
}

std::string Digest128(const char* passphrase) {
    const md5::Digest d = wepkey::PassPhraseDigest(passphrase);
    return BytesToHexText(d.data(), 13);
}

}  // namespace

TEST(EditorSecurityModes, ListEntriesStandForTheirModesAndLeadToTheirPages) {
    const struct {
        size_t index;
        const char* text;
        uint32_t mode;
        SecurityPage next;
    } cases[] = {
        {0, "Disabled", 0, SecurityPage::Summary},          {1, "WEP", 1, SecurityPage::Wep},
        {2, "WPA-Personal", 2, SecurityPage::WpaPersonal},  {3, "WPA2-Personal", 4, SecurityPage::Wpa2Personal},
        {4, "WPA-Enterprise", 3, SecurityPage::WpaEnterprise}, {5, "RADIUS", 6, SecurityPage::Radius},
    };
    WLAN_PROFILE infrastructure = Record(1, 0);
    ASSERT_EQ(editor::SecurityEntries(infrastructure).size(), 6u);
    for (const auto& c : cases) {
        const editor::SecurityEntry& e = editor::SecurityEntries(infrastructure)[c.index];
        EXPECT_STREQ(e.text, c.text);
        EXPECT_EQ(e.securityMode, c.mode) << c.text;
        EXPECT_EQ(editor::NextSecurityPage(infrastructure, c.index), c.next) << c.text;
        editor::SelectSecurityIndex(infrastructure, c.index);
        EXPECT_EQ(infrastructure.SecurityMode, c.mode) << c.text;
        WLAN_PROFILE opened = Record(1, c.mode);
        EXPECT_EQ(editor::OpenSecurityIndex(opened), c.index) << c.text;
        EXPECT_EQ(opened.SecurityMode, c.mode);
    }
    EXPECT_EQ(editor::NextSecurityPage(infrastructure, 6), SecurityPage::Summary) << "no selection";

    // Ad hoc profiles (AssociationMode 0 or 2) are offered only "Disabled" and "WEP".
    for (uint32_t adhocMode : {0u, 2u}) {
        WLAN_PROFILE adhoc = Record(adhocMode, 1);
        ASSERT_EQ(editor::SecurityEntries(adhoc).size(), 2u);
        EXPECT_EQ(editor::OpenSecurityIndex(adhoc), 1u);
        EXPECT_EQ(editor::NextSecurityPage(adhoc, 1), SecurityPage::Wep);
        EXPECT_EQ(editor::NextSecurityPage(adhoc, 2), SecurityPage::Summary);
        editor::SelectSecurityIndex(adhoc, 3);
        EXPECT_EQ(adhoc.SecurityMode, 1u) << "an entry not offered changes nothing";
    }
}

TEST(EditorSecurityModes, ModesTheListDoesNotOfferOpenAsDisabled) {
    const struct {
        uint32_t association, mode;
        size_t index;
        uint32_t modeAfter;
    } cases[] = {
        {1, 5, 0, 0}, {1, 7, 0, 0}, {1, 0xFFFFFFFF, 0, 0}, {1, 6, 5, 6},
        {0, 2, 0, 0}, {2, 6, 0, 0}, {0, 1, 1, 1},  // an ad hoc profile cannot keep a WPA or RADIUS mode
    };
    for (const auto& c : cases) {
        WLAN_PROFILE p = Record(c.association, c.mode);
        EXPECT_EQ(editor::OpenSecurityIndex(p), c.index) << c.association << " " << c.mode;
        EXPECT_EQ(p.SecurityMode, c.modeAfter) << c.association << " " << c.mode;
    }
}

TEST(EditorWpaPassphrase, EightToSixtyThreePrintableAsciiCharacters) {
    const struct {
        std::string passphrase;
        bool accepted;
    } cases[] = {
        {"", false},
        {"1234567", false},
        {"12345678", true},
        {std::string(63, 'p'), true},
        {std::string(64, 'p'), false},
        {"with spaces ~ and !", true},
        {"caf\xC3\xA9-au-lait", false},  // not ASCII: never connects
        {"tab\tinside", false},
        {"line\nbreak", false},
        {std::string("nul\0inside", 10), false},
        {"del\x7F" "char", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(editor::IsWpaPassphrase(c.passphrase), c.accepted) << c.passphrase;
        WLAN_PROFILE p{};
        std::strcpy(p.PassPhrase, "earlier");
        EXPECT_EQ(editor::StoreWpaPassphrase(p, c.passphrase), c.accepted);
        EXPECT_STREQ(p.PassPhrase, c.accepted ? c.passphrase.c_str() : "earlier");
        EXPECT_EQ(p.IsPassPhrase, c.accepted ? 1u : 0u);
    }
    EXPECT_STREQ(editor::WrongPassphraseMessage, "Please enter the correct Passphrase");
}

TEST(EditorWepKeys, PassphraseKeyLengthTransmitKeyAndTypedKeys) {
    struct Case {
        const char* what;
        std::function<std::string(WLAN_PROFILE&)> act;  // returns the key field's text
        std::string field;
        std::vector<std::string> slots;
        const char* passphrase;
        uint32_t isPassPhrase, level, keyId;
    };
    const Case cases[] = {
        {"64 bits, transmit key 1",
         [](WLAN_PROFILE& p) { return editor::ApplyWepPassphrase(p, "velmora"); },
         FormatWepKeyText(Nwepgen64("velmora", 0), 10), {Nwepgen64("velmora", 0), "", "", ""}, "velmora", 1, 1, 0},
        {"64 bits, transmit key 1 then 3: slot 0 keeps its text",
         [](WLAN_PROFILE& p) {
             editor::ApplyWepPassphrase(p, "velmora");
             return editor::ChangeTransmitKey(p, 2, "velmora");
         },
         FormatWepKeyText(Nwepgen64("velmora", 2), 10), {Nwepgen64("velmora", 0), "", Nwepgen64("velmora", 2), ""},
         "velmora", 1, 1, 2},
        {"128 bits: the first 13 bytes of the digest",
         [](WLAN_PROFILE& p) {
             p.EncryptionLevel = 2;
             return editor::ApplyWepPassphrase(p, "velmora");
         },
         FormatWepKeyText(Digest128("velmora"), 26), {Digest128("velmora"), "", "", ""}, "velmora", 1, 2, 0},
        {"clearing the passphrase stores zeros",
         [](WLAN_PROFILE& p) {
             editor::ApplyWepPassphrase(p, "velmora");
             return editor::ApplyWepPassphrase(p, "");
         },
         "00:00:00:00:00", {"0000000000", "", "", ""}, "", 0, 1, 0},
        {"64 to 128 bits empties the passphrase",
         [](WLAN_PROFILE& p) {
             editor::ApplyWepPassphrase(p, "velmora");
             return editor::ChangeWepKeyLength(p, 2);
         },
         "00:00:00:00:00:00:00:00:00:00:00:00:00", {std::string(26, '0'), "", "", ""}, "", 0, 2, 0},
        {"128 to 64 bits",
         [](WLAN_PROFILE& p) {
             p.EncryptionLevel = 2;
             return editor::ChangeWepKeyLength(p, 1);
         },
         "00:00:00:00:00", {"0000000000", "", "", ""}, "", 0, 1, 0},
        {"a transmit key without a passphrase resets its slot",
         [](WLAN_PROFILE& p) { return editor::ChangeTransmitKey(p, 3, ""); },
         "00:00:00:00:00", {"", "", "", "0000000000"}, "", 0, 1, 3},
        {"a typed key is stored without colons",
         [](WLAN_PROFILE& p) {
             editor::StoreWepKeyText(p, "0A:1B:2C:3D:4E");
             return editor::WepKeyFieldText(p);
         },
         "0A:1B:2C:3D:4E", {"0A1B2C3D4E", "", "", ""}, "", 0, 1, 0},
        {"opening a new record: 64 bits and the slot's zeros",
         [](WLAN_PROFILE& p) {
             p.EncryptionLevel = 0;
             return editor::OpenWepPage(p);
         },
         "00:00:00:00:00", {"0000000000", "", "", ""}, "", 0, 1, 0},
        {"opening with a stored passphrase makes the key again",
         [](WLAN_PROFILE& p) {
             p.EncryptionLevel = 2;
             p.IsPassPhrase = 1;
             std::strcpy(p.PassPhrase, "velmora");
             std::strcpy(p.WEPKey[0], "stale");
             return editor::OpenWepPage(p);
         },
         FormatWepKeyText(Digest128("velmora"), 26), {Digest128("velmora"), "", "", ""}, "velmora", 1, 2, 0},
        {"opening with a typed key shows it",
         [](WLAN_PROFILE& p) {
             p.DefaultKeyId = 1;
             std::strcpy(p.WEPKey[1], "0A1B2C3D4E");
             return editor::OpenWepPage(p);
         },
         "0A:1B:2C:3D:4E", {"", "0A1B2C3D4E", "", ""}, "", 0, 1, 1},
        {"a stored short key shows padded with zeros",
         [](WLAN_PROFILE& p) {
             std::strcpy(p.WEPKey[0], "0A1B2");
             return editor::WepKeyFieldText(p);
         },
         "0A:1B:20:00:00", {"0A1B2", "", "", ""}, "", 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WLAN_PROFILE p{};
        p.SecurityMode = 1;
        p.EncryptionLevel = 1;
        EXPECT_EQ(c.act(p), c.field);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Slot(p, i), c.slots[i]) << "slot " << i;
        EXPECT_STREQ(p.PassPhrase, c.passphrase);
        EXPECT_EQ(p.IsPassPhrase, c.isPassPhrase);
        EXPECT_EQ(p.EncryptionLevel, c.level);
        EXPECT_EQ(p.DefaultKeyId, c.keyId);
    }
    EXPECT_EQ(editor::WepKeyDigits("velmora", 1, 1), Nwepgen64("velmora", 1));
    EXPECT_EQ(editor::WepKeyDigits("velmora", 2, 1), Digest128("velmora")) << "one 128-bit key whatever the index";
}

TEST(EditorWepKeys, MasksAndTypedDigits) {
    EXPECT_STREQ(editor::WepKeyMaskFor(1).mask, "PP:PP:PP:PP:PP");
    EXPECT_STREQ(editor::WepKeyMaskFor(1).literal, "__:__:__:__:__");
    EXPECT_STREQ(editor::WepKeyMaskFor(2).mask, "PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP");
    EXPECT_STREQ(editor::WepKeyMaskFor(2).initial, "00:00:00:00:00:00:00:00:00:00:00:00:00");
    const struct {
        const char* digits;
        uint32_t level;
        bool accepted;
    } cases[] = {
        {"0A1B2C3D4E", 1, true},  {"0a1b2c3d4e", 1, true},  {"0A1B2C3D4", 1, false}, {"0A1B2C3D4EF", 1, false},
        {"0A1B2C3D4G", 1, false}, {"0A:1B:2C:3D:4E", 1, false},
        {"1ABB462978B35A9EB29CE0D8A9", 2, true}, {"1ABB462978B35A9EB29CE0D8A", 2, false}, {"0A1B2C3D4E", 2, false},
    };
    for (const auto& c : cases) EXPECT_EQ(editor::IsWepKeyDigits(c.digits, c.level), c.accepted) << c.digits;
    EXPECT_TRUE(editor::IsWepPassphrase(std::string(16, 'w')));
    EXPECT_FALSE(editor::IsWepPassphrase(std::string(17, 'w')));
    EXPECT_FALSE(editor::IsWepPassphrase(""));
}

TEST(EditorEnterpriseLogin, NextChecksInThePagesOrderAndStoresTheLogin) {
    using editor::EapMethod;
    using editor::EnterpriseFault;
    struct Case {
        const char* what;
        editor::EnterpriseLogin login;
        bool wpaEnterprise;
        EnterpriseFault fault;
        const char* message;
    };
    const std::string longText(128, 'x');
    const Case cases[] = {
        {"EAP-TLS without a certificate", {EapMethod::Tls, "student", "", "", "", false}, true,
         EnterpriseFault::NoCertificate,
         "Please install a valid certificate on you computer before you can use this security option."},
        {"EAP-TLS with a certificate, no login name needed", {EapMethod::Tls, "", "", "", "Student Cert", true}, true,
         EnterpriseFault::None, ""},
        {"PEAP without a login name", {EapMethod::Peap, "", "", "", "", false}, false, EnterpriseFault::NoLoginName,
         "Please enter the correct login name and server name"},
        {"PEAP without a password", {EapMethod::Peap, "student", "", "radius", "Trust Any", false}, false,
         EnterpriseFault::NoPassword, "Please enter the correct password"},
        {"PEAP without a server name", {EapMethod::Peap, "student", "exam-season", "", "Trust Any", true}, true,
         EnterpriseFault::None, ""},
        {"a text longer than its field", {EapMethod::Peap, "student", "exam-season", longText, "Trust Any", false},
         false, EnterpriseFault::TooLong, "Please enter at most 127 characters in each field"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WLAN_PROFILE p{};
        p.SecurityMode = c.wpaEnterprise ? 3 : 6;
        p.EntAuthenType = 2;
        p.InnerAuthen = 3;
        std::strcpy(p.LoginName, "earlier");
        const WLAN_PROFILE before = p;
        EXPECT_EQ(editor::StoreEnterpriseLogin(p, c.login, c.wpaEnterprise), c.fault);
        EXPECT_STREQ(editor::EnterpriseFaultMessage(c.fault), c.message);
        if (c.fault != EnterpriseFault::None) {
            EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0) << "nothing stored";
            continue;
        }
        const bool peap = c.login.method == EapMethod::Peap;
        EXPECT_EQ(p.EntAuthenType, peap ? 1u : 2u);
        EXPECT_EQ(std::string(p.LoginName), c.login.loginName);
        EXPECT_EQ(std::string(p.ServerName), c.login.serverName);
        EXPECT_EQ(std::string(p.UserCertHash), c.login.certificate);
        EXPECT_EQ(std::string(p.LoginPassword), peap ? c.login.password : "");
        EXPECT_EQ(p.InnerAuthen, peap ? 4u : 3u);
        EXPECT_EQ(p.EncryptionLevel, c.wpaEnterprise ? (c.login.aes ? 6u : 5u) : 0u);
    }
}

TEST(EditorEnterpriseLogin, PagesOpenOnTheStoredMethod) {
    const struct {
        uint32_t entAuthenType;
        editor::EapMethod radius, wpaEnterprise;
    } cases[] = {
        {0, editor::EapMethod::Tls, editor::EapMethod::Peap},
        {1, editor::EapMethod::Peap, editor::EapMethod::Peap},
        {2, editor::EapMethod::Tls, editor::EapMethod::Tls},
    };
    for (const auto& c : cases) {
        WLAN_PROFILE p{};
        p.EntAuthenType = c.entAuthenType;
        EXPECT_EQ(editor::OpenEapMethod(p, false), c.radius) << c.entAuthenType;
        EXPECT_EQ(editor::OpenEapMethod(p, true), c.wpaEnterprise) << c.entAuthenType;
    }
}
