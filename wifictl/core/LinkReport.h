// LinkReport.h - the link as `wifictl status` prints it.
#pragma once

#include <cstdint>
#include <string>

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

std::string FormatStatus(const LinkView& link);

// A driver's status code: small numbers in decimal, NDIS codes as 0xC0010011.
std::string ResultText(int32_t result);

// SSID bytes made safe for a terminal: control characters become '?'.
std::string PrintableSsid(const char* ssid, size_t length);

}  // namespace wifictl
