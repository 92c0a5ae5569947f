// IpTexts.h - the texts and value bytes SetNetIPInfo writes under the adapter's TCP/IP interface key.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "adapter/wifiapi.h"

namespace ipconfig {

inline constexpr const char* InterfacesKey = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\";

// "255.255.255.255" and its NUL.
inline constexpr size_t DottedWidth = 16;
// Two dotted texts joined by "," and the NUL.
inline constexpr size_t NameServerWidth = 2 * (DottedWidth - 1) + 2;

struct DottedText {
    char text[DottedWidth];
};

// Dotted text of an address held in network byte order (its first byte in memory comes first).
DottedText Dotted(uint32_t networkOrder);

// The texts of the interface values for one profile.
struct InterfaceTexts {
    uint32_t enableDhcp;
    char ipAddress[DottedWidth];
    char subnetMask[DottedWidth];
    char defaultGateway[DottedWidth];
    char nameServer[NameServerWidth];
};

// DHCP profiles get "0.0.0.0" for address and mask and no gateway or name
// server; static ones their dotted addresses, a zero gateway as no text, and
// the name servers joined by "," (none when the first one is zero).
InterfaceTexts BuildInterfaceTexts(const WLAN_PROFILE& profile);

// REG_MULTI_SZ of one text: the text, its NUL and the list's closing NUL; an
// empty text is the empty list of two zero bytes.
std::vector<uint8_t> MultiSzBytes(const char* text);

// The byte count NameServer is written with: the text's length, without its
// NUL. The text itself must stay terminated in memory, because the registry
// looks at the byte after the count (and then stores the NUL after all).
uint32_t TextByteCountWithoutNul(const char* text, size_t width);

// Whether a fixed-width description field (which may lack its NUL) contains
// `wanted` as a case-sensitive substring.
bool DescriptionContains(const char* field, size_t width, const char* wanted);

}  // namespace ipconfig
