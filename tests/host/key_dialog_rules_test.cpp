// The key dialogs' record changes and the WEP key from a passphrase shared with the editor.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "adapter/portable/KeyText.h"
#include "adapter/portable/WepKeyGen.h"
#include "monitor/editor/portable/WepKeys.h"
#include "monitor/keys/portable/KeyDialogRules.h"

namespace {

WLAN_PROFILE Record() {
    WLAN_PROFILE r;
    std::memset(&r, 0, sizeof r);
    return r;
}

// A record as an earlier network and dialog left it: every secret field filled.
WLAN_PROFILE Used(uint32_t securityMode, uint32_t encryptionLevel) {
    WLAN_PROFILE r = Record();
    r.SecurityMode = securityMode;
    r.EncryptionLevel = encryptionLevel;
    r.IsPassPhrase = 1;
    std::strcpy(r.PassPhrase, "earlier secret");
    for (auto& key : r.WEPKey) std::strcpy(key, "0A1B2C3D4E");
    return r;
}

std::string Nwepgen64(std::string_view passphrase, size_t index) {
    uint8_t block[120] = {};
    wepkey::Nwepgen(passphrase, 5, block);
    return BytesToHexText(block + 27 * index, 5);
}

}  // namespace

TEST(WepKeyRules, DialogAndPageGetTheLibrarysKeys) {
    const struct {
        const char* passphrase;
        uint32_t level;  // EncryptionLevel: 1 64 bits, 2 128 bits
        uint32_t keyIndex;
        const char* digits;
        const char* field;
    } cases[] = {
        {"abcde", 1, 0, "1167739413", "11:67:73:94:13"},
        {"abcde", 1, 2, "AE3A9A6184", "AE:3A:9A:61:84"},
        {"abcde", 1, 9, "23E3BB1DAB", "23:E3:BB:1D:AB"},  // an index past 3 takes the last key
        {"lantern orchard", 2, 0, "1ABB462978B35A9EB29CE0D8A9", "1A:BB:46:29:78:B3:5A:9E:B2:9C:E0:D8:A9"},
        {"lantern orchard", 2, 3, "1ABB462978B35A9EB29CE0D8A9", "1A:BB:46:29:78:B3:5A:9E:B2:9C:E0:D8:A9"},
    };
    for (const auto& c : cases) {
        const std::string digits = editor::WepKeyDigits(c.passphrase, c.level, c.keyIndex);
        EXPECT_EQ(digits, c.digits) << c.passphrase << " " << c.keyIndex;
        EXPECT_EQ(FormatWepKeyText(digits, editor::WepKeyDigitCount(c.level)), c.field) << c.passphrase;
        EXPECT_EQ(editor::WepKeyDigitsOfField(c.field), c.digits) << "the field gives the digits back";
    }
    // The same as the library's generators for any passphrase and key.
    for (const char* passphrase : {"a", "tidewater", "0123456789abcdef0123456789abcdef"}) {
        for (uint32_t k = 0; k < 4; ++k)
            EXPECT_EQ(editor::WepKeyDigits(passphrase, 1, k), Nwepgen64(passphrase, k)) << passphrase;
        const md5::Digest d = wepkey::PassPhraseDigest(passphrase);
        EXPECT_EQ(editor::WepKeyDigits(passphrase, 2, 0), BytesToHexText(d.data(), 13)) << passphrase;
    }
    const struct {
        const char* field;
        const char* digits;
    } fields[] = {{"0A:1B:2C:3D:4E", "0A1B2C3D4E"},
                  {"00:00:00:00:00", "0000000000"},
                  {"", ""},
                  {"1A:BB:46:29:78:B3:5A:9E:B2:9C:E0:D8:A9:FF", "1ABB462978B35A9EB29CE0D8A9"}};  // 26 at most
    for (const auto& c : fields) EXPECT_EQ(editor::WepKeyDigitsOfField(c.field), c.digits) << c.field;
}

TEST(KeyDialogRules, WepDialogFollowsLengthPassphraseAndKeyField) {
    // Initialisation: the key length from EncryptionLevel; then an empty passphrase and a zero key.
    const struct {
        uint32_t level;
        bool bits128;
        uint32_t levelAfter;
        const char* key;
    } inits[] = {{2, true, 2, "00000000000000000000000000"},
                 {1, false, 1, "0000000000"},
                 {0, false, 1, "0000000000"},
                 {6, false, 1, "0000000000"}};
    for (const auto& c : inits) {
        WLAN_PROFILE r = Used(1, c.level);
        EXPECT_EQ(keydialog::WepInit(r), c.bits128) << c.level;
        EXPECT_EQ(r.EncryptionLevel, c.levelAfter);
        EXPECT_EQ(r.IsPassPhrase, 0u);
        EXPECT_STREQ(r.PassPhrase, "");
        EXPECT_STREQ(r.WEPKey[0], c.key);
        EXPECT_STREQ(r.WEPKey[1], "0A1B2C3D4E") << "only key 0 is the dialog's";
    }

    WLAN_PROFILE r = Record();
    r.DefaultKeyId = 1;
    keydialog::WepInit(r);
    EXPECT_EQ(keydialog::WepPassphraseChanged(r, "abcde"), "E2:C1:B3:E0:3B") << "the key of DefaultKeyId";
    EXPECT_STREQ(r.WEPKey[0], Nwepgen64("abcde", 1).c_str());
    EXPECT_EQ(r.IsPassPhrase, 1u);
    EXPECT_STREQ(r.PassPhrase, "abcde");

    EXPECT_EQ(keydialog::WepKeyLengthChanged(r, true), "00:00:00:00:00:00:00:00:00:00:00:00:00");
    EXPECT_EQ(r.EncryptionLevel, 2u);
    EXPECT_EQ(r.IsPassPhrase, 0u) << "the passphrase is emptied";
    EXPECT_STREQ(r.PassPhrase, "");
    keydialog::WepPassphraseChanged(r, "lantern orchard");
    EXPECT_STREQ(r.WEPKey[0], "1ABB462978B35A9EB29CE0D8A9");
    EXPECT_EQ(keydialog::WepKeyLengthChanged(r, false), "00:00:00:00:00");
    EXPECT_EQ(r.EncryptionLevel, 1u);
    EXPECT_STREQ(r.WEPKey[0], "0000000000");

    keydialog::WepPassphraseChanged(r, "abcde");
    EXPECT_EQ(keydialog::WepPassphraseChanged(r, ""), "00:00:00:00:00") << "emptied: the zero key again";
    EXPECT_EQ(r.IsPassPhrase, 0u);
    EXPECT_STREQ(r.WEPKey[0], "0000000000");

    keydialog::WepKeyFieldChanged(r, "0A:1B:2C:3D:4E");
    EXPECT_STREQ(r.WEPKey[0], "0A1B2C3D4E");
    r.DefaultKeyId = 2;
    keydialog::WepConnect(r);
    EXPECT_EQ(r.SecurityMode, 1u);
    EXPECT_EQ(r.IsKeyHexed, 1u);
    EXPECT_EQ(r.DefaultKeyId, 2u) << "as the caller set it";
    EXPECT_STREQ(r.WEPKey[0], "0A1B2C3D4E");
}

TEST(KeyDialogRules, APassphraseHasEightToSixtyThreeCharacters) {
    const struct {
        std::string passphrase;
        bool accepted;
    } cases[] = {{"", false},
                 {"1234567", false},
                 {"12345678", true},
                 {"lantern-orchard-42", true},
                 {std::string(63, 'x'), true},
                 {std::string(64, 'x'), false},
                 // The editor's rule: printable ASCII only.
                 {"lantern\torchard", false},
                 {"caf\xE9-au-lait", false},
                 {std::string("lantern\0orchard", 15), false},
                 {" ~spaces and tildes~ ", true}};
    for (const auto& c : cases) EXPECT_EQ(keydialog::PassphraseAccepted(c.passphrase), c.accepted) << c.passphrase;
    EXPECT_STREQ(keydialog::PassphraseRefusal, "Please enter the correct Passphrase");
}

TEST(KeyDialogRules, WpaDialogsCompleteTheRecordOnConnect) {
    const struct {
        const char* name;
        bool wpa2;
        bool aes;
        uint32_t levelBefore;
        uint32_t mode, level;
    } cases[] = {{"WPA TKIP", false, false, 6, 2, 5},
                 {"WPA AES", false, true, 5, 2, 6},
                 {"WPA2 keeps the level", true, false, 6, 4, 6},
                 {"WPA2 keeps a zero level", true, false, 0, 4, 0}};
    for (const auto& c : cases) {
        WLAN_PROFILE r = Used(2, c.levelBefore);
        std::memset(r.PassPhrase, 'Z', sizeof r.PassPhrase);  // no NUL left from before
        if (c.wpa2) keydialog::Wpa2Connect(r, "lantern-orchard-42");
        else keydialog::WpaConnect(r, c.aes, "lantern-orchard-42");
        EXPECT_EQ(r.SecurityMode, c.mode) << c.name;
        EXPECT_EQ(r.EncryptionLevel, c.level) << c.name;
        EXPECT_EQ(r.IsPassPhrase, 1u) << c.name;
        EXPECT_STREQ(r.PassPhrase, "lantern-orchard-42") << c.name;
        EXPECT_EQ(r.PassPhrase[sizeof r.PassPhrase - 1], 0) << c.name << ": cleared over its 128 bytes";
    }
    // The cipher combo preselects AES only for level 6.
    for (uint32_t level : {0u, 1u, 5u, 6u}) {
        WLAN_PROFILE r = Used(2, level);
        EXPECT_EQ(keydialog::WpaCipherIndex(r), level == 6 ? 1 : 0) << level;
    }
}

TEST(KeyDialogRules, AnotherSecurityKindHandsTheRecordOnCleared) {
    using keydialog::Kind;
    const struct {
        const char* name;
        Kind own, chosen;
        bool changed;
        uint32_t mode, level;
        bool keysCleared;
    } cases[] = {
        {"WEP to WPA2 clears the keys", Kind::Wep, Kind::Wpa2Personal, true, 4, 0, true},
        {"WEP to WPA", Kind::Wep, Kind::WpaPersonal, true, 2, 0, true},
        {"WEP stays", Kind::Wep, Kind::Wep, false, 1, 2, false},
        {"WPA to WEP", Kind::WpaPersonal, Kind::Wep, true, 1, 0, false},
        {"WPA to WPA2", Kind::WpaPersonal, Kind::Wpa2Personal, true, 4, 0, false},
        {"WPA stays", Kind::WpaPersonal, Kind::WpaPersonal, false, 1, 2, false},
        {"WPA2 to WEP keeps the level", Kind::Wpa2Personal, Kind::Wep, true, 1, 2, false},
        {"WPA2 to WPA keeps the level", Kind::Wpa2Personal, Kind::WpaPersonal, true, 2, 2, false},
        {"WPA2 stays", Kind::Wpa2Personal, Kind::Wpa2Personal, false, 1, 2, false},
    };
    for (const auto& c : cases) {
        WLAN_PROFILE r = Used(1, 2);
        EXPECT_EQ(keydialog::ChooseKind(r, c.own, c.chosen), c.changed) << c.name;
        EXPECT_EQ(r.SecurityMode, c.mode) << c.name;
        EXPECT_EQ(r.EncryptionLevel, c.level) << c.name;
        EXPECT_STREQ(r.PassPhrase, c.changed ? "" : "earlier secret") << c.name;
        for (const auto& key : r.WEPKey) EXPECT_STREQ(key, c.keysCleared ? "" : "0A1B2C3D4E") << c.name;
        EXPECT_EQ(keydialog::KindOfSecurityMode(r.SecurityMode), c.changed ? int(c.chosen) : int(Kind::Wep))
            << c.name << ": the next dialog";
    }
    for (uint32_t mode : {0u, 3u, 5u, 6u, 7u}) EXPECT_EQ(keydialog::KindOfSecurityMode(mode), -1) << mode;
}
