// ProfileSummary.cpp - see ProfileSummary.h.
#include "monitor/editor/portable/ProfileSummary.h"

#include "adapter/portable/Bytes.h"
#include "adapter/portable/IpTexts.h"
#include "adapter/portable/ProfileKinds.h"
#include "monitor/editor/portable/NetworkSettings.h"

namespace editor {
std::string AuthenticationText(const WLAN_PROFILE& p) {
    using profile::Security;
    switch (profile::SecurityOf(p)) {
    case Security::Wep: return profile::WepAuthText(profile::WepAuthOf(p));
    case Security::WpaPersonal:
        return profile::LevelOf(p) == profile::Level::Aes ? profile::AesText : profile::TkipText;
    case Security::Wpa2Personal: return profile::AesText;
    case Security::WpaEnterprise:
    case Security::Radius:
        return profile::EapMethodOf(p) == profile::EapMethod::Peap ? profile::PeapText : profile::EapTlsText;
    case Security::Disabled:
    case Security::Wpa2Enterprise: break;
    }
    return "Auto";
}

const char* SecurityModeName(uint32_t securityMode) {
    // WPA2 with 802.1X is no entry of the page's list: it shows as "Disabled", as a number no kind has.
    const profile::SecurityKind* kind = profile::FindKind(securityMode);
    if (!kind || kind->security == profile::Security::Wpa2Enterprise)
        return profile::NameOf(profile::Security::Disabled);
    return kind->name;
}

std::array<std::string, SummaryRowCount> SummaryRows(const WLAN_PROFILE& p) {
    std::array<std::string, SummaryRowCount> rows;
    rows[0] = std::string(p.SSID, BoundedLength(p.SSID, sizeof p.SSID));
    rows[1] = IsInfrastructure(p) ? "Infrastructure" : "Ad Hoc";
    rows[2] = std::to_string(int32_t(p.Channel));  // "%d"
    using profile::NetworkMode;
    const NetworkMode mode = profile::NetworkModeOf(p) == NetworkMode::Mixed ? NetworkMode::Mixed : NetworkMode::GOnly;
    rows[3] = NetworkModeEntries[profile::Stored(mode)];  // any other number shows as G-Only
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
