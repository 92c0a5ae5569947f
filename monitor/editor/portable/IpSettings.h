// IpSettings.h - the IP settings page's checks of a static address and its default mask.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "adapter/wifiapi.h"

namespace editor {

// Addresses are in network byte order throughout, as WLAN_PROFILE keeps them.
uint32_t AddressFromOctets(uint8_t a, uint8_t b, uint8_t c, uint8_t d);
std::array<uint8_t, 4> Octets(uint32_t address);

// "a.b.c.d": four decimal octets of 0-255 and nothing else.
std::optional<uint32_t> ParseDottedAddress(std::string_view text);

// What stops a static address, in the order the page checks: the first three
// are the page's own; a host part of all ones (the subnet's broadcast address)
// and a mask with a gap cannot work either.
enum class AddressFault { None, NoAddress, NoMask, HostAllZero, MaskNotContiguous, HostAllOnes };

AddressFault CheckStaticAddress(uint32_t address, uint32_t mask);
// The page's Next: a DHCP profile is not checked.
AddressFault CheckStaticAddress(const WLAN_PROFILE& profile);
// The message box text for a fault; empty for None.
const char* AddressFaultMessage(AddressFault fault);

// The mask offered for an address whose first octet is `firstOctet`, by its
// class: 1-126 255.0.0.0, 128-191 255.255.0.0, 192-223 255.255.255.0; none for
// 0, 127 and 224-255.
std::optional<uint32_t> DefaultMask(uint8_t firstOctet);

// The five address fields and the first octets they accept: 1-223, the mask 0-255.
enum class AddressField { IpAddress, SubnetMask, Gateway, Dns1, Dns2 };
bool AcceptsFirstOctet(AddressField field, uint8_t firstOctet);

}  // namespace editor
