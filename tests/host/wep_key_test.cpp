// WEP keys from a passphrase (40-bit generator, 104-bit MD5 method) and the key texts made from them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "adapter/portable/KeyText.h"
#include "adapter/portable/Md5.h"
#include "adapter/portable/WepKeyGen.h"

namespace {

constexpr uint8_t kUntouched = 0xA5;

struct Block {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(120, kUntouched);
    uint32_t state = 0;
    std::string Key(size_t k, size_t length = 5) const { return BytesToHexText(bytes.data() + 27 * k, length); }
};

Block Generate(std::string_view passphrase, size_t keyLength = 5) {
    Block b;
    b.state = wepkey::Nwepgen(passphrase, keyLength, b.bytes.data());
    return b;
}

std::string Hex(const md5::Digest& d) { return BytesToHexText(d.data(), d.size()); }

}  // namespace

TEST(Nwepgen, KnownKeysAndFinalState) {
    // Reference values of the published generator, computed independently.
    const struct {
        const char* passphrase;
        const char* keys[4];
        uint32_t state;
    } cases[] = {
        {"a", {"63CACE42D9", "F201F42A09", "D275059AF9", "B4721C60FD"}, 0x0afd3245},
        {"ab", {"6A9E9C0123", "7934030366", "0407D68FE4", "9AC50ADFAA"}, 0x94aab445},
        {"abcd", {"41192B542A", "6473463AC1", "F33A3D5A83", "BD5C452EBD"}, 0x91bdb445},
        {"abcde", {"1167739413", "E2C1B3E03B", "AE3A9A6184", "23E3BB1DAB"}, 0xafab6098},
        {"lantern orchard", {"3406F4ADE6", "418D4051CD", "BD73B10A33", "C8C8BD714B"}, 0x624ba44b},
    };
    for (const auto& c : cases) {
        const Block b = Generate(c.passphrase);
        for (size_t k = 0; k < 4; ++k) EXPECT_EQ(b.Key(k), c.keys[k]) << c.passphrase << " key " << k;
        EXPECT_EQ(b.state, c.state) << c.passphrase;
        EXPECT_EQ(uint8_t(b.state >> 16), b.bytes[81 + 4]) << "the state that made the last byte is returned";
    }
}

TEST(Nwepgen, SeedBytesFoldTheCharactersFourApart) {
    // A zero-length run returns the seed itself: the first character is the lowest byte,
    // and characters four apart XOR into the same byte.
    const struct {
        const char* passphrase;
        uint32_t seed;
    } seeds[] = {
        {"a", 0x61}, {"ab", 0x6261}, {"abc", 0x636261}, {"abcd", 0x64636261},
        {"abcde", 0x64636204},  // 'a' ^ 'e'
        {"abcdabcd", 0}, {"abcdabcdz", 0x7A},
    };
    for (const auto& c : seeds) EXPECT_EQ(Generate(c.passphrase, 0).state, c.seed) << c.passphrase;

    EXPECT_EQ(Generate("abcde").bytes, Generate(std::string("\x04", 1) + "bcd").bytes);
    EXPECT_EQ(Generate("abcdabcdz").bytes, Generate("z").bytes);
    EXPECT_NE(Generate("ab").bytes, Generate("ba").bytes);
}

TEST(Nwepgen, WritesOnlyTheFourKeysAndContinuesTheStateAcrossThem) {
    const Block b = Generate("lantern orchard");
    for (size_t i = 0; i < b.bytes.size(); ++i) {
        const bool inKey = i < 86 && i % 27 < 5;
        if (!inKey) {
            EXPECT_EQ(b.bytes[i], kUntouched) << "byte " << i;
        }
    }
    // Ten bytes per key: key 0 runs on into what key 1 is with five.
    const Block ten = Generate("lantern orchard", 10);
    EXPECT_EQ(ten.Key(0, 10), b.Key(0) + b.Key(1));
    EXPECT_EQ(ten.Key(1, 10), b.Key(2) + b.Key(3));

    const Block empty = Generate("");
    EXPECT_EQ(empty.state, 0u);
    EXPECT_EQ(empty.bytes, std::vector<uint8_t>(120, kUntouched));
    EXPECT_EQ(Generate("lantern orchard").bytes, b.bytes) << "deterministic";
}

TEST(PassPhraseDigest, RepeatsThePassphraseToSixtyFourBytes) {
    const std::string p64 = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
    ASSERT_EQ(p64.size(), 64u);
    const auto* raw = reinterpret_cast<const uint8_t*>(p64.data());
    EXPECT_EQ(Hex(wepkey::PassPhraseDigest(p64)), Hex(md5::Of(raw, 64))) << "64 characters hash themselves";
    EXPECT_EQ(Hex(wepkey::PassPhraseDigest(p64 + "and more")), Hex(md5::Of(raw, 64))) << "only 64 count";
    EXPECT_NE(Hex(wepkey::PassPhraseDigest(p64.substr(0, 63))), Hex(md5::Of(raw, 64)));

    const struct {
        const char* passphrase;
        const char* digest;
    } cases[] = {
        {"abc", "EFEFEEDAE197ED614B582E1490F9E33E"},  // "abc" x 21 + "a"
        {"x", "C1BB4F81D892B2D57947682AEB252456"},
        {"lantern orchard", "1ABB462978B35A9EB29CE0D8A9AB9F38"},
        {"", "3B5D3C7D207E37DCEEEDD301E35E2E58"},  // 64 zero bytes rather than a division by zero
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(wepkey::PassPhraseDigest(c.passphrase)), c.digest) << c.passphrase;

    uint8_t expanded[64];
    wepkey::ExpandPassPhrase("abcde", expanded);
    std::string repeated;
    while (repeated.size() < 64) repeated += "abcde";
    EXPECT_EQ(std::string(reinterpret_cast<char*>(expanded), 64), repeated.substr(0, 64)) << "cut at 64 bytes";
}

TEST(KeyText, BytesToHexTextIsUpperCaseHighNibbleFirst) {
    const uint8_t bytes[] = {0x00, 0x0A, 0xF0, 0xFF, 0x5C, 0x9b};
    EXPECT_EQ(BytesToHexText(bytes, 6), "000AF0FF5C9B");
    EXPECT_EQ(BytesToHexText(bytes, 1), "00");
    EXPECT_EQ(BytesToHexText(bytes, 0), "");
    const md5::Digest d = wepkey::PassPhraseDigest("lantern orchard");
    EXPECT_EQ(BytesToHexText(d.data(), 13), "1ABB462978B35A9EB29CE0D8A9") << "the 26 digits of a 128-bit key";
}

TEST(KeyText, FormatWepKeyTextPadsAndPairs) {
    const struct {
        const char* text;
        size_t digits;
        const char* shown;
    } cases[] = {
        {"12345", 10, "12:34:50:00:00"},
        {"", 10, "00:00:00:00:00"},
        {"0123456789", 10, "01:23:45:67:89"},
        {"0123456789ABCDEF", 10, "01:23:45:67:89"},  // longer: only the first ten
        {"1ABB462978B35A9EB29CE0D8A9", 26, "1A:BB:46:29:78:B3:5A:9E:B2:9C:E0:D8:A9"},
        {"", 26, "00:00:00:00:00:00:00:00:00:00:00:00:00"},
        {"123456789", 9, "12:34:56:78:90"},  // odd count: the last pair is padded, not read past the end
        {"ABC", 1, "AB"},
        {"ABC", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatWepKeyText(c.text, c.digits), c.shown) << c.text << "/" << c.digits;
}
