// AddressOrder.h - IPv4 addresses between the address field control and the profile record.
//
// The field works with the first octet as the most significant byte; the record holds
// addresses as inet_addr returns them, the first octet in the lowest byte in memory.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace address {

uint32_t FieldToRecord(uint32_t field);
uint32_t RecordToField(uint32_t record);

// The octets of a record value, first octet first.
std::array<uint8_t, 4> Octets(uint32_t record);
// "192.168.1.10".
std::string DottedText(uint32_t record);
// The record value of four dotted decimal octets, as inet_addr gives it; nothing for any other text.
std::optional<uint32_t> ParseDotted(const char* text);

}  // namespace address
