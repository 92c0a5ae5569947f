// ProfileFileText.cpp - bounded conversions between registry values and export file texts.
#include "adapter/portable/ProfileFileText.h"

#include <cstring>
#include <string_view>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileKinds.h"

namespace profilefile {

std::string ExportText(bool isDword, const uint8_t* data, size_t size) {
    if (isDword) {
        uint8_t bytes[4] = {};  // a short value reads as its bytes, the rest zero
        if (size) std::memcpy(bytes, data, size < 4 ? size : 4);
        return std::to_string(LoadU32(bytes));
    }
    if (size == 0) return {};
    const char* text = reinterpret_cast<const char*>(data);
    return std::string(text, BoundedLength(text, size));
}

uint32_t ParseDwordText(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // The largest magnitude either sign can hold; more digits only saturate.
    const uint64_t limit = negative ? 0x80000000u : 0xFFFFFFFFu;
    uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + uint64_t(text[i] - '0');
        if (magnitude > limit) magnitude = limit;
    }
    return negative ? uint32_t(0u - uint32_t(magnitude)) : uint32_t(magnitude);
}

std::optional<uint32_t> ParseDecimalText(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return 0u;
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    const uint64_t limit = negative ? 0x80000000u : 0xFFFFFFFFu;
    uint64_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + uint64_t(c - '0');
        if (magnitude > limit) return std::nullopt;
    }
    return negative ? uint32_t(0u - uint32_t(magnitude)) : uint32_t(magnitude);
}

std::optional<ValueRange> RangeOf(const profile::ValueSpec& value) {
    // The fields the library acts on, up to their highest meaning; the others are the editor's
    // and only stored.
    using profile::Stored;
    static constexpr struct {
        std::string_view name;
        ValueRange range;
    } kRanges[] = {
        {"AssociationMode", {0, Stored(profile::Association::AdhocOnChannel)}},
        {"Channel", {0, 14}},
        {"SecurityMode", {0, Stored(profile::Security::Radius)}},
        {"AuthentMode", {0, Stored(profile::WepAuth::Auto)}},
        {"EncryptionLevel", {0, Stored(profile::Level::Aes)}},
        {"DefaultKeyId", {0, 3}},
        {"IsPassPhrase", {0, 1}},
        {"IsKeyHexed", {0, 1}},
        {"EntAuthenType", {0, Stored(profile::EapMethod::Tls)}},
        {"InnerAuthen", {0, Stored(profile::InnerMethod::MsChapV2)}},
        {"DhcpEnabled", {0, 1}},
    };
    for (const auto& r : kRanges)
        if (r.name == value.name) return r.range;
    return std::nullopt;
}

ImportFault CheckImportText(const profile::ValueSpec& value, std::string_view text, uint32_t& number) {
    switch (value.kind) {
    case profile::ValueKind::Dword: {
        const std::optional<uint32_t> parsed = ParseDecimalText(text);
        if (!parsed) return ImportFault::NotANumber;
        const std::optional<ValueRange> range = RangeOf(value);
        if (range && (*parsed < range->least || *parsed > range->most)) return ImportFault::OutOfRange;
        number = *parsed;
        return ImportFault::None;
    }
    case profile::ValueKind::DwordAsText:
        return text.size() > value.width ? ImportFault::TooLong : ImportFault::None;
    case profile::ValueKind::Text: {
        // The SSID field is 40 bytes but holds at most 32 characters; WEP key texts 26 digits.
        const size_t most = std::string_view(value.name) == "SSID" ? profile::SsidMost : value.width - 1;
        return text.size() > most ? ImportFault::TooLong : ImportFault::None;
    }
    }
    return ImportFault::NotANumber;
}

bool ChannelFits(uint32_t associationMode, uint32_t channel) {
    return channel != 0 || profile::Association(associationMode) != profile::Association::AdhocOnChannel;
}

ImportFault RecordFromFile(const std::function<std::string(const char* key)>& textOf, WLAN_PROFILE& record) {
    for (const profile::ValueSpec& value : profile::Values()) {
        const std::string text = textOf(value.name);
        uint32_t number = 0;
        if (const ImportFault fault = CheckImportText(value, text, number); fault != ImportFault::None) return fault;
        uint8_t* field = profile::FieldOf(record, value);
        std::memset(field, 0, value.width);
        if (value.kind == profile::ValueKind::Dword)
            StoreU32(field, number);
        else  // checked to fit, with a NUL to spare for the texts
            std::memcpy(field, text.data(), text.size());
    }
    return ChannelFits(record.AssociationMode, record.Channel) ? ImportFault::None : ImportFault::OutOfRange;
}

}  // namespace profilefile
