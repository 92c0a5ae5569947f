// ProfileFileText.cpp - bounded conversions between registry values and export file texts.
#include "adapter/portable/ProfileFileText.h"

#include <cstring>

#include "adapter/portable/Bytes.h"

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

}  // namespace profilefile
