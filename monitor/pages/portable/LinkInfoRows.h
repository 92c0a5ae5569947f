// LinkInfoRows.h - the rows of the Link Information page's information view, and what a static
// link gives the page's profile.
#pragma once

#include <array>
#include <string>

#include "adapter/wifiapi.h"

namespace linkinfo {

struct InformationRows {
    // Status, SSID, Wireless Mode, Transfer Rate, Channel, Security, Authentication.
    std::array<std::string, 7> left;
    // IP Address, Subnet Mask, Default Gateway, DNS, DHCP Client, MAC Address.
    std::array<std::string, 6> right;
};

// The rows for a link that is up, from its status record; null: the link is down (or the
// adapter unbound), whatever a record would say.
InformationRows BuildInformationRows(const NETWORK_STATUS* linkUpStatus);

// The rows for what GetNetworkStatus answered while the link is up: the wireless rows from what
// was read even when the IP Helper failed after them (the address rows then stay empty).
InformationRows InformationRowsFor(bool linkUp, int32_t statusResult, const NETWORK_STATUS& status);

// The Security row for an authentication mode and encryption kind (Authentication is built beside it).
std::string SecurityText(uint32_t authMode, uint32_t encryption);
std::string AuthenticationText(uint32_t authMode, uint32_t encryption);

// While the link is up the page's profile takes the link's addressing, in memory only: its DHCP
// choice, and for a static link the four addresses the rows show (the DNS row shows the DHCP
// server field). A text that is no dotted address gives 0.
// A status without an IP address text found no IP entry for the adapter (the IP Helper writes
// "0.0.0.0" for an entry without an address): its addressing is unknown, not static, and the
// profile keeps its own.
void TakeLinkAddressing(const NETWORK_STATUS& status, WLAN_PROFILE& profile);

// Whether the status carries the adapter's IP entry (see TakeLinkAddressing).
bool HasAddressing(const NETWORK_STATUS& status);

}  // namespace linkinfo
