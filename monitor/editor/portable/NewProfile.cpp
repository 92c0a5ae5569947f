// NewProfile.cpp - see NewProfile.h.
#include "monitor/editor/portable/NewProfile.h"

#include <cstring>
#include <string>

#include "adapter/portable/ProfileLayout.h"
#include "monitor/editor/portable/NetworkSettings.h"

namespace editor {

bool NewProfile(WLAN_PROFILE& profile, std::string_view name) {
    const std::string text(name);
    if (text.size() >= profile::NameWidth || text.find('\0') != std::string::npos ||
        !profile::IsValidName(text.c_str(), text.size() + 1))
        return false;
    profile = WLAN_PROFILE{};
    std::memcpy(profile.ProfileName, text.data(), text.size());
    profile.AssociationMode = 1;
    profile.NetworkMode = 0;
    profile.Channel = 6;
    profile.TxRate = 54;
    if (text.size() <= SsidMost) std::memcpy(profile.SSID, text.data(), text.size());
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
