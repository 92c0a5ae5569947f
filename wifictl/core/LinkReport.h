// LinkReport.h - the link as `wifictl status` prints it.
#pragma once

#include <cstdint>
#include <string>

#include "adapter/portable/LinkRecords.h"
#include "adapter/wifiapi.h"

namespace wifictl {

// What the status exports answered.
struct LinkView {
    int32_t connectionResult = 0;  // GetConnectionStatus
    uint32_t connectionState = 1;
    int32_t statusResult = 0;  // GetNetworkStatus
    NETWORK_STATUS status{};
    SIGNAL_INFO signal{};
    int32_t qualityIndex = 0;  // GetLinkQualityIndex of the signal
    NETWORK_STATISTICS statistics{};
    bool haveMac = false;  // OID_802_3_CURRENT_ADDRESS, asked on its own: the status stops
    uint8_t mac[6] = {};   // at the BSSID query while no network is associated
};

// What GetNetworkStatus filled: the link can be known while its addresses are not.
using linkstatus::StatusParts;
inline StatusParts ReadParts(const LinkView& link) { return linkstatus::ReadParts(link.statusResult, link.status); }

std::string FormatStatus(const LinkView& link);
// The same as one JSON object, for scripts.
std::string FormatStatusJson(const LinkView& link);

// A driver's status code: small numbers in decimal, NDIS codes as 0xC0010011.
std::string ResultText(int32_t result);

}  // namespace wifictl
