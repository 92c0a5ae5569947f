// Texts of the profile export file: registry values out, edited numbers back in.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "adapter/portable/ProfileFileText.h"
#include "tests/support/EditorMadeProfiles.h"

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

TEST(ProfileFileText, ImportNumbersAreWholeDecimalTextsOrNothing) {
    const struct {
        const char* text;
        std::optional<uint32_t> value;
    } cases[] = {
        {"0", 0u},
        {"6", 6u},
        {"  42\t", 42u},
        {"3232235786", 3232235786u},
        {"4294967295", 0xFFFFFFFFu},
        {"-1", 0xFFFFFFFFu},
        {"-2147483648", 0x80000000u},
        {"", 0u},  // the key is missing or empty: 0, as the import has always given
        {"   ", 0u},
        {"4294967296", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"+", std::nullopt},  // a DHCP flag "+" once turned into a static 0.0.0.0 address
        {"+1", std::nullopt},
        {"-", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"0x10", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(profilefile::ParseDecimalText(c.text), c.value) << '"' << c.text << '"';
}

TEST(ProfileFileText, ImportTextsAreCheckedAgainstTheirFields) {
    using profilefile::ImportFault;
    const auto valueNamed = [](std::string_view name) -> const profile::ValueSpec& {
        for (const profile::ValueSpec& v : profile::Values())
            if (name == v.name) return v;
        throw std::runtime_error("no value " + std::string(name));
    };
    const struct {
        const char* name;
        std::string text;
        ImportFault fault;
        uint32_t number;
    } cases[] = {
        {"AssociationMode", "2", ImportFault::None, 2},
        {"AssociationMode", "3", ImportFault::OutOfRange, 0},
        {"Channel", "0", ImportFault::None, 0},
        {"Channel", "14", ImportFault::None, 14},
        {"Channel", "15", ImportFault::OutOfRange, 0},
        {"Channel", "-1", ImportFault::OutOfRange, 0},
        {"SecurityMode", "6", ImportFault::None, 6},
        {"SecurityMode", "4294967295", ImportFault::OutOfRange, 0},
        {"AuthentMode", "3", ImportFault::OutOfRange, 0},
        {"EncryptionLevel", "6", ImportFault::None, 6},
        {"EncryptionLevel", "7", ImportFault::OutOfRange, 0},
        {"DefaultKeyId", "4", ImportFault::OutOfRange, 0},
        {"IsPassPhrase", "2", ImportFault::OutOfRange, 0},
        {"IsKeyHexed", "1", ImportFault::None, 1},
        {"EntAuthenType", "3", ImportFault::OutOfRange, 0},
        {"InnerAuthen", "4", ImportFault::None, 4},
        {"InnerAuthen", "5", ImportFault::OutOfRange, 0},
        {"DhcpEnabled", "+", ImportFault::NotANumber, 0},
        {"DhcpEnabled", "2", ImportFault::OutOfRange, 0},
        {"DhcpEnabled", "", ImportFault::None, 0},
        {"NetworkMode", "3", ImportFault::None, 3},  // stored only: any number
        {"FragThreshold", "4294967295", ImportFault::None, 0xFFFFFFFF},
        {"TxRate", "54 Mbps", ImportFault::NotANumber, 0},
        {"IpAddr", "3232235786", ImportFault::None, 3232235786u},
        {"SSID", std::string(32, 's'), ImportFault::None, 0},
        {"SSID", std::string(33, 's'), ImportFault::TooLong, 0},
        {"WEPKey3", std::string(26, 'A'), ImportFault::None, 0},
        {"WEPKey3", std::string(27, 'A'), ImportFault::TooLong, 0},
        {"PassPhrase", std::string(127, 'p'), ImportFault::None, 0},
        {"PassPhrase", std::string(128, 'p'), ImportFault::TooLong, 0},
        {"ServerName", std::string(128, 'n'), ImportFault::TooLong, 0},
        {"AuthMethod", "\x01", ImportFault::None, 0},
        {"AuthMethod", "", ImportFault::None, 0},
        {"AuthMethod", "12345", ImportFault::TooLong, 0},
    };
    for (const auto& c : cases) {
        uint32_t number = 0;
        EXPECT_EQ(profilefile::CheckImportText(valueNamed(c.name), c.text, number), c.fault)
            << c.name << "=" << c.text.substr(0, 40);
        EXPECT_EQ(number, c.number) << c.name;
    }
}

namespace {

// The values WriteProfile stores for a record: name, type and bytes, in the table's order.
using StoredForm = std::vector<std::tuple<std::string, bool, std::string>>;

StoredForm Stored(const WLAN_PROFILE& p) {
    StoredForm form;
    for (const profile::ValueSpec& value : profile::Values()) {
        if (value.staticOnly && p.DhcpEnabled != 0) continue;
        const char* field = reinterpret_cast<const char*>(profile::FieldOf(p, value));
        form.emplace_back(value.name, value.kind == profile::ValueKind::Dword, std::string(field, value.width));
    }
    return form;
}

// The file an export writes for that stored form: one text a value.
std::map<std::string, std::string> Exported(const StoredForm& form) {
    std::map<std::string, std::string> file;
    for (const auto& [name, isDword, bytes] : form)
        file[name] = ExportText(isDword, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    return file;
}

profilefile::ImportFault Import(const std::map<std::string, std::string>& file, WLAN_PROFILE& record) {
    return profilefile::RecordFromFile(
        [&](const char* key) {
            const auto found = file.find(key);
            return found == file.end() ? std::string() : found->second;
        },
        record);
}

}  // namespace

TEST(ProfileFileText, EveryKindOfProfileComesBackAsWriteProfileStoredIt) {
    for (const editor_made::AddCase& c : editor_made::Cases()) {
        for (const bool dhcp : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (dhcp ? ", DHCP" : ", static"));
            WLAN_PROFILE source = c.made();
            source.DhcpEnabled = dhcp ? 1 : 0;
            if (!dhcp) {
                source.IpAddr = 0xC800000A;  // 10.0.0.200: above the signed range
                source.IpMask = 0x00FFFFFF;
                source.IpGate = 0x0100000A;
                source.IpDns1 = 0x0100000A;
                source.IpDns2 = 0;
            }
            WLAN_PROFILE imported;
            std::memset(&imported, 0x5A, sizeof imported);
            ASSERT_EQ(Import(Exported(Stored(source)), imported), profilefile::ImportFault::None);
            EXPECT_EQ(Stored(imported), Stored(source));
        }
    }
}

TEST(ProfileFileText, ChannelZeroIsRefusedForAnAdHocCellOnItsOwnChannel) {
    const struct {
        const char* mode;
        const char* channel;
        profilefile::ImportFault fault;
    } cases[] = {
        {"2", "0", profilefile::ImportFault::OutOfRange}, {"2", "", profilefile::ImportFault::OutOfRange},
        {"0", "0", profilefile::ImportFault::None},       {"", "", profilefile::ImportFault::None},
        {"1", "0", profilefile::ImportFault::None},       {"1", "", profilefile::ImportFault::None},
        {"2", "1", profilefile::ImportFault::None},       {"0", "14", profilefile::ImportFault::None},
        {"2", "15", profilefile::ImportFault::OutOfRange}, {"1", "99", profilefile::ImportFault::OutOfRange},
    };
    for (const auto& c : cases) {
        WLAN_PROFILE record{};
        EXPECT_EQ(Import({{"SSID", "Cell"}, {"AssociationMode", c.mode}, {"Channel", c.channel}, {"DhcpEnabled", "1"}},
                         record),
                  c.fault)
            << "mode " << c.mode << ", channel " << c.channel;
    }
}
