// ProfileReport.cpp - see ProfileReport.h.
#include "wifictl/core/ProfileReport.h"

#include <cstring>

#include "adapter/portable/Bytes.h"
#include "adapter/portable/ProfileKinds.h"
#include "monitor/editor/portable/ProfileSummary.h"
#include "wifictl/core/TerminalText.h"

namespace wifictl {
namespace {

using profile::Security;

// Stored texts may hold anything: they are printed the safe way.
std::string Field(const char* text, size_t width) { return PrintableField(text, width); }

bool IsSet(const char* text, size_t width) { return BoundedLength(text, width) > 0; }

std::string Line(const char* label, const std::string& value) {
    std::string line = std::string(label) + ":";
    line.append(line.size() < 16 ? 16 - line.size() : 1, ' ');
    return line + value + "\n";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string NetworkType(const WLAN_PROFILE& p) {
    using profile::Association;
    switch (profile::AssociationOf(p)) {
    case Association::AdhocJoin: return "ad hoc (join)";
    case Association::Infrastructure: return "infrastructure";
    case Association::AdhocOnChannel: return "ad hoc (join or start on channel " + std::to_string(p.Channel) + ")";
    }
    return "unknown (" + std::to_string(p.AssociationMode) + ")";
}

// As the engine reads the level.
const char* Cipher(const WLAN_PROFILE& p) {
    return profile::LevelOf(p) == profile::Level::Tkip ? profile::TkipText : profile::AesText;
}
const char* WepBits(const WLAN_PROFILE& p) {
    return profile::LevelOf(p) == profile::Level::Wep64 ? "64-bit" : "128-bit";
}

std::string SecurityText(const WLAN_PROFILE& p) {
    const profile::SecurityKind* kind = profile::FindKind(p.SecurityMode);
    if (!kind) return "unknown (" + std::to_string(p.SecurityMode) + ")";
    switch (kind->level) {
    case profile::LevelUse::Cipher: return std::string(kind->name) + ", " + Cipher(p);
    case profile::LevelUse::WepKeyLength: return std::string(kind->name) + ", " + WepBits(p);
    case profile::LevelUse::None: break;
    }
    return kind->security == Security::Radius ? "RADIUS (802.1X with WEP)" : "none";
}

const char* WepAuthentication(profile::WepAuth auth) {
    switch (auth) {
    case profile::WepAuth::Open: break;
    case profile::WepAuth::Shared: return "shared key";
    case profile::WepAuth::Auto: return "auto";
    }
    return "open system";  // and any other number, as the engine takes it
}

std::string SetOrNot(bool set) { return set ? "set (not shown)" : "not set"; }

}  // namespace

std::string IpText(uint32_t networkOrder) {
    uint8_t b[4];
    std::memcpy(b, &networkOrder, 4);  // network order: the first octet comes first in memory
    return std::to_string(b[0]) + "." + std::to_string(b[1]) + "." + std::to_string(b[2]) + "." + std::to_string(b[3]);
}

std::string FormatProfile(const WLAN_PROFILE& p) {
    std::string out;
    out += Line("Profile", Quoted(Field(p.ProfileName, sizeof p.ProfileName)));
    out += Line("SSID", Quoted(Field(p.SSID, sizeof p.SSID)));
    out += Line("Network type", NetworkType(p));
    if (profile::IsAdhoc(p)) {
        // In the words of the editor's summary, the only other place that shows them.
        const auto rows = editor::SummaryRows(p);
        out += Line("Channel", rows[2]);
        out += Line("Network mode", rows[3]);
    }
    out += Line("Security", SecurityText(p));
    switch (profile::SecurityOf(p)) {
    case Security::Wep: {
        out += Line("Authentication", WepAuthentication(profile::WepAuthOf(p)));
        out += Line("Key format", p.IsKeyHexed ? "hexadecimal" : "text");
        out += Line("Transmit key", std::to_string(p.DefaultKeyId + 1));
        std::string keys;
        for (int i = 0; i < 4; ++i) {
            if (!keys.empty()) keys += ", ";
            keys += std::to_string(i + 1) + (IsSet(p.WEPKey[i], sizeof p.WEPKey[i]) ? " set" : " empty");
        }
        out += Line("Keys", keys + " (not shown)");
        break;
    }
    case Security::WpaPersonal:
    case Security::Wpa2Personal:
        out += Line("Passphrase", SetOrNot(IsSet(p.PassPhrase, sizeof p.PassPhrase)));
        break;
    case Security::WpaEnterprise:
    case Security::Wpa2Enterprise:
    case Security::Radius: {
        using profile::EapMethod;
        const bool peap = profile::EapMethodOf(p) == EapMethod::Peap;
        const bool tls = profile::EapMethodOf(p) == EapMethod::Tls;
        out += Line("802.1X method", peap ? profile::PeapText : tls ? profile::EapTlsText : "none");
        out += Line("Login name", Quoted(Field(p.LoginName, sizeof p.LoginName)));
        if (peap) {
            const bool asNew = profile::InnerMethodOf(p) == profile::InnerMethod::NewProfile;
            out += Line("Inner method", asNew ? "method 3" : "EAP-MSCHAPv2");
            out += Line("Password", SetOrNot(IsSet(p.LoginPassword, sizeof p.LoginPassword)));
        } else {
            out += Line("Certificate", Quoted(Field(p.UserCertHash, sizeof p.UserCertHash)));
        }
        if (IsSet(p.ServerName, sizeof p.ServerName))
            out += Line("Server name", Quoted(Field(p.ServerName, sizeof p.ServerName)));
        break;
    }
    case Security::Disabled:
        break;
    }
    if (p.DhcpEnabled) {
        out += Line("IP address", "automatic (DHCP)");
    } else {
        out += Line("IP address", IpText(p.IpAddr));
        out += Line("Subnet mask", IpText(p.IpMask));
        out += Line("Gateway", IpText(p.IpGate));
        out += Line("DNS servers", IpText(p.IpDns1) + ", " + IpText(p.IpDns2));
    }
    return out;
}

std::string FormatProfileList(const std::vector<std::string>& names, const std::string& current) {
    std::string out;
    for (const std::string& name : names) out += (name == current ? "* " : "  ") + PrintableText(name) + "\n";
    return out;
}

}  // namespace wifictl
