// ProfileRegFile.cpp - see ProfileRegFile.h.
#include "monitor/pages/portable/ProfileRegFile.h"

#include <optional>
#include <vector>

#include "adapter/portable/ProfileFileText.h"
#include "adapter/portable/ProfileLayout.h"
#include "monitor/pages/portable/RegistryEditorCommands.h"

namespace regfile {
namespace {

using Text = std::u16string_view;

constexpr char16_t kHeaderUnicode[] = u"Windows Registry Editor Version 5.00";
constexpr char16_t kHeaderSingleByte[] = u"REGEDIT4";

constexpr uint32_t kTypeText = 1;   // REG_SZ
constexpr uint32_t kTypeDword = 4;  // REG_DWORD

char16_t Fold(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

// Key and value names compare as the registry does, without regard to case (ASCII letters only:
// names that differ otherwise count as different, which can only refuse a file).
bool SameName(Text a, Text b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(b[i])) return false;
    return true;
}

bool SameName(Text a, std::string_view ascii) {
    if (a.size() != ascii.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Fold(a[i]) != Fold(char16_t(static_cast<unsigned char>(ascii[i])))) return false;
    return true;
}

bool StartsWith(Text text, Text prefix) { return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix; }

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// 1 to 8 hexadecimal digits and nothing else.
std::optional<uint32_t> HexNumber(Text digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (const char16_t c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value << 4 | uint32_t(d);
    }
    return value;
}

Check Fail(Fault fault, size_t line = 0, Text item = {}) {
    Check check;
    check.fault = fault;
    check.line = line;
    check.item = std::u16string(item);
    return check;
}

// The file's characters: UTF-16 LE after its byte order mark, or the bytes of a "REGEDIT4" file.
std::optional<std::u16string> Decode(std::span<const uint8_t> file, bool& singleByte) {
    if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xFE) {
        if (file.size() % 2 != 0) return std::nullopt;
        std::u16string text;
        text.reserve(file.size() / 2 - 1);
        for (size_t i = 2; i < file.size(); i += 2) text += char16_t(file[i] | file[i + 1] << 8);
        singleByte = false;
        return text;
    }
    constexpr std::string_view header = "REGEDIT4";
    if (file.size() < header.size() || std::string_view(reinterpret_cast<const char*>(file.data()), header.size()) != header)
        return std::nullopt;
    singleByte = true;
    return std::u16string(file.begin(), file.end());
}

// Lines end with CR LF or LF. A lone CR or a NUL is refused: the registry editor's own reader
// may end a line there, and a line the check reads otherwise could hide a key.
bool SplitLines(Text text, std::vector<Text>& lines, size_t& badLine) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\0' || (c == u'\r' && (i + 1 >= text.size() || text[i + 1] != u'\n'))) {
            badLine = lines.size() + 1;
            return false;
        }
        if (c != u'\n') continue;
        size_t end = i;
        if (end > start && text[end - 1] == u'\r') --end;
        lines.push_back(text.substr(start, end - start));
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return true;
}

bool Blank(Text line) {
    for (const char16_t c : line)
        if (c != u' ' && c != u'\t') return false;
    return true;
}

// A quoted name or text from its opening quote: \\ and \" always; \n and \r in data, as the
// registry editor writes a line break within a text. `rest` is what follows the closing quote.
std::optional<std::u16string> Quoted(Text line, bool data, Text& rest) {
    std::u16string out;
    for (size_t i = 1; i < line.size(); ++i) {
        const char16_t c = line[i];
        if (c == u'"') {
            rest = line.substr(i + 1);
            return out;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (++i >= line.size()) return std::nullopt;
        const char16_t e = line[i];
        if (e == u'\\' || e == u'"')
            out += e;
        else if (data && e == u'n')
            out += u'\n';
        else if (data && e == u'r')
            out += u'\r';
        else
            return std::nullopt;
    }
    return std::nullopt;
}

// Comma-separated byte pairs; a line ending in ",\" goes on in the next line after its blanks.
std::optional<std::vector<uint8_t>> HexBytes(Text first, const std::vector<Text>& lines, size_t& index) {
    std::vector<uint8_t> bytes;
    Text s = first;
    if (s.empty()) return bytes;
    for (;;) {
        if (s.size() < 2 || HexDigit(s[0]) < 0 || HexDigit(s[1]) < 0) return std::nullopt;
        bytes.push_back(uint8_t(HexDigit(s[0]) << 4 | HexDigit(s[1])));
        s.remove_prefix(2);
        if (s.empty()) return bytes;
        if (s[0] != u',') return std::nullopt;
        s.remove_prefix(1);
        if (s != u"\\") continue;
        if (++index >= lines.size()) return std::nullopt;
        s = lines[index];
        if (s.empty() || s[0] != u' ') return std::nullopt;
        while (!s.empty() && s[0] == u' ') s.remove_prefix(1);
    }
}

// A value's data as the profile store will read it.
struct Data {
    uint32_t type = 0;
    uint32_t number = 0;      // a REG_DWORD's value
    size_t textChars = 0;     // a REG_SZ's characters before its first NUL
    size_t storedBytes = 0;   // a REG_SZ's bytes in the single-byte form the store reads
};

std::optional<Data> ParseData(Text text, const std::vector<Text>& lines, size_t& index, bool singleByte) {
    Data data;
    if (!text.empty() && text[0] == u'"') {
        Text rest;
        const std::optional<std::u16string> value = Quoted(text, true, rest);
        if (!value || !rest.empty()) return std::nullopt;
        data.type = kTypeText;
        data.textChars = value->size();
        data.storedBytes = value->size() + 1;
        return data;
    }
    if (StartsWith(text, u"dword:")) {
        const std::optional<uint32_t> number = HexNumber(text.substr(6));
        if (!number) return std::nullopt;
        data.type = kTypeDword;
        data.number = *number;
        return data;
    }
    Text bytesText;
    if (StartsWith(text, u"hex:")) {
        data.type = 3;  // REG_BINARY
        bytesText = text.substr(4);
    } else if (StartsWith(text, u"hex(")) {
        const size_t close = text.find(u"):");
        if (close == Text::npos) return std::nullopt;
        const std::optional<uint32_t> type = HexNumber(text.substr(4, close - 4));
        if (!type) return std::nullopt;
        data.type = *type;
        bytesText = text.substr(close + 2);
    } else {
        return std::nullopt;
    }
    const std::optional<std::vector<uint8_t>> bytes = HexBytes(bytesText, lines, index);
    if (!bytes) return std::nullopt;
    if (data.type == kTypeDword) {
        if (bytes->size() != 4) return std::nullopt;
        data.number = uint32_t((*bytes)[0]) | uint32_t((*bytes)[1]) << 8 | uint32_t((*bytes)[2]) << 16 |
                      uint32_t((*bytes)[3]) << 24;
    } else if (data.type == kTypeText) {
        // A UTF-16 file's text data is UTF-16 too; each character becomes one byte in the store.
        const size_t unit = singleByte ? 1 : 2;
        if (bytes->size() % unit != 0) return std::nullopt;
        data.storedBytes = bytes->size() / unit;
        data.textChars = data.storedBytes;
        for (size_t i = 0; i < data.storedBytes; ++i) {
            const bool nul = unit == 1 ? (*bytes)[i] == 0 : ((*bytes)[2 * i] | (*bytes)[2 * i + 1]) == 0;
            if (nul) {
                data.textChars = i;
                break;
            }
        }
    }
    return data;
}

const profile::ValueSpec* FindValue(Text name) {
    for (const profile::ValueSpec& value : profile::Values())
        if (SameName(name, value.name)) return &value;
    return nullptr;
}

Fault JudgeValue(const profile::ValueSpec& value, const Data& data) {
    switch (value.kind) {
    case profile::ValueKind::Dword: {
        if (data.type != kTypeDword) return Fault::WrongType;
        const std::optional<profilefile::ValueRange> range = profilefile::RangeOf(value);
        if (range && (data.number < range->least || data.number > range->most)) return Fault::OutOfRange;
        return Fault::None;
    }
    case profile::ValueKind::Text: {
        if (data.type != kTypeText) return Fault::WrongType;
        // The SSID field is 40 bytes but holds at most 32 characters.
        const size_t most = std::string_view(value.name) == "SSID" ? profile::SsidMost : value.width - 1;
        return data.textChars > most || data.storedBytes > value.width ? Fault::TooLong : Fault::None;
    }
    case profile::ValueKind::DwordAsText:
        if (data.type != kTypeText) return Fault::WrongType;
        return data.storedBytes > value.width ? Fault::TooLong : Fault::None;
    }
    return Fault::WrongType;
}

// A profile's subkey name: not empty, no deeper key, room for its NUL in the record.
bool ProfileName(Text key, Text& name) {
    const std::string prefix = profiles::ProfileKeyText("");  // the key an export names, but for the name
    if (key.size() < prefix.size() || !SameName(key.substr(0, prefix.size()), prefix)) return false;
    name = key.substr(prefix.size());
    if (name.empty() || name.size() >= profile::NameWidth || name == u"." || name == u"..") return false;
    return name.find(u'\\') == Text::npos;
}

}  // namespace

Check CheckProfileFile(std::span<const uint8_t> file) {
    if (file.empty()) return Fail(Fault::Empty);
    if (file.size() > MostBytes) return Fail(Fault::TooLarge);
    bool singleByte = false;
    const std::optional<std::u16string> text = Decode(file, singleByte);
    if (!text) return Fail(Fault::NotAnExport);
    std::vector<Text> lines;
    size_t badLine = 0;
    if (!SplitLines(*text, lines, badLine)) return Fail(badLine == 1 ? Fault::NotAnExport : Fault::BadLine, badLine);
    if (lines.empty() || lines[0] != Text(singleByte ? kHeaderSingleByte : kHeaderUnicode))
        return Fail(Fault::NotAnExport);

    Check check;
    check.singleByte = singleByte;
    bool inKey = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const Text line = lines[i];
        const size_t number = i + 1;
        if (Blank(line)) continue;
        if (line[0] == u'[') {
            if (line.size() < 2 || line.back() != u']') return Fail(Fault::BadLine, number);
            const Text key = line.substr(1, line.size() - 2);
            if (!key.empty() && key[0] == u'-') return Fail(Fault::DeletesKey, number, key.substr(1));
            Text name;
            if (key.find_first_of(u"[]") != Text::npos || !ProfileName(key, name))
                return Fail(Fault::KeyOutside, number, key);
            if (inKey && !SameName(name, check.profile)) {
                Check two = Fail(Fault::TwoProfiles, number, name);
                two.profile = check.profile;
                return two;
            }
            if (!inKey) check.profile = std::u16string(name);
            inKey = true;
            continue;
        }
        if (line[0] != u'"' && line[0] != u'@') return Fail(Fault::BadLine, number);
        if (!inKey) return Fail(Fault::ValueOutsideKey, number);
        if (line[0] == u'@') return Fail(Fault::DefaultValue, number);
        Text rest;
        const std::optional<std::u16string> name = Quoted(line, false, rest);
        if (!name || rest.empty() || rest[0] != u'=') return Fail(Fault::BadLine, number);
        rest.remove_prefix(1);
        if (rest == u"-") return Fail(Fault::DeletesValue, number, *name);
        const std::optional<Data> data = ParseData(rest, lines, i, singleByte);
        if (!data) return Fail(Fault::BadLine, number);
        const profile::ValueSpec* value = FindValue(*name);
        if (!value) return Fail(Fault::UnknownValue, number, *name);
        if (const Fault fault = JudgeValue(*value, *data); fault != Fault::None) return Fail(fault, number, *name);
        ++check.values;
    }
    if (!inKey) return Fail(Fault::NoProfile);
    return check;
}

std::string RefusalText(const Check& check, std::string_view item, std::string_view profile) {
    const std::string line = "Line " + std::to_string(check.line);
    const std::string quoted = "\"" + std::string(item) + "\"";
    std::string why;
    switch (check.fault) {
    case Fault::None: return {};
    case Fault::Empty: why = "The file is empty."; break;
    case Fault::TooLarge: why = "The file is too large to be a profile."; break;
    case Fault::NotAnExport: why = "The file is not a profile exported by the registry editor."; break;
    case Fault::BadLine: why = line + " is not in the registry editor's form."; break;
    case Fault::DeletesKey: why = line + " deletes the key " + quoted + "."; break;
    case Fault::KeyOutside: why = line + " names the key " + quoted + ", which is not a profile's key."; break;
    case Fault::TwoProfiles:
        why = line + " names a second profile, " + quoted + ", after \"" + std::string(profile) + "\".";
        break;
    case Fault::ValueOutsideKey: why = line + " sets a value outside any key."; break;
    case Fault::DefaultValue: why = line + " sets the key's default value, which is not a profile value."; break;
    case Fault::UnknownValue: why = line + " sets " + quoted + ", which is not a profile value."; break;
    case Fault::DeletesValue: why = line + " deletes the value " + quoted + "."; break;
    case Fault::WrongType: why = line + " gives " + quoted + " a type it has not got in a profile."; break;
    case Fault::TooLong: why = line + " gives " + quoted + " a text too long for it."; break;
    case Fault::OutOfRange: why = line + " gives " + quoted + " a number out of its range."; break;
    case Fault::NoProfile: why = "The file holds no profile."; break;
    case Fault::ForeignName: why = "The profile's name, \"" + std::string(profile) + "\", has characters this system cannot hold."; break;
    case Fault::RefusedName:
        why = "The profile's name, \"" + std::string(profile) + "\", cannot be used: " + profile::CreatableNameRule + ".";
        break;
    }
    return "The file was not imported, and nothing was changed.\n" + why;
}

std::string ShownItem(std::string_view text) {
    constexpr size_t kMost = 80;
    std::string shown;
    for (const char c : text.substr(0, kMost)) shown += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    if (text.size() > kMost) shown += "...";
    return shown;
}

}  // namespace regfile
