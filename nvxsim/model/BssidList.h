// BssidList.h - scan results in the driver's form: NDIS_802_11_BSSID_LIST_EX with beacon elements.
#pragma once

#include <cstdint>
#include <vector>

#include "nvxsim/model/Scenario.h"

namespace nvxsim {

// One network as a scan heard it.
struct HeardBss {
    const Network* network;  // not owned
    int32_t rssi;            // dBm, as heard
    uint64_t tsfUs;          // the beacon's timestamp
};

uint32_t ChannelToKhz(uint32_t channel);

// The NDIS_WLAN_BSSID_EX entry for one network; its Length is a multiple of 4.
std::vector<uint8_t> BssidEntry(const HeardBss& heard);

// NumberOfItems, then the entries chained by their Length.
std::vector<uint8_t> BssidList(const std::vector<HeardBss>& heard);

}  // namespace nvxsim
