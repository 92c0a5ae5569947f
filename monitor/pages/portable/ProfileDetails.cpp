// ProfileDetails.cpp - see ProfileDetails.h.
#include "monitor/pages/portable/ProfileDetails.h"

namespace profiles {
namespace {

std::string SecurityLine(const WLAN_PROFILE& p) {
    switch (p.SecurityMode) {
    case 1: return p.EncryptionLevel == 2 ? "WEP(128-bit)" : "WEP(64-bit)";
    case 2: return "WPA-Personal";
    case 3: return "WPA-Enterprise";
    case 4: return "WPA2-Personal";
    case 6: return "RADIUS";
    default: return "Disabled";  // 5 as well: the page never named it
    }
}

std::string MethodLine(const WLAN_PROFILE& p) {
    switch (p.SecurityMode) {
    case 1: return p.AuthentMode == 1 ? "Shared Key" : p.AuthentMode == 2 ? "Auto" : "Open System";
    case 2: return p.EncryptionLevel == 6 ? "AES" : "TKIP";
    case 4: return "AES";
    case 3:
    case 6: return p.EntAuthenType == 1 ? "PEAP" : "EAP-TLS";
    default: return "Auto";
    }
}

}  // namespace

std::array<std::string, 5> DetailLines(const WLAN_PROFILE& p) {
    const bool infrastructure = p.AssociationMode != 0;
    return {
        infrastructure ? "Infrastructure" : "Ad Hoc",
        p.TxRate == 54 ? "Auto" : std::to_string(int32_t(p.TxRate)) + " M",  // "%d M"
        infrastructure ? std::to_string(int32_t(p.Channel)) : "Auto",         // "%d"
        SecurityLine(p),
        MethodLine(p),
    };
}

}  // namespace profiles
