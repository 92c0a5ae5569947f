// ProfileReport.cpp - see ProfileReport.h.
#include "wifictl/core/ProfileReport.h"

#include <cstring>

#include "adapter/portable/Bytes.h"
#include "monitor/editor/portable/ProfileSummary.h"
#include "wifictl/core/TerminalText.h"

namespace wifictl {
namespace {

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
    switch (p.AssociationMode) {
    case 0: return "ad hoc (join)";
    case 1: return "infrastructure";
    case 2: return "ad hoc (join or start on channel " + std::to_string(p.Channel) + ")";
    default: return "unknown (" + std::to_string(p.AssociationMode) + ")";
    }
}

const char* Cipher(const WLAN_PROFILE& p) { return p.EncryptionLevel == 5 ? "TKIP" : "AES"; }

std::string Security(const WLAN_PROFILE& p) {
    switch (p.SecurityMode) {
    case 0: return "none";
    case 1: return std::string("WEP, ") + (p.EncryptionLevel == 1 ? "64-bit" : "128-bit");
    case 2: return std::string("WPA-Personal, ") + Cipher(p);
    case 3: return std::string("WPA-Enterprise, ") + Cipher(p);
    case 4: return std::string("WPA2-Personal, ") + Cipher(p);
    case 5: return std::string("WPA2-Enterprise, ") + Cipher(p);
    case 6: return "RADIUS (802.1X with WEP)";
    default: return "unknown (" + std::to_string(p.SecurityMode) + ")";
    }
}

const char* WepAuthentication(uint32_t mode) {
    switch (mode) {
    case 1: return "shared key";
    case 2: return "auto";
    default: return "open system";
    }
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
    if (p.AssociationMode == 0 || p.AssociationMode == 2) {
        // In the words of the editor's summary, the only other place that shows them.
        const auto rows = editor::SummaryRows(p);
        out += Line("Channel", rows[2]);
        out += Line("Network mode", rows[3]);
    }
    out += Line("Security", Security(p));
    switch (p.SecurityMode) {
    case 1: {
        out += Line("Authentication", WepAuthentication(p.AuthentMode));
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
    case 2:
    case 4:
        out += Line("Passphrase", SetOrNot(IsSet(p.PassPhrase, sizeof p.PassPhrase)));
        break;
    case 3:
    case 5:
    case 6: {
        const bool peap = p.EntAuthenType == 1;
        out += Line("802.1X method", peap ? "PEAP" : p.EntAuthenType == 2 ? "EAP-TLS" : "none");
        out += Line("Login name", Quoted(Field(p.LoginName, sizeof p.LoginName)));
        if (peap) {
            out += Line("Inner method", p.InnerAuthen == 3 ? "method 3" : "EAP-MSCHAPv2");
            out += Line("Password", SetOrNot(IsSet(p.LoginPassword, sizeof p.LoginPassword)));
        } else {
            out += Line("Certificate", Quoted(Field(p.UserCertHash, sizeof p.UserCertHash)));
        }
        if (IsSet(p.ServerName, sizeof p.ServerName))
            out += Line("Server name", Quoted(Field(p.ServerName, sizeof p.ServerName)));
        break;
    }
    default:
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
