// ProfileSummary.h - the summary page's ten rows.
#pragma once

#include <array>
#include <string>

#include "adapter/wifiapi.h"

namespace editor {

inline constexpr size_t SummaryRowCount = 10;

// SSID, wireless mode, channel, network mode, security, authentication, then IP
// address, subnet mask, default gateway and DNS ("Use DHCP" and three "Auto" for
// a DHCP profile).
std::array<std::string, SummaryRowCount> SummaryRows(const WLAN_PROFILE& profile);

// The security mode's name, as row 4 shows it ("Disabled" for 0 and any mode the editor does not offer).
const char* SecurityModeName(uint32_t securityMode);
// The authentication or cipher a profile's security mode uses: the summary's row 5 and the
// Profiles page's fifth detail line.
std::string AuthenticationText(const WLAN_PROFILE& profile);

}  // namespace editor
