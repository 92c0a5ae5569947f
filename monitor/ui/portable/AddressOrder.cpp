// AddressOrder.cpp - see AddressOrder.h.
#include "monitor/ui/portable/AddressOrder.h"

#include <cstring>

namespace address {

uint32_t FieldToRecord(uint32_t field) {
    const std::array<uint8_t, 4> octets{uint8_t(field >> 24), uint8_t(field >> 16), uint8_t(field >> 8), uint8_t(field)};
    uint32_t record = 0;
    std::memcpy(&record, octets.data(), 4);  // the bytes lie in memory as they go on the wire
    return record;
}

std::array<uint8_t, 4> Octets(uint32_t record) {
    std::array<uint8_t, 4> octets{};
    std::memcpy(octets.data(), &record, 4);
    return octets;
}

uint32_t RecordToField(uint32_t record) {
    const auto o = Octets(record);
    return uint32_t(o[0]) << 24 | uint32_t(o[1]) << 16 | uint32_t(o[2]) << 8 | o[3];
}

std::string DottedText(uint32_t record) {
    const auto o = Octets(record);
    return std::to_string(o[0]) + "." + std::to_string(o[1]) + "." + std::to_string(o[2]) + "." + std::to_string(o[3]);
}

std::optional<uint32_t> ParseDotted(const char* text) {
    if (!text) return std::nullopt;
    uint32_t field = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && *text++ != '.') return std::nullopt;
        unsigned value = 0;
        int digits = 0;
        for (; *text >= '0' && *text <= '9' && digits < 4; ++text, ++digits) value = value * 10 + unsigned(*text - '0');
        if (digits == 0 || digits > 3 || value > 255) return std::nullopt;
        field = field << 8 | value;
    }
    if (*text != 0) return std::nullopt;
    return FieldToRecord(field);
}

}  // namespace address
