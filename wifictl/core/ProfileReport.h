// ProfileReport.h - a stored profile and the profile list as wifictl prints them.
#pragma once

#include <string>
#include <vector>

#include "adapter/wifiapi.h"

namespace wifictl {

// Every setting that decides the connection. Passphrases, WEP keys and
// passwords are only said to be set or not, never shown.
std::string FormatProfile(const WLAN_PROFILE& profile);

// One name a line, the current profile marked with "*".
std::string FormatProfileList(const std::vector<std::string>& names, const std::string& current);

// Dotted text of an IPv4 address kept in network byte order.
std::string IpText(uint32_t networkOrder);

}  // namespace wifictl
