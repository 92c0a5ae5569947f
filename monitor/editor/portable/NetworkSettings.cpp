// NetworkSettings.cpp - see NetworkSettings.h.
#include "monitor/editor/portable/NetworkSettings.h"

#include <cstring>

namespace editor {

bool IsInfrastructure(const WLAN_PROFILE& profile) {
    return profile.AssociationMode != 0 && profile.AssociationMode != 2;
}

void SetInfrastructure(WLAN_PROFILE& profile, bool infrastructure) { profile.AssociationMode = infrastructure ? 1 : 0; }

bool SetSsid(WLAN_PROFILE& profile, std::string_view ssid) {
    if (ssid.size() > SsidMost) return false;
    if (ssid.empty()) return true;
    std::memset(profile.SSID, 0, sizeof profile.SSID);
    std::memcpy(profile.SSID, ssid.data(), ssid.size());
    return true;
}

std::optional<size_t> ChannelIndex(const WLAN_PROFILE& profile) {
    if (profile.Channel < 1 || profile.Channel > ChannelCount) return std::nullopt;
    return size_t(profile.Channel - 1);
}

void SelectChannelIndex(WLAN_PROFILE& profile, size_t index) {
    if (index < ChannelCount) profile.Channel = uint32_t(index + 1);
}

std::optional<size_t> NetworkModeIndex(const WLAN_PROFILE& profile) {
    if (profile.NetworkMode >= NetworkModeEntries.size()) return std::nullopt;
    return size_t(profile.NetworkMode);
}

void SelectNetworkModeIndex(WLAN_PROFILE& profile, size_t index) {
    if (index < NetworkModeEntries.size()) profile.NetworkMode = uint32_t(index);
}

}  // namespace editor
