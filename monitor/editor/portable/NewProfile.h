// NewProfile.h - the record the Profiles page's New hands to the editor.
#pragma once

#include <string_view>

#include "adapter/wifiapi.h"

namespace editor {

// The whole record cleared, then the name; infrastructure, channel 6, Mixed
// Mode, 54 Mbps, the name as SSID when it has at most 32 characters, no
// security, EAP-TLS with inner method 3 for a later 802.1X choice, DHCP, transmit
// key 1. A name a new profile cannot have (profile::IsCreatableName) is refused
// and the record left as it was.
bool NewProfile(WLAN_PROFILE& profile, std::string_view name);

}  // namespace editor
