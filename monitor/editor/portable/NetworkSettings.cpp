// NetworkSettings.cpp - see NetworkSettings.h.
#include "monitor/editor/portable/NetworkSettings.h"

#include <cstring>

#include "adapter/portable/ProfileKinds.h"

namespace editor {

bool IsInfrastructure(const WLAN_PROFILE& profile) { return !profile::IsAdhoc(profile); }

void SetInfrastructure(WLAN_PROFILE& profile, bool infrastructure) {
    using profile::Association;
    profile.AssociationMode = profile::Stored(infrastructure ? Association::Infrastructure : Association::AdhocJoin);
}

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
