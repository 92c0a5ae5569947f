// WepKeyRules.cpp - see WepKeyRules.h.
#include "monitor/editor/portable/WepKeyRules.h"

#include <algorithm>
#include <array>

#include "adapter/portable/KeyText.h"
#include "adapter/portable/WepKeyGen.h"

namespace wepkeys {
namespace {

constexpr size_t Key64Bytes = 5;
constexpr size_t Key128Bytes = 13;
constexpr size_t MaxKeyDigits = 2 * Key128Bytes;

}  // namespace

KeyFieldMasks MasksFor(bool bits128) {
    if (bits128)
        return {"PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP:PP", "__:__:__:__:__:__:__:__:__:__:__:__:__",
                "00:00:00:00:00:00:00:00:00:00:00:00:00"};
    return {"PP:PP:PP:PP:PP", "__:__:__:__:__", "00:00:00:00:00"};
}

size_t DigitCount(bool bits128) { return 2 * (bits128 ? Key128Bytes : Key64Bytes); }

std::string KeyDigitsFromPassphrase(std::string_view passphrase, bool bits128, uint32_t keyIndex) {
    if (passphrase.empty()) return {};
    if (bits128) {
        const md5::Digest digest = wepkey::PassPhraseDigest(passphrase);
        return BytesToHexText(digest.data(), Key128Bytes);
    }
    // A stored DefaultKeyId outside 0-3 would read past the generator's four keys.
    const size_t index = std::min<size_t>(keyIndex, wepkey::KeyCount - 1);
    std::array<uint8_t, wepkey::KeySpacing * (wepkey::KeyCount - 1) + Key64Bytes> block{};
    wepkey::Nwepgen(passphrase, Key64Bytes, block.data());
    return BytesToHexText(block.data() + wepkey::KeySpacing * index, Key64Bytes);
}

std::string KeyFieldText(std::string_view digits, bool bits128) { return FormatWepKeyText(digits, DigitCount(bits128)); }

std::string KeyDigitsFromField(std::string_view fieldText) {
    std::string digits;
    for (char c : fieldText)
        if (c != ':' && digits.size() < MaxKeyDigits) digits += c;
    return digits;
}

}  // namespace wepkeys
