// AvailableNetworks.h - the available networks page's rules: the security column, the kind of a
// picked WPA network, and why a picked network cannot be taken as it is.
#pragma once

#include <string>

#include "adapter/portable/ScanList.h"

namespace editor {

// The security column: "No" without privacy, "WPA" when a WPA or RSN element parses, else "WEP".
std::string NetworkSecurityText(const scan::Entry& entry);

// The network announces WPA2 (an RSN element) and no WPA element: a WPA-Personal profile could
// never connect to it, so the picked network's profile is WPA2-Personal.
bool AnnouncesWpa2Only(const scan::Entry& entry);

// A network that logs in by 802.1X only: no key dialog can complete a profile for it.
inline constexpr const char* EnterpriseNetworkMessage =
    "This network needs a WPA-Enterprise login. Choose Manual Setup and pick WPA-Enterprise or RADIUS as its "
    "security to enter the login.";

}  // namespace editor
