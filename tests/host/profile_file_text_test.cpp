// Texts of the profile export file: registry values out, edited numbers back in.
#include <gtest/gtest.h>

#include <string>

#include "adapter/portable/ProfileFileText.h"

using profilefile::ExportText;
using profilefile::ParseDwordText;

namespace {

std::string Text(const std::string& data, bool isDword = false) {
    return ExportText(isDword, reinterpret_cast<const uint8_t*>(data.data()), data.size());
}

}  // namespace

TEST(ProfileFileText, ValuesExportAsDecimalOrTextUpToTheFirstZero) {
    const struct {
        std::string data;
        bool isDword;
        std::string text;
    } cases[] = {
        {std::string("\x06\0\0\0", 4), true, "6"},
        {std::string("\x0A\x01\xA8\xC0", 4), true, "3232235786"},  // unsigned, not negative
        {std::string("\xFF\xFF\xFF\xFF", 4), true, "4294967295"},
        {std::string("\x07", 1), true, "7"},                          // short: the rest reads as zero
        {"", true, "0"},
        {std::string("\x01\x02\0\0\0\0\0\0", 8), true, "513"},      // long: the first four bytes
        {std::string("Home\0\0junk", 10), false, "Home"},
        {std::string("\x01\0\0\0", 4), false, "\x01"},              // AuthMethod 1 stored as REG_SZ
        {std::string("\0\0\0\0", 4), false, ""},                    // AuthMethod 0
        {std::string("\x04\x03\x02\x01", 4), false, "\x04\x03\x02\x01"},
        {std::string(260, 'T'), false, std::string(260, 'T')},      // no zero at all: bounded by the data
        {"", false, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Text(c.data, c.isDword), c.text) << c.text;
}

TEST(ProfileFileText, NumbersParseLeadingDigitsAndNeverOverflow) {
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"0", 0},
        {"6", 6},
        {"2346", 2346},
        {"3232235786", 3232235786u},  // what the export writes for a static address comes back whole
        {"4294967295", 0xFFFFFFFFu},
        {"4294967296", 0xFFFFFFFFu},
        {"99999999999999999999999999", 0xFFFFFFFFu},
        {"-1", 0xFFFFFFFFu},
        {"-2147483648", 0x80000000u},
        {"-99999999999", 0x80000000u},
        {"+12", 12},
        {"  42", 42},
        {"\t7", 7},
        {"12abc", 12},
        {"abc", 0},  // not a number: 0
        {"", 0},
        {"-", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"007", 7},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseDwordText(c.text), c.value) << '"' << c.text << '"';

    for (uint32_t v : {0u, 1u, 255u, 0x7FFFFFFFu, 0x80000000u, 0xC800000Au, 0xFFFFFFFEu}) {
        const uint8_t bytes[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
        EXPECT_EQ(ParseDwordText(ExportText(true, bytes, 4)), v) << "round trip of " << v;
    }
}
