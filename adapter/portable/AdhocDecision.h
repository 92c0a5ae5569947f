// AdhocDecision.h - join an ad hoc cell that is already on the air, or start one.
#pragma once

#include <cstddef>
#include <cstdint>

#include "adapter/wifiapi.h"

namespace adhoc {

// For a profile with AssociationMode 0 or 2: sets AssociationMode to 0 when the
// surveyed list (null or empty: nothing in range) holds an ad hoc entry with the
// profile's SSID (case-sensitive) on the profile's channel, else to 2.
void DecideAssociationMode(WLAN_PROFILE& profile, const uint8_t* list, size_t size);

}  // namespace adhoc
