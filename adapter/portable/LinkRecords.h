// LinkRecords.h - how driver replies become the fields of NETWORK_STATUS and NETWORK_STATISTICS.
#pragma once

#include <array>
#include <cstdint>

#include "adapter/portable/Ndis.h"
#include "adapter/wifiapi.h"

namespace linkstatus {

// OID_GEN_LINK_SPEED counts 100 bit/s.
uint32_t LinkSpeedMbps(uint32_t hundredsOfBitsPerSecond);

// Encryption status to 0 none or unknown, 1 WEP, 2 TKIP, 3 AES; only the enabled states count.
uint32_t EncryptionKind(uint32_t encryptionStatus);

// Vendor requests: u32 record length, the tag, zeros.
std::array<uint8_t, ndis::VendorStatisticsSize> VendorStatisticsRequest();
std::array<uint8_t, ndis::VendorDriverInfoSize> VendorDriverInfoRequest();

// Rates (u16 at 36 and 38) and noise (at 60) from a statistics reply.
void TakeVendorStatistics(NETWORK_STATISTICS& statistics, const std::array<uint8_t, ndis::VendorStatisticsSize>& reply);
// The four version parts (u16 at 18, 20, 22, 24) from a driver-information reply.
void TakeDriverVersion(NETWORK_STATISTICS& statistics, const std::array<uint8_t, ndis::VendorDriverInfoSize>& reply);

// What a GetNetworkStatus call filled. It stops at the first link query that fails and returns
// the IP Helper's error only after every link field is filled (the BSSID is the last of them),
// so the link can be known while its addresses are not.
struct StatusParts {
    bool link = false;
    bool addresses = false;
};
StatusParts ReadParts(int32_t result, const NETWORK_STATUS& status);

}  // namespace linkstatus
