// ProfileSummary.cpp - see ProfileSummary.h.
#include "monitor/editor/portable/ProfileSummary.h"

#include "adapter/portable/Bytes.h"
#include "adapter/portable/IpTexts.h"
#include "monitor/editor/portable/NetworkSettings.h"

namespace editor {
std::string AuthenticationText(const WLAN_PROFILE& p) {
    switch (p.SecurityMode) {
    case 1: return p.AuthentMode == 1 ? "Shared Key" : p.AuthentMode == 2 ? "Auto" : "Open System";
    case 2: return p.EncryptionLevel == 6 ? "AES" : "TKIP";
    case 4: return "AES";
    case 3:
    case 6: return p.EntAuthenType == 1 ? "PEAP" : "EAP-TLS";
    default: return "Auto";
    }
}

const char* SecurityModeName(uint32_t securityMode) {
    switch (securityMode) {
    case 1: return "WEP";
    case 2: return "WPA-Personal";
    case 3: return "WPA-Enterprise";
    case 4: return "WPA2-Personal";
    case 6: return "RADIUS";
    default: return "Disabled";
    }
}

std::array<std::string, SummaryRowCount> SummaryRows(const WLAN_PROFILE& p) {
    std::array<std::string, SummaryRowCount> rows;
    rows[0] = std::string(p.SSID, BoundedLength(p.SSID, sizeof p.SSID));
    rows[1] = IsInfrastructure(p) ? "Infrastructure" : "Ad Hoc";
    rows[2] = std::to_string(int32_t(p.Channel));  // "%d"
    rows[3] = p.NetworkMode != 0 ? "G-Only Mode" : "Mixed Mode";
    rows[4] = SecurityModeName(p.SecurityMode);
    rows[5] = AuthenticationText(p);
    if (p.DhcpEnabled == 1) {
        rows[6] = "Use DHCP";
        rows[7] = rows[8] = rows[9] = "Auto";
    } else {
        rows[6] = ipconfig::Dotted(p.IpAddr).text;
        rows[7] = ipconfig::Dotted(p.IpMask).text;
        rows[8] = ipconfig::Dotted(p.IpGate).text;
        rows[9] = ipconfig::Dotted(p.IpDns1).text;
    }
    return rows;
}

}  // namespace editor
