// The names of a profile's coded numbers: the one table of security kinds, and the other fields' values.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "adapter/portable/ProfileKinds.h"

using profile::LevelUse;
using profile::Security;

namespace {

// The number the record stores for each enumerator. No defaults: a new enumerator fails this
// test's build until it is written down here.
constexpr uint32_t NotNamed = 0xFFFFFFFF;

uint32_t RecordNumber(profile::Association a) {
    switch (a) {
    case profile::Association::AdhocJoin: return 0;
    case profile::Association::Infrastructure: return 1;
    case profile::Association::AdhocOnChannel: return 2;
    }
    return NotNamed;
}

uint32_t RecordNumber(profile::Level l) {
    switch (l) {
    case profile::Level::Unset: return 0;
    case profile::Level::Wep64: return 1;
    case profile::Level::Wep128: return 2;
    case profile::Level::Tkip: return 5;
    case profile::Level::Aes: return 6;
    }
    return NotNamed;
}

uint32_t RecordNumber(profile::EapMethod m) {
    switch (m) {
    case profile::EapMethod::None: return 0;
    case profile::EapMethod::Peap: return 1;
    case profile::EapMethod::Tls: return 2;
    }
    return NotNamed;
}

uint32_t RecordNumber(profile::InnerMethod m) {
    switch (m) {
    case profile::InnerMethod::None: return 0;
    case profile::InnerMethod::NewProfile: return 3;
    case profile::InnerMethod::MsChapV2: return 4;
    }
    return NotNamed;
}

uint32_t RecordNumber(profile::WepAuth a) {
    switch (a) {
    case profile::WepAuth::Open: return 0;
    case profile::WepAuth::Shared: return 1;
    case profile::WepAuth::Auto: return 2;
    }
    return NotNamed;
}

uint32_t RecordNumber(profile::NetworkMode m) {
    switch (m) {
    case profile::NetworkMode::Mixed: return 0;
    case profile::NetworkMode::GOnly: return 1;
    }
    return NotNamed;
}

// The numbers up to 63 that an enumerator of E names, each checked against RecordNumber.
template <typename E>
std::vector<uint32_t> NamedNumbers() {
    std::vector<uint32_t> named;
    for (uint32_t n = 0; n < 64; ++n) {
        const uint32_t expected = RecordNumber(E(n));
        if (expected == NotNamed) continue;
        EXPECT_EQ(expected, n);
        named.push_back(n);
    }
    return named;
}

}  // namespace

TEST(ProfileKinds, EachKindIsItsStoredNumberAndReadsBackAsItself) {
    const struct {
        Security security;
        uint32_t number;
        const char* name;
        const char* word;  // null: no wifictl word
        LevelUse level;
        bool dot1x;
    } cases[] = {
        {Security::Disabled, 0, "Disabled", "open", LevelUse::None, false},
        {Security::Wep, 1, "WEP", "wep", LevelUse::WepKeyLength, false},
        {Security::WpaPersonal, 2, "WPA-Personal", "wpa", LevelUse::Cipher, false},
        {Security::WpaEnterprise, 3, "WPA-Enterprise", "wpa-enterprise", LevelUse::Cipher, true},
        {Security::Wpa2Personal, 4, "WPA2-Personal", "wpa2", LevelUse::Cipher, false},
        {Security::Wpa2Enterprise, 5, "WPA2-Enterprise", nullptr, LevelUse::Cipher, true},
        {Security::Radius, 6, "RADIUS", "radius", LevelUse::None, true},
    };
    ASSERT_EQ(std::size(profile::SecurityKinds), std::size(cases));
    for (const auto& c : cases) {
        WLAN_PROFILE p{};
        p.SecurityMode = profile::Stored(c.security);
        EXPECT_EQ(p.SecurityMode, c.number) << c.name;
        EXPECT_EQ(profile::SecurityOf(p), c.security) << c.name;
        const profile::SecurityKind* kind = profile::FindKind(p.SecurityMode);
        ASSERT_NE(kind, nullptr) << c.name;
        EXPECT_EQ(kind, profile::FindKind(c.security)) << c.name;
        EXPECT_EQ(kind->security, c.security) << c.name;
        EXPECT_STREQ(kind->name, c.name);
        EXPECT_STREQ(profile::NameOf(c.security), c.name);
        EXPECT_EQ(kind->level, c.level) << c.name;
        EXPECT_EQ(kind->dot1x, c.dot1x) << c.name;
        if (c.word) {
            EXPECT_STREQ(kind->word, c.word);
            EXPECT_EQ(profile::FindKindByWord(c.word), kind) << c.word;
        } else {
            EXPECT_EQ(kind->word, nullptr) << c.name;
        }
    }
}

TEST(ProfileKinds, EveryKnownNumberHasOneKindWithUniqueNamesAndWords) {
    // A kind exactly for the numbers IsKnown's switch names, whatever else a stored profile holds.
    size_t known = 0;
    for (uint32_t n = 0; n < 300; ++n) {
        EXPECT_EQ(profile::FindKind(n) != nullptr, profile::IsKnown(Security(n))) << n;
        known += profile::IsKnown(Security(n)) ? 1 : 0;
    }
    EXPECT_EQ(known, std::size(profile::SecurityKinds));
    EXPECT_EQ(profile::FindKind(0xFFFFFFFFu), nullptr);
    EXPECT_STREQ(profile::NameOf(Security(7)), "");

    std::set<std::string> names, words;
    for (const profile::SecurityKind& kind : profile::SecurityKinds) {
        EXPECT_TRUE(names.insert(kind.name).second) << kind.name;
        if (kind.word) {
            EXPECT_TRUE(words.insert(kind.word).second) << kind.word;
        }
    }
    EXPECT_EQ(words.size(), std::size(profile::SecurityKinds) - 1) << "every kind but WPA2 with 802.1X has a word";
    for (const char* word : {"", "WEP", "Disabled", "none", "wpa2-enterprise", "wpa ", "radius\n"})
        EXPECT_EQ(profile::FindKindByWord(word), nullptr) << word;
}

TEST(ProfileKinds, OtherFieldsNameTheirNumbersAndReadBackByName) {
    EXPECT_EQ(NamedNumbers<profile::Association>(), (std::vector<uint32_t>{0, 1, 2}));
    EXPECT_EQ(NamedNumbers<profile::Level>(), (std::vector<uint32_t>{0, 1, 2, 5, 6}));
    EXPECT_EQ(NamedNumbers<profile::EapMethod>(), (std::vector<uint32_t>{0, 1, 2}));
    EXPECT_EQ(NamedNumbers<profile::InnerMethod>(), (std::vector<uint32_t>{0, 3, 4}));
    EXPECT_EQ(NamedNumbers<profile::WepAuth>(), (std::vector<uint32_t>{0, 1, 2}));
    EXPECT_EQ(NamedNumbers<profile::NetworkMode>(), (std::vector<uint32_t>{0, 1}));

    WLAN_PROFILE p{};
    p.AssociationMode = profile::Stored(profile::Association::AdhocOnChannel);
    p.EncryptionLevel = profile::Stored(profile::Level::Aes);
    p.EntAuthenType = profile::Stored(profile::EapMethod::Peap);
    p.InnerAuthen = profile::Stored(profile::InnerMethod::MsChapV2);
    p.AuthentMode = profile::Stored(profile::WepAuth::Shared);
    p.NetworkMode = profile::Stored(profile::NetworkMode::GOnly);
    EXPECT_EQ(profile::AssociationOf(p), profile::Association::AdhocOnChannel);
    EXPECT_EQ(profile::LevelOf(p), profile::Level::Aes);
    EXPECT_EQ(profile::EapMethodOf(p), profile::EapMethod::Peap);
    EXPECT_EQ(profile::InnerMethodOf(p), profile::InnerMethod::MsChapV2);
    EXPECT_EQ(profile::WepAuthOf(p), profile::WepAuth::Shared);
    EXPECT_EQ(profile::NetworkModeOf(p), profile::NetworkMode::GOnly);
}

TEST(ProfileKinds, ReadersTakeNumbersBetweenAsTheEngineDoes) {
    const struct {
        uint32_t association;
        bool adhoc;
    } associations[] = {{0, true}, {1, false}, {2, true}, {3, false}, {0xFFFFFFFF, false}};
    for (const auto& c : associations) {
        WLAN_PROFILE p{};
        p.AssociationMode = c.association;
        EXPECT_EQ(profile::IsAdhoc(p), c.adhoc) << c.association;
    }
    const struct {
        uint32_t level;
        size_t keyBytes;
    } levels[] = {{0, 13}, {1, 5}, {2, 13}, {5, 13}, {6, 13}, {7, 13}};
    for (const auto& c : levels) EXPECT_EQ(profile::WepKeyBytes(profile::Level(c.level)), c.keyBytes) << c.level;
    const struct {
        uint32_t auth;
        const char* text;
    } auths[] = {{0, "Open System"}, {1, "Shared Key"}, {2, "Auto"}, {3, "Open System"}};
    for (const auto& c : auths) EXPECT_STREQ(profile::WepAuthText(profile::WepAuth(c.auth)), c.text) << c.auth;
}
