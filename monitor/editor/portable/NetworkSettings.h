// NetworkSettings.h - the wireless mode page (infrastructure or ad hoc, SSID) and the ad hoc settings page's lists.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "adapter/wifiapi.h"

namespace editor {

// Neither ad hoc mode (0 join, 2 join or start on the channel).
bool IsInfrastructure(const WLAN_PROFILE& profile);
// The radio buttons: Infrastructure Mode sets 1, Ad-Hoc Mode sets 0.
void SetInfrastructure(WLAN_PROFILE& profile, bool infrastructure);

// The SSID edit takes at most 32 characters, all the field holds.
inline constexpr size_t SsidMost = 32;
// The SSID edit changed: a text replaces the SSID (the field cleared first); an
// empty edit leaves it as it was. A text longer than 32 characters is refused
// (false) and changes nothing.
bool SetSsid(WLAN_PROFILE& profile, std::string_view ssid);

// The channel list "1" to "14": index + 1. A Channel outside 1-14 has no entry.
inline constexpr uint32_t ChannelCount = 14;
std::optional<size_t> ChannelIndex(const WLAN_PROFILE& profile);
void SelectChannelIndex(WLAN_PROFILE& profile, size_t index);

// The network mode list; NetworkMode is the index. Other values have no entry.
inline constexpr std::array<const char*, 2> NetworkModeEntries = {"Mixed Mode", "G-Only Mode"};
std::optional<size_t> NetworkModeIndex(const WLAN_PROFILE& profile);
void SelectNetworkModeIndex(WLAN_PROFILE& profile, size_t index);

}  // namespace editor
