// WepKeyRules.h - a WEP key from a passphrase and the key field's texts, for every page that asks
// for a WEP key (the editor's WEP page and the survey's WEP dialog).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wepkeys {

// Texts of the masked key field for one key length.
struct KeyFieldMasks {
    const char* mask;             // "PP:PP:..."
    const char* literalTemplate;  // "__:__:..."
    const char* initialText;      // "00:00:..."
};

KeyFieldMasks MasksFor(bool bits128);
// 10 hexadecimal digits for a 64-bit key, 26 for a 128-bit one.
size_t DigitCount(bool bits128);

// The key digits a passphrase gives: 64 bits, the key of `keyIndex` (0-3) of the 40-bit
// generator; 128 bits, the first 13 bytes of the MD5 method's digest. Upper-case digits, high
// nibble first. Empty for an empty passphrase (the generators ask for one character at least).
std::string KeyDigitsFromPassphrase(std::string_view passphrase, bool bits128, uint32_t keyIndex);

// What the key field shows for `digits`: padded with "0" to the key's digit count, in pairs
// joined by ":".
std::string KeyFieldText(std::string_view digits, bool bits128);

// The key digits of a field's text: every ":" removed, at most 26 characters.
std::string KeyDigitsFromField(std::string_view fieldText);

}  // namespace wepkeys
