// NewProfile.cpp - see NewProfile.h.
#include "monitor/editor/portable/NewProfile.h"

#include <cstring>

#include "adapter/portable/ProfileKinds.h"
#include "adapter/portable/ProfileLayout.h"
#include "monitor/editor/portable/NetworkSettings.h"

namespace editor {

bool NewProfile(WLAN_PROFILE& profile, std::string_view name) {
    if (!profile::IsCreatableName(name)) return false;
    profile = WLAN_PROFILE{};
    std::memcpy(profile.ProfileName, name.data(), name.size());
    using profile::Stored;
    profile.AssociationMode = Stored(profile::Association::Infrastructure);
    profile.NetworkMode = Stored(profile::NetworkMode::Mixed);
    profile.Channel = 6;
    profile.TxRate = 54;
    if (name.size() <= SsidMost) std::memcpy(profile.SSID, name.data(), name.size());
    profile.SecurityMode = Stored(profile::Security::Disabled);
    profile.EncryptionLevel = Stored(profile::Level::Unset);
    profile.AuthentMode = Stored(profile::WepAuth::Open);
    profile.EntAuthenType = Stored(profile::EapMethod::Tls);
    profile.InnerAuthen = Stored(profile::InnerMethod::NewProfile);
    profile.DhcpEnabled = 1;
    profile.DefaultKeyId = 0;
    return true;
}

}  // namespace editor
