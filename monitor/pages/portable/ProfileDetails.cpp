// ProfileDetails.cpp - see ProfileDetails.h.
#include "monitor/pages/portable/ProfileDetails.h"

#include "monitor/editor/portable/ProfileSummary.h"

namespace profiles {
namespace {

std::string SecurityLine(const WLAN_PROFILE& p) {
    if (p.SecurityMode == 1) return p.EncryptionLevel == 2 ? "WEP(128-bit)" : "WEP(64-bit)";
    return editor::SecurityModeName(p.SecurityMode);  // 5 and unknown modes: "Disabled"
}

}  // namespace

std::array<std::string, 5> DetailLines(const WLAN_PROFILE& p) {
    const bool infrastructure = p.AssociationMode != 0;
    return {
        infrastructure ? "Infrastructure" : "Ad Hoc",
        p.TxRate == 54 ? "Auto" : std::to_string(int32_t(p.TxRate)) + " M",  // "%d M"
        infrastructure ? std::to_string(int32_t(p.Channel)) : "Auto",         // "%d"
        SecurityLine(p),
        editor::AuthenticationText(p),
    };
}

}  // namespace profiles
