// ProfileDetails.cpp - see ProfileDetails.h.
#include "monitor/pages/portable/ProfileDetails.h"

#include "adapter/portable/ProfileKinds.h"
#include "monitor/editor/portable/ProfileSummary.h"

namespace profiles {
namespace {

std::string SecurityLine(const WLAN_PROFILE& p) {
    if (profile::SecurityOf(p) == profile::Security::Wep)
        return profile::LevelOf(p) == profile::Level::Wep128 ? "WEP(128-bit)" : "WEP(64-bit)";
    return editor::SecurityModeName(p.SecurityMode);  // WPA2 with 802.1X and unknown modes: "Disabled"
}

}  // namespace

std::array<std::string, 5> DetailLines(const WLAN_PROFILE& p) {
    // Only a join reads "Ad Hoc", as the page always had it; ad hoc on its own channel does not.
    const bool infrastructure = profile::AssociationOf(p) != profile::Association::AdhocJoin;
    return {
        infrastructure ? "Infrastructure" : "Ad Hoc",
        p.TxRate == 54 ? "Auto" : std::to_string(int32_t(p.TxRate)) + " M",  // "%d M"
        infrastructure ? std::to_string(int32_t(p.Channel)) : "Auto",         // "%d"
        SecurityLine(p),
        editor::AuthenticationText(p),
    };
}

}  // namespace profiles
