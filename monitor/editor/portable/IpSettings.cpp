// IpSettings.cpp - see IpSettings.h.
#include "monitor/editor/portable/IpSettings.h"

#include <cstring>

namespace editor {
namespace {

// The address with its first octet most significant, for the bit arithmetic.
uint32_t HostOrder(uint32_t address) {
    const std::array<uint8_t, 4> o = Octets(address);
    return uint32_t(o[0]) << 24 | uint32_t(o[1]) << 16 | uint32_t(o[2]) << 8 | o[3];
}

}  // namespace

uint32_t AddressFromOctets(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    const uint8_t bytes[4] = {a, b, c, d};  // the first octet first in memory, as inet_addr gives it
    uint32_t address;
    std::memcpy(&address, bytes, 4);
    return address;
}

std::array<uint8_t, 4> Octets(uint32_t address) {
    std::array<uint8_t, 4> o;
    std::memcpy(o.data(), &address, 4);
    return o;
}

std::optional<uint32_t> ParseDottedAddress(std::string_view text) {
    uint8_t octets[4];
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != '.') return std::nullopt;
            text.remove_prefix(1);
        }
        size_t digits = 0;
        unsigned value = 0;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9' && digits < 3)
            value = value * 10 + unsigned(text[digits++] - '0');
        if (digits == 0 || value > 255) return std::nullopt;
        octets[i] = uint8_t(value);
        text.remove_prefix(digits);
    }
    if (!text.empty()) return std::nullopt;
    return AddressFromOctets(octets[0], octets[1], octets[2], octets[3]);
}

AddressFault CheckStaticAddress(uint32_t address, uint32_t mask) {
    const uint32_t ip = HostOrder(address), m = HostOrder(mask), host = ~m;
    if (ip == 0) return AddressFault::NoAddress;
    if (m == 0) return AddressFault::NoMask;
    if ((ip & host) == 0) return AddressFault::HostAllZero;
    if ((host & (host + 1)) != 0) return AddressFault::MaskNotContiguous;
    if ((ip & host) == host) return AddressFault::HostAllOnes;
    return AddressFault::None;
}

AddressFault CheckStaticAddress(const WLAN_PROFILE& profile) {
    if (profile.DhcpEnabled != 0) return AddressFault::None;
    return CheckStaticAddress(profile.IpAddr, profile.IpMask);
}

const char* AddressFaultMessage(AddressFault fault) {
    switch (fault) {
    case AddressFault::None: return "";
    case AddressFault::NoAddress: return "The adapter requires at least one IP adress. Please enter one.";
    case AddressFault::NoMask:
        return "You have entered an address that is missing its subnet mask. Please add a subnet mask.";
    case AddressFault::HostAllZero:
        return "The combination of IP address and subnet mask is invalid. All of the bits in the host address "
               "portion of the IP address are set to 0. Please enter a valid combination of IP address and subnet "
               "mask.";
    case AddressFault::MaskNotContiguous:
        return "The subnet mask is invalid. All of the bits set to 1 must come before the bits set to 0. Please "
               "enter a valid subnet mask.";
    case AddressFault::HostAllOnes:
        return "The combination of IP address and subnet mask is invalid. All of the bits in the host address "
               "portion of the IP address are set to 1. Please enter a valid combination of IP address and subnet "
               "mask.";
    }
    return "";
}

std::optional<uint32_t> DefaultMask(uint8_t firstOctet) {
    if (firstOctet >= 1 && firstOctet <= 126) return AddressFromOctets(255, 0, 0, 0);
    if (firstOctet >= 128 && firstOctet <= 191) return AddressFromOctets(255, 255, 0, 0);
    if (firstOctet >= 192 && firstOctet <= 223) return AddressFromOctets(255, 255, 255, 0);
    return std::nullopt;
}

bool AcceptsFirstOctet(AddressField field, uint8_t firstOctet) {
    return field == AddressField::SubnetMask || (firstOctet >= 1 && firstOctet <= 223);
}

}  // namespace editor
