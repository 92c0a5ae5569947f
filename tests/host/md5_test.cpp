// MD5 against the RFC 1321 test suite, the padding boundaries and split input.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "adapter/portable/Md5.h"

namespace {

std::string Hex(const md5::Digest& d) {
    std::string s;
    char pair[3];
    for (uint8_t b : d) {
        std::snprintf(pair, sizeof pair, "%02x", b);
        s += pair;
    }
    return s;
}

md5::Digest OfText(const std::string& text) {
    return md5::Of(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace

TEST(Md5, Rfc1321TestSuite) {
    const struct {
        const char* message;
        const char* digest;
    } cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(OfText(c.message)), c.digest) << '"' << c.message << '"';
}

TEST(Md5, PaddingBoundariesAroundOneAndTwoBlocks) {
    // Lengths where the bit count no longer fits the last block, or exactly fills it.
    const struct {
        size_t length;
        const char* digest;
    } cases[] = {
        {55, "ef1772b6dff9a122358552954ad0df65"},  {56, "3b0c8ac703f828b04c6c197006d17218"},
        {57, "652b906d60af96844ebd21b674f35e93"},  {63, "b06521f39153d618550606be297466d5"},
        {64, "014842d480b571495a4a0363793f7367"},  {65, "c743a45e0d2e6a95cb859adae0248435"},
        {119, "8a7bd0732ed6a28ce75f6dabc90e1613"}, {120, "5f61c0ccad4cac44c75ff505e1f1e537"},
        {128, "e510683b3f5ffe4093d021808bc6ff70"}, {1000000, "7707d6ae4e027c70eea2a935c2296f21"},
    };
    for (const auto& c : cases) EXPECT_EQ(Hex(OfText(std::string(c.length, 'a'))), c.digest) << c.length;
}

TEST(Md5, InputSplitAnywhereGivesTheSameDigest) {
    std::string message;
    for (int i = 0; i < 150; ++i) message += char('!' + i % 90);
    const auto* bytes = reinterpret_cast<const uint8_t*>(message.data());
    const md5::Digest whole = md5::Of(bytes, message.size());
    for (size_t first = 0; first <= message.size(); ++first) {
        for (size_t second : {size_t(0), size_t(1), size_t(63), size_t(64)}) {
            if (first + second > message.size()) continue;
            md5::Context c;
            md5::Init(c);
            md5::Update(c, bytes, first);
            md5::Update(c, bytes + first, second);
            md5::Update(c, nullptr, 0);
            md5::Update(c, bytes + first + second, message.size() - first - second);
            md5::Digest d;
            md5::Final(c, d.data());
            ASSERT_EQ(d, whole) << first << "+" << second;
        }
    }
}

TEST(Md5, FinishClearsTheContext) {
    md5::Context c;
    md5::Init(c);
    const char secret[] = "lantern orchard";
    md5::Update(c, reinterpret_cast<const uint8_t*>(secret), sizeof secret - 1);
    md5::Digest d;
    md5::Final(c, d.data());
    const md5::Context zero{};
    EXPECT_EQ(std::memcmp(&c, &zero, sizeof c), 0);
    EXPECT_EQ(d, OfText(secret));
}
