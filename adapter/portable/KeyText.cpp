// KeyText.cpp - key bytes to hexadecimal digits, digits to the pairs the key field shows.
#include "adapter/portable/KeyText.h"

std::string BytesToHexText(const uint8_t* bytes, size_t count) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * count);
    for (size_t i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

std::string FormatWepKeyText(std::string_view text, size_t digits) {
    const size_t pairs = (digits + 1) / 2;
    // Padded to whole pairs, so an odd digit count never reads past the text.
    std::string padded(text.substr(0, 2 * pairs));
    padded.resize(2 * pairs, '0');
    std::string shown;
    shown.reserve(pairs ? 3 * pairs - 1 : 0);
    for (size_t i = 0; i < pairs; ++i) {
        if (i) shown += ':';
        shown.append(padded, 2 * i, 2);
    }
    return shown;
}
