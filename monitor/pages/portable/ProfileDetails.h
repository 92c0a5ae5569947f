// ProfileDetails.h - the five lines the Profiles page's details box shows for a profile.
#pragma once

#include <array>
#include <string>

#include "adapter/wifiapi.h"

namespace profiles {

// Mode, rate, channel, security and its method, as the details box lists them.
std::array<std::string, 5> DetailLines(const WLAN_PROFILE& profile);

}  // namespace profiles
