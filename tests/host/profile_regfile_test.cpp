// The check of a profile file before the registry editor merges it: the registry editor's own
// exports pass, and every file that would write anything but one profile's values is refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "monitor/pages/portable/ProfileRegFile.h"

namespace {

using regfile::Fault;

std::vector<uint8_t> Unicode(const std::u16string& text) {
    std::vector<uint8_t> bytes = {0xFF, 0xFE};
    for (const char16_t c : text) {
        bytes.push_back(uint8_t(c));
        bytes.push_back(uint8_t(c >> 8));
    }
    return bytes;
}

std::vector<uint8_t> SingleByte(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

const std::u16string kHeader = u"Windows Registry Editor Version 5.00\r\n\r\n";
const std::u16string kKey = u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\My Home]\r\n";

// What the registry editor writes for a profile, values in its order.
const std::u16string kExport = kHeader + kKey +
                               u"\"AssociationMode\"=dword:00000001\r\n"
                               u"\"AuthentMode\"=dword:00000000\r\n"
                               u"\"AuthMethod\"=\"\x01\"\r\n"
                               u"\"BurstingMode\"=dword:00000000\r\n"
                               u"\"Channel\"=dword:00000006\r\n"
                               u"\"DefaultKeyId\"=dword:00000000\r\n"
                               u"\"DhcpEnabled\"=dword:00000000\r\n"
                               u"\"EncryptionLevel\"=dword:00000000\r\n"
                               u"\"EntAuthenType\"=dword:00000000\r\n"
                               u"\"FragThreshold\"=dword:00000000\r\n"
                               u"\"GMode\"=dword:00000000\r\n"
                               u"\"InnerAuthen\"=dword:00000000\r\n"
                               u"\"IpAddr\"=dword:0a07a8c0\r\n"
                               u"\"IpDns1\"=dword:3507a8c0\r\n"
                               u"\"IpDns2\"=dword:00000000\r\n"
                               u"\"IpGate\"=dword:0107a8c0\r\n"
                               u"\"IpMask\"=dword:00ffffff\r\n"
                               u"\"IsKeyHexed\"=dword:00000000\r\n"
                               u"\"IsPassPhrase\"=dword:00000001\r\n"
                               u"\"LoginName\"=\"\"\r\n"
                               u"\"LoginPassword\"=\"\"\r\n"
                               u"\"NetworkMode\"=dword:00000000\r\n"
                               u"\"PassPhrase\"=\"lantern \\\"orchard\\\" \\\\42\"\r\n"
                               u"\"PeapEap\"=\"\"\r\n"
                               u"\"PreambleMode\"=dword:00000000\r\n"
                               u"\"ProfileID\"=\"\"\r\n"
                               u"\"PSMode\"=dword:00000000\r\n"
                               u"\"RTSThreshold\"=dword:00000000\r\n"
                               u"\"SecurityMode\"=dword:00000004\r\n"
                               u"\"ServerName\"=\"\"\r\n"
                               u"\"SSID\"=\"Velmora-Home\"\r\n"
                               u"\"TTLSEap\"=\"\"\r\n"
                               u"\"TTLSProtocol\"=\"\\n\"\r\n"
                               u"\"TxRate\"=dword:00000036\r\n"
                               u"\"UserCertHash\"=\"\"\r\n"
                               u"\"ValidateServerCert\"=\"\"\r\n"
                               u"\"WEPKey0\"=\"\"\r\n"
                               u"\"WEPKey1\"=\"\"\r\n"
                               u"\"WEPKey2\"=\"\"\r\n"
                               u"\"WEPKey3\"=\"\"\r\n"
                               u"\r\n";

}  // namespace

TEST(ProfileRegFile, TheRegistryEditorsExportsPass) {
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        std::u16string profile;
        size_t values;
        bool singleByte;
    } cases[] = {
        {"a whole export", Unicode(kExport), u"My Home", 40, false},
        {"no values", Unicode(kHeader + kKey), u"My Home", 0, false},
        {"LF line ends, no last line end", Unicode(u"Windows Registry Editor Version 5.00\n\n"
                                                   u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A]\n"
                                                   u"\"SSID\"=\"a\""),
         u"A", 1, false},
        {"the same key twice, in another case",
         Unicode(kHeader + kKey + u"\"SSID\"=\"x\"\r\n\r\n" +
                 u"[hkey_local_machine\\software\\velmora\\profile\\wprofile\\MY HOME]\r\n\"ssid\"=\"y\"\r\n"),
         u"My Home", 2, false},
        {"hex forms of text and number, over continuation lines",
         Unicode(kHeader + kKey + u"\"SSID\"=hex(1):56,00,65,00,6c,00,\\\r\n  6d,00,6f,00,00,00\r\n" +
                 u"\"Channel\"=hex(4):0b,00,00,00\r\n\"AuthMethod\"=hex(1):01,00,00,00,00,00,00,00\r\n" +
                 u"\"LoginName\"=hex(1):\r\n"),
         u"My Home", 4, false},
        {"blank lines of blanks", Unicode(kHeader + u"  \r\n" + kKey + u"\t\r\n\"GMode\"=dword:1\r\n"), u"My Home", 1,
         false},
        {"a non-ASCII name", Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Caf\u00e9 \u00c5]\r\n"),
         u"Caf\u00e9 \u00c5", 0, false},
        {"the default profile",
         Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\(Default Site Profile)]\r\n"),
         u"(Default Site Profile)", 0, false},
        {"REGEDIT4", SingleByte("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Caf\xE9]\r\n"
                                "\"SSID\"=\"Caf\xE9\"\r\n\"SecurityMode\"=dword:00000001\r\n"
                                "\"WEPKey0\"=hex(1):41,42,43,44,45,00\r\n\"ValidateServerCert\"=hex(1):01,00,00,00\r\n\r\n"),
         u"Caf\u00e9", 4, true},
    };
    for (const Case& c : cases) {
        const regfile::Check check = regfile::CheckProfileFile(c.file);
        EXPECT_EQ(check.fault, Fault::None) << c.what << " (line " << check.line << ")";
        EXPECT_EQ(check.profile, c.profile) << c.what;
        EXPECT_EQ(check.values, c.values) << c.what;
        EXPECT_EQ(check.singleByte, c.singleByte) << c.what;
    }
}

TEST(ProfileRegFile, AnythingButOneProfilesValuesIsRefusedWithWhereAndWhy) {
    const std::u16string outside = u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n";
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        Fault fault;
        size_t line;
        std::u16string item;
    } cases[] = {
        {"empty", {}, Fault::Empty, 0, u""},
        {"too large", std::vector<uint8_t>(regfile::MostBytes + 1, 'A'), Fault::TooLarge, 0, u""},
        {"text", SingleByte("just some text\r\n"), Fault::NotAnExport, 0, u""},
        {"UTF-16 without its header", Unicode(kKey), Fault::NotAnExport, 0, u""},
        {"an odd byte count", [] { auto f = Unicode(kExport); f.push_back(0); return f; }(), Fault::NotAnExport, 0, u""},
        {"big-endian", {0xFE, 0xFF, 0, 'W'}, Fault::NotAnExport, 0, u""},
        {"REGEDIT4 header in UTF-16", Unicode(u"REGEDIT4\r\n" + kKey), Fault::NotAnExport, 0, u""},
        {"version 5 header without a byte order mark",
         SingleByte("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A]\r\n"),
         Fault::NotAnExport, 0, u""},
        {"header only", Unicode(kHeader), Fault::NoProfile, 0, u""},
        {"a Run key", Unicode(kHeader + outside + u"\"x\"=\"c:\\\\evil.exe\"\r\n"), Fault::KeyOutside, 3,
         u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
        {"a second key outside after a profile", Unicode(kHeader + kKey + u"\"SSID\"=\"a\"\r\n\r\n" + outside),
         Fault::KeyOutside, 6, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"},
        {"the profile key itself",
         Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE]\r\n\"CurProfile\"=\"x\"\r\n"),
         Fault::KeyOutside, 3, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE"},
        {"a key below a profile",
         Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A\\B]\r\n"), Fault::KeyOutside, 3,
         u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A\\B"},
        {"a trailing backslash", Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A\\]\r\n"),
         Fault::KeyOutside, 3, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A\\"},
        {"an empty name", Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\]\r\n"),
         Fault::KeyOutside, 3, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\"},
        {"a parent by dots", Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\..]\r\n"),
         Fault::KeyOutside, 3, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\.."},
        {"a name of 128 characters",
         Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\" + std::u16string(128, u'n') + u"]\r\n"),
         Fault::KeyOutside, 3, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\" + std::u16string(128, u'n')},
        {"the short root name", Unicode(kHeader + u"[HKLM\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A]\r\n"), Fault::KeyOutside,
         3, u"HKLM\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A"},
        {"another root", Unicode(kHeader + u"[HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A]\r\n"),
         Fault::KeyOutside, 3, u"HKEY_CURRENT_USER\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A"},
        {"brackets in the name", Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A]x]\r\n"),
         Fault::KeyOutside, 3, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A]x"},
        {"a key deleted", Unicode(kHeader + u"[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A]\r\n"),
         Fault::DeletesKey, 3, u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A"},
        {"two profiles",
         Unicode(kExport + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\Office]\r\n\"SSID\"=\"o\"\r\n"),
         Fault::TwoProfiles, 45, u"Office"},
        {"a value before any key", Unicode(kHeader + u"\"SSID\"=\"a\"\r\n" + kKey), Fault::ValueOutsideKey, 3, u""},
        {"the default value", Unicode(kHeader + kKey + u"@=\"x\"\r\n"), Fault::DefaultValue, 4, u""},
        {"an unknown value", Unicode(kHeader + kKey + u"\"Debugger\"=\"cmd.exe\"\r\n"), Fault::UnknownValue, 4,
         u"Debugger"},
        {"CurProfile is no profile value", Unicode(kHeader + kKey + u"\"CurProfile\"=\"x\"\r\n"), Fault::UnknownValue, 4,
         u"CurProfile"},
        {"a value deleted", Unicode(kHeader + kKey + u"\"SSID\"=-\r\n"), Fault::DeletesValue, 4, u"SSID"},
        {"a number as text", Unicode(kHeader + kKey + u"\"Channel\"=\"6\"\r\n"), Fault::WrongType, 4, u"Channel"},
        {"a text as number", Unicode(kHeader + kKey + u"\"SSID\"=dword:00000001\r\n"), Fault::WrongType, 4, u"SSID"},
        {"binary", Unicode(kHeader + kKey + u"\"PassPhrase\"=hex:41,42\r\n"), Fault::WrongType, 4, u"PassPhrase"},
        {"expandable text", Unicode(kHeader + kKey + u"\"SSID\"=hex(2):41,00,00,00\r\n"), Fault::WrongType, 4, u"SSID"},
        {"a REG_SZ number stored as a dword", Unicode(kHeader + kKey + u"\"AuthMethod\"=dword:00000001\r\n"),
         Fault::WrongType, 4, u"AuthMethod"},
        {"an SSID of 33 characters", Unicode(kHeader + kKey + u"\"SSID\"=\"" + std::u16string(33, u's') + u"\"\r\n"),
         Fault::TooLong, 4, u"SSID"},
        {"a passphrase of 128", Unicode(kHeader + kKey + u"\"PassPhrase\"=\"" + std::u16string(128, u'p') + u"\"\r\n"),
         Fault::TooLong, 4, u"PassPhrase"},
        {"a WEP key text of 27", Unicode(kHeader + kKey + u"\"WEPKey2\"=\"" + std::u16string(27, u'0') + u"\"\r\n"),
         Fault::TooLong, 4, u"WEPKey2"},
        {"a REG_SZ number of 4 characters", Unicode(kHeader + kKey + u"\"PeapEap\"=\"abcd\"\r\n"), Fault::TooLong, 4,
         u"PeapEap"},
        {"hex text longer than its field",
         Unicode(kHeader + kKey + u"\"TTLSEap\"=hex(1):01,00,00,00,00,00,00,00,00,00\r\n"), Fault::TooLong, 4, u"TTLSEap"},
        {"security mode 7", Unicode(kHeader + kKey + u"\"SecurityMode\"=dword:00000007\r\n"), Fault::OutOfRange, 4,
         u"SecurityMode"},
        {"channel 15 by hex", Unicode(kHeader + kKey + u"\"Channel\"=hex(4):0f,00,00,00\r\n"), Fault::OutOfRange, 4,
         u"Channel"},
        {"a comment", Unicode(kHeader + kKey + u"; note\r\n"), Fault::BadLine, 4, u""},
        {"a key after blanks", Unicode(kHeader + u" " + kKey), Fault::BadLine, 3, u""},
        {"a value after blanks", Unicode(kHeader + kKey + u"  \"SSID\"=\"a\"\r\n"), Fault::BadLine, 4, u""},
        {"blanks around =", Unicode(kHeader + kKey + u"\"SSID\" = \"a\"\r\n"), Fault::BadLine, 4, u""},
        {"text after the data", Unicode(kHeader + kKey + u"\"SSID\"=\"a\"b\r\n"), Fault::BadLine, 4, u""},
        {"an open quote", Unicode(kHeader + kKey + u"\"SSID\"=\"a\r\n"), Fault::BadLine, 4, u""},
        {"an unknown escape", Unicode(kHeader + kKey + u"\"SSID\"=\"a\\tb\"\r\n"), Fault::BadLine, 4, u""},
        {"nine hex digits", Unicode(kHeader + kKey + u"\"GMode\"=dword:000000001\r\n"), Fault::BadLine, 4, u""},
        {"no digits", Unicode(kHeader + kKey + u"\"GMode\"=dword:\r\n"), Fault::BadLine, 4, u""},
        {"a dword of 3 bytes", Unicode(kHeader + kKey + u"\"GMode\"=hex(4):01,00,00\r\n"), Fault::BadLine, 4, u""},
        {"a continuation at the end", Unicode(kHeader + kKey + u"\"SSID\"=hex(1):41,00,\\\r\n"), Fault::BadLine, 4, u""},
        {"a key in place of a continuation", Unicode(kHeader + kKey + u"\"SSID\"=hex(1):41,00,\\\r\n" + outside),
         Fault::BadLine, 4, u""},
        {"odd UTF-16 text bytes", Unicode(kHeader + kKey + u"\"SSID\"=hex(1):41,00,42\r\n"), Fault::BadLine, 4, u""},
        {"a lone CR hiding a key", Unicode(kHeader + kKey + u"\"SSID\"=\"a\r" + outside), Fault::BadLine, 4, u""},
        {"a NUL", Unicode(kHeader + kKey + u"\"SSID\"=\"a" + std::u16string(1, u'\0') + u"\"\r\n"), Fault::BadLine, 4,
         u""},
        {"an unclosed key", Unicode(kHeader + u"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Profile\\WPROFILE\\A\r\n"),
         Fault::BadLine, 3, u""},
    };
    for (const Case& c : cases) {
        const regfile::Check check = regfile::CheckProfileFile(c.file);
        EXPECT_EQ(check.fault, c.fault) << c.what;
        EXPECT_EQ(check.line, c.line) << c.what;
        EXPECT_EQ(check.item, c.item) << c.what;
    }
}

TEST(ProfileRegFile, TheRefusalSaysWhereAndWhy) {
    const char* lead = "The file was not imported, and nothing was changed.\n";
    struct Case {
        Fault fault;
        size_t line;
        const char* item;
        const char* profile;
        const char* why;
    } cases[] = {
        {Fault::Empty, 0, "", "", "The file is empty."},
        {Fault::TooLarge, 0, "", "", "The file is too large to be a profile."},
        {Fault::NotAnExport, 0, "", "", "The file is not a profile exported by the registry editor."},
        {Fault::BadLine, 7, "", "", "Line 7 is not in the registry editor's form."},
        {Fault::DeletesKey, 3, "HKEY_LOCAL_MACHINE\\X", "", "Line 3 deletes the key \"HKEY_LOCAL_MACHINE\\X\"."},
        {Fault::KeyOutside, 3, "HKEY_CURRENT_USER\\Run", "",
         "Line 3 names the key \"HKEY_CURRENT_USER\\Run\", which is not a profile's key."},
        {Fault::TwoProfiles, 45, "Office", "My Home", "Line 45 names a second profile, \"Office\", after \"My Home\"."},
        {Fault::ValueOutsideKey, 3, "", "", "Line 3 sets a value outside any key."},
        {Fault::DefaultValue, 4, "", "", "Line 4 sets the key's default value, which is not a profile value."},
        {Fault::UnknownValue, 4, "Debugger", "", "Line 4 sets \"Debugger\", which is not a profile value."},
        {Fault::DeletesValue, 4, "SSID", "", "Line 4 deletes the value \"SSID\"."},
        {Fault::WrongType, 4, "Channel", "", "Line 4 gives \"Channel\" a type it has not got in a profile."},
        {Fault::TooLong, 4, "SSID", "", "Line 4 gives \"SSID\" a text too long for it."},
        {Fault::OutOfRange, 4, "SecurityMode", "", "Line 4 gives \"SecurityMode\" a number out of its range."},
        {Fault::NoProfile, 0, "", "", "The file holds no profile."},
        {Fault::ForeignName, 0, "", "Caf?", "The profile's name, \"Caf?\", has characters this system cannot hold."},
        {Fault::RefusedName, 0, "", "Home.",
         "The profile's name, \"Home.\", cannot be used: a profile name has 1 to 127 characters, no backslash, "
         "bracket or control character, and does not end with a dot."},
    };
    for (const Case& c : cases) {
        regfile::Check check;
        check.fault = c.fault;
        check.line = c.line;
        EXPECT_EQ(regfile::RefusalText(check, c.item, c.profile), std::string(lead) + c.why);
    }
    EXPECT_EQ(regfile::RefusalText(regfile::Check{}, "", ""), "") << "nothing to refuse";

    EXPECT_EQ(regfile::ShownItem("a\x01" "b\nc"), "a?b?c");
    EXPECT_EQ(regfile::ShownItem(std::string(81, 'k')), std::string(80, 'k') + "...");
    EXPECT_EQ(regfile::ShownItem(std::string(80, 'k')), std::string(80, 'k'));
}
