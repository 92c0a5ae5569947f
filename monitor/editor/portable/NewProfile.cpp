// NewProfile.cpp - see NewProfile.h.
#include "monitor/editor/portable/NewProfile.h"

#include <cstring>

#include "adapter/portable/ProfileLayout.h"
#include "monitor/editor/portable/NetworkSettings.h"

namespace editor {

bool NewProfile(WLAN_PROFILE& profile, std::string_view name) {
    if (!profile::IsCreatableName(name)) return false;
    profile = WLAN_PROFILE{};
    std::memcpy(profile.ProfileName, name.data(), name.size());
    profile.AssociationMode = 1;
    profile.NetworkMode = 0;
    profile.Channel = 6;
    profile.TxRate = 54;
    if (name.size() <= SsidMost) std::memcpy(profile.SSID, name.data(), name.size());
    profile.SecurityMode = 0;
    profile.EncryptionLevel = 0;
    profile.AuthentMode = 0;
    profile.EntAuthenType = 2;
    profile.InnerAuthen = 3;
    profile.DhcpEnabled = 1;
    profile.DefaultKeyId = 0;
    return true;
}

}  // namespace editor
